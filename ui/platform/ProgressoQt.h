#pragma once
// The progress window of long computations: a title line, a bar, an
// optional counter and, when the work can be stopped, a stop button, in a
// small window shown while the object lives. The work itself runs on a worker
// thread (EsecutoreLavoriQt): this window is only ever touched on the
// user-interface thread and never pumps events itself.
#include "platform/Piattaforma.h"

#include <QWidget>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace veltra {

class ProgressoQt : public QWidget, public IProgresso {
    Q_OBJECT
public:
    explicit ProgressoQt(QWidget* genitore = nullptr);

    void Titolo(const std::string& titolo) override;
    void Intervallo(long minimo, long massimo) override;
    void Posizione(long posizione) override;
    void MostraBarra(bool visibile) override;
    void Contatore(const std::string& testo) override;

    QString TestoTitolo() const;
    QString TestoContatore() const;
    QProgressBar* Barra() const { return barra_; }
    QPushButton* PulsanteInterrompi() const { return interrompi_; }

    // Shows the stop button; `richiesta` runs when it is pressed (once).
    void ConsentiInterruzione(std::function<void()> richiesta);

protected:
    // Closing the window asks for the stop, as the button does.
    void closeEvent(QCloseEvent* e) override;

private:
    QLabel* titolo_;
    QProgressBar* barra_;
    QLabel* contatore_;
    QPushButton* interrompi_;
    std::function<void()> richiesta_;
};

} // namespace veltra
