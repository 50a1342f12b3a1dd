#include "app/importa/LeggiCsvFootballData.h"
#include "app/importa/LeggiFootballTxt.h"

#include <gtest/gtest.h>

using namespace veltra;

namespace {

// A season across two years, a second stage, every status tag.
const char* const kStagione = "= IT 1 2004/05\n"
                              "\n"
                              "# Date       Sat Sep/11 2004 - Sat Jun/18 2005 (280d)\n"
                              "# Teams      3\n"
                              "\n"
                              "Matchday 1\n"
                              "[Sat Sep/11]\n"
                              "  20.30  AC Milan                 2-2 (1-1)  AS Livorno\n"
                              "         Inter                    1-0  AS Roma  [awarded]\n"
                              "Matchday 2\n"
                              "[Sun Jan/9]\n"
                              "  15.00  AS Livorno               -  AC Milan   [cancelled]\n"
                              "         AS Roma                  -  Inter\n"
                              "\n"
                              "== Relegation\n"
                              "\n"
                              "Final\n"
                              "[Sat Jun/18]\n"
                              "  20.45  AS Roma                  1-1 a.e.t. (1-1, 0-0)  Inter\n";

TEST(LeggiFootballTxt, StagioneConFasiStatiEAnniDedottiDalGiornoDellaSettimana) {
    const LetturaSorgente l = LeggiFootballTxt(kStagione, "it.txt");
    ASSERT_TRUE(l.ok()) << l.errore;
    ASSERT_EQ(l.stagioni.size(), 1u);
    const StagioneSorgente& s = l.stagioni[0];
    EXPECT_EQ(s.annoInizio, 2004);
    EXPECT_EQ(s.etichetta, "2004/05");
    EXPECT_FALSE(s.forseContinuazione);
    ASSERT_EQ(s.partite.size(), 5u);

    const auto& p0 = s.partite[0];
    EXPECT_EQ(p0.casa, "AC Milan");
    EXPECT_EQ(p0.trasferta, "AS Livorno");
    EXPECT_EQ(p0.golCasa, 2);
    EXPECT_EQ(p0.golTrasferta, 2);
    EXPECT_EQ(p0.data, (DataCalendario{2004, 9, 11}));
    EXPECT_EQ(p0.giornata, 1);
    EXPECT_EQ(p0.origine.Testo(), "it.txt:8");

    EXPECT_EQ(s.partite[1].stato, StatoPartita::Assegnata);
    EXPECT_EQ(s.partite[1].trasferta, "AS Roma");
    // January is in the season's second year: the weekday says so.
    EXPECT_EQ(s.partite[2].data, (DataCalendario{2005, 1, 9}));
    EXPECT_EQ(s.partite[2].stato, StatoPartita::NonGiocata);
    EXPECT_EQ(s.partite[2].motivoNonGiocata, "annullata");
    EXPECT_EQ(s.partite[3].stato, StatoPartita::NonGiocata);
    EXPECT_EQ(s.partite[3].motivoNonGiocata, "non giocata");

    const auto& finale = s.partite[4];
    EXPECT_EQ(finale.fase, 1);
    EXPECT_EQ(finale.nomeFase, "Relegation");
    EXPECT_TRUE(finale.eliminazione);
    EXPECT_EQ(s.partite[0].fase, 0);
    EXPECT_FALSE(s.partite[0].eliminazione);
}

TEST(LeggiFootballTxt, UnAnnoSoloPuoContinuareLaStagionePrecedente) {
    const LetturaSorgente l =
        LeggiFootballTxt("= SCO 1 2001\n# Date  Sat Apr/21 - Sun May/20 2001\n"
                         "== Championship\nMatchday 1\n[Sat Apr/21]\n"
                         "  Celtic FC  1-0  Rangers FC\n",
                         "sco.txt");
    ASSERT_TRUE(l.ok()) << l.errore;
    EXPECT_TRUE(l.stagioni[0].forseContinuazione);
    EXPECT_EQ(l.stagioni[0].annoInizio, 2001);
    EXPECT_EQ(l.stagioni[0].partite[0].data, (DataCalendario{2001, 4, 21}));
}

TEST(LeggiFootballTxt, RigheErrateFermanoLaLetturaConFileERiga) {
    const std::string testa = "= IT 1 2004/05\n# Date  Sat Sep/11 2004 - Sat Jun/18 2005\n";
    struct Caso {
        std::string corpo;
        std::string errore; // expected start of the message after "f.txt:"
    } casi[] = {
        {"[Sat Sep/11]\n  Milan  2:2  Roma\n", "4: risultato non valido"},
        {"[Sat Sep/11]\n  Milan 2-2 Roma\n", "4: riga di partita non riconosciuta"},
        {"[Sat Sep/11]\n  Milan  2-2  Roma  [forfeit]\n", "4: stato della partita sconosciuto"},
        {"  Milan  2-2  Roma\n", "3: partita senza data"},
        {"[Mon Sep/11]\n", "3: data non valida o fuori dalla stagione"},
        {"[Sat Sep/41]\n", "3: data non valida"},
        // After the period the file declares (it used to land in July 2005).
        {"[Sat Jul/2]\n", "3: data fuori dalla stagione (2004-09-11 - 2005-06-18)"},
        {"[Sat Sep/4]\n", "3: data fuori dalla stagione"},
        {"[Sat Sep/11]\n  Milan  -  Roma  [awarded]\n", "4: risultato a tavolino senza punteggio"},
    };
    for (const auto& c : casi) {
        const LetturaSorgente l = LeggiFootballTxt(testa + c.corpo, "f.txt");
        EXPECT_EQ(l.errore.rfind("f.txt:" + c.errore, 0), 0u) << c.corpo << " -> " << l.errore;
        EXPECT_TRUE(l.stagioni.empty());
    }
    EXPECT_FALSE(LeggiFootballTxt("Matchday 1\n", "f.txt").ok()); // no "= " heading
    EXPECT_FALSE(LeggiFootballTxt("= IT 1 stagione\n", "f.txt").ok());
    // A label of two seasons is not read as the first of them.
    EXPECT_FALSE(LeggiFootballTxt("= IT 1 2025/27\n", "f.txt").ok());
    EXPECT_TRUE(LeggiFootballTxt("= IT 1 1999/00\n# Date  Sat Sep/11 1999 - Sat Jun/17 2000\n"
                                 "[Sat Sep/11]\n  Milan  2-2  Roma\n", "f.txt").ok());
}

TEST(LeggiCsvFootballData, UnaStagionePerFile) {
    const LetturaSorgente l = LeggiCsvFootballData("Date,Team 1,FT,HT,Team 2\r\n"
                                                   "Sun Jun 14 2020,Sirius,0-2,?,Djurgarden\r\n"
                                                   "Sun Jun 14 2020,Goteborg,,?,Elfsborg\r\n"
                                                   "Sun Dec 13 2020,Kalmar,1-0,?,Jonkopings\r\n",
                                                   "se.csv");
    ASSERT_TRUE(l.ok()) << l.errore;
    ASSERT_EQ(l.stagioni.size(), 1u);
    const auto& s = l.stagioni[0];
    EXPECT_EQ(s.annoInizio, 2020);
    EXPECT_EQ(s.etichetta, "2020");
    EXPECT_FALSE(s.conFasi);
    ASSERT_EQ(s.partite.size(), 3u);
    EXPECT_EQ(s.partite[0].trasferta, "Djurgarden");
    EXPECT_EQ(s.partite[0].golTrasferta, 2);
    EXPECT_EQ(s.partite[1].stato, StatoPartita::NonGiocata);
    EXPECT_EQ(s.partite[2].data, (DataCalendario{2020, 12, 13}));
    EXPECT_EQ(s.partite[2].origine.Testo(), "se.csv:4");
}

TEST(LeggiCsvFootballData, StagioniDallaColonnaSeason) {
    const LetturaSorgente l = LeggiCsvFootballData(
        "Country,League,Season,Date,Time,Home,Away,HG,AG,Res,PH\n"
        "Russia,Premier League,2012/2013,21/07/2012,15:00,Zenit,Spartak,2,1,H,1.5\n"
        "Russia,Premier League,2012/2013,26/05/2013,15:00,Spartak,Zenit,0,0,D,2.5\n"
        "Russia,Premier League,2013/2014,14/07/2013,15:00,Zenit,Spartak,1,3,A,1.5\n",
        "RUS.csv");
    ASSERT_TRUE(l.ok()) << l.errore;
    ASSERT_EQ(l.stagioni.size(), 2u);
    EXPECT_EQ(l.stagioni[0].annoInizio, 2012);
    EXPECT_EQ(l.stagioni[0].etichetta, "2012/13");
    EXPECT_EQ(l.stagioni[0].partite.size(), 2u);
    EXPECT_EQ(l.stagioni[1].annoInizio, 2013);
    EXPECT_EQ(l.stagioni[1].partite[0].golTrasferta, 3);
}

TEST(LeggiCsvFootballData, StagioniConsecutiveDivisePerLaPausaEstiva) {
    // A three-month stop in spring (as in 2020) does not start a season; the
    // summer break before September does.
    const LetturaSorgente l =
        LeggiCsvFootballData("Div,Date,Time,HomeTeam,AwayTeam,FTHG,FTAG,FTR,B365H\n"
                             "I1,24/08/2019,17:00,Parma,Juventus,0,1,A,9\n"
                             "I1,08/03/2020,15:00,Juventus,Parma,2,0,H,1.2\n"
                             "I1,20/06/2020,19:30,Parma,Lecce,1,1,D,2\n"
        "I1,15/07/2020,21:45,Juventus,Lecce,4,0,H,1.1\n"
                             "I1,02/08/2020,20:45,Lecce,Parma,3,4,A,2\n"
                             "I1,19/09/2020,15:00,Juventus,Lecce,3,0,H,1.1\n",
                             "I1.csv");
    ASSERT_TRUE(l.ok()) << l.errore;
    ASSERT_EQ(l.stagioni.size(), 2u);
    EXPECT_EQ(l.stagioni[0].etichetta, "2019/20");
    EXPECT_EQ(l.stagioni[0].partite.size(), 5u);
    EXPECT_EQ(l.stagioni[1].annoInizio, 2020);
    EXPECT_EQ(l.stagioni[1].partite.size(), 1u);
}

TEST(LeggiCsvFootballData, RigheErrate) {
    struct Caso {
        std::string testo;
        std::string errore;
    } casi[] = {
        {"Date,Team 1,FT,HT,Team 2\nSun Jun 14 2020,A,x-2,?,B\n", "f.csv:2: risultato non valido"},
        {"Date,Team 1,FT,HT,Team 2\nMon Jun 14 2020,A,0-2,?,B\n", "f.csv:2: data non valida"},
        // Scores have three digits at most, as in Football.TXT.
        {"Date,Team 1,FT,HT,Team 2\nSun Jun 14 2020,A,2147483647-0,?,B\n",
         "f.csv:2: risultato non valido"},
        {"Div,Date,HomeTeam,AwayTeam,FTHG,FTAG\nI1,01/09/2020,A,B,1000,0\n",
         "f.csv:2: risultato non valido"},
        {"Date,Team 1,FT,HT,Team 2\nSun Jun 14 2020,A,0-2\n", "f.csv:2: riga con troppo poche"},
        {"Date,Team 1,FT,HT,Team 2\nSun Jun 14 2020,,0-2,?,B\n", "f.csv:2: squadra mancante"},
        {"Div,Date,HomeTeam,AwayTeam,FTHG,FTAG\nI1,01/09/2020,A,B,1,0\nI2,02/09/2020,C,D,1,0\n",
         "f.csv:3: divisione I2"},
        {"Date,Casa,Ospite\n", "f.csv:1: intestazione non riconosciuta"},
    };
    for (const auto& c : casi) {
        const LetturaSorgente l = LeggiCsvFootballData(c.testo, "f.csv");
        EXPECT_EQ(l.errore.rfind(c.errore, 0), 0u) << c.testo << " -> " << l.errore;
        EXPECT_TRUE(l.stagioni.empty());
    }
}

} // namespace
