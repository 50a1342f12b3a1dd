// The conditions sheet on a small coupon: a limit typed, the count applied
// through the job runner, Cancel giving the opening state back.
#include "platform/AttendiLavori.h"
#include "app/DatiGlobali.h"
#include "pools/CFoglioCondizioniQt.h"
#include "pools/OperazioniSchedina.h"

#include "doppi/MessaggiRegistrati.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace veltra;

TEST(CFoglioCondizioniQt, LimiteApplicatoEAnnullato) {
    auto dati = std::make_unique<DatiGlobali>();
    Schedina& s = dati->schedina;
    for (int r = 0; r < kRigheSchedina; ++r) {
        Partita& p = s.partite[r];
        p.campionato = 0;
        p.prob1 = 0.4f, p.probX = 0.3f, p.prob2 = 0.3f;
        const char* t = r < 3 ? "1X2" : "1";
        for (int i = 0; t[i]; ++i) p.segni[i] = static_cast<std::int16_t>(SegnoDaCarattere(t[i]));
        p.pronosticoAuto = t;
    }
    s.schedinaAssente = 0;
    s.riduzioneMin = s.riduzioneMax = -2;
    const Schedina prima = s;
    test::MessaggiRegistrati messaggi;
    CFoglioCondizioniQt foglio(*dati, messaggi);
    EXPECT_EQ(foglio.pagine()->count(), 5);
    EXPECT_EQ(foglio.findChild<QLabel*>("colonneIntegrale")->text(), "27");

    foglio.findChild<QRadioButton*>("attivaSegni")->click();
    foglio.findChild<QSpinBox*>("segniMax1")->setValue(11); // the 11 fixed 1s: no more 1
    auto* applica = foglio.findChild<QPushButton*>("applica");
    ASSERT_TRUE(applica->isEnabled());
    EXPECT_EQ(foglio.findChild<QLabel*>("colonneCondizionato")->text(), "-");
    applica->click();
    test::AttendiLavori(foglio.esecutore());
    EXPECT_EQ(foglio.findChild<QLabel*>("colonneCondizionato")->text(), "8"); // 2^3
    EXPECT_FALSE(applica->isEnabled());

    static_cast<QDialog&>(foglio).reject();
    EXPECT_EQ(s, prima);
    EXPECT_EQ(dati->condizionamenti.attivoSegni, 0);
}
