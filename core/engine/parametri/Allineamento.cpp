#include "engine/parametri/Allineamento.h"

#include "dati/DatiCampionati.h"

namespace veltra {

void AllineaAnalisi(DatiCampionati& dati, bool inRinfresco) {
    dati.datiModificati = 1;
    AvvisoCambiamento avviso{Cambiamento::Analisi, dati.campionatoCorrente};
    avviso.inRinfresco = inRinfresco;
    dati.notifiche.Pubblica(avviso);
}

} // namespace veltra
