#include "app/shell/FiltriStorici.h"

#include "app/DatiGlobali.h"

namespace veltra {

FiltriStorici SospendiFiltri(DatiGlobali& dati) {
    FiltriStorici f;
    for (int c = 0; c < kNumeroCampionati; ++c) {
        auto& camp = dati.campionato(c);
        f.ultimoIncontro[c] = camp.ultimoIncontroFiltro;
        f.stagione[c] = camp.stagioneFiltro;
        camp.ultimoIncontroFiltro = -1;
        camp.stagioneFiltro = -1;
    }
    return f;
}

void RipristinaFiltri(DatiGlobali& dati, const FiltriStorici& f) {
    for (int c = 0; c < kNumeroCampionati; ++c) {
        auto& camp = dati.campionato(c);
        camp.ultimoIncontroFiltro = f.ultimoIncontro[c];
        camp.stagioneFiltro = f.stagione[c];
    }
}

} // namespace veltra
