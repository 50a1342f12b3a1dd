#pragma once
// Recomputing the coupon when the analysis it rests on changes.
namespace veltra {

struct DatiCampionati;
struct Schedina;
struct CCondizionamenti;
class IMessaggi;

inline constexpr const char* kSistemaNonRicalcolabile =
    "Impossibile ricalcolare il Sistema Totocalcio con la nuova Analisi Corrente.\nIl Sistema "
    "viene quindi cancellato";

// Recomputes the base system of the coupon: with `stimeRicalcolate` the
// probabilities of every row are first taken again from the present
// estimates; the predictions the user set by hand are kept when
// `pronosticiManuali` is true and dropped otherwise. The counters of the
// modification commands go back to 0 and sistemaIniziale to 1 (0 when a
// manual prediction was kept).
//
// When a row can no longer be estimated (a team no longer current, a fit
// that fails) the coupon is cancelled: the message is shown (when
// `messaggi` is given), the coupon and the reduction conditions (when
// given) are reset, schedinaAssente and datiModificati become 1, and the
// result is false.
bool RicalcolaSistema(Schedina& schedina, DatiCampionati& dati, bool stimeRicalcolate,
                      bool pronosticiManuali, IMessaggi* messaggi = nullptr,
                      CCondizionamenti* condizioni = nullptr);

} // namespace veltra
