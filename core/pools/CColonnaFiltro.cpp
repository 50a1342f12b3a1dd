#include "pools/CColonnaFiltro.h"

#include "dati/Archivio.h"

#include <algorithm>

namespace veltra {

std::string_view CColonnaFiltro::Pronostico(int r) const {
    const auto& p = pronostici.at(static_cast<std::size_t>(r));
    return {p.data(), static_cast<std::size_t>(std::find(p.begin(), p.end(), '\0') - p.begin())};
}

void CColonnaFiltro::Serializza(Archivio& ar) {
    const int righe = ar.versione() <= 110 ? kRighe - 1 : kRighe;
    for (int r = 0; r < righe; ++r)
        ar.blocco(pronostici[r].data(), pronostici[r].size());
    ar.campo(punteggioMin);
    ar.campo(punteggioMax);
    ar.campo(gruppo);
    if (ar.inLettura() && (gruppo < 'A' || gruppo > 'Z'))
        throw ErroreArchivio("colonna filtro: gruppo non valido");
    ar.campo(attiva);
}

} // namespace veltra
