#pragma once
// One row of the pools coupon: the match, its probabilities and the signs
// predicted for it.
#include <array>
#include <cstdint>
#include <string>

namespace veltra {

class Archivio;

struct Partita {
    static constexpr std::size_t kLunghezzaNome = 15;      // characters on file
    static constexpr std::size_t kLunghezzaPronostico = 3; // "1X2" at most

    std::int16_t campionato = -1; // -1: a match of another competition
    std::string squadraCasa = std::string(kLunghezzaNome, '?');
    std::string squadraTrasferta = std::string(kLunghezzaNome, '?');
    // prob2 already holds the coupon's bonus for sign 2; -1 in all three: empty row.
    float prob1 = -1.0f;
    float probX = -1.0f;
    float prob2 = -1.0f;
    // Last results of the teams of another competition, most recent first:
    // 'V' win, 'P' draw, 'S' loss, '-' not known.
    std::array<char, 5> formaCasa = {'-', '-', '-', '-', '-'};
    std::array<char, 5> formaTrasferta = {'-', '-', '-', '-', '-'};
    // Signs in order of importance: 0 = 1, 1 = X, 2 = 2, -1 = empty slot.
    std::array<std::int16_t, 3> segni = {-1, -1, -1};
    std::string pronosticoAuto = "???";
    std::string pronosticoManuale = "-"; // "-": the row follows the proposal

    // Names and predictions longer than their fixed fields are cut, on reading
    // and on writing, as the fields of older files could never hold more.
    // A championship outside -1..18 or a sign outside -1..2 is refused.
    void Serializza(Archivio& ar);

    friend bool operator==(const Partita&, const Partita&) = default;
};

} // namespace veltra
