// The bet selection: the ranking of events with its ties and tolerances, the
// evaluation of combinations, the cut at 540, the fast enumeration against
// the plain one, and the stake split of calculated double chances.
#include "betting/ScommessaMgr.h"
#include "betting/SelezioneScommesse.h"
#include "platform/Lavori.h"

#include <gtest/gtest.h>

#include <random>

using namespace veltra;

namespace {

// An event with the three probabilities and odds given directly (the
// equities follow), double chances from AggiungiEvento's rules.
void Evento3(ScommessaMgr& m, const std::string& casa, float p1, float pX, float p2,
             std::array<float, 6> q, int campionato = 0) {
    ASSERT_TRUE(m.AggiungiEvento(campionato, 1, casa, casa + "-T", q, p1, pX, p2));
}

ScommessaMgr ConPredefiniti() {
    ScommessaMgr m;
    CriteriPredefiniti(m);
    return m;
}

std::vector<std::string> Ordine(const ScommessaMgr& m) {
    std::vector<std::string> v;
    for (int i = 0; i < m.nSelezionati; ++i)
        v.push_back(m.eventi[i].casa);
    return v;
}

} // namespace

TEST(OrdinaEventi, LimitiTolleranzeEParita) {
    struct Caso {
        const char* cosa;
        int tipo;
        std::vector<std::tuple<const char*, float, float, float, float>> eventi; // nome p1 pX p2 q1
        std::vector<std::string> attesi;
    } casi[] = {
        {"P(1) 0.49 fuori, 0.5 dentro", 1,
         {{"A", 0.49f, 0.26f, 0.25f, 2.2f}, {"B", 0.5f, 0.25f, 0.25f, 2.1f}}, {"B"}},
        {"equita' 0.997 passa il minimo 1.0", 1,
         {{"A", 0.5f, 0.25f, 0.25f, 1.994f}, {"B", 0.5f, 0.25f, 0.25f, 1.98f}}, {"A"}},
        {"quota 3.004 passa il massimo 3.0", 3,
         {{"A", 0.5f, 0.25f, 0.25f, 3.004f}, {"B", 0.5f, 0.25f, 0.25f, 3.006f}}, {"A"}},
        {"tipo 1, stessa P(1): il piu' recente prima", 1,
         {{"A", 0.6f, 0.2f, 0.2f, 2.0f}, {"B", 0.6f, 0.2f, 0.2f, 2.1f}, {"C", 0.7f, 0.15f, 0.15f, 1.6f}},
         {"C", "B", "A"}},
        {"tipo 0, stessa P(1)+P(X): il primo resta primo", 0,
         {{"A", 0.6f, 0.2f, 0.2f, 2.0f}, {"B", 0.6f, 0.2f, 0.2f, 2.1f}, {"C", 0.7f, 0.15f, 0.15f, 1.6f}},
         {"C", "A", "B"}},
        {"tipo 2: per equita'", 2,
         {{"A", 0.6f, 0.2f, 0.2f, 1.8f}, {"B", 0.55f, 0.25f, 0.2f, 2.2f}}, {"B", "A"}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.cosa);
        ScommessaMgr m = ConPredefiniti();
        for (auto [n, p1, pX, p2, q1] : c.eventi)
            Evento3(m, n, p1, pX, p2, {q1, 3.0f, 4.0f, 0, 0, 0});
        OrdinaEventi(m, c.tipo, 0);
        EXPECT_EQ(Ordine(m), c.attesi);
        EXPECT_EQ(m.tipoPronostico, c.tipo);
        // Every event is still there, the failing ones after.
        std::multiset<std::string> tutti;
        for (int i = 0; i < m.nEventi; ++i)
            tutti.insert(m.eventi[i].casa);
        EXPECT_EQ(tutti.size(), c.eventi.size());
    }
}

TEST(OrdinaEventi, CampionatiEsclusiEDoppie) {
    ScommessaMgr m = ConPredefiniti();
    Evento3(m, "A", 0.6f, 0.3f, 0.1f, {0, 0, 0, 1.25f, 0, 0}, 0);
    Evento3(m, "B", 0.5f, 0.4f, 0.1f, {0, 0, 0, 1.15f, 1.10f, 0}, 1);
    Evento3(m, "C", 0.6f, 0.3f, 0.1f, {0, 0, 0, 1.12f, 0, 0}, 2);
    m.inclusi[1] = false;
    OrdinaEventi(m, 11, 0); // P(1X) 0.9 for both A and C: the later first
    EXPECT_EQ(Ordine(m), (std::vector<std::string>{"C", "A"}));
    OrdinaEventi(m, 13, 0);
    EXPECT_EQ(Ordine(m), (std::vector<std::string>{"A", "C"}));
}

TEST(ValutaCombinazione, QuotaSenzaTolleranzaETaglioA539) {
    ScommessaMgr m = ConPredefiniti();
    Evento3(m, "A", 0.5f, 0.25f, 0.25f, {3.004f, 3, 4, 0, 0, 0});
    Evento3(m, "B", 0.6f, 0.2f, 0.2f, {2.0f, 3, 4, 0, 0, 0});
    OrdinaEventi(m, 3, 0);
    ASSERT_EQ(m.nSelezionati, 2);
    int i0 = 0, i1 = 1, s0 = 0, sX = 1;
    EXPECT_FALSE(ValutaCombinazione(m, 1, &i0, &s0)); // 3.004 > 3.0: no tolerance here
    EXPECT_EQ(m.nScommesse(), 0);
    EXPECT_FALSE(ValutaCombinazione(m, 1, &i1, &sX)); // not the played sign
    EXPECT_TRUE(ValutaCombinazione(m, 1, &i1, &s0));
    ASSERT_EQ(m.nScommesse(), 1);
    EXPECT_EQ(m.scommesse[0].voci[0].segno, "1");
    EXPECT_FLOAT_EQ(m.scommesse[0].quotaTotale, 2.0f);
    // 539 better bets: a new one would go at 539 and is refused though the
    // list is not full; a better one enters and the list grows to 540.
    Scommessa migliore = m.scommesse[0];
    migliore.quotaTotale = 2.5f;
    m.scommesse.assign(539, migliore);
    EXPECT_FALSE(ValutaCombinazione(m, 1, &i1, &s0));
    EXPECT_EQ(m.nScommesse(), 539);
    m.scommesse.back().quotaTotale = 1.5f;
    EXPECT_FALSE(ValutaCombinazione(m, 1, &i1, &s0));
    ASSERT_EQ(m.nScommesse(), 540);
    EXPECT_FLOAT_EQ(m.scommesse[538].quotaTotale, 2.0f);
    EXPECT_FLOAT_EQ(m.scommesse[539].quotaTotale, 1.5f);
}

TEST(ValutaCombinazione, DoppiaCalcolataSoloSeMiglioreDellaQuotata) {
    ScommessaMgr m = ConPredefiniti();
    Evento3(m, "A", 0.6f, 0.3f, 0.1f, {2.0f, 3.0f, 9.0f, 1.25f, 0, 0}); // calculated 1.20
    Evento3(m, "B", 0.6f, 0.3f, 0.1f, {2.0f, 3.0f, 9.0f, 1.10f, 0, 0});
    m.minEquita = 0;
    OrdinaEventi(m, 13, 1);
    ASSERT_EQ(m.nSelezionati, 2);
    ASSERT_EQ(m.eventi[0].casa, "A");
    EXPECT_FLOAT_EQ(m.eventi[0].quote[kCalcolata1X], 1.25f);
    int i = 0, s = 0;
    ValutaCombinazione(m, 1, &i, &s);
    i = 1;
    ValutaCombinazione(m, 1, &i, &s);
    ASSERT_EQ(m.nScommesse(), 2);
    EXPECT_EQ(m.scommesse[0].voci[0].calcolata, 0);
    EXPECT_EQ(m.scommesse[1].voci[0].calcolata, 1);
    EXPECT_FLOAT_EQ(m.scommesse[1].voci[0].quotaA, 2.0f);
    EXPECT_FLOAT_EQ(m.scommesse[1].voci[0].quotaB, 3.0f);
    EXPECT_EQ(GiocateCalcolate(m.scommesse[0]).size(), 1u);
}

TEST(CercaScommesse, MultipleSoloTraIVentiMigliori) {
    ScommessaMgr m = ConPredefiniti();
    for (int i = 0; i < 25; ++i)
        Evento3(m, "E" + std::to_string(i), 0.5f + 0.01f * i, 0.25f - 0.005f * i,
                0.25f - 0.005f * i, {2.2f, 3, 4, 0, 0, 0});
    OrdinaEventi(m, 1, 0);
    ASSERT_EQ(m.nSelezionati, 25);
    EXPECT_EQ(CombinazioniEventi(m, 2), 190);
    EXPECT_EQ(CombinazioniEventi(m, 1), 25);
    const auto bets = CercaScommesse(m, 2);
    EXPECT_EQ(bets.size(), 190u);
    for (const Scommessa& s : bets)
        for (int g = 0; g < 2; ++g) {
            const int n = std::stoi(s.voci[g].casa.substr(1));
            EXPECT_GE(n, 5) << "solo i 20 con la P(1) piu' alta";
        }
    EXPECT_EQ(bets[0].voci[0].casa, "E24");
    EXPECT_EQ(bets[0].voci[1].casa, "E23");
}

TEST(CercaScommesse, VeloceUgualeASemplice) {
    std::mt19937 rng(11);
    // Coarse values so that keys and tie values often coincide.
    auto prob = [&] { return 0.05f * static_cast<float>(2 + rng() % 15); };
    auto quota = [&] { return rng() % 5 == 0 ? 0.0f : 1.0f + 0.25f * static_cast<float>(rng() % 12); };
    for (int tipo = 0; tipo < kTipiPronostico; ++tipo) {
        for (int gambe : {1, 2, 3, 4}) {
            ScommessaMgr m;
            const int n = gambe == 1 ? 60 : 14 + gambe;
            for (int i = 0; i < n; ++i) {
                float p1 = prob(), pX = prob() / 2;
                Evento3(m, "E" + std::to_string(i), p1, pX, std::max(0.01f, 1 - p1 - pX),
                        {quota(), quota(), quota(), quota(), quota(), quota()},
                        static_cast<int>(rng() % 3));
            }
            m.minProb1 = m.minProbX = m.minProb2 = 0;
            m.maxProb1 = m.maxProbX = m.maxProb2 = 1;
            m.minEquita = 0.5f, m.maxEquita = 2.5f, m.minQuota = 1.0f, m.maxQuota = 3.5f;
            m.minProbDoppia = 0.3f;
            m.inclusi[2] = false;
            OrdinaEventi(m, tipo, (tipo + gambe) % 2);
            SCOPED_TRACE(testing::Message() << "tipo " << tipo << " gambe " << gambe);
            const auto semplice = CercaScommesseSemplice(m, gambe);
            EXPECT_EQ(CercaScommesse(m, gambe, 1), semplice);
            EXPECT_EQ(CercaScommesse(m, gambe, 2), semplice);
            if (gambe == 3 && TipoDoppie(tipo)) {
                EXPECT_GT(semplice.size(), 50u);
            }
        }
    }
}

TEST(CercaScommesse, FermataSubitoNonDaScommesse) {
    ScommessaMgr m = ConPredefiniti();
    for (int i = 0; i < 10; ++i)
        Evento3(m, "E" + std::to_string(i), 0.6f, 0.2f, 0.2f, {2.0f, 3, 4, 0, 0, 0});
    OrdinaEventi(m, 1, 0);
    std::atomic<bool> fermo{true};
    ContestoLavoro c(fermo, {});
    EXPECT_TRUE(CercaScommesse(m, 2, 2, &c).empty());
}

TEST(GiocateCalcolate, DueGambeCalcolateQuattroGiocate) {
    Scommessa s;
    s.voci[0].campionato = 0, s.voci[0].segno = "1X", s.voci[0].calcolata = 1;
    s.voci[0].quotaA = 2.0f, s.voci[0].quotaB = 3.0f;
    s.voci[1].campionato = 0, s.voci[1].segno = "X2", s.voci[1].calcolata = 1;
    s.voci[1].quotaA = 1.5f, s.voci[1].quotaB = 4.0f;
    s.voci[2].campionato = 0, s.voci[2].segno = "2";
    const auto g = GiocateCalcolate(s);
    ASSERT_EQ(g.size(), 4u);
    const float a = 4.0f / 5.5f, b = 1.5f / 5.5f;
    const float attese[4] = {0.6f * a, 0.6f * b, 0.4f * a, 0.4f * b};
    const std::vector<std::string> segni[4] = {{"1", "X", "2"}, {"1", "2", "2"}, {"X", "X", "2"},
                                               {"X", "2", "2"}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(g[i].percentuale, attese[i], 1e-6);
        EXPECT_EQ(g[i].segni, segni[i]);
    }
    EXPECT_NEAR(a, 0.7273f, 1e-4);
}
