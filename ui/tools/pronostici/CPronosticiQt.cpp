#include "CPronosticiQt.h"

#include "platform/Messaggi.h"
#include "platform/UiComune.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace veltra {

CPronosticiQt::CPronosticiQt(DatiGlobali& dati, IMessaggi& messaggi,
                                       IServizioStampa& stampa, const IOrologio& orologio,
                                       QWidget* parent)
    : FinestraNonModaleQt(parent), logica_(dati), messaggi_(messaggi), stampa_(stampa),
      orologio_(orologio) {
    setObjectName(QString::number(kRisorsa));
    setWindowTitle("VELTRA - Pronostici Incontri Serie A");

    casa_ = Nomina(new QListWidget, "listaCasa", "Selezionare la squadra che deve giocare in casa");
    trasferta_ = Nomina(new QListWidget, "listaTrasferta",
                        "Selezionare la squadra che deve giocare in trasferta");

    auto* liste = new QGridLayout;
    liste->addWidget(new QLabel("Squadra in Casa"), 0, 0);
    liste->addWidget(new QLabel("Squadra in Trasferta"), 0, 1);
    liste->addWidget(casa_, 1, 0);
    liste->addWidget(trasferta_, 1, 1);

    auto* stime = new QGroupBox("STIME DI PROBABILITA'");
    auto* griglia = new QGridLayout(stime);
    nomeCasa_ = Nomina(new QLabel, "nomeCasa");
    nomeTrasferta_ = Nomina(new QLabel, "nomeTrasferta");
    griglia->addWidget(nomeCasa_, 1, 0);
    griglia->addWidget(nomeTrasferta_, 1, 1);
    const char* etichette[3] = {"1", "X", "2"};
    for (int i = 0; i < 3; ++i) {
        auto* e = new QLabel(etichette[i]);
        e->setAlignment(Qt::AlignCenter);
        griglia->addWidget(e, 0, 2 + i);
        segni_[i] = Nomina(new QLabel, QString("probabilita") + etichette[i]);
        segni_[i]->setAlignment(Qt::AlignCenter);
        segni_[i]->setMinimumWidth(70);
        griglia->addWidget(segni_[i], 1, 2 + i);
    }
    modello_ = Nomina(new QLabel, "modelloPronostici");
    griglia->addWidget(modello_, 2, 0, 1, 5);

    auto* ok = Pulsante("&OK", "IDOK");
    pulsanteStampa_ = Pulsante("&Stampa", "stampa", "Stampa il pronostico calcolato");
    pulsanteStampa_->setEnabled(false);

    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(liste);
    tutto->addWidget(stime);
    tutto->addLayout(RigaPulsanti({}, {ok, pulsanteStampa_}));

    connect(casa_, &QListWidget::currentRowChanged, this, [this] { SelezioneCambiata(); });
    connect(trasferta_, &QListWidget::currentRowChanged, this, [this] { SelezioneCambiata(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    connect(pulsanteStampa_, &QPushButton::clicked, this,
            [this] { logica_.Stampa(messaggi_, stampa_, orologio_); });
    setAttribute(Qt::WA_DeleteOnClose, false);
}

bool CPronosticiQt::Aggiorna(bool datiCambiati) {
    const int prima = logica_.campionatoMostrato();
    if (!logica_.Aggiorna(datiCambiati, messaggi_)) return false;
    setWindowTitle(Q(logica_.titolo()));
    if (prima != logica_.campionatoMostrato() || logica_.casa() == -1) {
        riempimento_ = true;
        casa_->clear();
        trasferta_->clear();
        for (const auto& n : logica_.squadre()) {
            casa_->addItem(Q(n));
            trasferta_->addItem(Q(n));
        }
        casa_->setCurrentRow(-1);
        trasferta_->setCurrentRow(-1);
        riempimento_ = false;
    }
    Mostra();
    return true;
}

void CPronosticiQt::Seleziona(int casa, int trasferta) {
    {
        const QSignalBlocker b1(casa_), b2(trasferta_);
        casa_->setCurrentRow(casa);
        trasferta_->setCurrentRow(trasferta);
    }
    SelezioneCambiata();
}

void CPronosticiQt::SelezioneCambiata() {
    if (riempimento_) return;
    logica_.CambiaSelezione(casa_->currentRow(), trasferta_->currentRow(), messaggi_);
    if (logica_.casa() == -1 && logica_.trasferta() == -1) {
        // A failed estimate clears both selections. A click changes the
        // current row first and selects the row after this signal returns,
        // so the lists are cleared once the click is over.
        const auto svuota = [this] {
            const QSignalBlocker b1(casa_), b2(trasferta_);
            for (QListWidget* l : {casa_, trasferta_}) {
                l->setCurrentRow(-1);
                l->clearSelection();
            }
        };
        svuota();
        QTimer::singleShot(0, this, svuota);
    }
    Mostra();
}

void CPronosticiQt::Mostra() {
    nomeCasa_->setText(Q(logica_.nomeCasa()));
    nomeTrasferta_->setText(Q(logica_.nomeTrasferta()));
    for (int i = 0; i < 3; ++i) segni_[i]->setText(Q(logica_.testo(i)));
    pulsanteStampa_->setEnabled(logica_.stampaAbilitata());
    modello_->setText(Q(logica_.testoModello()));
}

void CPronosticiQt::mousePressEvent(QMouseEvent* e) {
    // A hidden aid: the breakdown of the two teams' scores.
    if (e->button() == Qt::LeftButton && e->position().x() < 9 && e->position().y() < 9) {
        const std::string d = logica_.Dettaglio();
        if (!d.empty()) messaggi_.Mostra(d, Icona::Informazione);
        return;
    }
    QDialog::mousePressEvent(e);
}

} // namespace veltra
