#include "net/servizio/ArchivioRicevute.h"

#include "dati/FileAtomico.h"

#include <sqlite3.h>

#include <algorithm>

namespace veltra {
namespace fs = std::filesystem;

namespace {

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS analisi ("
    " id INTEGER PRIMARY KEY,"
    " ricevuta TEXT NOT NULL,"
    " indirizzo TEXT NOT NULL,"
    " autore TEXT NOT NULL,"
    " campionato INTEGER NOT NULL CHECK (campionato BETWEEN 0 AND 18),"
    " campi TEXT NOT NULL,"
    " precisione REAL,"
    " proposta INTEGER NOT NULL DEFAULT 0,"
    " origine TEXT UNIQUE)"; // the file of an older store it came from

// A prepared statement, finalised whatever happens.
class Istruzione {
public:
    Istruzione(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &s_, nullptr); }
    ~Istruzione() { sqlite3_finalize(s_); }
    Istruzione(const Istruzione&) = delete;
    Istruzione& operator=(const Istruzione&) = delete;
    sqlite3_stmt* operator*() const { return s_; }
    explicit operator bool() const { return s_ != nullptr; }

private:
    sqlite3_stmt* s_ = nullptr;
};

void Testo(sqlite3_stmt* s, int i, const std::string& t) {
    sqlite3_bind_text(s, i, t.c_str(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
}

std::string Colonna(sqlite3_stmt* s, int i) {
    const auto* t = sqlite3_column_text(s, i);
    return t ? reinterpret_cast<const char*>(t) : "";
}

} // namespace

ArchivioRicevute::~ArchivioRicevute() {
    if (db_) sqlite3_close_v2(db_);
}

bool ArchivioRicevute::Esegui(const char* sql, std::string* errore) {
    char* msg = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &msg) == SQLITE_OK) return true;
    if (errore) *errore = std::string("archivio delle analisi: ") + (msg ? msg : sqlite3_errmsg(db_));
    sqlite3_free(msg);
    return false;
}

bool ArchivioRicevute::Apri(const fs::path& cartella, std::string* errore) {
    std::lock_guard<std::mutex> l(m_);
    const fs::path file = cartella / kFileArchivioRicevute;
    if (sqlite3_open_v2(file.c_str(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                        nullptr) != SQLITE_OK) {
        if (errore)
            *errore = "impossibile aprire " + file.string() + ": " +
                      (db_ ? sqlite3_errmsg(db_) : "memoria insufficiente");
        if (db_) sqlite3_close_v2(db_);
        db_ = nullptr;
        return false;
    }
    // Another process writing at the same moment waits instead of failing.
    sqlite3_busy_timeout(db_, 10000);
    if (!Esegui("PRAGMA journal_mode=WAL", errore) || !Esegui("PRAGMA synchronous=FULL", errore) ||
        !Esegui(kSchema, errore))
        return false;
    // A damaged file is refused rather than written further.
    {
        Istruzione s(db_, "PRAGMA quick_check");
        if (!s || sqlite3_step(*s) != SQLITE_ROW || Colonna(*s, 0) != "ok") {
            if (errore) *errore = "l'archivio " + file.string() + " e' danneggiato";
            return false;
        }
    }
    return Importa(cartella, errore);
}

bool ArchivioRicevute::Importa(const fs::path& cartella, std::string* errore) {
    const fs::path vecchia = cartella / "ricevute";
    std::error_code ec;
    if (!fs::is_directory(vecchia, ec)) return true;
    // Each file: "autore NAME" then "-2" and the 46 fields; the name begins
    // with the date and time it was received ("aaaammgg-hhmmss-...").
    std::vector<fs::path> file;
    for (const auto& f : fs::directory_iterator(vecchia, ec))
        if (f.path().extension() == ".txt" && f.path().filename().string().rfind("migliore", 0) != 0)
            file.push_back(f.path());
    std::sort(file.begin(), file.end());
    if (!Esegui("BEGIN IMMEDIATE", errore)) return false;
    Istruzione ins(db_, "INSERT OR IGNORE INTO analisi (ricevuta, indirizzo, autore, campionato, "
                        "campi, origine) VALUES (?, '', ?, ?, ?, ?)");
    int importate = 0;
    for (const fs::path& f : file) {
        const auto letto = LeggiFileControllato(f, 64 * 1024);
        if (!letto.testo) continue;
        const std::string& t = *letto.testo;
        const auto a = t.find('\n');
        if (t.rfind("autore ", 0) != 0 || a == std::string::npos || t.compare(a + 1, 3, "-2 ") != 0)
            continue; // not a file of the store: left where it is
        std::string campi = t.substr(a + 4);
        while (!campi.empty() && (campi.back() == '\n' || campi.back() == '\r')) campi.pop_back();
        const int campionato = std::atoi(campi.c_str());
        if (campionato < 0 || campionato > 18) continue;
        const std::string nome = f.filename().string();
        std::string data = "?";
        if (nome.size() >= 15)
            data = nome.substr(0, 4) + "-" + nome.substr(4, 2) + "-" + nome.substr(6, 2) + " " +
                   nome.substr(9, 2) + ":" + nome.substr(11, 2) + ":" + nome.substr(13, 2);
        sqlite3_reset(*ins);
        Testo(*ins, 1, data);
        Testo(*ins, 2, t.substr(7, a - 7));
        sqlite3_bind_int(*ins, 3, campionato);
        Testo(*ins, 4, campi);
        Testo(*ins, 5, nome);
        if (sqlite3_step(*ins) != SQLITE_DONE) {
            if (errore) *errore = std::string("importazione di ") + nome + ": " + sqlite3_errmsg(db_);
            Esegui("ROLLBACK", nullptr);
            return false;
        }
        importate += sqlite3_changes(db_);
    }
    if (!Esegui("COMMIT", errore)) {
        Esegui("ROLLBACK", nullptr);
        return false;
    }
    importate_ = importate;
    // Taken in: the folder is kept aside, whole.
    fs::path destinazione = cartella / kCartellaRicevuteImportate;
    for (int k = 2; fs::exists(destinazione, ec); ++k)
        destinazione = cartella / (std::string(kCartellaRicevuteImportate) + "-" + std::to_string(k));
    fs::rename(vecchia, destinazione, ec);
    if (ec && errore) *errore = "cartella " + vecchia.string() + " non rinominata: " + ec.message();
    return !ec;
}

bool ArchivioRicevute::Aggiungi(const std::vector<AnalisiConservata>& analisi, long massimo,
                                bool* pieno, std::string* errore) {
    std::lock_guard<std::mutex> l(m_);
    if (pieno) *pieno = false;
    if (!db_) {
        if (errore) *errore = "archivio delle analisi non aperto";
        return false;
    }
    if (!Esegui("BEGIN IMMEDIATE", errore)) return false;
    auto annulla = [&](std::string perche) {
        Esegui("ROLLBACK", nullptr);
        if (errore) *errore = std::move(perche);
        return false;
    };
    {
        Istruzione conta(db_, "SELECT COUNT(*) FROM analisi");
        if (!conta || sqlite3_step(*conta) != SQLITE_ROW) return annulla(sqlite3_errmsg(db_));
        if (sqlite3_column_int64(*conta, 0) + static_cast<long>(analisi.size()) > massimo) {
            if (pieno) *pieno = true;
            return annulla("archivio pieno");
        }
        Istruzione ins(db_, "INSERT INTO analisi (ricevuta, indirizzo, autore, campionato, campi, "
                            "precisione, proposta) VALUES (?, ?, ?, ?, ?, ?, ?)");
        if (!ins) return annulla(sqlite3_errmsg(db_));
        for (const AnalisiConservata& a : analisi) {
            sqlite3_reset(*ins);
            Testo(*ins, 1, a.ricevuta);
            Testo(*ins, 2, a.indirizzo);
            Testo(*ins, 3, a.autore);
            sqlite3_bind_int(*ins, 4, a.campionato);
            Testo(*ins, 5, a.campi);
            if (a.precisione)
                sqlite3_bind_double(*ins, 6, *a.precisione);
            else
                sqlite3_bind_null(*ins, 6);
            sqlite3_bind_int(*ins, 7, a.proposta ? 1 : 0);
            if (sqlite3_step(*ins) != SQLITE_DONE) return annulla(sqlite3_errmsg(db_));
        }
    }
    if (!Esegui("COMMIT", errore)) {
        Esegui("ROLLBACK", nullptr);
        return false;
    }
    return true;
}

long ArchivioRicevute::Numero() {
    std::lock_guard<std::mutex> l(m_);
    if (!db_) return 0;
    Istruzione s(db_, "SELECT COUNT(*) FROM analisi");
    return s && sqlite3_step(*s) == SQLITE_ROW ? static_cast<long>(sqlite3_column_int64(*s, 0)) : 0;
}

std::vector<AnalisiConservata> ArchivioRicevute::Tutte() {
    std::lock_guard<std::mutex> l(m_);
    std::vector<AnalisiConservata> r;
    if (!db_) return r;
    Istruzione s(db_, "SELECT ricevuta, indirizzo, autore, campionato, campi, precisione, proposta "
                      "FROM analisi ORDER BY id");
    while (s && sqlite3_step(*s) == SQLITE_ROW) {
        AnalisiConservata a;
        a.ricevuta = Colonna(*s, 0);
        a.indirizzo = Colonna(*s, 1);
        a.autore = Colonna(*s, 2);
        a.campionato = sqlite3_column_int(*s, 3);
        a.campi = Colonna(*s, 4);
        if (sqlite3_column_type(*s, 5) != SQLITE_NULL) a.precisione = sqlite3_column_double(*s, 5);
        a.proposta = sqlite3_column_int(*s, 6) != 0;
        r.push_back(std::move(a));
    }
    return r;
}

} // namespace veltra
