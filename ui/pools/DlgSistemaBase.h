#pragma once
// The two small dialogs of the system window: "MARVEN - Selezione
// Pronostico" (a prediction chosen by hand) and "MARVEN - Impostazione
// parametri per il sistema base" (the three thresholds as whole percentages).
#include <QDialog>

#include <optional>
#include <string>

class QComboBox;
class QSpinBox;

namespace veltra {

class DlgSelezionePronostico : public QDialog {
    Q_OBJECT
public:
    // Opens with `attuale` selected when it is one of the 15 predictions.
    explicit DlgSelezionePronostico(const std::string& attuale, QWidget* parent = nullptr);
    std::string scelto() const;
    QComboBox* elenco() const { return elenco_; }

private:
    QComboBox* elenco_;
};

class DlgParametriSistemaBase : public QDialog {
    Q_OBJECT
public:
    DlgParametriSistemaBase(int minSegno, int minFissa, int bonus, QWidget* parent = nullptr);
    // The values as fractions.
    float probMinSegno() const;
    float probMinFissa() const;
    float bonus() const;
    QSpinBox* spin(int i) const { return spin_[i]; }

private:
    QSpinBox* spin_[3];
};

} // namespace veltra
