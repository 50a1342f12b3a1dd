#pragma once
// What the save and exit flows work on: the store, the main window's state,
// the working folder, the message boxes and the wait cursor.
#include <filesystem>
#include <functional>

namespace veltra {

struct DatiGlobali;
struct StatoShell;
class IMessaggi;

struct ContestoShell {
    DatiGlobali& dati;
    StatoShell& stato;
    std::filesystem::path cartella;
    IMessaggi& messaggi;
    // Shows (true) and removes (false) the wait cursor; may be empty.
    std::function<void(bool)> cursoreAttesa = {};
};

// The complete save under the wait cursor; on failure the program's message
// "Errore nel salvataggio.\nImpossibile salvare le modifiche!" is shown and
// the previous files are intact. The caller lifts the cut-offs first.
bool SalvaConAttesa(ContestoShell& ctx);

} // namespace veltra
