#include "app/CartellaDiLavoro.h"

#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "dati/ModelliStime.h"
#include "engine/rating/ModelloProbabilita.h"

#include "doppi/MessaggiRegistrati.h"
#include "Supporto.h"

#include <gtest/gtest.h>

#include <cstdlib>

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
