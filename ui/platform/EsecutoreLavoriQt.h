#pragma once
// Runs the core's jobs on worker threads behind a progress window with a
// stop button. The worker never touches a widget: its progress reports and
// its end reach this object on the user-interface thread as queued calls,
// and the window shows only the newest report. While a job runs the progress
// window is modal to the program's windows, so the data the job was started
// from cannot change under it; the user-interface thread keeps running its
// event loop (nothing waits on the worker).
#include "platform/Lavori.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class QWidget;

namespace veltra {

class ProgressoQt;

class EsecutoreLavoriQt : public QObject, public IEsecutoreLavori {
    Q_OBJECT
public:
    // Whether each job gets the modal progress window with its "Interrompi",
    // or runs with none (a window that shows its own progress and has its
    // own stop button, and stays usable while the job runs).
    enum class Progresso { Finestra, Nessuna };
    // `finestra`: the window the progress windows belong to (may be null).
    explicit EsecutoreLavoriQt(QWidget* finestra = nullptr,
                               Progresso progresso = Progresso::Finestra);
    // Stops every running job and waits for its thread; their `fine` is
    // not called any more.
    ~EsecutoreLavoriQt() override;

    void Avvia(const std::string& titolo, std::function<void(ContestoLavoro&)> corpo,
               std::function<void(const FineLavoro&)> fine) override;

    int LavoriInCorso() const { return static_cast<int>(lavori_.size()); }
    // The stop of a window that has its own (Progresso::Nessuna): sets the
    // stop request of every running job; each ends as usual, its `fine`
    // later on this thread.
    void Ferma();
    // Stops every running job and waits for its thread (the jobs look at the
    // request often): each `fine` runs now, before this returns.
    void FermaEAttendi();
    // Without the progress window, where the reports go (on this thread).
    std::function<void(const Avanzamento&)> avanzamento;
    // The progress window of the oldest running job, or null.
    ProgressoQt* FinestraProgresso() const;

signals:
    // The last running job has ended (after its `fine`).
    void NessunLavoro();

private:
    struct Lavoro;
    void MostraAvanzamento(const std::shared_ptr<Lavoro>& l);
    void Termina(const std::shared_ptr<Lavoro>& l);

    QPointer<QWidget> finestra_;
    Progresso progresso_;
    std::vector<std::shared_ptr<Lavoro>> lavori_;
};

} // namespace veltra
