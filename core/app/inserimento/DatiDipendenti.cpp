#include "app/inserimento/DatiDipendenti.h"

#include "app/DatiGlobali.h"
#include "platform/Messaggi.h"
#include "tools/archiviostorico/CArchivioStorico.h"

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

void AzzeraDatiDipendenti(DatiGlobali& dati) {
    AzzeraSchedina(dati.schedina);
    static_cast<CondizioniRiduzione&>(dati.condizionamenti) = CondizioniRiduzione{};
    dati.scommesse = ScommessaMgr{};
}

void CancellaDatiDipendenti(DatiGlobali& dati, IMessaggi& messaggi) {
    if (dati.schedina.schedinaAssente == 0) messaggi.Errore(kAvvisoCancellazioneSistema);
    if (dati.scommesse.nEventi > 0) messaggi.Errore(kAvvisoCancellazioneScommesse);
    AzzeraDatiDipendenti(dati);
}

void CancellaDatiDipendentiFiltro(DatiGlobali& dati, IMessaggi& messaggi) {
    if (dati.schedina.schedinaAssente == 0) messaggi.Errore(kFiltroCancellaSistema);
    if (dati.scommesse.nEventi > 0) messaggi.Errore(kFiltroCancellaScommesse);
    AzzeraDatiDipendenti(dati);
}

} // namespace veltra
