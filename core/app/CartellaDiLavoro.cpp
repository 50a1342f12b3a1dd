#include "app/CartellaDiLavoro.h"

#include "app/ArchivioConfigurazione.h"
#include "app/DatiGlobali.h"
#include "dati/FileAtomico.h"

#include <cstdlib>
#include <memory>
#include <system_error>

namespace veltra {
namespace fs = std::filesystem;

fs::path CartellaPredefinita() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/')
        return fs::path(xdg) / "veltra";
    const char* casa = std::getenv("HOME");
    return fs::path(casa && *casa ? casa : ".") / ".local" / "share" / "veltra";
}

bool ContieneCampionati(const fs::path& cartella) {
    std::error_code ec;
    for (const auto& d : kCampionati)
        if (fs::exists(cartella / std::string(d.fileSquadre), ec) ||
            fs::exists(cartella / std::string(d.fileIncontri), ec))
            return true;
    return false;
}

EsitoFile PreparaCartellaDiLavoro(const fs::path& cartella, const fs::path& datiPredefiniti) {
    if (ContieneCampionati(cartella)) return {};
    std::error_code ec;
    fs::create_directories(cartella, ec);
    if (!fs::is_directory(cartella, ec))
        return EsitoFile::Errore("Impossibile creare la cartella di lavoro " + cartella.string(),
                                 ec.message());

    // The shipped data are read as the program reads any folder, so a
    // damaged installation is reported rather than copied.
    auto dati = std::make_unique<DatiGlobali>();
    if (EsitoFile e = CaricaFileCampionati(*dati, datiPredefiniti); !e) {
        e.messaggio = "I dati predefiniti di VELTRA sono danneggiati (" +
                      datiPredefiniti.string() + ")";
        return e;
    }
    SalvataggioAtomico salvataggio;
    auto prepara = [&](const fs::path& f, const std::string& contenuto) {
        if (fs::exists(f, ec)) return true; // never overwrite
        return salvataggio.Prepara(f, contenuto);
    };
    bool ok = true;
    for (int c = 0; c < kNumeroCampionati && ok; ++c) {
        const auto& camp = dati->campionato(c);
        ok = prepara(cartella / std::string(camp.descrizione().fileSquadre),
                     ScriviTestoSquadre(camp.config)) &&
             prepara(cartella / std::string(camp.descrizione().fileIncontri),
                     ScriviTestoIncontri(camp.incontri));
        // The goals and dates of the shipped matches, for the rating model.
        if (ok && !camp.reti.vuoto())
            ok = prepara(cartella / NomeFileReti(camp.descrizione().codice),
                         ScriviTestoReti(camp.reti, camp.incontri));
    }
    auto nuovi = std::make_unique<DatiGlobali>();
    const auto cfg = ScriviArchivioConfigurazione(*nuovi);
    const auto strategie = ScriviArchivioStrategie(*nuovi);
    ok = ok && prepara(cartella / kFileConfigurazione, std::string(cfg.begin(), cfg.end())) &&
         prepara(cartella / kFileStrategie, std::string(strategie.begin(), strategie.end()));
    if (!ok || !salvataggio.Conferma())
        return EsitoFile::Errore("Impossibile scrivere i dati iniziali nella cartella di lavoro " +
                                     cartella.string(),
                                 "scrittura non riuscita");
    return {};
}

} // namespace veltra
