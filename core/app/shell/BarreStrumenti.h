#pragma once
// The buttons of the two toolbars, in order; kSeparatore marks a gap.
#include <span>

namespace veltra {

inline constexpr int kSeparatore = 0;

// The 19 championships: the four Italian ones, then the foreign ones.
std::span<const int> BarraCampionati();
// Data entry | analysis | pools | betting | print and save.
std::span<const int> BarraPrincipale();

} // namespace veltra
