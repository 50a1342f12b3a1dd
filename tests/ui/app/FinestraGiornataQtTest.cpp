// The matchday window (offscreen): the table with its highlighted values and
// a fixture without estimate, the choice of matchday, the match handed to
// the prediction window, the CSV file and the coupon made in one step.
#include "app/DatiGlobali.h"
#include "app/giornata/FinestraGiornataQt.h"
#include "dati/GeneratoreStagioni.h"
#include "platform/Piattaforma.h"
#include "platform/Stampa.h"

#include "Supporto.h"
#include "doppi/MessaggiRegistrati.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace veltra;
using namespace veltra::test;

namespace {

class NessunaStampante : public IServizioStampa {
public:
    std::unique_ptr<IDispositivoStampa> ScegliDispositivo() override { return nullptr; }
};

std::vector<std::string> Righe(const std::string& t) {
    std::vector<std::string> r;
    std::size_t i = 0;
    while (i < t.size()) {
        const auto fine = t.find('\n', i);
        r.push_back(t.substr(i, fine - i));
        i = fine == std::string::npos ? t.size() : fine + 1;
    }
    return r;
}

} // namespace

TEST(FinestraGiornataQt, TabellaSceltaPronosticoCsvESchedina) {
    auto dati = std::make_unique<DatiGlobali>();
    dati->campionatoCorrente = 8;
    CCampionato& c = dati->campionato(8);
    OpzioniGenerazione o;
    o.stagioni = 5;
    o.squadre = 18;
    ASSERT_EQ(GeneraStagioni(c, o), 0);
    const auto n = c.squadreCorrenti().nomi;
    c.calendario.stagione = c.config.numeroStagioni();
    c.calendario.partite = {{20, 20270123, 15 * 60 + 30, n[0], n[1]},
                            {20, 20270124, 18 * 60 + 30, n[2], n[3]},
                            {21, 20270130, -1, n[4], "Ignota"}};
    // Long odds on the away side: its value is surely above 0.
    ASSERT_TRUE(dati->scommesse.AggiungiEvento(8, c.numeroIncontri(), n[0], n[1],
                                               {1.30f, 5.00f, 40.0f, 0, 0, 0}, 0.4f, 0.3f, 0.3f));
    MessaggiRegistrati msg;
    NessunaStampante stampa;
    OrologioDiSistema orologio;
    std::pair<int, int> pronostico{-1, -1};
    int schedine = 0;
    AzioniGiornata azioni;
    azioni.pronostico = [&](int casa, int trasferta) { pronostico = {casa, trasferta}; };
    azioni.schedinaCreata = [&] { ++schedine; };
    FinestraGiornataQt f(*dati, msg, stampa, orologio, azioni);
    ASSERT_TRUE(f.Aggiorna(false));
    f.show();
    auto* tabella = f.findChild<QTableWidget*>("tabellaGiornata");
    auto* giornate = f.findChild<QComboBox*>("giornata");
    ASSERT_TRUE(tabella && giornate);
    EXPECT_EQ(f.windowTitle(), "VELTRA - Germania. Prossima Giornata");
    ASSERT_EQ(tabella->rowCount(), 2);
    EXPECT_EQ(giornate->count(), 2);
    EXPECT_EQ(giornate->currentText(), "Giornata 20");
    EXPECT_EQ(tabella->item(0, 2)->text().toStdString(), n[0]);
    EXPECT_EQ(tabella->item(0, 1)->text(), "15:30");
    EXPECT_EQ(tabella->item(0, 14)->background().color(), QColor(198, 239, 206)); // value of 2
    EXPECT_TRUE(tabella->item(1, 12)->text().isEmpty()); // no odds, no value
    if (const char* file = std::getenv("VELTRA_SCHERMATA")) f.grab().save(file);

    // The selected match goes to the prediction window.
    tabella->selectRow(1);
    f.findChild<QPushButton*>("pronostico")->click();
    EXPECT_EQ(pronostico, std::make_pair(2, 3));

    // The CSV file: a header and one row per match.
    CartellaTemporanea dir;
    ASSERT_TRUE(f.EsportaCsv(QString::fromStdString((dir / "g.csv").string())));
    const auto csv = Righe(LeggiTesto(dir / "g.csv"));
    ASSERT_EQ(csv.size(), 3u);
    EXPECT_EQ(csv[0].rfind("giornata;data;ora;casa;trasferta;p1;", 0), 0u);
    EXPECT_EQ(csv[1].rfind("20;2027-01-23;15:30;" + n[0] + ";" + n[1] + ";0.", 0), 0u) << csv[1];

    // The coupon of the matchday in one step.
    auto* schedina = f.findChild<QPushButton*>("nuovaSchedina");
    ASSERT_TRUE(schedina->isEnabled());
    schedina->click();
    EXPECT_EQ(schedine, 1);
    EXPECT_EQ(dati->schedina.schedinaAssente, 0);
    EXPECT_EQ(dati->schedina.partite[1].squadraCasa, n[2]);
    EXPECT_TRUE(msg.mostrati.empty());

    // Matchday 21: a fixture the model cannot estimate says why across the
    // row, and no coupon can be made of it.
    giornate->setCurrentIndex(1);
    ASSERT_EQ(tabella->rowCount(), 1);
    EXPECT_EQ(tabella->columnSpan(0, 4), 11);
    EXPECT_EQ(tabella->item(0, 4)->text().toStdString(),
              "Ignota non e' tra le squadre della stagione");
    EXPECT_FALSE(schedina->isEnabled());
}
