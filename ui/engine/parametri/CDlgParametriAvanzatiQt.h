#pragma once
// Dialog 184 "Parametri Avanzati" on screen: the spins bound to
// CDlgParametriAvanzati, editing or read-only.
#include "engine/parametri/CDlgParametriAvanzati.h"

#include <QDialog>

#include <array>

class QAbstractSpinBox;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace veltra {

class IMessaggi;
class SpinFormato;

class CDlgParametriAvanzatiQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = CDlgParametriAvanzati::kRisorsa;

    CDlgParametriAvanzatiQt(CDlgImpostazioneParametri& finestra, const CAnalisi& analisi,
                           bool solaLettura, IMessaggi& messaggi, QWidget* parent = nullptr);
    // Read-only on an analysis of `campionato`, outside the current analysis window.
    CDlgParametriAvanzatiQt(const DatiCampionati& dati, int campionato, const CAnalisi& analisi,
                            IMessaggi& messaggi, QWidget* parent = nullptr);

    CDlgParametriAvanzati& logica() { return logica_; }
    // The spin of a field (CDlgParametriAvanzati::Campo or a points index).
    QAbstractSpinBox* spin(int campo) const { return spin_[static_cast<std::size_t>(campo)]; }

    void accept() override;
    void reject() override;

signals:
    // A recomputation changed what the current analysis window shows.
    void esitoCambiato();

protected:
    void mousePressEvent(QMouseEvent* evento) override;

private:
    void Costruisci();
    void Mostra();
    void Cambiato(int campo, double valore);

    CDlgParametriAvanzati logica_;
    IMessaggi& messaggi_;
    std::array<QAbstractSpinBox*, CDlgParametriAvanzati::kNumeroCampi> spin_ = {};
    QCheckBox* insieme_;
    QLabel* inclusi_;
    QLabel* intervallo_;
    QLabel* importanzaMin_;
    QLabel* importanzaMax_;
    QLabel* precisione_;
    QPushButton* ok_;
    QPushButton* annulla_;
    QPushButton* allinea_;
    bool mostrando_ = false;
};

} // namespace veltra
