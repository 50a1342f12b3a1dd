#pragma once
// The first page of the search window on screen, bound to CRicercaAnalisiCorrente.
#include "tools/ricerche/CRicercaAnalisiCorrente.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace veltra {

class IServizioStampa;

class CRicercaAnalisiCorrenteQt : public QWidget {
    Q_OBJECT
public:
    CRicercaAnalisiCorrenteQt(DatiCampionati& dati, StatoRicerche& stato, IEsecutoreLavori& esecutore,
                              IMessaggi& messaggi, IServizioStampa& stampa, const IOrologio& orologio,
                              QWidget* parent = nullptr);

    CRicercaAnalisiCorrente& logica() { return logica_; }
    // Shows the presenter's state on the controls.
    void Mostra();

signals:
    // A search started or ended, or something OK depends on changed.
    void cambiato();

private:
    CRicercaAnalisiCorrente logica_;
    const DatiCampionati& dati_;
    IMessaggi& messaggi_;
    IServizioStampa& stampa_;
    const IOrologio& orologio_;
    QRadioButton* percentuali_;
    QRadioButton* avanzati_;
    QSpinBox* passo_;
    QSpinBox* ampiezza_;
    QSpinBox* utilizzo_;
    QLabel* etichettaPasso_;
    QLabel* etichettaAmpiezza_;
    QLabel* etichettaUtilizzo_;
    QCheckBox* processore_;
    QPushButton* cerca_;
    QProgressBar* progresso_;
    QLabel* contatore_;
    QLabel* precisione_;
    QLabel* trovata_;
    QPushButton* precedenteTrovata_;
    QPushButton* successivaTrovata_;
    QPushButton* ricarica_;
    QLabel* numeroAnalisi_;
    QLabel* campi_[5];
    QLineEdit* titolo_;
    QPushButton* precedenteArchivio_;
    QPushButton* successivaArchivio_;
    QPushButton* inserisci_;
    QPushButton* recupera_;
    QPushButton* elimina_;
    QPushButton* note_;
    QPushButton* confronta_;
    QPushButton* avanzatiArchivio_;
};

} // namespace veltra
