// The best system for a budget against the N-1 table of the same size, on
// real coupons: for every matchday of a season, the 10 matches of Serie A
// and the first 4 of Serie B of the same matchday, estimated with the data
// cut before the matchday (as the new-coupon wizard would have done on that
// day, base proposal). Prints a Markdown table: the chances of both systems
// and what each made against the real results.
//
//   veltra-prova-ottimo CARTELLA [ANNO]
//
// CARTELLA a working folder with the shipped data (veltra-cli verifica
// --cartella CARTELLA makes one); ANNO the year the season began (2025).
#include "app/Avvio.h"
#include "app/CartellaDiLavoro.h"
#include "app/DatiGlobali.h"
#include "platform/Messaggi.h"
#include "platform/Risorse.h"
#include "pools/CNuovaSchedina.h"
#include "pools/CostruzioneSistema.h"
#include "pools/OperazioniSchedina.h"
#include "pools/ProbabilitaSistema.h"
#include "pools/StimeSchedina.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace veltra;

namespace {

struct Giornata {
    std::vector<int> posizioni; // positions in the championship's match list
};

// The matchdays of season `stagione` (1-based): runs of teams/2 matches.
std::vector<Giornata> Giornate(const CCampionato& c, int stagione) {
    std::vector<Giornata> g;
    const int inizio = c.incontri.inizioStagione(stagione - 1) + 1;
    const int fine = stagione < c.incontri.numeroSeparatori() ? c.incontri.inizioStagione(stagione) : c.incontri.numero();
    const int perGiornata = c.squadreStagione(stagione).numero() / 2;
    if (perGiornata <= 0) return g;
    for (int i = inizio; i + perGiornata <= fine; i += perGiornata) {
        Giornata x;
        for (int k = 0; k < perGiornata; ++k) x.posizioni.push_back(i + k);
        g.push_back(x);
    }
    return g;
}

int Segno(char r) { return r == '1' ? 0 : r == 'X' ? 1 : 2; }

// Best points of a system against the outcome, and its columns making 14, 13, 12.
struct Punti {
    int massimo = 0, c14 = 0, c13 = 0, c12 = 0;
};
Punti Spoglio(const std::vector<std::uint32_t>& colonne, const std::array<int, kRigheSchedina>& risultati) {
    Punti e;
    for (std::uint32_t c : colonne) {
        int punti = 0;
        for (int r = 0; r < kRigheSchedina; ++r, c /= 3) punti += static_cast<int>(c % 3) == risultati[static_cast<std::size_t>(r)];
        e.massimo = std::max(e.massimo, punti);
        e.c14 += punti == 14;
        e.c13 += punti == 13;
        e.c12 += punti == 12;
    }
    return e;
}

std::string Testo(const Punti& e) {
    return std::to_string(e.massimo) + " (" + std::to_string(e.c14) + "/" + std::to_string(e.c13) + "/" +
           std::to_string(e.c12) + ")";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s CARTELLA [ANNO]\n", argv[0]);
        return 2;
    }
    const std::string cartella = argv[1];
    const int anno = argc > 2 ? std::atoi(argv[2]) : 2025;
    if (const EsitoFile e = ApriCartellaInLettura(cartella); !e) {
        std::fprintf(stderr, "cartella non leggibile: %s\n", cartella.c_str());
        return 1;
    }
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiSilenziosi messaggi;
    if (!CaricaAvvio(*dati, cartella, messaggi)) {
        std::fprintf(stderr, "cartella non caricata: %s\n", cartella.c_str());
        return 1;
    }
    const int idA = *CercaCampionato("A"), idB = *CercaCampionato("B");
    CCampionato& a = dati->campionato(idA);
    CCampionato& b = dati->campionato(idB);
    const int stagioneA = anno - a.descrizione().annoPrimaStagione + 1;
    const int stagioneB = anno - b.descrizione().annoPrimaStagione + 1;
    const auto giornateA = Giornate(a, stagioneA), giornateB = Giornate(b, stagioneB);
    const std::size_t n = std::min(giornateA.size(), giornateB.size());
    std::fprintf(stderr, "stagioni A=%d B=%d (di %d e %d), giornate A=%zu B=%zu\n", stagioneA, stagioneB,
                 a.incontri.numeroSeparatori(), b.incontri.numeroSeparatori(), giornateA.size(), giornateB.size());

    std::printf("| giornata | triple+doppie | K (N-1) | P(12+) N-1 | P(12+) ottimo | P(13+) N-1 | P(13+) ottimo | "
                "P(14) N-1 | P(14) ottimo | fatto N-1 | fatto ottimo |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|\n");
    double somma[2] = {0, 0};
    int righe = 0, peggiori = 0;
    Punti totale[2];
    int dodici[2] = {0, 0};
    for (std::size_t g = 0; g < n; ++g) {
        Schedina& s = dati->schedina;
        Azzera(s);
        s.schedinaAssente = 0;
        std::array<int, kRigheSchedina> risultati{};
        int riga = 0;
        bool ok = true;
        for (auto [c, id, giornata, stagione] :
             {std::tuple{&a, idA, &giornateA[g], stagioneA}, std::tuple{&b, idB, &giornateB[g], stagioneB}}) {
            // The data cut before the matchday's first match.
            c->ultimoIncontroFiltro = giornata->posizioni.front() - 1;
            c->stagioneFiltro = stagione;
            if (!AggiornaStimeCampionato(*dati, id)) {
                ok = false;
                break;
            }
            for (int pos : giornata->posizioni) {
                if (riga >= kRigheSchedina) break;
                const Incontro& m = c->incontri[pos];
                if (!InserisciPartita(s, *dati, riga, id, m.casa, m.trasferta)) {
                    ok = false;
                    break;
                }
                risultati[static_cast<std::size_t>(riga++)] = Segno(m.risultato);
            }
        }
        if (!ok || riga < kRigheSchedina) { // the first matchdays cannot be estimated
            std::fprintf(stderr, "giornata %zu: stime impossibili\n", g + 1);
            continue;
        }
        const NumeroSegni ns = StatoNumeroSegni(s);
        const auto prob = ProbabilitaDi(s);
        auto tabella = CaricaTabella(CartellaRiduzioni(), ns.triple, ns.doppie, -1, -1);
        if (!prob || !tabella.ok) {
            std::fprintf(stderr, "giornata %zu (%d triple, %d doppie): %s\n", g + 1, ns.triple, ns.doppie, tabella.messaggio.c_str());
            continue;
        }
        s.riduzioneMin = s.riduzioneMax = -1;
        s.ridotto = std::move(tabella.sistema);
        const auto colonneN1 = ColonneSistema(s);
        const ChanceSistema cN1 = ProbabilitaEsatta(colonneN1, *prob);
        OpzioniOttimo o;
        o.colonne = static_cast<std::int32_t>(colonneN1.size());
        o.ammessi = SegniAmmessi(s, false);
        const RisultatoOttimo ott = CercaOttimo(*prob, o);
        const Punti eN1 = Spoglio(colonneN1, risultati), eOtt = Spoglio(ott.colonne, risultati);
        std::printf("| %zu | %d+%d | %zu | %.4f | %.4f | %.4f | %.4f | %.5f | %.5f | %s | %s |\n", g + 1, ns.triple,
                    ns.doppie, colonneN1.size(), cN1.p12, ott.chance.p12, cN1.p13, ott.chance.p13, cN1.p14,
                    ott.chance.p14, Testo(eN1).c_str(), Testo(eOtt).c_str());
        somma[0] += cN1.p12;
        somma[1] += ott.chance.p12;
        peggiori += ott.chance.p12 < cN1.p12;
        ++righe;
        for (int k = 0; k < 2; ++k) {
            const Punti& e = k == 0 ? eN1 : eOtt;
            totale[k].c14 += e.c14;
            totale[k].c13 += e.c13;
            totale[k].c12 += e.c12;
            dodici[k] += e.massimo >= 12;
        }
    }
    if (righe == 0) {
        std::fprintf(stderr, "nessuna giornata utilizzabile\n");
        return 1;
    }
    std::printf("\ngiornate=%d media_p12_n1=%.4f media_p12_ottimo=%.4f ottimo_sotto_n1=%d\n", righe, somma[0] / righe,
                somma[1] / righe, peggiori);
    std::printf("giornate_con_12_n1=%d giornate_con_12_ottimo=%d colonne_14_13_12_n1=%d/%d/%d "
                "colonne_14_13_12_ottimo=%d/%d/%d\n",
                dodici[0], dodici[1], totale[0].c14, totale[0].c13, totale[0].c12, totale[1].c14, totale[1].c13,
                totale[1].c12);
    return 0;
}
