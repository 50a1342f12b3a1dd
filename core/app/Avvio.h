#pragma once
// Start-up as far as it concerns the working folder: the support file, the
// configuration archive, the 38 championship files, the engines and the
// re-evaluation of every archive of analyses; then the first estimates.
#include "dati/FileDati.h"
#include "engine/MessaggioStato.h"

#include <filesystem>
#include <optional>

namespace veltra {

struct DatiGlobali;
class IMessaggi;

// The stored data of a working folder: the configuration archive with its
// strategy list, then the 38 championship files. `dati` must be fresh; on
// failure it holds a partial read and must be discarded.
EsitoFile CaricaDati(DatiGlobali& dati, const std::filesystem::path& cartella);

// Loads the folder into `dati`, which must be fresh. On failure the program's
// message has been shown and false is returned: the caller discards `dati`
// and ends without writing anything. `esito`, when given, receives which file
// failed and why. The folder must have been opened first (ApriCartella).
bool CaricaAvvio(DatiGlobali& dati, const std::filesystem::path& cartella, IMessaggi& messaggi,
                 EsitoFile* esito = nullptr);

// The export folders of the odds: "HTML-QUOTE" and "QUOTE-ESPORTATE" with one
// folder per bookmaker (and "ALTROBOOKMAKER" among the exports); every export
// folder created now gets a "Settimane.txt" holding "0". Existing folders
// and files are left alone. false when a folder could not be made.
bool CreaCartelleEsportazione(const std::filesystem::path& cartella);

// The estimates of Serie A at start-up, resetting its parameters when they
// cannot be computed; the two status texts, or nullopt when even the reset
// failed (its messages shown: start-up stops). The betting events saved
// with the data are then recomputed from the current analyses.
std::optional<TestiStato> StimeAvvio(DatiGlobali& dati, IMessaggi& messaggi);

} // namespace veltra
