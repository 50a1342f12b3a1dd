// veltra-cli giornata on a small folder: the next matchday and another one,
// odds where the betting module has them, a fixture that cannot be
// estimated, and no matchday left.
#include "app/DatiGlobali.h"
#include "app/Salvataggio.h"
#include "dati/GeneratoreStagioni.h"
#include "platform/Messaggi.h"

#include "EseguiCli.h"
#include "Supporto.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

using namespace veltra;
using namespace veltra::test;

namespace {

// "k=v k=v ..." of a line, quoted values whole.
std::map<std::string, std::string> Campi(const std::string& riga) {
    std::map<std::string, std::string> m;
    std::size_t i = 0;
    while (i < riga.size()) {
        const auto uguale = riga.find('=', i);
        if (uguale == std::string::npos) break;
        const std::string chiave = riga.substr(i, uguale - i);
        std::size_t fine;
        if (riga[uguale + 1] == '"') {
            fine = riga.find('"', uguale + 2) + 1;
            m[chiave] = riga.substr(uguale + 2, fine - uguale - 3);
        } else {
            fine = std::min(riga.find(' ', uguale), riga.size());
            m[chiave] = riga.substr(uguale + 1, fine - uguale - 1);
        }
        i = fine + 1;
    }
    return m;
}

class CartellaGiornata : public ::testing::Test {
protected:
    void SetUp() override {
        auto dati = std::make_unique<DatiGlobali>();
        // Germany: seven seasons, and a calendar of the last one's teams.
        OpzioniGenerazione o;
        o.stagioni = 7;
        o.squadre = 18;
        CCampionato& ge = dati->campionato(8);
        ASSERT_EQ(GeneraStagioni(ge, o), 0);
        const auto& n = ge.squadreCorrenti().nomi;
        ge.calendario.stagione = ge.config.numeroStagioni();
        ge.calendario.partite = {{21, 20270130, 15 * 60 + 30, n[4], n[5]},
                                 {20, 20270124, -1, n[2], n[3]},
                                 {20, 20270123, 18 * 60 + 30, n[0], n[1]}};
        // Odds for the first match of matchday 20.
        ASSERT_TRUE(dati->scommesse.AggiungiEvento(8, ge.numeroIncontri(), n[0], n[1],
                                                   {2.10f, 3.40f, 3.60f, 0, 0, 0}, 0.4f, 0.3f,
                                                   0.3f));
        // Serie B: a season just begun, with one match played; the engine
        // cannot estimate its fixtures.
        Stagione(dati->campionato(1), 4, {{0, 1, '1'}});
        dati->campionato(1).calendario = {1, {{2, 20260905, -1, "T2", "T3"}}};
        MessaggiSilenziosi m;
        ASSERT_TRUE(SalvaDati(*dati, dir.percorso(), m));
        squadre = n;
    }
    Uscita Giornata(const std::string& opzioni) const {
        return EseguiCli("giornata --cartella " + dir.percorso().string() + " " + opzioni);
    }
    CartellaTemporanea dir;
    std::vector<std::string> squadre;
};

TEST_F(CartellaGiornata, LaProssimaGiornataConQuoteEValore) {
    const Uscita u = Giornata("--campionato GE");
    ASSERT_EQ(u.codice, 0) << u.errori;
    const auto r = Righe(u.testo);
    ASSERT_EQ(r.size(), 3u) << u.testo;
    EXPECT_EQ(r[2], "campionato=GE giornata=20 partite=2 modello=motore");
    // By date: the Saturday match first, with its odds.
    const auto a = Campi(r[0]);
    EXPECT_EQ(r[0].rfind("giornata=20 data=2027-01-23 casa=" + squadre[0] + " trasferta=" +
                             squadre[1] + " p1=",
                         0),
              0u)
        << r[0];
    const double p1 = std::stod(a.at("p1")), pX = std::stod(a.at("pX")), p2 = std::stod(a.at("p2"));
    EXPECT_NEAR(p1 + pX + p2, 1.0, 0.002);
    EXPECT_NEAR(std::stod(a.at("quota1")), 1 / p1, 0.01 + 0.0005 / (p1 * p1));
    // The market without its margin: 1/q scaled to add up to 1.
    const double somma = 1 / 2.10 + 1 / 3.40 + 1 / 3.60;
    EXPECT_NEAR(std::stod(a.at("mercato1")), (1 / 2.10) / somma, 0.0006);
    EXPECT_NEAR(std::stod(a.at("mercato2")), (1 / 3.60) / somma, 0.0006);
    EXPECT_NEAR(std::stod(a.at("valore1")), p1 * 2.10 - 1, 0.0006 + 0.0005 * 2.10);
    EXPECT_NEAR(std::stod(a.at("valoreX")), pX * 3.40 - 1, 0.0006 + 0.0005 * 3.40);
    // Without odds, no market and no value.
    const auto b = Campi(r[1]);
    EXPECT_EQ(b.at("data"), "2027-01-24");
    EXPECT_TRUE(b.count("quota2"));
    EXPECT_FALSE(b.count("mercato1"));
    EXPECT_FALSE(b.count("valore1"));
}

TEST_F(CartellaGiornata, UnAltraGiornataONessuna) {
    struct Caso {
        std::string opzioni;
        int codice;
        std::string ultima;  // the summary line
        std::string errori;
    } casi[] = {
        {"--campionato 8 --numero 21", 0, "campionato=GE giornata=21 partite=1 modello=motore", ""},
        {"--campionato GE --numero 5", 1, "",
         "veltra-cli: la giornata 5 di Germania non ha partite da giocare (giornate in "
         "calendario: 20-21)\n"},
        {"--campionato A", 1, "", "veltra-cli: nessuna partita da giocare nel calendario di Serie A\n"},
        {"--campionato GE --numero zero", 2, "", "veltra-cli: --numero vuole una giornata da 1 a 999: zero\n"},
    };
    for (const Caso& c : casi) {
        const Uscita u = Giornata(c.opzioni);
        EXPECT_EQ(u.codice, c.codice) << c.opzioni;
        EXPECT_EQ(u.errori, c.errori) << c.opzioni;
        const auto r = Righe(u.testo);
        EXPECT_EQ(r.empty() ? "" : r.back(), c.ultima) << c.opzioni;
    }
}

TEST_F(CartellaGiornata, UnIncontroSenzaStimaDiceIlPerche) {
    const Uscita u = Giornata("--campionato B");
    ASSERT_EQ(u.codice, 0) << u.errori;
    EXPECT_EQ(u.testo, "giornata=2 data=2026-09-05 casa=T2 trasferta=T3 errore=\"il motore non ha "
                       "ancora abbastanza partite giocate in questa stagione\"\n"
                       "campionato=B giornata=2 partite=1 modello=motore\n");
}

} // namespace
