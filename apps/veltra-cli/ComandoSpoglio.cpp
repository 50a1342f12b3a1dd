// veltra-cli spoglio: the coupon held in a working folder checked against
// the 14 results: the points of the full system and of its base column, and
// the winning columns of its selected reduced system.
#include "Comandi.h"

#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "platform/Lavori.h"
#include "platform/Risorse.h"
#include "pools/CostruzioneSistema.h"
#include "pools/SpoglioSchedina.h"

#include <cstdio>
#include <memory>

namespace veltra::cli {

int ComandoSpoglio(const std::vector<std::string>& a) {
    std::optional<std::string> opzioneCartella;
    std::optional<std::string> testoRisultati;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--cartella") {
            opzioneCartella = ValoreCartella(a, i);
        } else if (a[i] == "--risultati") {
            testoRisultati = ValoreOpzione(a, i);
        } else {
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
        }
    }
    if (!testoRisultati) throw ErroreUso{"spoglio vuole --risultati con 14 segni 1, X, 2"};
    const std::optional<RisultatiSchedina> risultati = RisultatiDaTesto(*testoRisultati);
    if (!risultati) throw ErroreUso{"--risultati vuole 14 segni 1, X, 2: " + *testoRisultati};

    const std::string cartella = ApriCartellaLettura(opzioneCartella);
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiSuErrore messaggi;
    if (!CaricaAvvio(*dati, cartella, messaggi)) return kEsitoCaricamento;
    Schedina& s = dati->schedina;
    if (s.schedinaAssente != 0) {
        std::fprintf(stderr, "veltra-cli: nessuna schedina nella cartella\n");
        return kEsitoUso;
    }
    const EsitoIntegrale integrale = SpogliaIntegrale(s, *risultati);

    EsecutoreSincrono esecutore;
    ContestoSistema ctx{esecutore, messaggi, CartellaRiduzioni(), std::nullopt, 0}; // the stored method
    bool ok = false;
    CostruisciSistema(s, dati->condizionamenti, ctx, [&](bool b) { ok = b; });
    if (!ok) {
        std::fprintf(stderr, "veltra-cli: la schedina non ha un sistema ridotto da controllare\n");
        return kEsitoCaricamento;
    }
    const EsitoSpoglioRidotto ridotto = SpogliaRidotto(s, *risultati);
    std::printf("integrale=%d base=%d ridotto=%d tredicissimo=%lld tredici=%lld dodici=%lld\n", integrale.punti,
                integrale.base, TotaleColonne(s), ridotto.tredicissimi, ridotto.tredici, ridotto.dodici);
    return kEsitoOk;
}

} // namespace veltra::cli
