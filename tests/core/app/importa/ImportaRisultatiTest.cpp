#include "app/importa/ImportaRisultati.h"
#include "app/importa/FaseCampionato.h"
#include "dati/FileDati.h"

#include <gtest/gtest.h>

using namespace veltra;

namespace {

// A Football.TXT season of a championship ("= XX 1 label"), from its body.
LetturaSorgente Txt(const std::string& etichetta, const std::string& date, const std::string& corpo,
                    const std::string& file = "f.txt") {
    return LeggiFileRisultati("= XX 1 " + etichetta + "\n# Date  " + date + "\n" + corpo, file);
}

std::vector<std::string> Nomi(const CCampionato& c, int stagione) {
    return c.squadreStagione(stagione).nomi;
}

// Matches of a 1-based season as "Casa-Trasferta:R".
std::vector<std::string> Incontri(const CCampionato& c, int stagione) {
    std::vector<std::string> v;
    const int inizio = c.incontri.inizioStagione(stagione - 1);
    const auto& nomi = c.squadreStagione(stagione).nomi;
    for (int i = inizio + 1; i < c.numeroIncontri() && !c.incontri[i].separatore(); ++i) {
        const Incontro& m = c.incontri[i];
        v.push_back(nomi[static_cast<std::size_t>(m.casa)] + "-" +
                    nomi[static_cast<std::size_t>(m.trasferta)] + ":" + m.risultato);
    }
    return v;
}

// Three teams, one league round robin (with a match put off to a later
// date), then a play-out between two of them.
const std::string kStagione1963 = "Matchday 1\n"
                                  "[Sun Sep/15]\n"
                                  "  AC Alfa  1-0  Beta Calcio\n"
                                  "  Gamma FC  -  AC Alfa  [postponed]\n"
                                  "Matchday 2\n"
                                  "[Sun Sep/22]\n"
                                  "  Beta Calcio  2-2  Gamma FC\n"
                                  "Matchday 3\n"
                                  "[Sun Sep/29]\n"
                                  "  Beta Calcio  0-3  AC Alfa  [awarded]\n"
                                  "  Gamma FC  0-1  AC Alfa\n"
                                  "Matchday 4\n"
                                  "[Sun Sep/29]\n"
                                  "  AC Alfa  1-1  Gamma FC\n"
                                  "[Sun Oct/6]\n"
                                  "  Gamma FC  1-2  Beta Calcio\n"
                                  "== Playout\n"
                                  "Final\n"
                                  "[Sun Jun/7]\n"
                                  "  Beta Calcio  1-0  Gamma FC\n";

TEST(ImportaRisultati, StagioniAlLoroPostoVuoteLeMancantiOrdinePerDataPoiGiornata) {
    CCampionato c(0); // Serie A: first season 1961-62
    const auto r =
        ImportaRisultati(c,
                         {Txt("1963/64", "Sun Sep/15 1963 - Sun Jun/7 1964", kStagione1963),
                          Txt("1965/66", "Sun Sep/5 1965 - Sun May/1 1966",
                              "Matchday 1\n[Sun Sep/5]\n  Beta Calcio  0-1  Delta\n")},
                         TabellaAlias{});
    ASSERT_TRUE(r.ok()) << r.errore;
    // 1961-62 and 1962-63 empty, 1963-64, 1964-65 empty, 1965-66.
    ASSERT_EQ(c.config.numeroStagioni(), 5);
    EXPECT_EQ(c.incontri.numeroSeparatori(), 5);
    for (int s : {1, 2, 4})
        EXPECT_TRUE(Nomi(c, s).empty()) << s;
    EXPECT_EQ(Nomi(c, 3), (std::vector<std::string>{"Alfa", "Beta", "Gamma"}));
    // By date; on 29 September, matchday 3 before matchday 4; the postponed
    // and the play-out matches are left out; the awarded result is kept.
    EXPECT_EQ(Incontri(c, 3),
              (std::vector<std::string>{"Alfa-Beta:1", "Beta-Gamma:X", "Beta-Alfa:2",
                                        "Gamma-Alfa:2", "Alfa-Gamma:X", "Gamma-Beta:2"}));
    EXPECT_EQ(Nomi(c, 5), (std::vector<std::string>{"Beta", "Delta"}));
    EXPECT_EQ(c.numeroIncontri(), 5 + 6 + 1);

    ASSERT_EQ(r.stagioni.size(), 5u);
    EXPECT_EQ(r.stagioni[2].incontri, 6);
    EXPECT_EQ(r.stagioni[2].assegnate, 1);
    EXPECT_EQ(r.stagioni[3].etichetta, "");
    ASSERT_EQ(r.scartate.size(), 2u);
    EXPECT_EQ(r.scartate[0].origine.Testo(), "f.txt:6");
    EXPECT_NE(r.scartate[0].motivo.find("rinviata"), std::string::npos);
    EXPECT_NE(r.scartate[1].motivo.find("fase \"Playout\""), std::string::npos);
    const std::string testo = r.Testo();
    EXPECT_NE(testo.find("AC Alfa -> Alfa   [regola]"), std::string::npos) << testo;
    // Four clubs over the two seasons played; Beta Calcio is one of them once.
    EXPECT_NE(testo.find("5 stagioni aggiunte (3 vuote) alle 0 presenti, 7 incontri aggiunti, "
                         "4 squadre."),
              std::string::npos)
        << testo;
}

TEST(ImportaRisultati, SoloStagioniSuccessiveAlleGiaPresenti) {
    CCampionato c(0);
    ASSERT_TRUE(ImportaRisultati(c,
                                 {Txt("1962/63", "Sun Sep/16 1962 - Sun May/5 1963",
                                      "Matchday 1\n[Sun Sep/16]\n  Alfa  1-0  Beta\n")},
                                 TabellaAlias{})
                    .ok());
    const auto stagioni = c.config.stagioni;
    const auto incontri = c.incontri;

    // 1962-63 is stored already: refused, nothing changes, even with a later
    // season in the same import.
    const auto r = ImportaRisultati(c,
                                    {Txt("1962/63", "Sun Sep/16 1962 - Sun May/5 1963",
                                         "Matchday 1\n[Sun Sep/16]\n  Alfa  1-0  Beta\n"),
                                     Txt("1963/64", "Sun Sep/15 1963 - Sun Jun/7 1964",
                                         "Matchday 1\n[Sun Sep/15]\n  Alfa  1-0  Beta\n")},
                                    TabellaAlias{});
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.errore.find("gia' presente"), std::string::npos) << r.errore;
    EXPECT_EQ(c.config.stagioni, stagioni);
    EXPECT_EQ(c.incontri, incontri);

    // A later season goes after it.
    const auto dopo = ImportaRisultati(c,
                                       {Txt("1963/64", "Sun Sep/15 1963 - Sun Jun/7 1964",
                                            "Matchday 1\n[Sun Sep/15]\n  Beta  2-0  Alfa\n")},
                                       TabellaAlias{});
    ASSERT_TRUE(dopo.ok()) << dopo.errore;
    EXPECT_EQ(c.config.numeroStagioni(), 3);
    EXPECT_EQ(Incontri(c, 3), (std::vector<std::string>{"Beta-Alfa:1"}));
}

TEST(ImportaRisultati, ErroriNonCambianoNulla) {
    const std::string date = "Sun Sep/15 1963 - Sun Jun/7 1964";
    TabellaAlias alias;
    ASSERT_FALSE(alias.Carica("A\tInter Milano\tInter\nA\tInternazionale\tInter\n"));
    struct Caso {
        std::vector<LetturaSorgente> letture;
        std::string errore;
    } casi[] = {
        // a bad line in any file
        {{Txt("1963/64", date, "Matchday 1\n[Sun Sep/15]\n  Alfa  1:0  Beta\n"),
          Txt("1964/65", "Sun Sep/13 1964 - Sun Jun/6 1965", "")},
         "f.txt:5: risultato non valido"},
        // a team whose name gives nothing the program can store
        {{Txt("1963/64", date, "Matchday 1\n[Sun Sep/15]\n  Alfa  1-0  Зенит\n")},
         "f.txt: il nome \"Зенит\" non da' un nome utilizzabile"},
        // two clubs the rule would name alike
        {{Txt("1963/64", date, "Matchday 1\n[Sun Sep/15]\n  AC Alfa  1-0  Alfa FC\n")},
         "stagione 1963/64: \"AC Alfa\" e \"Alfa FC\" avrebbero lo stesso nome \"Alfa\""},
        // the same season twice
        {{Txt("1963/64", date, "", "a.txt"), Txt("1963/64", date, "", "b.txt")},
         "la stagione iniziata nel 1963 e' in due file: a.txt e b.txt"},
        // before the championship's first season
        {{Txt("1960/61", "Sun Sep/18 1960 - Sun Jun/4 1961", "")},
         "la stagione 1960/61 (f.txt) precede la prima stagione"},
    };
    for (const auto& caso : casi) {
        CCampionato c(0);
        const auto r = ImportaRisultati(c, caso.letture, alias);
        EXPECT_EQ(r.errore.rfind(caso.errore, 0), 0u) << r.errore;
        EXPECT_EQ(c.config.numeroStagioni(), 0);
        EXPECT_EQ(c.numeroIncontri(), 0);
        EXPECT_NE(r.Testo().find("Nessun file e' stato modificato."), std::string::npos);
    }

    // Two spellings the alias table joins are one club, also within a season.
    CCampionato c(0);
    const auto r =
        ImportaRisultati(c,
                         {Txt("1963/64", date,
                              "Matchday 1\n[Sun Sep/15]\n  Inter Milano  1-0  Beta\n"
                              "Matchday 2\n[Sun Sep/22]\n  Beta  1-1  Internazionale\n")},
                         alias);
    ASSERT_TRUE(r.ok()) << r.errore;
    EXPECT_EQ(Incontri(c, 3), (std::vector<std::string>{"Inter-Beta:1", "Beta-Inter:X"}));
}

TEST(ImportaRisultati, FileInWindows1252LettoComeTale) {
    // A spreadsheet's export: "Alavés" and "Málaga" as single bytes, which
    // are not UTF-8. The names must be the letters they stand for, and stay
    // the same once saved and read back.
    const std::string csv = "Div,Date,HomeTeam,AwayTeam,FTHG,FTAG\n"
                            "SP1,24/08/2019,Alav\xE9s,M\xE1laga,1,0\n"
                            "SP1,31/08/2019,M\xE1laga,Alav\xE9s,2,2\n";
    for (const std::string& testo : {csv, "\xEF\xBB\xBF" + std::string(
                                               "Div,Date,HomeTeam,AwayTeam,FTHG,FTAG\n"
                                               "SP1,24/08/2019,Alavés,Málaga,1,0\n"
                                               "SP1,31/08/2019,Málaga,Alavés,2,2\n")}) {
        CCampionato c(13); // Spain
        const auto r = ImportaRisultati(c, {LeggiFileRisultati(testo, "SP1.csv")}, TabellaAlias{});
        ASSERT_TRUE(r.ok()) << r.errore;
        const int ultima = c.config.numeroStagioni();
        EXPECT_EQ(Incontri(c, ultima),
                  (std::vector<std::string>{"Alavés-Málaga:1", "Málaga-Alavés:X"}));

        std::vector<ElencoSquadre> stagioni;
        ElencoIncontri incontri;
        ASSERT_TRUE(LeggiTestoSquadre(ScriviTestoSquadre(c.config), kMaxSquadreStagione, stagioni));
        ASSERT_TRUE(LeggiTestoIncontri(ScriviTestoIncontri(c.incontri), stagioni, incontri));
        EXPECT_EQ(stagioni, c.config.stagioni);
    }

    // The alias table a user keeps may be in Windows-1252 too: its spellings
    // still match those of a UTF-8 source.
    TabellaAlias alias;
    ASSERT_FALSE(alias.Carica("SP\tAlav\xE9s\tAlaves\n"));
    CCampionato c(13);
    const auto r = ImportaRisultati(
        c, {LeggiFileRisultati("Div,Date,HomeTeam,AwayTeam,FTHG,FTAG\nSP1,24/08/2019,Alavés,"
                               "Málaga,1,0\n",
                               "SP1.csv")},
        alias);
    ASSERT_TRUE(r.ok()) << r.errore;
    EXPECT_EQ(Incontri(c, c.config.numeroStagioni()),
              (std::vector<std::string>{"Alaves-Málaga:1"}));
}

TEST(ImportaRisultati, StagioneConPiuSquadreDeiPosti) {
    // Austria's league is sized for 10 teams; its real seasons of 12 come in whole.
    auto giornata = [](int squadre) {
        std::string corpo = "Matchday 1\n[Sat Jul/20]\n";
        for (int i = 0; i < squadre; i += 2)
            corpo += "  T" + std::to_string(i) + "  1-0  T" + std::to_string(i + 1) + "\n";
        return Txt("2019/20", "Sat Jul/20 2019 - Sat May/30 2020", corpo);
    };
    CCampionato dodici(4);
    const auto d = ImportaRisultati(dodici, {giornata(12)}, TabellaAlias{});
    ASSERT_TRUE(d.ok()) << d.errore;
    EXPECT_EQ(dodici.squadreCorrenti().numero(), 12);

    // More teams than any season may hold are refused, or stored as an empty season.
    const auto lettura = giornata(66);
    CCampionato rifiuta(4);
    const auto r = ImportaRisultati(rifiuta, {lettura}, TabellaAlias{});
    EXPECT_EQ(r.errore.find("66 squadre, Austria ne ammette al massimo 64"),
              std::string("stagione 2019/20 (f.txt): ").size())
        << r.errore;
    EXPECT_EQ(rifiuta.config.numeroStagioni(), 0);

    CCampionato vuota(4);
    OpzioniImportazione o;
    o.troppeSquadreVuota = true;
    const auto v = ImportaRisultati(vuota, {lettura}, TabellaAlias{}, o);
    ASSERT_TRUE(v.ok()) << v.errore;
    EXPECT_EQ(vuota.config.numeroStagioni(), 2019 - 1993 + 1);
    EXPECT_TRUE(vuota.squadreCorrenti().nomi.empty());
    EXPECT_EQ(v.stagioni.back().nota, "66 squadre, Austria ne ammette al massimo 64");
}

TEST(FaseCampionato, GironiDopoLaSeparazioneSpareggiEOspiti) {
    // Regular season of four; then a championship round of three (every pair
    // met), a relegation tie of two, a bracket, a round with a guest.
    std::string corpo =
        "Matchday 1\n[Sat Aug/3]\n"
        "  A  1-0  B\n  C  1-0  D\n  A  1-0  C\n  B  1-0  D\n  A  1-0  D\n  B  1-0  C\n"
        "== Championship\nMatchday 1\n[Sat Apr/4]\n"
        "  A  1-0  B\n  B  1-0  C\n  C  0-0  A\n"
        "== Relegation\nMatchday 1\n[Sat Apr/4]\n  D  1-0  C\n"
        "== Europe\nRound 1\n[Sat May/9]\n  A  1-0  B\n  C  1-0  D\n"
        "Round 2\n[Sat May/16]\n  A  1-0  C\n"
        "== Aufstieg\nMatchday 1\n[Sat May/23]\n  D  1-0  X\n  X  1-0  E\n  E  1-0  D\n";
    const LetturaSorgente l = Txt("2019/20", "Sat Aug/3 2019 - Sat May/23 2020", corpo);
    ASSERT_TRUE(l.ok()) << l.errore;
    const FaseCampionato f = SelezionaFaseCampionato(l.stagioni[0]);
    EXPECT_EQ(f.squadre, (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(f.partite.size(), 6u + 3u);
    ASSERT_EQ(f.scartate.size(), 1u + 3u + 3u);
    EXPECT_NE(f.scartate[0].motivo.find("spareggio tra due squadre"), std::string::npos);
    EXPECT_NE(f.scartate[1].motivo.find("eliminazione diretta"), std::string::npos);
    EXPECT_NE(f.scartate[4].motivo.find("squadra di un'altra divisione"), std::string::npos);
}

TEST(FaseCampionato, SenzaFasiLeSquadreOspitiSonoSpareggi) {
    std::string csv = "Date,Team 1,FT,HT,Team 2\n";
    const char* giorni[] = {"Sun Jun 14 2020", "Sun Jun 21 2020", "Sun Jun 28 2020"};
    for (const char* g : giorni)
        for (const char* coppia : {"A,1-0,?,B", "C,0-0,?,D", "B,2-1,?,C", "D,0-1,?,A"})
            csv += std::string(g) + "," + coppia + "\n";
    csv += "Wed Dec 9 2020,E,1-3,?,D\nSun Dec 13 2020,D,1-0,?,E\n";
    const LetturaSorgente l = LeggiFileRisultati(csv, "f.csv");
    ASSERT_TRUE(l.ok()) << l.errore;
    const FaseCampionato f = SelezionaFaseCampionato(l.stagioni[0]);
    EXPECT_EQ(f.squadre, (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(f.partite.size(), 12u);
    ASSERT_EQ(f.scartate.size(), 2u);
    EXPECT_NE(f.scartate[0].motivo.find("spareggio con E"), std::string::npos);
}

TEST(FaseCampionato, StessoIncontroInDueDateTenutoMaSegnalato) {
    // A double round robin of four teams, one fixture listed again a week
    // later: kept (it may be a replay), and reported. In a split league, where
    // most fixtures come back, nothing is reported.
    std::string csv = "Date,Team 1,FT,HT,Team 2\n";
    const char* turni[][2] = {{"Sun Sep 6 2020", "A,1-0,?,B|C,0-0,?,D"},
                              {"Sun Sep 13 2020", "B,2-1,?,C|D,0-1,?,A"},
                              {"Sun Sep 20 2020", "A,2-2,?,C|B,0-3,?,D"},
                              {"Sun Sep 27 2020", "B,1-1,?,A|D,2-0,?,C"},
                              {"Sun Oct 4 2020", "C,1-2,?,B|A,0-0,?,D"},
                              {"Sun Oct 11 2020", "C,3-1,?,A|D,1-1,?,B"},
                              {"Sun Oct 18 2020", "A,1-0,?,B"}};
    for (const auto& t : turni) {
        std::string coppie = t[1];
        for (std::size_t i = 0, j; i <= coppie.size(); i = j + 1) {
            j = coppie.find('|', i);
            if (j == std::string::npos) j = coppie.size();
            csv += std::string(t[0]) + "," + coppie.substr(i, j - i) + "\n";
        }
    }
    const LetturaSorgente l = LeggiFileRisultati(csv, "f.csv");
    ASSERT_TRUE(l.ok()) << l.errore;
    const FaseCampionato f = SelezionaFaseCampionato(l.stagioni[0]);
    EXPECT_EQ(f.partite.size(), 13u);
    EXPECT_TRUE(f.scartate.empty());
    ASSERT_EQ(f.avvisi.size(), 1u);
    EXPECT_NE(f.avvisi[0].motivo.find("A - B: stesso incontro in piu' date (2020-09-06, 2020-10-18)"),
              std::string::npos)
        << f.avvisi[0].motivo;
}

TEST(ImportaRisultati, FileDelleFasiFinaliContinuaLaStagioneSenzaDoppioni) {
    const std::string date = "Sat Jul/29 2000 - Sun May/20 2001";
    const std::string regolare =
        "Matchday 1\n[Sat Jul/29]\n  A  1-0  B\n  C  1-0  A\n  B  0-0  C\n";
    const std::string fase = "== Championship\nMatchday 1\n[Sat Apr/21]\n  A  2-0  C\n"
                             "[Sun Apr/29]\n  C  1-2  B\n  B  0-1  A\n";
    const auto fasiFinali = Txt("2001", "Sat Apr/21 - Sun May/20 2001", fase, "2001.txt");
    const std::vector<std::string> attesi = {"A-B:1", "C-A:1", "B-C:X", "A-C:1", "C-B:2", "B-A:2"};

    // The split rounds only in a file of their own (listed first, even).
    CCampionato c(12); // Scotland, from 1994-95
    const auto r = ImportaRisultati(c, {fasiFinali, Txt("2000/01", date, regolare, "2000-01.txt")},
                                    TabellaAlias{});
    ASSERT_TRUE(r.ok()) << r.errore;
    EXPECT_EQ(c.config.numeroStagioni(), 2000 - 1994 + 1);
    EXPECT_EQ(Incontri(c, 7), attesi);
    EXPECT_EQ(r.stagioni.back().file, (std::vector<std::string>{"2000-01.txt", "2001.txt"}));

    // Also in the season's own file: stored once.
    CCampionato d(12);
    const auto doppia = ImportaRisultati(
        d, {Txt("2000/01", date, regolare + fase, "2000-01.txt"), fasiFinali}, TabellaAlias{});
    ASSERT_TRUE(doppia.ok()) << doppia.errore;
    EXPECT_EQ(Incontri(d, 7), attesi);
    ASSERT_EQ(doppia.scartate.size(), 3u);
    EXPECT_EQ(doppia.scartate[0].origine.Testo(), "2001.txt:6");
    EXPECT_NE(doppia.scartate[0].motivo.find("ripetuta"), std::string::npos);
}

} // namespace

TEST(RapportoImportazione, NomiDellaFonteStampabiliEBrevi) {
    // A NUL byte would end the printed report there; a name of a megabyte
    // would fill the terminal.
    RapportoImportazione r;
    r.campionato = "Inghilterra";
    r.nomi = {{std::string("Man\0chester", 11), "Manchester", true},
              {std::string(1 << 20, 'x'), "Xxx", false},
              {"Citt\xC3\xA0" + std::string(100, 'y'), "Citta", false}};
    const std::string t = r.Testo();
    EXPECT_EQ(t.find('\0'), std::string::npos);
    EXPECT_NE(t.find("  Man?chester -> Manchester\n"), std::string::npos) << t;
    EXPECT_NE(t.find("  " + std::string(60, 'x') + "... -> Xxx"), std::string::npos);
    EXPECT_LT(t.size(), 1000u);
    r.errore = std::string("file\0rotto", 10);
    EXPECT_EQ(r.Testo(), "Importazione non eseguita: file?rotto\nNessun file e' stato modificato.\n");
}
