#pragma once
// Sound playback, as the core sees it: a wave file of the program's sounds
// played by name. The desktop program plays it through the sound card;
// tests record what was asked.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace veltra {

class ISuoni {
public:
    virtual ~ISuoni() = default;
    // Plays "uno.wav"... from the program's sounds. With `attendi` it returns
    // once the sound has finished (or could not be played); without, at once.
    // May be called from a worker thread.
    virtual void Suona(const std::string& nome, bool attendi) = 0;
};

// The format of a PCM wave file, read from its header; nullopt when the
// file is not one (or is cut short).
struct FormatoWav {
    int canali = 0;
    int campionamento = 0; // samples per second
    int bitPerCampione = 0;
    std::uint32_t byteDati = 0;
    int millisecondi = 0;
};
std::optional<FormatoWav> LeggiFormatoWav(const std::filesystem::path& file);

} // namespace veltra
