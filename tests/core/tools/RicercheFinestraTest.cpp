// The pages of the search window and the comparison of two analyses: the
// search run as a job and its end, interruption, saving and resume, the
// insertion into the archive and what OK and Cancel of the window do with
// the championships; the archive search with "&Ignora"; the comparison's
// texts and print.
#include "../doppi/MessaggiRegistrati.h"
#include "../doppi/OrologioFisso.h"
#include "../doppi/StampaRegistrata.h"
#include "app/DatiGlobali.h"
#include "dati/GeneratoreStagioni.h"
#include "engine/CMotoreStime.h"
#include "engine/ValutatorePercentuali.h"
#include "engine/parametri/CDlgConfrontoAnalisi.h"
#include "engine/parametri/CDlgParametriAvanzati.h"
#include "tools/ricerche/CRicercaAnalisiCorrente.h"
#include "tools/ricerche/CRicercaArchivi.h"
#include "tools/ricerche/CRicercheMiglioriAnalisi.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace veltra;
using namespace veltra::test;

namespace {

struct Finestra {
    std::unique_ptr<DatiGlobali> dati = std::make_unique<DatiGlobali>();
    MessaggiRegistrati messaggi;
    OrologioFisso orologio;
    EsecutoreSincrono esecutore;

    explicit Finestra(std::uint64_t seme = 4) {
        OpzioniGenerazione o;
        o.stagioni = 7;
        o.seme = seme;
        EXPECT_EQ(GeneraStagioni(dati->campionato(0), o), 0);
        CreaMotore(dati->campionato(0));
        dati->campionatoCorrente = 0;
    }
    CCampionato& c() { return dati->campionato(0); }
};

// What the plain search gives for the same start, to compare the page with.
TrovatePercentuali Riferimento(const CCampionato& c, int passo, int ampiezza) {
    auto copia = CopiaPerCalcolo(c);
    EXPECT_EQ(copia->motore->AggiornaStime(), 0);
    ImpostazioniRicercaPercentuali imp;
    imp.passo = passo;
    imp.ampiezza = ampiezza;
    std::atomic<bool> fermo{false};
    ContestoLavoro contesto(fermo, {});
    return CercaPercentuali(*copia, imp, ListaPercentualiIniziale(copia->motore->precisioneMedia()),
                            contesto)
        .trovate;
}

} // namespace

TEST(PaginaRicercaCorrente, RicercaPercentualiFinitaMostraLaMiglioreELaPartenzaTornaAllOk) {
    Finestra f;
    const CAnalisi partenza = AnalisiCorrente(f.c());
    const auto atteso = Riferimento(f.c(), 1, 100);
    ASSERT_NE(atteso[0].percentuali[0], 0) << "the fixture must have a better weighting";

    CRicercheMiglioriAnalisi finestra(*f.dati);
    CRicercaAnalisiCorrente p(*f.dati, finestra.stato(), f.esecutore, f.messaggi, f.orologio, 2);
    EXPECT_FALSE(p.okAbilitato()) << "a window in which no search ran is left with Cancel only";
    p.ImpostaPercentuali(true);
    p.ImpostaPasso(1);
    p.ImpostaAmpiezza(100);
    EXPECT_EQ(p.ampiezza(), 100);
    p.ImpostaPasso(3);
    EXPECT_EQ(p.ampiezza(), 30) << "the step moves the width to ten times itself";
    p.ImpostaAmpiezza(100);
    p.ImpostaPasso(1);
    p.ImpostaAmpiezza(100);
    bool finita = false;
    // While it runs the page shows the best precision found so far.
    std::vector<std::string> testi;
    f.esecutore.avanzamento = [&](const std::string&, const Avanzamento&) {
        p.Sonda();
        if (testi.empty() || testi.back() != p.testoPrecisione()) testi.push_back(p.testoPrecisione());
    };
    p.Cerca([&] { finita = true; });
    f.esecutore.avanzamento = {};
    char ultimo[32];
    std::snprintf(ultimo, sizeof ultimo, "%.1f%%", static_cast<double>(atteso[0].precisione) * 100);
    ASSERT_FALSE(testi.empty());
    EXPECT_EQ(testi.back(), ultimo);
    ASSERT_TRUE(finita);
    EXPECT_FALSE(p.inCorso());
    EXPECT_TRUE(p.okAbilitato());
    EXPECT_EQ(p.trovatePercentuali(), atteso);
    // Slot 0 is shown and applied to the championship.
    EXPECT_EQ(p.indiceTrovata(), 0);
    EXPECT_EQ(f.c().config.percentualiImportanza[0], atteso[0].percentuali[0]);
    EXPECT_NE(p.testoPrecisione().find("('1' = "), std::string::npos);
    // Beside the precision, the percentages of the analysis shown.
    auto percentuali = [&](int k) {
        std::string t;
        for (int g = 0; g < std::max(2, static_cast<int>(partenza.giornateAnalisi)); ++g)
            t += (g ? " - " : "") + std::to_string(atteso[static_cast<std::size_t>(k)].percentuali[static_cast<std::size_t>(g)]) + "%";
        return t;
    };
    EXPECT_EQ(p.testoTrovata(), "Analisi trovata n. 1 - Percentuali d'Importanza: " + percentuali(0));
    if (atteso[1].percentuali[0] != 0) {
        p.SuccessivaTrovata();
        EXPECT_EQ(p.testoTrovata(), "Analisi trovata n. 2 - Percentuali d'Importanza: " + percentuali(1));
        p.PrecedenteTrovata();
    }
    EXPECT_FALSE(p.precedenteTrovataAbilitato());
    EXPECT_EQ(p.successivaTrovataAbilitato(), atteso[1].percentuali[0] != 0);
    EXPECT_TRUE(p.inserisciAbilitato());
    EXPECT_TRUE(f.messaggi.mostrati.empty());

    // OK saves the finished search (it resumes past its end) and puts the
    // starting analysis back.
    p.Ok();
    EXPECT_TRUE(AnalisiCorrente(f.c()).StessiParametri(partenza));
    EXPECT_EQ(f.c().ricerca.tipo, CDumpRicerca::kPercentuali);
    EXPECT_EQ(f.c().ricerca.trovatePercentuali, atteso);
    EXPECT_GT(f.c().ricerca.ripresa, 150);
}

TEST(PaginaRicercaCorrente, NienteDiMeglioLoDiceELasciaLaPartenza) {
    Finestra f;
    // Start from the best weighting: nothing strictly better exists.
    const auto migliore = Riferimento(f.c(), 1, 100);
    std::copy(migliore[0].percentuali.begin(), migliore[0].percentuali.end(),
              f.c().config.percentualiImportanza);
    const CAnalisi partenza = AnalisiCorrente(f.c());
    CRicercheMiglioriAnalisi finestra(*f.dati);
    CRicercaAnalisiCorrente p(*f.dati, finestra.stato(), f.esecutore, f.messaggi, f.orologio, 1);
    p.ImpostaPercentuali(true);
    p.ImpostaAmpiezza(100);
    p.Cerca();
    ASSERT_EQ(f.messaggi.testi(), std::vector<std::string>{kNessunaAnalisiMigliore});
    EXPECT_TRUE(AnalisiCorrente(f.c()).StessiParametri(partenza));
    EXPECT_FALSE(p.inserisciAbilitato());
}

// The advanced search from a start that keeps less data than its minimum
// could accept nothing: the page says which limit stops it and offers score
// limits that reach the minimum. "No" starts nothing; "Si" starts from them,
// while the championship keeps its own limits.
TEST(PaginaRicercaCorrente, AvanzataSottoLUtilizzoMinimoOffreILimiti) {
    Finestra f;
    const CAnalisi partenza = AnalisiCorrente(f.c());
    const UtilizzoPartenza u = ControllaUtilizzo(f.c(), 95);
    ASSERT_TRUE(u.valutata);
    ASSERT_LT(u.datiUsati, 95.0f) << "the fixture must start below the minimum";
    ASSERT_TRUE(u.limiti.has_value());
    EXPECT_GE(u.datiUsatiLimiti, 95.0f);
    // The first widening that reaches it: one point narrower on every side does not.
    {
        auto copia = CopiaPerCalcolo(f.c());
        ParametriAvanzati stretti = LeggiParametriAvanzati(*copia);
        stretti.limiti = *u.limiti;
        stretti.limiti[0]++, stretti.limiti[1]--, stretti.limiti[2]++, stretti.limiti[3]--;
        if (stretti.limiti[0] <= stretti.limiti[1] && stretti.limiti[2] <= stretti.limiti[3] &&
            stretti.limiti != LeggiParametriAvanzati(f.c()).limiti) {
            ApplicaParametriAvanzati(*copia, stretti);
            ASSERT_EQ(copia->motore->AggiornaStime(), 0);
            EXPECT_LT(copia->motore->PercentualeDatiUsati().value_or(0), 95.0f);
        }
    }

    CRicercheMiglioriAnalisi finestra(*f.dati);
    CRicercaAnalisiCorrente p(*f.dati, finestra.stato(), f.esecutore, f.messaggi, f.orologio, 2);
    p.ImpostaPercentuali(false);
    p.ImpostaUtilizzoMinimo(95);
    f.messaggi.risposte = {Risposta::No};
    bool finita = false;
    p.Cerca([&] { finita = true; });
    EXPECT_FALSE(finita);
    EXPECT_FALSE(p.inCorso());
    ASSERT_EQ(f.messaggi.mostrati.size(), 1u);
    const std::string domanda = f.messaggi.mostrati[0].testo;
    EXPECT_EQ(domanda.rfind("L'analisi di partenza usa il ", 0), 0u) << domanda;
    EXPECT_NE(domanda.find("meno dell'Utilizzo Minimo della Base Dati (95%)"), std::string::npos);
    EXPECT_NE(domanda.find(TestoLimitiUtilizzo(u)), std::string::npos) << domanda;
    EXPECT_NE(domanda.find("Desideri avviare la ricerca partendo da questi limiti ?"), std::string::npos);

    f.messaggi.mostrati.clear();
    f.messaggi.risposte = {Risposta::Si};
    p.Cerca([&] { finita = true; });
    ASSERT_TRUE(finita);
    EXPECT_FALSE(p.inCorso());
    // Whatever it found keeps the minimum; the championship keeps its limits.
    for (const auto& t : p.trovateAvanzate()) {
        if (t.precisione < 0) continue;
        auto copia = CopiaPerCalcolo(f.c());
        ApplicaParametriAvanzati(*copia, {t.punteggi, t.limiti});
        ASSERT_EQ(copia->motore->AggiornaStime(), 0);
        EXPECT_GE(copia->motore->PercentualeDatiUsati().value_or(0), 95.0f);
    }
    p.RimettiPartenza();
    EXPECT_TRUE(AnalisiCorrente(f.c()).StessiParametri(partenza));
}

// Interrupted after some of the 101 pairs, saved, reloaded on a new page and
// resumed (on two threads): the same list as one uninterrupted search.
TEST(PaginaRicercaCorrente, InterrottaSalvataRicaricataERipresaDaLaStessaLista) {
    Finestra f;
    const auto atteso = Riferimento(f.c(), 1, 100);
    const CAnalisi salvata = AnalisiCorrente(f.c());
    {
        CRicercheMiglioriAnalisi finestra(*f.dati);
        CRicercaAnalisiCorrente p(*f.dati, finestra.stato(), f.esecutore, f.messaggi, f.orologio, 1);
        p.ImpostaPercentuali(true);
        p.ImpostaAmpiezza(100);
        f.esecutore.fermaDopo = 40;
        p.Cerca();
        f.esecutore.fermaDopo = 0;
        EXPECT_FALSE(p.inCorso());
        EXPECT_TRUE(p.okAbilitato()) << "an interruption enables OK";
        p.Ok();
    }
    const CDumpRicerca& d = f.c().ricerca;
    EXPECT_EQ(d.tipo, CDumpRicerca::kPercentuali);
    EXPECT_EQ(d.passo, 1);
    EXPECT_EQ(d.ampiezza, 100);
    EXPECT_GT(d.ripresa, 50);
    EXPECT_LT(d.ripresa, 150);
    EXPECT_EQ(f.dati->datiModificati, 1);

    // The folder's analysis may differ meanwhile: the reload brings the saved start back.
    f.c().config.percentualiImportanza[0] = 120;
    f.c().config.percentualiImportanza[1] = 80;
    CRicercheMiglioriAnalisi finestra(*f.dati);
    CRicercaAnalisiCorrente p(*f.dati, finestra.stato(), f.esecutore, f.messaggi, f.orologio, 2);
    std::vector<TestiStato> stati;
    p.mostraStato = [&](const TestiStato& t) { stati.push_back(t); };
    p.Ricarica();
    EXPECT_TRUE(AnalisiCorrente(f.c()).StessiParametri(salvata));
    ASSERT_FALSE(stati.empty());
    EXPECT_TRUE(p.percentuali());
    EXPECT_TRUE(p.ripresa());
    EXPECT_FALSE(p.ricaricaAbilitato());
    EXPECT_EQ(p.trovatePercentuali(), d.trovatePercentuali);
    p.ImpostaProcessoreIntero(false); // a change of setting ends the resuming state...
    EXPECT_FALSE(p.ripresa());
    p.Ricarica();                     // ...which the reload gives back
    ASSERT_TRUE(p.ripresa());
    p.ImpostaProcessoreIntero(true);
    p.Ricarica();
    p.Cerca();
    EXPECT_EQ(p.trovatePercentuali(), atteso);
    EXPECT_FALSE(p.ripresa());
}

// "&Interrompi" during the search asks first; No goes on, Yes stops it at
// the next block and saves it.
TEST(PaginaRicercaCorrente, InterrompiChiedeESalvaConSi) {
    Finestra f;
    CRicercheMiglioriAnalisi finestra(*f.dati);
    CRicercaAnalisiCorrente p(*f.dati, finestra.stato(), f.esecutore, f.messaggi, f.orologio, 1);
    p.ImpostaPercentuali(true);
    p.ImpostaAmpiezza(100);
    int rapporti = 0;
    f.messaggi.risposte = {Risposta::No, Risposta::Si};
    f.esecutore.avanzamento = [&](const std::string&, const Avanzamento&) {
        ++rapporti;
        if (rapporti == 10 || rapporti == 20) {
            EXPECT_EQ(p.TestoCerca(), "&Interrompi");
            p.Cerca();
        }
    };
    p.Cerca();
    EXPECT_EQ(rapporti, 20);
    ASSERT_EQ(f.messaggi.mostrati.size(), 2u);
    EXPECT_EQ(f.messaggi.mostrati[0].testo,
              "Desideri interrompere la Ricerca in corso,\ne salvarla per riprenderla in seguito ?");
    EXPECT_EQ(f.messaggi.mostrati[0].pulsanti, Pulsanti::SiNo);
    EXPECT_FALSE(p.inCorso());
    EXPECT_EQ(p.TestoCerca(), "C&erca...");
    EXPECT_TRUE(p.okAbilitato());
    // Two matchdays: one block per pair, so 20 pairs done; the search resumes
    // at (130, 70), stored as the value of the loop over w[1].
    EXPECT_EQ(f.c().ricerca.ripresa, 70);
}

TEST(PaginaRicercaCorrente, RicaricaSenzaRicercaSalvataLoDice) {
    Finestra f;
    CRicercheMiglioriAnalisi finestra(*f.dati);
    CRicercaAnalisiCorrente p(*f.dati, finestra.stato(), f.esecutore, f.messaggi, f.orologio, 1);
    const CAnalisi prima = AnalisiCorrente(f.c());
    p.Ricarica();
    EXPECT_EQ(f.messaggi.mostrati.size(), 1u);
    EXPECT_FALSE(p.ripresa());
    EXPECT_TRUE(AnalisiCorrente(f.c()).StessiParametri(prima));
}

// Analyses inserted from the found list stay with OK and go with Cancel;
// "&Recupera" of another analysis is a parameter change OK announces.
TEST(FinestraRicerche, InseriteRestanoConOkESparisconoConAnnulla) {
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "OK" : "Annulla");
        Finestra f;
        const CAnalisi partenza = AnalisiCorrente(f.c());
        int annunci = 0;
        auto iscrizione = f.dati->notifiche.Iscrivi([&](const AvvisoCambiamento& a) {
            if (a.cosa == Cambiamento::Analisi && a.campionato == 0) ++annunci;
        });
        CRicercheMiglioriAnalisi finestra(*f.dati);
        CRicercaAnalisiCorrente p(*f.dati, finestra.stato(), f.esecutore, f.messaggi, f.orologio, 1);
        p.ImpostaPercentuali(true);
        p.ImpostaAmpiezza(100);
        p.ImpostaPasso(5);
        p.ImpostaAmpiezza(100);
        p.Cerca();
        ASSERT_TRUE(p.inserisciAbilitato());
        p.Inserisci();
        ASSERT_EQ(f.c().archivio.numero(), 1);
        EXPECT_EQ(f.c().archivio.analisi[0].titolo, "09/05/2005 - 21 : 05 : 07");
        EXPECT_TRUE(AnalisiCorrente(f.c()).StessiParametri(partenza)) << "the start goes back after inserting";
        if (p.successivaTrovataAbilitato()) {
            p.SuccessivaTrovata();
            p.Inserisci();
            EXPECT_EQ(f.c().archivio.numero(), 2);
        }
        // The archived one becomes the start and the current analysis.
        p.Recupera();
        EXPECT_FALSE(AnalisiCorrente(f.c()).StessiParametri(partenza));
        EXPECT_FALSE(p.inserisciAbilitato()) << "a new start clears the found display";
        p.Ok();
        if (ok) {
            EXPECT_TRUE(finestra.Ok());
            EXPECT_EQ(annunci, 1);
            EXPECT_EQ(f.dati->datiModificati, 1);
            EXPECT_GE(f.c().archivio.numero(), 1);
        } else {
            finestra.Annulla();
            EXPECT_EQ(annunci, 0);
            EXPECT_EQ(f.c().archivio.numero(), 0);
            EXPECT_TRUE(AnalisiCorrente(f.c()).StessiParametri(partenza));
        }
        const TestiStato t = finestra.Chiudi();
        EXPECT_TRUE(t.ok);
        EXPECT_EQ(t.pannello2, ok ? "Analisi n. 1 dell'Archivio" : "Analisi non presente in Archivio");
    }
}

TEST(FinestraRicerche, OkConSoloLArchivioCambiatoSegnaIDatiSenzaAnnunci) {
    Finestra f;
    int annunci = 0;
    auto iscrizione = f.dati->notifiche.Iscrivi([&](const AvvisoCambiamento&) { ++annunci; });
    CRicercheMiglioriAnalisi finestra(*f.dati);
    CAnalisi a = AnalisiCorrente(f.c());
    InserisciAnalisi(f.c().archivio, a, "x", nullptr);
    EXPECT_FALSE(finestra.Ok());
    EXPECT_EQ(annunci, 0);
    EXPECT_EQ(f.dati->datiModificati, 1);
}

// The archive search improves the group's archives; "&Ignora" takes the
// earlier version back; the two pages never search at once.
TEST(PaginaRicercaArchivi, MigliorataSiConfrontaESiIgnora) {
    Finestra f(6);
    CAnalisi a = AnalisiCorrente(f.c());
    a.titolo = "prima";
    f.c().archivio.analisi.push_back(a);
    CAnalisi b = a;
    b.titolo = "seconda";
    b.percentualiImportanza[0] = 130;
    b.percentualiImportanza[1] = 70;
    f.c().archivio.analisi.push_back(b);
    f.c().archivio.corrente = 0;
    CRicercheMiglioriAnalisi finestra(*f.dati);
    CRicercaArchivi p(*f.dati, finestra.stato(), f.esecutore, f.messaggi, f.orologio, 1);
    CRicercaAnalisiCorrente prima(*f.dati, finestra.stato(), f.esecutore, f.messaggi, f.orologio, 1);
    p.Aggiungi(-1);
    EXPECT_EQ(f.messaggi.testi(), std::vector<std::string>{"Selezionare un campionato dalla lista di sinistra."});
    p.Aggiungi(0);
    EXPECT_TRUE(p.incluso(0));
    p.Visualizza(0);
    EXPECT_FALSE(p.modificata());
    const CAnalisi correnteDelCampionato = AnalisiCorrente(f.c());
    // While the archive search runs the other page cannot start one, and
    // the page shows where the search is and the log so far.
    std::string logDuranteLaSeconda;
    f.esecutore.avanzamento = [&](const std::string&, const Avanzamento&) {
        prima.Cerca();
        EXPECT_FALSE(prima.inCorso());
        p.Sonda();
        EXPECT_EQ(p.testoArchivio(), std::string(Campionato(0).nome));
        if (p.testoAnalisi() == "2 DI 2" && logDuranteLaSeconda.empty()) logDuranteLaSeconda = p.log();
    };
    p.Cerca();
    f.esecutore.avanzamento = {};
    EXPECT_TRUE(p.cercato());
    ASSERT_EQ(f.c().archivio.numero(), 2);
    EXPECT_NE(logDuranteLaSeconda.find("Analisi n. 1 del campionato di"), std::string::npos);
    ASSERT_TRUE(p.modificata()) << p.log();
    EXPECT_NE(p.log().find("Analisi n. 1 del campionato di"), std::string::npos);
    EXPECT_NE(f.c().archivio.analisi[0].descrizione.find("prima"), std::string::npos);
    EXPECT_FALSE(p.TestoValoriOriginali().empty());
    EXPECT_TRUE(AnalisiCorrente(f.c()).StessiParametri(correnteDelCampionato));

    f.messaggi.risposte = {Risposta::No, Risposta::Si};
    p.Ignora();
    EXPECT_TRUE(p.modificata());
    p.Ignora();
    EXPECT_FALSE(p.modificata());
    EXPECT_EQ(f.c().archivio.analisi[0].titolo, "prima");
}

TEST(ConfrontoAnalisi, TestiERigheStampateAffiancano) {
    CAnalisi a, b;
    a.giornateAnalisi = 3;
    a.percentualiImportanza[0] = 120; a.percentualiImportanza[1] = 90; a.percentualiImportanza[2] = 90;
    b.giornateAnalisi = 2;
    b.percentualiImportanza[0] = 101; b.percentualiImportanza[1] = 99;
    a.limiteMinTrasferta = -3; a.limiteMaxTrasferta = 4;
    b.limiteMinTrasferta = 0; b.limiteMaxTrasferta = -2;
    b.punteggiAvanzati.punti[0] = 1.25f;
    b.punteggiAvanzati.importanzaMin = 0.55f;
    CDlgConfrontoAnalisi d("Titolo", a, b);
    EXPECT_EQ(d.TestoPesi(), "120% / 101%  ;  90% / 99%  ;  90% / -  ;  - / -  ;  - / -");
    EXPECT_EQ(d.TestoPunti(0), "+0.00 / +1.25");
    EXPECT_EQ(d.TestoLimiteMin(true), "-3 / +0");
    EXPECT_EQ(d.TestoImportanzaMin(), "100% / 55%");
    const auto righe = d.RigheStampa();
    const auto ha = [&](const std::string& r) { return std::find(righe.begin(), righe.end(), r) != righe.end(); };
    // Integers with the sign-aware integer format, away as at home.
    EXPECT_TRUE(ha("Limiti punteggi tot. in Trasferta: Min: -3 / +0    Max: +4 / -2"));
    EXPECT_TRUE(ha("Limiti punteggi tot. in Casa: Min: -1 / -1    Max: +0 / +0"));
    EXPECT_TRUE(ha("Vittoria in Casa contro squadra forte  : +0.00 / +1.25"));
    EXPECT_TRUE(ha("Percentuali d'importanza dei campionati: Min: 100% / 55%     Max: 100% / 100%"));

    MessaggiRegistrati m;
    OrologioFisso o;
    ServizioStampaRegistrato s;
    m.risposte = {Risposta::Annulla};
    d.Stampa(m, s, o);
    EXPECT_EQ(s.richieste, 0);
    m.risposte = {Risposta::Ok};
    d.Stampa(m, s, o);
    EXPECT_EQ(s.dispositivo.pagine, 1);
    ASSERT_FALSE(s.dispositivo.righe.empty());
    EXPECT_EQ(s.dispositivo.righe[0].testo, "Titolo (09/05/2005)");
    EXPECT_EQ(s.dispositivo.righe.size(), righe.size() + 1 - static_cast<std::size_t>(std::count(righe.begin(), righe.end(), "")));
}

// The advanced parameters of an archived analysis shown from the search
// pages: read-only, nothing reaches the championship.
TEST(ParametriAvanzatiInLettura, MostraLAnalisiSenzaToccareIlCampionato) {
    Finestra f;
    const CAnalisi corrente = AnalisiCorrente(f.c());
    CAnalisi a = corrente;
    a.limiteMinCasa = -3;
    a.punteggiAvanzati.punti[0] = 0.75f;
    a.precisione1 = 0.5f;
    CDlgParametriAvanzati d(*f.dati, 0, a);
    EXPECT_TRUE(d.solaLettura());
    EXPECT_TRUE(d.okAbilitato());
    EXPECT_FALSE(d.allineaAbilitato());
    EXPECT_NE(d.Titolo().find(std::string(Campionato(0).nome)), std::string::npos);
    EXPECT_EQ(d.Valore(CDlgParametriAvanzati::kLimiteMinCasa), -3.0);
    EXPECT_EQ(d.Valore(0), 0.75);
    d.Imposta(0, 1.5);
    d.Ok();
    d.Annulla();
    EXPECT_EQ(d.Valore(0), 0.75);
    EXPECT_TRUE(AnalisiCorrente(f.c()).StessiParametri(corrente));
    EXPECT_FALSE(d.TestoIntervalloStagioni().empty());
}
