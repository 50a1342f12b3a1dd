#pragma once
// The record of a strategy over the archived weeks of a bookmaker: how many
// weeks it could be played, how many it won, its yield, its longest run of
// weeks without gain, its largest drawdown, and a bootstrap interval of its
// mean weekly yield, to tell an edge from luck.
#include "betting/ArchivioSettimane.h"
#include "betting/CStrategiaDesc.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace veltra {

class ContestoLavoro;

inline constexpr const char* kMessaggioCalcoloStatistiche = "CALCOLO STATISTICHE IN CORSO...";

// One point of the chart per available week.
struct PuntoStatistica {
    std::string settimana;
    bool giocata = false;     // the strategy was played that week
    double rendimento = 0;    // that week's yield (0 when not played)
    double guadagnoNetto = 0; // cumulative gain so far, in stakes
    double rendimentoNetto = 0; // cumulative gain / played weeks, in percent
};

struct StatisticheStrategia {
    int disponibili = 0;
    int giocabili = 0;
    int vincenti = 0;
    double guadagno = 0;    // sum of the weekly yields, in stakes
    int ritardoMassimo = 0; // longest run of played weeks without gain
    double maxDrawdown = 0; // largest fall of the cumulative gain from an earlier peak
    // 90% bootstrap interval of the mean weekly yield, in percent.
    double intervalloBasso = 0, intervalloAlto = 0;
    std::vector<PuntoStatistica> punti;
    bool fermata = false;

    double rendimento() const { return giocabili ? guadagno / giocabili * 100.0 : 0.0; }
    double percentualeGiocabili() const { return disponibili ? 100.0 * giocabili / disponibili : 0.0; }
    double percentualeVincenti() const { return giocabili ? 100.0 * vincenti / giocabili : 0.0; }
};

// The championships some abstract event of the strategy includes.
std::array<bool, kNumeroCampionati> MascheraStrategia(const CStrategiaDesc& s);

// The record over the weeks in order. A week is available when every
// abstract event has some event of the week in its championships; played
// when the strategy resolves and, for single-play strategies (play type 0),
// no leg is void (other play types count a void leg as odds 1).
StatisticheStrategia CalcolaStatistiche(const CStrategiaDesc& s,
                                        const std::vector<SettimanaArchiviata>& settimane,
                                        const ContestoLavoro* contesto = nullptr);

// The figures that only need the weekly yields of the played weeks: the
// longest run of yields <= 0, the largest drawdown of their running sum
// (from the start at 0), and the 5th and 95th percentiles of the mean over
// `ricampionamenti` resamples with replacement (a fixed seed: the same
// series always gives the same interval), in percent.
struct FigureSerie {
    int ritardoMassimo = 0;
    double maxDrawdown = 0;
    double intervalloBasso = 0, intervalloAlto = 0;
};
FigureSerie FigureDaSerie(const std::vector<double>& rendimenti, int ricampionamenti = 2000);

// One line of key=value fields for the terminal.
std::string RigaStatistiche(const StatisticheStrategia& s);

} // namespace veltra
