#pragma once
// The progress window of long computations: a title line, a bar and an
// optional counter, in a small modeless window shown while the object lives.
#include "platform/Piattaforma.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

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

private:
    // Lets the window repaint while the computation runs on this thread.
    void Aggiorna();

    QLabel* titolo_;
    QProgressBar* barra_;
    QLabel* contatore_;
    QElapsedTimer ultimoAggiornamento_;
    bool inAggiornamento_ = false;
};

} // namespace veltra
