#include "engine/parametri/CDlgParametriAvanzati.h"

#include "FinestreParametri.h"

using namespace veltra;
using namespace veltra::test;

namespace {

using P = CDlgParametriAvanzati;

class ParametriAvanzati : public FinestreParametri {};

} // namespace

TEST_F(ParametriAvanzati, ApreConIntervalliEFormati) {
    auto& f = Finestra();
    P d(f, f.corrente(), false);
    EXPECT_EQ(d.Titolo(), "VELTRA - Serie A. Parametri Avanzati");
    EXPECT_TRUE(d.okAbilitato());
    // One blank before the dash here.
    EXPECT_NE(d.testoPrecisione().find("%) - Dati Usati: "), std::string::npos);
    EXPECT_EQ(f.testoPrecisione(), d.testoPrecisione());

    struct Caso {
        int campo;
        double minimo, massimo, passo;
        const char* testo;
    };
    const Caso casi[] = {
        {1, -4, 4, 0.01, "+1.00"}, // away win against Forte
        {P::kModificaBassaCasa, -1, 0, 0.25, "-0.50"},
        {P::kModificaAltaTrasferta, 0, 1, 0.25, "+0.50"},
        {P::kForteCasa, -5, 1, 1, "-1"},       // home totals -4..0
        {P::kDeboleTrasferta, -3, 3, 1, "-2"}, // away totals -2..+2
        {P::kLimiteMinCasa, -5, 1, 1, "-1"},
        {P::kLimiteMaxTrasferta, -3, 3, 1, "+0"},
        {P::kInclusi, 1, 4, 1, "6"}, // four stored seasons
        {P::kImportanza, 100, 195, 1, "100%"},
    };
    for (const Caso& c : casi) {
        const auto r = d.IntervalloDi(c.campo);
        EXPECT_EQ(r.minimo, c.minimo) << c.campo;
        EXPECT_EQ(r.massimo, c.massimo) << c.campo;
        EXPECT_EQ(r.passo, c.passo) << c.campo;
        EXPECT_EQ(d.Testo(c.campo), c.testo) << c.campo;
    }
    EXPECT_EQ(P::Suggerimento(0),
              "Imposta il punteggio per una vittoria in casa contro una squadra forte");
    EXPECT_EQ(P::Suggerimento(17),
              "Imposta il punteggio per una sconfitta in trasferta contro una squadra forte");
}

TEST_F(ParametriAvanzati, OgniCambioVaAlCampionato) {
    auto& f = Finestra();
    P d(f, f.corrente(), false);
    d.Imposta(P::kModificaAltaCasa, 0.8); // steps of 0.25
    EXPECT_EQ(SerieA().punteggiAvanzati.modificaAltaCasa, 0.75f);
    d.Imposta(3, 0.123); // hundredths
    EXPECT_EQ(SerieA().punteggiAvanzati.punti[3], 0.12f);
    d.Imposta(P::kImportanza, 150);
    EXPECT_EQ(d.TestoImportanzaMax(), "150%");
    EXPECT_EQ(d.TestoImportanzaMin(), "50%");
    EXPECT_EQ(SerieA().punteggiAvanzati.importanzaMin, 0.5f);
    EXPECT_EQ(SerieA().punteggiAvanzati.importanzaMax, 1.5f);
    EXPECT_EQ(statusBar.pannello1.rfind("Serie A. Precisione Analisi Corrente: ", 0), 0u);

    // Forte cannot go below debole.
    d.Imposta(P::kForteCasa, -5);
    EXPECT_EQ(SerieA().punteggiAvanzati.forteCasa, SerieA().punteggiAvanzati.deboleCasa);
}

TEST_F(ParametriAvanzati, PuntiTuttiUgualiChiedonoDiDifferenziare) {
    auto& f = Finestra();
    P d(f, f.corrente(), false);
    const CAnalisi prima = AnalisiCorrente(SerieA());
    for (int i = 0; i < 18; i += 2)
        d.Imposta(i, -1.0);
    EXPECT_EQ(d.testoPrecisione(), "E' necessario differenziare i punteggi per squadre in casa");
    EXPECT_EQ(f.testoPrecisione(), d.testoPrecisione());
    EXPECT_EQ(statusBar.pannello1, d.testoPrecisione());
    EXPECT_EQ(statusBar.pannello2, " ");
    EXPECT_FALSE(d.okAbilitato());
    // The last points change was not applied.
    EXPECT_EQ(SerieA().punteggiAvanzati.punti[16], prima.punteggiAvanzati.punti[16]);

    d.Imposta(0, 1.0);
    EXPECT_TRUE(d.okAbilitato());
}

TEST_F(ParametriAvanzati, PuntiTuttiUgualiLascianoVisibiliIValoriInVigore) {
    // Nine home points at +1: the only home total is +2, the limits and
    // thresholds in force are not clamped to it, and each spin's range must
    // hold its value, or the spin would show +2 for a -1 in force.
    auto& f = Finestra();
    P d(f, f.corrente(), false);
    for (int i = 0; i < 18; i += 2)
        d.Imposta(i, 1.0);
    for (int campo : {P::kLimiteMinCasa, P::kLimiteMaxCasa, P::kForteCasa, P::kDeboleCasa}) {
        const auto r = d.IntervalloDi(campo);
        const double v = d.Valore(campo);
        EXPECT_LE(r.minimo, v) << campo;
        EXPECT_GE(r.massimo, v) << campo;
    }
    EXPECT_EQ(d.Valore(P::kLimiteMinCasa), -1.0);
    EXPECT_EQ(d.Valore(P::kLimiteMaxCasa), 0.0);
}

TEST_F(ParametriAvanzati, CambioDiPuntiLimitaUnPassoOltreITotali) {
    auto& f = Finestra();
    P d(f, f.corrente(), false);
    d.Imposta(P::kLimiteMinCasa, -5); // lo - 1 with home totals -4..0
    d.Imposta(P::kDeboleCasa, -5);
    EXPECT_EQ(SerieA().limiteMinCasa, -5);
    // Home losses worth -1 instead of -2: totals -2..0.
    for (int i : {4, 10, 16})
        d.Imposta(i, -1.0);
    EXPECT_EQ(d.IntervalloDi(P::kLimiteMinCasa).minimo, -3);
    EXPECT_EQ(SerieA().limiteMinCasa, -3);
    EXPECT_EQ(SerieA().punteggiAvanzati.deboleCasa, -3.0f);
    // The away side was not touched.
    EXPECT_EQ(SerieA().limiteMinTrasferta, -1);
}

TEST_F(ParametriAvanzati, InsiemeEUnicaStoriaCopianoSullAltroLato) {
    auto& f = Finestra();
    {
        P d(f, f.corrente(), false);
        d.ImpostaInsieme(true);
        d.Imposta(6, 0.5); // home win against Media
        EXPECT_EQ(SerieA().punteggiAvanzati.punti[7], 0.5f);
        d.Imposta(9, 0.25); // away draw against Media
        EXPECT_EQ(SerieA().punteggiAvanzati.punti[8], 0.25f);
        d.Annulla();
    }
    f.CambiaSepara(false);
    P d(f, f.corrente(), false);
    d.Imposta(P::kLimiteMinCasa, -2);
    EXPECT_EQ(SerieA().limiteMinCasa, -2);
    EXPECT_EQ(SerieA().limiteMinTrasferta, -2);
    d.Imposta(P::kModificaBassaCasa, -0.25);
    EXPECT_EQ(SerieA().punteggiAvanzati.modificaBassaTrasferta, -0.25f);
}

TEST_F(ParametriAvanzati, OkCancellaEAllinea) {
    auto& f = Finestra();
    {
        P d(f, f.corrente(), false);
        d.Imposta(P::kLimiteMaxCasa, 1);
        d.Annulla();
        EXPECT_EQ(SerieA().limiteMaxCasa, 0); // the window's own analysis again
    }
    {
        P d(f, f.corrente(), false);
        d.Imposta(P::kLimiteMaxCasa, 1);
        d.Ok();
        EXPECT_EQ(f.corrente().limiteMaxCasa, 1);
        EXPECT_EQ(SerieA().limiteMaxCasa, 1);
        EXPECT_TRUE(f.allineaAbilitato());
    }
    {
        P d(f, f.corrente(), false);
        d.Imposta(P::kLimiteMinTrasferta, -2);
        // Another modeless window is open and the analysis differs.
        ASSERT_TRUE(d.allineaAbilitato());
        d.Allinea();
        EXPECT_FALSE(d.allineaAbilitato());
        EXPECT_FALSE(f.allineaAbilitato());
        EXPECT_EQ(f.allineata().limiteMinTrasferta, -2);
        EXPECT_EQ(dati->datiModificati, 1);
        EXPECT_EQ(altra.aggiornamenti, 1);
    }
    stato.finestre.Rimuovi(Finestra::Pronostici);
    P d(f, f.corrente(), false);
    d.Imposta(P::kLimiteMinTrasferta, -1);
    EXPECT_FALSE(d.allineaAbilitato()); // no other window to align
}

TEST_F(ParametriAvanzati, SolaLetturaNonToccaIlCampionato) {
    auto& f = Finestra();
    f.CambiaGiornate(3);
    f.Inserisci();
    f.CambiaGiornate(2);
    const CAnalisi prima = AnalisiCorrente(SerieA());
    P d(f, *f.mostrata(), true);
    EXPECT_EQ(d.analisi().giornateAnalisi, 3);
    d.Imposta(P::kLimiteMaxCasa, 1);
    d.Ok();
    EXPECT_TRUE(d.okAbilitato());
    EXPECT_EQ(d.analisi().limiteMaxCasa, 0);
    EXPECT_TRUE(AnalisiCorrente(SerieA()).StessiParametri(prima));
    EXPECT_NE(d.testoPrecisione().find(" - Dati Usati: "), std::string::npos);
}

TEST_F(ParametriAvanzati, StagioniIncluse) {
    // Three seasons of Serie A stored: 1961/62 to 1963/64.
    dati = std::make_unique<DatiGlobali>();
    OpzioniGenerazione o;
    o.stagioni = 3;
    ASSERT_EQ(GeneraStagioni(dati->campionato(0), o), 0);
    o.squadre = 14;
    ASSERT_EQ(GeneraStagioni(dati->campionato(17), o), 0); // Svezia: calendar years
    finestra.reset();
    auto& f = Finestra();
    P d(f, f.corrente(), false);
    EXPECT_EQ(d.IntervalloDi(P::kInclusi).massimo, 3);
    d.Imposta(P::kInclusi, 9);
    EXPECT_EQ(SerieA().punteggiAvanzati.campionatiInclusi, 3);
    EXPECT_EQ(d.TestoIntervalloStagioni(), "dal 1961/62 al 1963/64");
    d.Imposta(P::kInclusi, 1);
    EXPECT_EQ(d.TestoIntervalloStagioni(), "dal 1963/64 al 1963/64");

    dati->campionatoCorrente = 17;
    ASSERT_TRUE(f.Aggiorna(false));
    P s(f, f.corrente(), false);
    s.Imposta(P::kInclusi, 2);
    EXPECT_EQ(s.TestoIntervalloStagioni(), "dal 1991 al 1992");
}

TEST_F(ParametriAvanzati, DiagnosticheNascoste) {
    auto& f = Finestra();
    P d(f, f.corrente(), false);
    const std::string corretta = d.Diagnostica(3, 3);
    EXPECT_NE(corretta.find("C=-1 T=-1 N="), std::string::npos);
    EXPECT_NE(corretta.find("NON CORRETTO: 1=("), std::string::npos);
    EXPECT_NE(corretta.find("\nCORRETTO: 1=("), std::string::npos);
    const std::string grezza = d.Diagnostica(12, 0);
    EXPECT_NE(grezza.find("NON CORRETTO"), std::string::npos);
    EXPECT_EQ(grezza.find("\nCORRETTO"), std::string::npos);

    const std::string totali = d.Diagnostica(20, 8);
    EXPECT_EQ(totali.rfind("V V: +0.00\tV V: +2.00\nV P: -1.00\tV P: +1.00\n", 0), 0u);
    EXPECT_NE(totali.find("S S S S S: -10.00\tS S S S S: -5.00\n"), std::string::npos);
    EXPECT_TRUE(d.Diagnostica(27, 0).empty());
    EXPECT_TRUE(d.Diagnostica(0, 9).empty());
}
