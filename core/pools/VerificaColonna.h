#pragma once
// One column of the full system and the test of the conditions on it, column
// by column: the plain form every faster count is checked against.
#include "pools/CCondizionamenti.h"
#include "pools/Schedina.h"

#include <array>
#include <cstdint>
#include <string>

namespace veltra {

// The 14 signs of a column ('1', 'X', '2'), row 0 first. An empty coupon
// row (an old 13-match coupon) has the single sign '-'.
using Colonna = std::array<char, kRigheSchedina>;

// The full system as the enumeration takes it: row 0 outermost, the signs of
// a row in the order of its prediction text. A column's index is its place in
// that order (mixed radix, row 0 the most significant digit).
struct SpazioIntegrale {
    std::array<std::string, kRigheSchedina> segni;   // per row the signs offered
    std::array<std::int64_t, kRigheSchedina> pesi{}; // weight of each row's digit
    std::array<int, kRigheSchedina> rigaMatrice{};   // -1 fixed, else the matrix row
    std::int64_t totale = 1;
    int triple = 0, doppie = 0;

    int righeVariabili() const { return triple + doppie; }
    Colonna ColonnaDaIndice(std::int64_t indice) const;
    // The packed word of the held system: code 1 for '1', 3 for 'X', 2 for '2'
    // at each variable row's matrix row.
    std::uint32_t ParolaDaIndice(std::int64_t indice) const;
};

SpazioIntegrale SpazioDi(const Schedina& s);

// Stored code of a sign in a conditioned system: 1 for '1', 3 for 'X', 2 otherwise.
int CodiceSegno(char segno);

// Factor of row r in the column's probability: the probability of the
// column's sign ('1' prob1, 'X' probX, any other prob2 with its bonus); 1 on
// an empty row.
double FattoreProbabilita(const Partita& p, char segno);
// Product over the 14 rows, row 0 first, in double precision.
double ProbabilitaColonna(const Schedina& s, const Colonna& c);

struct Sequenze {
    int uno = 0, x = 0, due = 0; // longest run of equal adjacent signs
};
Sequenze SequenzeMassime(const Colonna& c);

// The conditions on one column, in the order filter columns, sign counts,
// runs, probability; the first that fails rejects the column.
bool VerificaColonna(const CondizioniRiduzione& cond, const Schedina& s, const Colonna& c);

// Calls f(column) for every column of the full system, in order.
template <class F>
void EnumeraIntegrale(const SpazioIntegrale& sp, F&& f) {
    std::array<int, kRigheSchedina> cifre{};
    Colonna c{};
    for (int r = 0; r < kRigheSchedina; ++r) c[r] = sp.segni[r][0];
    for (;;) {
        f(static_cast<const Colonna&>(c));
        int r = kRigheSchedina - 1;
        for (; r >= 0; --r) {
            if (++cifre[r] < static_cast<int>(sp.segni[r].size())) {
                c[r] = sp.segni[r][static_cast<std::size_t>(cifre[r])];
                break;
            }
            cifre[r] = 0;
            c[r] = sp.segni[r][0];
        }
        if (r < 0) return;
    }
}

} // namespace veltra
