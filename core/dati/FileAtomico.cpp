#include "dati/FileAtomico.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace veltra {
namespace fs = std::filesystem;

std::optional<std::string> LeggiFile(const fs::path& percorso) {
    std::ifstream in(percorso, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(ss).str();
}

namespace {

bool ScriviTutto(int fd, std::string_view s) {
    while (!s.empty()) {
        const ssize_t n = ::write(fd, s.data(), s.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        s.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void SincronizzaCartella(const fs::path& cartella) {
    const int fd = ::open(cartella.empty() ? "." : cartella.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

SalvataggioAtomico::~SalvataggioAtomico() { Annulla(); }

bool SalvataggioAtomico::Prepara(const fs::path& percorso, std::string_view contenuto,
                                 bool* creato) {
    std::string modello = percorso.string() + ".tmp-XXXXXX";
    const int fd = ::mkstemp(modello.data());
    if (creato) *creato = fd >= 0;
    if (fd < 0) return false;
    bool ok = ScriviTutto(fd, contenuto) && ::fsync(fd) == 0;
    // mkstemp creates the file private: keep the permissions of the file it
    // replaces, or give the usual ones to a new file.
    struct stat esistente {};
    ::fchmod(fd, ::stat(percorso.c_str(), &esistente) == 0 ? (esistente.st_mode & 07777) : 0644);
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        ::unlink(modello.c_str());
        return false;
    }
    voci_.push_back({percorso, modello});
    return true;
}

bool SalvataggioAtomico::Conferma() {
    std::set<fs::path> cartelle;
    bool ok = true;
    std::size_t i = 0;
    for (; i < voci_.size(); ++i) {
        if (::rename(voci_[i].temporaneo.c_str(), voci_[i].destinazione.c_str()) != 0) {
            ok = false;
            break;
        }
        cartelle.insert(voci_[i].destinazione.parent_path());
    }
    voci_.erase(voci_.begin(), voci_.begin() + static_cast<std::ptrdiff_t>(i));
    for (const auto& c : cartelle) SincronizzaCartella(c);
    if (!ok) Annulla();
    return ok;
}

void SalvataggioAtomico::Annulla() {
    for (const auto& v : voci_) ::unlink(v.temporaneo.c_str());
    voci_.clear();
}

bool ScriviFileAtomico(const fs::path& percorso, std::string_view contenuto) {
    SalvataggioAtomico s;
    return s.Prepara(percorso, contenuto) && s.Conferma();
}

} // namespace veltra
