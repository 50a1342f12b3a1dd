// The championship files shipped as default data, checked against the
// history they come from: season counts, matches per season, final tables.
#include "app/DatiGlobali.h"
#include "dati/FileDati.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>

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

// The committed table of matches per season, counted from the source files.
struct StagioneAttesa {
    std::string codice;
    int annoInizio = 0;
    int squadre = 0;
    int incontri = 0;
    std::string fonte;
};

std::vector<StagioneAttesa> TabellaAttesa() {
    std::ifstream in(std::filesystem::path(VELTRA_RESOURCES_DIR) / ".." / "tests" / "core" / "app" / "importa" / "incontri-per-stagione.tsv");
    std::vector<StagioneAttesa> v;
    for (std::string riga; std::getline(in, riga);) {
        if (riga.empty() || riga[0] == '#') continue;
        std::istringstream campi(riga);
        StagioneAttesa a;
        campi >> a.codice >> a.annoInizio >> a.squadre >> a.incontri >> a.fonte;
        if (campi) v.push_back(a);
    }
    return v;
}

TEST_F(DatiPredefiniti, OgniStagioneHaGliIncontriDelleFonti) {
    const auto attese = TabellaAttesa();
    ASSERT_GT(attese.size(), 400u);
    std::map<std::string, std::set<int>> elencate;
    for (const auto& a : attese) {
        const CCampionato& c = C(a.codice.c_str());
        const int s = a.annoInizio - c.descrizione().annoPrimaStagione + 1;
        elencate[a.codice].insert(s);
        ASSERT_LE(s, c.config.numeroStagioni()) << a.codice << " " << a.annoInizio;
        EXPECT_EQ(c.squadreStagione(s).numero(), a.squadre) << a.codice << " " << a.annoInizio;
        EXPECT_EQ(Incontri(c, s), a.incontri) << a.codice << " " << a.annoInizio;
    }
    // Every other season is empty, in its place; the last stored season is
    // the newest the sources hold.
    for (int id = 0; id < kNumeroCampionati; ++id) {
        const CCampionato& c = dati_->campionato(id);
        const std::string codice(c.descrizione().codice);
        const auto& elenco = elencate[codice];
        EXPECT_EQ(c.config.numeroStagioni(), elenco.empty() ? 0 : *elenco.rbegin()) << codice;
        for (int s = 1; s <= c.config.numeroStagioni(); ++s)
            if (!elenco.count(s)) {
                EXPECT_EQ(c.squadreStagione(s).numero(), 0) << codice << " " << s;
                EXPECT_EQ(Incontri(c, s), 0) << codice << " " << s;
            }
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

    // Serie A 2024-25 and 2025-26, from the openfootball files.
    const std::map<std::string, int> serieA2024 = {
        {"Napoli", 82},    {"Inter", 81},   {"Atalanta", 74}, {"Juventus", 70}, {"Roma", 69},
        {"Fiorentina", 65}, {"Lazio", 65},  {"Milan", 63},    {"Bologna", 62},  {"Como", 49},
        {"Torino", 44},    {"Udinese", 44}, {"Genoa", 43},    {"Verona", 37},   {"Parma", 36},
        {"Cagliari", 36},  {"Lecce", 34},   {"Empoli", 31},   {"Venezia", 29},  {"Monza", 18}};
    EXPECT_EQ(Classifica(C("A"), 2024 - 1961 + 1, 3), serieA2024);
    const std::map<std::string, int> serieA2025 = {
        {"Inter", 87},    {"Napoli", 76},   {"Roma", 73},       {"Como", 71},     {"Milan", 70},
        {"Juventus", 69}, {"Atalanta", 59}, {"Bologna", 56},    {"Lazio", 54},    {"Udinese", 50},
        {"Sassuolo", 49}, {"Parma", 45},    {"Torino", 45},     {"Cagliari", 43}, {"Fiorentina", 42},
        {"Genoa", 41},    {"Lecce", 38},    {"Cremonese", 34},  {"Verona", 21},   {"Pisa", 18}};
    EXPECT_EQ(Classifica(C("A"), 2025 - 1961 + 1, 3), serieA2025);
}

// Where two sources meet, a club keeps its name: a club that is missing from
// the next season of a top division was relegated, so it finished at the
// bottom of its table; a club of the upper half that "disappears" is a club
// the next season calls by another name. The exceptions are real.
TEST_F(DatiPredefiniti, NessunClubConDueNomiInStagioniConsecutive) {
    struct Eccezione {
        const char* codice;
        int anno;
        const char* squadra;
    };
    const Eccezione eccezioni[] = {
        {"A", 1970, "Foggia"},       // relegated on goal difference, two points a win
        {"A", 1973, "Verona"},       // relegated for match fixing
        {"A", 1977, "Foggia"},       // level on points, two points a win
        {"A", 1979, "Milan"},        // relegated for illegal betting
        {"A", 1987, "Empoli"},       // five points deducted
        {"A", 2002, "Atalanta"},     // lost the relegation play-off
        {"A", 2005, "Juventus"},     // relegated by the sports court
        {"BE", 2001, "Lommelse"},    // bankrupt
        {"BE", 2001, "RWD.Molenbeek"}, // bankrupt
        {"BE", 2008, "Mouscron"},    // bankrupt during the next season
        {"FR", 1993, "Marsiglia"},   // relegated for match fixing
        {"IN", 1996, "Middlesbrough"}, // three points deducted
        {"PO", 1997, "Leça"},        // relegated at the table
        {"PO", 2005, "Gil.Vicente"}, // relegated at the table
        {"PO", 2007, "Boavista"},    // relegated for match fixing
        {"PO", 2008, "Estrela.Amadora"}, // refused a licence
        {"SC", 2011, "Rangers"},     // liquidated
        {"RU", 2016, "Orenburg"},    // lost the relegation play-off
        {"SP", 2014, "Elche"},       // relegated for unpaid debts
        {"FI", 2023, "Honka"},       // refused a licence
    };
    for (int id = 0; id < kNumeroCampionati; ++id) {
        const CCampionato& c = dati_->campionato(id);
        const std::string codice(c.descrizione().codice);
        if (codice == "B") continue; // clubs leave Serie B at both ends of the table
        for (int s = 1; s < c.config.numeroStagioni(); ++s) {
            const auto& ora = c.squadreStagione(s).nomi;
            const auto& dopo = c.squadreStagione(s + 1).nomi;
            if (ora.empty() || dopo.empty()) continue;
            const auto punti = Classifica(c, s, 3);
            std::vector<std::string> uscite;
            for (const auto& n : ora)
                if (std::find(dopo.begin(), dopo.end(), n) == dopo.end()) uscite.push_back(n);
            for (const auto& n : uscite) {
                // Clubs with more points than this one.
                int sopra = 0;
                for (const auto& [_, p] : punti)
                    sopra += p > punti.at(n);
                const int anno = c.descrizione().annoPrimaStagione + s - 1;
                const bool eccezione = std::any_of(
                    std::begin(eccezioni), std::end(eccezioni), [&](const Eccezione& e) {
                        return codice == e.codice && anno == e.anno && n == e.squadra;
                    });
                const int posti = static_cast<int>(ora.size()) - static_cast<int>(uscite.size()) - 2;
                EXPECT_TRUE(sopra >= posti || eccezione)
                    << codice << " " << anno << ": " << n << " (" << sopra + 1
                    << "a) manca nella stagione dopo";
            }
        }
    }
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


TEST_F(DatiPredefiniti, IlCalendarioCompletaLaStagioneInCorso) {
    // The seasons under way: what is played and what is still to be played
    // make the whole double round robin, every home-and-away pair once.
    struct Caso {
        const char* codice;
        int squadre;
        int prossima; // the next matchday
    } casi[] = {{"A", 20, 3}, {"IN", 20, 3}, {"SP", 20, 8}, {"GE", 18, 1}, {"FR", 18, 1}};
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.codice);
        const CCampionato& c = C(k.codice);
        const int s = c.config.numeroStagioni();
        ASSERT_EQ(s, 2026 - c.descrizione().annoPrimaStagione + 1);
        ASSERT_EQ(c.calendario.stagione, s);
        const auto& nomi = c.squadreStagione(s).nomi;
        ASSERT_EQ(static_cast<int>(nomi.size()), k.squadre);
        std::map<std::pair<std::string, std::string>, int> coppie;
        const int inizio = c.incontri.inizioStagione(s - 1);
        for (int i = inizio + 1; i < c.numeroIncontri(); ++i)
            ++coppie[{nomi[static_cast<std::size_t>(c.incontri[i].casa)],
                      nomi[static_cast<std::size_t>(c.incontri[i].trasferta)]}];
        for (const auto& p : c.calendario.partite) {
            ++coppie[{p.casa, p.trasferta}];
            EXPECT_GT(p.data, 20260801) << p.casa << " " << p.trasferta;
            EXPECT_LT(p.data, 20270701) << p.casa << " " << p.trasferta;
        }
        EXPECT_EQ(static_cast<int>(coppie.size()), k.squadre * (k.squadre - 1));
        for (const auto& [coppia, volte] : coppie)
            EXPECT_EQ(volte, 1) << coppia.first << " - " << coppia.second;
        EXPECT_EQ(c.calendario.ProssimaGiornata(), k.prossima);
    }
    // The other championships end with a finished season: no calendar.
    for (const char* codice : {"B", "NL", "PO", "SC", "AU", "BE"})
        EXPECT_TRUE(C(codice).calendario.vuoto()) << codice;
}

} // namespace
