#pragma once
// The other windows rest on the "aligned" analysis of the current
// championship; when it changes, what was computed from the old one must
// follow: the engine marks the data changed and says so through the
// notifier, and the coupon, the betting events and the open windows, which
// subscribe, follow.
namespace veltra {

struct DatiCampionati;

// `inRinfresco`: the shell is already refreshing its windows (a change of
// championship), so no nested refresh may start.
void AllineaAnalisi(DatiCampionati& dati, bool inRinfresco);

} // namespace veltra
