// The print manager: which items can be ticked, and the run that prints the
// ticked ones in order, each after its confirmation.
#include "app/stampe/CDlgGestoreStampe.h"

#include "app/DatiGlobali.h"
#include "dati/GeneratoreStagioni.h"
#include "engine/CMotoreStime.h"

#include "doppi/MessaggiRegistrati.h"
#include "doppi/OrologioFisso.h"
#include "doppi/StampaRegistrata.h"

#include <gtest/gtest.h>

#include <memory>

using namespace veltra;
using namespace veltra::test;

namespace {

using V = VoceStampa;

struct AzioniRegistrate : IAzioniGestoreStampe {
    void StampaSchedine(bool integrale) override {
        chiamate.push_back(integrale ? "integrale" : "ridotto");
        if (messaggi) confermeAlleSchedine = messaggi->mostrati.size();
    }
    void CostruisciRidotto(std::function<void(bool)> fine) override {
        chiamate.push_back("costruisci");
        fine(costruito);
    }
    bool costruito = false;
    std::vector<std::string> chiamate;
    const MessaggiRegistrati* messaggi = nullptr;
    std::size_t confermeAlleSchedine = 0;
};

// A coupon of one double row whose selected (conditioned) reduction has been
// counted: it has a reduced system, with no columns held.
void ConRidotto(Schedina& s, bool ridotto) {
    for (auto& p : s.partite) p.pronosticoManuale = "1";
    s.partite[0].pronosticoManuale = "1X";
    s.riduzioneMin = s.riduzioneMax = -2;
    s.ridotto = {};
    if (!ridotto) return;
    s.ridotto.numTriple = 0;
    s.ridotto.numDoppie = 1;
    s.ridotto.erroriMin = s.ridotto.erroriMax = -2;
    s.ridotto.contato = 1;
    s.ridotto.numColonne = 12;
}

Scommessa UnaScommessa() {
    Scommessa s;
    s.voci[0].campionato = 0;
    s.voci[0].casa = "Alfa";
    s.voci[0].trasferta = "Beta";
    s.voci[0].segno = "1";
    s.voci[0].quota = 1.85f;
    s.voci[0].prob = 0.6f;
    s.voci[0].equita = 1.11f;
    s.quotaTotale = 1.85f;
    s.probTotale = 0.6f;
    s.equitaTotale = 1.11f;
    return s;
}

} // namespace

TEST(GestoreStampe, AbilitazioneDelleVoci) {
    auto dati = std::make_unique<DatiGlobali>();
    CDlgGestoreStampe g(*dati);
    struct Caso {
        bool schedina, ridotto, scommesse;
        std::array<bool, kVociStampa> attese; // in VoceStampa order
    } casi[] = {
        {false, false, false, {true, true, false, false, false, false, false}},
        {true, false, false, {true, true, true, false, false, true, false}},
        {true, true, false, {true, true, true, true, false, true, true}},
        {false, false, true, {true, true, false, false, true, false, false}},
    };
    for (const Caso& c : casi) {
        dati->schedina.schedinaAssente = c.schedina ? 0 : 1;
        ConRidotto(dati->schedina, c.ridotto);
        dati->scommesse.scommesse.clear();
        if (c.scommesse) dati->scommesse.scommesse.push_back(UnaScommessa());
        for (int i = 0; i < kVociStampa; ++i)
            EXPECT_EQ(g.abilitata(static_cast<V>(i)), c.attese[static_cast<std::size_t>(i)])
                << "voce " << i << " schedina " << c.schedina << " ridotto " << c.ridotto;
    }

    // Nothing ticked: "&Stampa" disabled. Ticking an analysis item preselects
    // the first championship and enables its drop-down.
    EXPECT_FALSE(g.stampaAbilitata());
    EXPECT_FALSE(g.tendinaAbilitata(V::ArchivioAnalisi));
    g.Spunta(V::ArchivioAnalisi, true);
    EXPECT_TRUE(g.stampaAbilitata());
    EXPECT_TRUE(g.tendinaAbilitata(V::ArchivioAnalisi));
    EXPECT_EQ(g.campionato(V::ArchivioAnalisi), 0);
    EXPECT_EQ(g.campionato(V::AnalisiCorrente), std::nullopt);
    // A ticked item whose data go away is no longer ticked.
    g.Spunta(V::Scommesse, true);
    EXPECT_TRUE(g.spuntata(V::Scommesse));
    dati->scommesse.scommesse.clear();
    EXPECT_FALSE(g.spuntata(V::Scommesse));

    dati->scommesse.tipoPronostico = 12;
    EXPECT_EQ(g.etichettaScommesse(), "Classifica Double Chance ( 1X - 12 - X2 ) con maggiore equità");
    dati->scommesse.tipoPronostico = 7;
    EXPECT_EQ(g.etichettaScommesse(), "Classifica Segni '2' con minore probabilità del segno '1'");
}

TEST(GestoreStampe, SequenzaConConferme) {
    auto dati = std::make_unique<DatiGlobali>();
    OpzioniGenerazione o;
    o.stagioni = 2;
    ASSERT_EQ(GeneraStagioni(dati->campionato(0), o), 0);
    CreaMotore(dati->campionato(0));
    dati->schedina.schedinaAssente = 0;
    ConRidotto(dati->schedina, true);
    dati->scommesse.scommesse.push_back(UnaScommessa());

    CDlgGestoreStampe g(*dati);
    for (int i = 0; i < kVociStampa; ++i) g.Spunta(static_cast<V>(i), true);
    g.ScegliCampionato(V::ArchivioAnalisi, 2);

    MessaggiRegistrati msg;
    // Analysis OK, archive Cancel, bets OK, full listing Cancel, reduced listing OK.
    msg.risposte = {Risposta::Ok, Risposta::Annulla, Risposta::Ok, Risposta::Annulla, Risposta::Ok};
    ServizioStampaRegistrato servizio;
    OrologioFisso orologio;
    AzioniRegistrate azioni;
    azioni.costruito = true;
    azioni.messaggi = &msg;
    g.Stampa(msg, servizio, orologio, azioni);

    const std::vector<std::string> attesi = {
        "Serie A. Prepara la stampante per l'Analisi Corrente e poi premi 'OK'",
        "Serie C1. Prepara la stampante per l'Archivio Analisi e poi premi 'OK'",
        "Prepara la stampante per le Scommesse e poi premi 'OK'",
        "Prepara la stampante per il Tabulato Sistema Integrale e poi premi 'OK'",
        "Prepara la stampante per il Tabulato Sistema Ridotto e poi premi 'OK'",
    };
    EXPECT_EQ(msg.testi(), attesi);
    // The reduced slips wait for the build and come before the bets: the
    // order holds even when the build finishes later.
    EXPECT_EQ(azioni.chiamate, (std::vector<std::string>{"integrale", "costruisci", "ridotto", "costruisci"}));
    EXPECT_EQ(azioni.confermeAlleSchedine, 2u);
    // Printed: the current analysis and the bets ranking (this coupon holds
    // no columns, so the reduced listing has nothing to print).
    EXPECT_EQ(servizio.richieste, 2);
    const auto& righe = servizio.dispositivo.righe;
    ASSERT_FALSE(righe.empty());
    EXPECT_EQ(righe.front().testo.rfind("VELTRA 2005 - Serie A. Analisi Corrente.", 0), 0u);
    bool scommessa = false;
    for (const auto& r : righe) scommessa = scommessa || r.testo == "Serie A: Alfa - Beta  (1)";
    EXPECT_TRUE(scommessa);

    // An analysis item whose drop-down has no current item stops the whole run.
    g.ScegliCampionato(V::AnalisiCorrente, std::nullopt);
    MessaggiRegistrati stop;
    AzioniRegistrate nessuna;
    g.Stampa(stop, servizio, orologio, nessuna);
    EXPECT_EQ(stop.testi(), std::vector<std::string>{"Seleziona un Campionato."});
    EXPECT_TRUE(nessuna.chiamate.empty());
}
