#pragma once
#include <filesystem>
#include <string>

namespace veltra::servizio {

// Fills a service folder from a working folder: each championship's results
// file in the update folder, "lastagg.txt" with today's date, the news, and
// the current analysis of each championship as the proposed one. Returns the
// exit code; messages go to stderr.
int Pubblica(const std::filesystem::path& da, const std::filesystem::path& cartella,
             const std::string& fileNews);

} // namespace veltra::servizio
