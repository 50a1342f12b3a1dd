#pragma once
// The reduced system last built for the coupon. It is rebuilt whenever it is
// needed and never saved, so only its data live here.
#include <cstdint>
#include <vector>

namespace veltra {

// The reduction code of the best system for the chance of a prize.
inline constexpr std::int16_t kRiduzioneOttima = -3;

struct SistemaRidotto {
    std::int16_t numTriple = -1;
    std::int16_t numDoppie = -1;
    // -1 for N-1, -2 for conditioned, -3 for the best system (its columns
    // hold all 14 rows, row r at bits 2r), else the error range of a
    // correcting system.
    std::int16_t erroriMin = -1;
    std::int16_t erroriMax = -1;
    std::int32_t numColonne = -1; // -1: not known
    // One word per column, packed: the variable coupon rows (the triples
    // first, then the doubles, each in coupon order) take two bits each, row
    // k at bits 2k and 2k+1, holding the stored code 1, 2 or 3 (0: none).
    // Fourteen rows fit in 28 bits: the full system of 3^14 columns takes
    // 19 MB instead of the 134 MB of a 16-bit matrix.
    std::vector<std::uint32_t> colonne;
    // Marks of the conditioned reduction, one per held column: 0 open,
    // 1 kept as centre (removed columns are not held).
    std::vector<std::uint8_t> statoColonne;
    std::int32_t condizionatoRidotto = 0;
    std::int32_t contato = 0; // 1 when numColonne is valid

    static constexpr int kBitRiga = 2;

    // Stored code of matrix row `riga` in column `colonna` (both in range).
    int Codice(int riga, std::size_t colonna) const {
        return static_cast<int>((colonne[colonna] >> (kBitRiga * riga)) & 3u);
    }
    static std::uint32_t ConCodice(std::uint32_t parola, int riga, int codice) {
        const int sh = kBitRiga * riga;
        return (parola & ~(3u << sh)) | (static_cast<std::uint32_t>(codice & 3) << sh);
    }
    // Columns held (may be fewer than numColonne when only counted).
    std::size_t colonneTenute() const { return colonne.size(); }

    friend bool operator==(const SistemaRidotto&, const SistemaRidotto&) = default;
};

} // namespace veltra
