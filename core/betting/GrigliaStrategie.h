#pragma once
// The pieces of the strategy search taken one at a time, written plainly: the
// weekly ranking of the events that pass a candidate's limits, the weekly
// settlement of the twelve kinds of play, the running totals of a kind, the
// rule that keeps the best candidate, and the walk over the grid of limits.
// The fast search is checked against these.
#include "betting/RicercaStrategie.h"

#include <array>
#include <span>

namespace veltra {

struct Evento;

inline constexpr int kMaxEventiGiocata = 6;

// Index into Evento::quote/prob/equita of a searched sign ('1', 'x' or 'X', '2').
int VoceSegno(char segno);

// True when the event passes the candidate's limits for the sign.
bool PassaFiltro(const Evento& e, char segno, const LimitiCandidato& l);

// The week's events that pass the limits, best first under `ordinamento`
// (0 larger P(s), 1 smaller P(2), 2 larger E(s), 3 larger Q(s)); ties keep the
// earlier event; at most `eventiDaConsiderare` (1..6). Returns how many
// positions are filled; `posizioni` holds indices into `eventi`.
int ClassificaSettimana(std::span<const Evento> eventi, char segno, int ordinamento,
                        const LimitiCandidato& l, int eventiDaConsiderare,
                        std::array<int, kMaxEventiGiocata>& posizioni);

// Payout factor of an event for the sign: the odds when the result is the sign,
// 1 when void ('-'), 0 otherwise.
double FattoreEvento(const Evento& e, char segno);

struct EsitoSettimanaTipo {
    bool giocabile = false;
    bool vincente = false;
    double guadagno = 0;
};

// One week's outcome for each kind of play, from the factors of the ranked
// events (`vuoto[i]` = the event at position i was void). Kinds needing more
// than `eventiDaConsiderare` or than `riempite` events are not playable.
std::array<EsitoSettimanaTipo, kTipiGiocata>
LiquidaSettimana(const std::array<double, kMaxEventiGiocata>& fattori,
                 const std::array<bool, kMaxEventiGiocata>& vuoto, int riempite,
                 int eventiDaConsiderare);

// Running totals of one kind of play for one candidate.
struct TotaliGiocata {
    double guadagno = 0;
    int vincenti = 0, giocabili = 0, ritardo = 0, maxRitardo = 0;
    void Aggiungi(const EsitoSettimanaTipo& s);
};

// The best candidate so far of one kind of play.
struct MiglioreGiocata {
    double guadagno = 0;
    int vincenti = 0, giocabili = 0, maxRitardo = 0;
    LimitiCandidato limiti;
};

// True when the candidate's totals replace the best so far (negative gain
// ignored; better by yield or by frequency, equal keeps the earlier; kept only
// with enough playable and winning weeks).
bool SostituisceMigliore(const TotaliGiocata& c, const MiglioreGiocata& b, bool maxRendimento,
                         int settimaneDisponibili, int minSettimaneUtili,
                         int minSettimaneVincenti);

// The equity limits of the grid's counters.
float MinEquitaDaContatore(float contatore);
float MaxEquitaDaContatore(float contatore);

// Walks the grid of one sign in search order. The visitor gets
//   InizioEquitaMin(float minEquita)
//   Candidato(const LimitiCandidato&)
//   bool FineEquitaMax(float minEquita, float maxEquita)   (false ends the walk)
//   FineEquitaMin(float minEquita)
// Returns false when the visitor ended the walk.
template <class V> bool PercorriGriglia(char segno, V& v) {
    LimitiCandidato l;
    for (float cMin = 0.65f; cMin < 1.15; cMin = cMin + 0.05f) {
        l.minEquita = MinEquitaDaContatore(cMin);
        v.InizioEquitaMin(l.minEquita);
        for (float cMax = 1.00f; cMax < 1.39; cMax = cMax + 0.05f) {
            if (!(cMax > l.minEquita + 0.011))
                continue;
            l.maxEquita = MaxEquitaDaContatore(cMax);
            for (float qMin = 1.00f; qMin < 3.01; qMin = qMin + 0.05f) {
                l.minQuota = qMin;
                for (float qMax = 1.00f; qMax < 4.01; qMax = qMax + 0.05f) {
                    if (qMax < qMin)
                        continue;
                    l.maxQuota = qMax;
                    if (segno == '1') {
                        l.maxProb1 = 1;
                        l.minProbX = 0;
                        l.minProb2 = 0;
                        for (float a = 0.45f; a < 0.66; a = a + 0.05f) {
                            l.minProb1 = a;
                            for (float b = 0.35f; b > 0.19; b = b - 0.05f) {
                                l.maxProbX = b;
                                for (float c = b; c > 0.14; c = c - 0.05f) {
                                    l.maxProb2 = c;
                                    v.Candidato(l);
                                }
                            }
                        }
                    } else if (segno == '2') {
                        l.maxProb2 = 1;
                        l.minProb1 = 0;
                        l.minProbX = 0;
                        for (float a = 0.20f; a < 0.41; a = a + 0.05f) {
                            l.minProb2 = a;
                            for (float b = 0.45f; b > 0.24; b = b - 0.05f) {
                                l.maxProb1 = b;
                                for (float c = 0.45f; c > 0.24; c = c - 0.05f) {
                                    l.maxProbX = c;
                                    v.Candidato(l);
                                }
                            }
                        }
                    } else {
                        l.maxProbX = 1;
                        l.minProb1 = 0;
                        l.minProb2 = 0;
                        for (float a = 0.25f; a < 0.46; a = a + 0.05f) {
                            l.minProbX = a;
                            for (float b = 0.50f; b > 0.29; b = b - 0.05f) {
                                l.maxProb1 = b;
                                for (float c = 0.30f; c > 0.19; c = c - 0.05f) {
                                    l.maxProb2 = c;
                                    v.Candidato(l);
                                }
                            }
                        }
                    }
                }
            }
            if (!v.FineEquitaMax(l.minEquita, l.maxEquita))
                return false;
        }
        v.FineEquitaMin(l.minEquita);
    }
    return true;
}

} // namespace veltra

namespace veltra {

struct SettimanaArchiviata;

// Replays every week with one candidate under one ranking and adds each week's
// outcome to the totals of the twelve kinds (totals start from zero).
std::array<TotaliGiocata, kTipiGiocata>
ValutaCandidato(std::span<const SettimanaArchiviata> settimane, char segno, int ordinamento,
                const LimitiCandidato& l, int eventiDaConsiderare);

// The rankings searched for a sign: the checked ones, ranking 1 only for '1'.
std::array<bool, kOrdinamenti> OrdinamentiDelSegno(const ParametriRicerca& p, char segno);

// The bests of one sign, by ranking and kind.
using MiglioriSegno = std::array<std::array<MiglioreGiocata, kTipiGiocata>, kOrdinamenti>;

// Called for every kept improvement, in search order.
struct Miglioramento {
    int ordinamento, tipo;
    MiglioreGiocata migliore;
};

// The search of one sign done literally: every candidate of the grid, every
// week ranked and settled again. Kinds needing more events than considered
// are left without a best. The reference for the fast search.
// `equitaMax` > 0 stops the walk after that many equity maxima (tests).
MiglioriSegno CercaSegnoLetterale(std::span<const SettimanaArchiviata> settimane,
                                  const ParametriRicerca& p, char segno,
                                  std::vector<Miglioramento>* miglioramenti, long& candidati,
                                  int equitaMax = 0);

// Single evaluation: the candidate's results become the bests without the
// tests of the best-candidate rule.
MiglioriSegno ValutaUnica(std::span<const SettimanaArchiviata> settimane,
                          const ParametriRicerca& p, char segno, const LimitiCandidato& l);

// The measure a best is compared by when choosing between rankings 0 and 1:
// yield or frequency, 0 unless it has playable weeks and a positive gain.
double MisuraMigliore(const MiglioreGiocata& b, bool maxRendimento);
// The ranking reported for the probability group of a kind: 1 ("Min.P2") when
// its measure is strictly larger than ranking 0's, else 0.
int OrdinamentoProbabilita(const MiglioriSegno& m, int tipo, bool maxRendimento);

} // namespace veltra
