// veltra-cli spoglio on a folder filled with the shipped data: the counts
// against the columns veltra-cli sistema lists for the same coupon.
#include "EseguiCli.h"
#include "Supporto.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace veltra;
using namespace veltra::test;

TEST(VeltraCliSpoglio, ConteggiComeLeColonneDelSistema) {
    CartellaTemporanea dir;
    const std::string cartella = (dir / "lavoro").string();
    ScriviTesto(dir / "schedina.txt",
                "10;AZ;Ajax\n10;Excelsior;Feyenoord\n10;Fortuna.Sittard;Go.Ahead.Eagles\n"
                "10;Groningen;Heerenveen\n10;Heracles;NAC\n10;NEC;PSV\n10;Sparta;Telstar\n"
                "10;Twente;Utrecht\n10;Volendam;Zwolle\n1;Bari;Empoli\n1;Juve Stabia;Cesena\n"
                "Portogallo;Benfica;Porto\n11;Braga;Sporting\n11;AVS;Alverca\n");
    const std::vector<std::string> pronostici = {"1X2", "X2", "1X", "12", "1", "X", "2",
                                                 "1", "1", "X", "2", "1", "2", "1"};
    std::string comando = "schedina --cartella " + cartella + " --nuova " + (dir / "schedina.txt").string();
    for (std::size_t i = 0; i < pronostici.size(); ++i)
        comando += " --pronostico " + std::to_string(i + 1) + "=" + pronostici[i];
    Uscita u = EseguiCli(comando);
    ASSERT_EQ(u.codice, 0) << u.errori;

    // The coupon's reduced system (N-1), column by column.
    u = EseguiCli("sistema --cartella " + cartella + " --colonne");
    ASSERT_EQ(u.codice, 0) << u.errori;
    const auto colonne = Righe(u.testo);
    ASSERT_GE(colonne.size(), 2u);

    long long vincenti = 0;
    // All hit, a fixed row missed, a double missed, and two plays far off.
    for (const std::string risultati :
         {"1X111X211X2121", "1X11XX211X2121", "11111X211X2121", "12X21X211X2121", "X1X2222222XX2X"}) {
        int integrale = 0, base = 0;
        for (std::size_t i = 0; i < 14; ++i) {
            integrale += pronostici[i].find(risultati[i]) != std::string::npos;
            base += pronostici[i][0] == risultati[i];
        }
        long long q[3] = {0, 0, 0};
        for (std::size_t c = 1; c < colonne.size(); ++c) {
            int colpi = 0;
            for (std::size_t i = 0; i < 14; ++i) colpi += colonne[c][i] == risultati[i];
            if (colpi >= 12) ++q[14 - colpi];
        }
        vincenti += q[0] + q[1] + q[2];
        u = EseguiCli("spoglio --cartella " + cartella + " --risultati " + risultati);
        ASSERT_EQ(u.codice, 0) << u.errori;
        EXPECT_EQ(u.testo, "integrale=" + std::to_string(integrale) + " base=" + std::to_string(base) +
                               " ridotto=" + colonne[0] + " tredicissimo=" + std::to_string(q[0]) +
                               " tredici=" + std::to_string(q[1]) + " dodici=" + std::to_string(q[2]) + "\n")
            << risultati;
    }

    EXPECT_GE(vincenti, 3); // the plays reach the counters, not only the points

    // Bad results are refused with a message.
    for (const char* sbagliati : {"1X2", "1X2111X21X212Z", "1X2111X21X21211"}) {
        u = EseguiCli("spoglio --cartella " + cartella + " --risultati " + sbagliati);
        EXPECT_EQ(u.codice, 2) << sbagliati;
        EXPECT_NE(u.errori.find("--risultati"), std::string::npos) << sbagliati;
    }
    EXPECT_EQ(EseguiCli("spoglio --cartella " + cartella).codice, 2);
}
