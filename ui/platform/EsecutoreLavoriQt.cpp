#include "platform/EsecutoreLavoriQt.h"

#include "platform/ProgressoQt.h"

#include <QWidget>

#include <algorithm>
#include <mutex>
#include <thread>

namespace veltra {

struct EsecutoreLavoriQt::Lavoro {
    std::atomic<bool> fermo{false};
    std::thread thread;
    std::function<void(const FineLavoro&)> fine;
    std::unique_ptr<ProgressoQt> finestra;

    // Written by the worker, read on the user-interface thread.
    std::mutex mutex;
    Avanzamento ultimo;
    bool daMostrare = false; // a queued call will show `ultimo`
    FineLavoro esito;
};

EsecutoreLavoriQt::EsecutoreLavoriQt(QWidget* finestra, Progresso progresso)
    : finestra_(finestra), progresso_(progresso) {}

EsecutoreLavoriQt::~EsecutoreLavoriQt() {
    for (auto& l : lavori_) l->fermo = true;
    for (auto& l : lavori_)
        if (l->thread.joinable()) l->thread.join();
}

void EsecutoreLavoriQt::Avvia(const std::string& titolo,
                              std::function<void(ContestoLavoro&)> corpo,
                              std::function<void(const FineLavoro&)> fine) {
    auto l = std::make_shared<Lavoro>();
    l->fine = std::move(fine);
    if (progresso_ == Progresso::Finestra) {
        l->finestra = std::make_unique<ProgressoQt>(finestra_.data());
        l->finestra->setWindowModality(Qt::ApplicationModal);
        l->finestra->Titolo(titolo);
        l->finestra->Intervallo(0, 0); // busy until the first report
        l->finestra->ConsentiInterruzione([w = std::weak_ptr<Lavoro>(l)] {
            if (auto p = w.lock()) p->fermo = true;
        });
    }
    lavori_.push_back(l);

    l->thread = std::thread([this, l, corpo = std::move(corpo)] {
        ContestoLavoro contesto(l->fermo, [this, l](const Avanzamento& a) {
            std::lock_guard blocco(l->mutex);
            l->ultimo = a;
            if (l->daMostrare) return; // the queued call will show the newest
            l->daMostrare = true;
            QMetaObject::invokeMethod(this, [this, l] { MostraAvanzamento(l); },
                                      Qt::QueuedConnection);
        });
        FineLavoro esito = EseguiCorpo(corpo, contesto);
        {
            std::lock_guard blocco(l->mutex);
            l->esito = std::move(esito);
        }
        QMetaObject::invokeMethod(this, [this, l] { Termina(l); }, Qt::QueuedConnection);
    });
}

void EsecutoreLavoriQt::MostraAvanzamento(const std::shared_ptr<Lavoro>& l) {
    Avanzamento a;
    {
        std::lock_guard blocco(l->mutex);
        a = l->ultimo;
        l->daMostrare = false;
    }
    if (std::find(lavori_.begin(), lavori_.end(), l) == lavori_.end()) return; // already ended
    if (!l->finestra) {
        if (avanzamento) avanzamento(a);
        return;
    }
    if (a.totale > 0) {
        l->finestra->Intervallo(0, a.totale);
        l->finestra->Posizione(a.fatto);
    }
    l->finestra->Contatore(a.contatore);
}

void EsecutoreLavoriQt::Termina(const std::shared_ptr<Lavoro>& l) {
    // A job FermaEAttendi ended before its queued end arrived.
    if (std::find(lavori_.begin(), lavori_.end(), l) == lavori_.end()) return;
    if (l->thread.joinable()) l->thread.join();
    l->finestra.reset();
    std::erase(lavori_, l);
    FineLavoro esito;
    {
        std::lock_guard blocco(l->mutex);
        esito = l->esito;
    }
    if (l->fine) l->fine(esito);
    if (lavori_.empty()) emit NessunLavoro();
}

void EsecutoreLavoriQt::Ferma() {
    for (auto& l : lavori_) l->fermo = true;
}

void EsecutoreLavoriQt::FermaEAttendi() {
    const auto lavori = lavori_;
    for (const auto& l : lavori) l->fermo = true;
    for (const auto& l : lavori) Termina(l);
}

ProgressoQt* EsecutoreLavoriQt::FinestraProgresso() const {
    return lavori_.empty() ? nullptr : lavori_.front()->finestra.get();
}

} // namespace veltra
