#include "pools/Partita.h"

#include "dati/Archivio.h"
#include "dati/Campionati.h"

namespace veltra {

void Partita::Serializza(Archivio& ar) {
    ar.campo(campionato);
    if (ar.inLettura() && (campionato < -1 || campionato >= kNumeroCampionati))
        throw ErroreArchivio("partita: campionato non valido");
    ar.stringa(squadraCasa, kLunghezzaNome);
    ar.stringa(squadraTrasferta, kLunghezzaNome);
    ar.campo(prob1);
    ar.campo(probX);
    ar.campo(prob2);
    for (auto& s : segni) {
        ar.campo(s);
        if (ar.inLettura() && (s < -1 || s > 2)) throw ErroreArchivio("partita: segno non valido");
    }
    ar.stringa(pronosticoAuto, kLunghezzaPronostico);
    ar.stringa(pronosticoManuale, kLunghezzaPronostico);
    // The form letters came with data version 'l' (108).
    if (ar.versione() > 107) {
        for (std::size_t i = 0; i < formaCasa.size(); ++i) {
            ar.campo(formaCasa[i]);
            ar.campo(formaTrasferta[i]);
        }
    } else if (ar.inLettura()) {
        formaCasa.fill('-');
        formaTrasferta.fill('-');
    }
}

} // namespace veltra
