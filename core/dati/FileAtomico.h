#pragma once
// Crash-safe saving. Every file of a save is first written whole to a
// temporary file beside it ("NAME.tmp-XXXXXX") and flushed to disk. A save of
// several files is then one transaction: the files it replaces are kept as
// hard links ("NAME.tmp-XXXXXX.prec"), a small journal naming every
// replacement is written and flushed ("Giornale.VLT", the point of no
// return), the temporary files are renamed over the old ones and the journal
// is removed. Whatever moment the process dies, RecuperaCartella at the next
// start completes the save (journal present) or leaves the old files (no
// journal) and removes every temporary file; a save that reports failure has
// changed nothing.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

inline constexpr const char* kFileGiornale = "Giornale.VLT";
// Files the program reads are never larger than this; a bigger one is damaged.
inline constexpr std::size_t kDimensioneMassimaFile = 64u << 20;

struct LetturaFile {
    std::optional<std::string> testo; // the contents, nullopt on any failure
    bool mancante = false;            // the file does not exist
    std::string errore;               // why it could not be read
};

// Every reader of a file opens it through here: a regular file is opened
// for reading (the descriptor, its size); a FIFO, a device, a socket or a
// folder is refused without blocking on it (`errore` says which), and so is
// a file larger than `limite`. The descriptor is closed by the object.
class FileRegolare {
public:
    FileRegolare(const std::filesystem::path& percorso, std::size_t limite = kDimensioneMassimaFile);
    FileRegolare(const FileRegolare&) = delete;
    FileRegolare& operator=(const FileRegolare&) = delete;
    ~FileRegolare();
    bool aperto() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    std::size_t dimensione() const { return dimensione_; }
    bool mancante() const { return mancante_; }
    const std::string& errore() const { return errore_; }
    // Reads exactly `n` bytes at the current position; false at a short file
    // or a read error.
    bool Leggi(void* dove, std::size_t n);

private:
    int fd_ = -1;
    std::size_t dimensione_ = 0;
    bool mancante_ = false;
    std::string errore_;
};

// Reads a whole regular file of at most `limite` bytes (through FileRegolare).
LetturaFile LeggiFileControllato(const std::filesystem::path& percorso,
                                 std::size_t limite = kDimensioneMassimaFile);

// Reads a whole file as above; nullopt when it cannot be opened or read or is
// refused; `errore`, when given, receives the reason.
std::optional<std::string> LeggiFile(const std::filesystem::path& percorso,
                                     std::string* errore = nullptr);

class SalvataggioAtomico {
public:
    SalvataggioAtomico() = default;
    SalvataggioAtomico(const SalvataggioAtomico&) = delete;
    SalvataggioAtomico& operator=(const SalvataggioAtomico&) = delete;
    // Removes the temporary files of a save that was not confirmed.
    ~SalvataggioAtomico();

    // Writes `contenuto` to a temporary file beside `percorso` and flushes it.
    // false when it could not be written (nothing of the old file is touched);
    // `creato`, when given, tells whether the file could at least be created.
    // Every file of one save must be in the same folder. A file that already
    // holds exactly `contenuto` is left alone: it is not part of the save, so
    // a save of one changed file needs room for that file only.
    bool Prepara(const std::filesystem::path& percorso, std::string_view contenuto,
                 bool* creato = nullptr);

    // Puts every prepared file in place, all or none (see above). false when
    // the save could not be made: then every old file is as it was.
    bool Conferma();

    // After a failure: the file concerned and why ("PATH: reason"), of the
    // last operation that failed.
    const std::string& Errore() const { return errore_; }
    // The file of the failure (empty when none failed).
    const std::filesystem::path& FileFallito() const { return fileFallito_; }

    // Discards every prepared file.
    void Annulla();

private:
    struct Voce {
        std::filesystem::path destinazione;
        std::filesystem::path temporaneo;
        std::filesystem::path precedente; // empty when there was no file to replace
    };
    bool ConfermaConGiornale();
    bool Fallito(const std::filesystem::path& file);
    std::vector<Voce> voci_;
    std::string errore_;
    std::filesystem::path fileFallito_;
    std::filesystem::path cartella_; // of every file of the save
    bool haCartella_ = false;
};

// One file, written safely.
bool ScriviFileAtomico(const std::filesystem::path& percorso, std::string_view contenuto);

struct EsitoRecupero {
    bool ok = true;
    std::string errore;          // what could not be done, naming the file
    int salvataggiCompletati = 0; // a journal found and carried out
    int salvataggiAnnullati = 0;  // a journal of a save being undone, undone
    int temporaneiRimossi = 0;
};

// Makes `cartella` whole again after a save that did not end: carries out or
// undoes a journal left behind, then removes every temporary file of a save.
// Only the holder of the folder's lock (BloccoCartella) may call it. A
// journal that cannot be read is an error and nothing is touched.
EsitoRecupero RecuperaCartella(const std::filesystem::path& cartella);

// The message of the system's error `numero` in Italian, for the user
// ("spazio esaurito sul disco"...).
std::string DescriviErroreSistema(int numero);

// Whether a name is one of the temporary files of a save.
bool NomeTemporaneo(std::string_view nome);

// For tests: the file operations of a save, and a hook called before each
// with the file concerned. When the hook returns false the operation fails
// as a full disk would make it fail. Without syncing, the flushes to disk
// are still announced to the hook but not made (they only matter when the
// machine stops, which a test cannot do).
enum class OperazioneFile {
    Crea,
    Scrivi,
    SincronizzaFile,
    Chiudi,
    Collega,
    Rinomina,
    Rimuovi,
    SincronizzaCartella,
};
using OsservatoreOperazioni = bool (*)(OperazioneFile, const std::filesystem::path&);
void ImpostaOsservatoreOperazioni(OsservatoreOperazioni osservatore, bool sincronizza = true);

} // namespace veltra
