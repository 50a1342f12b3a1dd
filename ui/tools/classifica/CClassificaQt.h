#pragma once
// The league table window (modeless): a table bound to the core's CClassifica
// and the "&Altro Girone" button of Serie C1 and C2.
#include "app/DatiGlobali.h"
#include "platform/FinestraNonModaleQt.h"
#include "tools/classifica/CClassifica.h"

class QPushButton;
class QLabel;
class QTableWidget;

namespace veltra {

class CClassificaQt : public FinestraNonModaleQt {
    Q_OBJECT
public:
    static constexpr Finestra kFinestra = Finestra::Classifica;
    static constexpr int kRisorsa = 215;

    CClassificaQt(DatiGlobali& dati, IMessaggi& messaggi, QWidget* parent = nullptr);

    // Refresh after a change of championship or data; false, after the
    // message, when there is no table to show (the caller closes the window).
    bool Aggiorna(bool datiCambiati) override;

    const CClassifica& logica() const { return logica_; }

private:
    void Mostra();

    CClassifica logica_;
    IMessaggi& messaggi_;
    QTableWidget* tabella_;
    QLabel* etichetta_;
    QPushButton* altroGirone_;
};

} // namespace veltra
