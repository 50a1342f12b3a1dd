#include "dati/BloccoCartella.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace veltra {

std::string MessaggioCartellaOccupata(const std::filesystem::path& cartella, long processo) {
    std::string s = "La cartella di lavoro " + cartella.string() +
                    " e' gia' in uso da un altro programma VELTRA";
    if (processo > 0) s += " (processo " + std::to_string(processo) + ")";
    return s + ".\nChiudere l'altro programma e riprovare.";
}

BloccoCartella::BloccoCartella(BloccoCartella&& a) noexcept
    : fd_(a.fd_), occupata_(a.occupata_), messaggio_(std::move(a.messaggio_)) {
    a.fd_ = -1;
}

BloccoCartella& BloccoCartella::operator=(BloccoCartella&& a) noexcept {
    if (this != &a) {
        Rilascia();
        fd_ = a.fd_;
        occupata_ = a.occupata_;
        messaggio_ = std::move(a.messaggio_);
        a.fd_ = -1;
    }
    return *this;
}

BloccoCartella::~BloccoCartella() { Rilascia(); }

bool BloccoCartella::Prendi(const std::filesystem::path& cartella) {
    Rilascia();
    occupata_ = false;
    messaggio_.clear();
    const std::filesystem::path file = cartella / kFileBlocco;
    // O_NOFOLLOW: the lock file is the program's own, never a link elsewhere.
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK,
                          0644);
    if (fd < 0) {
        messaggio_ = "Impossibile usare la cartella di lavoro " + cartella.string() + ": " +
                     file.filename().string() + " non si puo' creare (" + std::strerror(errno) +
                     ").";
        return false;
    }
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        const int perche = errno;
        long processo = 0;
        if (perche == EWOULDBLOCK) {
            char buf[32] = {};
            const ssize_t n = ::pread(fd, buf, sizeof buf - 1, 0);
            if (n > 0) processo = std::strtol(buf, nullptr, 10);
            occupata_ = true;
            messaggio_ = MessaggioCartellaOccupata(cartella, processo);
        } else {
            messaggio_ = "Impossibile bloccare la cartella di lavoro " + cartella.string() + " (" +
                         std::strerror(perche) + ").";
        }
        ::close(fd);
        return false;
    }
    // Who holds it, for the message another program shows.
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd, 0) == 0 && ::pwrite(fd, pid.data(), pid.size(), 0) < 0) {
        // Only the message of another program would miss the number.
    }
    fd_ = fd;
    return true;
}

void BloccoCartella::Rilascia() {
    if (fd_ < 0) return;
    ::close(fd_); // closing the only descriptor drops the lock
    fd_ = -1;
}

} // namespace veltra
