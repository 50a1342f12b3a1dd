#pragma once
// Builds the N-1 reductions of every coupon shape with 1..14 variable rows, smallest first,
// so each shape can start from what the smaller ones give.

#include "pools/riduzioni/CercaRiduzione.h"
#include "pools/riduzioni/Codice.h"

#include <string>
#include <vector>

namespace veltra::riduzioni {

struct Riduzione {
    Codice codice;
    std::string origine; // how it was obtained
    bool presente = false;
};

class Generatore {
public:
    Generatore(ParametriRiduzione parametri, int thread);

    void Esegui(bool stampaAvanzamento);

    const Riduzione& Migliore(int triple, int doppie) const { return migliori_[triple][doppie]; }

private:
    bool Proponi(int triple, int doppie, Codice codice, const std::string& origine);
    void Costruzioni(int triple, int doppie);
    bool Propaga(int triple, int doppie, bool daPiuGrandi);
    void EseguiPiani(bool stampaAvanzamento);

    ParametriRiduzione parametri_;
    int thread_;
    Riduzione migliori_[kMaxRigheVariabili + 1][kMaxRigheVariabili + 1];
};

} // namespace veltra::riduzioni
