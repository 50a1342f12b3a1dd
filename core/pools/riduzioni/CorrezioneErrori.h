#pragma once
// The error-correcting systems: the columns whose number of rows off the base sign
// ("errori") lies in a range.

#include <cstdint>
#include <vector>

namespace veltra::riduzioni {

// Columns with exactly `errori` rows off the base: choose i triples (2 variants each) and
// errori - i doubles.
uint64_t ContaColonneConErrori(int triple, int doppie, int errori);
uint64_t ContaCorrezioneErrori(int triple, int doppie, int erroriMin, int erroriMax);

// The columns as outcome indices of SpazioMisto(triple, doppie), ascending.
std::vector<uint32_t> ColonneCorrezioneErrori(int triple, int doppie, int erroriMin, int erroriMax);

} // namespace veltra::riduzioni
