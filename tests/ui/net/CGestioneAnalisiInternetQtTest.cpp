// The analysis exchange window (offscreen) against the real veltra-servizio
// on loopback, serving the analyses published from a working folder: the
// three pages, the exchange as a job with the window's own button turning
// into "&Ignora" during each wait, what OK and Annulla keep, and the hidden
// click of the connection page. With VELTRA_SCHERMATA_SCAMBIO=prefix it saves
// a picture of each page (prefix1.png ...) and one during a wait.
#include "net/CGestioneAnalisiInternetQt.h"

#include "app/Avvio.h"
#include "app/CartellaDiLavoro.h"
#include "app/DatiGlobali.h"
#include "engine/ValutazioneArchivio.h"
#include "net/HttpCurl.h"

#include "doppi/MessaggiRegistrati.h"
#include "net/ServerProva.h"
#include "Supporto.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <sys/wait.h>

using namespace veltra;
using namespace veltra::test;
namespace fs = std::filesystem;

namespace {

template <class F> bool AttendiFinche(F fatto, int secondi = 15) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(secondi);
    while (!fatto()) {
        if (std::chrono::steady_clock::now() > limite) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

void Foto(QWidget& w, const char* nome) {
    if (const char* p = std::getenv("VELTRA_SCHERMATA_SCAMBIO"))
        w.grab().save(QString::fromUtf8(p) + nome + ".png");
}

// A working folder with the shipped data and a service folder published
// from it: the service proposes each championship's current analysis.
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
    }
};

// Another admissible analysis than `a`.
CAnalisi Diversa(CAnalisi a) {
    a.giornateAnalisi = 3;
    const std::int16_t p[5] = {140, 100, 60, 0, 0};
    std::copy(std::begin(p), std::end(p), a.percentualiImportanza);
    return a;
}

void Seleziona(QListWidget* l, const QString& testo) {
    const auto trovati = l->findItems(testo, Qt::MatchExactly);
    ASSERT_EQ(trovati.size(), 1) << testo.toStdString();
    l->setCurrentItem(trovati[0]);
}

} // namespace

TEST(CGestioneAnalisiInternetQt, InviaRiceveIgnoraEOkConservaAnnullaRipristina) {
    Ambiente amb;
    ProcessoServizio server(amb.servizio);
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiRegistrati msg;
    ASSERT_TRUE(CaricaAvvio(*dati, amb.mia, msg));
    // The user's Spain works with other parameters than the published ones,
    // and Serie A has one archived analysis to send.
    CCampionato& spagna = dati->campionato(13);
    const CAnalisi pubblicata = AnalisiCorrente(spagna);
    const CAnalisi propria = Diversa(pubblicata);
    ApplicaAnalisi(spagna, propria);
    CCampionato& a = dati->campionato(0);
    CAnalisi archiviata = Diversa(AnalisiCorrente(a));
    ValutaAnalisi(a, archiviata);
    ASSERT_EQ(InserisciAnalisi(a.archivio, archiviata, "Da inviare", nullptr), 1);
    ApplicaAnalisi(a, AnalisiCorrente(a));
    const CArchivio archivioA = a.archivio;

    HttpCurl http;
    CGestioneAnalisiInternetQt w(*dati, amb.mia, server.Base(), http, msg);
    w.logica().secondiIgnora = 2;
    w.show();
    EXPECT_EQ(w.windowTitle(), "VELTRA - Gestione Archivi Analisi via Internet");
    ASSERT_EQ(w.pagine()->count(), 3);
    EXPECT_EQ(w.pagine()->tabText(0), "Invio Analisi");
    EXPECT_EQ(w.pagine()->tabText(1), "Ricezione Analisi");
    EXPECT_EQ(w.pagine()->tabText(2), "Connessione al Server");

    // "Invio Analisi": the archive of the current championship (Serie A).
    EXPECT_EQ(w.campionato()->currentIndex(), 0);
    EXPECT_TRUE(w.analisi()->text().startsWith("Analisi n. 1 di 1\nTitolo: Da inviare"))
        << w.analisi()->text().toStdString();
    EXPECT_FALSE(w.successiva()->isEnabled());
    w.campionato()->setCurrentIndex(1); // Serie B: nothing archived
    EXPECT_FALSE(w.aggiungiInvio()->isEnabled());
    EXPECT_FALSE(w.note()->isEnabled());
    w.campionato()->setCurrentIndex(0);
    w.aggiungiInvio()->click();
    w.aggiungiInvio()->click(); // twice: refused with the message
    ASSERT_EQ(w.listaInvio()->count(), 1);
    EXPECT_EQ(w.listaInvio()->item(0)->text(), "Analisi n. 1 del campionato di Serie A");
    EXPECT_EQ(msg.testi().back(), "L'analisi selezionata e' gia' inserita nella lista di destra.");
    w.autore()->setText("Gruppo di prova");
    Foto(w, "1");

    // "Ricezione Analisi": Serie A and Spain, both options on.
    w.pagine()->setCurrentIndex(1);
    EXPECT_TRUE(w.comeCorrenti()->isChecked());
    EXPECT_TRUE(w.inArchivio()->isChecked());
    EXPECT_EQ(w.esclusi()->count(), kNumeroCampionati);
    w.aggiungiRicezione()->click(); // nothing selected
    EXPECT_EQ(msg.testi().back(), "Selezionare un campionato dalla lista di sinistra.");
    Seleziona(w.esclusi(), "Serie A");
    w.aggiungiRicezione()->click();
    Seleziona(w.esclusi(), "Spagna");
    w.aggiungiRicezione()->click();
    EXPECT_EQ(w.inclusi()->count(), 2);
    Foto(w, "2");

    // "Connessione al Server": the exchange runs; the first received
    // analysis (Serie A) is ignored during its wait, the second is kept.
    w.pagine()->setCurrentIndex(2);
    EXPECT_EQ(w.connessione()->text(), "&Connessione");
    EXPECT_FALSE(w.confronta()->isVisible()); // no comparison window given
    w.connessione()->click();
    EXPECT_FALSE(w.ok()->isEnabled());
    EXPECT_FALSE(w.annulla()->isEnabled());
    w.reject(); // Escape does nothing while exchanging
    EXPECT_TRUE(w.isVisible());
    ASSERT_TRUE(AttendiFinche([&] { return w.connessione()->text() == "&Ignora"; }))
        << w.messaggi()->toPlainText().toStdString();
    Foto(w, "3");
    EXPECT_TRUE(w.messaggi()->toPlainText().contains(
        "L'Analisi proposta per il Campionato di Serie A ha come titolo:"));
    w.connessione()->click(); // "&Ignora"
    ASSERT_TRUE(AttendiFinche([&] { return !w.logica().inCorso(); }));
    const std::string log = w.messaggi()->toPlainText().toStdString();
    EXPECT_EQ(log.find('\r'), std::string::npos);
    EXPECT_NE(log.find("Grazie per la tua partecipazione"), std::string::npos) << log;
    EXPECT_NE(log.find("Analisi ignorata."), std::string::npos) << log;
    EXPECT_NE(log.find("L'Analisi proposta per il Campionato di Spagna"), std::string::npos) << log;
    EXPECT_NE(log.find("OPERAZIONE CONCLUSA."), std::string::npos) << log;
    EXPECT_EQ(log.find("OPERAZIONE INTERROTTA."), std::string::npos) << log;
    EXPECT_EQ(w.connessione()->text(), "&Connessione");
    EXPECT_TRUE(w.ok()->isEnabled());
    EXPECT_TRUE(w.annulla()->isEnabled());
    EXPECT_EQ(w.inclusi()->count(), 0); // cleared after each exchange
    Foto(w, "4");

    // Serie A as it was; Spain got the published analysis as its current one
    // and at position 1 of its archive.
    EXPECT_EQ(a.archivio, archivioA);
    EXPECT_TRUE(AnalisiCorrente(spagna).StessiParametri(pubblicata));
    ASSERT_EQ(spagna.archivio.numero(), 1);
    EXPECT_TRUE(spagna.archivio.analisi[0].StessiParametri(pubblicata));

    // Annulla puts Spain back as the window found it.
    w.annulla()->click();
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_TRUE(AnalisiCorrente(spagna).StessiParametri(propria));
    EXPECT_EQ(spagna.archivio.numero(), 0);
    EXPECT_EQ(dati->datiModificati, 0);
}

TEST(CGestioneAnalisiInternetQt, OkConservaEOffreIlConfronto) {
    Ambiente amb;
    ProcessoServizio server(amb.servizio);
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiRegistrati msg;
    ASSERT_TRUE(CaricaAvvio(*dati, amb.mia, msg));
    CCampionato& spagna = dati->campionato(13);
    const CAnalisi pubblicata = AnalisiCorrente(spagna);
    const CAnalisi propria = Diversa(pubblicata);
    ApplicaAnalisi(spagna, propria);

    HttpCurl http;
    CGestioneAnalisiInternetQt w(*dati, amb.mia, server.Base(), http, msg);
    std::vector<std::pair<CAnalisi, CAnalisi>> confronti;
    std::string titolo;
    w.apriConfronto = [&](const std::string& t, const CAnalisi& x, const CAnalisi& y) {
        titolo = t;
        confronti.push_back({x, y});
    };
    w.logica().secondiIgnora = 0;
    w.show();
    w.pagine()->setCurrentIndex(1);
    w.inArchivio()->setChecked(false);
    Seleziona(w.esclusi(), "Spagna");
    w.aggiungiRicezione()->click();
    w.pagine()->setCurrentIndex(2);
    EXPECT_TRUE(w.confronta()->isVisible());
    EXPECT_FALSE(w.confronta()->isEnabled()); // nothing received yet
    w.connessione()->click();
    ASSERT_TRUE(AttendiFinche([&] { return !w.logica().inCorso(); }));
    ASSERT_TRUE(w.confronta()->isEnabled()) << w.messaggi()->toPlainText().toStdString();
    w.confronta()->click();
    ASSERT_EQ(confronti.size(), 1u);
    EXPECT_FALSE(titolo.empty());
    EXPECT_TRUE(confronti[0].first.StessiParametri(pubblicata));
    EXPECT_TRUE(confronti[0].second.StessiParametri(propria));

    w.ok()->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_TRUE(AnalisiCorrente(spagna).StessiParametri(pubblicata));
    EXPECT_EQ(spagna.archivio.numero(), 0); // "Alla posizione n.1" was off
    EXPECT_EQ(dati->datiModificati, 1);
}

TEST(CGestioneAnalisiInternetQt, IlClicNascostoPreparaLaProvaLocale) {
    CartellaTemporanea tmp;
    ASSERT_TRUE(PreparaCartellaDiLavoro(tmp.percorso(), fs::path(VELTRA_RESOURCES_DIR) / "dati"));
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiRegistrati msg;
    ASSERT_TRUE(CaricaAvvio(*dati, tmp.percorso(), msg));
    CCampionato& a = dati->campionato(0);
    CAnalisi archiviata = Diversa(AnalisiCorrente(a));
    ValutaAnalisi(a, archiviata);
    ASSERT_EQ(InserisciAnalisi(a.archivio, archiviata, "Prova", nullptr), 1);
    ApplicaAnalisi(a, AnalisiCorrente(a));

    HttpCurl http;
    CGestioneAnalisiInternetQt w(*dati, tmp.percorso(), "http://127.0.0.1:1", http, msg);
    w.show();
    w.aggiungiInvio()->click();
    w.pagine()->setCurrentIndex(2);
    const auto clic = [&](QPoint p) {
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(p), w.paginaConnessione()->mapToGlobal(QPointF(p)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.paginaConnessione(), &e);
    };
    clic({20, 20}); // outside the corner: nothing
    EXPECT_TRUE(msg.mostrati.empty());
    msg.risposte = {Risposta::Si, Risposta::Si};
    clic({3, 3});
    ASSERT_EQ(msg.mostrati.size(), 2u);
    EXPECT_EQ(msg.mostrati[0].testo, kDomandaSalvaProva);
    EXPECT_EQ(msg.mostrati[1].testo, kDomandaCaricaProva);
    EXPECT_TRUE(w.logica().provaLocale());
    EXPECT_EQ(LeggiTesto(tmp / "AnalisiRicezioneA7040.txt").rfind("-2 0 3 1 140 100 60 ", 0), 0u);

    // The exchange then reads that file and needs no server (port 1 is closed).
    w.pagine()->setCurrentIndex(1);
    Seleziona(w.esclusi(), "Serie A");
    w.aggiungiRicezione()->click();
    w.logica().secondiIgnora = 0;
    w.connessione()->click();
    ASSERT_TRUE(AttendiFinche([&] { return !w.logica().inCorso(); }));
    const std::string log = w.messaggi()->toPlainText().toStdString();
    EXPECT_EQ(log.find("Avvio sessione internet"), std::string::npos) << log;
    EXPECT_NE(log.find("OPERAZIONE CONCLUSA."), std::string::npos) << log;
    EXPECT_TRUE(AnalisiCorrente(a).StessiParametri(archiviata));
    w.annulla()->click();
}

TEST(CGestioneAnalisiInternetQt, LaChiaveDelClubVaColPostENonSiVede) {
    Ambiente amb;
    CartellaTemporanea tmp;
    ScriviTesto(tmp / "chiavi.txt", "chiave-del-club-77\n");
    ProcessoServizio server(amb.servizio, {"--chiavi", (tmp / "chiavi.txt").string()});
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiRegistrati msg;
    ASSERT_TRUE(CaricaAvvio(*dati, amb.mia, msg));
    HttpCurl http;
    CGestioneAnalisiInternetQt w(*dati, amb.mia, server.Base(), http, msg);
    w.logica().secondiIgnora = 0;
    w.ImpostaChiave("chiave-del-club-77");
    w.show();
    EXPECT_EQ(w.chiave()->text(), "chiave-del-club-77");
    EXPECT_EQ(w.chiave()->echoMode(), QLineEdit::PasswordEchoOnEdit);
    Foto(w, "chiave");
    struct Caso {
        const char* chiave;
        const char* nelLog; // "" when the exchange must not start
    };
    for (const Caso& c : {Caso{"corta", ""}, Caso{"chiave-sbagliata-1", "(risposta 401)"},
                          Caso{"chiave-del-club-77", "Analisi ricevute: 0"}}) {
        SCOPED_TRACE(c.chiave);
        w.chiave()->setText(c.chiave);
        EXPECT_EQ(w.logica().chiave, c.chiave);
        w.messaggi()->clear();
        const std::size_t prima = msg.mostrati.size();
        w.pagine()->setCurrentIndex(2);
        w.connessione()->click();
        ASSERT_TRUE(AttendiFinche([&] { return !w.logica().inCorso(); }));
        if (*c.nelLog == '\0') {
            ASSERT_EQ(msg.mostrati.size(), prima + 1);
            EXPECT_EQ(msg.mostrati.back().testo, kChiaveNonValida);
            continue;
        }
        const std::string log = w.messaggi()->toPlainText().toStdString();
        EXPECT_NE(log.find(c.nelLog), std::string::npos) << log;
    }
    w.annulla()->click();
}
