#include "ServerHttp.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <map>
#include <optional>
#include <string_view>

namespace veltra::servizio {

struct ServerHttp::Connessione {
    int fd = -1;
    std::string ip, ipLocale;
    int porta = 0, portaLocale = 0;
    std::string ricevuti;  // bytes received and not yet read by a request
    std::size_t letti = 0; // of `ricevuti`, read already
    bool inLettura = false; // the first byte of a request has come
    Orologio::time_point scadenza;
    int richieste = 0; // served on this connection
    bool chiudere = false;
};

namespace {

using Orologio = std::chrono::steady_clock;

// The status of the last response written by this thread, and whether the
// request must end its connection (its framing cannot be trusted).
thread_local int gUltimoStato = 0;
thread_local bool gChiudere = false;

std::string Minuscolo(std::string_view t) {
    std::string r(t);
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

std::string_view Spazi(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\r')) t.remove_suffix(1);
    return t;
}

// Waits until `fd` is ready for `eventi`, the deadline passes or the server
// stops (checked every tenth of a second). True when ready.
bool Attendi(int fd, short eventi, Orologio::time_point scadenza) {
    for (;;) {
        const auto ora = Orologio::now();
        if (ora >= scadenza) return false;
        const auto resto = std::chrono::duration_cast<std::chrono::milliseconds>(scadenza - ora);
        pollfd p{fd, eventi, 0};
        const int n = ::poll(&p, 1, static_cast<int>(std::min<long long>(resto.count() + 1, 100)));
        if (n > 0) return true;
        if (n < 0 && errno != EINTR) return false;
    }
}

void Indirizzo(const sockaddr_storage& a, std::string& ip, int& porta) {
    char testo[INET6_ADDRSTRLEN] = "";
    if (a.ss_family == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(a);
        ::inet_ntop(AF_INET6, &v6.sin6_addr, testo, sizeof testo);
        porta = ntohs(v6.sin6_port);
    } else {
        const auto& v4 = reinterpret_cast<const sockaddr_in&>(a);
        ::inet_ntop(AF_INET, &v4.sin_addr, testo, sizeof testo);
        porta = ntohs(v4.sin_port);
    }
    ip = testo;
}

void NonBloccante(int fd) {
    const int f = ::fcntl(fd, F_GETFL, 0);
    ::fcntl(fd, F_SETFL, f | O_NONBLOCK);
}

const char* TestoErrore(int stato) {
    switch (stato) {
    case 400:
        return "Richiesta non valida\n";
    case 404:
        return "File non trovato\n";
    case 405:
        return "Richiesta non ammessa\n";
    case 413:
        return "Richiesta troppo grande: al massimo 512 KB\n";
    case 414:
        return "Indirizzo troppo lungo\n";
    case 416:
        return "Intervallo non disponibile\n";
    default:
        return "Errore del servizio\n";
    }
}

} // namespace

StatoRichiesta EsaminaRichiesta(std::string_view t, std::size_t massimoIntestazioni,
                                std::size_t massimoCorpo) {
    // Blank lines before a request are allowed (and skipped by the parser).
    std::size_t inizio = 0;
    while (inizio < t.size() && (t[inizio] == '\r' || t[inizio] == '\n')) ++inizio;
    std::size_t fine = std::string_view::npos, dopo = 0;
    for (std::size_t i = inizio; i < t.size(); ++i)
        if (t[i] == '\n') {
            // An empty line (CRLF or LF alone) ends the headers.
            if (i + 1 < t.size() && t[i + 1] == '\n') {
                fine = i;
                dopo = i + 2;
                break;
            }
            if (i + 2 < t.size() && t[i + 1] == '\r' && t[i + 2] == '\n') {
                fine = i;
                dopo = i + 3;
                break;
            }
        }
    if (fine == std::string_view::npos)
        return t.size() - inizio > massimoIntestazioni ? StatoRichiesta::TroppoGrande
                                                       : StatoRichiesta::Incompleta;
    if (fine - inizio > massimoIntestazioni) return StatoRichiesta::TroppoGrande;
    std::size_t lunghezza = 0;
    bool conLunghezza = false;
    std::string_view intestazioni = t.substr(inizio, fine - inizio);
    while (!intestazioni.empty()) {
        const auto a = intestazioni.find('\n');
        const std::string_view riga = intestazioni.substr(0, a);
        intestazioni = a == std::string_view::npos ? std::string_view{} : intestazioni.substr(a + 1);
        const auto dp = riga.find(':');
        if (dp == std::string_view::npos) continue;
        const std::string nome = Minuscolo(Spazi(riga.substr(0, dp)));
        // A body in chunks is read by the worker (or refused there).
        if (nome == "transfer-encoding") return StatoRichiesta::Pronta;
        if (nome == "content-length") {
            const std::string_view v = Spazi(riga.substr(dp + 1));
            std::size_t n = 0;
            const auto r = std::from_chars(v.data(), v.data() + v.size(), n);
            if (r.ec != std::errc() || r.ptr != v.data() + v.size()) return StatoRichiesta::Pronta;
            lunghezza = n;
            conLunghezza = true;
        }
    }
    // A body over the limit is refused by the worker without reading it.
    if (!conLunghezza || lunghezza > massimoCorpo) return StatoRichiesta::Pronta;
    return t.size() - dopo >= lunghezza ? StatoRichiesta::Pronta : StatoRichiesta::Incompleta;
}

bool TogliAttesaContinua(std::string& ricevuti) {
    const auto fine = ricevuti.find("\r\n\r\n");
    if (fine == std::string::npos) return false;
    std::size_t riga = ricevuti.find("\r\n");
    while (riga != std::string::npos && riga < fine) {
        const std::size_t inizio = riga + 2;
        const std::size_t dopo = ricevuti.find("\r\n", inizio);
        const std::string_view testo(ricevuti.data() + inizio, dopo - inizio);
        const auto dp = testo.find(':');
        if (dp != std::string_view::npos && Minuscolo(Spazi(testo.substr(0, dp))) == "expect" &&
            Minuscolo(Spazi(testo.substr(dp + 1))) == "100-continue") {
            ricevuti.erase(inizio, dopo + 2 - inizio);
            return true;
        }
        riga = dopo;
    }
    return false;
}

// A connection's bytes as the parser reads them: first what the waiting
// thread received, then the socket, never past the request's deadline.
class Flusso : public httplib::Stream {
public:
    Flusso(ServerHttp& s, ServerHttp::Connessione& c) : s_(s), c_(c) {}

    bool is_readable() const override {
        return c_.letti < c_.ricevuti.size() || Attendi(c_.fd, POLLIN, ScadenzaLettura());
    }
    bool is_writable() const override { return Attendi(c_.fd, POLLOUT, ScadenzaScrittura()); }

    ssize_t read(char* ptr, size_t size) override {
        if (c_.letti < c_.ricevuti.size()) {
            const std::size_t n = std::min(size, c_.ricevuti.size() - c_.letti);
            std::memcpy(ptr, c_.ricevuti.data() + c_.letti, n);
            c_.letti += n;
            return static_cast<ssize_t>(n);
        }
        for (;;) {
            const ssize_t n = ::recv(c_.fd, ptr, size, MSG_DONTWAIT);
            if (n >= 0) return n;
            if (errno == EINTR) continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK) return -1;
            if (!Attendi(c_.fd, POLLIN, ScadenzaLettura())) return -1;
        }
    }

    ssize_t write(const char* ptr, size_t size) override {
        if (!inizioScrittura_) inizioScrittura_ = Orologio::now();
        std::size_t scritti = 0;
        while (scritti < size) {
            const ssize_t n = ::send(c_.fd, ptr + scritti, size - scritti, MSG_DONTWAIT | MSG_NOSIGNAL);
            if (n > 0) {
                scritti += static_cast<std::size_t>(n);
                continue;
            }
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return -1;
            if (!Attendi(c_.fd, POLLOUT, ScadenzaScrittura())) return -1;
        }
        return static_cast<ssize_t>(scritti);
    }

    void get_remote_ip_and_port(std::string& ip, int& porta) const override {
        ip = c_.ip;
        porta = c_.porta;
    }
    void get_local_ip_and_port(std::string& ip, int& porta) const override {
        ip = c_.ipLocale;
        porta = c_.portaLocale;
    }
    socket_t socket() const override { return c_.fd; }

private:
    Orologio::time_point ScadenzaLettura() const {
        return std::min(c_.scadenza, s_.limiteChiusura());
    }
    Orologio::time_point ScadenzaScrittura() const {
        const auto inizio = inizioScrittura_ ? *inizioScrittura_ : Orologio::now();
        return std::min(inizio + s_.limiti_.tempoRisposta, s_.limiteChiusura());
    }
    ServerHttp& s_;
    ServerHttp::Connessione& c_;
    std::optional<Orologio::time_point> inizioScrittura_;
};

ServerHttp::ServerHttp(const LimitiServer& limiti) : limiti_(limiti) {
    set_payload_max_length(limiti_.massimoCorpo);
    // What the replies announce ("Keep-Alive: timeout=, max="): the limits
    // this server applies itself.
    set_keep_alive_max_count(static_cast<std::size_t>(std::max(1, limiti_.richiestePerConnessione)));
    set_keep_alive_timeout(
        std::max<time_t>(1, std::chrono::duration_cast<std::chrono::seconds>(limiti_.tempoInattivita).count()));
    // Both lengths at once let a proxy and this server disagree on where the
    // request ends: refused, and the connection closed.
    set_pre_routing_handler([](const httplib::Request& q, httplib::Response& r) {
        const bool aPezzi = q.has_header("Transfer-Encoding");
        const std::size_t lunghezze = q.get_header_value_count("Content-Length");
        bool diverse = false;
        for (std::size_t i = 1; i < lunghezze; ++i)
            diverse = diverse || q.get_header_value("Content-Length", i) != q.get_header_value("Content-Length");
        if ((aPezzi && lunghezze > 0) || diverse) {
            gChiudere = true;
            r.status = 400;
            r.set_content("Richiesta non valida: lunghezza del corpo indicata in due modi\n",
                          "text/plain; charset=windows-1252");
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    // Errors found by the parser come with a text, as every other reply.
    set_error_handler(httplib::Server::HandlerWithResponse(
        [](const httplib::Request&, httplib::Response& r) {
            if (!r.body.empty()) return httplib::Server::HandlerResponse::Unhandled;
            r.set_content(TestoErrore(r.status), "text/plain; charset=windows-1252");
            return httplib::Server::HandlerResponse::Handled;
        }));
    set_logger([this](const httplib::Request& q, const httplib::Response& r) {
        gUltimoStato = r.status;
        if (registro_) registro_(q, r);
    });
}

ServerHttp::~ServerHttp() {
    Ferma();
    for (auto& t : lavoratori_)
        if (t.joinable()) t.join();
    if (ascolto_ >= 0) ::close(ascolto_);
    if (epoll_ >= 0) ::close(epoll_);
    if (sveglia_ >= 0) ::close(sveglia_);
}

ServerHttp::Orologio::time_point ServerHttp::limiteChiusura() const {
    if (!fermo_.load()) return Orologio::time_point::max();
    return Orologio::time_point(Orologio::duration(fermatoAl_.load())) + limiti_.tempoChiusura;
}

int ServerHttp::Ascolta(const std::string& indirizzo, int porta) {
    addrinfo suggerimento{};
    suggerimento.ai_family = AF_UNSPEC;
    suggerimento.ai_socktype = SOCK_STREAM;
    suggerimento.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* elenco = nullptr;
    if (::getaddrinfo(indirizzo.c_str(), std::to_string(porta).c_str(), &suggerimento, &elenco) != 0)
        return -1;
    for (addrinfo* a = elenco; a && ascolto_ < 0; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) continue;
        const int si = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &si, sizeof si);
        if (::bind(fd, a->ai_addr, a->ai_addrlen) == 0 && ::listen(fd, 256) == 0)
            ascolto_ = fd;
        else
            ::close(fd);
    }
    ::freeaddrinfo(elenco);
    if (ascolto_ < 0) return -1;
    NonBloccante(ascolto_);
    sockaddr_storage s{};
    socklen_t l = sizeof s;
    ::getsockname(ascolto_, reinterpret_cast<sockaddr*>(&s), &l);
    return s.ss_family == AF_INET6 ? ntohs(reinterpret_cast<sockaddr_in6*>(&s)->sin6_port)
                                   : ntohs(reinterpret_cast<sockaddr_in*>(&s)->sin_port);
}

void ServerHttp::Ferma() {
    {
        // Under the queue's lock, so no worker misses it between its check and its wait.
        std::lock_guard<std::mutex> l(m_);
        if (fermo_.load()) return;
        fermatoAl_ = Orologio::now().time_since_epoch().count();
        fermo_ = true;
    }
    Sveglia();
    lavoro_.notify_all();
}

void ServerHttp::Sveglia() {
    if (sveglia_ < 0) return;
    const std::uint64_t uno = 1;
    [[maybe_unused]] const auto n = ::write(sveglia_, &uno, sizeof uno);
}

void ServerHttp::Chiudi(std::unique_ptr<Connessione> c) {
    ::shutdown(c->fd, SHUT_RDWR);
    ::close(c->fd);
    --aperte_;
    Sveglia(); // a place is free: accept again
}

void ServerHttp::Restituisci(std::unique_ptr<Connessione> c) {
    {
        std::lock_guard<std::mutex> l(m_);
        ritorni_.push_back(std::move(c));
    }
    Sveglia();
}

void ServerHttp::Lavora() {
    for (;;) {
        std::unique_ptr<Connessione> c;
        {
            std::unique_lock<std::mutex> l(m_);
            lavoro_.wait(l, [this] { return !coda_.empty() || fermando(); });
            if (coda_.empty()) return;
            c = std::move(coda_.front());
            coda_.pop_front();
        }
        // Requests still queued when the stop's grace has passed are dropped.
        if (fermando() && Orologio::now() >= limiteChiusura()) {
            Chiudi(std::move(c));
            continue;
        }
        Servi(std::move(c));
    }
}

void ServerHttp::Servi(std::unique_ptr<Connessione> c) {
    Flusso flusso(*this, *c);
    const bool ultima = fermando() || c->richieste + 1 >= limiti_.richiestePerConnessione;
    bool chiusa = false;
    gUltimoStato = 0;
    gChiudere = false;
    const bool ok = process_request(flusso, ultima, chiusa, nullptr);
    ++c->richieste;
    // After an error the rest of the request may still be unread: the
    // connection cannot be trusted for another one.
    if (!ok || chiusa || ultima || gChiudere || gUltimoStato >= 400 || fermando()) {
        Chiudi(std::move(c));
        return;
    }
    c->ricevuti.erase(0, c->letti);
    c->letti = 0;
    c->inLettura = !c->ricevuti.empty();
    c->scadenza = Orologio::now() + (c->inLettura ? limiti_.tempoRichiesta : limiti_.tempoInattivita);
    Restituisci(std::move(c));
}

void ServerHttp::Esegui() {
    epoll_ = ::epoll_create1(EPOLL_CLOEXEC);
    sveglia_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (epoll_ < 0 || sveglia_ < 0 || ascolto_ < 0) return;
    for (int i = 0; i < std::max(1, limiti_.lavoratori); ++i) lavoratori_.emplace_back([this] { Lavora(); });

    std::map<int, std::unique_ptr<Connessione>> attese; // connections this thread waits on
    epoll_event e{};
    e.events = EPOLLIN;
    e.data.fd = sveglia_;
    ::epoll_ctl(epoll_, EPOLL_CTL_ADD, sveglia_, &e);
    bool ascoltoAttivo = false;

    auto togli = [&](int fd) {
        ::epoll_ctl(epoll_, EPOLL_CTL_DEL, fd, nullptr);
        auto n = attese.extract(fd);
        return std::move(n.mapped());
    };
    auto aggiungi = [&](std::unique_ptr<Connessione> c) {
        epoll_event ev{};
        ev.events = EPOLLIN | EPOLLRDHUP;
        ev.data.fd = c->fd;
        ::epoll_ctl(epoll_, EPOLL_CTL_ADD, c->fd, &ev);
        attese[c->fd] = std::move(c);
    };
    // A request received whole goes to the workers; headers too large end
    // the connection with a short answer.
    auto esamina = [&](int fd) {
        Connessione& c = *attese.at(fd);
        const auto s = EsaminaRichiesta(c.ricevuti, limiti_.massimoIntestazioni, limiti_.massimoCorpo);
        if (s == StatoRichiesta::Incompleta) {
            // A client waiting for leave to send its body gets it here, so
            // the body too arrives before a worker is given the request.
            if (TogliAttesaContinua(c.ricevuti)) {
                static constexpr char kContinua[] = "HTTP/1.1 100 Continue\r\n\r\n";
                [[maybe_unused]] const auto n =
                    ::send(fd, kContinua, sizeof kContinua - 1, MSG_DONTWAIT | MSG_NOSIGNAL);
            }
            return;
        }
        auto tolta = togli(fd);
        if (s == StatoRichiesta::TroppoGrande) {
            static constexpr char kRisposta[] =
                "HTTP/1.1 431 Request Header Fields Too Large\r\nContent-Type: text/plain; "
                "charset=windows-1252\r\nContent-Length: 34\r\nConnection: close\r\n\r\n"
                "Intestazioni troppo grandi: chiuso\n";
            [[maybe_unused]] const auto n =
                ::send(fd, kRisposta, sizeof kRisposta - 1, MSG_DONTWAIT | MSG_NOSIGNAL);
            Chiudi(std::move(tolta));
            return;
        }
        {
            std::lock_guard<std::mutex> l(m_);
            coda_.push_back(std::move(tolta));
        }
        lavoro_.notify_one();
    };

    std::vector<epoll_event> eventi(256);
    while (!fermando()) {
        // Accept only while there is room; the rest wait in the backlog.
        const bool posto = aperte_.load() < limiti_.connessioniMassime;
        if (posto != ascoltoAttivo) {
            epoll_event ev{};
            ev.events = EPOLLIN;
            ev.data.fd = ascolto_;
            ::epoll_ctl(epoll_, posto ? EPOLL_CTL_ADD : EPOLL_CTL_DEL, ascolto_, &ev);
            ascoltoAttivo = posto;
        }
        const int n = ::epoll_wait(epoll_, eventi.data(), static_cast<int>(eventi.size()), 100);
        for (int i = 0; i < n; ++i) {
            const int fd = eventi[static_cast<std::size_t>(i)].data.fd;
            if (fd == sveglia_) {
                std::uint64_t v;
                [[maybe_unused]] const auto letti = ::read(sveglia_, &v, sizeof v);
                continue;
            }
            if (fd == ascolto_) {
                while (aperte_.load() < limiti_.connessioniMassime) {
                    sockaddr_storage da{};
                    socklen_t l = sizeof da;
                    const int nuovo = ::accept4(ascolto_, reinterpret_cast<sockaddr*>(&da), &l,
                                                SOCK_NONBLOCK | SOCK_CLOEXEC);
                    if (nuovo < 0) break;
                    ++aperte_;
                    const int si = 1;
                    ::setsockopt(nuovo, IPPROTO_TCP, TCP_NODELAY, &si, sizeof si);
                    auto c = std::make_unique<Connessione>();
                    c->fd = nuovo;
                    Indirizzo(da, c->ip, c->porta);
                    sockaddr_storage qui{};
                    socklen_t lq = sizeof qui;
                    if (::getsockname(nuovo, reinterpret_cast<sockaddr*>(&qui), &lq) == 0)
                        Indirizzo(qui, c->ipLocale, c->portaLocale);
                    c->scadenza = Orologio::now() + limiti_.tempoRichiesta;
                    aggiungi(std::move(c));
                }
                continue;
            }
            auto trovata = attese.find(fd);
            if (trovata == attese.end()) continue;
            Connessione& c = *trovata->second;
            bool chiusa = false;
            char buf[16384];
            for (;;) {
                const ssize_t r = ::recv(fd, buf, sizeof buf, MSG_DONTWAIT);
                if (r > 0) {
                    if (!c.inLettura) {
                        c.inLettura = true;
                        c.scadenza = Orologio::now() + limiti_.tempoRichiesta;
                    }
                    c.ricevuti.append(buf, static_cast<std::size_t>(r));
                    if (c.ricevuti.size() > limiti_.massimoIntestazioni + limiti_.massimoCorpo + 4096) break;
                    continue;
                }
                if (r < 0 && errno == EINTR) continue;
                chiusa = r == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
                break;
            }
            if (chiusa && c.ricevuti.empty()) {
                Chiudi(togli(fd));
                continue;
            }
            esamina(fd);
            // The client closed its side before the request was whole.
            if (chiusa && attese.count(fd)) Chiudi(togli(fd));
        }
        // Back from the workers: wait for the next request.
        std::vector<std::unique_ptr<Connessione>> tornate;
        {
            std::lock_guard<std::mutex> l(m_);
            tornate.swap(ritorni_);
        }
        for (auto& c : tornate) {
            const int fd = c->fd;
            aggiungi(std::move(c));
            esamina(fd);
        }
        // Too slow: dropped.
        const auto ora = Orologio::now();
        std::vector<int> scadute;
        for (const auto& [fd, c] : attese)
            if (ora >= c->scadenza) scadute.push_back(fd);
        for (int fd : scadute) Chiudi(togli(fd));
    }

    // Stopping: no more connections; the waiting ones are dropped; the
    // workers finish what they hold (within the grace) and end.
    if (ascoltoAttivo) ::epoll_ctl(epoll_, EPOLL_CTL_DEL, ascolto_, nullptr);
    ::close(ascolto_);
    ascolto_ = -1;
    for (auto& [fd, c] : attese) {
        ::epoll_ctl(epoll_, EPOLL_CTL_DEL, fd, nullptr);
        Chiudi(std::move(c));
    }
    attese.clear();
    lavoro_.notify_all();
    for (auto& t : lavoratori_) t.join();
    lavoratori_.clear();
    std::lock_guard<std::mutex> l(m_);
    for (auto& c : ritorni_) Chiudi(std::move(c));
    ritorni_.clear();
}

} // namespace veltra::servizio
