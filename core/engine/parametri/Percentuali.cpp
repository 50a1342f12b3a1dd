#include "engine/parametri/Percentuali.h"

#include <algorithm>

namespace veltra {

void PercentualiPerGiornate(std::int16_t percentuali[5], int giornate) {
    for (int k = 0; k < 5; ++k)
        percentuali[k] = k < giornate ? 100 : 0;
}

void RipartisciPercentuali(std::int16_t percentuali[5], int giornate, int indice, int valore) {
    if (giornate < 1 || giornate > 5 || indice < 0 || indice >= giornate) return;
    if (giornate == 1) {
        percentuali[0] = 100;
        return;
    }
    percentuali[indice] =
        static_cast<std::int16_t>(std::clamp(valore, kPercentualeMinima, kPercentualeMassima));
    int resto = giornate * 100;
    for (int k = 0; k < giornate; ++k)
        resto -= percentuali[k];
    // With N >= 2 the other sliders can always absorb the difference: one
    // round over them is enough.
    for (int passo = 1; passo < giornate && resto != 0; ++passo) {
        std::int16_t& p = percentuali[(indice + passo) % giornate];
        const int nuovo = std::clamp(p + resto, kPercentualeMinima, kPercentualeMassima);
        resto -= nuovo - p;
        p = static_cast<std::int16_t>(nuovo);
    }
}

} // namespace veltra
