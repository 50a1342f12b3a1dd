#pragma once
// Commands that cannot run while a modeless window holds the data they would
// change: the window is brought to the front with a message instead.
#include "platform/FinestreNonModali.h"

#include <optional>
#include <string_view>

namespace veltra {

class IMessaggi;

struct Rifiuto {
    Finestra finestra;
    std::string_view messaggio;
};

// The window that blocks command `id` and the message, or nullopt when the
// command is never refused.
std::optional<Rifiuto> RifiutoDelComando(int id);

// true when the command must not run: its blocking window is open, so the
// message has been shown (exclamation icon) and the window brought to front.
bool ComandoRifiutato(int id, FinestreNonModali& finestre, IMessaggi& messaggi);

} // namespace veltra
