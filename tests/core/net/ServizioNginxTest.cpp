// The published folder is plain files: a standard web server (nginx, started
// here on loopback with a configuration of its own, as the current user)
// serves the update and the proposed analyses, and hands the posts of
// analyses to veltra-servizio; the program updates and exchanges through it.
#include "EseguiCli.h"
#include "ServerProva.h"

#include "app/Avvio.h"
#include "app/CartellaDiLavoro.h"
#include "app/DatiGlobali.h"
#include "app/Salvataggio.h"
#include "platform/Messaggi.h"

#include <gtest/gtest.h>

namespace veltra::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kNginx = "/usr/sbin/nginx";

// nginx in the foreground, one process, everything under `cartella`.
class ProcessoNginx {
public:
    ProcessoNginx(const fs::path& cartella, const fs::path& radice, int porta, int portaServizio)
        : porta_(porta) {
        fs::create_directories(cartella / "tmp");
        const std::string c = cartella.string();
        ScriviTesto(cartella / "nginx.conf",
                    "daemon off;\nmaster_process off;\nworker_processes 1;\npid " + c +
                        "/nginx.pid;\nerror_log " + c + "/errori.log;\n"
                        "events { worker_connections 64; }\n"
                        "http {\n"
                        "  types { text/plain txt; }\n"
                        "  default_type application/octet-stream;\n"
                        "  access_log off;\n"
                        "  client_body_temp_path " + c + "/tmp/corpo;\n"
                        "  proxy_temp_path " + c + "/tmp/proxy;\n"
                        "  fastcgi_temp_path " + c + "/tmp/fastcgi;\n"
                        "  uwsgi_temp_path " + c + "/tmp/uwsgi;\n"
                        "  scgi_temp_path " + c + "/tmp/scgi;\n"
                        "  server {\n"
                        "    listen 127.0.0.1:" + std::to_string(porta) + ";\n"
                        "    root " + radice.string() + ";\n"
                        "    location = /cgi-bin/AnalisiInvio7040.pl {\n"
                        "      client_max_body_size 512k;\n"
                        "      proxy_pass http://127.0.0.1:" + std::to_string(portaServizio) + ";\n"
                        "    }\n"
                        "  }\n"
                        "}\n");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            const int nulla = ::open("/dev/null", O_WRONLY);
            ::dup2(nulla, 1);
            ::dup2(nulla, 2);
            ::execl(kNginx, kNginx, "-p", c.c_str(), "-c", (cartella / "nginx.conf").c_str(), "-e",
                    (cartella / "errori.log").c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }
    ~ProcessoNginx() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    // Whether it listens (it may take a moment).
    bool Pronto() const {
        for (int i = 0; i < 100; ++i) {
            const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in a{};
            a.sin_family = AF_INET;
            a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            a.sin_port = htons(static_cast<std::uint16_t>(porta_));
            const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
            ::close(fd);
            if (ok) return true;
            if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = -1;
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

private:
    int porta_;
    mutable pid_t pid_ = -1;
};

TEST(ServizioNginx, UnServerWebQualunqueServeIDatiEPassaGliInvii) {
    if (!fs::exists(kNginx)) GTEST_SKIP() << "nginx non installato (./dev lo installa): prova saltata";
    CartellaTemporanea tmp;
    const fs::path club = tmp / "club", mia = tmp / "mia", servizio = tmp / "servizio";
    for (const fs::path& c : {club, mia})
        ASSERT_TRUE(PreparaCartellaDiLavoro(c, fs::path(VELTRA_RESOURCES_DIR) / "dati"));
    {
        // The club has a result the user has not got yet.
        auto dati = std::make_unique<DatiGlobali>();
        MessaggiSilenziosi m;
        ASSERT_TRUE(CaricaAvvio(*dati, club, m));
        ASSERT_EQ(AggiungiIncontro(dati->campionato(0), 0, 1, 'X'), 0);
        ASSERT_TRUE(SalvaDati(*dati, club, m));
    }
    ASSERT_EQ(std::system((std::string(VELTRA_SERVIZIO_PATH) + " pubblica --da " + club.string() +
                           " --cartella " + servizio.string() + " >/dev/null 2>&1")
                              .c_str()),
              0);
    ProcessoServizio scambio(servizio); // the exchange alone
    const int porta = PortaChiusa();
    ProcessoNginx web(tmp / "nginx", servizio, porta, scambio.porta());
    ASSERT_TRUE(web.Pronto()) << LeggiTesto(tmp / "nginx" / "errori.log");
    const std::string base = "http://127.0.0.1:" + std::to_string(porta);

    const Uscita aggiorna =
        EseguiCli("aggiorna --cartella " + mia.string() + " --indirizzo " + base + "/aggiornamenti/");
    ASSERT_EQ(aggiorna.codice, 0) << aggiorna.testo << aggiorna.errori;
    for (int c = 0; c < kNumeroCampionati; ++c)
        EXPECT_EQ(LeggiTesto(mia / std::string(Campionato(c).fileIncontri)),
                  LeggiTesto(club / std::string(Campionato(c).fileIncontri)))
            << Campionato(c).nome;

    // The exchange through the web server: the post reaches veltra-servizio,
    // the proposed analysis comes from the files.
    const Uscita scambia = EseguiCli("scambia-analisi --cartella " + mia.string() + " --indirizzo " +
                                     base + " --ricevi A --archivio no");
    ASSERT_EQ(scambia.codice, 0) << scambia.testo << scambia.errori;
    const auto righe = Righe(scambia.testo);
    ASSERT_EQ(righe.size(), 3u) << scambia.testo;
    EXPECT_EQ(righe[0], "risposta=Analisi_ricevute:_0");
    EXPECT_EQ(righe[1].rfind("campionato=0 esito=ricevuta titolo=VELTRA_", 0), 0u) << righe[1];
}

} // namespace
} // namespace veltra::test
