#pragma once
// The candidates of the search on the importance percentages, in the
// search's order.
//
// Every weight lies in 50..150 (or, in the windowed search, in a window of
// the given width around its starting value) and the N weights add up to
// 100 x N. The full search loops w[N-1], w[N-2], ..., w[1] (outermost first)
// and derives w[0]; the windowed search loops w[0], w[1], ..., w[N-2] and
// derives w[N-1]. Each loop starts at its lower bound and advances by the
// step while within its upper bound; the bounds are narrowed so that the
// remaining weights can still reach the sum inside their own ranges.
//
// The candidates come in blocks: one block per value of the outermost loop,
// and with five matchdays one per pair of the two outer loops. A block is the
// unit a search hands to a thread and the point it resumes from.
#include "engine/ValutatorePercentuali.h"

#include <cstdint>
#include <vector>

namespace veltra {

struct BloccoPercentuali {
    std::int16_t esterno = 0; // value of the outermost loop variable
    std::int16_t secondo = 0; // value of the second loop variable (five matchdays)
};

class EnumerazionePercentuali {
public:
    // ampiezza 100: the full search; less: the windowed one around
    // `partenza`. Nothing is enumerated with fewer than 2 or more than 5
    // matchdays or a step outside 1..100.
    EnumerazionePercentuali(int giornate, const Percentuali& partenza, int passo, int ampiezza);

    bool finestra() const { return finestra_; }
    int giornate() const { return giornate_; }
    int passo() const { return passo_; }
    // The blocks in order. Resuming, the outermost loop starts at `ripresa`
    // (its lower bound when below it) and, with five matchdays, the second
    // loop of that first outer value at `ripresaSecondo`, or at its lower
    // bound when the value lies outside the loop's bounds.
    std::vector<BloccoPercentuali> Blocchi() const;
    std::vector<BloccoPercentuali> Blocchi(int ripresa, int ripresaSecondo) const;
    // Appends the candidates of a block, in order, to `out`.
    void Candidati(const BloccoPercentuali& b, std::vector<Percentuali>& out) const;
    long NumeroCandidati(const BloccoPercentuali& b) const;
    // The lower bound of the second loop for an outer value (what a stored
    // ripresaSecondo is clamped to).
    int InizioSecondo(int esterno) const;
    // Range of the outermost loop before narrowing: what the window's
    // progress bar spans (the bar ends one step past the maximum).
    int esternoMin() const { return lo_[static_cast<std::size_t>(ordine_[0])]; }
    int esternoMax() const { return hi_[static_cast<std::size_t>(ordine_[0])]; }

private:
    // Bounds of loop `livello` given the values of the outer loops.
    void Limiti(int livello, const int* valori, int& lo, int& hi) const;
    template <class F> void Ricorri(int livello, int* valori, F&& f) const;

    int giornate_ = 0;
    int passo_ = 1;
    bool finestra_ = false;
    bool valida_ = false;
    int ordine_[5] = {};   // weight index of each loop, outermost first, then the derived one
    int lo_[5] = {}, hi_[5] = {};
};

} // namespace veltra
