#include "Avvio.h"

#include "app/Avvio.h"
#include "app/CVltMain.h"
#include "app/CartellaDiLavoro.h"
#include "app/DatiGlobali.h"
#include "app/shell/Uscita.h"
#include "dati/FileDati.h"
#include "platform/AiutoQt.h"
#include "platform/Immagini.h"
#include "platform/MessaggiQt.h"
#include "platform/Piattaforma.h"
#include "platform/Risorse.h"
#include "platform/ServizioStampaQt.h"
#include "platform/Suggerimenti.h"
#include "platform/TraduzioniQt.h"
#include "quote/LettoriPagine.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QScreen>
#include <QSessionManager>
#include <QSplashScreen>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace veltra {

namespace {

// --prova-avvio: a message is printed instead of waiting for someone to
// close its box; an error makes the start fail.
class MessaggiProva : public IMessaggi {
public:
    Risposta Mostra(const std::string& testo, Icona icona, Pulsanti p, int) override {
        std::string riga = testo;
        for (char& c : riga)
            if (c == '\n') c = ' ';
        std::fprintf(stderr, "veltra: %s\n", riga.c_str());
        std::fflush(stderr);
        if (icona == Icona::Esclamazione) ++errori;
        return p == Pulsanti::Ok ? Risposta::Ok : p == Pulsanti::OkAnnulla ? Risposta::Annulla : Risposta::No;
    }
    int errori = 0;
};

} // namespace

int AvviaProgramma(QApplication& app) {
    // No display name: the window system would append it to every title,
    // and the titles are the program's own texts.
    QApplication::setApplicationName("veltra");
    QApplication::setWindowIcon(IconaProgramma());
    CaricaTraduzioniQt(app);
    ImpostaRitardoSuggerimenti(app);

    QCommandLineParser opzioni;
    opzioni.setApplicationDescription("VELTRA: statistiche e pronostici di calcio");
    opzioni.addHelpOption();
    opzioni.addOption({"cartella", "Cartella di lavoro (predefinita: ~/.local/share/veltra).",
                       "DIR"});
    // For installation checks and the tests: start up, print the title and
    // the status panes, and leave without saving.
    opzioni.addOption({"prova-avvio",
                       "Avvia, scrive titolo e barra di stato ed esce senza salvare."});
    opzioni.process(app);
    const bool provaAvvio = opzioni.isSet("prova-avvio");
    const std::filesystem::path cartella = opzioni.isSet("cartella")
                                               ? std::filesystem::path(opzioni.value("cartella").toStdString())
                                               : CartellaPredefinita();

    AiutoQt aiuto;
    MessaggiQt messaggiQt(&aiuto);
    MessaggiProva messaggiProva;
    IMessaggi& messaggi = provaAvvio ? static_cast<IMessaggi&>(messaggiProva) : messaggiQt;
    // A message box of a check would wait for a click no one gives.
    auto esitoProva = [&](int esito) { return esito == 0 && messaggiProva.errori > 0 ? 1 : esito; };
    ServizioStampaQt stampa;
    OrologioDiSistema orologio;

    // The pictures of the main window are part of the installation.
    if (!ImmaginiProgramma().ImmaginiAvvioPresenti()) {
        messaggi.Errore("Errore nell'inizializzazione.\nFile corrotto!");
        return 1;
    }
    QSplashScreen avvio(ImmaginiProgramma().Pixmap(
        Immagine::Avvio, QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->devicePixelRatio()
                             : 1.0));
    avvio.show();
    app.processEvents();

    // The folder is this program's alone while it runs; a save a crash
    // interrupted is finished or undone before anything is read.
    BloccoCartella blocco;
    std::vector<std::string> avvisi;
    if (const EsitoFile e = ApriCartellaInScrittura(cartella, blocco, &avvisi); !e) {
        avvio.close();
        messaggi.Errore(e.messaggio);
        return 1;
    }
    // What the repair rebuilt (a list of archived weeks), said once.
    for (const std::string& a : avvisi) messaggi.Mostra(a, Icona::Informazione);
    if (const EsitoFile e = PreparaCartellaDiLavoro(cartella, CartellaRisorse() / "dati"); !e) {
        avvio.close();
        messaggi.Errore(e.messaggio);
        return 1;
    }
    auto dati = std::make_unique<DatiGlobali>();
    avvio.showMessage("Caricamento dei dati...", Qt::AlignBottom | Qt::AlignHCenter);
    app.processEvents();
    EsitoFile esitoCaricamento;
    if (!CaricaAvvio(*dati, cartella, messaggi, &esitoCaricamento)) {
        // Which file and why, for whoever looks at the terminal.
        if (!esitoCaricamento.dettaglio.empty())
            std::fprintf(stderr, "veltra: %s\n", esitoCaricamento.dettaglio.c_str());
        return 1;
    }
    const auto stato = StimeAvvio(*dati, messaggi);
    if (!stato) return 1;
    CreaCartelleEsportazione(cartella);
    CreaCartellePagine(cartella); // the copies of the bookmakers' pages

    int esito = 0;
    {
        CVltMain finestra(*dati, cartella, messaggi, aiuto, stampa, orologio, *stato);
        messaggiQt.ImpostaGenitore(&finestra);
        stampa.ImpostaGenitore(&finestra);
        QObject::connect(&app, &QGuiApplication::commitDataRequest, &finestra,
                         [&finestra](QSessionManager& s) { finestra.FineSessione(s); });
        finestra.showMaximized();
        avvio.finish(&finestra);
        QTimer::singleShot(50, &finestra, [&finestra, provaAvvio] {
            finestra.DopoAvvio();
            if (!provaAvvio) finestra.ConsiglioAllAvvio();
            if (provaAvvio) {
                std::printf("%s\n%s\n%s\n", finestra.windowTitle().toUtf8().constData(),
                            finestra.testoPannello1().toUtf8().constData(),
                            finestra.testoPannello2().toUtf8().constData());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            }
        });
        esito = app.exec();
        messaggiQt.ImpostaGenitore(nullptr);
        stampa.ImpostaGenitore(nullptr);
    }
    if (provaAvvio) return esitoProva(esito);
    // The window is gone: the counters and settings go to their file.
    ScriviDatiSupportoUscita(*dati, cartella, messaggi);
    return esito;
}

} // namespace veltra
