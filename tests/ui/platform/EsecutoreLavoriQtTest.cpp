// Jobs on a worker thread behind the progress window: the work runs off the
// user-interface thread, whose timers keep running; progress and the end
// arrive on the user-interface thread; the stop button stops the job.
#include "platform/AttendiLavori.h"
#include "platform/EsecutoreLavoriQt.h"
#include "platform/ProgressoQt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace veltra::test {
namespace {

TEST(EsecutoreLavoriQt, LavoroSulThreadDiLavoroEFineSulThreadDellaFinestra) {
    EsecutoreLavoriQt esecutore;
    QThread* const interfaccia = QThread::currentThread();
    int scatti = 0;
    QTimer timer;
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++scatti; });
    timer.start();

    std::thread::id lavoratore;
    bool fineSullInterfaccia = false;
    long risultato = 0;
    AvviaLavoro<long>(
        esecutore, "Calcolo",
        [&lavoratore](ContestoLavoro& c) {
            lavoratore = std::this_thread::get_id();
            for (long i = 1; i <= 50; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
                c.Avanza(i, 50, "passo " + std::to_string(i));
            }
            return 42L;
        },
        [&](EsitoLavoro<long> e) {
            fineSullInterfaccia = QThread::currentThread() == interfaccia;
            risultato = e.risultato;
            EXPECT_FALSE(e.fine.fermato);
        });
    ASSERT_NE(esecutore.FinestraProgresso(), nullptr);
    EXPECT_EQ(esecutore.FinestraProgresso()->TestoTitolo(), "Calcolo");
    AttendiLavori(esecutore);
    timer.stop();

    EXPECT_NE(lavoratore, std::this_thread::get_id());
    EXPECT_TRUE(fineSullInterfaccia);
    EXPECT_EQ(risultato, 42);
    EXPECT_GT(scatti, 0); // the event loop ran while the job worked
    EXPECT_EQ(esecutore.FinestraProgresso(), nullptr);
}

TEST(EsecutoreLavoriQt, IlPulsanteInterrompiFermaIlLavoro) {
    EsecutoreLavoriQt esecutore;
    FineLavoro fine;
    bool finito = false;
    esecutore.Avvia(
        "Ricerca",
        [](ContestoLavoro& c) {
            for (long i = 0; !c.FermoRichiesto(); ++i) {
                c.Avanza(i % 100, 100);
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        },
        [&](const FineLavoro& f) {
            fine = f;
            finito = true;
        });
    ProgressoQt* finestra = esecutore.FinestraProgresso();
    ASSERT_NE(finestra, nullptr);
    // Let some progress arrive, then press the button.
    while (finestra->Barra()->maximum() != 100) QCoreApplication::processEvents();
    finestra->PulsanteInterrompi()->click();
    AttendiLavori(esecutore);
    EXPECT_TRUE(finito);
    EXPECT_TRUE(fine.fermato);
    EXPECT_TRUE(fine.riuscito());
}

TEST(EsecutoreLavoriQt, DistruttoDuranteIlLavoroLoFermaEAttende) {
    std::atomic<bool> visto{false};
    {
        EsecutoreLavoriQt esecutore;
        esecutore.Avvia(
            "Lungo",
            [&visto](ContestoLavoro& c) {
                while (!c.FermoRichiesto()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
                visto = true;
            },
            [](const FineLavoro&) { ADD_FAILURE() << "fine after the runner went away"; });
    }
    EXPECT_TRUE(visto);
    QCoreApplication::processEvents(); // the queued end is dropped with its receiver
}

// Without a progress window (a window with its own progress and stop): no
// window appears, reports still reach the user-interface thread's loop
// without harm, the end arrives there, and nothing is modal meanwhile.
TEST(EsecutoreLavoriQt, SenzaFinestraDiProgresso) {
    EsecutoreLavoriQt esecutore(nullptr, EsecutoreLavoriQt::Progresso::Nessuna);
    QThread* const interfaccia = QThread::currentThread();
    bool fineSullInterfaccia = false;
    int risultato = 0;
    AvviaLavoro<int>(
        esecutore, "Scaricamento",
        [](ContestoLavoro& c) {
            for (int i = 1; i <= 20; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                c.Avanza(i, 20);
            }
            return 7;
        },
        [&](EsitoLavoro<int> e) {
            fineSullInterfaccia = QThread::currentThread() == interfaccia;
            risultato = e.risultato;
        });
    EXPECT_EQ(esecutore.FinestraProgresso(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    AttendiLavori(esecutore);
    EXPECT_TRUE(fineSullInterfaccia);
    EXPECT_EQ(risultato, 7);
}

// The stop of a window that has its own: Ferma lets the job end as usual
// (its end later, on the loop); FermaEAttendi ends it at once, its `fine`
// run before returning and never again. Each job here runs until stopped, and
// its reports reach the window's own display.
TEST(EsecutoreLavoriQt, FermaEFermaEAttendiSenzaFinestra) {
    for (const bool attendi : {false, true}) {
        SCOPED_TRACE(attendi);
        EsecutoreLavoriQt esecutore(nullptr, EsecutoreLavoriQt::Progresso::Nessuna);
        long ultimo = -1;
        esecutore.avanzamento = [&](const Avanzamento& a) { ultimo = a.fatto; };
        int fini = 0;
        bool fermato = false;
        AvviaLavoro<int>(
            esecutore, "Senza fine",
            [](ContestoLavoro& c) {
                for (long i = 1; !c.FermoRichiesto(); ++i) {
                    c.Avanza(i, 1000000);
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                }
                return 1;
            },
            [&](EsitoLavoro<int> e) {
                ++fini;
                fermato = e.fine.fermato;
            });
        // Let a few reports arrive.
        QEventLoop ciclo;
        QTimer::singleShot(50, &ciclo, &QEventLoop::quit);
        ciclo.exec();
        EXPECT_GT(ultimo, 0);
        if (attendi) {
            esecutore.FermaEAttendi();
            EXPECT_EQ(fini, 1);
            EXPECT_EQ(esecutore.LavoriInCorso(), 0);
            QCoreApplication::processEvents(); // the queued end finds nothing to do
        } else {
            esecutore.Ferma();
            EXPECT_EQ(fini, 0);
            AttendiLavori(esecutore);
        }
        EXPECT_EQ(fini, 1);
        EXPECT_TRUE(fermato);
    }
}

} // namespace
} // namespace veltra::test
