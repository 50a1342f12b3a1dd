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
    const MatriceSindromi m = ScegliMatrice(5, 0, 2, 0, 7);
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
