#pragma once
// Applying an analysis to its championship while the user edits it: the
// estimates follow every change, and a set the engine cannot fit is taken
// back at once.
#include "dati/CAnalisi.h"
#include "engine/MessaggioStato.h"

#include <string>

namespace veltra {

class CCampionato;

struct EsitoProva {
    bool ok = false;
    // A score-limit range is a single value (min = max on a side).
    bool limiteSingolo = false;
    TestiStato stato; // pane 1 the precision line or the failure text, pane 2 " " on failure
};

// Makes `a` the championship's analysis and recomputes it. On success the
// figures (three precisions and data usage) are stored into `a` and the
// status texts name the archive position of `a` in `archivio`. On failure
// the championship gets `precedente` back and its grids are rebuilt (its
// planes stay those of the last success); pane 1 carries `testoErrore`.
EsitoProva ProvaAnalisi(CCampionato& c, CAnalisi& a, const CAnalisi& precedente,
                        const CArchivio& archivio, const std::string& testoLimitiNonValidi,
                        const std::string& testoRestringere);

} // namespace veltra
