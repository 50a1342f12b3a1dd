#pragma once
// Strategies at work: resolving the abstract events of a strategy on a
// week's events, the plays that follow, their settlement once the results
// are known, and the upkeep of the strategy list.
#include "betting/CStrategiaDesc.h"
#include "betting/Scommessa.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

struct ScommessaMgr;
class ContestoLavoro;

// Letters 'A'..'Z'.
inline constexpr int kMaxEventiStrategia = 26;

// The message for a strategy that cannot be resolved (1-based position).
std::string TestoStrategiaNonRealizzabile(int posizione);

// Why a strategy cannot be stored ("" when it can): no event, more than 26,
// no play, an empty play or a play naming a missing event.
std::string ControllaStrategia(const CStrategiaDesc& s);

struct RisoluzioneStrategia {
    bool realizzata = false;
    bool fermata = false;               // the job was asked to stop
    std::vector<VoceScommessa> gambe;   // one per abstract event when realizzata
};

// Resolves every abstract event on the events of `lavoro` (a working copy:
// its criteria, ranking and bet list are overwritten). For each event in
// turn the manager takes the event's criteria and inclusions, ranks the
// events by the event's type, evaluates every passing event and sign as a
// one-leg bet (odds within 0.005 of the limits for the single signs, exact
// for the double chances) and takes the bet at the event's rank; a bet
// whose home team an earlier event already took gives way to the next.
// Stops between evaluations when `contesto` asks.
RisoluzioneStrategia RealizzaStrategia(const CStrategiaDesc& s, ScommessaMgr& lavoro,
                                       const ContestoLavoro* contesto = nullptr);

// A play of resolved legs: the product of the odds, of the probabilities,
// and their product (the equity). A play without legs has odds 1.
struct GiocataRisolta {
    double quota = 1;
    double prob = 1;
    double equita() const { return quota * prob; }
};
GiocataRisolta RisolviGiocata(const std::vector<std::int16_t>& giocata,
                              const std::vector<VoceScommessa>& gambe);

// Outcome code of a leg: 1 won, 0 void or result unknown, -1 lost with 1,
// -2 lost with 2, -3 lost with X.
int CodiceEsito(const VoceScommessa& gamba, char esito);
// " (OK)", " (Nulla)", " (Errore: 1)", " (Errore: 2)", " (Errore: X)".
const char* TestoCodiceEsito(int codice);

// How a void leg counts: as odds 1 (the week's yields, and the statistics
// of the strategies found for multiples and systems), or by making the
// whole week unplayable (the statistics of single-play strategies).
enum class RegolaNulle { QuotaUno, SettimanaNonGiocabile };

struct Liquidazione {
    bool giocabile = true;  // false: a void leg under SettimanaNonGiocabile
    double rendimento = 0;  // mean over the plays of (payout - 1); 0 with no plays
    bool vincente = false;  // some play paid back something
    std::vector<std::vector<int>> codici; // per play, per leg
    std::vector<double> pagato;           // per play, the payout of one unit
};

// Settles the plays of a resolved strategy on the results (`esito`) of the
// events of `m`, matched to the legs by home and away team.
Liquidazione LiquidaStrategia(const CStrategiaDesc& s, const std::vector<VoceScommessa>& gambe,
                              const ScommessaMgr& m, RegolaNulle regola = RegolaNulle::QuotaUno);

// The list upkeep. A new strategy and a modified abstract event get the next
// number of the counter, which only ever grows.
void RinumeraStrategia(CStrategiaDesc& s, std::int32_t& contatore);
void AggiungiStrategia(ListaStrategie& l, std::int32_t& contatore, CStrategiaDesc s);
// False when the index is out of range.
bool EliminaStrategia(ListaStrategie& l, int indice);
// Moves strategy `corrente` just before strategy `primaDi` (the strategies in
// between shift by one); nothing moves when `primaDi` is the strategy itself
// or the one right after it. Returns the strategy's new index.
int SpostaStrategia(ListaStrategie& l, int corrente, int primaDi);

// Text of the included championships: codes joined by ';' in table order,
// or "TUTTI" when all are included.
std::string TestoCampionatiInclusi(const EventoStrategia& e);

} // namespace veltra
