// The search of one sign over masks, in blocks and on threads, against the
// literal search (every candidate, every week ranked and settled again).
#include "betting/ArchivioGenerato.h"
#include "betting/RicercaVeloce.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace veltra;

namespace {

void StessoEsito(const MiglioriSegno& a, const std::vector<Miglioramento>& ma, const EsitoSegno& b,
                 const std::string& caso) {
    ASSERT_EQ(ma.size(), b.miglioramenti.size()) << caso;
    for (std::size_t i = 0; i < ma.size(); ++i) {
        const auto& x = ma[i];
        const auto& y = b.miglioramenti[i];
        ASSERT_EQ(x.ordinamento, y.ordinamento) << caso << " #" << i;
        ASSERT_EQ(x.tipo, y.tipo) << caso << " #" << i;
        ASSERT_EQ(x.migliore.limiti, y.migliore.limiti) << caso << " #" << i;
        ASSERT_EQ(x.migliore.guadagno, y.migliore.guadagno) << caso << " #" << i;
        ASSERT_EQ(x.migliore.vincenti, y.migliore.vincenti) << caso << " #" << i;
        ASSERT_EQ(x.migliore.giocabili, y.migliore.giocabili) << caso << " #" << i;
        ASSERT_EQ(x.migliore.maxRitardo, y.migliore.maxRitardo) << caso << " #" << i;
    }
    for (std::size_t o = 0; o < a.size(); ++o)
        for (std::size_t t = 0; t < a[o].size(); ++t) {
            EXPECT_EQ(a[o][t].limiti, b.migliori[o][t].limiti) << caso;
            EXPECT_EQ(a[o][t].guadagno, b.migliori[o][t].guadagno) << caso;
            EXPECT_EQ(a[o][t].giocabili, b.migliori[o][t].giocabili) << caso;
            EXPECT_EQ(a[o][t].vincenti, b.migliori[o][t].vincenti) << caso;
            EXPECT_EQ(a[o][t].maxRitardo, b.migliori[o][t].maxRitardo) << caso;
        }
}

// The whole grid of a sign, searched literally and by the run's search.
TEST(CercaSegnoBlocchi, TuttaLaGrigliaUgualeAllaRicercaLetterale) {
    const auto settimane = ArchivioGenerato(7, 5, 6);
    struct Caso {
        char segno;
        std::array<bool, 4> ordinamenti;
        int eventi;
        bool maxRendimento;
        int minUtili, minVincenti;
    };
    const Caso casi[] = {{'x', {false, false, true, false}, 3, true, 30, 10},
                         {'2', {false, false, false, true}, 2, false, 0, 0}};
    for (const auto& c : casi) {
        ParametriRicerca p;
        p.ordinamenti = c.ordinamenti;
        p.eventiDaConsiderare = c.eventi;
        p.maxRendimento = c.maxRendimento;
        p.minSettimaneUtili = c.minUtili;
        p.minSettimaneVincenti.fill(c.minVincenti);
        std::vector<Miglioramento> ml;
        long nl = 0;
        const auto letterale = CercaSegnoLetterale(settimane, p, c.segno, &ml, nl);
        const EsitoSegno veloce = CercaSegnoBlocchi(settimane, p, c.segno, 2, nullptr, nullptr);
        EXPECT_EQ(veloce.candidati, nl);
        EXPECT_FALSE(ml.empty()) << c.segno;
        StessoEsito(letterale, ml, veloce, std::string(1, c.segno));
    }
}

TEST(CercaSegnoBlocchi, UgualeAllaRicercaLetterale) {
    // Weeks of up to 12 events with ties, void and unknown results; one week
    // of 70 events so that its masks take two words.
    auto settimane = ArchivioGenerato(23, 9, 12);
    const auto grande = ArchivioGenerato(5, 1, 140);
    settimane.insert(settimane.begin() + 4, grande.front());
    struct Caso {
        char segno;
        std::array<bool, 4> ordinamenti;
        int eventi;
        bool maxRendimento;
        int minUtili, minVincenti;
        int blocchi;
    };
    const Caso casi[] = {{'1', {true, true, true, true}, 6, true, 20, 0, 10},
                         {'1', {true, true, false, false}, 4, false, 30, 10, 3},
                         {'x', {true, false, true, false}, 3, true, 0, 0, 3},
                         {'2', {false, false, false, true}, 5, false, 10, 10, 3}};
    for (const Caso& c : casi) {
        ParametriRicerca p;
        p.ordinamenti = c.ordinamenti;
        p.eventiDaConsiderare = c.eventi;
        p.maxRendimento = c.maxRendimento;
        p.minSettimaneUtili = c.minUtili;
        p.minSettimaneVincenti.fill(c.minVincenti);
        std::vector<Miglioramento> ml;
        long nl = 0;
        const auto letterale = CercaSegnoLetterale(settimane, p, c.segno, &ml, nl, c.blocchi);
        const std::string caso = std::string(1, c.segno) + " eventi " + std::to_string(c.eventi);
        ASSERT_FALSE(ml.empty()) << caso;
        for (int thread : {1, 2}) {
            const EsitoSegno veloce =
                CercaSegnoBlocchi(settimane, p, c.segno, thread, nullptr, nullptr, c.blocchi);
            EXPECT_EQ(veloce.candidati, nl) << caso;
            EXPECT_FALSE(veloce.fermata);
            StessoEsito(letterale, ml, veloce, caso + " thread " + std::to_string(thread));
        }
    }
}

TEST(CercaSegnoBlocchi, TestiInOrdineEUgualiConDueThread) {
    const auto settimane = ArchivioGenerato(41, 30, 10);
    ParametriRicerca p;
    p.ordinamenti = {true, true, true, true};
    p.eventiDaConsiderare = 6;
    p.minSettimaneUtili = 10;
    std::vector<std::string> testi1, testi2;
    const auto a = CercaSegnoBlocchi(settimane, p, '1', 1,
                                     [&](const std::string& s) { testi1.push_back(s); }, nullptr, 10);
    const auto b = CercaSegnoBlocchi(settimane, p, '1', 2,
                                     [&](const std::string& s) { testi2.push_back(s); }, nullptr, 10);
    EXPECT_EQ(testi1, testi2);
    ASSERT_GE(testi1.size(), 11u);
    EXPECT_EQ(testi1[0], "Ricerche con equita' min: -100%...\r\r\n");
    EXPECT_EQ(testi1[1], "Ricerche con equita' max: +0% (con min: -100%)...\r\r\n");
    EXPECT_EQ(testi1[9], "Concluse tutte le ricerche con equita' min: -100%.\r\r\n\r\r\n");
    EXPECT_EQ(testi1[10], "Ricerche con equita' min: -75%...\r\r\n");
    EXPECT_EQ(a.candidati, b.candidati);
    StessoEsito(a.migliori, a.miglioramenti, b, "thread 1 e 2");
}

TEST(BlocchiGriglia, OrdineEConfini) {
    const auto b = BlocchiGriglia();
    ASSERT_FALSE(b.empty());
    EXPECT_TRUE(b.front().primoDelMin);
    EXPECT_TRUE(b.back().ultimoDelMin);
    EXPECT_EQ(b.front().minEquita, 0.0f);
    EXPECT_EQ(b.front().maxEquita, 1.0f);
    EXPECT_EQ(b.back().maxEquita, 2.0f);
    int minimi = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        minimi += b[i].primoDelMin;
        EXPECT_GT(b[i].maxEquita, b[i].minEquita);
        if (i > 0 && !b[i].primoDelMin) {
            EXPECT_EQ(b[i].minEquita, b[i - 1].minEquita);
            EXPECT_GT(b[i].maxEquita, b[i - 1].maxEquita);
        }
    }
    EXPECT_EQ(minimi, 11);
}

} // namespace
