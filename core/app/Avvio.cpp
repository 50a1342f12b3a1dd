#include "app/Avvio.h"
#include "engine/ValutazioneArchivio.h"

#include "app/ArchivioConfigurazione.h"
#include "app/DatiGlobali.h"
#include "app/DatiSupporto.h"
#include "dati/FileAtomico.h"
#include "dati/FileDati.h"
#include "dati/CArchivio.h"
#include "engine/CMotoreStime.h"
#include "betting/ArchivioSettimane.h"
#include "betting/RicalcolaEventi.h"
#include "platform/Messaggi.h"

#include <climits>
#include <unistd.h>

namespace veltra {

EsitoFile CaricaDati(DatiGlobali& dati, const std::filesystem::path& cartella) {
    if (EsitoFile e = CaricaConfigurazione(cartella, dati); !e) return e;
    // A damaged archive of checked plays does not stop the program: it is
    // left as it is, and the windows that need it say it cannot be read.
    dati.giocateToto = CaricaStatistiche(cartella).lista;
    return CaricaFileCampionati(dati, cartella);
}

bool CaricaAvvio(DatiGlobali& dati, const std::filesystem::path& cartella, IMessaggi& messaggi,
                 EsitoFile* esito) {
    auto fallita = [&](EsitoFile e) {
        messaggi.Errore(e.messaggio);
        if (esito) *esito = std::move(e);
        return false;
    };
    if (EsitoFile e = LeggiDatiSupporto(cartella, dati); !e) return fallita(std::move(e));

    // Every results file must be there before anything else is read.
    for (const auto& d : kCampionati) {
        const auto f = cartella / std::string(d.fileIncontri);
        if (::access(f.c_str(), R_OK) != 0)
            return fallita(EsitoFile::Errore(kMessaggioFileCorrotti,
                                             f.string() + ": file mancante o non leggibile"));
    }
    if (EsitoFile e = CaricaDati(dati, cartella); !e) return fallita(std::move(e));
    // A scores file that cannot be read does not stop the start, but the user
    // learns that its championship is without scores and dates, and that the
    // file is left as it is until it is mended.
    for (int c = 0; c < kNumeroCampionati; ++c)
        if (const std::string& r = dati.campionato(c).retiNonLette; !r.empty())
            messaggi.Mostra("Il file dei punteggi del campionato " +
                                std::string(dati.campionato(c).descrizione().nome) +
                                " e' danneggiato e non e' stato letto:\n" + r +
                                "\nIl campionato resta senza punteggi e date; il file non viene "
                                "modificato.",
                            Icona::Esclamazione);
    // A strategy number is never given twice, even when Cfg2.VLT was lost or
    // is older than the strategy list.
    for (const auto& s : dati.strategie.strategie)
        if (s.numero >= dati.prossimoIdStrategia && s.numero < INT32_MAX)
            dati.prossimoIdStrategia = s.numero + 1;
    // Each archive checks the current championship's fit at its end; once
    // even the reset has failed, saying so again for every championship
    // would only repeat the same two boxes.
    bool verifica = true;
    for (int c = 0; c < kNumeroCampionati; ++c) {
        CreaMotore(dati.campionato(c));
        if (!RicalcolaArchivio(dati, c, messaggi, verifica)) verifica = false;
    }
    if (dati.versioneDati < kVersioneDati) dati.datiModificati = 1;
    return true;
}

bool CreaCartelleEsportazione(const std::filesystem::path& cartella) {
    namespace fs = std::filesystem;
    static constexpr const char* kBookmaker[] = {"BETANDWIN", "BETZONE", "EUROBET", "GLOBET",
                                                 "SNAI"};
    std::error_code ec;
    bool ok = true;
    for (const char* b : kBookmaker) {
        fs::create_directories(cartella / "HTML-QUOTE" / b, ec);
        ok = ok && !ec;
    }
    std::vector<std::string> esportazioni(std::begin(kBookmaker), std::end(kBookmaker));
    esportazioni.push_back("ALTROBOOKMAKER");
    for (const auto& b : esportazioni) {
        const fs::path f = cartella / kCartellaEsportate / b;
        fs::create_directories(f, ec);
        // Also a folder whose creation was cut short before its list of weeks.
        if (!fs::is_directory(f, ec) || !RiparaRiepilogo(f).ok) ok = false;
    }
    return ok;
}

std::optional<TestiStato> StimeAvvio(DatiGlobali& dati, IMessaggi& messaggi) {
    CCampionato& serieA = dati.campionato(0);
    if (serieA.motore->AggiornaStime() != 0) {
        messaggi.Errore("Impossibile calcolare le stime.\nIl File dei dati potrebbe essere "
                        "corrotto.\nVerra' ora compiuto un tentativo per azzerare i dati errati",
                        kAiutoStimeFallite);
        if (serieA.motore->RipristinaParametri() != 0) {
            messaggi.Errore(
                "Tentativo fallito.\nPer ovviare all'errore contatta l'autore del programma.",
                kAiutoStimeFallite);
            return std::nullopt;
        }
    }
    // The events of the saved week follow the analyses just evaluated.
    if (dati.scommesse.nEventi > 0) RicalcolaEventi(dati.scommesse, dati, &messaggi);
    return MessaggioStatoDopoStime(serieA, "Serie A");
}

} // namespace veltra
