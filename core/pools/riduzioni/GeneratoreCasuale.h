#pragma once
// A small seeded generator with a fixed algorithm, so the tables come out the same on
// every machine and library (the standard distributions are not portable).

#include <cstdint>

namespace veltra::riduzioni {

class GeneratoreCasuale {
public:
    explicit GeneratoreCasuale(uint64_t seme) : stato_(seme + 0x9E3779B97F4A7C15ull) {}

    uint64_t Prossimo() { // splitmix64
        uint64_t z = (stato_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform enough below n for the search's choices.
    uint64_t Sotto(uint64_t n) { return Prossimo() % n; }

private:
    uint64_t stato_;
};

} // namespace veltra::riduzioni
