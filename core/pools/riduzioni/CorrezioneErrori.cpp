#include "pools/riduzioni/CorrezioneErrori.h"

#include "pools/riduzioni/SpazioMisto.h"

#include <cstddef>

namespace veltra::riduzioni {

namespace {

uint64_t Binomiale(int n, int k) {
    if (k < 0 || k > n) return 0;
    uint64_t risultato = 1;
    for (int i = 1; i <= k; ++i)
        risultato = risultato * static_cast<uint64_t>(n - k + i) / i;
    return risultato;
}

} // namespace

uint64_t ContaColonneConErrori(int triple, int doppie, int errori) {
    uint64_t totale = 0;
    for (int i = 0; i <= triple && i <= errori; ++i)
        totale += Binomiale(triple, i) * (uint64_t{1} << i) * Binomiale(doppie, errori - i);
    return totale;
}

uint64_t ContaCorrezioneErrori(int triple, int doppie, int erroriMin, int erroriMax) {
    uint64_t totale = 0;
    for (int e = erroriMin; e <= erroriMax; ++e)
        totale += ContaColonneConErrori(triple, doppie, e);
    return totale;
}

std::vector<uint32_t> ColonneCorrezioneErrori(int triple, int doppie, int erroriMin,
                                              int erroriMax) {
    const SpazioMisto spazio(triple, doppie);
    std::vector<uint32_t> colonne;
    // Rows off the base, built prefix by prefix: the outcome's index divided by the last
    // row's base is the index of the same outcome without that row.
    std::vector<uint8_t> errori(1, 0);
    for (int r = 0; r < spazio.righe(); ++r) {
        const int b = spazio.base(r);
        std::vector<uint8_t> successivi(errori.size() * b);
        for (size_t i = 0; i < successivi.size(); ++i)
            successivi[i] = static_cast<uint8_t>(errori[i / b] + (i % b != 0));
        errori.swap(successivi);
    }
    for (uint32_t i = 0; i < errori.size(); ++i)
        if (errori[i] >= erroriMin && errori[i] <= erroriMax) colonne.push_back(i);
    return colonne;
}

} // namespace veltra::riduzioni
