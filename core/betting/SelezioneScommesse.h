#pragma once
// The bet selection: ranking the events by the prediction type, evaluating
// one combination of ranked events and signs against the criteria, keeping
// the 540 best bets, and the stake split of a calculated double chance.
#include "betting/Scommessa.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

struct ScommessaMgr;
struct Evento;
class ContestoLavoro;

inline constexpr int kMaxGambe = 6;
// Multiples combine only this many of the best ranked events.
inline constexpr int kEventiMultiple = 20;

// The texts of the prediction types, in the order of TipoPronostico.
extern const std::array<const char*, 14> kTestiTipoPronostico;

// What a type plays and how it ranks.
bool TipoDoppie(int tipo); // 11..13: the double chances
// The sign played by types 0..10: 0 = 1, 1 = X, 2 = 2.
int SegnoGiocato(int tipo);

// The criteria of a window that opens without calculated bets: limits as the
// user usually starts, type 0 when some event has odds for 1, X or 2, else 11
// when some event has a double chance.
void CriteriPredefiniti(ScommessaMgr& m);

// Whether an event passes the criteria for the type and its ranking key.
struct ChiaveEvento {
    bool passa = false;
    float chiave = 0; // 0 when it does not pass
};
// `m` gives the criteria and the included championships.
ChiaveEvento ChiaveDiEvento(const ScommessaMgr& m, const Evento& e, int tipo, int doppie);

// Stores the type and the double-chance flag, ranks the event slots (passing
// events first, by descending key; ties as the type says), counts the
// passing ones in nSelezionati and empties the bets.
void OrdinaEventi(ScommessaMgr& m, int tipo, int doppie);

// The bet made of `gambe` ranked events and signs (0..2: 1, X, 2 or for the
// double chances 1X, 12, X2) when every leg meets the criteria of the
// manager's type; nullopt otherwise. Totals are multiplied in leg order.
std::optional<Scommessa> ComponiScommessa(const ScommessaMgr& m, int gambe, const int* indici,
                                          const int* segni);

// The ranking key and tie value of a bet under a type.
std::array<float, 2> ChiaveScommessa(const Scommessa& s, int tipo);

// Inserts the combination into the ranked bets when it ranks among the
// best (before position 539); true when it became the first bet.
bool ValutaCombinazione(ScommessaMgr& m, int gambe, const int* indici, const int* segni);

// Every combination of `gambe` ranked events (multiples among the 20 best)
// and signs, in order, each evaluated as ValutaCombinazione does: the ranked
// bets, at most 540. The plain form evaluates them one by one; CercaScommesse
// gives the same list faster, on `fili` threads, reporting to `contesto`
// (when given) and stopping at its request with the bets of the
// combinations evaluated so far in order.
std::vector<Scommessa> CercaScommesseSemplice(const ScommessaMgr& m, int gambe);
std::vector<Scommessa> CercaScommesse(const ScommessaMgr& m, int gambe, int fili = 2,
                                      const ContestoLavoro* contesto = nullptr);
// Number of combinations of events the enumeration walks: C(n, gambe).
long CombinazioniEventi(const ScommessaMgr& m, int gambe);

// Whether the type has enough events with odds in its group for k legs.
bool GambePossibili(const ScommessaMgr& m, int tipo, int gambe);

// The stake split of a bet with calculated double chances: each calculated
// leg is played as two singles paying the same. 2^m plays, the first leg
// outermost and the first outcome first.
struct Giocata {
    std::vector<std::string> segni; // per leg: '1', 'X', '2' or the leg's sign
    float percentuale = 0;          // share of the stake, fraction
};
std::vector<Giocata> GiocateCalcolate(const Scommessa& s);

} // namespace veltra
