#include "app/shell/FiltriStorici.h"

#include "app/DatiGlobali.h"
#include "tools/stagioni/EtichettaStagione.h"

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

std::string TestoFiltroStorico(const DatiGlobali& dati) {
    const CCampionato& c = dati.campionato(dati.campionatoCorrente);
    if (c.filtroAttivo()) {
        std::string t = "Filtro storico: fino a ";
        const int i = c.ultimoIncontroFiltro;
        const auto& nomi = c.squadreStagione(c.stagioneFiltro).nomi;
        if (i >= 0 && i < c.incontri.numero() && !c.incontri[i].separatore()) {
            const Incontro& m = c.incontri[i];
            const auto nome = [&](int s) {
                return s >= 0 && s < static_cast<int>(nomi.size())
                           ? nomi[static_cast<std::size_t>(s)]
                           : std::string("?");
            };
            t += nome(m.casa) + " - " + nome(m.trasferta) + " ";
        }
        return t + "(" + EtichettaStagione(c.id(), c.stagioneFiltro) + ")";
    }
    for (int k = 0; k < kNumeroCampionati; ++k)
        if (dati.campionato(k).filtroAttivo()) return "Filtro storico su altri campionati";
    return {};
}

} // namespace veltra
