#include "dati/FileAtomico.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veltra {
namespace fs = std::filesystem;

namespace {

OsservatoreOperazioni gOsservatore = nullptr;
bool gSincronizza = true;

constexpr std::string_view kSuffissoTemporaneo = ".tmp-";
constexpr std::string_view kSuffissoPrecedente = ".prec";
constexpr std::string_view kIntestazioneGiornale = "VELTRA giornale 1";

std::string Errno() { return DescriviErroreSistema(errno); }

// Every file operation of a save goes through these, so that a test can stop
// or fail any of them.
bool Permesso(OperazioneFile op, const fs::path& p) {
    if (gOsservatore && !gOsservatore(op, p)) {
        errno = EIO;
        return false;
    }
    return true;
}

int CreaTemporaneo(std::string& modello) {
    if (!Permesso(OperazioneFile::Crea, modello)) return -1;
    return ::mkstemp(modello.data());
}

bool Scrivi(int fd, std::string_view s, const fs::path& p) {
    if (!Permesso(OperazioneFile::Scrivi, p)) return false;
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

bool SincronizzaFile(int fd, const fs::path& p) {
    if (!Permesso(OperazioneFile::SincronizzaFile, p)) return false;
    return !gSincronizza || ::fsync(fd) == 0;
}

bool Chiudi(int fd, const fs::path& p) {
    const bool permesso = Permesso(OperazioneFile::Chiudi, p);
    return (::close(fd) == 0) && permesso;
}

bool Collega(const fs::path& da, const fs::path& a) {
    if (!Permesso(OperazioneFile::Collega, a)) return false;
    return ::link(da.c_str(), a.c_str()) == 0;
}

bool Rinomina(const fs::path& da, const fs::path& a) {
    if (!Permesso(OperazioneFile::Rinomina, a)) return false;
    return ::rename(da.c_str(), a.c_str()) == 0;
}

// A file that is already gone counts as removed.
bool Rimuovi(const fs::path& p) {
    if (!Permesso(OperazioneFile::Rimuovi, p)) return false;
    return ::unlink(p.c_str()) == 0 || errno == ENOENT;
}

bool SincronizzaCartella(const fs::path& cartella) {
    const fs::path c = cartella.empty() ? fs::path(".") : cartella;
    if (!Permesso(OperazioneFile::SincronizzaCartella, c)) return false;
    if (!gSincronizza) return true;
    const int fd = ::open(c.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool Esiste(const fs::path& p) {
    struct stat st {};
    return ::lstat(p.c_str(), &st) == 0;
}

// Writes `contenuto` to a new temporary file beside `percorso` and flushes it;
// the file's name, or empty on failure (nothing is left behind then).
std::string ScriviTemporaneo(const fs::path& percorso, std::string_view contenuto, mode_t modo,
                             bool* creato) {
    std::string nome = percorso.string() + std::string(kSuffissoTemporaneo) + "XXXXXX";
    const int fd = CreaTemporaneo(nome);
    if (creato) *creato = fd >= 0;
    if (fd < 0) return {};
    bool ok = Scrivi(fd, contenuto, nome) && SincronizzaFile(fd, nome);
    // mkstemp creates the file private: give it the permissions of the file
    // it replaces, or the usual ones.
    ::fchmod(fd, modo);
    ok = Chiudi(fd, nome) && ok;
    if (!ok) {
        const int perche = errno;
        ::unlink(nome.c_str());
        errno = perche;
        return {};
    }
    return nome;
}

mode_t ModoDi(const fs::path& p) {
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
}

// --- the journal ----------------------------------------------------------

struct VoceGiornale {
    std::string destinazione, temporaneo, precedente; // names inside the folder
};

std::string TestoGiornale(const std::vector<VoceGiornale>& voci, bool avanti) {
    std::string s(kIntestazioneGiornale);
    s += avanti ? "\navanti\n" : "\nindietro\n";
    s += std::to_string(voci.size()) + "\n";
    for (const auto& v : voci) s += v.destinazione + "\t" + v.temporaneo + "\t" + v.precedente + "\n";
    s += "fine\n";
    return s;
}

bool NomeSemplice(std::string_view n) {
    return !n.empty() && n != "." && n != ".." && n.find('/') == std::string_view::npos &&
           n.find('\0') == std::string_view::npos;
}

// Reads a journal, trusting nothing: every name must be a file of the folder
// and the temporary files those of the files they replace.
bool LeggiGiornale(std::string_view t, std::vector<VoceGiornale>& voci, bool& avanti) {
    auto riga = [&t](std::string_view& r) {
        const auto fine = t.find('\n');
        if (fine == std::string_view::npos) return false;
        r = t.substr(0, fine);
        t.remove_prefix(fine + 1);
        return true;
    };
    std::string_view r;
    if (!riga(r) || r != kIntestazioneGiornale) return false;
    if (!riga(r) || (r != "avanti" && r != "indietro")) return false;
    avanti = r == "avanti";
    if (!riga(r) || r.empty() || r.size() > 4 || r.find_first_not_of("0123456789") != r.npos)
        return false;
    const int n = std::stoi(std::string(r));
    voci.clear();
    for (int i = 0; i < n; ++i) {
        if (!riga(r)) return false;
        const auto t1 = r.find('\t');
        const auto t2 = t1 == r.npos ? r.npos : r.find('\t', t1 + 1);
        if (t2 == r.npos) return false;
        VoceGiornale v{std::string(r.substr(0, t1)), std::string(r.substr(t1 + 1, t2 - t1 - 1)),
                       std::string(r.substr(t2 + 1))};
        if (!NomeSemplice(v.destinazione) || !NomeSemplice(v.temporaneo) ||
            !NomeTemporaneo(v.temporaneo) ||
            v.temporaneo.rfind(v.destinazione + std::string(kSuffissoTemporaneo), 0) != 0 ||
            v.temporaneo.size() != v.destinazione.size() + kSuffissoTemporaneo.size() + 6)
            return false;
        if (!v.precedente.empty() && v.precedente != v.temporaneo + std::string(kSuffissoPrecedente))
            return false;
        voci.push_back(std::move(v));
    }
    return riga(r) && r == "fine" && t.empty();
}

// Writes the journal: a temporary file flushed, then renamed into place (the
// step that makes it count). true once it is in place.
bool ScriviGiornale(const fs::path& cartella, const std::vector<VoceGiornale>& voci, bool avanti) {
    const fs::path giornale = cartella / kFileGiornale;
    const std::string temporaneo = ScriviTemporaneo(giornale, TestoGiornale(voci, avanti), 0644, nullptr);
    if (temporaneo.empty()) return false;
    if (!Rinomina(temporaneo, giornale)) {
        ::unlink(temporaneo.c_str());
        return false;
    }
    SincronizzaCartella(cartella);
    return true;
}

// Carries out a journal (avanti: every temporary file still there replaces
// its file, then the kept old files go) or undoes it (indietro: every kept
// old file goes back, every new file that had none before is removed, the
// temporary files go). Both can be repeated after an interruption.
bool ApplicaGiornale(const fs::path& cartella, const std::vector<VoceGiornale>& voci,
                     bool avanti, std::string* errore) {
    auto fallito = [&](const std::string& nome) {
        if (errore) *errore = (cartella / nome).string() + ": " + Errno();
        return false;
    };
    for (const auto& v : voci) {
        const fs::path d = cartella / v.destinazione, t = cartella / v.temporaneo;
        if (avanti) {
            if (Esiste(t) && !Rinomina(t, d)) return fallito(v.destinazione);
            continue;
        }
        if (!v.precedente.empty()) {
            const fs::path p = cartella / v.precedente;
            // When the new file was not yet in place both names are the same
            // file and renaming changes nothing: the kept name is removed below.
            if (Esiste(p) && !Rinomina(p, d)) return fallito(v.destinazione);
        } else if (!Esiste(t) && !Rimuovi(d)) {
            return fallito(v.destinazione);
        }
        if (!Rimuovi(t)) return fallito(v.temporaneo);
    }
    if (!SincronizzaCartella(cartella)) return fallito(".");
    for (const auto& v : voci)
        if (!v.precedente.empty() && !Rimuovi(cartella / v.precedente))
            return fallito(v.precedente);
    if (!Rimuovi(cartella / kFileGiornale)) return fallito(kFileGiornale);
    SincronizzaCartella(cartella);
    return true;
}

std::vector<VoceGiornale> VociGiornale(const auto& voci) {
    std::vector<VoceGiornale> g;
    for (const auto& v : voci)
        g.push_back({v.destinazione.filename().string(), v.temporaneo.filename().string(),
                     v.precedente.empty() ? std::string() : v.precedente.filename().string()});
    return g;
}

// Carries out or undoes the journal of `cartella`, if there is one: 1 when
// one was applied, 0 when there was none, -1 (with the reason in `errore`)
// when it cannot be read or applied; nothing is touched then.
int RecuperaGiornale(const fs::path& cartella, std::string& errore, bool* avantiApplicato) {
    const fs::path giornale = cartella / kFileGiornale;
    const LetturaFile l = LeggiFileControllato(giornale, 1u << 20);
    if (l.mancante) return 0;
    if (!l.testo) {
        errore = giornale.string() + ": " + l.errore;
        return -1;
    }
    std::vector<VoceGiornale> voci;
    bool avanti = true;
    if (!LeggiGiornale(*l.testo, voci, avanti)) {
        errore = giornale.string() +
                 ": giornale di un salvataggio interrotto danneggiato; nessun file e' stato toccato";
        return -1;
    }
    if (!ApplicaGiornale(cartella, voci, avanti, &errore)) return -1;
    if (avantiApplicato) *avantiApplicato = avanti;
    return 1;
}

} // namespace

void ImpostaOsservatoreOperazioni(OsservatoreOperazioni osservatore, bool sincronizza) {
    gOsservatore = osservatore;
    gSincronizza = sincronizza;
}

bool NomeTemporaneo(std::string_view nome) {
    if (nome.size() > kSuffissoPrecedente.size() && nome.ends_with(kSuffissoPrecedente))
        nome.remove_suffix(kSuffissoPrecedente.size());
    const std::size_t lunghezza = kSuffissoTemporaneo.size() + 6;
    if (nome.size() <= lunghezza) return false;
    const std::string_view coda = nome.substr(nome.size() - lunghezza);
    if (!coda.starts_with(kSuffissoTemporaneo)) return false;
    for (char c : coda.substr(kSuffissoTemporaneo.size()))
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

std::string DescriviErroreSistema(int numero) {
    switch (numero) {
    case ENOSPC:
    case EDQUOT:
        return "spazio esaurito sul disco";
    case EACCES:
    case EPERM:
        return "permesso negato";
    case EROFS:
        return "disco in sola lettura";
    case EIO:
        return "errore di input/output del disco";
    case ENOENT:
        return "file o cartella inesistente";
    case ENOTDIR:
        return "una parte del percorso non e' una cartella";
    case EISDIR:
        return "e' una cartella";
    case EMFILE:
    case ENFILE:
        return "troppi file aperti";
    case ENAMETOOLONG:
        return "nome troppo lungo";
    default:
        break;
    }
    return std::string("errore di sistema (") + std::strerror(numero) + ")";
}

FileRegolare::FileRegolare(const fs::path& percorso, std::size_t limite) {
    struct stat st {};
    auto nonRegolare = [&] {
        errore_ = S_ISDIR(st.st_mode) ? "e' una cartella, non un file"
                                      : "non e' un file regolare (dispositivo, fifo o socket)";
    };
    if (::stat(percorso.c_str(), &st) != 0) {
        mancante_ = errno == ENOENT;
        errore_ = mancante_ ? "file mancante" : "impossibile aprire il file (" + Errno() + ")";
        return;
    }
    if (!S_ISREG(st.st_mode)) {
        nonRegolare();
        return;
    }
    // Opened without blocking, in case it was swapped for a fifo meanwhile.
    const int fd = ::open(percorso.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        mancante_ = errno == ENOENT;
        errore_ = "impossibile aprire il file (" + Errno() + ")";
        return;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        nonRegolare();
        return;
    }
    if (static_cast<std::uintmax_t>(st.st_size) > limite) {
        errore_ = "file troppo grande (piu' di " + std::to_string(limite) + " byte)";
        ::close(fd);
        return;
    }
    fd_ = fd;
    dimensione_ = static_cast<std::size_t>(st.st_size);
}

FileRegolare::~FileRegolare() {
    if (fd_ >= 0) ::close(fd_);
}

bool FileRegolare::Leggi(void* dove, std::size_t n) {
    auto* p = static_cast<char*>(dove);
    while (n > 0 && fd_ >= 0) {
        const ssize_t k = ::read(fd_, p, n);
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) return false;
        p += k;
        n -= static_cast<std::size_t>(k);
    }
    return n == 0;
}

LetturaFile LeggiFileControllato(const fs::path& percorso, std::size_t limite) {
    LetturaFile r;
    FileRegolare f(percorso, limite);
    if (!f.aperto()) {
        r.mancante = f.mancante();
        r.errore = f.errore();
        return r;
    }
    auto troppoGrande = [&] {
        r.errore = "file troppo grande (piu' di " + std::to_string(limite) + " byte)";
        return r;
    };
    std::string testo;
    testo.resize(f.dimensione() + 1);
    std::size_t letti = 0;
    for (;;) {
        if (letti == testo.size()) {
            if (testo.size() > limite) return troppoGrande(); // it grew while read
            testo.resize(std::min(limite + 1, testo.size() * 2 + 4096));
        }
        const ssize_t n = ::read(f.fd(), testo.data() + letti, testo.size() - letti);
        if (n < 0) {
            if (errno == EINTR) continue;
            r.errore = "errore di lettura (" + Errno() + ")";
            return r;
        }
        if (n == 0) break;
        letti += static_cast<std::size_t>(n);
    }
    if (letti > limite) return troppoGrande();
    testo.resize(letti);
    r.testo = std::move(testo);
    return r;
}

std::optional<std::string> LeggiFile(const fs::path& percorso, std::string* errore) {
    LetturaFile l = LeggiFileControllato(percorso);
    if (!l.testo && errore) *errore = l.errore;
    return std::move(l.testo);
}

SalvataggioAtomico::~SalvataggioAtomico() { Annulla(); }

bool SalvataggioAtomico::Fallito(const fs::path& file) {
    errore_ = file.string() + ": " + Errno();
    fileFallito_ = file;
    return false;
}

namespace {
// Whether `percorso` is a regular file holding exactly `contenuto`.
bool UgualeA(const fs::path& percorso, std::string_view contenuto) {
    struct stat st {};
    if (::lstat(percorso.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<std::uintmax_t>(st.st_size) != contenuto.size())
        return false;
    FileRegolare f(percorso, contenuto.size());
    if (!f.aperto() || f.dimensione() != contenuto.size()) return false;
    std::string blocco(std::min<std::size_t>(contenuto.size(), 1u << 16), '\0');
    for (std::size_t letti = 0; letti < contenuto.size();) {
        const std::size_t n = std::min(blocco.size(), contenuto.size() - letti);
        if (!f.Leggi(blocco.data(), n) || contenuto.substr(letti, n) != std::string_view(blocco.data(), n))
            return false;
        letti += n;
    }
    char oltre = 0;
    return ::read(f.fd(), &oltre, 1) == 0;
}
} // namespace

bool SalvataggioAtomico::Prepara(const fs::path& percorso, std::string_view contenuto,
                                 bool* creato) {
    if (haCartella_ && cartella_ != percorso.parent_path()) {
        if (creato) *creato = false;
        errno = EINVAL;
        return Fallito(percorso);
    }
    haCartella_ = true;
    cartella_ = percorso.parent_path();
    if (UgualeA(percorso, contenuto)) {
        if (creato) *creato = true;
        return true;
    }
    const std::string temporaneo = ScriviTemporaneo(percorso, contenuto, ModoDi(percorso), creato);
    if (temporaneo.empty()) return Fallito(percorso);
    voci_.push_back({percorso, temporaneo, {}});
    return true;
}

bool SalvataggioAtomico::Conferma() {
    haCartella_ = false;
    if (voci_.empty()) return true;
    if (voci_.size() > 1) return ConfermaConGiornale();
    // One file: its rename is the whole transaction.
    const Voce v = voci_.front();
    if (!Rinomina(v.temporaneo, v.destinazione)) {
        Fallito(v.destinazione);
        Annulla();
        return false;
    }
    voci_.clear();
    SincronizzaCartella(v.destinazione.parent_path());
    return true;
}

bool SalvataggioAtomico::ConfermaConGiornale() {
    const fs::path cartella = voci_.front().destinazione.parent_path();
    // A journal of an earlier save that did not end is carried out (or
    // undone) first: dropping it would leave that save half made.
    if (Esiste(cartella / kFileGiornale)) {
        std::string perche;
        if (RecuperaGiornale(cartella, perche, nullptr) < 0) {
            errore_ = perche;
            fileFallito_ = cartella / kFileGiornale;
            Annulla();
            return false;
        }
    }
    // The files being replaced are kept under a second name until the save
    // is over, so that it can still be undone.
    for (auto& v : voci_) {
        struct stat st {};
        if (::lstat(v.destinazione.c_str(), &st) != 0) continue; // a new file
        if (!S_ISREG(st.st_mode)) {
            errno = EISDIR;
            Fallito(v.destinazione);
            Annulla();
            return false;
        }
        v.precedente = v.temporaneo.string() + std::string(kSuffissoPrecedente);
        if (Collega(v.destinazione, v.precedente)) continue;
        const int perche = errno;
        // A file system without hard links: a copy does the same.
        const auto vecchio = (perche == EPERM || perche == EXDEV || perche == EOPNOTSUPP ||
                              perche == EMLINK)
                                 ? LeggiFile(v.destinazione)
                                 : std::nullopt;
        if (!vecchio) {
            errno = perche;
            Fallito(v.destinazione);
            v.precedente.clear();
            Annulla();
            return false;
        }
        const std::string copia =
            ScriviTemporaneo(v.destinazione, *vecchio, ModoDi(v.destinazione), nullptr);
        if (copia.empty() || !Rinomina(copia, v.precedente)) {
            Fallito(v.destinazione);
            if (!copia.empty()) ::unlink(copia.c_str());
            v.precedente.clear();
            Annulla();
            return false;
        }
    }
    const auto giornale = VociGiornale(voci_);
    if (!SincronizzaCartella(cartella) || !ScriviGiornale(cartella, giornale, true)) {
        Fallito(cartella / kFileGiornale);
        Annulla();
        return false;
    }
    // The journal is in place: from here the save happens, now or at the
    // next start.
    for (std::size_t i = 0; i < voci_.size(); ++i) {
        if (Rinomina(voci_[i].temporaneo, voci_[i].destinazione)) continue;
        Fallito(voci_[i].destinazione);
        voci_.clear();
        // Undone when the journal can say so; otherwise finished if possible.
        if (ScriviGiornale(cartella, giornale, false)) {
            ApplicaGiornale(cartella, giornale, false, nullptr);
            return false;
        }
        return ApplicaGiornale(cartella, giornale, true, nullptr);
    }
    voci_.clear();
    // Left-overs of a failure from here on are removed at the next start.
    ApplicaGiornale(cartella, giornale, true, nullptr);
    return true;
}

void SalvataggioAtomico::Annulla() {
    haCartella_ = false;
    for (const auto& v : voci_) {
        Rimuovi(v.temporaneo);
        if (!v.precedente.empty()) Rimuovi(v.precedente);
    }
    voci_.clear();
}

bool ScriviFileAtomico(const fs::path& percorso, std::string_view contenuto) {
    SalvataggioAtomico s;
    return s.Prepara(percorso, contenuto) && s.Conferma();
}

EsitoRecupero RecuperaCartella(const fs::path& cartella) {
    EsitoRecupero r;
    bool avanti = true;
    const int esito = RecuperaGiornale(cartella, r.errore, &avanti);
    if (esito < 0) {
        r.ok = false;
        return r;
    }
    if (esito > 0) (avanti ? r.salvataggiCompletati : r.salvataggiAnnullati) = 1;
    std::error_code ec;
    for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
        const std::string nome = it->path().filename().string();
        if (!NomeTemporaneo(nome) || !it->is_regular_file(ec)) continue;
        if (Rimuovi(it->path()))
            ++r.temporaneiRimossi;
        else if (r.ok) {
            r.ok = false;
            r.errore = it->path().string() + ": impossibile rimuovere il file (" + Errno() + ")";
        }
    }
    if (r.temporaneiRimossi > 0) SincronizzaCartella(cartella);
    return r;
}

} // namespace veltra
