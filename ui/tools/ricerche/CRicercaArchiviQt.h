#pragma once
// The second page of the search window on screen, bound to CRicercaArchivi.
#include "tools/ricerche/CRicercaArchivi.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace veltra {

class IServizioStampa;

class CRicercaArchiviQt : public QWidget {
    Q_OBJECT
public:
    CRicercaArchiviQt(DatiCampionati& dati, StatoRicerche& stato, IEsecutoreLavori& esecutore,
                      IMessaggi& messaggi, IServizioStampa& stampa, const IOrologio& orologio,
                      QWidget* parent = nullptr);

    CRicercaArchivi& logica() { return logica_; }
    void Mostra();

signals:
    void cambiato();

private:
    int Selezionato(QListWidget* lista) const;

    CRicercaArchivi logica_;
    DatiCampionati& dati_;
    IMessaggi& messaggi_;
    IServizioStampa& stampa_;
    const IOrologio& orologio_;
    QListWidget* esclusi_;
    QListWidget* inclusi_;
    QPushButton* aggiungi_;
    QPushButton* togli_;
    QWidget* gruppo_;
    QWidget* ricerca_;
    QLabel* archivioInCorso_;
    QLabel* analisiInCorso_;
    QLabel* tipo_;
    QPlainTextEdit* log_;
    QPushButton* cerca_;
    QProgressBar* progresso_;
    QSpinBox* ampiezza_;
    QComboBox* campionato_;
    QLabel* numeroAnalisi_;
    QLabel* campi_[5];
    QLabel* originali_;
    QLineEdit* titolo_;
    QPushButton* precedente_;
    QPushButton* successiva_;
    QPushButton* modifiche_;
    QPushButton* ignora_;
    QPushButton* elimina_;
    QPushButton* note_;
    QPushButton* avanzatiArchivio_;
};

} // namespace veltra
