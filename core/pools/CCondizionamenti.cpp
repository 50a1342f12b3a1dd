#include "pools/CCondizionamenti.h"

#include "dati/Archivio.h"

#include <utility>

namespace veltra {

void CCondizionamenti::Serializza(Archivio& ar) {
    if (ar.inScrittura()) {
        SerializzaCampi(ar);
        return;
    }
    CCondizionamenti letti = *this;
    letti.SerializzaCampi(ar);
    *this = std::move(letti);
}

void CCondizionamenti::SerializzaCampi(Archivio& ar) {
    ar.campo(attivoSegni);
    ar.campo(attivoConsecutivi);
    ar.campo(attivoProbabilita);
    ar.campo(minGruppi);
    ar.campo(maxGruppi);
    ar.campo(condizionatoRidotto);
    for (auto* v : {&min1, &max1, &minX, &maxX, &min2, &max2})
        ar.campo(*v);
    for (auto* v : {&minCons1, &maxCons1, &minConsX, &maxConsX, &minCons2, &maxCons2})
        ar.campo(*v);
    ar.campo(probMin);
    ar.campo(probMax);
    ar.campo(numColonneFiltro);
    if (ar.inLettura() && (numColonneFiltro < 0 || numColonneFiltro > kMaxColonneFiltro))
        throw ErroreArchivio("condizioni: numero di colonne filtro non valido");
    for (int g = 0; g < kNumeroGruppi; ++g) {
        ar.campo(minColonneGruppo[g]);
        ar.campo(maxColonneGruppo[g]);
        ar.campo(colonneNelGruppo[g]);
    }
    for (int i = 0; i < numColonneFiltro; ++i)
        colonneFiltro[i].Serializza(ar);
}

} // namespace veltra
