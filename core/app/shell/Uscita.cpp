#include "app/shell/Uscita.h"

#include "app/DatiGlobali.h"
#include "app/DatiSupporto.h"
#include "app/shell/FiltriStorici.h"
#include "platform/Messaggi.h"

namespace veltra {

namespace {

// Saves with the cut-offs lifted, then puts them back: the program may go
// on running after a failure.
bool SalvaPerUscire(ContestoShell& ctx) {
    const FiltriStorici filtri = SospendiFiltri(ctx.dati);
    const bool ok = SalvaConAttesa(ctx);
    RipristinaFiltri(ctx.dati, filtri);
    return ok;
}

} // namespace

void ScriviPosizioneUscita(ContestoShell& ctx, const PosizioneFinestra& posizione) {
    const std::string errore = ScriviPosizioneFinestra(ctx.cartella, posizione);
    if (!errore.empty()) ctx.messaggi.Errore(errore);
}

EsitoUscita Esci(ContestoShell& ctx, const PosizioneFinestra& posizione) {
    if (ctx.dati.datiModificati == 1) {
        switch (ctx.messaggi.Mostra(kDomandaSalvaPrimaDiUscire, Icona::Domanda,
                                    Pulsanti::SiNoAnnulla, kAiutoUscitaSalvataggio)) {
        case Risposta::Si:
            if (!SalvaPerUscire(ctx)) return EsitoUscita::Resta;
            break;
        case Risposta::No:
            break;
        default:
            return EsitoUscita::Resta;
        }
    } else if (ctx.messaggi.Mostra(kDomandaUscita, Icona::Domanda, Pulsanti::SiNo,
                                   kAiutoUscitaSalvataggio) != Risposta::Si) {
        return EsitoUscita::Resta;
    }
    ScriviPosizioneUscita(ctx, posizione);
    return EsitoUscita::Esci;
}

bool ConsentiFineSessione(ContestoShell& ctx, bool puoChiedere) {
    if (!puoChiedere) return true;
    if (ctx.dati.datiModificati != 1)
        return ctx.messaggi.Mostra(kDomandaUscitaSessione, Icona::Domanda, Pulsanti::SiNo,
                                   kAiutoUscitaSalvataggio) != Risposta::No;
    switch (ctx.messaggi.Mostra(kDomandaSalvaPrimaDiUscire, Icona::Domanda, Pulsanti::SiNoAnnulla,
                                kAiutoUscitaSalvataggio)) {
    case Risposta::Si:
        return SalvaPerUscire(ctx);
    case Risposta::No:
        return true;
    default:
        return false;
    }
}

bool ScriviDatiSupportoUscita(const DatiGlobali& dati, const std::filesystem::path& cartella,
                              IMessaggi& messaggi) {
    if (ScriviDatiSupporto(cartella, dati)) return true;
    messaggi.Errore(kErroreDatiSupporto);
    return false;
}

} // namespace veltra
