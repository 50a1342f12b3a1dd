#pragma once
// Crash-safe saving: every file is first written whole to a temporary file in
// its own folder and flushed to disk; only when all files of a save are ready
// are they renamed over the old ones. A failure before that point leaves every
// previous file as it was.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

// Reads a whole file; nullopt when it cannot be opened or read.
std::optional<std::string> LeggiFile(const std::filesystem::path& percorso);

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
    bool Prepara(const std::filesystem::path& percorso, std::string_view contenuto,
                 bool* creato = nullptr);

    // Renames every prepared file over its destination, in the order prepared,
    // then flushes the folders. false if a rename failed (files renamed before
    // it are already in place; the rest keep their old contents).
    bool Conferma();

    // Discards every prepared file.
    void Annulla();

private:
    struct Voce {
        std::filesystem::path destinazione;
        std::filesystem::path temporaneo;
    };
    std::vector<Voce> voci_;
};

// One file, written safely.
bool ScriviFileAtomico(const std::filesystem::path& percorso, std::string_view contenuto);

} // namespace veltra
