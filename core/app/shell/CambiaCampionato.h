#pragma once
// Switching the championship the program works with.
#include "engine/MessaggioStato.h"

namespace veltra {

struct DatiGlobali;
struct StatoShell;

// Makes `id` current (choosing the current one again just recomputes it),
// recomputes its estimates, refreshes the open windows and returns the two
// status-bar texts. When the estimates cannot be computed the championship
// is current all the same; the texts say so.
TestiStato CambiaCampionato(DatiGlobali& dati, StatoShell& stato, CampionatoId id);

} // namespace veltra
