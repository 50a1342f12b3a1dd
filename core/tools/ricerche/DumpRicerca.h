#pragma once
// A search stored in the championship's CDumpRicerca, and read back to be
// resumed.
#include "dati/CAnalisi.h"
#include "dati/CDumpRicerca.h"
#include "tools/ricerche/RicercaAvanzata.h"
#include "tools/ricerche/RicercaPercentuali.h"

namespace veltra {

// The starting analysis a dump holds (its results left at 0).
CAnalisi AnalisiDellaRicerca(const CDumpRicerca& d);

// A search on the percentages stopped (or finished) with `esito`: the
// starting analysis, the settings, where to resume and the found list. A
// finished search resumes past its last block, so resuming it adds nothing.
void SalvaRicercaPercentuali(CDumpRicerca& d, const CAnalisi& partenza, int passo, int ampiezza,
                             const EsitoRicercaPercentuali& esito);
void SalvaRicercaAvanzata(CDumpRicerca& d, const CAnalisi& partenza, int utilizzoMinimo,
                          const TrovateAvanzate& trovate);

} // namespace veltra
