#include "app/shell/BarreStrumenti.h"

#include <array>

namespace veltra {

namespace {
constexpr int S = kSeparatore;

constexpr std::array kBarraCampionati = {40066, 40067, 40077, 40079, S,     40132, 40143,
                                         40130, 40099, 40103, 40100, 40125, 40145, 40128,
                                         40120, 40146, 40097, 40080, 40081, 40126};

constexpr std::array kBarraPrincipale = {40004, 40003, 40063, S,     40020, 40021, 40117, 40148,
                                         40201, 40098, 40085, 40072, 40009, S,     40014, 40015, 40061,
                                         40028, 40122, S,     40059, 40134, 40089, 40060, 40139,
                                         40140, 40141, 40150, 40151, S,     40084, 40001};
} // namespace

std::span<const int> BarraCampionati() {
    return kBarraCampionati;
}
std::span<const int> BarraPrincipale() {
    return kBarraPrincipale;
}

} // namespace veltra
