#include "betting/ComandiQuote.h"

#include "betting/ImmissioneQuote.h"
#include "betting/RicalcolaEventi.h"
#include "betting/ScommessaMgr.h"
#include "dati/DatiCampionati.h"
#include "platform/Messaggi.h"

namespace veltra {

namespace {

bool Fine(ScommessaMgr& m, DatiCampionati& dati, IMessaggi& messaggi, const DialoghiQuote& d,
          const ScommessaMgr& ripristino) {
    if (m.nEventi == 0) {
        messaggi.Errore(kNessunEventoInserito);
        m = ripristino;
        return false;
    }
    if (!d.apriScommesse || !d.apriScommesse()) {
        m = ripristino;
        return false;
    }
    dati.datiModificati = 1;
    return true;
}

bool StimeCampionato(DatiCampionati& dati, int c, IMessaggi& messaggi) {
    if (AggiornaStimeScommesse(dati, c)) return true;
    messaggi.Errore(MessaggioStimeCampionato(std::string(Campionato(c).nome)), kAiutoStimeFallite);
    return false;
}

bool Modifica(ScommessaMgr& m, DatiCampionati& dati, IMessaggi& messaggi, const DialoghiQuote& d,
              const ScommessaMgr& ripristino) {
    ScommessaMgr sorgente = m;
    sorgente.RipristinaOrdine();
    m.Azzera();
    for (int c = 0; c < kNumeroCampionati; ++c) {
        if (sorgente.conEventi[c] == 0) continue;
        m.conEventi[c] = 1;
        if (!StimeCampionato(dati, c, messaggi)) {
            m = ripristino;
            return false;
        }
        CDlgImmissioneQuote dlg(m, dati, c, CDlgImmissioneQuote::Modo::Modifica, &sorgente);
        if (!d.immissione || !d.immissione(dlg)) {
            m = ripristino;
            return false;
        }
    }
    while (m.nEventi < kMaxEventi &&
           messaggi.Mostra(kAggiungereEvento, Icona::Domanda, Pulsanti::SiNo) == Risposta::Si) {
        CDlgAggiuntaEvento dlg(m, dati);
        if (d.aggiunta) d.aggiunta(dlg);
    }
    return Fine(m, dati, messaggi, d, ripristino);
}

} // namespace

bool ImmissioneQuote(ScommessaMgr& m, DatiCampionati& dati, IMessaggi& messaggi,
                     const DialoghiQuote& d) {
    const ScommessaMgr ripristino = m;
    m.Azzera();
    CDlgSelezioneCampionati selezione(m, dati);
    if (!d.selezione || !d.selezione(selezione)) {
        m = ripristino;
        return false;
    }
    if (selezione.fileCaricato()) return Modifica(m, dati, messaggi, d, ripristino);
    for (int c = 0; c < kNumeroCampionati; ++c) {
        if (m.conEventi[c] == 0) continue;
        if (!StimeCampionato(dati, c, messaggi)) {
            m = ripristino;
            return false;
        }
        CDlgImmissioneQuote dlg(m, dati, c, CDlgImmissioneQuote::Modo::Immissione);
        if (!d.immissione || !d.immissione(dlg)) {
            m = ripristino;
            return false;
        }
    }
    return Fine(m, dati, messaggi, d, ripristino);
}

bool ModificaQuote(ScommessaMgr& m, DatiCampionati& dati, IMessaggi& messaggi,
                   const DialoghiQuote& d) {
    const ScommessaMgr ripristino = m;
    return Modifica(m, dati, messaggi, d, ripristino);
}

} // namespace veltra
