// The football-data odds reader on small synthetic excerpts of both layouts
// (the column names and order of the real files), and, where the shared data
// folder is present, on a whole real league file: every line accounted for.
#include "dati/FileAtomico.h"
#include "dati/quote/LeggiQuoteFootballData.h"

#include "Supporto.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace veltra;

namespace {

const char* kTestoCampionati =
    "Div,Date,Time,HomeTeam,AwayTeam,FTHG,FTAG,FTR,B365H,B365D,B365A,PSH,PSD,PSA,MaxH,MaxD,MaxA,"
    "AvgH,AvgD,AvgA,B365>2.5,B365<2.5,AHh,B365AHH,B365AHA,PSCH,PSCD,PSCA,AvgCH,AvgCD,AvgCA\r\n"
    "I1,24/08/2019,17:00,Parma,Juventus,0,1,A,9,5.25,1.33,10.96,5.28,1.33,12,5.5,1.35,10.41,5.13,1.31,1.72,2.1,1.5,1.94,1.99,9.6,5.2,1.37,9.46,5.08,1.34\r\n"
    "I1,25/08/19,20:45,Udinese,Milan,1,0,H,3.6,3.4,2.1,,3.5,2.2,3.9,3.6,2.25,3.55,3.38,2.12,1.9,1.9,0.25,1.9,1.9,3.7,3.4,2.1,3.6,3.3,2.1\r\n"
    "I1,31/02/2019,20:45,Roma,Genoa,3,3,D,1.4,5,8,1.4,5,8,1.5,5,9,1.4,4.8,7.5,1.5,2.5,-1,1.9,1.9,1.4,5,8,1.4,5,8\r\n"
    "I1,01/09/2019,15:00,Lazio,,1,1,D\r\n"
    ",,,,,,,\r\n"
    "I1,01/09/2019,18:00,Inter,Torino,2,0,H,1.5,4,6.5,1.52,4.1,6.8,1.6,4.3,7,1.5,4,6.4,1.8,2,-1,1.9,1.9,1.5,4.1,6.9,1.49,4,6.5\r\n";

const char* kTestoAltriCampionati =
    "Country,League,Season,Date,Time,Home,Away,HG,AG,Res,PH,PD,PA,MaxH,MaxD,MaxA,AvgH,AvgD,AvgA\n"
    "Austria,Bundesliga,2012/2013,21/07/2012,15:00,Sturm Graz,Salzburg,0,2,A,3.26,3.34,2.4,3.26,3.4,2.5,2.96,3.2,2.33\n"
    "Austria,Bundesliga,2012/2013,21/07/2012,17:30,Mattersburg,Neustadt,2,0,H,1.79,abc,5,1.9,3.81,5,1.77,3.51,4.33\n";

} // namespace

TEST(LeggiQuoteFootballData, CampionatiPrincipali) {
    std::string errore;
    const auto q = LeggiQuoteFootballData(kTestoCampionati, &errore);
    ASSERT_TRUE(q) << errore;
    EXPECT_EQ(q->formato, FormatoQuoteFootballData::Campionati);
    EXPECT_EQ(q->insiemi, (std::vector<std::string>{"B365", "PS", "Max", "Avg", "PSC", "AvgC"}));
    EXPECT_EQ(q->righeDati, 5);
    ASSERT_EQ(q->partite.size(), 3u);
    ASSERT_EQ(q->scartate.size(), 2u);
    EXPECT_EQ(q->scartate[0].riga, 4); // 31 February
    EXPECT_EQ(q->scartate[1].riga, 5); // no away team
    const PartitaQuote& p = q->partite[0];
    EXPECT_EQ(p.riga, 2);
    EXPECT_EQ(p.giorno, 24);
    EXPECT_EQ(p.mese, 8);
    EXPECT_EQ(p.anno, 2019);
    EXPECT_EQ(p.casa, "Parma");
    EXPECT_EQ(p.risultato, '2');
    EXPECT_EQ(p.quote.at("Avg"), (std::array<double, 3>{10.41, 5.13, 1.31}));
    EXPECT_EQ(p.quote.at("AvgC"), (std::array<double, 3>{9.46, 5.08, 1.34}));
    // A two-digit year; an empty Pinnacle cell leaves that set out, reported.
    EXPECT_EQ(q->partite[1].anno, 2019);
    EXPECT_EQ(q->partite[1].quote.count("PS"), 0u);
    EXPECT_EQ(q->partite[1].quote.count("Avg"), 1u);
    ASSERT_EQ(q->incomplete.size(), 1u);
    EXPECT_EQ(q->incomplete[0].riga, 3);
    EXPECT_EQ(InsiemeQuote(*q, ""), "Avg");
    EXPECT_EQ(InsiemeQuote(*q, "pinnacle"), "PS");
    EXPECT_EQ(InsiemeQuote(*q, "massima"), "Max");
    EXPECT_EQ(InsiemeQuote(*q, "chiusura"), "AvgC");
    EXPECT_EQ(InsiemeQuote(*q, "B365"), "B365");
    EXPECT_EQ(InsiemeQuote(*q, "WH"), std::nullopt);
}

TEST(LeggiQuoteFootballData, AltriCampionati) {
    const auto q = LeggiQuoteFootballData(kTestoAltriCampionati);
    ASSERT_TRUE(q);
    EXPECT_EQ(q->formato, FormatoQuoteFootballData::AltriCampionati);
    EXPECT_EQ(q->insiemi, (std::vector<std::string>{"P", "Max", "Avg"}));
    ASSERT_EQ(q->partite.size(), 2u);
    EXPECT_EQ(q->partite[0].casa, "Sturm Graz");
    EXPECT_EQ(q->partite[0].quote.at("P"), (std::array<double, 3>{3.26, 3.34, 2.4}));
    EXPECT_EQ(InsiemeQuote(*q, "pinnacle"), "P");
    EXPECT_EQ(InsiemeQuote(*q, "chiusura"), std::nullopt);
    EXPECT_EQ(q->partite[1].quote.count("P"), 0u); // "abc"
    ASSERT_EQ(q->incomplete.size(), 1u);
    EXPECT_EQ(q->incomplete[0].riga, 3);
}

// The two fixtures the forecast-quality tests join to a championship.
const std::filesystem::path kFixture =
    std::filesystem::path(VELTRA_RESOURCES_DIR) / ".." / "tests" / "core" / "tools" / "qualita";

TEST(LeggiQuoteFootballData, InsiemiScelti) {
    const auto lega = LeggiQuoteFootballData(test::LeggiTesto(kFixture / "quote-lega.csv"));
    ASSERT_TRUE(lega);
    EXPECT_EQ(lega->insiemi, (std::vector<std::string>{"B365", "Avg", "AvgC"}));
    ASSERT_EQ(lega->partite.size(), 6u);
    ASSERT_EQ(lega->scartate.size(), 1u);
    EXPECT_EQ(lega->scartate[0].riga, 8); // no date
    EXPECT_EQ(lega->scartate[0].testo, "data non valida: \"\"");
    const auto& r = lega->partite[1];
    EXPECT_EQ(r.riga, 3);
    EXPECT_EQ(r.data(), 19620902);
    EXPECT_EQ(r.annoStagione, 1962);
    EXPECT_EQ(r.casa, "Alfa FC");
    EXPECT_EQ(r.risultato, '1');
    EXPECT_EQ(ScegliQuote(r, "media")->q1, 2.0);
    EXPECT_EQ(ScegliQuote(r, "")->q1, 2.0);
    EXPECT_EQ(ScegliQuote(r, "B365")->qX, 3.4);
    EXPECT_EQ(ScegliQuote(r, "media-chiusura")->q2, 3.8);
    EXPECT_EQ(ScegliQuote(r, "chiusura")->q2, 3.8);
    EXPECT_FALSE(ScegliQuote(r, "pinnacle"));
    EXPECT_FALSE(ScegliQuote(r, "WH"));
    EXPECT_FALSE(ScegliQuote(lega->partite[2], "media-chiusura")); // empty cells
    EXPECT_TRUE(ScegliQuote(lega->partite[2], "media"));
    EXPECT_FALSE(ScegliQuote(lega->partite[3], "media")); // Beta - Gamma: none
    // Every set left out of a match is reported with its line.
    ASSERT_EQ(lega->incomplete.size(), 3u);
    EXPECT_EQ(lega->incomplete[0].riga, 4);
    EXPECT_EQ(lega->incomplete[1].riga, 5);
    EXPECT_EQ(lega->incomplete[2].riga, 5);

    const auto extra = LeggiQuoteFootballData(test::LeggiTesto(kFixture / "quote-extra.csv"));
    ASSERT_TRUE(extra);
    EXPECT_EQ(extra->formato, FormatoQuoteFootballData::AltriCampionati);
    ASSERT_EQ(extra->partite.size(), 2u);
    EXPECT_EQ(extra->partite[0].annoStagione, 1962);
    EXPECT_EQ(extra->partite[0].data(), 19620909);
    EXPECT_EQ(ScegliQuote(extra->partite[0], "pinnacle")->q1, 4.2);
    EXPECT_EQ(ScegliQuote(extra->partite[0], "massima")->q2, 2.05);
    EXPECT_FALSE(ScegliQuote(extra->partite[0], "pinnacle-chiusura"));

    for (const char* n : {"media", "pinnacle", "massima", "chiusura", "media-chiusura",
                          "pinnacle-chiusura", "massima-chiusura"})
        EXPECT_TRUE(InsiemeQuoteNoto(n)) << n;
    EXPECT_FALSE(InsiemeQuoteNoto("B365"));
}

// Older files: the averages of the odds comparison site (BbAv, BbMx), the
// team columns as HT and AT, another first column; quoted cells; a name in
// Windows-1252.
TEST(LeggiQuoteFootballData, FileVecchiEVarianti) {
    const auto q = LeggiQuoteFootballData(
        "Date,HT,AT,FTHG,FTAG,FTR,BbMxH,BbMxD,BbMxA,BbAvH,BbAvD,BbAvA\n"
        "\"12/08/2000\",K\xf6ln,\"Bayern, Munich\",1,1,D,2.5,3.3,3.1,2.3,3.1,2.9\n");
    ASSERT_TRUE(q);
    EXPECT_EQ(q->formato, FormatoQuoteFootballData::Campionati);
    EXPECT_EQ(q->insiemi, (std::vector<std::string>{"BbMx", "BbAv"}));
    ASSERT_EQ(q->partite.size(), 1u);
    const auto& p = q->partite[0];
    EXPECT_EQ(p.data(), 20000812);
    EXPECT_EQ(p.casa, "K\xc3\xb6ln");
    EXPECT_EQ(p.trasferta, "Bayern, Munich");
    EXPECT_EQ(p.risultato, 'X');
    EXPECT_EQ(InsiemeQuote(*q, "media"), "BbAv");
    EXPECT_EQ(InsiemeQuote(*q, "massima"), "BbMx");
    EXPECT_EQ(ScegliQuote(p, "media")->qX, 3.1);
    EXPECT_EQ(ScegliQuote(p, "massima")->q1, 2.5);

    // A header that names odds but none of the 1X2 triples: read, no sets.
    const auto senza = LeggiQuoteFootballData("Div,Date,HomeTeam,AwayTeam,FTHG\n");
    ASSERT_TRUE(senza);
    EXPECT_TRUE(senza->insiemi.empty());
}

TEST(LeggiQuoteFootballData, IntestazioneSconosciuta) {
    std::string errore;
    EXPECT_FALSE(LeggiQuoteFootballData("Date,Team 1,FT,HT,Team 2\n", &errore));
    EXPECT_NE(errore.find("intestazione"), std::string::npos);
    EXPECT_FALSE(LeggiQuoteFootballData(""));
    EXPECT_FALSE(LeggiQuoteFootballData("\n\n"));
}

TEST(ProbabilitaSenzaMargine, MargineTolto) {
    const auto p = ProbabilitaSenzaMargine({2.0, 3.5, 4.0});
    EXPECT_NEAR(p.p1 + p.pX + p.p2, 1.0, 1e-12);
    EXPECT_NEAR(p.p1, 0.5 / (0.5 + 1 / 3.5 + 0.25), 1e-12);
}

// Only where the shared data are present (a user's clone has none).
TEST(LeggiQuoteFootballData, FileRealeOgniRigaContata) {
    const std::filesystem::path cartella = VELTRA_RESOURCES_DIR "/../../shared/data/fdodds";
    std::error_code ec;
    if (!std::filesystem::is_directory(cartella, ec))
        GTEST_SKIP() << "cartella dei dati condivisi assente: " << cartella;
    for (const char* nome : {"Italy Serie A Geral.csv", "AUT.csv"}) {
        SCOPED_TRACE(nome);
        const auto testo = LeggiFile(cartella / nome);
        ASSERT_TRUE(testo);
        const auto q = LeggiQuoteFootballData(*testo);
        ASSERT_TRUE(q);
        EXPECT_GT(q->partite.size(), 1000u);
        EXPECT_EQ(static_cast<int>(q->partite.size() + q->scartate.size()), q->righeDati);
        std::size_t conMedia = 0;
        for (const PartitaQuote& p : q->partite)
            conMedia += p.quote.count(*InsiemeQuote(*q, "media"));
        EXPECT_GT(conMedia, q->partite.size() * 9 / 10);
    }
}
