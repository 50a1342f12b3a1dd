// veltra-cli stampa: one item of the print manager printed to a PDF file,
// without a printer and without a display (Qt's PDF output on the offscreen
// platform). Only the Qt build has it.
#include "Comandi.h"

#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "app/stampe/CDlgGestoreStampe.h"
#include "betting/SelezioneScommesse.h"
#include "betting/StampaScommesse.h"
#include "dati/Campionati.h"
#include "engine/StampaAnalisi.h"
#include "platform/Lavori.h"
#include "platform/Piattaforma.h"
#include "platform/Risorse.h"
#include "platform/Stampa.h"
#include "pools/CostruzioneSistema.h"
#include "pools/StampaSchedine.h"

#ifdef VELTRA_CLI_QT
#include "platform/DispositivoStampaQt.h"

#include <QApplication>
#endif

#include <cstdio>
#include <memory>

namespace veltra::cli {

namespace {

#ifdef VELTRA_CLI_QT
// Hands out the PDF device once; the Qt application it needs is made on the
// offscreen platform when none exists.
class ServizioPdf : public IServizioStampa {
public:
    explicit ServizioPdf(std::string file) : file_(std::move(file)) {}
    std::unique_ptr<IDispositivoStampa> ScegliDispositivo() override {
        if (usato_) return nullptr;
        usato_ = true;
        if (!QCoreApplication::instance()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            static int argc = 1;
            static char nome[] = "veltra-cli";
            static char* argv[] = {nome, nullptr};
            static QApplication app(argc, argv);
        }
        return DispositivoStampaQt::SuFilePdf(QString::fromStdString(file_));
    }

private:
    std::string file_;
    bool usato_ = false;
};
#endif

std::string ElencoVoci() {
    std::string t;
    for (int i = 0; i < kVociStampa; ++i) {
        if (i) t += ", ";
        t += CDlgGestoreStampe::NomeTerminale(static_cast<VoceStampa>(i));
    }
    return t;
}

} // namespace

int ComandoStampa(const std::vector<std::string>& a) {
    std::optional<std::string> opzioneCartella, nomeVoce, campionato, pdf;
    int gambe = 1;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--cartella") {
            opzioneCartella = ValoreCartella(a, i);
        } else if (a[i] == "--voce") {
            nomeVoce = ValoreOpzione(a, i);
        } else if (a[i] == "--campionato") {
            campionato = ValoreOpzione(a, i);
        } else if (a[i] == "--pdf") {
            pdf = ValoreOpzione(a, i);
        } else if (a[i] == "--gambe") {
            const std::string v = ValoreOpzione(a, i);
            if (v.size() != 1 || v[0] < '1' || v[0] > '6') throw ErroreUso{"--gambe vuole un numero da 1 a 6: " + v};
            gambe = v[0] - '0';
        } else {
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
        }
    }
    if (!nomeVoce) throw ErroreUso{"stampa vuole --voce, una di: " + ElencoVoci()};
    const std::optional<VoceStampa> voce = CDlgGestoreStampe::DaNomeTerminale(*nomeVoce);
    if (!voce) throw ErroreUso{"voce sconosciuta: " + *nomeVoce + " (voci: " + ElencoVoci() + ")"};
    if (!pdf || pdf->empty()) throw ErroreUso{"stampa vuole --pdf FILE"};
    const bool analisi = *voce == VoceStampa::AnalisiCorrente || *voce == VoceStampa::ArchivioAnalisi;
    std::optional<CampionatoId> id;
    if (analisi) {
        if (!campionato) throw ErroreUso{"questa voce vuole --campionato"};
        id = CercaCampionato(*campionato);
        if (!id) throw ErroreUso{"campionato sconosciuto: " + *campionato};
    } else if (campionato) {
        throw ErroreUso{"--campionato vale solo per analisi-corrente e archivio-analisi"};
    }
#ifndef VELTRA_CLI_QT
    (void)opzioneCartella;
    (void)gambe;
    std::fprintf(stderr, "veltra-cli: stampa non disponibile in questa versione (senza Qt)\n");
    return kEsitoUso;
#else
    const std::string cartella = ApriCartellaLettura(opzioneCartella);
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiSuErrore messaggi;
    if (!CaricaAvvio(*dati, cartella, messaggi)) return kEsitoCaricamento;
    CDlgGestoreStampe gestore(*dati);
    if (*voce == VoceStampa::Scommesse && dati->scommesse.nEventi > 0) {
        // The ranking is never saved: it is made again from the stored
        // events and criteria, as the bet selection makes it.
        ScommessaMgr& m = dati->scommesse;
        const int tipo = m.tipoPronostico;
        OrdinaEventi(m, tipo, TipoDoppie(tipo) ? m.doppieCalcolate : 0);
        m.scommesse = CercaScommesse(m, gambe);
    }
    EsecutoreSincrono esecutore;
    ContestoSistema ctx{esecutore, messaggi, CartellaRiduzioni(), std::nullopt, 0}; // the stored method
    Schedina& s = dati->schedina;
    const bool ridotto = *voce == VoceStampa::SchedineRidotto || *voce == VoceStampa::TabulatoRidotto;
    if (ridotto && s.schedinaAssente == 0) {
        bool pronto = false;
        CostruisciSistema(s, dati->condizionamenti, ctx, [&](bool b) { pronto = b; });
        if (!pronto) {
            std::fprintf(stderr, "veltra-cli: la schedina non ha un sistema ridotto da stampare\n");
            return kEsitoCaricamento;
        }
    }
    if (!analisi && !gestore.abilitata(*voce)) {
        std::fprintf(stderr, "veltra-cli: niente da stampare per %s (%s)\n", nomeVoce->c_str(),
                     *voce == VoceStampa::Scommesse ? "nessuna scommessa" : "nessuna schedina");
        return kEsitoCaricamento;
    }
    ServizioPdf servizio(*pdf);
    OrologioDiSistema orologio;
    const std::tm oggi = orologio.Adesso();
    bool stampato = true;
    switch (*voce) {
    case VoceStampa::AnalisiCorrente:
        StampaAnalisiCorrente(servizio, dati->campionato(*id), oggi);
        break;
    case VoceStampa::ArchivioAnalisi:
        StampaArchivio(servizio, dati->campionato(*id), oggi);
        break;
    case VoceStampa::SchedinaIntegrale:
        stampato = StampaSchedinaIntegrale(s, dati->stampa, servizio);
        break;
    case VoceStampa::SchedineRidotto:
        stampato = StampaSchedineRidotto(s, dati->stampa, servizio, -1);
        break;
    case VoceStampa::Scommesse:
        stampato = StampaClassificaScommesse(dati->scommesse, gestore.etichettaScommesse(), servizio, oggi);
        break;
    case VoceStampa::TabulatoIntegrale:
        stampato = TabulatoIntegrale(s, servizio, orologio);
        break;
    case VoceStampa::TabulatoRidotto:
        stampato = TabulatoRidotto(s, servizio, orologio);
        break;
    }
    if (!stampato) {
        std::fprintf(stderr, "veltra-cli: il file %s non e' stato scritto\n", pdf->c_str());
        return kEsitoCaricamento;
    }
    std::printf("voce=%s pdf=%s\n", nomeVoce->c_str(), pdf->c_str());
    return kEsitoOk;
#endif
}

} // namespace veltra::cli
