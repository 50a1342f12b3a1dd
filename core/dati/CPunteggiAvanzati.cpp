#include "dati/CPunteggiAvanzati.h"

#include "dati/Archivio.h"

namespace veltra {

void CPunteggiAvanzati::Serializza(Archivio& ar) {
    ar.campo(modificaAltaCasa);
    ar.campo(modificaBassaCasa);
    ar.campo(modificaAltaTrasferta);
    ar.campo(modificaBassaTrasferta);
    ar.campo(forteCasa);
    ar.campo(forteTrasferta);
    ar.campo(deboleCasa);
    ar.campo(deboleTrasferta);
    ar.campi(punti);
    ar.campo(importanzaMin);
    ar.campo(importanzaMax);
    ar.campo(campionatiInclusi);
    ar.flag32(separaCasaTrasferta);
}

} // namespace veltra
