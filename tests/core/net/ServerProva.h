#pragma once
// Servers on loopback for the internet tests: the real veltra-servizio,
// started as a process on a free port and always stopped, and a small raw
// server that misbehaves on purpose (stalls, redirects for ever, lies about
// lengths, sends megabytes of garbage).
#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace veltra::test {

// veltra-servizio on 127.0.0.1 and a port the system chose; stopped (and
// waited for) when the object goes, whatever the test did.
class ProcessoServizio {
public:
    // `opzioni` go after the folder and the port; with `errori` the standard
    // error goes to that file.
    explicit ProcessoServizio(const std::filesystem::path& cartella,
                              const std::vector<std::string>& opzioni = {},
                              const std::filesystem::path& errori = {}) {
        std::vector<std::string> argomenti = {VELTRA_SERVIZIO_PATH, "--cartella", cartella.string(),
                                              "--porta", "0", "--indirizzo", "127.0.0.1"};
        argomenti.insert(argomenti.end(), opzioni.begin(), opzioni.end());
        std::vector<char*> argv;
        for (auto& a : argomenti) argv.push_back(a.data());
        argv.push_back(nullptr);
        int tubo[2];
        if (::pipe(tubo) != 0) throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL); // never outlives the tests
            ::dup2(tubo[1], 1);
            const int nulla = errori.empty() ? ::open("/dev/null", O_WRONLY)
                                             : ::open(errori.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
            ::dup2(nulla, 2);
            ::close(tubo[0]);
            ::execv(VELTRA_SERVIZIO_PATH, argv.data());
            ::_exit(127);
        }
        ::close(tubo[1]);
        std::string riga;
        char c;
        while (riga.size() < 500 && ::read(tubo[0], &c, 1) == 1 && c != '\n') riga += c;
        ::close(tubo[0]);
        const auto i = riga.find("127.0.0.1:");
        if (i == std::string::npos) {
            Ferma();
            throw std::runtime_error("veltra-servizio non partito: " + riga);
        }
        porta_ = std::stoi(riga.substr(i + 10));
    }
    ~ProcessoServizio() { Ferma(); }
    int porta() const { return porta_; }
    pid_t pid() const { return pid_; }
    std::string Base() const { return "http://127.0.0.1:" + std::to_string(porta_); }
    // Kills it at once (as a crash would) and waits for it.
    void Uccidi() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    // Sends `segnale` and waits at most `attesa` for the end: the exit
    // status, or -1 when it did not end (it is then killed).
    int FermaCon(int segnale, std::chrono::milliseconds attesa) {
        if (pid_ <= 0) return -1;
        ::kill(pid_, segnale);
        const auto fine = std::chrono::steady_clock::now() + attesa;
        int stato = 0;
        while (std::chrono::steady_clock::now() < fine) {
            if (::waitpid(pid_, &stato, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(stato) ? WEXITSTATUS(stato) : 128 + WTERMSIG(stato);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        Uccidi();
        return -1;
    }

private:
    void Ferma() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        for (int i = 0; i < 50; ++i) {
            if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = -1;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    pid_t pid_ = -1;
    int porta_ = 0;
};

// A raw HTTP server on 127.0.0.1: for every request, `risposta(path)` gives
// the bytes to send; with `stallo` the connection then stays open and silent
// until the server goes.
class ServerCattivo {
public:
    struct Risposta {
        std::string byte;
        bool stallo = false;
    };
    using Gestore = std::function<Risposta(const std::string& percorso)>;

    explicit ServerCattivo(Gestore g) : gestore_(std::move(g)) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        int uno = 1;
        ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &uno, sizeof uno);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = 0;
        if (::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(fd_, 16) != 0)
            throw std::runtime_error("bind");
        socklen_t n = sizeof a;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &n);
        porta_ = ntohs(a.sin_port);
        accetta_ = std::thread([this] { Accetta(); });
    }
    ~ServerCattivo() {
        fine_ = true;
        ::shutdown(fd_, SHUT_RDWR);
        ::close(fd_);
        accetta_.join();
        std::lock_guard<std::mutex> l(m_);
        for (auto& t : connessioni_) t.join();
    }
    int porta() const { return porta_; }
    std::string Base() const { return "http://127.0.0.1:" + std::to_string(porta_); }
    // Whether a reply has begun to stall.
    bool inStallo() const { return stallo_; }
    int richieste() const { return richieste_; }

    static Risposta Testo(int stato, const std::string& corpo, const std::string& extra = {}) {
        return {"HTTP/1.1 " + std::to_string(stato) + " X\r\nContent-Length: " +
                std::to_string(corpo.size()) + "\r\nConnection: close\r\n" + extra + "\r\n" + corpo};
    }

private:
    void Accetta() {
        while (!fine_) {
            const int c = ::accept(fd_, nullptr, nullptr);
            if (c < 0) return;
            std::lock_guard<std::mutex> l(m_);
            connessioni_.emplace_back([this, c] { Servi(c); });
        }
    }
    void Servi(int c) {
        std::string richiesta;
        char buf[4096];
        while (richiesta.find("\r\n\r\n") == std::string::npos && richiesta.size() < 65536) {
            const ssize_t n = ::recv(c, buf, sizeof buf, 0);
            if (n <= 0) break;
            richiesta.append(buf, static_cast<std::size_t>(n));
        }
        ++richieste_;
        const auto a = richiesta.find(' '), b = richiesta.find(' ', a + 1);
        const std::string percorso =
            a == std::string::npos || b == std::string::npos ? "" : richiesta.substr(a + 1, b - a - 1);
        const Risposta r = gestore_(percorso);
        std::size_t inviato = 0;
        while (inviato < r.byte.size()) {
            const ssize_t n = ::send(c, r.byte.data() + inviato, r.byte.size() - inviato, MSG_NOSIGNAL);
            if (n <= 0) break;
            inviato += static_cast<std::size_t>(n);
        }
        if (r.stallo) {
            stallo_ = true;
            while (!fine_) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ::shutdown(c, SHUT_RDWR);
        ::close(c);
    }

    Gestore gestore_;
    int fd_ = -1;
    int porta_ = 0;
    std::atomic<bool> fine_{false};
    std::atomic<bool> stallo_{false};
    std::atomic<int> richieste_{0};
    std::thread accetta_;
    std::mutex m_;
    std::vector<std::thread> connessioni_;
};

// A loopback port nobody listens on.
inline int PortaChiusa() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t n = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &n);
    ::close(fd);
    return ntohs(a.sin_port);
}

} // namespace veltra::test
