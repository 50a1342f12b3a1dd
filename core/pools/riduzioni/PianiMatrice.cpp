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
        {9, 0, 7, 0, 149, 1, 200000, Colonne,       // 1341, kernel [9, 2, 6]
         {729, 243, 81, 27, 9, 3, 1, 206, 824}},
        {10, 0, 4, 0, 5, 1, 1000000, Congiunta},    // 3645
        {3, 10, 2, 8, 173, 24, 50000, MolteMatrici}, // 2076
        {6, 6, 3, 6, 113, 12, 20000, MolteMatrici}, // 3051
        {7, 6, 3, 6, 111, 8, 20000, MolteMatrici},  // 8991
        {8, 5, 3, 5, 54, 2, 20000, MolteMatrici},   // 13122
        {9, 4, 4, 3, 36, 12, 20000, MolteMatrici},  // 17496
        {0, 12, 0, 11, 190, 12, 200000, MolteMatrici}, // 380
        {2, 12, 2, 7, 80, 6, 20000, MolteMatrici},  // 2560
        {1, 13, 1, 10, 248, 36, 50000, MolteMatrici}, // 1984
        // Eleven and twelve triples onto Z3^6 with the columns of [I | R] whose kernel has
        // minimum distance 5; the doubles map onto Z2^b by the unit vectors. 12t0d follows
        // from 11t0d (a triple added, 3 x 9477).
        {11, 0, 6, 0, 39, 1, 100000, Colonne,       // 9477
         {243, 81, 27, 9, 3, 1, 259, 388, 461, 150, 336}},
        {11, 2, 6, 2, 152, 7, 100000, Colonne,      // 36936
         {972, 324, 108, 36, 12, 4, 1312, 784, 1880, 2508, 1436, 2, 1}},
        {10, 4, 5, 3, 104, 58, 50000, MolteMatrici}, // 50544
        {12, 1, 6, 1, 72, 1, 100000, Colonne,       // 52488
         {486, 162, 54, 18, 6, 2, 686, 1434, 1282, 356, 876, 862, 1}},
        // 11t3d and 12t2d follow from 11t2d and 12t1d (a double added).
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
        if (piano.metodo != MetodoPiano::Congiunta) {
            if (piano.metodo == MetodoPiano::Colonne) {
                if (piano.colonne.size() != static_cast<size_t>(piano.triple + piano.doppie))
                    return esito;
                matrice = {piano.triple, piano.doppie, piano.a, piano.b, piano.colonne};
            } else {
                matrice = ScegliMatrice(piano.triple, piano.doppie, piano.a, piano.b, 1000 + seme,
                                        prova == 0);
            }
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
                      : piano.metodo == MetodoPiano::Colonne    ? "matrice data"
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
