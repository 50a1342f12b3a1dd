#pragma once
// The whole save: configuration archive (with its backup Cfg.OLD), strategy
// list, the 38 championship files and the support file, all or nothing.
#include <filesystem>

namespace veltra {

struct DatiGlobali;
class IMessaggi;

// Every file is written to a temporary file first; only when all are ready
// is the previous Cfg.VLT copied to Cfg.OLD and are the new files renamed
// over the old ones. On failure nothing changed: the strategy-list messages
// are shown here, and the caller shows "Errore nel salvataggio.\nImpossibile
// salvare le modifiche!". On success versioneDati becomes 'p', the save
// counter grows by one and datiModificati is cleared.
bool SalvaDati(DatiGlobali& dati, const std::filesystem::path& cartella, IMessaggi& messaggi);

} // namespace veltra
