#include "Avvio.h"

#include "app/CVltMain.h"
#include "app/Avvio.h"
#include "app/CartellaDiLavoro.h"
#include "app/DatiGlobali.h"
#include "dati/FileDati.h"
#include "app/shell/Uscita.h"
#include "platform/AiutoQt.h"
#include "platform/Immagini.h"
#include "platform/MessaggiQt.h"
#include "platform/Piattaforma.h"
#include "platform/Risorse.h"
#include "platform/ServizioStampaQt.h"
#include "platform/Suggerimenti.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QScreen>
#include <QSessionManager>
#include <QSplashScreen>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace veltra {

int AvviaProgramma(QApplication& app) {
    QApplication::setApplicationName("veltra");
    QApplication::setApplicationDisplayName("VELTRA");
    QApplication::setWindowIcon(IconaProgramma());
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
    MessaggiQt messaggi(&aiuto);
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

    if (const EsitoFile e = PreparaCartellaDiLavoro(cartella, CartellaRisorse() / "dati"); !e) {
        avvio.close();
        messaggi.Errore(e.messaggio);
        return 1;
    }
    auto dati = std::make_unique<DatiGlobali>();
    avvio.showMessage("Caricamento dei dati...", Qt::AlignBottom | Qt::AlignHCenter);
    app.processEvents();
    if (!CaricaAvvio(*dati, cartella, messaggi)) return 1;
    const auto stato = StimeAvvio(*dati, messaggi);
    if (!stato) return 1;
    CreaCartelleEsportazione(cartella);

    int esito = 0;
    {
        CVltMain finestra(*dati, cartella, messaggi, aiuto, stampa, orologio, *stato);
        messaggi.ImpostaGenitore(&finestra);
        stampa.ImpostaGenitore(&finestra);
        QObject::connect(&app, &QGuiApplication::commitDataRequest, &finestra,
                         [&finestra](QSessionManager& s) { finestra.FineSessione(s); });
        finestra.showMaximized();
        avvio.finish(&finestra);
        QTimer::singleShot(50, &finestra, [&finestra, provaAvvio] {
            finestra.DopoAvvio();
            if (provaAvvio) {
                std::printf("%s\n%s\n%s\n", finestra.windowTitle().toUtf8().constData(),
                            finestra.testoPannello1().toUtf8().constData(),
                            finestra.testoPannello2().toUtf8().constData());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            }
        });
        esito = app.exec();
        messaggi.ImpostaGenitore(nullptr);
        stampa.ImpostaGenitore(nullptr);
    }
    if (provaAvvio) return esito;
    // The window is gone: the counters and settings go to their file.
    ScriviDatiSupportoUscita(*dati, cartella, messaggi);
    return esito;
}

} // namespace veltra
