#include "tools/ricerche/CDlgCopiaAnalisiQt.h"

#include "dati/DatiCampionati.h"
#include "engine/MessaggioStato.h"
#include "engine/parametri/CDlgConfrontoAnalisiQt.h"
#include "engine/parametri/CDlgParametriAvanzatiQt.h"
#include "engine/parametri/DlgDescrizioneAnalisiQt.h"
#include "engine/parametri/TestiAnalisi.h"
#include "platform/EsecutoreLavoriQt.h"
#include "platform/UiComune.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace veltra {

namespace {

int Selezionato(QListWidget* l) {
    const QListWidgetItem* v = l->currentItem();
    return v && v->isSelected() ? v->data(Qt::UserRole).toInt() : -1;
}

void Riempi(QListWidget* l, const std::vector<int>& campionati) {
    l->clear();
    for (int c : campionati) {
        auto* v = new QListWidgetItem(Q(Campionato(c).nome), l);
        v->setData(Qt::UserRole, c);
    }
}

} // namespace

SelezioneCopiaAnalisiQt::SelezioneCopiaAnalisiQt(SelezioneCopiaAnalisi& logica, IMessaggi& messaggi,
                                                 QWidget* parent)
    : QDialog(parent), logica_(logica) {
    setObjectName("SelezioneCopiaAnalisi");
    setWindowTitle("VELTRA - Selezione Campionati");
    sinistra_ = Nomina(new QListWidget, "sinistra");
    destra_ = Nomina(new QListWidget, "destra");
    auto* aggiungi = Pulsante("&Aggiungi  >>", "aggiungi", "Inserisce nel gruppo dei campionati quello selezionato");
    auto* togli = Pulsante("<<  &Togli", "togli", "Toglie dal gruppo dei campionati quello selezionato");
    archivio_ = Nomina(new QRadioButton("Alla posizione n.1 degli archivi"), "archivio");
    auto* correnti = Nomina(new QRadioButton("Analisi correnti"), "correnti");
    (logica_.archivio ? archivio_ : correnti)->setChecked(true);
    ok_ = Pulsante("OK", "IDOK");
    auto* annulla = Pulsante("Cancella", "IDCANCEL");
    auto* liste = new QGridLayout;
    liste->addWidget(sinistra_, 0, 0, 4, 1);
    liste->addWidget(aggiungi, 1, 1);
    liste->addWidget(togli, 2, 1);
    liste->addWidget(destra_, 0, 2, 4, 1);
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(new QLabel(SelezioneCopiaAnalisi::kIntestazione));
    tutto->addLayout(liste);
    tutto->addWidget(archivio_);
    tutto->addWidget(correnti);
    tutto->addLayout(RigaPulsanti({}, {ok_, annulla}));
    const auto sposta = [this, &messaggi](bool avanti) {
        if (avanti)
            logica_.Aggiungi(Selezionato(sinistra_), messaggi);
        else
            logica_.Togli(Selezionato(destra_), messaggi);
        Mostra();
    };
    connect(aggiungi, &QPushButton::clicked, this, [sposta] { sposta(true); });
    connect(togli, &QPushButton::clicked, this, [sposta] { sposta(false); });
    connect(sinistra_, &QListWidget::itemDoubleClicked, this, [sposta] { sposta(true); });
    connect(destra_, &QListWidget::itemDoubleClicked, this, [sposta] { sposta(false); });
    connect(archivio_, &QRadioButton::toggled, this, [this](bool a) { logica_.archivio = a; });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    Mostra();
}

void SelezioneCopiaAnalisiQt::Mostra() {
    Riempi(sinistra_, logica_.sinistra());
    Riempi(destra_, logica_.destra());
    ok_->setEnabled(logica_.okAbilitato());
}

CDlgCopiaAnalisiQt::CDlgCopiaAnalisiQt(CDlgCopiaAnalisi& logica, IMessaggi& messaggi,
                                       IServizioStampa& stampa, const IOrologio& orologio,
                                       QWidget* parent)
    : QDialog(parent), logica_(logica), messaggi_(messaggi), stampa_(stampa), orologio_(orologio) {
    setObjectName("CopiaAnalisi");
    setWindowTitle(CDlgCopiaAnalisi::kTitolo);
    auto* gruppoSorgente = new QGroupBox(Q(logica_.Intestazione()));
    auto* gs = new QGridLayout(gruppoSorgente);
    sorgente_ = Nomina(new QComboBox, "sorgente", "Selezionare il campionato per visualizzarne l'analisi scelta");
    for (int c : logica_.gruppo()) sorgente_->addItem(Q(Campionato(c).nome), c);
    gs->addWidget(sorgente_, 0, 0, 1, 2);
    const char* nomi[5] = {"Giornate d'Analisi:", "Percentuali d'Importanza:",
                           "Mantiene separate Casa e Trasferta:", "Precisione:", "Dati Usati:"};
    for (int k = 0; k < 5; ++k) {
        campi_[k] = new QLabel;
        gs->addWidget(new QLabel(nomi[k]), k + 1, 0);
        gs->addWidget(campi_[k], k + 1, 1);
    }
    titolo_ = Nomina(new QLineEdit, "titolo", "Visualizza il titolo della descrizione dell'analisi visualizzata");
    titolo_->setReadOnly(true);
    gs->addWidget(titolo_, 6, 0, 1, 2);
    auto* note = Pulsante("&Note...", "note", "Consente di leggere la descrizione dell'analisi visualizzata");
    note->setEnabled(logica_.archivio());
    gs->addWidget(note, 7, 0);
    auto* avanzati = Pulsante("P&unteggi, Forze, Limiti...", "avanzati",
                              "Visualizza la finestra con i parametri avanzati dell'analisi visualizzata");
    gs->addWidget(avanzati, 7, 1);

    precisione_ = Nomina(new QListWidget, "precisione");
    copie_ = Nomina(new QListWidget, "copie");
    auto* copia = Pulsante("Co&pia >>", "copia");
    auto* elimina = Pulsante("<< &Elimina", "elimina");
    confronto_ = Nomina(new QComboBox, "confronto");
    for (int c : logica_.gruppo()) confronto_->addItem(Q(Campionato(c).nome), c);
    auto* confronta = Pulsante("Con&fronta con...", "confronta");
    auto* gruppoConfronto = new QGroupBox("CONFRONTO TRA ANALISI");
    auto* gc = new QHBoxLayout(gruppoConfronto);
    gc->addWidget(new QLabel("Campionato:"));
    gc->addWidget(confronto_, 1);
    gc->addWidget(confronta);

    auto* liste = new QGridLayout;
    liste->addWidget(new QLabel("PRECISIONE DELL'ANALISI NEGLI ALTRI CAMPIONATI:"), 0, 0);
    liste->addWidget(new QLabel("ANALISI AGGIUNTE:"), 0, 2);
    liste->addWidget(precisione_, 1, 0, 2, 1);
    liste->addWidget(copia, 1, 1);
    liste->addWidget(elimina, 2, 1);
    liste->addWidget(copie_, 1, 2, 2, 1);

    auto* ok = Pulsante("&OK", "IDOK");
    auto* annulla = Pulsante("&Cancella", "IDCANCEL");
    auto* tutto = new QVBoxLayout(this);
    auto* sopra = new QHBoxLayout;
    sopra->addWidget(gruppoSorgente, 1);
    sopra->addWidget(gruppoConfronto, 1, Qt::AlignTop);
    tutto->addLayout(sopra);
    tutto->addLayout(liste);
    tutto->addLayout(RigaPulsanti({}, {ok, annulla}));

    connect(sorgente_, &QComboBox::currentIndexChanged, this, [this](int i) {
        logica_.ScegliSorgente(sorgente_->itemData(i).toInt());
        Mostra();
    });
    connect(copia, &QPushButton::clicked, this, [this] {
        const int riga = precisione_->currentRow();
        const auto bersagli = logica_.Bersagli();
        const bool scelta = riga >= 0 && precisione_->currentItem() && precisione_->currentItem()->isSelected();
        if (scelta && logica_.Copia(bersagli[static_cast<std::size_t>(riga)], messaggi_)) {
            precisione_->clearSelection();
            copie_->clearSelection();
        }
        Mostra();
    });
    connect(elimina, &QPushButton::clicked, this, [this] {
        const bool scelta = copie_->currentItem() && copie_->currentItem()->isSelected();
        logica_.Elimina(scelta ? copie_->currentRow() : -1, messaggi_);
        Mostra();
    });
    connect(note, &QPushButton::clicked, this, [this] {
        const CAnalisi* a = logica_.analisiSorgente();
        if (!a) return;
        DlgDescrizioneAnalisiQt d(a->titolo, a->descrizione, this);
        d.exec();
    });
    connect(avanzati, &QPushButton::clicked, this, [this] {
        const CAnalisi* a = logica_.analisiSorgente();
        if (!a) return;
        CDlgParametriAvanzatiQt d(logica_.dati(), logica_.sorgente(), *a, messaggi_, this);
        d.exec();
    });
    connect(confronta, &QPushButton::clicked, this, [this] {
        const CAnalisi* a = logica_.analisiSorgente();
        const CAnalisi* b = logica_.AnalisiDi(confronto_->currentData().toInt());
        if (!a || !b) return;
        const std::string titolo = "VELTRA. Confronto tra: Analisi di " +
                                   std::string(Campionato(logica_.sorgente()).nome) + " / Analisi di " +
                                   std::string(Campionato(confronto_->currentData().toInt()).nome);
        CDlgConfrontoAnalisiQt d(CDlgConfrontoAnalisi(titolo, *a, *b), messaggi_, &stampa_, orologio_, this);
        d.exec();
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    Mostra();
}

void CDlgCopiaAnalisiQt::Mostra() {
    const CAnalisi* a = logica_.analisiSorgente();
    campi_[0]->setText(a ? QString::number(a->giornateAnalisi) : "-");
    campi_[1]->setText(a ? Q(TestoPercentuali(*a)) : "-");
    campi_[2]->setText(a ? (a->punteggiAvanzati.separaCasaTrasferta ? "SI" : "NO") : "-");
    campi_[3]->setText(a ? Q(TestoPrecisione(*a)) : "-");
    campi_[4]->setText(a ? Q(TestoDatiUsati(*a)) : "-");
    titolo_->setText(a ? Q(a->titolo) : QString());
    precisione_->clear();
    precisione_->addItems(ElencoQ(logica_.RighePrecisione()));
    copie_->clear();
    copie_->addItems(ElencoQ(logica_.RigheCopie()));
}

void ComandoCopiaAnalisi(DatiCampionati& dati, IMessaggi& messaggi, IServizioStampa& stampa,
                         const IOrologio& orologio,
                         std::function<void(const TestiStato&)> mostraStato, QWidget* parent) {
    SelezioneCopiaAnalisi scelta;
    if (SelezioneCopiaAnalisiQt(scelta, messaggi, parent).exec() != QDialog::Accepted) return;
    auto logica = std::make_shared<CDlgCopiaAnalisi>(dati, scelta.destra(), scelta.archivio);
    // The matrix as a job behind its progress window; the window opens when it ends.
    auto* esecutore = new EsecutoreLavoriQt(parent);
    AvviaLavoro<MatricePrecisione>(
        *esecutore, "CALCOLO PRECISIONE ANALISI IN CORSO...",
        [origini = logica->Origini(), archivio = scelta.archivio](ContestoLavoro& c) {
            return CalcolaMatricePrecisione(origini, archivio, c);
        },
        [=, &dati, &messaggi, &stampa, &orologio](EsitoLavoro<MatricePrecisione> e) {
            esecutore->deleteLater();
            if (e.fine.fermato || !e.fine.riuscito()) return;
            logica->ImpostaMatrice(std::move(e.risultato));
            CDlgCopiaAnalisiQt finestra(*logica, messaggi, stampa, orologio, parent);
            if (finestra.exec() != QDialog::Accepted) return;
            if (logica->Ok(messaggi, orologio) && mostraStato)
                mostraStato(AggiornaMessaggioStato(dati.campionato(dati.campionatoCorrente)));
        });
}

} // namespace veltra
