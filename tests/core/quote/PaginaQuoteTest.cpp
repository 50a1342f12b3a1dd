// The page reading on its own: markup stripping across blocks, tokens, the
// date, time and odds tokens of each layout, the state machine's events, and
// the events file written and read whatever the process's locale.
#include "quote/FileEventi.h"
#include "quote/LettoriPagine.h"
#include "quote/PaginaQuote.h"
#include "quote/TabellaNomiBookmaker.h"

#include <gtest/gtest.h>

#include <clocale>

using namespace veltra;

TEST(PaginaQuote, ITagSpezzatiTraBlocchiDiventanoUnoSpazio) {
    PulitoreTag t;
    for (std::string_view b : {"<td cla", "ss=\"x\">Ro", "ma</td><", "td>1,85<", "/td>\xC3\xA8!"}) t.Aggiungi(b);
    EXPECT_EQ(t.testo(), " Roma  1,85 !");
    EXPECT_EQ(Gettoni("A&nbsp;B-C\tD\r\nE"), (std::vector<std::string>{"a", "b", "+", "c", "d", "e"}));
}

TEST(PaginaQuote, DateOreEQuote) {
    struct CasoData {
        FormaData forma;
        const char* gettone;
        std::optional<std::string> atteso;
    } date[] = {
        {FormaData::PuntiAnno, "29.12.2026", "29.12.2026"},
        {FormaData::PuntiAnno, "gio1.1.2031", "01.01.2031"},
        {FormaData::PuntiAnno, "29.12.26", std::nullopt},
        {FormaData::PuntiAnno, "32.12.2026", std::nullopt},
        {FormaData::PuntiAnno, "1,85", std::nullopt},
        {FormaData::PuntiAnno, "29.13.2026", std::nullopt},
        {FormaData::BarreAnno, "02/01/2027", "02/01/2027"},
        {FormaData::BarreAnno, "02.01.2027", std::nullopt},
        {FormaData::PuntiAnnoBreve, "31.12.26", "31.12.2026"},
        {FormaData::PuntiAnnoBreve, "31.12.2026", std::nullopt},
        // No year on the page: the nearest to today (December 2026).
        {FormaData::BarreSenzaAnno, "02/01", "02/01/2027"},
        {FormaData::BarreSenzaAnno, "20/12", "20/12/2026"},
        {FormaData::BarreSenzaAnno, "20/06", "20/06/2026"},
        {FormaData::BarreSenzaAnno, "20/12/2026", std::nullopt},
    };
    for (const auto& c : date) EXPECT_EQ(LeggiData(c.forma, c.gettone, 2026, 12), c.atteso) << c.gettone;
    EXPECT_EQ(LeggiData(FormaData::BarreSenzaAnno, "28/12", 2027, 1), "28/12/2026");

    EXPECT_EQ(LeggiOra("15:30"), "15:30");
    EXPECT_EQ(LeggiOra("9:05)"), "09:05");
    EXPECT_EQ(LeggiOra("data:"), std::nullopt);
    EXPECT_EQ(LeggiOra("25:00"), std::nullopt);

    struct CasoQuota {
        const char* gettone;
        bool virgola;
        std::optional<double> atteso;
    } quote[] = {
        {"1,85", true, 1.85}, {"1.85", true, 1.85}, {"1,85", false, std::nullopt},
        {"12.5", false, 12.5}, {"1.00", false, std::nullopt}, {"0,95", true, std::nullopt},
        {"3", false, std::nullopt}, {"1.2.3", false, std::nullopt}, {"n.d.", false, std::nullopt},
        {"-2.0", false, std::nullopt}, {"2,", true, std::nullopt},
    };
    for (const auto& c : quote) EXPECT_EQ(LeggiQuota(c.gettone, c.virgola), c.atteso) << c.gettone;
}

namespace {

std::vector<std::string> Nomi(std::initializer_list<const char*> v) {
    std::vector<std::string> r;
    for (const char* n : v) r.push_back(NomeDiConfronto(n));
    return r;
}

LetturaPagina Leggi(const FormatoPagina& f, const std::string& html, std::vector<std::string> nomi) {
    PulitoreTag t;
    t.Aggiungi(html);
    return LeggiEventiPagina(f, Gettoni(t.testo()), std::move(nomi), 2026, 12);
}

} // namespace

TEST(PaginaQuote, LaMacchinaAStatiTrovaGliEventi) {
    const FormatoPagina w = FormatoBookmaker(Bookmaker::Betandwin);
    const auto nomi = Nomi({"Real_Madrid", "Betis", "Lausanne-Ouchy", "Real_Sociedad", "Inter"});
    // A date before any team only replaces the date; a team matches once per
    // page; a two-word name spans two tokens; a hyphenated name matches the
    // page's "-"; the opponent missing from the table gives -1 and its odds
    // are still read; a home team followed by no odds gives zeros.
    const std::string html =
        "<p>31.12.2026</p> <p>01.01.2027 15:30 <b>Real Madrid</b> - Betis 1,85 3,20 4,10 1,20 1,30 1,70 2,5</p>"
        "<p>02.01.2027 20:45 Lausanne-Ouchy - Squadra Ignota 2,05 3,00 3,40</p>"
        "<p>02.01.2027 20:45 Real Madrid - Real Sociedad 1,50 3,00 6,00</p>"
        "<p>03.01.2027 18:00 Inter - Real Sociedad</p>"
        "<p>04.01.2027 n.d.</p>";
    const LetturaPagina l = Leggi(w, html, nomi);
    ASSERT_EQ(l.eventi.size(), 4u);
    EXPECT_EQ(l.eventi[0].casa, 0);
    EXPECT_EQ(l.eventi[0].trasferta, 1);
    EXPECT_EQ(l.eventi[0].quote, (std::array<double, 6>{1.85, 3.20, 4.10, 1.20, 1.30, 1.70}));
    EXPECT_EQ(l.eventi[0].data, "01.01.2027-15:30");
    EXPECT_EQ(l.eventi[1].casa, 2);
    EXPECT_EQ(l.eventi[1].trasferta, -1);
    EXPECT_EQ(l.eventi[1].quote, (std::array<double, 6>{2.05, 3.00, 3.40, 0, 0, 0}));
    // Real Madrid was used: the third event's home is Real Sociedad.
    EXPECT_EQ(l.eventi[2].casa, 3);
    EXPECT_EQ(l.eventi[2].trasferta, -1);
    EXPECT_EQ(l.eventi[3].casa, 4);
    EXPECT_EQ(l.eventi[3].trasferta, -1);
    EXPECT_EQ(l.eventi[3].quote, (std::array<double, 6>{}));
    EXPECT_EQ(l.coppie, (std::vector<int>{0, 1}));
    EXPECT_EQ(l.date, 6);
}

TEST(PaginaQuote, BlocchiConDataSenzaAnnoEMinimaTripla) {
    const FormatoPagina s = FormatoBookmaker(Bookmaker::Snai);
    const std::string html =
        "<div>data: 02/01 15:30)<br>Inter - Roma<br>1.85 3.20 4.10 minima: 3</div>"
        "<div>12/01 non e' una data: 30/12 20:45) Milan - Lazio 2.10 3.00 3.30 minima: 1</div>";
    const LetturaPagina l = Leggi(s, html, Nomi({"Inter", "Roma", "Milan", "Lazio"}));
    ASSERT_EQ(l.eventi.size(), 2u);
    EXPECT_EQ(l.eventi[0].data, "(02/01/2027-15:30.(Min.Tripla)");
    EXPECT_EQ(l.eventi[1].data, "(30/12/2026-20:45");
    EXPECT_EQ(l.eventi[1].quote[2], 3.30);
}

TEST(PaginaQuote, UnaPaginaSenzaDateNonDaEventi) {
    const LetturaPagina l = Leggi(FormatoBookmaker(Bookmaker::Globet),
                                  "<html>Servizio sospeso. Inter - Roma 1.85 3.20 4.10</html>",
                                  Nomi({"Inter", "Roma"}));
    EXPECT_TRUE(l.eventi.empty());
    EXPECT_EQ(l.date, 0);
}

TEST(TabellaNomi, LetturaERiscritturaPerOgniBookmaker) {
    for (int k = 0; k < kBookmakerInternet; ++k) {
        const auto b = static_cast<Bookmaker>(k);
        TabellaNomiBookmaker t;
        t.nomi[0] = {"inter", "real madrid"};
        t.nomi[5] = {"gent"};
        t.base = "http://127.0.0.1:9/x/";
        for (auto& s : t.suffissi) s = kSenzaPagina;
        t.suffissi[0] = b == Bookmaker::Eurobet ? "http://127.0.0.1:9/e/" : "A.htm";
        t.suffissi[5] = b == Bookmaker::Eurobet ? kSenzaPagina : "BE.htm";
        t.indirizzoAccesso = b == Bookmaker::Globet ? "http://127.0.0.1:9/login" : "";
        t.modulo1 = b == Bookmaker::Globet ? "u=" : "";
        t.modulo2 = b == Bookmaker::Globet ? "&p=" : "";
        t.palinsesto = b == Bookmaker::Snai ? 7 : 0;
        for (auto& m : t.manifestazioni) m = -1;
        if (b == Bookmaker::Snai) {
            t.manifestazioni[0] = 100;
            t.manifestazioni[5] = 105;
            t.avvenimenti[0] = 9;
            t.codiceScommessa = "1X2";
        }
        TabellaNomiBookmaker letta;
        for (auto& m : letta.manifestazioni) m = -1;
        EXPECT_EQ(LeggiTabellaNomi(b, ScriviTabellaNomi(b, t, 0), letta, 0), std::nullopt) << k;
        EXPECT_EQ(letta.nomi[0], t.nomi[0]) << k;
        if (b != Bookmaker::Eurobet) {
            EXPECT_EQ(letta.nomi[5], t.nomi[5]) << k;
            EXPECT_EQ(letta.base, t.base) << k;
        }
        if (b == Bookmaker::Betandwin || b == Bookmaker::Globet || b == Bookmaker::Eurobet) {
            EXPECT_EQ(letta.suffissi[0], t.suffissi[0]) << k;
        }
        EXPECT_EQ(letta.indirizzoAccesso, t.indirizzoAccesso) << k;
        EXPECT_EQ(letta.modulo2, t.modulo2) << k;
        EXPECT_EQ(letta.manifestazioni, t.manifestazioni) << k;
        EXPECT_EQ(letta.codiceScommessa, t.codiceScommessa) << k;
        // Leaving a championship out takes its names and its page.
        letta.Escludi("0" + std::string(kNumeroCampionati - 1, '1'));
        EXPECT_TRUE(letta.nomi[0].empty());
        EXPECT_FALSE(letta.ConPagina(0));
    }
}

namespace {
std::string DicianoveZeri() {
    std::string s;
    for (int c = 0; c < kNumeroCampionati; ++c) s += "0\n";
    return s;
}
} // namespace

TEST(TabellaNomi, UnaTabellaRottaDiceDove) {
    struct Caso {
        Bookmaker b;
        std::string testo;
        const char* parola;
    } casi[] = {
        {Bookmaker::Betandwin, "", "finisce"},
        {Bookmaker::Betandwin, "2\ninter\n", "finisce"},
        {Bookmaker::Betandwin, "x\n", "riga 1"},
        {Bookmaker::Betandwin, "57\n", "riga 1"},
        {Bookmaker::Betzone, "1\n\n", "vuoto"},
        {Bookmaker::Betzone, DicianoveZeri(), "finisce"},
        {Bookmaker::Eurobet, "1\ninter\n", "indirizzo"},
    };
    for (const auto& c : casi) {
        TabellaNomiBookmaker t;
        const auto e = LeggiTabellaNomi(c.b, c.testo, t, 0);
        ASSERT_TRUE(e.has_value()) << c.testo;
        EXPECT_NE(e->find(c.parola), std::string::npos) << *e;
    }
}

TEST(FileEventi, ScrittoELettoConQualsiasiLocale) {
    // The readers once switched the whole process to a decimal comma; now
    // nothing depends on it. Under a comma locale the file still holds points
    // and reads back the same.
    const char* prima = std::setlocale(LC_NUMERIC, nullptr);
    const std::string salvato = prima ? prima : "C";
    const bool virgola = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "it_IT.UTF-8");
    RecordEvento e{3, 4, -1, {1.85f, 3.2f, 4.1f, 0, 0, 0}, "29.12.2026-15:30"};
    std::array<std::vector<int>, kNumeroCampionati> coppie;
    coppie[3] = {4, 5};
    const std::string testo = RecordEventoTesto(e, 6) + "\n" + RecordTrailer(coppie);
    const ContenutoEventi c = LeggiFileEventi(testo);
    std::setlocale(LC_NUMERIC, salvato.c_str());
    EXPECT_EQ(testo.substr(0, 23), "-2 3 4 -1 1.850000 3.20") << virgola;
    ASSERT_EQ(c.eventi.size(), 1u);
    EXPECT_EQ(c.eventi[0].quote, e.quote);
    EXPECT_EQ(c.eventi[0].data, e.data);
    EXPECT_TRUE(c.trailer);
    EXPECT_EQ(c.coppie[3], (std::vector<int>{4, 5}));
}

TEST(FileEventi, RecordRottiEdErrori) {
    struct Caso {
        const char* testo;
        std::size_t eventi;
        bool errore;
        bool illeggibile;
    } casi[] = {
        {"-1\nSpiacenti (200)\n", 0, true, false},
        {"-2 0 1 2 1.5 3.0 4.0 x\n-1\nNon sono state trovate Quote\n", 1, true, false},
        {"-2 0 1 2 1.5 3.0 4.0 x\n-7\n-2 0 1 2 1.5 3.0 4.0 y\n", 1, false, true},
        {"-2 0 1 2 1,5 3.0 4.0 x\n", 0, false, true},
        {"-2 19 1 2 1.5 3.0 4.0 x\n", 0, false, true},
        {"-2 0 1 2 1.5 3.0 x\n", 0, false, true},
        {"ciao\n", 0, false, true},
        {"\n\n-2 0 1 -1 1.5 3.0 4.0 x\n -3\n", 1, false, true},
    };
    for (const auto& c : casi) {
        const ContenutoEventi r = LeggiFileEventi(c.testo);
        EXPECT_EQ(r.eventi.size(), c.eventi) << c.testo;
        EXPECT_EQ(r.conErrore, c.errore) << c.testo;
        EXPECT_EQ(!r.illeggibile.empty(), c.illeggibile) << c.testo << r.illeggibile;
    }
}
