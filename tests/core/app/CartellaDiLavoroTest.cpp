#include "app/CartellaDiLavoro.h"

#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "dati/ModelliStime.h"
#include "engine/rating/ModelloProbabilita.h"
#include "betting/ArchivioSettimane.h"
#include "betting/ScommessaMgr.h"
#include "dati/FileAtomico.h"

#include "doppi/MessaggiRegistrati.h"
#include "Supporto.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <sys/stat.h>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

using namespace veltra;
using namespace veltra::test;

namespace {
const std::filesystem::path kDatiPredefiniti = std::filesystem::path(VELTRA_RESOURCES_DIR) / "dati";
}

TEST(CartellaDiLavoro, PrimoAvvioCopiaIDatiPredefinitiEPoiNonToccaNulla) {
    CartellaTemporanea tmp;
    const auto cartella = tmp / "nuova" / "veltra";
    ASSERT_TRUE(PreparaCartellaDiLavoro(cartella, kDatiPredefiniti));
    for (const auto& d : kCampionati)
        for (auto nome : {d.fileSquadre, d.fileIncontri})
            EXPECT_EQ(LeggiTesto(cartella / std::string(nome)),
                      LeggiTesto(kDatiPredefiniti / std::string(nome)))
                << nome;
    // The calendars of the current seasons come along.
    int calendari = 0;
    for (const auto& f : std::filesystem::directory_iterator(kDatiPredefiniti))
        if (f.path().filename().string().rfind("Calendario-", 0) == 0) {
            ++calendari;
            EXPECT_EQ(LeggiTesto(cartella / f.path().filename()), LeggiTesto(f.path()))
                << f.path().filename();
        }
    EXPECT_GT(calendari, 0);
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiRegistrati msg;
    ASSERT_TRUE(CaricaAvvio(*dati, cartella, msg)) << testing::PrintToString(msg.testi());
    EXPECT_TRUE(msg.mostrati.empty());
    EXPECT_GT(dati->campionato(0).config.numeroStagioni(), 40);
    EXPECT_FALSE(dati->campionato(0).calendario.vuoto());
    EXPECT_EQ(dati->campionato(0).config.giornateAnalisi, 2);
    EXPECT_EQ(dati->datiModificati, 0);
    const auto stato = StimeAvvio(*dati, msg);
    ASSERT_TRUE(stato);
    // A new folder gives every championship the rating model; a folder
    // without that file (made before) keeps the engine.
    for (int c = 0; c < kNumeroCampionati; ++c) EXPECT_EQ(ModelloInUso(*dati, c), ModelloStime::Rating) << c;
    {
        CartellaTemporanea vecchia;
        for (const auto& f : std::filesystem::directory_iterator(cartella))
            if (f.path().filename() != kFileModelliStime && f.is_regular_file())
                std::filesystem::copy_file(f.path(), vecchia / f.path().filename().string());
        auto vecchi = std::make_unique<DatiGlobali>();
        ASSERT_TRUE(CaricaAvvio(*vecchi, vecchia.percorso(), msg));
        for (int c = 0; c < kNumeroCampionati; ++c) EXPECT_EQ(ModelloInUso(*vecchi, c), ModelloStime::Motore) << c;
    }

    // A folder with championship files is left alone.
    ScriviTesto(cartella / "Cfg.VLT", "mio");
    ASSERT_TRUE(PreparaCartellaDiLavoro(cartella, kDatiPredefiniti));
    EXPECT_EQ(LeggiTesto(cartella / "Cfg.VLT"), "mio");
}

TEST(CartellaDiLavoro, NonSovrascriveMaiUnFileEsistente) {
    CartellaTemporanea tmp;
    ScriviTesto(tmp / "Cfg.VLT", "configurazione dell'utente");
    ASSERT_TRUE(PreparaCartellaDiLavoro(tmp.percorso(), kDatiPredefiniti));
    EXPECT_EQ(LeggiTesto(tmp / "Cfg.VLT"), "configurazione dell'utente");
    EXPECT_TRUE(ContieneCampionati(tmp.percorso()));
    EXPECT_TRUE(std::filesystem::exists(tmp / "Strategie.VLT"));
    // Damaged shipped data are reported, not copied.
    CartellaTemporanea rotti, altra;
    ScriviTesto(rotti / "giornata.VLT", "x");
    const EsitoFile e = PreparaCartellaDiLavoro(altra.percorso(), rotti.percorso());
    EXPECT_FALSE(e);
    EXPECT_FALSE(ContieneCampionati(altra.percorso()));
}

TEST(CartellaDiLavoro, PredefinitaSecondoXdg) {
    const char* vecchio = std::getenv("XDG_DATA_HOME");
    const std::string salvato = vecchio ? vecchio : "";
    ::setenv("XDG_DATA_HOME", "/dati/utente", 1);
    EXPECT_EQ(CartellaPredefinita(), std::filesystem::path("/dati/utente/veltra"));
    ::setenv("XDG_DATA_HOME", "relativo", 1); // not absolute: ignored, as the convention says
    ::setenv("HOME", ::getenv("HOME") ? ::getenv("HOME") : "/root", 1);
    EXPECT_EQ(CartellaPredefinita(),
              std::filesystem::path(::getenv("HOME")) / ".local" / "share" / "veltra");
    if (vecchio)
        ::setenv("XDG_DATA_HOME", salvato.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

namespace {

namespace fs = std::filesystem;

// Every file under a folder with its contents, and every folder.
std::map<std::string, std::string> Albero(const fs::path& radice) {
    std::map<std::string, std::string> a;
    for (const auto& v : fs::recursive_directory_iterator(radice)) {
        const std::string nome = fs::relative(v.path(), radice).string();
        if (v.path().filename() == kFileBlocco) continue;
        a[nome] = v.is_directory() ? std::string("<cartella>") : LeggiTesto(v.path());
    }
    return a;
}

int gOperazioni = 0, gMuori = 0;

} // namespace

// A run that files weeks into an archive is killed before each of its file
// operations in turn; opening the working folder afterwards (as the program
// and every command do) leaves the archive as it was before or as after,
// with no journal or temporary file anywhere.
TEST(CartellaDiLavoro, UnArchivioInterrottoSiRecuperaAllApertura) {
    CartellaTemporanea tmp(CartellaTemporanea::InMemoria());
    // The archives alone: the championship files play no part here.
    const fs::path cartella = tmp / "w";
    fs::create_directories(cartella);
    ASSERT_TRUE(CreaCartelleEsportazione(cartella));
    const fs::path snai = cartella / kCartellaEsportate / "SNAI";
    auto m = std::make_unique<ScommessaMgr>();
    ASSERT_TRUE(m->AggiungiEvento(0, 3, "Inter", "Milan", {2.0f, 3.25f, 4.0f, 0, 0, 0}, 0.5f, 0.3f, 0.2f));
    m->eventi[0].esito = '1';
    ASSERT_EQ(EsportaSettimana(snai / "010102.txt", *m), "");
    const std::vector<SettimanaDaArchiviare> settimane = {
        {"080102", TestoSettimana(*m)}, {"150102", TestoSettimana(*m)}, {"010102", "1\t0\tx\n"}};
    const auto prima = Albero(cartella);
    auto archivia = [&](int muori) {
        const pid_t figlio = ::fork();
        if (figlio == 0) {
            gOperazioni = 0;
            gMuori = muori;
            ImpostaOsservatoreOperazioni(
                [](OperazioneFile, const fs::path&) {
                    if (++gOperazioni == gMuori) ::_exit(77);
                    return true;
                },
                false);
            ::_exit(EsportaSettimane(snai, settimane).empty() ? 0 : 1);
        }
        int stato = 0;
        ::waitpid(figlio, &stato, 0);
        return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
    };
    auto ripristina = [&] {
        fs::remove_all(cartella);
        for (const auto& [nome, testo] : prima) {
            if (testo == "<cartella>") fs::create_directories(cartella / nome);
            else {
                fs::create_directories((cartella / nome).parent_path());
                ScriviTesto(cartella / nome, testo);
            }
        }
    };
    ASSERT_EQ(archivia(0), 0);
    const auto dopo = Albero(cartella);
    ASSERT_NE(prima, dopo);
    int comePrima = 0, comeDopo = 0, conGiornale = 0;
    for (int n = 1;; ++n) {
        SCOPED_TRACE("ucciso prima dell'operazione " + std::to_string(n));
        ripristina();
        const int esito = archivia(n);
        if (esito == 0) break;
        ASSERT_EQ(esito, 77);
        if (fs::exists(snai / kFileGiornale)) ++conGiornale;
        BloccoCartella blocco;
        std::vector<std::string> avvisi;
        ASSERT_TRUE(ApriCartellaInScrittura(cartella, blocco, &avvisi));
        EXPECT_TRUE(avvisi.empty()) << avvisi.front();
        const auto s = Albero(cartella);
        if (s == prima) ++comePrima;
        else if (s == dopo) ++comeDopo;
        else FAIL() << "l'archivio non e' ne' quello di prima ne' quello di dopo";
    }
    EXPECT_GT(comePrima, 3);
    EXPECT_GT(comeDopo, 1);
    EXPECT_GT(conGiornale, 0);
}

// A bookmaker folder whose creation was cut short (no list of weeks), one
// whose list was lost with weeks in it, and a temporary file among the pages'
// copies: opening the folder puts each right, and saying so where weeks were
// concerned.
TEST(CartellaDiLavoro, CartelleDiArchivioInterrotteSiRiparanoAllApertura) {
    CartellaTemporanea tmp;
    const fs::path cartella = tmp / "w";
    ASSERT_TRUE(PreparaCartellaDiLavoro(cartella, kDatiPredefiniti));
    const fs::path esportate = cartella / kCartellaEsportate;
    fs::create_directories(esportate / "SNAI");
    fs::create_directories(esportate / "GLOBET");
    ScriviTesto(esportate / "GLOBET" / "150102.txt", "settimana");
    fs::create_directories(cartella / "HTML-QUOTE" / "BETZONE");
    ScriviTesto(cartella / "HTML-QUOTE" / "BETZONE" / "pagina.htm.tmp-Ab12Cd", "mezza");
    BloccoCartella blocco;
    std::vector<std::string> avvisi;
    ASSERT_TRUE(ApriCartellaInScrittura(cartella, blocco, &avvisi));
    EXPECT_EQ(LeggiTesto(esportate / "SNAI" / kFileSettimane), "0");
    EXPECT_EQ(LeggiTesto(esportate / "GLOBET" / kFileSettimane), "1 \n150102 \n");
    ASSERT_EQ(avvisi.size(), 1u);
    EXPECT_NE(avvisi[0].find("GLOBET"), std::string::npos) << avvisi[0];
    EXPECT_FALSE(fs::exists(cartella / "HTML-QUOTE" / "BETZONE" / "pagina.htm.tmp-Ab12Cd"));
    // The archive takes weeks again, and the folders not yet there are made.
    auto m = std::make_unique<ScommessaMgr>();
    ASSERT_TRUE(m->AggiungiEvento(0, 3, "Inter", "Milan", {2.0f, 3.25f, 4.0f, 0, 0, 0}, 0.5f, 0.3f, 0.2f));
    EXPECT_EQ(EsportaSettimana(esportate / "SNAI" / "080102.txt", *m), "");
    ASSERT_TRUE(CreaCartelleEsportazione(cartella));
    EXPECT_EQ(LeggiTesto(esportate / "EUROBET" / kFileSettimane), "0");
    EXPECT_EQ(LeggiTesto(esportate / "SNAI" / kFileSettimane), "1 \n080102 \n");
}

// A scores file that cannot be read does not stop the start, but is said,
// by name, and left as it is by the next save.
TEST(CartellaDiLavoro, UnFileDeiPunteggiDanneggiatoESegnalatoAllAvvio) {
    struct Caso {
        const char* nome;
        std::function<void(const fs::path&)> guasta;
        const char* perche;
    } casi[] = {
        {"righe rotte", [](const fs::path& f) { ScriviTesto(f, "VELTRA-RETI 1\n3\nspazzatura\n"); },
         "riga"},
        {"fifo", [](const fs::path& f) { fs::remove(f); ::mkfifo(f.c_str(), 0600); },
         "non e' un file regolare"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        CartellaTemporanea tmp;
        const fs::path cartella = tmp / "w";
        ASSERT_TRUE(PreparaCartellaDiLavoro(cartella, kDatiPredefiniti));
        const fs::path reti = cartella / "Reti-B.txt";
        ASSERT_TRUE(fs::exists(reti));
        c.guasta(reti);
        auto dati = std::make_unique<DatiGlobali>();
        MessaggiRegistrati msg;
        ASSERT_TRUE(CaricaAvvio(*dati, cartella, msg));
        ASSERT_EQ(msg.testi().size(), 1u) << testing::PrintToString(msg.testi());
        EXPECT_NE(msg.testi()[0].find("Serie B"), std::string::npos) << msg.testi()[0];
        EXPECT_NE(msg.testi()[0].find(reti.string()), std::string::npos) << msg.testi()[0];
        EXPECT_NE(msg.testi()[0].find(c.perche), std::string::npos) << msg.testi()[0];
    }
}
