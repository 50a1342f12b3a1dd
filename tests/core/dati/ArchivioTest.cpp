#include "dati/Archivio.h"
#include "dati/Testo1252.h"

#include <gtest/gtest.h>

#include <vector>

using namespace veltra;

namespace {

std::vector<std::uint8_t> Scrivi(std::string s) {
    Archivio ar;
    ar.stringa(s);
    return ar.dati();
}

std::string Leggi(const std::vector<std::uint8_t>& b) {
    Archivio ar(b);
    std::string s;
    ar.stringa(s);
    EXPECT_EQ(ar.restanti(), 0u);
    return s;
}

} // namespace

TEST(Archivio, CampiLittleEndianSenzaRiempimento) {
    Archivio ar;
    std::int16_t a = -2;
    std::int32_t b = 0x01020304;
    float f = 1.0f;
    char c = 'p';
    bool flag = true;
    ar.campo(c);
    ar.campo(a);
    ar.campo(b);
    ar.campo(f);
    ar.flag32(flag);
    const std::vector<std::uint8_t> atteso = {'p', 0xFE, 0xFF, 4, 3, 2, 1, 0, 0, 0x80, 0x3F,
                                              1,   0,    0,    0};
    EXPECT_EQ(ar.dati(), atteso);

    Archivio in(atteso);
    char c2 = 0;
    std::int16_t a2 = 0;
    std::int32_t b2 = 0;
    float f2 = 0;
    bool flag2 = false;
    in.campo(c2);
    in.campo(a2);
    in.campo(b2);
    in.campo(f2);
    in.flag32(flag2);
    EXPECT_EQ(c2, 'p');
    EXPECT_EQ(a2, -2);
    EXPECT_EQ(b2, 0x01020304);
    EXPECT_EQ(f2, 1.0f);
    EXPECT_TRUE(flag2);
}

TEST(Archivio, PrefissiDiLunghezzaNelleTreForme) {
    struct Caso {
        std::size_t n;
        std::vector<std::uint8_t> prefisso;
    };
    const Caso casi[] = {
        {0, {0}},
        {254, {254}},
        {255, {255, 255, 0}},
        {65533, {255, 0xFD, 0xFF}},
        {65534, {255, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0}},
        {70000, {255, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const auto& caso : casi) {
        const std::string s(caso.n, 'a');
        const auto b = Scrivi(s);
        ASSERT_EQ(b.size(), caso.prefisso.size() + caso.n) << caso.n;
        EXPECT_TRUE(std::equal(caso.prefisso.begin(), caso.prefisso.end(), b.begin())) << caso.n;
        EXPECT_EQ(Leggi(b), s) << caso.n;
    }
}

TEST(Archivio, StringheInWindows1252) {
    // "Città €" in UTF-8 is written with one byte per character.
    const auto b = Scrivi("Citt\xC3\xA0 \xE2\x82\xAC");
    const std::vector<std::uint8_t> atteso = {7, 'C', 'i', 't', 't', 0xE0, ' ', 0x80};
    EXPECT_EQ(b, atteso);
    EXPECT_EQ(Leggi(b), "Citt\xC3\xA0 \xE2\x82\xAC");
}

TEST(Archivio, StringaUtf16ConvertitaAOttoBit) {
    // 255, 0xFFFE announces UTF-16; then "à€Ω" (Ω is not in Windows-1252).
    const std::vector<std::uint8_t> b = {255, 0xFE, 0xFF, 3, 0xE0, 0, 0xAC, 0x20, 0xA9, 0x03};
    EXPECT_EQ(Leggi(b), "\xC3\xA0\xE2\x82\xAC?");
}

TEST(Archivio, OgniByteSopravviveAlGiroCompleto) {
    std::string tutti;
    for (int i = 1; i < 256; ++i) tutti.push_back(static_cast<char>(i));
    EXPECT_EQ(A1252(Da1252(tutti)), tutti);
    EXPECT_EQ(Lunghezza1252(Da1252(tutti)), tutti.size());
}

TEST(Archivio, LetturaOltreLaFineFallisceSenzaLeggere) {
    const std::vector<std::vector<std::uint8_t>> troncati = {
        {},                   // nothing at all
        {5, 'a', 'b'},        // string shorter than its prefix
        {255, 0x10},          // prefix itself truncated
        {255, 0xFE, 0xFF, 2, 'a', 0, 'b'}, // UTF-16 string cut in the middle
        {255, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE}, // 4 GB announced
    };
    for (const auto& b : troncati) {
        Archivio ar(b);
        std::string s;
        EXPECT_THROW(ar.stringa(s), ErroreArchivio);
    }
    const std::vector<std::uint8_t> corto = {1, 2, 3};
    Archivio ar(corto);
    std::int32_t x = 0;
    EXPECT_THROW(ar.campo(x), ErroreArchivio);
}

TEST(Archivio, ConteggiVerificatiPrimaDiAllocare) {
    // A count of 1000 elements of 4 bytes with 8 bytes left is refused, so is a negative one.
    std::vector<std::uint8_t> b = {0xE8, 0x03, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};
    Archivio ar(b);
    std::int32_t n = 0;
    EXPECT_THROW(ar.conteggio(n, 4), ErroreArchivio);
    b = {0xFF, 0xFF, 0xFF, 0xFF};
    Archivio ar2(b);
    EXPECT_THROW(ar2.conteggio(n, 1), ErroreArchivio);
    b = {2, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};
    Archivio ar3(b);
    ar3.conteggio(n, 4);
    EXPECT_EQ(n, 2);
}
