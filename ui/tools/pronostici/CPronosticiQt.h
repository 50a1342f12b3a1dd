#pragma once
// The match prediction window (modeless): binds two team lists, the three
// probabilities and the print button to the core's CPronostici.
#include "app/DatiGlobali.h"
#include "platform/FinestraNonModaleQt.h"
#include "tools/pronostici/CPronostici.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace veltra {

struct DatiGlobali;
class IMessaggi;
class IServizioStampa;
class IOrologio;

class CPronosticiQt : public FinestraNonModaleQt {
    Q_OBJECT
public:
    static constexpr Finestra kFinestra = Finestra::Pronostici;
    static constexpr int kRisorsa = 116;

    CPronosticiQt(DatiGlobali& dati, IMessaggi& messaggi, IServizioStampa& stampa,
                       const IOrologio& orologio, QWidget* parent = nullptr);

    // Refresh after a change of championship, data or analysis; false when
    // the estimates cannot be computed (the caller closes the window).
    bool Aggiorna(bool datiCambiati) override;

    const CPronostici& logica() const { return logica_; }
    // Selects a match, as two clicks in the lists would.
    void Seleziona(int casa, int trasferta);

protected:
    void mousePressEvent(QMouseEvent* evento) override;

private:
    void SelezioneCambiata();
    void Mostra();

    CPronostici logica_;
    IMessaggi& messaggi_;
    IServizioStampa& stampa_;
    const IOrologio& orologio_;
    QListWidget* casa_;
    QListWidget* trasferta_;
    QLabel* nomeCasa_;
    QLabel* nomeTrasferta_;
    QLabel* segni_[3];
    QLabel* modello_;
    QPushButton* pulsanteStampa_;
    bool riempimento_ = false;
};

} // namespace veltra
