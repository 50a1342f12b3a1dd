// The league table, head-to-head and historical archive windows on the
// shipped data (offscreen): their controls are there and drive the core.
#include "engine/CMotoreStime.h"
#include "app/DatiGlobali.h"
#include "dati/FileDati.h"
#include "tools/archiviostorico/CArchivioStoricoQt.h"
#include "tools/archiviostorico/DlgCercaIncontroQt.h"
#include "tools/archiviostorico/DlgFiltriArchivioQt.h"
#include "tools/classifica/CClassificaQt.h"
#include "tools/scontri/CScontriDirettiQt.h"

#include "doppi/MessaggiRegistrati.h"
#include "Supporto.h"
#include "platform/Piattaforma.h"
#include "doppi/StampaRegistrata.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

namespace {

template <class W> W* Controllo(QWidget& w, const char* nome) {
    W* c = w.findChild<W*>(nome);
    if (!c) ADD_FAILURE() << "manca il controllo " << nome;
    return c;
}

class StatisticheQt : public ::testing::Test {
protected:
    void SetUp() override {
        const EsitoFile e = CaricaFileCampionati(dati, VELTRA_RESOURCES_DIR "/dati");
        ASSERT_TRUE(e) << e.dettaglio;
        for (int c = 0; c < kNumeroCampionati; ++c)
            CreaMotore(dati.campionato(c));
    }
    DatiGlobali dati;
    MessaggiRegistrati msg;
};

} // namespace

TEST_F(StatisticheQt, ClassificaConGironi) {
    CClassificaQt f(dati, msg);
    ASSERT_TRUE(f.Aggiorna(false));
    f.show();
    EXPECT_EQ(f.windowTitle(), "VELTRA - Serie A. Classifica");
    auto* tabella = Controllo<QTableWidget>(f, "tabellaClassifica");
    auto* girone = Controllo<QPushButton>(f, "altroGirone");
    ASSERT_TRUE(tabella && girone);
    EXPECT_EQ(tabella->rowCount(), dati.campionato(0).numeroSquadreCorrenti());
    EXPECT_EQ(tabella->horizontalHeaderItem(10)->text(), "Punti");
    EXPECT_FALSE(girone->isVisible());
    // The position of each row, the season named, every row in view.
    ASSERT_NE(tabella->verticalHeaderItem(0), nullptr);
    EXPECT_EQ(tabella->verticalHeaderItem(0)->text(), "1");
    EXPECT_EQ(tabella->verticalHeaderItem(19)->text(), "20");
    auto* stagione = Controllo<QLabel>(f, "stagioneClassifica");
    ASSERT_TRUE(stagione);
    EXPECT_TRUE(stagione->text().startsWith("Stagione 20")) << stagione->text().toStdString();
    const int ultima = tabella->rowCount() - 1;
    EXPECT_LE(tabella->rowViewportPosition(ultima) + tabella->rowHeight(ultima),
              tabella->viewport()->height())
        << "the last row is hidden";
    EXPECT_EQ(tabella->horizontalScrollBar()->maximum(), 0) << "a column is cut";

    // Serie C1 is shipped without seasons: no table.
    dati.campionatoCorrente = 2;
    EXPECT_FALSE(f.Aggiorna(false));
    EXPECT_EQ(msg.testi(), std::vector<std::string>{kNessunIncontroClassifica});
    // Two groups of a season of 20 teams.
    Stagione(dati.campionato(2), 20, {{0, 1, '1'}, {18, 19, '2'}});
    ASSERT_TRUE(f.Aggiorna(true));
    EXPECT_TRUE(girone->isVisible());
    EXPECT_EQ(girone->toolTip(),
              "Visualizza la Classifica di un altro Girone di questo Campionato");
    const QString primaA = tabella->item(0, 0)->text();
    EXPECT_EQ(tabella->rowCount(), 18);
    EXPECT_EQ(primaA, "T0");
    girone->click();
    EXPECT_EQ(f.logica().girone(), 1);
    ASSERT_EQ(tabella->rowCount(), 2);
    EXPECT_EQ(tabella->item(0, 0)->text(), "T19");
    EXPECT_EQ(tabella->item(0, 10)->text(), "3");
    EXPECT_TRUE(stagione->text().endsWith("Girone B"));
}

TEST_F(StatisticheQt, ScontriDirettiSelezioneEStampa) {
    ServizioStampaRegistrato servizio;
    OrologioDiSistema orologio;
    CScontriDirettiQt f(dati, msg, servizio, orologio);
    ASSERT_TRUE(f.Aggiorna(false));
    f.show();
    EXPECT_EQ(f.windowTitle(), "VELTRA - Serie A. Scontri Diretti");
    auto* casa = Controllo<QListWidget>(f, "listaCasa");
    auto* trasferta = Controllo<QListWidget>(f, "listaTrasferta");
    auto* stampa = Controllo<QPushButton>(f, "stampa");
    ASSERT_TRUE(casa && trasferta && stampa);
    EXPECT_EQ(casa->toolTip(), "Selezionare la squadra in casa");
    EXPECT_FALSE(stampa->isEnabled());
    casa->setCurrentRow(0);
    trasferta->setCurrentRow(1);
    ASSERT_TRUE(f.logica().calcolato());
    EXPECT_TRUE(stampa->isEnabled());
    EXPECT_EQ(Controllo<QLabel>(f, "disputati")->text().toInt(),
              f.logica().statistiche().disputati());
    EXPECT_TRUE(
        Controllo<QLabel>(f, "primaStagione")->text().startsWith("STATISTICHE DALLA STAGIONE"));
    EXPECT_FALSE(Controllo<QLabel>(f, "segno1")->text().isEmpty());

    msg.risposte = {Risposta::Ok};
    stampa->click();
    EXPECT_EQ(servizio.dispositivo.chiamate.back(), "FineDocumento");
}

TEST_F(StatisticheQt, ArchivioStoricoFissaUltimoIncontro) {
    const int stagioni = dati.campionato(0).config.numeroStagioni();
    {
        CArchivioStoricoQt dlg(dati, msg);
        dlg.show();
        EXPECT_EQ(dlg.windowTitle(), "VELTRA - Serie A. Archivio Storico");
        auto* lista = Controllo<QListWidget>(dlg, "listaIncontri");
        auto* fissa = Controllo<QPushButton>(dlg, "fissaUltimoIncontro");
        auto* precedente = Controllo<QPushButton>(dlg, "precedente");
        ASSERT_TRUE(lista && fissa && precedente);
        EXPECT_TRUE(Controllo<QLabel>(dlg, "stagione")->text().startsWith("STAGIONE "));
        EXPECT_FALSE(Controllo<QPushButton>(dlg, "successivo")->isEnabled());
        EXPECT_FALSE(fissa->isEnabled());
        precedente->click();
        ASSERT_GT(lista->count(), 50);
        lista->setCurrentRow(50);
        EXPECT_TRUE(fissa->isEnabled());
        fissa->click();
        ASSERT_EQ(msg.mostrati.size(), 1u);
        Controllo<QPushButton>(dlg, "IDOK")->click();
        EXPECT_TRUE(dlg.logica().datiCambiati());
    }
    EXPECT_EQ(dati.campionato(0).stagioneFiltro, stagioni - 1);
    EXPECT_NE(dati.campionato(0).ultimoIncontroFiltro, -1);
}

TEST(FinestreArchivioQt, FiltriECercaIncontro) {
    const std::vector<std::string> squadre = {"Alfa", "Beta", "Gamma"};
    DlgFiltriArchivioQt filtri(squadre, -1, 2);
    auto* attivaCasa = Controllo<QCheckBox>(filtri, "attivaCasa");
    auto* casa = Controllo<QComboBox>(filtri, "filtroCasa");
    ASSERT_TRUE(attivaCasa && casa);
    EXPECT_FALSE(casa->isEnabled());
    EXPECT_EQ(filtri.casa(), -1);
    EXPECT_EQ(filtri.trasferta(), 2);
    attivaCasa->setChecked(true);
    EXPECT_TRUE(casa->isEnabled());
    casa->setCurrentIndex(1);
    EXPECT_EQ(filtri.casa(), 1);

    EXPECT_EQ(Controllo<QPushButton>(filtri, "IDCANCEL")->text(), "Cancella");
    DlgCercaIncontroQt cerca(squadre);
    EXPECT_EQ(Controllo<QPushButton>(cerca, "IDCANCEL")->text(), "Cancella");
    auto* ok = Controllo<QPushButton>(cerca, "IDOK");
    ASSERT_TRUE(ok);
    EXPECT_FALSE(ok->isEnabled());
    Controllo<QComboBox>(cerca, "cercaCasa")->setCurrentIndex(1);
    Controllo<QComboBox>(cerca, "cercaTrasferta")->setCurrentIndex(1);
    EXPECT_FALSE(ok->isEnabled()) << "the same team twice";
    Controllo<QComboBox>(cerca, "cercaTrasferta")->setCurrentIndex(2);
    EXPECT_TRUE(ok->isEnabled());
}
