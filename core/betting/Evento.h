#pragma once
// One betting event: a match of a championship with the bookmaker's odds, the
// probability of each odds' outcome and the equity of each.
#include <array>
#include <cstdint>
#include <string>

namespace veltra {

class Archivio;

// Index of an odds entry in quote, prob and equita.
enum VoceQuota {
    kQuota1 = 0,
    kQuotaX,
    kQuota2,
    kQuota1X,
    kQuota12,
    kQuotaX2,
    kCalcolata1X, // the better of the quoted 1X and the stake split over 1 and X
    kCalcolata12,
    kCalcolataX2,
    kVociQuota
};

struct Evento {
    static constexpr std::size_t kLunghezzaNome = 15;
    static constexpr std::int32_t kNumeroVuoto = 180; // numero of an empty slot

    std::int32_t numero = kNumeroVuoto; // insertion number, for restoring the order
    std::int16_t campionato = -1;
    std::string casa = std::string(kLunghezzaNome, '-');
    std::string trasferta = std::string(kLunghezzaNome, '-');
    std::array<float, kVociQuota> quote = {};  // 0: not offered
    std::array<float, kVociQuota> prob = {};   // 0 where the odds are 0
    std::array<float, kVociQuota> equita = {}; // prob × quote
    std::string data = "-";
    char esito = '?'; // found by the yields; not saved

    bool vuoto() const { return campionato == -1; }

    // The 27 numbers go on file grouped by kind of bet (odds, probabilities,
    // equities of 1, X, 2; then of the quoted doubles; then of the calculated
    // ones). Names are cut to 15 characters; esito is '?' after reading. A
    // championship outside -1..18 is refused.
    void Serializza(Archivio& ar);

    friend bool operator==(const Evento&, const Evento&) = default;
};

} // namespace veltra
