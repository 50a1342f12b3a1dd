#pragma once
// Checking a played system against the 14 results: the points of the full
// system and of its base column with the winning columns they hold, the
// 14-, 13- and 12-point columns of a reduced system, and the smallest
// enlargement of the proposed system that would have made 12.
#include "pools/Schedina.h"
#include "pools/StampaSchedine.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

class ContestoLavoro;

// The results: per row 0 = 1, 1 = X, 2 = 2, -1 = not given (never a hit).
using RisultatiSchedina = std::array<int, kRigheSchedina>;

// "1X2..." (14 signs) to results; nullopt on any other text.
std::optional<RisultatiSchedina> RisultatiDaTesto(std::string_view testo);

// Sign code of a system's cell (1 "1", 2 "2", 3 "X", 4 "1X", 5 "X2",
// 6 "12", 7 all three, 8 nothing) as bits (1 << sign); its text is
// TestoCodice (StampaSchedine.h).
int SegniCodice(int codice);

struct EsitoIntegrale {
    int punti = 0; // rows whose prediction holds the result
    int base = 0;  // rows whose first sign is the result
    int doppie = 0, triple = 0;
    std::string testo; // "1 TREDICI + 3 DODICI", "11"...
    // Columns of the full system with 14, 13 and 12 hits, counted exactly.
    long long colonne14 = 0, colonne13 = 0, colonne12 = 0;
};
EsitoIntegrale SpogliaIntegrale(const Schedina& s, const RisultatiSchedina& r);

// The same counts of winning columns by walking every column of the full
// system: for checks of the counting above.
std::array<long long, 3> ContaVincentiEnumerando(const Schedina& s, const RisultatiSchedina& r);

struct EsitoSpoglioRidotto {
    long long tredicissimi = 0, tredici = 0, dodici = 0;
    int migliore = 0;       // best score below 12; -1 once a column made 12 or more
    int massimo = 0;        // best score of any column
    std::vector<std::uint8_t> punti; // hits of every column
};
// The reduced system held by the coupon (its sign codes read through
// LettoreSistema). With a context the job's progress is one step per
// column, and a stop ends the count early.
EsitoSpoglioRidotto SpogliaRidotto(const Schedina& s, const RisultatiSchedina& r, ContestoLavoro* c = nullptr);

// The points of the proposed system stored with a play.
struct SistemaOriginale {
    int doppie = 0, triple = 0, punti = 0, base = 0;
};

// The pairs (Fissa --> Doppia steps, Doppia --> Tripla steps) tried by the
// search, cheapest first (cost 2^a * 1.5^b).
std::vector<std::pair<int, int>> CoppieAllargamento();

// The smallest enlargement of `proposta` (a base system without manual
// rows) whose full system makes more than 11 points: (0, 0) when it already
// does or when none does. Works on copies.
std::pair<int, int> CercaAllargamento(const Schedina& proposta, const RisultatiSchedina& r,
                                      ContestoLavoro* c = nullptr);

} // namespace veltra
