// veltra-servizio: the program's service as a small HTTP server. It serves
// the team-name tables, the update folder and the proposed analyses from a
// folder, and accepts the analyses users send (see net/servizio/Servizio.h
// for the layout).
//
//   veltra-servizio [--cartella DIR] [--porta N] [--indirizzo IP] [--connessioni N]
//                   [--connessioni-max N] [--tempo-richiesta S] [--tempo-inattivita S]
//                   [--chiavi FILE] [--invii-al-minuto N] [--massimo-analisi N]
//   veltra-servizio pubblica --da CARTELLA_DI_LAVORO --cartella DIR [--news FILE] [--pagine URL]
//
// With --porta 0 the system picks a free port. The first line on standard
// output says where the server listens; one line per request goes to
// standard error. SIGINT or SIGTERM stop it.
#include "Pubblica.h"
#include "ServerHttp.h"

#include "dati/FileAtomico.h"

#include "net/servizio/Servizio.h"
#include "platform/Piattaforma.h"

#include <httplib.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace {

using namespace veltra;

void Uso(std::FILE* f) {
    std::fputs("uso: veltra-servizio [--cartella DIR] [--porta N] [--indirizzo IP] [--connessioni N]\n"
               "                     [--connessioni-max N] [--tempo-richiesta S] [--tempo-inattivita S]\n"
               "                     [--chiavi FILE] [--invii-al-minuto N] [--massimo-analisi N]\n"
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

    std::string cartella = ".", indirizzo = "127.0.0.1", testo, fileChiavi;
    int porta = 7040, lavoratori = 16, connessioniMax = 512, tempoRichiesta = 10, tempoInattivita = 5;
    int inviiAlMinuto = -1, massimoAnalisi = 100000;
    // A number option: its value within bounds, or a message.
    auto numero = [&](int& i, int minimo, int massimo, int& v) {
        const std::string opzione = argv[i];
        if (Valore(argc, argv, i, testo) && Numero(testo, minimo, massimo, v)) return true;
        std::fprintf(stderr, "veltra-servizio: valore non valido per %s (da %d a %d)\n",
                     opzione.c_str(), minimo, massimo);
        return false;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--cartella") {
            if (!Valore(argc, argv, i, cartella)) return 2;
        } else if (a == "--indirizzo") {
            if (!Valore(argc, argv, i, indirizzo)) return 2;
        } else if (a == "--porta") {
            if (!numero(i, 0, 65535, porta)) return 2;
        } else if (a == "--connessioni") {
            if (!numero(i, 1, 256, lavoratori)) return 2;
        } else if (a == "--connessioni-max") {
            if (!numero(i, 1, 10000, connessioniMax)) return 2;
        } else if (a == "--tempo-richiesta") {
            if (!numero(i, 1, 600, tempoRichiesta)) return 2;
        } else if (a == "--tempo-inattivita") {
            if (!numero(i, 1, 600, tempoInattivita)) return 2;
        } else if (a == "--chiavi") {
            if (!Valore(argc, argv, i, fileChiavi)) return 2;
        } else if (a == "--invii-al-minuto") {
            if (!numero(i, 0, 100000, inviiAlMinuto)) return 2;
        } else if (a == "--massimo-analisi") {
            if (!numero(i, 1, 100000000, massimoAnalisi)) return 2;
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
    RegoleServizio regole;
    if (!fileChiavi.empty()) {
        std::string perche;
        const auto letto = LeggiFileControllato(fileChiavi, 1u << 20);
        const auto chiavi = letto.testo ? LeggiChiavi(*letto.testo, &perche) : std::nullopt;
        if (!chiavi) {
            std::fprintf(stderr, "veltra-servizio: %s: %s\n", fileChiavi.c_str(),
                         letto.testo ? perche.c_str() : letto.errore.c_str());
            return 1;
        }
        regole.chiavi = *chiavi;
    }
    // With keys the members are known: no limit per address unless asked.
    regole.inviiPerMinuto = inviiAlMinuto >= 0 ? inviiAlMinuto : regole.chiavi.empty() ? 20 : 0;
    regole.massimoAnalisi = massimoAnalisi;

    // The signals are waited for by one thread; every other thread has them blocked.
    sigset_t segnali;
    sigemptyset(&segnali);
    sigaddset(&segnali, SIGINT);
    sigaddset(&segnali, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &segnali, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    OrologioDiSistema orologio;
    Servizio servizio(cartella, orologio, regole);
    std::string perche;
    if (!servizio.Apri(&perche)) {
        std::fprintf(stderr, "veltra-servizio: %s\n", perche.c_str());
        return 1;
    }
    if (servizio.archivio().importate() > 0)
        std::fprintf(stderr, "veltra-servizio: %d analisi ricevute prima prese nell'archivio %s\n",
                     servizio.archivio().importate(), kFileArchivioRicevute);

    servizio::LimitiServer limiti;
    limiti.lavoratori = lavoratori;
    limiti.connessioniMassime = connessioniMax;
    limiti.tempoRichiesta = std::chrono::seconds(tempoRichiesta);
    limiti.tempoInattivita = std::chrono::seconds(tempoInattivita);
    limiti.massimoCorpo = kMaxCorpoInvio;
    servizio::ServerHttp server(limiti);

    auto rispondi = [](const RispostaServizio& s, httplib::Response& r) {
        r.status = s.stato;
        for (const auto& [nome, valore] : s.intestazioni) r.set_header(nome.c_str(), valore.c_str());
        r.set_content(s.corpo, s.tipo.c_str());
    };
    auto gestisci = [&servizio, rispondi](const httplib::Request& q, httplib::Response& r) {
        rispondi(servizio.Gestisci({q.method, q.path, q.body, q.remote_addr,
                                    q.get_header_value("Authorization")}),
                 r);
    };
    // A body is read here, up to the limit, whatever its type.
    auto conCorpo = [&servizio, rispondi](const httplib::Request& q, httplib::Response& r,
                                          const httplib::ContentReader& lettore) {
        std::string corpo;
        bool troppo = false;
        // Other methods are refused without reading what they send.
        if (q.method == "POST" &&
            !lettore([&](const char* d, std::size_t n) {
                if (corpo.size() + n > kMaxCorpoInvio) {
                    troppo = true;
                    return false;
                }
                corpo.append(d, n);
                return true;
            })) {
            // The parser refuses a declared length over the limit itself (413).
            rispondi(troppo || r.status == 413 ? RispostaServizio{413, "Analisi non accettate: invio troppo grande (al massimo 512 KB)\n"}
                            : RispostaServizio{400, "Richiesta non valida: corpo incompleto\n"},
                     r);
            return;
        }
        rispondi(servizio.Gestisci({q.method, q.path, corpo, q.remote_addr,
                                    q.get_header_value("Authorization")}),
                 r);
    };
    server.Get(R"(/.*)", gestisci);
    server.Post(R"(/.*)", gestisci);
    server.Post(R"(/.*)", conCorpo);
    server.Put(R"(/.*)", gestisci);
    server.Put(R"(/.*)", conCorpo);
    server.Patch(R"(/.*)", gestisci);
    server.Patch(R"(/.*)", conCorpo);
    server.Delete(R"(/.*)", gestisci);
    server.Delete(R"(/.*)", conCorpo);
    server.Options(R"(/.*)", gestisci);
    server.ImpostaRegistro([](const httplib::Request& q, const httplib::Response& r) {
        std::fprintf(stderr, "veltra-servizio: %s %s %s -> %d, %zu byte\n", q.remote_addr.c_str(),
                     q.method.c_str(), q.path.c_str(), r.status, r.body.size());
    });

    const int scelta = server.Ascolta(indirizzo, porta);
    if (scelta < 0) {
        std::fprintf(stderr, "veltra-servizio: impossibile ascoltare su %s:%d\n", indirizzo.c_str(),
                     porta);
        return 1;
    }
    std::printf("veltra-servizio: in ascolto su http://%s:%d/ (cartella %s)\n", indirizzo.c_str(),
                scelta, cartella.c_str());
    std::fflush(stdout);

    std::atomic<bool> segnalato{false};
    std::thread attesa([&] {
        int s = 0;
        sigwait(&segnali, &s);
        segnalato = true;
        std::fprintf(stderr, "veltra-servizio: fermato (segnale %d)\n", s);
        server.Ferma();
    });
    server.Esegui();
    // Ended on its own (not by a signal): wake the waiting thread.
    if (!segnalato) pthread_kill(attesa.native_handle(), SIGTERM);
    attesa.join();
    return 0;
}
