// The update of the current season from a public source: the merge of a
// Football.TXT season into the stored one (new results, goals and dates,
// fixtures, and every refusal), the table of sources, and veltra-cli
// aggiorna --fonte against real staged files served on loopback.
#include "Supporto.h"

#include "app/importa/AggiornaDaFonte.h"
#include "app/importa/FontiAggiornamento.h"
#include "app/Avvio.h"
#include "app/CartellaDiLavoro.h"
#include "app/Salvataggio.h"
#include "app/importa/ImportaRisultati.h"
#include "app/importa/NomeDaFonte.h"
#include "dati/FileAtomico.h"
#include "platform/Messaggi.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <mutex>
#include <httplib.h>
#include <sys/wait.h>
#include <thread>

namespace veltra::test {
namespace {

namespace fs = std::filesystem;

// What the folder holds of a match of the current season.
struct Memorizzata {
    int casa, trasferta;
    char segno;
    DataNumerica data;
    int golCasa, golTrasferta; // -1: not known
};

// Serie A with empty seasons up to 2025-26 and a 2026-27 of four clubs
// (indices in name order: 0 Alfa, 1 Beta, 2 Delta, 3 Gamma).
std::unique_ptr<CCampionato> SerieA2026(const std::vector<Memorizzata>& giocate) {
    auto c = std::make_unique<CCampionato>(0);
    for (int anno = Campionato(0).annoPrimaStagione; anno < 2026; ++anno) AggiungiStagione(*c, {});
    AggiungiStagione(*c, {"Alfa", "Beta", "Delta", "Gamma"});
    for (const auto& g : giocate) {
        EXPECT_EQ(AggiungiIncontro(*c, g.casa, g.trasferta, g.segno), 0);
        c->reti.Imposta(c->numeroIncontri() - 1,
                        {g.data, static_cast<std::int16_t>(g.golCasa), static_cast<std::int16_t>(g.golTrasferta)});
    }
    return c;
}

std::string Fonte(const std::string& corpo) {
    return "= Italian Serie A 2026/27\n\n# Date       Sat Aug 22 2026 - Sun May 30 2027\n\n" + corpo;
}

const std::string kGiornata1 = "▪ Matchday 1\n  Sat Aug 22 2026\n"
                               "    18:30  Alfa  v Beta   1-1 (1-0)\n"
                               "           Gamma v Delta  2-0 (0-0)\n";
const std::string kGiornata2 = "▪ Matchday 2\n  Sat Aug 29\n"
                               "    18:30  Beta  v Gamma  0-3 (0-1)\n"
                               "           Delta v Alfa   1-2 (1-1)\n";
const std::string kGiornata2DaGiocare = "▪ Matchday 2\n  Sat Aug 29\n"
                                        "    18:30  Beta  v Gamma\n"
                                        "           Delta v Alfa   [postponed]\n";
const Memorizzata kAlfaBeta{0, 1, 'X', 20260822, 1, 1};
const Memorizzata kGammaDelta{3, 2, '1', 20260822, 2, 0};

const std::string kGiornata2Spostata = "▪ Matchday 2\n  Sat Aug 29\n"
                                      "    18:30  Delta v Alfa\n"
                                      "  Sun Aug 30\n"
                                      "    18:30  Beta  v Gamma\n";
const std::string kCalendario = Fonte(kGiornata1 + "▪ Matchday 2\n  Sat Aug 29\n"
                                                   "    18:30  Beta  v Gamma\n"
                                                   "    18:30  Delta v Alfa\n");

TEST(AggiornaDaFonte, UnioneDellaStagioneCorrente) {
    struct Caso {
        const char* nome;
        std::vector<Memorizzata> cartella;
        bool conCalendario; // the folder has the fixtures of the second matchday
        std::string fonte;
        int nuovi, aggiornati, calendario, scartate, assenti;
        const char* errore; // part of the refusal; nullptr when merged
    };
    const std::vector<Caso> casi = {
        {"nuovi risultati", {kAlfaBeta, kGammaDelta}, true, Fonte(kGiornata1 + kGiornata2), 2, 0, 2, 0, 0, nullptr},
        {"nuovi risultati, fonte senza calendario", {kAlfaBeta, kGammaDelta}, false, Fonte(kGiornata1 + kGiornata2),
         2, 0, 0, 0, 0, nullptr},
        {"stagione appena iniziata", {}, false, Fonte(kGiornata1 + kGiornata2DaGiocare), 2, 0, 1, 0, 0, nullptr},
        {"gia' tutto presente", {kAlfaBeta, kGammaDelta}, true, kCalendario, 0, 0, 0, 0, 0, nullptr},
        {"reti e date che la cartella non sa", {{0, 1, 'X', 0, -1, -1}, {3, 2, '1', 20260822, -1, -1}}, false,
         Fonte(kGiornata1), 0, 2, 0, 0, 0, nullptr},
        {"data cambiata", {{0, 1, 'X', 20260823, 1, 1}, kGammaDelta}, false, Fonte(kGiornata1), 0, 1, 0, 0, 0,
         nullptr},
        {"partita spostata in calendario", {kAlfaBeta, kGammaDelta}, true, Fonte(kGiornata1 + kGiornata2Spostata),
         0, 0, 1, 0, 0, nullptr},
        {"fonte tagliata: il calendario resta", {kAlfaBeta, kGammaDelta}, true,
         Fonte(kGiornata1 + "▪ Matchday 2\n  Sat Aug 29\n    18:30  Beta  v Gamma\n"), 0, 0, 0, 0, 0, nullptr},
        {"partita rinviata", {kAlfaBeta, kGammaDelta}, true, Fonte(kGiornata1 + kGiornata2DaGiocare), 0, 0, 1, 0,
         0, nullptr},
        {"fonte piu' vecchia della cartella", {kAlfaBeta, kGammaDelta, {1, 3, '2', 20260829, 0, 3}}, false,
         Fonte(kGiornata1), 0, 0, 0, 0, 1, nullptr},
        {"risultato diverso", {{0, 1, '1', 20260822, 2, 1}, kGammaDelta}, false, Fonte(kGiornata1), 0, 0, 0, 0, 0,
         "contraddice 1 risultati"},
        {"stesso segno, altro punteggio", {kAlfaBeta, {3, 2, '1', 20260822, 3, 0}}, false, Fonte(kGiornata1), 0, 0,
         0, 0, 0, "3-0 nella cartella, 2-0 nella fonte"},
        {"altre squadre", {}, false, Fonte(kGiornata1 + "           Omega v Beta  1-0\n"), 0, 0, 0, 0, 0,
         "squadre che la stagione non ha: Omega"},
        {"calendario senza una squadra", {}, false,
         Fonte("▪ Matchday 1\n  Sat Aug 22 2026\n    18:30  Alfa  v Beta\n           Alfa v Gamma\n"), 0, 0, 0,
         0, 0, "squadre della stagione assenti nella fonte: Delta"},
        {"stagione passata", {}, false,
         "= Italian Serie A 2024/25\n\n# Date       Sat Aug 24 2024 - Sun May 25 2025\n\n"
         "▪ Matchday 1\n  Sat Aug 24 2024\n    18:30  Alfa  v Beta   1-1 (1-0)\n",
         0, 0, 0, 0, 0,
         "non ha la stagione corrente di Serie A (iniziata nel 2026)"},
        {"fonte illeggibile", {}, false, "<html>Not Found</html>\n", 0, 0, 0, 0, 0, "formato non riconosciuto"},
    };
    const TabellaAlias alias;
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        const auto camp = SerieA2026(caso.cartella);
        if (caso.conCalendario) {
            camp->calendario = UnisciTestoFonte(*SerieA2026({}), kCalendario, "calendario.txt", {}).calendarioNuovo;
            ASSERT_EQ(camp->calendario.partite.size(), 2u);
        }
        const ElencoIncontri prima = camp->incontri;
        const UnioneFonte u = UnisciTestoFonte(*camp, caso.fonte, "prova.txt", alias);
        EXPECT_EQ(camp->incontri, prima); // the championship itself never changes
        if (caso.errore) {
            EXPECT_NE(u.errore.find(caso.errore), std::string::npos) << u.errore;
            continue;
        }
        ASSERT_TRUE(u.ok()) << u.errore;
        EXPECT_EQ(u.nuovi, caso.nuovi);
        EXPECT_EQ(u.aggiornati, caso.aggiornati);
        EXPECT_EQ(u.scartate, caso.scartate);
        EXPECT_EQ(u.assenti, caso.assenti);
        EXPECT_EQ(u.calendario, caso.calendario);
        // Stored entries keep their place and result; new ones follow.
        ASSERT_EQ(u.incontri.numero(), prima.numero() + caso.nuovi);
        for (int i = 0; i < prima.numero(); ++i) EXPECT_EQ(u.incontri[i], prima[i]);
        // Every played match of the source has its goals and date.
        const int inizio = u.incontri.inizioStagione(u.incontri.numeroSeparatori() - 1) + 1;
        for (int i = inizio; i < u.incontri.numero(); ++i) {
            EXPECT_TRUE(u.reti.Di(i).conPunteggio()) << i;
            EXPECT_NE(u.reti.Di(i).data, 0) << i;
            EXPECT_EQ(SegnoDaReti(u.reti.Di(i).golCasa, u.reti.Di(i).golTrasferta), u.incontri[i].risultato);
        }
    }
}

TEST(AggiornaDaFonte, NuoviRisultatiConRetiEDate) {
    const auto camp = SerieA2026({kAlfaBeta, kGammaDelta});
    const UnioneFonte u = UnisciTestoFonte(*camp, Fonte(kGiornata1 + kGiornata2), "prova.txt", {});
    ASSERT_TRUE(u.ok()) << u.errore;
    const int n = u.incontri.numero();
    EXPECT_EQ(u.incontri[n - 2], (Incontro{1, 3, '2'}));
    EXPECT_EQ(u.reti.Di(n - 2), (RetiIncontro{20260829, 0, 3}));
    EXPECT_EQ(u.incontri[n - 1], (Incontro{2, 0, '2'}));
    EXPECT_EQ(u.reti.Di(n - 1), (RetiIncontro{20260829, 1, 2}));
    EXPECT_EQ(u.Rapporto(), "nuovi=2 aggiornati=0 calendario=0 scartate=0");

    // The fixture still to play stays in the calendar; the postponed one
    // leaves it until it has a date again.
    const UnioneFonte rinvio = UnisciTestoFonte(*camp, Fonte(kGiornata1 + kGiornata2DaGiocare), "prova.txt", {});
    ASSERT_EQ(rinvio.calendarioNuovo.partite.size(), 1u);
    EXPECT_EQ(rinvio.calendarioNuovo.partite[0], (PartitaCalendario{2, 20260829, 18 * 60 + 30, "Beta", "Gamma"}));
    EXPECT_EQ(rinvio.calendarioNuovo.stagione, camp->config.numeroStagioni());
}

TEST(AggiornaDaFonte, LaStagioneSuccessivaSiAggiunge) {
    const auto camp = SerieA2026({kAlfaBeta, kGammaDelta});
    const std::string fonte = "= Italian Serie A 2027/28\n\n# Date       Sat Aug 21 2027 - Sun May 28 2028\n\n"
                              "▪ Matchday 1\n  Sat Aug 21 2027\n"
                              "    18:30  Alfa v Omega  2-0 (1-0)\n"
                              "           Beta v Gamma\n";
    const UnioneFonte u = UnisciTestoFonte(*camp, fonte, "prova.txt", {});
    ASSERT_TRUE(u.ok()) << u.errore;
    EXPECT_TRUE(u.nuovaStagione);
    EXPECT_EQ(u.Rapporto(), "nuovi=1 aggiornati=0 calendario=1 scartate=0");
    ASSERT_EQ(u.stagioni.size(), camp->config.stagioni.size() + 1);
    EXPECT_EQ(u.stagioni.back().nomi, (std::vector<std::string>{"Alfa", "Beta", "Gamma", "Omega"}));
    EXPECT_EQ(u.incontri.numero(), camp->numeroIncontri() + 2); // its separator and the match
    EXPECT_EQ(u.reti.Di(u.incontri.numero() - 1), (RetiIncontro{20270821, 2, 0}));
}

TEST(AggiornaDaFonte, TabellaDelleFonti) {
    // The shipped table reads, and names the current season's file of Serie A.
    CartellaTemporanea tmp;
    CaricamentoFonti t = CaricaFonti(tmp.percorso());
    ASSERT_EQ(t.errore, "");
    ASSERT_TRUE(t.fonti.Cerca(0));
    EXPECT_NE(t.fonti.Cerca(0)->find("2026-27/1-seriea.txt"), std::string::npos);
    // The user's line takes the place of the shipped one, the others stay.
    ASSERT_TRUE(MemorizzaFonte(tmp.percorso(), 0, "/dati/seriea.txt"));
    t = CaricaFonti(tmp.percorso());
    EXPECT_EQ(t.fonti.Cerca(0), "/dati/seriea.txt");
    EXPECT_NE(t.fonti.Cerca(9)->find("premierleague"), std::string::npos);
    // A damaged user's table is said and left as it is.
    ScriviTesto(tmp / kFileFontiUtente, "A\thttp://x/a.txt\nZZ\thttp://x/z.txt\n");
    t = CaricaFonti(tmp.percorso());
    EXPECT_NE(t.errore.find("riga 2: campionato sconosciuto: ZZ"), std::string::npos) << t.errore;
    EXPECT_NE(t.fonti.Cerca(0)->find("raw.githubusercontent.com"), std::string::npos);
    EXPECT_FALSE(MemorizzaFonte(tmp.percorso(), 0, "/altro.txt"));
    EXPECT_EQ(LeggiTesto(tmp / kFileFontiUtente), "A\thttp://x/a.txt\nZZ\thttp://x/z.txt\n");
}

struct Uscita {
    int codice = -1;
    std::string testo;
};

Uscita Esegui(const std::string& argomenti) {
    Uscita u;
    FILE* p = ::popen((std::string(VELTRA_CLI_PATH) + " " + argomenti + " 2>&1").c_str(), "r");
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) u.testo.append(buf.data(), n);
    const int stato = ::pclose(p);
    u.codice = WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
    return u;
}

std::map<std::string, std::string> Istantanea(const fs::path& cartella) {
    std::map<std::string, std::string> r;
    for (const auto& f : fs::directory_iterator(cartella))
        if (f.path().filename() != "VELTRA.LCK") r[f.path().filename()] = LeggiTesto(f.path());
    return r;
}

// A web server on loopback serving what `file` holds at the moment of each request.
class ServerFonti {
public:
    ServerFonti() {
        server_.Get(R"(/(.*))", [this](const httplib::Request& q, httplib::Response& r) {
            std::lock_guard<std::mutex> l(m_);
            const auto it = file_.find(q.matches[1].str());
            if (it == file_.end()) {
                r.status = 404;
                r.set_content("Not Found", "text/plain");
            } else
                r.set_content(it->second, "text/plain; charset=utf-8");
        });
        porta_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ~ServerFonti() {
        server_.stop();
        thread_.join();
    }
    void Metti(const std::string& nome, std::string testo) {
        std::lock_guard<std::mutex> l(m_);
        file_[nome] = std::move(testo);
    }
    std::string Indirizzo(const std::string& nome) const {
        return "http://127.0.0.1:" + std::to_string(porta_) + "/" + nome;
    }

private:
    httplib::Server server_;
    int porta_ = 0;
    std::thread thread_;
    std::mutex m_;
    std::map<std::string, std::string> file_;
};

TEST(AggiornaDaFonte, DaUnIndirizzoSuLoopback) {
    const fs::path fonti =
        fs::path(VELTRA_RESOURCES_DIR).parent_path() / "tests" / "core" / "app" / "importa" / "fonti";
    const std::string giornata1 = LeggiTesto(fonti / "seriea-2026-27-giornata1.txt");
    const std::string giornata2 = LeggiTesto(fonti / "seriea-2026-27-giornata2.txt");
    ASSERT_FALSE(giornata1.empty());
    CartellaTemporanea tmp;
    const fs::path cartella = tmp / "dati";
    // A folder whose Serie A is the 2026-27 file of a week ago (first
    // matchday played), whatever the shipped data hold.
    ASSERT_TRUE(PreparaCartellaDiLavoro(cartella, fs::path(VELTRA_RESOURCES_DIR) / "dati"));
    {
        auto dati = std::make_unique<DatiGlobali>();
        MessaggiSilenziosi m;
        ASSERT_TRUE(CaricaAvvio(*dati, cartella, m));
        CCampionato& a = dati->campionato(0);
        a.config.stagioni.clear();
        a.incontri.Svuota();
        a.reti.Svuota();
        a.calendario.Svuota();
        TabellaAlias alias;
        ASSERT_FALSE(CaricaAliasPredefiniti(alias));
        ASSERT_TRUE(ImportaRisultati(a, {LeggiFileRisultati(giornata1, "giornata1.txt")}, alias).ok());
        ASSERT_TRUE(SalvaDati(*dati, cartella, m));
    }

    ServerFonti server;
    server.Metti("1-seriea.txt", giornata2);
    const std::string comando = "aggiorna --cartella " + cartella.string() + " --campionato A --fonte ";
    const Uscita u = Esegui(comando + server.Indirizzo("1-seriea.txt"));
    ASSERT_EQ(u.codice, 0) << u.testo;
    EXPECT_NE(u.testo.find("\nnuovi=10 aggiornati=0 calendario=10 scartate=0\n"), std::string::npos) << u.testo;
    // The second matchday is stored with its goals and dates: Milan 2-0 Venezia on 28 August.
    const std::string reti = LeggiTesto(cartella / "Reti-A.txt");
    EXPECT_NE(reti.find(" 1 20260828 2 0\n"), std::string::npos) << reti.substr(reti.size() - 400);
    EXPECT_NE(reti.find(" 2 20260831 0 4\n"), std::string::npos); // Lecce 0-4 Roma

    // The next matchday is now the third.
    const Uscita g = Esegui("giornata --cartella " + cartella.string() + " --campionato A");
    EXPECT_NE(g.testo.find("campionato=A giornata=3 partite=10"), std::string::npos) << g.testo;

    // Again: nothing new, nothing written.
    const auto dopo = Istantanea(cartella);
    const Uscita ancora = Esegui(comando + server.Indirizzo("1-seriea.txt"));
    ASSERT_EQ(ancora.codice, 0) << ancora.testo;
    EXPECT_NE(ancora.testo.find("nuovi=0 aggiornati=0 calendario=0 scartate=0"), std::string::npos);
    EXPECT_EQ(Istantanea(cartella), dopo);

    // A source that contradicts a stored score, a missing one, a page that
    // is no results file: refused with the reason, the folder unchanged.
    std::string contraria = giornata2;
    contraria.replace(contraria.find("4-1 (1-1)"), 9, "4-2 (1-1)");
    server.Metti("contraria.txt", contraria);
    server.Metti("pagina.html", "<html><body>Moved</body></html>");
    const struct {
        std::string fonte, motivo;
    } rifiuti[] = {
        {server.Indirizzo("contraria.txt"), "4-1 nella cartella, 4-2 nella fonte"},
        {server.Indirizzo("manca.txt"), "risposta 404"},
        {server.Indirizzo("pagina.html"), "formato non riconosciuto"},
        {(tmp / "non-esiste.txt").string(), "non-esiste.txt"},
    };
    for (const auto& r : rifiuti) {
        SCOPED_TRACE(r.fonte);
        const Uscita no = Esegui(comando + r.fonte);
        EXPECT_EQ(no.codice, 4) << no.testo;
        EXPECT_NE(no.testo.find(r.motivo), std::string::npos) << no.testo;
        EXPECT_NE(no.testo.find("dati invariati"), std::string::npos) << no.testo;
        EXPECT_EQ(Istantanea(cartella), dopo);
    }
}

} // namespace
} // namespace veltra::test
