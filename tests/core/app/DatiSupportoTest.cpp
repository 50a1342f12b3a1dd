#include "app/DatiSupporto.h"
#include "app/DatiGlobali.h"
#include "dati/PosizioneFinestra.h"

#include "Supporto.h"

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

TEST(DatiSupporto, CinqueRigheScritteERilette) {
    CartellaTemporanea dir;
    DatiGlobali d;
    d.prossimoIdStrategia = 42;
    d.indiceSuggerimento = 7;
    d.suggerimentoStart = "NO";
    d.impostazioneAU = "abc def";
    d.contatoreSalvataggi = 1234;
    ASSERT_TRUE(ScriviDatiSupporto(dir.percorso(), d));
    EXPECT_EQ(LeggiTesto(dir / "Cfg2.VLT"), "42\n7\nNO\nabc def\n1234\n");
    DatiGlobali letti;
    LeggiDatiSupporto(dir.percorso(), letti);
    EXPECT_EQ(letti.prossimoIdStrategia, 42);
    EXPECT_EQ(letti.indiceSuggerimento, 7);
    EXPECT_EQ(letti.suggerimentoStart, "NO");
    EXPECT_EQ(letti.impostazioneAU, "abc def");
    EXPECT_EQ(letti.contatoreSalvataggi, 1234);
}

TEST(DatiSupporto, FileMancanteCortoOStrano) {
    CartellaTemporanea dir;
    DatiGlobali d;
    LeggiDatiSupporto(dir.percorso(), d); // missing: defaults, no error
    EXPECT_EQ(d.suggerimentoStart, "SI");
    EXPECT_EQ(d.impostazioneAU, "?");
    EXPECT_EQ(d.prossimoIdStrategia, 0);
    // Two lines only, numbers read as atol reads them, Windows line ends.
    LeggiTestoDatiSupporto("  12abc\r\nxyz\r\n", d);
    EXPECT_EQ(d.prossimoIdStrategia, 12);
    EXPECT_EQ(d.indiceSuggerimento, 0);
    EXPECT_EQ(d.suggerimentoStart, "SI");
    EXPECT_EQ(Atol("-5"), -5);
    EXPECT_EQ(Atol("99999999999"), 2147483647);
}

TEST(DatiSupporto, ImpostazioniPerNome) {
    DatiGlobali d;
    EXPECT_EQ(LeggiImpostazione(d, "SuggerimentoStart"), "SI");
    EXPECT_EQ(LeggiImpostazione(d, "AU"), "?");
    EXPECT_TRUE(ScriviImpostazione(d, "IndexSuggerimento", "15"));
    EXPECT_EQ(d.indiceSuggerimento, 15);
    EXPECT_EQ(LeggiImpostazione(d, "IndexSuggerimento"), "15");
    EXPECT_FALSE(ScriviImpostazione(d, "Altro", "x"));
    EXPECT_EQ(LeggiImpostazione(d, "Altro"), std::nullopt);
}

TEST(PosizioneFinestra, QuarantaquattroByteEIDueErrori) {
    CartellaTemporanea dir;
    EXPECT_EQ(LeggiPosizioneFinestra(dir.percorso()).errore,
              "Errore nell'apertura del file della posizione d'apertura della finestra "
              "principale di VELTRA.");
    PosizioneFinestra p;
    p.sinistra = 10;
    p.alto = 20;
    p.destra = 810;
    p.basso = 620;
    p.comandoMostra = 1;
    ASSERT_EQ(ScriviPosizioneFinestra(dir.percorso(), p), "");
    const std::string b = LeggiTesto(dir / "Pos.VLT");
    ASSERT_EQ(b.size(), 44u);
    EXPECT_EQ(b[0], 44);
    EXPECT_EQ(b[28], 10);
    const auto letta = LeggiPosizioneFinestra(dir.percorso());
    ASSERT_TRUE(letta.posizione);
    EXPECT_EQ(*letta.posizione, p);
    ScriviTesto(dir / "Pos.VLT", b.substr(0, 43));
    EXPECT_EQ(LeggiPosizioneFinestra(dir.percorso()).errore,
              "Errore nella lettura del file della posizione d'apertura della finestra principale "
              "di VELTRA.");
}
