#include "engine/ValutazioneArchivio.h"

#include "dati/DatiCampionati.h"
#include "engine/CMotoreStime.h"
#include "engine/MessaggioStato.h"
#include "platform/Messaggi.h"

namespace veltra {

int CercaAnalisiCorrente(const CCampionato& c, float datiUsati) {
    if (!c.motore) return 0;
    CAnalisi a = AnalisiCorrente(c);
    a.precisione1 = c.motore->precisione1();
    a.precisioneX = c.motore->precisioneX();
    a.precisione2 = c.motore->precisione2();
    a.datiUsati = datiUsati;
    return CercaAnalisi(c.archivio, a);
}

void ValutaAnalisi(CCampionato& c, CAnalisi& a) {
    if (!c.motore) CreaMotore(c);
    ApplicaAnalisi(c, a);
    // The fit may fail; the analysis then keeps the figures the engine holds.
    c.motore->AggiornaStime();
    a.precisione1 = c.motore->precisione1();
    a.precisioneX = c.motore->precisioneX();
    a.precisione2 = c.motore->precisione2();
    a.datiUsati = c.motore->PercentualeDatiUsati().value_or(0.0f);
}

bool RicalcolaArchivio(DatiCampionati& dati, int c, IMessaggi& messaggi, bool verificaCorrente) {
    CCampionato& camp = dati.campionato(c);
    if (!camp.motore) CreaMotore(camp);
    const CAnalisi corrente = AnalisiCorrente(camp);
    for (auto& a : camp.archivio.analisi) ValutaAnalisi(camp, a);
    ApplicaAnalisi(camp, corrente);
    camp.motore->PreparaMotore();
    camp.motore->CalcolaGriglie();
    if (!verificaCorrente) return true;

    CCampionato& attuale = dati.campionato(dati.campionatoCorrente);
    if (!attuale.motore) CreaMotore(attuale);
    if (attuale.motore->CalcolaRegressione() == 0) return true;
    // Too few matches is no damage: resetting the parameters would not help
    // and would lose the user's choice.
    if (attuale.motore->IncontriInsufficienti()) {
        messaggi.Errore(kMessaggioPochiIncontri, kAiutoStimeFallite);
        return true;
    }
    messaggi.Errore("Impossibile calcolare le stime.\nIl File dei dati potrebbe essere corrotto.\n"
                    "Verra' ora compiuto un tentativo per azzerare i dati errati",
                    kAiutoStimeFallite);
    if (attuale.motore->RipristinaParametri() == 0) return true;
    messaggi.Errore("Tentativo fallito.\nPer ovviare all'errore contatta l'autore del programma.",
                    kAiutoStimeFallite);
    return false;
}

} // namespace veltra
