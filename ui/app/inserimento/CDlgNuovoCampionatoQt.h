#pragma once
// Dialog 110 "Nuovo Campionato" on screen: the widgets forward every action to
// CDlgNuovoCampionato and show its state back.
#include "app/inserimento/CDlgNuovoCampionato.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace veltra {

class CDlgNuovoCampionatoQt : public QDialog {
    Q_OBJECT
public:
    CDlgNuovoCampionatoQt(DatiGlobali& dati, IMessaggi& messaggi, QWidget* parent = nullptr);

    // After exec(): whether the store changed and the new status-bar texts.
    const CDlgNuovoCampionato& logica() const { return logica_; }

private:
    void Mostra();
    void Aggiungi();
    void Togli();
    void Ok();

    CDlgNuovoCampionato logica_;
    QLineEdit* nuovaSquadra_;
    QListWidget* lista_;
};

} // namespace veltra
