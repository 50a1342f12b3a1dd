#pragma once
// The chance that a set of columns makes 14, at least 13 and at least 12
// when the 14 results fall as the coupon's probabilities say (rows
// independent), and the set of K columns that makes that chance largest.
//
// An outcome or a column is a number in base 3, row r being the digit of
// weight 3^r: 0 the sign "1", 1 "X", 2 "2".
#include "pools/Schedina.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

inline constexpr std::uint32_t kEsiti = 4782969; // 3^14

// Probabilities of the signs 1, X, 2 of each row; each row sums to 1.
using ProbabilitaRighe = std::array<std::array<double, 3>, kRigheSchedina>;

// The coupon's probabilities (the 2 with its bonus) brought to sum 1 on
// every row; nullopt, with the reason in `errore`, when a row has none.
std::optional<ProbabilitaRighe> ProbabilitaDi(const Schedina& s, std::string* errore = nullptr);

struct ChanceSistema {
    double p14 = 0, p13 = 0, p12 = 0; // p13 and p12 are "at least"
    bool esatta = true;
    // An estimate's standard errors and samples (0 when exact).
    double errore14 = 0, errore13 = 0, errore12 = 0;
    std::int64_t campioni = 0;
};

// Exact: the outcomes within two signs of the columns, found once for all
// of them, weighed by their probability. Repeated columns count once.
ChanceSistema ProbabilitaEsatta(const std::vector<std::uint32_t>& colonne, const ProbabilitaRighe& p);
// Estimate from `campioni` outcomes drawn with the seed; the same seed gives
// the same figures.
ChanceSistema StimaProbabilita(const std::vector<std::uint32_t>& colonne, const ProbabilitaRighe& p,
                               std::int64_t campioni, std::uint64_t seme);
// Exact, or the estimate (200,000 samples, seed 1) when memory is short.
ChanceSistema Probabilita(const std::vector<std::uint32_t>& colonne, const ProbabilitaRighe& p);

// The columns of the system held by the coupon (its selected reduction,
// built), as outcomes; a cell of two or three signs counts as that many
// columns. Empty when no system is held or a row has no sign.
std::vector<std::uint32_t> ColonneSistema(const Schedina& s);
// The full system's columns.
std::vector<std::uint32_t> ColonneIntegrali(const Schedina& s);

// "p14=P p13=P p12=P" (%.6f), an estimate followed by "stima=N errore=E".
std::string TestoChance(const ChanceSistema& c);
// For the window: "14: 1,23%  13+: 4,56%  12+: 20,1%".
std::string TestoChanceBreve(const ChanceSistema& c);

struct OpzioniOttimo {
    std::int32_t colonne = 0; // K
    int obiettivo = 12;       // 12, 13 or 14
    // Bit s of ammessi[r]: the sign s may be played on row r.
    std::array<std::uint8_t, kRigheSchedina> ammessi{};
    std::uint64_t seme = 1;
    int passi = 2;  // rounds of the local search
    int thread = 0; // 0: the machine's cores, at most 2; the result does not depend on it
    // Called now and then with the work done; false stops the search.
    std::function<bool(long fatto, long totale)> avanzamento;
};

struct RisultatoOttimo {
    std::vector<std::uint32_t> colonne; // sorted
    ChanceSistema chance;
    bool fermato = false;
};

// Greedy weighted cover (each candidate covers the outcomes within 14 -
// obiettivo signs of it, weighed by probability, the best gain first), then
// a local search that moves a column to a neighbour while that raises the
// chance. Deterministic for a seed. Throws std::invalid_argument on bad
// options (K < 1, obiettivo outside 12..14, a row with no sign allowed).
RisultatoOttimo CercaOttimo(const ProbabilitaRighe& p, const OpzioniOttimo& o);

// The signs allowed by the coupon's predictions (or every sign when `fuori`).
std::array<std::uint8_t, kRigheSchedina> SegniAmmessi(const Schedina& s, bool fuori);

} // namespace veltra
