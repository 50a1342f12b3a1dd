#pragma once
// The pools coupon and the betting events are computed from a championship's
// data: when new data arrive they no longer hold and are cleared.
namespace veltra {

struct DatiGlobali;
class IMessaggi;

inline constexpr const char* kAvvisoCancellazioneSistema =
    "L'inserimento di nuovi dati rende necessaria la cancellazione del Sistema per il Totocalcio";
inline constexpr const char* kAvvisoCancellazioneScommesse =
    "L'inserimento di nuovi dati rende necessaria la cancellazione delle informazioni relative "
    "alle scommesse sportive";

// Tells the user about what there was to clear, then resets the coupon with
// its reduction conditions (no coupon afterwards) and the betting manager.
void CancellaDatiDipendenti(DatiGlobali& dati, IMessaggi& messaggi);

// The same, telling the user with the texts of a historical cut-off.
void CancellaDatiDipendentiFiltro(DatiGlobali& dati, IMessaggi& messaggi);

// The same, silently.
void AzzeraDatiDipendenti(DatiGlobali& dati);

} // namespace veltra
