#pragma once
// Local search for a small set S of a group G whose shifts S + D cover all of G.
//
// Each step swaps one word: out goes the word whose removal uncovers the least weight
// (not one just brought in), in comes, among the words that would cover a random uncovered
// element, the one that covers the most weight (not the one just taken out). Uncovered
// elements gain weight at every step, so the search stops circling round the same hard
// spots. Every change of coverage updates only the counts around the words moved, so a
// step costs |D|^2 plus a scan of S. When S covers G a word is dropped and the search goes
// on with one fewer.

#include <cstdint>
#include <vector>

namespace veltra::riduzioni {

// The neighbourhoods in G: vicini[g * m + k] = g + D[k], with D[0] = 0 and D = -D.
struct GrafoCopertura {
    uint32_t n = 0;
    int m = 0;
    std::vector<uint32_t> vicini;
};

struct ParametriRicerca {
    uint64_t passi = 0; // budget; the search is deterministic for a given budget and seed
    uint64_t seme = 0;
    uint32_t iniziale = 0;      // words to start with
    uint32_t minimo = 1;        // stop as soon as a cover this small is found
    uint32_t tenutaEntrata = 3; // steps a word brought in cannot leave
    uint32_t tenutaUscita = 3;  // steps a word taken out cannot come back
    bool pesi = true;
    bool scambioCongiunto = false;
};

struct RisultatoRicerca {
    std::vector<uint32_t> migliore; // smallest cover found, ascending; empty if none
    uint64_t passi = 0;
};

RisultatoRicerca CercaCopertura(const GrafoCopertura& grafo, const ParametriRicerca& parametri);

} // namespace veltra::riduzioni
