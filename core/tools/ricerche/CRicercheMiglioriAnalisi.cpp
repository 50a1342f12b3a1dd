#include "tools/ricerche/CRicercheMiglioriAnalisi.h"

#include "dati/DatiCampionati.h"
#include "engine/CMotoreStime.h"
#include "platform/Messaggi.h"

#include <algorithm>

namespace veltra {

bool CRicercheMiglioriAnalisi::PuoAprire(DatiCampionati& dati, IMessaggi& messaggi) {
    CCampionato& c = dati.campionato(dati.campionatoCorrente);
    if (!c.motore) CreaMotore(c);
    if (c.motore->AggiornaStime() != 0) {
        messaggi.Errore("Impossibile calcolare le stime.\nIl file dei dati potrebbe essere corrotto.");
        return false;
    }
    return true;
}

CRicercheMiglioriAnalisi::CRicercheMiglioriAnalisi(DatiCampionati& dati)
    : dati_(dati), campionatoCorrente_(dati.campionatoCorrente) {
    for (int c = 0; c < kNumeroCampionati; ++c) {
        const CCampionato& camp = dati_.campionato(c);
        istantanea_[static_cast<std::size_t>(c)] = {AnalisiCorrente(camp), camp.archivio};
    }
}

bool CRicercheMiglioriAnalisi::Ok() {
    bool parametri = false;
    for (int c = 0; c < kNumeroCampionati; ++c) {
        CCampionato& camp = dati_.campionato(c);
        const auto& s = istantanea_[static_cast<std::size_t>(c)];
        if (!AnalisiCorrente(camp).StessiParametri(s.analisi)) {
            dati_.datiModificati = 1;
            parametri = true;
            dati_.notifiche.Pubblica({Cambiamento::Analisi, c});
        } else if (!(camp.archivio.analisi == s.archivio.analisi)) {
            dati_.datiModificati = 1;
        }
    }
    return parametri;
}

void CRicercheMiglioriAnalisi::Annulla() {
    for (int c = 0; c < kNumeroCampionati; ++c) {
        CCampionato& camp = dati_.campionato(c);
        const auto& s = istantanea_[static_cast<std::size_t>(c)];
        if (!AnalisiCorrente(camp).StessiParametri(s.analisi)) {
            ApplicaAnalisi(camp, s.analisi);
            if (camp.motore) camp.motore->AggiornaStime();
        }
        const int mostrata = camp.archivio.corrente;
        camp.archivio = s.archivio;
        camp.archivio.corrente =
            camp.archivio.numero() == 0 ? -1 : std::min(std::max(mostrata, 0), camp.archivio.numero() - 1);
    }
}

TestiStato CRicercheMiglioriAnalisi::Chiudi() {
    dati_.campionatoCorrente = static_cast<std::int16_t>(campionatoCorrente_);
    return AggiornaMessaggioStato(dati_.campionato(campionatoCorrente_));
}

} // namespace veltra
