#pragma once
// Where the program's read-only data live: the shipped championship data,
// the team-name aliases, the reduction tables. Installed, they are under
// <prefix>/share/veltra beside <prefix>/bin; run from a build tree, the
// data come from the source tree and the generated tables from the build tree.
#include <filesystem>

namespace veltra {

std::filesystem::path CartellaRisorse();
// The reduction tables (shipped N-1 tables and generated error-correcting ones).
std::filesystem::path CartellaRiduzioni();
// The wave files of the spoken columns and of the hidden column.
std::filesystem::path CartellaSuoni();

} // namespace veltra
