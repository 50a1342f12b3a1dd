// The championship files shipped as default data, checked against the
// history they come from: season counts, matches per season, final tables.
#include "app/DatiGlobali.h"
#include "dati/FileDati.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

using namespace veltra;

namespace {

class DatiPredefiniti : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dati_ = new DatiGlobali();
        const EsitoFile e = CaricaFileCampionati(*dati_, VELTRA_RESOURCES_DIR "/dati");
        ASSERT_TRUE(e) << e.dettaglio;
    }
    static void TearDownTestSuite() {
        delete dati_;
        dati_ = nullptr;
    }
    static const CCampionato& C(const char* codice) {
        return dati_->campionato(*CercaCampionato(codice));
    }

    // Matches of a 1-based season.
    static int Incontri(const CCampionato& c, int stagione) {
        const int inizio = c.incontri.inizioStagione(stagione - 1);
        const int fine = stagione < c.config.numeroStagioni() ? c.incontri.inizioStagione(stagione)
                                                              : c.numeroIncontri();
        return fine - inizio - 1;
    }

    // Points of every team of a season, from the stored results.
    static std::map<std::string, int> Classifica(const CCampionato& c, int stagione,
                                                 int puntiVittoria) {
        const auto& nomi = c.squadreStagione(stagione).nomi;
        std::map<std::string, int> punti;
        for (const auto& n : nomi)
            punti[n] = 0;
        const int inizio = c.incontri.inizioStagione(stagione - 1);
        for (int i = inizio + 1; i <= inizio + Incontri(c, stagione); ++i) {
            const Incontro& m = c.incontri[i];
            const auto& casa = nomi[static_cast<std::size_t>(m.casa)];
            const auto& trasferta = nomi[static_cast<std::size_t>(m.trasferta)];
            if (m.risultato == '1') punti[casa] += puntiVittoria;
            if (m.risultato == '2') punti[trasferta] += puntiVittoria;
            if (m.risultato == 'X') ++punti[casa], ++punti[trasferta];
        }
        return punti;
    }

    static DatiGlobali* dati_;
};

DatiGlobali* DatiPredefiniti::dati_ = nullptr;

TEST_F(DatiPredefiniti, OgniCampionatoIniziaAllaSuaPrimaStagione) {
    // Code, stored seasons, empty seasons at the start (missing from the sources).
    struct Atteso {
        const char* codice;
        int stagioni;
        int vuoteIniziali;
    } attesi[] = {
        {"A", 64, 0},  {"B", 54, 23}, {"C1", 0, 0},  {"C2", 0, 0},  {"AU", 32, 0},
        {"BE", 30, 0}, {"DA", 30, 0}, {"FR", 32, 0}, {"GE", 33, 0}, {"IN", 33, 0},
        {"NL", 32, 0}, {"PO", 32, 0}, {"SC", 31, 0}, {"SP", 32, 0}, {"CH", 31, 0},
        {"FI", 31, 9}, {"NO", 63, 0}, {"SV", 35, 0}, {"RU", 29, 0},
    };
    for (const auto& a : attesi) {
        const CCampionato& c = C(a.codice);
        // The last stored season is the one that began in 2024.
        EXPECT_EQ(c.config.numeroStagioni(), a.stagioni) << a.codice;
        if (a.stagioni > 0) {
            EXPECT_EQ(c.descrizione().annoPrimaStagione + a.stagioni - 1, 2024) << a.codice;
        }
        for (int s = 1; s <= a.vuoteIniziali; ++s) {
            EXPECT_EQ(c.squadreStagione(s).numero(), 0) << a.codice << " " << s;
            EXPECT_EQ(Incontri(c, s), 0) << a.codice << " " << s;
        }
        if (a.stagioni > a.vuoteIniziali) {
            EXPECT_GT(c.squadreStagione(a.vuoteIniziali + 1).numero(), 0) << a.codice;
        }
    }
}

TEST_F(DatiPredefiniti, IncontriPerStagioneComeNelleFonti) {
    struct Atteso {
        const char* codice;
        int annoInizio;
        int squadre;
        int incontri;
    } attesi[] = {
        {"A", 1961, 18, 306},  {"A", 1967, 16, 240},
        {"A", 1988, 18, 306},  {"A", 2004, 20, 380},
        {"A", 2023, 20, 380},  {"B", 1994, 20, 380},
        {"B", 2003, 24, 552},  {"IN", 1992, 22, 462},
        {"IN", 1995, 20, 380}, {"SP", 1995, 22, 462},
        {"GE", 2010, 18, 306}, {"FR", 2019, 20, 279}, // stopped in March 2020
        {"SC", 1999, 10, 180}, {"SC", 2021, 12, 228}, // 33 rounds, then 5 after the split
        {"SC", 2023, 12, 228}, {"FI", 2003, 14, 182},
        {"FI", 2019, 12, 162}, {"FI", 2020, 12, 132},
        {"NO", 2020, 16, 240}, {"CH", 2019, 10, 180},
        {"RU", 2019, 16, 240}, {"RU", 2011, 16, 352}, // 30 rounds, then two groups of eight
        {"NO", 1962, 16, 240},
    };
    for (const auto& a : attesi) {
        const CCampionato& c = C(a.codice);
        const int s = a.annoInizio - c.descrizione().annoPrimaStagione + 1;
        EXPECT_EQ(c.squadreStagione(s).numero(), a.squadre) << a.codice << " " << a.annoInizio;
        EXPECT_EQ(Incontri(c, s), a.incontri) << a.codice << " " << a.annoInizio;
    }
}

TEST_F(DatiPredefiniti, ClassificheFinaliNote) {
    // Serie A 1989-90, two points a win; Napoli's 51 include the match at
    // Bergamo given to them at the table, kept as the official result.
    const std::map<std::string, int> serieA1989 = {
        {"Napoli", 51}, {"Milan", 49},     {"Inter", 44},      {"Juventus", 44}, {"Sampdoria", 43},
        {"Roma", 41},   {"Atalanta", 35},  {"Bologna", 34},    {"Bari", 31},     {"Lazio", 31},
        {"Genoa", 29},  {"Cesena", 28},    {"Fiorentina", 28}, {"Lecce", 28},    {"Udinese", 27},
        {"Verona", 25}, {"Cremonese", 23}, {"Ascoli", 21}};
    EXPECT_EQ(Classifica(C("A"), 1989 - 1961 + 1, 2), serieA1989);

    // Serie A 2004-05 as played (the title was later revoked, the results stand).
    const std::map<std::string, int> serieA2004 = {
        {"Juventus", 86}, {"Milan", 79},      {"Inter", 72},   {"Udinese", 62}, {"Sampdoria", 61},
        {"Palermo", 53},  {"Messina", 48},    {"Livorno", 45}, {"Roma", 45},    {"Cagliari", 44},
        {"Lazio", 44},    {"Lecce", 44},      {"Reggina", 44}, {"Chievo", 43},  {"Siena", 43},
        {"Bologna", 42},  {"Fiorentina", 42}, {"Parma", 42},   {"Brescia", 41}, {"Atalanta", 35}};
    EXPECT_EQ(Classifica(C("A"), 2004 - 1961 + 1, 3), serieA2004);

    // Premier League 2003-04: Arsenal unbeaten.
    const std::map<std::string, int> premier2003 = {
        {"Arsenal", 90},    {"Chelsea", 79},     {"Man.United", 75},    {"Liverpool", 60},
        {"Newcastle", 56},  {"Aston.Villa", 56}, {"Charlton", 53},      {"Bolton", 53},
        {"Fulham", 52},     {"Birmingham", 50},  {"Middlesbrough", 48}, {"Southampton", 47},
        {"Portsmouth", 45}, {"Tottenham", 45},   {"Blackburn", 44},     {"Man.City", 41},
        {"Everton", 39},    {"Leicester", 33},   {"Leeds", 33},         {"Wolverhampton", 33}};
    EXPECT_EQ(Classifica(C("IN"), 2003 - 1992 + 1, 3), premier2003);
}

TEST_F(DatiPredefiniti, UnNomePerClubInTutteLeStagioni) {
    // Clubs renamed or re-founded keep one name.
    const CCampionato& a = C("A");
    const auto ha = [](const CCampionato& c, int anno, const std::string& nome) {
        const auto& nomi = c.squadreStagione(anno - c.descrizione().annoPrimaStagione + 1).nomi;
        return std::find(nomi.begin(), nomi.end(), nome) != nomi.end();
    };
    for (int anno : {1990, 2004, 2024})
        EXPECT_TRUE(ha(a, anno, "Parma")) << anno; // AC, FC, 1913
    EXPECT_TRUE(ha(C("BE"), 1998, "Germinal"));    // renamed during the season: one team
    EXPECT_EQ(C("BE").squadreStagione(1998 - 1995 + 1).numero(), 18);
    EXPECT_TRUE(ha(C("NO"), 2017, "Aalesund"));
    EXPECT_TRUE(ha(C("NO"), 2020, "Aalesund")); // from the other source
}

} // namespace
