// veltra-servizio as seen from the network: requests of every shape get a
// status and a text, slow or silent clients are dropped and never stop the
// others, and a stop ends it at once.
#include "ServerProva.h"
#include "Supporto.h"

#include "net/AnalisiRete.h"
#include "net/HttpCurl.h"
#include "net/Internet.h"
#include "net/servizio/Servizio.h"

#include <gtest/gtest.h>

#include <poll.h>

namespace veltra::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

int Connetti(int porta) {
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

bool Invia(int fd, const std::string& t) {
    std::size_t n = 0;
    while (n < t.size()) {
        const ssize_t k = ::send(fd, t.data() + n, t.size() - n, MSG_NOSIGNAL);
        if (k <= 0) return false;
        n += static_cast<std::size_t>(k);
    }
    return true;
}

// One response: its status line, headers and body (by Content-Length);
// empty when the connection ended first or nothing came within `limite`.
std::string LeggiRisposta(int fd, std::chrono::milliseconds limite = 10s) {
    std::string t;
    const auto fine = std::chrono::steady_clock::now() + limite;
    std::size_t atteso = std::string::npos;
    while (t.size() < atteso) {
        const auto resto = std::chrono::duration_cast<std::chrono::milliseconds>(fine - std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        if (resto.count() <= 0 || ::poll(&p, 1, static_cast<int>(resto.count())) <= 0) return {};
        char buf[65536];
        const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
        if (n <= 0) return atteso == std::string::npos ? std::string{} : t;
        t.append(buf, static_cast<std::size_t>(n));
        const auto h = t.find("\r\n\r\n");
        if (atteso == std::string::npos && h != std::string::npos) {
            const auto cl = t.find("Content-Length: ");
            atteso = h + 4 + (cl != std::string::npos && cl < h ? std::stoul(t.substr(cl + 16)) : 0);
        }
    }
    return t;
}

// Whether the server closed the connection within `limite`.
bool ChiusaEntro(int fd, std::chrono::milliseconds limite) {
    const auto fine = std::chrono::steady_clock::now() + limite;
    while (std::chrono::steady_clock::now() < fine) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) > 0) {
            char c;
            const ssize_t n = ::recv(fd, &c, 1, MSG_DONTWAIT);
            if (n == 0 || (n < 0 && errno != EAGAIN)) return true;
        }
    }
    return false;
}

std::string Stato(const std::string& risposta) { return risposta.substr(0, risposta.find("\r\n")); }
std::string Corpo(const std::string& risposta) {
    const auto h = risposta.find("\r\n\r\n");
    return h == std::string::npos ? "" : risposta.substr(h + 4);
}

struct ServizioProva {
    CartellaTemporanea tmp;
    std::unique_ptr<ProcessoServizio> server;
    explicit ServizioProva(const std::vector<std::string>& opzioni = {}) {
        fs::create_directories(tmp / "aggiornamenti");
        ScriviTesto(tmp / "aggiornamenti" / "lastagg.txt", "11/12/2026\n");
        server = std::make_unique<ProcessoServizio>(tmp.percorso(), opzioni);
    }
};

TEST(ServizioHttp, OgniRichiestaHaUnoStatoEUnTesto) {
    ServizioProva s;
    AnalisiCampionato a{5, CAnalisi{}};
    // About 60 KB of analyses: a form body well over 8 KB, within 512 KB.
    const std::string grande = CorpoInvio(std::vector<AnalisiCampionato>(100, a), "Club");
    ASSERT_GT(grande.size(), 40000u);
    auto post = [](const std::string& corpo, const std::string& extra = {}) {
        return "POST /cgi-bin/AnalisiInvio7040.pl HTTP/1.1\r\nHost: x\r\nContent-Type: "
               "application/x-www-form-urlencoded\r\nContent-Length: " +
               std::to_string(corpo.size()) + "\r\n" + extra + "\r\n" + corpo;
    };
    struct Caso {
        const char* nome;
        std::string richiesta;
        const char* stato;
        const char* corpo; // its beginning
        const char* intestazione;
    };
    const std::vector<Caso> casi = {
        {"GET", "GET /aggiornamenti/lastagg.txt HTTP/1.1\r\nHost: x\r\n\r\n", "HTTP/1.1 200 OK", "11/12/2026\n", ""},
        {"PUT", "PUT /aggiornamenti/lastagg.txt HTTP/1.1\r\nHost: x\r\nContent-Length: 3\r\n\r\nabc",
         "HTTP/1.1 405 Method Not Allowed", "Richiesta non ammessa\n", "Allow: GET, HEAD\r\n"},
        {"DELETE", "DELETE /aggiornamenti/lastagg.txt HTTP/1.1\r\nHost: x\r\n\r\n",
         "HTTP/1.1 405 Method Not Allowed", "Richiesta non ammessa\n", "Allow: GET, HEAD\r\n"},
        {"GET dell'invio", "GET /cgi-bin/AnalisiInvio7040.pl HTTP/1.1\r\nHost: x\r\n\r\n",
         "HTTP/1.1 404 Not Found", "File non trovato\n", ""},
        {"modulo oltre 8 KB", post(grande), "HTTP/1.1 200 OK", "Analisi ricevute: 100\n", ""},
        {"oltre 512 KB", post(std::string(kMaxCorpoInvio + 10, 'a')), "HTTP/1.1 413 Payload Too Large",
         "Analisi non accettate: invio troppo grande (al massimo 512 KB)\n", ""},
        {"Content-Length e chunked",
         "POST /cgi-bin/AnalisiInvio7040.pl HTTP/1.1\r\nHost: x\r\nContent-Length: 5\r\nTransfer-Encoding: "
         "chunked\r\n\r\n0\r\n\r\n",
         "HTTP/1.1 400 Bad Request", "Richiesta non valida: lunghezza del corpo indicata in due modi\n", ""},
        {"due Content-Length diversi", post("ai=0&aut=", "Content-Length: 4\r\n"), "HTTP/1.1 400 Bad Request",
         "Richiesta non valida", ""},
        {"intestazioni enormi",
         "GET /aggiornamenti/lastagg.txt HTTP/1.1\r\nX-Lunga: " + std::string(20000, 'x') + "\r\n\r\n",
         "HTTP/1.1 431 Request Header Fields Too Large", "Intestazioni troppo grandi", ""},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const int fd = Connetti(s.server->porta());
        ASSERT_GE(fd, 0);
        Invia(fd, c.richiesta);
        const std::string r = LeggiRisposta(fd);
        ::close(fd);
        EXPECT_EQ(Stato(r), c.stato) << r.substr(0, 300);
        EXPECT_EQ(Corpo(r).rfind(c.corpo, 0), 0u) << r.substr(0, 300);
        EXPECT_NE(r.find(c.intestazione), std::string::npos) << r.substr(0, 300);
    }
}

TEST(ServizioHttp, UnClienteCheAttendeIlPermessoDiInviareIlCorpo) {
    // "Expect: 100-continue": the body is sent only after the interim reply.
    ServizioProva s;
    const std::string corpo = CorpoInvio({}, "Club");
    const int fd = Connetti(s.server->porta());
    ASSERT_GE(fd, 0);
    Invia(fd, "POST /cgi-bin/AnalisiInvio7040.pl HTTP/1.1\r\nHost: x\r\nExpect: 100-continue\r\n"
              "Content-Length: " + std::to_string(corpo.size()) + "\r\n\r\n");
    char buf[64] = {};
    pollfd p{fd, POLLIN, 0};
    ASSERT_GT(::poll(&p, 1, 5000), 0);
    const ssize_t n = ::recv(fd, buf, sizeof buf - 1, 0);
    EXPECT_EQ(std::string(buf, n > 0 ? static_cast<std::size_t>(n) : 0), "HTTP/1.1 100 Continue\r\n\r\n");
    Invia(fd, corpo);
    const std::string r = LeggiRisposta(fd);
    ::close(fd);
    EXPECT_EQ(Stato(r), "HTTP/1.1 200 OK");
    EXPECT_EQ(Corpo(r), "Analisi ricevute: 0\n");
}

TEST(ServizioHttp, IClientiLentiVengonoChiusi) {
    ServizioProva s({"--tempo-richiesta", "3", "--tempo-inattivita", "1"});
    const int porta = s.server->porta();
    struct Caso {
        const char* nome;
        std::string inizio;  // sent at once
        std::string goccia;  // then a byte of it every 2 s
    };
    const std::vector<Caso> casi = {
        {"muto", "", ""},
        {"intestazioni a goccia", "", "GET /aggiornamenti/lastagg.txt HTTP/1.1\r\nHost: x\r\n\r\n"},
        {"corpo a goccia",
         "POST /cgi-bin/AnalisiInvio7040.pl HTTP/1.1\r\nHost: x\r\nContent-Length: 40\r\n\r\n",
         std::string(40, 'a')},
        {"in attesa dopo una risposta", "GET /aggiornamenti/lastagg.txt HTTP/1.1\r\nHost: x\r\n\r\n", ""},
    };
    std::vector<std::thread> thread;
    std::vector<int> esiti(casi.size(), -1); // 1: closed in time without a reply to the slow part
    for (std::size_t k = 0; k < casi.size(); ++k)
        thread.emplace_back([&, k] {
            const Caso& c = casi[k];
            const int fd = Connetti(porta);
            if (fd < 0) return;
            Invia(fd, c.inizio);
            if (!c.inizio.empty() && c.goccia.empty() && Stato(LeggiRisposta(fd)) != "HTTP/1.1 200 OK") {
                esiti[k] = 0;
                ::close(fd);
                return;
            }
            const auto inizio = std::chrono::steady_clock::now();
            bool chiusa = false;
            for (std::size_t i = 0; !chiusa && std::chrono::steady_clock::now() - inizio < 20s; ++i) {
                if (i < c.goccia.size()) Invia(fd, c.goccia.substr(i, 1));
                chiusa = ChiusaEntro(fd, 2s);
            }
            esiti[k] = chiusa ? 1 : 0;
            ::close(fd);
        });
    for (auto& t : thread) t.join();
    for (std::size_t k = 0; k < casi.size(); ++k) EXPECT_EQ(esiti[k], 1) << casi[k].nome;
}

TEST(ServizioHttp, MoltiClientiLentiNonFermanoGliAltri) {
    // Far more slow clients than workers; the service must still answer.
    ServizioProva s({"--connessioni", "4"});
    std::vector<int> lenti;
    for (int k = 0; k < 40; ++k) {
        const int fd = Connetti(s.server->porta());
        ASSERT_GE(fd, 0);
        Invia(fd, "GET /aggiorn");
        lenti.push_back(fd);
    }
    std::atomic<bool> fine{false};
    std::thread goccia([&] {
        for (int i = 0; !fine; ++i) {
            for (int fd : lenti) Invia(fd, "a");
            std::this_thread::sleep_for(500ms);
        }
    });
    HttpCurl http;
    OpzioniSessione o;
    o.secondiConnessione = 5;
    o.secondiStallo = 5;
    for (int k = 0; k < 5; ++k) {
        auto sessione = http.ApriSessione(o);
        RichiestaHttp q;
        q.indirizzo = s.server->Base() + "/aggiornamenti/lastagg.txt";
        const RispostaHttp r = sessione->Esegui(q);
        EXPECT_EQ(r.stato, 200) << DescriviErrore(r);
        EXPECT_EQ(r.corpo, "11/12/2026\n");
    }
    // And a stop ends it at once, slow clients or not.
    EXPECT_EQ(s.server->FermaCon(SIGTERM, 5s), 0);
    fine = true;
    goccia.join();
    for (int fd : lenti) ::close(fd);
}

} // namespace
} // namespace veltra::test
