// The coupon's rows and the betting events take their probabilities from the
// model each championship uses: the rating model once the user chose it, the
// engine otherwise (the engine's own figures are held by the coupon's and the
// betting module's tests, which run on the default choice). Results typed by
// hand carry no score: the rating model then leaves them out of a fit on
// scores, or rates on the results alone when too many scores are missing.
#include "app/DatiGlobali.h"
#include "betting/RicalcolaEventi.h"
#include "engine/CMotoreStime.h"
#include "engine/rating/ModelloRating.h"
#include "pools/CNuovaSchedina.h"
#include "pools/OperazioniSchedina.h"
#include "pools/StimeSchedina.h"

#include "tools/qualita/LegaSintetica.h"

#include <gtest/gtest.h>

using namespace veltra;
using test::LegaSintetica;

namespace {

// Serie A with scores and dates, four seasons.
std::unique_ptr<DatiGlobali> ConPunteggi() {
    auto d = std::make_unique<DatiGlobali>();
    LegaSintetica::Riempi(d->campionato(0), 4, Campionato(0).annoPrimaStagione);
    return d;
}

// The rating model fitted directly on the championship, as floats.
std::array<float, 3> DelRating(const CCampionato& c, int casa, int trasferta, bool* soloRisultati = nullptr) {
    ModelloRating m(ParametriRatingPredefiniti(c.id()));
    EXPECT_EQ(m.Aggiorna(c), 0);
    if (soloRisultati) *soloRisultati = m.soloRisultati();
    const auto p = m.Stima(casa, trasferta);
    EXPECT_TRUE(p);
    if (!p) return {};
    return {static_cast<float>(p->p1), static_cast<float>(p->pX), static_cast<float>(p->p2)};
}

const std::string& Nome(const DatiGlobali& d, int i) {
    return d.campionato(0).squadreCorrenti().nomi[static_cast<std::size_t>(i)];
}

} // namespace

TEST(ModelloScelto, SchedinaEScommesseDalModelloRating) {
    auto d = ConPunteggi();
    CCampionato& a = d->campionato(0);
    ASSERT_TRUE(AggiornaStimeScommesse(*d, 0));
    const auto delMotore = StimaEvento(*d, 0, 0, 7);
    ASSERT_TRUE(delMotore);

    a.modello = ModelloStime::Rating;
    const auto atteso = DelRating(a, 0, 7);
    ASSERT_NE(atteso, *delMotore);

    // The coupon: a row of Serie A and one of another competition; the
    // latter is read off Serie A's engine planes whatever model Serie A uses,
    // so it is the same as on a twin that kept the engine.
    auto gemello = ConPunteggi();
    for (DatiGlobali* x : {d.get(), gemello.get()}) {
        x->campionato(0).motore.reset(); // nothing fitted before the recompute
        Schedina& s = x->schedina;
        s.partite[0].campionato = 0;
        s.partite[0].squadraCasa = Nome(*x, 0);
        s.partite[0].squadraTrasferta = Nome(*x, 7);
        s.partite[0].prob1 = s.partite[0].probX = s.partite[0].prob2 = 0.2f; // stale
        ASSERT_TRUE(AggiornaStimeAltriIncontri(*x));
        InserisciAltroIncontro(s, *x, 1, "Ajax", "PSV", {'V', 'V', 'P', 'S', 'V'}, {'S', 'P', 'P', 'S', 'V'});
        x->campionato(0).motore.reset();
        ASSERT_TRUE(RicalcolaStime(s, *x));
    }
    const Schedina& s = d->schedina;
    EXPECT_EQ(s.partite[0].prob1, atteso[0]);
    EXPECT_EQ(s.partite[0].probX, atteso[1]);
    EXPECT_EQ(s.partite[0].prob2, atteso[2] + s.bonusSegno2);
    const Partita& altro = gemello->schedina.partite[1];
    EXPECT_EQ(s.partite[1].prob1, altro.prob1);
    EXPECT_EQ(s.partite[1].probX, altro.probX);
    EXPECT_EQ(s.partite[1].prob2, altro.prob2);
    // A row entered now gets the same as the recompute.
    Schedina nuova;
    ASSERT_TRUE(AggiornaStimeCampionato(*d, 0));
    ASSERT_TRUE(InserisciPartita(nuova, *d, 0, 0, 0, 7));
    EXPECT_EQ(nuova.partite[0].prob1, atteso[0]);

    // An event: entered with the rating model's probabilities, and again
    // after a recompute; back on the engine, the engine's.
    ASSERT_TRUE(AggiornaStimeScommesse(*d, 0));
    const auto p = StimaEvento(*d, 0, 0, 7);
    ASSERT_TRUE(p);
    EXPECT_EQ(*p, atteso);
    ASSERT_TRUE(d->scommesse.AggiungiEvento(0, a.numeroIncontriCorrenti(), Nome(*d, 0), Nome(*d, 7),
                                            {2.0f, 3.4f, 3.9f, 1.3f, 0, 0}, 0.2f, 0.2f, 0.6f));
    ASSERT_TRUE(RicalcolaEventi(d->scommesse, *d));
    const Evento& e = d->scommesse.eventi[0];
    EXPECT_EQ(e.prob[kQuota1], atteso[0]);
    EXPECT_EQ(e.prob[kQuota2], atteso[2]);
    EXPECT_EQ(e.prob[kQuota1X], atteso[0] + atteso[1]);
    EXPECT_EQ(e.equita[kQuota1], atteso[0] * 2.0f);
    a.modello = ModelloStime::Motore;
    ASSERT_TRUE(RicalcolaEventi(d->scommesse, *d));
    EXPECT_EQ(d->scommesse.eventi[0].prob[kQuota1], (*delMotore)[0]);
    EXPECT_EQ(d->scommesse.eventi[0].prob[kQuota2], (*delMotore)[2]);
}

TEST(ModelloScelto, RisultatiScrittiAManoSenzaPunteggio) {
    // A fifth season typed by hand: the first n matches of the fourth
    // repeated with their signs, no score. A few are left out of the fit on
    // scores (the estimate is exactly the one without them); when more than
    // one match in ten of the seasons fitted lacks its score, the model rates
    // the clubs on the results alone, all of them.
    struct Caso {
        int aMano;
        bool soloRisultati;
    };
    for (const Caso caso : {Caso{4, false}, Caso{40, true}}) {
        SCOPED_TRACE(caso.aMano);
        auto d = ConPunteggi();
        auto senza = ConPunteggi();
        for (DatiGlobali* x : {d.get(), senza.get()}) {
            CCampionato& c = x->campionato(0);
            c.modello = ModelloStime::Rating;
            const int inizio = c.incontri.inizioStagione(3) + 1;
            ASSERT_EQ(AggiungiStagione(c, LegaSintetica::Nomi()), 0);
            if (x == senza.get()) continue;
            for (int i = 0; i < caso.aMano; ++i) {
                const Incontro m = c.incontri[inizio + i];
                ASSERT_EQ(AggiungiIncontro(c, m.casa, m.trasferta, m.risultato), 0);
            }
        }
        bool soloRisultati = false;
        const auto diretto = DelRating(d->campionato(0), 0, 7, &soloRisultati);
        EXPECT_EQ(soloRisultati, caso.soloRisultati);
        ASSERT_TRUE(AggiornaStimeScommesse(*d, 0));
        const auto p = StimaEvento(*d, 0, 0, 7);
        ASSERT_TRUE(p);
        EXPECT_EQ(*p, diretto);
        ASSERT_TRUE(AggiornaStimeScommesse(*senza, 0));
        const auto q = StimaEvento(*senza, 0, 0, 7);
        ASSERT_TRUE(q);
        if (caso.soloRisultati)
            EXPECT_NE(*p, *q);
        else
            EXPECT_EQ(*p, *q);
    }
}

TEST(ModelloScelto, UnCampionatoVuotoNonHaStime) {
    // No season at all (as Serie C1 ships): no estimate, nothing kept.
    DatiGlobali d;
    CCampionato& c = d.campionato(1);
    c.modello = ModelloStime::Rating;
    EXPECT_FALSE(AggiornaStimeScommesse(d, 1));
    EXPECT_FALSE(c.modelloScelto);
    EXPECT_FALSE(StimaEvento(d, 1, 0, 1));
    EXPECT_FALSE(AggiornaStimeCampionato(d, 1));
    EXPECT_FALSE(StimaPartita(d, 1, 0, 1, 0));
}
