#include "CClassificaQt.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace veltra {

CClassificaQt::CClassificaQt(DatiGlobali& dati, IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), logica_(dati), messaggi_(messaggi) {
    setObjectName("classifica");
    setModal(false);

    const auto intestazioni = CClassifica::Intestazioni();
    tabella_ = new QTableWidget(0, static_cast<int>(intestazioni.size()));
    tabella_->setObjectName("tabellaClassifica");
    QStringList titoli;
    for (const auto& t : intestazioni)
        titoli << QString::fromStdString(t);
    tabella_->setHorizontalHeaderLabels(titoli);
    tabella_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella_->setSelectionMode(QAbstractItemView::NoSelection);
    tabella_->verticalHeader()->setVisible(false);
    tabella_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabella_->setMinimumSize(560, 420);

    altroGirone_ = new QPushButton("&Altro Girone");
    altroGirone_->setObjectName("altroGirone");
    altroGirone_->setToolTip(kSuggerimentoAltroGirone);
    auto* ok = new QPushButton("&OK");
    ok->setObjectName("IDOK");

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(altroGirone_);
    pulsanti->addStretch();
    pulsanti->addWidget(ok);
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(tabella_);
    tutto->addLayout(pulsanti);

    connect(altroGirone_, &QPushButton::clicked, this, [this] {
        logica_.AltroGirone();
        Mostra();
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
}

bool CClassificaQt::Aggiorna(bool datiCambiati) {
    if (!logica_.Aggiorna(datiCambiati, messaggi_)) return false;
    Mostra();
    return true;
}

void CClassificaQt::Mostra() {
    setWindowTitle(QString::fromStdString(logica_.titolo()));
    altroGirone_->setVisible(logica_.numeroGironi() > 1);
    const auto righe = logica_.testi();
    tabella_->setRowCount(static_cast<int>(righe.size()));
    for (int r = 0; r < static_cast<int>(righe.size()); ++r) {
        const TestiRigaClassifica& t = righe[static_cast<std::size_t>(r)];
        const int numeri[] = {t.giocate, t.casa,       t.vinteCasa,    t.pareggiCasa, t.perseCasa,
                              t.fuori,   t.vinteFuori, t.pareggiFuori, t.perseFuori,  t.punti};
        tabella_->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(t.squadra)));
        for (int k = 0; k < 10; ++k) {
            auto* cella = new QTableWidgetItem(QString::number(numeri[k]));
            cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tabella_->setItem(r, k + 1, cella);
        }
    }
}

} // namespace veltra
