#pragma once
// Recomputing the betting events when the analysis they rest on changes.
namespace veltra {

struct DatiCampionati;
struct ScommessaMgr;

// Recomputes the probabilities and equities of every event of the betting
// manager from the current estimates of its championship.
//
// Not built yet: the events' recomputation comes with the betting manager.
// Until then this deliberately changes nothing, so callers can already call
// it where the events must follow a new analysis.
void RicalcolaEventi(ScommessaMgr& scommesse, DatiCampionati& dati);

} // namespace veltra
