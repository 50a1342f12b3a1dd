#include "app/Salvataggio.h"

#include "app/ArchivioConfigurazione.h"
#include "app/DatiGlobali.h"
#include "app/DatiSupporto.h"
#include "dati/FileAtomico.h"
#include "dati/FileDati.h"
#include "net/FileAggiornamento.h"
#include "platform/Messaggi.h"

namespace veltra {

namespace {
std::string Testo(const std::vector<std::uint8_t>& b) { return std::string(b.begin(), b.end()); }
} // namespace

bool SalvaDati(DatiGlobali& dati, const std::filesystem::path& cartella, IMessaggi& messaggi) {
    SalvataggioAtomico salvataggio;
    // The previous configuration becomes Cfg.OLD; a failure here is ignored,
    // as it only costs the user's backup copy.
    if (const auto vecchia = LeggiFile(cartella / kFileConfigurazione))
        salvataggio.Prepara(cartella / kFileConfigurazioneVecchia, *vecchia);

    bool creato = false;
    if (!salvataggio.Prepara(cartella / kFileStrategie, Testo(ScriviArchivioStrategie(dati)),
                             &creato)) {
        messaggi.Errore(creato ? kErroreScritturaStrategie : kErroreCreazioneStrategie);
        return false;
    }
    if (!salvataggio.Prepara(cartella / kFileConfigurazione,
                             Testo(ScriviArchivioConfigurazione(dati))))
        return false;
    if (!PreparaFileCampionati(dati, cartella, salvataggio)) return false;
    // The archive of checked plays, when it was read whole (a damaged file
    // is never overwritten) and there is something to keep.
    if (dati.giocateToto &&
        (!dati.giocateToto->giocate.empty() || std::filesystem::exists(cartella / kFileStatisticheToto)) &&
        !salvataggio.Prepara(cartella / kFileStatisticheToto, ScriviListaGiocate(*dati.giocateToto)))
        return false;
    // The date of a loaded update goes with the data it dates.
    if (!dati.marcatoreAggiornamento.empty() &&
        !salvataggio.Prepara(cartella / kFileMarcatore, dati.marcatoreAggiornamento + "\n"))
        return false;
    // The support file too, so that strategy numbers survive a crash.
    ++dati.contatoreSalvataggi;
    const bool supporto =
        salvataggio.Prepara(cartella / kFileDatiSupporto, ScriviTestoDatiSupporto(dati));
    if (!supporto || !salvataggio.Conferma()) {
        --dati.contatoreSalvataggi;
        return false;
    }
    dati.versioneDati = kVersioneDati;
    dati.datiModificati = 0;
    dati.marcatoreAggiornamento.clear();
    return true;
}

} // namespace veltra
