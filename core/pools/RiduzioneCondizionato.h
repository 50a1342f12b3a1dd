#pragma once
// The reduction of a conditioned system to an N-1 cover. Two columns are
// neighbours when they differ in at most one variable row.
//
// STANDARD: in column order, every later open neighbour of an open column is
// removed. AVANZATO: repeatedly the open column with most open neighbours
// (the first on equal counts) is kept and its open neighbours removed, until
// no open column has a neighbour. The result is the columns not removed, in
// their order.
//
// Both are computed without comparing every column with every other: the
// 2t + d neighbours of a column are its variants in one row, looked up by
// their index in the full system; AVANZATO keeps the open columns in buckets
// by neighbour count (each bucket handing out its first column), and lowers
// the counts as columns go. The results are those of the column-by-column
// methods below, which stay as the reference.
#include "pools/VerificaColonna.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace veltra {

enum class MetodoRiduzione { Standard, Avanzato };

inline constexpr const char* kDomandaMetodoRiduzione =
    "Sono disponibili due metodi di riduzione: AVANZATO e STANDARD.\n\n"
    "Il metodo AVANZATO puo' fornire un sistema di dimensioni piu' ridotte rispetto a quello "
    "STANDARD.\nAttenzione, pero': se il sistema di partenza ha molte colonne, l'attesa puo' "
    "essere molto maggiore\n( Anche di parecchi minuti !!! )\n\n"
    "Desideri utilizzare il metodo di riduzione AVANZATO ?\n"
    "( Se rispondi 'No', verra' avviato il metodo STANDARD )";

struct OpzioniRiduzione {
    const std::atomic<bool>* fermo = nullptr;
    // The columns still in the system, now and then; false stops.
    std::function<bool(std::int64_t rimaste)> contatore;
};

// `indici`: the columns of the conditioned system (indices in `sp`, in
// order). Returns the positions in `indici` of the columns kept, in order;
// empty with *fermato set when stopped.
std::vector<std::int32_t> RiduciCondizionato(const SpazioIntegrale& sp,
                                             const std::vector<std::int32_t>& indici,
                                             MetodoRiduzione metodo,
                                             const OpzioniRiduzione& o = {},
                                             bool* fermato = nullptr);

namespace riferimento {

// The column-by-column methods, on the matrix of codes one row per variable
// coupon row (colonne[riga][colonna]): quadratic, for tests and benchmarks.
bool Vicine(const std::vector<std::vector<std::int16_t>>& m, std::size_t i, std::size_t j);
std::vector<std::int32_t> RiduzioneStandard(const std::vector<std::vector<std::int16_t>>& m);
// `giri` >= 0 stops after that many rounds (the benchmark times a few).
std::vector<std::int32_t> RiduzioneAvanzata(const std::vector<std::vector<std::int16_t>>& m,
                                            int giri = -1);
// One round of the AVANZATO method's counts (for the benchmark's lower bound).
std::vector<int> ContaViciniAperti(const std::vector<std::vector<std::int16_t>>& m,
                                   const std::vector<std::int16_t>& stato);

} // namespace riferimento

} // namespace veltra
