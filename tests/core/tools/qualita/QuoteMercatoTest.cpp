#include "tools/qualita/ValutazioneStime.h"

#include "Supporto.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace veltra;

namespace {

const std::filesystem::path kQui = std::filesystem::path(VELTRA_RESOURCES_DIR) / ".." / "tests" / "core" / "tools" / "qualita";

LetturaQuote Leggi(const std::string& nome) {
    return LeggiQuoteDaValutare(test::LeggiTesto(kQui / nome), nome);
}

// The reading itself is tested with the reader; here, what the comparison
// with the market refuses.
TEST(LeggiQuoteDaValutare, FileRifiutatiConIlNome) {
    const auto lega = Leggi("quote-lega.csv");
    ASSERT_TRUE(lega.ok()) << lega.errore;
    EXPECT_EQ(lega.file, "quote-lega.csv");
    EXPECT_EQ(lega.quote.partite.size(), 6u);
    for (const auto& [testo, nome] : std::vector<std::pair<std::string, std::string>>{
             {"Date,Team 1,FT,HT,Team 2\n", "x.csv"},
             {"Div,Date,HomeTeam,AwayTeam,FTHG\n", "y.csv"}, // no odds
             {"", "z.csv"}}) {
        const auto l = LeggiQuoteDaValutare(testo, nome);
        EXPECT_FALSE(l.ok()) << nome;
        EXPECT_EQ(l.errore.rfind(nome + ": ", 0), 0u) << l.errore;
    }
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
