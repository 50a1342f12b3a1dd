#include "tools/ricerche/CRicercaArchiviQt.h"

#include "dati/DatiCampionati.h"
#include "engine/parametri/CDlgConfrontoAnalisiQt.h"
#include "engine/parametri/CDlgParametriAvanzatiQt.h"
#include "engine/parametri/DlgDescrizioneAnalisiQt.h"
#include "engine/parametri/TestiAnalisi.h"
#include "platform/UiComune.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <thread>

namespace veltra {

namespace {

using L = CRicercaArchivi;

QString S(const char* nome) { return Q(L::Suggerimento(nome)); }

} // namespace

CRicercaArchiviQt::CRicercaArchiviQt(DatiCampionati& dati, StatoRicerche& stato,
                                     IEsecutoreLavori& esecutore, IMessaggi& messaggi,
                                     IServizioStampa& stampa, const IOrologio& orologio,
                                     QWidget* parent)
    : QWidget(parent),
      logica_(dati, stato, esecutore, messaggi, orologio,
              static_cast<int>(std::max(1u, std::thread::hardware_concurrency()))),
      dati_(dati), messaggi_(messaggi), stampa_(stampa), orologio_(orologio) {
    setObjectName("RicercaArchivi");

    // --- the group, hidden while searching
    gruppo_ = new QWidget;
    auto* gg = new QGridLayout(gruppo_);
    gg->setContentsMargins(0, 0, 0, 0);
    esclusi_ = Nomina(new QListWidget, "esclusi", S("esclusi"));
    inclusi_ = Nomina(new QListWidget, "inclusi", S("inclusi"));
    aggiungi_ = Pulsante("&Aggiungi  >>", "aggiungi", S("aggiungi"));
    togli_ = Pulsante("<<  &Togli", "togli", S("togli"));
    auto* mezzo = new QVBoxLayout;
    mezzo->addStretch();
    mezzo->addWidget(aggiungi_);
    mezzo->addWidget(togli_);
    mezzo->addStretch();
    gg->addWidget(new QLabel("ARCHIVI ESCLUSI"), 0, 0);
    gg->addWidget(new QLabel("ARCHIVI INCLUSI"), 0, 2);
    gg->addWidget(esclusi_, 1, 0);
    gg->addLayout(mezzo, 1, 1);
    gg->addWidget(inclusi_, 1, 2);

    // --- what the running search shows
    ricerca_ = new QWidget;
    auto* gr = new QGridLayout(ricerca_);
    gr->setContentsMargins(0, 0, 0, 0);
    archivioInCorso_ = Nomina(new QLabel, "archivioInCorso");
    analisiInCorso_ = Nomina(new QLabel, "analisiInCorso");
    tipo_ = Nomina(new QLabel, "tipoRicerca");
    log_ = Nomina(new QPlainTextEdit, "log");
    log_->setReadOnly(true);
    gr->addWidget(new QLabel("Archivio :"), 0, 0);
    gr->addWidget(archivioInCorso_, 0, 1);
    gr->addWidget(new QLabel("Analisi :"), 1, 0);
    gr->addWidget(analisiInCorso_, 1, 1);
    gr->addWidget(new QLabel("Tipo di Ricerca :"), 2, 0);
    gr->addWidget(tipo_, 2, 1);
    gr->addWidget(new QLabel("Analisi migliorate :"), 3, 0, 1, 2);
    gr->addWidget(log_, 4, 0, 1, 2);

    cerca_ = Pulsante("C&erca...", "cerca", S("cerca"));
    progresso_ = Nomina(new QProgressBar, "progresso");
    ampiezza_ = Nomina(new QSpinBox, "ampiezzaPesi", S("ampiezzaPesi"));
    ampiezza_->setRange(2, 100);
    auto* riga = new QHBoxLayout;
    riga->addWidget(new QLabel("Ampiezza della Ricerca sui Pesi :"));
    riga->addWidget(ampiezza_);
    riga->addStretch();

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(gruppo_, 1);
    sinistra->addWidget(ricerca_, 1);
    sinistra->addLayout(riga);
    sinistra->addWidget(cerca_);
    sinistra->addWidget(progresso_);

    // --- the archive display
    auto* archivio = new QGroupBox("ARCHIVIO ANALISI");
    auto* ga = new QGridLayout(archivio);
    campionato_ = Nomina(new QComboBox, "campionato", S("campionato"));
    for (int c = 0; c < kNumeroCampionati; ++c) {
        const QString nome = Q(Campionato(c).nome);
        campionato_->addItem(nome, c);
    }
    auto* rigaCampionato = new QHBoxLayout;
    rigaCampionato->addWidget(new QLabel("CAMPIONATO :"));
    rigaCampionato->addWidget(campionato_, 1);
    ga->addLayout(rigaCampionato, 0, 0, 1, 2);
    numeroAnalisi_ = Nomina(new QLabel, "numeroAnalisi");
    precedente_ = Pulsante("<<", "precedenteArchivio", S("precedenteArchivio"));
    successiva_ = Pulsante(">>", "successivaArchivio", S("successivaArchivio"));
    auto* nav = new QHBoxLayout;
    nav->addWidget(new QLabel("ANALISI N.:"));
    nav->addWidget(numeroAnalisi_);
    nav->addStretch();
    nav->addWidget(precedente_);
    nav->addWidget(successiva_);
    ga->addLayout(nav, 1, 0, 1, 2);
    const char* nomi[5] = {"Giornate d'Analisi:", "Percentuali d'Importanza:",
                           "Mantiene separate Casa e Trasferta:", "Precisione:", "Dati Usati:"};
    const char* oggetti[5] = {"archivioGiornate", "archivioPercentuali", "archivioSepara",
                              "archivioPrecisione", "archivioDatiUsati"};
    const int righe[5] = {2, 3, 5, 6, 7};
    for (int k = 0; k < 5; ++k) {
        campi_[k] = Nomina(new QLabel, oggetti[k]);
        ga->addWidget(new QLabel(nomi[k]), righe[k], 0);
        ga->addWidget(campi_[k], righe[k], 1);
    }
    originali_ = Nomina(new QLabel, "valoriOriginali");
    ga->addWidget(originali_, 4, 0, 1, 2);
    titolo_ = Nomina(new QLineEdit, "titolo", S("titolo"));
    titolo_->setReadOnly(true);
    ga->addWidget(titolo_, 8, 0, 1, 2);
    modifiche_ = Pulsante("&Modifiche", "modifiche", S("modifiche"));
    ignora_ = Pulsante("&Ignora", "ignora", S("ignora"));
    elimina_ = Pulsante("&Elimina", "elimina", S("elimina"));
    note_ = Pulsante("&Note...", "note", S("note"));
    avanzatiArchivio_ = Pulsante("P&unteggi, Forze, Limiti...", "avanzatiArchivio", S("avanzatiArchivio"));
    auto* pa = new QGridLayout;
    pa->addWidget(modifiche_, 0, 0);
    pa->addWidget(ignora_, 0, 1);
    pa->addWidget(elimina_, 1, 0);
    pa->addWidget(note_, 1, 1);
    pa->addWidget(avanzatiArchivio_, 2, 0, 1, 2);
    ga->addLayout(pa, 9, 0, 1, 2);

    auto* tutto = new QHBoxLayout(this);
    tutto->addLayout(sinistra, 1);
    tutto->addWidget(archivio, 1);

    const auto dopo = [this] {
        Mostra();
        emit cambiato();
    };
    const auto aggiungi = [this, dopo] {
        logica_.Aggiungi(Selezionato(esclusi_));
        dopo();
    };
    const auto togli = [this, dopo] {
        logica_.Togli(Selezionato(inclusi_));
        dopo();
    };
    connect(aggiungi_, &QPushButton::clicked, this, aggiungi);
    connect(esclusi_, &QListWidget::itemDoubleClicked, this, aggiungi);
    connect(togli_, &QPushButton::clicked, this, togli);
    connect(inclusi_, &QListWidget::itemDoubleClicked, this, togli);
    connect(ampiezza_, &QSpinBox::valueChanged, this, [this](int v) { logica_.ImpostaAmpiezzaPesi(v); });
    connect(campionato_, &QComboBox::currentIndexChanged, this, [this, dopo](int i) {
        logica_.Visualizza(campionato_->itemData(i).toInt());
        dopo();
    });
    connect(cerca_, &QPushButton::clicked, this, [this, dopo] {
        logica_.Cerca(dopo);
        dopo();
    });
    connect(precedente_, &QPushButton::clicked, this, [this, dopo] {
        logica_.PrecedenteArchivio();
        dopo();
    });
    connect(successiva_, &QPushButton::clicked, this, [this, dopo] {
        logica_.SuccessivaArchivio();
        dopo();
    });
    connect(ignora_, &QPushButton::clicked, this, [this, dopo] {
        logica_.Ignora();
        dopo();
    });
    connect(elimina_, &QPushButton::clicked, this, [this, dopo] {
        logica_.Elimina();
        dopo();
    });
    connect(note_, &QPushButton::clicked, this, [this] {
        const CAnalisi* a = logica_.mostrata();
        if (!a) return;
        // Read only here: the note goes with the analysis.
        DlgDescrizioneAnalisiQt d(a->titolo, a->descrizione, this);
        d.exec();
    });
    connect(avanzatiArchivio_, &QPushButton::clicked, this, [this] {
        const CAnalisi* a = logica_.mostrata();
        if (!a) return;
        CDlgParametriAvanzatiQt d(dati_, logica_.visualizzato(), *a, messaggi_, this);
        d.exec();
    });
    connect(modifiche_, &QPushButton::clicked, this, [this] {
        const CAnalisi* a = logica_.mostrata();
        const CAnalisi* p = logica_.precedente();
        if (!a || !p) return;
        CDlgConfrontoAnalisiQt d(CDlgConfrontoAnalisi("VELTRA. Confronto tra: Analisi Modificata / Analisi Originale", *a, *p),
                                 messaggi_, &stampa_, orologio_, this);
        d.exec();
    });
    {
        const QSignalBlocker b(campionato_);
        campionato_->setCurrentIndex(logica_.visualizzato());
    }
    Mostra();
}

int CRicercaArchiviQt::Selezionato(QListWidget* lista) const {
    const QListWidgetItem* v = lista->currentItem();
    if (!v || !v->isSelected()) return -1;
    return v->data(Qt::UserRole).toInt();
}

void CRicercaArchiviQt::Mostra() {
    logica_.Sonda();
    const bool libera = !logica_.inCorso();
    // The two lists from the inclusion flags.
    const auto riempi = [this](QListWidget* lista, bool inclusi) {
        const QSignalBlocker b(lista);
        lista->clear();
        for (int c = 0; c < kNumeroCampionati; ++c) {
            if (logica_.incluso(c) != inclusi) continue;
            auto* v = new QListWidgetItem(Q(Campionato(c).nome), lista);
            v->setData(Qt::UserRole, c);
        }
    };
    riempi(esclusi_, false);
    riempi(inclusi_, true);
    gruppo_->setVisible(libera);
    ricerca_->setVisible(!libera || logica_.cercato());
    archivioInCorso_->setText(Q(logica_.testoArchivio()));
    analisiInCorso_->setText(Q(logica_.testoAnalisi()));
    tipo_->setText(Q(logica_.testoTipo()));
    if (log_->toPlainText() != Q(logica_.log())) log_->setPlainText(Q(logica_.log()));
    cerca_->setText(Q(logica_.TestoCerca()));
    cerca_->setEnabled(logica_.cercaAbilitato());
    ampiezza_->setEnabled(libera);
    {
        const QSignalBlocker b(ampiezza_);
        ampiezza_->setValue(logica_.ampiezzaPesi());
    }
    campionato_->setEnabled(libera);
    progresso_->setRange(0, static_cast<int>(std::max(1L, logica_.progressoTotale())));
    progresso_->setValue(static_cast<int>(logica_.progresso()));

    const CAnalisi* a = logica_.mostrata();
    numeroAnalisi_->setText(Q(logica_.TestoNumeroAnalisi()));
    campi_[0]->setText(a ? QString::number(a->giornateAnalisi) : "-");
    campi_[1]->setText(a ? Q(TestoPercentuali(*a)) : "-");
    campi_[2]->setText(a ? (a->punteggiAvanzati.separaCasaTrasferta ? "SI" : "NO") : "-");
    campi_[3]->setText(a ? Q(TestoPrecisione(*a)) : "-");
    campi_[4]->setText(a ? Q(TestoDatiUsati(*a)) : "-");
    titolo_->setText(a ? Q(a->titolo) : QString());
    const bool modificata = logica_.modificata();
    originali_->setVisible(modificata);
    originali_->setText("( Valori originali: " + Q(logica_.TestoValoriOriginali()) + " )");
    precedente_->setEnabled(logica_.precedenteArchivioAbilitato());
    successiva_->setEnabled(logica_.successivaArchivioAbilitato());
    modifiche_->setEnabled(modificata);
    ignora_->setEnabled(modificata);
    elimina_->setEnabled(logica_.archivioAbilitato());
    note_->setEnabled(logica_.archivioAbilitato());
    avanzatiArchivio_->setEnabled(logica_.archivioAbilitato());
}

} // namespace veltra
