#include "tools/pronostici/CPronostici.h"
#include "doppi/OrologioFisso.h"

#include "app/DatiGlobali.h"
#include "dati/GeneratoreStagioni.h"
#include "engine/CMotoreStime.h"
#include "engine/rating/ModelloProbabilita.h"
#include "platform/Piattaforma.h"
#include "platform/Stampa.h"

#include "doppi/MessaggiRegistrati.h"
#include "Supporto.h"

#include <gtest/gtest.h>

#include <map>

using namespace veltra;
using namespace veltra::test;

namespace {

// Records the texts of one printed page by position.
class Stampante : public IServizioStampa, public IDispositivoStampa {
public:
    std::unique_ptr<IDispositivoStampa> ScegliDispositivo() override {
        struct Inoltro : IDispositivoStampa {
            Stampante* s;
            bool InizioDocumento(const std::string& n) override { s->documento = n; return true; }
            bool InizioPagina() override { ++s->pagine; return true; }
            void Testo(int x, int y, const std::string& t) override { s->testi[{x, y}] = t; }
            bool FinePagina() override { return true; }
            void FineDocumento() override { s->finito = true; }
            void Annulla() override {}
        };
        auto d = std::make_unique<Inoltro>();
        d->s = this;
        return d;
    }
    bool InizioDocumento(const std::string&) override { return true; }
    bool InizioPagina() override { return true; }
    void Testo(int, int, const std::string&) override {}
    bool FinePagina() override { return true; }
    void FineDocumento() override {}
    void Annulla() override {}

    std::string documento;
    int pagine = 0;
    bool finito = false;
    std::map<std::pair<int, int>, std::string> testi;
};


class FinestraPronostici : public ::testing::Test {
protected:
    void SetUp() override {
        OpzioniGenerazione o;
        o.stagioni = 4;
        ASSERT_EQ(GeneraStagioni(dati->campionato(0), o), 0);
        o.squadre = 18;
        ASSERT_EQ(GeneraStagioni(dati->campionato(8), o), 0);
        ASSERT_TRUE(p.Aggiorna(false, msg));
    }
    std::unique_ptr<DatiGlobali> dati = std::make_unique<DatiGlobali>();
    CPronostici p{*dati};
    MessaggiRegistrati msg;
};

} // namespace

TEST(Pronostici, MinimoDiUnPuntoPercentuale) {
    struct Caso {
        float in[3], atteso[3];
    };
    const Caso casi[] = {
        {{-2.0f, 50.0f, 52.0f}, {1.0f, 48.5f, 50.5f}}, // p1 = -0.02: X and 2 lose 1.5 each
        {{40.0f, 0.0f, 60.0f}, {39.5f, 1.0f, 59.5f}},
        {{30.0f, 30.0f, 40.0f}, {30.0f, 30.0f, 40.0f}},
    };
    for (const auto& c : casi) {
        float p[3] = {c.in[0], c.in[1], c.in[2]};
        CPronostici::ApplicaMinimo(p);
        for (int i = 0; i < 3; ++i) EXPECT_FLOAT_EQ(p[i], c.atteso[i]);
    }
}

TEST_F(FinestraPronostici, SelezioneStimaEStampa) {
    EXPECT_EQ(p.titolo(), "VELTRA - Serie A. Pronostici");
    ASSERT_EQ(p.squadre().size(), 20u);
    p.CambiaSelezione(3, 3, msg); // the same team: nothing
    EXPECT_FALSE(p.stampaAbilitata());
    EXPECT_EQ(p.testo(0), "");
    p.CambiaSelezione(3, 7, msg);
    ASSERT_TRUE(p.stampaAbilitata());
    Stima s;
    ASSERT_EQ(dati->campionato(0).motore->StimaIncontro(3, 7, s), 0);
    float atteso[3] = {s.p1 * 100, s.pX * 100, s.p2 * 100};
    CPronostici::ApplicaMinimo(atteso);
    char t[32];
    std::snprintf(t, sizeof t, "%.1f%%", atteso[0]);
    EXPECT_EQ(p.testo(0), t);
    EXPECT_EQ(p.nomeCasa(), p.squadre()[3]);

    Stampante st;
    OrologioFisso ora{true};
    msg.risposte = {Risposta::Annulla};
    p.Stampa(msg, st, ora); // cancelled at the question: nothing printed
    EXPECT_EQ(st.pagine, 0);
    msg.risposte = {Risposta::Ok};
    p.Stampa(msg, st, ora);
    EXPECT_EQ(st.documento, "VELTRA - Serie A. Stima di probabilita'");
    EXPECT_EQ(st.pagine, 1);
    EXPECT_TRUE(st.finito);
    EXPECT_EQ(st.testi[std::pair(0, 0)], "VELTRA - Serie A. Stima di Probabilita'. (09/05/2005)");
    EXPECT_EQ(st.testi[std::pair(1132, 160)], "X");
    EXPECT_EQ(st.testi[std::pair(400, 220)], p.nomeTrasferta());
    EXPECT_EQ(st.testi[std::pair(800, 220)], p.testo(0));
    EXPECT_EQ(st.testi[std::pair(0, 340)].rfind("Precisione Stime  : ", 0), 0u);
    EXPECT_EQ(st.testi[std::pair(0, 400)].rfind("Utilizzo Base Dati: ", 0), 0u);

    const std::string d = p.Dettaglio();
    EXPECT_EQ(d.rfind("P1=100, P2=100, P3=0, P4=0, P5=0\nG=1, C=", 0), 0u) << d;
    EXPECT_NE(d.find("\nC="), std::string::npos);
}

TEST_F(FinestraPronostici, AggiornamentiCambiDiCampionatoEFallimenti) {
    p.CambiaSelezione(2, 5, msg);
    const std::string prima = p.testo(1);
    // A new analysis keeps the selection and shows the new estimate.
    dati->campionato(0).config.giornateAnalisi = 1;
    ASSERT_TRUE(p.Aggiorna(false, msg));
    EXPECT_EQ(p.casa(), 2);
    EXPECT_TRUE(p.stampaAbilitata());
    EXPECT_NE(p.testo(1), prima);
    // Another championship refills the lists and clears the estimate.
    dati->campionatoCorrente = 8;
    ASSERT_TRUE(p.Aggiorna(false, msg));
    EXPECT_EQ(p.titolo(), "VELTRA - Germania. Pronostici");
    EXPECT_EQ(p.squadre().size(), 18u);
    EXPECT_EQ(p.casa(), -1);
    EXPECT_FALSE(p.stampaAbilitata());
    // A team without enough matches this season: message, selection cleared.
    CCampionato& ge = dati->campionato(8);
    ASSERT_EQ(AggiungiStagione(ge, ge.squadreCorrenti().nomi), 0);
    ASSERT_EQ(AggiungiIncontro(ge, 0, 1, '1'), 0);
    ASSERT_TRUE(p.Aggiorna(true, msg));
    msg.mostrati.clear();
    p.CambiaSelezione(0, 1, msg);
    ASSERT_EQ(msg.mostrati.size(), 1u);
    EXPECT_EQ(msg.mostrati[0].testo.rfind("Impossibile calcolare le probabilita' nella finestra", 0), 0u);
    EXPECT_EQ(p.casa(), -1);
    EXPECT_FALSE(p.stampaAbilitata());
    // Estimates that cannot be computed close the window.
    ge.limiteMaxCasa = ge.limiteMinCasa;
    EXPECT_FALSE(p.Aggiorna(false, msg));
    EXPECT_EQ(msg.mostrati.back().testo, kStimePronosticiImpossibili);
}

// A season with no match yet: the engine cannot estimate a single pair, and
// the window offers the rating model; refused, the engine goes on as before.
TEST(Pronostici, StagioneAppenaIniziataOffreIlModelloRating) {
    for (const Risposta risposta : {Risposta::Si, Risposta::No}) {
        auto dati = std::make_unique<DatiGlobali>();
        OpzioniGenerazione o;
        o.stagioni = 4;
        ASSERT_EQ(GeneraStagioni(dati->campionato(0), o), 0);
        auto& c = dati->campionato(0);
        ASSERT_EQ(AggiungiStagione(c, c.config.stagioni.back().nomi), 0);
        CPronostici p{*dati};
        MessaggiRegistrati msg;
        msg.risposte = {risposta};
        const bool aperta = p.Aggiorna(false, msg);
        ASSERT_FALSE(msg.mostrati.empty());
        EXPECT_EQ(msg.mostrati[0].testo, kOffertaModelloRating);
        if (risposta == Risposta::No) {
            // The engine as before: no pair it can estimate yet.
            EXPECT_EQ(c.modello, ModelloStime::Motore);
            ASSERT_TRUE(aperta);
            p.CambiaSelezione(0, 1, msg);
            EXPECT_EQ(msg.mostrati.back().testo, kProbabilitaPronosticiImpossibili);
            continue;
        }
        ASSERT_TRUE(aperta);
        EXPECT_EQ(c.modello, ModelloStime::Rating);
        EXPECT_EQ(dati->datiModificati, 1);
        EXPECT_EQ(p.testoModello(), "Stime: modello rating");
        p.CambiaSelezione(0, 1, msg);
        EXPECT_TRUE(p.stampaAbilitata());
        EXPECT_FALSE(p.testo(0).empty());
    }
}
