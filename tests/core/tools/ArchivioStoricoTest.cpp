#include "tools/archiviostorico/CArchivioStorico.h"

#include "doppi/MessaggiRegistrati.h"
#include "Supporto.h"
#include "dati/FileDati.h"
#include "engine/CMotoreStime.h"
#include "tools/stagioni/EtichettaStagione.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace veltra;
using test::MessaggiRegistrati;

namespace {

class ArchivioStorico : public ::testing::Test {
protected:
    void SetUp() override {
        CCampionato& c = dati.campionato(0);
        test::Stagione(c, 4, {{0, 1, '1'}, {2, 3, 'X'}, {1, 0, '2'}, {3, 2, '1'}});
        test::Stagione(c, 4, {{0, 2, '1'}, {1, 3, '2'}, {2, 1, 'X'}, {0, 1, '1'}, {3, 0, 'X'}});
    }
    DatiGlobali dati;
    MessaggiRegistrati msg;
};

} // namespace

TEST_F(ArchivioStorico, StagioniFiltriERicerca) {
    CArchivioStorico a(dati, msg);
    EXPECT_EQ(a.Titolo(), "VELTRA - Serie A. Archivio Storico");
    EXPECT_EQ(a.testoStagione(), "STAGIONE 1962/1963");
    EXPECT_TRUE(a.abilitaPrecedente());
    EXPECT_FALSE(a.abilitaSuccessivo());
    EXPECT_EQ(a.righe(), (std::vector<std::string>{"T0\tT2\t1", "T1\tT3\t2", "T2\tT1\tX",
                                                   "T0\tT1\t1", "T3\tT0\tX"}));
    EXPECT_EQ(a.voce(0), 6);

    // Both filters: the matches of T0 at home or of T1 away, not only theirs.
    a.Seleziona(1);
    a.ImpostaFiltri(0, 1);
    EXPECT_EQ(a.righe(), (std::vector<std::string>{"T0\tT2\t1", "T2\tT1\tX", "T0\tT1\t1"}));
    EXPECT_EQ(a.selezione(), -1);
    a.Seleziona(0);
    EXPECT_FALSE(a.abilitaFissa()) << "never with filters";

    EXPECT_FALSE(CArchivioStorico::abilitaTrova(2, 2));
    EXPECT_TRUE(a.Trova(0, 1));
    EXPECT_EQ(a.selezione(), 2);
    msg.mostrati.clear();
    EXPECT_FALSE(a.Trova(1, 3)) << "filtered out";
    EXPECT_EQ(a.selezione(), -1);
    // Not silence: the user is told the filters hide it...
    EXPECT_EQ(msg.testi(), std::vector<std::string>{kIncontroNascostoDaiFiltri});
    // ...or that the season has no such match.
    EXPECT_FALSE(a.Trova(2, 0));
    EXPECT_EQ(msg.testi().back(), kIncontroNonDisputato);
    msg.mostrati.clear();

    a.ImpostaFiltri(-1, -1);
    EXPECT_TRUE(a.Trova(1, 3));
    EXPECT_EQ(a.selezione(), 1);
    EXPECT_TRUE(a.abilitaFissa());

    a.Precedente();
    EXPECT_EQ(a.testoStagione(), "STAGIONE 1961/1962");
    EXPECT_EQ(a.righe().size(), 4u);
    EXPECT_EQ(a.selezione(), -1) << "a new season clears highlight and selection";
    EXPECT_FALSE(a.abilitaPrecedente());
    EXPECT_TRUE(a.abilitaSuccessivo());
}

TEST_F(ArchivioStorico, ChiusuraSenzaSceltaOSceltaUgualeNonCambiaNulla) {
    CCampionato& c = dati.campionato(0);
    c.ultimoIncontroFiltro = 3;
    c.stagioneFiltro = 1;
    dati.schedina.schedinaAssente = 0;
    {
        CArchivioStorico a(dati, msg);
        EXPECT_EQ(c.ultimoIncontroFiltro, -1) << "the archive shows every season";
        EXPECT_EQ(c.stagioneFiltro, -1);
        a.Chiudi();
        EXPECT_FALSE(a.datiCambiati());
    }
    EXPECT_EQ(c.ultimoIncontroFiltro, 3);
    EXPECT_EQ(c.stagioneFiltro, 1);
    {
        // Gone without Chiudi (the window destroyed): still put back.
        CArchivioStorico a(dati, msg);
    }
    EXPECT_EQ(c.ultimoIncontroFiltro, 3);
    {
        // The cut-off that was already set: the coupon stays.
        CArchivioStorico a(dati, msg);
        a.Precedente();
        a.Seleziona(2);
        ASSERT_EQ(a.voce(2), 3);
        a.FissaUltimoIncontro();
        a.Chiudi();
        EXPECT_FALSE(a.datiCambiati());
    }
    EXPECT_EQ(c.ultimoIncontroFiltro, 3);
    EXPECT_EQ(dati.schedina.schedinaAssente, 0);
    EXPECT_EQ(dati.datiModificati, 0);
    ASSERT_EQ(msg.mostrati.size(), 1u);
    EXPECT_EQ(msg.mostrati[0].testo.rfind("Viene fissato come ultimo incontro: \tT1\tT0\t2\n\n", 0),
              0u);
}

TEST_F(ArchivioStorico, UltimoIncontroPrimaDiUnaStagioneAppenaIniziata) {
    CCampionato& c = dati.campionato(0);
    test::Stagione(c, 4, {});
    c.ultimoIncontroFiltro = 3;
    c.stagioneFiltro = 1;
    CArchivioStorico a(dati, msg);
    EXPECT_EQ(a.testoStagione(), "STAGIONE 1963/1964");
    EXPECT_TRUE(a.righe().empty());
    a.Precedente();
    a.Seleziona(4);
    a.FissaUltimoIncontro();
    // Nothing was played after it: the cut-off goes, as the message says.
    EXPECT_EQ(msg.testi(), std::vector<std::string>{kIncontroPiuRecente});
    a.Chiudi();
    EXPECT_EQ(c.ultimoIncontroFiltro, -1);
    EXPECT_EQ(c.stagioneFiltro, -1);
    EXPECT_TRUE(a.datiCambiati());
}

TEST(ArchivioStoricoVuoto, CampionatoSenzaStagioni) {
    DatiGlobali dati;
    MessaggiRegistrati msg;
    CArchivioStorico a(dati, msg);
    EXPECT_EQ(a.stagione(), -1);
    EXPECT_EQ(a.testoStagione(), "");
    EXPECT_TRUE(a.righe().empty());
    EXPECT_FALSE(a.abilitaPrecedente());
    EXPECT_FALSE(a.abilitaSuccessivo());
    EXPECT_TRUE(a.squadre().empty());
    a.Seleziona(0);
    EXPECT_FALSE(a.abilitaFissa());
    a.Chiudi();
    EXPECT_FALSE(a.datiCambiati());
}

namespace {

// The shipped Serie A, its engine computed.
std::unique_ptr<DatiGlobali> SerieA() {
    auto d = std::make_unique<DatiGlobali>();
    const EsitoFile e = CaricaFileCampionati(*d, VELTRA_RESOURCES_DIR "/dati");
    if (!e) return nullptr;
    CreaMotore(d->campionato(0));
    return d;
}

// Estimates of every pair of current teams, as raw bits ("" when none).
std::vector<std::string> Stime(CCampionato& c) {
    if (c.motore->AggiornaStime() != 0) return {};
    std::vector<std::string> s;
    const int n = c.numeroSquadreCorrenti();
    for (int h = 0; h < n; ++h)
        for (int a = 0; a < n; ++a) {
            Stima st;
            if (h == a || c.motore->StimaIncontro(h, a, st) != 0) {
                s.emplace_back();
                continue;
            }
            s.emplace_back(reinterpret_cast<const char*>(&st), sizeof st);
        }
    return s;
}

} // namespace

TEST(ArchivioStoricoTaglio, FissareEToglierePilotaLeStimeEdEliminaSistemaEScommesse) {
    auto dati = SerieA();
    ASSERT_TRUE(dati);
    CCampionato& c = dati->campionato(0);
    const std::vector<std::string> complete = Stime(c);
    ASSERT_FALSE(complete.empty());

    dati->schedina.schedinaAssente = 0;
    dati->scommesse.nEventi = 3;
    MessaggiRegistrati msg;
    int voce = -1, stagione = -1;
    {
        CArchivioStorico a(*dati, msg);
        a.Precedente();
        // Late in the previous season, so every team has played enough.
        const int riga = static_cast<int>(a.righe().size()) - 20;
        a.Seleziona(riga);
        voce = a.voce(riga);
        stagione = a.stagione() + 1;
        a.FissaUltimoIncontro();
        EXPECT_EQ(msg.testi().back(),
                  FormattaTesto(kFissatoUltimoIncontro,
                                a.righe()[static_cast<std::size_t>(riga)].c_str()));
        a.Chiudi();
        EXPECT_TRUE(a.datiCambiati());
        ASSERT_TRUE(a.testiStato());
        EXPECT_TRUE(a.testiStato()->ok);
    }
    EXPECT_EQ(c.ultimoIncontroFiltro, voce);
    EXPECT_EQ(c.stagioneFiltro, stagione);
    EXPECT_EQ(c.stagioneFiltro, c.config.numeroStagioni() - 1);
    EXPECT_EQ(dati->datiModificati, 1);
    EXPECT_EQ(dati->schedina.schedinaAssente, 1);
    EXPECT_EQ(dati->scommesse.nEventi, 0);
    const auto testi = msg.testi();
    ASSERT_EQ(testi.size(), 3u);
    EXPECT_EQ(testi[1], kFiltroCancellaSistema);
    EXPECT_EQ(testi[2], kFiltroCancellaScommesse);

    // The engine now answers as its cut-off variant does on the same data.
    const std::vector<std::string> tagliate = Stime(c);
    auto riferimento = SerieA();
    ASSERT_TRUE(riferimento);
    CCampionato& r = riferimento->campionato(0);
    r.ultimoIncontroFiltro = voce;
    r.stagioneFiltro = stagione;
    EXPECT_EQ(tagliate, Stime(r));
    EXPECT_NE(tagliate, complete);

    // Fixing the most recent match removes the cut-off and nothing is left
    // to clear.
    msg.mostrati.clear();
    {
        CArchivioStorico a(*dati, msg);
        a.Seleziona(static_cast<int>(a.righe().size()) - 1);
        a.FissaUltimoIncontro();
        a.Chiudi();
        EXPECT_TRUE(a.datiCambiati());
    }
    EXPECT_EQ(msg.testi(), std::vector<std::string>{kIncontroPiuRecente});
    EXPECT_EQ(c.ultimoIncontroFiltro, -1);
    EXPECT_EQ(c.stagioneFiltro, -1);
    EXPECT_EQ(Stime(c), complete);
}
