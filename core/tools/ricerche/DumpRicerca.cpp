#include "tools/ricerche/DumpRicerca.h"

#include <algorithm>

namespace veltra {

CAnalisi AnalisiDellaRicerca(const CDumpRicerca& d) {
    CAnalisi a;
    a.giornateAnalisi = d.giornate;
    std::copy(d.percentuali.begin(), d.percentuali.end(), a.percentualiImportanza);
    a.limiteMinCasa = d.limiti[0];
    a.limiteMaxCasa = d.limiti[1];
    a.limiteMinTrasferta = d.limiti[2];
    a.limiteMaxTrasferta = d.limiti[3];
    a.punteggiAvanzati = d.punteggi;
    return a;
}

namespace {

void SalvaPartenza(CDumpRicerca& d, const CAnalisi& a) {
    d.giornate = a.giornateAnalisi;
    std::copy(std::begin(a.percentualiImportanza), std::end(a.percentualiImportanza),
              d.percentuali.begin());
    d.limiti = {a.limiteMinCasa, a.limiteMaxCasa, a.limiteMinTrasferta, a.limiteMaxTrasferta};
    d.punteggi = a.punteggiAvanzati;
}

} // namespace

void SalvaRicercaPercentuali(CDumpRicerca& d, const CAnalisi& partenza, int passo, int ampiezza,
                             const EsitoRicercaPercentuali& esito) {
    SalvaPartenza(d, partenza);
    d.tipo = CDumpRicerca::kPercentuali;
    d.passo = static_cast<std::int16_t>(passo);
    d.ampiezza = static_cast<std::int16_t>(ampiezza);
    if (esito.completata) {
        Percentuali w;
        std::copy(std::begin(partenza.percentualiImportanza), std::end(partenza.percentualiImportanza),
                  w.begin());
        const EnumerazionePercentuali en(partenza.giornateAnalisi, w, passo, ampiezza);
        d.ripresa = static_cast<std::int16_t>(en.esternoMax() + passo);
        d.ripresaSecondo = 0;
    } else {
        d.ripresa = esito.ripresa;
        d.ripresaSecondo = esito.ripresaSecondo;
    }
    d.trovatePercentuali = esito.trovate;
}

void SalvaRicercaAvanzata(CDumpRicerca& d, const CAnalisi& partenza, int utilizzoMinimo,
                          const TrovateAvanzate& trovate) {
    SalvaPartenza(d, partenza);
    d.tipo = CDumpRicerca::kAvanzata;
    d.utilizzoMinimo = static_cast<std::int16_t>(utilizzoMinimo);
    d.trovateAvanzate = trovate;
}

} // namespace veltra
