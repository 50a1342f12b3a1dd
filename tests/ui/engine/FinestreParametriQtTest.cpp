// The current analysis window and the advanced parameters dialog on screen
// (offscreen), on the shipped data: their controls carry the resource
// numbers, and using them changes the championship.
#include "app/DatiGlobali.h"
#include "app/shell/SeguiCambiamenti.h"
#include "app/shell/StatoShell.h"
#include "dati/FileDati.h"
#include "engine/CMotoreStime.h"
#include "engine/MessaggioStato.h"
#include "engine/parametri/CDlgImpostazioneParametriQt.h"
#include "engine/parametri/CDlgParametriAvanzatiQt.h"
#include "platform/Piattaforma.h"

#include "doppi/MessaggiRegistrati.h"
#include "platform/Modale.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <gtest/gtest.h>

#include <memory>

using namespace veltra;
using namespace veltra::test;

namespace {

template <class W> W* Controllo(QWidget& w, const QString& nome) {
    W* c = w.findChild<W*>(nome);
    if (!c) ADD_FAILURE() << "manca il controllo " << nome.toStdString();
    return c;
}
template <class W> W* Controllo(QWidget& w, int id) {
    return Controllo<W>(w, QString::number(id));
}

class FinestreParametriQt : public ::testing::Test {
protected:
    void SetUp() override {
        const auto esito = CaricaFileCampionati(*dati, VELTRA_RESOURCES_DIR "/dati");
        ASSERT_TRUE(esito.ok) << esito.dettaglio;
        CreaMotore(dati->campionato(0));
        finestra = std::make_unique<CDlgImpostazioneParametriQt>(
            *dati, stato, msg, orologio, [this](const TestiStato& t) { pannelli = t; });
        finestra->Aggiorna(false);
    }
    std::unique_ptr<DatiGlobali> dati = std::make_unique<DatiGlobali>();
    StatoShell stato;
    NotificheCambiamenti::Iscrizione segui = SeguiCambiamenti(*dati, stato);
    MessaggiRegistrati msg;
    OrologioDiSistema orologio;
    TestiStato pannelli;
    std::unique_ptr<CDlgImpostazioneParametriQt> finestra;
};

} // namespace

TEST_F(FinestreParametriQt, ImpostazioneParametriSiApreESegueICursori) {
    auto& w = *finestra;
    EXPECT_EQ(w.objectName(), "146");
    EXPECT_EQ(w.windowTitle(), "VELTRA - Serie A. Impostazione Parametri");
    for (int id : {1082, 1062, 1065, 1068, 1074, 1077, 1029, 1221, 1222, 1223, 1224, 1030, 1031})
        Controllo<QLabel>(w, id);
    for (int id : {1420, 1230, 1231, 1204, 1205, 1206, 1498, 1207, 1421, 1837})
        Controllo<QPushButton>(w, id);
    Controllo<QCheckBox>(w, 1725);
    Controllo<QLineEdit>(w, 1523);
    auto* giornate = Controllo<QSlider>(w, 1081);
    ASSERT_TRUE(giornate);
    EXPECT_EQ(giornate->toolTip(), "Impostare il numero di Giornate d'Analisi utili per il calcolo "
                                   "dei valori delle squadre a confronto");
    EXPECT_FALSE(Controllo<QPushButton>(w, 1207)->isEnabled());
    EXPECT_TRUE(Controllo<QLabel>(w, 1029)->text().contains("Dati Usati:"));
    EXPECT_TRUE(pannelli.pannello1.rfind("Serie A. Precisione Analisi Corrente: ", 0) == 0);

    Controllo<QSlider>(w, 1061)->setValue(120);
    EXPECT_EQ(dati->campionato(0).config.percentualiImportanza[0], 120);
    EXPECT_EQ(Controllo<QLabel>(w, 1062)->text(), "120%");
    EXPECT_EQ(Controllo<QSlider>(w, 1064)->value(), 80);
    EXPECT_TRUE(Controllo<QPushButton>(w, 1837)->isEnabled());

    giornate->setValue(4);
    EXPECT_EQ(dati->campionato(0).config.giornateAnalisi, 4);
    EXPECT_TRUE(Controllo<QSlider>(w, 1073)->isEnabled());
    EXPECT_FALSE(Controllo<QSlider>(w, 1076)->isEnabled());

    Controllo<QPushButton>(w, 1204)->click();
    EXPECT_EQ(Controllo<QLabel>(w, 1221)->text(), "1 DI 1");
    EXPECT_EQ(Controllo<QLabel>(w, 1222)->text(), "4");
    EXPECT_FALSE(Controllo<QLineEdit>(w, 1523)->text().isEmpty());

    // Cancel puts the opening analysis back and keeps the stored archive.
    w.reject();
    EXPECT_EQ(dati->campionato(0).config.giornateAnalisi, 2);
    EXPECT_EQ(dati->campionato(0).archivio.numero(), 0);
}

TEST_F(FinestreParametriQt, PunteggiForzeLimitiSiApreDallaFinestra) {
    bool visto = false;
    QuandoModale([&](QWidget* m) {
        visto = m->objectName() == "184";
        auto* punti = m->findChild<QDoubleSpinBox*>("punti0");
        EXPECT_TRUE(punti && punti->isEnabled());
        if (auto* d = qobject_cast<QDialog*>(m)) d->reject();
    });
    Controllo<QPushButton>(*finestra, 1420)->click();
    EXPECT_TRUE(visto);
}

TEST_F(FinestreParametriQt, ParametriAvanzatiSpinERisultati) {
    auto& logica = finestra->logica();
    CDlgParametriAvanzatiQt d(logica, logica.corrente(), false, msg);
    EXPECT_EQ(d.windowTitle(), "VELTRA - Serie A. Parametri Avanzati");
    for (int id : {1493, 1494, 1488, 1489, 1029})
        Controllo<QLabel>(d, id);
    Controllo<QCheckBox>(d, 1738);
    Controllo<QPushButton>(d, 1837);
    EXPECT_TRUE(Controllo<QLabel>(d, 1494)->text().startsWith("dal "));
    EXPECT_TRUE(Controllo<QLabel>(d, 1029)->text().contains(" - Dati Usati: "));

    auto* punti = Controllo<QDoubleSpinBox>(d, "punti1");
    ASSERT_TRUE(punti);
    EXPECT_EQ(punti->text(), "+1.00");
    EXPECT_EQ(punti->minimum(), -4.0);
    EXPECT_EQ(punti->maximum(), 4.0);
    punti->setValue(0.5);
    EXPECT_EQ(dati->campionato(0).punteggiAvanzati.punti[1], 0.5f);

    auto* importanza = Controllo<QAbstractSpinBox>(d, "importanza");
    ASSERT_TRUE(importanza);
    importanza->setProperty("value", 150);
    EXPECT_EQ(Controllo<QLabel>(d, 1488)->text(), "50%");
    EXPECT_EQ(Controllo<QLabel>(d, 1489)->text(), "150%");

    d.accept();
    EXPECT_EQ(logica.corrente().punteggiAvanzati.punti[1], 0.5f);
}

TEST_F(FinestreParametriQt, ParametriAvanzatiInSolaLettura) {
    auto& logica = finestra->logica();
    logica.Inserisci();
    CDlgParametriAvanzatiQt d(logica, *logica.mostrata(), true, msg);
    EXPECT_FALSE(Controllo<QDoubleSpinBox>(d, "limiteMinCasa")->isEnabled());
    EXPECT_TRUE(Controllo<QPushButton>(d, "IDCANCEL")->isHidden());
    EXPECT_TRUE(Controllo<QPushButton>(d, "IDOK")->isEnabled());
}

TEST_F(FinestreParametriQt, LarghezzaStabileEPrecisioneSpezzataSoloPrimaDeiDati) {
    auto& w = *finestra;
    w.show();
    const int larghezza = w.minimumSizeHint().width();
    Controllo<QPushButton>(w, 1204)->click(); // Inserisci: the archive fills
    EXPECT_EQ(w.minimumSizeHint().width(), larghezza);
    Controllo<QSlider>(w, 1081)->setValue(4);
    Controllo<QPushButton>(w, 1204)->click();
    EXPECT_EQ(w.minimumSizeHint().width(), larghezza);
    // The formula keeps together: its blanks do not break.
    const QString testo = Controllo<QLabel>(w, 1029)->text();
    const int i = testo.indexOf("  - Dati Usati: ");
    ASSERT_GT(i, 0);
    EXPECT_FALSE(testo.left(i).contains(' ')) << testo.toStdString();
    // Serie C1, empty: the window says why, and keeps its size.
    dati->campionatoCorrente = 2;
    CreaMotore(dati->campionato(2));
    msg.risposte = {Risposta::No};
    w.Aggiorna(true);
    EXPECT_EQ(Controllo<QLabel>(w, 1029)->text(), kStimePochiIncontri);
    EXPECT_EQ(w.minimumSizeHint().width(), larghezza);
    w.reject();
}
