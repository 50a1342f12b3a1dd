// veltra-cli verifica: loads a working folder exactly as start-up does and
// tells what it holds; with --salva, saves it back as the program's save
// command does (in the current format).
#include "Comandi.h"

#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "app/Salvataggio.h"
#include "engine/CMotoreStime.h"
#include "platform/Messaggi.h"

#include <cstdio>
#include <memory>

namespace veltra::cli {

namespace {

// Messages go to standard error, one line each, once the folder is read
// (a read may be repeated); questions are answered No.
class MessaggiTerminale : public IMessaggi {
public:
    Risposta Mostra(const std::string& testo, Icona, Pulsanti p, int) override {
        std::string riga = testo;
        for (char& c : riga)
            if (c == '\n') c = ' ';
        righe.push_back(riga);
        if (immediati) Stampa();
        return p == Pulsanti::Ok ? Risposta::Ok : Risposta::No;
    }
    void Stampa() {
        for (const auto& r : righe) std::fprintf(stderr, "%s\n", r.c_str());
        righe.clear();
        immediati = true;
    }
    std::vector<std::string> righe;
    bool immediati = false;
};

void StampaCampionato(const CCampionato& c) {
    const auto& p = c.punteggiAvanzati;
    const auto& w = c.config.percentualiImportanza;
    std::printf("%-12s stagioni %3d  voci %5d  squadre correnti %2d  N %d  percentuali %d,%d,%d,%d,%d"
                "  limiti %d..%d %d..%d  inclusi %d  separa %d  archivio %d\n",
                std::string(c.descrizione().nome).c_str(), c.config.numeroStagioni(),
                c.numeroIncontri(), c.numeroSquadreCorrenti(), c.config.giornateAnalisi, w[0],
                w[1], w[2], w[3], w[4], c.limiteMinCasa, c.limiteMaxCasa, c.limiteMinTrasferta,
                c.limiteMaxTrasferta, p.campionatiInclusi, p.separaCasaTrasferta ? 1 : 0,
                c.archivio.numero());
}

} // namespace

int ComandoVerifica(const std::vector<std::string>& a) {
    std::optional<std::string> opzioneCartella;
    bool salva = false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--cartella")
            opzioneCartella = ValoreCartella(a, i);
        else if (a[i] == "--salva")
            salva = true;
        else
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
    }
    // With --salva the folder is written: it is locked for the whole command.
    BloccoCartella blocco;
    const std::string cartella = salva ? ApriCartellaScrittura(opzioneCartella, blocco, true)
                                       : ApriCartellaLettura(opzioneCartella);

    std::unique_ptr<DatiGlobali> dati;
    MessaggiTerminale messaggi;
    EsitoFile esito;
    const bool caricata = LetturaStabile(cartella, [&] {
        dati = std::make_unique<DatiGlobali>();
        messaggi.righe.clear();
        esito = {};
        return CaricaAvvio(*dati, cartella, messaggi, &esito);
    });
    messaggi.Stampa();
    if (!caricata) {
        // The program's message says only that files are damaged: which one and why.
        if (!esito.dettaglio.empty())
            std::fprintf(stderr, "veltra-cli: %s\n", esito.dettaglio.c_str());
        return kEsitoCaricamento;
    }
    const auto stato = StimeAvvio(*dati, messaggi);
    if (!stato) return kEsitoCaricamento;

    std::printf("versione %c  salvataggi %d  modificati %d\n", dati->versioneDati,
                dati->contatoreSalvataggi, dati->datiModificati);
    for (int c = 0; c < kNumeroCampionati; ++c) StampaCampionato(dati->campionato(c));
    int righe = 0;
    for (const auto& p : dati->schedina.partite) righe += p.prob1 != -1.0f;
    std::printf("schedina %s  righe %d  colonne filtro %d\n",
                dati->schedina.schedinaAssente ? "assente" : "presente", righe,
                dati->condizionamenti.numColonneFiltro);
    std::printf("eventi %d  scommesse %d  strategie %d (versione %d)\n", dati->scommesse.nEventi,
                dati->scommesse.nScommesse(), static_cast<int>(dati->strategie.strategie.size()),
                dati->strategie.versioneStrategie);
    std::printf("prossimoIdStrategia %d  IndexSuggerimento %d  SuggerimentoStart %s  AU %s\n",
                dati->prossimoIdStrategia, dati->indiceSuggerimento,
                dati->suggerimentoStart.c_str(), dati->impostazioneAU.c_str());
    std::printf("indirizzoAggiornamenti %s\n", dati->indirizzoAggiornamenti.c_str());
    // The calendars, and the files beside the results that could not be read
    // (the folder still loads; the save leaves them as they are).
    for (int c = 0; c < kNumeroCampionati; ++c) {
        const CCampionato& camp = dati->campionato(c);
        if (!camp.calendario.vuoto()) {
            const auto g = camp.calendario.Giornate();
            std::printf("calendario %s  stagione %d  partite %d  giornate %d..%d\n",
                        std::string(camp.descrizione().codice).c_str(), camp.calendario.stagione,
                        static_cast<int>(camp.calendario.partite.size()), g.front(), g.back());
        }
        if (!camp.calendarioNonLetto.empty())
            std::fprintf(stderr, "veltra-cli: calendario non letto: %s\n",
                         camp.calendarioNonLetto.c_str());
        if (!camp.retiNonLette.empty())
            std::fprintf(stderr, "veltra-cli: reti non lette: %s\n", camp.retiNonLette.c_str());
    }
    std::printf("%s\n%s\n", stato->pannello1.c_str(), stato->pannello2.c_str());

    if (salva) {
        if (!SalvaDati(*dati, cartella, messaggi)) {
            messaggi.Errore("Errore nel salvataggio.\nImpossibile salvare le modifiche!");
            return kEsitoCaricamento;
        }
        std::printf("salvato\n");
    }
    return kEsitoOk;
}

} // namespace veltra::cli
