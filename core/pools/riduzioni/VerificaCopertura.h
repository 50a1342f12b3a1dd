#pragma once
// Checks a reduction table against what it promises, exhaustively over every outcome.

#include "pools/riduzioni/TabellaRiduzione.h"

#include <cstdint>
#include <string>

namespace veltra::riduzioni {

struct EsitoVerifica {
    bool ok = false;
    std::string difetto; // first fault found; empty when ok
};

// Every stored byte belongs to its row's kind (1..3 on triples, 1 or 3 on doubles).
EsitoVerifica VerificaValori(const TabellaRiduzione& tabella);

// N-1 guarantee: every outcome of the variable rows is at most one row away from some
// column. Marks each column and its neighbours in a bitmap of the whole space.
EsitoVerifica VerificaCopertura(const TabellaRiduzione& tabella);

// Error-correcting table: exactly the columns that differ from the base column (every
// row on its first sign) in erroriMin to erroriMax rows, each once.
EsitoVerifica VerificaCorrezioneErrori(const TabellaRiduzione& tabella, int erroriMin,
                                       int erroriMax);

} // namespace veltra::riduzioni
