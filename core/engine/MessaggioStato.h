#pragma once
// The two status-bar texts of the current championship: its precision and
// data usage, and whether its parameters are an archived analysis.
#include "dati/DatiCampionati.h"

#include <optional>
#include <string>
#include <string_view>

namespace veltra {

class CMotoreStime;

inline constexpr const char* kStimeImpossibili =
    "Impossibile calcolare le stime. Modificare i valori dei parametri.";

// The same failure when the championship has too few matches to fit: no
// parameter would help, more results will.
inline constexpr const char* kStimePochiIncontri =
    "Impossibile calcolare le stime: il campionato ha ancora troppo pochi incontri.";
// Its message box, shown where data were just entered.
inline constexpr const char* kMessaggioPochiIncontri =
    "Impossibile calcolare le stime.\nIl campionato ha ancora troppo pochi incontri: "
    "le stime saranno possibili dopo l'inserimento di altri risultati.";

struct TestiStato {
    bool ok = false;         // false when the fit failed
    std::string pannello1;   // precision and data usage, or the failure text
    std::string pannello2;   // archive text, " " on failure
};

// Pane 1 after a successful fit. The data usage, when undefined (no replayed
// match counted at all), is shown as 0.0%.
std::string FormattaMessaggioStato(std::string_view nomeCampionato, const CMotoreStime& motore,
                                   std::optional<float> datiUsati, int campionatiInclusi);

// Pane 2: numeroAnalisi is 1-based, 0 when the parameters are not archived.
std::string TestoAnalisiArchivio(int numeroAnalisi);

// Both panes after a failed fit, pane 1 naming its cause.
TestiStato TestiStimeImpossibili(const CCampionato& campionato);

// Recomputes the championship (AggiornaStime) and returns both panes; pane 2
// looks the current analysis up in the championship's archive.
TestiStato AggiornaMessaggioStato(CCampionato& campionato);

// Panes 1 and 2 after the caller ran AggiornaStime successfully itself. The
// name shown is the championship's unless `nome` is given (start-up writes
// the literal "Serie A").
TestiStato MessaggioStatoDopoStime(CCampionato& campionato, std::string_view nome = {});

} // namespace veltra
