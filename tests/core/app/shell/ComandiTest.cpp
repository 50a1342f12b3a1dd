// The command table, the menus and toolbars built from it, and when each
// command is enabled.
#include "app/shell/Comandi.h"
#include "app/DatiGlobali.h"
#include "app/shell/BarreStrumenti.h"
#include "app/shell/MenuPrincipale.h"
#include "app/stampe/CDlgGestoreStampe.h"

#include "Supporto.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace veltra;

TEST(Comandi, MenuEBarreUsanoSoloComandiNotiEOgniComandoHaUnaVoce) {
    std::map<int, int> volteNeiMenu;
    for (const Menu& m : MenuPrincipale())
        for (int id : m.voci)
            if (id != kSeparatore) ++volteNeiMenu[id];
    for (const auto& [id, volte] : volteNeiMenu) {
        EXPECT_TRUE(CercaComando(id)) << id;
        EXPECT_EQ(volte, 1) << id;
    }
    for (const auto& d : ComandiPrincipali())
        EXPECT_EQ(volteNeiMenu.count(d.id), 1u) << d.id;
    for (int c = 0; c < kNumeroCampionati; ++c)
        EXPECT_EQ(volteNeiMenu.count(Campionato(c).comando), 1u) << c;
    // A toolbar button is always a menu item too, so its prompt has a home.
    for (auto barra : {BarraCampionati(), BarraPrincipale()}) {
        for (int id : barra) {
            if (id != kSeparatore) {
                EXPECT_EQ(volteNeiMenu.count(id), 1u) << id;
            }
        }
    }
    // The championship toolbar holds the 19 in the championship order.
    std::vector<int> campionati;
    for (int id : BarraCampionati())
        if (id != kSeparatore) campionati.push_back(id);
    ASSERT_EQ(campionati.size(), std::size_t(kNumeroCampionati));
    for (int c = 0; c < kNumeroCampionati; ++c)
        EXPECT_EQ(campionati[c], Campionato(c).comando);
}

TEST(Comandi, CampionatiSempreAbilitatiESpuntatiQuandoCorrenti) {
    DatiGlobali d;
    d.campionatoCorrente = 9;
    const auto inghilterra = CercaComando(40100);
    ASSERT_TRUE(inghilterra);
    EXPECT_EQ(inghilterra->voceMenu, "&Inghilterra");
    EXPECT_EQ(inghilterra->prompt, "Lavora con i dati del Campionato di Inghilterra");
    EXPECT_EQ(CercaComando(40066)->prompt, "Lavora con i dati del Campionato di Serie A");
    for (int c = 0; c < kNumeroCampionati; ++c) {
        EXPECT_TRUE(ComandoAbilitato(Campionato(c).comando, d));
        EXPECT_EQ(ComandoSpuntato(Campionato(c).comando, d), c == 9);
    }
    EXPECT_FALSE(ComandoSpuntato(comando::SalvaModifiche, d));
    EXPECT_FALSE(CercaComando(12345));
    EXPECT_FALSE(ComandoAbilitato(12345, d));
}

// Each case changes the store one way and lists the commands whose rule then
// holds, among those whose rule depends on the store.
TEST(Comandi, RegoleDiAbilitazione) {
    const std::vector<int> dipendenti = {
        comando::NuovoCampionato,  comando::NuoviIncontri,       comando::AggiornamentoInternet,
        comando::ArchiviInternet,  comando::QuoteInternet,       comando::SistemaIntegrale,
        comando::SistemaRidotto,   comando::SpoglioSchedine,     comando::ModificaQuote,
        comando::CalcoloScommesse, comando::VisualizzaStrategie, comando::CalcoloRendimenti};
    const std::set<int> senzaFiltri = {comando::NuovoCampionato, comando::NuoviIncontri,
                                       comando::AggiornamentoInternet, comando::ArchiviInternet,
                                       comando::QuoteInternet,
                                       comando::Consiglio};
    struct Caso {
        const char* nome;
        void (*prepara)(DatiGlobali&);
        std::set<int> abilitati;
    };
    auto piu = [&](std::set<int> s) {
        s.insert(senzaFiltri.begin(), senzaFiltri.end());
        return s;
    };
    const Caso casi[] = {
        {"nulla", [](DatiGlobali&) {}, senzaFiltri},
        {"filtro sul corrente",
         [](DatiGlobali& d) { d.campionato(0).ultimoIncontroFiltro = 5; },
         {}},
        {"filtro su un altro",
         [](DatiGlobali& d) { d.campionato(3).ultimoIncontroFiltro = 5; },
         {comando::NuovoCampionato, comando::NuoviIncontri}},
        {"schedina", [](DatiGlobali& d) { d.schedina.schedinaAssente = 0; },
         piu({comando::SistemaIntegrale})},
        {"schedina con condizionato contato",
         [](DatiGlobali& d) {
             d.schedina.schedinaAssente = 0;
             d.schedina.partite[0].pronosticoManuale = "1X";
             d.schedina.riduzioneMin = d.schedina.riduzioneMax = -2;
             d.schedina.ridotto.numTriple = 0;
             d.schedina.ridotto.numDoppie = 1;
             d.schedina.ridotto.erroriMin = d.schedina.ridotto.erroriMax = -2;
             d.schedina.ridotto.contato = 1;
             d.schedina.ridotto.numColonne = 2;
         },
         piu({comando::SistemaIntegrale, comando::SistemaRidotto, comando::SpoglioSchedine})},
        {"ridotto senza schedina", [](DatiGlobali& d) { d.schedina.ridotto.numColonne = 12; },
         senzaFiltri},
        {"ridotto di dimensione ignota",
         [](DatiGlobali& d) {
             d.schedina.schedinaAssente = 0;
             d.schedina.ridotto.numColonne = -1;
         },
         piu({comando::SistemaIntegrale})},
        {"eventi", [](DatiGlobali& d) { d.scommesse.nEventi = 1; },
         piu({comando::ModificaQuote, comando::CalcoloScommesse})},
        {"strategie", [](DatiGlobali& d) { d.strategie.strategie.resize(1); },
         piu({comando::VisualizzaStrategie, comando::CalcoloRendimenti})},
    };
    for (const Caso& c : casi) {
        DatiGlobali d;
        c.prepara(d);
        for (int id : dipendenti)
            EXPECT_EQ(RegolaSoddisfatta(CercaComando(id)->regola, d), c.abilitati.count(id) == 1)
                << c.nome << ": " << id;
    }
}

// The reduced-system commands follow the size of the selected reduction: a
// table's size is there at once (after a restart, or right after another
// reduction is picked), without the columns having been built; a conditioned
// system needs its count. The print manager's reduced-system items agree.
TEST(Comandi, SistemaRidottoSecondoLaRiduzioneScelta) {
    using test::CartellaTemporanea;
    CartellaTemporanea tabelle;
    // One double row: the N-1 table of one column, the error-correcting (0, 1) of two.
    test::ScriviByte(tabelle / "0t1d.VLT", {1, 0, 0, 1, 1});
    test::ScriviByte(tabelle / "0t1d01e.VLT", {2, 0, 0, 1, 1, 3});
    struct Caso {
        const char* nome;
        const char* pronostico; // of row 1, the others fixed
        int min, max;           // the selected reduction
        int contato;            // the conditioned count held (0: none)
        bool abilitato;
    };
    const Caso casi[] = {
        {"N-1 dopo un riavvio", "1X", -1, -1, 0, true},
        {"correzione di errori scelta", "1X", 0, 1, 0, true},
        {"correzione senza tabella", "1X", 1, 3, 0, false},
        {"condizionato non contato", "1X", -2, -2, 0, false},
        {"condizionato contato", "1X", -2, -2, 2, true},
        {"tutte fisse", "1", -1, -1, 0, false},
    };
    for (const Caso& c : casi) {
        auto d = std::make_unique<DatiGlobali>();
        Schedina& s = d->schedina;
        s.schedinaAssente = 0;
        for (auto& p : s.partite) p.pronosticoManuale = "1";
        s.partite[0].pronosticoManuale = c.pronostico;
        s.riduzioneMin = static_cast<std::int16_t>(c.min);
        s.riduzioneMax = static_cast<std::int16_t>(c.max);
        if (c.contato) {
            s.ridotto.numTriple = 0;
            s.ridotto.numDoppie = 1;
            s.ridotto.erroriMin = s.ridotto.erroriMax = -2;
            s.ridotto.contato = 1;
            s.ridotto.numColonne = c.contato;
        }
        const StatoAbilitazione stato{.cartellaRiduzioni = tabelle.percorso()};
        for (int id : {comando::SistemaRidotto, comando::SpoglioSchedine})
            EXPECT_EQ(ComandoAbilitato(id, *d, stato), c.abilitato) << c.nome << ": " << id;
        CDlgGestoreStampe stampe(*d, tabelle.percorso());
        EXPECT_EQ(stampe.abilitata(VoceStampa::TabulatoRidotto), c.abilitato) << c.nome;
        EXPECT_EQ(stampe.abilitata(VoceStampa::SchedineRidotto), c.abilitato) << c.nome;
        // Without a coupon nothing is.
        s.schedinaAssente = 1;
        EXPECT_FALSE(ComandoAbilitato(comando::SistemaRidotto, *d, stato)) << c.nome;
    }
}

TEST(Comandi, SoloIComandiCostruitiSonoAbilitati) {
    DatiGlobali d;
    d.scommesse.nEventi = 1;
    d.strategie.strategie.resize(1);
    d.schedina.schedinaAssente = 0;
    const std::set<int> costruiti = {comando::SalvaModifiche,
                                     comando::Esci,
                                     comando::NuovoCampionato,
                                     comando::NuoviIncontri,
                                     comando::AggiornamentoInternet,
                                     comando::ArchiviInternet,
                                     comando::CalcoloPicchetti,
                                     comando::ImpostazioneParametri,
                                     comando::ClassificaCampionato,
                                     comando::ArchivioStorico,
                                     comando::ScontriDiretti,
                                     comando::NuovaSchedina,
                                     comando::SistemaIntegrale,
                                     comando::ImmissioneQuote,
                                     comando::ModificaQuote,
                                     comando::CalcoloScommesse,
                                     comando::Sommario,
                                     comando::Info,
                                     comando::QualitaStime,
                                     comando::ProssimaGiornata,
                                     comando::StatisticheTotocalcio,
                                     comando::RicercaParametri,
                                     comando::ConfrontoAnalisi,
                                     comando::QuoteInternet,
                                     comando::CreaStrategia,
                                     comando::VisualizzaStrategie,
                                     comando::CalcoloRendimenti,
                                     comando::EsportaEventi,
                                     comando::Consiglio,
                                     comando::Stampa,
                                     comando::RicercaStrategie};
    // Sistema Ridotto and Spoglio Schedine are built too, but need a reduced
    // system of known size, which this coupon has not.
    for (const auto& c : ComandiPrincipali())
        EXPECT_EQ(ComandoAbilitato(c.id, d, {.consiglioPresente = true}),
                  costruiti.count(c.id) == 1)
            << c.id;
    // Built, but its rule does not hold.
    d.campionato(0).ultimoIncontroFiltro = 3;
    EXPECT_FALSE(ComandoAbilitato(comando::NuoviIncontri, d));
}
