#include "app/shell/SalvaModifiche.h"

#include "app/DatiGlobali.h"
#include "dati/FileAtomico.h"
#include "dati/FileDati.h"
#include "app/shell/FiltriStorici.h"
#include "app/shell/StatoShell.h"
#include "engine/CMotoreStime.h"
#include "platform/Messaggi.h"

#include <array>
#include <new>

namespace veltra {

bool RileggiIncontri(DatiGlobali& dati, const std::filesystem::path& cartella) {
    try {
        std::array<ElencoIncontri, kNumeroCampionati> nuovi;
        for (int c = 0; c < kNumeroCampionati; ++c) {
            const auto& camp = dati.campionato(c);
            const auto testo = LeggiFile(cartella / std::string(camp.descrizione().fileIncontri));
            if (!testo || !LeggiTestoIncontri(*testo, camp.config.stagioni, nuovi[c])) return false;
        }
        for (int c = 0; c < kNumeroCampionati; ++c)
            dati.campionato(c).incontri = std::move(nuovi[c]);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

RisultatoSalvaModifiche SalvaModifiche(ContestoShell& ctx) {
    RisultatoSalvaModifiche r;
    if (ctx.messaggi.Mostra(kDomandaSalvataggio, Icona::Domanda, Pulsanti::SiNoAnnulla,
                            kAiutoUscitaSalvataggio) != Risposta::Si)
        return r;

    const FiltriStorici filtri = SospendiFiltri(ctx.dati);
    if (!SalvaConAttesa(ctx)) {
        RipristinaFiltri(ctx.dati, filtri);
        r.esito = EsitoSalvaModifiche::SalvataggioFallito;
        return r;
    }

    // A failed read-back keeps the lists in memory: they are what was just
    // written, so nothing is lost, but the user is told the folder is not sound.
    r.esito = EsitoSalvaModifiche::Salvato;
    if (!RileggiIncontri(ctx.dati, ctx.cartella)) {
        ctx.messaggi.Errore(kErroreProseguire);
        r.esito = EsitoSalvaModifiche::RiletturaFallita;
    }

    // The estimates of a championship that had a cut-off were computed on
    // part of its data: bring them up to date now that it is lifted.
    bool filtriTolti = false;
    for (int c = 0; c < kNumeroCampionati; ++c) {
        if (!filtri.attivo(c)) continue;
        filtriTolti = true;
        CCampionato& camp = ctx.dati.campionato(c);
        if (c == ctx.dati.campionatoCorrente)
            r.testiStato = AggiornaMessaggioStato(camp);
        else if (camp.motore)
            camp.motore->AggiornaStime();
    }
    if (filtriTolti) {
        ctx.stato.datiCambiati = true;
        AggiornaFinestre(ctx.stato);
    }
    return r;
}

} // namespace veltra
