#include "pools/ImpostazioniStampa.h"

#include "dati/Archivio.h"

namespace veltra {

void ImpostazioniStampa::Serializza(Archivio& ar) {
    ImpostazioniStampa v = *this;
    ar.campo(v.margineSuperiore);
    ar.campo(v.margineSinistro);
    ar.campo(v.spazioSegni);
    ar.campo(v.spazioPartite);
    if (ar.versione() > 'n')
        ar.campo(v.spazioColonne);
    else
        v.spazioColonne = 1;
    ar.campo(v.carattereStampa);
    if (ar.inLettura()) *this = v;
}

} // namespace veltra
