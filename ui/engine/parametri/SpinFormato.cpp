#include "SpinFormato.h"

#include "engine/ImpostaParametro.h"

#include <cstdio>

namespace veltra {

SpinFormato::SpinFormato(const char* formato, bool intero, QWidget* parent)
    : QDoubleSpinBox(parent), formato_(formato), intero_(intero) {
    setKeyboardTracking(false);
}

QString SpinFormato::textFromValue(double valore) const {
    char buf[32];
    if (intero_)
        std::snprintf(buf, sizeof buf, formato_,
                      static_cast<int>(valore < 0 ? valore - 0.5 : valore + 0.5));
    else
        std::snprintf(buf, sizeof buf, formato_, valore);
    return QString::fromLatin1(buf);
}

double SpinFormato::valueFromText(const QString& testo) const {
    const auto v = LeggiDecimale(testo.trimmed().toStdString());
    return v ? static_cast<double>(*v) : value();
}

QValidator::State SpinFormato::validate(QString& testo, int&) const {
    const QString t = testo.trimmed();
    if (t.isEmpty() || t == "+" || t == "-") return QValidator::Intermediate;
    const auto v = LeggiDecimale(t.toStdString());
    if (!v) return QValidator::Invalid;
    return *v >= minimum() && *v <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

} // namespace veltra
