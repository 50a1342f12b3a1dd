#pragma once
// The ranges of total scores an analysis can reach, and the clamping of its
// score limits and strength thresholds into them after N or the points
// change. The two windows clamp differently: the current analysis window
// keeps limits and thresholds within the reachable totals, the advanced
// parameters dialog one unit beyond them (the engine's border row and
// column).
#include "dati/CAnalisi.h"

namespace veltra {

struct IntervalloTotali {
    int lo = 0, hi = 0;
};

// N times the smallest and largest points of a side (over all 18 entries
// when home and away are not kept apart). `arrotonda`: rounded halves
// upward as the engine does; otherwise truncated toward zero.
IntervalloTotali TotaliRaggiungibili(const CAnalisi& a, bool trasferta, bool arrotonda);

// After a change of N in the current analysis window: limits within lo..hi
// (min below max), thresholds within lo..hi with forte not below debole.
void LimitaDopoGiornate(CAnalisi& a);

// After a change of points in the advanced parameters dialog, for one side:
// min limit within lo-1..hi, max limit within lo..hi+1 and above the min,
// thresholds within lo-1..hi+1 with forte not below debole.
void LimitaDopoPunti(CAnalisi& a, bool trasferta);

// On opening the advanced parameters dialog: both limits of each side
// within lo-1..hi+1, max not below min, forte not below debole.
void LimitaApertura(CAnalisi& a);

} // namespace veltra
