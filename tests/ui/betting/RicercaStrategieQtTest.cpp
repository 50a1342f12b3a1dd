// The strategy search's dialogs offscreen, on a small archive of weeks: the
// settings of step 1 through their controls, a single evaluation typed in
// the hidden dialog and run to the end (progress box, strategies, HTML page,
// conclusion), and a full search stopped by "Interrompi" and by closing.
#include "platform/AttendiLavori.h"
#include "platform/Modale.h"

#include "app/DatiGlobali.h"
#include "betting/ArchivioRicercaProva.h"
#include "betting/DlgRicercaStrategieQt.h"
#include "platform/Piattaforma.h"

#include "Supporto.h"
#include "doppi/MessaggiRegistrati.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

namespace {

constexpr DataSettimana kOggi{11, 12, 2026};
constexpr DataOra kAdesso{11, 12, 2026, 10, 30};
constexpr int kSnai = 4;

void Fotografa(QWidget& w, const char* nome) {
    const QByteArray cartella = qgetenv("VELTRA_FOTO");
    if (cartella.isEmpty()) return;
    w.adjustSize();
    w.grab().save(QDir(QString::fromUtf8(cartella)).filePath(QString(nome) + ".png"));
}

void Clic(QWidget& w, QPoint p) {
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(p), w.mapToGlobal(QPointF(p)), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

class NavigatoreFinto : public INavigatore {
public:
    bool ApriFile(const std::filesystem::path& file) override {
        aperti.push_back(file);
        return true;
    }
    std::vector<std::filesystem::path> aperti;
};

// Step 1 through its controls: SNAI from 1 January 2003, Serie A only.
ParametriRicerca Passo1(MessaggiRegistrati& m) {
    CDlgParametriRicerca logica(kOggi);
    ParametriRicerca p;
    CDlgParametriRicercaQt d(logica, p, m);
    d.bookmaker()->setCurrentIndex(kSnai);
    d.dataInizio()->setDate(QDate(2003, 1, 1));
    EXPECT_TRUE(d.distintiSi()->isEnabled());
    for (int c = 1; c < kNumeroCampionati; ++c)
        d.campionati()->item(c)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(d.distintiSi()->isEnabled()); // one championship left
    d.campionati()->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(d.avanti()->isEnabled());
    d.campionati()->item(0)->setCheckState(Qt::Checked);
    EXPECT_TRUE(d.avanti()->isEnabled());
    d.eventi()->setCurrentIndex(1); // 2 events: singles, doubles, "1 su 2"
    EXPECT_TRUE(d.settimaneVincenti(6)->isEnabled());
    EXPECT_FALSE(d.settimaneVincenti(2)->isEnabled());
    d.segno(0)->setChecked(false);
    EXPECT_FALSE(d.avanti()->isEnabled());
    d.segno(0)->setChecked(true);
    EXPECT_FALSE(d.dataVerifica()->isEnabled());
    // Every control explains itself.
    EXPECT_EQ(d.windowTitle().toStdString(), kTitoloRicercaStrategie);
    int controlli = 0;
    for (QWidget* w : d.findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QComboBox*>(w) &&
            !qobject_cast<QDateEdit*>(w) && !qobject_cast<QListWidget*>(w))
            continue;
        ++controlli;
        EXPECT_FALSE(w->toolTip().isEmpty()) << w->objectName().toStdString();
    }
    EXPECT_GT(controlli, 30);
    Fotografa(d, "250");
    d.avanti()->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    return p;
}

} // namespace

TEST(RicercaStrategieQt, RicercaUnicaFinoAllaConclusione) {
    CartellaTemporanea dir;
    ScriviArchivioRicerca(dir.percorso(), kSnai, 12);
    MessaggiRegistrati m;
    const ParametriRicerca p = Passo1(m);
    EXPECT_EQ(p.bookmaker, kSnai);
    EXPECT_EQ(p.dataInizio.chiave(), 20030101L);
    EXPECT_EQ(p.eventiDaConsiderare, 2);
    EXPECT_TRUE(p.inclusi[0]);
    EXPECT_FALSE(p.inclusi[1]);

    DatiGlobali dati;
    dati.datiModificati = false;
    const std::int32_t idPrima = dati.prossimoIdStrategia;
    CDlgRicercaStrategie logica(p, dati, dati.strategie, dati.prossimoIdStrategia, dir.percorso(), kAdesso);
    CDlgRicercaStrategieQt d(logica, m);
    d.show();
    EXPECT_EQ(d.windowTitle().toStdString(), kTitoloRicercaStrategie);
    EXPECT_FALSE(d.avanti()->isEnabled());
    // The hidden corner opens the single evaluation: a wrong value first.
    QuandoModale([&](QWidget* w) {
        auto* u = qobject_cast<CDlgRicercaUnicaQt*>(w);
        ASSERT_NE(u, nullptr);
        const char* testi[7] = {"45", "35", "30", "-100", "100", "1,50", "abc"};
        for (int i = 0; i < 7; ++i)
            u->campo(i)->setText(testi[i]);
        u->accept();
        EXPECT_TRUE(u->isVisible()); // refused: still open
        u->campo(6)->setText("3");
        u->accept();
    });
    Clic(d, {3, 3});
    ASSERT_TRUE(logica.parametri().unica);
    EXPECT_FLOAT_EQ(logica.parametri().unica->minProb1, 0.45f);
    EXPECT_FLOAT_EQ(logica.parametri().unica->minQuota, 1.5f);
    EXPECT_FLOAT_EQ(logica.parametri().unica->maxQuota, 3.0f);
    ASSERT_EQ(m.mostrati.size(), 1u);
    EXPECT_NE(m.mostrati[0].testo.find("\"Quota max ?\" non e' un numero"), std::string::npos);
    d.salvaHtml(true)->click();
    d.avvia()->click();
    EXPECT_EQ(d.avvia()->text(), "Interrompi");
    EXPECT_FALSE(d.salvaHtml(false)->isEnabled());
    EXPECT_FALSE(d.annulla()->isEnabled());
    AttendiLavori(d.esecutore());
    EXPECT_EQ(logica.stato(), CDlgRicercaStrategie::Stato::Conclusa);
    EXPECT_TRUE(d.avanti()->isEnabled());
    EXPECT_TRUE(d.annulla()->isEnabled());
    EXPECT_FALSE(d.avvia()->isEnabled());
    const std::string testo = d.avanzamento()->toPlainText().toStdString();
    EXPECT_NE(testo.find("Ricerca sui pronostici '1' conclusa."), std::string::npos) << testo;
    EXPECT_EQ(testo.find('\r'), std::string::npos);
    EXPECT_EQ(d.pronostico()->text(), "1");
    EXPECT_EQ(d.campionato()->text(), "Serie A");
    // The strategies found are in the program's list, the data modified.
    EXPECT_FALSE(dati.strategie.strategie.empty());
    EXPECT_TRUE(dati.datiModificati);
    EXPECT_GT(dati.prossimoIdStrategia, idPrima);
    const EsitoRicercaStrategie& esito = logica.esito();
    ASSERT_FALSE(esito.html.empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(esito.html));
    Fotografa(d, "251-conclusa");
    d.avanti()->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);

    CDlgConclusioneRicerca conclusione(logica.esito());
    NavigatoreFinto navigatore;
    CDlgConclusioneRicercaQt c(conclusione, navigatore, m);
    EXPECT_EQ(c.windowTitle().toStdString(), kTitoloRicercaStrategie);
    EXPECT_FALSE(c.errore()->isVisibleTo(&c));
    EXPECT_EQ(c.percorso()->text().toStdString(), esito.html.string());
    EXPECT_TRUE(c.apri()->isEnabled());
    EXPECT_TRUE(c.archivio()->isEnabled());
    EXPECT_FALSE(c.vincitori()->toPlainText().isEmpty());
    Fotografa(c, "252");
    c.apri()->click();
    EXPECT_EQ(navigatore.aperti, std::vector<std::filesystem::path>{esito.html});
}

TEST(RicercaStrategieQt, InterrompiEChiusuraFermanoLaRicerca) {
    CartellaTemporanea dir;
    ScriviArchivioRicerca(dir.percorso(), kSnai, 40);
    ParametriRicerca p;
    p.bookmaker = kSnai;
    p.segni = {true, true, true};
    p.ordinamenti = {true, true, true, true};
    p.eventiDaConsiderare = 6;
    p.minSettimaneUtili = 0;
    p.minSettimaneVincenti.fill(0);
    p.thread = 1;
    for (const bool chiudi : {false, true}) {
        DatiGlobali dati;
        MessaggiRegistrati m;
        CDlgRicercaStrategie logica(p, dati, dati.strategie, dati.prossimoIdStrategia, dir.percorso(), kAdesso);
        CDlgRicercaStrategieQt d(logica, m);
        d.show();
        d.avvia()->click();
        ASSERT_TRUE(logica.inCorso());
        m.risposte = {Risposta::No, Risposta::Si};
        if (chiudi) {
            d.reject(); // No: the search goes on
            EXPECT_TRUE(d.isVisible());
            EXPECT_TRUE(logica.inCorso());
            d.reject(); // Si: stopped, waited for, closed
            EXPECT_EQ(d.esecutore().LavoriInCorso(), 0);
            EXPECT_FALSE(d.isVisible());
            EXPECT_EQ(d.result(), QDialog::Rejected);
        } else {
            d.avvia()->click(); // "Interrompi", No
            EXPECT_TRUE(d.avvia()->isEnabled());
            d.avvia()->click(); // Si
            EXPECT_FALSE(d.avvia()->isEnabled());
            Fotografa(d, "251-in-corso");
            AttendiLavori(d.esecutore());
            EXPECT_TRUE(d.annulla()->isEnabled());
            EXPECT_FALSE(d.avanti()->isEnabled());
        }
        EXPECT_EQ(logica.stato(), CDlgRicercaStrategie::Stato::Fermata) << chiudi;
        EXPECT_EQ(m.testi(), (std::vector<std::string>(2, CDlgRicercaStrategie::kDomandaInterrompi))) << chiudi;
    }
}
