#pragma once
// The report of the tables: size, sphere-covering bound, ratio, and the smallest size
// known to us (resources/riduzioni/dimensioni-note.tsv) with the difference.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <utility>

namespace veltra::riduzioni {

// Known sizes by (t, d); empty when the file is missing.
std::map<std::pair<int, int>, uint64_t> LeggiDimensioniNote(const std::filesystem::path& file);

// dimensioni[t][d] = size of the table (0 = missing).
void StampaRapporto(std::FILE* out, const uint64_t (&dimensioni)[15][15],
                    const std::map<std::pair<int, int>, uint64_t>& note);

} // namespace veltra::riduzioni
