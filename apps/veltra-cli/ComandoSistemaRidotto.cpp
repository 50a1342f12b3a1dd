// veltra-cli sistema: the columns of the coupon held in a working folder, for
// the full system or one of its reduced systems, counted or listed.
#include "Comandi.h"

#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "platform/Lavori.h"
#include "platform/Messaggi.h"
#include "platform/Risorse.h"
#include "pools/CostruzioneSistema.h"
#include "pools/OperazioniSchedina.h"
#include "pools/VerificaColonna.h"

#include <cstdio>
#include <memory>

namespace veltra::cli {

namespace {

char Carattere(int codice) {
    switch (codice) {
    case 1: return '1';
    case 2: return '2';
    case 3: return 'X';
    case 8: return '-';
    default: return '?';
    }
}

} // namespace

int ComandoSistemaRidotto(const std::vector<std::string>& a) {
    std::optional<std::string> opzioneCartella;
    std::optional<std::string> riduzione;
    std::optional<MetodoRiduzione> metodo;
    bool colonne = false, conta = false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--cartella") {
            opzioneCartella = ValoreCartella(a, i);
        } else if (a[i] == "--riduzione") {
            riduzione = ValoreOpzione(a, i);
        } else if (a[i] == "--metodo") {
            const std::string m = ValoreOpzione(a, i);
            if (m == "standard") metodo = MetodoRiduzione::Standard;
            else if (m == "avanzato") metodo = MetodoRiduzione::Avanzato;
            else throw ErroreUso{"--metodo vuole standard o avanzato: " + m};
        } else if (a[i] == "--colonne") {
            colonne = true;
        } else if (a[i] == "--conta") {
            conta = true;
        } else {
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
        }
    }
    if (colonne && conta) throw ErroreUso{"--colonne e --conta non vanno insieme"};

    const std::string cartella = ApriCartellaLettura(opzioneCartella);
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiSuErrore messaggi;
    if (!CaricaAvvio(*dati, cartella, messaggi)) return kEsitoCaricamento;
    Schedina& s = dati->schedina;
    if (s.schedinaAssente != 0) {
        std::fprintf(stderr, "veltra-cli: nessuna schedina nella cartella\n");
        return kEsitoUso;
    }
    CCondizionamenti& cond = dati->condizionamenti;
    bool integrale = false;
    if (riduzione) {
        int e = 0, f = 0;
        char resto = 0;
        if (*riduzione == "integrale") {
            integrale = true;
        } else if (*riduzione == "n-1") {
            e = f = -1;
        } else if (*riduzione == "condizionato") {
            e = f = -2;
        } else if (std::sscanf(riduzione->c_str(), "%d-%d%c", &e, &f, &resto) != 2 || e < 0 ||
                   f <= e || f > 7) {
            throw ErroreUso{"--riduzione vuole integrale, n-1, E-F o condizionato: " + *riduzione};
        }
        if (!integrale && (e != s.riduzioneMin || f != s.riduzioneMax)) {
            s.riduzioneMin = static_cast<std::int16_t>(e);
            s.riduzioneMax = static_cast<std::int16_t>(f);
            InvalidaRidotto(s);
        }
    }
    // A method asks for the conditioned system reduced.
    if (metodo && s.riduzioneMin == -2 && !cond.condizionatoRidotto) {
        cond.condizionatoRidotto = 1;
        InvalidaRidotto(s);
    }

    if (integrale) {
        const SpazioIntegrale sp = SpazioDi(s);
        std::printf("%lld\n", static_cast<long long>(sp.totale));
        if (colonne)
            EnumeraIntegrale(sp, [](const Colonna& c) {
                std::fwrite(c.data(), 1, c.size(), stdout);
                std::fputc('\n', stdout);
            });
        return kEsitoOk;
    }

    // Only fixed rows: no reduced system of any kind (a conditioned count
    // would otherwise give the one column of the coupon).
    const NumeroSegni forma = StatoNumeroSegni(s);
    if (forma.triple + forma.doppie == 0) {
        std::fprintf(stderr, "veltra-cli: la schedina non ha doppie ne' triple: nessun sistema ridotto\n");
        return kEsitoCaricamento;
    }
    EsecutoreSincrono esecutore;
    ContestoSistema ctx{esecutore, messaggi, CartellaRiduzioni(), metodo, 0}; // else the stored method
    bool ok = false;
    if (conta && s.riduzioneMin == -2) {
        ContaCondizionato(s, cond, true, ctx, [&](bool b) { ok = b; });
    } else {
        CostruisciSistema(s, cond, ctx, [&](bool b) { ok = b; });
    }
    if (!ok) return kEsitoCaricamento;
    const int totale = s.ridotto.numColonne;
    std::printf("%d\n", totale);
    if (colonne) {
        const LettoreSistema l(s);
        char riga[kRigheSchedina + 1];
        riga[kRigheSchedina] = '\n';
        for (int k = 0; k < totale; ++k) {
            for (int r = 0; r < kRigheSchedina; ++r) riga[r] = Carattere(l.Segno(k, r));
            std::fwrite(riga, 1, sizeof riga, stdout);
        }
    }
    return kEsitoOk;
}

} // namespace veltra::cli
