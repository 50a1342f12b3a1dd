#pragma once
// The historical cut-offs are lifted while the data are written, so that the
// files always hold every season and match.
#include "dati/Campionati.h"

#include <array>
#include <cstdint>

namespace veltra {

struct DatiGlobali;

struct FiltriStorici {
    std::array<std::int32_t, kNumeroCampionati> ultimoIncontro;
    std::array<std::int32_t, kNumeroCampionati> stagione;

    bool attivo(CampionatoId c) const { return ultimoIncontro[c] != -1; }
};

// Remembers every championship's cut-off and clears it.
FiltriStorici SospendiFiltri(DatiGlobali& dati);
// Puts the remembered cut-offs back.
void RipristinaFiltri(DatiGlobali& dati, const FiltriStorici& filtri);

} // namespace veltra
