#include "engine/StampaAnalisi.h"

#include "doppi/StampaRegistrata.h"

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

TEST(StampaParametriAvanzati, RigheEPosizioni) {
    StampaRegistrata d;
    d.InizioPagina();
    CPunteggiAvanzati p;
    p.punti[0] = 1.5f;
    p.punti[5] = -0.25f;
    const int ultima = StampaParametriAvanzati(d, 340, p);
    ASSERT_EQ(d.righe.size(), 25u);
    EXPECT_EQ(d.righe[0].y, 400);
    EXPECT_EQ(d.righe[0].testo, "Partite in Casa ed in Trasferta mantenute separate");
    EXPECT_EQ(d.righe[1].testo, "Vittoria in Casa contro squadra forte  : +1.50");
    EXPECT_EQ(d.righe[10].y, d.righe[9].y + 120); // blank line before the away points
    EXPECT_EQ(d.righe[18].testo, "                                      debole: -0.25");
    EXPECT_EQ(d.righe[19].testo, "In Casa     : Alta Classifica: +0.50     Bassa Classifica: -0.50");
    EXPECT_EQ(d.righe[21].testo, "In Casa     : Squadra Debole < -4     Forte > -1");
    EXPECT_EQ(d.righe[23].testo, "Campionati inclusi nell'analisi : 6");
    EXPECT_EQ(d.righe[24].testo, "Percentuali d'importanza dei campionati: Min: 100%     Max: 100%");
    EXPECT_EQ(ultima, d.righe[24].y);

    StampaRegistrata u;
    u.InizioPagina();
    p.separaCasaTrasferta = false;
    StampaParametriAvanzati(u, 0, p);
    ASSERT_EQ(u.righe.size(), 23u);
    EXPECT_EQ(u.righe[0].testo, "Partite in Casa ed in Trasferta mantenute unite");
    EXPECT_EQ(u.righe[19].testo, "Alta Classifica: +0.50     Bassa Classifica: -0.50");
    EXPECT_EQ(u.righe[20].testo, "Squadra Debole < -4     Forte > -1");
}

TEST(StampaParametriAvanzati, InterruzioneDiPagina) {
    StampaRegistrata d;
    d.InizioPagina();
    const int ultima = StampaParametriAvanzati(d, 2700, CPunteggiAvanzati{});
    ASSERT_GE(d.righe.size(), 4u);
    EXPECT_EQ(d.righe[1].y, 2820); // the last line a page may hold
    EXPECT_EQ(d.righe[2].testo, std::string(30, ' ') + "(Continua...)");
    EXPECT_EQ(d.righe[2].y, 2940);
    EXPECT_EQ(d.righe[3].pagina, 2);
    EXPECT_EQ(d.righe[3].y, 0);
    EXPECT_EQ(ultima, d.righe.back().y);
    EXPECT_EQ(d.righe.back().pagina, 2);

    // Ending the page fails: the document is aborted and nothing more is printed.
    StampaRegistrata f;
    f.fallisceAllaFinePagina = 1;
    f.InizioPagina();
    EXPECT_EQ(StampaParametriAvanzati(f, 2700, CPunteggiAvanzati{}), -1);
    EXPECT_EQ(f.chiamate.back(), "Annulla");
    EXPECT_EQ(f.righe.size(), 3u);
}
