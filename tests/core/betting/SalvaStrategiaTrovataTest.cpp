// A search winner saved as a strategy: a new strategy, a repeated search,
// changed limits, the turn from Max.P to Min.P2, results without gain.
#include "betting/SalvaStrategiaTrovata.h"
#include "betting/TestiRicercaStrategie.h"

#include <gtest/gtest.h>

using namespace veltra;

namespace {

MiglioreGiocata Best(double y, float minProb1) {
    MiglioreGiocata b;
    b.guadagno = y;
    b.vincenti = 4;
    b.giocabili = 10;
    b.maxRitardo = 3;
    b.limiti = {minProb1, 1, 0, 0.35f, 0, 0.2f, 0, 2, 1.5f, 2.75f};
    return b;
}

ContestoSalvataggio Contesto() {
    ContestoSalvataggio c;
    c.bookmaker = 2;
    c.segno = '1';
    c.maxRendimento = true;
    c.codici = {"ITA1", "SPA1"};
    c.inclusi.fill(false);
    c.inclusi[0] = c.inclusi[3] = true;
    c.oggi = {7, 3, 2005, 21, 4};
    c.settimaneDisponibili = 20;
    return c;
}

TEST(SalvaStrategiaTrovata, NuovaStrategia) {
    ListaStrategie lista;
    std::int32_t contatore = 10;
    const auto c = Contesto();
    EXPECT_FALSE(SalvaStrategiaTrovata(lista, contatore, c, 0, 7, Best(0, 0.45f)));
    EXPECT_TRUE(lista.strategie.empty());
    ASSERT_TRUE(SalvaStrategiaTrovata(lista, contatore, c, 0, 7, Best(3.5, 0.45f)));
    ASSERT_EQ(lista.strategie.size(), 1u);
    const auto& s = lista.strategie[0];
    EXPECT_TRUE(s.daRicerca);
    EXPECT_EQ(s.bookmaker, 2);
    EXPECT_EQ(s.tipoGiocata, 7);
    EXPECT_EQ(s.segnoRicerca, '1');
    EXPECT_EQ(s.ordinamento, 0);
    EXPECT_EQ(s.gruppoCampionati, "ITA1 SPA1 ");
    EXPECT_EQ(s.numero, 10);
    EXPECT_EQ(contatore, 11);
    EXPECT_EQ(s.nome, "2 su 3 (ITA1-SPA1)");
    EXPECT_EQ(s.descrizione, TestoRisultatoStrategia(c.oggi, 2, true, 20, Best(3.5, 0.45f)));
    ASSERT_EQ(s.eventiStrategia.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(s.eventiStrategia[i].posizione, static_cast<std::int16_t>(i + 1));
        EXPECT_EQ(s.eventiStrategia[i].tipo, 1);
        EXPECT_EQ(s.eventiStrategia[i].minProb1, 0.45f);
        EXPECT_EQ(s.eventiStrategia[i].maxQuota, 2.75f);
        EXPECT_EQ(s.eventiStrategia[i].minProbDoppia, 0.0f);
        EXPECT_EQ(s.eventiStrategia[i].inclusi, c.inclusi);
    }
    EXPECT_EQ(s.giocate, (std::vector<std::vector<std::int16_t>>{{0, 1}, {0, 2}, {1, 2}}));
}

TEST(SalvaStrategiaTrovata, RicercheRipetute) {
    ListaStrategie lista;
    std::int32_t contatore = 10;
    const auto c = Contesto();
    const auto testo = [&](const MiglioreGiocata& b) {
        return TestoRisultatoStrategia(c.oggi, 2, true, 20, b);
    };
    SalvaStrategiaTrovata(lista, contatore, c, 0, 7, Best(3.5, 0.45f));
    std::string atteso = testo(Best(3.5, 0.45f));

    // Same limits again: the new text on top, the number kept.
    SalvaStrategiaTrovata(lista, contatore, c, 0, 7, Best(3.5, 0.45f));
    atteso = testo(Best(3.5, 0.45f)) + "===\r\r\n" + atteso;
    EXPECT_EQ(lista.strategie[0].descrizione, atteso);
    EXPECT_EQ(lista.strategie[0].numero, 10);

    // Changed limits: the old ones in the note, a new number, the new limits.
    SalvaStrategiaTrovata(lista, contatore, c, 0, 7, Best(2.0, 0.5f));
    atteso = testo(Best(2.0, 0.5f)) + "--- Cambio dei precedenti parametri:\r\r\n" +
             "E: -100%/100%   Q: 1.50/2.75\r\r\nP1: 45%/100%   PX: 0%/35%   P2: 0%/20%\r\r\n" +
             "===\r\r\n" + atteso;
    EXPECT_EQ(lista.strategie[0].descrizione, atteso);
    EXPECT_EQ(lista.strategie[0].numero, 11);
    for (const auto& e : lista.strategie[0].eventiStrategia)
        EXPECT_EQ(e.minProb1, 0.5f);

    // Ranking 1 now preferred with the same limits: Max.P turned into Min.P2.
    SalvaStrategiaTrovata(lista, contatore, c, 1, 7, Best(2.0, 0.5f));
    atteso = testo(Best(2.0, 0.5f)) + "--- Cambio dei precedenti parametri:\r\r\nMaxP1   ===\r\r\n" +
             atteso;
    ASSERT_EQ(lista.strategie.size(), 1u);
    EXPECT_EQ(lista.strategie[0].descrizione, atteso);
    EXPECT_EQ(lista.strategie[0].ordinamento, 1);
    EXPECT_EQ(lista.strategie[0].numero, 12);
    for (const auto& e : lista.strategie[0].eventiStrategia)
        EXPECT_EQ(e.tipo, 0);

    // No gain: the text on top, nothing else changes.
    SalvaStrategiaTrovata(lista, contatore, c, 0, 7, Best(0, 0.6f));
    atteso = testo(Best(0, 0.6f)) + "===\r\r\n" + atteso;
    EXPECT_EQ(lista.strategie[0].descrizione, atteso);
    EXPECT_EQ(lista.strategie[0].numero, 12);
    EXPECT_EQ(lista.strategie[0].eventiStrategia[0].minProb1, 0.5f);
    EXPECT_EQ(contatore, 13);
}

TEST(SalvaStrategiaTrovata, AltreStrategieNonCorrispondono) {
    ListaStrategie lista;
    std::int32_t contatore = 1;
    auto c = Contesto();
    SalvaStrategiaTrovata(lista, contatore, c, 0, 7, Best(3.5, 0.45f));
    SalvaStrategiaTrovata(lista, contatore, c, 2, 7, Best(3.5, 0.45f)); // another ranking
    SalvaStrategiaTrovata(lista, contatore, c, 0, 8, Best(3.5, 0.45f)); // another kind
    c.maxRendimento = false;
    SalvaStrategiaTrovata(lista, contatore, c, 0, 7, Best(3.5, 0.45f)); // another criterion
    c.maxRendimento = true;
    c.codici = {"ITA1"};
    SalvaStrategiaTrovata(lista, contatore, c, 0, 7, Best(3.5, 0.45f)); // another group
    c.codici = {"ITA1", "SPA1"};
    c.segno = 'x';
    SalvaStrategiaTrovata(lista, contatore, c, 0, 7, Best(3.5, 0.45f)); // another sign
    c.segno = '2';
    SalvaStrategiaTrovata(lista, contatore, c, 1, 7, Best(3.5, 0.45f)); // sign 2: 0 and 1 differ
    SalvaStrategiaTrovata(lista, contatore, c, 0, 7, Best(3.5, 0.45f));
    ASSERT_EQ(lista.strategie.size(), 8u);
    EXPECT_EQ(contatore, 9);
    const std::int16_t tipi[] = {1, 2, 1, 1, 1, 4, 7, 8};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(lista.strategie[i].eventiStrategia[0].tipo, tipi[i]) << i;
}

} // namespace
