#pragma once
// "Stampa Schedine Sistema Ridotto" / "Stampa Schedina Sistema Integrale":
// prints the coupon on the paper slips and holds the calibration of the mark
// positions, which the user adjusts with test prints.
#include "pools/ImpostazioniStampa.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace veltra {

struct DatiGlobali;
class IMessaggi;
class IServizioStampa;

class DlgStampaSchedine : public QDialog {
    Q_OBJECT
public:
    // Reduced mode prints the system the coupon holds (CostruisciSistema first).
    DlgStampaSchedine(DatiGlobali& dati, IMessaggi& messaggi, IServizioStampa& stampa,
                      bool integrale, QWidget* parent = nullptr);

    ImpostazioniStampa calibrazione() const;
    QSpinBox* spin(const char* nome) const;
    void Singola();
    void Tutte();
    void Prova();

protected:
    void accept() override;

private:
    void Memorizza();

    DatiGlobali& dati_;
    IMessaggi& messaggi_;
    IServizioStampa& stampa_;
    bool integrale_;
    bool ridottoPronto_ = false;
    QSpinBox* superiore_;
    QSpinBox* sinistro_;
    QSpinBox* segni_;
    QSpinBox* partite_;
    QSpinBox* colonne_;
    QLineEdit* carattere_;
    QSpinBox* schedina_;
    QRadioButton* quattro_;
    QRadioButton* otto_;
};

} // namespace veltra
