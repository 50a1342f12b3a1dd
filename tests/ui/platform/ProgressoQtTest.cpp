// The progress window: its texts, a range wider than int, and the window
// kept alive (timers and painting) while the computation moves the bar.
#include "platform/ProgressoQt.h"
#include "platform/Suggerimenti.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QStyle>
#include <QTimer>

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

TEST(ProgressoQt, LaFinestraRestaViva) {
    ProgressoQt p;
    p.Intervallo(0, 100);
    int scatti = 0;
    // A timer that moves the bar again: it must run, and must not recurse.
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++scatti;
        p.Posizione(scatti % 100);
    });
    timer.start();
    for (int i = 1; i <= 100; ++i) {
        p.Posizione(i);
        QElapsedTimer attesa;
        attesa.start();
        while (attesa.elapsed() < 2) {
        }
    }
    timer.stop();
    EXPECT_GT(scatti, 0);
}

TEST(Suggerimenti, RitardoDiUnSecondo) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    ImpostaRitardoSuggerimenti(*app);
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 1000);
}

} // namespace
} // namespace veltra::test
