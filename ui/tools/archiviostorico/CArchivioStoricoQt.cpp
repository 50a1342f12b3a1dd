#include "CArchivioStoricoQt.h"

#include "DlgCercaIncontroQt.h"
#include "DlgFiltriArchivioQt.h"
#include "platform/AiutoQt.h"
#include "platform/UiComune.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltra {

CArchivioStoricoQt::CArchivioStoricoQt(DatiGlobali& dati, IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), logica_(dati, messaggi) {
    setObjectName("archivioStorico");
    setWindowTitle(Q(logica_.Titolo()));

    stagione_ = Nomina(new QLabel, "stagione");
    stagione_->setAlignment(Qt::AlignCenter);
    precedente_ = Pulsante("<<", "precedente", Q(kSuggerimentiArchivio[0]));
    successivo_ = Pulsante(">>", "successivo", Q(kSuggerimentiArchivio[1]));
    lista_ = Nomina(new QListWidget, "listaIncontri", Q(kSuggerimentiArchivio[2]));
    lista_->setMinimumSize(360, 360);
    filtri_ = Pulsante("&Filtri...", "filtri", Q(kSuggerimentiArchivio[3]));
    trova_ = Pulsante("&Trova incontro", "trovaIncontro", Q(kSuggerimentiArchivio[4]));
    fissa_ = Pulsante("Fissa &ultimo incontro", "fissaUltimoIncontro", Q(kSuggerimentiArchivio[5]));
    auto* ok = Pulsante("&OK", "IDOK");
    ok->setDefault(true);

    auto* testa = new QHBoxLayout;
    testa->addWidget(precedente_);
    testa->addWidget(stagione_, 1);
    testa->addWidget(successivo_);
    auto* pulsanti = RigaPulsanti({filtri_, trova_, fissa_}, {ok});
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
    stagione_->setText(Q(logica_.testoStagione()));
    lista_->clear();
    for (const auto& r : logica_.righe())
        lista_->addItem(Q(r));
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
    EreditaTastoAiuto(dlg, *this);
    if (dlg.exec() != QDialog::Accepted) return;
    logica_.ImpostaFiltri(dlg.casa(), dlg.trasferta());
    Riempi();
}

void CArchivioStoricoQt::Trova() {
    DlgCercaIncontroQt dlg(logica_.squadre(), this);
    EreditaTastoAiuto(dlg, *this);
    if (dlg.exec() != QDialog::Accepted) return;
    logica_.Trova(dlg.casa(), dlg.trasferta());
    Riempi();
}

} // namespace veltra
