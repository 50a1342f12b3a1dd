// veltra-cli importa-quote: football-data odds files turned into one odds
// file (".QUO") per week, with the probabilities the championship's model
// gave before that week. The working folder is only read; the weeks go to --destinazione.
#include "Comandi.h"

#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "app/importa/ImportaQuote.h"
#include "app/importa/TabellaAlias.h"
#include "app/CartellaDiLavoro.h"
#include "betting/FileQuote.h"
#include "dati/FileAtomico.h"
#include "platform/Messaggi.h"
#include "platform/Risorse.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace veltra::cli {

namespace {

} // namespace

int ComandoImportaQuote(const std::vector<std::string>& a) {
    std::optional<std::string> opzioneCartella;
    std::string destinazione, quote = "media", fileAlias;
    std::vector<std::string> file;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--cartella")
            opzioneCartella = ValoreCartella(a, i);
        else if (a[i] == "--destinazione")
            destinazione = ValoreOpzione(a, i);
        else if (a[i] == "--quote")
            quote = ValoreOpzione(a, i);
        else if (a[i] == "--alias")
            fileAlias = ValoreOpzione(a, i);
        else if (a[i].rfind("--", 0) == 0)
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
        else
            file.push_back(a[i]);
    }
    if (destinazione.empty()) throw ErroreUso{"manca --destinazione DIR"};
    if (file.empty()) throw ErroreUso{"nessun file di quote"};
    // The shipped table names the clubs as the shipped results do.
    TabellaAlias alias;
    if (fileAlias.empty()) {
        const auto predefinita = CartellaRisorse() / "dati" / "alias-squadre.tsv";
        std::error_code ec;
        if (std::filesystem::exists(predefinita, ec)) fileAlias = predefinita.string();
    }
    if (!fileAlias.empty()) {
        const auto testo = LeggiFile(fileAlias);
        if (!testo) throw ErroreUso{"impossibile leggere " + fileAlias};
        if (auto errore = alias.Carica(*testo)) throw ErroreUso{fileAlias + ": " + *errore};
    }
    std::vector<FileQuoteDaImportare> letti;
    for (const std::string& f : file) {
        std::string errore;
        auto testo = LeggiFile(f, &errore);
        if (!testo) {
            std::fprintf(stderr, "%s: file rifiutato: %s\n", f.c_str(), errore.c_str());
            continue;
        }
        letti.push_back({std::filesystem::path(f).filename().string(), std::move(*testo)});
    }
    // The destination is written as a working folder is: one save under its
    // own lock, and whatever a run cut short left there is finished or
    // removed first.
    BloccoCartella bloccoDestinazione;
    {
        std::error_code ec;
        std::filesystem::create_directories(destinazione, ec);
        if (!std::filesystem::is_directory(destinazione, ec))
            throw ErroreUso{"impossibile creare la cartella " + destinazione};
        if (const EsitoFile e = ApriCartellaInScrittura(destinazione, bloccoDestinazione); !e) {
            std::fprintf(stderr, "veltra-cli: %s (%s)\n", e.messaggio.c_str(), e.dettaglio.c_str());
            return bloccoDestinazione.Occupata() ? kEsitoCartellaOccupata : kEsitoCaricamento;
        }
    }
    const std::string cartella = ApriCartellaLettura(opzioneCartella);
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiSuErrore messaggi;
    if (!LetturaStabile(cartella, [&] {
            dati = std::make_unique<DatiGlobali>();
            return CaricaAvvio(*dati, cartella, messaggi);
        }))
        return kEsitoCaricamento;
    const auto inizio = std::chrono::steady_clock::now();
    const EsitoImportaQuote esito = ImportaQuote(*dati, letti, quote, alias);
    const double secondi =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    for (const std::string& r : esito.rapporto)
        std::fprintf(stderr, "%s\n", r.c_str());
    std::vector<QuoteDaSalvare> daSalvare;
    for (const auto& [nome, settimana] : esito.settimane) daSalvare.push_back({nome, &settimana});
    if (!SalvaQuoteInsieme(daSalvare, destinazione, messaggi, static_cast<char>(dati->versioneDati)))
        return kEsitoCaricamento;
    const int scritte = static_cast<int>(daSalvare.size());
    std::printf("settimane=%d eventi=%d scartate=%d file_rifiutati=%d secondi=%.2f\n", scritte,
                esito.importate, esito.scartate,
                esito.fileRifiutati + static_cast<int>(file.size() - letti.size()), secondi);
    return kEsitoOk;
}

} // namespace veltra::cli
