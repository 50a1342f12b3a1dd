#include "engine/parametri/LimitiTotali.h"

#include "engine/CMotoreStime.h"

#include <algorithm>

namespace veltra {

namespace {

// Bounds into a..b; an empty range (b < a) gives a, so the result is always
// defined and the recomputation then tells the user what is wrong.
int Entro(int x, int a, int b) {
    return std::max(a, std::min(x, b));
}
float Entro(float x, int a, int b) {
    return std::max(static_cast<float>(a), std::min(x, static_cast<float>(b)));
}

// The fields of one side, so the rules are written once.
struct Lato {
    std::int16_t& limiteMin;
    std::int16_t& limiteMax;
    float& forte;
    float& debole;
};

Lato LatoDi(CAnalisi& a, bool trasferta) {
    CPunteggiAvanzati& p = a.punteggiAvanzati;
    if (trasferta)
        return {a.limiteMinTrasferta, a.limiteMaxTrasferta, p.forteTrasferta, p.deboleTrasferta};
    return {a.limiteMinCasa, a.limiteMaxCasa, p.forteCasa, p.deboleCasa};
}

std::int16_t I16(int x) {
    return static_cast<std::int16_t>(x);
}

} // namespace

IntervalloTotali TotaliRaggiungibili(const CAnalisi& a, bool trasferta, bool arrotonda) {
    const CPunteggiAvanzati& p = a.punteggiAvanzati;
    const int primo = p.separaCasaTrasferta ? (trasferta ? 1 : 0) : 0;
    const int passo = p.separaCasaTrasferta ? 2 : 1;
    float minimo = p.punti[primo], massimo = p.punti[primo];
    for (int i = primo; i < 18; i += passo) {
        minimo = std::min(minimo, p.punti[i]);
        massimo = std::max(massimo, p.punti[i]);
    }
    const float n = static_cast<float>(a.giornateAnalisi);
    if (arrotonda) return {Arrotonda(n * minimo), Arrotonda(n * massimo)};
    return {static_cast<int>(n * minimo), static_cast<int>(n * massimo)};
}

void LimitaDopoGiornate(CAnalisi& a) {
    for (bool trasferta : {false, true}) {
        const auto [lo, hi] = TotaliRaggiungibili(a, trasferta, false);
        Lato l = LatoDi(a, trasferta);
        l.limiteMin = I16(Entro(l.limiteMin, lo, hi - 1));
        l.limiteMax = I16(Entro(l.limiteMax, l.limiteMin + 1, hi));
        l.forte = Entro(l.forte, lo, hi);
        l.debole = Entro(l.debole, lo, hi);
        if (l.forte < l.debole) l.forte = l.debole;
    }
}

void LimitaDopoPunti(CAnalisi& a, bool trasferta) {
    const auto [lo, hi] = TotaliRaggiungibili(a, trasferta, true);
    Lato l = LatoDi(a, trasferta);
    l.limiteMin = I16(Entro(l.limiteMin, lo - 1, hi));
    l.limiteMax = I16(Entro(l.limiteMax, lo, hi + 1));
    if (l.limiteMax <= l.limiteMin) l.limiteMax = I16(l.limiteMin + 1);
    l.forte = Entro(l.forte, lo - 1, hi + 1);
    l.debole = Entro(l.debole, lo - 1, hi + 1);
    if (l.forte < l.debole) l.forte = l.debole;
}

void LimitaApertura(CAnalisi& a) {
    for (bool trasferta : {false, true}) {
        const auto [lo, hi] = TotaliRaggiungibili(a, trasferta, true);
        Lato l = LatoDi(a, trasferta);
        l.limiteMin = I16(Entro(l.limiteMin, lo - 1, hi + 1));
        l.limiteMax = I16(Entro(l.limiteMax, lo - 1, hi + 1));
        if (l.limiteMax < l.limiteMin) l.limiteMax = l.limiteMin;
        if (l.forte < l.debole) l.forte = l.debole;
    }
}

} // namespace veltra
