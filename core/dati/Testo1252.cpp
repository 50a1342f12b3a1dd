#include "dati/Testo1252.h"

#include <cstdint>

namespace veltra {
namespace {

// Code points of bytes 0x80..0x9F; the rest of the code page is Latin-1.
constexpr char16_t kAlti[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AggiungiCodice(std::string& s, char32_t c) {
    if (c < 0x80) {
        s.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        s.push_back(static_cast<char>(0xC0 | (c >> 6)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        s.push_back(static_cast<char>(0xE0 | (c >> 12)));
        s.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        s.push_back(static_cast<char>(0xF0 | (c >> 18)));
        s.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

int Byte1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (kAlti[i] == c) return 0x80 + i;
    return -1;
}

// Decodes one UTF-8 sequence at s[i]; returns its length, 0 when invalid.
std::size_t DecodificaUtf8(std::string_view s, std::size_t i, char32_t& c) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t n;
    if (b < 0x80) {
        c = b;
        return 1;
    } else if ((b & 0xE0) == 0xC0) {
        n = 2;
        c = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        n = 3;
        c = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        n = 4;
        c = b & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto x = static_cast<unsigned char>(s[i + k]);
        if ((x & 0xC0) != 0x80) return 0;
        c = (c << 6) | (x & 0x3F);
    }
    const char32_t minimo[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < minimo[n] || c > 0x10FFFF) return 0;
    return n;
}

} // namespace

bool Utf8Valido(std::string_view testo) {
    for (std::size_t i = 0; i < testo.size();) {
        char32_t c;
        const std::size_t n = DecodificaUtf8(testo, i, c);
        if (n == 0 || (c >= 0xD800 && c <= 0xDFFF)) return false;
        i += n;
    }
    return true;
}

std::string Da1252(std::string_view b) {
    std::string s;
    s.reserve(b.size());
    for (char ch : b) {
        const auto x = static_cast<unsigned char>(ch);
        AggiungiCodice(s, x >= 0x80 && x < 0xA0 ? kAlti[x - 0x80] : char32_t{x});
    }
    return s;
}

std::string A1252(std::string_view u) {
    std::string out;
    out.reserve(u.size());
    for (std::size_t i = 0; i < u.size();) {
        char32_t c;
        const std::size_t n = DecodificaUtf8(u, i, c);
        if (n == 0) {
            out.push_back(u[i]);
            ++i;
            continue;
        }
        const int b = Byte1252(c);
        out.push_back(b < 0 ? '?' : static_cast<char>(b));
        i += n;
    }
    return out;
}

std::size_t Lunghezza1252(std::string_view u) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < u.size(); ++n) {
        char32_t c;
        const std::size_t k = DecodificaUtf8(u, i, c);
        i += k == 0 ? 1 : k;
    }
    return n;
}

std::string DaUtf16(std::u16string_view u) {
    std::string s;
    for (std::size_t i = 0; i < u.size(); ++i) {
        char32_t c = u[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < u.size() && u[i + 1] >= 0xDC00 &&
            u[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (u[i + 1] - 0xDC00);
            ++i;
        }
        AggiungiCodice(s, Byte1252(c) < 0 ? U'?' : c);
    }
    return s;
}

} // namespace veltra
