#pragma once
// The archived analyses of a championship evaluated on its current data.
#include "dati/CArchivio.h"

namespace veltra {

struct DatiCampionati;
class IMessaggi;

// The archive position of the championship's current analysis, as the status
// bar shows it: the current parameters with the results of the last fit and
// the given data usage.
int CercaAnalisiCorrente(const CCampionato& c, float datiUsati);

// Applies `a` to the championship, recomputes it and stores the results in
// `a`. The championship keeps the applied analysis.
void ValutaAnalisi(CCampionato& c, CAnalisi& a);

// Re-evaluates every analysis of championship `c`'s archive on the current
// data, then puts the current analysis back and rebuilds its grids; finally
// checks the fit of the current championship and, when it fails, resets its
// parameters, with the program's messages. A championship with too few
// matches to fit keeps its parameters and gets the message that says so.
// Returns false when even the reset failed. Without `verificaCorrente` the last check is left out.
bool RicalcolaArchivio(DatiCampionati& dati, int c, IMessaggi& messaggi,
                       bool verificaCorrente = true);

} // namespace veltra
