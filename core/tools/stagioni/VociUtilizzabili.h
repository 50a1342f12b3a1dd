#pragma once
// The part of a championship's match list the statistics may read.
#include "dati/DatiCampionati.h"

#include <algorithm>

namespace veltra {

// Entries [0, n): every one, or up to and including the historical cut-off.
// A cut-off beyond the list (a stale value) reads the whole list.
inline int VociUtilizzabili(const CCampionato& c) {
    const int tutte = c.incontri.numero();
    if (!c.filtroAttivo() || c.ultimoIncontroFiltro < 0) return tutte;
    return std::min(tutte, c.ultimoIncontroFiltro + 1);
}

} // namespace veltra
