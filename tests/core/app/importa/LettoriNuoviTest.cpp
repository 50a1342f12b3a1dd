// The readers of the engsoccerdata CSV and of openfootball's Football.TXT
// variant, and how the importer tells every layout apart.
#include "app/importa/AccorciaNome.h"
#include "app/importa/ImportaRisultati.h"
#include "app/importa/LeggiCsvEngsoccerdata.h"
#include "app/importa/LeggiFootballTxtVariante.h"

#include <gtest/gtest.h>

using namespace veltra;

namespace {

// Both layouts of match lines, a round heading of each kind, dates with and
// without the year and with a slash, goal scorers over two lines (one with
// "(p)" inside), every status, a play-off stage.
const char* const kVariante =
    "= Italian Serie A 2025/26\n"
    "\n"
    "# Date       Sat Aug 23 2025 - Sun May 24 2026 (274d)\n"
    "\n"
    "\xE2\x96\xAA Matchday 1\n"
    "  Sat Aug 23 2025\n"
    "    18:30  Genoa CFC               v US Lecce                 0-0\n"
    "           FC Internazionale Milano v Torino FC                5-0 (2-0)\n"
    "  Sun Aug/24\n"
    "    20.45  SSC Napoli  2-1 (1-0)  Genoa CFC\n"
    "                  (Name 9', Other 37'(p), 80';\n"
    "                   Third 45+2')\n"
    "\xC2\xBB 2. Round\n"
    "  Sun Jan 4\n"
    "           US Lecce                v SSC Napoli               1-0    [awarded]\n"
    "           Torino FC               v Genoa CFC                [postponed]\n"
    "           Torino FC               v US Lecce\n"
    "\xE2\x96\xAA Championship, Matchday 1\n"
    "  Sat May 2\n"
    "           SSC Napoli              v Torino FC                3-3\n"
    "\xE2\x96\xAA ECL Playoff, Final\n"
    "  Sat May 30\n"
    "           Genoa CFC               v US Lecce                 4-3 pen. 1-1 a.e.t. (1-1, 0-0)\n";

TEST(LeggiFootballTxtVariante, RigheDiPartitaDateTurniEStati) {
    ASSERT_TRUE(SembraFootballTxtVariante(kVariante));
    const LetturaSorgente l = LeggiFootballTxtVariante(kVariante, "a.txt");
    ASSERT_TRUE(l.ok()) << l.errore;
    ASSERT_EQ(l.stagioni.size(), 1u);
    const StagioneSorgente& s = l.stagioni[0];
    EXPECT_EQ(s.annoInizio, 2025);
    EXPECT_EQ(s.etichetta, "2025/26");
    EXPECT_TRUE(s.conFasi);
    ASSERT_EQ(s.partite.size(), 8u);

    struct Attesa {
        const char* casa;
        const char* trasferta;
        int golCasa, golTrasferta;
        DataCalendario data;
        StatoPartita stato;
        int fase, giornata;
        bool eliminazione;
        int riga;
    } attese[] = {
        {"Genoa CFC", "US Lecce", 0, 0, {2025, 8, 23}, StatoPartita::Giocata, 0, 1, false, 7},
        {"FC Internazionale Milano", "Torino FC", 5, 0, {2025, 8, 23}, StatoPartita::Giocata, 0, 1,
         false, 8},
        {"SSC Napoli", "Genoa CFC", 2, 1, {2025, 8, 24}, StatoPartita::Giocata, 0, 1, false, 10},
        // January: the weekday puts it in the season's second year.
        {"US Lecce", "SSC Napoli", 1, 0, {2026, 1, 4}, StatoPartita::Assegnata, 0, 2, false, 15},
        {"Torino FC", "Genoa CFC", 0, 0, {2026, 1, 4}, StatoPartita::NonGiocata, 0, 2, false, 16},
        {"Torino FC", "US Lecce", 0, 0, {2026, 1, 4}, StatoPartita::NonGiocata, 0, 2, false, 17},
        {"SSC Napoli", "Torino FC", 3, 3, {2026, 5, 2}, StatoPartita::Giocata, 1, 1, false, 20},
        // After penalties, the result after extra time.
        {"Genoa CFC", "US Lecce", 1, 1, {2026, 5, 30}, StatoPartita::Giocata, 2, 0, true, 23},
    };
    for (std::size_t i = 0; i < std::size(attese); ++i) {
        const auto& a = attese[i];
        const auto& p = s.partite[i];
        EXPECT_EQ(p.casa, a.casa) << i;
        EXPECT_EQ(p.trasferta, a.trasferta) << i;
        EXPECT_EQ(p.golCasa, a.golCasa) << i;
        EXPECT_EQ(p.golTrasferta, a.golTrasferta) << i;
        EXPECT_EQ(p.data, a.data) << i;
        EXPECT_EQ(p.stato, a.stato) << i;
        EXPECT_EQ(p.fase, a.fase) << i;
        EXPECT_EQ(p.giornata, a.giornata) << i;
        EXPECT_EQ(p.eliminazione, a.eliminazione) << i;
        EXPECT_EQ(p.origine.riga, a.riga) << i;
    }
    EXPECT_EQ(s.partite[4].motivoNonGiocata, "rinviata");
    EXPECT_EQ(s.partite[6].nomeFase, "Championship");
}

TEST(LeggiFootballTxtVariante, ErroriConLaRiga) {
    struct Caso {
        const char* testo;
        const char* errore;
    } casi[] = {
        {"= L 2025/26\n\xE2\x96\xAA Matchday 1\n  A v B 1-0\n", "a.txt:3: partita senza data"},
        {"= L 2025/26\n\xE2\x96\xAA Matchday 1\n  Sat Aug 24 2025\n  A v B 1-0\n",
         "a.txt:3: data non valida"}, // 24 August 2025 is a Sunday
        {"= L 2025/26\n\xE2\x96\xAA Matchday 1\n  Sat Aug 23 2025\n  A  B\n",
         "a.txt:4: riga di partita non riconosciuta"},
        {"= L 2025/26\n\xE2\x96\xAA Matchday 1\n  Sat Aug 23 2025\n  A v B 1-0 [lost]\n",
         "a.txt:4: stato della partita sconosciuto"},
        {"= L 2025/26\n\xE2\x96\xAA Matchday 1\n  Sat Aug 23 2025\n  A v B [awarded]\n",
         "a.txt:4: risultato a tavolino senza punteggio"},
        {"= L 2025/26\n\xE2\x96\xAA Matchday 1\n  Sat Aug 23 2025\n   v B 1-0\n",
         "a.txt:4: squadra mancante"},
    };
    for (const auto& c : casi) {
        const LetturaSorgente l = LeggiFootballTxtVariante(c.testo, "a.txt");
        EXPECT_EQ(l.errore.rfind(c.errore, 0), 0u) << c.testo << "\n-> " << l.errore;
        EXPECT_TRUE(l.stagioni.empty());
    }
}

const char* const kEngsoccer =
    "\"Date\",\"Season\",\"home\",\"visitor\",\"FT\",\"hgoal\",\"vgoal\",\"tier\",\"division\"\n"
    "\"1989-08-27\",1989,\"SSC Napoli\",\"Udinese Calcio\",\"1-0\",1,0,1,\"1\"\n"
    "\"1989-08-27\",1989,\"Bari\",\"Como\",\"2-2\",2,2,2,\"2\"\n"
    "\"1990-04-08\",1989,\"Atalanta\",\"SSC Napoli\",\"0-2\",0,2,1,\"1\"\n"
    "\"1990-09-09\",1990,\"Udinese Calcio\",\"Atalanta\",\"NA\",NA,NA,1,\"1\"\n"
    "\"1991-04-28\",1990,\"Inter\",\"Atalanta\",\"3-1\",3,1,1,\"1\"\n";

TEST(LeggiCsvEngsoccerdata, StagioniDallaColonnaSeasonSoloIlPrimoLivello) {
    ASSERT_TRUE(SembraCsvEngsoccerdata(kEngsoccer));
    const LetturaSorgente l = LeggiCsvEngsoccerdata(kEngsoccer, "italy.csv");
    ASSERT_TRUE(l.ok()) << l.errore;
    ASSERT_EQ(l.stagioni.size(), 2u);
    const auto& s0 = l.stagioni[0];
    EXPECT_EQ(s0.annoInizio, 1989);
    EXPECT_EQ(s0.etichetta, "1989/90");
    EXPECT_FALSE(s0.conFasi);
    ASSERT_EQ(s0.partite.size(), 2u); // the second-tier row is left out
    EXPECT_EQ(s0.partite[1].casa, "Atalanta");
    EXPECT_EQ(s0.partite[1].golTrasferta, 2);
    EXPECT_EQ(s0.partite[1].data, (DataCalendario{1990, 4, 8}));
    EXPECT_EQ(s0.partite[1].origine.Testo(), "italy.csv:4");
    const auto& s1 = l.stagioni[1];
    EXPECT_EQ(s1.annoInizio, 1990);
    ASSERT_EQ(s1.partite.size(), 2u);
    EXPECT_EQ(s1.partite[0].stato, StatoPartita::NonGiocata);
    // One line of the report for the rows of lower tiers.
    ASSERT_EQ(l.scartate.size(), 1u);
    EXPECT_EQ(l.scartate[0].origine.riga, 3);
}

TEST(LeggiCsvEngsoccerdata, ErroriConLaRiga) {
    const std::string intestazione = "Date,Season,home,visitor,FT,hgoal,vgoal,tier\n";
    struct Caso {
        const char* righe;
        const char* errore;
    } casi[] = {
        {"1989-02-30,1989,A,B,1-0,1,0,1\n", "e.csv:2: data non valida"},
        {"1989-09-03,1989,A,B,1-0,x,0,1\n", "e.csv:2: risultato non valido"},
        {"1989-09-03,stagione,A,B,1-0,1,0,1\n", "e.csv:2: stagione non valida"},
        {"1989-09-03,1989,A,,1-0,1,0,1\n", "e.csv:2: squadra mancante"},
        {"1989-09-03,1989,A\n", "e.csv:2: riga con troppo poche colonne"},
        {"1989-09-03,1989,A,B,1-0,1,0,0\n", "e.csv:2: livello (tier) non valido"},
    };
    for (const auto& c : casi) {
        const LetturaSorgente l = LeggiCsvEngsoccerdata(intestazione + c.righe, "e.csv");
        EXPECT_EQ(l.errore.rfind(c.errore, 0), 0u) << c.righe << "-> " << l.errore;
    }
}

TEST(LeggiFileRisultati, OgniFormatoAlSuoLettore) {
    // The variant goes to its reader, the older Football.TXT to its own.
    EXPECT_TRUE(LeggiFileRisultati(kVariante, "v.txt").ok());
    EXPECT_FALSE(SembraFootballTxtVariante("= IT 1 2004/05\nMatchday 1\n[Sat Sep/11]\n"));
    EXPECT_TRUE(LeggiFileRisultati(kEngsoccer, "e.csv").ok());
    EXPECT_NE(LeggiFileRisultati("a,b,c\n1,2,3\n", "x.csv").errore.find("non riconosciuto"),
              std::string::npos);
}

// --dal/--al: only the seasons of some years, from a file holding them all.
TEST(ImportaRisultati, SoloLeStagioniDegliAnniRichiesti) {
    CCampionato c(0); // Serie A, from 1961
    const LetturaSorgente l = LeggiFileRisultati(kEngsoccer, "italy.csv");
    OpzioniImportazione o;
    o.dalAnno = 1990;
    o.alAnno = 1990;
    const RapportoImportazione r = ImportaRisultati(c, {l}, TabellaAlias{}, o);
    ASSERT_TRUE(r.ok()) << r.errore;
    EXPECT_EQ(c.config.numeroStagioni(), 1990 - 1961 + 1);
    EXPECT_EQ(c.squadreStagione(1990 - 1961 + 1).numero(), 3);
    EXPECT_EQ(c.squadreStagione(1989 - 1961 + 1).numero(), 0);
    o.dalAnno = 1995;
    o.alAnno = 0;
    CCampionato vuoto(0);
    EXPECT_EQ(ImportaRisultati(vuoto, {l}, TabellaAlias{}, o).errore,
              "nessuna stagione dei file negli anni richiesti");
}

// A season under way: its fixtures without a score are its calendar, with
// the kick-off time of their line or of the line above on the same day; a
// postponed match has no date to keep and stays out.
TEST(ImportaRisultati, LePartiteDaGiocareDellUltimaStagioneSonoIlCalendario) {
    const char* const testo =
        "= Italian Serie A 2026/27\n"
        "# Date       Sat Aug 22 2026 - Sun May 30 2027 (281d)\n"
        "\xE2\x96\xAA Matchday 1\n"
        "  Sat Aug 22 2026\n"
        "    18:30  Udinese Calcio  v Como 1907   1-1 (1-0)\n"
        "           Genoa CFC       v SSC Napoli  0-2\n"
        "\xE2\x96\xAA Matchday 2\n"
        "  Fri Aug 28\n"
        "    20:45  Como 1907       v Genoa CFC\n"
        "           SSC Napoli      v Udinese Calcio\n"
        "  Sat Aug 29\n"
        "           Udinese Calcio  v Genoa CFC  [postponed]\n"
        "\xE2\x96\xAA Matchday 3\n"
        "  Sun Oct 11\n"
        "           Como 1907       v SSC Napoli\n";
    CCampionato c(0);
    const RapportoImportazione r =
        ImportaRisultati(c, {LeggiFileRisultati(testo, "a.txt")}, TabellaAlias{});
    ASSERT_TRUE(r.ok()) << r.errore;
    EXPECT_EQ(c.numeroSquadreCorrenti(), 4); // clubs of fixtures only count too
    EXPECT_EQ(r.stagioni.back().incontri, 2);
    EXPECT_EQ(r.stagioni.back().calendario, 3);
    EXPECT_NE(r.Testo().find("3 da giocare"), std::string::npos);
    const std::string como = AccorciaNome("Como 1907"), genoa = AccorciaNome("Genoa CFC"),
                      napoli = AccorciaNome("SSC Napoli"), udinese = AccorciaNome("Udinese Calcio");
    EXPECT_EQ(c.calendario.stagione, 2026 - 1961 + 1);
    EXPECT_EQ(c.calendario.partite,
              (std::vector<PartitaCalendario>{{2, 20260828, 20 * 60 + 45, como, genoa},
                                              {2, 20260828, 20 * 60 + 45, napoli, udinese},
                                              {3, 20261011, -1, como, napoli}}));
    EXPECT_EQ(r.scartate.size(), 1u); // the postponed one
}

} // namespace
