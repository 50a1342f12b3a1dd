// The results dialog through its core class.
#include "app/inserimento/CDlgNuoviIncontri.h"
#include "app/DatiGlobali.h"
#include "dati/GeneratoreStagioni.h"
#include "app/inserimento/DatiDipendenti.h"

#include "doppi/MessaggiRegistrati.h"
#include "Supporto.h"

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

namespace {

struct Banco {
    DatiGlobali dati;
    MessaggiRegistrati msg;
    Banco() {
        OpzioniGenerazione o;
        o.stagioni = 4;
        o.ultimaIncompleta = true;
        GeneraStagioni(dati.campionato(0), o);
        dati.schedina.schedinaAssente = 0;
        dati.scommesse.nEventi = 1;
    }
    CCampionato& serieA() { return dati.campionato(0); }
};

struct Stato {
    bool aggiungi, ok, togli;
    friend bool operator==(const Stato&, const Stato&) = default;
};
Stato Abilitati(const CDlgNuoviIncontri& d) {
    return {d.abilitaAggiungi(), d.abilitaOk(), d.abilitaTogli()};
}
std::ostream& operator<<(std::ostream& o, const Stato& s) {
    return o << s.aggiungi << s.ok << s.togli;
}

void Componi(CDlgNuoviIncontri& d, int casa, int trasferta, char r) {
    d.SelezionaCasa(casa);
    d.SelezionaTrasferta(trasferta);
    d.ImpostaRisultato(r);
    ASSERT_TRUE(d.Aggiungi());
}

} // namespace

TEST(NuoviIncontri, PulsantiAbilitatiSecondoLaComposizione) {
    Banco b;
    CDlgNuoviIncontri dlg(b.dati, b.msg);
    EXPECT_EQ(dlg.Titolo(), "VELTRA - Serie A. Nuovi Incontri");
    EXPECT_EQ(dlg.squadre(), b.serieA().squadreCorrenti().nomi);
    EXPECT_EQ(Abilitati(dlg), (Stato{false, false, false}));
    dlg.SelezionaCasa(2);
    EXPECT_EQ(Abilitati(dlg), (Stato{false, false, false}));
    dlg.SelezionaTrasferta(2);
    EXPECT_EQ(Abilitati(dlg), (Stato{false, false, false}));
    EXPECT_FALSE(dlg.Aggiungi()); // same team at home and away
    EXPECT_EQ(b.msg.testi(), std::vector<std::string>{"Trovato errore in input!"});
    dlg.SelezionaTrasferta(5);
    dlg.ImpostaRisultato('X');
    EXPECT_EQ(Abilitati(dlg), (Stato{true, false, false}));
    ASSERT_TRUE(dlg.Aggiungi());
    EXPECT_EQ(Abilitati(dlg), (Stato{false, true, false}));
    EXPECT_EQ(dlg.risultato(), '1');
    EXPECT_EQ(dlg.casa(), -1);
    EXPECT_EQ(dlg.trasferta(), -1);
    // A match half composed holds OK back.
    dlg.SelezionaCasa(1);
    EXPECT_EQ(Abilitati(dlg), (Stato{false, false, false}));
    dlg.SelezionaCasa(-1);
    dlg.SelezionaInserito(0);
    EXPECT_EQ(Abilitati(dlg), (Stato{false, true, true}));
}

TEST(NuoviIncontri, ListaDalPiuRecenteETogliRimuoveQuelloSelezionato) {
    Banco b;
    CDlgNuoviIncontri dlg(b.dati, b.msg);
    const auto& n = dlg.squadre();
    Componi(dlg, 0, 1, '1');
    Componi(dlg, 2, 3, 'X');
    Componi(dlg, 4, 5, '2');
    EXPECT_EQ(dlg.testiInseriti(), (std::vector<std::string>{" " + n[4] + " - " + n[5] + " : 2",
                                                             " " + n[2] + " - " + n[3] + " : X",
                                                             " " + n[0] + " - " + n[1] + " : 1"}));
    EXPECT_FALSE(dlg.Togli());
    EXPECT_EQ(b.msg.testi(), std::vector<std::string>{"Selezionare un incontro!"});
    dlg.SelezionaInserito(0); // the top one: the last added
    ASSERT_TRUE(dlg.Togli());
    dlg.SelezionaInserito(1); // now the oldest
    ASSERT_TRUE(dlg.Togli());
    EXPECT_EQ(dlg.inseriti(), (std::vector<Incontro>{{2, 3, 'X'}}));
    EXPECT_TRUE(dlg.abilitaOk());
    dlg.SelezionaInserito(0);
    ASSERT_TRUE(dlg.Togli());
    EXPECT_FALSE(dlg.abilitaOk());
}

TEST(NuoviIncontri, OkAccodaNellOrdineDiInserimentoEAggiornaLeStime) {
    Banco b;
    const int prima = b.serieA().numeroIncontri();
    CDlgNuoviIncontri dlg(b.dati, b.msg);
    // The calendar holds the first match and another one: the result takes
    // its fixture away, the other stays.
    const auto& n = dlg.squadre();
    b.serieA().calendario.stagione = b.serieA().config.numeroStagioni();
    b.serieA().calendario.partite = {{9, 20261012, -1, n[3], n[7]}, {9, 20261012, -1, n[2], n[4]}};
    Componi(dlg, 3, 7, '2');
    Componi(dlg, 1, 0, 'X');
    EXPECT_TRUE(dlg.Ok());
    ASSERT_EQ(b.serieA().calendario.partite.size(), 1u);
    EXPECT_EQ(b.serieA().calendario.partite[0].casa, n[2]);
    ASSERT_EQ(b.serieA().numeroIncontri(), prima + 2);
    EXPECT_EQ(b.serieA().incontri[prima], (Incontro{3, 7, '2'}));
    EXPECT_EQ(b.serieA().incontri[prima + 1], (Incontro{1, 0, 'X'}));
    EXPECT_EQ(b.msg.testi(), (std::vector<std::string>{kAvvisoCancellazioneSistema,
                                                       kAvvisoCancellazioneScommesse}));
    EXPECT_EQ(b.dati.schedina.schedinaAssente, 1);
    EXPECT_EQ(b.dati.scommesse.nEventi, 0);
    EXPECT_EQ(b.dati.datiModificati, 1);
    EXPECT_TRUE(dlg.datiCambiati());
    ASSERT_TRUE(dlg.testiStato());
    EXPECT_TRUE(dlg.testiStato()->ok);
}

TEST(NuoviIncontri, OkSenzaIncontriChiudeSenzaToccareNulla) {
    Banco b;
    const int prima = b.serieA().numeroIncontri();
    CDlgNuoviIncontri dlg(b.dati, b.msg);
    EXPECT_TRUE(dlg.Ok());
    EXPECT_EQ(b.serieA().numeroIncontri(), prima);
    EXPECT_FALSE(dlg.datiCambiati());
    EXPECT_EQ(b.dati.schedina.schedinaAssente, 0);
    EXPECT_EQ(b.dati.datiModificati, 0);
    EXPECT_TRUE(b.msg.mostrati.empty());
}

TEST(NuoviIncontri, StimeImpossibiliTengonoIRisultatiSenzaDuplicarli) {
    DatiGlobali d;
    MessaggiRegistrati msg;
    Stagione(d.campionato(0), 4, {{0, 1, '1'}});
    CDlgNuoviIncontri dlg(d, msg);
    Componi(dlg, 2, 3, 'X');
    EXPECT_FALSE(dlg.Ok()); // stays open
    // Three matches are too few to fit: that is what the user reads, not a
    // damaged file.
    EXPECT_EQ(msg.testi(), std::vector<std::string>{kMessaggioPochiIncontri});
    EXPECT_EQ(dlg.testiStato()->pannello1, kStimePochiIncontri);
    EXPECT_EQ(d.campionato(0).numeroIncontri(), 3);
    EXPECT_EQ(d.datiModificati, 1); // the results are data to save
    EXPECT_TRUE(dlg.datiCambiati());
    EXPECT_FALSE(dlg.testiStato()->ok);
    EXPECT_TRUE(dlg.inseriti().empty());
    EXPECT_TRUE(dlg.Ok());
    EXPECT_EQ(d.campionato(0).numeroIncontri(), 3);
}

TEST(NuoviIncontri, StimeImpossibiliConMoltiIncontriNonSonoPochiIncontri) {
    // Plenty of matches, but a single home total: the fit fails for the
    // parameters, and the message is the old one.
    Banco b;
    b.serieA().limiteMinCasa = b.serieA().limiteMaxCasa = 0;
    const int prima = b.serieA().numeroIncontri();
    CDlgNuoviIncontri dlg(b.dati, b.msg);
    b.msg.mostrati.clear();
    Componi(dlg, 2, 3, 'X');
    EXPECT_FALSE(dlg.Ok());
    ASSERT_FALSE(b.msg.testi().empty());
    EXPECT_EQ(b.msg.testi().back(),
              "Impossibile calcolare le stime.\nIl file dei dati potrebbe essere corrotto.");
    EXPECT_EQ(dlg.testiStato()->pannello1, kStimeImpossibili);
    EXPECT_EQ(b.serieA().numeroIncontri(), prima + 1);
    EXPECT_EQ(b.serieA().limiteMaxCasa, 0); // the parameters are the user's
}
