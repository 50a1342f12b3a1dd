#include "app/aiuto/ConsiglioGiorno.h"
#include "app/DatiGlobali.h"
#include "app/DatiSupporto.h"

#include <gtest/gtest.h>

using namespace veltra;

TEST(ConsiglioGiorno, OgniConsiglioFinisceConAsteriscoEHaTesto) {
    const auto& t = TabellaConsigli();
    for (std::size_t i = 0; i < t.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_FALSE(t[i].empty());
        EXPECT_EQ(t[i].back(), '*');
        for (const auto& riga : RigheConsiglio(t[i])) EXPECT_FALSE(riga.empty());
    }
    EXPECT_TRUE(t[0].starts_with("Benvenuto in VELTRA 2005 !*"));
    EXPECT_TRUE(t[1].starts_with("Premendo il tasto F1"));
    EXPECT_TRUE(t[61].starts_with("Nella finestra della proposta del sistema totocalcio"));
}

TEST(ConsiglioGiorno, RigheDivisePerAsterisco) {
    struct Caso {
        std::string_view testo;
        std::vector<std::string> righe;
    } casi[] = {
        {"uno*due*tre*", {"uno", "due", "tre"}},
        {"solo*", {"solo"}},
        {"a**b*", {"a", "", "b"}},
        {"senza fine", {"senza fine"}},
        {"", {}},
    };
    for (const auto& c : casi) EXPECT_EQ(RigheConsiglio(c.testo), c.righe) << c.testo;
}

TEST(ConsiglioGiorno, CicloDegliIndici) {
    DatiGlobali d;
    d.indiceSuggerimento = 0;
    auto m = ProssimoConsiglio(d);
    EXPECT_EQ(m.indice, 0);
    EXPECT_EQ(m.righe.size(), 3u);
    EXPECT_EQ(LeggiImpostazione(d, "IndexSuggerimento"), "1");

    ScriviImpostazione(d, "IndexSuggerimento", "61");
    m = ProssimoConsiglio(d);
    EXPECT_EQ(m.indice, 61);
    EXPECT_EQ(m.righe.size(), 2u);
    EXPECT_EQ(d.indiceSuggerimento, 1); // after the last tip the cycle restarts at 1, not 0

    // A whole turn never shows the welcome tip again and visits 1..61 once.
    std::vector<int> visti;
    for (int i = 0; i < 61; ++i) visti.push_back(ProssimoConsiglio(d).indice);
    for (int i = 0; i < 61; ++i) EXPECT_EQ(visti[static_cast<std::size_t>(i)], i + 1);
    EXPECT_EQ(d.indiceSuggerimento, 1);
}

TEST(ConsiglioGiorno, IndiceFuoriTabellaMostraIlPrimoConsiglio) {
    for (const char* letto : {"62", "-3", "99999", "abc"}) {
        DatiGlobali d;
        ScriviImpostazione(d, "IndexSuggerimento", letto);
        const auto m = ProssimoConsiglio(d);
        // "abc" reads as 0 (atol) and is the welcome tip; the others are outside the table.
        EXPECT_EQ(m.indice, std::string_view(letto) == "abc" ? 0 : 1) << letto;
        EXPECT_FALSE(m.righe.empty());
    }
}

TEST(ConsiglioGiorno, RegolaDiAvvio) {
    DatiGlobali d;
    d.suggerimentoStart = "";
    EXPECT_TRUE(MostraConsiglioAllAvvio(d)); // unreadable: written as "SI" and shown
    EXPECT_EQ(d.suggerimentoStart, "SI");
    EXPECT_TRUE(MostraConsiglioAllAvvio(d));

    ChiudiConsiglio(d, false);
    EXPECT_EQ(d.suggerimentoStart, "NO");
    EXPECT_FALSE(MostraConsiglioAllAvvio(d));
    // The choice survives a save and a restart through Cfg2.VLT.
    DatiGlobali riletto;
    LeggiTestoDatiSupporto(ScriviTestoDatiSupporto(d), riletto);
    EXPECT_FALSE(MostraConsiglioAllAvvio(riletto));

    ChiudiConsiglio(d, true);
    EXPECT_TRUE(MostraConsiglioAllAvvio(d));
}
