#include "engine/parametri/LimitiTotali.h"

#include <gtest/gtest.h>

using namespace veltra;

namespace {

struct Valori {
    int minCasa, maxCasa, minTrasferta, maxTrasferta;
    float forteCasa, deboleCasa, forteTrasferta, deboleTrasferta;
    friend bool operator==(const Valori&, const Valori&) = default;
};

std::ostream& operator<<(std::ostream& o, const Valori& v) {
    return o << v.minCasa << ".." << v.maxCasa << " " << v.minTrasferta << ".." << v.maxTrasferta
             << " F" << v.forteCasa << " D" << v.deboleCasa << " F" << v.forteTrasferta << " D"
             << v.deboleTrasferta;
}

CAnalisi Con(const Valori& v) {
    CAnalisi a; // N = 2, default points: home -4..0, away -2..+2
    a.limiteMinCasa = static_cast<std::int16_t>(v.minCasa);
    a.limiteMaxCasa = static_cast<std::int16_t>(v.maxCasa);
    a.limiteMinTrasferta = static_cast<std::int16_t>(v.minTrasferta);
    a.limiteMaxTrasferta = static_cast<std::int16_t>(v.maxTrasferta);
    a.punteggiAvanzati.forteCasa = v.forteCasa;
    a.punteggiAvanzati.deboleCasa = v.deboleCasa;
    a.punteggiAvanzati.forteTrasferta = v.forteTrasferta;
    a.punteggiAvanzati.deboleTrasferta = v.deboleTrasferta;
    return a;
}

Valori Di(const CAnalisi& a) {
    const auto& p = a.punteggiAvanzati;
    return {a.limiteMinCasa, a.limiteMaxCasa, a.limiteMinTrasferta, a.limiteMaxTrasferta,
            p.forteCasa,     p.deboleCasa,    p.forteTrasferta,     p.deboleTrasferta};
}

} // namespace

// The same values clamped by both windows: the current analysis window keeps
// them within the reachable totals, the advanced dialog one unit beyond.
TEST(LimitiTotali, LeDueFinestreLimitanoDiversamente) {
    struct Caso {
        Valori prima, dopoGiornate, dopoPunti;
    };
    const Caso casi[] = {
        // Far outside on every side.
        {{-10, 10, -10, 10, 10, -10, 10, -10},
         {-4, 0, -2, 2, 0, -4, 2, -2},
         {-5, 1, -3, 3, 1, -5, 3, -3}},
        // Min at the top of the range: the first moves it down, the second
        // raises the max above it.
        {{0, 0, 2, 2, -1, -4, 2, -2}, {-1, 0, 1, 2, -1, -4, 2, -2}, {0, 1, 2, 3, -1, -4, 2, -2}},
        // Forte below debole is raised to it.
        {{-1, 0, -1, 0, -3, -1, -2, 1}, {-1, 0, -1, 0, -1, -1, 1, 1}, {-1, 0, -1, 0, -1, -1, 1, 1}},
    };
    for (const Caso& c : casi) {
        CAnalisi a = Con(c.prima);
        LimitaDopoGiornate(a);
        EXPECT_EQ(Di(a), c.dopoGiornate) << c.prima;
        CAnalisi b = Con(c.prima);
        LimitaDopoPunti(b, false);
        LimitaDopoPunti(b, true);
        EXPECT_EQ(Di(b), c.dopoPunti) << c.prima;
    }
}

TEST(LimitiTotali, TroncatoControArrotondato) {
    CAnalisi a;
    a.giornateAnalisi = 3;
    a.punteggiAvanzati.punti[0] = 0.5f; // home max 0.5: 3 x 0.5 = 1.5
    for (int i : {4, 10, 16})
        a.punteggiAvanzati.punti[i] = -1.5f; // -4.5, halves go up: -4
    EXPECT_EQ(TotaliRaggiungibili(a, false, false).hi, 1);
    EXPECT_EQ(TotaliRaggiungibili(a, false, true).hi, 2);
    EXPECT_EQ(TotaliRaggiungibili(a, false, false).lo, -4);
    EXPECT_EQ(TotaliRaggiungibili(a, false, true).lo, -4);

    a.limiteMaxCasa = 5;
    CAnalisi b = a;
    LimitaDopoGiornate(a);
    LimitaDopoPunti(b, false);
    EXPECT_EQ(a.limiteMaxCasa, 1);
    EXPECT_EQ(b.limiteMaxCasa, 3);
}

TEST(LimitiTotali, SenzaSeparazioneIRangeVengonoDaTuttiIPunti) {
    CAnalisi a; // home -2..0, away -1..+1: together -2..+1
    a.punteggiAvanzati.separaCasaTrasferta = false;
    EXPECT_EQ(TotaliRaggiungibili(a, false, true).lo, -4);
    EXPECT_EQ(TotaliRaggiungibili(a, false, true).hi, 2);
    EXPECT_EQ(TotaliRaggiungibili(a, true, true).lo, -4);
}
