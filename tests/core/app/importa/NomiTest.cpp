#include "app/importa/AccorciaNome.h"
#include "app/importa/TabellaAlias.h"

#include <gtest/gtest.h>

using namespace veltra;

namespace {

TEST(AccorciaNome, RegolaDocumentata) {
    struct Caso {
        const char* fonte;
        const char* nome;
    } casi[] = {
        {"AC Milan", "Milan"},
        {"Parma Calcio 1913", "Parma"},                     // generic word and year dropped
        {"1. FC Köln", "Köln"},                             // "1." is a number
        {"A.C.R. Messina", "Messina"},                      // initials with full stops
        {"Kuban Krasnodar (1928-2018)", "Kuban.Krasnodar"}, // parentheses dropped, 15 chars
        {"Manchester United", "Man.United"},                // too long: leading words cut to three
        {"Queens Park Rangers", "Que.Par.Rangers"},
        {"Heart of Midlothian", "Hea.of.Midlothi"}, // still too long: cut at 15
        {"Crvena Zvezda Beograd", "Crv.Zve.Beograd"},
        {"Dinamo Zagreb", "Dinamo.Zagreb"},
        {"FC", "FC"},                      // nothing but generic words: kept
        {"Ćukarički", "Cukaricki"},        // letters outside Windows-1252
        {"Djurgårdens IF", "Djurgårdens"}, // å is in Windows-1252: kept
    };
    for (const auto& c : casi)
        EXPECT_EQ(AccorciaNome(c.fonte), c.nome) << c.fonte;
    EXPECT_EQ(AccorciaNome("Зенит"), ""); // nothing writable: the import refuses it
}

TEST(TabellaAlias, CodiceDelCampionatoPrimaDiAsteriscoEPuntiAlPostoDegliSpazi) {
    TabellaAlias t;
    ASSERT_FALSE(t.Carica("# commento\n"
                          "*\tInter\tInter\n"
                          "*\tHellas Verona\tVerona\n"
                          "IN\tManchester United\tMan United\r\n"
                          "A\tHellas Verona\tHellas\n"
                          "\n"));
    EXPECT_EQ(t.numero(), 4);
    EXPECT_EQ(t.Cerca("IN", "Manchester United"), "Man.United");
    EXPECT_EQ(t.Cerca("A", "Hellas Verona"), "Hellas");
    EXPECT_EQ(t.Cerca("B", "Hellas Verona"), "Verona");
    EXPECT_EQ(t.Cerca("SP", "Manchester United"), std::nullopt);
}

TEST(TabellaAlias, RigheErrateLascianoLaTabellaComEra) {
    TabellaAlias t;
    ASSERT_FALSE(t.Carica("*\tInter\tInter\n"));
    struct Caso {
        const char* testo;
        const char* errore;
    } casi[] = {
        {"*\tInter\n", "riga 1: servono tre campi"},
        {"*\tInter\tInter\tX\n", "riga 1: servono tre campi"},
        {"#\n*\t\tInter\n", "riga 2: campo vuoto"},
        {"*\tWolverhampton Wanderers\tWolverhampton.W\n*\tX\tWolverhampton Wan\n",
         "riga 2: \"Wolverhampton.Wan\" e' piu' lungo di 15 caratteri"},
        {"*\tInter\tInter\n*\tInter\tInternazionale\n", "riga 2: \"Inter\" ha gia' il nome"},
        {"RU\tZenit\tЗенит\n", "riga 1: \"Зенит\" ha caratteri"},
    };
    for (const auto& c : casi) {
        const auto errore = t.Carica(c.testo);
        ASSERT_TRUE(errore) << c.testo;
        EXPECT_EQ(errore->rfind(c.errore, 0), 0u) << *errore;
    }
    EXPECT_EQ(t.numero(), 1);
    EXPECT_EQ(t.Cerca("A", "Inter"), "Inter");
}

} // namespace
