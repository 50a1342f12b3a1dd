#include "engine/parametri/CDlgImpostazioneParametri.h"

#include "FinestreParametri.h"

using namespace veltra;
using namespace veltra::test;

namespace {

class ImpostazioneParametri : public FinestreParametri {};

} // namespace

TEST_F(ImpostazioneParametri, OgniCambioRicalcolaIlCampionato) {
    auto& f = Finestra();
    EXPECT_EQ(f.Titolo(), "VELTRA - Serie A. Impostazione Parametri");
    ASSERT_TRUE(f.okAbilitato());
    EXPECT_NE(f.testoPrecisione().find("%)  - Dati Usati: "), std::string::npos);
    EXPECT_NE(f.testoPrecisione().find(" su 6 campionati"), std::string::npos);
    EXPECT_EQ(statusBar.pannello2, "Analisi non presente in Archivio");
    const float prima = SerieA().motore->precisione1();

    f.CambiaPercentuale(0, 130);
    EXPECT_EQ(SerieA().config.percentualiImportanza[0], 130);
    EXPECT_EQ(SerieA().config.percentualiImportanza[1], 70);
    EXPECT_NE(SerieA().motore->precisione1(), prima);
    EXPECT_EQ(statusBar.pannello1.rfind("Serie A. Precisione Analisi Corrente: ", 0), 0u);
    EXPECT_TRUE(f.allineaAbilitato());

    // N = 3: percentages back to 100, the third enabled, the rest written as 0.
    f.CambiaGiornate(3);
    EXPECT_EQ(SerieA().config.giornateAnalisi, 3);
    const std::int16_t attese[5] = {100, 100, 100, 0, 0};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(SerieA().config.percentualiImportanza[k], attese[k]);
    EXPECT_TRUE(f.percentualeAbilitata(2));
    EXPECT_FALSE(f.percentualeAbilitata(3));
    EXPECT_EQ(f.TestoPercentuale(0), "100%");

    // One analysed match: its percentage cannot move.
    f.CambiaGiornate(1);
    f.CambiaPercentuale(0, 140);
    EXPECT_EQ(SerieA().config.percentualiImportanza[0], 100);
}

TEST_F(ImpostazioneParametri, CambioDiGiornateTieneLimitiNeiTotaliRaggiungibili) {
    auto& f = Finestra();
    CAnalisi a = f.corrente();
    a.giornateAnalisi = 5; // home totals -10..0
    a.percentualiImportanza[2] = a.percentualiImportanza[3] = a.percentualiImportanza[4] = 100;
    a.limiteMinCasa = -8;
    a.punteggiAvanzati.deboleCasa = -9;
    f.ImpostaAnalisi(a);
    f.CambiaGiornate(2); // home totals -4..0
    EXPECT_EQ(SerieA().limiteMinCasa, -4);
    EXPECT_EQ(SerieA().punteggiAvanzati.deboleCasa, -4.0f);
}

TEST_F(ImpostazioneParametri, AnalisiNonCalcolabileRimetteLaPrecedente) {
    auto& f = Finestra();
    const CAnalisi buona = f.corrente();
    struct Caso {
        int minCasa, maxCasa;
        const char* testo;
    } casi[] = {{0, 0, "Limiti dei Punteggi Totali non validi. (Parametri Avanzati)"},
                // Below the grid: the engine cannot fit.
                {-30, 0, "Restringere i Limiti dei Punteggi Totali. (Parametri Avanzati)"}};
    for (const Caso& c : casi) {
        CAnalisi a = buona;
        a.limiteMinCasa = static_cast<std::int16_t>(c.minCasa);
        a.limiteMaxCasa = static_cast<std::int16_t>(c.maxCasa);
        f.ImpostaAnalisi(a);
        EXPECT_EQ(f.testoPrecisione(), c.testo);
        EXPECT_EQ(statusBar.pannello1, c.testo);
        EXPECT_EQ(statusBar.pannello2, " ");
        EXPECT_FALSE(f.okAbilitato());
        EXPECT_FALSE(f.inserisciAbilitato());
        EXPECT_FALSE(f.allineaAbilitato());
        // The championship is back on the last analysis that could be fitted.
        EXPECT_TRUE(AnalisiCorrente(SerieA()).StessiParametri(buona));
        EXPECT_EQ(SerieA().motore->AggiornaStime(), 0);
    }
}

TEST_F(ImpostazioneParametri, CampionatoSenzaIncontriLoDiceInveceDeiLimiti) {
    // Serie C1 with its teams and no match: no limit can help.
    AggiungiStagione(dati->campionato(2), {"Alfa", "Beta", "Gamma", "Delta"});
    CreaMotore(dati->campionato(2));
    dati->campionatoCorrente = 2;
    auto& f = Finestra();
    EXPECT_EQ(f.testoPrecisione(), kStimePochiIncontri);
    EXPECT_EQ(statusBar.pannello1, kStimePochiIncontri);
    EXPECT_FALSE(f.okAbilitato());
}

TEST_F(ImpostazioneParametri, UscitaChiedeDelleModificheNonConfermate) {
    const std::string domanda = "Prima di uscire da VELTRA, desideri confermare le modifiche "
                                "compiute nell'Archivio Analisi del campionato di Serie A?";
    struct Caso {
        Risposta risposta;
        bool prosegue;
        int archivio;
    } casi[] = {{Risposta::Annulla, false, 0}, {Risposta::No, true, 0}, {Risposta::Si, true, 1}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(static_cast<int>(c.risposta));
        finestra.reset();
        SerieA().archivio.analisi.clear();
        dati->datiModificati = 0;
        auto& f = Finestra();
        EXPECT_TRUE(f.ConfermaPrimaDiUscire()); // nothing to ask yet
        EXPECT_TRUE(msg.mostrati.empty());
        f.Inserisci();
        msg.risposte = {c.risposta};
        EXPECT_EQ(f.ConfermaPrimaDiUscire(), c.prosegue);
        ASSERT_EQ(msg.testi(), std::vector<std::string>{domanda});
        EXPECT_EQ(msg.mostrati[0].pulsanti, Pulsanti::SiNoAnnulla);
        EXPECT_EQ(SerieA().archivio.numero(), c.archivio);
        EXPECT_EQ(dati->datiModificati, c.archivio); // a confirmed archive is a change to save
        msg.mostrati.clear();
    }
}

TEST_F(ImpostazioneParametri, SeparazioneCasaTrasfertaRicordaERipristina) {
    auto& f = Finestra();
    const CAnalisi prima = f.corrente();
    f.CambiaSepara(false);
    const CPunteggiAvanzati& p = SerieA().punteggiAvanzati;
    EXPECT_FALSE(p.separaCasaTrasferta);
    EXPECT_EQ(SerieA().limiteMinTrasferta, SerieA().limiteMinCasa);
    EXPECT_EQ(SerieA().limiteMaxTrasferta, SerieA().limiteMaxCasa);
    EXPECT_EQ(p.forteTrasferta, p.forteCasa);
    EXPECT_EQ(p.deboleTrasferta, p.deboleCasa);
    EXPECT_EQ(p.modificaAltaTrasferta, p.modificaAltaCasa);
    EXPECT_EQ(p.modificaBassaTrasferta, p.modificaBassaCasa);
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(p.punti[2 * k + 1], p.punti[2 * k]) << k;

    f.CambiaSepara(true);
    EXPECT_TRUE(f.corrente().StessiParametri(prima));
    EXPECT_TRUE(AnalisiCorrente(SerieA()).StessiParametri(prima));
}

TEST_F(ImpostazioneParametri, ArchivioInserisciDuplicatoEliminaRecupera) {
    auto& f = Finestra();
    EXPECT_EQ(f.TestoNumeroAnalisi(), "0 DI 0");
    EXPECT_EQ(f.TestoArchivio(CDlgImpostazioneParametri::kArchivioPercentuali), "-");

    f.Inserisci();
    ASSERT_EQ(f.archivio().numero(), 1);
    EXPECT_EQ(f.TestoArchivio(CDlgImpostazioneParametri::kTitolo), "09/05/2005 - 21 : 05 : 07");
    EXPECT_EQ(f.TestoNumeroAnalisi(), "1 DI 1");
    EXPECT_EQ(f.TestoArchivio(CDlgImpostazioneParametri::kArchivioPercentuali), "100% - 100%");
    EXPECT_EQ(f.TestoArchivio(CDlgImpostazioneParametri::kArchivioSepara), "SI");
    EXPECT_EQ(statusBar.pannello2, "Analisi n. 1 dell'Archivio");
    // Nothing reaches the stored archive before OK.
    EXPECT_EQ(SerieA().archivio.numero(), 0);

    // The same parameters again, even under another title, are a duplicate.
    f.ImpostaNote("altro titolo", "note");
    f.Inserisci();
    EXPECT_EQ(f.archivio().numero(), 1);
    ASSERT_EQ(msg.mostrati.size(), 1u);
    EXPECT_EQ(msg.mostrati[0].testo,
              "ATTENZIONE.\nL'Analisi che si vuole inserire e' gia' presente nell'Archivio alla "
              "posizione numero 1.\nNon viene quindi inserita nuovamente.");

    // A second analysis goes in at the shown place and is shown.
    f.CambiaGiornate(3);
    f.Inserisci();
    ASSERT_EQ(f.archivio().numero(), 2);
    EXPECT_EQ(f.archivio().corrente, 0);
    EXPECT_EQ(f.TestoArchivio(CDlgImpostazioneParametri::kArchivioGiornate), "3");
    EXPECT_EQ(f.TestoArchivio(CDlgImpostazioneParametri::kArchivioPercentuali),
              "100% - 100% - 100%");
    EXPECT_FALSE(f.precedenteAbilitato());
    EXPECT_TRUE(f.successivaAbilitato());
    f.Successiva();
    EXPECT_EQ(f.TestoNumeroAnalisi(), "2 DI 2");
    EXPECT_FALSE(f.successivaAbilitato());

    // Recover the N = 2 analysis: sliders and championship take it.
    f.Recupera();
    EXPECT_EQ(f.corrente().giornateAnalisi, 2);
    EXPECT_EQ(SerieA().config.giornateAnalisi, 2);
    EXPECT_EQ(statusBar.pannello2, "Analisi n. 2 dell'Archivio");

    // Delete asks first; No keeps it.
    msg.mostrati.clear();
    msg.risposte = {Risposta::No, Risposta::Si, Risposta::Si};
    f.Elimina();
    EXPECT_EQ(f.archivio().numero(), 2);
    ASSERT_EQ(msg.mostrati.size(), 1u);
    EXPECT_EQ(msg.mostrati[0].testo, "Vuoi eliminare dall'archivio l'analisi visualizzata?");
    EXPECT_EQ(msg.mostrati[0].pulsanti, Pulsanti::SiNo);
    f.Elimina();
    EXPECT_EQ(f.archivio().numero(), 1);
    EXPECT_EQ(statusBar.pannello2, "Analisi non presente in Archivio");
    f.Elimina();
    EXPECT_EQ(f.archivio().numero(), 0);
    EXPECT_EQ(f.TestoArchivio(CDlgImpostazioneParametri::kArchivioPrecisione), "-");
    EXPECT_EQ(f.TestoArchivio(CDlgImpostazioneParametri::kTitolo), "-");
    EXPECT_FALSE(f.archivioAbilitato());
    EXPECT_FALSE(f.confrontaAbilitato());
}

TEST_F(ImpostazioneParametri, OkConsegnaArchivioEAllinea) {
    auto& f = Finestra();
    f.CambiaGiornate(3);
    f.Inserisci();
    f.Ok();
    EXPECT_EQ(SerieA().archivio.numero(), 1);
    EXPECT_EQ(SerieA().config.giornateAnalisi, 3);
    EXPECT_EQ(dati->datiModificati, 1);
    EXPECT_TRUE(f.allineata().StessiParametri(f.corrente()));
    // The other windows were refreshed for the new analysis.
    EXPECT_EQ(altra.aggiornamenti, 1);
}

TEST_F(ImpostazioneParametri, OkSenzaModificheNonTocca) {
    auto& f = Finestra();
    f.Ok();
    EXPECT_EQ(dati->datiModificati, 0);
    EXPECT_EQ(altra.aggiornamenti, 0);
}

TEST_F(ImpostazioneParametri, CancellaRimetteLAnalisiDiApertura) {
    auto& f = Finestra();
    const CAnalisi apertura = AnalisiCorrente(SerieA());
    const float precisione = SerieA().motore->precisione1();
    f.CambiaGiornate(4);
    f.Inserisci();
    f.Annulla();
    EXPECT_TRUE(AnalisiCorrente(SerieA()).StessiParametri(apertura));
    EXPECT_EQ(SerieA().motore->precisione1(), precisione);
    EXPECT_EQ(SerieA().archivio.numero(), 0);
    // Nothing was aligned to anything else: no alignment needed.
    EXPECT_EQ(dati->datiModificati, 0);
    EXPECT_EQ(altra.aggiornamenti, 0);
}

TEST_F(ImpostazioneParametri, CancellaDopoAllineaRiallinea) {
    auto& f = Finestra();
    f.CambiaGiornate(4);
    ASSERT_TRUE(f.allineaAbilitato());
    f.Allinea();
    EXPECT_EQ(altra.aggiornamenti, 1);
    EXPECT_FALSE(f.allineaAbilitato());
    dati->datiModificati = 0;
    f.Annulla();
    EXPECT_EQ(SerieA().config.giornateAnalisi, 2);
    EXPECT_EQ(dati->datiModificati, 1);
    EXPECT_EQ(altra.aggiornamenti, 2);
}

TEST_F(ImpostazioneParametri, CambioDiCampionatoChiedeConferma) {
    struct Caso {
        bool analisi, archivio;
        Risposta risposta;
        const char* cosa;
    };
    const Caso casi[] = {
        {true, true, Risposta::Si, "sull'Analisi Corrente e nell'Archivio Analisi"},
        {true, false, Risposta::No, "sull'Analisi Corrente"},
        {false, true, Risposta::No, "nell'Archivio Analisi"},
        {false, true, Risposta::Si, "nell'Archivio Analisi"},
    };
    for (const Caso& c : casi) {
        finestra.reset();
        dati = std::make_unique<DatiGlobali>();
        stato = StatoShell{};
        msg = MessaggiRegistrati{};
        SetUp();
        auto& f = Finestra();
        if (c.archivio) f.Inserisci();
        if (c.analisi) f.CambiaGiornate(3);
        msg.risposte = {c.risposta};
        dati->campionatoCorrente = 1;
        ASSERT_TRUE(f.Aggiorna(false));
        ASSERT_EQ(msg.mostrati.size(), 1u);
        EXPECT_EQ(msg.mostrati[0].testo,
                  std::string("Prima di cambiare campionato, desideri confermare le modifiche "
                              "compiute ") +
                      c.cosa + " del campionato di Serie A?");
        const bool si = c.risposta == Risposta::Si;
        EXPECT_EQ(SerieA().archivio.numero(), si && c.archivio ? 1 : 0);
        EXPECT_EQ(SerieA().config.giornateAnalisi, si && c.analisi ? 3 : 2);
        // The window now works on Serie B.
        EXPECT_EQ(f.campionato(), 1);
        EXPECT_EQ(f.Titolo(), "VELTRA - Serie B. Impostazione Parametri");
        EXPECT_EQ(f.archivio().numero(), 0);
    }
}

TEST_F(ImpostazioneParametri, CambioDiCampionatoSenzaModificheNonChiede) {
    auto& f = Finestra();
    dati->campionatoCorrente = 1;
    ASSERT_TRUE(f.Aggiorna(false));
    EXPECT_TRUE(msg.mostrati.empty());
    EXPECT_EQ(f.campionato(), 1);
}

TEST_F(ImpostazioneParametri, NuoviDatiRivalutanoLaCopiaDellArchivio) {
    auto& f = Finestra();
    f.Inserisci();
    const float prima = f.archivio().analisi[0].precisione1;
    // A new season with a few matches changes the figures.
    OpzioniGenerazione o;
    o.stagioni = 1;
    o.seme = 99;
    ASSERT_EQ(GeneraStagioni(SerieA(), o), 0);
    ASSERT_TRUE(f.Aggiorna(true));
    EXPECT_NE(f.archivio().analisi[0].precisione1, prima);
    EXPECT_EQ(statusBar.pannello2, "Analisi n. 1 dell'Archivio");
}
