// The main window offscreen on a generated working folder.
#include "app/CVltMain.h"

#include "aiuto/FinestraAiutoQt.h"
#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "app/Salvataggio.h"
#include "app/shell/Comandi.h"
#include "betting/RicalcolaEventi.h"
#include "betting/Strategie.h"
#include "dati/GeneratoreStagioni.h"
#include "engine/MessaggioStato.h"
#include "engine/parametri/CDlgImpostazioneParametriQt.h"
#include "platform/AiutoQt.h"
#include "platform/Piattaforma.h"
#include "platform/Stampa.h"
#include "tools/pronostici/CPronosticiQt.h"
#include "dati/SelezioneCampionatiQt.h"
#include <QPushButton>

#include "Supporto.h"
#include "doppi/MessaggiRegistrati.h"
#include "platform/Modale.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QShortcut>

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

namespace {

class AiutoMuto : public IAiuto {
public:
    void Mostra(int contesto) override { contesti.push_back(contesto); }
    std::vector<int> contesti;
};

class NessunaStampante : public IServizioStampa {
public:
    std::unique_ptr<IDispositivoStampa> ScegliDispositivo() override { return nullptr; }
};

class FinestraPrincipaleTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto origine = std::make_unique<DatiGlobali>();
        OpzioniGenerazione o;
        o.stagioni = 4;
        ASSERT_EQ(GeneraStagioni(origine->campionato(0), o), 0);
        o.squadre = 18;
        o.seme = 9;
        ASSERT_EQ(GeneraStagioni(origine->campionato(8), o), 0);
        MessaggiSilenziosi m;
        ASSERT_TRUE(SalvaDati(*origine, dir.percorso(), m));
        ASSERT_TRUE(CaricaAvvio(*dati, dir.percorso(), msg));
        const auto stato = StimeAvvio(*dati, msg);
        ASSERT_TRUE(stato);
        finestra = std::make_unique<CVltMain>(*dati, dir.percorso(), msg, aiuto, stampa, orologio,
                                              *stato);
    }
    CartellaTemporanea dir;
    std::unique_ptr<DatiGlobali> dati = std::make_unique<DatiGlobali>();
    MessaggiRegistrati msg;
    AiutoMuto aiuto;
    NessunaStampante stampa;
    OrologioDiSistema orologio;
    std::unique_ptr<CVltMain> finestra;
};

} // namespace

TEST_F(FinestraPrincipaleTest, TitoloStatoEComandi) {
    EXPECT_EQ(finestra->windowTitle(), "VELTRA 2005 - MARVEN 9 - TALBOR 6");
    EXPECT_TRUE(finestra->testoPannello1().startsWith("Serie A. Precisione Analisi Corrente: "));
    EXPECT_EQ(finestra->testoPannello2(), "Analisi non presente in Archivio");
    ASSERT_NE(finestra->azione(40066), nullptr);
    EXPECT_TRUE(finestra->azione(40066)->isChecked());
    EXPECT_TRUE(finestra->azione(comando::CalcoloPicchetti)->isEnabled());
    // Every window is built now: the print manager and the strategy search
    // are always there.
    EXPECT_TRUE(finestra->azione(comando::Stampa)->isEnabled());
    EXPECT_TRUE(finestra->azione(comando::RicercaStrategie)->isEnabled());
    EXPECT_TRUE(finestra->azione(comando::CreaStrategia)->isEnabled());
    // The odds: entry always, modification and the bet selection with events.
    EXPECT_TRUE(finestra->azione(comando::ImmissioneQuote)->isEnabled());
    EXPECT_FALSE(finestra->azione(comando::CalcoloScommesse)->isEnabled());
    // The coupon commands: a new coupon always, its system once there is one.
    EXPECT_TRUE(finestra->azione(comando::NuovaSchedina)->isEnabled());
    EXPECT_FALSE(finestra->azione(comando::SistemaIntegrale)->isEnabled());
    finestra->Esegui(comando::Sommario);
    EXPECT_EQ(aiuto.contesti, std::vector<int>{0x20065});
}

// The command table and the shell's command list agree: a command marked as
// built has its row (else its menu item would be enabled and do nothing), a
// command still to come has none; every championship has its row.
TEST_F(FinestraPrincipaleTest, OgniComandoCostruitoHaLaSuaAzione) {
    for (const DescrizioneComando& d : ComandiPrincipali())
        EXPECT_EQ(finestra->ComandoCollegato(d.id), d.costruito) << d.id << " " << d.voceMenu;
    for (int c = 0; c < kNumeroCampionati; ++c)
        EXPECT_TRUE(finestra->ComandoCollegato(Campionato(c).comando)) << Campionato(c).nome;
}

TEST_F(FinestraPrincipaleTest, CambioDiCampionatoAggiornaIPronostici) {
    finestra->Esegui(comando::CalcoloPicchetti);
    CPronosticiQt* p = finestra->finestraPronostici();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->windowTitle(), "VELTRA - Serie A. Pronostici");
    auto* casa = p->findChild<QListWidget*>("listaCasa");
    auto* trasferta = p->findChild<QListWidget*>("listaTrasferta");
    ASSERT_EQ(casa->count(), 20);
    casa->setCurrentRow(1);
    trasferta->setCurrentRow(2);
    EXPECT_TRUE(p->logica().stampaAbilitata());

    finestra->Esegui(40103); // Germania
    EXPECT_TRUE(finestra->testoPannello1().startsWith("Germania. Precisione"));
    EXPECT_TRUE(finestra->azione(40103)->isChecked());
    EXPECT_FALSE(finestra->azione(40066)->isChecked());
    EXPECT_EQ(p->windowTitle(), "VELTRA - Germania. Pronostici");
    EXPECT_EQ(casa->count(), 18);
    EXPECT_FALSE(p->logica().stampaAbilitata());

    // A championship whose estimates cannot be computed closes the window.
    finestra->Esegui(40100); // Inghilterra: no data
    EXPECT_EQ(finestra->testoPannello1(), kStimePochiIncontri);
    EXPECT_EQ(finestra->finestraPronostici(), nullptr);
}

TEST_F(FinestraPrincipaleTest, FinestreDiAnalisiRegistrateEAggiornate) {
    // Each command opens its window once; a second use brings the same one forward.
    struct Caso {
        int comando;
        Finestra finestra;
    };
    for (const Caso c : {Caso{comando::ImpostazioneParametri, Finestra::AnalisiCorrente},
                         Caso{comando::ClassificaCampionato, Finestra::Classifica},
                         Caso{comando::ScontriDiretti, Finestra::ScontriDiretti}}) {
        finestra->Esegui(c.comando);
        QDialog* prima = finestra->finestra(c.finestra);
        ASSERT_NE(prima, nullptr) << c.comando;
        finestra->Esegui(c.comando);
        EXPECT_EQ(finestra->finestra(c.finestra), prima) << c.comando;
    }
    // A change of championship reaches them all; closing one forgets it.
    finestra->Esegui(40103);
    EXPECT_TRUE(finestra->finestra(Finestra::Classifica)->windowTitle().contains("Germania"));
    finestra->finestra(Finestra::Classifica)->reject();
    EXPECT_EQ(finestra->finestra(Finestra::Classifica), nullptr);
    EXPECT_TRUE(finestra->statoShell().finestre.Aperta(Finestra::ScontriDiretti));
}

TEST_F(FinestraPrincipaleTest, UscendoSiChiudeAncheLAiuto) {
    // The help left open must not outlive the main window (nor keep the
    // process, and its folder, alive).
    AiutoQt aiutoVero;
    CVltMain principale(*dati, dir.percorso(), msg, aiutoVero, stampa, orologio,
                        TestiStato{true, "", ""});
    principale.show();
    aiutoVero.Mostra(kAiutoFinestraPrincipale);
    ASSERT_NE(aiutoVero.Finestra(), nullptr);
    ASSERT_TRUE(aiutoVero.Finestra()->isVisible());
    msg.risposte = {Risposta::Si};
    EXPECT_TRUE(principale.close());
    EXPECT_FALSE(principale.isVisible());
    EXPECT_FALSE(aiutoVero.Finestra()->isVisible());
}

TEST_F(FinestraPrincipaleTest, UscitaConLAnalisiApertaChiedeDellArchivio) {
    finestra->Esegui(comando::ImpostazioneParametri);
    auto* w =
        static_cast<CDlgImpostazioneParametriQt*>(finestra->finestra(Finestra::AnalisiCorrente));
    ASSERT_NE(w, nullptr);
    w->logica().Inserisci();
    // Cancel at the window's question: the program stays.
    msg.risposte = {Risposta::Annulla};
    EXPECT_FALSE(finestra->close());
    ASSERT_EQ(msg.mostrati.size(), 1u);
    EXPECT_EQ(msg.mostrati[0].testo.rfind("Prima di uscire da VELTRA, desideri confermare", 0), 0u);
    // Yes: the archive is kept, and so the exit asks to save.
    msg.mostrati.clear();
    msg.risposte = {Risposta::Si, Risposta::No};
    EXPECT_TRUE(finestra->close());
    EXPECT_EQ(dati->campionato(0).archivio.numero(), 1);
    ASSERT_EQ(msg.mostrati.size(), 2u);
    EXPECT_EQ(msg.mostrati[1].testo, "Vuoi salvare le modifiche, prima di uscire da VELTRA ?");
}

TEST_F(FinestraPrincipaleTest, FineSessioneChiedeAlleFinestreEChiudeTutto) {
    // The end of the desktop session asks what "Esci" asks, and on consent
    // leaves no window of the program behind.
    AiutoQt aiutoVero;
    CVltMain principale(*dati, dir.percorso(), msg, aiutoVero, stampa, orologio,
                        TestiStato{true, "", ""});
    principale.show();
    principale.Esegui(comando::ImpostazioneParametri);
    auto* w = static_cast<CDlgImpostazioneParametriQt*>(
        principale.finestra(Finestra::AnalisiCorrente));
    ASSERT_NE(w, nullptr);
    w->logica().Inserisci();
    aiutoVero.Mostra(kAiutoFinestraPrincipale);
    ASSERT_NE(aiutoVero.Finestra(), nullptr);

    // Cancel at the analysis window's question: the session is kept.
    msg.risposte = {Risposta::Annulla};
    EXPECT_FALSE(principale.TerminaSessione(true));
    ASSERT_EQ(msg.mostrati.size(), 1u);
    EXPECT_EQ(msg.mostrati[0].testo.rfind("Prima di uscire da VELTRA, desideri confermare", 0), 0u);
    EXPECT_TRUE(aiutoVero.Finestra()->isVisible());

    // Keep the analysis, then do not save: everything closes.
    msg.mostrati.clear();
    msg.risposte = {Risposta::Si, Risposta::No};
    EXPECT_TRUE(principale.TerminaSessione(true));
    EXPECT_EQ(dati->campionato(0).archivio.numero(), 1);
    EXPECT_EQ(msg.mostrati.size(), 2u);
    EXPECT_FALSE(aiutoVero.Finestra()->isVisible());
    EXPECT_EQ(principale.finestra(Finestra::AnalisiCorrente), nullptr);
}

TEST_F(FinestraPrincipaleTest, FiltroStoricoVisibileNellaBarraDiStato) {
    EXPECT_TRUE(finestra->testoFiltroStorico().isEmpty());
    CCampionato& a = dati->campionato(0);
    a.stagioneFiltro = 3;
    a.ultimoIncontroFiltro = a.incontri.inizioStagione(2) + 15;
    finestra->Esegui(40066); // Serie A again: the status is recomputed
    const QString filtro = finestra->testoFiltroStorico();
    EXPECT_TRUE(filtro.startsWith("Filtro storico: fino a ")) << filtro.toStdString();
    EXPECT_TRUE(filtro.endsWith("(1963/1964)")) << filtro.toStdString();
    finestra->Esegui(40103); // Germania: the cut-off is elsewhere, still said
    EXPECT_EQ(finestra->testoFiltroStorico(), "Filtro storico su altri campionati");
    a.stagioneFiltro = a.ultimoIncontroFiltro = -1;
    finestra->Esegui(40066);
    EXPECT_TRUE(finestra->testoFiltroStorico().isEmpty());
}

// The status line with a cut-off keeps pane 1 whole (the cut-off and the
// archive text give way), and a menu's or a command's prompt leaves with the
// menu or the command instead of hiding the line until the mouse moves.
TEST_F(FinestraPrincipaleTest, BarraDiStatoInteraEPromptCheNonResta) {
    finestra->resize(700, 500);
    finestra->show();
    CCampionato& a = dati->campionato(0);
    a.stagioneFiltro = 3;
    a.ultimoIncontroFiltro = a.incontri.inizioStagione(2) + 15;
    finestra->Esegui(40066);
    QApplication::processEvents();
    auto* pannello1 = finestra->findChild<QLabel*>("40078");
    ASSERT_NE(pannello1, nullptr);
    EXPECT_FALSE(finestra->testoFiltroStorico().isEmpty());
    EXPECT_TRUE(pannello1->text().contains("Dati Usati:"));
    EXPECT_GE(pannello1->width(), pannello1->fontMetrics().horizontalAdvance(pannello1->text()))
        << pannello1->text().toStdString();

    QStatusBar* barra = finestra->statusBar();
    for (const char* via : {"menu", "comando"}) {
        QStatusTipEvent prompt("Accede al gestore delle Stampe");
        QApplication::sendEvent(finestra.get(), &prompt);
        EXPECT_EQ(barra->currentMessage(), "Accede al gestore delle Stampe") << via;
        if (std::string(via) == "menu") {
            QMenu* menu = finestra->menuBar()->findChildren<QMenu*>().front();
            menu->popup(QPoint(0, 0));
            QApplication::processEvents();
            menu->hide();
        } else {
            finestra->Esegui(40066);
        }
        QApplication::processEvents();
        EXPECT_TRUE(barra->currentMessage().isEmpty()) << via;
        EXPECT_FALSE(pannello1->isHidden()) << via;
    }
    a.stagioneFiltro = a.ultimoIncontroFiltro = -1;
}

TEST_F(FinestraPrincipaleTest, OgniFinestraHaLaSuaPaginaDiAiuto) {
    // F1 in every window built so far: the context it asks for, and the page
    // the help table gives it, which must not be the contents page.
    const auto premiF1 = [this](QWidget& w) -> int {
        aiuto.contesti.clear();
        for (auto* s : w.findChildren<QShortcut*>(Qt::FindDirectChildrenOnly))
            if (s->key() == QKeySequence(Qt::Key_F1)) emit s->activated();
        return aiuto.contesti.size() == 1 ? aiuto.contesti[0] : -1;
    };
    std::vector<std::pair<std::string, int>> contesti;
    for (const auto& [comando, tipo] :
         {std::pair{comando::ImpostazioneParametri, Finestra::AnalisiCorrente},
          std::pair{comando::ClassificaCampionato, Finestra::Classifica},
          std::pair{comando::ScontriDiretti, Finestra::ScontriDiretti},
          std::pair{comando::CalcoloPicchetti, Finestra::Pronostici}}) {
        finestra->Esegui(comando);
        QDialog* w = finestra->finestra(tipo);
        ASSERT_NE(w, nullptr) << comando;
        contesti.push_back({w->windowTitle().toStdString(), premiF1(*w)});
    }
    // The modal ones, from inside their own loop.
    for (const int comando : {comando::NuovoCampionato, comando::NuoviIncontri,
                              comando::ArchivioStorico, comando::NuovaSchedina}) {
        QuandoModale([&](QWidget* m) {
            contesti.push_back({m->windowTitle().toStdString(), premiF1(*m)});
            if (auto* d = qobject_cast<QDialog*>(m)) d->reject();
        });
        finestra->Esegui(comando);
    }
    // "Via Internet": the choice of championships, then the update window.
    QuandoModale([&](QWidget* m) {
        contesti.push_back({m->windowTitle().toStdString(), premiF1(*m)});
        auto* scelta = qobject_cast<SelezioneCampionatiQt*>(m);
        ASSERT_NE(scelta, nullptr);
        EXPECT_EQ(scelta->logica().Intestazione(), "SCELTA CAMPIONATI DA AGGIORNARE");
        EXPECT_FALSE(scelta->continua()->isEnabled());
        scelta->sinistra()->setCurrentRow(0);
        scelta->aggiungi()->click();
        ASSERT_TRUE(scelta->continua()->isEnabled());
        QuandoModale([&](QWidget* w) {
            contesti.push_back({w->windowTitle().toStdString(), premiF1(*w)});
            if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
        });
        scelta->continua()->click();
    });
    finestra->Esegui(comando::AggiornamentoInternet);
    // The exchange of analyses is refused while the current analysis window is open.
    msg.mostrati.clear();
    finestra->Esegui(comando::ArchiviInternet);
    ASSERT_EQ(msg.mostrati.size(), 1u);
    EXPECT_EQ(msg.mostrati[0].testo.rfind("Attualmente è aperta la finestra dell'analisi corrente.\nSe si "
                                          "vuole procedere nell'invio e ricezione di analisi via internet", 0),
              0u);
    finestra->finestra(Finestra::AnalisiCorrente)->reject();
    QuandoModale([&](QWidget* m) {
        contesti.push_back({m->windowTitle().toStdString(), premiF1(*m)});
        if (auto* d = qobject_cast<QDialog*>(m)) d->reject();
    });
    finestra->Esegui(comando::ArchiviInternet);
    ASSERT_EQ(contesti.size(), 11u);
    EXPECT_EQ(contesti[8].first, "VELTRA - Selezione Campionati");
    EXPECT_EQ(contesti[9].first, "VELTRA - Aggiornamento Dati via Internet");
    EXPECT_EQ(contesti[10].first, "VELTRA - Gestione Archivi Analisi via Internet");
    FinestraAiutoQt tabella;
    for (const auto& [titolo, contesto] : contesti) {
        SCOPED_TRACE(titolo);
        EXPECT_NE(contesto, -1);
        EXPECT_NE(tabella.PaginaDelContesto(contesto), FinestraAiutoQt::kPaginaSommario);
    }
    EXPECT_EQ(tabella.PaginaDelContesto(contesti[9].second), "aggiornamento.html");
    EXPECT_EQ(tabella.PaginaDelContesto(contesti[10].second), "scambio-analisi.html");
}

// "S&trategie..." of the bet selection opens the real plays beside it and the
// main window (modeless, once): the main window's strategy commands are
// refused while it is open, pressing it again brings the same one forward.
TEST_F(FinestraPrincipaleTest, GiocateRealiNonModali) {
    ASSERT_TRUE(AggiornaStimeScommesse(*dati, 0));
    const auto& nomi = dati->campionato(0).squadreCorrenti().nomi;
    for (int k = 0; k < 2; ++k) {
        const auto p = StimaEvento(*dati, 0, 2 * k, 2 * k + 1);
        ASSERT_TRUE(p);
        ASSERT_TRUE(dati->scommesse.AggiungiEvento(0, dati->campionato(0).numeroIncontriCorrenti(),
                                                   nomi[static_cast<std::size_t>(2 * k)],
                                                   nomi[static_cast<std::size_t>(2 * k + 1)],
                                                   {1.9f, 3.3f, 4.0f, 0, 0, 0}, (*p)[0], (*p)[1], (*p)[2]));
    }
    CStrategiaDesc s;
    s.nome = "Favorita";
    EventoStrategia e;
    e.tipo = 1;
    e.posizione = 1;
    e.maxProb1 = e.maxProbX = e.maxProb2 = 1, e.maxEquita = 3, e.minQuota = 1, e.maxQuota = 10;
    s.eventiStrategia = {e};
    s.giocate = {{0}};
    AggiungiStrategia(dati->strategie, dati->prossimoIdStrategia, s);

    finestra->Esegui(comando::CalcoloScommesse);
    QDialog* scommesse = finestra->finestra(Finestra::ScommesseSportive);
    ASSERT_NE(scommesse, nullptr);
    auto* strategie = scommesse->findChild<QPushButton*>("strategie");
    ASSERT_NE(strategie, nullptr);
    ASSERT_TRUE(strategie->isEnabled());
    // A modal window would hold the click until closed: note it and close it.
    bool modale = false;
    QTimer::singleShot(0, [&modale] {
        if (QWidget* m = QApplication::activeModalWidget()) {
            modale = true;
            m->close();
        }
    });
    strategie->click();
    QApplication::processEvents();
    EXPECT_FALSE(modale);
    QDialog* giocate = finestra->finestra(Finestra::GiocateReali);
    ASSERT_NE(giocate, nullptr);
    EXPECT_FALSE(giocate->isModal());
    EXPECT_TRUE(giocate->isVisible());
    EXPECT_EQ(giocate->windowTitle(), "TALBOR - Visualizzazione Strategie");

    // VELTRA_FOTO: the whole screen (under Xvfb), the three windows side by side.
    if (const QByteArray foto = qgetenv("VELTRA_FOTO"); !foto.isEmpty()) {
        finestra->show();
        finestra->move(0, 0);
        scommesse->move(420, 40);
        giocate->move(120, 420);
        giocate->raise();
        QApplication::processEvents();
        QApplication::primaryScreen()->grabWindow(0).save(
            QDir(QString::fromUtf8(foto)).filePath("giocate-reali-non-modali.png"));
    }
    msg.mostrati.clear();
    finestra->Esegui(comando::VisualizzaStrategie);
    ASSERT_EQ(msg.mostrati.size(), 1u);
    EXPECT_EQ(msg.testi()[0].rfind("Attualmente è aperta la finestra del calcolo delle giocate reali", 0), 0u);
    strategie->click();
    EXPECT_EQ(finestra->finestra(Finestra::GiocateReali), giocate);
    giocate->reject();
    EXPECT_EQ(finestra->finestra(Finestra::GiocateReali), nullptr);
    scommesse->reject();
}
