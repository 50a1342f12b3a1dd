// The odds download window (offscreen) against the real veltra-servizio,
// serving the name tables `veltra-servizio pubblica --pagine` wrote, and a
// stand-in bookmaker site: the controls while the download runs, the
// completion of an unknown opponent asked on the window's thread while the
// worker waits, the save of the odds file, OK; then a stalled page stopped
// with "&Interrompi" and the betting module left alone. With
// VELTRA_SCHERMATA_ATTESA=file.png it saves a picture of the window during
// the download, with VELTRA_SCHERMATA=file.png one after it.
#include "quote/CDlgCaricamentoQuoteQt.h"
#include "quote/CDlgAccessoCondizionatoQt.h"
#include "betting/DlgQuoteQt.h"

#include "app/Avvio.h"
#include "app/CartellaDiLavoro.h"
#include "app/DatiGlobali.h"
#include "betting/FileQuote.h"
#include "betting/ImmissioneQuote.h"
#include "net/HttpCurl.h"
#include "platform/UiComune.h"

#include "Supporto.h"
#include "doppi/MessaggiRegistrati.h"
#include "net/ServerProva.h"
#include "quote/SitoQuoteProva.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <sys/wait.h>

using namespace veltra;
using namespace veltra::test;
namespace fs = std::filesystem;

namespace {

template <class F> bool AttendiFinche(F fatto, int secondi = 20) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(secondi);
    while (!fatto()) {
        if (std::chrono::steady_clock::now() > limite) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

int Id(const char* codice) { return *CercaCampionato(codice); }

struct Ambiente {
    CartellaTemporanea tmp;
    fs::path mia = tmp / "mia";
    fs::path servizio = tmp / "servizio";
    std::unique_ptr<DatiGlobali> dati = std::make_unique<DatiGlobali>();
    SitoGenerato sito;
    std::function<ServerSito::Risposta(const RichiestaRicevuta&)> speciale;
    std::string corpoAccesso; // the login form the site received
    ServerSito server{[this](const RichiestaRicevuta& q) {
        if (speciale) {
            ServerSito::Risposta r = speciale(q);
            if (r.stato != 0) return r;
        }
        if (q.metodo == "POST" && q.percorso == "/G/accesso") {
            corpoAccesso = q.corpo;
            return ServerSito::Risposta{200, "<html>Benvenuto</html>"};
        }
        if (q.percorso.rfind("/G/", 0) == 0 && corpoAccesso.empty()) return ServerSito::Risposta{401, "?"};
        const auto it = sito.pagine.find(q.percorso);
        return it == sito.pagine.end() ? ServerSito::Risposta{404, "?"} : ServerSito::Risposta{200, it->second};
    }};
    std::unique_ptr<ProcessoServizio> processo;

    explicit Ambiente(Bookmaker b = Bookmaker::Betandwin) {
        EXPECT_TRUE(PreparaCartellaDiLavoro(mia, fs::path(VELTRA_RESOURCES_DIR) / "dati"));
        const std::string comando = std::string(VELTRA_SERVIZIO_PATH) + " pubblica --da " + mia.string() +
                                    " --cartella " + servizio.string() + " --pagine " + server.Base() +
                                    " >/dev/null 2>&1";
        const int stato = std::system(comando.c_str());
        EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0);
        MessaggiSilenziosi m;
        EXPECT_TRUE(CaricaAvvio(*dati, mia, m));
        OpzioniSito o;
        o.campionatoSconosciuto = Id("A");
        sito = GeneraSito(*dati, b, {Id("A"), Id("CH"), Id("DA")}, o);
        processo = std::make_unique<ProcessoServizio>(servizio);
    }
};

// Leaves only these championships in the included list, as a user would:
// select one on the right, "<<  &Togli".
void Scegli(CDlgCaricamentoQuoteQt& dlg, std::initializer_list<int> tenuti, IMessaggi&) {
    for (int c = 0; c < kNumeroCampionati; ++c) {
        if (std::find(tenuti.begin(), tenuti.end(), c) != tenuti.end()) continue;
        const auto voci = dlg.inclusi()->findItems(Q(std::string(Campionato(c).nome)), Qt::MatchExactly);
        ASSERT_EQ(voci.size(), 1);
        dlg.inclusi()->setCurrentItem(voci[0]);
        dlg.findChild<QPushButton*>("togli")->click();
    }
    ASSERT_EQ(dlg.inclusi()->count(), static_cast<int>(tenuti.size()));
    ASSERT_EQ(dlg.esclusi()->count(), kNumeroCampionati - static_cast<int>(tenuti.size()));
}

void Salva(QWidget& w, const char* variabile) {
    if (const char* f = std::getenv(variabile)) w.grab().save(f);
}

} // namespace

TEST(CDlgCaricamentoQuoteQt, ScaricaCompletaSalvaECaricaConOK) {
    Ambiente a;
    // Serie A's page comes slowly: time to look at the window while it runs.
    a.speciale = [&a](const RichiestaRicevuta& q) {
        if (q.percorso == "/W/A.htm") {
            ServerSito::Risposta r{200, a.sito.pagine["/W/A.htm"]};
            r.ritardoMs = 1000;
            return r;
        }
        return ServerSito::Risposta{0, ""};
    };
    MessaggiRegistrati msg;
    msg.risposte.push_back(Risposta::Ok); // the disclaimer
    HttpCurl http;
    CDlgCaricamentoQuoteQt dlg(*a.dati, a.mia, a.processo->Base(), http, msg);
    EXPECT_EQ(dlg.windowTitle(), "TALBOR - Caricamento Quote via Internet");
    EXPECT_EQ(dlg.bookmaker()->currentText(), "BETANDWIN");
    EXPECT_EQ(dlg.inclusi()->count(), kNumeroCampionati);
    EXPECT_EQ(dlg.esclusi()->count(), 0);
    Scegli(dlg, {Id("A"), Id("CH"), Id("DA")}, msg);

    bool sulThreadDellaFinestra = false;
    int completati = 0;
    dlg.sceltaCompletamento = [&](CompletamentoEvento& l) {
        sulThreadDellaFinestra = QThread::currentThread() == dlg.thread();
        ++completati;
        MessaggiRegistrati m;
        SceltaCompletamento s;
        if (!l.Aggiungi(1, m)) return s;
        const auto e = l.Conferma(m);
        if (!e) return s;
        s.tipo = SceltaCompletamento::Tipo::Ok;
        s.casa = 0;
        s.trasferta = e->avversaria;
        s.quote = e->quote;
        return s;
    };
    std::string proposto;
    const fs::path fileQuote = a.tmp / "quote.QUO";
    dlg.sceltaFile = [&](const std::string& p) {
        proposto = p;
        return fileQuote.string();
    };
    bool finito = false;
    dlg.dopoCaricamento = [&finito] { finito = true; };
    dlg.show();
    dlg.carica()->click();
    EXPECT_EQ(dlg.carica()->text(), "&Interrompi");
    EXPECT_FALSE(dlg.ok()->isEnabled());
    EXPECT_FALSE(dlg.inclusi()->isEnabled());
    EXPECT_FALSE(dlg.bookmaker()->isEnabled());
    ASSERT_TRUE(AttendiFinche([&] { return dlg.log()->toPlainText().contains("campionato di Serie A"); }));
    EXPECT_EQ(dlg.carica()->text(), "&Interrompi");
    Salva(dlg, "VELTRA_SCHERMATA_ATTESA");
    ASSERT_TRUE(AttendiFinche([&] { return finito; })) << dlg.log()->toPlainText().toStdString();

    const std::string log = dlg.log()->toPlainText().toStdString();
    EXPECT_TRUE(sulThreadDellaFinestra);
    EXPECT_EQ(completati, 1) << log;
    EXPECT_NE(log.find("OPERAZIONE CONCLUSA."), std::string::npos) << log;
    EXPECT_EQ(dlg.carica()->text(), "&Carica");
    EXPECT_TRUE(dlg.ok()->isEnabled());
    EXPECT_EQ(proposto.rfind("BETANDWIN-", 0), 0u) << proposto;
    EXPECT_EQ(proposto.substr(proposto.size() - 4), ".QUO");
    const int n = dlg.logica().scommesse().nEventi;
    ASSERT_GT(n, 0) << log;
    ScommessaMgr salvati;
    ASSERT_TRUE(CaricaQuote(salvati, fileQuote, *a.dati, msg));
    EXPECT_EQ(salvati.nEventi, n);
    Salva(dlg, "VELTRA_SCHERMATA");

    dlg.ok()->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    ScommessaMgr principale;
    EXPECT_TRUE(dlg.logica().Ok(principale, msg));
    EXPECT_EQ(principale.nEventi, n);
}

TEST(CDlgCaricamentoQuoteQt, InterrompiUnaPaginaFermaELascialoModuloComEra) {
    Ambiente a;
    a.speciale = [](const RichiestaRicevuta& q) {
        if (q.percorso == "/W/CH.htm") return ServerSito::Risposta{200, std::string(4000, 'x'), "", true};
        return ServerSito::Risposta{0, ""};
    };
    MessaggiRegistrati msg;
    msg.risposte.push_back(Risposta::Ok);
    HttpCurl http;
    const ScommessaMgr prima = a.dati->scommesse;
    auto dlg = std::make_unique<CDlgCaricamentoQuoteQt>(*a.dati, a.mia, a.processo->Base(), http, msg);
    Scegli(*dlg, {Id("A"), Id("CH")}, msg);
    dlg->sceltaCompletamento = [](CompletamentoEvento&) { return SceltaCompletamento{}; };
    bool finito = false;
    dlg->dopoCaricamento = [&finito] { finito = true; };
    dlg->show();
    dlg->carica()->click();
    ASSERT_TRUE(AttendiFinche([&] { return a.server.inStallo(); }));
    dlg->carica()->click(); // "&Interrompi"
    EXPECT_FALSE(dlg->carica()->isEnabled());
    EXPECT_TRUE(dlg->log()->toPlainText().contains("Procedura di interruzione in corso") ||
                AttendiFinche([&] { return dlg->log()->toPlainText().contains("Procedura di interruzione"); }));
    const auto inizio = std::chrono::steady_clock::now();
    ASSERT_TRUE(AttendiFinche([&] { return finito; }));
    RecordProperty("ms_dopo_interrompi", static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                              std::chrono::steady_clock::now() - inizio)
                                                              .count()));
    EXPECT_TRUE(dlg->log()->toPlainText().contains("OPERAZIONE INTERROTTA."));
    EXPECT_FALSE(dlg->log()->toPlainText().contains("OPERAZIONE CONCLUSA."));
    EXPECT_EQ(dlg->carica()->text(), "&Carica");
    EXPECT_TRUE(dlg->carica()->isEnabled());
    EXPECT_EQ(dlg->logica().scommesse().nEventi, 0);
    dlg->reject();
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(a.dati->scommesse, prima);
}

namespace {

// Runs the event loop until a modal window of type W is up, then `azione`
// on it; false after ten seconds.
template <class W> void QuandoModaleDi(std::function<void(W*)> azione, int tentativi = 2000) {
    QTimer::singleShot(5, [azione = std::move(azione), tentativi]() mutable {
        if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget()))
            azione(w);
        else if (tentativi > 0)
            QuandoModaleDi<W>(std::move(azione), tentativi - 1);
    });
}

} // namespace

TEST(CDlgCaricamentoQuoteQt, AccessoECompletamentoNelleLoroFinestre) {
    // GLOBET: the login window and the completion dialog, the real ones,
    // opened from the worker and answered as a user would.
    Ambiente a(Bookmaker::Globet);
    MessaggiRegistrati msg;
    msg.risposte.push_back(Risposta::Ok);
    HttpCurl http;
    CDlgCaricamentoQuoteQt dlg(*a.dati, a.mia, a.processo->Base(), http, msg);
    dlg.bookmaker()->setCurrentIndex(static_cast<int>(Bookmaker::Globet));
    Scegli(dlg, {Id("A")}, msg);
    dlg.sceltaFile = [](const std::string&) { return std::string(); };
    bool finito = false, accessoVisto = false, completamentoVisto = false;
    dlg.dopoCaricamento = [&finito] { finito = true; };
    QuandoModaleDi<CDlgAccessoCondizionatoQt>([&](CDlgAccessoCondizionatoQt* w) {
        accessoVisto = true;
        EXPECT_EQ(w->windowTitle(), "TALBOR - Accesso condizionato");
        EXPECT_EQ(w->password()->echoMode(), QLineEdit::Password);
        if (const char* f = std::getenv("VELTRA_SCHERMATA_ACCESSO")) w->grab().save(f);
        w->login()->setText("mario rossi");
        w->password()->setText("segreta&1");
        QuandoModaleDi<CompletamentoEventoQt>([&](CompletamentoEventoQt* c) {
            completamentoVisto = true;
            auto* squadre = c->findChild<QListWidget*>("squadre");
            squadre->setCurrentRow(1);
            c->findChild<QPushButton*>("aggiungi")->click();
            if (const char* f = std::getenv("VELTRA_SCHERMATA_COMPLETAMENTO")) c->grab().save(f);
            c->findChild<QPushButton*>("IDOK")->click();
        });
        w->findChild<QPushButton*>("IDOK")->click();
    });
    dlg.show();
    dlg.carica()->click();
    ASSERT_TRUE(AttendiFinche([&] { return finito; })) << dlg.log()->toPlainText().toStdString();
    EXPECT_TRUE(accessoVisto);
    EXPECT_TRUE(completamentoVisto);
    EXPECT_EQ(a.corpoAccesso, "utente=mario+rossi&parola=segreta%261");
    const auto& s = dlg.logica().scommesse();
    ASSERT_GT(s.nEventi, 0) << dlg.log()->toPlainText().toStdString();
    const auto& nomi = a.dati->campionato(Id("A")).squadreCorrenti().nomi;
    EXPECT_EQ(s.eventi[0].casa, nomi[0]);
    EXPECT_EQ(s.eventi[0].trasferta, nomi[1]);
    EXPECT_FALSE(dlg.log()->toPlainText().contains("segreta"));
}
