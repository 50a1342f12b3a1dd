#pragma once
// Helpers for the tests of persisted records: bytes built by hand field by
// field, and the round trip and truncation checks every record must pass.
#include "dati/Archivio.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

namespace veltra::test {

// Little-endian bytes written by hand, independent of the program's writer.
class Byte {
public:
    Byte& u8(std::uint8_t v) {
        b_.push_back(v);
        return *this;
    }
    Byte& i16(std::int16_t v) { return intero(static_cast<std::uint16_t>(v), 2); }
    Byte& i32(std::int32_t v) { return intero(static_cast<std::uint32_t>(v), 4); }
    Byte& f32(float v) {
        std::uint32_t x;
        std::memcpy(&x, &v, 4);
        return intero(x, 4);
    }
    Byte& f64(double v) {
        std::uint64_t x;
        std::memcpy(&x, &v, 8);
        return intero(x, 8);
    }
    // A short string already in Windows-1252: one length byte, then its bytes.
    Byte& str(std::string_view s) {
        u8(static_cast<std::uint8_t>(s.size()));
        b_.insert(b_.end(), s.begin(), s.end());
        return *this;
    }
    Byte& raw(std::string_view s) {
        b_.insert(b_.end(), s.begin(), s.end());
        return *this;
    }
    Byte& operator+=(const Byte& altro) {
        b_.insert(b_.end(), altro.b_.begin(), altro.b_.end());
        return *this;
    }
    const std::vector<std::uint8_t>& dati() const { return b_; }

private:
    Byte& intero(std::uint64_t v, int n) {
        for (int i = 0; i < n; ++i)
            b_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    std::vector<std::uint8_t> b_;
};

template <typename T> std::vector<std::uint8_t> Scrivi(const T& r, std::uint8_t versione = 'p') {
    Archivio ar;
    ar.impostaVersione(versione);
    T copia = r; // Serializza reads or writes, so it is not const
    copia.Serializza(ar);
    return ar.dati();
}

// Reads the whole of `b` over `r`; the bytes must all be used.
template <typename T>
void LeggiSu(T& r, const std::vector<std::uint8_t>& b, std::uint8_t versione = 'p') {
    Archivio ar(b);
    ar.impostaVersione(versione);
    r.Serializza(ar);
    EXPECT_EQ(ar.restanti(), 0u);
}

template <typename T> T Leggi(const std::vector<std::uint8_t>& b, std::uint8_t versione = 'p') {
    T r;
    LeggiSu(r, b, versione);
    return r;
}

// Written, read into a new record, equal; written again, the same bytes.
template <typename T> void VerificaAndataRitorno(T r, std::uint8_t versione = 'p') {
    const auto b = Scrivi(r, versione);
    T letto = Leggi<T>(b, versione);
    EXPECT_TRUE(letto == r);
    EXPECT_EQ(Scrivi(letto, versione), b);
}

// Every prefix of `b` cut at one of `tagli` fails with ErroreArchivio and
// leaves the record it was read over as it was.
template <typename T>
void VerificaTroncature(const std::vector<std::uint8_t>& b, const T& destinazione,
                        std::uint8_t versione, const std::vector<std::size_t>& tagli) {
    for (std::size_t taglio : tagli) {
        ASSERT_LT(taglio, b.size());
        Archivio ar(std::span(b.data(), taglio));
        ar.impostaVersione(versione);
        T r = destinazione;
        EXPECT_THROW(r.Serializza(ar), ErroreArchivio) << "taglio a " << taglio;
        EXPECT_TRUE(r == destinazione) << "taglio a " << taglio;
        if (::testing::Test::HasFailure()) return;
    }
}

// The same at every proper prefix.
template <typename T>
void VerificaTroncature(const std::vector<std::uint8_t>& b, const T& destinazione,
                        std::uint8_t versione = 'p') {
    std::vector<std::size_t> tagli(b.size());
    for (std::size_t i = 0; i < tagli.size(); ++i)
        tagli[i] = i;
    VerificaTroncature(b, destinazione, versione, tagli);
}

// Reading `b` is refused and leaves the record as it was.
template <typename T>
void VerificaRifiuto(const std::vector<std::uint8_t>& b, const T& destinazione,
                     std::uint8_t versione = 'p') {
    Archivio ar(b);
    ar.impostaVersione(versione);
    T r = destinazione;
    EXPECT_THROW(r.Serializza(ar), ErroreArchivio);
    EXPECT_TRUE(r == destinazione);
}

} // namespace veltra::test
