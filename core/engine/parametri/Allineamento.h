#pragma once
// The other windows rest on the "aligned" analysis of the current
// championship; when it changes, what was computed from the old one is
// recomputed and the open windows are refreshed.
namespace veltra {

struct DatiGlobali;
struct StatoShell;

// Recomputes the coupon (its selected reduction is dropped) and, while the
// betting window is closed, the betting events; marks the data changed and
// the analysis changed. `inRinfresco`: the shell is already refreshing its
// windows (a change of championship), so the running refresh, which reads
// the flag, does the rest; otherwise AggiornaFinestre runs here.
void AllineaAnalisi(DatiGlobali& dati, StatoShell& stato, bool inRinfresco);

} // namespace veltra
