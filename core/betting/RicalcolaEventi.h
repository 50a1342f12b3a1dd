#pragma once
// The probabilities of the betting events come from the current analyses:
// recomputing one event, all of them when an analysis changes, and the
// estimate of a match as the odds dialogs ask for it.
#include <array>
#include <optional>
#include <string>

namespace veltra {

struct DatiCampionati;
struct Evento;
struct ScommessaMgr;
class IMessaggi;

inline constexpr const char* kEventiNonRicalcolabili =
    "Impossibile ricalcolare le Scommesse Sportive con la nuova Analisi Corrente.\nGli eventi "
    "inseriti vengono quindi cancellati";

// The floor of the betting module: each of P1, PX, P2 in turn that is <= 0
// becomes 0.01 and the other two each lose half of (its distance below 0
// plus 0.01).
void MinimoProbabilita(std::array<float, 3>& p);

// Brings a championship's estimates up to date with the model it uses (the
// engine, made when missing, or the rating model); false when the fit fails.
bool AggiornaStimeScommesse(DatiCampionati& dati, int campionato);

// Index of a team in the championship's current list (exact, case-sensitive),
// -1 when missing.
int IndiceSquadraScommesse(const DatiCampionati& dati, int campionato, const std::string& nome);

// P1, PX, P2 of a match between two current teams of a championship whose
// estimates are up to date, after the floor; nullopt when the model cannot
// estimate it.
std::optional<std::array<float, 3>> StimaEvento(const DatiCampionati& dati, int campionato,
                                                int casa, int trasferta);

// The probabilities and equities of one event from its championship's
// estimates (which must be up to date). false, and the event unchanged, for an
// empty slot, a team not in the current list, or an estimate that fails.
bool RicalcolaEvento(Evento& e, const DatiCampionati& dati);

// Every event recomputed from the current analyses and the bets emptied.
// When a championship owning events cannot be estimated, or an event cannot
// be recomputed, the events are lost: the message is shown (when `messaggi`
// is given), the manager emptied, the data marked modified, and the result is
// false. The current championship stays what it was.
bool RicalcolaEventi(ScommessaMgr& scommesse, DatiCampionati& dati,
                     IMessaggi* messaggi = nullptr);

} // namespace veltra
