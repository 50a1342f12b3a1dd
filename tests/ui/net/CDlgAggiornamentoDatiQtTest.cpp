// The window of the data update (offscreen) against the real veltra-servizio
// on loopback, serving a folder published from a working folder: the
// download runs without a modal progress window, the log fills as it goes,
// the window's own button stops it, "&Salva News" and "&OK" become usable
// only after a complete download and OK loads it. With
// VELTRA_SCHERMATA=file.png it also saves a picture of the window after the
// download, with VELTRA_SCHERMATA_ATTESA=file.png one while it runs.
#include "net/CDlgAggiornamentoDatiQt.h"

#include "app/Avvio.h"
#include "app/CartellaDiLavoro.h"
#include "app/DatiGlobali.h"
#include "app/importa/ImportaRisultati.h"
#include "app/importa/AggiornamentoFonti.h"
#include "app/importa/NomeDaFonte.h"
#include "dati/FileDati.h"
#include "net/HttpCurl.h"
#include "platform/ProgressoQt.h"

#include "doppi/MessaggiRegistrati.h"
#include "net/ServerProva.h"
#include "Supporto.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>

using namespace veltra;
using namespace veltra::test;
namespace fs = std::filesystem;

namespace {

// Runs the event loop until `fatto` holds or ten seconds passed.
template <class F> bool AttendiFinche(F fatto) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!fatto()) {
        if (std::chrono::steady_clock::now() > limite) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

bool NessunaFinestraProgresso() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<ProgressoQt*>(w) && w->isVisible()) return false;
    return true;
}

// A working folder with the shipped data, and a service folder published
// from it by `veltra-servizio pubblica`.
struct Ambiente {
    CartellaTemporanea tmp;
    fs::path mia = tmp / "mia";
    fs::path servizio = tmp / "servizio";
    Ambiente() {
        EXPECT_TRUE(PreparaCartellaDiLavoro(mia, fs::path(VELTRA_RESOURCES_DIR) / "dati"));
        const std::string comando = std::string(VELTRA_SERVIZIO_PATH) + " pubblica --da " +
                                    mia.string() + " --cartella " + servizio.string() +
                                    " >/dev/null 2>&1";
        const int stato = std::system(comando.c_str());
        EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0);
        ScriviTesto(mia / "lastagg.txt", "01/02/2003\n");
    }
};


TEST(CDlgAggiornamentoDatiQt, ScaricaMostraIlLogSalvaLeNewsECaricaConOK) {
    Ambiente a;
    ProcessoServizio server(a.servizio);
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiRegistrati msg;
    ASSERT_TRUE(CaricaAvvio(*dati, a.mia, msg));
    dati->indirizzoAggiornamenti = server.Base() + "/aggiornamenti";
    HttpCurl http;

    CDlgAggiornamentoDatiQt d(*dati, {0, 13}, a.mia, dati->indirizzoAggiornamenti, http, msg);
    d.logica().secondiAttesa = 0;
    d.show();
    EXPECT_EQ(d.windowTitle(), "VELTRA - Aggiornamento Dati via Internet");
    EXPECT_EQ(d.messaggi()->toPlainText(),
              "L'ultimo aggiornamento effettuato e' datato: 01/02/2003\n-----\n");
    EXPECT_EQ(d.indirizzo()->text().toStdString(), dati->indirizzoAggiornamenti);
    EXPECT_EQ(d.aggiorna()->text(), "&Aggiorna");
    EXPECT_FALSE(d.ok()->isEnabled());
    EXPECT_FALSE(d.salvaNews()->isEnabled());
    EXPECT_TRUE(d.cancella()->isEnabled());

    // The address typed without the final "/" is refused by the service's
    // layout: the download ends incomplete and OK stays off.
    d.aggiorna()->click();
    ASSERT_TRUE(AttendiFinche([&] { return !d.logica().inCorso(); }));
    EXPECT_FALSE(d.ok()->isEnabled()) << d.messaggi()->toPlainText().toStdString();

    // Typed right: while it runs the button reads "&Interrompi", Cancel and
    // Escape do nothing, and no modal progress window covers the window.
    d.indirizzo()->setText(d.indirizzo()->text() + "/");
    d.aggiorna()->click();
    EXPECT_EQ(d.aggiorna()->text(), "&Interrompi");
    EXPECT_TRUE(d.aggiorna()->isEnabled());
    EXPECT_FALSE(d.cancella()->isEnabled());
    EXPECT_FALSE(d.ok()->isEnabled());
    EXPECT_TRUE(d.indirizzo()->isReadOnly());
    d.reject();
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(NessunaFinestraProgresso());
    ASSERT_TRUE(AttendiFinche([&] { return !d.logica().inCorso(); }));

    const std::string log = d.messaggi()->toPlainText().toStdString();
    EXPECT_EQ(log.find('\r'), std::string::npos);
    EXPECT_NE(log.find("E' disponibile l'Aggiornamento datato: "), std::string::npos) << log;
    EXPECT_NE(log.find("AGGIORNAMENTO CONCLUSO."), std::string::npos) << log;
    EXPECT_EQ(d.aggiorna()->text(), "&Aggiorna");
    EXPECT_TRUE(d.ok()->isEnabled());
    EXPECT_TRUE(d.salvaNews()->isEnabled());
    EXPECT_TRUE(d.cancella()->isEnabled());
    EXPECT_FALSE(d.indirizzo()->isReadOnly());
    // Nothing in memory changed before OK.
    EXPECT_EQ(dati->datiModificati, 0);

    if (const char* f = std::getenv("VELTRA_SCHERMATA")) d.grab().save(f);

    // "&Salva News": the proposed name is dated, the news go one per line.
    std::string proposto;
    d.sceltaFile = [&](const std::string& p) {
        proposto = p;
        return (a.tmp / "news.txt").string();
    };
    d.salvaNews()->click();
    EXPECT_EQ(proposto.rfind("News ", 0), 0u);
    EXPECT_EQ(LeggiTesto(a.tmp / "news.txt").rfind("Risultati aggiornati al ", 0), 0u);

    // OK loads the two championships and closes the window accepted; the
    // address is kept.
    d.ok()->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(dati->datiModificati, 1);
    EXPECT_EQ(dati->indirizzoAggiornamenti, server.Base() + "/aggiornamenti/");
    EXPECT_EQ(ScriviTestoIncontri(dati->campionato(13).incontri),
              LeggiTesto(a.servizio / "aggiornamenti" / "giornaSP.VLT.txt"));
}

TEST(CDlgAggiornamentoDatiQt, InterrompiDuranteLAttesaNonScaricaNulla) {
    Ambiente a;
    ProcessoServizio server(a.servizio);
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiRegistrati msg;
    ASSERT_TRUE(CaricaAvvio(*dati, a.mia, msg));
    std::string indirizzo = server.Base() + "/aggiornamenti/";
    HttpCurl http;

    CDlgAggiornamentoDatiQt d(*dati, {0}, a.mia, indirizzo, http, msg);
    d.show();
    d.aggiorna()->click();
    ASSERT_TRUE(AttendiFinche([&] {
        return d.messaggi()->toPlainText().contains("E' disponibile");
    }));
    // The window in the wait after the marker (picture, and with
    // VELTRA_SCHERMATA_PAUSA=seconds time for a picture of the screen).
    EXPECT_EQ(d.aggiorna()->text(), "&Interrompi");
    if (const char* f = std::getenv("VELTRA_SCHERMATA_ATTESA")) d.grab().save(f);
    if (const char* p = std::getenv("VELTRA_SCHERMATA_PAUSA")) {
        const auto fine = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(p));
        while (std::chrono::steady_clock::now() < fine && d.logica().inCorso())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    const auto inizio = std::chrono::steady_clock::now();
    d.aggiorna()->click(); // "&Interrompi"
    EXPECT_FALSE(d.aggiorna()->isEnabled()); // until the worker ends
    ASSERT_TRUE(AttendiFinche([&] { return !d.logica().inCorso(); }));
    EXPECT_LT(std::chrono::steady_clock::now() - inizio, std::chrono::seconds(3));

    const std::string log = d.messaggi()->toPlainText().toStdString();
    EXPECT_NE(log.find("Sessione Internet interrotta dall'Utente."), std::string::npos) << log;
    EXPECT_EQ(log.find("AGGIORNAMENTO:"), std::string::npos) << log;
    EXPECT_TRUE(d.aggiorna()->isEnabled());
    EXPECT_FALSE(d.ok()->isEnabled());
    EXPECT_EQ(LeggiTesto(a.mia / "lastagg.txt"), "01/02/2003\n");
    d.cancella()->click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(dati->datiModificati, 0);
}

TEST(CDlgAggiornamentoDatiQt, ChiusaDuranteIlDownloadAttendeIlLavoro) {
    Ambiente a;
    ProcessoServizio server(a.servizio);
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiRegistrati msg;
    ASSERT_TRUE(CaricaAvvio(*dati, a.mia, msg));
    std::string indirizzo = server.Base() + "/aggiornamenti/";
    HttpCurl http;
    {
        CDlgAggiornamentoDatiQt d(*dati, {0}, a.mia, indirizzo, http, msg);
        d.show();
        d.aggiorna()->click();
        ASSERT_TRUE(d.logica().inCorso());
    } // the window goes while the worker waits: it is stopped and joined
    EXPECT_EQ(dati->datiModificati, 0);
}

// The public sources beside the service: Serie A 2026-27 holds its first
// matchday; the source (a staged file with the second one played) is
// typed, "Da fonti" merges it, OK applies it and keeps the typed source.
// With VELTRA_SCHERMATA_FONTI=file.png it saves a picture after the merge.
TEST(CDlgAggiornamentoDatiQt, DaUnaFontePubblica) {
    const fs::path fonti =
        fs::path(VELTRA_RESOURCES_DIR).parent_path() / "tests" / "core" / "app" / "importa" / "fonti";
    CartellaTemporanea tmp;
    auto dati = std::make_unique<DatiGlobali>();
    TabellaAlias alias;
    ASSERT_FALSE(CaricaAliasPredefiniti(alias));
    const std::string giornata1 = LeggiTesto(fonti / "seriea-2026-27-giornata1.txt");
    ASSERT_TRUE(ImportaRisultati(dati->campionato(0), {LeggiFileRisultati(giornata1, "g1.txt")}, alias).ok());
    const int prima = dati->campionato(0).numeroIncontri();
    MessaggiRegistrati msg;
    std::string indirizzo = "http://127.0.0.1:1/aggiornamenti/";
    HttpCurl http;

    CDlgAggiornamentoDatiQt d(*dati, {0}, tmp.percorso(), indirizzo, http, msg);
    d.show();
    EXPECT_NE(d.fonte()->text().toStdString().find("2026-27/1-seriea.txt"), std::string::npos);
    const std::string fonte = (fonti / "seriea-2026-27-giornata2.txt").string();
    d.fonte()->selectAll();
    d.fonte()->insert(QString::fromStdString(fonte)); // as typed
    EXPECT_FALSE(d.ok()->isEnabled());
    d.aggiornaFonti()->click();
    ASSERT_TRUE(AttendiFinche([&] { return !d.fonti().inCorso(); }));
    const std::string log = d.messaggi()->toPlainText().toStdString();
    EXPECT_NE(log.find("nuovi=10 aggiornati=0 calendario=10 scartate=0"), std::string::npos) << log;
    ASSERT_TRUE(d.ok()->isEnabled()) << log;
    EXPECT_EQ(dati->campionato(0).numeroIncontri(), prima); // nothing before OK
    if (const char* f = std::getenv("VELTRA_SCHERMATA_FONTI")) d.grab().save(f);
    d.ok()->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(dati->campionato(0).numeroIncontri(), prima + 10);
    EXPECT_EQ(dati->campionato(0).calendario.partite.size(), 20u);
    EXPECT_EQ(dati->datiModificati, 1);
    EXPECT_NE(LeggiTesto(tmp / "FontiAggiornamento.txt").find("A\t" + fonte + "\n"), std::string::npos);
}

} // namespace
