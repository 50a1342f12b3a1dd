// The odds download end to end, for each bookmaker: the name tables served by
// veltra-servizio, the stand-in site serving pages generated from the shipped
// championships, the reader, the events file, the completion of an event
// whose opponent the table does not know, the loaded manager with its
// estimates, and the page copies. Then the branches around it: redirects,
// 401 and the login form, a stalled page stopped, a broken table, Annulla.
#include "app/Avvio.h"
#include "app/CartellaDiLavoro.h"
#include "app/DatiGlobali.h"
#include "betting/FileQuote.h"
#include "betting/ImmissioneQuote.h"
#include "betting/RicalcolaEventi.h"
#include "engine/rating/ModelloRating.h"
#include "net/HttpCurl.h"
#include "net/Internet.h"
#include "platform/Lavori.h"
#include "quote/CaricamentoQuote.h"
#include "quote/FileEventi.h"
#include "quote/TabellePubblicate.h"

#include "Supporto.h"
#include "doppi/MessaggiRegistrati.h"
#include "net/ServerProva.h"
#include "quote/SitoQuoteProva.h"

#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <cmath>
#include <future>

using namespace veltra;
using namespace veltra::test;
namespace fs = std::filesystem;

namespace {

// The shipped championships, loaded once.
DatiGlobali& Dati() {
    static CartellaTemporanea cartella;
    static std::unique_ptr<DatiGlobali> dati = [] {
        auto d = std::make_unique<DatiGlobali>();
        const fs::path c = cartella / "lavoro";
        if (!PreparaCartellaDiLavoro(c, fs::path(VELTRA_RESOURCES_DIR) / "dati")) throw std::runtime_error("cartella");
        MessaggiSilenziosi m;
        if (!CaricaAvvio(*d, c, m)) throw std::runtime_error("avvio");
        return d;
    }();
    return *dati;
}

int Id(const char* codice) { return *CercaCampionato(codice); }

// The included championships: Italian, Spanish (accented names, two-word
// names), Swiss (a hyphenated name), Danish.
std::vector<int> Scelti() { return {Id("A"), Id("SP"), Id("CH"), Id("DA")}; }

std::string Inclusione(const std::vector<int>& v) {
    std::string s(kNumeroCampionati, '0');
    for (int c : v) s[c] = '1';
    return s;
}

constexpr const char* kLogin = "mario rossi";
constexpr const char* kPassword = "p&ss w\xC3\xB6rd=";

// The stand-in site of one bookmaker, the service with the published tables,
// and a working folder.
struct Ambiente {
    Bookmaker b;
    SitoGenerato sito;
    std::atomic<bool> accesso{false};
    std::function<ServerSito::Risposta(const RichiestaRicevuta&)> speciale;
    ServerSito server;
    CartellaTemporanea tmp;
    std::unique_ptr<ProcessoServizio> servizio;

    Ambiente(Bookmaker bk, const OpzioniSito& o, std::function<void(TabellaNomiBookmaker&)> ritocca = {})
        : b(bk), sito(GeneraSito(Dati(), bk, Scelti(), o)),
          server([this](const RichiestaRicevuta& q) { return Rispondi(q); }) {
        fs::create_directories(tmp / "servizio/Squadre");
        fs::create_directories(tmp / "lavoro");
        for (const FileTabella& t : TabelleDaDati(Dati(), server.Base())) {
            std::string testo = t.testo;
            if (ritocca && t.nome == PercorsoTabella(b).substr(9)) {
                TabellaNomiBookmaker x = TabellaDaDati(Dati(), b, server.Base());
                ritocca(x);
                testo = ScriviTabellaNomi(b, x);
            }
            ScriviTesto(tmp / "servizio/Squadre" / t.nome, testo);
        }
        servizio = std::make_unique<ProcessoServizio>(tmp / "servizio");
    }

    ServerSito::Risposta Rispondi(const RichiestaRicevuta& q) {
        if (speciale) {
            ServerSito::Risposta r = speciale(q);
            if (r.stato != 0) return r;
        }
        if (q.metodo == "POST" && q.percorso == "/G/accesso") {
            if (q.corpo != "utente=mario+rossi&parola=p%26ss+w%C3%B6rd%3D") return {403, "no"};
            accesso = true;
            // A careless site repeats what it got.
            return {200, std::string("<html>Benvenuto ") + kLogin + " (" + kPassword + ")</html>"};
        }
        if (q.metodo == "POST" && q.percorso == "/quote/servlet/quote.Shopping?") {
            const auto i = q.corpo.find("manifestazione=");
            const int m = i == std::string::npos ? -1 : std::atoi(q.corpo.c_str() + i + 15);
            const auto it = sito.moduli.find(m);
            return it == sito.moduli.end() ? ServerSito::Risposta{404, "?"} : ServerSito::Risposta{200, it->second};
        }
        if (b == Bookmaker::Globet && !accesso) return {401, "Accesso riservato"};
        const auto it = sito.pagine.find(q.percorso);
        return it == sito.pagine.end() ? ServerSito::Risposta{404, "non trovata"}
                                       : ServerSito::Risposta{200, it->second};
    }

    ParametriCaricamento Parametri(std::vector<int> scelti = Scelti()) {
        ParametriCaricamento p;
        p.lettura.bookmaker = b;
        p.lettura.inclusione = Inclusione(scelti);
        p.lettura.indirizzoServizio = servizio->Base();
        p.lettura.cartella = tmp / "lavoro";
        p.lettura.anno = 2026;
        p.lettura.mese = 12;
        p.lettura.secondiStallo = 30;
        p.lettura.chiediAccesso = [] { return std::optional<AccessoBookmaker>(AccessoBookmaker{kLogin, kPassword}); };
        for (int c : scelti) p.campionati[c] = std::shared_ptr<CCampionato>(CopiaDati(Dati().campionato(c)));
        // The lower divisions, as the window passes them for promoted clubs.
        for (int c : scelti)
            if (const int sotto = DivisioneInferiore(c); sotto >= 0)
                p.inferiori[static_cast<std::size_t>(c)] =
                    std::shared_ptr<CCampionato>(CopiaDati(Dati().campionato(sotto)));
        p.conferma = [](const std::string&) { return true; };
        return p;
    }
};

// The completion dialog's logic, answered as a user would: the opponent the
// site really showed, the recognised team at home; "Ignora &Tutti" for an
// event with no odds at all.
struct Completamenti {
    const SitoGenerato& sito;
    std::vector<int> chiesti; // championships asked about
    SceltaCompletamento operator()(int c, int riconosciuta, const std::array<float, 6>& quote) {
        chiesti.push_back(c);
        SceltaCompletamento s;
        const bool senzaQuote = std::all_of(quote.begin(), quote.end(), [](float q) { return q == 0; });
        if (senzaQuote) {
            s.tipo = SceltaCompletamento::Tipo::IgnoraTutti;
            return s;
        }
        CompletamentoEvento dlg(Dati(), c, riconosciuta, "Squadra Ignota", quote);
        MessaggiRegistrati m;
        if (!dlg.Aggiungi(riconosciuta + 1, m)) return s;
        dlg.GiocaInCasa(true);
        const auto e = dlg.Conferma(m);
        if (!e) return s;
        s.tipo = SceltaCompletamento::Tipo::Ok;
        s.casa = riconosciuta;
        s.trasferta = e->avversaria;
        s.quote = e->quote;
        return s;
    }
};

std::string LeggiCopia(const fs::path& lavoro, Bookmaker b, const std::string& nome) {
    return LeggiTesto(CartellaPagine(lavoro, b) / nome);
}

class CaricamentoPerBookmaker : public ::testing::TestWithParam<int> {};

} // namespace

TEST_P(CaricamentoPerBookmaker, DalSitoAlGestoreDelleScommesse) {
    const auto b = static_cast<Bookmaker>(GetParam());
    OpzioniSito o;
    o.campionatoSconosciuto = Id("A");
    o.campionatoSenzaQuote = Id("DA");
    Ambiente a(b, o);
    if (b == Bookmaker::Betandwin) {
        // Serie A's page has moved: one redirect, followed.
        const std::string vecchio = "/W/A.htm", nuovo = "/W/A-nuova.htm";
        a.sito.pagine[nuovo] = a.sito.pagine[vecchio];
        const std::string base = a.server.Base();
        a.speciale = [vecchio, nuovo, base](const RichiestaRicevuta& q) {
            if (q.percorso == vecchio) return ServerSito::Risposta{302, "", "Location: " + base + nuovo + "\r\n"};
            return ServerSito::Risposta{0, ""};
        };
    }
    ParametriCaricamento p = a.Parametri();
    Completamenti completa{a.sito, {}};
    p.completa = std::ref(completa);
    RegistroInternet log;
    const EsitoCaricamento r = ScaricaQuote(*std::make_unique<HttpCurl>(), p, log);
    const std::string testoLog = log.Testo();
    ASSERT_FALSE(r.interrotto) << testoLog;

    // The events file: one record per match of each page, and the trailer.
    const std::string file = LeggiTesto(a.tmp / "lavoro" / FileEventiBookmaker(b));
    const ContenutoEventi eventi = LeggiFileEventi(file);
    EXPECT_TRUE(eventi.trailer) << file;
    EXPECT_TRUE(eventi.illeggibile.empty()) << eventi.illeggibile;
    const std::size_t sezioni = b == Bookmaker::Eurobet ? 2 : 1;
    EXPECT_EQ(eventi.eventi.size(), a.sito.incontri.size() * sezioni) << file;

    // Asked about: the unknown opponent (Serie A) and the first match without
    // odds (Denmark), whose "Ignora Tutti" silences the others.
    EXPECT_EQ(completa.chiesti, (std::vector<int>{Id("A"), Id("DA")})) << testoLog;

    // The manager: every match with odds, in page order, with the estimate of
    // the betting module after its floor.
    std::vector<IncontroSito> attesi;
    for (IncontroSito m : a.sito.incontri) {
        if (m.campionato == Id("DA")) continue;
        if (m.trasferta < 0) m.trasferta = m.casa + 1;
        attesi.push_back(m);
    }
    std::vector<std::array<float, 3>> stime;
    std::vector<IncontroSito> stimati;
    for (const auto& m : attesi) {
        ASSERT_TRUE(AggiornaStimeScommesse(Dati(), m.campionato));
        if (const auto s = StimaEvento(Dati(), m.campionato, m.casa, m.trasferta)) {
            stime.push_back(*s);
            stimati.push_back(m);
        }
    }
    ASSERT_FALSE(stimati.empty());
    ASSERT_EQ(r.scommesse.nEventi, static_cast<int>(stimati.size())) << testoLog;
    for (std::size_t i = 0; i < stimati.size(); ++i) {
        const Evento& e = r.scommesse.eventi[i];
        const IncontroSito& m = stimati[i];
        const auto& nomi = Dati().campionato(m.campionato).squadreCorrenti().nomi;
        EXPECT_EQ(e.campionato, m.campionato);
        EXPECT_EQ(e.casa, nomi[m.casa]);
        EXPECT_EQ(e.trasferta, nomi[m.trasferta]);
        EXPECT_EQ(e.data, m.data);
        for (int k = 0; k < 6; ++k) EXPECT_NEAR(e.quote[k], m.quote[k], 1e-5) << i << " " << k;
        EXPECT_NEAR(e.prob[kQuota1], stime[i][0], 1e-6);
        EXPECT_NEAR(e.prob[kQuota1 + 1], stime[i][1], 1e-6);
        EXPECT_NEAR(e.prob[kQuota1 + 2], stime[i][2], 1e-6);
        EXPECT_TRUE(r.scommesse.inclusi[m.campionato]);
    }
    EXPECT_NE(testoLog.find("Totale eventi trovati: " + std::to_string(attesi.size())), std::string::npos)
        << testoLog;
    EXPECT_NE(testoLog.find("Caricamento eventi e quote concluso"), std::string::npos);

    // The copies of the pages, as served.
    const fs::path lavoro = a.tmp / "lavoro";
    switch (b) {
    case Bookmaker::Betandwin:
        EXPECT_EQ(LeggiCopia(lavoro, b, "Serie A.htm"), a.sito.pagine["/W/A.htm"]);
        break;
    case Bookmaker::Globet: {
        EXPECT_EQ(LeggiCopia(lavoro, b, "Serie A.htm"), a.sito.pagine["/G/A.htm"]);
        // The login went URL-encoded (the server checks it); the password is
        // nowhere: not in the log, the copies or the events file.
        const std::string login = LeggiCopia(lavoro, b, "LOGIN.htm");
        EXPECT_NE(login.find("Benvenuto"), std::string::npos);
        for (const fs::path& f : fs::recursive_directory_iterator(lavoro))
            if (fs::is_regular_file(f)) {
                EXPECT_EQ(LeggiTesto(f).find(kPassword), std::string::npos) << f;
                EXPECT_EQ(LeggiTesto(f).find("p%26ss"), std::string::npos) << f;
            }
        EXPECT_EQ(testoLog.find(kPassword), std::string::npos);
        break;
    }
    case Bookmaker::Betzone:
        EXPECT_EQ(LeggiCopia(lavoro, b, "Tutte.htm"), a.sito.pagine["/B/tutte.htm"]);
        break;
    case Bookmaker::Eurobet:
        EXPECT_EQ(LeggiCopia(lavoro, b, "Spagna-1X-12-X2.htm"), a.sito.pagine["/E/SP-1X-12-X2.htm"]);
        EXPECT_NE(testoLog.find("Analisi quote ('1X'-'12'-'X2') del campionato di Serie A..."), std::string::npos);
        EXPECT_NE(testoLog.find("Caricamento eventi del campionato di Svizzera concluso"), std::string::npos);
        break;
    case Bookmaker::Snai:
        EXPECT_EQ(LeggiCopia(lavoro, b, "Serie A-" + std::to_string(kBaseManifestazioni + Id("A")) + ".htm"),
                  a.sito.moduli[kBaseManifestazioni + Id("A")]);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Bookmaker, CaricamentoPerBookmaker, ::testing::Range(0, kBookmakerInternet),
                         [](const auto& i) { return std::string(kNomiBookmakerInternet[i.param]); });

TEST(CaricamentoQuote, SenzaAccessoLePagineRiservateNonDannoEventi) {
    Ambiente a(Bookmaker::Globet, {});
    ParametriCaricamento p = a.Parametri({Id("A")});
    p.lettura.chiediAccesso = [] { return std::optional<AccessoBookmaker>(); }; // "&Non accetto"
    RegistroInternet log;
    const EsitoCaricamento r = ScaricaQuote(*std::make_unique<HttpCurl>(), p, log);
    EXPECT_EQ(r.scommesse.nEventi, 0);
    EXPECT_NE(log.Testo().find("Nessun evento"), std::string::npos) << log.Testo();
    EXPECT_NE(log.Testo().find("401"), std::string::npos) << log.Testo();
    for (const auto& q : a.server.richieste()) EXPECT_NE(q.metodo, "POST");
}

TEST(CaricamentoQuote, ErroriDellaPaginaUnicaNelFileEventi) {
    // The page of all events, answered in each way that stops the reader;
    // each reaches the log as the service's message with its code.
    struct Caso {
        int stato;
        std::string intestazioni;
        const char* codice;
    } casi[] = {
        {401, "", "(4)"},
        {302, "Location: ftp://127.0.0.1/x\r\n", "(7)"},
        {302, "", "(6)"},
        {302, "Location: http://127.0.0.1:1/x\r\n", "[0]"},
        {302, "Location: /W/A.htm\r\n", "(6)"},
    };
    for (const auto& c : casi) {
        Ambiente a(Bookmaker::Betzone, {});
        a.speciale = [&c](const RichiestaRicevuta&) { return ServerSito::Risposta{c.stato, "", c.intestazioni}; };
        RegistroInternet log;
        const EsitoCaricamento r = ScaricaQuote(*std::make_unique<HttpCurl>(), a.Parametri({Id("A")}), log);
        EXPECT_EQ(r.scommesse.nEventi, 0);
        EXPECT_NE(log.Testo().find(std::string(kServizioNonAttivo) + " " + c.codice), std::string::npos)
            << c.codice << "\n" << log.Testo();
    }
}

TEST(CaricamentoQuote, UnRinvioVersoUnaPaginaCheNonRispondeDaLoStatoNegativo) {
    Ambiente a(Bookmaker::Betzone, {});
    const std::string base = a.server.Base();
    a.speciale = [base](const RichiestaRicevuta& q) {
        if (q.percorso == "/B/tutte.htm") return ServerSito::Risposta{301, "", "Location: " + base + "/altrove\r\n"};
        return ServerSito::Risposta{0, ""};
    };
    RegistroInternet log;
    ScaricaQuote(*std::make_unique<HttpCurl>(), a.Parametri({Id("A")}), log);
    EXPECT_NE(log.Testo().find(std::string(kServizioNonAttivo) + " [-404]"), std::string::npos) << log.Testo();
}

TEST(CaricamentoQuote, TabellaRottaOAssente) {
    // A table that breaks its layout: the log says where, the events file
    // holds the service's error, no event is loaded.
    Ambiente a(Bookmaker::Betandwin, {}, [](TabellaNomiBookmaker& t) { t.nomi[0].assign(60, "x"); });
    RegistroInternet log;
    const EsitoCaricamento r = ScaricaQuote(*std::make_unique<HttpCurl>(), a.Parametri(), log);
    EXPECT_EQ(r.scommesse.nEventi, 0);
    EXPECT_NE(log.Testo().find("Tabella dei nomi illeggibile: riga 1"), std::string::npos) << log.Testo();
    EXPECT_NE(log.Testo().find(std::string(kServizioNonAttivo) + " (200)"), std::string::npos);
    EXPECT_EQ(a.server.richieste().size(), 0u);

    fs::remove(a.tmp / "servizio/Squadre/SqW7040.txt");
    RegistroInternet log2;
    ScaricaQuote(*std::make_unique<HttpCurl>(), a.Parametri(), log2);
    EXPECT_NE(log2.Testo().find("(risposta 404)"), std::string::npos) << log2.Testo();
}

TEST(CaricamentoQuote, TuttiEsclusiNessunaPagina) {
    Ambiente a(Bookmaker::Betandwin, {});
    RegistroInternet log;
    const EsitoCaricamento r = ScaricaQuote(*std::make_unique<HttpCurl>(), a.Parametri({}), log);
    EXPECT_EQ(r.scommesse.nEventi, 0);
    EXPECT_EQ(a.server.richieste().size(), 0u);
    const ContenutoEventi e = LeggiFileEventi(LeggiTesto(a.tmp / "lavoro/EventiW.txt"));
    EXPECT_TRUE(e.trailer);
    EXPECT_NE(log.Testo().find("Totale eventi trovati: 0"), std::string::npos);
}

TEST(CaricamentoQuote, UnaPaginaFerma) {
    // The second championship's page stalls: the stop ends the transfer at
    // once, well before the stall time-out of 30 s, and nothing is loaded.
    Ambiente a(Bookmaker::Betandwin, {});
    a.speciale = [](const RichiestaRicevuta& q) {
        if (q.percorso == "/W/SP.htm") return ServerSito::Risposta{200, std::string(5000, 'x'), "", true};
        return ServerSito::Risposta{0, ""};
    };
    ParametriCaricamento p = a.Parametri();
    auto fermo = std::make_shared<std::atomic<bool>>(false);
    p.lettura.fermo = [fermo] { return fermo->load(); };
    RegistroInternet log;
    HttpCurl http;
    auto lavoro = std::async(std::launch::async, [&] { return ScaricaQuote(http, p, log); });
    while (!a.server.inStallo()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const auto inizio = std::chrono::steady_clock::now();
    *fermo = true;
    ASSERT_EQ(lavoro.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - inizio);
    RecordProperty("ms_dopo_interrompi", static_cast<int>(ms.count()));
    const EsitoCaricamento r = lavoro.get();
    EXPECT_TRUE(r.interrotto);
    EXPECT_EQ(r.scommesse.nEventi, 0);
    EXPECT_NE(log.Testo().find(kOperazioneInterrotta), std::string::npos);
}

TEST(CaricamentoQuote, LaFinestraCambiaIlModuloScommesseSoloConOk) {
    Ambiente a(Bookmaker::Betandwin, {});
    CDlgCaricamentoQuote dlg(Dati(), a.tmp / "lavoro", a.servizio->Base());
    MessaggiRegistrati m;
    EXPECT_FALSE(dlg.Aggiungi(-1, m));
    ASSERT_FALSE(m.testi().empty());
    EXPECT_EQ(m.testi().back(), kSelezionareSinistra);
    for (int c = 0; c < kNumeroCampionati; ++c)
        if (c != Id("A") && c != Id("SP")) {
            ASSERT_TRUE(dlg.Togli(c, m));
        }
    EXPECT_EQ(dlg.inclusi(), (std::vector<int>{Id("A"), Id("SP")}));
    EXPECT_EQ(dlg.Inclusione(), Inclusione({Id("A"), Id("SP")}));
    dlg.oggi = [] {
        std::tm t{};
        t.tm_year = 126;
        t.tm_mon = 11;
        return t;
    };
    std::string disclaimer;
    dlg.conferma = [&disclaimer](const std::string& t) {
        disclaimer = t;
        return true;
    };
    ScommessaMgr principale;
    principale.Azzera();
    principale.AggiungiEvento(0, 1, "Casa", "Fuori", {2, 3, 4, 0, 0, 0}, 0.5f, 0.3f, 0.2f);
    const ScommessaMgr prima = principale;
    EsecutoreSincrono esecutore;
    HttpCurl http;
    bool finito = false;
    dlg.Carica(esecutore, http, [&finito] { finito = true; });
    EXPECT_TRUE(finito);
    EXPECT_FALSE(dlg.inCorso());
    EXPECT_EQ(dlg.TestoCarica(), "&Carica");
    EXPECT_NE(disclaimer.find("Bookmaker BETANDWIN"), std::string::npos);
    ASSERT_GT(dlg.scommesse().nEventi, 0) << dlg.log().Testo();
    // Annulla: the betting module as it was.
    EXPECT_EQ(principale, prima);
    EXPECT_TRUE(dlg.Ok(principale, m));
    EXPECT_EQ(principale, dlg.scommesse());
    std::tm ora{};
    ora.tm_year = 126;
    ora.tm_mon = 11;
    ora.tm_mday = 31;
    ora.tm_hour = 9;
    EXPECT_EQ(dlg.NomeFileQuote(ora), "BETANDWIN-31-12-2026 09h00m00s");
    // The hidden save of the top-left corner: asked, then written in the
    // working folder; the file loads back the same events.
    m.risposte = {Risposta::No, Risposta::Si};
    EXPECT_FALSE(dlg.SalvataggioNascosto(ora, m));
    EXPECT_TRUE(dlg.SalvataggioNascosto(ora, m));
    EXPECT_NE(m.testi().back().find("(con nome: BETANDWIN_31-12-2026 09h00m00s.QUO)"), std::string::npos);
    ScommessaMgr riletto;
    ASSERT_TRUE(CaricaQuote(riletto, a.tmp / "lavoro/BETANDWIN_31-12-2026 09h00m00s.QUO", Dati(), m));
    EXPECT_EQ(riletto.nEventi, dlg.scommesse().nEventi);

    // Refusing the disclaimer loads nothing.
    dlg.conferma = [](const std::string&) { return false; };
    dlg.Carica(esecutore, http);
    EXPECT_EQ(dlg.scommesse().nEventi, 0);
    EXPECT_NE(dlg.log().Testo().find(kOperazioneInterrotta), std::string::npos);
    // OK after a download that found nothing keeps the events in place and
    // says so; with no events there is nothing to say.
    const ScommessaMgr tenuto = principale;
    const std::size_t mostrati = m.testi().size();
    EXPECT_FALSE(dlg.Ok(principale, m));
    EXPECT_EQ(principale, tenuto);
    ASSERT_EQ(m.testi().size(), mostrati + 1);
    EXPECT_EQ(m.testi().back(), kNessunEventoScaricato);
    ScommessaMgr vuoto;
    EXPECT_FALSE(dlg.Ok(vuoto, m));
    EXPECT_EQ(m.testi().size(), mostrati + 1);
}

TEST(CaricamentoQuote, VeltraServizioPubblicaLeTabelleDeiNomi) {
    CartellaTemporanea tmp;
    const fs::path mia = tmp / "mia", servizio = tmp / "servizio";
    ASSERT_TRUE(PreparaCartellaDiLavoro(mia, fs::path(VELTRA_RESOURCES_DIR) / "dati"));
    const std::string comando = std::string(VELTRA_SERVIZIO_PATH) + " pubblica --da " + mia.string() +
                                " --cartella " + servizio.string() + " --pagine http://127.0.0.1:9 >/dev/null 2>&1";
    ASSERT_EQ(std::system(comando.c_str()), 0);
    for (int k = 0; k < kBookmakerInternet; ++k) {
        const auto b = static_cast<Bookmaker>(k);
        const int c = b == Bookmaker::Eurobet ? Id("SP") : Id("CH");
        const std::string nome = PercorsoTabella(b, c).substr(9);
        TabellaNomiBookmaker t;
        ASSERT_EQ(LeggiTabellaNomi(b, LeggiTesto(servizio / "Squadre" / nome), t, c), std::nullopt) << nome;
        // One spelling per current team, in the team list's order.
        const auto& squadre = Dati().campionato(c).squadreCorrenti().nomi;
        ASSERT_EQ(t.nomi[c].size(), squadre.size()) << nome;
        for (std::size_t i = 0; i < squadre.size(); ++i)
            EXPECT_EQ(t.nomi[c][i], NomeDiConfronto(NomePubblicato(squadre[i]))) << nome;
        if (b == Bookmaker::Betandwin) {
            EXPECT_EQ(t.base + t.suffissi[c], "http://127.0.0.1:9/W/CH.htm");
        }
        if (b == Bookmaker::Globet) {
            EXPECT_EQ(t.indirizzoAccesso, "http://127.0.0.1:9/G/accesso");
        }
    }
    // Serie C1 ships empty: no page for it.
    TabellaNomiBookmaker w;
    ASSERT_EQ(LeggiTabellaNomi(Bookmaker::Betandwin, LeggiTesto(servizio / "Squadre/SqW7040.txt"), w), std::nullopt);
    EXPECT_FALSE(w.ConPagina(Id("C1")));
}

TEST(CaricamentoQuote, IlCompletamentoMostraLeQuoteConIlPuntoInOgniLocale) {
    // The desktop program runs with the user's locale (Qt adopts it): the
    // odds read from a page must reach the completion dialog as texts its
    // own check accepts.
    const char* prima = std::setlocale(LC_NUMERIC, nullptr);
    const std::string salvato = prima ? prima : "C";
    if (!std::setlocale(LC_NUMERIC, "it_IT.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "nessun locale con la virgola decimale";
    CompletamentoEvento dlg(Dati(), Id("A"), 0, "Squadra Ignota", {1.85f, 3.2f, 4.1f, 0, 0, 0});
    MessaggiRegistrati m;
    ASSERT_TRUE(dlg.Aggiungi(1, m));
    const auto e = dlg.Conferma(m);
    std::setlocale(LC_NUMERIC, salvato.c_str());
    EXPECT_EQ(dlg.quote[0], "1.85");
    ASSERT_TRUE(e.has_value()) << (m.testi().empty() ? "" : m.testi().back());
    EXPECT_FLOAT_EQ(e->quote[0], 1.85f);
}

TEST(CaricamentoQuote, PaginaOFileEventiFuoriFormato) {
    // A page in another layout: the log says so, the other championships
    // still load.
    Ambiente a(Bookmaker::Betandwin, {});
    a.sito.pagine["/W/A.htm"] = "<html><body>Sito in manutenzione: Atalanta - Bologna 1,85</body></html>";
    RegistroInternet log;
    const EsitoCaricamento r = ScaricaQuote(*std::make_unique<HttpCurl>(), a.Parametri({Id("A"), Id("CH")}), log);
    EXPECT_NE(log.Testo().find("Nessuna data di incontro riconosciuta nella pagina di Serie A"), std::string::npos)
        << log.Testo();
    ASSERT_GT(r.scommesse.nEventi, 0) << log.Testo();
    for (int i = 0; i < r.scommesse.nEventi; ++i) EXPECT_EQ(r.scommesse.eventi[i].campionato, Id("CH"));

    // An events file damaged after its first event: reading stops there and
    // says where; what was read stays in the download's own manager.
    const fs::path file = a.tmp / "lavoro/EventiW.txt";
    ScriviTesto(file, "-2 " + std::to_string(Id("A")) + " 0 1 1.850000 3.200000 4.100000 0 0 0 29.12.2026-15:30\n"
                      "-2 0 2 3 1,85 3.2 4.1 0 0 0 30.12.2026-15:30\n");
    RegistroInternet log2;
    const EsitoCaricamento r2 = CaricaFileEventi(file, Bookmaker::Betandwin, a.Parametri({Id("A")}), log2);
    EXPECT_NE(log2.Testo().find("Risulta impossibile leggere i dati"), std::string::npos) << log2.Testo();
    EXPECT_NE(log2.Testo().find("riga 2"), std::string::npos) << log2.Testo();
    EXPECT_EQ(r2.trovati, 1);
}
