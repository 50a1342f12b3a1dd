#include "app/shell/CambiaCampionato.h"

#include "app/DatiGlobali.h"
#include "app/shell/StatoShell.h"

namespace veltra {

TestiStato CambiaCampionato(DatiGlobali& dati, StatoShell& stato, CampionatoId id) {
    if (id != dati.campionatoCorrente) stato.campionatoCambiato = true;
    dati.campionatoCorrente = static_cast<std::int16_t>(id);
    TestiStato testi = AggiornaMessaggioStato(dati.campionato(id));
    AggiornaFinestre(stato);
    return testi;
}

} // namespace veltra
