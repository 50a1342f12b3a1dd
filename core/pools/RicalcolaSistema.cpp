#include "pools/RicalcolaSistema.h"

#include "dati/DatiCampionati.h"
#include "platform/Messaggi.h"
#include "pools/CCondizionamenti.h"
#include "pools/OperazioniSchedina.h"
#include "pools/StimeSchedina.h"

namespace veltra {

bool RicalcolaSistema(Schedina& s, DatiCampionati& dati, bool stimeRicalcolate,
                      bool pronosticiManuali, IMessaggi* messaggi, CCondizionamenti* condizioni) {
    if (stimeRicalcolate && !RicalcolaStime(s, dati)) {
        if (messaggi) messaggi->Errore(kSistemaNonRicalcolabile);
        Azzera(s);
        if (condizioni) static_cast<CondizioniRiduzione&>(*condizioni) = CondizioniRiduzione{};
        s.schedinaAssente = 1;
        dati.datiModificati = 1;
        return false;
    }
    bool manuali = false;
    for (Partita& p : s.partite) {
        PropostaBase(p, s.probMinSegno, s.probMinFissa, !pronosticiManuali);
        manuali = manuali || Manuale(p);
    }
    s.sistemaIniziale = manuali ? 0 : 1;
    s.contatoriModifiche = {};
    InvalidaRidotto(s);
    return true;
}

} // namespace veltra
