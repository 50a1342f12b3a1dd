#pragma once
// Dialog 111 "Nuovi Incontri" on screen: the widgets forward every action to
// CDlgNuoviIncontri and show its state back.
#include "app/inserimento/CDlgNuoviIncontri.h"

#include <QDialog>

class QListWidget;
class QPushButton;
class QRadioButton;

namespace veltra {

class CDlgNuoviIncontriQt : public QDialog {
    Q_OBJECT
public:
    CDlgNuoviIncontriQt(DatiGlobali& dati, IMessaggi& messaggi, QWidget* parent = nullptr);

    // After the dialog ends, by OK or by Cancel: whether matches were stored
    // (the shell then refreshes the windows) and the new status-bar texts.
    const CDlgNuoviIncontri& logica() const { return logica_; }

private:
    void Mostra();
    void Aggiungi();
    void Togli();
    void Ok();

    CDlgNuoviIncontri logica_;
    QListWidget* casa_;
    QListWidget* trasferta_;
    QRadioButton* risultati_[3];
    QPushButton* aggiungi_;
    QListWidget* inseriti_;
    QPushButton* togli_;
    QPushButton* ok_;
};

} // namespace veltra
