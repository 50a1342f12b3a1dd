#pragma once
// The importance percentages of the analysed matches: the enabled ones (the
// first N) stay within 50..150 and always add up to N x 100.
#include <cstdint>

namespace veltra {

inline constexpr int kPercentualeMinima = 50;
inline constexpr int kPercentualeMassima = 150;

// The percentages after a change of N: 100 for each of the first N, 0 for
// the others (which the engine does not read).
void PercentualiPerGiornate(std::int16_t percentuali[5], int giornate);

// The user moved slider `indice` to `valore`: the value is kept within
// 50..150 and the difference to N x 100 goes to the following sliders in
// order (wrapping to the first), each taking what it can within 50..150.
// With N = 1 the only percentage is fixed at 100: there is no other slider
// to take a difference. An index outside the first N changes nothing.
void RipartisciPercentuali(std::int16_t percentuali[5], int giornate, int indice, int valore);

} // namespace veltra
