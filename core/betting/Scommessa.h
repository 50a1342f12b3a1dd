#pragma once
// A calculated bet of the bet selection: up to six legs and their totals.
// The list of calculated bets is rebuilt on demand and never saved.
#include <array>
#include <cstdint>
#include <string>

namespace veltra {

// One leg of a bet.
struct VoceScommessa {
    std::int16_t campionato = -1; // -1: empty leg
    std::string casa = std::string(15, '-');
    std::string trasferta = std::string(15, '-');
    float quota = 0;
    float prob = 0;
    float equita = 0;
    std::string segno = "--"; // "1", "X", "2", "1X", "12" or "X2"
    // 1 when the calculated double chance beats the quoted one; quotaA and
    // quotaB are then the two single odds it is made of.
    std::int16_t calcolata = 0;
    float quotaA = 0;
    float quotaB = 0;
    std::string data = "-";

    friend bool operator==(const VoceScommessa&, const VoceScommessa&) = default;
};

struct Scommessa {
    std::array<VoceScommessa, 6> voci;
    float quotaTotale = 0;  // product of the legs' odds
    float probTotale = 0;   // product of the legs' probabilities
    float equitaTotale = 0; // quotaTotale × probTotale
    float prodotto1X = 0;   // product over the legs of P(1) + P(X)
    float prodottoX2 = 0;   // product over the legs of P(X) + P(2)

    friend bool operator==(const Scommessa&, const Scommessa&) = default;
};

} // namespace veltra
