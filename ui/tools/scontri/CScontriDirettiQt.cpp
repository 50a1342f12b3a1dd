#include "CScontriDirettiQt.h"

#include "platform/UiComune.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace veltra {

namespace {
// A label that shows a value.
QLabel* Valore(const char* nome) {
    return Nomina(new QLabel, nome);
}
} // namespace

CScontriDirettiQt::CScontriDirettiQt(DatiGlobali& dati, IMessaggi& messaggi,
                                               IServizioStampa& stampa, const IOrologio& orologio,
                                               QWidget* parent)
    : FinestraNonModaleQt(parent), logica_(dati), messaggi_(messaggi), stampa_(stampa),
      orologio_(orologio) {
    setObjectName("scontriDiretti");

    casa_ = Nomina(new QListWidget, "listaCasa", Q(kSuggerimentiScontri[0]));
    trasferta_ = Nomina(new QListWidget, "listaTrasferta", Q(kSuggerimentiScontri[1]));
    auto* liste = new QGridLayout;
    liste->addWidget(new QLabel("Squadra in Casa"), 0, 0);
    liste->addWidget(new QLabel("Squadra in Trasferta"), 0, 1);
    liste->addWidget(casa_, 1, 0);
    liste->addWidget(trasferta_, 1, 1);

    primaStagione_ = Valore("primaStagione");
    auto* statistiche = new QGroupBox;
    auto* campi = new QFormLayout;
    disputati_ = Valore("disputati");
    vittorieCasa_ = Valore("vittorieCasa");
    pareggi_ = Valore("pareggi");
    vittorieTrasferta_ = Valore("vittorieTrasferta");
    campi->addRow("Incontri Disputati :", disputati_);
    campi->addRow("Vittorie in Casa :", vittorieCasa_);
    campi->addRow("Pareggi :", pareggi_);
    campi->addRow("Vittorie in Trasferta :", vittorieTrasferta_);
    const char* nomiSerie[3] = {"serie1", "serieX", "serie2"};
    const char* etichetteSerie[3] = {"Massimo numero di Vittorie Consecutive in Casa :",
                                     "Massimo numero di Pareggi Consecutivi :",
                                     "Massimo numero di Vittorie Consecutive in Trasferta :"};
    for (int k = 0; k < 3; ++k) {
        serie_[k] = Valore(nomiSerie[k]);
        campi->addRow(etichetteSerie[k], serie_[k]);
    }
    auto* testi = new QVBoxLayout(statistiche);
    testi->addWidget(primaStagione_);
    testi->addLayout(campi);
    const char* nomiSegni[3] = {"segno1", "segnoX", "segno2"};
    for (int k = 0; k < 3; ++k) {
        segni_[k] = Valore(nomiSegni[k]);
        testi->addWidget(segni_[k]);
    }
    andata_ = Valore("andata");
    testi->addWidget(andata_);

    auto* sequenza = new QGroupBox("SEQUENZA DEGLI SCONTRI DIRETTI");
    stagioneSequenza_ = Valore("stagioneSequenza");
    risultatoSequenza_ = Valore("risultatoSequenza");
    precedente_ = Pulsante("<<", "precedente", Q(kSuggerimentiScontri[2]));
    successivo_ = Pulsante(">>", "successivo", Q(kSuggerimentiScontri[3]));
    auto* righeSequenza = new QGridLayout(sequenza);
    righeSequenza->addWidget(new QLabel("Stagione : "), 0, 0);
    righeSequenza->addWidget(stagioneSequenza_, 0, 1);
    righeSequenza->addWidget(new QLabel("Risultato : "), 1, 0);
    righeSequenza->addWidget(risultatoSequenza_, 1, 1);
    righeSequenza->addWidget(precedente_, 2, 0);
    righeSequenza->addWidget(successivo_, 2, 1);

    auto* ok = Pulsante("&OK", "IDOK");
    pulsanteStampa_ = Pulsante("&Stampa", "stampa", Q(kSuggerimentiScontri[4]));

    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(liste);
    tutto->addWidget(statistiche);
    tutto->addWidget(sequenza);
    tutto->addLayout(RigaPulsanti({}, {ok, pulsanteStampa_}));

    connect(casa_, &QListWidget::currentRowChanged, this, [this] { SelezioneCambiata(); });
    connect(trasferta_, &QListWidget::currentRowChanged, this, [this] { SelezioneCambiata(); });
    connect(precedente_, &QPushButton::clicked, this, [this] {
        logica_.Precedente();
        Mostra();
    });
    connect(successivo_, &QPushButton::clicked, this, [this] {
        logica_.Successivo();
        Mostra();
    });
    connect(pulsanteStampa_, &QPushButton::clicked, this,
            [this] { logica_.Stampa(messaggi_, stampa_, orologio_); });
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
}

bool CScontriDirettiQt::Aggiorna(bool datiCambiati) {
    logica_.Aggiorna(datiCambiati);
    setWindowTitle(Q(logica_.titolo()));
    riempimento_ = true;
    casa_->clear();
    trasferta_->clear();
    for (const auto& n : logica_.squadre()) {
        casa_->addItem(Q(n));
        trasferta_->addItem(Q(n));
    }
    casa_->setCurrentRow(logica_.casa());
    trasferta_->setCurrentRow(logica_.trasferta());
    riempimento_ = false;
    Mostra();
    return true;
}

void CScontriDirettiQt::Seleziona(int casa, int trasferta) {
    {
        const QSignalBlocker b1(casa_), b2(trasferta_);
        casa_->setCurrentRow(casa);
        trasferta_->setCurrentRow(trasferta);
    }
    SelezioneCambiata();
}

void CScontriDirettiQt::SelezioneCambiata() {
    if (riempimento_) return;
    logica_.Seleziona(casa_->currentRow(), trasferta_->currentRow());
    Mostra();
}

void CScontriDirettiQt::Mostra() {
    const bool c = logica_.calcolato();
    const StatisticheScontri& s = logica_.statistiche();
    auto numero = [c](int n) { return c ? QString::number(n) : QString(); };
    primaStagione_->setText(Q(logica_.testoPrimaStagione()));
    disputati_->setText(numero(s.disputati()));
    vittorieCasa_->setText(numero(s.conteggio[0]));
    pareggi_->setText(numero(s.conteggio[1]));
    vittorieTrasferta_->setText(numero(s.conteggio[2]));
    for (int k = 0; k < 3; ++k) {
        serie_[k]->setText(numero(s.serieMassima[k]));
        segni_[k]->setText(Q(logica_.testoSegno(k)));
    }
    andata_->setText(Q(logica_.testoAndata()));
    stagioneSequenza_->setText(Q(logica_.testoStagioneSequenza()));
    risultatoSequenza_->setText(Q(logica_.testoRisultatoSequenza()));
    precedente_->setEnabled(logica_.abilitaPrecedente());
    successivo_->setEnabled(logica_.abilitaSuccessivo());
    pulsanteStampa_->setEnabled(logica_.abilitaStampa());
}

} // namespace veltra
