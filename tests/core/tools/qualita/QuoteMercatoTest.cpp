#include "tools/qualita/ValutazioneStime.h"

#include "Supporto.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace veltra;

namespace {

const std::filesystem::path kQui = std::filesystem::path(__FILE__).parent_path();

LetturaQuote Leggi(const std::string& nome) {
    return LeggiQuoteCsv(test::LeggiTesto(kQui / nome), nome);
}

TEST(LeggiQuoteCsv, DueFormatiInsiemiDiQuoteERigheScartate) {
    const auto lega = Leggi("quote-lega.csv");
    ASSERT_TRUE(lega.ok()) << lega.errore;
    ASSERT_EQ(lega.righe.size(), 6u);
    ASSERT_EQ(lega.scartate.size(), 1u);
    EXPECT_EQ(lega.scartate[0].riga, 8);
    const auto& r = lega.righe[1];
    EXPECT_EQ(r.riga, 3);
    EXPECT_EQ(r.data, 19620902);
    EXPECT_EQ(r.casa, "Alfa FC");
    EXPECT_EQ(r.golCasa, 1);
    EXPECT_EQ(ScegliQuote(r, "media")->q1, 2.0);
    EXPECT_EQ(ScegliQuote(r, "B365")->qX, 3.4);
    EXPECT_EQ(ScegliQuote(r, "media-chiusura")->q2, 3.8);
    EXPECT_FALSE(ScegliQuote(r, "pinnacle"));
    EXPECT_FALSE(ScegliQuote(lega.righe[2], "media-chiusura")); // empty cells
    EXPECT_TRUE(ScegliQuote(lega.righe[2], "media"));

    const auto extra = Leggi("quote-extra.csv");
    ASSERT_TRUE(extra.ok()) << extra.errore;
    ASSERT_EQ(extra.righe.size(), 2u);
    EXPECT_EQ(extra.righe[0].stagione, "1962/1963");
    EXPECT_EQ(ScegliQuote(extra.righe[0], "pinnacle")->q1, 4.2);
    EXPECT_EQ(ScegliQuote(extra.righe[0], "massima")->q2, 2.05);

    EXPECT_FALSE(LeggiQuoteCsv("Date,Team 1,FT,HT,Team 2\n", "x.csv").ok());
    EXPECT_FALSE(LeggiQuoteCsv("Div,Date,HomeTeam,AwayTeam,FTHG\n", "y.csv").ok()); // no odds
    EXPECT_FALSE(LeggiQuoteCsv("", "z.csv").ok());
}

// Two seasons; the second is walked. Dates in the scores file.
void Campionato(CCampionato& c) {
    const std::vector<std::string> nomi = {"Alfa", "Beta", "Delta", "Gamma"};
    struct P {
        int h, a;
        char r;
        DataNumerica d;
    };
    const std::vector<std::vector<P>> stagioni = {
        {{0, 1, '1', 19610903}, {3, 2, 'X', 19610903}, {2, 0, '2', 19610910}, {1, 3, '1', 19610910}},
        {{0, 1, '1', 19620902}, {3, 2, 'X', 19620902}, {2, 0, '2', 19620909}, {1, 3, '1', 19620909}},
    };
    for (const auto& s : stagioni) {
        AggiungiStagione(c, nomi);
        for (const auto& p : s) {
            AggiungiIncontro(c, p.h, p.a, p.r);
            c.reti.Imposta(c.numeroIncontri() - 1, {p.d, -1, -1});
        }
    }
}

TEST(AbbinaQuote, OgniRigaAbbinataFuoriStagioniOSegnalata) {
    CCampionato c(0);
    Campionato(c);
    auto copia = CopiaPerValutazione(c);
    OpzioniValutazione o;
    o.dal = o.al = 2;
    o.modello = ModelloStime::Rating;
    auto v = PrevisioniFuoriCampione(*copia, o);
    ASSERT_EQ(v.size(), 4u);
    const std::vector<LetturaQuote> file = {Leggi("quote-lega.csv"), Leggi("quote-extra.csv")};
    const auto nomi = [](const std::string& n) { return n == "Alfa FC" ? std::string("Alfa") : n; };
    const auto r = AbbinaQuote(c, v, file, "media", nomi);
    EXPECT_EQ(r.righe, 8);
    EXPECT_EQ(r.abbinate, 3);
    EXPECT_EQ(r.fuoriStagioni, 1);
    ASSERT_EQ(r.scartate.size(), 4u);
    EXPECT_EQ(r.righe, r.abbinate + r.fuoriStagioni + static_cast<long>(r.scartate.size()));
    // Which rows were left out, and why.
    EXPECT_EQ(r.scartate[0].riga, 5); // Beta - Gamma: no average odds
    EXPECT_NE(r.scartate[0].motivo.find("mancanti"), std::string::npos);
    EXPECT_EQ(r.scartate[1].riga, 6); // Omega: no such club
    EXPECT_EQ(r.scartate[2].riga, 7); // Delta - Alfa three weeks off
    EXPECT_EQ(r.scartate[3].file, "quote-extra.csv"); // Alfa - Beta twice
    EXPECT_NE(r.scartate[3].motivo.find("gia'"), std::string::npos);

    // Alfa - Beta of 2 September 1962 has the per-league file's average odds;
    // Gamma - Delta's row is a day late and still its; Delta - Alfa has the
    // extra-league file's.
    ASSERT_TRUE(v[0].mercato);
    EXPECT_NEAR(v[0].mercato->p1, 0.5 / (0.5 + 1 / 3.5 + 0.25), 1e-12);
    ASSERT_TRUE(v[1].mercato);
    EXPECT_NEAR(v[1].mercato->pX, (1 / 3.2) / (1 / 2.4 + 1 / 3.2 + 1 / 3.1), 1e-12);
    ASSERT_TRUE(v[2].mercato);
    EXPECT_NEAR(v[2].mercato->p2, (1 / 1.9) / (1 / 4.0 + 1 / 3.5 + 1 / 1.9), 1e-12);
    EXPECT_FALSE(v[3].mercato);

    const auto riassunto = Riassumi(v);
    EXPECT_EQ(riassunto.totale.mercato.n, 3);
    EXPECT_EQ(riassunto.totale.modelloSuMercato.n, 3);
}

TEST(AbbinaQuote, SenzaDateLaStagioneDellaData) {
    CCampionato c(0);
    Campionato(c);
    c.reti.Svuota();
    std::vector<IncontroValutato> v(1);
    v[0].stagione = 2;
    v[0].posizione = c.incontri.inizioStagione(1) + 1; // Alfa - Beta of the second season
    const auto r = AbbinaQuote(c, v, {Leggi("quote-lega.csv")}, "media",
                               [](const std::string& n) { return n == "Alfa FC" ? std::string("Alfa") : n; });
    ASSERT_TRUE(v[0].mercato);
    EXPECT_NEAR(v[0].mercato->p1, 0.5 / (0.5 + 1 / 3.5 + 0.25), 1e-12);
    // Alfa - Beta of 1961, and the other three matches of 1962, not walked here.
    EXPECT_EQ(r.fuoriStagioni, 4);
    EXPECT_EQ(r.righe, r.abbinate + r.fuoriStagioni + static_cast<long>(r.scartate.size()));
}

} // namespace
