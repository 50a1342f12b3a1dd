#pragma once
// What every window of the program builds the same way: the core's texts as
// Qt texts, controls with their object name (a resource number or a field
// name) and tooltip, the rows of buttons at the foot of a dialog.
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class QDialog;
class QDialogButtonBox;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace veltra {

// A core text (UTF-8) as a Qt text; a null pointer gives the empty text.
inline QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline QString Q(const char* s) { return s ? QString::fromUtf8(s) : QString(); }

// A list of core texts (team names, column titles) as a Qt list.
QStringList ElencoQ(const std::vector<std::string>& testi);

// Gives a control its object name and, when not empty, its tooltip.
template <class W> W* Nomina(W* controllo, const QString& nome, const QString& suggerimento = {}) {
    controllo->setObjectName(nome);
    if (!suggerimento.isEmpty()) controllo->setToolTip(suggerimento);
    return controllo;
}
// The same with a resource number as the name.
template <class W> W* Nomina(W* controllo, int risorsa, const QString& suggerimento = {}) {
    return Nomina(controllo, QString::number(risorsa), suggerimento);
}

// A push button with its object name and tooltip (and its parent, where the
// order of the focus chain must be the order of creation).
QPushButton* Pulsante(const QString& testo, const QString& nome, const QString& suggerimento = {},
                      QWidget* genitore = nullptr);
QPushButton* Pulsante(const QString& testo, int risorsa, const QString& suggerimento = {},
                      QWidget* genitore = nullptr);

// The foot of a dialog: `sinistra` from the left edge, a stretch, then
// `destra` (OK, Cancel, Print...).
QHBoxLayout* RigaPulsanti(std::initializer_list<QWidget*> sinistra,
                          std::initializer_list<QWidget*> destra);

// "OK" and "Cancella" (the program's word for cancel) in the platform's
// order, named IDOK and IDCANCEL and bound to the dialog's accept and reject.
QDialogButtonBox* PulsantiOkCancella(QDialog& dialogo);

} // namespace veltra
