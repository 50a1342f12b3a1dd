// The odds dialogs and the commands that chain them, with scripted answers:
// the check of typed odds, a page that fails on its third row, cancelling
// that restores the manager, the question that stops at 180 events, the
// bet-selection window's rules and texts, and the event information.
#include "app/DatiGlobali.h"
#include "betting/CDlgDatiEvento.h"
#include "betting/CDlgScommesse.h"
#include "betting/ComandiQuote.h"
#include "betting/FileQuote.h"
#include "betting/ImmissioneQuote.h"
#include "betting/RicalcolaEventi.h"
#include "betting/ScommessaMgr.h"
#include "betting/SelezioneScommesse.h"
#include "dati/GeneratoreStagioni.h"

#include "Supporto.h"
#include "doppi/MessaggiRegistrati.h"
#include "doppi/OrologioFisso.h"
#include "doppi/StampaRegistrata.h"

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

namespace {

std::unique_ptr<DatiGlobali> DueCampionati() {
    auto d = std::make_unique<DatiGlobali>();
    OpzioniGenerazione o;
    o.stagioni = 4;
    GeneraStagioni(d->campionato(0), o);
    o.seme = 7;
    GeneraStagioni(d->campionato(1), o);
    return d;
}

// Writes rows of (home, away) team pairs into an entry dialog.
void Scrivi(CDlgImmissioneQuote& dlg, IMessaggi& msg, std::initializer_list<std::array<int, 2>> righe) {
    for (const auto& r : righe) {
        ASSERT_TRUE(dlg.Aggiungi(r[0], msg));
        ASSERT_TRUE(dlg.Aggiungi(r[1], msg));
    }
}

} // namespace

TEST(ValidaQuota, Testi) {
    struct Caso {
        const char* testo;
        std::optional<float> atteso;
    } casi[] = {
        {"", 0.0f},      {"2.10", 2.1f},         {"2.", 2.0f},          {"15", 15.0f},
        {".5", 0.5f},    {"2,10", std::nullopt}, {"-2", std::nullopt},  {"0", std::nullopt},
        {"0.00", std::nullopt}, {"123456", std::nullopt}, {"1.2.3", std::nullopt},
        {"a", std::nullopt}, {".", std::nullopt}, {"2 ", std::nullopt},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(ValidaQuota(c.testo), c.atteso) << c.testo;
}

TEST(CDlgImmissioneQuote, SquadreRigheEPaginaCheFallisceAllaTerzaRiga) {
    auto d = DueCampionati();
    ASSERT_TRUE(AggiornaStimeScommesse(*d, 0));
    ScommessaMgr& m = d->scommesse;
    m.AggiungiEvento(1, 5, "X", "Y", {2, 3, 4, 0, 0, 0}, 0.4f, 0.3f, 0.3f);
    const ScommessaMgr prima = m;
    MessaggiRegistrati msg;
    CDlgImmissioneQuote dlg(m, *d, 0, CDlgImmissioneQuote::Modo::Immissione);
    EXPECT_EQ(dlg.titolo(), "TALBOR 5 - Serie A. Immissione Quote");
    EXPECT_FALSE(dlg.Aggiungi(-1, msg));
    EXPECT_EQ(msg.testi().back(), kSelezionareSquadraEvento);
    Scrivi(dlg, msg, {{0, 1}, {2, 3}});
    ASSERT_TRUE(dlg.Aggiungi(4, msg));
    EXPECT_FALSE(dlg.continuaAbilitato()); // a home team without its opponent
    EXPECT_FALSE(dlg.quoteModificabili(2));
    EXPECT_TRUE(dlg.Togli());
    EXPECT_TRUE(dlg.continuaAbilitato());
    EXPECT_EQ(std::count(dlg.libere().begin(), dlg.libere().end(), 4), 1);
    EXPECT_EQ(std::count(dlg.libere().begin(), dlg.libere().end(), 3), 0);
    Scrivi(dlg, msg, {{4, 5}});
    dlg.righe()[0].quote = {"2.10", "3.20", "3.60", "", "", ""};
    dlg.righe()[1].quote = {"1.90", "", "", "", "", ""};
    dlg.righe()[2].quote = {"2.00", "2,10", "", "", "", ""};
    EXPECT_FALSE(dlg.MemorizzaPagina(msg));
    EXPECT_EQ(msg.testi().back(), "Invalida quota immessa per il segno X nell'incontro n. 3");
    EXPECT_EQ(m, prima);
    dlg.righe()[2].quote = {"", "", "", "", "", ""};
    EXPECT_FALSE(dlg.MemorizzaPagina(msg));
    EXPECT_EQ(msg.testi().back(), "Immettere almeno una quota per l'incontro n. 3");
    EXPECT_EQ(m, prima);
    dlg.righe()[2].quote = {"", "", "", "", "1.3", ""};
    ASSERT_TRUE(dlg.MemorizzaPagina(msg));
    EXPECT_EQ(m.nEventi, 4);
    EXPECT_EQ(m.eventi[3].quote[kQuota12], 1.3f);
    EXPECT_EQ(m.giornata[0], d->campionato(0).numeroIncontriCorrenti());
}

TEST(CDlgImmissioneQuote, Suggerimenti) {
    EXPECT_EQ(CDlgImmissioneQuote::SuggerimentoQuota(0, 0),
              "Inserire la quota per il segno '1' nel primo incontro");
    EXPECT_EQ(CDlgImmissioneQuote::SuggerimentoQuota(0, 3),
              "Inserire la quota per il risultato '1X' nel primo incontro");
    EXPECT_EQ(CDlgImmissioneQuote::SuggerimentoQuota(7, 5),
              "Inserire la quota per il risultato 'X2' nell'ottavo incontro");
    EXPECT_EQ(CDlgImmissioneQuote::SuggerimentoElimina(0),
              "Seleziona il 1' evento in modo da eliminarlo dalle scommesse");
    EXPECT_EQ(CDlgImmissioneQuote::SuggerimentoElimina(7),
              "Seleziona l' 8' evento in modo da eliminarlo dalle scommesse");
}

TEST(CDlgSelezioneCampionati, TreModi) {
    // The betting mode writes the manager's choice; the others keep theirs
    // and, to copy an analysis, want two championships.
    struct Caso {
        CDlgSelezioneCampionati::Modo modo;
        const char* titolo;
        const char* intestazione;
        std::size_t minimo;
        bool caricaQuote, origine;
    };
    using M = CDlgSelezioneCampionati::Modo;
    const Caso casi[] = {
        {M::Scommesse, "TALBOR - Selezione Campionati", "SCELTA CAMPIONATI DA INCLUDERE NELLE SCOMMESSE SPORTIVE", 1, true, false},
        {M::Aggiornamento, "VELTRA - Selezione Campionati", "SCELTA CAMPIONATI DA AGGIORNARE", 1, false, false},
        {M::CopiaAnalisi, "VELTRA - Selezione Campionati", "SCELTA CAMPIONATI PER LA COPIA DI ANALISI", 2, false, true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.intestazione);
        auto d = DueCampionati();
        MessaggiRegistrati msg;
        auto s = c.modo == M::Scommesse ? CDlgSelezioneCampionati(d->scommesse, *d)
                                        : CDlgSelezioneCampionati(c.modo);
        EXPECT_EQ(s.titolo(), c.titolo);
        EXPECT_EQ(s.intestazione(), c.intestazione);
        EXPECT_EQ(s.caricaQuoteVisibile(), c.caricaQuote);
        EXPECT_EQ(s.sceltaOrigineVisibile(), c.origine);
        EXPECT_EQ(s.sinistra().size(), static_cast<std::size_t>(kNumeroCampionati));
        EXPECT_FALSE(s.Togli(3, msg));
        EXPECT_EQ(msg.testi().back(), "Selezionare un campionato dalla lista di destra.");
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(s.continuaAbilitato(), s.destra().size() >= c.minimo) << k;
            ASSERT_TRUE(s.Aggiungi(5 + k, msg));
        }
        EXPECT_FALSE(s.Aggiungi(5, msg));
        EXPECT_EQ(msg.testi().back(), "Selezionare un campionato dalla lista di sinistra.");
        ASSERT_TRUE(s.Togli(6, msg));
        EXPECT_EQ(s.destra(), (std::vector<int>{5, 7}));
        EXPECT_TRUE(s.continuaAbilitato());
        ASSERT_TRUE(s.Togli(7, msg));
        EXPECT_EQ(s.continuaAbilitato(), c.minimo == 1);
        // Only the betting mode touches the manager.
        EXPECT_EQ(d->scommesse.conEventi[5], c.modo == M::Scommesse ? 1 : 0);
        if (c.modo != M::Scommesse) {
            CartellaTemporanea dir;
            EXPECT_FALSE(s.CaricaQuote(dir / "x.QUO", msg));
        }
    }
}

TEST(CCaricaFile, PercorsoDigitatoOInserimentoNullo) {
    auto d = DueCampionati();
    MessaggiRegistrati msg;
    CCaricaFile f;
    EXPECT_FALSE(f.Conferma("", msg));
    EXPECT_EQ(msg.testi(), std::vector<std::string>{"Inserimento nullo.\nDigitare il nome completo di un file."});
    ASSERT_TRUE(f.Conferma("/tmp/311205.QUO", msg));
    EXPECT_EQ(f.percorso, "/tmp/311205.QUO");
    EXPECT_FALSE(f.Conferma("   ", msg));
    ASSERT_TRUE(f.Conferma(" C:\\Quote\\150102.QUO ", msg));
    EXPECT_EQ(f.percorso, "C:/Quote/150102.QUO");
    msg.mostrati.clear();
    // The path of a missing file loads nothing: the message, the manager and
    // the choice as before.
    CDlgSelezioneCampionati s(d->scommesse, *d);
    ASSERT_TRUE(s.Aggiungi(1, msg));
    const ScommessaMgr prima = d->scommesse;
    CartellaTemporanea dir;
    EXPECT_FALSE(s.CaricaQuote(dir / "assente.QUO", msg));
    EXPECT_EQ(msg.testi().back(), kErroreAperturaQuote);
    EXPECT_FALSE(s.fileCaricato());
    EXPECT_EQ(d->scommesse, prima);
}

TEST(ComandiQuote, AnnullareORinunciareRipristinaIlManager) {
    auto d = DueCampionati();
    ScommessaMgr& m = d->scommesse;
    ASSERT_TRUE(AggiornaStimeScommesse(*d, 1));
    m.AggiungiEvento(1, 5, d->campionato(1).squadreCorrenti().nomi[0],
                     d->campionato(1).squadreCorrenti().nomi[1], {2, 3, 4, 0, 0, 0}, 0.4f, 0.3f, 0.3f);
    const ScommessaMgr prima = m;
    MessaggiRegistrati msg;
    int aperture = 0;
    DialoghiQuote dq;
    dq.apriScommesse = [&] { return ++aperture > 0; };
    // Cancelled choice of championships.
    dq.selezione = [](CDlgSelezioneCampionati&) { return false; };
    EXPECT_FALSE(ImmissioneQuote(m, *d, msg, dq));
    EXPECT_EQ(m, prima);
    // Serie A chosen, its page cancelled.
    dq.selezione = [&](CDlgSelezioneCampionati& s) {
        EXPECT_FALSE(s.continuaAbilitato());
        EXPECT_TRUE(s.Aggiungi(0, msg));
        EXPECT_FALSE(s.Aggiungi(0, msg));
        return s.continuaAbilitato();
    };
    dq.immissione = [](CDlgImmissioneQuote&) { return false; };
    EXPECT_FALSE(ImmissioneQuote(m, *d, msg, dq));
    EXPECT_EQ(m, prima);
    // Confirmed with no event.
    dq.immissione = [](CDlgImmissioneQuote&) { return true; };
    EXPECT_FALSE(ImmissioneQuote(m, *d, msg, dq));
    EXPECT_EQ(msg.testi().back(), kNessunEventoInserito);
    EXPECT_EQ(m, prima);
    // Two events entered: the week is replaced and the selection opens.
    dq.immissione = [&](CDlgImmissioneQuote& dlg) {
        Scrivi(dlg, msg, {{0, 1}, {2, 3}});
        dlg.righe()[0].quote = {"2.10", "3.20", "3.60", "", "", ""};
        dlg.righe()[1].quote = {"", "", "", "1.20", "", ""};
        return dlg.MemorizzaPagina(msg);
    };
    d->datiModificati = 0;
    EXPECT_TRUE(ImmissioneQuote(m, *d, msg, dq));
    EXPECT_EQ(m.nEventi, 2);
    EXPECT_EQ(m.conEventi[1], 0);
    EXPECT_EQ(aperture, 1);
    EXPECT_EQ(d->datiModificati, 1);
    // Modification: odds changed, one event dropped, no event added.
    const ScommessaMgr dueEventi = m;
    dq.immissione = [&](CDlgImmissioneQuote& dlg) {
        EXPECT_EQ(dlg.righe()[0].quote[0], "2.10");
        dlg.righe()[0].quote[0] = "2.30";
        dlg.righe()[1].elimina = true;
        return dlg.MemorizzaPagina(msg);
    };
    msg.risposte = {Risposta::No};
    EXPECT_TRUE(ModificaQuote(m, *d, msg, dq));
    EXPECT_EQ(m.nEventi, 1);
    EXPECT_FLOAT_EQ(m.eventi[0].quote[0], 2.3f);
    // A failing estimate of the championship restores.
    m = dueEventi;
    d->campionato(0).config.giornateAnalisi = 99;
    EXPECT_FALSE(ModificaQuote(m, *d, msg, dq));
    EXPECT_EQ(msg.testi().back(), MessaggioStimeCampionato("Serie A"));
    EXPECT_EQ(m, dueEventi);
}

TEST(ComandiQuote, NessunaDomandaConCentottantaEventi) {
    auto d = DueCampionati();
    ScommessaMgr& m = d->scommesse;
    ASSERT_TRUE(AggiornaStimeScommesse(*d, 0));
    const auto& nomi = d->campionato(0).squadreCorrenti().nomi;
    for (int i = 0; i < kMaxEventi; ++i)
        m.AggiungiEvento(0, 1, nomi[0], nomi[1], {2, 3, 4, 0, 0, 0}, 0.4f, 0.3f, 0.3f);
    MessaggiRegistrati msg;
    DialoghiQuote dq;
    dq.apriScommesse = [] { return true; };
    dq.immissione = [&](CDlgImmissioneQuote& dlg) {
        while (dlg.inserisciProseguiAbilitato())
            if (!dlg.Prosegui(msg)) return false;
        return dlg.continuaAbilitato() && dlg.MemorizzaPagina(msg);
    };
    EXPECT_TRUE(ModificaQuote(m, *d, msg, dq));
    EXPECT_EQ(m.nEventi, kMaxEventi);
    EXPECT_TRUE(msg.mostrati.empty()) << msg.testi().front();
}

TEST(CDlgScommesse, PredefinitiTestiECalcolo) {
    auto d = DueCampionati();
    ScommessaMgr& m = d->scommesse;
    ASSERT_TRUE(AggiornaStimeScommesse(*d, 0));
    const auto& nomi = d->campionato(0).squadreCorrenti().nomi;
    for (int k = 0; k < 6; ++k) {
        const auto p = StimaEvento(*d, 0, 2 * k, 2 * k + 1);
        ASSERT_TRUE(p);
        m.AggiungiEvento(0, 1, nomi[2 * k], nomi[2 * k + 1], {1.2f + 0.3f * k, 3.4f, 4.1f, 1.1f, 1.2f, 1.8f},
                         (*p)[0], (*p)[1], (*p)[2]);
    }
    CDlgScommesse w(m, *d);
    ASSERT_TRUE(w.Apri());
    EXPECT_EQ(w.tipo(), 0);
    EXPECT_EQ(w.testoLimite(kMinProb1Lim), "50%");
    EXPECT_EQ(w.testoLimite(kMinEquitaLim), "+0%");
    EXPECT_EQ(w.testoLimite(kMaxQuotaLim), "3.00");
    EXPECT_EQ(w.posizione(kMaxQuotaLim), 300);
    EXPECT_TRUE(w.limiteAbilitato(kMinProb1Lim));
    EXPECT_FALSE(w.limiteAbilitato(kMinProbDoppiaLim));
    EXPECT_FALSE(w.doppieAbilitato());
    EXPECT_EQ(w.testoCalcola(), "C&alcola...");
    EXPECT_TRUE(w.gambaAbilitata(6));
    EXPECT_EQ(TestoEquita(0.995f), "+0%"); // never "-0%"
    EXPECT_EQ(TestoEquita(1.25f), "+25%");
    EXPECT_EQ(TestoEquita(0.8f), "-20%");
    // Loose criteria, double chances by equity, multiples of 2.
    w.ImpostaTipo(12);
    EXPECT_TRUE(w.limiteAbilitato(kMinProbDoppiaLim));
    EXPECT_FALSE(w.limiteAbilitato(kMaxProbXLim));
    w.ImpostaPosizione(kMinProbDoppiaLim, 30);
    w.ImpostaPosizione(kMinEquitaLim, 0);
    w.ImpostaPosizione(kMaxQuotaLim, 867);
    w.ImpostaPosizione(kMinQuotaLim, 50); // below the range: 1.00
    EXPECT_EQ(w.testoLimite(kMinQuotaLim), "1.00");
    w.ImpostaGambe(2);
    MessaggiRegistrati msg;
    ASSERT_TRUE(w.PreparaCalcolo(msg));
    EXPECT_TRUE(w.inCorso());
    EXPECT_EQ(w.contatore(), "- - - -");
    EXPECT_EQ(w.testoCalcola(), "&Interrompi");
    EXPECT_FALSE(w.PuoChiudere(msg));
    EXPECT_EQ(msg.testi().back(), kRicercaInCorsoChiusura);
    EXPECT_FALSE(w.FineCalcolo(CercaScommesse(m, 2, 1), false));
    ASSERT_GT(m.nScommesse(), 1);
    EXPECT_EQ(w.contatore(), "1 DI " + std::to_string(m.nScommesse()));
    EXPECT_EQ(w.testoCalcola(), "&Cerca");
    EXPECT_FALSE(w.precedenteAbilitato());
    w.Successiva();
    EXPECT_EQ(w.mostrata(), 2);
    const auto righe = w.righeMostrate();
    ASSERT_EQ(righe.size(), 2u);
    EXPECT_EQ(righe[0].campionato, "Serie A");
    // The print of the displayed bet.
    ServizioStampaRegistrato stampa;
    OrologioFisso orologio;
    msg.risposte = {Risposta::Ok};
    w.Stampa(msg, stampa, orologio);
    EXPECT_EQ(stampa.dispositivo.nome, "VELTRA - Scommesse Sportive");
    const auto testi = stampa.dispositivo.TestiPagina(1);
    ASSERT_GE(testi.size(), 2u);
    EXPECT_EQ(testi[0], "VELTRA. Scommesse Sportive. (09/05/2005)");
    EXPECT_EQ(testi[1], "Tipo scommessa: Multipla da 2 incontri.");
    EXPECT_EQ(testi.back(), "Probabilita' Totale: " + w.totaleProbabilita());
    // A change of criteria empties the bets; nothing found says so.
    w.ImpostaPosizione(kMinProbDoppiaLim, 100);
    EXPECT_EQ(m.nScommesse(), 0);
    ASSERT_TRUE(w.PreparaCalcolo(msg));
    EXPECT_TRUE(w.FineCalcolo(CercaScommesse(m, 2, 1), false));
    ASSERT_TRUE(w.PreparaCalcolo(msg));
    EXPECT_FALSE(w.FineCalcolo({}, true)) << "a stopped search says nothing";
}

TEST(CDlgDatiEvento, ClassificaIncontriEStima) {
    auto d = DueCampionati();
    ASSERT_TRUE(AggiornaStimeScommesse(*d, 0));
    const auto& nomi = d->campionato(0).squadreCorrenti().nomi;
    CDlgDatiEvento w(*d, 0, nomi[0], nomi[1]);
    EXPECT_EQ(w.titolo(), "TALBOR - Serie A. Informazioni sull'evento selezionato");
    EXPECT_EQ(CDlgDatiEvento(*d, 0, nomi[0], nomi[1], "MARVEN").titolo(),
              "MARVEN - Serie A. Informazioni sull'evento selezionato");
    const auto& c = w.classifica();
    ASSERT_EQ(c.size(), nomi.size());
    int giocate = 0;
    for (std::size_t i = 0; i < c.size(); ++i) {
        if (i) {
            EXPECT_GE(c[i - 1].punti, c[i].punti);
        }
        EXPECT_EQ(c[i].punti, 3 * (c[i].vinteCasa + c[i].vinteFuori) + c[i].pareggiCasa + c[i].pareggiFuori);
        giocate += c[i].giocate;
    }
    EXPECT_EQ(static_cast<int>(w.incontriCasa().size()),
              std::find_if(c.begin(), c.end(), [&](auto& r) { return r.squadra == nomi[0]; })->giocate);
    EXPECT_GT(giocate, 0);
    const auto p = StimaEvento(*d, 0, 0, 1);
    char b[16];
    std::snprintf(b, sizeof b, "%.1f%%", static_cast<double>((*p)[0] * 100.0f));
    EXPECT_EQ(w.stima()[0], b);
    EXPECT_EQ(w.colonna(0).substr(0, c[0].squadra.size() + 3), c[0].squadra + "\r\r\n");
    EXPECT_EQ(CDlgDatiEvento(*d, 0, nomi[0], "Nessuna").stima()[1], "-");
}
