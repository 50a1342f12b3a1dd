#pragma once
// Search for a smaller N-1 reduction of one coupon shape: tries the syndrome groups
// Z3^a x Z2^b small enough to search (the whole space among them, when small), each with
// a few column choices, and keeps the smallest covering found.

#include "pools/riduzioni/Codice.h"

#include <cstdint>
#include <string>

namespace veltra::riduzioni {

struct ParametriRiduzione {
    uint64_t passiPerProva = 200000; // steps of local search per group and column choice
    int sceltePerGruppo = 3;         // column choices tried for small groups
    uint32_t gruppoMassimo = 20000;  // largest group searched
    uint32_t gruppoPiccolo = 800;    // groups up to this size get several column choices
    uint64_t seme = 1;
};

struct EsitoRiduzione {
    Codice codice;           // empty when nothing smaller than the bound was found
    std::string descrizione; // how the winner was made, for the report
};

// Looks for a covering of (triple, doppie) with fewer than `daBattere` words.
EsitoRiduzione CercaRiduzione(int triple, int doppie, uint64_t daBattere,
                              const ParametriRiduzione& parametri);

} // namespace veltra::riduzioni
