#pragma once
// Writes every error-correcting table "%dt%dd%d%de.VLT" (e = 0..4, f = e+1..7) whose
// column count fits the 16-bit field and is not zero. Their content follows from the
// name alone, so they are made rather than searched.

#include <cstdint>
#include <filesystem>
#include <string>

namespace veltra::riduzioni {

struct EsitoTabelleCorrezione {
    uint64_t file = 0;
    uint64_t byte = 0;
    std::string errore; // empty on success
};

// Shapes with 1..righeMassime variable rows.
EsitoTabelleCorrezione ScriviTabelleCorrezione(const std::filesystem::path& cartella,
                                               int righeMassime);

} // namespace veltra::riduzioni
