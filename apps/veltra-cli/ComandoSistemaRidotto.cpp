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
#include "pools/ProbabilitaSistema.h"
#include "pools/VerificaColonna.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

// Outcome numbers as lines of 14 signs, row 1 first.
void StampaEsiti(const std::vector<std::uint32_t>& esiti) {
    char riga[kRigheSchedina + 1];
    riga[kRigheSchedina] = '\n';
    for (std::uint32_t e : esiti) {
        for (int r = 0; r < kRigheSchedina; ++r, e /= 3) riga[r] = "1X2"[e % 3];
        std::fwrite(riga, 1, sizeof riga, stdout);
    }
}

} // namespace

int ComandoSistemaRidotto(const std::vector<std::string>& a) {
    std::optional<std::string> opzioneCartella;
    std::optional<std::string> riduzione;
    std::optional<MetodoRiduzione> metodo;
    bool colonne = false, conta = false, probabilita = false, fuori = false;
    std::optional<std::int32_t> ottimo;
    int obiettivo = 12;
    std::uint64_t seme = 1;
    auto intero = [&](std::size_t& i, long long minimo, long long massimo) {
        const std::string nome = a[i];
        const std::string v = ValoreOpzione(a, i);
        char* fine = nullptr;
        const long long n = std::strtoll(v.c_str(), &fine, 10);
        if (v.empty() || *fine != '\0' || n < minimo || n > massimo)
            throw ErroreUso{nome + " vuole un intero da " + std::to_string(minimo) + " a " +
                            std::to_string(massimo) + ": " + v};
        return n;
    };
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
        } else if (a[i] == "--probabilita") {
            probabilita = true;
        } else if (a[i] == "--ottimo") {
            ottimo = static_cast<std::int32_t>(intero(i, 1, kEsiti));
        } else if (a[i] == "--obiettivo") {
            obiettivo = static_cast<int>(intero(i, 12, 14));
        } else if (a[i] == "--fuori") {
            fuori = true;
        } else if (a[i] == "--seme") {
            seme = static_cast<std::uint64_t>(intero(i, 0, 0x7fffffffffffffffLL));
        } else {
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
        }
    }
    if (colonne && conta) throw ErroreUso{"--colonne e --conta non vanno insieme"};
    if (ottimo && (riduzione || metodo))
        throw ErroreUso{"--ottimo non va con --riduzione ne' con --metodo"};
    if (!ottimo && (fuori || seme != 1 || obiettivo != 12))
        throw ErroreUso{"--obiettivo, --fuori e --seme vanno con --ottimo"};

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

    std::optional<ProbabilitaRighe> prob;
    if (probabilita || ottimo) {
        std::string errore;
        prob = ProbabilitaDi(s, &errore);
        if (!prob) {
            std::fprintf(stderr, "veltra-cli: %s\n", errore.c_str());
            return kEsitoCaricamento;
        }
    }
    if (ottimo) {
        OpzioniOttimo o;
        o.colonne = *ottimo;
        o.obiettivo = obiettivo;
        o.ammessi = SegniAmmessi(s, fuori);
        o.seme = seme;
        if (std::any_of(o.ammessi.begin(), o.ammessi.end(), [](std::uint8_t m) { return m == 0; })) {
            std::fprintf(stderr, "veltra-cli: la schedina ha righe senza pronostico\n");
            return kEsitoCaricamento;
        }
        const RisultatoOttimo r = CercaOttimo(*prob, o);
        std::printf("%zu %s\n", r.colonne.size(), TestoChance(r.chance).c_str());
        if (colonne) StampaEsiti(r.colonne);
        return kEsitoOk;
    }

    if (integrale) {
        const SpazioIntegrale sp = SpazioDi(s);
        if (probabilita)
            std::printf("%lld %s\n", static_cast<long long>(sp.totale),
                        TestoChance(Probabilita(ColonneIntegrali(s), *prob)).c_str());
        else
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
    if (probabilita && s.ridotto.colonneTenute() == static_cast<std::size_t>(totale))
        std::printf("%d %s\n", totale, TestoChance(Probabilita(ColonneSistema(s), *prob)).c_str());
    else
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
