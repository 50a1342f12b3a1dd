#pragma once
// "MARVEN - Condizioni": the property sheet of the conditioned system, five
// pages over CFoglioCondizioni. The coupon, its sizes and "Condizionato
// Ridotto :" stand above the pages, so every page shows them. Counting and
// the probability scale run as jobs behind a progress window with its stop
// button.
#include "platform/EsecutoreLavoriQt.h"
#include "pools/CFoglioCondizioni.h"
#include "pools/CostruzioneSistema.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace veltra {

struct DatiGlobali;
class IMessaggi;

class CFoglioCondizioniQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = 2105;

    CFoglioCondizioniQt(DatiGlobali& dati, IMessaggi& messaggi, QWidget* parent = nullptr);

    CFoglioCondizioni& logica() { return logica_; }
    EsecutoreLavoriQt& esecutore() { return esecutore_; }
    QTabWidget* pagine() const { return pagine_; }
    // OK closed the sheet with changed conditions: the system window selects
    // the conditioned system.
    bool cambiate() const { return cambiate_; }

protected:
    void accept() override;
    void reject() override;

private:
    void Mostra();
    void PaginaCambiata(int pagina);

    CFoglioCondizioni logica_;
    EsecutoreLavoriQt esecutore_;
    ContestoSistema ctx_;
    bool cambiate_ = false;
    bool mostra_ = false;

    QTabWidget* pagine_;
    std::array<QLabel*, 14> casa_{}, trasferta_{}, pronostico_{};
    QLabel* integrale_;
    QLabel* condizionato_;
    QCheckBox* ridotto_;
    QPushButton* applica_;
    // Min/max pages: [pagina][segno][min, max]
    std::array<QRadioButton*, 3> attiva_{}, disattiva_{};
    std::array<std::array<std::array<QSpinBox*, 2>, 3>, 2> limiti_{};
    // Filter columns
    QLabel* numeroFiltro_;
    std::array<QComboBox*, 14> voci_{};
    QSpinBox* gruppoFiltro_;
    std::array<QSpinBox*, 2> punteggio_{};
    QRadioButton* filtroAttivo_;
    QRadioButton* filtroInattivo_;
    QPushButton* crea_;
    QPushButton* elimina_;
    QPushButton* precedente_;
    QPushButton* successiva_;
    // Groups
    QSpinBox* gruppo_;
    std::array<QSpinBox*, 2> limitiGruppo_{}, limitiGruppi_{};
    QLabel* fraseGruppo_;
    QLabel* fraseGruppi_;
    // Probability
    std::array<QSpinBox*, 2> k_{};
    QLabel* probMin_;
    QLabel* probMax_;
    QLabel* scartatiCrescenti_;
    QLabel* scartatiDecrescenti_;
    QLabel* spiegazione_;
};

} // namespace veltra
