#include "CArchivioStoricoQt.h"

#include "DlgCercaIncontroQt.h"
#include "DlgFiltriArchivioQt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltra {

CArchivioStoricoQt::CArchivioStoricoQt(DatiGlobali& dati, IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), logica_(dati, messaggi) {
    setObjectName("archivioStorico");
    setWindowTitle(QString::fromStdString(logica_.Titolo()));

    stagione_ = new QLabel;
    stagione_->setObjectName("stagione");
    stagione_->setAlignment(Qt::AlignCenter);
    precedente_ = new QPushButton("<<");
    precedente_->setObjectName("precedente");
    precedente_->setToolTip(kSuggerimentiArchivio[0]);
    successivo_ = new QPushButton(">>");
    successivo_->setObjectName("successivo");
    successivo_->setToolTip(kSuggerimentiArchivio[1]);
    lista_ = new QListWidget;
    lista_->setObjectName("listaIncontri");
    lista_->setToolTip(kSuggerimentiArchivio[2]);
    lista_->setMinimumSize(360, 360);
    filtri_ = new QPushButton("&Filtri...");
    filtri_->setObjectName("filtri");
    filtri_->setToolTip(kSuggerimentiArchivio[3]);
    trova_ = new QPushButton("&Trova incontro");
    trova_->setObjectName("trovaIncontro");
    trova_->setToolTip(kSuggerimentiArchivio[4]);
    fissa_ = new QPushButton("Fissa &ultimo incontro");
    fissa_->setObjectName("fissaUltimoIncontro");
    fissa_->setToolTip(kSuggerimentiArchivio[5]);
    auto* ok = new QPushButton("&OK");
    ok->setObjectName("IDOK");
    ok->setDefault(true);

    auto* testa = new QHBoxLayout;
    testa->addWidget(precedente_);
    testa->addWidget(stagione_, 1);
    testa->addWidget(successivo_);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(filtri_);
    pulsanti->addWidget(trova_);
    pulsanti->addWidget(fissa_);
    pulsanti->addStretch();
    pulsanti->addWidget(ok);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(testa);
    tutto->addWidget(lista_);
    tutto->addLayout(pulsanti);

    connect(precedente_, &QPushButton::clicked, this, [this] {
        logica_.Precedente();
        Riempi();
    });
    connect(successivo_, &QPushButton::clicked, this, [this] {
        logica_.Successivo();
        Riempi();
    });
    connect(lista_, &QListWidget::currentRowChanged, this, [this](int riga) {
        if (riempimento_) return;
        logica_.Seleziona(riga);
        Abilita();
    });
    connect(filtri_, &QPushButton::clicked, this, &CArchivioStoricoQt::Filtri);
    connect(trova_, &QPushButton::clicked, this, &CArchivioStoricoQt::Trova);
    connect(fissa_, &QPushButton::clicked, this, [this] { logica_.FissaUltimoIncontro(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    Riempi();
}

void CArchivioStoricoQt::done(int risultato) {
    logica_.Chiudi();
    QDialog::done(risultato);
}

void CArchivioStoricoQt::Riempi() {
    riempimento_ = true;
    stagione_->setText(QString::fromStdString(logica_.testoStagione()));
    lista_->clear();
    for (const auto& r : logica_.righe())
        lista_->addItem(QString::fromStdString(r));
    lista_->setCurrentRow(logica_.selezione());
    if (logica_.selezione() >= 0) lista_->scrollToItem(lista_->currentItem());
    riempimento_ = false;
    Abilita();
}

void CArchivioStoricoQt::Abilita() {
    precedente_->setEnabled(logica_.abilitaPrecedente());
    successivo_->setEnabled(logica_.abilitaSuccessivo());
    filtri_->setEnabled(logica_.stagione() >= 0);
    trova_->setEnabled(logica_.stagione() >= 0);
    fissa_->setEnabled(logica_.abilitaFissa());
}

void CArchivioStoricoQt::Filtri() {
    DlgFiltriArchivioQt dlg(logica_.squadre(), logica_.filtroCasa(), logica_.filtroTrasferta(), this);
    if (dlg.exec() != QDialog::Accepted) return;
    logica_.ImpostaFiltri(dlg.casa(), dlg.trasferta());
    Riempi();
}

void CArchivioStoricoQt::Trova() {
    DlgCercaIncontroQt dlg(logica_.squadre(), this);
    if (dlg.exec() != QDialog::Accepted) return;
    logica_.Trova(dlg.casa(), dlg.trasferta());
    Riempi();
}

} // namespace veltra
