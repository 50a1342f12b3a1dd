#pragma once
// Where the probabilities of a coupon row come from: the estimation engine
// of the match's championship, or, for a match of another competition, the
// planes of Serie A evaluated on the teams' last results.
#include <array>
#include <optional>
#include <string>

namespace veltra {

struct DatiCampionati;
struct Partita;
struct Schedina;

// P1, PX, P2 of a row, the floor applied and the bonus added to P2.
using Probabilita3 = std::array<float, 3>;

// Brings the championship's estimates up to date with the model it uses (the
// engine, made when missing, or the rating model); false when the fit fails.
bool AggiornaStimeCampionato(DatiCampionati& dati, int campionato);

// Brings Serie A's engine up to date for the matches of other competitions,
// which are read off its planes whichever model Serie A uses for its own
// matches; false when the fit fails.
bool AggiornaStimeAltriIncontri(DatiCampionati& dati);

// The estimate of a match between two current teams of a championship whose
// estimates are up to date; nullopt when its model cannot estimate it.
std::optional<Probabilita3> StimaPartita(const DatiCampionati& dati, int campionato, int casa,
                                         int trasferta, float bonusSegno2);

// A match of another competition from the five last home results of the
// home team and away results of the away team ('V', 'P', 'S'), with the
// current analysis of Serie A, whose engine must be up to date.
Probabilita3 StimaAltroIncontro(const DatiCampionati& dati, const std::array<char, 5>& formaCasa,
                                const std::array<char, 5>& formaTrasferta, float bonusSegno2);

// Index of a team in the championship's current list (exact comparison), -1
// when missing.
int IndiceSquadra(const DatiCampionati& dati, int campionato, const std::string& nome);

// Recomputes the probabilities of every filled row from the present
// estimates (each championship brought up to date once). false at the first
// row that cannot be estimated; the coupon may then be partly changed and
// must be cancelled.
bool RicalcolaStime(Schedina& s, DatiCampionati& dati);

} // namespace veltra
