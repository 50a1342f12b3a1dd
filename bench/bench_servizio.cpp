// veltra-servizio under load: 50 clients at once each run a whole data
// update (the marker, the 19 results files, the news) against one server on
// loopback, as the program's update does (libcurl, one session per update,
// every file checked before it is kept). Reported: requests and bytes per
// second; checked: every client kept files byte-identical to the published
// ones, and the server's resident memory after the last round is not larger
// than after the first (plus a small margin).
#include "app/Avvio.h"
#include "app/CartellaDiLavoro.h"
#include "app/DatiGlobali.h"
#include "dati/Campionati.h"
#include "net/AggiornamentoDati.h"
#include "net/HttpCurl.h"
#include "platform/Messaggi.h"

#include <benchmark/benchmark.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace veltra;
namespace fs = std::filesystem;

constexpr int kClienti = 50;

std::string Leggi(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Resident memory of a process, in kB (0 when it cannot be read).
long MemoriaResidente(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string riga; std::getline(in, riga);)
        if (riga.rfind("VmRSS:", 0) == 0) return std::atol(riga.c_str() + 6);
    return 0;
}

// The published folder and the server, made once for every run.
struct Banco {
    fs::path radice;
    fs::path servizio;
    pid_t pid = -1;
    int porta = 0;
    std::unique_ptr<DatiGlobali> dati = std::make_unique<DatiGlobali>();
    std::vector<std::pair<std::string, std::string>> attesi; // local name, bytes
    std::string errore;

    Banco() {
        char modello[] = "/tmp/veltra-bench-XXXXXX";
        radice = ::mkdtemp(modello);
        const fs::path lavoro = radice / "lavoro";
        servizio = radice / "servizio";
        MessaggiSilenziosi m;
        if (!PreparaCartellaDiLavoro(lavoro, fs::path(VELTRA_RESOURCES_DIR) / "dati") ||
            !CaricaAvvio(*dati, lavoro, m)) {
            errore = "cartella di lavoro non preparata";
            return;
        }
        const std::string pubblica = std::string(VELTRA_SERVIZIO_PATH) + " pubblica --da " +
                                     lavoro.string() + " --cartella " + servizio.string() +
                                     " >/dev/null 2>&1";
        if (std::system(pubblica.c_str()) != 0) {
            errore = "pubblica fallita";
            return;
        }
        for (int c = 0; c < kNumeroCampionati; ++c) {
            const std::string nome(Campionato(c).fileIncontri);
            attesi.push_back({"loc" + nome, Leggi(servizio / "aggiornamenti" / (nome + ".txt"))});
        }
        Avvia();
    }
    ~Banco() {
        if (pid > 0) {
            ::kill(pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
        }
        std::error_code ec;
        fs::remove_all(radice, ec);
    }

    void Avvia() {
        int tubo[2];
        if (::pipe(tubo) != 0) return;
        pid = ::fork();
        if (pid == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            ::dup2(tubo[1], 1);
            const int nulla = ::open("/dev/null", O_WRONLY);
            ::dup2(nulla, 2); // one log line per request: not measured here
            ::close(tubo[0]);
            ::execl(VELTRA_SERVIZIO_PATH, VELTRA_SERVIZIO_PATH, "--cartella", servizio.c_str(),
                    "--porta", "0", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(tubo[1]);
        std::string riga;
        char c;
        while (riga.size() < 500 && ::read(tubo[0], &c, 1) == 1 && c != '\n') riga += c;
        ::close(tubo[0]);
        const auto i = riga.find("127.0.0.1:");
        if (i == std::string::npos) {
            errore = "veltra-servizio non partito: " + riga;
            return;
        }
        porta = std::atoi(riga.c_str() + i + 10);
    }
};

Banco& BancoUnico() {
    static Banco b;
    return b;
}

void BM_Servizio50AggiornamentiParalleli(benchmark::State& state) {
    Banco& b = BancoUnico();
    if (!b.errore.empty()) {
        state.SkipWithError(b.errore.c_str());
        return;
    }
    std::vector<CampionatoId> tutti;
    for (int c = 0; c < kNumeroCampionati; ++c) tutti.push_back(c);
    const std::string indirizzo =
        "http://127.0.0.1:" + std::to_string(b.porta) + "/aggiornamenti/";
    std::vector<ParametriAggiornamento> parametri;
    for (int k = 0; k < kClienti; ++k) {
        const fs::path cartella = b.radice / ("cliente" + std::to_string(k));
        fs::create_directories(cartella);
        ParametriAggiornamento p = PreparaAggiornamento(*b.dati, tutti, indirizzo, cartella);
        p.secondiAttesa = 0;
        parametri.push_back(std::move(p));
    }
    HttpCurl http;
    long richieste = 0, byte = 0, memoriaDopoPrimo = 0, memoriaMassima = 0;
    int giro = 0;
    for (auto _ : state) {
        std::vector<EsitoScaricamento> esiti(kClienti);
        std::vector<std::thread> clienti;
        for (int k = 0; k < kClienti; ++k)
            clienti.emplace_back([&, k] {
                std::atomic<bool> fermo{false};
                ContestoLavoro lavoro(fermo, nullptr);
                RegistroInternet log;
                esiti[static_cast<std::size_t>(k)] =
                    ScaricaAggiornamento(http, parametri[static_cast<std::size_t>(k)], log, lavoro);
            });
        for (auto& t : clienti) t.join();

        state.PauseTiming();
        for (int k = 0; k < kClienti; ++k) {
            const auto& e = esiti[static_cast<std::size_t>(k)];
            if (!e.completo) {
                state.SkipWithError(("cliente " + std::to_string(k) + ": " + e.errore).c_str());
                break;
            }
            for (const auto& [nome, atteso] : b.attesi) {
                const fs::path f = parametri[static_cast<std::size_t>(k)].cartella / nome;
                if (Leggi(f) != atteso) {
                    state.SkipWithError(("cliente " + std::to_string(k) + ": " + nome + " diverso").c_str());
                    break;
                }
                byte += static_cast<long>(atteso.size());
                fs::remove(f);
            }
        }
        // Marker, the 19 results files, the news.
        richieste += kClienti * (kNumeroCampionati + 2);
        const long memoria = MemoriaResidente(b.pid);
        if (++giro == 1) memoriaDopoPrimo = memoria;
        memoriaMassima = std::max(memoriaMassima, memoria);
        state.ResumeTiming();
    }
    state.counters["richieste/s"] = benchmark::Counter(static_cast<double>(richieste),
                                                       benchmark::Counter::kIsRate);
    state.counters["byte/s"] = benchmark::Counter(static_cast<double>(byte),
                                                  benchmark::Counter::kIsRate);
    state.counters["rss_primo_giro_kB"] = static_cast<double>(memoriaDopoPrimo);
    state.counters["rss_massima_kB"] = static_cast<double>(memoriaMassima);
    // Flat: after the first round (buffers, worker stacks) the server must
    // not keep growing with more rounds of the same load.
    if (giro > 1 && memoriaMassima > memoriaDopoPrimo + memoriaDopoPrimo / 4 + 2048)
        state.SkipWithError("la memoria del server cresce da un giro all'altro");
}
BENCHMARK(BM_Servizio50AggiornamentiParalleli)->Unit(benchmark::kMillisecond)->Iterations(8)->UseRealTime();

} // namespace
