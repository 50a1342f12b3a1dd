// The rating model across seasons: what it learns from a league whose true
// strengths are known, a season with no match played yet, the priors of
// promoted clubs from the lower division, and the search of its parameters.
#include "engine/rating/ModelloProbabilita.h"
#include "engine/rating/ModelloRating.h"
#include "tools/qualita/TaraturaRating.h"
#include "tools/qualita/ValutazioneStime.h"

#include "tools/qualita/LegaSintetica.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <stdexcept>

using namespace veltra;

namespace {

// Plays a double round robin between `nomi` with goals Poisson of
// exp(0.25 + home + forza(casa) - 0.7 forza(trasferta)), a match a week from
// the first of September of `anno`.
void GiocaStagione(CCampionato& c, const std::vector<std::string>& nomi, int anno,
                   const std::map<std::string, double>& forza, std::mt19937& caso, double casa = 0.25) {
    AggiungiStagione(c, nomi);
    const int n = static_cast<int>(nomi.size());
    long giorno = GiorniDaData(anno * 10000 + 901);
    for (int h = 0; h < n; ++h)
        for (int a = 0; a < n; ++a) {
            if (h == a) continue;
            const double fh = forza.at(nomi[static_cast<std::size_t>(h)]);
            const double fa = forza.at(nomi[static_cast<std::size_t>(a)]);
            const int gh = std::poisson_distribution<int>(std::exp(0.25 + casa + fh - 0.7 * fa))(caso);
            const int ga = std::poisson_distribution<int>(std::exp(0.25 + fa - 0.7 * fh))(caso);
            AggiungiIncontro(c, h, a, SegnoDaReti(gh, ga));
            RetiIncontro r;
            r.data = DataDaGiorni(giorno++);
            r.golCasa = static_cast<std::int16_t>(gh);
            r.golTrasferta = static_cast<std::int16_t>(ga);
            c.reti.Imposta(c.numeroIncontri() - 1, r);
        }
}

// Serie A (first season 1961) and Serie B (1971): A plays 1971-72 to
// 1973-74, B the same years; in 1974-75 A has lost Eta and Theta and gained
// Forte and Debole from B (first and last there) and Nuova, which B never
// had; no match of 1974-75 is played yet.
struct DueDivisioni {
    CCampionato a{0}, b{*CercaCampionato("B")};
    std::vector<std::string> vecchie = {"Alfa", "Beta", "Gamma", "Delta", "Epsilon", "Zeta", "Eta", "Theta"};
    std::vector<std::string> nuove = {"Alfa", "Beta", "Gamma", "Delta", "Epsilon", "Forte", "Debole", "Nuova"};
    std::vector<std::string> sotto = {"Forte", "Uno", "Due", "Tre", "Quattro", "Cinque", "Sei", "Debole"};
    std::map<std::string, double> forza;

    DueDivisioni() {
        for (int i = 0; i < 8; ++i) {
            forza[vecchie[static_cast<std::size_t>(i)]] = 0.4 - 0.1 * i;
            forza[sotto[static_cast<std::size_t>(i)]] = 0.5 - 0.14 * i;
        }
        forza["Nuova"] = 0;
        std::mt19937 caso(11);
        for (int s = 0; s < 10; ++s) AggiungiStagione(a, {}); // 1961-62 to 1970-71: none stored
        for (int anno = 1971; anno <= 1973; ++anno) {
            GiocaStagione(a, vecchie, anno, forza, caso);
            GiocaStagione(b, sotto, anno, forza, caso);
        }
        AggiungiStagione(a, nuove);
    }
    int Indice(const std::string& nome) const {
        for (std::size_t i = 0; i < nuove.size(); ++i)
            if (nuove[i] == nome) return static_cast<int>(i);
        return -1;
    }
};

TEST(ModelloRatingStagioni, RitrovaLeForzeVereDiUnaLegaSintetica) {
    // 16 seasons of the synthetic league, fitted without decay nor pull:
    // home advantage 0.25; attack 0.5 - 0.12 i; defence 0.8 of it, reversed.
    CCampionato c(0);
    test::LegaSintetica::Riempi(c, 16, 1961);
    ParametriRating p;
    p.decadimento = 0;
    p.regolarizzazione = 0.01;
    p.stagioniStoria = 15;
    p.rho = 0;
    ModelloRating m(p);
    ASSERT_EQ(m.Aggiorna(c), 0);
    ASSERT_TRUE(m.VantaggioCasa());
    EXPECT_NEAR(*m.VantaggioCasa(), 0.25, 0.06);
    const auto f0 = m.Forze(0), f7 = m.Forze(7);
    ASSERT_TRUE(f0 && f7);
    EXPECT_NEAR(f0->first - f7->first, 0.84, 0.15);           // attack
    EXPECT_NEAR(f0->second - f7->second, -0.8 * 0.84, 0.15);  // defence: the strong concede less
}

TEST(ModelloRatingStagioni, SenzaIncontriGiocatiStimaOgniCoppiaDalleStagioniPrima) {
    DueDivisioni d;
    ASSERT_EQ(d.a.numeroStagioniCorrenti(), 14);
    ModelloRating m(ParametriRatingPredefiniti(0));
    m.ImpostaInferiore(&d.b);
    ASSERT_EQ(m.Aggiorna(d.a), 0);
    for (int h = 0; h < 8; ++h)
        for (int t = 0; t < 8; ++t) {
            if (h == t) continue;
            const auto p = m.Stima(h, t);
            ASSERT_TRUE(p) << h << " " << t;
            EXPECT_NEAR(p->p1 + p->pX + p->p2, 1, 1e-9);
            EXPECT_GT(p->pX, 0);
        }
    // Strengths carried over: the best of last season is favoured over the worst kept.
    EXPECT_GT(m.Stima(d.Indice("Alfa"), d.Indice("Epsilon"))->p1,
              m.Stima(d.Indice("Epsilon"), d.Indice("Alfa"))->p1);
    // The same through the program's model in use.
    DatiCampionati dati;
    dati.campionato(0).config.stagioni = d.a.config.stagioni;
    dati.campionato(0).incontri = d.a.incontri;
    dati.campionato(0).reti = d.a.reti;
    dati.campionato(0).modello = ModelloStime::Rating;
    auto inUso = CreaModelloInUso(dati, 0);
    ASSERT_EQ(inUso->Aggiorna(), 0);
    EXPECT_TRUE(inUso->Stima(d.Indice("Nuova"), d.Indice("Forte")));
}

TEST(ModelloRatingStagioni, NeopromosseDallaSerieInferioreOppureNellaMedia) {
    DueDivisioni d;
    auto stima = [&](double pesoInferiore, const std::string& casa, const std::string& trasferta) {
        ParametriRating p;
        p.pesoInferiore = pesoInferiore;
        ModelloRating m(p);
        m.ImpostaInferiore(&d.b);
        EXPECT_EQ(m.Aggiorna(d.a), 0);
        return *m.Stima(d.Indice(casa), d.Indice(trasferta));
    };
    // Without the lower division's goals every promoted club is the average one.
    EXPECT_NEAR(stima(0, "Forte", "Gamma").p1, stima(0, "Debole", "Gamma").p1, 1e-6);
    // With them, the club that won the lower division starts stronger than
    // the one that finished last there...
    EXPECT_GT(stima(1, "Forte", "Gamma").p1, stima(1, "Debole", "Gamma").p1 + 0.05);
    // ...and a club the lower division never had stays the average promoted club.
    EXPECT_NEAR(stima(1, "Nuova", "Gamma").p1, stima(0, "Nuova", "Gamma").p1, 1e-6);
}

TEST(ModelloRatingStagioni, LaSerieInferioreContaSoloPerLaStagioneGiaFinita) {
    // The lower division's season of the same year as the one estimated (and
    // any later) cannot change the estimates: it is not over when they are made.
    DueDivisioni d;
    ParametriRating p;
    p.pesoInferiore = 1;
    auto stime = [&](const CCampionato& b) {
        ModelloRating m(p);
        m.ImpostaInferiore(&b);
        EXPECT_EQ(m.Aggiorna(d.a), 0);
        std::vector<double> v;
        for (int h = 0; h < 8; ++h)
            for (int t = 0; t < 8; ++t)
                if (h != t) v.push_back(m.Stima(h, t)->p1);
        return v;
    };
    const auto prima = stime(d.b);
    std::mt19937 caso(99);
    std::map<std::string, double> rovesciata = d.forza;
    for (auto& [n, f] : rovesciata) f = -f;
    GiocaStagione(d.b, d.sotto, 1974, rovesciata, caso);
    GiocaStagione(d.b, d.sotto, 1975, rovesciata, caso);
    EXPECT_EQ(stime(d.b), prima);
}

TEST(ModelloRatingStagioni, TabellaDeiParametriPerCampionato) {
    std::vector<ParametriRating> t;
    ASSERT_FALSE(LeggiTabellaParametriRating("# commento\nA rho=-0.1 # Serie A\n* decadimento=0.004\n\nIN stagioniStoria=3\n", t));
    ASSERT_EQ(t.size(), static_cast<std::size_t>(kNumeroCampionati));
    EXPECT_DOUBLE_EQ(t[0].rho, -0.1);
    EXPECT_DOUBLE_EQ(t[0].decadimento, 0.004); // "*" below the line still reaches it
    EXPECT_EQ(t[*CercaCampionato("IN")].stagioniStoria, 3);
    EXPECT_DOUBLE_EQ(t[*CercaCampionato("GE")].decadimento, 0.004);
    EXPECT_DOUBLE_EQ(t[*CercaCampionato("GE")].rho, ParametriRating{}.rho);
    struct Caso {
        const char* testo;
        const char* errore;
    };
    const Caso rotti[] = {
        {"XX rho=0\n", "riga 1: campionato sconosciuto \"XX\""},
        {"A\nB rho\n", "riga 2: \"rho\" non e' nome=valore"},
        {"A rho=9\n", "riga 1: rho va da"},
        {"A colore=1\n", "riga 1: parametro del modello rating sconosciuto: colore"},
    };
    for (const auto& c : rotti) {
        auto prima = t;
        const auto e = LeggiTabellaParametriRating(c.testo, t);
        ASSERT_TRUE(e) << c.testo;
        EXPECT_EQ(e->rfind(c.errore, 0), 0u) << *e;
        EXPECT_EQ(t, prima); // nothing changed
    }
    // The table the program is built with reads whole, and round-trips.
    std::vector<ParametriRating> incorporata;
    EXPECT_FALSE(LeggiTabellaParametriRating(TabellaParametriRatingIncorporata(), incorporata));
    std::vector<ParametriRating> riletta;
    ASSERT_FALSE(LeggiTabellaParametriRating("A " + TestoParametriRating(incorporata[0]), riletta));
    EXPECT_EQ(riletta[0], incorporata[0]);
    EXPECT_EQ(ParametriRatingPredefiniti(0), incorporata[0]);
}

TEST(ModelloRatingStagioni, LaRicercaUnParametroAllaVoltaTrovaIlMinimo) {
    // A score with its least at decadimento 0.003 and rho -0.09, the grid's
    // nearest values; the search starts elsewhere.
    const std::vector<GrigliaTaratura> griglia = {{"decadimento", {"0.001", "0.003", "0.005"}},
                                                  {"rho", {"0", "-0.09", "-0.2"}}};
    int prove = 0;
    const auto punteggio = [&](const ParametriRating& p) {
        ++prove;
        return (p.decadimento - 0.0031) * (p.decadimento - 0.0031) * 1e4 + (p.rho + 0.1) * (p.rho + 0.1);
    };
    std::vector<ProvaTaratura> viste;
    const auto m = TaraParametri(ParametriRating{}, griglia, 2, punteggio,
                                 [&](const ProvaTaratura& t) { viste.push_back(t); });
    EXPECT_DOUBLE_EQ(m.decadimento, 0.003);
    EXPECT_DOUBLE_EQ(m.rho, -0.09);
    EXPECT_EQ(viste.front().nome, "partenza");
    EXPECT_EQ(static_cast<int>(viste.size()), prove);
    // A value the model refuses stops the search with its reason.
    EXPECT_THROW(TaraParametri(ParametriRating{}, {{"rho", {"5"}}}, 1, punteggio), std::invalid_argument);
}

TEST(ModelloRatingStagioni, TaraturaSuStagioniVereDiUnaLegaSintetica) {
    // The walk-forward score the search minimises: lower with the strengths
    // pulled a little than pulled hard towards the mean.
    CCampionato c(0);
    test::LegaSintetica::Riempi(c, 5, 1961);
    auto copia = CopiaPerValutazione(c);
    ParametriRating poco, troppo;
    poco.regolarizzazione = 2;
    troppo.regolarizzazione = 500;
    EXPECT_LT(RpsFuoriCampioneRating(*copia, nullptr, 4, 5, poco),
              RpsFuoriCampioneRating(*copia, nullptr, 4, 5, troppo));
}

} // namespace
