// The new-championship dialog through its core class.
#include "app/inserimento/CDlgNuovoCampionato.h"
#include "app/DatiGlobali.h"
#include "app/inserimento/DatiDipendenti.h"
#include "dati/GeneratoreStagioni.h"
#include "doppi/OrologioFisso.h"
#include "engine/MessaggioStato.h"
#include "tools/scontri/CScontriDiretti.h"

#include "doppi/MessaggiRegistrati.h"

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

namespace {

const char* kNullo = "Inserimento nullo.\nDigitare il nome di una squadra.";
const char* kDuplicato = "Inserimento duplicato.\nLa squadra e' gia' inclusa nella lista.";

std::string Riempito(std::string s, std::size_t caratteri) {
    return s + std::string(15 - caratteri, ' ');
}

// Germany with stored seasons, a coupon and betting events.
struct Banco {
    DatiGlobali dati;
    MessaggiRegistrati msg;
    Banco() {
        OpzioniGenerazione o;
        o.stagioni = 4;
        o.squadre = 18;
        GeneraStagioni(dati.campionato(8), o);
        dati.campionatoCorrente = 8;
        dati.schedina.schedinaAssente = 0;
        dati.schedina.partite[3].squadraCasa = "Alfa";
        dati.schedina.riduzioneMin = 0;
        dati.schedina.riduzioneMax = 2;
        dati.schedina.probMinFissa = 0.6f;
        dati.condizionamenti.numColonneFiltro = 3;
        dati.scommesse.nEventi = 2;
        dati.scommesse.eventi[0].campionato = 8;
    }
};

} // namespace

TEST(NuovoCampionato, AggiungiRifiutaNomiVuotiEDuplicati) {
    struct Caso {
        const char* digitato;
        const char* messaggio; // nullptr: accepted
    };
    const Caso casi[] = {
        {"Milan", nullptr},
        {"", kNullo},
        {"   ", kNullo},
        {"MILAN", kDuplicato},
        {"milan   ", kDuplicato},
        {"  Milan", kDuplicato}, // leading blanks are not part of a name
        {"Mila", nullptr},       // a prefix is another team
        {"Inter Milan", nullptr},
        {"inter.milan", kDuplicato}, // both would be stored as "Inter.Milan"
        {"Città", nullptr},
        {"CITTÀ", kDuplicato},
    };
    Banco b;
    CDlgNuovoCampionato dlg(b.dati, b.msg);
    EXPECT_EQ(dlg.Titolo(), "VELTRA - Germania. Nuovo Campionato");
    std::size_t righe = 0;
    for (const Caso& c : casi) {
        b.msg.mostrati.clear();
        dlg.ImpostaNuovaSquadra(c.digitato);
        EXPECT_EQ(dlg.Aggiungi(), c.messaggio == nullptr) << c.digitato;
        if (c.messaggio) {
            EXPECT_EQ(b.msg.testi(), std::vector<std::string>{c.messaggio}) << c.digitato;
            EXPECT_EQ(dlg.nuovaSquadra(), c.digitato); // the typing is not lost
        } else {
            ++righe;
            EXPECT_TRUE(b.msg.mostrati.empty()) << c.digitato;
            EXPECT_EQ(dlg.nuovaSquadra(), "");
        }
        EXPECT_EQ(dlg.lista().size(), righe);
    }
    EXPECT_EQ(dlg.lista(),
              (std::vector<std::string>{Riempito("Milan", 5), Riempito("Mila", 4),
                                        Riempito("Inter Milan", 11), Riempito("Città", 5)}));
}

TEST(NuovoCampionato, NomiTagliatiA15CaratteriETogliRimetteNelCampo) {
    Banco b;
    CDlgNuovoCampionato dlg(b.dati, b.msg);
    dlg.ImpostaNuovaSquadra("Borussia Mönchengladbach");
    EXPECT_EQ(dlg.nuovaSquadra(), "Borussia Mönche");
    ASSERT_TRUE(dlg.Aggiungi());
    dlg.ImpostaNuovaSquadra("Roma");
    ASSERT_TRUE(dlg.Aggiungi());

    EXPECT_FALSE(dlg.Togli(-1));
    EXPECT_EQ(b.msg.testi(),
              std::vector<std::string>{"Trovato errore in input.\nSelezionare una squadra."});
    EXPECT_TRUE(dlg.Togli(1));
    EXPECT_EQ(dlg.nuovaSquadra(), "Roma");
    EXPECT_EQ(dlg.lista(), std::vector<std::string>{"Borussia Mönche"});
}

TEST(NuovoCampionato, OkConMenoDiDueSquadreRestaAperto) {
    Banco b;
    const int incontri = b.dati.campionato(8).numeroIncontri();
    CDlgNuovoCampionato dlg(b.dati, b.msg);
    dlg.ImpostaNuovaSquadra("Roma");
    dlg.Aggiungi();
    EXPECT_FALSE(dlg.Ok());
    EXPECT_EQ(b.msg.testi(),
              std::vector<std::string>{
                  "Trovato errore in input.\nInserire il nome di almeno due squadre"});
    EXPECT_FALSE(dlg.datiCambiati());
    EXPECT_EQ(b.dati.campionato(8).numeroIncontri(), incontri);
    EXPECT_EQ(b.dati.schedina.schedinaAssente, 0);
}

TEST(NuovoCampionato, OkAggiungeLaStagioneECancellaSistemaEScommesse) {
    Banco b;
    CCampionato& ge = b.dati.campionato(8);
    const int stagioni = ge.config.numeroStagioni();
    const int incontri = ge.numeroIncontri();
    CDlgNuovoCampionato dlg(b.dati, b.msg);
    for (const char* n : {"Bayern", "Werder Brema", "Colonia"}) {
        dlg.ImpostaNuovaSquadra(n);
        ASSERT_TRUE(dlg.Aggiungi());
    }
    EXPECT_TRUE(dlg.Ok());

    EXPECT_EQ(ge.config.numeroStagioni(), stagioni + 1);
    EXPECT_EQ(ge.squadreCorrenti().nomi,
              (std::vector<std::string>{"Bayern", "Werder.Brema", "Colonia"}));
    ASSERT_EQ(ge.numeroIncontri(), incontri + 1);
    EXPECT_TRUE(ge.incontri[incontri].separatore());
    EXPECT_EQ(b.msg.testi(), (std::vector<std::string>{kAvvisoCancellazioneSistema,
                                                       kAvvisoCancellazioneScommesse}));
    EXPECT_EQ(b.dati.schedina.schedinaAssente, 1);
    EXPECT_EQ(b.dati.schedina.partite[3], Partita{});
    EXPECT_EQ(b.dati.schedina.riduzioneMin, -1);
    EXPECT_EQ(b.dati.schedina.probMinFissa, 0.6f); // a setting, not part of the coupon
    EXPECT_EQ(b.dati.condizionamenti.numColonneFiltro, 0);
    EXPECT_EQ(b.dati.scommesse, ScommessaMgr{});
    EXPECT_EQ(b.dati.datiModificati, 1);
    EXPECT_TRUE(dlg.datiCambiati());
    ASSERT_TRUE(dlg.testiStato());
    EXPECT_TRUE(dlg.testiStato()->ok) << dlg.testiStato()->pannello1;
}

TEST(NuovoCampionato, SenzaSistemaNeScommesseNessunAvviso) {
    Banco b;
    b.dati.schedina.schedinaAssente = 1;
    b.dati.scommesse.nEventi = 0;
    CDlgNuovoCampionato dlg(b.dati, b.msg);
    for (const char* n : {"A", "B"}) {
        dlg.ImpostaNuovaSquadra(n);
        dlg.Aggiungi();
    }
    EXPECT_TRUE(dlg.Ok());
    EXPECT_TRUE(b.msg.mostrati.empty());
    // The stale coupon rows go all the same.
    EXPECT_EQ(b.dati.schedina.partite[3], Partita{});
}

TEST(NuovoCampionato, PrimaStagioneDiUnCampionatoVuotoNonEUnFileCorrotto) {
    // Serie C1 ships empty and is filled by hand: its first season has no
    // match to fit. The user is told the estimates need matches, and the
    // parameters set for C1 stay.
    DatiGlobali dati;
    MessaggiRegistrati msg;
    dati.campionatoCorrente = 2;
    CCampionato& c1 = dati.campionato(2);
    c1.config.giornateAnalisi = 3;
    c1.limiteMinCasa = -3;
    c1.limiteMaxCasa = 1;
    c1.punteggiAvanzati.importanzaMin = 0.6f;
    const OrologioFisso maggio2005;
    CDlgNuovoCampionato dlg(dati, msg, &maggio2005);
    for (const char* n : {"Alfa", "Beta", "Gamma", "Delta"}) {
        dlg.ImpostaNuovaSquadra(n);
        ASSERT_TRUE(dlg.Aggiungi());
    }
    EXPECT_TRUE(dlg.Ok());
    // Typed in May 2005, it is the season 2004/2005: season 19 of a
    // championship that starts in 1986, the 18 before it stored empty.
    ASSERT_EQ(c1.config.numeroStagioni(), 19);
    EXPECT_TRUE(c1.squadreStagione(18).nomi.empty());
    EXPECT_EQ(c1.squadreCorrenti().nomi.size(), 4u);
    CScontriDiretti scontri(dati);
    scontri.Aggiorna(false);
    EXPECT_EQ(scontri.testoPrimaStagione(), "STATISTICHE DALLA STAGIONE 2004/2005");
    EXPECT_EQ(msg.testi(), std::vector<std::string>{kMessaggioPochiIncontri});
    EXPECT_EQ(c1.config.giornateAnalisi, 3);
    EXPECT_EQ(c1.limiteMinCasa, -3);
    EXPECT_EQ(c1.limiteMaxCasa, 1);
    EXPECT_EQ(c1.punteggiAvanzati.importanzaMin, 0.6f);
    ASSERT_TRUE(dlg.testiStato());
    EXPECT_FALSE(dlg.testiStato()->ok);
    EXPECT_EQ(dlg.testiStato()->pannello1, kStimePochiIncontri);
}
