#pragma once
// Cfg2.VLT, the small text file of counters and named settings, and the
// named settings themselves.
#include "dati/FileDati.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace veltra {

struct DatiGlobali;

inline constexpr const char* kFileDatiSupporto = "Cfg2.VLT";

// Five lines: prossimoIdStrategia, indiceSuggerimento, suggerimentoStart,
// impostazioneAU, contatoreSalvataggi.
std::string ScriviTestoDatiSupporto(const DatiGlobali& dati);
// Lines that are missing keep their defaults; numbers are read as C's atol does.
void LeggiTestoDatiSupporto(std::string_view testo, DatiGlobali& dati);

// A missing file keeps the defaults, without a message. A file that exists
// but cannot be read (no permission, not a regular file, far too large) is an
// error: taking it as missing would start the counters again, and a strategy
// number must never be given twice.
EsitoFile LeggiDatiSupporto(const std::filesystem::path& cartella, DatiGlobali& dati);

inline constexpr const char* kErroreLetturaDatiSupporto =
    "Impossibile leggere il file dei dati di supporto (Cfg2.VLT).\nI contatori non vengono "
    "azzerati: controllare il file e riavviare VELTRA.";
// false when the file could not be written (the caller shows
// "Errore nell'apertura del file per salvare i dati di supporto !").
bool ScriviDatiSupporto(const std::filesystem::path& cartella, const DatiGlobali& dati);

inline constexpr const char* kErroreDatiSupporto =
    "Errore nell'apertura del file per salvare i dati di supporto !";

// The named settings "IndexSuggerimento", "SuggerimentoStart" and "AU".
// Reading an unknown name gives nullopt; writing one changes nothing (false).
std::optional<std::string> LeggiImpostazione(const DatiGlobali& dati, std::string_view nome);
bool ScriviImpostazione(DatiGlobali& dati, std::string_view nome, std::string_view testo);

// C's atol: leading blanks, an optional sign, digits up to the first other
// character; 0 when there are none.
long Atol(std::string_view testo);

} // namespace veltra
