// What a network does to the data update, against a misbehaving server on
// loopback: whatever happens, the log says so in the program's words, the
// update is refused and the working folder is left byte for byte as it was.
#include "ServerProva.h"
#include "Supporto.h"

#include "net/AggiornamentoDati.h"
#include "net/HttpCurl.h"
#include "net/Internet.h"
#include "net/ScambioAnalisi.h"

#include <gtest/gtest.h>

#include <map>

namespace veltra::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

std::map<std::string, std::string> Istantanea(const fs::path& cartella) {
    std::map<std::string, std::string> r;
    for (const auto& f : fs::directory_iterator(cartella)) r[f.path().filename()] = LeggiTesto(f.path());
    return r;
}

// Serie A with one season of four teams, in a folder holding its files and
// the marker of an earlier update.
struct Fixture {
    CartellaTemporanea cartella;
    ParametriAggiornamento p;
    Fixture(const std::string& base) {
        ScriviTesto(cartella / "giornata.VLT", "3 -1 -1 0 0 1 1 2 3 X ");
        ScriviTesto(cartella / "squadrea.VLT", "1 4 \nA \nB \nC \nD \n");
        ScriviTesto(cartella / "lastagg.txt", "01/01/2020\n");
        p.indirizzo = base + "/agg/";
        p.campionati = {0};
        p.stagioni = {{ElencoSquadre{{"A", "B", "C", "D"}}}};
        p.cartella = cartella.percorso();
        p.secondiAttesa = 0;
        p.secondiStallo = 1;
        p.secondiConnessione = 2;
    }
};

struct Esecuzione {
    EsitoScaricamento esito;
    std::string log;
    duration<double> durata{};
};

Esecuzione Esegui(const ParametriAggiornamento& p, std::atomic<bool>& fermo) {
    HttpCurl http;
    RegistroInternet log;
    ContestoLavoro contesto(fermo, nullptr);
    const auto inizio = steady_clock::now();
    Esecuzione e;
    e.esito = ScaricaAggiornamento(http, p, log, contesto);
    e.durata = steady_clock::now() - inizio;
    e.log = log.Testo();
    return e;
}

// The service's files with one of them replaced.
ServerCattivo::Gestore Con(const std::string& percorso, ServerCattivo::Risposta r) {
    return [percorso, r](const std::string& chiesto) -> ServerCattivo::Risposta {
        if (chiesto == percorso) return r;
        if (chiesto == "/agg/lastagg.txt") return ServerCattivo::Testo(200, "12/09/2005");
        if (chiesto == "/agg/giornata.VLT.txt")
            return ServerCattivo::Testo(200, "4 -1 -1 0 0 1 1 2 3 X 3 0 2 ");
        if (chiesto == "/agg/news9060.txt") return ServerCattivo::Testo(200, "12/09/2005\xB0Notizia");
        return ServerCattivo::Testo(404, "no");
    };
}

TEST(GuastiRete, OgniGuastoLasciaLaCartellaComEraEloDiceNelLog) {
    const std::string garbage(10u << 20, '\x07');
    struct Caso {
        const char* nome;
        std::string percorso;
        ServerCattivo::Risposta risposta;
        const char* log;      // the program's text
        const char* dettaglio; // and what went wrong
    } casi[] = {
        {"marcatore 500", "/agg/lastagg.txt", ServerCattivo::Testo(500, "errore"),
         "Ricevuto un errore nel tentativo di reperire il File d'Inizializzazione.", "risposta 500"},
        {"marcatore 401", "/agg/lastagg.txt", ServerCattivo::Testo(401, "chi sei"),
         "Ricevuto un errore nel tentativo di reperire il File d'Inizializzazione.", "risposta 401"},
        {"marcatore in un'altra forma", "/agg/lastagg.txt", ServerCattivo::Testo(200, "2005-09-12"),
         "e' possibile che l'aggiornamento non sia ancora presente.", ""},
        {"risultati 500", "/agg/giornata.VLT.txt", ServerCattivo::Testo(500, "errore"),
         "Ricevuto un errore nel tentativo di reperire il File d'Aggiornamento.", "risposta 500"},
        {"risultati troncati", "/agg/giornata.VLT.txt",
         ServerCattivo::Testo(200, "6 -1 -1 0 0 1 1 2 3 X 3 "),
         "Ricevuto un errore nella lettura del File di Aggiornamento.",
         "giornata.VLT.txt: incontro 4 di 6 mancante o incompleto"},
        {"squadra fuori dalla stagione", "/agg/giornata.VLT.txt",
         ServerCattivo::Testo(200, "3 -1 -1 0 0 9 1 2 3 X "),
         "Ricevuto un errore nella lettura del File di Aggiornamento.",
         "giornata.VLT.txt: incontro 2: squadra 0 o 9 fuori dalle 4 squadre"},
        {"risultati con meno byte del dichiarato", "/agg/giornata.VLT.txt",
         {"HTTP/1.1 200 OK\r\nContent-Length: 500\r\nConnection: close\r\n\r\n4 -1 -1 0 0 1 1"},
         "Ricevuto un errore nella lettura del File di Aggiornamento.", ""},
        {"10 MB di spazzatura", "/agg/giornata.VLT.txt", ServerCattivo::Testo(200, garbage),
         "Ricevuto un errore nella lettura del File di Aggiornamento.",
         "risposta troppo grande"},
        {"reti con meno byte del dichiarato", "/agg/Reti-A.txt",
         {"HTTP/1.1 200 OK\r\nContent-Length: 500\r\nConnection: close\r\n\r\nVELTRA-RETI 1\n4\n"},
         "Ricevuto un errore nella lettura del File delle Reti.", ""},
        {"redirezione", "/agg/giornata.VLT.txt",
         ServerCattivo::Testo(302, "", "Location: http://127.0.0.1:1/agg/giornata.VLT.txt\r\n"),
         "Ricevuto un errore nel tentativo di reperire il File d'Aggiornamento.", "risposta 302"},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        ServerCattivo server(Con(caso.percorso, caso.risposta));
        Fixture f(server.Base());
        const auto prima = Istantanea(f.cartella.percorso());
        std::atomic<bool> fermo{false};
        const Esecuzione e = Esegui(f.p, fermo);
        EXPECT_FALSE(e.esito.completo);
        EXPECT_NE(e.log.find(caso.log), std::string::npos) << e.log;
        EXPECT_NE(e.log.find(caso.dettaglio), std::string::npos) << e.log;
        EXPECT_EQ(Istantanea(f.cartella.percorso()), prima);
    }
}

TEST(GuastiRete, ConnessioneRifiutata) {
    Fixture f("http://127.0.0.1:" + std::to_string(PortaChiusa()));
    const auto prima = Istantanea(f.cartella.percorso());
    std::atomic<bool> fermo{false};
    const Esecuzione e = Esegui(f.p, fermo);
    EXPECT_FALSE(e.esito.completo);
    EXPECT_NE(e.log.find("Ricevuto un errore nel tentativo di reperire il File d'Inizializzazione.\r\r\n"
                         "(connessione impossibile"),
              std::string::npos)
        << e.log;
    EXPECT_EQ(Istantanea(f.cartella.percorso()), prima);
}

// A reply that stops in the middle of its body.
ServerCattivo::Risposta Stallo() {
    return {"HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n4 -1 -1 0 0 1 1", true};
}

TEST(GuastiRete, UnaRispostaFermaAMetaSiInterrompeEntroUnSecondoDallaRichiesta) {
    ServerCattivo server(Con("/agg/giornata.VLT.txt", Stallo()));
    Fixture f(server.Base());
    f.p.secondiStallo = 60; // only the stop can end it
    const auto prima = Istantanea(f.cartella.percorso());
    std::atomic<bool> fermo{false};
    steady_clock::time_point richiesta;
    std::thread utente([&] {
        while (!server.inStallo()) std::this_thread::sleep_for(milliseconds(5));
        std::this_thread::sleep_for(milliseconds(200));
        richiesta = steady_clock::now();
        fermo = true;
    });
    HttpCurl http;
    RegistroInternet log;
    ContestoLavoro contesto(fermo, nullptr);
    const EsitoScaricamento esito = ScaricaAggiornamento(http, f.p, log, contesto);
    const auto fine = steady_clock::now();
    utente.join();
    EXPECT_LT(duration<double>(fine - richiesta).count(), 1.0);
    EXPECT_TRUE(esito.interrotto);
    EXPECT_FALSE(esito.completo);
    EXPECT_NE(log.Testo().find("-----\r\r\nSessione Internet interrotta dall'Utente."), std::string::npos);
    EXPECT_EQ(Istantanea(f.cartella.percorso()), prima);
}

TEST(GuastiRete, UnaRispostaFermaAMetaFinisceColTempoMassimo) {
    ServerCattivo server(Con("/agg/giornata.VLT.txt", Stallo()));
    Fixture f(server.Base());
    f.p.secondiStallo = 1;
    const auto prima = Istantanea(f.cartella.percorso());
    std::atomic<bool> fermo{false};
    const Esecuzione e = Esegui(f.p, fermo);
    EXPECT_FALSE(e.esito.completo);
    EXPECT_FALSE(e.esito.interrotto);
    // libcurl measures the speed over its last few seconds: the stall is
    // seen a few seconds after the time-out's own.
    EXPECT_LT(e.durata.count(), f.p.secondiStallo + 7.0);
    EXPECT_NE(e.log.find("(il server non risponde piu'"), std::string::npos) << e.log;
    EXPECT_EQ(Istantanea(f.cartella.percorso()), prima);
}

// A server that takes the connection and then says nothing costs one
// time-out: once the marker did not come, the news is not asked for; the
// exchange of analyses does not ask again for each championship either.
TEST(GuastiRete, UnServerMutoCostaUnSoloTempoMassimo) {
    {
        ServerCattivo server([](const std::string&) { return ServerCattivo::Risposta{"", true}; });
        Fixture f(server.Base());
        std::atomic<bool> fermo{false};
        const Esecuzione e = Esegui(f.p, fermo);
        EXPECT_FALSE(e.esito.completo);
        EXPECT_EQ(server.richieste(), 1) << e.log;
        EXPECT_EQ(e.log.find("Ricerca delle News"), std::string::npos) << e.log;
    }
    ServerCattivo server([](const std::string&) { return ServerCattivo::Risposta{"", true}; });
    ParametriScambio p;
    p.indirizzoServizio = server.Base();
    p.invia = false;
    p.daRicevere = {0, 1, 2};
    p.stagioni.fill(30);
    p.secondiIgnora = 0;
    p.secondiStallo = 1;
    HttpCurl http;
    RegistroInternet log;
    StatoScambio stato;
    std::atomic<bool> fermo{false};
    ContestoLavoro lavoro(fermo, nullptr);
    const EsitoScambio e = EseguiScambio(http, p, stato, log, lavoro);
    EXPECT_EQ(server.richieste(), 1) << log.Testo();
    ASSERT_EQ(e.esiti.size(), 3u);
    for (const auto& r : e.esiti) EXPECT_EQ(r.tipo, EsitoRicezione::Mancante);
    EXPECT_NE(log.Testo().find("(il server non risponde piu' ("), std::string::npos) << log.Testo();
}

// What the network did is told in the program's words, the library's own
// after it in brackets.
TEST(GuastiRete, GliErroriDiReteSonoInItalianoColDettaglioDopo) {
    struct Caso {
        const char* nome;
        ServerCattivo::Risposta risposta;
        const char* parole;
    } casi[] = {
        {"chiusa senza risposta", {""}, "(il server ha chiuso la connessione senza rispondere ("},
        {"risposta non http", {"SALVE\r\n\r\n"}, "(risposta del server non valida ("},
        {"corpo incompleto", {"HTTP/1.1 200 OK\r\nContent-Length: 500\r\n\r\n12/09/2005"},
         "(risposta del server incompleta ("},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        ServerCattivo server([&c](const std::string&) { return c.risposta; });
        Fixture f(server.Base());
        std::atomic<bool> fermo{false};
        const Esecuzione e = Esegui(f.p, fermo);
        EXPECT_FALSE(e.esito.completo);
        const auto i = e.log.find(c.parole);
        ASSERT_NE(i, std::string::npos) << e.log;
        // The technical detail closes the line.
        EXPECT_NE(e.log.find(")\r\r\n", i), std::string::npos);
    }
    Fixture f("http://127.0.0.1:" + std::to_string(PortaChiusa()));
    std::atomic<bool> fermo{false};
    const Esecuzione e = Esegui(f.p, fermo);
    EXPECT_NE(e.log.find("(connessione impossibile: il server non accetta connessioni ("), std::string::npos)
        << e.log;
}

// From a terminal the log speaks of no window's button.
TEST(GuastiRete, SenzaFinestraNessunInvitoAPremereUnPulsante) {
    ServerCattivo server(Con("", {}));
    Fixture f(server.Base());
    std::atomic<bool> fermo{false};
    Esecuzione e = Esegui(f.p, fermo);
    EXPECT_TRUE(e.esito.completo) << e.log;
    EXPECT_NE(e.log.find("premere 'Interrompi' entro 0 secondi"), std::string::npos) << e.log;
    f.p.pulsanteInterrompi = false;
    ScriviTesto(f.cartella / "lastagg.txt", "01/01/2020\n");
    e = Esegui(f.p, fermo);
    EXPECT_TRUE(e.esito.completo) << e.log;
    EXPECT_NE(e.log.find("E' disponibile l'Aggiornamento datato: 12/09/2005."), std::string::npos) << e.log;
    EXPECT_EQ(e.log.find("Interrompi"), std::string::npos) << e.log;
}

TEST(GuastiRete, LaPaginaSegueUnaSolaRedirezione) {
    std::string base;
    ServerCattivo server([&base](const std::string& p) -> ServerCattivo::Risposta {
        if (p == "/giro") return ServerCattivo::Testo(302, "", "Location: " + base + "/giro\r\n");
        if (p == "/una") return ServerCattivo::Testo(301, "", "Location: " + base + "/pagina\r\n");
        if (p == "/pagina") return ServerCattivo::Testo(200, std::string(3000, 'x'));
        if (p == "/ftp") return ServerCattivo::Testo(303, "", "Location: ftp://127.0.0.1/x\r\n");
        if (p == "/rotta") return ServerCattivo::Testo(302, "", "Location: non un indirizzo\r\n");
        if (p == "/chiusa") return ServerCattivo::Testo(401, "no");
        return ServerCattivo::Testo(500, "errore");
    });
    base = server.Base();
    HttpCurl http;
    auto s = http.ApriSessione({});
    ASSERT_TRUE(s);
    EXPECT_EQ(ScaricaPagina(*s, base + "/giro", kIntestazioniPagina).stato, -302);
    const Pagina una = ScaricaPagina(*s, base + "/una", kIntestazioniPagina);
    EXPECT_EQ(una.stato, 200);
    EXPECT_EQ(una.corpo, std::string(3000, 'x'));
    EXPECT_EQ(ScaricaPagina(*s, base + "/ftp", kIntestazioniPagina).stato, -7);
    EXPECT_EQ(ScaricaPagina(*s, base + "/rotta", kIntestazioniPagina).stato, -6);
    EXPECT_EQ(ScaricaPagina(*s, base + "/chiusa", kIntestazioniPagina).stato, 401);
    EXPECT_EQ(ScaricaPagina(*s, base + "/altro", kIntestazioniPagina).stato, 500);
}

// The exchange of analyses against the same kind of server: every fault ends
// in the program's words, and nothing received is kept.
TEST(GuastiRete, LoScambioDiAnalisiNonTieneNullaDaUnServerGuasto) {
    const std::string spazzatura(10u << 20, '\x07');
    const std::string ricezione = "/Squadre/AnalisiRicezioneA7040.txt";
    struct Caso {
        const char* nome;
        std::string percorso; // the request that misbehaves
        ServerCattivo::Risposta risposta;
        bool invia;
        const char* log;
        bool concluso;
    } casi[] = {
        {"invio 500", kPercorsoInvio, ServerCattivo::Testo(500, "guasto"), true,
         "Errore nella connessione con il server (cod.3)\r\r\n\r\r\nOPERAZIONE INTERROTTA.", false},
        {"invio rediretto", kPercorsoInvio,
         ServerCattivo::Testo(302, "", "Location: http://127.0.0.1:1/x\r\n"), true,
         "Errore nella connessione con il server (cod.3)", false},
        {"invio 401", kPercorsoInvio, ServerCattivo::Testo(401, "chi sei"), true,
         "Errore nella connessione con il server (cod.3)", false},
        {"analisi 401", ricezione, ServerCattivo::Testo(401, "chi sei"), false,
         "Impossibile reperire le analisi richieste.", true},
        {"10 MB di spazzatura", ricezione, ServerCattivo::Testo(200, spazzatura), false,
         "Impossibile reperire le analisi richieste.", true},
        {"analisi troncata", ricezione, ServerCattivo::Testo(200, "-2 0 3 1 120 100"), false,
         "Errore nella ricezione dei dati via internet.\r\r\nOperazione interrotta.", true},
        {"analisi fuori dai limiti", ricezione,
         ServerCattivo::Testo(200, "-2 0 9 1 120 100 80 0 0 -1 0 -1 0 -0.5 0.5 -0.5 0.5 -4 -1 -2 2 "
                                   "0 0 0 1 1 1 -1 -1 -2 0 0 0 1 1 1 -1 -1 -2 6 1 1 Titolo"),
         false, "Errore nella ricezione dei dati via internet.", true},
        {"di un altro campionato", ricezione,
         ServerCattivo::Testo(200, "-2 5 2 1 100 100 0 0 0 -1 0 -1 0 -0.5 0.5 -0.5 0.5 -4 -1 -2 2 "
                                   "0 0 0 1 1 1 -1 -1 -2 0 0 0 1 1 1 -1 -1 -2 6 1 1 Titolo"),
         false, "Errore nella ricezione dei dati via internet.", true},
        {"spazzatura breve", ricezione, ServerCattivo::Testo(200, "\x01\x02<html>"), false,
         "Errore nella ricezione dei dati via internet.", true},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        ServerCattivo server([&caso](const std::string& chiesto) -> ServerCattivo::Risposta {
            if (chiesto == caso.percorso) return caso.risposta;
            if (chiesto == kPercorsoInvio) return ServerCattivo::Testo(200, "ok\r\n");
            return ServerCattivo::Testo(404, "no");
        });
        ParametriScambio p;
        p.indirizzoServizio = server.Base();
        p.invia = caso.invia;
        p.daRicevere = {0};
        p.stagioni.fill(30);
        p.secondiIgnora = 0;
        p.secondiStallo = 2;
        HttpCurl http;
        RegistroInternet log;
        StatoScambio stato;
        std::atomic<bool> fermo{false};
        ContestoLavoro lavoro(fermo, nullptr);
        const EsitoScambio e = EseguiScambio(http, p, stato, log, lavoro);
        EXPECT_NE(log.Testo().find(caso.log), std::string::npos) << log.Testo();
        EXPECT_EQ(e.concluso, caso.concluso) << log.Testo();
        EXPECT_TRUE(e.ricevute.empty());
    }
}

TEST(GuastiRete, LoScambioFermoDuranteUnaRispostaBloccataFinisce) {
    // The proposed analysis stalls mid-body and only the stop can end it.
    ServerCattivo server([](const std::string&) -> ServerCattivo::Risposta {
        return {"HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n-2 0 3 1", true};
    });
    ParametriScambio p;
    p.indirizzoServizio = server.Base();
    p.invia = false;
    p.daRicevere = {0};
    p.stagioni.fill(30);
    p.secondiStallo = 60;
    std::atomic<bool> fermo{false};
    std::thread utente([&] {
        while (!server.inStallo()) std::this_thread::sleep_for(milliseconds(5));
        std::this_thread::sleep_for(milliseconds(100));
        fermo = true;
    });
    HttpCurl http;
    RegistroInternet log;
    StatoScambio stato;
    ContestoLavoro lavoro(fermo, nullptr);
    const EsitoScambio e = EseguiScambio(http, p, stato, log, lavoro);
    utente.join();
    EXPECT_TRUE(e.interrotto);
    EXPECT_FALSE(e.concluso);
    EXPECT_TRUE(e.ricevute.empty());
    EXPECT_EQ(log.Testo().find("OPERAZIONE CONCLUSA."), std::string::npos);
}

} // namespace
} // namespace veltra::test
