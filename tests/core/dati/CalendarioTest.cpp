#include "dati/Calendario.h"

#include "Supporto.h"
#include "dati/FileDati.h"

#include <gtest/gtest.h>

using namespace veltra;
using veltra::test::CartellaTemporanea;
using veltra::test::Stagione;

namespace {

const std::string kTesto = "VELTRA-CALENDARIO 1\n1\n3\n"
                           "3 20260913 20:45 T0 T1\n"
                           "3 20260914 - T2 T3\n"
                           "4 0 - T1 T0\n";

TEST(Calendario, TestoAndataERitorno) {
    CCampionato c(0);
    Stagione(c, 4, {{0, 2, '1'}});
    const auto l = LeggiTestoCalendario(kTesto, c.config.stagioni);
    ASSERT_TRUE(l.ok()) << l.errore;
    ASSERT_EQ(l.calendario.partite.size(), 3u);
    EXPECT_EQ(l.calendario.stagione, 1);
    EXPECT_EQ(l.calendario.partite[0], (PartitaCalendario{3, 20260913, 20 * 60 + 45, "T0", "T1"}));
    EXPECT_EQ(l.calendario.partite[2].data, 0);
    EXPECT_EQ(ScriviTestoCalendario(l.calendario), kTesto);
    EXPECT_EQ(l.calendario.Giornate(), (std::vector<int>{3, 4}));
    EXPECT_EQ(l.calendario.DellaGiornata(3).size(), 2u);
    EXPECT_TRUE(l.calendario.DellaGiornata(5).empty());
    // Empty: season 0, no lines.
    const std::string vuoto = ScriviTestoCalendario(Calendario{});
    EXPECT_EQ(vuoto, "VELTRA-CALENDARIO 1\n0\n0\n");
    EXPECT_TRUE(LeggiTestoCalendario(vuoto, c.config.stagioni).ok());
}

TEST(Calendario, LaProssimaGiornataEQuellaDellaPrimaPartitaInData) {
    struct Caso {
        std::vector<PartitaCalendario> partite;
        int prossima;
    } casi[] = {
        {{}, 0},
        {{{3, 20260913, -1, "T0", "T1"}, {4, 20260920, -1, "T1", "T0"}}, 3},
        // A match of matchday 6 postponed to after matchday 8: 8 comes first.
        {{{6, 20261021, -1, "T0", "T1"}, {8, 20261009, -1, "T2", "T3"}, {9, 20261016, -1, "T1", "T2"}}, 8},
        // No dates: the lowest number.
        {{{7, 0, -1, "T0", "T1"}, {5, 0, -1, "T2", "T3"}}, 5},
    };
    for (const Caso& k : casi) {
        Calendario c;
        c.stagione = 1;
        c.partite = k.partite;
        EXPECT_EQ(c.ProssimaGiornata(), k.prossima) << k.partite.size();
    }
}

TEST(Calendario, FileDanneggiati) {
    CCampionato c(0);
    Stagione(c, 4, {});
    struct Caso {
        const char* testo;
        const char* errore; // the start of the message
    };
    const Caso casi[] = {
        {"", "riga 1: manca l'intestazione"},
        {"VELTRA-CALENDARIO 2\n0\n0\n", "riga 1: manca l'intestazione"},
        {"VELTRA-CALENDARIO 1\n2\n0\n", "riga 2: stagione non valida"},
        {"VELTRA-CALENDARIO 1\n1\nx\n", "riga 3: numero di partite"},
        {"VELTRA-CALENDARIO 1\n0\n1\n1 0 - T0 T1\n", "riga 3: partite senza stagione"},
        {"VELTRA-CALENDARIO 1\n1\n2\n1 0 - T0 T1\n", "riga 5: il file finisce"},
        {"VELTRA-CALENDARIO 1\n1\n1\n1 0 - T0\n", "riga 4: attesi cinque campi"},
        {"VELTRA-CALENDARIO 1\n1\n1\n1 20260231 - T0 T1\n", "riga 4: data non valida"},
        {"VELTRA-CALENDARIO 1\n1\n1\n1 20260901 25:00 T0 T1\n", "riga 4: ora non valida"},
        {"VELTRA-CALENDARIO 1\n1\n1\n-1 0 - T0 T1\n", "riga 4: giornata non valida"},
        {"VELTRA-CALENDARIO 1\n1\n1\n1 0 - T0 Ignota\n", "riga 4: \"Ignota\" non e' una squadra"},
        {"VELTRA-CALENDARIO 1\n1\n1\n1 0 - T2 T2\n", "riga 4: una squadra contro se stessa"},
        {"VELTRA-CALENDARIO 1\n1\n1\n1 0 - T0 T1\n2 0 - T1 T0\n", "riga 5: righe oltre"},
    };
    for (const Caso& k : casi) {
        const auto l = LeggiTestoCalendario(k.testo, c.config.stagioni);
        EXPECT_EQ(l.errore.rfind(k.errore, 0), 0u) << k.testo << " -> " << l.errore;
        EXPECT_TRUE(l.calendario.vuoto());
    }
}

TEST(Calendario, UnRisultatoTogliePrimaLaPartitaPiuVicina) {
    CCampionato c(0);
    Stagione(c, 4, {{0, 2, '1'}});
    c.calendario = LeggiTestoCalendario("VELTRA-CALENDARIO 1\n1\n4\n"
                                        "5 20261004 - T0 T1\n"
                                        "2 20260914 - T0 T1\n"
                                        "2 20260914 - T2 T3\n"
                                        "3 20260920 - T3 T2\n",
                                        c.config.stagioni)
                       .calendario;
    // Two results arrive: T0-T1 (its earlier meeting goes) and T3-T2;
    // T1-T0 (the reverse fixture) is in no calendar and changes nothing.
    const int primo = c.numeroIncontri();
    ASSERT_EQ(AggiungiIncontro(c, 0, 1, 'X'), 0);
    ASSERT_EQ(AggiungiIncontro(c, 3, 2, '2'), 0);
    ASSERT_EQ(AggiungiIncontro(c, 1, 0, '1'), 0);
    EXPECT_EQ(TogliIncontriGiocati(c, primo), 2);
    ASSERT_EQ(c.calendario.partite.size(), 2u);
    EXPECT_EQ(c.calendario.partite[0].casa, "T2");
    EXPECT_EQ(c.calendario.partite[1].giornata, 5);
    // A calendar of another season than the last is not touched.
    c.calendario.stagione = 0;
    EXPECT_EQ(TogliIncontriGiocati(c, 0), 0);
}

TEST(Calendario, SalvatoECaricatoUnFileDanneggiatoNonSiPerde) {
    CartellaTemporanea cartella;
    {
        DatiCampionati dati;
        auto& c = dati.campionato(0);
        Stagione(c, 4, {{0, 2, '1'}});
        c.calendario = LeggiTestoCalendario(kTesto, c.config.stagioni).calendario;
        ASSERT_TRUE(SalvaFileCampionati(dati, cartella.percorso()));
    }
    EXPECT_FALSE(std::filesystem::exists(cartella / "Calendario-B.txt")); // no fixtures
    {
        DatiCampionati dati;
        ASSERT_TRUE(CaricaFileCampionati(dati, cartella.percorso()));
        auto& c = dati.campionato(0);
        EXPECT_EQ(c.calendario.partite.size(), 3u);
        // Every fixture played: the file is rewritten empty, not left stale.
        c.calendario.Svuota();
        ASSERT_TRUE(SalvaFileCampionati(dati, cartella.percorso()));
        EXPECT_EQ(test::LeggiTesto(cartella / "Calendario-A.txt"), "VELTRA-CALENDARIO 1\n0\n0\n");
    }
    // A damaged calendar: the championship loads without fixtures, says
    // which file and line, and the next save leaves the file as it was.
    test::ScriviTesto(cartella / "Calendario-A.txt", "VELTRA-CALENDARIO 1\n1\n1\n1 0 - T0 X\n");
    DatiCampionati dati;
    ASSERT_TRUE(CaricaFileCampionati(dati, cartella.percorso()));
    EXPECT_TRUE(dati.campionato(0).calendario.vuoto());
    const std::string& perche = dati.campionato(0).calendarioNonLetto;
    EXPECT_NE(perche.find("Calendario-A.txt: riga 4:"), std::string::npos) << perche;
    ASSERT_TRUE(SalvaFileCampionati(dati, cartella.percorso()));
    EXPECT_EQ(test::LeggiTesto(cartella / "Calendario-A.txt"),
              "VELTRA-CALENDARIO 1\n1\n1\n1 0 - T0 X\n");
}

} // namespace
