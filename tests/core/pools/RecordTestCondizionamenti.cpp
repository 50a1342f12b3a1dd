// The reduction conditions and their filter columns as the configuration
// archive holds them.
#include "pools/CCondizionamenti.h"

#include "pools/RecordTestSupporto.h"

#include <gtest/gtest.h>

namespace veltra::test {
namespace {

CColonnaFiltro ColonnaPiena(int i) {
    CColonnaFiltro c;
    c.attiva = i % 2;
    const char* testi[] = {"1", "X", "2", "1X", "X2", "12", "1X2", "-"};
    for (int r = 0; r < CColonnaFiltro::kRighe; ++r) {
        c.pronostici[r] = {};
        std::strncpy(c.pronostici[r].data(), testi[(r + i) % 8], 3);
    }
    c.pronostici[13] = {'X', '\0', 'Z', 'W'}; // bytes past the text survive too
    c.punteggioMin = static_cast<std::int16_t>(i % 5);
    c.punteggioMax = static_cast<std::int16_t>(9 + i % 5);
    c.gruppo = static_cast<char>('A' + i % 26);
    return c;
}

CCondizionamenti CondizioniPiene(int colonne) {
    CCondizionamenti c;
    c.attivoSegni = 1;
    c.min1 = 1, c.max1 = 9, c.minX = 2, c.maxX = 8, c.min2 = 3, c.max2 = 7;
    c.attivoConsecutivi = 1;
    c.minCons1 = 0, c.maxCons1 = 4, c.minConsX = 1, c.maxConsX = 3, c.minCons2 = 2, c.maxCons2 = 5;
    c.attivoProbabilita = 1;
    c.probMin = 0.0001;
    c.probMax = 0.75;
    c.numColonneFiltro = static_cast<std::int16_t>(colonne);
    for (int i = 0; i < colonne; ++i)
        c.colonneFiltro[i] = ColonnaPiena(i);
    for (int g = 0; g < kNumeroGruppi; ++g) {
        c.minColonneGruppo[g] = g % 3;
        c.maxColonneGruppo[g] = g % 3 + 1;
        c.colonneNelGruppo[g] = g % 3 + 2;
    }
    c.minGruppi = 1;
    c.maxGruppi = 4;
    c.condizionatoRidotto = 1;
    return c;
}

TEST(RecordCondizionamenti, AndataRitornoConOgniCampoValorizzato) {
    VerificaAndataRitorno(ColonnaPiena(3));
    VerificaAndataRitorno(CondizioniPiene(7));
    VerificaAndataRitorno(CondizioniPiene(kMaxColonneFiltro));
}

TEST(RecordCondizionamenti, CondizioniScritteCampoPerCampo) {
    Byte nuove;
    nuove.i32(0).i32(0).i32(0).i32(0).i32(0).i32(0);
    for (int i = 0; i < 2; ++i)
        nuove.i16(0).i16(14).i16(0).i16(14).i16(0).i16(14);
    nuove.f64(0.0).f64(1.0).i16(0);
    for (int g = 0; g < kNumeroGruppi; ++g)
        nuove.i32(0).i32(0).i32(0);
    CCondizionamenti c;
    EXPECT_EQ(Scrivi(c), nuove.dati());
    EXPECT_EQ(nuove.dati().size(), 378u);

    // Distinct values show the order of the fields.
    c = CondizioniPiene(1);
    Byte b;
    b.i32(1).i32(1).i32(1).i32(1).i32(4).i32(1);
    b.i16(1).i16(9).i16(2).i16(8).i16(3).i16(7);
    b.i16(0).i16(4).i16(1).i16(3).i16(2).i16(5);
    b.f64(0.0001).f64(0.75).i16(1);
    for (int g = 0; g < kNumeroGruppi; ++g)
        b.i32(g % 3).i32(g % 3 + 1).i32(g % 3 + 2);
    b.raw(std::string("1\0\0\0X\0\0\0"
                      "2\0\0\0"
                      "1X\0\0X2\0\0"
                      "12\0\0"
                      "1X2\0-\0\0\0",
                      32));
    b.raw(std::string("1\0\0\0X\0\0\0"
                      "2\0\0\0"
                      "1X\0\0X2\0\0"
                      "X\0ZW",
                      24));
    b.i16(0).i16(9).u8('A').i32(0);
    EXPECT_EQ(Scrivi(c), b.dati());
    EXPECT_TRUE(Leggi<CCondizionamenti>(b.dati()) == c);
}

TEST(RecordCondizionamenti, ColonnaFiltroNuovaEConTrediciRighe) {
    Byte b;
    b.raw(std::string(56, '\0')).i16(0).i16(14).u8('A').i32(1);
    CColonnaFiltro nuova;
    EXPECT_EQ(Scrivi(nuova), b.dati());
    EXPECT_EQ(b.dati().size(), 65u);

    // Up to version 110 a column had 13 entries; the 14th keeps its value.
    Byte vecchia;
    vecchia.raw(std::string(13 * 4, '1')).i16(2).i16(13).u8('C').i32(0);
    CColonnaFiltro c = ColonnaPiena(0);
    const auto quattordicesima = c.pronostici[13];
    LeggiSu(c, vecchia.dati(), 110);
    EXPECT_EQ(c.pronostici[0], (std::array<char, 4>{'1', '1', '1', '1'}));
    EXPECT_EQ(c.pronostici[12], (std::array<char, 4>{'1', '1', '1', '1'}));
    EXPECT_EQ(c.pronostici[13], quattordicesima);
    EXPECT_EQ(c.punteggioMin, 2);
    EXPECT_EQ(c.punteggioMax, 13);
    EXPECT_EQ(c.gruppo, 'C');
    EXPECT_EQ(c.attiva, 0);
    EXPECT_EQ(Scrivi(c, 110), vecchia.dati());

    // The conditions hold as many such columns.
    Byte condizioni;
    condizioni.raw(std::string(48, '\0')).f64(0.0).f64(1.0).i16(2);
    for (int g = 0; g < kNumeroGruppi; ++g)
        condizioni.i32(0).i32(0).i32(0);
    condizioni += vecchia;
    condizioni += vecchia;
    const CCondizionamenti lette = Leggi<CCondizionamenti>(condizioni.dati(), 110);
    EXPECT_EQ(lette.numColonneFiltro, 2);
    EXPECT_EQ(lette.colonneFiltro[1].gruppo, 'C');
}

TEST(RecordCondizionamenti, TestoDellaColonnaNonOltreIQuattroByte) {
    CColonnaFiltro c;
    c.pronostici[0] = {'1', 'X', '2', '1'}; // no terminator on file
    c.pronostici[1] = {'X', '2', '\0', '9'};
    EXPECT_EQ(c.Pronostico(0), "1X21");
    EXPECT_EQ(c.Pronostico(1), "X2");
    EXPECT_EQ(c.Pronostico(2), "");
}

TEST(RecordCondizionamenti, ValoriImpossibiliRifiutati) {
    const CCondizionamenti destinazione = CondizioniPiene(3);
    const std::size_t numColonne = 24 + 24 + 16;
    for (std::int16_t n : {std::int16_t{-1}, std::int16_t{101}, std::int16_t{32767}}) {
        auto b = Scrivi(destinazione);
        b[numColonne] = static_cast<std::uint8_t>(n);
        b[numColonne + 1] = static_cast<std::uint8_t>(n >> 8);
        SCOPED_TRACE(n);
        VerificaRifiuto(b, destinazione);
    }
    const std::size_t gruppo = numColonne + 2 + kNumeroGruppi * 12 + 56 + 4;
    for (char g : {'@', '[', 'a', '\0'}) {
        auto b = Scrivi(destinazione);
        b[gruppo] = static_cast<std::uint8_t>(g);
        SCOPED_TRACE(g);
        VerificaRifiuto(b, destinazione);
    }
}

TEST(RecordCondizionamenti, TroncaturaInOgniPunto) {
    CCondizionamenti c = CondizioniPiene(3);
    VerificaTroncature(Scrivi(c), CCondizionamenti{});
    VerificaTroncature(Scrivi(c, 110), c, 110);
}

TEST(RecordCondizionamenti, LaCopiaDiRiservaNonVaSuFile) {
    CCondizionamenti c;
    c.copia = CondizioniPiene(2);
    CCondizionamenti senza;
    EXPECT_EQ(Scrivi(c), Scrivi(senza));
    // Reading leaves the copy alone.
    LeggiSu(c, Scrivi(senza));
    EXPECT_TRUE(c.copia == CondizioniPiene(2));
}

} // namespace
} // namespace veltra::test
