// The tip window: what it shows, "&Prossimo..." and the start-up check box.
#include "aiuto/CDlgConsiglioQt.h"
#include "app/DatiGlobali.h"
#include "app/aiuto/ConsiglioGiorno.h"

#include <QCheckBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace veltra::test {
namespace {

TEST(CDlgConsiglioQt, MostraProssimoEChiudi) {
    DatiGlobali d;
    d.indiceSuggerimento = 0;
    d.suggerimentoStart = "SI";
    CDlgConsiglioQt dlg(d);
    dlg.Apri();
    EXPECT_EQ(dlg.windowTitle(), "VELTRA - Consiglio del giorno");
    EXPECT_EQ(dlg.indiceMostrato(), 0);
    // The welcome tip has three lines, each followed by an empty one.
    const QStringList righe = dlg.testo().split('\n');
    ASSERT_GE(righe.size(), 5);
    EXPECT_EQ(righe[0], "Benvenuto in VELTRA 2005 !");
    EXPECT_EQ(righe[1], "");
    EXPECT_TRUE(righe[2].startsWith("Questo spazio"));
    EXPECT_TRUE(righe[4].startsWith("Puoi richiamarlo"));
    EXPECT_EQ(d.indiceSuggerimento, 1);

    auto* avvio = dlg.findChild<QCheckBox*>("avvio");
    ASSERT_NE(avvio, nullptr);
    EXPECT_TRUE(avvio->isChecked());

    d.indiceSuggerimento = 61;
    dlg.findChild<QPushButton*>("prossimo")->click();
    EXPECT_EQ(dlg.indiceMostrato(), 61);
    EXPECT_TRUE(dlg.testo().startsWith("Nella finestra della proposta"));
    EXPECT_EQ(d.indiceSuggerimento, 1);

    avvio->setChecked(false);
    dlg.findChild<QPushButton*>("chiudi")->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(d.suggerimentoStart, "NO");
    EXPECT_FALSE(MostraConsiglioAllAvvio(d));
}

} // namespace
} // namespace veltra::test
