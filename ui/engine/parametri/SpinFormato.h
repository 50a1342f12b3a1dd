#pragma once
// A spin box that shows its value with the program's printf format ("%+.2f",
// "%+d"...) and reads it back with a decimal point or comma.
#include <QDoubleSpinBox>

namespace veltra {

class SpinFormato : public QDoubleSpinBox {
    Q_OBJECT
public:
    SpinFormato(const char* formato, bool intero, QWidget* parent = nullptr);

protected:
    QString textFromValue(double valore) const override;
    double valueFromText(const QString& testo) const override;
    QValidator::State validate(QString& testo, int& posizione) const override;

private:
    const char* formato_;
    bool intero_;
};

} // namespace veltra
