#include "app/CartellaDiLavoro.h"

#include "app/ArchivioConfigurazione.h"
#include "app/DatiGlobali.h"
#include "betting/ArchivioSettimane.h"
#include "dati/FileAtomico.h"
#include "dati/ModelliStime.h"
#include "engine/rating/ModelloProbabilita.h"
#include "quote/LettoriPagine.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <system_error>
#include <thread>

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
        // The fixtures still to be played of the current season.
        if (ok && !camp.calendario.vuoto())
            ok = prepara(cartella / NomeFileCalendario(camp.descrizione().codice),
                         ScriviTestoCalendario(camp.calendario));
    }
    // A new folder gives every championship the stronger model; a folder
    // made before keeps its file (or, without one, the engine).
    for (int c = 0; c < kNumeroCampionati; ++c) dati->campionato(c).modello = kModelloNuoveCartelle;
    ok = ok && prepara(cartella / kFileModelliStime, ScriviTestoModelliStime(*dati));
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

namespace {

EsitoFile ControllaCartella(const fs::path& cartella) {
    if (cartella.empty())
        return EsitoFile::Errore("Nessuna cartella di lavoro indicata.", "nome della cartella vuoto");
    std::error_code ec;
    const auto stato = fs::status(cartella, ec);
    if (fs::exists(stato) && !fs::is_directory(stato))
        return EsitoFile::Errore("La cartella di lavoro " + cartella.string() +
                                     " non e' una cartella.",
                                 cartella.string() + ": e' un file");
    return {};
}

EsitoFile Ripara(const fs::path& cartella, std::vector<std::string>* avvisi) {
    const EsitoRecupero r = RecuperaCartella(cartella);
    if (!r.ok)
        return EsitoFile::Errore("Impossibile riparare la cartella di lavoro " + cartella.string() +
                                     " dopo un salvataggio interrotto.",
                                 r.errore);
    for (const fs::path& sotto : SottocartelleArchivi(cartella)) {
        const EsitoRecupero s = RecuperaCartella(sotto);
        if (!s.ok)
            return EsitoFile::Errore("Impossibile riparare la cartella " + sotto.string() +
                                         " dopo un salvataggio interrotto.",
                                     s.errore);
    }
    // The lists of archived weeks, once every save in them is whole.
    std::error_code ec;
    for (const char* b : kCartelleBookmaker) {
        const fs::path archivio = cartella / kCartellaEsportate / b;
        if (!fs::is_directory(archivio, ec)) continue;
        const EsitoRiepilogo e = RiparaRiepilogo(archivio);
        if (!e.messaggio.empty() && avvisi) avvisi->push_back(e.messaggio);
    }
    return {};
}

} // namespace

EsitoFile ApriCartellaInScrittura(const fs::path& cartella, BloccoCartella& blocco,
                                  std::vector<std::string>* avvisi) {
    if (EsitoFile e = ControllaCartella(cartella); !e) return e;
    std::error_code ec;
    fs::create_directories(cartella, ec);
    if (!fs::is_directory(cartella, ec))
        return EsitoFile::Errore("Impossibile creare la cartella di lavoro " + cartella.string(),
                                 ec ? ec.message() : "non e' una cartella");
    if (!blocco.Prendi(cartella)) return EsitoFile::Errore(blocco.Messaggio(), blocco.Messaggio());
    if (EsitoFile e = Ripara(cartella, avvisi); !e) {
        blocco.Rilascia();
        return e;
    }
    return {};
}

EsitoFile ApriCartellaInLettura(const fs::path& cartella, std::vector<std::string>* avvisi) {
    if (EsitoFile e = ControllaCartella(cartella); !e) return e;
    std::error_code ec;
    if (!fs::is_directory(cartella, ec))
        return EsitoFile::Errore("La cartella di lavoro " + cartella.string() + " non esiste.",
                                 cartella.string() + ": cartella mancante");
    BloccoCartella blocco;
    if (blocco.Prendi(cartella)) return Ripara(cartella, avvisi);
    if (!blocco.Occupata()) return {}; // a folder this user may only read: read it as it is
    // Another program writes the folder: a journal means it is replacing files
    // right now.
    for (int i = 0; i < 250 && fs::exists(cartella / kFileGiornale, ec); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return {};
}

std::vector<fs::path> SottocartelleArchivi(const fs::path& cartella) {
    std::vector<fs::path> v;
    for (const char* radice : {kCartellaEsportate, kCartellaPagineQuote}) {
        const fs::path r = cartella / radice;
        std::error_code ec;
        if (!fs::is_directory(r, ec)) continue;
        v.push_back(r);
        for (fs::directory_iterator it(r, ec), fine; !ec && it != fine; it.increment(ec))
            if (std::error_code e2; it->is_directory(e2) && !it->is_symlink(e2))
                v.push_back(it->path());
    }
    std::sort(v.begin(), v.end());
    return v;
}

std::string ImprontaCartella(const fs::path& cartella) {
    std::vector<std::string> righe;
    std::error_code ec;
    for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
        const std::string nome = it->path().filename().string();
        if (nome == kFileBlocco) continue;
        struct stat st {};
        if (::lstat(it->path().c_str(), &st) != 0 || S_ISDIR(st.st_mode)) continue;
        righe.push_back(nome + ' ' + std::to_string(st.st_ino) + ' ' + std::to_string(st.st_size) +
                        ' ' + std::to_string(st.st_mtim.tv_sec) + '.' +
                        std::to_string(st.st_mtim.tv_nsec));
    }
    std::sort(righe.begin(), righe.end());
    std::string s;
    for (const auto& r : righe) s += r + '\n';
    return s;
}

} // namespace veltra
