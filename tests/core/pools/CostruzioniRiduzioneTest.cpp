#include "pools/riduzioni/CercaRiduzione.h"
#include "pools/riduzioni/Costruzioni.h"
#include "pools/riduzioni/MatriceSindromi.h"

#include <gtest/gtest.h>

namespace veltra::riduzioni {
namespace {

TEST(CostruzioniRiduzione, CodiciPerfetti) {
    const Codice t4 = HammingTernario(2);
    const Codice b3 = HammingBinario(2);
    const Codice b7 = HammingBinario(3);
    EXPECT_EQ(t4.triple, 4);
    EXPECT_EQ(t4.size(), 9u);
    EXPECT_EQ(b3.doppie, 3);
    EXPECT_EQ(b3.size(), 2u);
    EXPECT_EQ(b7.size(), 16u);
    for (const Codice* c : {&t4, &b3, &b7})
        EXPECT_TRUE(CoperturaCompleta(*c));
}

TEST(CostruzioniRiduzione, OgniTrasformazioneConservaLaCopertura) {
    const Codice base = HammingTernario(2); // 4 triples
    struct Caso {
        const char* nome;
        Codice codice;
        int triple, doppie;
        size_t massimo;
    };
    const Caso casi[] = {
        {"tripla aggiunta", AggiungiTripla(base), 5, 0, 27},
        {"doppia aggiunta", AggiungiDoppia(base), 4, 1, 18},
        {"prima tripla in doppia", TriplaInDoppia(base, 0, 0), 3, 1, 9},
        {"ultima tripla in doppia", TriplaInDoppia(base, 3, 1), 3, 1, 9},
        {"riga tolta", TogliRiga(base, 2), 3, 0, 9},
        {"doppia tolta", TogliRiga(AggiungiDoppia(HammingBinario(2)), 3), 0, 3, 4},
    };
    for (const Caso& caso : casi) {
        EXPECT_EQ(caso.codice.triple, caso.triple) << caso.nome;
        EXPECT_EQ(caso.codice.doppie, caso.doppie) << caso.nome;
        EXPECT_LE(caso.codice.size(), caso.massimo) << caso.nome;
        EXPECT_TRUE(CoperturaCompleta(caso.codice)) << caso.nome;
    }
}

TEST(CostruzioniRiduzione, PreimmagineHaSoloLeSindromiScelte) {
    // 5 triples onto Z3^2: every syndrome has 3^3 preimages.
    const MatriceSindromi m = ScegliMatrice(5, 0, 2, 0, 7, false);
    const Codice c = Preimmagine(m, {0, 4});
    EXPECT_EQ(c.size(), 54u);
    const SpazioMisto g = m.gruppo();
    for (uint32_t p : c.parole) {
        const Cifre cifre = c.spazio().Scomponi(p);
        uint32_t s = 0;
        for (int r = 0; r < 5; ++r)
            s = Somma(g, s, Multiplo(g, m.colonne[r], cifre[r]));
        EXPECT_TRUE(s == 0 || s == 4) << p;
    }
}

// The column sets of the good ternary codes, checked by their distance: no nonzero word of
// weight below d has syndrome zero, i.e. the syndromes of all errors of weight up to
// (d - 1) / 2 are distinct, and for d = 4 no column is a combination of two others.
TEST(CostruzioniRiduzione, ColonneDeiCodiciTernariNoti) {
    struct Caso {
        int a, lunghezza, errori;
    };
    for (const Caso caso : {Caso{4, 10, 1}, Caso{5, 11, 2}, Caso{6, 12, 2}}) {
        const MatriceSindromi m = ScegliMatrice(caso.lunghezza, 0, caso.a, 0, 1, true);
        const SpazioMisto g = m.gruppo();
        std::vector<int> volte(g.dimensione(), 0);
        ++volte[0];
        for (int i = 0; i < caso.lunghezza; ++i)
            for (int x = 1; x <= 2; ++x) {
                const uint32_t ei = Multiplo(g, m.colonne[i], x);
                ++volte[ei];
                if (caso.errori < 2) continue;
                for (int j = i + 1; j < caso.lunghezza; ++j)
                    for (int y = 1; y <= 2; ++y)
                        ++volte[Somma(g, ei, Multiplo(g, m.colonne[j], y))];
            }
        for (uint32_t s = 0; s < g.dimensione(); ++s)
            EXPECT_LE(volte[s], 1) << caso.a << " " << s;
        if (caso.a == 4) { // a cap: ±c_i ±c_j is never a column
            for (int k = 0; k < caso.lunghezza; ++k)
                for (int i = 0; i < caso.lunghezza; ++i)
                    for (int j = i + 1; j < caso.lunghezza; ++j)
                        for (int y = 1; y <= 2; ++y) {
                            if (k == i || k == j) continue;
                            EXPECT_NE(Somma(g, m.colonne[i], Multiplo(g, m.colonne[j], y)),
                                      m.colonne[k]);
                        }
        }
    }
}

TEST(CostruzioniRiduzione, LeDueMosseDellaRicercaCopronoDavvero) {
    // 6 triples searched in the whole space: both kinds of step reach a true cover.
    const MatriceSindromi m = ScegliMatrice(6, 0, 6, 0, 1, false);
    const GrafoCopertura grafo = GrafoSindromi(m);
    for (bool congiunto : {false, true}) {
        ParametriRicerca p;
        p.passi = 30000;
        p.iniziale = 90;
        p.minimo = 57;
        p.scambioCongiunto = congiunto;
        const RisultatoRicerca r = CercaCopertura(grafo, p);
        ASSERT_FALSE(r.migliore.empty()) << congiunto;
        EXPECT_LE(r.migliore.size(), 80u) << congiunto;
        EXPECT_TRUE(CoperturaCompleta(Preimmagine(m, r.migliore))) << congiunto;
    }
}

TEST(CostruzioniRiduzione, LaRicercaTrovaGliOttimiPiccoli) {
    // Smallest coverings known exactly: 3 triples need 5, 5 doubles 7, 2t2d 6.
    struct Caso {
        int triple, doppie;
        size_t ottimo;
    };
    for (const Caso caso : {Caso{3, 0, 5}, Caso{0, 5, 7}, Caso{2, 2, 6}}) {
        ParametriRiduzione p;
        p.passiPerProva = 20000;
        const EsitoRiduzione esito = CercaRiduzione(caso.triple, caso.doppie, 100, p);
        EXPECT_EQ(esito.codice.size(), caso.ottimo) << caso.triple << "t" << caso.doppie << "d";
        EXPECT_TRUE(CoperturaCompleta(esito.codice));
    }
}

} // namespace
} // namespace veltra::riduzioni
