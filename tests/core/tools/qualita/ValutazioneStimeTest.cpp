#include "tools/qualita/ValutazioneStime.h"

#include "LegaSintetica.h"
#include "Supporto.h"
#include "engine/CMotoreStime.h"
#include "engine/rating/ModelloProbabilita.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

using namespace veltra;
using veltra::test::LegaSintetica;

namespace {

TEST(Punteggi, CasiCalcolatiAMano) {
    struct Caso {
        Probabilita1X2 p;
        char esito;
        double rps, brier, logloss;
        bool centrato;
    };
    const double terzo = 1.0 / 3;
    const Caso casi[] = {
        {{1, 0, 0}, '1', 0, 0, 0, true},
        {{1, 0, 0}, '2', 1, 2, -std::log(0.001), false}, // floored log
        {{0.5, 0.3, 0.2}, 'X', 0.145, 0.78, -std::log(0.3), false},
        {{terzo, terzo, terzo}, '1', 5.0 / 18, 2.0 / 3, std::log(3.0), true}, // tie: 1 first
        {{0.2, 0.3, 0.5}, '2', 0.145, 0.38, std::log(2.0), true},
        {{0.4, 0.45, 0.15}, 'X', (0.16 + 0.0225) / 2, 0.16 + 0.3025 + 0.0225, -std::log(0.45), true},
    };
    Misure m;
    double rps = 0;
    for (const auto& c : casi) {
        SCOPED_TRACE(std::string(1, c.esito));
        EXPECT_NEAR(PunteggioRps(c.p, c.esito), c.rps, 1e-12);
        EXPECT_NEAR(PunteggioBrier(c.p, c.esito), c.brier, 1e-12);
        EXPECT_NEAR(PunteggioLogLoss(c.p, c.esito), c.logloss, 1e-12);
        EXPECT_EQ(SegnoCentrato(c.p, c.esito), c.centrato);
        m.Aggiungi(c.p, c.esito);
        rps += c.rps;
    }
    EXPECT_EQ(m.n, 6);
    EXPECT_NEAR(m.Rps(), rps / 6, 1e-12);
    EXPECT_NEAR(m.Centrati(), 4.0 / 6, 1e-12);
}

TEST(Punteggi, DiagrammaDiAffidabilita) {
    DiagrammaAffidabilita d;
    d.Aggiungi({0.55, 0.25, 0.20}, '1');
    d.Aggiungi({0.59, 0.21, 0.20}, 'X');
    d.Aggiungi({1.0, 0.0, 0.0}, '1'); // 1.0 falls in the last bin
    const auto& c5 = d.classi[0][5];
    EXPECT_EQ(c5.n, 2);
    EXPECT_NEAR(c5.Prevista(), 0.57, 1e-12);
    EXPECT_NEAR(c5.Osservata(), 0.5, 1e-12);
    EXPECT_EQ(d.classi[0][9].n, 1);
    EXPECT_EQ(d.classi[1][2].n, 2); // 0.25 and 0.21
    EXPECT_EQ(d.classi[1][2].avvenuti, 1);
    EXPECT_EQ(d.classi[2][0].n, 1);
}

// The walk: 4 seasons, the last two walked.
struct Walk {
    CCampionato c{0};
    Walk() { LegaSintetica::Riempi(c, 4, 1961); }
    std::vector<IncontroValutato> Cammina(ModelloStime m) {
        auto copia = CopiaPerValutazione(c);
        OpzioniValutazione o;
        o.dal = 3;
        o.al = 4;
        o.modello = m;
        return PrevisioniFuoriCampione(*copia, o);
    }
};

TEST(ValutazioneStime, OgniIncontroDelleStagioniEContatoUnaVolta) {
    Walk w;
    for (auto m : {ModelloStime::Motore, ModelloStime::Rating}) {
        const auto v = w.Cammina(m);
        ASSERT_EQ(v.size(), 2u * 56u);
        long stimati = 0;
        for (std::size_t i = 0; i < v.size(); ++i) {
            EXPECT_EQ(v[i].stagione, i < 56 ? 3 : 4);
            stimati += v[i].modello.has_value();
            if (v[i].modello) {
                EXPECT_NEAR(v[i].modello->p1 + v[i].modello->pX + v[i].modello->p2, 1, 1e-9);
            }
        }
        if (m == ModelloStime::Rating) {
            EXPECT_EQ(stimati, 112); // it carries strengths from the seasons before
        } else {
            // The engine needs two home (away) matches of the season first.
            EXPECT_GT(stimati, 0);
            EXPECT_LT(stimati, 112);
        }
        // Two dates a matchday: 14 matchdays, 28 days a season.
        EXPECT_EQ(v.back().giorno + 1, 56);
        const auto r = Riassumi(v);
        EXPECT_EQ(r.totale.incontri, 112);
        EXPECT_EQ(r.totale.nonStimati, 112 - stimati);
        EXPECT_EQ(r.totale.modello.n, stimati);
        ASSERT_EQ(r.stagioni.size(), 2u);
    }
}

// A forecast never sees its own result or a later one.
TEST(ValutazioneStime, UnaPrevisioneNonCambiaSeCambianoIlSuoRisultatoOQuelliDopo) {
    for (auto modello : {ModelloStime::Motore, ModelloStime::Rating}) {
        SCOPED_TRACE(NomeModello(modello));
        Walk a;
        const auto prima = a.Cammina(modello);
        // Change the 30th match of season 4 and every one after it: results
        // turned around, scores swapped.
        const int inizio4 = a.c.incontri.inizioStagione(3);
        const int cambio = inizio4 + 30;
        Walk b;
        CCampionato cambiato(0);
        {
            int s = 0;
            for (int p = 0; p < b.c.numeroIncontri(); ++p) {
                const Incontro& m = b.c.incontri[p];
                if (m.separatore()) {
                    AggiungiStagione(cambiato, b.c.config.stagioni[static_cast<std::size_t>(s++)].nomi);
                    continue;
                }
                RetiIncontro r = b.c.reti.Di(p);
                char segno = m.risultato;
                if (p >= cambio) {
                    std::swap(r.golCasa, r.golTrasferta);
                    if (r.golCasa == r.golTrasferta) ++r.golCasa;
                    segno = SegnoDaReti(r.golCasa, r.golTrasferta);
                }
                AggiungiIncontro(cambiato, m.casa, m.trasferta, segno);
                cambiato.reti.Imposta(p, r);
            }
        }
        auto copia = CopiaPerValutazione(cambiato);
        OpzioniValutazione o;
        o.dal = 3;
        o.al = 4;
        o.modello = modello;
        const auto dopo = PrevisioniFuoriCampione(*copia, o);
        ASSERT_EQ(prima.size(), dopo.size());
        int giornoCambio = -1;
        for (const auto& iv : prima)
            if (iv.posizione == cambio) giornoCambio = iv.giorno;
        ASSERT_GE(giornoCambio, 0);
        int uguali = 0, diverse = 0;
        for (std::size_t i = 0; i < prima.size(); ++i) {
            ASSERT_EQ(prima[i].modello.has_value(), dopo[i].modello.has_value()) << i;
            if (!prima[i].modello) continue;
            const bool stessa = prima[i].modello->p1 == dopo[i].modello->p1 &&
                                prima[i].modello->pX == dopo[i].modello->pX &&
                                prima[i].modello->p2 == dopo[i].modello->p2;
            if (prima[i].giorno <= giornoCambio) {
                EXPECT_TRUE(stessa) << "incontro " << prima[i].posizione;
                ++uguali;
            } else
                diverse += !stessa;
        }
        EXPECT_GT(uguali, 10);
        EXPECT_GT(diverse, 0); // the changed results do reach the later forecasts
    }
}

TEST(ValutazioneStime, SenzaDateUnGiornoEUnaGiornata) {
    CCampionato c(0);
    test::Stagione(c, 4, {{0, 1, '1'}, {2, 3, 'X'}, {1, 2, '2'}, {3, 0, '1'}, {0, 2, 'X'}});
    auto copia = CopiaPerValutazione(c);
    OpzioniValutazione o;
    o.dal = o.al = 1;
    o.modello = ModelloStime::Rating;
    const auto v = PrevisioniFuoriCampione(*copia, o);
    ASSERT_EQ(v.size(), 5u);
    const int giorni[] = {0, 0, 1, 1, 2};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(v[static_cast<std::size_t>(i)].giorno, giorni[i]) << i;
    // No score anywhere: the results-only rating still forecasts.
    EXPECT_TRUE(v[4].modello.has_value());
}

TEST(ValutazioneStime, FrequenzeBaseDelleStagioniPrima) {
    CCampionato c(0);
    test::Stagione(c, 2, {{0, 1, '1'}, {1, 0, '1'}, {0, 1, 'X'}, {1, 0, '2'}});
    test::Stagione(c, 2, {{0, 1, '2'}});
    test::Stagione(c, 2, {{0, 1, '1'}});
    std::vector<IncontroValutato> v(2);
    v[0].stagione = 2;
    v[1].stagione = 3;
    AggiungiFrequenzeBase(c, v, 1);
    ASSERT_TRUE(v[0].base);
    EXPECT_DOUBLE_EQ(v[0].base->p1, 0.5);
    EXPECT_DOUBLE_EQ(v[0].base->pX, 0.25);
    EXPECT_FALSE(v[1].base); // season 2 alone has no draw and no home win: no base
}

TEST(ValutazioneStime, DifferenzaConIntervalloRiproducibile) {
    Walk w;
    auto v = w.Cammina(ModelloStime::Rating);
    AggiungiFrequenzeBase(w.c, v, 2);
    const auto a = Riassumi(v), b = Riassumi(v);
    const auto& d = a.totale.controBase;
    EXPECT_EQ(d.n, 112);
    EXPECT_NEAR(d.media, a.totale.modello.Rps() - a.totale.base.Rps(), 1e-12);
    EXPECT_LT(d.basso, d.media);
    EXPECT_GT(d.alto, d.media);
    EXPECT_EQ(d.basso, b.totale.controBase.basso);
    EXPECT_EQ(d.alto, b.totale.controBase.alto);
    EXPECT_EQ(a.totale.controMercato.n, 0);
}

TEST(Quote, MargineToltoInProporzione) {
    struct Caso {
        Quote1X2 q;
        Probabilita1X2 p;
    };
    const double s = 0.5 + 1 / 3.5 + 0.25;
    const double t = 1 / 3.26 + 1 / 3.34 + 1 / 2.4;
    const Caso casi[] = {
        {{2.0, 3.5, 4.0}, {0.5 / s, (1 / 3.5) / s, 0.25 / s}},
        {{3.0, 3.0, 3.0}, {1.0 / 3, 1.0 / 3, 1.0 / 3}},
        {{3.26, 3.34, 2.4}, {(1 / 3.26) / t, (1 / 3.34) / t, (1 / 2.4) / t}},
    };
    for (const auto& c : casi) {
        const auto p = ProbabilitaSenzaMargine(c.q);
        EXPECT_NEAR(p.p1, c.p.p1, 1e-12);
        EXPECT_NEAR(p.pX, c.p.pX, 1e-12);
        EXPECT_NEAR(p.p2, c.p.p2, 1e-12);
        EXPECT_NEAR(p.p1 + p.pX + p.p2, 1, 1e-12);
    }
    EXPECT_NEAR(ProbabilitaSenzaMargine({2.0, 3.5, 4.0}).p1, 0.482758620689655, 1e-12);
}

} // namespace
