#include "engine/parametri/Percentuali.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

using namespace veltra;

namespace {

using Percentuali = std::array<std::int16_t, 5>;

Percentuali Ripartisci(Percentuali p, int n, int indice, int valore) {
    RipartisciPercentuali(p.data(), n, indice, valore);
    return p;
}

} // namespace

TEST(Percentuali, LaDifferenzaVaAiSuccessiviNellOrdine) {
    struct Caso {
        Percentuali prima;
        int n, indice, valore;
        Percentuali dopo;
    };
    const std::vector<Caso> casi = {
        // The second gives up what the first takes; the third is left alone.
        {{100, 100, 100, 0, 0}, 3, 0, 120, {120, 80, 100, 0, 0}},
        // The second is at its floor: the rest comes from the third.
        {{100, 50, 150, 0, 0}, 3, 0, 150, {150, 50, 100, 0, 0}},
        // Starting after the moved one and wrapping to the first.
        {{100, 100, 100, 0, 0}, 3, 2, 60, {140, 100, 60, 0, 0}},
        {{150, 150, 50, 50, 100}, 5, 4, 150, {100, 150, 50, 50, 150}},
        // Values outside 50..150 are held at the bound.
        {{100, 100, 0, 0, 0}, 2, 1, 300, {50, 150, 0, 0, 0}},
        {{100, 100, 0, 0, 0}, 2, 0, 10, {50, 150, 0, 0, 0}},
        // A slider beyond N is disabled: nothing moves.
        {{100, 100, 0, 0, 0}, 2, 3, 120, {100, 100, 0, 0, 0}},
        // One analysed match: there is nobody to give the difference to, so
        // its percentage stays 100 (it used to loop for ever).
        {{100, 0, 0, 0, 0}, 1, 0, 130, {100, 0, 0, 0, 0}},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(Ripartisci(c.prima, c.n, c.indice, c.valore), c.dopo)
            << "n=" << c.n << " indice=" << c.indice << " valore=" << c.valore;
}

TEST(Percentuali, SommaSempreNPerCentoEntro50e150) {
    // Every N, every slider, every value a slider can take, from a spread of
    // starting points reached by earlier moves.
    for (int n = 2; n <= 5; ++n) {
        Percentuali p{};
        PercentualiPerGiornate(p.data(), n);
        for (int giro = 0; giro < 3; ++giro)
            for (int indice = 0; indice < n; ++indice)
                for (int valore = 30; valore <= 170; valore += 7) {
                    RipartisciPercentuali(p.data(), n, indice, valore);
                    int somma = 0;
                    for (int k = 0; k < n; ++k) {
                        somma += p[k];
                        ASSERT_GE(p[k], 50);
                        ASSERT_LE(p[k], 150);
                    }
                    ASSERT_EQ(somma, n * 100) << "n=" << n << " indice=" << indice;
                    ASSERT_EQ(p[indice], std::clamp(valore, 50, 150));
                    for (int k = n; k < 5; ++k)
                        ASSERT_EQ(p[k], 0);
                }
    }
}

TEST(Percentuali, CambioDiGiornate) {
    Percentuali p{120, 80, 130, 70, 100};
    PercentualiPerGiornate(p.data(), 3);
    EXPECT_EQ(p, (Percentuali{100, 100, 100, 0, 0}));
    PercentualiPerGiornate(p.data(), 1);
    EXPECT_EQ(p, (Percentuali{100, 0, 0, 0, 0}));
}
