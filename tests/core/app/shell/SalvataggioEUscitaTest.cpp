// The save command, the exit, the end of the session and the support file,
// with scripted answers, on real folders.
#include "app/DatiGlobali.h"
#include "app/DatiSupporto.h"
#include "dati/FileDati.h"
#include "dati/GeneratoreStagioni.h"
#include "dati/PosizioneFinestra.h"
#include "app/shell/SalvaModifiche.h"
#include "app/shell/StatoShell.h"
#include "app/shell/Uscita.h"

#include "FinestraFinta.h"
#include "doppi/MessaggiRegistrati.h"
#include "Supporto.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace veltra;
using namespace veltra::test;
namespace fs = std::filesystem;

namespace {

// Serie A with four seasons, unsaved changes, and a cut-off on it.
struct Banco {
    CartellaTemporanea dir;
    DatiGlobali dati;
    StatoShell stato;
    MessaggiRegistrati msg;
    std::vector<std::string> diario;
    FinestraFinta classifica{diario, "classifica"};
    std::vector<bool> attese;
    ContestoShell ctx{dati, stato, dir.percorso(), msg, [this](bool a) { attese.push_back(a); }};

    Banco() {
        OpzioniGenerazione o;
        o.stagioni = 4;
        GeneraStagioni(dati.campionato(0), o);
        dati.datiModificati = 1;
        dati.campionato(0).ultimoIncontroFiltro = 400;
        dati.campionato(0).stagioneFiltro = 2;
        stato.finestre.Apri(Finestra::Classifica, [this] { return &classifica; });
        diario.clear();
    }
    // A folder that cannot be written: every save fails.
    void CartellaImpossibile() { ctx.cartella = dir / "non-esiste"; }
    bool Scritto(const char* nome) const { return fs::exists(ctx.cartella / nome); }
    bool FiltroAlSuoPosto() const {
        return dati.campionato(0).ultimoIncontroFiltro == 400 &&
               dati.campionato(0).stagioneFiltro == 2;
    }
};

} // namespace

TEST(SalvaModifiche, SenzaUnSiNonScriveNulla) {
    for (Risposta r : {Risposta::No, Risposta::Annulla}) {
        Banco b;
        b.msg.risposte = {r};
        EXPECT_EQ(SalvaModifiche(b.ctx).esito, EsitoSalvaModifiche::Annullato);
        ASSERT_EQ(b.msg.mostrati.size(), 1u);
        EXPECT_EQ(b.msg.mostrati[0].testo, "Vuoi salvare le modifiche?");
        EXPECT_EQ(b.msg.mostrati[0].pulsanti, Pulsanti::SiNoAnnulla);
        EXPECT_EQ(b.msg.mostrati[0].contestoAiuto, kAiutoUscitaSalvataggio);
        EXPECT_TRUE(fs::is_empty(b.dir.percorso()));
        EXPECT_TRUE(b.FiltroAlSuoPosto());
    }
}

TEST(SalvaModifiche, SalvaTuttoELasciaTolteLeSoglie) {
    Banco b;
    const ElencoIncontri prima = b.dati.campionato(0).incontri;
    b.msg.risposte = {Risposta::Si};
    const auto r = SalvaModifiche(b.ctx);
    EXPECT_EQ(r.esito, EsitoSalvaModifiche::Salvato);
    EXPECT_EQ(b.msg.testi().size(), 1u);
    EXPECT_EQ(b.attese, (std::vector<bool>{true, false}));
    for (const char* f : {"Cfg.VLT", "Cfg2.VLT", "Strategie.VLT", "giornata.VLT", "squadrea.VLT"})
        EXPECT_TRUE(b.Scritto(f)) << f;
    EXPECT_EQ(b.dati.datiModificati, 0);
    EXPECT_EQ(b.dati.campionato(0).incontri, prima); // read back from the file
    // The cut-off stays lifted: Serie A is recomputed on all its data and
    // the windows that show data are rebuilt.
    EXPECT_FALSE(b.dati.campionato(0).filtroAttivo());
    ASSERT_TRUE(r.testiStato);
    EXPECT_TRUE(r.testiStato->ok);
    EXPECT_EQ(b.diario, std::vector<std::string>{"aggiorna classifica"});
}

TEST(SalvaModifiche, UnSalvataggioFallitoRimetteLeSoglieETieneIDati) {
    Banco b;
    b.CartellaImpossibile();
    b.msg.risposte = {Risposta::Si};
    EXPECT_EQ(SalvaModifiche(b.ctx).esito, EsitoSalvaModifiche::SalvataggioFallito);
    EXPECT_EQ(b.msg.testi().back(), "Errore nel salvataggio.\nImpossibile salvare le modifiche!");
    EXPECT_TRUE(b.FiltroAlSuoPosto());
    EXPECT_EQ(b.dati.datiModificati, 1);
    EXPECT_TRUE(b.diario.empty());
    EXPECT_EQ(b.attese, (std::vector<bool>{true, false}));
}

TEST(SalvaModifiche, RiletturaTuttoONulla) {
    Banco b;
    b.dati.campionato(0).ultimoIncontroFiltro = -1;
    b.msg.risposte = {Risposta::Si};
    ASSERT_EQ(SalvaModifiche(b.ctx).esito, EsitoSalvaModifiche::Salvato);
    const ElencoIncontri serieA = b.dati.campionato(0).incontri;

    // A results file spoiled behind the program's back: nothing is replaced.
    ScriviTesto(b.dir / "giornaRU.VLT", "1\n7 7 X\n");
    EXPECT_FALSE(RileggiIncontri(b.dati, b.dir.percorso()));
    EXPECT_EQ(b.dati.campionato(0).incontri, serieA);
    fs::remove(b.dir / "giornaRU.VLT");
    EXPECT_FALSE(RileggiIncontri(b.dati, b.dir.percorso()));
}

TEST(Esci, DomandeEFileScrittiSecondoLeModifiche) {
    struct Caso {
        const char* nome;
        int modificati;
        std::vector<Risposta> risposte;
        std::vector<std::string> domande; // what was shown, in order
        EsitoUscita esito;
        bool salvato, posizione;
    };
    const std::string salvare = kDomandaSalvaPrimaDiUscire, uscire = kDomandaUscita;
    const Caso casi[] = {
        {"nessuna modifica, si", 0, {Risposta::Si}, {uscire}, EsitoUscita::Esci, false, true},
        {"nessuna modifica, no", 0, {Risposta::No}, {uscire}, EsitoUscita::Resta, false, false},
        {"modifiche, annulla", 1, {Risposta::Annulla}, {salvare}, EsitoUscita::Resta, false, false},
        {"modifiche, no", 1, {Risposta::No}, {salvare}, EsitoUscita::Esci, false, true},
        {"modifiche, si", 1, {Risposta::Si}, {salvare}, EsitoUscita::Esci, true, true},
    };
    for (const Caso& c : casi) {
        Banco b;
        b.dati.datiModificati = static_cast<std::int16_t>(c.modificati);
        b.msg.risposte = {c.risposte.begin(), c.risposte.end()};
        PosizioneFinestra p;
        p.sinistra = 10;
        p.destra = 800;
        EXPECT_EQ(Esci(b.ctx, p), c.esito) << c.nome;
        EXPECT_EQ(b.msg.testi(), c.domande) << c.nome;
        for (const auto& v : b.msg.mostrati) {
            EXPECT_EQ(v.icona, Icona::Domanda);
            EXPECT_EQ(v.contestoAiuto, kAiutoUscitaSalvataggio);
        }
        EXPECT_EQ(b.Scritto("Cfg.VLT"), c.salvato) << c.nome;
        EXPECT_EQ(b.Scritto("Pos.VLT"), c.posizione) << c.nome;
        if (c.posizione) {
            EXPECT_EQ(LeggiPosizioneFinestra(b.dir.percorso()).posizione, p);
        }
        EXPECT_TRUE(b.FiltroAlSuoPosto()) << c.nome;
    }
}

TEST(Esci, UnSalvataggioFallitoNonFaUscire) {
    Banco b;
    b.CartellaImpossibile();
    b.msg.risposte = {Risposta::Si};
    EXPECT_EQ(Esci(b.ctx, {}), EsitoUscita::Resta);
    EXPECT_EQ(b.msg.testi().back(), kMessaggioErroreSalvataggio);
    EXPECT_EQ(b.dati.datiModificati, 1);
    EXPECT_TRUE(b.FiltroAlSuoPosto());
    // The user may still leave without saving.
    b.msg.risposte = {Risposta::No};
    b.msg.mostrati.clear();
    EXPECT_EQ(Esci(b.ctx, {}), EsitoUscita::Esci);
    // Pos.VLT cannot be written either: told, and the exit goes on.
    EXPECT_EQ(b.msg.testi().back(), kErroreAperturaPosizione);
}

TEST(FineSessione, ConsensoSecondoLeRisposte) {
    struct Caso {
        int modificati;
        bool puoChiedere, cartellaImpossibile;
        std::vector<Risposta> risposte;
        bool consente, salvato;
        std::size_t messaggi;
    };
    const Caso casi[] = {
        {0, true, false, {Risposta::Si}, true, false, 1},
        {0, true, false, {Risposta::No}, false, false, 1},
        {1, true, false, {Risposta::Annulla}, false, false, 1},
        {1, true, false, {Risposta::No}, true, false, 1},
        {1, true, false, {Risposta::Si}, true, true, 1},
        {1, true, true, {Risposta::Si}, false, false, 3}, // question, list error, save error
        {1, false, false, {}, true, false, 0},
    };
    for (const Caso& c : casi) {
        Banco b;
        if (c.cartellaImpossibile) b.CartellaImpossibile();
        b.dati.datiModificati = static_cast<std::int16_t>(c.modificati);
        b.msg.risposte = {c.risposte.begin(), c.risposte.end()};
        EXPECT_EQ(ConsentiFineSessione(b.ctx, c.puoChiedere), c.consente);
        EXPECT_EQ(b.Scritto("Cfg.VLT"), c.salvato);
        EXPECT_FALSE(b.Scritto("Pos.VLT"));
        ASSERT_EQ(b.msg.mostrati.size(), c.messaggi);
        if (c.messaggi > 0) {
            EXPECT_EQ(b.msg.mostrati[0].testo,
                      c.modificati ? kDomandaSalvaPrimaDiUscire : kDomandaUscitaSessione);
        }
        EXPECT_TRUE(b.FiltroAlSuoPosto());
    }
}

TEST(Esci, DatiDiSupportoScrittiAllaFine) {
    Banco b;
    b.dati.prossimoIdStrategia = 42;
    EXPECT_TRUE(ScriviDatiSupportoUscita(b.dati, b.dir.percorso(), b.msg));
    DatiGlobali letti;
    LeggiDatiSupporto(b.dir.percorso(), letti);
    EXPECT_EQ(letti.prossimoIdStrategia, 42);
    EXPECT_TRUE(b.msg.mostrati.empty());

    EXPECT_FALSE(ScriviDatiSupportoUscita(b.dati, b.dir / "non-esiste", b.msg));
    EXPECT_EQ(b.msg.testi(), std::vector<std::string>{
                                 "Errore nell'apertura del file per salvare i dati di supporto !"});
}
