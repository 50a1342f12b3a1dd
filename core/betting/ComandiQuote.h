#pragma once
// The main window's commands "Immissione Quote" and "Modifica Quote": the
// odds dialogs in a chain over the betting manager, which is restored
// exactly as it was when the user cancels or anything fails. The window
// layer runs the dialogs through these hooks (tests script them).
#include <functional>

namespace veltra {

struct DatiCampionati;
struct ScommessaMgr;
class IMessaggi;
class CDlgSelezioneCampionati;
class CDlgImmissioneQuote;
class CDlgAggiuntaEvento;

inline constexpr const char* kNessunEventoInserito =
    "Impossibile calcolare le migliori scommesse perche' non e' stato inserito alcun evento!";
inline constexpr const char* kAggiungereEvento = "Vuoi aggiungere alla lista un nuovo Evento ?";

struct DialoghiQuote {
    // Each runs its dialog modally: true when confirmed.
    std::function<bool(CDlgSelezioneCampionati&)> selezione;
    std::function<bool(CDlgImmissioneQuote&)> immissione;
    std::function<bool(CDlgAggiuntaEvento&)> aggiunta;
    // Opens the bet-selection window; false when it cannot start.
    std::function<bool()> apriScommesse;
};

// true when the week was entered and the bet selection opened.
bool ImmissioneQuote(ScommessaMgr& m, DatiCampionati& dati, IMessaggi& messaggi,
                     const DialoghiQuote& dialoghi);
bool ModificaQuote(ScommessaMgr& m, DatiCampionati& dati, IMessaggi& messaggi,
                   const DialoghiQuote& dialoghi);

} // namespace veltra
