// The betting windows on the shipped data (offscreen): a week of odds typed
// into the entry dialog, the bet selection calculated as a job and browsed,
// the event information of a leg, and the stake split of a calculated leg.
#include "platform/AttendiLavori.h"
#include "app/DatiGlobali.h"
#include "dati/ModelliStime.h"
#include "betting/CDlgScommesseQt.h"
#include "betting/CDlgDatiEventoQt.h"
#include "betting/DlgQuoteQt.h"
#include "betting/FileQuote.h"
#include "betting/RicalcolaEventi.h"
#include "betting/SelezioneScommesse.h"
#include "dati/FileDati.h"
#include "engine/CMotoreStime.h"
#include "platform/Piattaforma.h"

#include "doppi/MessaggiRegistrati.h"
#include "doppi/StampaRegistrata.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QApplication>
#include <QMouseEvent>
#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

namespace {

template <class W> W* Controllo(QWidget& w, const char* nome) {
    W* c = w.findChild<W*>(nome);
    if (!c) ADD_FAILURE() << "manca il controllo " << nome;
    return c;
}

// A left button press on the dialog itself at `p` (its client area).
void Clic(QWidget& w, QPoint p) {
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(p), w.mapToGlobal(QPointF(p)), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &e);
}

void Fotografa(QWidget& w, const char* nome) {
    const QByteArray cartella = qgetenv("VELTRA_FOTO");
    if (cartella.isEmpty()) return;
    w.adjustSize();
    w.grab().save(QDir(QString::fromUtf8(cartella)).filePath(QString(nome) + ".png"));
}

class ScommesseQt : public ::testing::Test {
protected:
    void SetUp() override {
        const EsitoFile e = CaricaFileCampionati(dati, VELTRA_RESOURCES_DIR "/dati");
        ASSERT_TRUE(e) << e.dettaglio;
        // As in a new working folder: the shipped current seasons have just begun,
        // so every championship is estimated with the rating model.
        for (int c = 0; c < kNumeroCampionati; ++c) {
            dati.campionato(c).modello = ModelloStime::Rating;
            CreaMotore(dati.campionato(c));
        }
    }
    DatiGlobali dati;
    MessaggiRegistrati msg;
    ServizioStampaRegistrato stampa;
    OrologioDiSistema orologio;
};

} // namespace

TEST_F(ScommesseQt, ImmissioneCalcoloEInformazioni) {
    // The entry dialog: four matches of Serie A typed in.
    ASSERT_TRUE(AggiornaStimeScommesse(dati, 0));
    CDlgImmissioneQuote logica(dati.scommesse, dati, 0, CDlgImmissioneQuote::Modo::Immissione);
    {
        CDlgImmissioneQuoteQt dlg(logica, msg);
        auto* squadre = dlg.squadre();
        auto* aggiungi = Controllo<QPushButton>(dlg, "aggiungi");
        for (int k = 0; k < 8; ++k) {
            squadre->setCurrentRow(0);
            aggiungi->click();
        }
        const char* quote[4][6] = {{"1.80", "3.50", "4.50", "1.22", "1.30", ""},
                                   {"2.40", "3.10", "3.00", "", "", "1.50"},
                                   {"1.45", "4.20", "7.5", "1.10", "", ""},
                                   {"2.9", "3.20", "2.50", "1.50", "1.35", "1.40"}};
        for (int r = 0; r < 4; ++r)
            for (int k = 0; k < 6; ++k)
                dlg.quota(r, k)->setText(quote[r][k]);
        EXPECT_FALSE(dlg.quota(4, 0)->isEnabled());
        Fotografa(dlg, "180_immissione");
        dlg.continua()->click();
        EXPECT_EQ(dlg.result(), QDialog::Accepted) << (msg.mostrati.empty() ? "" : msg.testi().back());
    }
    ASSERT_EQ(dati.scommesse.nEventi, 4);

    // The bet selection: double chances by equity, doubles, calculated.
    CDlgScommesseQt w(dati, msg, stampa, orologio);
    ASSERT_TRUE(w.Aggiorna());
    EXPECT_EQ(w.windowTitle(), "TALBOR - Selezione Scommesse");
    // The real plays of the strategies need the folder that holds them and
    // a strategy to resolve.
    EXPECT_FALSE(Controllo<QPushButton>(w, "strategie")->isEnabled());
    {
        CDlgScommesseQt conCartella(dati, msg, stampa, orologio,
                                    std::filesystem::temp_directory_path());
        EXPECT_FALSE(Controllo<QPushButton>(conCartella, "strategie")->isEnabled());
        CStrategiaDesc s;
        s.eventiStrategia.resize(1);
        s.giocate = {{0}};
        dati.strategie.strategie.push_back(s);
        ASSERT_TRUE(conCartella.Aggiorna());
        EXPECT_TRUE(Controllo<QPushButton>(conCartella, "strategie")->isEnabled());
        dati.strategie.strategie.clear();
        ASSERT_TRUE(conCartella.Aggiorna());
        EXPECT_FALSE(Controllo<QPushButton>(conCartella, "strategie")->isEnabled());
    }
    w.tipo()->setCurrentIndex(12);
    Controllo<QCheckBox>(w, "doppieCalcolate")->setChecked(true);
    w.limite(kMinProbDoppiaLim)->setValue(40);
    w.limite(kMinEquitaLim)->setValue(50);
    EXPECT_EQ(Controllo<QLabel>(w, "minEquitaTesto")->text(), "-50%");
    ASSERT_TRUE(w.gamba(2)->isEnabled());
    w.gamba(2)->click();
    w.Calcola();
    AttendiLavori(w.esecutore());
    ASSERT_GT(dati.scommesse.nScommesse(), 1);
    EXPECT_EQ(w.contatore()->text(), QString("1 DI %1").arg(dati.scommesse.nScommesse()));
    EXPECT_EQ(w.pulsanteCalcola()->text(), "&Cerca");
    Controllo<QPushButton>(w, "successiva")->click();
    EXPECT_TRUE(w.contatore()->text().startsWith("2 DI "));
    EXPECT_FALSE(Controllo<QLabel>(w, "gamba1_1")->text().isEmpty());
    EXPECT_TRUE(Controllo<QLabel>(w, "gamba3_1")->isHidden());
    Fotografa(w, "181_scommesse");


    // The information on the first leg.
    const VoceScommessa& v = dati.scommesse.scommesse[1].voci[0];
    CDlgDatiEventoQt info(dati, v.campionato, v.casa, v.trasferta);
    EXPECT_EQ(info.windowTitle(), "TALBOR - Serie A. Informazioni sull'evento selezionato");
    Fotografa(info, "235_informazioni");

    // A calculated leg's stake split, when one is among the bets.
    for (const Scommessa& s : dati.scommesse.scommesse) {
        if (s.voci[0].calcolata == 0 && s.voci[1].calcolata == 0) continue;
        CDlgScommessaCalcolataQt c(s);
        EXPECT_TRUE(Controllo<QLabel>(c, "numeroGiocata")->text().endsWith(" DI 2") ||
                    Controllo<QLabel>(c, "numeroGiocata")->text().endsWith(" DI 4"));
        Fotografa(c, "213_calcolata");
        break;
    }

    // Calculated again: no modal window, the progress shows in the window,
    // whose own "&Interrompi" asks and stops the calculation.
    w.Calcola();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(w.pulsanteCalcola()->text(), "&Interrompi");
    EXPECT_FALSE(Controllo<QProgressBar>(w, "progresso")->isHidden());
    Fotografa(w, "181_in_corso");
    msg.risposte = {Risposta::No};
    w.pulsanteCalcola()->click();
    EXPECT_EQ(msg.testi().back(), "Desideri interrompere la Ricerca in corso ?");
    EXPECT_EQ(w.esecutore().LavoriInCorso(), 1);
    msg.risposte = {Risposta::Si};
    w.pulsanteCalcola()->click();
    AttendiLavori(w.esecutore());
    EXPECT_EQ(w.pulsanteCalcola()->text(), "&Cerca");
    EXPECT_TRUE(Controllo<QProgressBar>(w, "progresso")->isHidden());
    // A refresh (a new analysis) during a calculation stops it at once.
    w.Calcola();
    ASSERT_TRUE(w.Aggiorna(true));
    const auto testi = msg.testi();
    EXPECT_NE(std::find(testi.begin(), testi.end(), std::string(kRicercaInCorsoAggiornamento)), testi.end());
    AttendiLavori(w.esecutore());
    EXPECT_EQ(w.pulsanteCalcola()->text(), "&Cerca");
}

TEST_F(ScommesseQt, SelezioneCampionati) {
    CDlgSelezioneCampionati logica(dati.scommesse, dati);
    CDlgSelezioneCampionatiQt dlg(logica, msg);
    EXPECT_EQ(dlg.sinistra()->count(), kNumeroCampionati);
    EXPECT_FALSE(dlg.continua()->isEnabled());
    Controllo<QPushButton>(dlg, "aggiungi")->click();
    EXPECT_EQ(msg.testi().back(), "Selezionare un campionato dalla lista di sinistra.");
    dlg.sinistra()->setCurrentRow(2);
    Controllo<QPushButton>(dlg, "aggiungi")->click();
    EXPECT_EQ(dlg.destra()->count(), 1);
    EXPECT_EQ(dati.scommesse.conEventi[2], 1);
    EXPECT_TRUE(dlg.continua()->isEnabled());
    Fotografa(dlg, "212_campionati");
}

TEST_F(ScommesseQt, SelezioneCampionatiNegliAltriModi) {
    CDlgSelezioneCampionati logica(CDlgSelezioneCampionati::Modo::CopiaAnalisi);
    CDlgSelezioneCampionatiQt dlg(logica, msg);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "VELTRA - Selezione Campionati");
    EXPECT_FALSE(Controllo<QPushButton>(dlg, "caricaQuote")->isVisible());
    auto* archivio = Controllo<QRadioButton>(dlg, "daArchivio");
    EXPECT_TRUE(Controllo<QRadioButton>(dlg, "daCorrenti")->isChecked());
    archivio->click();
    EXPECT_TRUE(logica.daArchivio);
    for (int k = 0; k < 2; ++k) {
        EXPECT_FALSE(dlg.continua()->isEnabled());
        dlg.sinistra()->setCurrentRow(0);
        Controllo<QPushButton>(dlg, "aggiungi")->click();
    }
    EXPECT_TRUE(dlg.continua()->isEnabled());
    EXPECT_EQ(logica.destra(), (std::vector<int>{0, 1}));
    EXPECT_EQ(dati.scommesse.conEventi[0], 0);
    // The corner click does nothing outside the betting mode.
    int digitati = 0;
    dlg.percorsoDigitato = [&] { ++digitati; return std::string(); };
    Clic(dlg, QPoint(3, 3));
    EXPECT_EQ(digitati, 0);
    Fotografa(dlg, "212_copia_analisi");
}

TEST_F(ScommesseQt, PercorsoDigitatoNellAngolo) {
    CDlgSelezioneCampionati logica(dati.scommesse, dati);
    CDlgSelezioneCampionatiQt dlg(logica, msg);
    dlg.show();
    std::vector<std::string> percorsi = {"/percorso/assente/110124.QUO", ""};
    int digitati = 0;
    dlg.percorsoDigitato = [&] { return percorsi[static_cast<std::size_t>(digitati++)]; };
    Clic(dlg, QPoint(20, 20)); // elsewhere
    EXPECT_EQ(digitati, 0);
    Clic(dlg, QPoint(8, 0));
    EXPECT_EQ(digitati, 1);
    EXPECT_EQ(msg.testi().back(), kErroreAperturaQuote);
    EXPECT_TRUE(dlg.isVisible()); // stays open
    Clic(dlg, QPoint(0, 8)); // cancelled
    EXPECT_EQ(digitati, 2);
    EXPECT_TRUE(dlg.isVisible());

    // Dialog 248 itself: OK on an empty field warns and stays open.
    CCaricaFile f;
    CCaricaFileQt d(f, msg);
    EXPECT_EQ(d.windowTitle(), "TALBOR - Caricamento file");
    d.show();
    d.Ok();
    EXPECT_EQ(msg.testi().back(), "Inserimento nullo.\nDigitare il nome completo di un file.");
    EXPECT_TRUE(d.isVisible());
    d.campo()->setText("/tmp/311205.QUO");
    d.Ok();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(f.percorso, "/tmp/311205.QUO");
    Fotografa(d, "248_caricamento_file");
}
