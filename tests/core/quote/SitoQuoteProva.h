#pragma once
// Stand-ins for the bookmakers' sites: a generator of the pages of each
// bookmaker, in the layouts its reader parses, from the current teams of the
// shipped championships (a few matches each, across the turn of a year, with
// odds), and a loopback HTTP server that serves them, reads POST bodies, and
// can redirect, refuse (401) or stall a page.
#include "app/DatiGlobali.h"
#include "quote/TabellePubblicate.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace veltra::test {

// One match the site shows, as the reader should find it.
struct IncontroSito {
    int campionato = 0, casa = 0, trasferta = 0;
    std::array<double, 6> quote = {}; // 0 = not shown
    std::string data;                 // the date text the reader should make
};

struct RichiestaRicevuta {
    std::string metodo, percorso, corpo;
};

// A small HTTP/1.0-style server on 127.0.0.1: one request per connection.
class ServerSito {
public:
    struct Risposta {
        Risposta(int s = 200, std::string c = {}, std::string i = {}, bool st = false)
            : stato(s), corpo(std::move(c)), intestazioni(std::move(i)), stallo(st) {}
        int stato = 200;
        std::string corpo;
        std::string intestazioni; // extra lines, each ending in "\r\n"
        bool stallo = false;      // send the headers and part of the body, then stay silent
        int ritardoMs = 0;        // wait this long before answering
    };
    using Gestore = std::function<Risposta(const RichiestaRicevuta&)>;

    explicit ServerSito(Gestore g) : gestore_(std::move(g)) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        int uno = 1;
        ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &uno, sizeof uno);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(fd_, 16) != 0)
            throw std::runtime_error("bind");
        socklen_t n = sizeof a;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &n);
        porta_ = ntohs(a.sin_port);
        accetta_ = std::thread([this] { Accetta(); });
    }
    ~ServerSito() {
        fine_ = true;
        ::shutdown(fd_, SHUT_RDWR);
        ::close(fd_);
        accetta_.join();
        std::lock_guard<std::mutex> l(m_);
        for (auto& t : connessioni_) t.join();
    }
    std::string Base() const { return "http://127.0.0.1:" + std::to_string(porta_); }
    std::vector<RichiestaRicevuta> richieste() const {
        std::lock_guard<std::mutex> l(mr_);
        return richieste_;
    }
    bool inStallo() const { return stallo_; }

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
        std::string dati;
        char buf[4096];
        std::size_t fineIntestazioni = std::string::npos;
        while ((fineIntestazioni = dati.find("\r\n\r\n")) == std::string::npos && dati.size() < 65536) {
            const ssize_t n = ::recv(c, buf, sizeof buf, 0);
            if (n <= 0) break;
            dati.append(buf, static_cast<std::size_t>(n));
        }
        RichiestaRicevuta q;
        if (fineIntestazioni != std::string::npos) {
            const std::string testa = dati.substr(0, fineIntestazioni);
            std::size_t lunghezza = 0;
            for (const char* nome : {"Content-Length: ", "content-length: "})
                if (const auto i = testa.find(nome); i != std::string::npos)
                    lunghezza = std::stoul(testa.substr(i + 16));
            while (dati.size() < fineIntestazioni + 4 + lunghezza) {
                const ssize_t n = ::recv(c, buf, sizeof buf, 0);
                if (n <= 0) break;
                dati.append(buf, static_cast<std::size_t>(n));
            }
            const auto a = testa.find(' '), b = testa.find(' ', a + 1);
            q.metodo = testa.substr(0, a);
            q.percorso = testa.substr(a + 1, b - a - 1);
            q.corpo = dati.substr(fineIntestazioni + 4, lunghezza);
        }
        {
            std::lock_guard<std::mutex> l(mr_);
            richieste_.push_back(q);
        }
        const Risposta r = gestore_(q);
        if (r.ritardoMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(r.ritardoMs));
        std::string byte = "HTTP/1.1 " + std::to_string(r.stato) + " X\r\nContent-Type: text/html\r\n";
        if (!r.stallo) byte += "Content-Length: " + std::to_string(r.corpo.size()) + "\r\n";
        byte += r.intestazioni + "Connection: close\r\n\r\n";
        byte += r.stallo ? r.corpo.substr(0, r.corpo.size() / 2) : r.corpo;
        std::size_t inviato = 0;
        while (inviato < byte.size()) {
            const ssize_t n = ::send(c, byte.data() + inviato, byte.size() - inviato, MSG_NOSIGNAL);
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
    std::thread accetta_;
    std::mutex m_;
    std::vector<std::thread> connessioni_;
    mutable std::mutex mr_;
    std::vector<RichiestaRicevuta> richieste_;
};

// What the generator makes for one bookmaker.
struct SitoGenerato {
    std::map<std::string, std::string> pagine; // GET path -> page
    std::map<int, std::string> moduli;          // SNAI: competition number -> page
    std::vector<IncontroSito> incontri;         // every match shown, in page order per championship
};

struct OpzioniSito {
    int anno = 2026;              // the matches fall on 29.12 .. 02.01 of this year and the next
    int partitePerCampionato = 3; // matches per championship (at most half its teams)
    // The away team of the first match of this championship is spelled in a
    // way the table lacks.
    int campionatoSconosciuto = -1;
    // This championship's page shows its matches without odds.
    int campionatoSenzaQuote = -1;
};

namespace sito {

inline std::string Quota(double v, bool virgola) {
    char b[32];
    std::snprintf(b, sizeof b, "%.2f", v);
    std::string s = b;
    if (virgola)
        for (char& c : s)
            if (c == '.') c = ',';
    return s;
}

// The team's name as a page shows it: the dots of the stored name as blanks.
inline std::string NomePagina(const std::string& nome) {
    std::string s = nome;
    for (char& c : s)
        if (c == '.') c = ' ';
    return s;
}

} // namespace sito

inline SitoGenerato GeneraSito(const DatiCampionati& dati, Bookmaker b, const std::vector<int>& campionati,
                               const OpzioniSito& o = {}) {
    using sito::NomePagina;
    using sito::Quota;
    SitoGenerato s;
    const bool virgola = b == Bookmaker::Betandwin || b == Bookmaker::Betzone;
    const int y = o.anno;
    struct Giorno {
        int g, m, a;
    };
    const Giorno giorni[5] = {{29, 12, y}, {30, 12, y}, {31, 12, y}, {1, 1, y + 1}, {2, 1, y + 1}};
    const char* ore[2] = {"15:30", "20:45"};
    std::string tutte = "<html><head><title>Tutte le quote</title></head><body>\n";
    for (int c : campionati) {
        const auto& nomi = dati.campionato(c).squadreCorrenti().nomi;
        const int partite = std::min<int>(o.partitePerCampionato, static_cast<int>(nomi.size()) / 2);
        std::string righe[2];
        for (int k = 0; k < partite; ++k) {
            IncontroSito m;
            m.campionato = c;
            m.casa = 2 * k;
            m.trasferta = 2 * k + 1;
            const bool senza = c == o.campionatoSenzaQuote;
            m.quote = {1.50 + 0.15 * k, 3.10 + 0.05 * k, 4.25 - 0.20 * k, 1.15 + 0.05 * k, 1.25, 1.60 + 0.10 * k};
            if (senza) m.quote = {};
            if (QuotePerEvento(b) == 3 && b != Bookmaker::Eurobet) m.quote[3] = m.quote[4] = m.quote[5] = 0;
            const Giorno& d = giorni[(c + k) % 5];
            const char* ora = ore[k % 2];
            char data[32];
            std::string casa = NomePagina(nomi[m.casa]), trasferta = NomePagina(nomi[m.trasferta]);
            if (c == o.campionatoSconosciuto && k == 0) {
                trasferta = "Squadra Ignota";
                m.trasferta = -1;
            }
            std::string quote[6];
            for (int q = 0; q < 6; ++q) quote[q] = senza ? "n.d." : Quota(m.quote[q], virgola);
            switch (b) {
            case Bookmaker::Betandwin:
            case Bookmaker::Globet: {
                std::snprintf(data, sizeof data, "%02d.%02d.%04d", d.g, d.m, d.a);
                m.data = std::string(data) + "-" + ora;
                righe[0] += "<tr><td class=\"giorno\">Gio " + std::string(data) + "</td><td>" + ora +
                            "</td><td><a href=\"#\">" + casa + "</a> - <a href=\"#\">" + trasferta + "</a></td>";
                for (const auto& q : quote) righe[0] += "<td>" + q + "</td>";
                righe[0] += "</tr>\n";
                break;
            }
            case Bookmaker::Betzone:
                std::snprintf(data, sizeof data, "%02d/%02d/%04d", d.g, d.m, d.a);
                m.data = std::string(data) + "-" + ora;
                righe[0] += "<tr><td>" + std::string(data) + "&nbsp;" + ora + "</td><td>" + casa +
                            "&nbsp;-&nbsp;" + trasferta + "</td><td>" + quote[0] + "</td><td>" +
                            quote[1] + "</td><td>" + quote[2] + "</td></tr>\n";
                break;
            case Bookmaker::Eurobet:
                std::snprintf(data, sizeof data, "%02d.%02d.%02d", d.g, d.m, d.a % 100);
                {
                    char lunga[32];
                    std::snprintf(lunga, sizeof lunga, "%02d.%02d.%04d", d.g, d.m, d.a);
                    m.data = std::string(lunga) + "-" + ora;
                }
                for (int p = 0; p < 2; ++p)
                    righe[p] += "<p>" + std::string(data) + " " + ora + " <b>" + casa + " - " + trasferta +
                                "</b> " + quote[3 * p] + " " + quote[3 * p + 1] + " " + quote[3 * p + 2] +
                                "</p>\n";
                break;
            case Bookmaker::Snai:
                std::snprintf(data, sizeof data, "%02d/%02d", d.g, d.m);
                {
                    char lunga[32];
                    std::snprintf(lunga, sizeof lunga, "(%02d/%02d/%04d-%s", d.g, d.m, d.a, ora);
                    m.data = lunga;
                    if (k == 0) m.data += ".(Min.Tripla)";
                }
                righe[0] += "<div class=\"ev\">data: " + std::string(data) + " " + ora + ")<br>" + casa +
                            " - " + trasferta + "<br>" + quote[0] + " " + quote[1] + " " + quote[2] +
                            " minima: " + (k == 0 ? "3" : "1") + "</div>\n";
                break;
            }
            s.incontri.push_back(m);
        }
        const std::string codice(Campionato(c).codice);
        const std::string testa = "<html><head><title>Quote calcio</title></head><body><h1>" +
                                  std::string(Campionato(c).nome) + "</h1>\n";
        switch (b) {
        case Bookmaker::Betandwin:
            s.pagine["/W/" + codice + ".htm"] = testa + "<table>\n" + righe[0] + "</table></body></html>\n";
            break;
        case Bookmaker::Globet:
            s.pagine["/G/" + codice + ".htm"] = testa + "<table>\n" + righe[0] + "</table></body></html>\n";
            break;
        case Bookmaker::Betzone:
            tutte += "<h2>" + std::string(Campionato(c).nome) + "</h2><table>\n" + righe[0] + "</table>\n";
            break;
        case Bookmaker::Eurobet:
            s.pagine["/E/" + codice + "-1-X-2.htm"] = testa + righe[0] + "</body></html>\n";
            s.pagine["/E/" + codice + "-1X-12-X2.htm"] = testa + righe[1] + "</body></html>\n";
            break;
        case Bookmaker::Snai:
            s.moduli[kBaseManifestazioni + c] = testa + righe[0] + "</body></html>\n";
            break;
        }
    }
    if (b == Bookmaker::Betzone) s.pagine["/B/tutte.htm"] = tutte + "</body></html>\n";
    return s;
}

} // namespace veltra::test
