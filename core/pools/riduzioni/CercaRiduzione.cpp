#include "pools/riduzioni/CercaRiduzione.h"

#include "pools/riduzioni/MatriceSindromi.h"
#include "pools/riduzioni/RicercaCopertura.h"

#include <algorithm>
#include <cstdio>

namespace veltra::riduzioni {

namespace {

struct Gruppo {
    int a;
    int b;
    uint32_t dimensione;
    uint64_t fattore; // words of the code per element of S: |kernel|
};

uint64_t Potenza(uint64_t base, int esponente) {
    uint64_t p = 1;
    while (esponente-- > 0)
        p *= base;
    return p;
}

} // namespace

EsitoRiduzione CercaRiduzione(int triple, int doppie, uint64_t daBattere,
                              const ParametriRiduzione& parametri) {
    std::vector<Gruppo> gruppi;
    // A zero column would make the code a plain product with that row, which the
    // constructions already give: every kind of row present in the space gets a part of G.
    for (int a = triple > 0 ? 1 : 0; a <= triple; ++a)
        for (int b = doppie > 0 ? 1 : 0; b <= doppie; ++b) {
            const uint64_t dimensione = Potenza(3, a) * Potenza(2, b);
            if (dimensione > parametri.gruppoMassimo) continue;
            gruppi.push_back({a, b, static_cast<uint32_t>(dimensione),
                              Potenza(3, triple - a) * Potenza(2, doppie - b)});
        }
    std::stable_sort(gruppi.begin(), gruppi.end(),
                     [](const Gruppo& x, const Gruppo& y) { return x.dimensione < y.dimensione; });

    EsitoRiduzione esito;
    uint64_t migliore = daBattere;
    for (const Gruppo& gruppo : gruppi) {
        const int scelte =
            gruppo.dimensione <= parametri.gruppoPiccolo ? parametri.sceltePerGruppo : 1;
        for (int scelta = 0; scelta < scelte; ++scelta) {
            const uint64_t semeScelta = parametri.seme * 1000003 +
                                        static_cast<uint64_t>(gruppo.a * 100 + gruppo.b) * 17 +
                                        static_cast<uint64_t>(scelta);
            const MatriceSindromi matrice =
                ScegliMatrice(triple, doppie, gruppo.a, gruppo.b, semeScelta, scelta == 0);
            const GrafoCopertura grafo = GrafoSindromi(matrice);
            // Largest S that still beats the best so far, smallest S the spheres allow.
            if (migliore <= gruppo.fattore) break;
            const uint64_t obiettivo = (migliore - 1) / gruppo.fattore;
            const uint64_t sfere = (grafo.n + grafo.m - 1) / static_cast<uint64_t>(grafo.m);
            if (obiettivo < sfere) break;

            ParametriRicerca ricerca;
            ricerca.passi = parametri.passiPerProva;
            ricerca.seme = semeScelta;
            ricerca.iniziale = static_cast<uint32_t>(std::min<uint64_t>(obiettivo, grafo.n));
            ricerca.minimo = static_cast<uint32_t>(sfere);
            const RisultatoRicerca trovato = CercaCopertura(grafo, ricerca);
            if (trovato.migliore.empty()) continue;
            const uint64_t parole = trovato.migliore.size() * gruppo.fattore;
            if (parole >= migliore) continue;
            migliore = parole;
            esito.codice = Preimmagine(matrice, trovato.migliore);
            char testo[96];
            std::snprintf(testo, sizeof testo, "ricerca in Z3^%d x Z2^%d: %zu x %llu", gruppo.a,
                          gruppo.b, trovato.migliore.size(),
                          static_cast<unsigned long long>(gruppo.fattore));
            esito.descrizione = testo;
        }
    }
    return esito;
}

} // namespace veltra::riduzioni
