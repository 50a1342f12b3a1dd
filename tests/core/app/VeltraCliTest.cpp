// veltra-cli run as a program: output format, exit codes.
#include "dati/GeneratoreStagioni.h"
#include "dati/FileDati.h"
#include "app/ArchivioConfigurazione.h"
#include "dati/Campionati.h"
#include "app/Salvataggio.h"
#include "platform/Messaggi.h"

#include "EseguiCli.h"
#include "Supporto.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <set>
#include <cstdio>
#include <sstream>
#include <sys/wait.h>

using namespace veltra;
using namespace veltra::test;

namespace {

class CartellaGenerata : public ::testing::Test {
protected:
    void SetUp() override {
        auto dati = std::make_unique<DatiGlobali>();
        OpzioniGenerazione o;
        o.stagioni = 7;
        o.squadre = 18;
        o.ultimaIncompleta = true;
        ASSERT_EQ(GeneraStagioni(dati->campionato(8), o), 0);
        ASSERT_TRUE(SalvaFileCampionati(*dati, dir.percorso()));
    }
    std::string cartella() const { return "--cartella " + dir.percorso().string(); }
    CartellaTemporanea dir;
};

} // namespace

TEST_F(CartellaGenerata, StimeGrezzeNelFormatoFisso) {
    const Uscita u = EseguiCli("stime " + cartella() + " --campionato GE --grezzo");
    ASSERT_EQ(u.codice, 0) << u.errori;
    const auto r = Righe(u.testo);
    ASSERT_EQ(r.size(), 7u + 18u * 17u);
    EXPECT_EQ(r[0], "stato OK");
    const std::string prefissi[] = {"precisione ", "datiUsati ", "coefficienti1 ", "coefficientiX ",
                                    "coefficienti2 ", "messaggioStato Germania. Precisione Analisi Corrente: "};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(r[1 + i].rfind(prefissi[i], 0), 0u) << r[1 + i];
    // Four numbers after "precisione", the mean of the first three.
    float p1, px, p2, media;
    ASSERT_EQ(std::sscanf(r[1].c_str(), "precisione %f %f %f %f", &p1, &px, &p2, &media), 4);
    EXPECT_EQ(media, (p1 + px + p2) / 3.0f);
    EXPECT_EQ(r[7].rfind("stima 0 1 ", 0), 0u);
    EXPECT_EQ(r.back().rfind("stima 17 16 ", 0), 0u);
    // The same estimates by code or by id, and "%.9g" gives back every float exactly.
    EXPECT_EQ(EseguiCli("stime " + cartella() + " --campionato 8 --grezzo").testo, u.testo);
}

TEST_F(CartellaGenerata, ImpostazioniEFiltroCambianoLeStime) {
    const Uscita base = EseguiCli("stime " + cartella() + " --campionato GE --grezzo");
    const Uscita altre =
        EseguiCli("stime " + cartella() +
               " --campionato GE --grezzo --imposta giornateAnalisi=3 --imposta "
               "percentualiImportanza=120,100,80,0,0 --imposta limiteMinCasa=-5 --imposta "
               "limiteMinTrasferta=-2 --imposta limiteMaxTrasferta=2 --imposta separaCasaTrasferta=1");
    ASSERT_EQ(altre.codice, 0) << altre.errori;
    EXPECT_NE(altre.testo, base.testo);
    const Uscita filtro = EseguiCli("stime " + cartella() + " --campionato GE --grezzo --filtro 400:2");
    ASSERT_EQ(filtro.codice, 0) << filtro.errori;
    EXPECT_NE(filtro.testo, base.testo);
    const Uscita fallita =
        EseguiCli("stime " + cartella() + " --campionato GE --grezzo --imposta limiteMaxCasa=-1");
    EXPECT_EQ(fallita.codice, 0);
    EXPECT_EQ(fallita.testo, "stato FALLITO\n");
}

TEST_F(CartellaGenerata, ErroriDUsoEDiCaricamento) {
    const std::string casi[] = {
        "stime " + cartella(),                                         // no championship
        "stime " + cartella() + " --campionato ZZ",                    // unknown championship
        "stime " + cartella() + " --campionato A --imposta punti=1,2", // 18 values wanted
        "stime " + cartella() + " --campionato A --imposta nessuno=1",
        "stime " + cartella() + " --campionato A --imposta giornateAnalisi=9",
        "stime " + cartella() + " --campionato A --filtro 5",
        "stime " + cartella() + " --campionato A --boh",
        "stime --cartella /dev/null/non/creabile --campionato A",
        "volare",
    };
    for (const auto& c : casi) {
        const Uscita u = EseguiCli(c);
        EXPECT_EQ(u.codice, 2) << c;
        EXPECT_EQ(Righe(u.errori).size(), 1u) << c << ": " << u.errori;
    }
    ScriviTesto(dir / "giornatGE.VLT", "");
    ScriviTesto(dir / "giornaGE.VLT", "5 -1 -1 0 ");
    const Uscita u = EseguiCli("stime " + cartella() + " --campionato GE");
    EXPECT_EQ(u.codice, 1);
    EXPECT_NE(u.errori.find("File corrotti!"), std::string::npos) << u.errori;
}

TEST_F(CartellaGenerata, StimeConIParametriDellaCartella) {
    // The same folder with a configuration archive whose Germany analysis
    // differs from the defaults: stime uses it, and --imposta still wins.
    CartellaTemporanea completa;
    auto dati = std::make_unique<DatiGlobali>();
    ASSERT_TRUE(CaricaFileCampionati(*dati, dir.percorso()));
    CCampionato& ge = dati->campionato(8);
    ge.config.giornateAnalisi = 3;
    ge.limiteMinCasa = -5;
    ge.limiteMinTrasferta = -2;
    ge.limiteMaxTrasferta = 2;
    MessaggiSilenziosi m;
    ASSERT_TRUE(SalvaDati(*dati, completa.percorso(), m));
    const std::string cartella2 = "--cartella " + completa.percorso().string();
    const Uscita propria = EseguiCli("stime " + cartella2 + " --campionato GE --grezzo");
    const Uscita imposta = EseguiCli("stime " + cartella() +
                                  " --campionato GE --grezzo --imposta giornateAnalisi=3 --imposta "
                                  "limiteMinCasa=-5 --imposta limiteMinTrasferta=-2 --imposta "
                                  "limiteMaxTrasferta=2");
    ASSERT_EQ(propria.codice, 0) << propria.errori;
    EXPECT_EQ(propria.testo, imposta.testo);
    const Uscita sovrascritta =
        EseguiCli("stime " + cartella2 + " --campionato GE --grezzo --imposta giornateAnalisi=2 "
               "--imposta limiteMinCasa=-1 --imposta limiteMinTrasferta=-1 --imposta limiteMaxTrasferta=0");
    EXPECT_EQ(sovrascritta.testo, EseguiCli("stime " + cartella() + " --campionato GE --grezzo").testo);
}

TEST_F(CartellaGenerata, VerificaRiportaESalvaUgualeAlByte) {
    CartellaTemporanea completa;
    auto dati = std::make_unique<DatiGlobali>();
    ASSERT_TRUE(CaricaFileCampionati(*dati, dir.percorso()));
    OpzioniGenerazione o;
    o.stagioni = 3;
    ASSERT_EQ(GeneraStagioni(dati->campionato(0), o), 0);
    MessaggiSilenziosi m;
    ASSERT_TRUE(SalvaDati(*dati, completa.percorso(), m));
    const std::string cartella2 = "--cartella " + completa.percorso().string();
    const std::string cfg = LeggiTesto(completa / "Cfg.VLT");
    const std::string giornate = LeggiTesto(completa / "giornaGE.VLT");

    const Uscita u = EseguiCli("verifica " + cartella2);
    ASSERT_EQ(u.codice, 0) << u.errori;
    EXPECT_NE(u.testo.find("Germania     stagioni   7  voci  "), std::string::npos) << u.testo;
    EXPECT_NE(u.testo.find("\nSerie A. Precisione Analisi Corrente: "), std::string::npos);
    EXPECT_NE(u.testo.find("strategie 0 (versione 2)"), std::string::npos);

    const Uscita s = EseguiCli("verifica " + cartella2 + " --salva");
    ASSERT_EQ(s.codice, 0) << s.errori;
    EXPECT_EQ(LeggiTesto(completa / "Cfg.VLT"), cfg);
    EXPECT_EQ(LeggiTesto(completa / "Cfg.OLD"), cfg);
    EXPECT_EQ(LeggiTesto(completa / "giornaGE.VLT"), giornate);

    // A damaged folder: the program's message, exit 1, nothing written.
    ScriviTesto(completa / "Cfg.VLT", cfg.substr(0, 100));
    const Uscita rotta = EseguiCli("verifica " + cartella2 + " --salva");
    EXPECT_EQ(rotta.codice, 1);
    // The program's message, then which file and why.
    EXPECT_EQ(rotta.errori, "Errore nell'inizializzazione. File corrotti!\n"
                            "veltra-cli: Cfg.VLT: archivio troncato (byte 99)\n");
    EXPECT_EQ(LeggiTesto(completa / "Cfg.VLT"), cfg.substr(0, 100));
}

// The shipped Serie A ends with 2026-27, two matchdays in: the estimates are
// for its clubs, every pair of them once (most of them still short of the
// matches the engine reads, and said so).
TEST(VeltraCliDatiPredefiniti, StimeSullaSerieAPerLeSquadreDelleUltimaStagione) {
    CartellaTemporanea dir;
    for (const auto& f : std::filesystem::directory_iterator(VELTRA_RESOURCES_DIR "/dati"))
        if (f.path().extension() == ".VLT")
            std::filesystem::copy_file(f.path(), dir / f.path().filename().string());
    const Uscita u = EseguiCli("stime --cartella " + dir.percorso().string() + " --campionato A");
    ASSERT_EQ(u.codice, 0) << u.errori;
    const std::set<std::string> serieA2026 = {
        "Atalanta", "Bologna",  "Cagliari", "Como",   "Fiorentina", "Frosinone", "Genoa",
        "Inter",    "Juventus", "Lazio",    "Lecce",  "Milan",      "Monza",     "Napoli",
        "Parma",    "Roma",     "Sassuolo", "Torino", "Udinese",    "Venezia"};
    std::set<std::string> casa, trasferta;
    int righe = 0, stimate = 0;
    for (const auto& r : Righe(u.testo)) {
        char a[32], b[32];
        if (std::sscanf(r.c_str(), "%31s - %31s", a, b) != 2 || r.rfind("Serie A", 0) == 0 ||
            r.rfind("Casa ", 0) == 0)
            continue;
        casa.insert(a);
        trasferta.insert(b);
        ++righe;
        stimate += r.find('%') != std::string::npos;
        EXPECT_TRUE(r.find('%') != std::string::npos ||
                    r.find("(dati insufficienti)") != std::string::npos)
            << r;
    }
    EXPECT_EQ(casa, serieA2026);
    EXPECT_EQ(trasferta, serieA2026);
    EXPECT_EQ(righe, 20 * 19);
    EXPECT_GE(stimate, 1);
}

// A working folder filled with the shipped data at its first start.
TEST(VeltraCliRicerca, StampaDieciAnalisiESalva) {
    CartellaTemporanea dir;
    const std::string nuova = (dir / "lavoro").string();
    ASSERT_EQ(EseguiCli("verifica --cartella " + nuova).codice, 0);
    const std::string cartella = "--cartella " + nuova;
    const Uscita u = EseguiCli("ricerca " + cartella +
                            " --campionato GE --tipo percentuali --passo 5 --thread 2 --salva");
    ASSERT_EQ(u.codice, 0) << u.errori;
    const auto r = Righe(u.testo);
    // Only the analyses found (at most ten), each with its percentages, then
    // the count.
    ASSERT_GE(r.size(), 2u) << u.testo;
    ASSERT_LE(r.size(), 11u) << u.testo;
    for (std::size_t i = 0; i + 1 < r.size(); ++i) {
        EXPECT_EQ(r[i].rfind("posizione=" + std::to_string(i + 1) + " precisione=", 0), 0u) << r[i];
        EXPECT_NE(r[i].find(" giornate=2 percentuali="), std::string::npos) << r[i];
        EXPECT_EQ(r[i].find("percentuali=0,"), std::string::npos) << r[i];
        EXPECT_NE(r[i].find(" limiti=-1,0,-1,0"), std::string::npos) << r[i];
    }
    EXPECT_EQ(r.back().rfind("candidati=21 secondi=", 0), 0u);
    // The same search with one thread prints the same analyses.
    const Uscita uno = EseguiCli("ricerca " + cartella +
                              " --campionato GE --tipo percentuali --passo 5 --thread 1");
    const auto r1 = Righe(uno.testo);
    ASSERT_EQ(r1.size(), r.size());
    for (std::size_t i = 0; i + 1 < r.size(); ++i) EXPECT_EQ(r1[i], r[i]);
    // Saved: the folder's configuration now holds the search.
    auto dati = std::make_unique<DatiGlobali>();
    ASSERT_TRUE(CaricaConfigurazione(nuova, *dati));
    const CDumpRicerca& d = dati->campionato(CercaCampionato("GE").value()).ricerca;
    EXPECT_EQ(d.tipo, CDumpRicerca::kPercentuali);
    EXPECT_EQ(d.passo, 5);
    EXPECT_EQ(d.giornate, 2);
    EXPECT_EQ(EseguiCli("ricerca " + cartella + " --campionato GE --tipo avanzati --passo 2").codice, 2);
    // Nothing better (Portugal's shipped analysis with step 7): said, exit 1,
    // and the saved search stays.
    const std::string cfg = LeggiTesto(std::filesystem::path(nuova) / "Cfg.VLT");
    const Uscita niente = EseguiCli("ricerca " + cartella +
                                    " --campionato PO --tipo percentuali --passo 7 --thread 2 --salva");
    EXPECT_EQ(niente.codice, 1);
    EXPECT_EQ(Righe(niente.testo).size(), 1u) << niente.testo;
    EXPECT_EQ(niente.errori,
              "veltra-cli: Nessuna analisi migliore di quella corrente e' stata trovata.\n");
    EXPECT_EQ(LeggiTesto(std::filesystem::path(nuova) / "Cfg.VLT"), cfg);
}

// The advanced search keeps only analyses that use the minimum of the data:
// from a start below it the terminal says why, offers the limits that reach
// it, and exits with 1 without an empty list.
TEST(VeltraCliRicerca, AvanzataSottoLUtilizzoMinimo) {
    CartellaTemporanea dir;
    const std::string nuova = (dir / "lavoro").string();
    ASSERT_EQ(EseguiCli("verifica --cartella " + nuova).codice, 0);
    const std::string ricerca = "ricerca --cartella " + nuova + " --campionato GE --tipo avanzati --thread 2";
    const Uscita a = EseguiCli(ricerca + " --utilizzo-minimo 60");
    EXPECT_EQ(a.codice, 1);
    EXPECT_EQ(a.testo, "");
    const auto righe = Righe(a.errori);
    ASSERT_EQ(righe.size(), 2u) << a.errori;
    EXPECT_EQ(righe[0].rfind("veltra-cli: L'analisi di partenza usa il ", 0), 0u) << righe[0];
    EXPECT_NE(righe[0].find("meno dell'Utilizzo Minimo della Base Dati (60%)"), std::string::npos);
    const auto imposta = righe[1].find("--imposta limiteMinCasa=");
    ASSERT_NE(imposta, std::string::npos) << righe[1];

    // The offered limits are accepted by --imposta and do reach the minimum.
    const Uscita b = EseguiCli("stime --cartella " + nuova + " --campionato GE --modello motore --grezzo " +
                               righe[1].substr(imposta));
    ASSERT_EQ(b.codice, 0) << b.errori;
    const auto rb = Righe(b.testo);
    ASSERT_GE(rb.size(), 3u);
    float usati = 0;
    ASSERT_EQ(std::sscanf(rb[2].c_str(), "datiUsati %f", &usati), 1) << rb[2];
    EXPECT_GE(usati, 60.0f);
}

namespace {

// Lines "Casa - Trasferta  p1% pX% p2%" of a `stime` table, and those the model could not estimate.
std::pair<int, int> RigheStime(const std::string& testo) {
    int stimate = 0, mancanti = 0;
    for (const auto& r : Righe(testo)) {
        if (r.find(" - ") == std::string::npos || r.rfind("Casa ", 0) == 0) continue;
        if (r.find("(dati insufficienti)") != std::string::npos)
            ++mancanti;
        else if (r.find('%') != std::string::npos && r.find("Stime: ") == std::string::npos &&
                 r.find("Precisione Analisi") == std::string::npos)
            ++stimate;
    }
    return {stimate, mancanti};
}

} // namespace

// A new folder uses the rating model: Spain, whose newest season has its
// clubs and (at most) its first matches, gets every pair.
TEST(VeltraCliDatiPredefiniti, StimeDiUnaCartellaNuovaColModelloRating) {
    CartellaTemporanea dir;
    const std::string cartella = "--cartella " + (dir / "lavoro").string();
    const Uscita u = EseguiCli("stime " + cartella + " --campionato SP");
    ASSERT_EQ(u.codice, 0) << u.errori;
    EXPECT_EQ(Righe(u.testo).front(), "Spagna. Stime: modello rating");
    EXPECT_EQ(RigheStime(u.testo), std::make_pair(20 * 19, 0));
}

// A season that has just begun: the engine says why it cannot and points to
// the rating model, which estimates every pair from the seasons before.
TEST(VeltraCliStagioneNuova, IlMotoreRimandaAlModelloRating) {
    CartellaTemporanea dir;
    {
        auto dati = std::make_unique<DatiGlobali>();
        OpzioniGenerazione o;
        o.stagioni = 4;
        o.squadre = 18;
        ASSERT_EQ(GeneraStagioni(dati->campionato(8), o), 0);
        auto& c = dati->campionato(8);
        ASSERT_EQ(AggiungiStagione(c, c.config.stagioni.back().nomi), 0); // no match yet
        ASSERT_TRUE(SalvaFileCampionati(*dati, dir.percorso()));
    }
    const std::string cartella = "--cartella " + dir.percorso().string();
    for (const std::string modello : {"", " --modello motore"}) {
        const Uscita u = EseguiCli("stime " + cartella + " --campionato GE" + modello);
        ASSERT_EQ(u.codice, 0) << u.errori;
        // Either no fit at all or a table of "(dati insufficienti)": never an estimate.
        EXPECT_EQ(RigheStime(u.testo).first, 0) << u.testo;
        EXPECT_NE(u.testo.find("(veltra-cli stime --modello rating)"), std::string::npos) << u.testo;
    }
    const Uscita r = EseguiCli("stime " + cartella + " --campionato GE --modello rating");
    ASSERT_EQ(r.codice, 0) << r.errori;
    EXPECT_EQ(RigheStime(r.testo), std::make_pair(18 * 17, 0));
    const Uscita g = EseguiCli("stime " + cartella + " --campionato GE --modello rating --grezzo");
    const auto righe = Righe(g.testo);
    ASSERT_EQ(righe.size(), 2u + 18u * 17u);
    EXPECT_EQ(righe[1], "modello rating");
    EXPECT_EQ(EseguiCli("stime " + cartella + " --campionato GE --modello altro").codice, 2);
}

// valuta over every championship: one line each, then the count.
TEST(VeltraCliStagioneNuova, ValutaTuttiUnaRigaPerCampionato) {
    CartellaTemporanea dir;
    {
        auto dati = std::make_unique<DatiGlobali>();
        OpzioniGenerazione o;
        o.stagioni = 4;
        o.squadre = 10;
        ASSERT_EQ(GeneraStagioni(dati->campionato(8), o), 0);
        ASSERT_EQ(GeneraStagioni(dati->campionato(9), o), 0);
        ASSERT_TRUE(SalvaFileCampionati(*dati, dir.percorso()));
    }
    const Uscita u = EseguiCli("valuta --cartella " + dir.percorso().string() +
                               " --campionato tutti --dal 1900 --al 2100 --modello migliore");
    ASSERT_EQ(u.codice, 0) << u.errori;
    const auto righe = Righe(u.testo);
    ASSERT_EQ(righe.size(), 3u) << u.testo;
    EXPECT_EQ(righe[0].rfind("campionato=GE stagioni=", 0), 0u) << righe[0];
    EXPECT_EQ(righe[1].rfind("campionato=IN stagioni=", 0), 0u) << righe[1];
    for (int i = 0; i < 2; ++i) {
        EXPECT_NE(righe[static_cast<std::size_t>(i)].find(" rps_modello=0."), std::string::npos) << righe[i];
        EXPECT_NE(righe[static_cast<std::size_t>(i)].find(" pendenza_modello="), std::string::npos);
    }
    EXPECT_EQ(righe[2], "campionati=2 modello=rating");
}
