#include "engine/parametri/Allineamento.h"

#include "app/DatiGlobali.h"
#include "app/shell/StatoShell.h"
#include "betting/RicalcolaEventi.h"
#include "pools/RicalcolaSistema.h"

namespace veltra {

void AllineaAnalisi(DatiGlobali& dati, StatoShell& stato, bool inRinfresco) {
    if (dati.schedina.schedinaAssente == 0) {
        RicalcolaSistema(dati, true, true);
        dati.schedina.riduzioneMin = dati.schedina.riduzioneMax = -1;
    }
    // An open betting window recomputes its events itself when refreshed.
    if (!stato.finestre.Aperta(Finestra::ScommesseSportive) && dati.scommesse.nEventi > 0)
        RicalcolaEventi(dati);
    dati.datiModificati = 1;
    stato.analisiCambiata = true;
    // A nested AggiornaFinestre would clear the flags the running one has
    // still to read.
    if (!inRinfresco) AggiornaFinestre(stato);
}

} // namespace veltra
