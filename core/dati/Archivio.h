#pragma once
// The binary archive every persisted record is written to and read from:
// little-endian fields, no padding, no tags, strings with a length prefix in
// Windows-1252. A record has one routine, Serializza(Archivio&), that reads
// or writes its fields in one fixed order, so the same code defines both
// directions of the layout.
//
// Reading treats the bytes as untrusted: every field checks that the archive
// still holds it, and counts are checked against what is left before anything
// is allocated. A failure throws ErroreArchivio; the caller reports it with its
// own message.
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

namespace veltra {

class ErroreArchivio : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Archivio {
public:
    // An archive that collects written bytes.
    Archivio();
    // An archive that reads the given bytes; they must outlive the archive.
    explicit Archivio(std::span<const std::uint8_t> dati);

    bool inScrittura() const { return scrittura_; }
    // The data version of the configuration archive being read ('p' when
    // writing): records compare it with letters to know whether an older file
    // lacks a field. The reader sets it once it has read the version byte.
    std::uint8_t versione() const { return versione_; }
    void impostaVersione(std::uint8_t v) { versione_ = v; }
    bool inLettura() const { return !scrittura_; }

    // Fixed-width fields: char, int8/uint8, int16/uint16, int32/uint32, float, double.
    template <typename T> void campo(T& v) {
        static_assert(std::is_arithmetic_v<T> && !std::is_same_v<T, bool> &&
                      (sizeof(T) == 1 || sizeof(T) == 2 || sizeof(T) == 4 || sizeof(T) == 8));
        blocco(&v, sizeof(T)); // the build is little-endian, as the files are
    }
    template <typename T, std::size_t N> void campi(T (&v)[N]) {
        for (auto& x : v) campo(x);
    }

    // A boolean declared as a full-width flag: int32 0 or 1 (any non-zero reads as true).
    void flag32(bool& v);
    // A boolean stored in one byte.
    void flag8(bool& v);

    // A string, UTF-8 in memory.
    void stringa(std::string& utf8);
    // A string of a fixed-width field: cut to `massimo` characters of the
    // files' code page, both when written and when read.
    void stringa(std::string& utf8, std::size_t massimo);

    // A block copied byte for byte.
    void blocco(void* dati, std::size_t n);

    // A count of elements of at least `minimoByte` bytes each. On reading it must
    // be non-negative and the archive must still hold that many elements.
    void conteggio(std::int32_t& n, std::size_t minimoByte);
    void conteggio(std::int16_t& n, std::size_t minimoByte);

    // Reading: bytes not yet read. Writing: 0.
    std::size_t restanti() const { return scrittura_ ? 0 : letti_.size() - pos_; }
    std::size_t posizione() const { return scrittura_ ? scritti_.size() : pos_; }
    const std::vector<std::uint8_t>& dati() const { return scritti_; }

private:
    void verificaConteggio(std::int64_t n, std::size_t minimoByte) const;
    // Reads a length prefix; `utf16` tells the prefix announced a UTF-16 string.
    std::uint64_t leggiLunghezza(bool& utf16);
    void scriviLunghezza(std::uint64_t n);

    bool scrittura_;
    std::uint8_t versione_ = 'p';
    std::vector<std::uint8_t> scritti_;
    std::span<const std::uint8_t> letti_;
    std::size_t pos_ = 0;
};

} // namespace veltra
