// The checking dialog, the play's statistics and the archive sheet on the
// shipped data (offscreen), and the reduced-system view with its dictation
// through the recording sound fake (stop and close while speaking), and the
// hidden column.
#include "app/DatiGlobali.h"
#include "dati/ModelliStime.h"
#include "dati/FileDati.h"
#include "engine/CMotoreStime.h"
#include "pools/CDlgSistemaRidottoQt.h"
#include "pools/CDlgSpoglioSchedineQt.h"
#include "pools/ComandiSistema.h"
#include "pools/NuovaSchedinaQt.h"
#include "pools/OperazioniSchedina.h"
#include "pools/PannelloGiocataQt.h"
#include "pools/SpoglioSchedina.h"

#include "doppi/MessaggiRegistrati.h"
#include "doppi/SuoniRegistrati.h"
#include "platform/AttendiLavori.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

namespace {

void Fotografa(QWidget& w, const char* nome) {
    const QByteArray cartella = qgetenv("VELTRA_FOTO");
    if (cartella.isEmpty()) return;
    w.adjustSize();
    w.grab().save(QDir(QString::fromUtf8(cartella)).filePath(QString(nome) + ".png"));
}

// Runs the event loop until `segnale` or `ms` pass; false on time out.
template <class O, class S> bool Attendi(O* oggetto, S segnale, int ms) {
    QEventLoop ciclo;
    bool arrivato = false;
    QObject::connect(oggetto, segnale, &ciclo, [&] {
        arrivato = true;
        ciclo.quit();
    });
    QTimer::singleShot(ms, &ciclo, &QEventLoop::quit);
    ciclo.exec();
    return arrivato;
}

class SpoglioQt : public ::testing::Test {
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
        // 10 matches of Serie A and 4 of Serie B, through the wizard.
        int pagine = 0;
        ASSERT_TRUE(NuovaSchedinaQt(dati, msg, nullptr, [&](QDialog& d) -> int {
            auto* p = qobject_cast<DlgPaginaSchedina*>(&d);
            if (!p) return QDialog::Rejected;
            const int quante = pagine == 0 ? 20 : 8;
            for (int i = 0; i < quante; ++i) {
                p->squadre()->setCurrentRow(0);
                p->aggiungi()->click();
            }
            ++pagine;
            p->avanti()->click();
            return p->result();
        }));
        // A few doubles and triples more, as the user would make them.
        for (int i = 0; i < 3; ++i) ApplicaComandoSistema(dati.schedina, ComandoSistema::FissaDoppia);
        ApplicaComandoSistema(dati.schedina, ComandoSistema::DoppiaTripla);
        dati.schedina.riduzioneMin = dati.schedina.riduzioneMax = -1;
        InvalidaRidotto(dati.schedina);
        msg.mostrati.clear();
    }

    DatiGlobali dati;
    MessaggiRegistrati msg;
    QTemporaryDir cartella;
};

} // namespace

TEST_F(SpoglioQt, ControlloStatisticheEArchivio) {
    const Schedina prima = dati.schedina;
    CDlgSpoglioSchedineQt d(dati, cartella.path().toStdString(), msg);
    AttendiLavori(d.esecutore());
    ASSERT_GT(TotaleColonne(dati.schedina), 0) << (msg.testi().empty() ? "" : msg.testi()[0]);
    EXPECT_FALSE(d.pulsante("calcola")->isEnabled()); // no results yet
    EXPECT_FALSE(d.pulsante("statistiche")->isEnabled());

    // The results: the base column's sign on even rows, another on odd ones.
    std::string testo;
    for (int r = 0; r < 14; ++r) {
        const std::string p = Pronostico(dati.schedina.partite[static_cast<std::size_t>(r)]);
        const int segno = r % 2 == 0 ? SegnoDaCarattere(p[0]) : (SegnoDaCarattere(p[0]) + 1) % 3;
        d.risultato(r)->setCurrentIndex(segno + 1);
        testo += CarattereSegno(segno);
    }
    ASSERT_TRUE(d.pulsante("calcola")->isEnabled());
    d.pulsante("calcola")->click();
    AttendiLavori(d.esecutore());
    ASSERT_TRUE(d.logica().calcolato());
    const RisultatiSchedina r = *RisultatiDaTesto(testo);
    EXPECT_EQ(d.etichetta("integrale")->text().toStdString(), SpogliaIntegrale(dati.schedina, r).testo);
    const EsitoSpoglioRidotto atteso = SpogliaRidotto(dati.schedina, r);
    EXPECT_EQ(d.etichetta("dodici")->text().toLongLong(), atteso.dodici);
    EXPECT_EQ(d.etichetta("punti0")->text().toInt(), atteso.punti[0]);
    // A missed cell carries "*".
    for (int riga = 0; riga < 14; ++riga) {
        const QString c = d.cella(riga, 0)->text();
        EXPECT_EQ(c.endsWith('*'), !c.contains(QChar(testo[static_cast<std::size_t>(riga)]))) << riga;
    }
    EXPECT_FALSE(d.pulsante("calcola")->isEnabled());
    EXPECT_TRUE(d.pulsante("statistiche")->isEnabled());
    Fotografa(d, "spoglio-calcolato");

    // Changing a result clears what was computed.
    d.risultato(0)->setCurrentIndex(d.risultato(0)->currentIndex() % 3 + 1);
    EXPECT_TRUE(d.etichetta("integrale")->text().isEmpty());
    EXPECT_FALSE(d.pulsante("statistiche")->isEnabled());
    d.risultato(0)->setCurrentIndex(SegnoDaCarattere(testo[0]) + 1);
    d.pulsante("calcola")->click();
    AttendiLavori(d.esecutore());

    std::optional<CStatisticheToto> giocata;
    d.mostraGiocata = [&](const CStatisticheToto& g) { giocata = g; };
    d.pulsante("statistiche")->click();
    AttendiLavori(d.esecutore());
    ASSERT_TRUE(giocata);
    EXPECT_EQ(giocata->risultati[0], std::string(1, testo[0]));
    EXPECT_EQ(giocata->puntiIntegraleGiocato, SpogliaIntegrale(dati.schedina, r).punti);
    EXPECT_EQ(giocata->colonneRidotto, TotaleColonne(dati.schedina));
    EXPECT_EQ(giocata->interventi[0], 3);
    EXPECT_EQ(giocata->interventi[1], 1);
    EXPECT_EQ(giocata->doppieGiocate - giocata->doppieOriginali, 2); // 3 doubles more, 1 made a triple
    EXPECT_EQ(giocata->tripleGiocate - giocata->tripleOriginali, 1);
    // The coupon is as it was (its backup copy aside).
    Schedina dopo = dati.schedina;
    dopo.copia = prima.copia;
    dopo.ridotto = prima.ridotto;
    EXPECT_TRUE(dopo == prima);

    // "&Archivia" into an empty archive: no question, the file written.
    DlgStatisticheGiocataQt s(dati, cartella.path().toStdString(), msg, *giocata);
    Fotografa(s, "statistiche-giocata");
    s.findChild<QPushButton*>("archivia")->click();
    EXPECT_EQ(msg.testi().back(), kGiocataArchiviata);
    EXPECT_FALSE(s.findChild<QPushButton*>("archivia")->isEnabled());
    const LetturaStatistiche letta = CaricaStatistiche(cartella.path().toStdString());
    ASSERT_TRUE(letta.lista);
    ASSERT_EQ(letta.lista->giocate.size(), 1u);
    EXPECT_EQ(letta.lista->giocate[0], *giocata);

    // The sheet: averages of one play, then the play excluded.
    DlgStatisticheTotocalcioQt foglio(dati, cartella.path().toStdString(), msg);
    EXPECT_EQ(foglio.etichetta("titolo")->text(), "VALORI MEDI CALCOLATI SU 1 GIOCATE ARCHIVIATE");
    EXPECT_EQ(foglio.etichetta("m_integraleGiocato")->text(),
              QString::number(giocata->puntiIntegraleGiocato) + ".0");
    Fotografa(foglio, "statistiche-aggregate");
    msg.risposte.push_back(Risposta::Si);
    foglio.pulsante("escludi")->click();
    EXPECT_EQ(msg.mostrati.back().pulsanti, Pulsanti::SiNo);
    EXPECT_EQ(foglio.pulsante("escludi")->text(), "&Includi");
    EXPECT_EQ(foglio.etichetta("titolo")->text(), "VALORI MEDI CALCOLATI SU 0 DELLE 1 GIOCATE ARCHIVIATE");
    EXPECT_EQ(foglio.etichetta("m_integraleGiocato")->text(), "0.0");
    foglio.findChild<QTabWidget*>()->setCurrentIndex(1);
    EXPECT_EQ(foglio.etichetta("numero")->text(), "1 / 1");
    EXPECT_FALSE(foglio.pulsante("successiva")->isEnabled());
    Fotografa(foglio, "tutte-le-giocate");
    foglio.accept();
    const LetturaStatistiche esclusa = CaricaStatistiche(cartella.path().toStdString());
    ASSERT_TRUE(esclusa.lista);
    EXPECT_EQ(esclusa.lista->esclusi, 1);
    EXPECT_EQ(esclusa.lista->giocate[0].escluso, 1);
}

TEST_F(SpoglioQt, SistemaRidottoPagineEDettatura) {
    dati.schedina.colonnePerPagina = 4;
    SuoniRegistrati suoni;
    suoni.durata = std::chrono::milliseconds(2);
    {
        CDlgSistemaRidottoQt d(dati, msg, suoni);
        if (!d.pronto()) {
            ASSERT_TRUE(Attendi(&d, &CDlgSistemaRidottoQt::Pronto, 20000));
        }
        const int totale = TotaleColonne(dati.schedina);
        ASSERT_GT(totale, 4);
        EXPECT_EQ(d.findChild<QLabel*>("totale")->text(), QString::number(totale));
        EXPECT_FALSE(d.pulsante("indietro")->isEnabled());
        EXPECT_TRUE(d.pulsante("avanti")->isEnabled());
        EXPECT_FALSE(d.pulsante("pausa")->isEnabled());
        EXPECT_EQ(d.cella(0, 0)->text().toStdString(), TestoCodice(SegnoColonna(dati.schedina, 0, 0)));
        Fotografa(d, "sistema-ridotto");
        d.pulsante("avanti")->click();
        EXPECT_EQ(d.findChild<QLabel*>("pagina")->text(), "2");
        EXPECT_EQ(d.cella(0, 0)->text().toStdString(), TestoCodice(SegnoColonna(dati.schedina, 4, 0)));

        // Dictation, then Stop: the controls come back on the window's thread.
        d.findChild<QSpinBox*>("velocita")->setValue(1);
        d.Detta();
        EXPECT_FALSE(d.pulsante("detta")->isEnabled());
        EXPECT_FALSE(d.pulsante("avanti")->isEnabled());
        EXPECT_TRUE(d.pulsante("stop")->isEnabled());
        QElapsedTimer t;
        t.start();
        while (suoni.voci().size() < 2 && t.elapsed() < 10000)
            Attendi(&d, &CDlgSistemaRidottoQt::DettaturaConclusa, 20);
        ASSERT_GE(suoni.voci().size(), 2u);
        d.Stop();
        ASSERT_TRUE(Attendi(&d, &CDlgSistemaRidottoQt::DettaturaConclusa, 10000));
        EXPECT_TRUE(d.pulsante("detta")->isEnabled());
        EXPECT_EQ(d.findChild<QLabel*>("pagina")->text(), "2"); // stopped: same page
        const auto nomi = suoni.nomi();
        for (std::size_t i = 0; i < nomi.size(); ++i)
            EXPECT_EQ(nomi[i], FileSuonoCodice(SegnoColonna(dati.schedina, 4, static_cast<int>(i)))) << i;

        // Again, and the window closed while it speaks.
        d.Detta();
        t.restart();
        const std::size_t gia = suoni.voci().size();
        while (suoni.voci().size() < gia + 1 && t.elapsed() < 10000)
            Attendi(&d, &CDlgSistemaRidottoQt::DettaturaConclusa, 20);
        t.restart();
        d.reject();
        EXPECT_LT(t.elapsed(), 3000);
        EXPECT_FALSE(d.dettatura().inCorso());
    }
    // Nothing was left speaking.
    const std::size_t n = suoni.voci().size();
    QEventLoop ciclo;
    QTimer::singleShot(300, &ciclo, &QEventLoop::quit);
    ciclo.exec();
    EXPECT_EQ(suoni.voci().size(), n);
}

TEST_F(SpoglioQt, ColonnaNascosta) {
    SuoniRegistrati suoni;
    GeneratoreColonna g(1);
    CDlgColonnaNascostaQt d(suoni, g);
    EXPECT_EQ(d.colonna().size(), 13);
    EXPECT_TRUE(d.colonna().startsWith("1X1"));
    ASSERT_EQ(suoni.voci().size(), 1u);
    EXPECT_EQ(suoni.voci()[0].nome, "suono.wav");
    EXPECT_FALSE(suoni.voci()[0].attendi);
    Fotografa(d, "colonna-nascosta");
}

TEST(DialoghiGiocataQt, SostituzioneENote) {
    // The modal dialogs answered as a user would, from inside their loop.
    CStatisticheToto recente;
    recente.data = 1700000000;
    const auto rispondi = [](const char* foto, auto azione) {
        QTimer::singleShot(0, [foto, azione] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(d);
            Fotografa(*d, foto);
            azione(*d);
        });
    };
    rispondi("aggiunta-sostituzione", [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Aggiunta o Sostituzione statistiche");
        EXPECT_TRUE(d.findChild<QRadioButton*>("aggiungi")->isChecked()); // preselected
        EXPECT_EQ(d.findChild<QLabel*>("data")->text().toStdString(), TestoData(1700000000));
        d.findChild<QRadioButton*>("sostituisci")->setChecked(true);
        d.accept();
    });
    EXPECT_EQ(SceltaSostituzione(recente, nullptr), std::optional<bool>(true));
    rispondi("aggiunta-annullata", [](QDialog& d) { d.reject(); });
    EXPECT_EQ(SceltaSostituzione(recente, nullptr), std::nullopt);

    std::string note = "vecchie";
    rispondi("descrizione-giocata", [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Descrizione Giocata Totocalcio");
        auto* t = d.findChild<QPlainTextEdit*>("note");
        EXPECT_EQ(t->toPlainText(), "vecchie");
        t->setPlainText(QString::fromUtf8("giocata di prova, più doppie"));
        d.accept();
    });
    EXPECT_TRUE(ModificaNote(note, nullptr));
    EXPECT_EQ(note, "giocata di prova, più doppie");
    rispondi("descrizione-annullata", [](QDialog& d) {
        d.findChild<QPlainTextEdit*>("note")->setPlainText("persa");
        d.reject();
    });
    EXPECT_FALSE(ModificaNote(note, nullptr));
    EXPECT_EQ(note, "giocata di prova, più doppie");
}
