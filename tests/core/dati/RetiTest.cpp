#include "dati/Reti.h"

#include "Supporto.h"
#include "dati/FileAtomico.h"
#include "dati/FileDati.h"
#include "dati/ModelliStime.h"

#include <gtest/gtest.h>

using namespace veltra;
using veltra::test::CartellaTemporanea;
using veltra::test::Stagione;

namespace {

TEST(Reti, DateInGiorni) {
    struct Caso {
        DataNumerica data;
        long giorni;
    };
    for (const Caso& c : {Caso{19700101, 0}, Caso{19700102, 1}, Caso{20000301, 11017},
                          Caso{19691231, -1}, Caso{20240229, 19782}})
        EXPECT_EQ(GiorniDaData(c.data), c.giorni) << c.data;
    for (long g = -30000; g < 30000; g += 37) EXPECT_EQ(GiorniDaData(DataDaGiorni(g)), g);
    EXPECT_TRUE(DataValida(20240229));
    EXPECT_FALSE(DataValida(20230229));
    EXPECT_FALSE(DataValida(20231301));
    EXPECT_FALSE(DataValida(0));
}

TEST(Reti, TestoAndataERitornoERigheCheNonDescrivonoPiuIlLoroIncontro) {
    CCampionato c(0);
    Stagione(c, 3, {{0, 1, '1'}, {1, 2, 'X'}, {2, 0, '2'}});
    c.reti.Imposta(1, {20230820, 2, 0});
    c.reti.Imposta(3, {20230827, -1, -1}); // date only
    const std::string testo = ScriviTestoReti(c.reti, c.incontri);
    EXPECT_EQ(testo, "VELTRA-RETI 1\n4\n-1 -1 0 0 - -\n0 1 1 20230820 2 0\n1 2 X 0 - -\n"
                     "2 0 2 20230827 - -\n");
    auto l = LeggiTestoReti(testo, c.incontri);
    ASSERT_TRUE(l.ok()) << l.errore;
    EXPECT_EQ(l.reti, c.reti);
    EXPECT_EQ(l.scartate, 0);

    // A line whose match changed, or whose goals give another sign, is
    // dropped and counted; the others stay.
    std::string cambiato = testo;
    cambiato.replace(cambiato.find("0 1 1 20230820 2 0"), 18, "0 1 1 20230820 0 2");
    cambiato.replace(cambiato.find("2 0 2 20230827"), 14, "2 1 2 20230827");
    l = LeggiTestoReti(cambiato, c.incontri);
    ASSERT_TRUE(l.ok());
    EXPECT_EQ(l.scartate, 2);
    EXPECT_FALSE(l.reti.Di(1).conPunteggio());
    EXPECT_EQ(l.reti.Di(3).data, 0);

    // A file longer than the match list keeps only the entries it has.
    CCampionato corto(0);
    Stagione(corto, 3, {{0, 1, '1'}});
    l = LeggiTestoReti(testo, corto.incontri);
    ASSERT_TRUE(l.ok());
    EXPECT_EQ(l.reti.numero(), 2);
    EXPECT_EQ(l.reti.Di(1).golCasa, 2);
}

TEST(Reti, FileDanneggiati) {
    CCampionato c(0);
    Stagione(c, 2, {{0, 1, '1'}});
    for (const char* testo : {"", "VELTRA-RETI 2\n0\n", "VELTRA-RETI 1\nx\n",
                              "VELTRA-RETI 1\n2\n-1 -1 0 0 - -\n",          // short
                              "VELTRA-RETI 1\n2\n-1 -1 0 0 - -\n0 1 1 20230230 1 0\n", // date
                              "VELTRA-RETI 1\n2\n-1 -1 0 0 - -\n0 1 1 0 1\n",          // fields
                              "VELTRA-RETI 1\n2\n-1 -1 0 0 - -\n0 1 1 0 -3 0\n"}) {
        const auto l = LeggiTestoReti(testo, c.incontri);
        EXPECT_FALSE(l.ok()) << testo;
        EXPECT_EQ(l.reti.numero(), 0);
    }
}

TEST(Reti, SalvatiECaricatiConICampionatiUnFileDanneggiatoNonSiPerde) {
    CartellaTemporanea cartella;
    {
        DatiCampionati dati;
        auto& c = dati.campionato(9);
        Stagione(c, 2, {{0, 1, '1'}, {1, 0, 'X'}});
        c.reti.Imposta(1, {20230812, 3, 1});
        c.modello = ModelloStime::Rating;
        ASSERT_TRUE(SalvaFileCampionati(dati, cartella.percorso()));
    }
    EXPECT_TRUE(std::filesystem::exists(cartella / "Reti-IN.txt"));
    EXPECT_FALSE(std::filesystem::exists(cartella / "Reti-A.txt")); // nothing known
    {
        DatiCampionati dati;
        ASSERT_TRUE(CaricaFileCampionati(dati, cartella.percorso()));
        const auto& c = dati.campionato(9);
        EXPECT_EQ(c.reti.Di(1), (RetiIncontro{20230812, 3, 1}));
        EXPECT_FALSE(c.reti.Di(2).conPunteggio()); // no score for the draw
        EXPECT_EQ(c.modello, ModelloStime::Rating);
        EXPECT_EQ(dati.campionato(0).modello, ModelloStime::Motore);
    }
    // A damaged scores file: the championship loads without scores, says
    // why, and the next save leaves the file as it was.
    test::ScriviTesto(cartella / "Reti-IN.txt", "rovinato");
    DatiCampionati dati;
    ASSERT_TRUE(CaricaFileCampionati(dati, cartella.percorso()));
    EXPECT_EQ(dati.campionato(9).reti.numero(), 0);
    EXPECT_NE(dati.campionato(9).retiNonLette.find("Reti-IN.txt"), std::string::npos);
    ASSERT_TRUE(SalvaFileCampionati(dati, cartella.percorso()));
    EXPECT_EQ(test::LeggiTesto(cartella / "Reti-IN.txt"), "rovinato");
}

TEST(ModelliStime, RigheNonValideLascianoIlMotore) {
    DatiCampionati dati;
    const auto errori = LeggiTestoModelliStime("# commento\nIN rating\nXX rating\nA bello\nGE motore\n", dati);
    EXPECT_EQ(dati.campionato(9).modello, ModelloStime::Rating);
    EXPECT_EQ(dati.campionato(0).modello, ModelloStime::Motore);
    EXPECT_NE(errori.find("riga 3"), std::string::npos);
    EXPECT_NE(errori.find("riga 4"), std::string::npos);
    EXPECT_EQ(ScriviTestoModelliStime(dati), "# Modello delle stime per campionato (motore se non indicato)\nIN rating\n");
}

} // namespace
