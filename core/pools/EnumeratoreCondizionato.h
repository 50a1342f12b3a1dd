#pragma once
// The conditioned system counted or listed fast. The full system is walked
// depth first in its own order (row 0 outermost), and everything the test of
// a column needs is kept up to date as a row changes: the sign counts, the
// runs, the product of the probabilities (the same multiplications in the
// same order as the plain test), the hits of every filter column, the tally
// of every group and the number of verified groups. A whole subtree is
// skipped as soon as a count, a run or the probability can no longer come
// back within its limits. The top rows split the walk into pieces that two
// threads share; the pieces are joined in order, so the result does not
// depend on the number of threads.
#include "pools/VerificaColonna.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace veltra {

class EnumeratoreCondizionato {
public:
    EnumeratoreCondizionato(const CondizioniRiduzione& cond, const Schedina& s);
    ~EnumeratoreCondizionato();
    EnumeratoreCondizionato(EnumeratoreCondizionato&&) noexcept;
    EnumeratoreCondizionato& operator=(EnumeratoreCondizionato&&) noexcept;

    struct Esito {
        std::int64_t conta = 0;
        std::vector<std::int32_t> indici; // the passing columns' indices, when listed
        bool fermato = false;
    };
    struct Opzioni {
        bool elenca = false;  // keep the indices of the passing columns
        int thread = 0;       // 0: as many as the machine has, at most 2
        const std::atomic<bool>* fermo = nullptr;
        // Called on the calling thread with the columns walked (or skipped) so
        // far; returning false stops the walk.
        std::function<bool(std::int64_t fatte)> avanzamento;
    };
    Esito Esegui(const Opzioni& o) const;

    const SpazioIntegrale& spazio() const;

    struct Piano; // the coupon and the conditions compiled for the walk

private:
    std::unique_ptr<Piano> piano_;
};

// The smallest and largest column probability of the full system, walking it
// whole with the running product (the same values as the plain product).
struct LimitiProbabilita {
    double minima = 0.0, massima = 0.0;
};
LimitiProbabilita CalcolaLimitiProbabilita(const Schedina& s, const std::atomic<bool>* fermo = nullptr);

} // namespace veltra
