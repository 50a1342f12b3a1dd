#pragma once
// The reduced system last built for the coupon. It is rebuilt whenever it is
// needed and never saved, so only its data live here.
#include <cstdint>
#include <vector>

namespace veltra {

struct SistemaRidotto {
    std::int16_t numTriple = -1;
    std::int16_t numDoppie = -1;
    // -1 for N-1, -2 for conditioned, else the error range of a correcting system.
    std::int16_t erroriMin = -1;
    std::int16_t erroriMax = -1;
    std::int32_t numColonne = -1; // -1: not known
    // One row per variable coupon row (the triples first, then the doubles, each
    // in coupon order), numColonne sign codes each.
    std::vector<std::vector<std::int16_t>> colonne;
    // Work marks of the conditioned reduction: 0 open, 1 kept as centre, 2 removed.
    std::vector<std::int16_t> statoColonne;
    std::int32_t condizionatoRidotto = 0;
    std::int32_t contato = 0; // 1 when numColonne is valid

    friend bool operator==(const SistemaRidotto&, const SistemaRidotto&) = default;
};

} // namespace veltra
