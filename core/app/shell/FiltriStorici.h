#pragma once
// The historical cut-offs are lifted while the data are written, so that the
// files always hold every season and match.
#include "dati/Campionati.h"

#include <array>
#include <cstdint>
#include <string>

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

// What the status bar adds while a cut-off is active, since every estimate
// changes with it: "Filtro storico: fino a Inter - Juventus (2024/2025)" for
// the current championship, "Filtro storico su altri campionati" when only
// others have one; empty without cut-offs.
std::string TestoFiltroStorico(const DatiGlobali& dati);

} // namespace veltra
