// veltra-cli scommesse on a folder filled with the shipped data: a week of
// Serie A and Serie B odds saved as a ".QUO" file, ranked from the terminal
// with the window's defaults and with changed criteria, against the same
// ranking done here one combination at a time.
#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "betting/FileQuote.h"
#include "betting/RicalcolaEventi.h"
#include "betting/SelezioneScommesse.h"

#include "EseguiCli.h"
#include "Supporto.h"
#include "doppi/MessaggiRegistrati.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>
#include <sys/wait.h>

using namespace veltra;
using namespace veltra::test;

namespace {

std::string G(float v) {
    char b[48];
    std::snprintf(b, sizeof b, "%.9g", static_cast<double>(v));
    return b;
}

} // namespace

TEST(VeltraCliScommesse, SettimanaClassificataComeNellaFinestra) {
    CartellaTemporanea dir;
    const std::string cartella = (dir / "lavoro").string();
    ASSERT_EQ(EseguiCli("schedina --cartella " + cartella).codice, 0); // first start: shipped data

    auto dati = std::make_unique<DatiGlobali>();
    MessaggiRegistrati msg;
    ASSERT_TRUE(CaricaAvvio(*dati, cartella, msg));
    ScommessaMgr& m = dati->scommesse;
    const float quote[8][6] = {
        {1.80f, 3.50f, 4.50f, 1.22f, 1.30f, 0},   {2.40f, 3.10f, 3.00f, 0, 0, 1.50f},
        {1.45f, 4.20f, 7.50f, 1.10f, 0, 0},       {2.90f, 3.20f, 2.50f, 1.50f, 1.35f, 1.40f},
        {2.05f, 3.30f, 3.60f, 0, 1.30f, 0},       {1.95f, 3.40f, 4.00f, 1.25f, 0, 1.80f},
        {3.40f, 3.30f, 2.15f, 0, 0, 1.25f},       {2.25f, 3.00f, 3.40f, 1.28f, 1.33f, 1.55f}};
    for (int k = 0; k < 8; ++k) {
        const int c = k < 5 ? 0 : 1;
        ASSERT_TRUE(AggiornaStimeScommesse(*dati, c));
        const int casa = 2 * k, trasferta = 2 * k + 1;
        const auto p = StimaEvento(*dati, c, casa, trasferta);
        ASSERT_TRUE(p) << k;
        const auto& nomi = dati->campionato(c).squadreCorrenti().nomi;
        std::array<float, 6> q;
        // Odds well above the fair ones, so that every ranking finds bets.
        for (int j = 0; j < 6; ++j) q[static_cast<std::size_t>(j)] = quote[k][j] * (j < 3 ? 1.4f : 1.0f);
        m.AggiungiEvento(c, dati->campionato(c).numeroIncontriCorrenti(), nomi[casa],
                         nomi[trasferta], q, (*p)[0], (*p)[1], (*p)[2]);
    }
    const std::string fileQuote = (dir / "settimana.QUO").string();
    ASSERT_TRUE(SalvaQuote(m, fileQuote, msg));

    struct Caso {
        std::string opzioni;
        int gambe;
        std::function<void(ScommessaMgr&)> criteri;
    } casi[] = {
        {"", 1, [](ScommessaMgr&) {}},
        {"--gambe 3 --imposta tipoPronostico=12 --imposta minProbDoppia=0.5 --imposta minEquita=0.8",
         3,
         [](ScommessaMgr& s) {
             s.tipoPronostico = 12, s.minProbDoppia = 0.5f, s.minEquita = 0.8f;
         }},
        {"--gambe 2 --imposta tipoPronostico=13 --imposta doppieCalcolate=1 --imposta "
         "minProbDoppia=0.4 --imposta minEquita=0.5",
         2,
         [](ScommessaMgr& s) {
             s.tipoPronostico = 13, s.doppieCalcolate = 1, s.minProbDoppia = 0.4f,
             s.minEquita = 0.5f;
         }},
    };
    bool calcolateViste = false;
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.opzioni);
        const Uscita u = EseguiCli("scommesse --cartella " + cartella + " --quote " + fileQuote + " " +
                             c.opzioni);
        ASSERT_EQ(u.codice, 0) << u.errori;
        // The same here: the file loaded, defaults, the options, ranking, the
        // plain enumeration.
        ScommessaMgr atteso;
        ASSERT_TRUE(CaricaQuoteSalvate(atteso, fileQuote, msg));
        CriteriPredefiniti(atteso);
        c.criteri(atteso);
        OrdinaEventi(atteso, atteso.tipoPronostico,
                     TipoDoppie(atteso.tipoPronostico) ? atteso.doppieCalcolate : 0);
        const auto bets = CercaScommesseSemplice(atteso, c.gambe);
        ASSERT_FALSE(bets.empty());
        const auto righe = Righe(u.testo);
        ASSERT_EQ(righe.size(), bets.size() + 1);
        EXPECT_EQ(righe[0], "eventi=8 selezionati=" + std::to_string(atteso.nSelezionati) +
                                " scommesse=" + std::to_string(bets.size()));
        for (std::size_t i = 0; i < bets.size(); ++i) {
            const Scommessa& s = bets[i];
            std::string eventi;
            for (int g = 0; g < c.gambe; ++g)
                eventi += (g ? ";" : "") + s.voci[g].casa + "-" + s.voci[g].trasferta + ":" +
                          s.voci[g].segno;
            const std::string inizio = "posizione=" + std::to_string(i + 1) +
                                       " tipo=" + std::to_string(atteso.tipoPronostico) +
                                       " eventi=" + eventi + " quota=" + G(s.quotaTotale) +
                                       " equita=" + G(s.equitaTotale) +
                                       " probabilita=" + G(s.probTotale) + " quote_parziali=";
            EXPECT_EQ(righe[i + 1].substr(0, inizio.size()), inizio);
            const bool calcolata = std::any_of(s.voci.begin(), s.voci.end(),
                                               [](const VoceScommessa& v) { return v.calcolata; });
            calcolateViste = calcolateViste || calcolata;
            if (!calcolata) {
                EXPECT_EQ(righe[i + 1].substr(inizio.size()), "-");
            }
        }
    }
    EXPECT_TRUE(calcolateViste) << "nessuna doppia calcolata: la ripartizione non e' provata";

    // Refusals.
    EXPECT_EQ(EseguiCli("scommesse --cartella " + cartella + " --quote " + fileQuote +
                  " --imposta minQuota=abc").codice, 2);
    EXPECT_EQ(EseguiCli("scommesse --cartella " + cartella + " --quote " + fileQuote +
                  " --ricalcola=si").codice, 2);
    EXPECT_EQ(EseguiCli("scommesse --cartella " + cartella + " --quote " + fileQuote +
                  " --imposta ignoto=1").codice, 2);
    EXPECT_EQ(EseguiCli("scommesse --cartella " + cartella + " --quote " + fileQuote + " --gambe 7")
                  .codice, 2);
    ScriviTesto(dir / "rotto.QUO", "p 200 0\n");
    const Uscita u = EseguiCli("scommesse --cartella " + cartella + " --quote " +
                         (dir / "rotto.QUO").string());
    EXPECT_EQ(u.codice, 1);
    EXPECT_EQ(u.errori, "Errore nel caricamento del file di quote. File corrotto!\n");
}

// A past week (as importa-quote writes it) names clubs the current season
// does not have: its stored probabilities rank it whole; re-estimating with
// the current analyses leaves out, and names, only the events it cannot
// estimate.
TEST(VeltraCliScommesse, SettimanaPassataConLeSueProbabilita) {
    CartellaTemporanea dir;
    const std::string cartella = (dir / "lavoro").string();
    ASSERT_EQ(EseguiCli("schedina --cartella " + cartella).codice, 0);
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiRegistrati msg;
    ASSERT_TRUE(CaricaAvvio(*dati, cartella, msg));
    const auto& nomi = dati->campionato(0).squadreCorrenti().nomi;
    ScommessaMgr m;
    // Probabilities of the week's own (not the current analysis').
    m.AggiungiEvento(0, 10, nomi[0], nomi[1], {1.9f, 3.4f, 4.2f, 0, 0, 0}, 0.61f, 0.22f, 0.17f);
    m.AggiungiEvento(0, 10, "Retrocessa", nomi[3], {2.5f, 3.1f, 2.9f, 0, 0, 0}, 0.52f, 0.27f, 0.21f);
    m.AggiungiEvento(0, 10, nomi[4], nomi[5], {2.1f, 3.3f, 3.5f, 0, 0, 0}, 0.57f, 0.24f, 0.19f);
    const std::string fileQuote = (dir / "020106.QUO").string();
    ASSERT_TRUE(SalvaQuote(m, fileQuote, msg));

    struct Caso {
        const char* opzioni;
        int eventi;
        std::string errori;
    } casi[] = {
        {"", 3, ""},
        {"--ricalcola", 2,
         "veltra-cli: evento non stimabile con le analisi correnti, escluso: Retrocessa-" + nomi[3] +
             " (Serie A)\n"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.opzioni);
        const Uscita u =
            EseguiCli("scommesse --cartella " + cartella + " --quote " + fileQuote + " " + c.opzioni);
        ASSERT_EQ(u.codice, 0) << u.errori;
        EXPECT_EQ(u.errori, c.errori);
        ScommessaMgr atteso;
        if (*c.opzioni) {
            ASSERT_TRUE(CaricaQuote(atteso, fileQuote, *dati, msg));
        } else {
            ASSERT_TRUE(CaricaQuoteSalvate(atteso, fileQuote, msg));
            EXPECT_FLOAT_EQ(atteso.eventi[0].prob[kQuota1], 0.61f);
        }
        ASSERT_EQ(atteso.nEventi, c.eventi);
        CriteriPredefiniti(atteso);
        OrdinaEventi(atteso, atteso.tipoPronostico, 0);
        const auto bets = CercaScommesseSemplice(atteso, 1);
        const auto righe = Righe(u.testo);
        ASSERT_EQ(righe.size(), bets.size() + 1);
        EXPECT_EQ(righe[0].substr(0, 8), "eventi=" + std::to_string(c.eventi));
        for (std::size_t i = 0; i < bets.size(); ++i)
            EXPECT_NE(righe[i + 1].find(" probabilita=" + G(bets[i].probTotale) + " "), std::string::npos)
                << righe[i + 1];
    }

    // Nothing the current analyses can estimate: said, exit code 1.
    ScommessaMgr vecchia;
    vecchia.AggiungiEvento(0, 10, "Retrocessa", "Scomparsa", {2.5f, 3.1f, 2.9f, 0, 0, 0}, 0.5f, 0.3f, 0.2f);
    ASSERT_TRUE(SalvaQuote(vecchia, dir / "090106.QUO", msg));
    const Uscita u = EseguiCli("scommesse --cartella " + cartella + " --quote " +
                               (dir / "090106.QUO").string() + " --ricalcola");
    EXPECT_EQ(u.codice, 1);
    EXPECT_NE(u.errori.find("nessun evento stimabile con le analisi correnti"), std::string::npos) << u.errori;
    EXPECT_EQ(EseguiCli("scommesse --cartella " + cartella + " --quote " + (dir / "090106.QUO").string())
                  .codice,
              0);
}
