#include "tools/classifica/CClassifica.h"
#include "tools/stagioni/EtichettaStagione.h"

#include "doppi/MessaggiRegistrati.h"
#include "Supporto.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace veltra;
using veltra::test::M;
using veltra::test::Stagione;

namespace {

RigaClassifica Riga(int squadra, int vinte, int pari, int perse) {
    RigaClassifica r;
    r.squadra = squadra;
    r.vinteCasa = vinte;
    r.pareggiCasa = pari;
    r.perseCasa = perse;
    return r;
}

std::vector<int> Ordine(const std::vector<RigaClassifica>& righe) {
    std::vector<int> o;
    for (const auto& r : OrdinaClassifica(righe))
        o.push_back(r.squadra);
    return o;
}

std::vector<std::string> Nomi(const CClassifica& c) {
    std::vector<std::string> n;
    for (const auto& t : c.testi())
        n.push_back(t.squadra);
    return n;
}

} // namespace

TEST(Classifica, OrdineConPuntiPartiteEZeroPunti) {
    struct Caso {
        const char* nome;
        std::vector<RigaClassifica> righe;
        std::vector<int> attesa;
    } casi[] = {
        // 10 points each: fewer matches played goes first.
        {"meno giocate prima", {Riga(0, 3, 1, 2), Riga(1, 3, 1, 1)}, {1, 0}},
        {"piu' punti prima", {Riga(0, 1, 0, 0), Riga(1, 2, 0, 0), Riga(2, 0, 2, 0)}, {1, 0, 2}},
        // Level on points and matches: index order.
        {"parita' piena", {Riga(0, 1, 1, 0), Riga(1, 0, 4, 0), Riga(2, 1, 1, 0)}, {0, 2, 1}},
        // Teams without points come in reverse index order, below the others.
        {"zero punti",
         {Riga(4, 0, 0, 2), Riga(5, 1, 0, 0), Riga(7, 0, 0, 1), Riga(8, 0, 1, 0), Riga(9, 0, 0, 3)},
         {5, 8, 9, 7, 4}},
    };
    for (const auto& c : casi)
        EXPECT_EQ(Ordine(c.righe), c.attesa) << c.nome;
}

TEST(Classifica, UltimaStagioneContataInCasaEFuori) {
    DatiGlobali dati;
    CCampionato& c = dati.campionato(0);
    Stagione(c, 3, {{0, 1, '1'}, {1, 2, '1'}});
    Stagione(c, 3, {{0, 1, '1'}, {2, 0, 'X'}, {1, 2, '2'}, {2, 1, '2'}});
    test::MessaggiRegistrati msg;
    CClassifica t(dati);
    ASSERT_TRUE(t.Aggiorna(false, msg));
    EXPECT_EQ(t.titolo(), "VELTRA - Serie A. Classifica");
    EXPECT_EQ(t.numeroGironi(), 1);
    EXPECT_EQ(t.etichetta(), "Stagione 1962/1963"); // the second season stored
    // T0: won at home, drew away (4 in 2); T2: drew and lost at home, won
    // away (4 in 3); T1: 3 in 3.
    EXPECT_EQ(Nomi(t), (std::vector<std::string>{"T0", "T2", "T1"}));
    const TestiRigaClassifica r = t.testi()[1];
    EXPECT_EQ(std::vector<int>({r.giocate, r.casa, r.vinteCasa, r.pareggiCasa, r.perseCasa, r.fuori,
                                r.vinteFuori, r.pareggiFuori, r.perseFuori, r.punti}),
              std::vector<int>({3, 2, 0, 1, 1, 1, 1, 0, 0, 4}));
    EXPECT_TRUE(msg.mostrati.empty());
}

TEST(Classifica, TagliaStoricoESenzaIncontri) {
    DatiGlobali dati;
    CCampionato& c = dati.campionato(0);
    Stagione(c, 2, {{0, 1, '1'}, {1, 0, '1'}});
    Stagione(c, 2, {{0, 1, '2'}});
    test::MessaggiRegistrati msg;
    CClassifica t(dati);
    ASSERT_TRUE(t.Aggiorna(false, msg));
    EXPECT_EQ(Nomi(t), (std::vector<std::string>{"T1", "T0"}));

    // Up to the first match of season 1: only that match counts.
    c.ultimoIncontroFiltro = 1;
    c.stagioneFiltro = 1;
    EXPECT_EQ(Nomi(t), (std::vector<std::string>{"T1", "T0"})) << "no recount without a change";
    ASSERT_TRUE(t.Aggiorna(true, msg));
    EXPECT_EQ(Nomi(t), (std::vector<std::string>{"T0", "T1"}));
    EXPECT_EQ(t.testi()[0].punti, 3);

    // A season that has only just begun: no table, and the window stays shut.
    c.ultimoIncontroFiltro = c.stagioneFiltro = -1;
    Stagione(c, 2, {});
    EXPECT_FALSE(t.Aggiorna(true, msg));
    EXPECT_EQ(msg.testi(), std::vector<std::string>{kNessunIncontroClassifica});
    EXPECT_EQ(msg.mostrati[0].icona, Icona::Informazione);
}

TEST(Classifica, GironiDiSerieC1EC2) {
    struct Caso {
        CampionatoId campionato;
        int squadre;
        std::vector<std::vector<int>> gironi; // teams shown, group after group
    } casi[] = {
        {2, 20, {{0, 17}, {18, 19}}},
        {3, 40, {{0, 17}, {18, 35}, {36, 39}}},
        {0, 20, {{0, 19}}},
    };
    for (const auto& caso : casi) {
        DatiGlobali dati;
        dati.campionatoCorrente = static_cast<std::int16_t>(caso.campionato);
        CCampionato& c = dati.campionato(caso.campionato);
        Stagione(c, caso.squadre, {{0, 1, '1'}});
        test::MessaggiRegistrati msg;
        CClassifica t(dati);
        ASSERT_TRUE(t.Aggiorna(false, msg));
        ASSERT_EQ(t.numeroGironi(), static_cast<int>(caso.gironi.size()));
        // Twice round, to see the cycle close.
        for (int giro = 0; giro < 2 * t.numeroGironi(); ++giro) {
            const auto& atteso = caso.gironi[static_cast<std::size_t>(giro % t.numeroGironi())];
            std::vector<int> squadre;
            for (const auto& r : t.righe())
                squadre.push_back(r.squadra);
            std::sort(squadre.begin(), squadre.end());
            ASSERT_FALSE(squadre.empty());
            EXPECT_EQ(squadre.front(), atteso[0]) << caso.campionato << " giro " << giro;
            EXPECT_EQ(squadre.back(), atteso[1]) << caso.campionato << " giro " << giro;
            EXPECT_EQ(static_cast<int>(squadre.size()), atteso[1] - atteso[0] + 1);
            t.AltroGirone();
        }
    }
}

TEST(Classifica, EtichettaConStagioneEGirone) {
    // Serie C1 with a single group's worth of teams: group B is empty, and
    // the window says so rather than show a bare grid.
    DatiGlobali dati;
    dati.campionatoCorrente = 2;
    Stagione(dati.campionato(2), 10, {{0, 1, '1'}});
    test::MessaggiRegistrati msg;
    CClassifica t(dati);
    ASSERT_TRUE(t.Aggiorna(false, msg));
    const std::string stagione = "Stagione " + EtichettaStagione(2, 1);
    EXPECT_EQ(t.etichetta(), stagione + " - Girone A");
    t.AltroGirone();
    EXPECT_TRUE(t.righe().empty());
    EXPECT_EQ(t.etichetta(), stagione + " - Girone B: nessuna squadra in questo girone");
}
