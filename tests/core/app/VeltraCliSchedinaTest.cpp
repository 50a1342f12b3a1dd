// veltra-cli schedina on a folder filled with the shipped data: a coupon
// built from a text file, manual predictions, the commands, and refusals
// that leave the folder as it was.
#include "EseguiCli.h"
#include "Supporto.h"
#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "app/Salvataggio.h"
#include "doppi/MessaggiRegistrati.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <sstream>
#include <sys/wait.h>

using namespace veltra;
using namespace veltra::test;

namespace {

} // namespace

TEST(VeltraCliSchedina, NuovaPronosticiComandiESalvataggio) {
    CartellaTemporanea dir;
    const std::string cartella = (dir / "lavoro").string();
    ASSERT_EQ(EseguiCli("schedina --cartella " + cartella).testo, "schedina=assente\n");

    // An unknown team is refused with its line, and nothing is written.
    ScriviTesto(dir / "errata.txt", "10;Ajax;Feyenoord\n\n1;Bari;Nessuno\n");
    const std::string cfg = LeggiTesto(dir / "lavoro" / "Cfg.VLT");
    Uscita u = EseguiCli("schedina --cartella " + cartella + " --nuova " + (dir / "errata.txt").string());
    EXPECT_EQ(u.codice, 2);
    EXPECT_EQ(u.errori, "veltra-cli: riga 3: squadra sconosciuta: Nessuno\n");
    EXPECT_EQ(LeggiTesto(dir / "lavoro" / "Cfg.VLT"), cfg);
    ScriviTesto(dir / "errata.txt", "Marte;Atalanta;Bologna\n");
    u = EseguiCli("schedina --cartella " + cartella + " --nuova " + (dir / "errata.txt").string());
    EXPECT_EQ(u.errori, "veltra-cli: riga 1: campionato sconosciuto: Marte\n");

    // Three championships, by id, by name and by menu name.
    ScriviTesto(dir / "schedina.txt",
                "10;Ajax;Feyenoord\nOlanda;PSV;Twente\n1;Bari;Empoli\n"
                "Serie B;Juve Stabia;Cesena\nPortogallo;Benfica;Porto\n11;Braga;Sporting\n");
    u = EseguiCli("schedina --cartella " + cartella + " --nuova " + (dir / "schedina.txt").string());
    ASSERT_EQ(u.codice, 0) << u.errori;
    auto righe = Righe(u.testo);
    ASSERT_EQ(righe.size(), 7u);
    EXPECT_EQ(righe[3].rfind("riga=4 campionato=1 casa=Juve.Stabia trasferta=Cesena p1=", 0), 0u)
        << righe[3];
    EXPECT_NE(righe[0].find(" manuale=0"), std::string::npos);
    EXPECT_EQ(righe[6].rfind("integrale=", 0), 0u);

    // Read back from the folder: the same coupon.
    EXPECT_EQ(EseguiCli("schedina --cartella " + cartella).testo, u.testo);

    u = EseguiCli("schedina --cartella " + cartella +
            " --pronostico 2=X21 --pronostico 1=1X --pronostico 6=12 --comando fissa-doppia"
            " --comando diminuisci-2");
    ASSERT_EQ(u.codice, 0) << u.errori;
    righe = Righe(u.testo);
    // Rows 1 and 2 were the fixed rows, and they are now set by hand.
    EXPECT_EQ(righe[0], "comando=fissa-doppia esito=fallito");
    EXPECT_EQ(righe[1].rfind("comando=diminuisci-2 esito=", 0), 0u);
    EXPECT_NE(righe[3].find(" pronostico=X21 manuale=1"), std::string::npos) << righe[3];
    u = EseguiCli("schedina --cartella " + cartella + " --pronostico 2=- --base");
    EXPECT_NE(Righe(u.testo)[1].find(" manuale=0"), std::string::npos);

    EXPECT_EQ(EseguiCli("schedina --cartella " + cartella + " --pronostico 15=1").codice, 2);
    EXPECT_EQ(EseguiCli("schedina --cartella " + cartella + " --pronostico 1=3").codice, 2);
    EXPECT_EQ(EseguiCli("schedina --cartella " + cartella + " --comando raddoppia").codice, 2);
}

TEST(VeltraCliSistema, ColonneDeiSistemi) {
    CartellaTemporanea dir;
    const std::string cartella = (dir / "lavoro").string();
    ScriviTesto(dir / "schedina.txt",
                "10;Ajax;Feyenoord\nOlanda;PSV;Twente\n1;Bari;Empoli\n"
                "Serie B;Juve Stabia;Cesena\nPortogallo;Benfica;Porto\n11;Braga;Sporting\n");
    ASSERT_EQ(EseguiCli("schedina --cartella " + cartella + " --nuova " + (dir / "schedina.txt").string() +
                  " --pronostico 1=1X2 --pronostico 2=X2 --pronostico 3=1X"
                  " --pronostico 4=1 --pronostico 5=X --pronostico 6=2")
                  .codice,
              0);
    const std::string base = "sistema --cartella " + cartella + " --riduzione ";

    // The full system: 3 * 2 * 2 columns, row 1 outermost, in the order of its text.
    Uscita u = EseguiCli(base + "integrale --colonne");
    ASSERT_EQ(u.codice, 0) << u.errori;
    const auto integrale = Righe(u.testo);
    ASSERT_EQ(integrale.size(), 13u);
    EXPECT_EQ(integrale[0], "12");
    EXPECT_EQ(integrale[1].substr(0, 3), "1X1");
    EXPECT_EQ(integrale[12].substr(0, 3), "22X");
    for (std::size_t i = 1; i < integrale.size(); ++i) EXPECT_EQ(integrale[i].size(), 14u);

    // No conditions: the conditioned system is the full one.
    EXPECT_EQ(EseguiCli(base + "condizionato --conta").testo, "12\n");
    EXPECT_EQ(Righe(EseguiCli(base + "condizionato --colonne").testo), integrale);

    // Reduced: every column of the full system within one sign of a kept one.
    for (const char* metodo : {"standard", "avanzato"}) {
        u = EseguiCli(base + "condizionato --colonne --metodo " + metodo);
        ASSERT_EQ(u.codice, 0) << u.errori;
        const auto ridotte = Righe(u.testo);
        ASSERT_GE(ridotte.size(), 2u);
        EXPECT_EQ(std::stoul(ridotte[0]), ridotte.size() - 1);
        EXPECT_LT(ridotte.size(), integrale.size());
        for (std::size_t i = 1; i < integrale.size(); ++i) {
            bool coperta = false;
            for (std::size_t j = 1; j < ridotte.size() && !coperta; ++j) {
                int diverse = 0;
                for (std::size_t r = 0; r < 14; ++r) diverse += integrale[i][r] != ridotte[j][r];
                coperta = diverse <= 1;
            }
            EXPECT_TRUE(coperta) << metodo << " " << integrale[i];
        }
    }
    EXPECT_EQ(EseguiCli(base + "3-2").codice, 2);
    EXPECT_EQ(EseguiCli(base + "integrale --colonne --conta").codice, 2);
}

// A coupon of fixed rows only has no reduced system of any kind: every form
// says so and exits with 1 (a conditioned count would otherwise be its one
// column).
TEST(VeltraCliSistema, SchedinaDiSoleFisseSenzaRidotto) {
    CartellaTemporanea dir;
    const std::string cartella = (dir / "lavoro").string();
    ScriviTesto(dir / "schedina.txt", "0;Atalanta;Bologna\n0;Cagliari;Como\n1;Bari;Empoli\n");
    ASSERT_EQ(EseguiCli("schedina --cartella " + cartella + " --nuova " +
                        (dir / "schedina.txt").string() +
                        " --pronostico 1=1 --pronostico 2=X --pronostico 3=2")
                  .codice,
              0);
    struct Caso {
        std::string argomenti;
        std::string errore;
    };
    const std::string senza = "veltra-cli: la schedina non ha doppie ne' triple: nessun sistema ridotto\n";
    const Caso casi[] = {
        {"sistema --conta", senza},
        {"sistema --riduzione condizionato --conta", senza},
        {"sistema --riduzione condizionato --colonne", senza},
        {"sistema --riduzione 0-2 --conta", senza},
        {"spoglio --risultati 1X2XXXXXXXXXXX",
         "veltra-cli: la schedina non ha un sistema ridotto da controllare\n"},
    };
    for (const Caso& c : casi) {
        const Uscita u = EseguiCli(c.argomenti + " --cartella " + cartella);
        EXPECT_EQ(u.codice, 1) << c.argomenti;
        EXPECT_EQ(u.testo, "") << c.argomenti;
        EXPECT_EQ(u.errori, c.errore) << c.argomenti;
    }
    // The full system is one column.
    EXPECT_EQ(EseguiCli("sistema --riduzione integrale --cartella " + cartella).testo, "1\n");
}

// The reduction method kept with the conditions is the one the terminal uses
// when none is given: the same system as the window built.
TEST(VeltraCliSistema, MetodoDelleCondizioni) {
    CartellaTemporanea dir;
    const std::string cartella = (dir / "lavoro").string();
    ScriviTesto(dir / "schedina.txt",
                "0;Atalanta;Bologna\n0;Cagliari;Como\n0;Frosinone;Fiorentina\n0;Genoa;Inter\n"
                "0;Juventus;Lazio\n0;Lecce;Milan\n");
    ASSERT_EQ(EseguiCli("schedina --cartella " + cartella + " --nuova " +
                        (dir / "schedina.txt").string() +
                        " --pronostico 1=1X2 --pronostico 2=1X2 --pronostico 3=1X2"
                        " --pronostico 4=1X2 --pronostico 5=X2 --pronostico 6=1X")
                  .codice,
              0);
    const std::string base = "sistema --cartella " + cartella + " --riduzione condizionato --conta";
    const std::string standard = EseguiCli(base + " --metodo standard").testo;
    const std::string avanzato = EseguiCli(base + " --metodo avanzato").testo;
    ASSERT_NE(standard, avanzato); // the shape tells the two methods apart
    for (const int metodo : {1, 0}) {
        {
            auto dati = std::make_unique<DatiGlobali>();
            MessaggiRegistrati m;
            ASSERT_TRUE(CaricaAvvio(*dati, cartella, m));
            dati->condizionamenti.condizionatoRidotto = 1;
            dati->condizionamenti.metodoRiduzione = metodo;
            dati->datiModificati = 1;
            ASSERT_TRUE(SalvaDati(*dati, cartella, m));
        }
        const Uscita u = EseguiCli(base);
        ASSERT_EQ(u.codice, 0) << u.errori;
        EXPECT_EQ(u.testo, metodo == 1 ? avanzato : standard) << metodo;
    }
}
