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

#include <algorithm>
#include <cmath>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <netinet/in.h>
#include <sys/socket.h>

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

// 100 slow clients (a byte a second, never a whole request) hold
// connections while 50 normal ones each fetch a results file: every normal
// request must be answered, byte-identical; reported: the latencies of the
// normal requests (p50, p99, max), and the same 50 requests without the slow
// clients as the baseline of the same run.
int ConnettiLento(int porta) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<std::uint16_t>(porta));
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Latencies in ms of 50 parallel GETs; empty, with `errore`, when one failed.
std::vector<double> CinquantaRichieste(const Banco& b, const std::string& nome, const std::string& atteso,
                                       std::string& errore) {
    std::vector<double> ms(kClienti, -1);
    std::vector<std::string> errori(kClienti);
    std::vector<std::thread> clienti;
    HttpCurl http;
    for (int k = 0; k < kClienti; ++k)
        clienti.emplace_back([&, k] {
            OpzioniSessione o;
            o.secondiConnessione = 60;
            o.secondiStallo = 60;
            auto sessione = http.ApriSessione(o);
            RichiestaHttp q;
            q.indirizzo = "http://127.0.0.1:" + std::to_string(b.porta) + "/aggiornamenti/" + nome;
            const auto inizio = std::chrono::steady_clock::now();
            const RispostaHttp r = sessione->Esegui(q);
            const auto fine = std::chrono::steady_clock::now();
            if (!r.ok() || r.stato != 200 || r.corpo != atteso)
                errori[static_cast<std::size_t>(k)] = "richiesta " + std::to_string(k) + " senza risposta giusta";
            ms[static_cast<std::size_t>(k)] = std::chrono::duration<double, std::milli>(fine - inizio).count();
        });
    for (auto& t : clienti) t.join();
    for (const auto& e : errori)
        if (!e.empty()) errore = e;
    std::sort(ms.begin(), ms.end());
    return errore.empty() ? ms : std::vector<double>{};
}

double Percentile(const std::vector<double>& ordinati, double p) {
    const auto i = static_cast<std::size_t>(std::ceil(p * static_cast<double>(ordinati.size()))) - 1;
    return ordinati[std::min(i, ordinati.size() - 1)];
}

void BM_Servizio100LentiE50Normali(benchmark::State& state) {
    Banco& b = BancoUnico();
    if (!b.errore.empty()) {
        state.SkipWithError(b.errore.c_str());
        return;
    }
    const std::string nome = std::string(Campionato(0).fileIncontri) + ".txt";
    const std::string atteso = Leggi(b.servizio / "aggiornamenti" / nome);
    std::vector<double> tutte, base;
    for (auto _ : state) {
        state.PauseTiming();
        std::string errore;
        const auto senza = CinquantaRichieste(b, nome, atteso, errore);
        if (senza.empty()) {
            state.SkipWithError(errore.c_str());
            break;
        }
        base.insert(base.end(), senza.begin(), senza.end());
        std::vector<int> lenti;
        for (int k = 0; k < 100; ++k)
            if (const int fd = ConnettiLento(b.porta); fd >= 0) lenti.push_back(fd);
        std::atomic<bool> fine{false};
        std::thread goccia([&] {
            static constexpr char kRichiesta[] = "GET /aggiornamenti/lastagg.txt HTTP/1.1\r\nHost: x\r\n";
            for (std::size_t i = 0; !fine; ++i) {
                for (int fd : lenti) ::send(fd, kRichiesta + i % (sizeof kRichiesta - 1), 1, MSG_NOSIGNAL);
                for (int t = 0; t < 10 && !fine; ++t) std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        state.ResumeTiming();
        const auto con = CinquantaRichieste(b, nome, atteso, errore);
        state.PauseTiming();
        fine = true;
        goccia.join();
        for (int fd : lenti) ::close(fd);
        if (con.empty()) {
            state.SkipWithError(errore.c_str());
            break;
        }
        tutte.insert(tutte.end(), con.begin(), con.end());
        state.ResumeTiming();
    }
    if (tutte.empty() || base.empty()) return;
    std::sort(tutte.begin(), tutte.end());
    std::sort(base.begin(), base.end());
    state.counters["normali_risposte"] = static_cast<double>(tutte.size());
    state.counters["p50_ms"] = Percentile(tutte, 0.50);
    state.counters["p99_ms"] = Percentile(tutte, 0.99);
    state.counters["max_ms"] = tutte.back();
    state.counters["p99_senza_lenti_ms"] = Percentile(base, 0.99);
    state.counters["p99_rapporto"] = Percentile(tutte, 0.99) / std::max(0.001, Percentile(base, 0.99));
}
BENCHMARK(BM_Servizio100LentiE50Normali)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
