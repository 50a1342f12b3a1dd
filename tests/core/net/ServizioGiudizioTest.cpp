// The service judges the analyses it receives: on its own published data,
// with the program's engine, whatever precision they declare; it takes posts
// only with a club's key when it has keys, and within its limits when it has
// none; every post is one transaction of its SQLite store, whatever happens
// to the process, and the files of an older store are taken in once.
#include "EseguiCli.h"
#include "ServerProva.h"

#include "app/Avvio.h"
#include "app/CartellaDiLavoro.h"
#include "app/DatiGlobali.h"
#include "app/DatiSupporto.h"
#include "app/Salvataggio.h"
#include "dati/FileAtomico.h"
#include "engine/ValutazioneArchivio.h"
#include "net/AnalisiRete.h"
#include "net/HttpCurl.h"
#include "net/Internet.h"
#include "net/servizio/Servizio.h"
#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <random>

namespace veltra::test {
namespace {

namespace fs = std::filesystem;

// A working folder of the shipped data and a service folder published from
// it, made once; each test works on its own copy of the service folder.
struct Pubblicazione {
    CartellaTemporanea tmp;
    fs::path lavoro = tmp / "lavoro";
    fs::path servizio = tmp / "servizio";
    bool ok = false;
    Pubblicazione() {
        if (!PreparaCartellaDiLavoro(lavoro, fs::path(VELTRA_RESOURCES_DIR) / "dati")) return;
        const std::string comando = std::string(VELTRA_SERVIZIO_PATH) + " pubblica --da " +
                                    lavoro.string() + " --cartella " + servizio.string() +
                                    " >/dev/null 2>&1";
        ok = std::system(comando.c_str()) == 0;
    }
};

const Pubblicazione& Pubblicata() {
    static Pubblicazione p;
    return p;
}

fs::path CopiaServizio(const CartellaTemporanea& tmp) {
    const fs::path c = tmp / "servizio";
    fs::copy(Pubblicata().servizio, c, fs::copy_options::recursive);
    return c;
}

std::string Percento(float p) {
    char b[32];
    std::snprintf(b, sizeof b, "%.1f%%", static_cast<double>(p) * 100.0);
    return b;
}

// The real precision of `a` on the published data, as a client finds it.
float PrecisioneVera(DatiGlobali& dati, const AnalisiCampionato& a) {
    CAnalisi x = a.analisi;
    ValutaAnalisi(dati.campionato(a.campionato), x);
    return (x.precisione1 + x.precisioneX + x.precisione2) / 3;
}

AnalisiCampionato ConPrecisione(AnalisiCampionato a, float p) {
    a.analisi.precisione1 = a.analisi.precisioneX = a.analisi.precisione2 = p;
    a.analisi.datiUsati = 90;
    return a;
}

RispostaServizio Invia(Servizio& s, const std::string& corpo, std::string_view indirizzo = "10.0.0.1",
                       std::string_view autorizzazione = {}) {
    return s.Gestisci({"POST", kPercorsoInvio, corpo, indirizzo, autorizzazione});
}

std::string Proposta(const fs::path& servizio, CampionatoId c) {
    return LeggiTesto(servizio / kCartellaSquadre / NomeFileRicezione(c));
}

TEST(GiudizioServizio, LaPrecisioneDichiarataNonContaContaQuellaVera) {
    ASSERT_TRUE(Pubblicata().ok);
    CartellaTemporanea tmp;
    const fs::path cartella = CopiaServizio(tmp);
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiSilenziosi m;
    ASSERT_TRUE(CaricaAvvio(*dati, Pubblicata().lavoro, m));

    // In place: the club's current analysis of Serie A (published). A worse
    // one: the first of a few variants that fits these data less well.
    const AnalisiCampionato pubblicata{0, AnalisiCorrente(dati->campionato(0))};
    const float vera = PrecisioneVera(*dati, pubblicata);
    AnalisiCampionato peggiore = pubblicata;
    float peggio = vera;
    const int stagioni = dati->campionato(0).config.numeroStagioni();
    for (int k = 0; k < 6 && !(peggio < vera); ++k) {
        peggiore = pubblicata;
        if (k < 2) {
            peggiore.analisi.percentualiImportanza[0] = k == 0 ? 150 : 50;
            peggiore.analisi.percentualiImportanza[1] = k == 0 ? 50 : 150;
        } else {
            peggiore.analisi.punteggiAvanzati.campionatiInclusi = static_cast<std::int16_t>(k - 1);
        }
        if (VerificaAnalisi(peggiore, stagioni).empty()) peggio = PrecisioneVera(*dati, peggiore);
    }
    ASSERT_LT(peggio, vera);
    ASSERT_EQ(LeggiRispostaAnalisi(Proposta(cartella, 0), 0, 0).tipo, RispostaAnalisi::Analisi);
    AnalisiCampionato troppeStagioni = pubblicata;
    troppeStagioni.analisi.punteggiAvanzati.campionatiInclusi =
        static_cast<std::int16_t>(dati->campionato(0).config.numeroStagioni() + 1);

    OrologioDiSistema orologio;
    Servizio s(cartella, orologio);
    std::string perche;
    ASSERT_TRUE(s.Apri(&perche)) << perche;
    fs::remove(cartella / kCartellaAggiornamenti / NomeFileSquadrePubblicate(1));

    std::string duecento = CorpoInvio({ConPrecisione(pubblicata, 0.5f)}, "Io");
    for (const char* campo : {"&r1=", "&rx=", "&r2=", "&rm="}) {
        const auto i = duecento.find(campo);
        duecento.erase(i + 4, duecento.find('&', i + 1) - i - 4);
    }
    // The post of 316 %: r1=7.5, rx=1.0, r2=1.0, rm=9.9.
    const std::string trecentosedici = [&] {
        std::string t = duecento;
        t.insert(t.find("&r1=") + 4, "7.5");
        t.insert(t.find("&rx=") + 4, "1.0");
        t.insert(t.find("&r2=") + 4, "1.0");
        t.insert(t.find("&rm=") + 4, "9.9");
        return t;
    }();

    struct Caso {
        const char* nome;
        std::string corpo;
        std::function<void()> prima; // what is in place
        int stato;
        std::string riga;    // the reply's line (or its reason)
        bool cambiaProposta; // the proposed analysis is now the one sent
    };
    const std::vector<Caso> casi = {
        {"316 %", trecentosedici, {}, 422, "Analisi non accettate: analisi 1: precisione fuori da 0..1",
         false},
        {"migliore sulla carta, peggiore in verita'", CorpoInvio({ConPrecisione(peggiore, 0.99f)}, "Io"), {},
         200,
         "Analisi n. 1 (Serie A): accettata, non proposta: precisione " + Percento(peggio) + " contro " +
             Percento(vera) + " di quella proposta",
         false},
        {"peggiore sulla carta, migliore in verita'", CorpoInvio({ConPrecisione(pubblicata, 0.0f)}, "Io"),
         [&] { ScriviTesto(cartella / kCartellaSquadre / NomeFileRicezione(0), TestoProposta(peggiore, "x")); },
         200, "Analisi n. 1 (Serie A): accettata, ora proposta come migliore (precisione " + Percento(vera) + ")",
         true},
        {"piu' stagioni di quelle pubblicate", CorpoInvio({ConPrecisione(troppeStagioni, 0.5f)}, "Io"), {}, 422,
         "Analisi non accettate: analisi 1: campionati inclusi", false},
        {"campionato senza dati pubblicati", CorpoInvio({ConPrecisione(AnalisiCampionato{1, pubblicata.analisi}, 0.5f)}, "Io"),
         {}, 200,
         "Analisi n. 1 (Serie B): accettata, non valutata: il servizio non ha i dati pubblicati di questo campionato",
         false},
    };
    long conservate = 0;
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        if (c.prima) c.prima();
        const std::string primaA = Proposta(cartella, 0), primaB = Proposta(cartella, 1);
        const RispostaServizio r = Invia(s, c.corpo);
        EXPECT_EQ(r.stato, c.stato) << r.corpo;
        if (c.stato == 200) {
            ++conservate;
            EXPECT_EQ(r.corpo, "Analisi ricevute: 1\n" + c.riga + "\n");
        } else {
            EXPECT_EQ(r.corpo.rfind(c.riga, 0), 0u) << r.corpo;
        }
        EXPECT_EQ(s.archivio().Numero(), conservate);
        EXPECT_EQ(Proposta(cartella, 1), primaB);
        if (!c.cambiaProposta) {
            EXPECT_EQ(Proposta(cartella, 0), primaA);
            continue;
        }
        const RispostaAnalisi letta = LeggiRispostaAnalisi(Proposta(cartella, 0), 0, 0);
        ASSERT_EQ(letta.tipo, RispostaAnalisi::Analisi);
        EXPECT_TRUE(letta.proposta.analisi.StessiParametri(pubblicata.analisi));
        EXPECT_EQ(letta.titolo.rfind("Io_", 0), 0u);
    }
    // Stored with the precision found, and which became the proposed one.
    const auto tutte = s.archivio().Tutte();
    ASSERT_EQ(tutte.size(), 3u);
    ASSERT_TRUE(tutte[0].precisione.has_value());
    EXPECT_NEAR(*tutte[0].precisione, peggio, 1e-6);
    EXPECT_FALSE(tutte[0].proposta);
    EXPECT_TRUE(tutte[1].proposta);
    EXPECT_FALSE(tutte[2].precisione.has_value());
    EXPECT_EQ(tutte[1].indirizzo, "10.0.0.1");
    EXPECT_EQ(tutte[1].autore, "Io");
}

TEST(GiudizioServizio, ChiaviDelClub) {
    std::string perche;
    const auto chiavi = LeggiChiavi("# soci\n\nchiave-del-club-1\r\n  altra.chiave/22==  \n", &perche);
    ASSERT_TRUE(chiavi) << perche;
    EXPECT_EQ(*chiavi, (std::vector<std::string>{"chiave-del-club-1", "altra.chiave/22=="}));
    struct Male {
        const char* testo;
        const char* errore;
    };
    for (const Male& c : {Male{"buona-chiave-1\ncorta\n", "riga 2:"},
                          Male{"# niente\n\n", "nessuna chiave nel file"},
                          Male{"con spazio dentro\n", "riga 1:"}}) {
        perche.clear();
        EXPECT_FALSE(LeggiChiavi(c.testo, &perche));
        EXPECT_EQ(perche.rfind(c.errore, 0), 0u) << perche;
        EXPECT_EQ(perche.find("corta"), std::string::npos); // never the key itself
    }

    struct Caso {
        const char* autorizzazione;
        bool ammessa;
    };
    for (const Caso& c : {Caso{"", false}, Caso{"Bearer chiave-del-club-1", true},
                          Caso{"bearer altra.chiave/22==", true}, Caso{"Bearer  chiave-del-club-1 ", true},
                          Caso{"Bearer chiave-del-club-", false}, Caso{"Bearer chiave-del-club-12", false},
                          Caso{"Basic chiave-del-club-1", false}, Caso{"chiave-del-club-1", false},
                          Caso{"Bearer CHIAVE-DEL-CLUB-1", false}}) {
        SCOPED_TRACE(c.autorizzazione);
        EXPECT_EQ(ChiaveAmmessa(*chiavi, c.autorizzazione), c.ammessa);
    }

    // The service without a key: 401 with the reason; nothing stored.
    CartellaTemporanea tmp;
    OrologioDiSistema orologio;
    RegoleServizio regole;
    regole.chiavi = *chiavi;
    Servizio s(tmp.percorso(), orologio, regole);
    ASSERT_TRUE(s.Apri(&perche)) << perche;
    const std::string corpo = CorpoInvio({}, "Io");
    const RispostaServizio r = Invia(s, corpo, "10.0.0.1", "Bearer sbagliata-1");
    EXPECT_EQ(r.stato, 401);
    EXPECT_EQ(r.corpo.rfind("Analisi non accettate: chiave mancante o non valida", 0), 0u);
    EXPECT_EQ(Invia(s, corpo, "10.0.0.1", "Bearer chiave-del-club-1").stato, 200);
}

TEST(GiudizioServizio, SenzaChiaviApertoMaConLimiti) {
    CartellaTemporanea tmp;
    OrologioDiSistema orologio;
    RegoleServizio regole;
    regole.inviiPerMinuto = 3;
    regole.massimoAnalisi = 2;
    Servizio s(tmp.percorso(), orologio, regole);
    std::string perche;
    ASSERT_TRUE(s.Apri(&perche)) << perche;
    AnalisiCampionato a{5, CAnalisi{}};
    const std::string una = CorpoInvio({a}, "Io"), tre = CorpoInvio({a, a, a}, "Io");

    struct Caso {
        const char* nome;
        const std::string& corpo;
        const char* indirizzo;
        int stato;
        long conservate;
    };
    for (const Caso& c : {Caso{"prima", una, "10.0.0.1", 200, 1},
                          Caso{"oltre il totale: nessuna delle tre", tre, "10.0.0.1", 507, 1},
                          Caso{"terza", una, "10.0.0.1", 200, 2},
                          Caso{"quarta in un minuto", una, "10.0.0.1", 429, 2},
                          Caso{"da un altro indirizzo, archivio pieno", una, "10.0.0.2", 507, 2}}) {
        SCOPED_TRACE(c.nome);
        const RispostaServizio r = Invia(s, c.corpo, c.indirizzo);
        EXPECT_EQ(r.stato, c.stato) << r.corpo;
        EXPECT_EQ(s.archivio().Numero(), c.conservate);
        if (r.stato == 429) {
            ASSERT_EQ(r.intestazioni.size(), 1u);
            EXPECT_EQ(r.intestazioni[0].first, "Retry-After");
            EXPECT_NE(r.corpo.find("troppi invii da questo indirizzo"), std::string::npos);
        }
    }
    // Too large: refused before anything is read.
    EXPECT_EQ(Invia(s, std::string(kMaxCorpoInvio + 1, 'a'), "10.0.0.3").stato, 413);
}

TEST(GiudizioServizio, IlVecchioArchivioAFileSiPrendeUnaVoltaSola) {
    CartellaTemporanea tmp;
    const fs::path vecchia = tmp / "ricevute";
    fs::create_directories(vecchia);
    const AnalisiCampionato a{7, CAnalisi{}};
    ScriviTesto(vecchia / "20240102-030405-1-FR.txt", "autore Mario Rossi\n" + RigaProvaLocale(a));
    ScriviTesto(vecchia / "20240102-030406-2-FR.txt", "autore Anna\n" + RigaProvaLocale(a));
    ScriviTesto(vecchia / "migliore FR.txt", "0.450000\n");
    ScriviTesto(vecchia / "appunti.txt", "non un'analisi\n");
    OrologioDiSistema orologio;
    {
        Servizio s(tmp.percorso(), orologio);
        std::string perche;
        ASSERT_TRUE(s.Apri(&perche)) << perche;
        EXPECT_EQ(s.archivio().importate(), 2);
        const auto tutte = s.archivio().Tutte();
        ASSERT_EQ(tutte.size(), 2u);
        EXPECT_EQ(tutte[0].autore, "Mario Rossi");
        EXPECT_EQ(tutte[0].ricevuta, "2024-01-02 03:04:05");
        EXPECT_EQ(tutte[0].campionato, 7);
        EXPECT_EQ("-2 " + tutte[0].campi + "\n", RigaProvaLocale(a));
    }
    // Nothing lost: the old files are kept aside, whole.
    EXPECT_FALSE(fs::exists(vecchia));
    EXPECT_EQ(LeggiTesto(tmp / kCartellaRicevuteImportate / "appunti.txt"), "non un'analisi\n");
    // A folder that came back (a copy restored by hand) is not taken twice.
    fs::copy(tmp / kCartellaRicevuteImportate, vecchia);
    Servizio s(tmp.percorso(), orologio);
    std::string perche;
    ASSERT_TRUE(s.Apri(&perche)) << perche;
    EXPECT_EQ(s.archivio().importate(), 0);
    EXPECT_EQ(s.archivio().Numero(), 2);
}

// Whether the store is whole, and how many analyses it holds.
std::pair<bool, long> ControllaArchivio(const fs::path& cartella) {
    sqlite3* db = nullptr;
    std::pair<bool, long> r{false, -1};
    if (sqlite3_open_v2((cartella / kFileArchivioRicevute).c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &s, nullptr);
        r.first = sqlite3_step(s) == SQLITE_ROW &&
                  std::string(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))) == "ok";
        sqlite3_finalize(s);
        sqlite3_prepare_v2(db, "SELECT COUNT(*) FROM analisi", -1, &s, nullptr);
        if (sqlite3_step(s) == SQLITE_ROW) r.second = sqlite3_column_int64(s, 0);
        sqlite3_finalize(s);
    }
    sqlite3_close(db);
    return r;
}

RispostaHttp Posta(const std::string& base, const std::string& corpo, const std::string& chiave = {}) {
    HttpCurl http;
    OpzioniSessione o;
    o.secondiConnessione = 10;
    o.secondiStallo = 60;
    auto sessione = http.ApriSessione(o);
    std::string intestazioni = kIntestazioniAnalisi;
    if (!chiave.empty()) intestazioni += IntestazioneChiave(chiave);
    return InviaDati(*sessione, base + kPercorsoInvio, intestazioni, corpo);
}

TEST(GiudizioServizio, CinquantaInviiInsiemeTuttiConservati) {
    ASSERT_TRUE(Pubblicata().ok);
    CartellaTemporanea tmp;
    const fs::path cartella = CopiaServizio(tmp);
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiSilenziosi m;
    ASSERT_TRUE(CaricaAvvio(*dati, Pubblicata().lavoro, m));
    ProcessoServizio server(cartella, {"--invii-al-minuto", "0"});
    // Each poster sends an analysis of its own championship.
    std::vector<std::thread> thread;
    std::vector<RispostaHttp> risposte(50);
    for (int k = 0; k < 50; ++k) {
        const CampionatoId c = k % kNumeroCampionati;
        const std::string corpo =
            CorpoInvio({ConPrecisione({c, AnalisiCorrente(dati->campionato(c))}, 0.5f)}, "P" + std::to_string(k));
        thread.emplace_back([&, k, corpo] { risposte[static_cast<std::size_t>(k)] = Posta(server.Base(), corpo); });
    }
    for (auto& t : thread) t.join();
    for (const RispostaHttp& r : risposte) {
        EXPECT_TRUE(r.ok()) << DescriviErrore(r);
        EXPECT_EQ(r.stato, 200) << r.corpo;
        EXPECT_EQ(r.corpo.rfind("Analisi ricevute: 1\nAnalisi n. 1 (", 0), 0u) << r.corpo;
    }
    const auto [integro, numero] = ControllaArchivio(cartella);
    EXPECT_TRUE(integro);
    EXPECT_EQ(numero, 50);
    for (int c = 0; c < kNumeroCampionati; ++c)
        EXPECT_NE(LeggiRispostaAnalisi(Proposta(cartella, c), c, 0).tipo, RispostaAnalisi::NonValida)
            << Campionato(c).nome;
}

TEST(GiudizioServizio, UccisoDuranteUnInvioLArchivioRestaIntero) {
    ASSERT_TRUE(Pubblicata().ok);
    CartellaTemporanea tmp;
    const fs::path cartella = CopiaServizio(tmp);
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiSilenziosi m;
    ASSERT_TRUE(CaricaAvvio(*dati, Pubblicata().lavoro, m));
    // A post long enough to be cut: many analyses of Serie A, each judged.
    std::vector<AnalisiCampionato> molte;
    for (int k = 0; k < 120; ++k) {
        AnalisiCampionato a{0, AnalisiCorrente(dati->campionato(0))};
        a.analisi.percentualiImportanza[0] = static_cast<std::int16_t>(50 + k % 100);
        a.analisi.percentualiImportanza[1] = static_cast<std::int16_t>(200 - a.analisi.percentualiImportanza[0]);
        a.analisi.giornateAnalisi = 2;
        a.analisi.percentualiImportanza[2] = a.analisi.percentualiImportanza[3] =
            a.analisi.percentualiImportanza[4] = 0;
        molte.push_back(ConPrecisione(a, 0.1f));
    }
    const std::string corpo = CorpoInvio(molte, "Lungo");
    std::mt19937 caso(31);
    for (int giro = 0; giro < 6; ++giro) {
        SCOPED_TRACE(giro);
        ProcessoServizio server(cartella, {"--invii-al-minuto", "0"});
        std::thread posta([&] { Posta(server.Base(), corpo); });
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + caso() % 400));
        server.Uccidi();
        posta.join();
        const auto [integro, numero] = ControllaArchivio(cartella);
        EXPECT_TRUE(integro);
        EXPECT_EQ(numero % static_cast<long>(molte.size()), 0) << numero; // a post, all or nothing
        EXPECT_EQ(LeggiRispostaAnalisi(Proposta(cartella, 0), 0, 0).tipo, RispostaAnalisi::Analisi);
    }
    // Started again, it serves and stores as before; no temporary file is left.
    ProcessoServizio server(cartella, {"--invii-al-minuto", "0"});
    const long prima = ControllaArchivio(cartella).second;
    const RispostaHttp r = Posta(server.Base(), CorpoInvio({molte[0]}, "Dopo"));
    EXPECT_EQ(r.stato, 200) << r.corpo;
    EXPECT_EQ(ControllaArchivio(cartella).second, prima + 1);
    for (const auto& f : fs::directory_iterator(cartella / kCartellaSquadre))
        EXPECT_FALSE(NomeTemporaneo(f.path().filename().string())) << f.path();
}

TEST(GiudizioServizio, LaChiaveSiScriveUnaVoltaENonFinisceNelRegistro) {
    CartellaTemporanea tmp;
    const fs::path mia = tmp / "mia";
    ASSERT_TRUE(PreparaCartellaDiLavoro(mia, fs::path(VELTRA_RESOURCES_DIR) / "dati"));
    {
        auto dati = std::make_unique<DatiGlobali>();
        MessaggiSilenziosi m;
        ASSERT_TRUE(CaricaAvvio(*dati, mia, m));
        CCampionato& a = dati->campionato(0);
        CAnalisi x = AnalisiCorrente(a);
        ValutaAnalisi(a, x);
        ASSERT_EQ(InserisciAnalisi(a.archivio, x, "Da inviare", nullptr), 1);
        ASSERT_TRUE(SalvaDati(*dati, mia, m));
    }
    fs::create_directories(tmp / "servizio");
    ScriviTesto(tmp / "chiavi.txt", "# soci del club\nsegreto-del-club-2024\n");
    ProcessoServizio server(tmp / "servizio", {"--chiavi", (tmp / "chiavi.txt").string()},
                            tmp / "registro.txt");
    const std::string base = "scambia-analisi --cartella " + mia.string() + " --indirizzo " + server.Base();

    const Uscita senza = EseguiCli(base + " --invia A:1");
    EXPECT_EQ(senza.codice, 4) << senza.testo << senza.errori;
    EXPECT_NE(senza.errori.find("(risposta 401)"), std::string::npos) << senza.errori;
    EXPECT_NE(senza.errori.find("chiave mancante o non valida"), std::string::npos) << senza.errori;

    const Uscita male = EseguiCli(base + " --chiave corta");
    EXPECT_EQ(male.codice, 2) << male.errori;
    EXPECT_EQ(male.errori.find("corta"), std::string::npos) << male.errori;

    const Uscita salvata = EseguiCli(base + " --chiave segreto-del-club-2024");
    EXPECT_EQ(salvata.codice, 0) << salvata.errori;
    EXPECT_EQ(salvata.testo, "chiave=salvata\n");
    EXPECT_EQ(salvata.errori.find("segreto"), std::string::npos);
    // Typed once: the next exchanges send it.
    const Uscita con = EseguiCli(base + " --invia A:1");
    EXPECT_EQ(con.codice, 0) << con.testo << con.errori;
    EXPECT_NE(con.testo.find("risposta=Analisi_n._1_(Serie_A):_accettata"), std::string::npos) << con.testo;
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiSilenziosi m;
    ASSERT_TRUE(CaricaAvvio(*dati, mia, m));
    EXPECT_EQ(LeggiImpostazione(*dati, "AU"), "segreto-del-club-2024");

    EXPECT_EQ(EseguiCli(base + " --chiave -").testo, "chiave=tolta\n");
    EXPECT_EQ(EseguiCli(base + " --invia A:1").codice, 4);

    server.FermaCon(SIGTERM, std::chrono::seconds(10));
    const std::string registro = LeggiTesto(tmp / "registro.txt");
    EXPECT_NE(registro.find("POST /cgi-bin/AnalisiInvio7040.pl -> 401"), std::string::npos) << registro;
    EXPECT_NE(registro.find("POST /cgi-bin/AnalisiInvio7040.pl -> 200"), std::string::npos) << registro;
    EXPECT_EQ(registro.find("segreto"), std::string::npos) << registro;
}

} // namespace
} // namespace veltra::test
