#pragma once
// Sound playback, as the core sees it: a wave file of the program's sounds
// played by name. The desktop program plays it through the sound card;
// tests record what was asked.
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

} // namespace veltra
