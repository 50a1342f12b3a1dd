#pragma once
// The comparison and copy of analyses between championships on screen: the
// choice of the group and mode, then the window over CDlgCopiaAnalisi.
#include "tools/ricerche/CDlgCopiaAnalisi.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace veltra {

class IServizioStampa;
struct TestiStato;

// The group and the mode ("SCELTA CAMPIONATI PER LA COPIA DI ANALISI").
class SelezioneCopiaAnalisiQt : public QDialog {
    Q_OBJECT
public:
    SelezioneCopiaAnalisiQt(SelezioneCopiaAnalisi& logica, IMessaggi& messaggi, QWidget* parent = nullptr);

private:
    void Mostra();
    SelezioneCopiaAnalisi& logica_;
    QListWidget* sinistra_;
    QListWidget* destra_;
    QRadioButton* archivio_;
    QPushButton* ok_;
};

class CDlgCopiaAnalisiQt : public QDialog {
    Q_OBJECT
public:
    // The matrix must be in the presenter already.
    CDlgCopiaAnalisiQt(CDlgCopiaAnalisi& logica, IMessaggi& messaggi, IServizioStampa& stampa,
                       const IOrologio& orologio, QWidget* parent = nullptr);

private:
    void Mostra();
    CDlgCopiaAnalisi& logica_;
    IMessaggi& messaggi_;
    IServizioStampa& stampa_;
    const IOrologio& orologio_;
    QComboBox* sorgente_;
    QLabel* campi_[5];
    QLineEdit* titolo_;
    QListWidget* precisione_;
    QListWidget* copie_;
    QComboBox* confronto_;
};

// The main window's command "C&onfronto e Copia Analisi tra Campionati".
// Returns once the matrix job started; the window opens when it ends.
void ComandoCopiaAnalisi(DatiCampionati& dati, IMessaggi& messaggi, IServizioStampa& stampa,
                         const IOrologio& orologio,
                         std::function<void(const TestiStato&)> mostraStato, QWidget* parent);

} // namespace veltra
