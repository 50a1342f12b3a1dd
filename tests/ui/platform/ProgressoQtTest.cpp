// The progress window: its texts, a range wider than int, the stop button.
// (The window kept alive while a computation runs: EsecutoreLavoriQtTest.)
#include "platform/ProgressoQt.h"
#include "platform/Suggerimenti.h"

#include <QApplication>
#include <QProgressBar>
#include <QStyle>
#include <QPushButton>

#include <gtest/gtest.h>

#include <climits>

namespace veltra::test {
namespace {

TEST(ProgressoQt, TestiEBarra) {
    ProgressoQt p;
    EXPECT_TRUE(p.isVisible());
    p.Titolo("Costruzione del sistema ridotto");
    p.Intervallo(0, 1000);
    p.Posizione(250);
    EXPECT_EQ(p.TestoTitolo(), "Costruzione del sistema ridotto");
    EXPECT_EQ(p.Barra()->value(), 250);
    EXPECT_TRUE(p.TestoContatore().isEmpty());
    p.Contatore("Colonne: 1234");
    EXPECT_EQ(p.TestoContatore(), "Colonne: 1234");
    p.Contatore("");
    EXPECT_TRUE(p.TestoContatore().isEmpty());
    p.MostraBarra(false);
    EXPECT_TRUE(p.Barra()->isHidden());

    p.Intervallo(0, 5'000'000'000L); // more columns than an int holds
    p.Posizione(3'000'000'000L);
    EXPECT_EQ(p.Barra()->maximum(), INT_MAX);
    EXPECT_EQ(p.Barra()->value(), INT_MAX);
}

TEST(ProgressoQt, InterrompiSoloSeConsentitoEUnaVolta) {
    ProgressoQt p;
    EXPECT_TRUE(p.PulsanteInterrompi()->isHidden());
    int richieste = 0;
    p.ConsentiInterruzione([&] { ++richieste; });
    EXPECT_FALSE(p.PulsanteInterrompi()->isHidden());
    p.PulsanteInterrompi()->click();
    p.close(); // closing is a stop request too, but it was already made
    p.PulsanteInterrompi()->click();
    EXPECT_EQ(richieste, 1);
    EXPECT_TRUE(p.isVisible()); // it goes when the work ends, not before
}

TEST(Suggerimenti, RitardoDiUnSecondo) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    ImpostaRitardoSuggerimenti(*app);
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 1000);
}

} // namespace
} // namespace veltra::test
