// The chance of a set of columns against a walk over the outcomes and
// against the seeded estimate, and the search for the best K columns.
#include "dati/Archivio.h"
#include "dati/DatiCampionati.h"
#include "platform/Lavori.h"
#include "platform/Risorse.h"
#include "pools/CCondizionamenti.h"
#include "pools/CPropostaSistema.h"
#include "pools/CostruzioneSistema.h"
#include "pools/DimensioniSistema.h"
#include "pools/OperazioniSchedina.h"
#include "pools/ProbabilitaSistema.h"
#include "pools/StampaSchedine.h"
#include "pools/VerificaColonna.h"
#include "pools/riduzioni/GeneratoreCasuale.h"

#include "../doppi/MessaggiRegistrati.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>

using namespace veltra;
using veltra::test::MessaggiRegistrati;

namespace {

constexpr std::uint32_t Potenza(int r) {
    std::uint32_t p = 1;
    for (int i = 0; i < r; ++i) p *= 3;
    return p;
}
int Cifra(std::uint32_t x, int r) { return static_cast<int>(x / Potenza(r) % 3); }

// Rows 0..variabili-1 drawn at random (some with a sign of probability 0),
// the others certain on a sign that depends on the row.
ProbabilitaRighe Probabilita(int variabili, std::uint64_t seme) {
    riduzioni::GeneratoreCasuale g(seme);
    ProbabilitaRighe p{};
    for (int r = 0; r < kRigheSchedina; ++r) {
        auto& pr = p[static_cast<std::size_t>(r)];
        if (r >= variabili) {
            pr[static_cast<std::size_t>(r % 3)] = 1;
            continue;
        }
        double somma = 0;
        for (auto& v : pr) somma += v = 1 + static_cast<double>(g.Sotto(100));
        if (r % 4 == 3) somma -= std::exchange(pr[1], 0.0); // a sign that cannot come
        for (auto& v : pr) v /= somma;
    }
    return p;
}

std::vector<std::uint32_t> Colonne(std::size_t n, std::uint64_t seme) {
    riduzioni::GeneratoreCasuale g(seme);
    std::vector<std::uint32_t> c(n);
    for (auto& x : c) x = static_cast<std::uint32_t>(g.Sotto(kEsiti));
    return c;
}

// Every outcome of positive probability, with its nearest column.
ChanceSistema ForzaBruta(const std::vector<std::uint32_t>& colonne, const ProbabilitaRighe& p) {
    std::vector<std::pair<std::uint32_t, double>> esiti{{0, 1.0}};
    for (int r = 0; r < kRigheSchedina; ++r) {
        std::vector<std::pair<std::uint32_t, double>> n;
        for (auto [o, q] : esiti)
            for (int s = 0; s < 3; ++s)
                if (p[static_cast<std::size_t>(r)][static_cast<std::size_t>(s)] > 0)
                    n.emplace_back(o + static_cast<std::uint32_t>(s) * Potenza(r),
                                   q * p[static_cast<std::size_t>(r)][static_cast<std::size_t>(s)]);
        esiti.swap(n);
    }
    ChanceSistema c;
    for (auto [o, q] : esiti) {
        int minima = kRigheSchedina;
        for (std::uint32_t col : colonne) {
            int d = 0;
            for (int r = 0; r < kRigheSchedina; ++r) d += Cifra(o, r) != Cifra(col, r);
            minima = std::min(minima, d);
        }
        if (minima == 0) c.p14 += q;
        if (minima <= 1) c.p13 += q;
        if (minima <= 2) c.p12 += q;
    }
    return c;
}

} // namespace

TEST(ProbabilitaSistema, EsattaComeLaForzaBruta) {
    struct Caso {
        int variabili;
        std::size_t colonne;
        std::uint64_t seme;
    };
    const Caso casi[] = {{0, 1, 1}, {3, 1, 2}, {5, 4, 3}, {6, 30, 4}, {7, 200, 5}, {8, 3, 6}, {8, 1000, 7}};
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.variabili);
        const ProbabilitaRighe p = Probabilita(k.variabili, k.seme);
        // Columns near the likely outcomes, or nothing would be hit.
        std::vector<std::uint32_t> c = Colonne(k.colonne, k.seme);
        for (std::size_t i = 0; i < c.size(); i += 1 + i % 2)
            for (int r = k.variabili; r < kRigheSchedina; ++r)
                c[i] += static_cast<std::uint32_t>(r % 3 - Cifra(c[i], r)) * Potenza(r);
        c.push_back(c.front()); // a repeated column counts once
        const ChanceSistema e = ProbabilitaEsatta(c, p), b = ForzaBruta(c, p);
        EXPECT_TRUE(e.esatta);
        EXPECT_NEAR(e.p14, b.p14, 1e-12);
        EXPECT_NEAR(e.p13, b.p13, 1e-12);
        EXPECT_NEAR(e.p12, b.p12, 1e-12);
        EXPECT_GT(e.p12, 0);
    }
}

TEST(ProbabilitaSistema, StimaConcordaConLaEsatta) {
    const ProbabilitaRighe p = Probabilita(kRigheSchedina, 11);
    // Columns near the likeliest outcome, three signs changed at random, so
    // that the chances are far from 0 and 1.
    std::uint32_t moda = 0;
    for (int r = 0; r < kRigheSchedina; ++r) {
        const auto& pr = p[static_cast<std::size_t>(r)];
        moda += static_cast<std::uint32_t>(std::max_element(pr.begin(), pr.end()) - pr.begin()) * Potenza(r);
    }
    riduzioni::GeneratoreCasuale g(12);
    std::vector<std::uint32_t> c(3000, moda);
    for (auto& x : c)
        for (int k = 0; k < 3; ++k) {
            const int r = static_cast<int>(g.Sotto(kRigheSchedina));
            x += static_cast<std::uint32_t>(static_cast<int>(g.Sotto(3)) - Cifra(x, r)) * Potenza(r);
        }
    const ChanceSistema e = ProbabilitaEsatta(c, p);
    const ChanceSistema s = StimaProbabilita(c, p, 40000, 5);
    EXPECT_FALSE(s.esatta);
    EXPECT_EQ(s.campioni, 40000);
    ASSERT_GT(s.errore12, 0);
    EXPECT_NEAR(s.p14, e.p14, 5 * s.errore14 + 1e-9);
    EXPECT_NEAR(s.p13, e.p13, 5 * s.errore13);
    EXPECT_NEAR(s.p12, e.p12, 5 * s.errore12);
    EXPECT_GT(e.p12, 0.05);
    const ChanceSistema s2 = StimaProbabilita(c, p, 40000, 5);
    EXPECT_EQ(s2.p12, s.p12); // the seed fixes the estimate
}

TEST(ProbabilitaSistema, PiuColonneMaiMenoProbabilita) {
    const ProbabilitaRighe p = Probabilita(kRigheSchedina, 21);
    const auto tutte = Colonne(4000, 22);
    ChanceSistema prima;
    for (std::size_t n : {0u, 1u, 10u, 100u, 1000u, 4000u}) {
        const ChanceSistema c = ProbabilitaEsatta({tutte.begin(), tutte.begin() + static_cast<long>(n)}, p);
        EXPECT_GE(c.p14, prima.p14);
        EXPECT_GE(c.p13, prima.p13);
        EXPECT_GE(c.p12, prima.p12);
        EXPECT_LE(c.p14, c.p13);
        EXPECT_LE(c.p13, c.p12);
        prima = c;
    }
}

TEST(SistemaOttimo, DeterministicoPerSemeEThread) {
    const ProbabilitaRighe p = Probabilita(kRigheSchedina, 31);
    OpzioniOttimo o;
    o.colonne = 400;
    for (int r = 0; r < kRigheSchedina; ++r) o.ammessi[static_cast<std::size_t>(r)] = r < 6 ? 7 : r < 11 ? 3 : 4;
    o.seme = 9;
    o.thread = 1;
    const RisultatoOttimo a = CercaOttimo(p, o);
    o.thread = 2;
    const RisultatoOttimo b = CercaOttimo(p, o);
    EXPECT_EQ(a.colonne, b.colonne);
    EXPECT_EQ(a.chance.p12, b.chance.p12);
    ASSERT_EQ(a.colonne.size(), 400u);
    EXPECT_EQ(std::set<std::uint32_t>(a.colonne.begin(), a.colonne.end()).size(), 400u);
    for (std::uint32_t c : a.colonne)
        for (int r = 0; r < kRigheSchedina; ++r)
            EXPECT_TRUE(o.ammessi[static_cast<std::size_t>(r)] & (1u << Cifra(c, r)));
    EXPECT_DOUBLE_EQ(a.chance.p12, ProbabilitaEsatta(a.colonne, p).p12);
}

TEST(SistemaOttimo, MegliorDiColonneQualsiasiEDellaSolaScelta) {
    const ProbabilitaRighe p = Probabilita(kRigheSchedina, 41);
    OpzioniOttimo o;
    o.colonne = 300;
    for (int r = 0; r < kRigheSchedina; ++r) o.ammessi[static_cast<std::size_t>(r)] = r < 7 ? 7 : 5;
    for (int obiettivo : {12, 13, 14}) {
        SCOPED_TRACE(obiettivo);
        o.obiettivo = obiettivo;
        o.passi = 0;
        const RisultatoOttimo goloso = CercaOttimo(p, o);
        o.passi = 2;
        const RisultatoOttimo r = CercaOttimo(p, o);
        auto valore = [obiettivo](const ChanceSistema& c) {
            return obiettivo == 12 ? c.p12 : obiettivo == 13 ? c.p13 : c.p14;
        };
        // The local search never loses what the greedy cover found.
        EXPECT_GE(valore(r.chance), valore(goloso.chance) - 1e-12);
        EXPECT_GT(valore(r.chance), valore(ProbabilitaEsatta(Colonne(300, 42), p)));
    }
    // For 14 the best K columns are the K likeliest outcomes.
    OpzioniOttimo uno;
    uno.colonne = 1;
    uno.obiettivo = 14;
    uno.ammessi.fill(7);
    std::uint32_t attesa = 0;
    for (int r = 0; r < kRigheSchedina; ++r) {
        const auto& pr = p[static_cast<std::size_t>(r)];
        attesa += static_cast<std::uint32_t>(std::max_element(pr.begin(), pr.end()) - pr.begin()) * Potenza(r);
    }
    EXPECT_EQ(CercaOttimo(p, uno).colonne, std::vector<std::uint32_t>{attesa});
}

TEST(SistemaOttimo, CasiLimiteEFermo) {
    const ProbabilitaRighe p = Probabilita(kRigheSchedina, 51);
    OpzioniOttimo o;
    o.ammessi.fill(1);
    o.ammessi[0] = o.ammessi[5] = 7;
    o.colonne = 50; // more than the 9 candidates: all of them
    EXPECT_EQ(CercaOttimo(p, o).colonne.size(), 9u);

    struct Errato {
        std::int32_t colonne;
        int obiettivo;
        std::uint8_t riga3;
    };
    for (const Errato& e : {Errato{0, 12, 1}, Errato{5, 11, 1}, Errato{5, 15, 1}, Errato{5, 12, 0}}) {
        OpzioniOttimo x = o;
        x.colonne = e.colonne;
        x.obiettivo = e.obiettivo;
        x.ammessi[3] = e.riga3;
        EXPECT_THROW(CercaOttimo(p, x), std::invalid_argument);
    }

    OpzioniOttimo f;
    f.colonne = 2000;
    f.ammessi.fill(3);
    f.ammessi[1] = f.ammessi[2] = f.ammessi[3] = 7;
    long chiamate = 0;
    f.avanzamento = [&](long, long) { return ++chiamate < 2; };
    const RisultatoOttimo r = CercaOttimo(p, f);
    EXPECT_TRUE(r.fermato);
    EXPECT_TRUE(r.colonne.empty());
}

namespace {

Schedina Schedina14(const std::vector<std::string>& pronostici) {
    Schedina s;
    s.schedinaAssente = 0;
    for (std::size_t i = 0; i < pronostici.size(); ++i) {
        Partita& p = s.partite[i];
        p.campionato = 0;
        p.squadraCasa = "Casa" + std::to_string(i);
        p.squadraTrasferta = "Ospite" + std::to_string(i);
        p.prob1 = 0.30f + 0.03f * static_cast<float>(i % 5);
        p.probX = 0.28f;
        p.prob2 = 1.09f - p.prob1 - p.probX;
        for (std::size_t k = 0; k < pronostici[i].size(); ++k)
            p.segni[k] = static_cast<std::int16_t>(SegnoDaCarattere(pronostici[i][k]));
        p.pronosticoAuto = pronostici[i];
    }
    return s;
}

} // namespace

TEST(SistemaOttimo, NellaSchedinaComeGliAltriSistemi) {
    DatiCampionati dati;
    Schedina s = Schedina14({"1X2", "1X2", "1X2", "X2", "1X", "12", "1X", "1", "X", "2", "1", "1", "2", "1"});
    CCondizionamenti c;
    const auto tabelle = CartellaRiduzioni();
    const std::int32_t n1 = DimensioneRidotto(tabelle, 3, 4);
    ASSERT_GT(n1, 0);
    MessaggiRegistrati m;
    EsecutoreSincrono esecutore;
    ContestoSistema ctx{esecutore, m, tabelle, std::nullopt, 0};

    // The N-1 table first, for its chance.
    s.riduzioneMin = s.riduzioneMax = -1;
    bool ok = false;
    CostruisciSistema(s, c, ctx, [&](bool b) { ok = b; });
    ASSERT_TRUE(ok);
    const auto prob = ProbabilitaDi(s);
    ASSERT_TRUE(prob);
    const ChanceSistema tabella = ProbabilitaEsatta(ColonneSistema(s), *prob);

    CPropostaSistema p(dati, s, c, tabelle);
    ASSERT_TRUE(p.Riempi(false, m));
    p.ScegliOttimo(0, 12, false); // as many columns as the table
    p.Chiudi();
    EXPECT_EQ(p.colonneOttimo(), n1);
    EXPECT_EQ(s.ridotto.numColonne, n1);
    EXPECT_EQ(TotaleColonne(s), -1); // known, not built

    // A stop leaves the record as it was.
    EsecutoreSincrono fermo;
    fermo.fermaDopo = 1;
    ContestoSistema ctxFermo{fermo, m, tabelle, std::nullopt, 0};
    ok = true;
    const SistemaRidotto prima = s.ridotto;
    CostruisciSistema(s, c, ctxFermo, [&](bool b) { ok = b; });
    EXPECT_FALSE(ok);
    EXPECT_EQ(s.ridotto, prima);

    CostruisciSistema(s, c, ctx, [&](bool b) { ok = b; });
    ASSERT_TRUE(ok);
    ASSERT_EQ(TotaleColonne(s), n1);
    // Every column plays one sign per row, within the predictions.
    const LettoreSistema l(s);
    for (int k = 0; k < n1; ++k)
        for (int r = 0; r < kRigheSchedina; ++r) {
            const std::string t = TestoCodice(l.Segno(k, r));
            ASSERT_EQ(t.size(), 1u);
            EXPECT_NE(Pronostico(s.partite[static_cast<std::size_t>(r)]).find(t), std::string::npos);
        }
    const ChanceSistema ottimo = ProbabilitaEsatta(ColonneSistema(s), *prob);
    EXPECT_GE(ottimo.p12, tabella.p12);

    // Signs outside the predictions: a fixed row may change too.
    p.ScegliOttimo(40, 13, true);
    CostruisciSistema(s, c, ctx, [&](bool b) { ok = b; });
    ASSERT_TRUE(ok);
    EXPECT_EQ(TotaleColonne(s), 40);

    // The record keeps the N-1 table in place of the best system, which
    // older files cannot hold; the rest of the coupon is written as it is.
    Archivio scritto;
    s.Serializza(scritto);
    Archivio lettura(scritto.dati());
    Schedina letta;
    letta.Serializza(lettura);
    EXPECT_EQ(letta.riduzioneMin, -1);
    EXPECT_EQ(letta.riduzioneMax, -1);
    EXPECT_EQ(letta.partite, s.partite);
}
