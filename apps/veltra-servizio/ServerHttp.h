#pragma once
// The service's HTTP transport. cpp-httplib parses and answers each request,
// but the connections are this server's own: one thread waits on every open
// connection and reads each request whole (headers, and a body up to the
// limit) before a worker sees it, so a slow or silent client holds no worker.
// A request must arrive whole within its time, a connection waits for the
// next request only a short while and serves a bounded number of them, and
// at most so many connections are open at once (the rest wait in the
// system's backlog). Complete requests queue for a fixed pool of workers.
#include <httplib.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace veltra::servizio {

struct LimitiServer {
    int lavoratori = 16;
    int connessioniMassime = 512;
    // From the first byte of a request (or the connection's opening) to its last.
    std::chrono::milliseconds tempoRichiesta{10000};
    // Between two requests on one connection.
    std::chrono::milliseconds tempoInattivita{5000};
    // Writing one response.
    std::chrono::milliseconds tempoRisposta{30000};
    int richiestePerConnessione = 100;
    std::size_t massimoIntestazioni = 16 * 1024;
    std::size_t massimoCorpo = 512 * 1024;
    // At a stop, how long the replies under way may still take.
    std::chrono::milliseconds tempoChiusura{3000};
};

class ServerHttp : public httplib::Server {
public:
    explicit ServerHttp(const LimitiServer& limiti);
    ~ServerHttp() override;

    // Binds and listens; the port (the system's choice for 0), or -1.
    int Ascolta(const std::string& indirizzo, int porta);
    // Serves until Ferma(); returns when every worker has ended.
    void Esegui();
    // Safe from any thread.
    void Ferma();

    // One line per request answered (never the headers: they may hold a key).
    void ImpostaRegistro(std::function<void(const httplib::Request&, const httplib::Response&)> f) {
        registro_ = std::move(f);
    }

    struct Connessione;

private:
    friend class Flusso;
    using Orologio = std::chrono::steady_clock;

    void Lavora();
    void Servi(std::unique_ptr<Connessione> c);
    void Restituisci(std::unique_ptr<Connessione> c);
    void Chiudi(std::unique_ptr<Connessione> c);
    void Sveglia();
    bool fermando() const { return fermo_.load(); }
    Orologio::time_point limiteChiusura() const;

    LimitiServer limiti_;
    int ascolto_ = -1;
    int epoll_ = -1;
    int sveglia_ = -1;
    std::atomic<bool> fermo_{false};
    std::atomic<long long> fermatoAl_{0}; // steady ticks of the stop
    std::atomic<int> aperte_{0};

    std::mutex m_;
    std::condition_variable lavoro_;
    std::deque<std::unique_ptr<Connessione>> coda_;    // complete requests for the workers
    std::vector<std::unique_ptr<Connessione>> ritorni_; // back from the workers (keep-alive)
    std::vector<std::thread> lavoratori_;
    std::function<void(const httplib::Request&, const httplib::Response&)> registro_;
};

// What a block of received bytes holds: a request not yet whole, a whole one
// (headers, and the body when its length is known and within the limit), or
// headers larger than allowed.
enum class StatoRichiesta { Incompleta, Pronta, TroppoGrande };
StatoRichiesta EsaminaRichiesta(std::string_view ricevuti, std::size_t massimoIntestazioni,
                                std::size_t massimoCorpo);
// Takes an "Expect: 100-continue" out of whole headers (the caller answers
// it); false when there is none.
bool TogliAttesaContinua(std::string& ricevuti);

} // namespace veltra::servizio
