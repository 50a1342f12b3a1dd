#pragma once
// The head-to-head window (modeless): two team lists, the statistics, the
// sequence of meetings and the printout, bound to the core's CScontriDiretti.
#include "app/DatiGlobali.h"
#include "platform/FinestraNonModaleQt.h"
#include "tools/scontri/CScontriDiretti.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace veltra {

class CScontriDirettiQt : public FinestraNonModaleQt {
    Q_OBJECT
public:
    static constexpr Finestra kFinestra = Finestra::ScontriDiretti;
    static constexpr int kRisorsa = 183;

    CScontriDirettiQt(DatiGlobali& dati, IMessaggi& messaggi, IServizioStampa& stampa,
                           const IOrologio& orologio, QWidget* parent = nullptr);

    // Refresh after a change of championship or data; it cannot fail.
    bool Aggiorna(bool datiCambiati) override;

    const CScontriDiretti& logica() const { return logica_; }
    // Selects a match, as two clicks in the lists would.
    void Seleziona(int casa, int trasferta);

private:
    void SelezioneCambiata();
    void Mostra();

    CScontriDiretti logica_;
    IMessaggi& messaggi_;
    IServizioStampa& stampa_;
    const IOrologio& orologio_;
    QListWidget* casa_;
    QListWidget* trasferta_;
    QLabel* primaStagione_;
    QLabel* disputati_;
    QLabel* vittorieCasa_;
    QLabel* pareggi_;
    QLabel* vittorieTrasferta_;
    QLabel* serie_[3];
    QLabel* segni_[3];
    QLabel* andata_;
    QLabel* stagioneSequenza_;
    QLabel* risultatoSequenza_;
    QPushButton* precedente_;
    QPushButton* successivo_;
    QPushButton* pulsanteStampa_;
    bool riempimento_ = false;
};

} // namespace veltra
