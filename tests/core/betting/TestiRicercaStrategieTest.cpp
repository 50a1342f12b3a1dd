// The strategy search's texts: the header and lines of the file of kept
// improvements, and the result text of a strategy.
#include "betting/TestiRicercaStrategie.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace veltra;

namespace {

MiglioreGiocata Esempio(double y, int w, int g, int rit) {
    MiglioreGiocata b;
    b.guadagno = y;
    b.vincenti = w;
    b.giocabili = g;
    b.maxRitardo = rit;
    b.limiti.minProb1 = 0.45f;
    b.limiti.maxProb1 = 1;
    b.limiti.maxProbX = 0.35f;
    b.limiti.maxProb2 = 0.2f;
    b.limiti.minEquita = 0;
    b.limiti.maxEquita = 2;
    b.limiti.minQuota = 1.5f;
    b.limiti.maxQuota = 2.75f;
    return b;
}

TEST(TestiRicercaStrategie, IntestazioneConUnSoloSegnoDiPercento) {
    const std::string h = IntestazioneTestoRicerca();
    EXPECT_EQ(h.find("%%"), std::string::npos);
    EXPECT_NE(h.find("\t% SETT.VINCENTI\t"), std::string::npos);
    EXPECT_EQ(h.rfind("MAX Q\n"), h.size() - 6);
    EXPECT_EQ(std::count(h.begin(), h.end(), '\t'), 17);
}

TEST(TestiRicercaStrategie, RigheDelFile) {
    MiglioreGiocata conEquita = Esempio(1.2, 3, 8, 2);
    conEquita.limiti.minEquita = 0.9f;
    conEquita.limiti.maxEquita = 1.15f;
    struct Caso { int ordinamento; MiglioreGiocata b; int disponibili; const char* attesa; };
    const Caso casi[] = {
        {1, Esempio(3.5, 4, 10, 3), 20,
         "MIN.PROB.'2'\tITA1 SPA1 \t35.0%\t3\t4\t40.0%\t10\t50.0%\t45%\t100%\t0%\t35%\t0%\t20%\t"
         "-100%\t+100%\t1.50\t2.75\n"},
        {0, Esempio(3.5, 4, 10, 3), 40,
         "MAX.PROB.\tITA1 SPA1 \t35.0%\t3\t4\t40.0%\t10\t25.0%\t45%\t100%\t0%\t35%\t0%\t20%\t"
         "-100%\t+100%\t1.50\t2.75\n"},
        {2, conEquita, 16,
         "EQUITA'\tITA1 SPA1 \t15.0%\t2\t3\t37.5%\t8\t50.0%\t45%\t100%\t0%\t35%\t0%\t20%\t"
         "-10%\t+15%\t1.50\t2.75\n"},
        {3, conEquita, 16,
         "QUOTE\tITA1 SPA1 \t15.0%\t2\t3\t37.5%\t8\t50.0%\t45%\t100%\t0%\t35%\t0%\t20%\t"
         "-10%\t+15%\t1.50\t2.75\n"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(RigaTestoRicerca(c.ordinamento, "ITA1 SPA1 ", c.b, c.disponibili), c.attesa);
}

TEST(TestiRicercaStrategie, TestoRisultato) {
    const DataOra oggi{7, 3, 2005, 21, 4};
    struct Caso { int bookmaker; bool maxRendimento; MiglioreGiocata b; const char* atteso; };
    const Caso casi[] = {
        {0, true, Esempio(3.5, 4, 10, 3),
         "7/3/2005 - BETANDWIN - Max Rendimento\r\r\nSettimane: 20\r\r\nRendimento: 35.0%\r\r\n"
         "Max.Ritardo: 3\r\r\nSettimane Vincenti: 4 (40.0%)\r\r\nSettimane Totali: 10 (50.0%)\r\r\n"},
        {5, false, Esempio(0, 4, 10, 3),
         "7/3/2005 - ALTRO BOOKMAKER - Max Frequenza di vincita\r\r\nSettimane: 20\r\r\n"
         "Rendimento negativo\r\r\n"},
        {4, true, Esempio(-2, 1, 10, 3),
         "7/3/2005 - SNAI - Max Rendimento\r\r\nSettimane: 20\r\r\nRendimento negativo\r\r\n"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(TestoRisultatoStrategia(oggi, c.bookmaker, c.maxRendimento, 20, c.b), c.atteso);
}

TEST(TestiRicercaStrategie, TestiDiAvanzamento) {
    struct Caso { std::string ottenuto, atteso; };
    const Caso casi[] = {
        {TestoInizioCampionato("ITALIA SERIE A"), "RICERCA SUL CAMPIONATO DI ITALIA SERIE A...\r\r\n\r\r\n"},
        {TestoInizioSegno('1'), "Ricerca sui pronostici '1'...\r\r\n\r\r\n"},
        {TestoInizioSegno('x'), "Ricerca sui pronostici 'X'...\r\r\n\r\r\n"},
        {TestoFineSegno('x'), "Ricerca sui pronostici 'X' conclusa.\r\r\n\r\r\n\r\r\n\r\r\n"},
        {TestoFineSegno('2'), "Ricerca sui pronostici '2' conclusa.\r\r\n\r\r\n\r\r\n\r\r\n"},
        {TestoInizioRicerca(), "Inizio ricerca. Attendere prego...\r\r\n\r\r\n"},
        {TestoEquitaMin(0), "Ricerche con equita' min: -100%...\r\r\n"},
        {TestoEquitaMin(0.85f), "Ricerche con equita' min: -15%...\r\r\n"},
        {TestoEquitaMax(0.85f, 2.0f), "Ricerche con equita' max: +100% (con min: -15%)...\r\r\n"},
        {TestoEquitaMax(1.0f, 1.0f), "Ricerche con equita' max: +0% (con min: +0%)...\r\r\n"},
        {TestoFineEquitaMin(0.25f), "Concluse tutte le ricerche con equita' min: -75%.\r\r\n\r\r\n"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(c.ottenuto, c.atteso);
}

// The winner's line is what the terminal prints: its shape is a contract.
TEST(TestiRicercaStrategie, RigaDelVincitore) {
    VincitoreRicerca v;
    v.segno = 'x';
    v.ordinamento = 3;
    v.tipo = 6;
    v.gruppo = "A B ";
    v.rendimento = 0.123;
    v.vincenti = 30;
    v.giocabili = 120;
    v.settimane = 250;
    v.maxRitardo = 7;
    v.limiti = {0, 0.5f, 0.25f, 1, 0, 0.3f, 0.75f, 2.0f, 1.5f, 2.1f};
    const std::string base =
        "'X' [A B] 1 su 2 Max.Q: rendimento +12.3%, vincenti 30 su 120 (25.0%), giocabili 120 su "
        "250 (48.0%), ritardo max 7; P1 0%/50% PX 25%/100% P2 0%/30% E -25%/+100% Q 1.50/2.10";
    EXPECT_EQ(RigaVincitore(v), base);
    v.rendimentoVerifica = -0.032;
    v.vincentiVerifica = 5;
    v.giocabiliVerifica = 40;
    v.settimaneVerifica = 60;
    EXPECT_EQ(RigaVincitore(v), base + " | verifica: rendimento -3.2%, vincenti 5 su 40 (12.5%), "
                                       "giocabili 40 su 60 (66.7%)");
    v.ordinamento = 1;
    v.segno = '1';
    EXPECT_EQ(RigaVincitore(v).substr(0, 25), "'1' [A B] 1 su 2 Min.P2: ");
}

} // namespace
