#include "pools/riduzioni/PianiMatrice.h"

#include "pools/riduzioni/MatriceCongiunta.h"
#include "pools/riduzioni/MatriceSindromi.h"
#include "pools/riduzioni/RicercaCopertura.h"

#include <cstdio>

namespace veltra::riduzioni {

const std::vector<PianoMatrice>& PianiMatrice() {
    using enum MetodoPiano;
    // t, d, a, b, |S|, tries, steps, method. The tries needed are those the exploratory
    // runs took with the same seeds (the last try is the one that succeeds).
    static const std::vector<PianoMatrice> piani = {
        {5, 3, 4, 3, 56, 7, 20000, MolteMatrici},   // 168
        {6, 4, 4, 3, 48, 12, 20000, MolteMatrici},  // 864
        {7, 1, 5, 1, 40, 3, 20000, MolteMatrici},   // 360
        {7, 2, 5, 2, 72, 3, 20000, MolteMatrici},   // 648
        {8, 0, 5, 0, 18, 2, 20000, MolteMatrici},   // 486
        {3, 8, 3, 5, 74, 8, 20000, MolteMatrici},   // 592
        {10, 0, 4, 0, 5, 1, 1000000, Congiunta},    // 3645
        {3, 10, 2, 8, 173, 24, 50000, MolteMatrici}, // 2076
        {6, 6, 3, 6, 113, 12, 20000, MolteMatrici}, // 3051
        {7, 6, 3, 6, 111, 8, 20000, MolteMatrici},  // 8991
        {8, 5, 3, 5, 54, 2, 20000, MolteMatrici},   // 13122
        {9, 4, 4, 3, 36, 12, 20000, MolteMatrici},  // 17496
        {0, 12, 0, 11, 190, 12, 200000, MolteMatrici}, // 380
        {2, 12, 2, 7, 80, 6, 20000, MolteMatrici},  // 2560
        {1, 13, 1, 10, 248, 36, 50000, MolteMatrici}, // 1984
        {12, 0, 6, 0, 41, 1, 100000, MolteMatrici}, // 29889
        {10, 4, 5, 3, 104, 58, 50000, MolteMatrici}, // 50544
        {11, 3, 5, 3, 104, 4, 50000, MolteMatrici},  // 75816
        {12, 2, 6, 2, 152, 11, 100000, MolteMatrici}, // 110808
        {12, 1, 6, 1, 79, 23, 100000, MolteMatrici}, // 57591
        {0, 14, 0, 10, 88, 15, 1000000, MolteMatrici}, // 1408
    };
    return piani;
}

uint64_t ParolePiano(const PianoMatrice& piano) {
    uint64_t parole = piano.sindromi;
    for (int i = piano.a; i < piano.triple; ++i)
        parole *= 3;
    for (int i = piano.b; i < piano.doppie; ++i)
        parole *= 2;
    return parole;
}

EsitoPiano EseguiPiano(const PianoMatrice& piano) {
    EsitoPiano esito;
    for (int prova = 0; prova < piano.prove; ++prova) {
        const uint64_t seme = static_cast<uint64_t>(prova);
        MatriceSindromi matrice;
        std::vector<uint32_t> insieme;
        if (piano.metodo == MetodoPiano::MolteMatrici) {
            matrice =
                ScegliMatrice(piano.triple, piano.doppie, piano.a, piano.b, 1000 + seme, prova == 0);
            const GrafoCopertura grafo = GrafoSindromi(matrice);
            ParametriRicerca ricerca;
            ricerca.passi = piano.passi;
            ricerca.seme = seme;
            ricerca.iniziale = piano.sindromi;
            ricerca.minimo = piano.sindromi;
            RisultatoRicerca trovato = CercaCopertura(grafo, ricerca);
            if (trovato.migliore.empty() || trovato.migliore.size() > piano.sindromi) continue;
            insieme = std::move(trovato.migliore);
        } else {
            ParametriCongiunta parametri;
            parametri.a = piano.a;
            parametri.b = piano.b;
            parametri.parole = piano.sindromi;
            parametri.passi = piano.passi;
            parametri.seme = seme;
            EsitoCongiunta trovato = CercaMatriceCongiunta(piano.triple, piano.doppie, parametri);
            if (!trovato.trovato) continue;
            matrice = std::move(trovato.matrice);
            insieme = std::move(trovato.insieme);
        }
        esito.codice = Preimmagine(matrice, insieme);
        char testo[128];
        std::snprintf(testo, sizeof testo, "%s in Z3^%d x Z2^%d: %zu x %llu (prova %d)",
                      piano.metodo == MetodoPiano::MolteMatrici ? "molte matrici"
                                                                : "matrice congiunta",
                      piano.a, piano.b, insieme.size(),
                      static_cast<unsigned long long>(ParolePiano(piano) / piano.sindromi),
                      prova);
        esito.descrizione = testo;
        return esito;
    }
    return esito;
}

} // namespace veltra::riduzioni
