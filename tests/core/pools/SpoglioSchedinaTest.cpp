// Checking a played system: the texts of the full system, the winning
// columns counted against a walk over every column, the reduced system's
// counters, and the smallest winning enlargement against a brute force.
#include "dati/DatiCampionati.h"
#include "platform/Lavori.h"
#include "platform/Risorse.h"
#include "pools/CCondizionamenti.h"
#include "pools/CPropostaSistema.h"
#include "pools/CDlgSpoglioSchedine.h"
#include "pools/ComandiSistema.h"
#include "pools/CostruzioneSistema.h"
#include "pools/OperazioniSchedina.h"
#include "pools/SpoglioSchedina.h"
#include "pools/VerificaColonna.h"

#include "../doppi/MessaggiRegistrati.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

using namespace veltra;
using veltra::test::MessaggiRegistrati;

namespace {

// A coupon whose rows carry the given predictions ("1", "X2", "1X2"...).
Schedina Coupon(const std::vector<std::string>& pronostici) {
    Schedina s;
    s.schedinaAssente = 0;
    for (std::size_t i = 0; i < pronostici.size() && i < kRigheSchedina; ++i) {
        Partita& p = s.partite[i];
        p.campionato = 0;
        p.squadraCasa = "Casa" + std::to_string(i);
        p.squadraTrasferta = "Ospite" + std::to_string(i);
        p.prob1 = 0.4f;
        p.probX = 0.3f;
        p.prob2 = 0.3f;
        p.segni = {-1, -1, -1};
        for (std::size_t k = 0; k < pronostici[i].size(); ++k)
            p.segni[k] = static_cast<std::int16_t>(SegnoDaCarattere(pronostici[i][k]));
        p.pronosticoAuto = pronostici[i];
    }
    return s;
}

RisultatiSchedina Risultati(const std::string& t) { return *RisultatiDaTesto(t); }

} // namespace

TEST(SpoglioIntegrale, TestiDelRisultato) {
    struct Caso {
        std::vector<std::string> pronostici;
        const char* risultati;
        int punti, base;
        const char* testo;
    };
    const std::vector<std::string> fisse(14, "1");
    auto con = [&](std::vector<std::pair<int, std::string>> cambi) {
        auto v = fisse;
        for (auto& [i, t] : cambi) v[static_cast<std::size_t>(i)] = t;
        return v;
    };
    const Caso casi[] = {
        // all hit, 2 doubles and 1 triple: u = 4
        {con({{0, "1X"}, {1, "X2"}, {2, "1X2"}}), "1X211111111111", 14, 13,
         "1 TREDICISSIMO + 4 TREDICI + 5 DODICI"},
        // all hit, one double: no 12s
        {con({{0, "X1"}}), "11111111111111", 14, 13, "1 TREDICISSIMO + 1 TREDICI"},
        {fisse, "11111111111111", 14, 14, "1 TREDICISSIMO"},
        // one miss on a fixed row, three doubles elsewhere
        {con({{0, "1X"}, {1, "1X"}, {2, "1X"}}), "11121111111111", 13, 13, "1 TREDICI + 3 DODICI"},
        {fisse, "X1111111111111", 13, 13, "1 TREDICI"},
        // the missed row is the only double: 2u - 2 = 0
        {con({{0, "1X"}}), "21111111111111", 13, 13, "2 TREDICI"},
        {con({{0, "1X"}, {1, "1X"}}), "21111111111111", 13, 13, "2 TREDICI + 2 DODICI"},
        // two misses, both on doubles; one on a double; none
        {con({{0, "1X"}, {1, "1X"}}), "22111111111111", 12, 12, "4 DODICI"},
        {con({{0, "1X"}}), "2X111111111111", 12, 12, "2 DODICI"},
        {fisse, "2X111111111111", 12, 12, "1 DODICI"},
        {fisse, "2X211111111111", 11, 11, "11"},
        // a hit on the second sign is not a base hit
        {con({{0, "1X"}, {1, "X2"}}), "X2111111111111", 14, 12, "1 TREDICISSIMO + 2 TREDICI + 1 DODICI"},
    };
    for (const Caso& c : casi) {
        const EsitoIntegrale e = SpogliaIntegrale(Coupon(c.pronostici), Risultati(c.risultati));
        EXPECT_EQ(e.testo, c.testo) << c.risultati;
        EXPECT_EQ(e.punti, c.punti) << c.risultati;
        EXPECT_EQ(e.base, c.base) << c.risultati;
    }
}

TEST(SpoglioIntegrale, ColonneVincentiComeContandoleUnaAUna) {
    std::mt19937 g(7);
    const char* forme[] = {"1", "X", "2", "1X", "X2", "12", "1X2"};
    for (int prova = 0; prova < 30; ++prova) {
        std::vector<std::string> pr;
        for (int i = 0; i < 14; ++i)
            pr.push_back(forme[g() % 7]);
        std::string ris;
        for (int i = 0; i < 14; ++i)
            ris += "1X2"[g() % 3];
        const Schedina s = Coupon(pr);
        const EsitoIntegrale e = SpogliaIntegrale(s, Risultati(ris));
        const auto conta = ContaVincentiEnumerando(s, Risultati(ris));
        EXPECT_EQ(e.colonne14, conta[0]) << prova;
        EXPECT_EQ(e.colonne13, conta[1]) << prova;
        EXPECT_EQ(e.colonne12, conta[2]) << prova;
    }
}

TEST(SpoglioIntegrale, RisultatiDaTesto) {
    EXPECT_TRUE(RisultatiDaTesto("1X21X21X21X21x"));
    for (const char* t : {"", "1X21X21X21X21", "1X21X21X21X21X2", "1X21X21X21X21 ", "1X21X21X21X210"})
        EXPECT_FALSE(RisultatiDaTesto(t)) << t;
}

namespace {

// A coupon holding as reduced system the columns at `indici` of its full
// system (a conditioned system, as the conditions would leave it).
Schedina ConRidotto(const std::vector<std::string>& pronostici, const std::vector<std::int32_t>& indici) {
    Schedina s = Coupon(pronostici);
    s.riduzioneMin = s.riduzioneMax = -2;
    s.ridotto = SistemaDaIndici(SpazioDi(s), indici, nullptr);
    return s;
}

int Colpi(const Colonna& c, const std::string& ris) {
    int n = 0;
    for (int i = 0; i < 14; ++i)
        n += c[static_cast<std::size_t>(i)] == ris[static_cast<std::size_t>(i)];
    return n;
}

} // namespace

TEST(SpoglioRidotto, IlSistemaInteroContaComeIlSistemaIntegrale) {
    const std::vector<std::string> pr = {"1X", "X2", "1X2", "1", "12", "X", "2", "1X2", "1", "1", "X", "2", "1X", "1"};
    const Schedina base = Coupon(pr);
    const SpazioIntegrale sp = SpazioDi(base);
    std::vector<std::int32_t> tutti(static_cast<std::size_t>(sp.totale));
    for (std::size_t i = 0; i < tutti.size(); ++i)
        tutti[i] = static_cast<std::int32_t>(i);
    const Schedina s = ConRidotto(pr, tutti);
    ASSERT_EQ(TotaleColonne(s), sp.totale);
    for (const char* ris : {"1X21121X11X21X", "XX2112X211X21X", "222222222222222"}) {
        if (std::string(ris).size() != 14) continue;
        const EsitoSpoglioRidotto r = SpogliaRidotto(s, Risultati(ris));
        const EsitoIntegrale e = SpogliaIntegrale(base, Risultati(ris));
        EXPECT_EQ(r.tredicissimi, e.colonne14) << ris;
        EXPECT_EQ(r.tredici, e.colonne13) << ris;
        EXPECT_EQ(r.dodici, e.colonne12) << ris;
        for (std::size_t i = 0; i < tutti.size(); ++i)
            ASSERT_EQ(r.punti[i], Colpi(sp.ColonnaDaIndice(static_cast<std::int64_t>(i)), ris)) << i;
    }
}

TEST(SpoglioRidotto, PunteggioMiglioreFinoAlPrimoDodici) {
    // 16 columns over 4 doubles; the results hit 10 fixed rows and the
    // first sign of no double: every column makes at most 10 + its hits.
    const std::vector<std::string> pr = {"1X", "1X", "1X", "1X", "1", "1", "1", "1", "1", "1", "1", "1", "2", "2"};
    const std::string ris = "XXXX1111111111"; // rows 12 and 13 missed
    const SpazioIntegrale sp = SpazioDi(Coupon(pr));
    std::vector<std::int32_t> bassi, tutti;
    for (std::int32_t i = 0; i < sp.totale; ++i) {
        tutti.push_back(i);
        if (Colpi(sp.ColonnaDaIndice(i), ris) <= 10) bassi.push_back(i);
    }
    ASSERT_FALSE(bassi.empty());
    const EsitoSpoglioRidotto r = SpogliaRidotto(ConRidotto(pr, bassi), Risultati(ris));
    EXPECT_EQ(r.migliore, 10);
    EXPECT_EQ(r.dodici + r.tredici + r.tredicissimi, 0);

    const EsitoSpoglioRidotto t = SpogliaRidotto(ConRidotto(pr, tutti), Risultati(ris));
    EXPECT_EQ(t.migliore, -1);
    EXPECT_EQ(t.massimo, 12);
    EXPECT_EQ(t.dodici, 1);
}

TEST(SpoglioRidotto, CelleDoppieContanoPerPiuColonne) {
    // A column of an N-1 table whose double rows keep both signs stands for
    // the four single columns they make.
    const std::vector<std::string> pr = {"X1", "X1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"};
    Schedina s = Coupon(pr);
    s.riduzioneMin = s.riduzioneMax = -1;
    s.ridotto.numTriple = 0;
    s.ridotto.numDoppie = 2;
    s.ridotto.erroriMin = s.ridotto.erroriMax = -1;
    s.ridotto.numColonne = 1;
    s.ridotto.contato = 1;
    // stored 2 on an "X1" row: both signs
    s.ridotto.colonne = {SistemaRidotto::ConCodice(SistemaRidotto::ConCodice(0, 0, 2), 1, 2)};
    ASSERT_EQ(TotaleColonne(s), 1);
    ASSERT_EQ(SegnoColonna(s, 0, 0), 4);

    struct Caso {
        const char* risultati;
        long long q14, q13, q12;
        int punti;
    };
    const Caso casi[] = {
        {"11111111111111", 1, 2, 1, 14}, // as the full system "1X" x "1X"
        {"1X111111111111", 1, 2, 1, 14},
        {"11211111111111", 0, 1, 2, 13}, // one fixed row missed: uc = 2 12s
        {"11221111111111", 0, 0, 1, 12}, // two fixed rows missed: 1 x 1
        {"22111111111111", 0, 0, 4, 12}, // both doubles missed: l1 x l2 = 2 x 2
    };
    for (const Caso& c : casi) {
        const EsitoSpoglioRidotto r = SpogliaRidotto(s, Risultati(c.risultati));
        EXPECT_EQ(r.tredicissimi, c.q14) << c.risultati;
        EXPECT_EQ(r.tredici, c.q13) << c.risultati;
        EXPECT_EQ(r.dodici, c.q12) << c.risultati;
        EXPECT_EQ(r.punti[0], c.punti) << c.risultati;
    }
}

TEST(Allargamento, OrdineDelleCoppie) {
    const auto c = CoppieAllargamento();
    ASSERT_EQ(c.size(), 224u);
    const std::vector<std::pair<int, int>> primi = {{0, 1}, {1, 0}, {0, 2}, {1, 1}, {0, 3}, {2, 0}, {1, 2}, {0, 4}};
    const std::vector<std::pair<int, int>> otto(c.begin(), c.begin() + 8);
    EXPECT_EQ(otto, primi);
    for (std::size_t i = 1; i < c.size(); ++i)
        EXPECT_LE(std::pow(2.0, c[i - 1].first) * std::pow(1.5, c[i - 1].second),
                  std::pow(2.0, c[i].first) * std::pow(1.5, c[i].second));
}

namespace {

// A base system from random probabilities, as the proposal makes it.
Schedina Proposta(std::mt19937& g) {
    Schedina s;
    s.schedinaAssente = 0;
    std::uniform_real_distribution<float> u(0.05f, 1.0f);
    for (int i = 0; i < 14; ++i) {
        Partita& p = s.partite[static_cast<std::size_t>(i)];
        p.campionato = 0;
        p.squadraCasa = "C" + std::to_string(i);
        p.squadraTrasferta = "T" + std::to_string(i);
        float a = u(g), b = u(g), c = u(g);
        const float t = a + b + c;
        p.prob1 = a / t;
        p.probX = b / t;
        p.prob2 = c / t;
        PropostaBase(p, s.probMinSegno, s.probMinFissa, true);
        TestoPronostico(p);
    }
    return s;
}

int PuntiDiretti(const Schedina& s, const std::string& ris) {
    int n = 0;
    for (int i = 0; i < 14; ++i)
        n += Pronostico(s.partite[static_cast<std::size_t>(i)]).find(ris[static_cast<std::size_t>(i)]) != std::string::npos;
    return n;
}

} // namespace

TEST(Allargamento, ComeLaRicercaEsaustiva) {
    std::mt19937 g(11);
    int trovati = 0, nessuno = 0;
    for (int prova = 0; prova < 40; ++prova) {
        const Schedina s = Proposta(g);
        std::string ris;
        for (int i = 0; i < 14; ++i)
            ris += "1X2"[g() % 3];
        int f = 0, d = 0;
        for (const Partita& p : s.partite) {
            f += Pronostico(p).size() == 1;
            d += Pronostico(p).size() == 2;
        }
        // Every allowed pair, applied as the commands would, and the cheapest
        // that wins.
        std::pair<int, int> atteso{0, 0};
        double miglior = 1e300;
        if (PuntiDiretti(s, ris) <= 11) {
            for (int a = 0; a <= 14; ++a)
                for (int b = 0; b <= 14; ++b) {
                    if ((a == 0 && b == 0) || a > f || b > a + d + f) continue;
                    Schedina t = s;
                    for (int i = 0; i < a; ++i) EseguiComandoSistema(t, ComandoSistema::FissaDoppia);
                    for (int i = 0; i < b; ++i) EseguiComandoSistema(t, ComandoSistema::DoppiaTripla);
                    const double costo = std::pow(2.0, a) * std::pow(1.5, b);
                    if (PuntiDiretti(t, ris) > 11 && costo < miglior) {
                        miglior = costo;
                        atteso = {a, b};
                    }
                }
        }
        EXPECT_EQ(CercaAllargamento(s, Risultati(ris)), atteso) << prova << " " << ris;
        (atteso == std::pair<int, int>{0, 0} ? nessuno : trovati)++;
    }
    EXPECT_GT(trovati, 5); // the cases exercise the search, not only its exits
}

TEST(Allargamento, UndiciPuntiProvaPrimaUnaTripla) {
    // 11 points, row 0 a double missing the result: one "Doppia --> Tripla"
    // wins, and (0,1) comes before (1,0).
    std::vector<std::string> pr(14, "1");
    pr[0] = "1X";
    const Schedina s = Coupon(pr);
    EXPECT_EQ(CercaAllargamento(s, Risultati("2XX11111111111")), (std::pair<int, int>{0, 1}));
    // The double hit and three fixed rows missed: a triple cannot help, so
    // the answer needs at least one "Fissa --> Doppia".
    const auto r = CercaAllargamento(s, Risultati("1XXX1111111111"));
    EXPECT_NE(r, (std::pair<int, int>{0, 1}));
    EXPECT_TRUE(r.first >= 1 || r == (std::pair<int, int>{0, 0}));
    // A proposal already at 12 needs nothing.
    EXPECT_EQ(CercaAllargamento(s, Risultati("1X111111111111")), (std::pair<int, int>{0, 0}));
}

TEST(PropostaSistema, LaDimensioneMostrataRestaNellaSchedina) {
    // Closing the system window with a table's system chosen keeps its size,
    // so the commands that need a reduced system of known size are offered
    // before its columns are built.
    DatiCampionati dati;
    Schedina s = Coupon({"1X2", "X2", "1X", "12", "1", "X", "2", "1", "1", "X", "2", "1", "2", "1"});
    CCondizionamenti c;
    const auto tabelle = CartellaRiduzioni();
    const std::int32_t atteso = DimensioneRidotto(tabelle, 1, 3);
    ASSERT_GT(atteso, 0);
    CPropostaSistema p(dati, s, c, tabelle);
    MessaggiRegistrati m;
    ASSERT_TRUE(p.Riempi(false, m));
    p.ScegliRidotto();
    p.Chiudi();
    EXPECT_EQ(s.ridotto.numColonne, atteso);
    EXPECT_EQ(TotaleColonne(s), -1); // known, not built

    EsecutoreSincrono esecutore;
    ContestoSistema ctx{esecutore, m, tabelle, std::nullopt, 0};
    bool ok = false;
    CostruisciSistema(s, c, ctx, [&](bool b) { ok = b; });
    ASSERT_TRUE(ok);
    EXPECT_GT(TotaleColonne(s), 0);
    EXPECT_LE(TotaleColonne(s), atteso);

    // Closing again keeps the built system; a change of predictions forgets it.
    CPropostaSistema q(dati, s, c, tabelle);
    ASSERT_TRUE(q.Riempi(false, m));
    q.Chiudi();
    EXPECT_GT(TotaleColonne(s), 0);
    ASSERT_TRUE(ApplicaComandoSistema(s, ComandoSistema::FissaDoppia).ok);
    EXPECT_EQ(s.ridotto.numColonne, -1);
}
