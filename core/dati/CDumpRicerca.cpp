#include "dati/CDumpRicerca.h"

#include "dati/Archivio.h"

#include <utility>

namespace veltra {

namespace {

template <std::size_t N> void Campi(Archivio& ar, std::array<std::int16_t, N>& a) {
    for (auto& x : a)
        ar.campo(x);
}

} // namespace

void CDumpRicerca::Serializza(Archivio& ar) {
    if (ar.inScrittura()) {
        SerializzaCampi(ar);
        return;
    }
    CDumpRicerca letto = *this;
    letto.SerializzaCampi(ar);
    *this = std::move(letto);
}

void CDumpRicerca::SerializzaCampi(Archivio& ar) {
    ar.campo(tipo);
    if (ar.inLettura() && tipo != kPercentuali && tipo != kAvanzata)
        throw ErroreArchivio("ricerca: tipo non valido");
    ar.campo(giornate);
    if (ar.inLettura() && (giornate < 0 || giornate > 5))
        throw ErroreArchivio("ricerca: giornate d'analisi non valide");
    Campi(ar, limiti);
    Campi(ar, percentuali);
    if (tipo != kAvanzata) {
        ar.campo(passo);
        if (ar.inLettura() && (passo < 1 || passo > 10))
            throw ErroreArchivio("ricerca: passo non valido");
        ar.campo(ripresa);
        punteggi.Serializza(ar);
        ar.campo(ripresaSecondo);
        ar.campo(ampiezza);
        for (auto& t : trovatePercentuali) {
            ar.campo(t.precisione);
            Campi(ar, t.percentuali);
        }
    } else {
        ar.campo(utilizzoMinimo);
        punteggi.Serializza(ar);
        for (auto& t : trovateAvanzate) {
            ar.campo(t.precisione);
            Campi(ar, t.limiti);
            t.punteggi.Serializza(ar);
        }
    }
}

} // namespace veltra
