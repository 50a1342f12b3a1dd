#pragma once
// Plausible synthetic seasons for tests, benchmarks and demonstrations: a
// pool of clubs of different strength, promotion and relegation between
// seasons, a double round robin played matchday by matchday, results drawn
// from the strengths with a home advantage. Fully deterministic for a seed,
// on every platform (no standard-library distributions).
#include "dati/Campionato.h"

#include <cstdint>

namespace veltra {

struct OpzioniGenerazione {
    int stagioni = 10;
    int squadre = 20;           // per season, at most the championship's slots
    int retrocessioni = 3;      // clubs replaced from one season to the next
    std::uint64_t seme = 1;
    bool ultimaIncompleta = false; // stop the last season halfway, as a season in progress
};

// Appends the generated seasons to the championship through AggiungiStagione
// and AggiungiIncontro. Returns 0, or -1 when the options do not fit it.
int GeneraStagioni(CCampionato& campionato, const OpzioniGenerazione& opzioni);

// Deterministic 64-bit generator (splitmix64).
class Casuale {
public:
    explicit Casuale(std::uint64_t seme) : x_(seme) {}
    std::uint64_t Prossimo() {
        std::uint64_t z = (x_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double Reale() { return static_cast<double>(Prossimo() >> 11) * 0x1.0p-53; }
    int Intero(int n) { return static_cast<int>(Prossimo() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t x_;
};

} // namespace veltra
