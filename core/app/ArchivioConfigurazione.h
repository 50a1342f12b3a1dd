#pragma once
// Cfg.VLT, the configuration archive: every persisted record of the program
// in one untagged stream, in a fixed order, and Strategie.VLT, the strategy
// list kept beside it.
#include "dati/FileDati.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace veltra {

struct DatiGlobali;

inline constexpr const char* kFileConfigurazione = "Cfg.VLT";
inline constexpr const char* kFileConfigurazioneVecchia = "Cfg.OLD";
inline constexpr const char* kFileStrategie = "Strategie.VLT";
inline constexpr std::uint8_t kVersioneDati = 'p';

inline constexpr const char* kErroreAperturaStrategie =
    "Errore nell'apertura del file della lista delle strategie per le scommesse sportive.";
inline constexpr const char* kErroreLetturaStrategie =
    "Errore nella lettura del file della lista delle strategie per le scommesse sportive.";
inline constexpr const char* kErroreCreazioneStrategie =
    "Errore nell'apertura del file contenente la lista delle strategie delle scommesse "
    "sportive.\n";
inline constexpr const char* kErroreScritturaStrategie =
    "Errore nel salvataggio del file contenente la lista delle strategie delle scommesse "
    "sportive.\n";

// The bytes of Cfg.VLT in the current version ('p'); the strategies are not
// in it (they go to Strategie.VLT).
std::vector<std::uint8_t> ScriviArchivioConfigurazione(DatiGlobali& dati);
// The bytes of Strategie.VLT.
std::vector<std::uint8_t> ScriviArchivioStrategie(DatiGlobali& dati);

// Reads Cfg.VLT into `dati` (which should be fresh: on failure it holds a
// partial read and must be discarded). `strategie` are the bytes of
// Strategie.VLT, nullopt when it could not be opened; only files of version
// 'm' or later need it. Sets versioneDati; raises versioneStrategie 0 or 1 to
// 2 and sets datiModificati. On failure the result carries the program's
// message and what was wrong.
EsitoFile LeggiArchivioConfigurazione(std::span<const std::uint8_t> cfg,
                                      const std::optional<std::string>& strategie,
                                      DatiGlobali& dati);

// Reads Cfg.VLT and Strategie.VLT from the folder.
EsitoFile CaricaConfigurazione(const std::filesystem::path& cartella, DatiGlobali& dati);

} // namespace veltra
