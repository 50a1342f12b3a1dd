#pragma once
// Hidden diagnostics of the advanced parameters dialog: what the engine's
// grids hold inside the score limits, the planes fitted on them, and the
// totals a team can reach.
#include <string>

namespace veltra {

class CCampionato;
struct CPunteggiAvanzati;

// One line per cell of the limits rectangle (counts of 1, X, 2 and their
// shares), the planes and the fitted values. `corretta`: beside the raw
// counts, those with the engine's neighbour correction (cells with fewer than
// 100 matches borrow from the four around them) and both planes; otherwise
// the raw counts and their plane only.
std::string StatisticheGriglie(const CCampionato& c, bool corretta);

// For N = 2..5, every combination of results (V win, P draw, S loss, most
// wins first) with the home and away totals it gives on the "Media" points,
// each match counted once.
std::string TabellaTotali(const CPunteggiAvanzati& p);

} // namespace veltra
