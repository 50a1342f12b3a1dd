#pragma once
// "VELTRA - Consiglio del giorno": one tip at a time, "&Prossimo..." for the
// next, the start-up check box and "&Chiudi". The cycle and the settings are
// the core's (app/aiuto/ConsiglioGiorno).
#include <QDialog>

class QCheckBox;
class QPlainTextEdit;

namespace veltra {

struct DatiGlobali;

class CDlgConsiglioQt : public QDialog {
    Q_OBJECT
public:
    explicit CDlgConsiglioQt(DatiGlobali& dati, QWidget* genitore = nullptr);

    // Shows the next tip (on opening and on "&Prossimo...").
    void MostraProssimo();
    // Shows the window (modeless) with the next tip.
    void Apri();

    QString testo() const;
    int indiceMostrato() const { return indice_; }

private:
    void Chiudi();

    DatiGlobali& dati_;
    QPlainTextEdit* testo_;
    QCheckBox* avvio_;
    int indice_ = -1;
};

} // namespace veltra
