#pragma once
// The working folder: where it is by default, and what a first start puts
// in it.
#include "dati/BloccoCartella.h"
#include "dati/FileDati.h"

#include <filesystem>
#include <string>
#include <vector>

namespace veltra {

// $XDG_DATA_HOME/veltra, or ~/.local/share/veltra.
std::filesystem::path CartellaPredefinita();

// Whether the folder holds any of the 38 championship files.
bool ContieneCampionati(const std::filesystem::path& cartella);

// A first start: when the folder holds no championship file, creates it,
// copies in the shipped championship data from `datiPredefiniti` and writes
// a configuration archive with every record at its new values, and the
// choice of the rating model for every championship. An existing
// file is never overwritten. Nothing is done to a folder that already holds
// championship files.
EsitoFile PreparaCartellaDiLavoro(const std::filesystem::path& cartella,
                                  const std::filesystem::path& datiPredefiniti);

// Opens a working folder for a program that writes it: creates it when
// missing, takes its lock (refused at once, with a message naming the
// folder, while another program holds it), then finishes or undoes a save
// that a crash interrupted and removes temporary files left behind. The
// folder stays locked while `blocco` lives.
// The same repair runs on every sub-folder the program writes (the archives
// of weeks, the copies of the bookmakers' pages), and a missing or damaged
// list of archived weeks is rebuilt from the week files: what was done is
// added to `avvisi`, when given, one message each.
EsitoFile ApriCartellaInScrittura(const std::filesystem::path& cartella, BloccoCartella& blocco,
                                  std::vector<std::string>* avvisi = nullptr);

// Opens a working folder for a command that only reads it. When no program
// writes it, it is repaired as above (holding the lock for that moment
// only); when one does, a save it has under way is waited for (a few
// seconds at most).
EsitoFile ApriCartellaInLettura(const std::filesystem::path& cartella,
                                std::vector<std::string>* avvisi = nullptr);

// The sub-folders of `cartella` that the program writes with its saves, each
// to be repaired as the folder itself.
std::vector<std::filesystem::path> SottocartelleArchivi(const std::filesystem::path& cartella);

// What a folder's files are at this moment (name, identity, size, time of
// change of each): two equal fingerprints around a read mean no save
// replaced a file meanwhile.
std::string ImprontaCartella(const std::filesystem::path& cartella);

} // namespace veltra
