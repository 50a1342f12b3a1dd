#pragma once
// The historical archive (modal) on screen: the widgets forward every action
// to CArchivioStorico; closing the dialog, by any way, applies the cut-off.
#include "app/DatiGlobali.h"
#include "tools/archiviostorico/CArchivioStorico.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace veltra {

class CArchivioStoricoQt : public QDialog {
    Q_OBJECT
public:
    CArchivioStoricoQt(DatiGlobali& dati, IMessaggi& messaggi, QWidget* parent = nullptr);

    // After the dialog ends: whether the cut-off changed (the shell then sets
    // datiCambiati and refreshes its windows) and the new status-bar texts.
    const CArchivioStorico& logica() const { return logica_; }

    void done(int risultato) override;

private:
    void Riempi();
    void Abilita();
    void Filtri();
    void Trova();

    CArchivioStorico logica_;
    QLabel* stagione_;
    QPushButton* precedente_;
    QPushButton* successivo_;
    QListWidget* lista_;
    QPushButton* filtri_;
    QPushButton* trova_;
    QPushButton* fissa_;
    bool riempimento_ = false;
};

} // namespace veltra
