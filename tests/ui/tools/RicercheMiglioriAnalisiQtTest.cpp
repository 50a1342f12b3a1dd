// The search window (offscreen): a search started from the page runs as a
// job while the window stays usable, cannot be left meanwhile, ends with
// its best analysis shown; an analysis stored from it goes again with
// Cancel. The comparison window shows both analyses side by side. With
// VELTRA_SCHERMATE=folder it also saves pictures of the windows, one taken
// while the search runs.
#include "app/DatiGlobali.h"
#include "dati/GeneratoreStagioni.h"
#include "engine/CMotoreStime.h"
#include "engine/parametri/CDlgConfrontoAnalisiQt.h"
#include "platform/EsecutoreLavoriQt.h"
#include "tools/ricerche/CDlgCopiaAnalisiQt.h"
#include "tools/ricerche/CRicercaAnalisiCorrenteQt.h"
#include "tools/ricerche/CRicercaArchiviQt.h"
#include "tools/ricerche/CRicercheMiglioriAnalisiQt.h"

#include "doppi/MessaggiRegistrati.h"
#include "doppi/OrologioFisso.h"
#include "doppi/StampaRegistrata.h"
#include "platform/AttendiLavori.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace veltra;
using namespace veltra::test;

namespace {

void Schermata(QWidget& w, const char* nome) {
    const char* cartella = std::getenv("VELTRA_SCHERMATE");
    if (!cartella) return;
    w.grab().save(QString::fromUtf8(cartella) + "/" + nome + ".png");
}

std::unique_ptr<DatiGlobali> Dati() {
    auto dati = std::make_unique<DatiGlobali>();
    OpzioniGenerazione o;
    o.stagioni = 7;
    o.seme = 4;
    EXPECT_EQ(GeneraStagioni(dati->campionato(0), o), 0);
    CreaMotore(dati->campionato(0));
    dati->campionatoCorrente = 0;
    return dati;
}

} // namespace

TEST(RicercheMiglioriAnalisiQt, RicercaComeLavoroPoiInserisciEAnnullaLaToglie) {
    auto dati = Dati();
    MessaggiRegistrati msg;
    OrologioFisso orologio;
    ServizioStampaRegistrato stampa;
    TestiStato stato;
    CRicercheMiglioriAnalisiQt f(*dati, msg, stampa, orologio, [&](const TestiStato& t) { stato = t; });
    f.show();
    EXPECT_EQ(f.windowTitle(), "VELTRA - Ricerche Migliori Analisi");
    auto* ok = f.findChild<QPushButton*>("IDOK");
    auto* annulla = f.findChild<QPushButton*>("IDCANCEL");
    auto* pagine = f.findChild<QTabWidget*>("pagine");
    ASSERT_TRUE(ok && annulla && pagine);
    EXPECT_FALSE(ok->isEnabled()) << "no search ran yet";
    auto& p = f.paginaCorrente();
    auto* percentuali = p.findChild<QRadioButton*>("percentuali");
    auto* passo = p.findChild<QSpinBox*>("passo");
    auto* ampiezza = p.findChild<QSpinBox*>("ampiezza");
    auto* utilizzo = p.findChild<QSpinBox*>("utilizzo");
    auto* cerca = p.findChild<QPushButton*>("cerca");
    ASSERT_TRUE(percentuali && passo && ampiezza && utilizzo && cerca);
    EXPECT_TRUE(utilizzo->isVisibleTo(&p)) << "the advanced kind is the default";
    EXPECT_FALSE(passo->isVisibleTo(&p));
    percentuali->setChecked(true);
    EXPECT_TRUE(passo->isVisibleTo(&p));
    EXPECT_FALSE(utilizzo->isVisibleTo(&p));
    passo->setValue(2);
    EXPECT_EQ(ampiezza->value(), 20);
    passo->setValue(1);
    ampiezza->setValue(100);

    cerca->click();
    EXPECT_EQ(cerca->text(), "&Interrompi");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(annulla->isEnabled());
    EXPECT_FALSE(pagine->tabBar()->isEnabled()) << "the other page cannot be reached during a search";
    EXPECT_FALSE(percentuali->isEnabled());
    Schermata(f, "ricerca_in_corso");
    f.reject(); // Escape during a search does nothing
    EXPECT_TRUE(f.isVisible());
    AttendiLavori(f.esecutore());

    EXPECT_EQ(cerca->text(), "C&erca...");
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_TRUE(annulla->isEnabled());
    EXPECT_TRUE(pagine->tabBar()->isEnabled());
    EXPECT_TRUE(p.findChild<QLabel*>("precisione")->text().contains("('1' = "));
    auto* inserisci = p.findChild<QPushButton*>("inserisci");
    ASSERT_TRUE(inserisci->isEnabled()) << msg.testi().size();
    inserisci->click();
    EXPECT_EQ(dati->campionato(0).archivio.numero(), 1);
    EXPECT_EQ(p.findChild<QLabel*>("numeroAnalisi")->text(), "1 DI 1");
    EXPECT_TRUE(p.findChild<QPushButton*>("confronta")->isEnabled());
    EXPECT_TRUE(p.findChild<QPushButton*>("avanzatiArchivio")->isEnabled());
    Schermata(f, "ricerca_finita");

    pagine->setCurrentIndex(1);
    auto& a = f.paginaArchivi();
    auto* esclusi = a.findChild<QListWidget*>("esclusi");
    ASSERT_TRUE(esclusi);
    EXPECT_EQ(esclusi->count(), kNumeroCampionati);
    Schermata(f, "ricerca_archivi");

    annulla->click();
    EXPECT_EQ(dati->campionato(0).archivio.numero(), 0) << "Cancel removes the analyses inserted";
}

TEST(RicercheMiglioriAnalisiQt, RicercaNegliArchiviConIlRegistro) {
    auto dati = Dati();
    CAnalisi prima = AnalisiCorrente(dati->campionato(0));
    prima.titolo = "prima";
    dati->campionato(0).archivio.analisi.push_back(prima);
    dati->campionato(0).archivio.corrente = 0;
    MessaggiRegistrati msg;
    OrologioFisso orologio;
    ServizioStampaRegistrato stampa;
    CRicercheMiglioriAnalisiQt f(*dati, msg, stampa, orologio, {});
    f.show();
    auto* pagine = f.findChild<QTabWidget*>("pagine");
    pagine->setCurrentIndex(1);
    auto& a = f.paginaArchivi();
    auto* esclusi = a.findChild<QListWidget*>("esclusi");
    auto* inclusi = a.findChild<QListWidget*>("inclusi");
    a.findChild<QPushButton*>("aggiungi")->click();
    EXPECT_EQ(msg.testi(), std::vector<std::string>{"Selezionare un campionato dalla lista di sinistra."});
    esclusi->setCurrentRow(0);
    a.findChild<QPushButton*>("aggiungi")->click();
    ASSERT_EQ(inclusi->count(), 1);
    // Interrupting at the first report is refused once, then the search runs to its end.
    msg.risposte = {Risposta::No};
    auto* cerca = a.findChild<QPushButton*>("cerca");
    cerca->click();
    EXPECT_FALSE(esclusi->isVisibleTo(&a));
    Schermata(f, "archivi_in_corso");
    cerca->click();
    EXPECT_EQ(msg.testi().back(), "Desideri interrompere la Ricerca in corso ?");
    AttendiLavori(f.esecutore());
    EXPECT_TRUE(f.findChild<QPushButton*>("IDOK")->isEnabled());
    EXPECT_FALSE(a.findChild<QPlainTextEdit*>("log")->toPlainText().isEmpty());
    EXPECT_TRUE(a.findChild<QPushButton*>("ignora")->isEnabled());
    EXPECT_TRUE(a.findChild<QLabel*>("valoriOriginali")->isVisibleTo(&a));
    Schermata(f, "archivi_finita");
    // "&Modifiche" opens the comparison with the earlier version (closed at once here).
    QString titolo;
    QTimer::singleShot(0, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            titolo = w->windowTitle();
            w->close();
        }
    });
    a.findChild<QPushButton*>("modifiche")->click();
    EXPECT_EQ(titolo, "VELTRA. Confronto tra: Analisi Modificata / Analisi Originale");
    f.findChild<QPushButton*>("IDOK")->click();
    EXPECT_EQ(dati->datiModificati, 1);
}

TEST(RicercheMiglioriAnalisiQt, ConfrontoAffiancaLeDueAnalisi) {
    CAnalisi a, b;
    b.limiteMinTrasferta = 3;
    MessaggiRegistrati msg;
    OrologioFisso orologio;
    ServizioStampaRegistrato stampa;
    CDlgConfrontoAnalisiQt d(CDlgConfrontoAnalisi("VELTRA. Confronto tra: A / B", a, b), msg, &stampa,
                             orologio);
    d.show();
    EXPECT_EQ(d.windowTitle(), "VELTRA. Confronto tra: A / B");
    EXPECT_EQ(d.findChild<QLabel*>("limiteMinTrasferta")->text(), "-1 / +3");
    EXPECT_EQ(d.findChild<QLabel*>("pesi")->text(), "100% / 100%  ;  100% / 100%  ;  - / -  ;  - / -  ;  - / -");
    msg.risposte = {Risposta::Ok};
    d.findChild<QPushButton*>("stampa")->click();
    EXPECT_EQ(stampa.dispositivo.pagine, 1);
    Schermata(d, "confronto");
}

TEST(RicercheMiglioriAnalisiQt, CopiaTraCampionatiElencaPrecisioniECopie) {
    auto dati = Dati();
    OpzioniGenerazione o;
    o.stagioni = 6;
    o.seme = 9;
    ASSERT_EQ(GeneraStagioni(dati->campionato(1), o), 0);
    CreaMotore(dati->campionato(1));
    MessaggiRegistrati msg;
    OrologioFisso orologio;
    ServizioStampaRegistrato stampa;
    CDlgCopiaAnalisi logica(*dati, {0, 1}, false);
    std::atomic<bool> fermo{false};
    ContestoLavoro contesto(fermo, {});
    logica.ImpostaMatrice(CalcolaMatricePrecisione(logica.Origini(), false, contesto));
    CDlgCopiaAnalisiQt d(logica, msg, stampa, orologio);
    d.show();
    EXPECT_EQ(d.windowTitle(), "VELTRA - Confronto e Copia analisi tra campionati");
    auto* precisione = d.findChild<QListWidget*>("precisione");
    auto* copie = d.findChild<QListWidget*>("copie");
    ASSERT_EQ(precisione->count(), 1);
    EXPECT_TRUE(precisione->item(0)->text().contains("Dati usati:"));
    precisione->setCurrentRow(0);
    d.findChild<QPushButton*>("copia")->click();
    ASSERT_EQ(copie->count(), 1);
    EXPECT_TRUE(copie->item(0)->text().startsWith("Da: "));
    d.findChild<QPushButton*>("elimina")->click();
    EXPECT_EQ(msg.testi().back(), "Selezionare un'analisi dalla lista di destra.");
    Schermata(d, "copia_analisi");
}
