#pragma once
// The probabilities of the betting events come from the current analyses:
// recomputing one event, all of them when an analysis changes, and the
// estimate of a match as the odds dialogs ask for it.
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

struct DatiCampionati;
struct Evento;
struct ScommessaMgr;
class IMessaggi;

inline constexpr const char* kEventiNonRicalcolabili =
    "Impossibile ricalcolare le Scommesse Sportive con la nuova Analisi Corrente.\nGli eventi "
    "inseriti vengono quindi cancellati";

// When some events cannot be recomputed only they are dropped; the message
// names them, one a line.
inline constexpr const char* kEventiNonRicalcolati =
    "Impossibile ricalcolare con la nuova Analisi Corrente i seguenti eventi, che vengono quindi "
    "cancellati:";

// The bounds of the betting module: each of P1, PX, P2 in turn that is <= 0
// becomes 0.01 and the other two each lose half of (its distance below 0
// plus 0.01); each one >= 1 likewise becomes 0.99 and the other two each gain
// half of (its distance above 1 plus 0.01). The sum stays what it was. The
// passes repeat while a correction pushes another value out (at most a few
// times; a sum far from 1 is then clamped), so every value ends in (0, 1).
void MinimoProbabilita(std::array<float, 3>& p);

// An event stored with P1, PX or P2 outside (0, 1) (weeks estimated before
// the bounds held on both sides) brought inside them as MinimoProbabilita
// does, its double chances and equities following; true when it changed.
// An event without all three single odds is left as it is (its P are not
// all known).
bool CorreggiProbabilitaEvento(Evento& e);

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

// "Casa-Trasferta (Campionato)", as the messages name an event.
std::string NomeEvento(const Evento& e);

// Every event recomputed from the current analyses and the bets emptied.
// An event that cannot be recomputed (its championship cannot be estimated,
// a team is not in the current list, the model fails) is dropped, the others
// stay in their order: the message names the dropped ones (when `messaggi` is
// given; when none is left it is kEventiNonRicalcolabili), their names go to
// `scartati` (when given), the data are marked modified, and the result is
// false. The current championship stays what it was.
bool RicalcolaEventi(ScommessaMgr& scommesse, DatiCampionati& dati,
                     IMessaggi* messaggi = nullptr,
                     std::vector<std::string>* scartati = nullptr);

} // namespace veltra
