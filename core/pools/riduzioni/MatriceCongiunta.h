#pragma once
// The matrix method searched jointly over the matrix and the syndrome set.
//
// A code of (t, d) is the set of outcomes whose syndrome under a matrix with columns in
// G = Z3^a x Z2^b lies in a set S (see MatriceSindromi.h); its size is |S| |kernel|. The
// covering of G by S + D depends on the columns as much as on S, and a good pair is rare
// among random matrices. This annealing moves both: a step either moves one element of S
// onto a spot that covers a random uncovered element, or gives one column a new value. The
// first a triple columns and b double columns stay the unit vectors, so the map onto G is
// onto and the kernel has the size assumed. Each step touches |D| or |S| counts.

#include "pools/riduzioni/MatriceSindromi.h"

#include <cstdint>
#include <vector>

namespace veltra::riduzioni {

struct ParametriCongiunta {
    int a = 0;                // G = Z3^a x Z2^b; needs a <= t, b <= d
    int b = 0;
    uint32_t parole = 0;      // |S| sought
    uint64_t passi = 0;       // budget of steps
    uint64_t seme = 0;
    double temperatura = 0.5; // a step that uncovers k more elements passes with e^(-k/T)
    double quotaColonne = 0.1; // share of the steps that change a column
};

struct EsitoCongiunta {
    bool trovato = false;
    MatriceSindromi matrice;
    std::vector<uint32_t> insieme; // S, ascending
    uint64_t passi = 0;
    size_t menoScoperti = 0; // fewest uncovered elements of G met on the way
};

// G must be small enough for an addition table (up to 6561 elements).
EsitoCongiunta CercaMatriceCongiunta(int triple, int doppie, const ParametriCongiunta& parametri);

} // namespace veltra::riduzioni
