// The coupon-printing calibration as the configuration archive holds it.
#include "pools/ImpostazioniStampa.h"

#include "pools/RecordTestSupporto.h"

#include <gtest/gtest.h>

namespace veltra::test {
namespace {

TEST(RecordStampa, CinqueImpostazioniEIlCarattere) {
    ImpostazioniStampa nuove;
    EXPECT_EQ(Scrivi(nuove), Byte().i32(100).i32(100).i32(40).i32(60).i32(50).u8('X').dati());

    ImpostazioniStampa s{11, 22, 33, 44, 55, '*'};
    const auto b = Byte().i32(11).i32(22).i32(33).i32(44).i32(55).u8('*').dati();
    EXPECT_EQ(Scrivi(s), b);
    EXPECT_TRUE(Leggi<ImpostazioniStampa>(b) == s);
    VerificaAndataRitorno(s);
    VerificaTroncature(b, nuove);
}

TEST(RecordStampa, FinoAllaVersioneNQuattroImpostazioni) {
    const auto b = Byte().i32(11).i32(22).i32(33).i32(44).u8('#').dati();
    for (std::uint8_t v : {std::uint8_t{'n'}, std::uint8_t{'m'}, std::uint8_t{'a'}}) {
        ImpostazioniStampa s;
        LeggiSu(s, b, v);
        EXPECT_TRUE(s == (ImpostazioniStampa{11, 22, 33, 44, 1, '#'})) << v;
        VerificaTroncature(b, ImpostazioniStampa{}, v);
    }
    // From 'o' on the fifth is on file.
    ImpostazioniStampa s;
    EXPECT_THROW(LeggiSu(s, b, 'o'), ErroreArchivio);
}

} // namespace
} // namespace veltra::test
