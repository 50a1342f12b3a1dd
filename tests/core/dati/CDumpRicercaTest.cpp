// The saved parameter search as the configuration archive holds it: the
// layout depends on the kind of search.
#include "dati/CDumpRicerca.h"

#include "pools/RecordTestSupporto.h"

#include <gtest/gtest.h>

namespace veltra::test {
namespace {

// The default advanced parameters, field by field.
Byte PunteggiNuovi() {
    Byte b;
    for (float f : {0.5f, -0.5f, 0.5f, -0.5f, -1.0f, 2.0f, -4.0f, -2.0f})
        b.f32(f);
    for (int i = 0; i < 3; ++i)
        b.f32(0).f32(1).f32(-1).f32(0).f32(-2).f32(-1);
    b.f32(1).f32(1).i32(6).i32(1);
    return b;
}

CPunteggiAvanzati Punteggi(float base) {
    CPunteggiAvanzati p;
    p.modificaAltaCasa = base;
    for (int i = 0; i < 18; ++i)
        p.punti[i] = base + static_cast<float>(i);
    p.campionatiInclusi = 3;
    p.separaCasaTrasferta = false;
    return p;
}

CDumpRicerca DumpPieno(std::int16_t tipo) {
    CDumpRicerca d;
    d.tipo = tipo;
    d.giornate = 4;
    d.limiti = {-3, 1, -2, 2};
    d.punteggi = Punteggi(0.25f);
    d.percentuali = {100, 80, 60, 40, 0};
    d.passo = 3;
    d.utilizzoMinimo = 75;
    d.ripresa = 17;
    d.ripresaSecondo = 9;
    d.ampiezza = 30;
    for (int i = 0; i < kAnalisiTrovate; ++i) {
        const auto k = static_cast<std::int16_t>(i);
        d.trovatePercentuali[i] = {0.6f - i * 0.01f, {100, k, 50, 0, 0}};
        d.trovateAvanzate[i] = {
            0.5f + i * 0.01f, Punteggi(i * 0.5f), {static_cast<std::int16_t>(-k), k, -1, 1}};
    }
    return d;
}

TEST(CDumpRicerca, AndataRitornoDiOgniTipo) {
    // Only the fields of the written kind are on file.
    CDumpRicerca percentuali = DumpPieno(CDumpRicerca::kPercentuali);
    percentuali.utilizzoMinimo = 0;
    percentuali.trovateAvanzate = CDumpRicerca{}.trovateAvanzate;
    VerificaAndataRitorno(percentuali);

    CDumpRicerca avanzata = DumpPieno(CDumpRicerca::kAvanzata);
    avanzata.passo = avanzata.ripresa = avanzata.ripresaSecondo = avanzata.ampiezza = 0;
    avanzata.trovatePercentuali = CDumpRicerca{}.trovatePercentuali;
    VerificaAndataRitorno(avanzata);
}

TEST(CDumpRicerca, NuovoCampoPerCampo) {
    Byte b;
    for (int i = 0; i < 11; ++i)
        b.i16(0); // kind, matchdays, limits, percentages
    b.i16(0);     // utilizzoMinimo
    b += PunteggiNuovi();
    for (int i = 0; i < kAnalisiTrovate; ++i) {
        b.f32(-1).i16(0).i16(0).i16(0).i16(0);
        b += PunteggiNuovi();
    }
    EXPECT_EQ(Scrivi(CDumpRicerca{}), b.dati());
    EXPECT_EQ(b.dati().size(), 1464u);
}

TEST(CDumpRicerca, RicercaSullePercentualiCampoPerCampo) {
    CDumpRicerca d;
    d.tipo = 1;
    d.giornate = 3;
    d.limiti = {-2, -1, -3, 4};
    d.percentuali = {100, 90, 80, 0, 0};
    d.passo = 2;
    d.ripresa = 40;
    d.ripresaSecondo = 11;
    d.ampiezza = 20;
    for (int i = 0; i < kAnalisiTrovate; ++i)
        d.trovatePercentuali[i] = {0.5f, {static_cast<std::int16_t>(i), 7, 6, 5, 4}};

    Byte b;
    b.i16(1).i16(3).i16(-2).i16(-1).i16(-3).i16(4).i16(100).i16(90).i16(80).i16(0).i16(0);
    b.i16(2).i16(40);
    b += PunteggiNuovi();
    b.i16(11).i16(20);
    for (int i = 0; i < kAnalisiTrovate; ++i)
        b.f32(0.5f).i16(i).i16(7).i16(6).i16(5).i16(4);
    EXPECT_EQ(Scrivi(d), b.dati());
    EXPECT_EQ(b.dati().size(), 290u);
    EXPECT_TRUE(Leggi<CDumpRicerca>(b.dati()) == d);
}

TEST(CDumpRicerca, LaLetturaLasciaICampiDellAltroTipo) {
    const CDumpRicerca prima = DumpPieno(CDumpRicerca::kAvanzata);
    CDumpRicerca scritto;
    scritto.tipo = CDumpRicerca::kPercentuali;
    scritto.passo = 1;
    CDumpRicerca d = prima;
    LeggiSu(d, Scrivi(scritto));
    EXPECT_EQ(d.utilizzoMinimo, prima.utilizzoMinimo);
    EXPECT_TRUE(d.trovateAvanzate == prima.trovateAvanzate);
    EXPECT_TRUE(d.trovatePercentuali == scritto.trovatePercentuali);
    EXPECT_EQ(d.passo, 1);
}

TEST(CDumpRicerca, ValoriImpossibiliRifiutati) {
    struct Caso {
        std::int16_t tipo, giornate, passo;
    };
    const Caso casi[] = {{2, 2, 1}, {-1, 2, 1}, {0, 6, 1}, {1, -1, 1},
                         {1, 2, 0}, {1, 2, 11}, {1, 2, -5}};
    const CDumpRicerca destinazione = DumpPieno(CDumpRicerca::kAvanzata);
    for (const Caso& c : casi) {
        CDumpRicerca d;
        d.tipo = 1; // the longer layout, so a refused kind 2 still has its bytes
        d.passo = c.passo;
        auto b = Scrivi(d);
        b[0] = static_cast<std::uint8_t>(c.tipo);
        b[1] = static_cast<std::uint8_t>(c.tipo >> 8);
        b[2] = static_cast<std::uint8_t>(c.giornate);
        b[3] = static_cast<std::uint8_t>(c.giornate >> 8);
        SCOPED_TRACE(testing::Message() << c.tipo << " " << c.giornate << " " << c.passo);
        VerificaRifiuto(b, destinazione);
    }
}

TEST(CDumpRicerca, TroncaturaInOgniPunto) {
    const CDumpRicerca destinazione = DumpPieno(CDumpRicerca::kPercentuali);
    VerificaTroncature(Scrivi(DumpPieno(CDumpRicerca::kAvanzata)), destinazione);
    VerificaTroncature(Scrivi(DumpPieno(CDumpRicerca::kPercentuali)), CDumpRicerca{});
}

} // namespace
} // namespace veltra::test
