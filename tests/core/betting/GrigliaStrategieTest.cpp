// The strategy search's plain pieces: the weekly ranking of a candidate, the
// settlement of the twelve kinds of play, the rule that keeps the best
// candidate, and the walk over the grid of limits against plain float loops.
#include "betting/Evento.h"
#include "betting/GrigliaStrategie.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

using namespace veltra;

namespace {

Evento EventoSegno1(float p1, float px, float p2, float quota1, float equita1, char esito) {
    Evento e;
    e.campionato = 0;
    e.prob[kQuota1] = p1;
    e.prob[kQuotaX] = px;
    e.prob[kQuota2] = p2;
    e.quote[kQuota1] = quota1;
    e.equita[kQuota1] = equita1;
    e.esito = esito;
    return e;
}

LimitiCandidato LimitiLarghi() {
    LimitiCandidato l;
    l.minProb1 = 0; l.maxProb1 = 1; l.minProbX = 0; l.maxProbX = 1; l.minProb2 = 0; l.maxProb2 = 1;
    l.minEquita = 0; l.maxEquita = 2; l.minQuota = 1; l.maxQuota = 4;
    return l;
}

// ---------------------------------------------------------------- ranking

struct CasoClassifica {
    const char* nome;
    std::vector<Evento> eventi;
    int ordinamento;
    int eventiDaConsiderare;
    LimitiCandidato limiti;
    std::vector<int> attese; // indices in ranking order
};

TEST(ClassificaSettimana, OrdinaFiltraETaglia) {
    LimitiCandidato larghi = LimitiLarghi();
    LimitiCandidato minEq = larghi;
    minEq.minEquita = 1.0f;
    LimitiCandidato maxQ = larghi;
    maxQ.maxQuota = 2.0f;
    LimitiCandidato prob = larghi;
    prob.minProb1 = 0.5f;
    prob.maxProbX = 0.3f;
    prob.maxProb2 = 0.2f;
    const std::vector<CasoClassifica> casi = {
        {"larger P(1) first",
         {EventoSegno1(0.4f, 0.3f, 0.3f, 2, 0.8f, '1'), EventoSegno1(0.6f, 0.2f, 0.2f, 2, 1.2f, '1'),
          EventoSegno1(0.5f, 0.3f, 0.2f, 2, 1.0f, '1')},
         0, 6, larghi, {1, 2, 0}},
        {"ties keep the earlier event",
         {EventoSegno1(0.5f, 0.3f, 0.2f, 2, 1, '1'), EventoSegno1(0.6f, 0.2f, 0.2f, 2, 1, '1'),
          EventoSegno1(0.5f, 0.2f, 0.3f, 3, 1, '1'), EventoSegno1(0.6f, 0.1f, 0.3f, 3, 1, '1')},
         0, 6, larghi, {1, 3, 0, 2}},
        {"smaller P(2) first, ties keep the earlier",
         {EventoSegno1(0.5f, 0.3f, 0.2f, 2, 1, '1'), EventoSegno1(0.6f, 0.3f, 0.1f, 2, 1, '1'),
          EventoSegno1(0.7f, 0.1f, 0.2f, 2, 1, '1')},
         1, 6, larghi, {1, 0, 2}},
        {"larger E(1) first",
         {EventoSegno1(0.5f, 0.3f, 0.2f, 2, 0.9f, '1'), EventoSegno1(0.5f, 0.3f, 0.2f, 2, 1.1f, '1')},
         2, 6, larghi, {1, 0}},
        {"larger Q(1) first",
         {EventoSegno1(0.5f, 0.3f, 0.2f, 1.5f, 1, '1'), EventoSegno1(0.5f, 0.3f, 0.2f, 2.5f, 1, '1'),
          EventoSegno1(0.5f, 0.3f, 0.2f, 2.0f, 1, '1')},
         3, 6, larghi, {1, 2, 0}},
        {"cut at the events considered",
         {EventoSegno1(0.4f, 0.3f, 0.3f, 2, 1, '1'), EventoSegno1(0.6f, 0.2f, 0.2f, 2, 1, '1'),
          EventoSegno1(0.5f, 0.3f, 0.2f, 2, 1, '1'), EventoSegno1(0.7f, 0.2f, 0.1f, 2, 1, '1')},
         0, 2, larghi, {3, 1}},
        {"a later event beyond the cut is dropped",
         {EventoSegno1(0.7f, 0.2f, 0.1f, 2, 1, '1'), EventoSegno1(0.6f, 0.2f, 0.2f, 2, 1, '1'),
          EventoSegno1(0.5f, 0.3f, 0.2f, 2, 1, '1')},
         0, 1, larghi, {0}},
        {"equity tolerance 0.005 below the minimum",
         {EventoSegno1(0.5f, 0.3f, 0.2f, 2, 0.996f, '1'), EventoSegno1(0.5f, 0.3f, 0.2f, 2, 0.993f, '1')},
         0, 6, minEq, {0}},
        {"odds tolerance 0.005 above the maximum",
         {EventoSegno1(0.5f, 0.3f, 0.2f, 2.004f, 1, '1'), EventoSegno1(0.5f, 0.3f, 0.2f, 2.007f, 1, '1')},
         0, 6, maxQ, {0}},
        {"probability limits of sign 1 without tolerance",
         {EventoSegno1(0.49f, 0.2f, 0.2f, 2, 1, '1'), EventoSegno1(0.5f, 0.3f, 0.2f, 2, 1, '1'),
          EventoSegno1(0.6f, 0.31f, 0.09f, 2, 1, '1'), EventoSegno1(0.6f, 0.19f, 0.21f, 2, 1, '1')},
         0, 6, prob, {1}},
    };
    for (const auto& c : casi) {
        std::array<int, kMaxEventiGiocata> pos{};
        const int n = ClassificaSettimana(c.eventi, '1', c.ordinamento, c.limiti,
                                          c.eventiDaConsiderare, pos);
        ASSERT_EQ(n, static_cast<int>(c.attese.size())) << c.nome;
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(pos[static_cast<std::size_t>(i)], c.attese[static_cast<std::size_t>(i)])
                << c.nome << " position " << i;
    }
}

TEST(ClassificaSettimana, FiltroDiOgniSegno) {
    Evento e;
    e.prob = {0.3f, 0.4f, 0.3f};
    e.quote = {3.0f, 3.2f, 3.1f};
    e.equita = {0.9f, 1.28f, 0.93f};
    LimitiCandidato l = LimitiLarghi();
    l.minProbX = 0.4f; l.maxProb1 = 0.3f; l.maxProb2 = 0.3f;
    EXPECT_TRUE(PassaFiltro(e, 'x', l));
    l.maxEquita = 1.27f; // 1.28 - 0.005 > 1.27
    EXPECT_FALSE(PassaFiltro(e, 'x', l));
    l = LimitiLarghi();
    l.minProb2 = 0.3f; l.maxProb1 = 0.3f; l.maxProbX = 0.39f;
    EXPECT_FALSE(PassaFiltro(e, '2', l));
    l.maxProbX = 0.4f;
    EXPECT_TRUE(PassaFiltro(e, '2', l));
    l.minQuota = 3.11f; // 3.1 + 0.005 < 3.11
    EXPECT_FALSE(PassaFiltro(e, '2', l));
}

TEST(FattoreEvento, VintoNulloPerso) {
    Evento e;
    e.quote = {1.8f, 3.2f, 4.5f};
    struct Caso { char esito, segno; double atteso; };
    const Caso casi[] = {{'1', '1', double{1.8f}}, {'X', 'x', double{3.2f}}, {'2', '2', double{4.5f}},
                         {'-', '1', 1.0}, {'-', 'x', 1.0}, {'2', '1', 0.0}, {'?', '2', 0.0},
                         {'1', 'x', 0.0}};
    for (const auto& c : casi) {
        e.esito = c.esito;
        EXPECT_EQ(FattoreEvento(e, c.segno), c.atteso) << c.esito << " for " << c.segno;
    }
}

// ---------------------------------------------------------------- settlement

struct Atteso { int tipo; bool giocabile, vincente; double guadagno; };
struct CasoLiquida {
    const char* nome;
    std::array<double, kMaxEventiGiocata> fattori;
    std::array<bool, kMaxEventiGiocata> vuoto;
    int riempite, eventiDaConsiderare;
    std::vector<Atteso> attesi;
};

TEST(LiquidaSettimana, CasiLimite) {
    const std::vector<CasoLiquida> casi = {
        {"void first event: single not playable, double counts it as 1",
         {1, 2, 0, 0, 0, 0}, {true, false, false, false, false, false}, 2, 2,
         {{0, false, false, 0}, {1, true, true, 1.0}, {6, true, true, 1.0}}},
        {"1 su 2 with one win at 1.80 and one loss",
         {1.8, 0, 0, 0, 0, 0}, {}, 2, 2,
         {{0, true, true, 0.8}, {1, true, false, -1.0}, {6, true, false, 1.8 - 1 - 1}}},
        {"single lost",
         {0, 0, 0, 0, 0, 0}, {}, 1, 6,
         {{0, true, false, -1.0}, {1, false, false, 0}, {6, false, false, 0}}},
        {"four won at 2: multiples and systems of four",
         {2, 2, 2, 2, 0, 0}, {}, 4, 6,
         {{3, true, true, 15}, {4, false, false, 0}, {7, true, true, 3 * 3.0},
          {8, true, true, 6 * 3.0}, {9, true, true, 4 * 7.0}, {11, true, true, 3 * 7.0},
          {10, false, false, 0}}},
        {"4 su 5 in 3 terzine with D lost",
         {2, 2, 2, 0, 2, 0}, {}, 5, 6,
         {{10, true, true, -1 - 1 + 7.0}, {4, true, false, -1}, {5, false, false, 0}}},
        {"2 su 3 with C lost: the one play won pays more than the two lost",
         {2, 2, 0, 0, 0, 0}, {}, 3, 3,
         {{7, true, true, (4 - 1) - 1 - 1.0}, {2, true, false, -1}}},
        {"2 su 3 with C lost: a gain of exactly 0 is not winning",
         {2, 1.5, 0, 0, 0, 0}, {}, 3, 3,
         {{7, true, false, (3 - 1) - 1 - 1.0}}},
        {"2 su 3 with A lost: not winning",
         {0, 1.5, 1.5, 0, 0, 0}, {}, 3, 3,
         {{7, true, false, -1 - 1 + (2.25 - 1)}}},
    };
    for (const auto& c : casi) {
        const auto r = LiquidaSettimana(c.fattori, c.vuoto, c.riempite, c.eventiDaConsiderare);
        for (const auto& a : c.attesi) {
            const auto& t = r[static_cast<std::size_t>(a.tipo)];
            EXPECT_EQ(t.giocabile, a.giocabile) << c.nome << " kind " << a.tipo;
            EXPECT_EQ(t.vincente, a.vincente) << c.nome << " kind " << a.tipo;
            EXPECT_NEAR(t.guadagno, a.guadagno, 1e-12) << c.nome << " kind " << a.tipo;
        }
    }
}

TEST(LiquidaSettimana, TipiGiocabiliSecondoGliEventiDaConsiderare) {
    const std::array<double, kMaxEventiGiocata> f{2, 2, 2, 2, 2, 2};
    const std::array<bool, kMaxEventiGiocata> v{};
    struct Caso { int eventi; std::vector<int> tipi; };
    const std::vector<Caso> casi = {{1, {0}},
                                    {2, {0, 1, 6}},
                                    {4, {0, 1, 2, 3, 6, 7, 8, 9, 11}},
                                    {6, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}}};
    for (const auto& c : casi) {
        const auto r = LiquidaSettimana(f, v, 6, c.eventi);
        std::vector<int> giocabili;
        for (int t = 0; t < kTipiGiocata; ++t) {
            if (r[static_cast<std::size_t>(t)].giocabile)
                giocabili.push_back(t);
            // The kind is playable exactly when it needs no more events than considered.
            EXPECT_EQ(r[static_cast<std::size_t>(t)].giocabile, EventiTipoGiocata(t) <= c.eventi);
        }
        EXPECT_EQ(giocabili, c.tipi) << c.eventi;
    }
}

TEST(TotaliGiocata, RitardoEGuadagno) {
    TotaliGiocata t;
    const EsitoSettimanaTipo settimane[] = {{true, false, -1}, {true, false, -1}, {false, false, 0},
                                            {true, true, 2.5}, {true, false, -1}};
    for (const auto& s : settimane)
        t.Aggiungi(s);
    EXPECT_EQ(t.giocabili, 4);
    EXPECT_EQ(t.vincenti, 1);
    EXPECT_EQ(t.maxRitardo, 2);
    EXPECT_EQ(t.ritardo, 1);
    EXPECT_DOUBLE_EQ(t.guadagno, -0.5);
}

TEST(NomiTipiGiocata, TabellaFissa) {
    const char* nomi[] = {"Singola n.1",   "Multipla da 2", "Multipla da 3",       "Multipla da 4",
                          "Multipla da 5", "Multipla da 6", "1 su 2",              "2 su 3",
                          "2 su 4",        "3 su 4",        "4 su 5 in 3 terzine", "1a fissa più 2 su 3"};
    const int eventi[] = {1, 2, 3, 4, 5, 6, 2, 3, 4, 4, 5, 4};
    for (int t = 0; t < kTipiGiocata; ++t) {
        EXPECT_STREQ(NomeTipoGiocata(t), nomi[t]);
        EXPECT_EQ(EventiTipoGiocata(t), eventi[t]);
    }
}

// ---------------------------------------------------------------- best candidate

TotaliGiocata Totali(double y, int w, int g) {
    TotaliGiocata t;
    t.guadagno = y;
    t.vincenti = w;
    t.giocabili = g;
    return t;
}
MiglioreGiocata Migliore(double y, int w, int g) {
    MiglioreGiocata b;
    b.guadagno = y;
    b.vincenti = w;
    b.giocabili = g;
    return b;
}

TEST(SostituisceMigliore, Criteri) {
    struct Caso {
        const char* nome;
        TotaliGiocata c;
        MiglioreGiocata b;
        bool maxRendimento;
        int disponibili, minUtili, minVincenti;
        bool atteso;
    };
    const Caso casi[] = {
        {"first with positive gain", Totali(2, 3, 10), Migliore(0, 0, 0), true, 10, 50, 25, true},
        {"zero gain is not above an empty best", Totali(0, 3, 10), Migliore(0, 0, 0), true, 10, 0, 0, false},
        {"negative gain ignored, even by frequency", Totali(-0.1, 9, 10), Migliore(0, 0, 0), false, 10, 0, 0, false},
        {"equal yield keeps the earlier", Totali(4, 3, 20), Migliore(2, 5, 10), true, 20, 0, 0, false},
        {"larger yield", Totali(4.1, 3, 20), Migliore(2, 5, 10), true, 20, 0, 0, true},
        {"equal frequency keeps the earlier", Totali(9, 5, 10), Migliore(1, 10, 20), false, 20, 0, 0, false},
        {"larger frequency", Totali(0, 6, 10), Migliore(9, 10, 20), false, 20, 0, 0, true},
        {"frequency: any candidate over an empty best", Totali(0, 0, 10), Migliore(0, 0, 0), false, 20, 0, 0, true},
        {"too few playable weeks", Totali(5, 5, 9), Migliore(0, 0, 0), true, 20, 50, 0, false},
        {"exactly the playable share", Totali(5, 5, 10), Migliore(0, 0, 0), true, 20, 50, 0, true},
        {"too few winning weeks", Totali(5, 2, 9), Migliore(0, 0, 0), true, 10, 0, 25, false},
        {"exactly the winning share", Totali(5, 3, 12), Migliore(0, 0, 0), true, 12, 0, 25, true},
        {"no playable week never kept", Totali(0, 0, 0), Migliore(0, 0, 0), false, 10, 0, 0, false},
    };
    for (const auto& c : casi)
        EXPECT_EQ(SostituisceMigliore(c.c, c.b, c.maxRendimento, c.disponibili, c.minUtili,
                                      c.minVincenti),
                  c.atteso)
            << c.nome;
}

// ---------------------------------------------------------------- grid

// Order-sensitive hash of the candidates' bits.
struct Impronta {
    std::uint64_t h = 1469598103934665603ull;
    long n = 0;
    void Aggiungi(const LimitiCandidato& l) {
        const float v[] = {l.minProb1, l.maxProb1, l.minProbX, l.maxProbX, l.minProb2,
                           l.maxProb2, l.minEquita, l.maxEquita, l.minQuota, l.maxQuota};
        for (float f : v) {
            std::uint32_t b;
            std::memcpy(&b, &f, sizeof b);
            h = (h ^ b) * 1099511628211ull;
        }
        ++n;
    }
};

struct VisitaImpronta {
    Impronta imp;
    std::vector<std::pair<float, float>> equita;
    std::vector<float> minimi;
    int fermaDopo = -1;
    void InizioEquitaMin(float m) { minimi.push_back(m); }
    void Candidato(const LimitiCandidato& l) { imp.Aggiungi(l); }
    bool FineEquitaMax(float mn, float mx) {
        equita.emplace_back(mn, mx);
        return fermaDopo < 0 || static_cast<int>(equita.size()) < fermaDopo;
    }
    void FineEquitaMin(float) {}
};

// The same grid as plain float loops, written out for each sign.
Impronta GrigliaPiana(char segno, std::vector<std::pair<float, float>>& equita) {
    Impronta imp;
    for (float c = 0.65f; c < 1.15; c += 0.05f) {
        float mn = c;
        if (c < 0.66) mn = 0;
        else if (c < 0.71) mn = 0.25f;
        else if (c < 0.76) mn = 0.5f;
        else if (c < 0.81) mn = 0.75f;
        else if (c < 0.89) mn = 0.85f;
        for (float d = 1.0f; d < 1.39; d += 0.05f) {
            if (d <= mn + 0.011)
                continue;
            float mx = d;
            if (d >= 1.34) mx = 2.0f;
            else if (d >= 1.29) mx = 1.75f;
            else if (d >= 1.24) mx = 1.5f;
            else if (d >= 1.19) mx = 1.25f;
            for (float q1 = 1.0f; q1 < 3.01; q1 += 0.05f)
                for (float q2 = 1.0f; q2 < 4.01; q2 += 0.05f) {
                    if (q2 < q1)
                        continue;
                    LimitiCandidato l;
                    l.minEquita = mn; l.maxEquita = mx; l.minQuota = q1; l.maxQuota = q2;
                    if (segno == '1') {
                        l.maxProb1 = 1;
                        for (float a = 0.45f; a < 0.66; a += 0.05f)
                            for (float b = 0.35f; b > 0.19; b -= 0.05f)
                                for (float e = b; e > 0.14; e -= 0.05f) {
                                    l.minProb1 = a; l.maxProbX = b; l.maxProb2 = e;
                                    imp.Aggiungi(l);
                                }
                    } else if (segno == '2') {
                        l.maxProb2 = 1;
                        for (float a = 0.20f; a < 0.41; a += 0.05f)
                            for (float b = 0.45f; b > 0.24; b -= 0.05f)
                                for (float e = 0.45f; e > 0.24; e -= 0.05f) {
                                    l.minProb2 = a; l.maxProb1 = b; l.maxProbX = e;
                                    imp.Aggiungi(l);
                                }
                    } else {
                        l.maxProbX = 1;
                        for (float a = 0.25f; a < 0.46; a += 0.05f)
                            for (float b = 0.50f; b > 0.29; b -= 0.05f)
                                for (float e = 0.30f; e > 0.19; e -= 0.05f) {
                                    l.minProbX = a; l.maxProb1 = b; l.maxProb2 = e;
                                    imp.Aggiungi(l);
                                }
                    }
                }
            equita.emplace_back(mn, mx);
        }
    }
    return imp;
}

TEST(PercorriGriglia, UgualeAiCicliPianiInFloat) {
    struct Caso { char segno; long probabilita; };
    const Caso casi[] = {{'1', 70}, {'2', 125}, {'x', 75}};
    for (const auto& c : casi) {
        VisitaImpronta v;
        EXPECT_TRUE(PercorriGriglia(c.segno, v));
        std::vector<std::pair<float, float>> equita;
        const Impronta attesa = GrigliaPiana(c.segno, equita);
        EXPECT_EQ(v.imp.h, attesa.h) << c.segno;
        EXPECT_EQ(v.imp.n, attesa.n) << c.segno;
        EXPECT_EQ(v.equita, equita) << c.segno;
        // 1681 odds pairs and the sign's probability combinations per equity pair.
        EXPECT_EQ(v.imp.n, static_cast<long>(equita.size()) * 1681 * c.probabilita) << c.segno;
        // Float stepping gives one more equity minimum than the decimal values
        // would (the counter after 0.65 + 10 steps is still below 1.15).
        std::vector<float> minimi;
        for (const auto& [mn, mx] : equita)
            if (minimi.empty() || minimi.back() != mn)
                minimi.push_back(mn);
        EXPECT_EQ(v.minimi, minimi) << c.segno;
    }
}

TEST(PercorriGriglia, FermataDopoUnMassimoDiEquita) {
    VisitaImpronta v;
    v.fermaDopo = 3;
    EXPECT_FALSE(PercorriGriglia('x', v));
    EXPECT_EQ(v.equita.size(), 3u);
    EXPECT_EQ(v.imp.n, 3L * 1681 * 75);
}

TEST(PercorriGriglia, ContatoriDiEquita) {
    struct Caso { float contatore, minimo; };
    const Caso minimi[] = {{0.65f, 0}, {0.70f, 0.25f}, {0.75f, 0.5f}, {0.80f, 0.75f}, {0.85f, 0.85f},
                           {0.9f, 0.9f}, {1.1f, 1.1f}};
    for (const auto& c : minimi)
        EXPECT_EQ(MinEquitaDaContatore(c.contatore), c.minimo) << c.contatore;
    const Caso massimi[] = {{1.0f, 1.0f}, {1.15f, 1.15f}, {1.2f, 1.25f}, {1.25f, 1.5f},
                            {1.3f, 1.75f}, {1.35f, 2.0f}};
    for (const auto& c : massimi)
        EXPECT_EQ(MaxEquitaDaContatore(c.contatore), c.minimo) << c.contatore;
}

} // namespace

namespace {

// Two small weeks for sign 'x': several candidates give the same results.
std::vector<SettimanaArchiviata> SettimaneX() {
    auto ev = [](float p1, float px, float p2, float qx, char esito) {
        Evento e;
        e.campionato = 0;
        e.prob = {p1, px, p2};
        e.quote = {2.0f, qx, 3.0f};
        e.equita = {p1 * 2.0f, px * qx, p2 * 3.0f};
        e.esito = esito;
        return e;
    };
    std::vector<SettimanaArchiviata> s(3);
    s[0].eventi = {ev(0.35f, 0.30f, 0.35f, 3.2f, 'X'), ev(0.45f, 0.28f, 0.27f, 3.0f, '1'),
                   ev(0.30f, 0.40f, 0.30f, 2.6f, 'X')};
    s[1].eventi = {ev(0.40f, 0.30f, 0.30f, 3.3f, '2'), ev(0.32f, 0.36f, 0.32f, 2.9f, 'X'),
                   ev(0.38f, 0.27f, 0.25f, 3.6f, '-')};
    s[2].eventi = {ev(0.39f, 0.33f, 0.28f, 3.1f, 'X'), ev(0.45f, 0.26f, 0.29f, 3.4f, 'X')};
    return s;
}

// Per kind, the largest measure over the whole grid (candidates with a playable
// week and a non-negative gain) and the first candidate in grid order reaching it.
struct VisitaMassimo {
    std::span<const SettimanaArchiviata> settimane;
    int ordinamento, eventi;
    bool maxRendimento;
    long candidati = 0;
    std::array<double, kTipiGiocata> massimo{};
    std::array<std::optional<LimitiCandidato>, kTipiGiocata> primo{};
    void InizioEquitaMin(float) {}
    void FineEquitaMin(float) {}
    bool FineEquitaMax(float, float) { return true; }
    void Candidato(const LimitiCandidato& l) {
        ++candidati;
        const auto tot = ValutaCandidato(settimane, 'x', ordinamento, l, eventi);
        for (std::size_t t = 0; t < tot.size(); ++t) {
            const auto& c = tot[t];
            if (c.giocabili == 0 || c.guadagno < 0)
                continue;
            const double mis = maxRendimento ? c.guadagno / c.giocabili
                                             : static_cast<double>(c.vincenti) / c.giocabili;
            if (!primo[t] || mis > massimo[t]) {
                massimo[t] = mis;
                primo[t] = l;
            }
        }
    }
};

TEST(CercaSegnoLetterale, IlMiglioreEIlPrimoInOrdineDiGriglia) {
    const auto settimane = SettimaneX();
    for (bool maxRendimento : {true, false}) {
        ParametriRicerca p;
        p.ordinamenti = {false, false, false, true};
        p.eventiDaConsiderare = 2;
        p.minSettimaneUtili = 0;
        p.minSettimaneVincenti.fill(0);
        p.maxRendimento = maxRendimento;
        std::vector<Miglioramento> miglioramenti;
        long candidati = 0;
        const auto m = CercaSegnoLetterale(settimane, p, 'x', &miglioramenti, candidati);
        VisitaMassimo v{settimane, 3, 2, maxRendimento};
        PercorriGriglia('x', v);
        EXPECT_EQ(candidati, v.candidati);
        int verificati = 0;
        for (int t = 0; t < kTipiGiocata; ++t) {
            const auto& b = m[3][static_cast<std::size_t>(t)];
            if (EventiTipoGiocata(t) > 2) {
                EXPECT_EQ(b.giocabili, 0) << t;
                continue;
            }
            const auto& primo = v.primo[static_cast<std::size_t>(t)];
            ASSERT_TRUE(primo.has_value()) << t;
            // With the yield criterion a best of zero gain is never taken.
            if (maxRendimento && v.massimo[static_cast<std::size_t>(t)] == 0) {
                EXPECT_EQ(b.giocabili, 0) << t;
                continue;
            }
            ASSERT_GT(b.giocabili, 0) << t << " " << maxRendimento;
            EXPECT_EQ(*primo, b.limiti) << t << " " << maxRendimento;
            ++verificati;
        }
        EXPECT_EQ(verificati, 3) << maxRendimento; // kinds 0, 1 and 6 all have a best
        // The improvements come in search order and end with each kind's best.
        for (int t = 0; t < kTipiGiocata; ++t) {
            const Miglioramento* ultimo = nullptr;
            for (const auto& mi : miglioramenti)
                if (mi.tipo == t)
                    ultimo = &mi;
            if (m[3][static_cast<std::size_t>(t)].giocabili > 0) {
                ASSERT_NE(ultimo, nullptr);
                EXPECT_EQ(ultimo->migliore.limiti, m[3][static_cast<std::size_t>(t)].limiti);
            } else {
                EXPECT_EQ(ultimo, nullptr);
            }
        }
    }
}

TEST(OrdinamentoProbabilita, MinP2SoloSeStrettamenteMigliore) {
    struct Caso { MiglioreGiocata r0, r1; bool maxRendimento; int atteso; };
    const Caso casi[] = {
        {Migliore(2, 1, 10), Migliore(3, 1, 10), true, 1},
        {Migliore(3, 1, 10), Migliore(3, 5, 10), true, 0},   // equal yield: Max.P
        {Migliore(3, 1, 10), Migliore(3, 5, 10), false, 1},  // better frequency
        {Migliore(0, 0, 0), Migliore(-1, 9, 10), false, 0},  // negative gain measures 0
        {Migliore(0, 0, 0), Migliore(0.5, 1, 10), true, 1},
    };
    for (const auto& c : casi) {
        MiglioriSegno m{};
        m[0][4] = c.r0;
        m[1][4] = c.r1;
        EXPECT_EQ(OrdinamentoProbabilita(m, 4, c.maxRendimento), c.atteso);
    }
}

TEST(ValutaUnica, RisultatiSenzaIVincoli) {
    const auto settimane = SettimaneX();
    ParametriRicerca p;
    p.ordinamenti = {true, true, true, true};
    p.eventiDaConsiderare = 1;
    p.minSettimaneUtili = 100;
    LimitiCandidato l;
    l.minProbX = 0.3f; l.maxProbX = 1; l.maxProb1 = 1; l.maxProb2 = 1;
    l.minEquita = 0; l.maxEquita = 2; l.minQuota = 1; l.maxQuota = 4;
    const auto m = ValutaUnica(settimane, p, 'x', l);
    // Ranking 0 (largest P(X)): week 1 the third event (won at 2.6), week 2 the
    // second (won at 2.9), week 3 the first (won at 3.1).
    EXPECT_EQ(m[0][0].giocabili, 3);
    EXPECT_EQ(m[0][0].vincenti, 3);
    EXPECT_NEAR(m[0][0].guadagno, (2.6f - 1.0) + (2.9f - 1.0) + (3.1f - 1.0), 1e-9);
    EXPECT_EQ(m[1][0].giocabili, 0); // ranking 1 only for sign '1'
    EXPECT_EQ(m[3][0].limiti, l);
    EXPECT_EQ(m[0][1].giocabili, 0); // kinds beyond one event are not evaluated
}

} // namespace
