#include "engine/rating/ModelloProbabilita.h"
#include "engine/rating/ModelloRating.h"

#include "Supporto.h"
#include "tools/qualita/LegaSintetica.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace veltra;

namespace {

TEST(ModelloRating, ProbabilitaDiPoisson) {
    // Independent Poisson means 1 and 1: a draw has probability e^-2 I0(2).
    const auto p = ProbabilitaPoisson(1.0, 1.0, 0.0);
    EXPECT_NEAR(p.pX, 0.308508322553671, 1e-9);
    EXPECT_NEAR(p.p1, p.p2, 1e-12);
    // The low-score correction with rho < 0 gives more draws.
    const auto q = ProbabilitaPoisson(1.4, 1.1, -0.1);
    const auto q0 = ProbabilitaPoisson(1.4, 1.1, 0.0);
    EXPECT_GT(q.pX, q0.pX);
    EXPECT_NEAR(q.p1 + q.pX + q.p2, 1, 1e-12);
    EXPECT_GT(q.p1, q.p2);
}

TEST(ModelloRating, ImparaLeForzeDaiPunteggi) {
    CCampionato c(0);
    test::LegaSintetica::Riempi(c, 3, 1961);
    ModelloRating m;
    ASSERT_EQ(m.Aggiorna(c), 0);
    EXPECT_FALSE(m.soloRisultati());
    // Club 0 is the strongest, club 7 the weakest.
    const auto forte = m.Stima(0, 7), debole = m.Stima(7, 0);
    ASSERT_TRUE(forte && debole);
    EXPECT_GT(forte->p1, 0.6);
    EXPECT_GT(debole->p2, debole->p1);
    const auto medie = m.MedieReti(0, 7);
    ASSERT_TRUE(medie);
    EXPECT_GT(medie->first, medie->second);
    EXPECT_FALSE(m.Stima(0, 0));
    EXPECT_FALSE(m.Stima(0, 8));
}

TEST(ModelloRating, SenzaPunteggiIlRatingDeiSoliRisultati) {
    CCampionato c(0);
    test::LegaSintetica::Riempi(c, 3, 1961);
    c.reti.Svuota();
    ModelloRating m;
    ASSERT_EQ(m.Aggiorna(c), 0);
    EXPECT_TRUE(m.soloRisultati());
    const auto p = m.Stima(0, 7);
    ASSERT_TRUE(p);
    EXPECT_GT(p->p1, p->p2);
    EXPECT_NEAR(p->p1 + p->pX + p->p2, 1, 1e-12);
    EXPECT_GT(p->pX, 0.1);
}

TEST(ModelloRating, ParametriPerNome) {
    ParametriRating p;
    EXPECT_FALSE(ImpostaParametroRating(p, "decadimento", "0.004"));
    EXPECT_DOUBLE_EQ(p.decadimento, 0.004);
    EXPECT_FALSE(ImpostaParametroRating(p, "rho", "-0,1")); // decimal comma
    EXPECT_DOUBLE_EQ(p.rho, -0.1);
    EXPECT_TRUE(ImpostaParametroRating(p, "stagioniStoria", "2.5"));
    EXPECT_TRUE(ImpostaParametroRating(p, "rho", "1"));
    EXPECT_TRUE(ImpostaParametroRating(p, "sconosciuto", "1"));
    EXPECT_EQ(p.stagioniStoria, ParametriRating{}.stagioniStoria);
}

TEST(ModelloProbabilita, IlMotoreCorrettoComeLoUsanoLeScommesse) {
    struct Caso {
        float p1, pX, p2;
        Probabilita1X2 atteso;
    };
    const Caso casi[] = {
        {0.5f, 0.3f, 0.2f, {0.5, 0.3, 0.2}},
        // -0.1 becomes 0.01 and the other two give 0.055 each.
        {0.8f, 0.3f, -0.1f, {0.745, 0.245, 0.01}},
    };
    for (const auto& c : casi) {
        const auto p = ProbabilitaDaStima(c.p1, c.pX, c.p2);
        EXPECT_NEAR(p.p1, c.atteso.p1, 1e-6);
        EXPECT_NEAR(p.pX, c.atteso.pX, 1e-6);
        EXPECT_NEAR(p.p2, c.atteso.p2, 1e-6);
    }
    // The user's choice decides which model answers.
    CCampionato c(0);
    test::LegaSintetica::Riempi(c, 3, 1961);
    c.modello = ModelloStime::Rating;
    auto m = CreaModelloProbabilita(c);
    ASSERT_EQ(m->Aggiorna(), 0);
    ModelloRating diretto(ParametriRatingPredefiniti(c.id()));
    diretto.Aggiorna(c);
    EXPECT_EQ(m->Stima(0, 7)->p1, diretto.Stima(0, 7)->p1);
    EXPECT_EQ(TestoModelloInUso(ModelloStime::Rating), "Stime: modello rating");
    EXPECT_EQ(ModelloDaNome("motore"), ModelloStime::Motore);
    EXPECT_FALSE(ModelloDaNome("altro"));
}

} // namespace
