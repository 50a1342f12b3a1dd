#include "Generatore.h"

#include "pools/riduzioni/Costruzioni.h"
#include "pools/riduzioni/MatriceSindromi.h"
#include "pools/riduzioni/PianiMatrice.h"

#include <atomic>
#include <cstdio>
#include <thread>

namespace veltra::riduzioni {

Generatore::Generatore(ParametriRiduzione parametri, int thread)
    : parametri_(parametri), thread_(thread < 1 ? 1 : thread) {}

bool Generatore::Proponi(int triple, int doppie, Codice codice, const std::string& origine) {
    Riduzione& attuale = migliori_[triple][doppie];
    if (codice.triple != triple || codice.doppie != doppie || codice.parole.empty()) return false;
    if (attuale.presente && codice.size() >= attuale.codice.size()) return false;
    attuale.codice = std::move(codice);
    attuale.origine = origine;
    attuale.presente = true;
    return true;
}

// What the smaller shapes and the perfect codes give.
void Generatore::Costruzioni(int t, int d) {
    if (t + d == 1) Proponi(t, d, Codice{t, d, {0}}, "una colonna");
    if (t == 4 && d == 0) Proponi(t, d, HammingTernario(2), "Hamming ternario");
    if (t == 13 && d == 0) Proponi(t, d, HammingTernario(3), "Hamming ternario");
    if (t == 0 && d == 3) Proponi(t, d, HammingBinario(2), "Hamming binario");
    if (t == 0 && d == 7) Proponi(t, d, HammingBinario(3), "Hamming binario");
    Propaga(t, d, false);
}

// Products with one more row, a triple folded into a double, a row dropped from a larger
// shape (only once the larger shapes exist). True when the shape got smaller.
bool Generatore::Propaga(int t, int d, bool daPiuGrandi) {
    bool migliorato = false;
    auto origine = [](const char* come, int tt, int dd) {
        return std::string(come) + " " + std::to_string(tt) + "t" + std::to_string(dd) + "d";
    };
    if (t > 0 && migliori_[t - 1][d].presente)
        migliorato |= Proponi(t, d, AggiungiTripla(migliori_[t - 1][d].codice),
                              origine("tripla aggiunta a", t - 1, d));
    if (d > 0 && migliori_[t][d - 1].presente)
        migliorato |= Proponi(t, d, AggiungiDoppia(migliori_[t][d - 1].codice),
                              origine("doppia aggiunta a", t, d - 1));
    if (d > 0 && t + 1 <= kMaxRigheVariabili && migliori_[t + 1][d - 1].presente)
        migliorato |= Proponi(t, d, MiglioreTriplaInDoppia(migliori_[t + 1][d - 1].codice),
                              origine("tripla ridotta a doppia da", t + 1, d - 1));
    if (daPiuGrandi && t + d < kMaxRigheVariabili) {
        if (migliori_[t + 1][d].presente)
            migliorato |= Proponi(t, d, MiglioreTogliRiga(migliori_[t + 1][d].codice, true),
                                  origine("riga tolta da", t + 1, d));
        if (migliori_[t][d + 1].presente)
            migliorato |= Proponi(t, d, MiglioreTogliRiga(migliori_[t][d + 1].codice, false),
                                  origine("riga tolta da", t, d + 1));
    }
    return migliorato;
}

void Generatore::Esegui(bool stampaAvanzamento) {
    for (int n = 1; n <= kMaxRigheVariabili; ++n) {
        // Triples first: folding a triple into a double needs the shape with one more triple.
        for (int t = n; t >= 0; --t)
            Costruzioni(t, n - t);

        // The searches of one level are independent: each starts from the constructions
        // above, so the result does not depend on the number of threads.
        std::vector<EsitoRiduzione> esiti(static_cast<size_t>(n) + 1);
        std::vector<uint64_t> limiti(static_cast<size_t>(n) + 1);
        for (int t = 0; t <= n; ++t)
            limiti[t] = migliori_[t][n - t].codice.size();
        std::atomic<int> prossimo{0};
        auto lavora = [&] {
            for (int t; (t = prossimo.fetch_add(1)) <= n;) {
                ParametriRiduzione p = parametri_;
                p.seme = parametri_.seme * 7919 + static_cast<uint64_t>(t * 16 + (n - t));
                esiti[t] = CercaRiduzione(t, n - t, limiti[t], p);
            }
        };
        std::vector<std::thread> lavoratori;
        for (int i = 1; i < thread_; ++i)
            lavoratori.emplace_back(lavora);
        lavora();
        for (auto& l : lavoratori)
            l.join();

        for (int t = n; t >= 0; --t) {
            Proponi(t, n - t, std::move(esiti[t].codice), esiti[t].descrizione);
            Propaga(t, n - t, false);
            if (stampaAvanzamento)
                std::fprintf(stderr, "%2dt%2dd: %8zu  %s\n", t, n - t,
                             migliori_[t][n - t].codice.size(),
                             migliori_[t][n - t].origine.c_str());
        }
    }
    EseguiPiani(stampaAvanzamento);

    // A smaller shape found late may improve the ones built from it, and back.
    for (bool cambiato = true; cambiato;) {
        cambiato = false;
        for (int n = 1; n <= kMaxRigheVariabili; ++n)
            for (int t = n; t >= 0; --t)
                cambiato |= Propaga(t, n - t, true);
    }
}

// The aimed matrix-method searches, after the general ones so that these stay as they
// were; a plan that cannot beat the table in hand is not run. Plans are independent, so
// they share the threads and are applied in their own order.
void Generatore::EseguiPiani(bool stampaAvanzamento) {
    std::vector<const PianoMatrice*> daFare;
    for (const PianoMatrice& piano : PianiMatrice()) {
        const Riduzione& attuale = migliori_[piano.triple][piano.doppie];
        if (!attuale.presente || ParolePiano(piano) < attuale.codice.size())
            daFare.push_back(&piano);
    }
    std::vector<EsitoPiano> esiti(daFare.size());
    std::atomic<size_t> prossimo{0};
    auto lavora = [&] {
        for (size_t i; (i = prossimo.fetch_add(1)) < daFare.size();)
            esiti[i] = EseguiPiano(*daFare[i]);
    };
    std::vector<std::thread> lavoratori;
    for (int i = 1; i < thread_; ++i)
        lavoratori.emplace_back(lavora);
    lavora();
    for (auto& l : lavoratori)
        l.join();
    for (size_t i = 0; i < daFare.size(); ++i) {
        const int t = daFare[i]->triple, d = daFare[i]->doppie;
        const bool meglio = Proponi(t, d, std::move(esiti[i].codice), esiti[i].descrizione);
        if (stampaAvanzamento)
            std::fprintf(stderr, "piano %2dt%2dd: %8zu  %s\n", t, d,
                         migliori_[t][d].codice.size(),
                         meglio ? migliori_[t][d].origine.c_str() : "non raggiunto");
    }
}

} // namespace veltra::riduzioni
