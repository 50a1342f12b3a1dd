#pragma once
// Precision of many sets of importance percentages of one analysis, fast and
// bit-identical to AggiornaStime.
//
// The percentages only weigh the history values when a total is summed. The
// rest of a replay does not depend on them: which matches are warm-up
// matches, the league positions and thirds of the table, the season weights,
// which earlier match wrote each history slot. The evaluator replays that
// structure once into a trace; a candidate then only sums its totals, judges
// the strengths, writes the points its matches earn and counts its grid
// cells, with the engine's operations in the engine's order, eight
// candidates side by side. The fit is the engine's own CalcolaRegressione, run
// on an engine context of the evaluator's copy of the championship.
//
// One evaluator per thread: it owns its copy, its engine context and its
// buffers.
#include "engine/CMotoreStime.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace veltra {

class CCampionato;

using Percentuali = std::array<std::int16_t, 5>;

// A copy of what the engine reads from a championship (teams, matches, the
// current analysis, the cut-off), with its own engine context: a second
// context for another thread.
std::unique_ptr<CCampionato> CopiaPerCalcolo(const CCampionato& c);

class ValutatorePercentuali {
public:
    static constexpr int kCorsie = 8; // candidates evaluated side by side

    // Copies the championship with its current analysis; the candidates
    // replace only its percentages.
    explicit ValutatorePercentuali(const CCampionato& c);
    ~ValutatorePercentuali();
    ValutatorePercentuali(const ValutatorePercentuali&) = delete;
    ValutatorePercentuali& operator=(const ValutatorePercentuali&) = delete;

    // For each candidate: riuscito[i] and, when it succeeded, precisione[i],
    // the mean of the three precisions, exactly as AggiornaStime with those
    // percentages would give them.
    void Valuta(const Percentuali* candidati, int numero, float* precisione, bool* riuscito);

    // The plain way: percentages into the copy, AggiornaStime. The reference
    // of the fast path, and its fallback.
    bool ValutaSemplice(const Percentuali& w, float& precisione);

    // False when the trace could not be built (parameters the engine refuses,
    // a match of a team against itself): every candidate goes the plain way.
    bool rapido() const { return rapido_; }
    // Candidates that had to be evaluated the plain way (a count for tests
    // and benchmarks).
    long valutatiSemplici() const { return semplici_; }

private:
    struct Passo;
    void CostruisciTraccia();
    void ValutaGruppo(const Percentuali* candidati, int numero, float* precisione, bool* riuscito);

    std::unique_ptr<CCampionato> copia_;
    CMotoreStime* motore_ = nullptr;
    bool rapido_ = false;
    long semplici_ = 0;
    int giornate_ = 0;

    std::vector<Passo> traccia_;
    // The history value every replayed match wrote, per lane (two slots a
    // match: the home team's and the away team's).
    struct Valori;
    std::unique_ptr<Valori> valori_;
    // The part of the grids a candidate can reach, per lane.
    int riga0_ = 0, righeScatola_ = 0, colonna0_ = 0, colonneScatola_ = 0;
    std::vector<float> griglie_; // [corsia][esito][riga][colonna]
};

} // namespace veltra
