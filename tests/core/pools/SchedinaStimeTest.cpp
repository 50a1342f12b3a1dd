// The coupon on real estimates: matches of two championships and of another
// competition, the recompute and its failure, the wizard's backup, and the
// coupon saved and read back through the configuration archive.
#include "app/ArchivioConfigurazione.h"
#include "app/DatiGlobali.h"
#include "dati/GeneratoreStagioni.h"
#include "engine/CMotoreStime.h"
#include "pools/CNuovaSchedina.h"
#include "pools/OperazioniSchedina.h"
#include "pools/RicalcolaSistema.h"
#include "pools/StimeSchedina.h"

#include "doppi/MessaggiRegistrati.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace veltra;
using namespace veltra::test;

namespace {

std::unique_ptr<DatiGlobali> DueCampionati() {
    auto d = std::make_unique<DatiGlobali>();
    OpzioniGenerazione o;
    o.stagioni = 4;
    GeneraStagioni(d->campionato(0), o);
    o.seme = 7;
    GeneraStagioni(d->campionato(1), o);
    return d;
}

// A coupon of 14 matches: 6 of Serie A, 6 of Serie B, 2 of another competition.
void RiempiSchedina(DatiGlobali& d) {
    Schedina& s = d.schedina;
    ASSERT_TRUE(AggiornaStimeCampionato(d, 0));
    ASSERT_TRUE(AggiornaStimeCampionato(d, 1));
    int riga = 0;
    for (int c = 0; c < 2; ++c)
        for (int k = 0; k < 6; ++k)
            ASSERT_TRUE(InserisciPartita(s, d, riga++, c, 2 * k, 2 * k + 1)) << c << " " << k;
    InserisciAltroIncontro(s, d, riga++, "Real Madrid", "", {'V', 'V', 'P', '-', '-'},
                           {'S', 'P', 'P', '-', '-'});
    InserisciAltroIncontro(s, d, riga++, "Ajax", "PSV", {'P', 'P', 'P', 'P', 'P'},
                           {'P', 'P', 'P', 'P', 'P'});
    s.schedinaAssente = 0;
}

} // namespace

TEST(StimeSchedina, RigheDaiCampionatiEDaAltriIncontri) {
    auto d = DueCampionati();
    RiempiSchedina(*d);
    const Schedina& s = d->schedina;
    EXPECT_EQ(RigheRiempite(s), 14);
    // A championship row: the engine's estimate, floor applied, bonus on the 2.
    const Partita& p = s.partite[7];
    EXPECT_EQ(p.campionato, 1);
    EXPECT_EQ(p.squadraCasa, d->campionato(1).squadreCorrenti().nomi[2]);
    Stima st;
    ASSERT_EQ(d->campionato(1).motore->StimaIncontro(2, 3, st), 0);
    float atteso[3] = {st.p1, st.pX, st.p2};
    CorreggiProbabilita(atteso);
    EXPECT_FLOAT_EQ(p.prob1, atteso[0]);
    EXPECT_FLOAT_EQ(p.prob2, atteso[2] + 0.09f);
    EXPECT_FALSE(Pronostico(p).empty());
    // Another competition: names cleaned, planes of Serie A on the form.
    const Partita& a = s.partite[12];
    EXPECT_EQ(a.campionato, -1);
    EXPECT_EQ(a.squadraCasa, "Real_Madrid");
    EXPECT_EQ(a.squadraTrasferta, "Squadra_2");
    // With every letter P only the analysis matchdays' weights count.
    const CCampionato& serieA = d->campionato(0);
    const auto& w = serieA.config.percentualiImportanza;
    float h = 0, t = 0;
    for (int i = 0; i < serieA.config.giornateAnalisi; ++i) {
        h += w[i] * serieA.punteggiAvanzati.punti[8];
        t += w[i] * serieA.punteggiAvanzati.punti[9];
    }
    h = std::round(h / 100.0f);
    t = std::round(t / 100.0f);
    const float* c1 = serieA.motore->coefficienti1();
    float pr[3] = {c1[0] + c1[1] * h + c1[2] * t,
                   serieA.motore->coefficientiX()[0] + serieA.motore->coefficientiX()[1] * h +
                       serieA.motore->coefficientiX()[2] * t,
                   serieA.motore->coefficienti2()[0] + serieA.motore->coefficienti2()[1] * h +
                       serieA.motore->coefficienti2()[2] * t};
    CorreggiProbabilita(pr);
    const Partita& pp = s.partite[13];
    EXPECT_FLOAT_EQ(pp.prob1, pr[0]);
    EXPECT_FLOAT_EQ(pp.probX, pr[1]);
    EXPECT_FLOAT_EQ(pp.prob2, pr[2] + 0.09f);
    // Letters beyond the analysis matchdays change nothing.
    Schedina altra;
    InserisciAltroIncontro(altra, *d, 0, "A", "B", {'P', 'P', 'V', 'V', 'V'},
                           {'P', 'P', 'S', 'S', 'S'});
    EXPECT_FLOAT_EQ(altra.partite[0].prob1, pp.prob1);
}

TEST(RicalcolaSistema, TieneIManualiOCancellaLaSchedina) {
    auto d = DueCampionati();
    RiempiSchedina(*d);
    Schedina& s = d->schedina;
    s.partite[0].pronosticoManuale = "X2";
    s.contatoriModifiche[4] = 2;
    MessaggiRegistrati msg;
    ASSERT_TRUE(RicalcolaSistema(s, *d, true, true, &msg, &d->condizionamenti));
    EXPECT_EQ(s.partite[0].pronosticoManuale, "X2");
    EXPECT_EQ(s.sistemaIniziale, 0);
    EXPECT_EQ(s.contatoriModifiche[4], 0);
    ASSERT_TRUE(RicalcolaSistema(s, *d, false, false, &msg, &d->condizionamenti));
    EXPECT_EQ(s.partite[0].pronosticoManuale, "-");
    EXPECT_EQ(s.sistemaIniziale, 1);
    EXPECT_TRUE(msg.mostrati.empty());

    // A team no longer in the championship: the coupon is cancelled.
    s.partite[3].squadraTrasferta = "Sconosciuta";
    d->condizionamenti.attivoSegni = 1;
    d->datiModificati = 0;
    EXPECT_FALSE(RicalcolaSistema(s, *d, true, true, &msg, &d->condizionamenti));
    EXPECT_EQ(msg.testi(), std::vector<std::string>{kSistemaNonRicalcolabile});
    EXPECT_EQ(s.schedinaAssente, 1);
    EXPECT_EQ(d->datiModificati, 1);
    EXPECT_TRUE(Vuota(s.partite[0]));
    EXPECT_EQ(d->condizionamenti.attivoSegni, 0);
}

TEST(NuovaSchedina, AnnullataRimetteLaSchedinaDiPrima) {
    auto d = DueCampionati();
    RiempiSchedina(*d);
    d->schedina.partite[2].pronosticoManuale = "1X";
    d->condizionamenti.attivoConsecutivi = 1;
    const StatoSchedina prima = d->schedina;
    MessaggiRegistrati msg;
    CNuovaSchedina w(*d, d->schedina, d->condizionamenti);
    w.Inizia();
    EXPECT_TRUE(Vuota(d->schedina.partite[0]));
    EXPECT_EQ(d->condizionamenti.attivoConsecutivi, 0);
    ASSERT_TRUE(w.ApriPagina(0, msg));
    EXPECT_EQ(w.titoloPagina(), "MARVEN - Impostazione Nuova Schedina: Incontri Serie A");
    EXPECT_FALSE(w.indietroAbilitato());
    EXPECT_EQ(w.testoAvanti(), "Serie B >>");
    EXPECT_FALSE(w.Aggiungi(-1, msg));
    EXPECT_EQ(msg.testi(), std::vector<std::string>{kSelezionareSquadra});
    const std::string primo = w.disponibili()[0];
    ASSERT_TRUE(w.Aggiungi(0, msg));
    EXPECT_FALSE(w.avantiAbilitato()); // a match without its away team
    ASSERT_TRUE(w.Aggiungi(0, msg));
    ASSERT_TRUE(w.LasciaPagina(msg));
    EXPECT_EQ(d->schedina.partite[0].squadraCasa, primo);
    // The page opened again no longer lists the teams already placed.
    ASSERT_TRUE(w.ApriPagina(0, msg));
    EXPECT_NE(w.disponibili()[0], primo);
    EXPECT_EQ(w.primaRigaPagina(), 1);
    w.Annulla();
    EXPECT_EQ(static_cast<const StatoSchedina&>(d->schedina), prima);
    EXPECT_EQ(d->condizionamenti.attivoConsecutivi, 1);
}

TEST(NuovaSchedina, QuattordiciIncontriDaPiuCampionati) {
    auto d = DueCampionati();
    MessaggiRegistrati msg;
    CNuovaSchedina w(*d, d->schedina, d->condizionamenti);
    w.Inizia();
    ASSERT_TRUE(w.ApriPagina(0, msg));
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(w.Aggiungi(0, msg));
    EXPECT_FALSE(w.aggiungiAbilitato()); // every team placed
    ASSERT_TRUE(w.LasciaPagina(msg));
    ASSERT_TRUE(w.ApriPagina(1, msg));
    EXPECT_EQ(w.testoIndietro(), "<< Serie A");
    EXPECT_EQ(w.primaRigaPagina(), 10);
    for (int i = 0; i < 8; ++i) ASSERT_TRUE(w.Aggiungi(0, msg));
    // Full: no more teams, the forward button shows the coupon.
    EXPECT_FALSE(w.aggiungiAbilitato());
    EXPECT_FALSE(w.indietroAbilitato());
    EXPECT_EQ(w.testoAvanti(), "&Schedina >>");
    ASSERT_TRUE(w.LasciaPagina(msg));
    EXPECT_TRUE(w.pagineFinite());
    EXPECT_FALSE(w.altriNecessari());
    w.Concludi();
    EXPECT_EQ(d->schedina.schedinaAssente, 0);
    EXPECT_EQ(d->schedina.partite[13].campionato, 1);
    // "Altri Incontri" on a coupon of 12 rows: the button to finish waits
    // for the 14th, "Togli" stops at the rows it found.
    Schedina& s = d->schedina;
    s.partite[12] = s.partite[13] = Partita{};
    ASSERT_TRUE(w.ApriAltri(msg));
    EXPECT_FALSE(w.schedinaAltroAbilitato());
    EXPECT_FALSE(w.togliAltroAbilitato());
    w.AggiungiAltro("A", "B", {'V', 'V', 'V', 'V', 'V'}, {'S', 'S', 'S', 'S', 'S'});
    w.AggiungiAltro("C", "D", {'V', 'V', 'V', 'V', 'V'}, {'S', 'S', 'S', 'S', 'S'});
    EXPECT_TRUE(w.schedinaAltroAbilitato());
    EXPECT_FALSE(w.aggiungiAltroAbilitato());
    EXPECT_TRUE(w.TogliAltro());
    EXPECT_FALSE(w.schedinaAltroAbilitato());
    EXPECT_TRUE(Vuota(s.partite[13]));
}

TEST(Schedina, SalvataERilettaUgualeAlByteNellaConfigurazione) {
    auto d = DueCampionati();
    RiempiSchedina(*d);
    d->schedina.partite[5].pronosticoManuale = "21X";
    d->schedina.riduzioneMin = 1;
    d->schedina.riduzioneMax = 3;
    d->schedina.contatoriModifiche = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    d->schedina.colonnePerPagina = 8;
    ImpostaBonus2(d->schedina, 0.05f);
    const auto cfg = ScriviArchivioConfigurazione(*d);
    const auto strategie = ScriviArchivioStrategie(*d);
    auto letti = std::make_unique<DatiGlobali>();
    ASSERT_TRUE(LeggiArchivioConfigurazione(
        cfg, std::string(strategie.begin(), strategie.end()), *letti));
    EXPECT_EQ(static_cast<const StatoSchedina&>(letti->schedina),
              static_cast<const StatoSchedina&>(d->schedina));
    EXPECT_EQ(letti->schedina.schedinaAssente, 0);
    EXPECT_EQ(ScriviArchivioConfigurazione(*letti), cfg);
}

TEST(NuovaSchedina, CampionatoSenzaIncontriSiSaltaUnFallimentoVeroAnnulla) {
    // Serie C1 with a season of teams and no match (as shipped and filled by
    // hand): its page opens with no team and says why, the wizard goes on.
    auto d = DueCampionati();
    AggiungiStagione(d->campionato(2), {"Alfa", "Beta", "Gamma", "Delta"});
    MessaggiRegistrati msg;
    CNuovaSchedina w(*d, d->schedina, d->condizionamenti);
    w.Inizia();
    ASSERT_TRUE(w.ApriPagina(2, msg));
    EXPECT_TRUE(msg.mostrati.empty());
    EXPECT_TRUE(w.paginaSenzaStime());
    EXPECT_TRUE(w.disponibili().empty());
    EXPECT_FALSE(w.aggiungiAbilitato());
    EXPECT_TRUE(w.avantiAbilitato());
    EXPECT_EQ(w.testoAvanti(), "Serie C2 >>");
    EXPECT_NE(w.etichettaPagina().find("Serie C1 ha ancora troppo pochi incontri"),
              std::string::npos);
    ASSERT_TRUE(w.LasciaPagina(msg));
    EXPECT_FALSE(w.pagineFinite());
    // Serie B's parameters made impossible: that is a failure, as before.
    ASSERT_TRUE(w.ApriPagina(0, msg));
    EXPECT_FALSE(w.paginaSenzaStime());
    CCampionato& b = d->campionato(1);
    b.limiteMinTrasferta = b.limiteMaxTrasferta = 0;
    EXPECT_FALSE(w.ApriPagina(1, msg));
    EXPECT_EQ(msg.testi().size(), 1u);
    w.Annulla();
}
