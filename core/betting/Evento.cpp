#include "betting/Evento.h"

#include "dati/Archivio.h"
#include "dati/Campionati.h"

namespace veltra {

void Evento::Serializza(Archivio& ar) {
    ar.campo(numero);
    ar.campo(campionato);
    if (ar.inLettura() && (campionato < -1 || campionato >= kNumeroCampionati))
        throw ErroreArchivio("evento: campionato non valido");
    ar.stringa(casa, kLunghezzaNome);
    ar.stringa(trasferta, kLunghezzaNome);
    for (int gruppo = 0; gruppo < kVociQuota; gruppo += 3) {
        for (auto* v : {&quote, &prob, &equita})
            for (int k = gruppo; k < gruppo + 3; ++k)
                ar.campo((*v)[k]);
    }
    ar.stringa(data);
    if (ar.inLettura()) esito = '?';
}

} // namespace veltra
