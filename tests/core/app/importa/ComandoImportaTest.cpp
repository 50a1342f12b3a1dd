// veltra-cli importa run as a program: files written on success, none on error.
#include "dati/FileDati.h"

#include "Supporto.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

using namespace veltra;
using namespace veltra::test;

namespace {

int Importa(const std::string& argomenti) {
    const std::string comando =
        std::string(VELTRA_CLI_PATH) + " importa " + argomenti + " >/dev/null 2>&1";
    const int stato = std::system(comando.c_str());
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
}

TEST(ComandoImporta, CartellaNuovaPoiStagioneSuccessivaPoiRifiutoSenzaScrivere) {
    CartellaTemporanea dir;
    const auto cartella = dir / "lavoro";
    ScriviTesto(dir / "alias.tsv", "IN\tManchester United\tMan United\n");
    ScriviTesto(dir / "2003.txt", "= ENG 1 2003/04\n# Date  Sat Aug/16 2003 - Sat May/15 2004\n"
                                  "Matchday 1\n[Sat Aug/16]\n"
                                  "  Manchester United  4-0  Bolton Wanderers\n");
    ScriviTesto(dir / "2004.csv", "Date,Team 1,FT,HT,Team 2\n"
                                  "Sat Aug 14 2004,Bolton Wanderers,4-1,?,Manchester United\n");
    const std::string comune = " --cartella " + cartella.string() + " --campionato IN --alias " +
                               (dir / "alias.tsv").string() + " ";

    ASSERT_EQ(Importa(comune + (dir / "2003.txt").string()), 0);
    ASSERT_EQ(Importa(comune + (dir / "2004.csv").string()), 0);
    auto dati = std::make_unique<DatiGlobali>();
    ASSERT_TRUE(CaricaFileCampionati(*dati, cartella)); // all 38 files are there
    const CCampionato& c = dati->campionato(*CercaCampionato("IN"));
    ASSERT_EQ(c.config.numeroStagioni(), 2004 - 1992 + 1);
    EXPECT_EQ(c.squadreStagione(12).nomi,
              (std::vector<std::string>{"Bol.Wanderers", "Man.United"}));
    EXPECT_EQ(c.squadreCorrenti().nomi, c.squadreStagione(12).nomi);
    EXPECT_EQ(ScriviTestoIncontri(c.incontri).substr(0, 4), "15 -");

    // Overlapping seasons, a bad file, an unknown championship: nothing changes.
    const std::string prima = LeggiTesto(cartella / "giornaIN.VLT");
    ScriviTesto(dir / "rotto.txt", "= ENG 1 2005/06\n# Date  Sat Aug/13 2005 - Sun May/7 2006\n"
                                   "[Sat Aug/13]\n  Arsenal 2-0 Chelsea\n");
    EXPECT_EQ(Importa(comune + (dir / "2003.txt").string()), 1);
    EXPECT_EQ(Importa(comune + (dir / "rotto.txt").string()), 1);
    EXPECT_EQ(Importa(" --cartella " + cartella.string() + " --campionato XX " +
                      (dir / "2003.txt").string()),
              2);
    EXPECT_EQ(LeggiTesto(cartella / "giornaIN.VLT"), prima);
}

} // namespace
