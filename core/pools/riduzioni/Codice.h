#pragma once
// A set of columns of the space of t triples and d doubles, as outcome indices, ascending.

#include "pools/riduzioni/SpazioMisto.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace veltra::riduzioni {

struct Codice {
    int triple = 0;
    int doppie = 0;
    std::vector<uint32_t> parole;

    SpazioMisto spazio() const { return SpazioMisto(triple, doppie); }
    size_t size() const { return parole.size(); }
};

// Sorts and drops repeated words.
void Normalizza(Codice& codice);

// True when every outcome lies within one row of a word.
bool CoperturaCompleta(const Codice& codice);

} // namespace veltra::riduzioni
