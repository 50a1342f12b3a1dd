// The matrix method searched over matrix and syndromes together, and the aimed plans of
// the generator: what they return must be a true covering of the announced size.

#include "pools/riduzioni/MatriceCongiunta.h"
#include "pools/riduzioni/PianiMatrice.h"

#include <gtest/gtest.h>

#include <string>

namespace veltra::riduzioni {
namespace {

std::string Nome(int t, int d) { return std::to_string(t) + "t" + std::to_string(d) + "d"; }

TEST(MatriceCongiunta, TrovaMatriceEInsiemeCheCopronoDavvero) {
    struct Caso {
        int triple, doppie, a, b;
        uint32_t parole;
    };
    // 4t: the perfect Hamming code (one syndrome); 3d: the binary one; 10t: 5 x 3^6 words,
    // the smallest ternary code of length 10 known; mixed groups with both kinds of column.
    const Caso casi[] = {{4, 0, 2, 0, 1}, {0, 3, 0, 2, 1}, {10, 0, 4, 0, 5},
                         {3, 2, 2, 1, 3}, {2, 4, 1, 3, 4}};
    for (const Caso& c : casi) {
        ParametriCongiunta p;
        p.a = c.a;
        p.b = c.b;
        p.parole = c.parole;
        p.passi = 2000000;
        const EsitoCongiunta e = CercaMatriceCongiunta(c.triple, c.doppie, p);
        ASSERT_TRUE(e.trovato) << Nome(c.triple, c.doppie);
        EXPECT_LE(e.insieme.size(), c.parole) << Nome(c.triple, c.doppie);
        // The unit columns stay, so the map is onto and every syndrome has |kernel| words.
        const Codice codice = Preimmagine(e.matrice, e.insieme);
        uint64_t nucleo = 1;
        for (int i = c.a; i < c.triple; ++i)
            nucleo *= 3;
        for (int i = c.b; i < c.doppie; ++i)
            nucleo *= 2;
        EXPECT_EQ(codice.size(), e.insieme.size() * nucleo) << Nome(c.triple, c.doppie);
        EXPECT_TRUE(CoperturaCompleta(codice)) << Nome(c.triple, c.doppie);
    }
}

TEST(MatriceCongiunta, SottoIlLimiteDelleSfereNonTrovaNulla) {
    // 5 triples onto Z3^3: 27 syndromes, 11 shifts each, so 2 cannot cover.
    ParametriCongiunta p;
    p.a = 3;
    p.parole = 2;
    p.passi = 20000;
    const EsitoCongiunta e = CercaMatriceCongiunta(5, 0, p);
    EXPECT_FALSE(e.trovato);
    EXPECT_GT(e.menoScoperti, 0u);
    // A group with more rows than the space cannot be reached by unit columns.
    p.a = 6;
    EXPECT_FALSE(CercaMatriceCongiunta(5, 0, p).trovato);
}

TEST(PianiMatrice, IPianiPiuEconomiciDannoLaCoperturaPromessa) {
    // The cheap plans, run as the generator runs them; the costly ones are checked
    // through the tables they produced.
    int eseguiti = 0;
    for (const PianoMatrice& piano : PianiMatrice()) {
        EXPECT_LE(piano.a, piano.triple);
        EXPECT_LE(piano.b, piano.doppie);
        if (piano.metodo == MetodoPiano::Colonne) {
            EXPECT_EQ(piano.colonne.size(), static_cast<size_t>(piano.triple + piano.doppie))
                << Nome(piano.triple, piano.doppie);
        }
        if (piano.prove * piano.passi > 60000 || piano.triple + piano.doppie > 9) continue;
        const EsitoPiano esito = EseguiPiano(piano);
        EXPECT_EQ(esito.codice.size(), ParolePiano(piano)) << Nome(piano.triple, piano.doppie);
        EXPECT_TRUE(CoperturaCompleta(esito.codice)) << Nome(piano.triple, piano.doppie);
        ++eseguiti;
    }
    EXPECT_GT(eseguiti, 0);
}

TEST(PianiMatrice, UnPianoAColonneDateUsaQuelleColonne) {
    // 4t onto Z3^2: the columns 10, 01, 11, 12 are those of the Hamming code, so one
    // syndrome covers and the code is perfect; with two columns repeated it cannot.
    PianoMatrice piano{4, 0, 2, 0, 1, 3, 5000, MetodoPiano::Colonne, {3, 1, 4, 5}};
    const EsitoPiano esito = EseguiPiano(piano);
    EXPECT_EQ(esito.codice.size(), 9u);
    EXPECT_TRUE(CoperturaCompleta(esito.codice));
    piano.colonne = {3, 1, 3, 1};
    EXPECT_TRUE(EseguiPiano(piano).codice.parole.empty());
    // Columns that do not match the rows give nothing rather than a wrong matrix.
    piano.colonne = {3, 1, 4};
    EXPECT_TRUE(EseguiPiano(piano).codice.parole.empty());
}

TEST(PianiMatrice, UnPianoIrraggiungibileNonDaCodice) {
    // 6t onto Z3^4 with 4 syndromes: 4 x 13 shifts < 81.
    const PianoMatrice piano{6, 0, 4, 0, 4, 2, 5000, MetodoPiano::MolteMatrici};
    EXPECT_TRUE(EseguiPiano(piano).codice.parole.empty());
    EXPECT_EQ(ParolePiano(piano), 36u);
}

} // namespace
} // namespace veltra::riduzioni
