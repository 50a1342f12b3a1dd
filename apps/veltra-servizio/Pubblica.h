#pragma once
#include <filesystem>
#include <string>

namespace veltra::servizio {

inline constexpr const char* kSitoPaginePredefinito = "http://127.0.0.1:7041";

// Fills a service folder from a working folder: each championship's results
// file and scores file (Reti-*.txt) in the update folder, "lastagg.txt" with today's date, the news, and
// the current analysis of each championship as the proposed one, and the
// bookmakers' team-name tables (the current teams' names, pointing at the
// page site `sitoPagine`). Returns the exit code; messages go to stderr.
int Pubblica(const std::filesystem::path& da, const std::filesystem::path& cartella,
             const std::string& fileNews, const std::string& sitoPagine = kSitoPaginePredefinito);

} // namespace veltra::servizio
