#include "app/inserimento/DatiDipendenti.h"

#include "app/DatiGlobali.h"
#include "platform/Messaggi.h"

namespace veltra {

namespace {

// A reset coupon keeps its three thresholds and the columns per page: they
// are the user's settings, not part of a coupon.
void AzzeraSchedina(Schedina& s) {
    s.partite.fill(Partita{});
    s.sistemaIniziale = 1;
    s.ridotto = SistemaRidotto{};
    s.riduzioneMin = -1;
    s.riduzioneMax = -1;
    s.contatoriModifiche = {};
    s.schedinaAssente = 1;
}

} // namespace

void CancellaDatiDipendenti(DatiGlobali& dati, IMessaggi& messaggi) {
    if (dati.schedina.schedinaAssente == 0) messaggi.Errore(kAvvisoCancellazioneSistema);
    AzzeraSchedina(dati.schedina);
    static_cast<CondizioniRiduzione&>(dati.condizionamenti) = CondizioniRiduzione{};

    if (dati.scommesse.nEventi > 0) messaggi.Errore(kAvvisoCancellazioneScommesse);
    dati.scommesse = ScommessaMgr{};
}

} // namespace veltra
