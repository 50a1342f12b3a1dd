#pragma once
// Scores of probability forecasts of 1, X, 2 against what happened.
//  - ranked probability score: half the sum of the squared differences of the
//    cumulative forecast and outcome over the ordered signs 1 < X < 2
//    ((P1 - O1)^2 + (P1 + PX - O1 - OX)^2) / 2; 0 is perfect, lower is better;
//  - Brier score: the sum over the three signs of (p - o)^2 (0..2);
//  - log-loss: -ln of the probability given to the outcome, floored at 0.001;
//  - hit: the most likely sign (1 before X before 2 on a tie) happened.
#include "dati/quote/LeggiQuoteFootballData.h"

#include <vector>

namespace veltra {

double PunteggioRps(const Probabilita1X2& p, char esito);
double PunteggioBrier(const Probabilita1X2& p, char esito);
double PunteggioLogLoss(const Probabilita1X2& p, char esito);
bool SegnoCentrato(const Probabilita1X2& p, char esito);

// Running means of the four scores.
struct Misure {
    long n = 0;
    double rps = 0, brier = 0, logloss = 0;
    long centrati = 0;
    // Sums over the three signs of every match for the calibration slope.
    double sp = 0, spp = 0, so = 0, spo = 0;

    void Aggiungi(const Probabilita1X2& p, char esito);
    // Calibration slope: the least-squares slope of what happened (1 or 0)
    // on the probability given, the three signs of every match together. 1
    // for forecasts as sure as they should be, below 1 when too sure, above
    // when too timid; 0 without matches.
    double Pendenza() const;
    double Rps() const { return n ? rps / static_cast<double>(n) : 0; }
    double Brier() const { return n ? brier / static_cast<double>(n) : 0; }
    double LogLoss() const { return n ? logloss / static_cast<double>(n) : 0; }
    double Centrati() const { return n ? static_cast<double>(centrati) / static_cast<double>(n) : 0; }
};

// A reliability diagram: for each sign, 10 bins of forecast probability
// ([0, 0.1), ..., [0.9, 1]); in each, how many forecasts, their mean and how
// often the sign happened.
struct ClasseAffidabilita {
    long n = 0;
    double sommaPrevista = 0;
    long avvenuti = 0;
    double Prevista() const { return n ? sommaPrevista / static_cast<double>(n) : 0; }
    double Osservata() const { return n ? static_cast<double>(avvenuti) / static_cast<double>(n) : 0; }
};

struct DiagrammaAffidabilita {
    static constexpr int kClassi = 10;
    ClasseAffidabilita classi[3][kClassi]; // sign 1, X, 2
    void Aggiungi(const Probabilita1X2& p, char esito);
};

} // namespace veltra
