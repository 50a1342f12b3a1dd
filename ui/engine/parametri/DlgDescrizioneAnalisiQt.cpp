#include "DlgDescrizioneAnalisiQt.h"

#include "platform/UiComune.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltra {

DlgDescrizioneAnalisiQt::DlgDescrizioneAnalisiQt(const std::string& titolo,
                                                 const std::string& descrizione, QWidget* parent)
    : QDialog(parent) {
    setObjectName("208");
    setWindowTitle("Descrizione Analisi");
    titolo_ = Nomina(new QLineEdit(Q(titolo)), 1523);
    descrizione_ = Nomina(new QPlainTextEdit(Q(descrizione)), 1581);

    auto* gruppoTitolo = new QGroupBox("TITOLO");
    (new QVBoxLayout(gruppoTitolo))->addWidget(titolo_);
    auto* gruppoDescrizione = new QGroupBox("DESCRIZIONE");
    (new QVBoxLayout(gruppoDescrizione))->addWidget(descrizione_);

    auto* ok = Pulsante("&OK", "IDOK");
    ok->setDefault(true);
    auto* annulla = Pulsante("&Cancella", "IDCANCEL");

    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(gruppoTitolo);
    tutto->addWidget(gruppoDescrizione);
    tutto->addLayout(RigaPulsanti({}, {ok, annulla}));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
}

std::string DlgDescrizioneAnalisiQt::titolo() const {
    return titolo_->text().toStdString();
}
std::string DlgDescrizioneAnalisiQt::descrizione() const {
    return descrizione_->toPlainText().toStdString();
}

} // namespace veltra
