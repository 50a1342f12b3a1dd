#include "platform/UiComune.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace veltra {

QStringList ElencoQ(const std::vector<std::string>& testi) {
    QStringList elenco;
    elenco.reserve(static_cast<qsizetype>(testi.size()));
    for (const auto& t : testi)
        elenco << Q(t);
    return elenco;
}

QPushButton* Pulsante(const QString& testo, const QString& nome, const QString& suggerimento,
                      QWidget* genitore) {
    return Nomina(new QPushButton(testo, genitore), nome, suggerimento);
}

QPushButton* Pulsante(const QString& testo, int risorsa, const QString& suggerimento,
                      QWidget* genitore) {
    return Nomina(new QPushButton(testo, genitore), risorsa, suggerimento);
}

QHBoxLayout* RigaPulsanti(std::initializer_list<QWidget*> sinistra,
                          std::initializer_list<QWidget*> destra) {
    auto* riga = new QHBoxLayout;
    for (QWidget* w : sinistra)
        riga->addWidget(w);
    riga->addStretch();
    for (QWidget* w : destra)
        riga->addWidget(w);
    return riga;
}

QDialogButtonBox* PulsantiOkCancella(QDialog& dialogo) {
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pulsanti->button(QDialogButtonBox::Ok)->setObjectName("IDOK");
    pulsanti->button(QDialogButtonBox::Cancel)->setText("Cancella");
    pulsanti->button(QDialogButtonBox::Cancel)->setObjectName("IDCANCEL");
    QObject::connect(pulsanti, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    QObject::connect(pulsanti, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    return pulsanti;
}

} // namespace veltra
