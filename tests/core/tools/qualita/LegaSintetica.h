#pragma once
// A small league with scores and dates: 8 clubs, a double round robin a
// season, one matchday a week, goals drawn from fixed club strengths with a
// fixed seed. Enough for the walk-forward and the rating model to have
// something to learn.
#include "dati/Campionato.h"

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace veltra::test {

struct LegaSintetica {
    static constexpr int kSquadre = 8;
    // Attack strengths: club 0 the strongest.
    static double Forza(int squadra) { return 0.5 - 0.12 * squadra; }

    static std::vector<std::string> Nomi() {
        return {"Alfa", "Beta", "Gamma", "Delta", "Epsilon", "Zeta", "Eta", "Theta"};
    }

    // Appends `stagioni` seasons starting in `annoPrimo` (the championship's
    // first year must match the id's table for the dates to be sensible).
    static void Riempi(CCampionato& c, int stagioni, int annoPrimo, unsigned seme = 7) {
        std::mt19937 caso(seme);
        for (int s = 0; s < stagioni; ++s) {
            AggiungiStagione(c, Nomi());
            long giorno = GiorniDaData((annoPrimo + s) * 10000 + 901);
            // Circle method: 7 rounds, then the same with home and away swapped.
            for (int giro = 0; giro < 2; ++giro)
                for (int r = 0; r < kSquadre - 1; ++r, giorno += 7) {
                    for (int k = 0; k < kSquadre / 2; ++k) {
                        int a = k == 0 ? kSquadre - 1 : (r + k) % (kSquadre - 1);
                        int b = (r + kSquadre - 1 - k) % (kSquadre - 1);
                        if ((r + k + giro) % 2) std::swap(a, b);
                        const double lh = std::exp(0.3 + 0.25 + Forza(a) - Forza(b) * 0.8);
                        const double la = std::exp(0.3 + Forza(b) - Forza(a) * 0.8);
                        const int gh = std::poisson_distribution<int>(lh)(caso);
                        const int ga = std::poisson_distribution<int>(la)(caso);
                        AggiungiIncontro(c, a, b, SegnoDaReti(gh, ga));
                        RetiIncontro r2;
                        r2.data = DataDaGiorni(giorno + (k >= kSquadre / 4)); // two dates a matchday
                        r2.golCasa = static_cast<std::int16_t>(gh);
                        r2.golTrasferta = static_cast<std::int16_t>(ga);
                        c.reti.Imposta(c.numeroIncontri() - 1, r2);
                    }
                }
        }
    }
};

} // namespace veltra::test
