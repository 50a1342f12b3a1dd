#include "dati/Archivio.h"

#include "dati/Testo1252.h"

#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little,
              "the archive layout is little-endian and fields are copied as they are");

namespace veltra {

Archivio::Archivio() : scrittura_(true) {}

Archivio::Archivio(std::span<const std::uint8_t> dati) : scrittura_(false), letti_(dati) {}

void Archivio::blocco(void* dati, std::size_t n) {
    if (scrittura_) {
        const auto* p = static_cast<const std::uint8_t*>(dati);
        scritti_.insert(scritti_.end(), p, p + n);
        return;
    }
    if (n > restanti()) throw ErroreArchivio("archivio troncato");
    if (n > 0) std::memcpy(dati, letti_.data() + pos_, n);
    pos_ += n;
}

void Archivio::flag32(bool& v) {
    std::int32_t x = v ? 1 : 0;
    campo(x);
    v = x != 0;
}

void Archivio::flag8(bool& v) {
    std::uint8_t x = v ? 1 : 0;
    campo(x);
    v = x != 0;
}

void Archivio::verificaConteggio(std::int64_t n, std::size_t minimoByte) const {
    if (n < 0) throw ErroreArchivio("conteggio negativo");
    if (minimoByte > 0 && static_cast<std::uint64_t>(n) > restanti() / minimoByte)
        throw ErroreArchivio("conteggio oltre la fine dell'archivio");
}

void Archivio::conteggio(std::int32_t& n, std::size_t minimoByte) {
    campo(n);
    if (!scrittura_) verificaConteggio(n, minimoByte);
}

void Archivio::conteggio(std::int16_t& n, std::size_t minimoByte) {
    campo(n);
    if (!scrittura_) verificaConteggio(n, minimoByte);
}

std::uint64_t Archivio::leggiLunghezza(bool& utf16) {
    utf16 = false;
    std::uint8_t b = 0;
    campo(b);
    if (b < 0xFF) return b;
    std::uint16_t w = 0;
    campo(w);
    if (w == 0xFFFE) {
        utf16 = true;
        return 0;
    }
    if (w < 0xFFFF) return w;
    std::uint32_t d = 0;
    campo(d);
    return d;
}

void Archivio::scriviLunghezza(std::uint64_t n) {
    if (n < 0xFF) {
        std::uint8_t b = static_cast<std::uint8_t>(n);
        campo(b);
    } else if (n < 0xFFFE) {
        std::uint8_t b = 0xFF;
        std::uint16_t w = static_cast<std::uint16_t>(n);
        campo(b);
        campo(w);
    } else {
        if (n > 0xFFFFFFFEull) throw ErroreArchivio("stringa troppo lunga");
        std::uint8_t b = 0xFF;
        std::uint16_t w = 0xFFFF;
        std::uint32_t d = static_cast<std::uint32_t>(n);
        campo(b);
        campo(w);
        campo(d);
    }
}

void Archivio::stringa(std::string& utf8) {
    if (scrittura_) {
        const std::string b = A1252(utf8);
        scriviLunghezza(b.size());
        scritti_.insert(scritti_.end(), b.begin(), b.end());
        return;
    }
    bool utf16 = false;
    std::uint64_t n = leggiLunghezza(utf16);
    if (utf16) {
        // A UTF-16 string: a second length prefix, then two bytes a character.
        n = leggiLunghezza(utf16);
        if (utf16 || n > restanti() / 2) throw ErroreArchivio("stringa UTF-16 non valida");
        std::u16string u(n, u'\0');
        for (auto& c : u) {
            std::uint16_t x = 0;
            campo(x);
            c = static_cast<char16_t>(x);
        }
        utf8 = DaUtf16(u);
        return;
    }
    if (n > restanti()) throw ErroreArchivio("stringa oltre la fine dell'archivio");
    utf8 = Da1252(std::string_view(reinterpret_cast<const char*>(letti_.data() + pos_), n));
    pos_ += n;
}

void Archivio::stringa(std::string& utf8, std::size_t massimo) {
    auto taglia = [massimo](const std::string& s) {
        return Lunghezza1252(s) <= massimo ? s : Da1252(A1252(s).substr(0, massimo));
    };
    if (scrittura_) {
        std::string t = taglia(utf8);
        stringa(t);
    } else {
        stringa(utf8);
        utf8 = taglia(utf8);
    }
}

} // namespace veltra
