// The coupon and its rows as the configuration archive holds them.
#include "pools/Schedina.h"

#include "pools/RecordTestSupporto.h"

#include <gtest/gtest.h>

namespace veltra::test {
namespace {

// A row with a distinct value in every field.
Partita RigaPiena(int i) {
    Partita p;
    p.campionato = static_cast<std::int16_t>(i % 19);
    p.squadraCasa = "Città" + std::to_string(i);
    p.squadraTrasferta = "Ospite" + std::to_string(i);
    p.prob1 = 0.5f + i * 0.01f;
    p.probX = 0.25f;
    p.prob2 = 0.34f;
    p.formaCasa = {'V', 'P', 'S', '-', 'V'};
    p.formaTrasferta = {'S', 'S', 'P', 'V', '-'};
    p.segni = {2, 0, -1};
    p.pronosticoAuto = "21";
    p.pronosticoManuale = i % 2 ? "X" : "-";
    return p;
}

Schedina SchedinaPiena() {
    Schedina s;
    s.schedinaAssente = 0;
    for (int i = 0; i < kRigheSchedina; ++i)
        s.partite[i] = RigaPiena(i);
    s.sistemaIniziale = 0;
    s.riduzioneMin = 1;
    s.riduzioneMax = 3;
    s.bonusSegno2 = 0.07f;
    for (int i = 0; i < 10; ++i)
        s.contatoriModifiche[i] = i * 3 + 1;
    s.probMinSegno = 0.3f;
    s.probMinFissa = 0.6f;
    s.colonnePerPagina = 8;
    return s;
}

// A new row as the fields give it, written by hand.
Byte RigaNuova(bool conForma = true) {
    Byte b;
    b.i16(-1).str("???????????????").str("???????????????").f32(-1).f32(-1).f32(-1);
    b.i16(-1).i16(-1).i16(-1).str("???").str("-");
    if (conForma) b.raw("----------");
    return b;
}

Byte CodaNuova(bool conColonnePerPagina = true) {
    Byte b;
    b.i16(1).i16(-1).i16(-1);
    for (int i = 0; i < 10; ++i)
        b.i32(0);
    b.f32(0.33f).f32(0.5f).f32(0.09f);
    if (conColonnePerPagina) b.i32(4);
    return b;
}

TEST(RecordSchedina, AndataRitornoConOgniCampoValorizzato) {
    VerificaAndataRitorno(RigaPiena(5));
    VerificaAndataRitorno(SchedinaPiena());
}

TEST(RecordSchedina, RigaScrittaCampoPerCampo) {
    Partita nuova;
    EXPECT_EQ(Scrivi(nuova), RigaNuova().dati());
    EXPECT_EQ(Scrivi(nuova).size(), 68u);

    Byte b;
    b.i16(7)
        .str("Citt\xE0"
             "3")
        .str("Ospite3")
        .f32(0.53f)
        .f32(0.25f)
        .f32(0.34f);
    b.i16(2).i16(0).i16(-1).str("21").str("X");
    b.raw("VSPSSP-VV-"); // home and away letters in turn
    Partita p = RigaPiena(3);
    p.campionato = 7;
    p.prob1 = 0.53f;
    EXPECT_EQ(Scrivi(p), b.dati());
    EXPECT_TRUE(Leggi<Partita>(b.dati()) == p);
}

TEST(RecordSchedina, SchedinaNuovaCampoPerCampo) {
    Byte b;
    b.i16(1);
    for (int i = 0; i < kRigheSchedina; ++i)
        b += RigaNuova();
    b += CodaNuova();
    Schedina nuova;
    EXPECT_EQ(Scrivi(nuova), b.dati());
    EXPECT_EQ(b.dati().size(), 1016u);
}

TEST(RecordSchedina, VersioniPrecedenti) {
    // Below 111 ('o'): 13 rows and no columns per page; up to 107 no form letters.
    struct Caso {
        std::uint8_t versione;
        bool forma;
    };
    for (const Caso c : {Caso{110, true}, Caso{108, true}, Caso{107, false}, Caso{'a', false}}) {
        Byte b;
        b.i16(0);
        for (int i = 0; i < kRigheSchedina - 1; ++i)
            b += RigaNuova(c.forma);
        b += CodaNuova(false);
        Schedina s = SchedinaPiena(); // the 14th row and the 8 columns must not survive
        LeggiSu(s, b.dati(), c.versione);
        Schedina attesa;
        attesa.schedinaAssente = 0;
        EXPECT_TRUE(s == attesa) << int(c.versione);
    }
    // Form letters present but the rows still 13.
    Byte b;
    b.i16(0);
    for (int i = 0; i < kRigheSchedina - 1; ++i)
        b += RigaNuova();
    b += CodaNuova(false);
    EXPECT_EQ(b.dati().size(), 1016u - 68 - 4);
    // One version later the same bytes lack a row: they are too short.
    Schedina s;
    EXPECT_THROW(LeggiSu(s, b.dati(), 111), ErroreArchivio);
}

TEST(RecordSchedina, FormaLettaSoloDopoLaVersione107) {
    Partita p = RigaPiena(1);
    const auto b = RigaNuova(false).dati();
    LeggiSu(p, b, 107);
    EXPECT_TRUE(p == Partita{});
}

TEST(RecordSchedina, TestiTagliatiAiCampiFissi) {
    // On reading and on writing: a name of 16 characters (one of them two
    // bytes in UTF-8) keeps 15, a prediction keeps 3.
    Byte b;
    b.i16(0)
        .str("Citt\xE0"
             "ABCDEFGHIJK")
        .str("Ospite")
        .f32(1)
        .f32(0)
        .f32(0);
    b.i16(0).i16(-1).i16(-1).str("1X2X").str("-").raw("----------");
    Partita p = Leggi<Partita>(b.dati());
    EXPECT_EQ(p.squadraCasa, "CittàABCDEFGHIJ");
    EXPECT_EQ(p.pronosticoAuto, "1X2");

    p.squadraTrasferta = "UnNomeMoltoPiuLungoDelCampo";
    p.pronosticoManuale = "X21X";
    const Partita riletta = Leggi<Partita>(Scrivi(p));
    EXPECT_EQ(riletta.squadraTrasferta, "UnNomeMoltoPiuL");
    EXPECT_EQ(riletta.pronosticoManuale, "X21");
}

TEST(RecordSchedina, ValoriImpossibiliRifiutati) {
    struct Caso {
        const char* nome;
        std::size_t posizione; // offset of an int16 or int32 field in a written coupon
        std::int32_t valore;
        int larghezza;
    };
    // Offsets in a coupon of new rows: the flag (2), then 68 bytes a row.
    const std::size_t riga0 = 2, coda = 2 + 68 * 14;
    const Caso casi[] = {
        {"campionato 19", riga0, 19, 2},
        {"campionato -2", riga0, -2, 2},
        {"segno 3", riga0 + 2 + 32 + 12, 3, 2},
        {"segno -2", riga0 + 2 + 32 + 12 + 4, -2, 2},
        {"riduzione 0,0", coda + 2, 0, 4}, // min and max together
        {"riduzione 2,1", coda + 2, 0x00010002, 4},
        {"riduzione -1,-2", coda + 2, static_cast<std::int32_t>(0xFFFEFFFF), 4},
        {"riduzione 0,15", coda + 2, 0x000F0000, 4},
        {"colonne per pagina 0", coda + 6 + 40 + 12, 0, 4},
        {"colonne per pagina 5", coda + 6 + 40 + 12, 5, 4},
    };
    Schedina nuova;
    const Schedina destinazione = SchedinaPiena();
    for (const Caso& c : casi) {
        auto b = Scrivi(nuova);
        for (int i = 0; i < c.larghezza; ++i)
            b[c.posizione + i] = static_cast<std::uint8_t>(c.valore >> (8 * i));
        SCOPED_TRACE(c.nome);
        VerificaRifiuto(b, destinazione);
    }
    // The accepted reductions.
    for (auto [e, f] : {std::pair{-1, -1}, {-2, -2}, {0, 1}, {0, 14}, {3, 5}}) {
        Schedina s;
        s.riduzioneMin = static_cast<std::int16_t>(e);
        s.riduzioneMax = static_cast<std::int16_t>(f);
        VerificaAndataRitorno(s);
    }
}

TEST(RecordSchedina, TroncaturaInOgniPunto) {
    Schedina s = SchedinaPiena();
    VerificaTroncature(Scrivi(s), Schedina{});
    VerificaTroncature(Scrivi(s, 110), SchedinaPiena(), 110);
}

} // namespace
} // namespace veltra::test
