#include "betting/ScommessaMgr.h"

#include "dati/Archivio.h"

#include <utility>

namespace veltra {

void ScommessaMgr::Serializza(Archivio& ar) {
    if (ar.inScrittura()) {
        SerializzaCampi(ar);
        return;
    }
    ScommessaMgr letto;
    letto.SerializzaCampi(ar);
    *this = std::move(letto);
}

void ScommessaMgr::SerializzaCampi(Archivio& ar) {
    ar.campo(nEventi);
    if (ar.inLettura() && (nEventi < 0 || nEventi > kMaxEventi))
        throw ErroreArchivio("scommesse: numero di eventi non valido");
    ar.campo(tipoPronostico);
    if (ar.inLettura() && (tipoPronostico < 0 || tipoPronostico >= kTipiPronostico))
        throw ErroreArchivio("scommesse: tipo di pronostico non valido");
    for (float* v : {&minProb1, &minProbX, &minProb2, &maxProb1, &maxProbX, &maxProb2})
        ar.campo(*v);
    ar.campo(minProbDoppia);
    ar.campo(doppieCalcolate);
    for (float* v : {&minEquita, &maxEquita, &minQuota, &maxQuota})
        ar.campo(*v);
    for (int c = 0; c < kNumeroCampionati; ++c) {
        ar.campo(conEventi[c]);
        ar.campo(giornata[c]);
    }
    if (ar.versione() > 'm') {
        for (bool& i : inclusi)
            ar.flag8(i);
    } else if (ar.inLettura()) {
        for (int c = 0; c < kNumeroCampionati; ++c)
            inclusi[c] = conEventi[c] != 0;
    }
    for (Evento& e : eventi)
        e.Serializza(ar);
}

} // namespace veltra
