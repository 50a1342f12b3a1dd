// veltra-servizio: the program's service as a small HTTP server. It serves
// the team-name tables, the update folder and the proposed analyses from a
// folder, and accepts the analyses users send (see net/servizio/Servizio.h
// for the layout).
//
//   veltra-servizio [--cartella DIR] [--porta N] [--indirizzo IP] [--connessioni N]
//   veltra-servizio pubblica --da CARTELLA_DI_LAVORO --cartella DIR [--news FILE] [--pagine URL]
//
// With --porta 0 the system picks a free port. The first line on standard
// output says where the server listens; one line per request goes to
// standard error. SIGINT or SIGTERM stop it.
#include "Pubblica.h"

#include "net/servizio/Servizio.h"
#include "platform/Piattaforma.h"

#include <httplib.h>

#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace veltra;

// A fixed pool of workers and a bounded queue: when both are full the
// accepting thread waits, and further connections wait in the system's
// backlog instead of piling up in memory.
class CodaLimitata : public httplib::TaskQueue {
public:
    CodaLimitata(std::size_t lavoratori, std::size_t massimo) : massimo_(massimo) {
        for (std::size_t i = 0; i < lavoratori; ++i)
            thread_.emplace_back([this] { Lavora(); });
    }
    void enqueue(std::function<void()> fn) override {
        std::unique_lock<std::mutex> l(m_);
        spazio_.wait(l, [this] { return coda_.size() < massimo_ || fine_; });
        if (fine_) return;
        coda_.push_back(std::move(fn));
        lavoro_.notify_one();
    }
    void shutdown() override {
        {
            std::lock_guard<std::mutex> l(m_);
            fine_ = true;
        }
        lavoro_.notify_all();
        spazio_.notify_all();
        for (auto& t : thread_) t.join();
    }

private:
    void Lavora() {
        for (;;) {
            std::function<void()> fn;
            {
                std::unique_lock<std::mutex> l(m_);
                lavoro_.wait(l, [this] { return !coda_.empty() || fine_; });
                if (coda_.empty()) return;
                fn = std::move(coda_.front());
                coda_.pop_front();
            }
            spazio_.notify_one();
            fn();
        }
    }
    std::size_t massimo_;
    std::mutex m_;
    std::condition_variable lavoro_, spazio_;
    std::deque<std::function<void()>> coda_;
    std::vector<std::thread> thread_;
    bool fine_ = false;
};

void Uso(std::FILE* f) {
    std::fputs("uso: veltra-servizio [--cartella DIR] [--porta N] [--indirizzo IP] [--connessioni N]\n"
               "     veltra-servizio pubblica --da CARTELLA_DI_LAVORO --cartella DIR [--news FILE] [--pagine URL]\n",
               f);
}

bool Valore(int argc, char** argv, int& i, std::string& v) {
    if (i + 1 >= argc) {
        std::fprintf(stderr, "veltra-servizio: manca il valore di %s\n", argv[i]);
        return false;
    }
    v = argv[++i];
    return true;
}

bool Numero(const std::string& t, int minimo, int massimo, int& v) {
    try {
        std::size_t n = 0;
        v = std::stoi(t, &n);
        return n == t.size() && v >= minimo && v <= massimo;
    } catch (...) {
        return false;
    }
}

int ComandoPubblica(int argc, char** argv) {
    std::string da, cartella, news, pagine = servizio::kSitoPaginePredefinito;
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--da") {
            if (!Valore(argc, argv, i, da)) return 2;
        } else if (a == "--cartella") {
            if (!Valore(argc, argv, i, cartella)) return 2;
        } else if (a == "--news") {
            if (!Valore(argc, argv, i, news)) return 2;
        } else if (a == "--pagine") {
            if (!Valore(argc, argv, i, pagine)) return 2;
        } else {
            std::fprintf(stderr, "veltra-servizio: opzione sconosciuta: %s\n", a.c_str());
            return 2;
        }
    }
    if (da.empty() || cartella.empty()) {
        Uso(stderr);
        return 2;
    }
    return servizio::Pubblica(da, cartella, news, pagine);
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "pubblica") == 0) return ComandoPubblica(argc, argv);

    std::string cartella = ".", indirizzo = "127.0.0.1", testo;
    int porta = 7040, connessioni = 16;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--cartella") {
            if (!Valore(argc, argv, i, cartella)) return 2;
        } else if (a == "--indirizzo") {
            if (!Valore(argc, argv, i, indirizzo)) return 2;
        } else if (a == "--porta") {
            if (!Valore(argc, argv, i, testo) || !Numero(testo, 0, 65535, porta)) {
                std::fprintf(stderr, "veltra-servizio: porta non valida: %s\n", testo.c_str());
                return 2;
            }
        } else if (a == "--connessioni") {
            if (!Valore(argc, argv, i, testo) || !Numero(testo, 1, 256, connessioni)) {
                std::fprintf(stderr, "veltra-servizio: numero di connessioni non valido\n");
                return 2;
            }
        } else if (a == "--help" || a == "-h") {
            Uso(stdout);
            return 0;
        } else {
            std::fprintf(stderr, "veltra-servizio: opzione sconosciuta: %s\n", a.c_str());
            Uso(stderr);
            return 2;
        }
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(cartella, ec)) {
        std::fprintf(stderr, "veltra-servizio: %s non e' una cartella\n", cartella.c_str());
        return 1;
    }

    // The signals are waited for by one thread; every other thread has them blocked.
    sigset_t segnali;
    sigemptyset(&segnali);
    sigaddset(&segnali, SIGINT);
    sigaddset(&segnali, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &segnali, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    OrologioDiSistema orologio;
    Servizio servizio(cartella, orologio);
    httplib::Server server;
    const std::size_t lavoratori = static_cast<std::size_t>(connessioni);
    server.new_task_queue = [lavoratori] { return new CodaLimitata(lavoratori, lavoratori * 4); };
    server.set_payload_max_length(kMaxCorpoInvio);
    server.set_read_timeout(5, 0);
    server.set_write_timeout(10, 0);
    server.set_keep_alive_max_count(100);
    server.set_keep_alive_timeout(5);
    auto gestisci = [&servizio](const httplib::Request& q, httplib::Response& r) {
        const RispostaServizio s = servizio.Gestisci(q.method, q.path, q.body);
        r.status = s.stato;
        r.set_content(s.corpo, s.tipo.c_str());
    };
    server.Get(R"(/.*)", gestisci);
    server.Post(R"(/.*)", gestisci);
    server.set_logger([](const httplib::Request& q, const httplib::Response& r) {
        std::fprintf(stderr, "veltra-servizio: %s %s %s -> %d, %zu byte\n", q.remote_addr.c_str(),
                     q.method.c_str(), q.path.c_str(), r.status, r.body.size());
    });

    const int scelta = porta == 0 ? server.bind_to_any_port(indirizzo)
                                  : (server.bind_to_port(indirizzo, porta) ? porta : -1);
    if (scelta < 0) {
        std::fprintf(stderr, "veltra-servizio: impossibile ascoltare su %s:%d\n", indirizzo.c_str(),
                     porta);
        return 1;
    }
    std::printf("veltra-servizio: in ascolto su http://%s:%d/ (cartella %s)\n", indirizzo.c_str(),
                scelta, cartella.c_str());
    std::fflush(stdout);

    std::thread attesa([&] {
        int s = 0;
        sigwait(&segnali, &s);
        std::fprintf(stderr, "veltra-servizio: fermato (segnale %d)\n", s);
        server.stop();
    });
    const bool ok = server.listen_after_bind();
    if (!ok) {
        // Not stopped by a signal: wake the waiting thread.
        pthread_kill(attesa.native_handle(), SIGTERM);
    }
    attesa.join();
    return ok ? 0 : 1;
}
