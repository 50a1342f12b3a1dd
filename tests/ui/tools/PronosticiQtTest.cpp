// The prediction window driven with real mouse clicks (offscreen): what the
// lists show after an estimate that cannot be computed.
#include "app/DatiGlobali.h"
#include "dati/GeneratoreStagioni.h"
#include "engine/CMotoreStime.h"
#include "platform/Piattaforma.h"
#include "platform/Stampa.h"
#include "tools/pronostici/CPronosticiQt.h"

#include "doppi/MessaggiRegistrati.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

namespace {

class NessunaStampante : public IServizioStampa {
public:
    std::unique_ptr<IDispositivoStampa> ScegliDispositivo() override { return nullptr; }
};

// Press and release on a row, as the mouse does.
void Clicca(QListWidget& lista, int riga) {
    const QPointF p = lista.visualItemRect(lista.item(riga)).center();
    const QPointF g = lista.viewport()->mapToGlobal(p);
    QMouseEvent premi(QEvent::MouseButtonPress, p, g, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(lista.viewport(), &premi);
    QMouseEvent rilascia(QEvent::MouseButtonRelease, p, g, Qt::LeftButton, Qt::NoButton,
                         Qt::NoModifier);
    QApplication::sendEvent(lista.viewport(), &rilascia);
    QApplication::processEvents();
}

} // namespace

TEST(PronosticiQt, StimaImpossibileSvuotaDavveroLeDueListe) {
    // A cut-off after matchday 2 and three analysed matches: no current team
    // has played enough to be estimated.
    auto dati = std::make_unique<DatiGlobali>();
    CCampionato& c = dati->campionato(0);
    OpzioniGenerazione o;
    o.stagioni = 4;
    ASSERT_EQ(GeneraStagioni(c, o), 0);
    c.stagioneFiltro = 4;
    c.ultimoIncontroFiltro = c.incontri.inizioStagione(3) + 20;
    c.config.giornateAnalisi = 3;
    const std::int16_t w[5] = {100, 100, 100, 0, 0};
    std::memcpy(c.config.percentualiImportanza, w, sizeof w);
    CreaMotore(c);
    MessaggiRegistrati msg;
    NessunaStampante stampa;
    OrologioDiSistema orologio;
    CPronosticiQt finestra(*dati, msg, stampa, orologio);
    ASSERT_TRUE(finestra.Aggiorna(false));
    finestra.show();
    auto* casa = finestra.findChild<QListWidget*>("listaCasa");
    auto* trasferta = finestra.findChild<QListWidget*>("listaTrasferta");
    ASSERT_GT(casa->count(), 3);

    Clicca(*casa, 0);
    // The engine cannot estimate the cut-off season: the rating model is
    // offered first, and declined here (the scripted answer is No).
    ASSERT_EQ(msg.mostrati.size(), 1u);
    EXPECT_NE(msg.mostrati[0].testo.find("Usare il modello rating per questo campionato?"),
              std::string::npos);
    msg.mostrati.clear();
    Clicca(*trasferta, 1);
    ASSERT_EQ(msg.mostrati.size(), 1u);
    for (QListWidget* l : {casa, trasferta}) {
        EXPECT_TRUE(l->selectedItems().isEmpty()) << l->objectName().toStdString();
        EXPECT_EQ(l->currentRow(), -1) << l->objectName().toStdString();
    }
    EXPECT_EQ(finestra.logica().trasferta(), -1);
    // Another home team: nothing chosen away, so nothing to estimate and
    // nothing highlighted that would say otherwise.
    Clicca(*casa, 2);
    EXPECT_TRUE(trasferta->selectedItems().isEmpty());
    EXPECT_EQ(finestra.logica().casa(), 2);
}
