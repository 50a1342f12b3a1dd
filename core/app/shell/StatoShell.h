#pragma once
// What the main window keeps between commands: its modeless windows and the
// three flags that tell AggiornaFinestre what changed since the last refresh.
#include "platform/FinestreNonModali.h"

namespace veltra {

struct StatoShell {
    FinestreNonModali finestre;
    // Stored data changed (new championship, new results, data update,
    // historical cut-off).
    bool datiCambiati = false;
    // The current championship changed.
    bool campionatoCambiato = false;
    // Analysis parameters changed; the current-analysis window made the
    // change itself, so it is not refreshed.
    bool analisiCambiata = false;
};

// Refreshes the open windows that the flags concern, in a fixed order, then
// clears the flags. A window whose refresh fails is closed.
void AggiornaFinestre(StatoShell& stato);

} // namespace veltra
