#include "aiuto/CDlgConsiglioQt.h"

#include "app/DatiGlobali.h"
#include "app/aiuto/ConsiglioGiorno.h"
#include "platform/UiComune.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltra {

CDlgConsiglioQt::CDlgConsiglioQt(DatiGlobali& dati, QWidget* genitore) : QDialog(genitore), dati_(dati) {
    setWindowTitle(QStringLiteral("VELTRA - Consiglio del giorno"));
    testo_ = new QPlainTextEdit(this);
    testo_->setObjectName(QStringLiteral("testo"));
    testo_->setReadOnly(true);
    testo_->setMinimumSize(420, 180);
    avvio_ = new QCheckBox(QStringLiteral("Mostra un consiglio all'avvio di VELTRA 2004"), this);
    avvio_->setObjectName(QStringLiteral("avvio"));
    auto* prossimo = new QPushButton(QStringLiteral("&Prossimo..."), this);
    prossimo->setObjectName(QStringLiteral("prossimo"));
    auto* chiudi = new QPushButton(QStringLiteral("&Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("chiudi"));
    chiudi->setDefault(true);
    connect(prossimo, &QPushButton::clicked, this, &CDlgConsiglioQt::MostraProssimo);
    connect(chiudi, &QPushButton::clicked, this, &CDlgConsiglioQt::Chiudi);

    auto* basso = new QHBoxLayout;
    basso->addWidget(avvio_);
    basso->addStretch();
    basso->addWidget(prossimo);
    basso->addWidget(chiudi);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(testo_);
    layout->addLayout(basso);
}

void CDlgConsiglioQt::Apri() {
    avvio_->setChecked(dati_.suggerimentoStart == "SI");
    MostraProssimo();
    show();
    raise();
    activateWindow();
}

void CDlgConsiglioQt::MostraProssimo() {
    const auto m = ProssimoConsiglio(dati_);
    indice_ = m.indice;
    testo_->clear();
    for (const auto& riga : m.righe) testo_->appendPlainText(QString::fromStdString(riga) + QStringLiteral("\n"));
}

QString CDlgConsiglioQt::testo() const { return testo_->toPlainText(); }

void CDlgConsiglioQt::Chiudi() {
    ChiudiConsiglio(dati_, avvio_->isChecked());
    hide();
}

} // namespace veltra
