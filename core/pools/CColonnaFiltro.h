#pragma once
// A filter column of the conditioned system: per coupon row the signs that
// count as a hit, the range of hits that verifies it, and its group.
#include <array>
#include <cstdint>
#include <string_view>

namespace veltra {

class Archivio;

struct CColonnaFiltro {
    static constexpr int kRighe = 14;

    std::int32_t attiva = 1;
    // Per row a NUL-padded text of at most 3 signs ("-", "1", "X2", ...); an
    // empty text acts as "-". The four bytes are kept as they are on file.
    std::array<std::array<char, 4>, kRighe> pronostici = {};
    std::int16_t punteggioMin = 0;
    std::int16_t punteggioMax = kRighe;
    char gruppo = 'A'; // 'A'..'Z'

    // The text of row r: up to the first NUL, never past the four bytes.
    std::string_view Pronostico(int r) const;

    // Before data version 111 the coupon had 13 rows: 13 entries are read and
    // the 14th keeps its value. A group outside 'A'..'Z' is refused, as it
    // indexes the per-group tallies.
    void Serializza(Archivio& ar);

    friend bool operator==(const CColonnaFiltro&, const CColonnaFiltro&) = default;
};

} // namespace veltra
