#include "DlgDescrizioneAnalisiQt.h"

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
    titolo_ = new QLineEdit(QString::fromStdString(titolo));
    titolo_->setObjectName("1523");
    descrizione_ = new QPlainTextEdit(QString::fromStdString(descrizione));
    descrizione_->setObjectName("1581");

    auto* gruppoTitolo = new QGroupBox("TITOLO");
    (new QVBoxLayout(gruppoTitolo))->addWidget(titolo_);
    auto* gruppoDescrizione = new QGroupBox("DESCRIZIONE");
    (new QVBoxLayout(gruppoDescrizione))->addWidget(descrizione_);

    auto* ok = new QPushButton("&OK");
    ok->setObjectName("IDOK");
    ok->setDefault(true);
    auto* annulla = new QPushButton("&Cancella");
    annulla->setObjectName("IDCANCEL");
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);

    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(gruppoTitolo);
    tutto->addWidget(gruppoDescrizione);
    tutto->addLayout(pulsanti);
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
