#include "engine/parametri/ProvaAnalisi.h"

#include "dati/DatiCampionati.h"
#include "dati/CArchivio.h"
#include "engine/CMotoreStime.h"

namespace veltra {

EsitoProva ProvaAnalisi(CCampionato& c, CAnalisi& a, const CAnalisi& precedente,
                        const CArchivio& archivio, const std::string& testoLimitiNonValidi,
                        const std::string& testoRestringere) {
    if (!c.motore) CreaMotore(c);
    EsitoProva e;
    ApplicaAnalisi(c, a);
    if (c.motore->AggiornaStime() == 0) {
        const auto datiUsati = c.motore->PercentualeDatiUsati();
        a.precisione1 = c.motore->precisione1();
        a.precisioneX = c.motore->precisioneX();
        a.precisione2 = c.motore->precisione2();
        a.datiUsati = datiUsati.value_or(0.0f);
        e.ok = true;
        e.stato.ok = true;
        e.stato.pannello1 = FormattaMessaggioStato(c.descrizione().nome, *c.motore, datiUsati,
                                                   a.punteggiAvanzati.campionatiInclusi);
        e.stato.pannello2 = TestoAnalisiArchivio(CercaAnalisi(archivio, a));
        return e;
    }
    e.limiteSingolo =
        a.limiteMinCasa == a.limiteMaxCasa || a.limiteMinTrasferta == a.limiteMaxTrasferta;
    // No limit can help a championship without enough matches: say so
    // rather than send the user to the limits.
    e.stato.pannello1 = e.limiteSingolo                     ? testoLimitiNonValidi
                        : c.motore->IncontriInsufficienti() ? std::string(kStimePochiIncontri)
                                                            : testoRestringere;
    e.stato.pannello2.assign(1, ' '); // (assigning " " trips a false -Wrestrict of g++ 12)
    ApplicaAnalisi(c, precedente);
    c.motore->PreparaMotore();
    c.motore->CalcolaGriglie();
    return e;
}

} // namespace veltra
