#pragma once
// One writer per working folder: an advisory lock (flock) on the file
// "VELTRA.LCK" in the folder, held by the desktop program for its lifetime
// and by every command that writes the folder. The system drops the lock when
// its process ends however it ends, so a lock left by a dead process never
// blocks anyone. The file itself stays; it only records who holds the lock.
#include <filesystem>
#include <string>

namespace veltra {

inline constexpr const char* kFileBlocco = "VELTRA.LCK";

class BloccoCartella {
public:
    BloccoCartella() = default;
    BloccoCartella(const BloccoCartella&) = delete;
    BloccoCartella& operator=(const BloccoCartella&) = delete;
    BloccoCartella(BloccoCartella&& altro) noexcept;
    BloccoCartella& operator=(BloccoCartella&& altro) noexcept;
    ~BloccoCartella();

    // Takes the lock of `cartella` (which must exist) without waiting. false
    // when another process holds it or the lock file cannot be made; then
    // `Messaggio()` says so, naming the folder.
    bool Prendi(const std::filesystem::path& cartella);
    void Rilascia();
    bool Preso() const { return fd_ >= 0; }
    // Why Prendi failed, for the user.
    const std::string& Messaggio() const { return messaggio_; }
    // Whether Prendi failed because another process holds the lock.
    bool Occupata() const { return occupata_; }

private:
    int fd_ = -1;
    bool occupata_ = false;
    std::string messaggio_;
};

// The message shown when another program writes the folder.
std::string MessaggioCartellaOccupata(const std::filesystem::path& cartella, long processo);

} // namespace veltra
