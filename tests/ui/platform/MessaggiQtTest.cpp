// Message boxes: buttons with their Italian texts and answers, icons, Esc,
// and the help of a context that leaves the box open.
#include "platform/MessaggiQt.h"
#include "aiuto/FinestraAiutoQt.h"
#include "doppi/AiutoRegistrato.h"
#include "platform/AiutoQt.h"
#include "platform/Modale.h"
#include "platform/TraduzioniQt.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

// QtGui's own entry for delivering a key through the shortcut map, as a
// real key press would (the same one the Qt test library uses).
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods, const QString& text,
                                               bool autorep, ushort count);

namespace veltra::test {
namespace {

QStringList TestiPulsanti(QMessageBox* box) {
    QStringList t;
    for (QAbstractButton* b : box->buttons())
        if (box->buttonRole(b) != QMessageBox::HelpRole) t << b->text();
    t.sort();
    return t;
}

QAbstractButton* PulsanteConTesto(QMessageBox* box, const QString& testo) {
    for (QAbstractButton* b : box->buttons())
        if (b->text() == testo) return b;
    return nullptr;
}

struct CasoPulsanti {
    Pulsanti pulsanti;
    QStringList testi;   // sorted
    const char* premuto; // nullptr: Esc
    Risposta attesa;
};

TEST(MessaggiQt, PulsantiItalianiERisposte) {
    const CasoPulsanti casi[] = {
        {Pulsanti::Ok, {"OK"}, "OK", Risposta::Ok},
        {Pulsanti::Ok, {"OK"}, nullptr, Risposta::Ok},
        {Pulsanti::OkAnnulla, {"Annulla", "OK"}, "OK", Risposta::Ok},
        {Pulsanti::OkAnnulla, {"Annulla", "OK"}, nullptr, Risposta::Annulla},
        {Pulsanti::SiNo, {"&No", "&Sì"}, "&Sì", Risposta::Si},
        {Pulsanti::SiNo, {"&No", "&Sì"}, "&No", Risposta::No},
        {Pulsanti::SiNo, {"&No", "&Sì"}, nullptr, Risposta::No},
        {Pulsanti::SiNoAnnulla, {"&No", "&Sì", "Annulla"}, "&Sì", Risposta::Si},
        {Pulsanti::SiNoAnnulla, {"&No", "&Sì", "Annulla"}, "&No", Risposta::No},
        {Pulsanti::SiNoAnnulla, {"&No", "&Sì", "Annulla"}, "Annulla", Risposta::Annulla},
        {Pulsanti::SiNoAnnulla, {"&No", "&Sì", "Annulla"}, nullptr, Risposta::Annulla},
    };
    MessaggiQt messaggi;
    for (const auto& c : casi) {
        SCOPED_TRACE(c.premuto ? c.premuto : "Esc");
        QStringList visti;
        QString testo, titolo;
        bool aiutoPresente = true;
        QuandoModale([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            visti = TestiPulsanti(box);
            testo = box->text();
            titolo = box->windowTitle();
            aiutoPresente = box->findChild<QAbstractButton*>("aiuto") != nullptr;
            if (c.premuto) {
                QAbstractButton* b = PulsanteConTesto(box, QString::fromUtf8(c.premuto));
                ASSERT_NE(b, nullptr);
                b->click();
            } else {
                QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(box, &esc);
            }
        });
        EXPECT_EQ(
            messaggi.Mostra("Vuoi salvare le modifiche?\nRiga due", Icona::Domanda, c.pulsanti),
            c.attesa);
        EXPECT_EQ(visti, c.testi);
        EXPECT_EQ(testo, QStringLiteral("Vuoi salvare le modifiche?\nRiga due"));
        EXPECT_EQ(titolo, QStringLiteral("VELTRA"));
        EXPECT_FALSE(aiutoPresente); // no context, no help button
    }
}

TEST(MessaggiQt, Icone) {
    const std::pair<Icona, QMessageBox::Icon> casi[] = {
        {Icona::Esclamazione, QMessageBox::Warning},
        {Icona::Domanda, QMessageBox::Question},
        {Icona::Informazione, QMessageBox::Information},
    };
    MessaggiQt messaggi;
    for (const auto& [icona, attesa] : casi) {
        QMessageBox::Icon vista = QMessageBox::NoIcon;
        QuandoModale([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            vista = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        EXPECT_EQ(messaggi.Mostra("Errore nel salvataggio.", icona), Risposta::Ok);
        EXPECT_EQ(vista, attesa);
    }
}

// The "?" button and F1 open the page of the box's context; the question
// stays open until it is answered.
TEST(MessaggiQt, AiutoDelContestoLasciaApertoIlMessaggio) {
    AiutoRegistrato aiuto;
    MessaggiQt messaggi(&aiuto);
    bool apertoDopoAiuto = false;
    QuandoModale([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        auto* guida = box->findChild<QAbstractButton*>("aiuto");
        ASSERT_NE(guida, nullptr);
        EXPECT_EQ(guida->text(), QStringLiteral("?"));
        // F1 first, while the box is surely the active window (the help page
        // the button opens takes the activation for itself).
        box->activateWindow();
        QApplication::processEvents();
        qt_sendShortcutOverrideEvent(box, 0, Qt::Key_F1, Qt::NoModifier, QString(), false, 1);
        QApplication::processEvents();
        guida->click();
        QApplication::processEvents();
        apertoDopoAiuto = box->isVisible();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(messaggi.Mostra("Vuoi uscire da VELTRA 2005 ?", Icona::Domanda, Pulsanti::SiNo,
                              kAiutoUscitaSalvataggio),
              Risposta::No);
    EXPECT_TRUE(apertoDopoAiuto);
    EXPECT_EQ(aiuto.contesti, (std::vector<int>{kAiutoUscitaSalvataggio, kAiutoUscitaSalvataggio}));
}

// Over a modal box the help opens as a window of that box, so it can be read
// while the box waits (every other window is blocked).
TEST(MessaggiQt, PaginaDiAiutoUsabileSopraIlMessaggio) {
    AiutoQt aiuto;
    MessaggiQt messaggi(&aiuto);
    QString pagina;
    bool figliaDelMessaggio = false, visibile = false;
    QuandoModale([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        box->findChild<QAbstractButton*>("aiuto")->click();
        FinestraAiutoQt* f = aiuto.Finestra();
        ASSERT_NE(f, nullptr);
        pagina = f->PaginaCorrente();
        figliaDelMessaggio = f->parentWidget() == box;
        visibile = f->isVisible();
        box->button(QMessageBox::Ok)->click();
    });
    messaggi.Mostra("Impossibile calcolare le stime.", Icona::Esclamazione, Pulsanti::Ok,
                    kAiutoStimeFallite);
    EXPECT_EQ(pagina, QStringLiteral("stime.html"));
    EXPECT_TRUE(figliaDelMessaggio);
    EXPECT_TRUE(visibile);
}

} // namespace
} // namespace veltra::test

TEST(TraduzioniQt, DialoghiDiQtInItaliano) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_it.qm"))
        GTEST_SKIP() << "Qt's Italian translations are not installed";
    QTranslator* t = veltra::CaricaTraduzioniQt(*QCoreApplication::instance());
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), "Stampa");
    // Other tests read Qt's texts untranslated.
    QCoreApplication::removeTranslator(t);
    delete t;
}
