#pragma once
// Codes as preimages of a syndrome set. Each triple row gets a column in Z3^a and each
// double row a column in Z2^b; an outcome's syndrome is the sum of its digits times the
// columns. If a set S of syndromes covers the group G = Z3^a x Z2^b with the shifts
// D = {0, +-columns of triples, columns of doubles}, then every outcome whose syndrome is
// in S is a word of a covering of radius one, and the code has |S| |ker| words. The search
// then runs in G, far smaller than the space. With all the points of the projective
// space as columns and S = {0} this is the Hamming code.

#include "pools/riduzioni/Codice.h"
#include "pools/riduzioni/RicercaCopertura.h"

#include <cstdint>
#include <vector>

namespace veltra::riduzioni {

struct MatriceSindromi {
    int triple = 0; // rows of the space
    int doppie = 0;
    int a = 0; // G = Z3^a x Z2^b, indexed as SpazioMisto(a, b)
    int b = 0;
    std::vector<uint32_t> colonne; // one element of G per row of the space

    SpazioMisto gruppo() const { return SpazioMisto(a, b); }
};

// Column choice: distinct columns up to sign, the unit vectors first so the map onto G
// is onto, then pseudo-random others from `seme`; repeats only once every point is used.
// With `speciali`, the triple rows take first the columns of a good ternary code with a
// parity checks when there is one (a = 4, 5, 6).
MatriceSindromi ScegliMatrice(int triple, int doppie, int a, int b, uint64_t seme, bool speciali);

// Sum in G (digit by digit, modulo 3 or 2) and k times an element.
uint32_t Somma(const SpazioMisto& gruppo, uint32_t x, uint32_t y);
uint32_t Multiplo(const SpazioMisto& gruppo, uint32_t x, int k);

// The distinct shifts D, 0 first.
std::vector<uint32_t> Spostamenti(const MatriceSindromi& matrice);

// The neighbourhoods g + D of every element of G, for the search.
GrafoCopertura GrafoSindromi(const MatriceSindromi& matrice);

// Every outcome whose syndrome lies in `insieme`.
Codice Preimmagine(const MatriceSindromi& matrice, const std::vector<uint32_t>& insieme);

// The perfect codes: ternary of length (3^a - 1) / 2, binary of length 2^b - 1.
Codice HammingTernario(int a);
Codice HammingBinario(int b);

} // namespace veltra::riduzioni
