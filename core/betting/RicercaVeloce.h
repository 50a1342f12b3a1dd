#pragma once
// The strategy search of one sign as the run does it: the weeks turned once
// into bit masks (per ranking, one bit per event in ranking order, one mask per
// grid value of every limit), so that a candidate's ranked events in a week
// are the first set bits of the AND of a few masks. The grid is cut into
// blocks, one per equity minimum and maximum; blocks run on as many threads
// as asked, each from an empty best, and their improvements are merged in
// grid order, so the bests and the kept improvements are the same with any
// number of threads, and the same as the literal search's.
#include "betting/GrigliaStrategie.h"

#include <functional>
#include <span>
#include <vector>

namespace veltra {

class ContestoLavoro;

// One equity minimum and maximum of the grid, in search order.
struct BloccoGriglia {
    int indiceMin = 0, indiceMax = 0; // positions of the two counters
    float minEquita = 0, maxEquita = 0;
    bool primoDelMin = false, ultimoDelMin = false;
};
std::vector<BloccoGriglia> BlocchiGriglia();

struct EsitoSegno {
    MiglioriSegno migliori{};
    std::vector<Miglioramento> miglioramenti; // kept improvements, in grid order
    long candidati = 0;
    bool fermata = false;
};

// The progress texts of the grid, in search order (the equity minimum's
// start, each maximum's start, the minimum's end); null for none.
using TestoAvanzamento = std::function<void(const std::string&)>;

// The search of one sign. `thread` 0 uses every core. `blocchi` > 0 walks only
// the first blocks (tests). `contesto` (may be null) is asked about a stop
// between blocks and inside them, and told how many blocks are done.
EsitoSegno CercaSegnoBlocchi(std::span<const SettimanaArchiviata> settimane,
                             const ParametriRicerca& p, char segno, int thread,
                             const TestoAvanzamento& testo, const ContestoLavoro* contesto,
                             int blocchi = 0);

// A bare pass over the same week masks for `candidati` grid candidates of the
// sign (every ranking checked): the ANDs and the ranked events, without the
// settlement and the bests. Returns a checksum so nothing is optimised away.
// For the benchmark's ratio.
unsigned long PassaggioNudo(std::span<const SettimanaArchiviata> settimane,
                            const ParametriRicerca& p, char segno, long candidati);

} // namespace veltra
