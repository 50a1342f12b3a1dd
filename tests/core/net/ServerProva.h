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
    explicit ProcessoServizio(const std::filesystem::path& cartella) {
        int tubo[2];
        if (::pipe(tubo) != 0) throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL); // never outlives the tests
            ::dup2(tubo[1], 1);
            const int nulla = ::open("/dev/null", O_WRONLY);
            ::dup2(nulla, 2);
            ::close(tubo[0]);
            ::execl(VELTRA_SERVIZIO_PATH, VELTRA_SERVIZIO_PATH, "--cartella", cartella.c_str(),
                    "--porta", "0", "--indirizzo", "127.0.0.1", static_cast<char*>(nullptr));
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
    std::string Base() const { return "http://127.0.0.1:" + std::to_string(porta_); }

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
