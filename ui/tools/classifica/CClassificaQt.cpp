#include "CClassificaQt.h"

#include "platform/UiComune.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace veltra {

CClassificaQt::CClassificaQt(DatiGlobali& dati, IMessaggi& messaggi, QWidget* parent)
    : FinestraNonModaleQt(parent), logica_(dati), messaggi_(messaggi) {
    setObjectName("classifica");

    const auto intestazioni = CClassifica::Intestazioni();
    tabella_ = Nomina(new QTableWidget(0, static_cast<int>(intestazioni.size())),
                      "tabellaClassifica");
    tabella_->setHorizontalHeaderLabels(ElencoQ(intestazioni));
    tabella_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella_->setSelectionMode(QAbstractItemView::NoSelection);
    // The row header is the position in the table.
    tabella_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabella_->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    tabella_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabella_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    tabella_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    etichetta_ = Nomina(new QLabel, "stagioneClassifica");

    altroGirone_ = Pulsante("&Altro Girone", "altroGirone", Q(kSuggerimentoAltroGirone));
    auto* ok = Pulsante("&OK", "IDOK");

    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(etichetta_);
    tutto->addWidget(tabella_);
    tutto->addLayout(RigaPulsanti({altroGirone_}, {ok}));

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
    setWindowTitle(Q(logica_.titolo()));
    etichetta_->setText(Q(logica_.etichetta()));
    altroGirone_->setVisible(logica_.numeroGironi() > 1);
    const auto righe = logica_.testi();
    tabella_->setRowCount(static_cast<int>(righe.size()));
    for (int r = 0; r < static_cast<int>(righe.size()); ++r) {
        const TestiRigaClassifica& t = righe[static_cast<std::size_t>(r)];
        const int numeri[] = {t.giocate, t.casa,       t.vinteCasa,    t.pareggiCasa, t.perseCasa,
                              t.fuori,   t.vinteFuori, t.pareggiFuori, t.perseFuori,  t.punti};
        tabella_->setItem(r, 0, new QTableWidgetItem(Q(t.squadra)));
        for (int k = 0; k < 10; ++k) {
            auto* cella = new QTableWidgetItem(QString::number(numeri[k]));
            cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tabella_->setItem(r, k + 1, cella);
        }
        tabella_->setVerticalHeaderItem(r, new QTableWidgetItem(QString::number(r + 1)));
    }
    // The whole table in view, up to the screen's height: no blank area, no
    // rows hidden below a fixed size.
    tabella_->resizeRowsToContents();
    tabella_->resizeColumnsToContents();
    const int cornice = 2 * tabella_->frameWidth();
    QSize serve(tabella_->verticalHeader()->sizeHint().width() +
                    tabella_->horizontalHeader()->length() + cornice,
                tabella_->horizontalHeader()->sizeHint().height() +
                    tabella_->verticalHeader()->length() + cornice);
    if (const QScreen* schermo = screen())
        serve = serve.boundedTo(schermo->availableGeometry().size() * 9 / 10);
    tabella_->setMinimumSize(serve);
    adjustSize();
}

} // namespace veltra
