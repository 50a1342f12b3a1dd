#include "app/shell/SeguiCambiamenti.h"

#include "app/DatiGlobali.h"
#include "app/shell/StatoShell.h"
#include "betting/RicalcolaEventi.h"
#include "pools/RicalcolaSistema.h"

namespace veltra {

NotificheCambiamenti::Iscrizione SeguiCambiamenti(DatiGlobali& dati, StatoShell& stato) {
    return dati.notifiche.Iscrivi([&dati, &stato](const AvvisoCambiamento& a) {
        if (a.cosa != Cambiamento::Analisi) return;
        if (dati.schedina.schedinaAssente == 0) {
            RicalcolaSistema(dati.schedina, dati, true, true, a.messaggi, &dati.condizionamenti);
            dati.schedina.riduzioneMin = dati.schedina.riduzioneMax = -1;
        }
        if (!stato.finestre.Aperta(Finestra::ScommesseSportive) && dati.scommesse.nEventi > 0)
            RicalcolaEventi(dati.scommesse, dati, a.messaggi);
        stato.analisiCambiata = true;
        // A nested AggiornaFinestre would clear the flags the running one has
        // still to read.
        if (!a.inRinfresco) AggiornaFinestre(stato);
    });
}

} // namespace veltra
