// The print manager window: the boxes follow the rules, and "&Stampa" runs
// the ticked items through the confirmations.
#include "app/stampe/CDlgGestoreStampeQt.h"
#include "app/DatiGlobali.h"

#include "doppi/MessaggiRegistrati.h"
#include "doppi/OrologioFisso.h"
#include "doppi/StampaRegistrata.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace veltra::test {
namespace {

TEST(CDlgGestoreStampeQt, CaselleETendine) {
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiRegistrati msg;
    ServizioStampaRegistrato servizio;
    OrologioFisso orologio;
    CDlgGestoreStampeQt dlg(*dati, msg, servizio, orologio);
    EXPECT_EQ(dlg.windowTitle(), "VELTRA - Gestore Stampe");
    // No coupon, no bets: those boxes are off; nothing ticked, no "&Stampa".
    for (VoceStampa v : {VoceStampa::TabulatoIntegrale, VoceStampa::TabulatoRidotto,
                         VoceStampa::SchedinaIntegrale, VoceStampa::SchedineRidotto, VoceStampa::Scommesse})
        EXPECT_FALSE(dlg.casella(v)->isEnabled());
    EXPECT_FALSE(dlg.pulsanteStampa()->isEnabled());
    EXPECT_FALSE(dlg.tendina(VoceStampa::ArchivioAnalisi)->isEnabled());
    EXPECT_EQ(dlg.casella(VoceStampa::Scommesse)->text(), "Classifica Segni '1' con minore probabilità del segno '2'");

    dlg.casella(VoceStampa::ArchivioAnalisi)->setChecked(true);
    EXPECT_TRUE(dlg.tendina(VoceStampa::ArchivioAnalisi)->isEnabled());
    EXPECT_EQ(dlg.tendina(VoceStampa::ArchivioAnalisi)->currentText(), "Serie A");
    EXPECT_TRUE(dlg.pulsanteStampa()->isEnabled());
    dlg.tendina(VoceStampa::ArchivioAnalisi)->setCurrentIndex(1);

    // Confirmed: the archive report of the chosen championship is printed.
    msg.risposte = {Risposta::Ok};
    dlg.pulsanteStampa()->click();
    ASSERT_EQ(msg.testi().size(), 1u);
    EXPECT_EQ(msg.testi()[0], "Serie B. Prepara la stampante per l'Archivio Analisi e poi premi 'OK'");
    EXPECT_EQ(servizio.dispositivo.nome, "VELTRA - Stampa Archivio");
    EXPECT_EQ(servizio.dispositivo.righe.size(), 1u); // an empty archive: the heading alone
    EXPECT_EQ(dlg.result(), 0);
}

} // namespace
} // namespace veltra::test
