#pragma once
// The analyses the service received, in one SQLite database
// ("ricevute.sqlite" in the service's folder; write-ahead log, every post one
// transaction), so posts at once and a process killed while writing leave
// it whole. An older service kept one file per analysis in "ricevute/":
// those are taken in once, at opening, and the folder is then renamed
// "ricevute-importate" (nothing is deleted).
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

namespace veltra {

inline constexpr const char* kFileArchivioRicevute = "ricevute.sqlite";
inline constexpr const char* kCartellaRicevuteImportate = "ricevute-importate";

struct AnalisiConservata {
    std::string ricevuta;   // "aaaa-mm-gg hh:mm:ss"
    std::string indirizzo;  // who sent it
    std::string autore;     // UTF-8
    int campionato = 0;
    std::string campi;      // the 46 fields as sent, blank-separated
    // The precision the service found on its data (nullopt: not evaluated).
    std::optional<double> precisione;
    bool proposta = false;  // it became the proposed analysis
};

class ArchivioRicevute {
public:
    ArchivioRicevute() = default;
    ~ArchivioRicevute();
    ArchivioRicevute(const ArchivioRicevute&) = delete;
    ArchivioRicevute& operator=(const ArchivioRicevute&) = delete;

    // Opens (or creates) the database in `cartella` and takes in the files
    // of an older store. false with the reason.
    bool Apri(const std::filesystem::path& cartella, std::string* errore);

    // Adds all or none, unless the store would then hold more than
    // `massimo` analyses (then false and `pieno`). false with the reason on
    // a database error.
    bool Aggiungi(const std::vector<AnalisiConservata>& analisi, long massimo, bool* pieno,
                  std::string* errore);

    long Numero();
    std::vector<AnalisiConservata> Tutte();
    // How many files of an older store the opening took in.
    int importate() const { return importate_; }

private:
    bool Esegui(const char* sql, std::string* errore);
    bool Importa(const std::filesystem::path& cartella, std::string* errore);
    sqlite3* db_ = nullptr;
    std::mutex m_;
    int importate_ = 0;
};

} // namespace veltra
