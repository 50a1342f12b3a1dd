// Real odds into weekly odds files, on a synthetic extra-league file made
// from generated seasons: rows matched to the program's results, weeks from
// Monday to Sunday, every skipped row reported, and the walk-forward
// property: a week's probabilities are the same whether or not the results
// of later weeks are stored.
#include "app/DatiGlobali.h"
#include "app/importa/ImportaQuote.h"
#include "app/importa/TabellaAlias.h"
#include "betting/FileQuote.h"
#include "dati/FileAtomico.h"
#include "dati/FileDati.h"
#include "dati/GeneratoreStagioni.h"
#include "dati/quote/LeggiQuoteFootballData.h"
#include "engine/CMotoreStime.h"
#include "engine/rating/ModelloRating.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

using namespace veltra;

namespace {

constexpr int kAustria = 4;

std::unique_ptr<DatiGlobali> Generati() {
    auto d = std::make_unique<DatiGlobali>();
    OpzioniGenerazione o;
    o.stagioni = 4;
    o.squadre = 10;
    o.seme = 3;
    EXPECT_EQ(GeneraStagioni(d->campionato(kAustria), o), 0);
    return d;
}

// The same data without the entries from `taglio` on.
std::unique_ptr<DatiGlobali> Troncati(const DatiGlobali& da, int taglio) {
    auto d = std::make_unique<DatiGlobali>();
    const CCampionato& c = da.campionato(kAustria);
    CCampionato& t = d->campionato(kAustria);
    int stagione = 0;
    for (int i = 0; i < taglio; ++i) {
        const Incontro& m = c.incontri[i];
        if (m.separatore())
            EXPECT_EQ(AggiungiStagione(t, c.squadreStagione(++stagione).nomi), 0);
        else
            EXPECT_EQ(AggiungiIncontro(t, m.casa, m.trasferta, m.risultato), 0);
        if (c.reti.Di(i).conPunteggio()) t.reti.Imposta(i, c.reti.Di(i));
    }
    t.modello = c.modello;
    return d;
}

// The last season's matches, five a week on Saturdays from 3 August 1996.
std::string Csv(const DatiGlobali& d, int& primaUltimaStagione) {
    const CCampionato& c = d.campionato(kAustria);
    const int s = c.incontri.numeroSeparatori();
    primaUltimaStagione = c.incontri.inizioStagione(s - 1) + 1;
    const auto& nomi = c.squadreStagione(s).nomi;
    std::string t = "Country,League,Season,Date,Time,Home,Away,HG,AG,Res,PH,PD,PA,MaxH,MaxD,MaxA,AvgH,AvgD,AvgA\n";
    const int anno = Campionato(kAustria).annoPrimaStagione + s - 1;
    for (int i = primaUltimaStagione, k = 0; i < c.numeroIncontri(); ++i, ++k) {
        const Incontro& m = c.incontri[i];
        const int giorno = 3 + 7 * (k / 5); // days from 1 August
        const int mese = giorno <= 31 ? 8 : giorno <= 61 ? 9 : giorno <= 92 ? 10 : giorno <= 122 ? 11 : 12;
        const int gm = giorno - (mese == 8 ? 0 : mese == 9 ? 31 : mese == 10 ? 61 : mese == 11 ? 92 : 122);
        char riga[256];
        std::snprintf(riga, sizeof riga,
                      "Austria,Bundesliga,%d/%d,%02d/%02d/%d,15:00,%s,%s,1,1,D,2.1,3.3,3.6,2.2,3.4,3.8,%s,3.2,3.5\n",
                      anno, anno + 1, gm, mese, anno, nomi[m.casa].c_str(), nomi[m.trasferta].c_str(),
                      k == 7 ? "" : "2.05");
        t += riga;
    }
    t += "Austria,Bundesliga,1996/1997,10/08/1996,15:00,Nessuno,Altro,1,1,D,2,3,4,2,3,4,2,3,4\n";
    t += "Austria,Bundesliga,2030/2031,10/08/2030,15:00,A,B,1,1,D,2,3,4,2,3,4,2,3,4\n";
    return t;
}

} // namespace

TEST(ImportaQuote, SettimaneDaiRisultatiDelProgramma) {
    auto d = Generati();
    int prima = 0;
    const std::string csv = Csv(*d, prima);
    const int partite = d->campionato(kAustria).numeroIncontri() - prima;
    const EsitoImportaQuote e = ImportaQuote(*d, {{"aut.csv", csv}}, "media", TabellaAlias{});
    EXPECT_EQ(e.fileRifiutati, 0);
    // Row 9 (k = 7) lacks an average odds; the unknown clubs; the season not stored.
    ASSERT_GE(e.rapporto.size(), 3u);
    EXPECT_EQ(e.rapporto[0], "aut.csv:9: quote Avg mancanti o non valide");
    EXPECT_NE(e.rapporto[1].find("squadra sconosciuta: Nessuno - Altro"), std::string::npos);
    EXPECT_NE(e.rapporto[2].find("stagione 2030 assente"), std::string::npos);
    EXPECT_EQ(e.importate + e.scartate, partite + 2);
    // The first week of the season cannot be estimated from the data before
    // it (no team has played): its five matches are reported, no file.
    EXPECT_FALSE(e.settimane.count("290796.QUO"));
    EXPECT_EQ(std::count_if(e.rapporto.begin(), e.rapporto.end(),
                            [](const std::string& r) {
                                return r.rfind("290796.QUO: ", 0) == 0 &&
                                       r.find("stime impossibili") != std::string::npos;
                            }),
              5);
    ASSERT_FALSE(e.settimane.empty());
    // Every later week on its Monday, cut just before its own first match.
    for (const auto& [nome, w] : e.settimane) {
        const int settimana = (w.giornata[kAustria] - prima) / 5;
        EXPECT_EQ(w.giornata[kAustria], prima + 5 * settimana) << nome;
        const int giorno = 3 + 7 * settimana;
        const int mese = giorno <= 31 ? 8 : giorno <= 61 ? 9 : 10;
        const int gm = giorno - (mese == 8 ? 0 : mese == 9 ? 31 : 61);
        if (settimana < 12) {
            EXPECT_EQ(nome, NomeSettimana(gm, mese, 1996));
        }
        EXPECT_EQ(w.conEventi[kAustria], 1);
        EXPECT_LE(w.nEventi, 5);
    }
    const ScommessaMgr& w = e.settimane.begin()->second;
    EXPECT_NE(w.eventi[0].data, "-");
    EXPECT_FLOAT_EQ(w.eventi[0].quote[kQuota1], 2.05f);
    // The cut-offs are as before.
    EXPECT_EQ(d->campionato(kAustria).ultimoIncontroFiltro, -1);
}

TEST(ImportaQuote, UnaSettimanaNonVedeIRisultatiSuccessivi) {
    auto completi = Generati();
    int prima = 0;
    const std::string csv = Csv(*completi, prima);
    // The same results stopped after the eighth week of the last season.
    const int taglio = prima + 8 * 5;
    auto troncati = Troncati(*completi, taglio);
    const auto a = ImportaQuote(*completi, {{"aut.csv", csv}}, "pinnacle", TabellaAlias{});
    const auto b = ImportaQuote(*troncati, {{"aut.csv", csv}}, "pinnacle", TabellaAlias{});
    int confrontate = 0;
    for (const auto& [nome, settimana] : b.settimane) {
        ASSERT_TRUE(a.settimane.count(nome)) << nome;
        EXPECT_EQ(ScriviQuote(settimana), ScriviQuote(a.settimane.at(nome))) << nome;
        ++confrontate;
    }
    EXPECT_GE(confrontate, 5);
    EXPECT_GT(a.settimane.size(), b.settimane.size()); // later weeks only with later results
}

TEST(ImportaQuote, ColModelloRatingLeSettimaneNonVedonoIRisultatiSuccessivi) {
    // The generated results with scores that agree with their signs, and the
    // rating model chosen for the championship.
    auto completi = Generati();
    CCampionato& c = completi->campionato(kAustria);
    for (int i = 0; i < c.numeroIncontri(); ++i) {
        const Incontro& m = c.incontri[i];
        if (m.separatore()) continue;
        const std::int16_t k = static_cast<std::int16_t>(i % 3);
        RetiIncontro r;
        r.golCasa = static_cast<std::int16_t>(m.risultato == '1' ? k + 1 : m.risultato == 'X' ? k : k % 2);
        r.golTrasferta = static_cast<std::int16_t>(m.risultato == '2' ? r.golCasa + 1 + k % 2
                                                   : m.risultato == 'X' ? k : 0);
        c.reti.Imposta(i, r);
    }
    int prima = 0;
    const std::string csv = Csv(*completi, prima);
    const auto delMotore = ImportaQuote(*completi, {{"aut.csv", csv}}, "pinnacle", TabellaAlias{});
    c.modello = ModelloStime::Rating;
    const int taglio = prima + 8 * 5;
    auto troncati = Troncati(*completi, taglio);
    const auto a = ImportaQuote(*completi, {{"aut.csv", csv}}, "pinnacle", TabellaAlias{});
    const auto b = ImportaQuote(*troncati, {{"aut.csv", csv}}, "pinnacle", TabellaAlias{});
    int confrontate = 0;
    for (const auto& [nome, settimana] : b.settimane) {
        ASSERT_TRUE(a.settimane.count(nome)) << nome;
        EXPECT_EQ(ScriviQuote(settimana), ScriviQuote(a.settimane.at(nome))) << nome;
        ++confrontate;
    }
    EXPECT_GE(confrontate, 5);
    EXPECT_GT(a.settimane.size(), b.settimane.size());

    // A week's probabilities are the rating model's, fitted on the data cut
    // just before the week (not the engine's).
    ASSERT_TRUE(delMotore.settimane.count(a.settimane.rbegin()->first));
    const auto& [nome, w] = *a.settimane.rbegin();
    EXPECT_NE(ScriviQuote(w), ScriviQuote(delMotore.settimane.at(nome)));
    c.ultimoIncontroFiltro = w.giornata[kAustria] - 1;
    c.stagioneFiltro = c.incontri.numeroSeparatori();
    ModelloRating m(ParametriRatingPredefiniti(c.id()));
    ASSERT_EQ(m.Aggiorna(c), 0);
    EXPECT_FALSE(m.soloRisultati());
    const auto& nomi = c.squadreCorrenti().nomi;
    for (int i = 0; i < w.nEventi; ++i) {
        const Evento& e = w.eventi[i];
        const auto casa = std::find(nomi.begin(), nomi.end(), e.casa) - nomi.begin();
        const auto trasferta = std::find(nomi.begin(), nomi.end(), e.trasferta) - nomi.begin();
        const auto p = m.Stima(static_cast<int>(casa), static_cast<int>(trasferta));
        ASSERT_TRUE(p) << e.casa << " " << e.trasferta;
        EXPECT_EQ(e.prob[kQuota1], static_cast<float>(p->p1)) << i;
        EXPECT_EQ(e.prob[kQuota2], static_cast<float>(p->p2)) << i;
    }
}

// A row of the extra-league layout at the end of May of the season starting in `anno`.
std::string FormattaRiga(int anno, const char* casa, const char* trasferta) {
    char riga[200];
    std::snprintf(riga, sizeof riga, "Austria,Bundesliga,%d/%d,30/05/%d,17:00,%s,%s,1,1,D,2,3,4,2,3,4,2,3,4\n", anno,
                  anno + 1, anno + 1, casa, trasferta);
    return riga;
}

TEST(ImportaQuote, UnAbbinamentoCheTornaNellaStagioneSiRiconosceDallaData) {
    // Four clubs meeting four times a season (each home pairing twice), one
    // round a week with its date stored; three seasons. Each row of the last
    // season must take its own match, not the first with the same pairing,
    // so every week is cut just before its own round.
    DatiGlobali d;
    CCampionato& c = d.campionato(kAustria);
    const int annoPrimo = Campionato(kAustria).annoPrimaStagione;
    const std::vector<std::string> nomi = {"Alfa", "Beta", "Gamma", "Delta"};
    const int giri[3][2][2] = {{{0, 1}, {2, 3}}, {{0, 2}, {1, 3}}, {{0, 3}, {1, 2}}};
    std::string csv = "Country,League,Season,Date,Time,Home,Away,HG,AG,Res,PH,PD,PA,MaxH,MaxD,MaxA,AvgH,AvgD,AvgA\n";
    int primaUltima = 0;
    for (int s = 0; s < 3; ++s) {
        // The first season had Epsilon in place of Delta.
        ASSERT_EQ(AggiungiStagione(c, s == 0 ? std::vector<std::string>{"Alfa", "Beta", "Gamma", "Epsilon"} : nomi), 0);
        if (s == 2) primaUltima = c.numeroIncontri();
        long giorno = GiorniDaData((annoPrimo + s) * 10000 + 803);
        for (int r = 0; r < 12; ++r, giorno += 7) {
            for (const auto& coppia : giri[r % 3]) {
                const bool inverti = (r / 3) % 2 == 1;
                const int h = inverti ? coppia[1] : coppia[0], a = inverti ? coppia[0] : coppia[1];
                const char segno = "1X2"[(r + h + s) % 3];
                ASSERT_EQ(AggiungiIncontro(c, h, a, segno), 0);
                RetiIncontro reti;
                reti.data = DataDaGiorni(giorno);
                c.reti.Imposta(c.numeroIncontri() - 1, reti);
                if (s != 2) continue;
                const DataNumerica dt = reti.data;
                char riga[200];
                std::snprintf(riga, sizeof riga, "Austria,Bundesliga,%d/%d,%02d/%02d/%d,15:00,%s,%s,1,1,D,2.1,3.3,3.6,2.2,3.4,3.8,2.0,3.2,3.5\n",
                              annoPrimo + 2, annoPrimo + 3, dt % 100, dt / 100 % 100, dt / 10000,
                              nomi[static_cast<std::size_t>(h)].c_str(), nomi[static_cast<std::size_t>(a)].c_str());
                csv += riga;
            }
        }
    }
    // A play-off against a club of the division below (Epsilon, in the league
    // another season) and a club the championship never held.
    const int anno = annoPrimo + 2;
    csv += FormattaRiga(anno, "Epsilon", "Alfa") + FormattaRiga(anno, "Omega", "Alfa");
    const auto e = ImportaQuote(d, {{"aut.csv", csv}}, "media", TabellaAlias{});
    EXPECT_EQ(e.importate + e.scartate, 26);
    EXPECT_NE(std::find(e.rapporto.begin(), e.rapporto.end(),
                        "aut.csv:26: squadra non presente nella stagione " + std::to_string(anno) +
                            " del programma (spareggio?): Epsilon"),
              e.rapporto.end());
    EXPECT_NE(std::find(e.rapporto.begin(), e.rapporto.end(), "aut.csv:27: squadra sconosciuta: Omega - Alfa"),
              e.rapporto.end());
    int settimane = 0;
    for (const auto& [nome, w] : e.settimane) {
        // The cut is the week's own round: its first entry, with its date.
        const int giornata = w.giornata[kAustria];
        const int round = (giornata - primaUltima) / 2;
        EXPECT_EQ(giornata, primaUltima + 2 * round) << nome;
        const DataNumerica dt = c.reti.Di(giornata).data;
        EXPECT_EQ(nome, NomeSettimana(dt % 100, dt / 100 % 100, dt / 10000)) << nome;
        EXPECT_GE(w.nEventi, 1) << nome;
        ++settimane;
    }
    // Only the first rounds, before every club has played at home and away
    // twice, lack estimates.
    EXPECT_GE(settimane, 7);
}

TEST(ImportaQuote, NomiDelleSettimaneECampionati) {
    EXPECT_EQ(NomeSettimana(3, 8, 1996), "290796.QUO");
    EXPECT_EQ(NomeSettimana(29, 7, 1996), "290796.QUO");
    EXPECT_EQ(NomeSettimana(4, 8, 1996), "290796.QUO");
    EXPECT_EQ(NomeSettimana(1, 1, 2024), "010124.QUO");
    EXPECT_EQ(NomeSettimana(29, 2, 2024), "260224.QUO");
    EXPECT_EQ(CampionatoFootballData("I1"), 0);
    EXPECT_EQ(CampionatoFootballData("SP1"), 13);
    EXPECT_EQ(CampionatoFootballData("Russia"), 18);
    EXPECT_EQ(CampionatoFootballData("E1"), -1);
    auto d = Generati();
    const auto e = ImportaQuote(*d, {{"x.csv", "Div,Date,HomeTeam,AwayTeam\nE1,01/01/2020,A,B\n"}}, "media",
                                TabellaAlias{});
    EXPECT_EQ(e.fileRifiutati, 1);
    EXPECT_TRUE(e.settimane.empty());
}

// Only where the shared data are present (a user's clone has none): a whole
// real league file against the shipped results, every row imported or reported.
TEST(ImportaQuote, FileRealeOgniRigaContata) {
    const std::filesystem::path cartella = VELTRA_RESOURCES_DIR "/../../shared/data/fdodds";
    std::error_code ec;
    if (!std::filesystem::is_directory(cartella, ec))
        GTEST_SKIP() << "cartella dei dati condivisi assente: " << cartella;
    DatiGlobali d;
    ASSERT_TRUE(CaricaFileCampionati(d, VELTRA_RESOURCES_DIR "/dati"));
    for (int c = 0; c < kNumeroCampionati; ++c)
        CreaMotore(d.campionato(c));
    TabellaAlias alias;
    const auto tabella = LeggiFile(VELTRA_RESOURCES_DIR "/dati/alias-squadre.tsv");
    ASSERT_TRUE(tabella);
    ASSERT_FALSE(alias.Carica(*tabella));
    const auto testo = LeggiFile(cartella / "Italy Serie A Geral.csv");
    ASSERT_TRUE(testo);
    const auto righe = LeggiQuoteFootballData(*testo)->righeDati;
    const auto e = ImportaQuote(d, {{"serie-a.csv", *testo}}, "media", alias);
    EXPECT_EQ(e.fileRifiutati, 0);
    EXPECT_EQ(e.importate + e.scartate, righe);
    EXPECT_GT(e.importate, righe / 2);
    EXPECT_EQ(static_cast<int>(e.rapporto.size()), e.scartate);
}
