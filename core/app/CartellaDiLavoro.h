#pragma once
// The working folder: where it is by default, and what a first start puts
// in it.
#include "dati/FileDati.h"

#include <filesystem>

namespace veltra {

// $XDG_DATA_HOME/veltra, or ~/.local/share/veltra.
std::filesystem::path CartellaPredefinita();

// Whether the folder holds any of the 38 championship files.
bool ContieneCampionati(const std::filesystem::path& cartella);

// A first start: when the folder holds no championship file, creates it,
// copies in the shipped championship data from `datiPredefiniti` and writes
// a configuration archive with every record at its new values. An existing
// file is never overwritten. Nothing is done to a folder that already holds
// championship files.
EsitoFile PreparaCartellaDiLavoro(const std::filesystem::path& cartella,
                                  const std::filesystem::path& datiPredefiniti);

} // namespace veltra
