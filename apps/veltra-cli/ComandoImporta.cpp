// veltra-cli importa: appends to a championship of a working folder the
// seasons of result files (Football.TXT or football-data CSV), prints the
// import report and saves all the folder's files; on any error nothing is
// written. A folder without championship files starts empty.
#include "Comandi.h"

#include "dati/FileAtomico.h"
#include "dati/FileDati.h"
#include "app/importa/ImportaRisultati.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace veltra::cli {

namespace {

// How many of the 38 championship files the folder holds.
int FileDiCampionato(const std::filesystem::path& cartella) {
    int n = 0;
    std::error_code ec;
    for (const auto& d : kCampionati)
        for (auto nome : {d.fileSquadre, d.fileIncontri})
            n += std::filesystem::exists(cartella / std::string(nome), ec);
    return n;
}

} // namespace

int ComandoImporta(const std::vector<std::string>& a) {
    std::string cartella, campionato, fileAlias;
    std::vector<std::string> file;
    OpzioniImportazione opzioni;
    bool prova = false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--cartella")
            cartella = ValoreOpzione(a, i);
        else if (a[i] == "--campionato")
            campionato = ValoreOpzione(a, i);
        else if (a[i] == "--alias")
            fileAlias = ValoreOpzione(a, i);
        else if (a[i] == "--troppe-squadre-vuota")
            opzioni.troppeSquadreVuota = true;
        else if (a[i] == "--dal" || a[i] == "--al") {
            const std::string v = ValoreOpzione(a, i);
            int anno = 0;
            for (char ch : v) {
                if (ch < '0' || ch > '9' || anno > 9999) throw ErroreUso{"anno non valido: " + v};
                anno = anno * 10 + (ch - '0');
            }
            if (v.size() != 4) throw ErroreUso{"anno non valido: " + v};
            (a[i - 1] == "--dal" ? opzioni.dalAnno : opzioni.alAnno) = anno;
        } else if (a[i] == "--prova")
            prova = true;
        else if (a[i].rfind("--", 0) == 0)
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
        else
            file.push_back(a[i]);
    }
    if (campionato.empty()) throw ErroreUso{"manca --campionato"};
    const auto id = CercaCampionato(campionato);
    if (!id) throw ErroreUso{"campionato sconosciuto: " + campionato};
    if (file.empty()) throw ErroreUso{"nessun file di risultati da importare"};
    if (cartella.empty()) throw ErroreUso{"manca --cartella"};
    std::error_code ec;
    if (!prova) std::filesystem::create_directories(cartella, ec);
    VerificaCartella(cartella);

    TabellaAlias alias;
    if (!fileAlias.empty()) {
        const auto testo = LeggiFile(fileAlias);
        if (!testo) {
            std::fprintf(stderr, "veltra-cli: %s: impossibile leggere il file\n",
                         fileAlias.c_str());
            return kEsitoCaricamento;
        }
        if (auto errore = alias.Carica(*testo)) {
            std::fprintf(stderr, "veltra-cli: %s: %s\n", fileAlias.c_str(), errore->c_str());
            return kEsitoCaricamento;
        }
    }

    auto dati = std::make_unique<DatiGlobali>();
    const int presenti = FileDiCampionato(cartella);
    if (presenti > 0) {
        const EsitoFile e = CaricaFileCampionati(*dati, cartella);
        if (!e) {
            std::fprintf(stderr, "veltra-cli: file della cartella non leggibili: %s\n",
                         e.dettaglio.c_str());
            return kEsitoCaricamento;
        }
    }

    std::vector<LetturaSorgente> letture;
    for (const auto& f : file) {
        const auto testo = LeggiFile(f);
        if (!testo) {
            std::fprintf(stderr, "veltra-cli: %s: impossibile leggere il file\n", f.c_str());
            return kEsitoCaricamento;
        }
        letture.push_back(LeggiFileRisultati(*testo, f));
    }

    CCampionato& c = dati->campionato(*id);
    const RapportoImportazione r = ImportaRisultati(c, letture, alias, opzioni);
    if (!r.ok()) {
        std::fprintf(stderr, "veltra-cli: %s", r.Testo().c_str());
        return kEsitoCaricamento;
    }
    std::fputs(r.Testo().c_str(), stdout);
    if (prova) {
        std::puts("\nProva: nessun file e' stato scritto.");
        return kEsitoOk;
    }
    dati->datiModificati = 1;
    const EsitoFile e = SalvaFileCampionati(*dati, cartella);
    if (!e) {
        std::fprintf(stderr, "veltra-cli: %s\n", e.dettaglio.c_str());
        return kEsitoCaricamento;
    }
    std::printf("\n%s: %d stagioni, %d incontri salvati in %s\n", r.campionato.c_str(),
                c.config.numeroStagioni(), c.numeroIncontri(), cartella.c_str());
    return kEsitoOk;
}

} // namespace veltra::cli
