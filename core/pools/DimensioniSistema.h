#pragma once
// The sizes of the reduced systems a coupon can use, from the reduction
// tables installed with the program: the N-1 system of its shape (triples,
// doubles) and the error-correcting systems offered for it.
#include <cstdint>
#include <filesystem>
#include <vector>

namespace veltra {

struct CorrezioneErrori {
    int erroriMin = 0;
    int erroriMax = 0;
    std::int32_t colonne = 0;
    friend bool operator==(const CorrezioneErrori&, const CorrezioneErrori&) = default;
};

// Columns of the N-1 system of t triples and d doubles, or -1 when there is
// none (no variable row, the table missing, damaged or empty). The four
// largest shapes have known sizes that a stored table may beat: the smaller
// of the two is the size.
std::int32_t DimensioneRidotto(const std::filesystem::path& cartella, int triple, int doppie);

// The error-correcting systems whose tables are present, ordered by the
// minimum errors, then the maximum.
std::vector<CorrezioneErrori> ElencoCorrezioneErrori(const std::filesystem::path& cartella,
                                                     int triple, int doppie);

} // namespace veltra
