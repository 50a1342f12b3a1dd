// The conditions sheet's rules: filter columns and their groups, the
// sentences of the group limits, the probability scale, apply, OK and Cancel.
#include "app/DatiGlobali.h"
#include "platform/Lavori.h"
#include "pools/CFoglioCondizioni.h"
#include "pools/CPropostaSistema.h"
#include "pools/CostruzioneSistema.h"
#include "pools/OperazioniSchedina.h"
#include "pools/VerificaColonna.h"

#include "doppi/MessaggiRegistrati.h"

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

namespace {

Partita Riga(const std::string& segni, float p1, float pX, float p2) {
    Partita p;
    p.campionato = 0;
    p.squadraCasa = "Casa";
    p.squadraTrasferta = "Ospite";
    p.prob1 = p1;
    p.probX = pX;
    p.prob2 = p2;
    for (std::size_t i = 0; i < segni.size(); ++i)
        p.segni[i] = static_cast<std::int16_t>(SegnoDaCarattere(segni[i]));
    p.pronosticoAuto = segni;
    return p;
}

struct Foglio {
    DatiGlobali dati;
    Foglio() {
        const char* pr[] = {"1X2", "1X", "X2", "12"};
        for (int r = 0; r < kRigheSchedina; ++r)
            dati.schedina.partite[r] = Riga(r < 4 ? pr[r] : "1", 0.5f - 0.01f * r, 0.3f, 0.2f + 0.01f * r);
        dati.schedina.schedinaAssente = 0;
        dati.schedina.riduzioneMin = dati.schedina.riduzioneMax = -2;
    }
};

} // namespace

TEST(CFoglioCondizioni, FrasiDeiVincoli) {
    struct Caso {
        int h, l, n;
        const char* colonne;
        const char* gruppi;
    };
    const Caso casi[] = {
        {0, 3, 3, "(Nessun vincolo sul numero di colonne filtro da verificare)",
         "(Nessun vincolo sul numero di gruppi da verificare)"},
        {0, 0, 3, "(Nessuna colonna filtro deve essere verificata)", "(Nessun gruppo deve essere verificato)"},
        {0, 1, 3, "(Al più una colonna filtro deve essere verificata)", "(Al più un gruppo deve essere verificato)"},
        {0, 2, 3, "(Al più 2 colonne filtro devono essere verificate)", "(Al più 2 gruppi devono essere verificati)"},
        {1, 1, 1, "(L'unica colonna filtro deve essere verificata)", "(L'unico gruppo deve essere verificato)"},
        {3, 3, 3, "(Tutte le 3 colonne filtro devono essere verificate)", "(Tutti i 3 gruppi devono essere verificati)"},
        {2, 2, 3, "(Esattamente 2 colonne filtro devono essere verificate)",
         "(Esattamente 2 gruppi devono essere verificati)"},
        {1, 3, 3, "(Almeno una colonna filtro deve essere verificata)", "(Almeno un gruppo deve essere verificato)"},
        {2, 4, 4, "(Almeno 2 colonne filtro devono essere verificate)", "(Almeno 2 gruppi devono essere verificati)"},
        {1, 2, 4, "(Da 1 a 2 colonne filtro devono essere verificate)", "(Da 1 a 2 gruppi devono essere verificati)"},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(FraseVincolo(c.h, c.l, c.n, false), c.colonne);
        EXPECT_EQ(FraseVincolo(c.h, c.l, c.n, true), c.gruppi);
    }
}

TEST(CFoglioCondizioni, ColonneFiltroEGruppi) {
    Foglio f;
    CFoglioCondizioni fc(f.dati, f.dati.schedina, f.dati.condizionamenti);
    const CondizioniRiduzione& k = fc.condizioni();
    EXPECT_EQ(fc.colonnaMostrata(), -1);
    fc.Crea();
    fc.Crea();
    fc.Crea();
    EXPECT_EQ(fc.colonnaMostrata(), 2);
    EXPECT_EQ(k.colonneNelGruppo[0], 3);
    EXPECT_EQ(std::string(fc.colonna()->Pronostico(5)), "-");
    EXPECT_TRUE(fc.applicaAbilitato());

    // The third column into group B, limits of both groups and of the groups.
    fc.ImpostaGruppoColonna('B');
    EXPECT_EQ(k.colonneNelGruppo[0], 2);
    EXPECT_EQ(k.colonneNelGruppo[1], 1);
    fc.SelezionaGruppo(0);
    fc.ImpostaLimiteGruppo(false, 5); // clamped to the 2 columns of A
    EXPECT_EQ(k.minColonneGruppo[0], 2);
    EXPECT_EQ(k.maxColonneGruppo[0], 2);
    EXPECT_EQ(fc.fraseGruppo(), "(Tutte le 2 colonne filtro devono essere verificate)");
    fc.ImpostaLimiteGruppi(true, 9);
    EXPECT_EQ(k.maxGruppi, 2);
    fc.ImpostaLimiteGruppi(false, 2);
    EXPECT_EQ(fc.fraseGruppi(), "(Tutti i 2 gruppi devono essere verificati)");

    // Deactivating the only column of B empties it: its limits 0, one group fewer.
    fc.AttivaColonna(false);
    EXPECT_EQ(k.colonneNelGruppo[1], 0);
    EXPECT_EQ(k.maxGruppi, 1);
    EXPECT_EQ(k.minGruppi, 1);
    fc.AttivaColonna(true);
    EXPECT_EQ(k.colonneNelGruppo[1], 1);

    // Deleting the first column of A lowers A's limits to its one column.
    fc.Precedente();
    fc.Precedente();
    EXPECT_EQ(fc.colonnaMostrata(), 0);
    EXPECT_FALSE(fc.precedenteAbilitato());
    ASSERT_TRUE(fc.ImpostaVoce(0, "1X"));
    EXPECT_FALSE(fc.ImpostaVoce(0, "XX"));
    fc.Elimina();
    EXPECT_EQ(fc.numeroColonne(), 2);
    EXPECT_EQ(k.colonneNelGruppo[0], 1);
    EXPECT_EQ(k.maxColonneGruppo[0], 1);
    EXPECT_EQ(k.minColonneGruppo[0], 1);
    EXPECT_EQ(k.colonneFiltro[2].attiva, 0);
    EXPECT_EQ(k.colonneFiltro[1].gruppo, 'B');
    fc.Elimina();
    fc.Elimina();
    EXPECT_EQ(fc.colonnaMostrata(), -1);
    EXPECT_EQ(fc.gruppiNonVuoti(), 0);
    EXPECT_EQ(k.maxGruppi, 0);
}

TEST(CFoglioCondizioni, ApplicaOkEAnnulla) {
    Foglio f;
    Schedina& s = f.dati.schedina;
    EsecutoreSincrono esecutore;
    MessaggiRegistrati messaggi;
    ContestoSistema ctx{esecutore, messaggi, {}, std::nullopt, 1};
    {
        CFoglioCondizioni fc(f.dati, s, f.dati.condizionamenti);
        fc.AttivaSegni(true);
        fc.ImpostaSegni(0, true, 11); // at most 11 ones
        EXPECT_EQ(fc.testoCondizionato(), "-");
        fc.Applica(ctx, nullptr);
        EXPECT_FALSE(fc.applicaAbilitato());
        // 3*2*2*2 = 24 columns, the ten fixed rows all 1: at most one more 1.
        long attese = 0;
        EnumeraIntegrale(SpazioDi(s), [&](const Colonna& c) { attese += std::count(c.begin(), c.end(), '1') <= 11; });
        EXPECT_EQ(fc.testoCondizionato(), std::to_string(attese));
        EXPECT_TRUE(fc.Ok());
        EXPECT_EQ(f.dati.datiModificati, 1);
    }
    // Cancel: the conditions and the counted system of the opening come back.
    const Schedina prima = s;
    const CCondizionamenti primaC = f.dati.condizionamenti;
    {
        CFoglioCondizioni fc(f.dati, s, f.dati.condizionamenti);
        fc.ImpostaSegni(0, true, 12);
        fc.ImpostaCondizionatoRidotto(true);
        messaggi.risposte = {Risposta::No};
        fc.Applica(ctx, nullptr);
        EXPECT_TRUE(SistemaPronto(s));
        fc.Annulla();
    }
    EXPECT_EQ(s, prima);
    EXPECT_EQ(f.dati.condizionamenti, primaC);
}

TEST(CFoglioCondizioni, ScalaDiProbabilita) {
    Foglio f;
    EsecutoreSincrono esecutore;
    CFoglioCondizioni fc(f.dati, f.dati.schedina, f.dati.condizionamenti);
    bool ok = false;
    fc.CalcolaLimiti(esecutore, [&](bool b) { ok = b; });
    ASSERT_TRUE(ok);
    const LimitiProbabilita l = CalcolaLimitiProbabilita(f.dati.schedina);
    EXPECT_EQ(fc.condizioni().probMin, l.minima);
    EXPECT_EQ(fc.condizioni().probMax, l.massima);
    EXPECT_EQ(fc.k1(), 0);
    EXPECT_EQ(fc.k2(), 100);
    fc.AttivaProbabilita(true);
    fc.ImpostaK(true, 40);
    fc.ImpostaK(false, 60); // above the maximum: the maximum follows
    EXPECT_EQ(fc.k2(), 60);
    EXPECT_EQ(fc.condizioni().probMax, fc.condizioni().probMin);
    EXPECT_EQ(fc.testoScartatiCrescenti(), "( Intervalli crescenti scartati : 60 )");
    EXPECT_EQ(fc.testoScartatiDecrescenti(), "( Intervalli decrescenti scartati : 40 )");
    EXPECT_EQ(fc.spiegazione().rfind("\r\r\nLe 24 colonne del Sistema Integrale vengono inserite in 100 "
                                     "gruppi per probabilità crescente.\r\r\n\r\r\nIl primo gruppo",
                                     0),
              0u);

    // A single column: no width, the controls at the two ends, no division by zero.
    Foglio una;
    for (auto& p : una.dati.schedina.partite) p = Riga("1", 0.5f, 0.3f, 0.2f);
    CFoglioCondizioni fu(una.dati, una.dati.schedina, una.dati.condizionamenti);
    fu.CalcolaLimiti(esecutore, [](bool) {});
    EXPECT_EQ(fu.k1(), 0);
    EXPECT_EQ(fu.k2(), 100);
    fu.ImpostaK(false, 30);
    EXPECT_EQ(fu.condizioni().probMin, fu.condizioni().probMax);
    EXPECT_EQ(fu.testoProbMin().find("nan"), std::string::npos);
}

// Limits set on a step come back on that step when the page is shown again
// (the limits recomputed): the whole part must not lose a step to a rounding
// error. A limit between two steps still shows the lower one.
TEST(CFoglioCondizioni, LimitiRilettiSulloStessoPasso) {
    Foglio f;
    EsecutoreSincrono esecutore;
    const LimitiProbabilita l = CalcolaLimitiProbabilita(f.dati.schedina);
    for (int k = 0; k <= 100; ++k) {
        CFoglioCondizioni fc(f.dati, f.dati.schedina, f.dati.condizionamenti);
        fc.ImpostaLimiti(l);
        fc.ImpostaK(false, std::min(k, 50));
        fc.ImpostaK(true, std::max(k, 50));
        CFoglioCondizioni riaperto(f.dati, f.dati.schedina, f.dati.condizionamenti);
        riaperto.ImpostaLimiti(l);
        EXPECT_EQ(riaperto.k1(), std::min(k, 50)) << k;
        EXPECT_EQ(riaperto.k2(), std::max(k, 50)) << k;
    }
    CFoglioCondizioni fc(f.dati, f.dati.schedina, f.dati.condizionamenti);
    fc.ImpostaLimiti(l);
    f.dati.condizionamenti.probMin = l.minima + (l.massima - l.minima) * 0.057;
    fc.ImpostaLimiti(l);
    EXPECT_EQ(fc.k1(), 5);
}

// The method question is asked once, where the conditions are applied; the
// answer is kept with them, and the system window taking the conditioned
// system afterwards keeps the count instead of building (and asking) again.
TEST(CFoglioCondizioni, MetodoChiestoUnaVoltaEConservato) {
    Foglio f;
    Schedina& s = f.dati.schedina;
    EsecutoreSincrono esecutore;
    MessaggiRegistrati messaggi;
    ContestoSistema ctx{esecutore, messaggi, {}, std::nullopt, 1};
    for (const Risposta risposta : {Risposta::Si, Risposta::No}) {
        InvalidaRidotto(s);
        messaggi.mostrati.clear();
        CFoglioCondizioni fc(f.dati, s, f.dati.condizionamenti);
        fc.ImpostaCondizionatoRidotto(true);
        fc.ImpostaSegni(0, true, risposta == Risposta::Si ? 12 : 13);
        messaggi.risposte = {risposta};
        fc.Applica(ctx, nullptr);
        ASSERT_EQ(messaggi.mostrati.size(), 1u);
        EXPECT_EQ(messaggi.mostrati[0].testo, kDomandaMetodoRiduzione);
        EXPECT_EQ(f.dati.condizionamenti.metodoRiduzione, risposta == Risposta::Si ? 1 : 0);
        const SistemaRidotto contato = s.ridotto;
        EXPECT_TRUE(fc.Ok());
        CPropostaSistema proposta(f.dati, s, f.dati.condizionamenti, {});
        proposta.ScegliCondizionato();
        EXPECT_EQ(s.ridotto, contato);
        EXPECT_TRUE(SistemaPronto(s));
        // Built again elsewhere (the view, the check, the terminal): the same
        // system, without the question.
        InvalidaRidotto(s);
        bool ok = false;
        CostruisciSistema(s, f.dati.condizionamenti, ctx, [&](bool b) { ok = b; });
        ASSERT_TRUE(ok);
        EXPECT_EQ(s.ridotto.numColonne, contato.numColonne);
        EXPECT_EQ(messaggi.mostrati.size(), 1u);
    }
}
