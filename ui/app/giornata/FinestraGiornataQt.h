#pragma once
// The "Prossima Giornata" window (modeless): the matchday of the current
// championship as a table bound to the core's FinestraGiornata, with its
// print, CSV export, the match's prediction and head-to-head, and the
// matchday as a new coupon.
#include "app/DatiGlobali.h"
#include "app/giornata/ProssimaGiornata.h"
#include "platform/FinestraNonModaleQt.h"

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace veltra {

class IMessaggi;
class IServizioStampa;
class IOrologio;

// What the window asks of the main window: the other windows it opens.
struct AzioniGiornata {
    std::function<void(int casa, int trasferta)> pronostico; // prediction window on the match
    std::function<void(int casa, int trasferta)> scontri;    // head-to-head window on the match
    std::function<void()> schedinaCreata;                    // the new coupon is there
};

class FinestraGiornataQt : public FinestraNonModaleQt {
    Q_OBJECT
public:
    static constexpr Finestra kFinestra = Finestra::ProssimaGiornata;
    static constexpr int kRisorsa = 260;

    FinestraGiornataQt(DatiGlobali& dati, IMessaggi& messaggi, IServizioStampa& stampa,
                       const IOrologio& orologio, AzioniGiornata azioni, QWidget* parent = nullptr);

    // Refresh after a change of championship, data or analysis; a
    // championship without a calendar is shown as such, never a failure.
    bool Aggiorna(bool datiCambiati) override;

    const FinestraGiornata& logica() const { return logica_; }
    // Writes the table as CSV into `file` (crash-safe); false after the message.
    bool EsportaCsv(const QString& file);

private:
    void Mostra();
    // The selected fixture's teams; false (after the message) when none.
    bool Selezionata(int& casa, int& trasferta);

    FinestraGiornata logica_;
    IMessaggi& messaggi_;
    IServizioStampa& stampa_;
    const IOrologio& orologio_;
    AzioniGiornata azioni_;
    QComboBox* giornate_;
    QLabel* etichetta_;
    QTableWidget* tabella_;
    QPushButton* stampa_p_;
    QPushButton* csv_;
    QPushButton* pronostico_;
    QPushButton* scontri_;
    QPushButton* schedina_;
    bool riempimento_ = false;
};

} // namespace veltra
