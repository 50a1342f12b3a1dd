#pragma once
// Checks a whole folder of reduction tables as the program will read it: every
// N-1 table there and covering its space, every error-correcting table whose
// count fits the 16-bit field there with exactly its columns, no other one.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace veltra::riduzioni {

struct EsitoVerificaCartella {
    std::uint64_t tabelleN1 = 0;         // read and checked
    std::uint64_t tabelleCorrezione = 0; // read and checked
    std::vector<std::string> difetti;    // "file: what is wrong"
};

// Shapes with 1 to maxRighe variable rows.
EsitoVerificaCartella VerificaCartella(const std::filesystem::path& cartella, int maxRighe);

} // namespace veltra::riduzioni
