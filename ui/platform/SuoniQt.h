#pragma once
// The program's sounds through Qt Multimedia. Playing always happens on the
// window thread (a queued call), so a worker may ask for a sound without
// touching any widget; a waited sound keeps the caller for the length of the
// file, read from its header, so the wait never depends on the window
// thread being free (a window closing while its worker speaks does not
// deadlock).
#include "platform/Suoni.h"

#include <QObject>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

class QSoundEffect;

namespace veltra {

class SuoniQt : public QObject, public ISuoni {
    Q_OBJECT
public:
    // The wave files are looked up in `cartella` (CartellaSuoni()).
    explicit SuoniQt(std::filesystem::path cartella, QObject* parent = nullptr);
    ~SuoniQt() override;

    void Suona(const std::string& nome, bool attendi) override;

    // Length in milliseconds of a PCM wave file, -1 when it is not one.
    static int DurataWav(const std::filesystem::path& file);

private:
    void Avvia(const std::string& nome);
    std::filesystem::path cartella_;
    std::map<std::string, QSoundEffect*> effetti_; // window thread only
};

} // namespace veltra
