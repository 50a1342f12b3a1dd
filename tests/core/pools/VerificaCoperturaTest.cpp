#include "pools/riduzioni/VerificaCopertura.h"
#include "pools/riduzioni/CorrezioneErrori.h"
#include "pools/riduzioni/MatriceSindromi.h"
#include "pools/riduzioni/ScriviTabellaRiduzione.h"

#include <gtest/gtest.h>

namespace veltra::riduzioni {
namespace {

TabellaRiduzione Tabella(const Codice& codice) {
    return TabellaDaIndici(codice.spazio(), codice.parole);
}

TEST(VerificaCopertura, CodiceDiHammingCopreEOgniColonnaServe) {
    const Codice hamming = HammingTernario(2); // 4 triples, 9 columns, perfect
    ASSERT_EQ(hamming.size(), 9u);
    EXPECT_TRUE(VerificaCopertura(Tabella(hamming)).ok);
    // Perfect: without any one column its 9 outcomes are left uncovered.
    for (size_t i = 0; i < hamming.size(); ++i) {
        Codice meno = hamming;
        meno.parole.erase(meno.parole.begin() + static_cast<long>(i));
        EXPECT_FALSE(VerificaCopertura(Tabella(meno)).ok) << i;
    }
}

TEST(VerificaCopertura, TabellePiccoleConUnaTriplaEUnaDoppia) {
    struct Caso {
        std::vector<uint8_t> valori; // columns of (triple, double)
        bool copre;
        const char* difetto;
    };
    const Caso casi[] = {
        {{1, 1, 2, 3}, true, ""},
        {{1, 1, 2, 1}, false, "33"}, // X with the second sign is two rows from both
        {{1, 1, 2, 2}, false, "riga 1: valore 2"},
        {{1, 1, 4, 3}, false, "riga 0: valore 4"},
    };
    for (const Caso& caso : casi) {
        const TabellaRiduzione t{1, 1, 2, caso.valori};
        const EsitoVerifica v = VerificaCopertura(t);
        EXPECT_EQ(v.ok, caso.copre) << v.difetto;
        EXPECT_NE(v.difetto.find(caso.difetto), std::string::npos) << v.difetto;
    }
}

TEST(VerificaCorrezioneErrori, AccettaSoloLInsiemeEsatto) {
    const int t = 3, d = 2, e = 1, f = 2;
    const SpazioMisto spazio(t, d);
    const std::vector<uint32_t> colonne = ColonneCorrezioneErrori(t, d, e, f);
    // 1 error: 3*2 + 2 = 8; 2 errors: 3*4 + 3*2*2 + 1 = 25.
    ASSERT_EQ(colonne.size(), 33u);
    EXPECT_TRUE(VerificaCorrezioneErrori(TabellaDaIndici(spazio, colonne), e, f).ok);

    std::vector<uint32_t> manca(colonne.begin() + 1, colonne.end());
    EXPECT_FALSE(VerificaCorrezioneErrori(TabellaDaIndici(spazio, manca), e, f).ok);

    std::vector<uint32_t> ripetuta = manca;
    ripetuta.push_back(manca.front());
    EXPECT_FALSE(VerificaCorrezioneErrori(TabellaDaIndici(spazio, ripetuta), e, f).ok);

    std::vector<uint32_t> fuori = manca;
    fuori.push_back(0); // the base column itself: 0 errors
    EXPECT_FALSE(VerificaCorrezioneErrori(TabellaDaIndici(spazio, fuori), e, f).ok);
}

TEST(CorrezioneErrori, ConteggiDaEnumerazione) {
    // The closed formula against counting every outcome by hand.
    for (int t = 0; t <= 5; ++t)
        for (int d = 0; t + d <= 6; ++d) {
            if (t + d == 0) continue;
            const SpazioMisto spazio(t, d);
            std::vector<uint64_t> perErrori(8, 0);
            for (uint32_t i = 0; i < spazio.dimensione(); ++i) {
                const Cifre c = spazio.Scomponi(i);
                int errori = 0;
                for (int r = 0; r < spazio.righe(); ++r)
                    errori += c[r] != 0;
                ++perErrori[errori];
            }
            for (int e = 0; e <= 4; ++e)
                for (int f = e + 1; f <= 7; ++f) {
                    uint64_t atteso = 0;
                    for (int w = e; w <= f; ++w)
                        atteso += perErrori[w];
                    EXPECT_EQ(ContaCorrezioneErrori(t, d, e, f), atteso) << t << d << e << f;
                    EXPECT_EQ(ColonneCorrezioneErrori(t, d, e, f).size(), atteso);
                }
        }
}

} // namespace
} // namespace veltra::riduzioni
