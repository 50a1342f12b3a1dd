// The split of a budget over a strategy's plays and the amount as typed.
#include "betting/Puntate.h"

#include <gtest/gtest.h>

using namespace veltra;

namespace {
VoceScommessa Gamba(const char* casa, float quota) {
    VoceScommessa v;
    v.casa = casa;
    v.trasferta = std::string(casa) + "T";
    v.segno = "1";
    v.quota = quota;
    return v;
}
} // namespace

TEST(Puntate, DistribuzioneEImporti) {
    CStrategiaDesc s;
    s.eventiStrategia.resize(2);
    s.giocate = {{0}, {0, 1}};
    const std::vector<VoceScommessa> gambe = {Gamba("Alfa", 2.0f), Gamba("Beta", 2.0f)};
    EXPECT_EQ(QuoteDelleGiocate(s, gambe), (std::vector<double>{2.0, 4.0}));
    const std::vector<std::string> attese = {
        "Giocata n.1", "Evento A: Alfa-AlfaT 1", "Quota Totale:2.00", "Percentuale di spesa:66.7%",
        "Puntata:60.00", "Vincita attesa:120.00", "======",
        "Giocata n.2", "Evento A: Alfa-AlfaT 1", "Evento B: Beta-BetaT 1", "Quota Totale:4.00",
        "Percentuale di spesa:33.3%", "Puntata:30.00", "Vincita attesa:120.00", "======"};
    EXPECT_EQ(RigheDistribuzione(s, gambe, 90), attese);

    // One play takes everything; a play with odds 0 takes nothing.
    EXPECT_EQ(QuoteDiSpesa({3.5}), std::vector<double>{1.0});
    EXPECT_EQ(QuoteDiSpesa({0.0, 2.0}), (std::vector<double>{0.0, 1.0}));
    EXPECT_EQ(QuoteDiSpesa({0.0}), std::vector<double>{0.0});

    // More than one separator is refused, never guessed: nullopt.
    struct Importo {
        const char* testo;
        std::optional<double> valore;
    } importi[] = {{"90", 90},        {"12,5", 12.5},     {"abc", 0},          {"", 0},
                   {"€ 100", 100},    {".5", 0.5},        {"1234.50", 1234.5}, {"1.234,50", {}},
                   {"1,234.50", {}},  {"1.000.000", {}},  {"1,2,3", {}},       {"2,,5", {}}};
    for (const Importo& i : importi) {
        std::string errore;
        const auto v = LeggiImporto(i.testo, &errore);
        ASSERT_EQ(v.has_value(), i.valore.has_value()) << i.testo;
        if (v) {
            EXPECT_DOUBLE_EQ(*v, *i.valore) << i.testo;
            EXPECT_TRUE(errore.empty());
        } else {
            EXPECT_NE(errore.find(std::string("\"") + i.testo + "\" non e' valido"), std::string::npos)
                << errore;
        }
    }
    const auto zero = RigheDistribuzione(s, gambe, *LeggiImporto("niente"));
    EXPECT_EQ(zero[4], "Puntata:0.00");
    EXPECT_EQ(zero[5], "Vincita attesa:0.00");
}

#include "Supporto.h"
#include "betting/HtmlStrategie.h"
#include "dati/FileAtomico.h"

TEST(HtmlStrategie, PaginaStatisticheNuovaEInCoda) {
    EXPECT_EQ(Base64(""), "");
    EXPECT_EQ(Base64("f"), "Zg==");
    EXPECT_EQ(Base64("fo"), "Zm8=");
    EXPECT_EQ(Base64("foobar"), "Zm9vYmFy");
    CStrategiaDesc s;
    s.nome = "Favorite <casa>";
    s.eventiStrategia.resize(2);
    s.giocate = {{0, 1}};
    StatisticheStrategia st;
    st.disponibili = 10, st.giocabili = 8, st.vincenti = 2, st.guadagno = -0.8, st.ritardoMassimo = 4;
    const std::string sezione =
        HtmlStatistiche(s, 3, 4, {10, 11, 2002}, {1, 2, 2003}, st, std::string("\x89PNG", 4));
    for (const char* atteso : {"Strategia n. 3", "TITOLO: Favorite &lt;casa&gt;", "EVENTO: B",
                               "GIOCATA: 1 : Evento A - Evento B", "BOOKMAKER: SNAI",
                               "Periodo di analisi: 10/11/2002 - 1/2/2003 Max Frequenza di vincita",
                               "Settimane disponibili: 10", "<td>-10.0%</td><td>4</td><td>2 (25.0%)</td><td>8 (80.0%)</td>",
                               "data:image/png;base64,iVBORw==", "LIMITI DI QUOTA DELL'EVENTO: 1.00 / 3.00"})
        EXPECT_NE(sezione.find(atteso), std::string::npos) << atteso;
    std::tm oggi{};
    oggi.tm_mday = 5, oggi.tm_mon = 2, oggi.tm_year = 124;
    EXPECT_EQ(FileStatisticheHtml("/q", 5, oggi), std::filesystem::path("/q/StatisticheStrategie-ALTROBOOKMAKER-5-3-2024.htm"));

    veltra::test::CartellaTemporanea dir;
    const auto file = dir / "s.htm";
    bool aggiunta = true;
    ASSERT_TRUE(ScriviSezioneHtml(file, "T", "<p>uno</p>", &aggiunta));
    EXPECT_FALSE(aggiunta);
    ASSERT_TRUE(ScriviSezioneHtml(file, "T", "<p>due</p>", &aggiunta));
    EXPECT_TRUE(aggiunta);
    const std::string pagina = LeggiFile(file).value_or("");
    EXPECT_LT(pagina.find("<p>uno</p>"), pagina.find("<p>due</p>"));
    EXPECT_EQ(pagina.substr(pagina.size() - 15), "\n</body></html>");
    EXPECT_EQ(pagina.find("</body>"), pagina.rfind("</body>"));
}
