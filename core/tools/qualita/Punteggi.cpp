#include "tools/qualita/Punteggi.h"

#include <algorithm>
#include <cmath>

namespace veltra {

namespace {
void Esiti(char esito, double o[3]) {
    o[0] = esito == '1';
    o[1] = esito == 'X';
    o[2] = esito == '2';
}
} // namespace

double PunteggioRps(const Probabilita1X2& p, char esito) {
    double o[3];
    Esiti(esito, o);
    const double a = p.p1 - o[0], b = p.p1 + p.pX - o[0] - o[1];
    return (a * a + b * b) / 2;
}

double PunteggioBrier(const Probabilita1X2& p, char esito) {
    double o[3];
    Esiti(esito, o);
    return (p.p1 - o[0]) * (p.p1 - o[0]) + (p.pX - o[1]) * (p.pX - o[1]) +
           (p.p2 - o[2]) * (p.p2 - o[2]);
}

double PunteggioLogLoss(const Probabilita1X2& p, char esito) {
    const double q = esito == '1' ? p.p1 : esito == 'X' ? p.pX : p.p2;
    return -std::log(std::max(q, 0.001));
}

bool SegnoCentrato(const Probabilita1X2& p, char esito) {
    char migliore = '1';
    double m = p.p1;
    if (p.pX > m) {
        migliore = 'X';
        m = p.pX;
    }
    if (p.p2 > m) migliore = '2';
    return migliore == esito;
}

void Misure::Aggiungi(const Probabilita1X2& p, char esito) {
    ++n;
    rps += PunteggioRps(p, esito);
    brier += PunteggioBrier(p, esito);
    logloss += PunteggioLogLoss(p, esito);
    centrati += SegnoCentrato(p, esito);
    double o[3];
    Esiti(esito, o);
    const double q[3] = {p.p1, p.pX, p.p2};
    for (int i = 0; i < 3; ++i) {
        sp += q[i];
        spp += q[i] * q[i];
        so += o[i];
        spo += q[i] * o[i];
    }
}

double Misure::Pendenza() const {
    const double k = 3.0 * static_cast<double>(n);
    if (n == 0) return 0;
    const double varianza = spp - sp * sp / k;
    return varianza > 1e-12 ? (spo - sp * so / k) / varianza : 0;
}

void DiagrammaAffidabilita::Aggiungi(const Probabilita1X2& p, char esito) {
    const double q[3] = {p.p1, p.pX, p.p2};
    const char segni[3] = {'1', 'X', '2'};
    for (int s = 0; s < 3; ++s) {
        const int k = std::clamp(static_cast<int>(q[s] * kClassi), 0, kClassi - 1);
        auto& c = classi[s][k];
        ++c.n;
        c.sommaPrevista += q[s];
        c.avvenuti += esito == segni[s];
    }
}

} // namespace veltra
