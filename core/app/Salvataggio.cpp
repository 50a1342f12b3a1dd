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
    // The message names the file that could not be written and why, whichever it is.
    bool creato = true;
    auto fallito = [&] {
        const std::string& perche = salvataggio.Errore();
        if (salvataggio.FileFallito().filename() == kFileStrategie)
            messaggi.Errore((creato ? kErroreScritturaStrategie : kErroreCreazioneStrategie) + perche);
        else
            messaggi.Errore("Errore nella scrittura del file " +
                            salvataggio.FileFallito().filename().string() + ".\n" + perche);
        return false;
    };
    if (!salvataggio.Prepara(cartella / kFileStrategie, Testo(ScriviArchivioStrategie(dati)),
                             &creato))
        return fallito();
    if (!salvataggio.Prepara(cartella / kFileConfigurazione,
                             Testo(ScriviArchivioConfigurazione(dati))))
        return fallito();
    if (!PreparaFileCampionati(dati, cartella, salvataggio)) return fallito();
    // The archive of checked plays, when it was read whole (a damaged file
    // is never overwritten) and there is something to keep.
    if (dati.giocateToto &&
        (!dati.giocateToto->giocate.empty() || std::filesystem::exists(cartella / kFileStatisticheToto)) &&
        !salvataggio.Prepara(cartella / kFileStatisticheToto, ScriviListaGiocate(*dati.giocateToto)))
        return fallito();
    // The date of a loaded update goes with the data it dates.
    if (!dati.marcatoreAggiornamento.empty() &&
        !salvataggio.Prepara(cartella / kFileMarcatore, dati.marcatoreAggiornamento + "\n"))
        return fallito();
    // The support file too, so that strategy numbers survive a crash.
    ++dati.contatoreSalvataggi;
    if (!salvataggio.Prepara(cartella / kFileDatiSupporto, ScriviTestoDatiSupporto(dati)) ||
        !salvataggio.Conferma()) {
        --dati.contatoreSalvataggi;
        return fallito();
    }
    dati.versioneDati = kVersioneDati;
    dati.datiModificati = 0;
    dati.marcatoreAggiornamento.clear();
    return true;
}

} // namespace veltra
