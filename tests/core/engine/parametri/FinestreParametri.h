#pragma once
// Fixture of the analysis window tests: generated Serie A and Serie B, the
// shell's state with a prediction window standing in for the others, a fixed
// clock and scripted message boxes.
#include "app/DatiGlobali.h"
#include "doppi/OrologioFisso.h"
#include "dati/GeneratoreStagioni.h"
#include "app/shell/SeguiCambiamenti.h"
#include "app/shell/StatoShell.h"
#include "engine/CMotoreStime.h"
#include "engine/parametri/CDlgImpostazioneParametri.h"
#include "platform/Piattaforma.h"

#include "doppi/MessaggiRegistrati.h"

#include <gtest/gtest.h>

#include <memory>

namespace veltra::test {

// Counts the refreshes the shell asks of it.
class FinestraContata : public IFinestraNonModale {
public:
    bool Aggiorna() override {
        ++aggiornamenti;
        return true;
    }
    void Chiudi() override {}
    void PortaInPrimoPiano() override {}
    int aggiornamenti = 0;
};

class FinestreParametri : public ::testing::Test {
protected:
    void SetUp() override {
        OpzioniGenerazione o;
        o.stagioni = 4;
        ASSERT_EQ(GeneraStagioni(dati->campionato(0), o), 0);
        o.seme = 7;
        ASSERT_EQ(GeneraStagioni(dati->campionato(1), o), 0);
        for (int c : {0, 1}) {
            CreaMotore(dati->campionato(c));
            ASSERT_EQ(dati->campionato(c).motore->AggiornaStime(), 0);
        }
        stato.finestre.Apri(Finestra::Pronostici, [this] { return &altra; });
        altra.aggiornamenti = 0;
    }

    CDlgImpostazioneParametri& Finestra() {
        if (!finestra) {
            finestra = std::make_unique<CDlgImpostazioneParametri>(*dati, stato.finestre, msg, orologio);
            finestra->mostraStato = [this](const TestiStato& t) { statusBar = t; };
            // The shell refreshes a window right after creating it.
            finestra->Aggiorna(false);
        }
        return *finestra;
    }
    CCampionato& SerieA() { return dati->campionato(0); }

    std::unique_ptr<DatiGlobali> dati = std::make_unique<DatiGlobali>();
    StatoShell stato;
    NotificheCambiamenti::Iscrizione segui = SeguiCambiamenti(*dati, stato);
    FinestraContata altra;
    MessaggiRegistrati msg;
    OrologioFisso orologio;
    TestiStato statusBar;
    std::unique_ptr<CDlgImpostazioneParametri> finestra;
};

} // namespace veltra::test
