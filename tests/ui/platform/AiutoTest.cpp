// The help: each context opens its page, every link between pages leads to
// a page that exists, and the information window.
#include "aiuto/DlgInformazioniQt.h"
#include "aiuto/FinestraAiutoQt.h"
#include "platform/AiutoQt.h"
#include "doppi/AiutoRegistrato.h"
#include "platform/Messaggi.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextBrowser>

#include <gtest/gtest.h>

Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods, const QString& text,
                                               bool autorep, ushort count);

namespace veltra::test {
namespace {

TEST(FinestraAiuto, LeggiContesti) {
    const auto t = FinestraAiutoQt::LeggiContesti(
        "# commento\n113 stime.html\n0x20065   principale.html # il titolo\n"
        "\nsbagliata\n500\nx12 a.html\n");
    EXPECT_EQ(t.size(), 2);
    EXPECT_EQ(t.value(113), "stime.html");
    EXPECT_EQ(t.value(0x20065), "principale.html");
}

TEST(FinestraAiuto, PaginaDiOgniContesto) {
    const std::pair<int, const char*> casi[] = {
        {kAiutoStimeFallite, "stime.html"},
        {kAiutoUscitaSalvataggio, "salvataggio.html"},
        {kAiutoFinestraPrincipale, "finestra-principale.html"},
        {kNessunAiuto, "indice.html"},
        {0x200FF, "indice.html"}, // a context without its own page
    };
    AiutoQt aiuto;
    for (const auto& [contesto, pagina] : casi) {
        SCOPED_TRACE(contesto);
        aiuto.Mostra(contesto);
        FinestraAiutoQt* f = aiuto.Finestra();
        ASSERT_NE(f, nullptr);
        EXPECT_TRUE(f->isVisible());
        EXPECT_EQ(f->PaginaCorrente(), QString::fromLatin1(pagina));
        EXPECT_FALSE(f->Browser()->toPlainText().isEmpty());
    }
    aiuto.Mostra(kAiutoStimeFallite);
    const QString testo = aiuto.Finestra()->Browser()->toPlainText();
    EXPECT_TRUE(testo.contains("Giornate d'Analisi")) << testo.toStdString();
    EXPECT_TRUE(testo.contains("limiti"));
    EXPECT_TRUE(testo.contains("Parametri avanzati"));
}

TEST(FinestraAiuto, UnDialogoApertoDaUnaFinestraNeHaLaPagina) {
    // The filters and the match finder of the historical archive: F1 there
    // opens the archive's page.
    AiutoRegistrato aiuto;
    QDialog archivio;
    CollegaTastoAiuto(archivio, aiuto, kAiutoArchivioStorico);
    QDialog filtri(&archivio);
    EreditaTastoAiuto(filtri, archivio);
    for (auto* s : filtri.findChildren<QShortcut*>())
        if (s->key() == QKeySequence(Qt::Key_F1)) emit s->activated();
    EXPECT_EQ(aiuto.contesti, std::vector<int>{kAiutoArchivioStorico});
}

TEST(FinestraAiuto, LaPrecisioneSpiegata) {
    // What the precision measures, where the analysis window's F1 leads.
    AiutoQt aiuto;
    aiuto.Mostra(ContestoAiutoFinestra(146));
    ASSERT_EQ(aiuto.Finestra()->PaginaCorrente(), "analisi.html");
    const QString testo = aiuto.Finestra()->Browser()->toPlainText();
    EXPECT_TRUE(testo.contains("Che cosa misura la Precisione"));
    EXPECT_TRUE(testo.contains("non \u00e8 la percentuale di pronostici"));
}

// Every page named in the table and every link of every page exists; pages
// have a title and declare their encoding.
TEST(FinestraAiuto, CollegamentiTraLePagine) {
    QDir cartella(":/aiuto");
    const QStringList pagine = cartella.entryList({"*.html"});
    ASSERT_GE(pagine.size(), 6);
    QFile tabella(":/aiuto/contesti.txt");
    ASSERT_TRUE(tabella.open(QIODevice::ReadOnly));
    for (const QString& p : FinestraAiutoQt::LeggiContesti(QString::fromUtf8(tabella.readAll())))
        EXPECT_TRUE(pagine.contains(p)) << p.toStdString();
    const QRegularExpression href(R"(href="([^"#]+))");
    for (const QString& p : pagine) {
        QFile f(cartella.filePath(p));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        EXPECT_TRUE(html.contains("<meta charset=\"utf-8\">")) << p.toStdString();
        EXPECT_TRUE(html.contains("<title>")) << p.toStdString();
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QString destinazione = it.next().captured(1);
            if (destinazione.startsWith("http")) continue;
            EXPECT_TRUE(pagine.contains(destinazione))
                << p.toStdString() << " -> " << destinazione.toStdString();
        }
    }
}

TEST(FinestraAiuto, IndietroEAvanti) {
    FinestraAiutoQt f;
    f.MostraContesto(kAiutoFinestraPrincipale);
    f.MostraPagina("stime.html");
    f.Browser()->backward();
    EXPECT_EQ(f.PaginaCorrente(), "finestra-principale.html");
    f.Browser()->forward();
    EXPECT_EQ(f.PaginaCorrente(), "stime.html");
}

// F1 in a window's control opens the window's page; the main window's topic
// follows the same numbering as every other window.
TEST(FinestraAiuto, TastoF1DiUnaFinestra) {
    EXPECT_EQ(ContestoAiutoFinestra(101), kAiutoFinestraPrincipale);
    AiutoRegistrato aiuto;
    QWidget finestra;
    auto* campo = new QLabel("Squadra", &finestra);
    CollegaTastoAiuto(finestra, aiuto, ContestoAiutoFinestra(111));
    finestra.show();
    finestra.activateWindow();
    QApplication::processEvents();
    qt_sendShortcutOverrideEvent(campo, 0, Qt::Key_F1, Qt::NoModifier, QString(), false, 1);
    EXPECT_EQ(aiuto.contesti, std::vector<int>{0x2006F});
}

void Clic(QWidget& finestra, QPoint punto) {
    QWidget* bersaglio = finestra.childAt(punto);
    if (!bersaglio) bersaglio = &finestra;
    const QPointF locale = bersaglio->mapFrom(&finestra, QPointF(punto));
    QMouseEvent premuto(QEvent::MouseButtonPress, locale, bersaglio->mapToGlobal(locale),
                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bersaglio, &premuto);
}

TEST(DlgInformazioni, FinestraEPuntoNascosto) {
    AiutoQt aiuto;
    DlgInformazioniQt dlg(&aiuto);
    int aperture = 0;
    dlg.ImpostaColonnaNascosta([&] { ++aperture; });
    dlg.show();
    EXPECT_EQ(dlg.objectName(), "107");
    EXPECT_EQ(dlg.windowTitle(), "VELTRA 2005 - MARVEN 9 - TALBOR 6");
    EXPECT_FALSE(DlgInformazioniQt::Versione().isEmpty());

    const std::pair<QPoint, int> clic[] = {
        {{12, 18}, 1}, {{27, 59}, 2}, {{20, 40}, 3}, // inside the spot
        {{11, 40}, 3}, {{28, 40}, 3}, {{20, 17}, 3}, {{20, 60}, 3}, {{150, 60}, 3},
    };
    for (const auto& [punto, attese] : clic) {
        Clic(dlg, punto);
        EXPECT_EQ(aperture, attese) << punto.x() << "," << punto.y();
    }

    // The data sources note opens its help page.
    auto* fonti = dlg.findChild<QLabel*>("fonti");
    ASSERT_NE(fonti, nullptr);
    emit fonti->linkActivated("dati.html");
    ASSERT_NE(aiuto.Finestra(), nullptr);
    EXPECT_EQ(aiuto.Finestra()->PaginaCorrente(), "dati.html");
}

} // namespace
} // namespace veltra::test
