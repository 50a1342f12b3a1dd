// The rules of the coupon: a row's signs, the base proposal, the floor on the
// probabilities, the bonus, and the ten commands with their tie rules.
#include "pools/ComandiSistema.h"
#include "pools/OperazioniSchedina.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace veltra;

namespace {

Partita Riga(float p1, float pX, float p2, const std::string& segni = "") {
    Partita p;
    p.campionato = 0;
    p.squadraCasa = "Casa";
    p.squadraTrasferta = "Trasferta";
    p.prob1 = p1;
    p.probX = pX;
    p.prob2 = p2;
    for (std::size_t i = 0; i < segni.size(); ++i)
        p.segni[i] = static_cast<std::int16_t>(SegnoDaCarattere(segni[i]));
    p.pronosticoAuto = segni;
    return p;
}

std::vector<std::string> Pronostici(const Schedina& s) {
    std::vector<std::string> v;
    for (const Partita& p : s.partite) v.push_back(Pronostico(p));
    return v;
}

} // namespace

TEST(PropostaBase, CasiDellaRegola) {
    struct Caso {
        float p1, pX, p2; // p2 with the bonus
        const char* atteso;
    };
    const Caso casi[] = {
        {0.40f, 0.30f, 0.30f + 0.09f, "12"}, // n = 2, best 1 below 50 %, 2 beats X
        {0.55f, 0.25f, 0.29f, "1"},          // only one sign above 33 %, best reaches 50 %
        {0.45f, 0.30f, 0.30f, "1X2"},        // n 1 -> 2; X and 2 tie, so both
        {0.32f, 0.31f, 0.30f, "1"},          // none above 33 %: n 0 -> 1, stays fixed
        {0.20f, 0.45f, 0.35f, "X2"},
        {0.34f, 0.33f, 0.33f, "1X2"},        // all three above 33 %
        {0.30f, 0.30f, 0.40f, "21X"},        // best 2; 1 and X tie: 1 second, X too
        {0.30f, 0.30f, 0.30f, "1"},          // equal: 1 is best; n 0 -> 1
        {0.10f, 0.20f, 0.60f, "2"},
    };
    for (const Caso& c : casi) {
        Partita p = Riga(c.p1, c.pX, c.p2);
        PropostaBase(p, 0.33f, 0.5f, true);
        EXPECT_EQ(TestoPronostico(p), c.atteso) << c.p1 << " " << c.pX << " " << c.p2;
    }
}

TEST(PropostaBase, TestoManualeTenutoOScartato) {
    Partita p = Riga(0.6f, 0.2f, 0.2f);
    p.pronosticoManuale = "X2";
    PropostaBase(p, 0.33f, 0.5f, false);
    EXPECT_EQ(p.pronosticoManuale, "X2");
    EXPECT_EQ(p.pronosticoAuto, "1"); // the slots still get the proposal
    EXPECT_EQ(Pronostico(p), "X2");
    PropostaBase(p, 0.33f, 0.5f, true);
    EXPECT_EQ(Pronostico(p), "1");
    // An empty row gets no sign.
    Partita vuota;
    PropostaBase(vuota, 0.33f, 0.5f, true);
    EXPECT_EQ(Pronostico(vuota), "");
}

TEST(Probabilita, ValoriNonPositiviCorretti) {
    float p[3] = {0.62f, 0.42f, -0.04f};
    CorreggiProbabilita(p);
    EXPECT_FLOAT_EQ(p[2], 0.01f);
    EXPECT_FLOAT_EQ(p[0], 0.62f - 0.025f);
    EXPECT_FLOAT_EQ(p[1], 0.42f - 0.025f);
    float q[3] = {0.0f, 0.6f, 0.4f}; // zero counts as non-positive
    CorreggiProbabilita(q);
    EXPECT_FLOAT_EQ(q[0], 0.01f);
    EXPECT_FLOAT_EQ(q[1], 0.6f - 0.005f);
}

TEST(SegniRiga, AggiungereTogliereOrdinare) {
    Partita p = Riga(0.2f, 0.5f, 0.3f, "X");
    EXPECT_FALSE(TogliSegno(p, kSegnoX)); // the only sign
    EXPECT_FALSE(AggiungiSegno(p, kSegnoX)); // already there
    EXPECT_TRUE(AggiungiSegno(p, kSegno2));
    EXPECT_EQ(TestoPronostico(p), "X2");
    EXPECT_TRUE(AggiungiSegno(p, kSegno1));
    EXPECT_EQ(TestoPronostico(p), "X21");
    EXPECT_FALSE(AggiungiSegno(p, kSegno1)); // a fourth sign
    EXPECT_TRUE(TogliSegno(p, kSegnoX));
    EXPECT_EQ(TestoPronostico(p), "21"); // later slots shift left
    // A double is swapped only when the second is strictly more probable.
    Partita pari = Riga(0.4f, 0.4f, 0.2f, "X");
    AggiungiSegno(pari, kSegno1);
    EXPECT_EQ(TestoPronostico(pari), "X1");
    // A triple of equal probabilities is ordered 1, X, 2.
    Partita tripla = Riga(0.3f, 0.3f, 0.3f, "2");
    AggiungiSegno(tripla, kSegnoX);
    AggiungiSegno(tripla, kSegno1);
    EXPECT_EQ(TestoPronostico(tripla), "1X2");
    // A manual row refuses every change.
    Partita manuale = Riga(0.3f, 0.3f, 0.3f, "1");
    manuale.pronosticoManuale = "X2";
    EXPECT_FALSE(AggiungiSegno(manuale, kSegnoX));
    EXPECT_FALSE(TogliSegno(manuale, kSegno1));
    EXPECT_FALSE(HaSegno(manuale, kSegno1));
    EXPECT_FALSE(Fissa(manuale));
}

TEST(Schedina, BonusSegno2SoloSulleRighePiene) {
    Schedina s;
    s.partite[0] = Riga(0.4f, 0.3f, 0.39f, "12");
    ImpostaBonus2(s, 0.04f);
    EXPECT_FLOAT_EQ(s.partite[0].prob2, 0.34f);
    EXPECT_FLOAT_EQ(s.bonusSegno2, 0.04f);
    EXPECT_TRUE(Vuota(s.partite[1]));
}

TEST(Schedina, DimensioniEAzzeramento) {
    Schedina s;
    s.partite[0] = Riga(0.4f, 0.3f, 0.3f, "1X2");
    s.partite[1] = Riga(0.4f, 0.3f, 0.3f, "1X");
    s.partite[2] = Riga(0.4f, 0.3f, 0.3f, "1");
    s.partite[3] = Riga(0.4f, 0.3f, 0.3f, "1");
    s.partite[3].pronosticoManuale = "X2";
    EXPECT_EQ(ColonneIntegrale(s), 3 * 2 * 2);
    EXPECT_EQ(StatoNumeroSegni(s).doppie, 2);
    EXPECT_EQ(StatoNumeroSegni(s).triple, 1);
    s.probMinSegno = 0.2f;
    s.riduzioneMin = 0;
    s.riduzioneMax = 2;
    s.contatoriModifiche[3] = 5;
    Azzera(s);
    EXPECT_TRUE(Vuota(s.partite[0]));
    EXPECT_EQ(s.riduzioneMin, -1);
    EXPECT_EQ(s.contatoriModifiche[3], 0);
    EXPECT_FLOAT_EQ(s.probMinSegno, 0.2f); // the thresholds stay
}

// Each command on a small coupon: the rows after it, the rows it reports.
TEST(ComandiSistema, SceltaDelleRigheESpareggi) {
    using C = ComandoSistema;
    struct Caso {
        const char* nome;
        std::vector<Partita> righe;
        C comando;
        std::vector<std::string> attesi;
        int riga, secondaRiga;
    };
    const Caso casi[] = {
        {"fissa-doppia: pari, vince l'ultima",
         {Riga(0.5f, 0.3f, 0.2f, "1"), Riga(0.5f, 0.3f, 0.2f, "1"), Riga(0.2f, 0.5f, 0.3f, "X")},
         C::FissaDoppia, {"1", "1", "X2"}, 2, -1},
        {"fissa-doppia: nella riga X prima di 2 a pari",
         {Riga(0.5f, 0.25f, 0.25f, "1")}, C::FissaDoppia, {"1X"}, 0, -1},
        {"doppia-tripla: pari, vince l'ultima",
         {Riga(0.4f, 0.35f, 0.25f, "1X"), Riga(0.25f, 0.4f, 0.35f, "X2")}, C::DoppiaTripla,
         {"1X", "X21"}, 1, -1},
        {"tripla-doppia: il segno meno probabile",
         {Riga(0.34f, 0.33f, 0.33f, "1X2"), Riga(0.4f, 0.33f, 0.27f, "1X2")}, C::TriplaDoppia,
         {"1X2", "1X"}, 1, -1},
        {"tripla-doppia: pari, vince la prima",
         {Riga(0.4f, 0.3f, 0.3f, "1X2"), Riga(0.3f, 0.4f, 0.3f, "X12")}, C::TriplaDoppia,
         {"12", "X12"}, 0, -1},
        {"doppia-fissa: pari, vince la prima",
         {Riga(0.45f, 0.2f, 0.35f, "12"), Riga(0.5f, 0.35f, 0.15f, "1X")}, C::DoppiaFissa,
         {"1", "1X"}, 0, -1},
        {"aumenta-1 su una fissa X: toglie il segno meno probabile tra le doppie",
         {Riga(0.30f, 0.45f, 0.25f, "X"), Riga(0.2f, 0.42f, 0.38f, "X2"), Riga(0.6f, 0.2f, 0.2f, "1")},
         C::Aumenta1, {"X1", "X", "1"}, 0, 1},
        {"aumenta-1: la stessa riga cede la X",
         {Riga(0.40f, 0.35f, 0.25f, "X")}, C::Aumenta1, {"1"}, 0, 0},
        {"diminuisci-2 su una fissa: X a pari con 1",
         {Riga(0.3f, 0.3f, 0.4f, "2"), Riga(0.5f, 0.1f, 0.4f, "12")}, C::Diminuisci2,
         {"X", "12"}, 0, 0},
        {"diminuisci-X: una fissa riceve il segno piu' probabile",
         {Riga(0.5f, 0.3f, 0.2f, "1X"), Riga(0.2f, 0.5f, 0.3f, "X")}, C::DiminuisciX,
         {"1", "X2"}, 0, 1},
        {"diminuisci-1: nessuna doppia, cambia una fissa di 1",
         {Riga(0.4f, 0.3f, 0.3f, "1X2"), Riga(0.6f, 0.25f, 0.15f, "1")}, C::Diminuisci1,
         {"1X2", "X"}, 1, 1},
    };
    for (const Caso& c : casi) {
        Schedina s;
        for (std::size_t i = 0; i < c.righe.size(); ++i) s.partite[i] = c.righe[i];
        const EsitoComandoSistema e = ApplicaComandoSistema(s, c.comando);
        ASSERT_TRUE(e.ok) << c.nome;
        std::vector<std::string> attesi = c.attesi;
        attesi.resize(kRigheSchedina);
        EXPECT_EQ(Pronostici(s), attesi) << c.nome;
        EXPECT_EQ(e.riga, c.riga) << c.nome;
        EXPECT_EQ(e.secondaRiga, c.secondaRiga) << c.nome;
        EXPECT_EQ(s.contatoriModifiche[static_cast<std::size_t>(c.comando)], 1) << c.nome;
        EXPECT_EQ(s.sistemaIniziale, 0) << c.nome;
    }
}

TEST(ComandiSistema, FallimentoLasciaLaSchedinaComEra) {
    // Only manual rows: nothing can change.
    Schedina manuali;
    for (auto& p : manuali.partite) {
        p = Riga(0.4f, 0.3f, 0.3f, "1X");
        p.pronosticoManuale = "1X";
    }
    // One triple and nothing else: "diminuisci" finds no row to compensate.
    Schedina tripla;
    tripla.partite[0] = Riga(0.4f, 0.3f, 0.3f, "1X2");
    for (Schedina* s : {&manuali, &tripla})
        for (int c = 0; c < kNumeroComandiSistema; ++c) {
            const Schedina prima = *s;
            const auto comando = static_cast<ComandoSistema>(c);
            const EsitoComandoSistema e = ApplicaComandoSistema(*s, comando);
            if (s == &tripla && comando == ComandoSistema::TriplaDoppia) {
                *s = prima;
                continue;
            }
            EXPECT_FALSE(e.ok) << NomeComando(comando);
            EXPECT_EQ(Pronostici(*s), Pronostici(prima)) << NomeComando(comando);
            EXPECT_EQ(s->partite, prima.partite) << NomeComando(comando);
            EXPECT_EQ(s->contatoriModifiche, prima.contatoriModifiche) << NomeComando(comando);
            EXPECT_EQ(s->sistemaIniziale, prima.sistemaIniziale) << NomeComando(comando);
            EXPECT_EQ(s->ridotto, prima.ridotto) << NomeComando(comando);
        }
}

TEST(ComandiSistema, Abilitazioni) {
    Schedina s;
    for (auto& p : s.partite) p = Riga(0.6f, 0.2f, 0.2f, "1");
    auto on = ComandiAbilitati(s, 0);
    using C = ComandoSistema;
    auto abil = [&](C c) { return on[static_cast<std::size_t>(c)]; };
    EXPECT_TRUE(abil(C::FissaDoppia));
    EXPECT_FALSE(abil(C::DoppiaFissa));   // all 14 fixed
    EXPECT_FALSE(abil(C::DoppiaTripla));
    EXPECT_FALSE(abil(C::TriplaDoppia));
    EXPECT_FALSE(abil(C::Aumenta1));      // every row has 1
    EXPECT_TRUE(abil(C::AumentaX));
    EXPECT_FALSE(abil(C::DiminuisciX));   // no row has X
    EXPECT_TRUE(abil(C::Diminuisci1));
    // Rows made manual in the window lower the limit.
    s.partite[13].pronosticoManuale = "X";
    on = ComandiAbilitati(s, 1);
    EXPECT_FALSE(abil(C::Aumenta1));
    EXPECT_FALSE(abil(C::DoppiaFissa));
    for (int c = 0; c < kNumeroComandiSistema; ++c)
        EXPECT_EQ(ComandoDaNome(NomeComando(static_cast<C>(c))), static_cast<C>(c));
}
