// veltra-cli ricerca: the parameter search of one championship from its
// current analysis, on every core; Ctrl-C stops it as the window's
// "Interrompi" does.
#include "Comandi.h"

#include "app/Avvio.h"
#include "dati/CAnalisi.h"
#include "app/DatiGlobali.h"
#include "app/Salvataggio.h"
#include "dati/Campionati.h"
#include "dati/Campionato.h"
#include "engine/CMotoreStime.h"
#include "engine/ImpostaParametro.h"
#include "engine/ValutatorePercentuali.h"
#include "platform/Messaggi.h"
#include "tools/ricerche/DumpRicerca.h"
#include "tools/ricerche/RicercaAvanzata.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>
#include <signal.h>
#include <string>
#include <thread>

namespace veltra::cli {

namespace {

std::atomic<bool> gFermo{false};

extern "C" void FermaRicerca(int) { gFermo.store(true); }

int Intero(const std::string& nome, const std::string& v, int minimo, int massimo) {
    const auto n = LeggiIntero(v);
    if (!n || *n < minimo || *n > massimo)
        throw ErroreUso{nome + " vuole un intero da " + std::to_string(minimo) + " a " +
                        std::to_string(massimo) + ": " + v};
    return static_cast<int>(*n);
}

std::string Percentuali5(const std::array<std::int16_t, 5>& w) {
    return std::to_string(w[0]) + "," + std::to_string(w[1]) + "," + std::to_string(w[2]) + "," +
           std::to_string(w[3]) + "," + std::to_string(w[4]);
}

std::string Limiti4(const std::array<std::int16_t, 4>& l) {
    return std::to_string(l[0]) + "," + std::to_string(l[1]) + "," + std::to_string(l[2]) + "," +
           std::to_string(l[3]);
}

// The fields of CPunteggiAvanzati in record order.
std::string Punteggi(const CPunteggiAvanzati& p) {
    std::string s;
    char b[32];
    auto f = [&](float x) {
        std::snprintf(b, sizeof b, "%.9g", static_cast<double>(x));
        if (!s.empty()) s += ',';
        s += b;
    };
    f(p.modificaAltaCasa);
    f(p.modificaBassaCasa);
    f(p.modificaAltaTrasferta);
    f(p.modificaBassaTrasferta);
    f(p.forteCasa);
    f(p.forteTrasferta);
    f(p.deboleCasa);
    f(p.deboleTrasferta);
    for (float x : p.punti) f(x);
    f(p.importanzaMin);
    f(p.importanzaMax);
    s += "," + std::to_string(p.campionatiInclusi) + "," + (p.separaCasaTrasferta ? "1" : "0");
    return s;
}

} // namespace

int ComandoRicerca(const std::vector<std::string>& a) {
    std::optional<std::string> opzioneCartella;
    std::string campionato, tipo;
    std::optional<int> passo, ampiezza, utilizzo, thread;
    std::vector<std::pair<std::string, std::string>> impostazioni;
    bool salva = false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--cartella")
            opzioneCartella = ValoreCartella(a, i);
        else if (a[i] == "--campionato")
            campionato = ValoreOpzione(a, i);
        else if (a[i] == "--tipo")
            tipo = ValoreOpzione(a, i);
        else if (a[i] == "--passo")
            passo = Intero("--passo", ValoreOpzione(a, i), 1, 10);
        else if (a[i] == "--ampiezza")
            ampiezza = Intero("--ampiezza", ValoreOpzione(a, i), 10, 100);
        else if (a[i] == "--utilizzo-minimo")
            utilizzo = Intero("--utilizzo-minimo", ValoreOpzione(a, i), 60, 100);
        else if (a[i] == "--thread")
            thread = Intero("--thread", ValoreOpzione(a, i), 1, 64);
        else if (a[i] == "--imposta") {
            const std::string v = ValoreOpzione(a, i);
            const auto uguale = v.find('=');
            if (uguale == std::string::npos) throw ErroreUso{"--imposta vuole NOME=VALORE: " + v};
            impostazioni.emplace_back(v.substr(0, uguale), v.substr(uguale + 1));
        } else if (a[i] == "--salva")
            salva = true;
        else
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
    }
    if (campionato.empty()) throw ErroreUso{"manca --campionato"};
    const auto id = CercaCampionato(campionato);
    if (!id) throw ErroreUso{"campionato sconosciuto: " + campionato};
    if (tipo != "percentuali" && tipo != "avanzati")
        throw ErroreUso{"--tipo vuole percentuali o avanzati"};
    const bool percentuali = tipo == "percentuali";
    if (percentuali && utilizzo) throw ErroreUso{"--utilizzo-minimo vale per --tipo avanzati"};
    if (!percentuali && (passo || ampiezza))
        throw ErroreUso{"--passo e --ampiezza valgono per --tipo percentuali"};
    if (ampiezza && *ampiezza % 10 != 0) throw ErroreUso{"--ampiezza va da 10 a 100 a passi di 10"};
    const int nThread =
        thread ? *thread : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));

    BloccoCartella blocco;
    const std::string cartella = salva ? ApriCartellaScrittura(opzioneCartella, blocco, true)
                                       : ApriCartellaLettura(opzioneCartella);
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiSuErrore messaggi("veltra-cli: ");
    if (!CaricaAvvio(*dati, cartella, messaggi)) return kEsitoCaricamento;
    CCampionato& c = dati->campionato(*id);
    const CAnalisi originale = AnalisiCorrente(c);
    for (const auto& [nome, valore] : impostazioni)
        if (auto errore = ImpostaParametro(c, nome, valore)) throw ErroreUso{*errore};
    const CAnalisi partenza = AnalisiCorrente(c);
    if (!c.motore) CreaMotore(c);
    if (c.motore->AggiornaStime() != 0) {
        std::fprintf(stderr, "veltra-cli: Impossibile calcolare le stime.\n");
        return kEsitoCaricamento;
    }
    const float j = c.motore->precisioneMedia();
    if (!percentuali) {
        // The climb keeps only candidates with the minimum of the data: from
        // a start below it nothing can be found, so say why instead of
        // printing an empty list.
        const UtilizzoPartenza u = ControllaUtilizzo(c, utilizzo.value_or(70));
        if (!u.sufficiente) {
            std::fprintf(stderr, "veltra-cli: %s\n", MotivoUtilizzo(u, utilizzo.value_or(70)).c_str());
            if (u.limiti) {
                const auto& l = *u.limiti;
                std::fprintf(stderr,
                             "veltra-cli: %s Per partire da questi: --imposta limiteMinCasa=%d "
                             "--imposta limiteMaxCasa=%d --imposta limiteMinTrasferta=%d "
                             "--imposta limiteMaxTrasferta=%d\n",
                             TestoLimitiUtilizzo(u).c_str(), l[0], l[1], l[2], l[3]);
            } else {
                std::fprintf(stderr, "veltra-cli: nemmeno allargando i limiti di punteggio si "
                                     "arriva al minimo.\n");
            }
            return kEsitoCaricamento;
        }
    }
    auto copia = CopiaPerCalcolo(c);

    gFermo = false;
    struct sigaction azione = {};
    azione.sa_handler = FermaRicerca;
    sigemptyset(&azione.sa_mask);
    struct sigaction precedente = {};
    sigaction(SIGINT, &azione, &precedente);
    ContestoLavoro contesto(gFermo, {});
    const auto t0 = std::chrono::steady_clock::now();
    long candidati = 0;
    bool interrotta = false;
    EsitoRicercaPercentuali esitoP;
    EsitoRicercaAvanzata esitoA;
    if (percentuali) {
        ImpostazioniRicercaPercentuali imp;
        imp.passo = passo.value_or(1);
        imp.ampiezza = ampiezza.value_or(100);
        imp.thread = nThread;
        esitoP = CercaPercentuali(*copia, imp, ListaPercentualiIniziale(j), contesto);
        candidati = esitoP.candidatiTotali;
        interrotta = !esitoP.completata;
    } else {
        ImpostazioniRicercaAvanzata imp;
        imp.utilizzoMinimo = utilizzo.value_or(70);
        imp.thread = nThread;
        esitoA = CercaAvanzata(*copia, imp, ListaAvanzataIniziale(), contesto);
        candidati = esitoA.candidati;
        interrotta = !esitoA.completata;
    }
    const double secondi =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    sigaction(SIGINT, &precedente, nullptr);

    const std::array<std::int16_t, 4> limiti = {partenza.limiteMinCasa, partenza.limiteMaxCasa,
                                                partenza.limiteMinTrasferta,
                                                partenza.limiteMaxTrasferta};
    // Only the places the search filled: an empty place is no analysis.
    int trovate = 0;
    for (int i = 0; i < kAnalisiTrovate; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (percentuali ? esitoP.trovate[k].percentuali[0] == 0 : esitoA.trovate[k].precisione < 0)
            continue;
        ++trovate;
        if (percentuali) {
            const auto& t = esitoP.trovate[k];
            std::printf("posizione=%d precisione=%.9g giornate=%d percentuali=%s limiti=%s\n", i + 1,
                        static_cast<double>(t.precisione), partenza.giornateAnalisi,
                        Percentuali5(t.percentuali).c_str(), Limiti4(limiti).c_str());
        } else {
            const auto& t = esitoA.trovate[k];
            std::array<std::int16_t, 5> w;
            std::copy(std::begin(partenza.percentualiImportanza),
                      std::end(partenza.percentualiImportanza), w.begin());
            std::printf("posizione=%d precisione=%.9g giornate=%d percentuali=%s limiti=%s punteggi=%s\n",
                        i + 1, static_cast<double>(t.precisione), partenza.giornateAnalisi,
                        Percentuali5(w).c_str(), Limiti4(t.limiti).c_str(),
                        Punteggi(t.punteggi).c_str());
        }
    }
    std::printf("candidati=%ld secondi=%.3f\n", candidati, secondi);
    if (interrotta) std::fprintf(stderr, "veltra-cli: ricerca interrotta\n");
    const bool nessuna = trovate == 0 && !interrotta;
    if (nessuna) {
        // Nothing to keep: the folder is left as it was, as the window leaves it.
        std::fprintf(stderr, "veltra-cli: Nessuna analisi migliore di quella corrente e' stata "
                             "trovata.\n");
        return kEsitoCaricamento;
    }

    if (salva) {
        if (percentuali)
            SalvaRicercaPercentuali(c.ricerca, partenza, passo.value_or(1), ampiezza.value_or(100),
                                    esitoP);
        else
            SalvaRicercaAvanzata(c.ricerca, partenza, utilizzo.value_or(70), esitoA.trovate);
        // The folder keeps its own current analysis; the changes of --imposta
        // live only in the stored search.
        ApplicaAnalisi(c, originale);
        dati->datiModificati = 1;
        if (!SalvaDati(*dati, cartella, messaggi)) {
            std::fprintf(stderr, "veltra-cli: Errore nel salvataggio.\n");
            return kEsitoCaricamento;
        }
    }
    return kEsitoOk;
}

} // namespace veltra::cli
