// The "Qualità delle Stime" window on the shipped Serie A (offscreen): the
// walk runs as a job, the table and the reliability diagram fill, the model
// choice reaches the championship. With VELTRA_SCHERMATA=file.png it also
// saves a picture of the window.
#include "app/DatiGlobali.h"
#include "dati/FileDati.h"
#include "platform/Lavori.h"
#include "tools/qualita/FinestraQualitaStimeQt.h"

#include "doppi/MessaggiRegistrati.h"
#include "Supporto.h"

#include <QChartView>
#include <QCoreApplication>
#include <QComboBox>
#include <QLineSeries>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace veltra;
using namespace veltra::test;

TEST(FinestraQualitaStimeQt, CalcolaMostraTabellaEDiagrammaEScegliIlModello) {
    DatiGlobali dati;
    const EsitoFile e = CaricaFileCampionati(dati, VELTRA_RESOURCES_DIR "/dati");
    ASSERT_TRUE(e) << e.dettaglio;
    MessaggiRegistrati msg;
    EsecutoreSincrono esecutore;
    long rapporti = 0;
    esecutore.avanzamento = [&](const std::string&, const Avanzamento&) { ++rapporti; };
    FinestraQualitaStimeQt f(dati, esecutore, msg);
    f.show();
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("VELTRA - Serie A. Qualità delle Stime"));
    auto* dal = f.findChild<QComboBox*>("dal");
    auto* al = f.findChild<QComboBox*>("al");
    auto* modello = f.findChild<QComboBox*>("modello");
    ASSERT_TRUE(dal && al && modello);
    dal->setCurrentIndex(dal->findText("2022-23"));
    al->setCurrentIndex(al->findText("2023-24"));
    modello->setCurrentIndex(1); // rating
    const char* quote = std::getenv("VELTRA_QUOTE");
    if (quote && std::filesystem::exists(quote)) f.CaricaQuote({quote});
    f.Calcola();
    EXPECT_GT(rapporti, 100); // a report per date walked
    ASSERT_EQ(f.tabella()->rowCount(), 3);
    EXPECT_EQ(f.tabella()->item(0, 0)->text(), "2022-23");
    EXPECT_EQ(f.tabella()->item(2, 0)->text(), "Totale");
    EXPECT_EQ(f.tabella()->item(2, 1)->text(), "760");
    auto* vista = f.findChild<QChartView*>("diagramma");
    ASSERT_TRUE(vista);
    ASSERT_EQ(vista->chart()->series().size(), 4); // the diagonal and three signs
    EXPECT_GT(static_cast<QLineSeries*>(vista->chart()->series()[1])->count(), 4);
    if (const char* schermata = std::getenv("VELTRA_SCHERMATA")) {
        // The chart lays itself out on the event loop.
        for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
        f.grab().save(schermata);
    }

    auto* inUso = f.findChild<QComboBox*>("modelloInUso");
    ASSERT_TRUE(inUso);
    EXPECT_EQ(dati.campionato(0).modello, ModelloStime::Motore);
    inUso->setCurrentIndex(1);
    EXPECT_EQ(dati.campionato(0).modello, ModelloStime::Rating);
    EXPECT_EQ(dati.datiModificati, 1);
    EXPECT_TRUE(msg.mostrati.empty());
}
