#include "app/ArchivioConfigurazione.h"

#include "dati/Archivio.h"
#include "app/DatiGlobali.h"
#include "dati/FileAtomico.h"

namespace veltra {

namespace {

// Items 2 to 12 of the archive, in order, for either direction. Strategies
// are inside only in files older than 'm'.
void SerializzaVoci(Archivio& ar, DatiGlobali& d) {
    for (int c = 0; c < kNumeroCampionati; ++c) {
        CCampionato& camp = d.campionato(c);
        if (ar.inLettura()) {
            camp.config.giornateAnalisi = 2;
            const std::int16_t predefinite[5] = {100, 100, 0, 0, 0};
            std::copy(predefinite, predefinite + 5, camp.config.percentualiImportanza);
        }
        camp.config.Serializza(ar);
        ar.campo(camp.limiteMinCasa);
        ar.campo(camp.limiteMaxCasa);
        ar.campo(camp.limiteMinTrasferta);
        ar.campo(camp.limiteMaxTrasferta);
    }
    d.schedina.Serializza(ar);
    d.condizionamenti.Serializza(ar);
    for (int c = 0; c < kNumeroCampionati; ++c) d.campionato(c).punteggiAvanzati.Serializza(ar);
    for (int c = 0; c < kNumeroCampionati; ++c) {
        CArchivio& a = d.campionato(c).archivio;
        a.campionato = static_cast<std::int16_t>(c);
        a.Serializza(ar);
    }
    d.stampa.Serializza(ar);
    for (int c = 0; c < kNumeroCampionati; ++c) d.campionato(c).ricerca.Serializza(ar);
    d.scommesse.Serializza(ar);
    if (ar.versione() < 'm') d.strategie.Serializza(ar);
}

} // namespace

std::vector<std::uint8_t> ScriviArchivioConfigurazione(DatiGlobali& d) {
    Archivio ar;
    ar.impostaVersione(kVersioneDati);
    std::uint8_t versione = kVersioneDati;
    ar.campo(versione);
    SerializzaVoci(ar, d);
    ar.stringa(d.indirizzoAggiornamenti);
    return ar.dati();
}

std::vector<std::uint8_t> ScriviArchivioStrategie(DatiGlobali& d) {
    Archivio ar;
    d.strategie.Serializza(ar);
    return ar.dati();
}

EsitoFile LeggiArchivioConfigurazione(std::span<const std::uint8_t> cfg,
                                      const std::optional<std::string>& strategie,
                                      DatiGlobali& d) {
    d.campionatoCorrente = 0;
    Archivio ar(cfg);
    try {
        std::uint8_t versione = 0;
        ar.campo(versione);
        ar.impostaVersione(versione);
        d.versioneDati = versione;
        SerializzaVoci(ar, d);
        // The working copy of the conditions starts as the stored ones.
        d.condizionamentiLavoro = d.condizionamenti;
    } catch (const ErroreArchivio& e) {
        return EsitoFile::Errore(kMessaggioFileCorrotti,
                                 std::string(kFileConfigurazione) + ": " + e.what() +
                                     " (byte " + std::to_string(ar.posizione()) + ")");
    }
    if (d.versioneDati >= 'm') {
        if (!strategie)
            return EsitoFile::Errore(kErroreAperturaStrategie,
                                     std::string(kFileStrategie) + ": impossibile aprire il file");
        std::vector<std::uint8_t> byte(strategie->begin(), strategie->end());
        Archivio as(byte);
        // Strategy records compare the configuration's version too.
        as.impostaVersione(d.versioneDati);
        try {
            d.strategie.Serializza(as);
        } catch (const ErroreArchivio& e) {
            return EsitoFile::Errore(kErroreLetturaStrategie,
                                     std::string(kFileStrategie) + ": " + e.what());
        }
    }
    if (d.strategie.versioneStrategie == 0 || d.strategie.versioneStrategie == 1) {
        d.strategie.versioneStrategie = 2;
        d.datiModificati = 1;
    }
    try {
        ar.stringa(d.indirizzoAggiornamenti);
    } catch (const ErroreArchivio& e) {
        return EsitoFile::Errore(kMessaggioFileCorrotti,
                                 std::string(kFileConfigurazione) + ": " + e.what());
    }
    return {};
}

EsitoFile CaricaConfigurazione(const std::filesystem::path& cartella, DatiGlobali& d) {
    const auto cfg = LeggiFile(cartella / kFileConfigurazione);
    if (!cfg)
        return EsitoFile::Errore(kMessaggioFileCorrotti,
                                 (cartella / kFileConfigurazione).string() +
                                     ": impossibile aprire il file");
    const std::vector<std::uint8_t> byte(cfg->begin(), cfg->end());
    return LeggiArchivioConfigurazione(byte, LeggiFile(cartella / kFileStrategie), d);
}

} // namespace veltra
