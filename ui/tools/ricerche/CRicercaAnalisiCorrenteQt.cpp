#include "tools/ricerche/CRicercaAnalisiCorrenteQt.h"

#include "engine/parametri/CDlgConfrontoAnalisiQt.h"
#include "engine/parametri/CDlgParametriAvanzatiQt.h"
#include "engine/parametri/DlgDescrizioneAnalisiQt.h"
#include "engine/parametri/TestiAnalisi.h"
#include "platform/UiComune.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <thread>

namespace veltra {

namespace {

using L = CRicercaAnalisiCorrente;

QString S(const char* nome) { return Q(L::Suggerimento(nome)); }

} // namespace

CRicercaAnalisiCorrenteQt::CRicercaAnalisiCorrenteQt(DatiCampionati& dati, StatoRicerche& stato,
                                                     IEsecutoreLavori& esecutore, IMessaggi& messaggi,
                                                     IServizioStampa& stampa, const IOrologio& orologio,
                                                     QWidget* parent)
    : QWidget(parent),
      logica_(dati, stato, esecutore, messaggi, orologio,
              static_cast<int>(std::max(1u, std::thread::hardware_concurrency()))),
      dati_(dati), messaggi_(messaggi), stampa_(stampa), orologio_(orologio) {
    setObjectName("RicercaAnalisiCorrente");

    // --- "MOTORE DI RICERCA"
    auto* motore = new QGroupBox("MOTORE DI RICERCA");
    auto* gm = new QGridLayout(motore);
    percentuali_ = Nomina(new QRadioButton("Ricerca sulle Percentuali d'Importanza :"), "percentuali", S("percentuali"));
    avanzati_ = Nomina(new QRadioButton("Ricerca sui Parametri Avanzati :"), "avanzati", S("avanzati"));
    auto* tipo = new QButtonGroup(this);
    tipo->addButton(percentuali_);
    tipo->addButton(avanzati_);
    passo_ = Nomina(new QSpinBox, "passo", S("passo"));
    passo_->setRange(1, 10);
    ampiezza_ = Nomina(new QSpinBox, "ampiezza", S("ampiezza"));
    ampiezza_->setRange(10, 100);
    ampiezza_->setSingleStep(10);
    utilizzo_ = Nomina(new QSpinBox, "utilizzo", S("utilizzo"));
    utilizzo_->setRange(60, 100);
    utilizzo_->setSuffix("%");
    etichettaPasso_ = new QLabel("Scarto tra Analisi :");
    etichettaAmpiezza_ = new QLabel("Ampiezza della Ricerca :");
    etichettaUtilizzo_ = new QLabel("Utilizzo Minimo della Base Dati :");
    processore_ = Nomina(new QCheckBox("Utilizzo Processore al 100% :"), "processore", S("processore"));
    processore_->setLayoutDirection(Qt::RightToLeft);
    gm->addWidget(percentuali_, 0, 0, 1, 2);
    gm->addWidget(etichettaPasso_, 1, 0);
    gm->addWidget(passo_, 1, 1);
    gm->addWidget(etichettaAmpiezza_, 2, 0);
    gm->addWidget(ampiezza_, 2, 1);
    gm->addWidget(avanzati_, 3, 0, 1, 2);
    gm->addWidget(etichettaUtilizzo_, 4, 0);
    gm->addWidget(utilizzo_, 4, 1);
    gm->addWidget(processore_, 5, 0, 1, 2, Qt::AlignLeft);

    cerca_ = Pulsante("C&erca...", "cerca", S("cerca"));
    progresso_ = Nomina(new QProgressBar, "progresso");
    contatore_ = Nomina(new QLabel, "contatore");

    // --- "PRECISIONE ANALISI TROVATE"
    auto* trovate = new QGroupBox("PRECISIONE ANALISI TROVATE");
    auto* gt = new QGridLayout(trovate);
    precisione_ = Nomina(new QLabel, "precisione");
    precisione_->setMinimumWidth(precisione_->fontMetrics().horizontalAdvance(
        "100.0% ('1' = 100.0% - 'X' = 100.0% - '2' = 100.0%)"));
    precedenteTrovata_ = Pulsante("<<", "precedenteTrovata", S("precedenteTrovata"));
    successivaTrovata_ = Pulsante(">>", "successivaTrovata", S("successivaTrovata"));
    ricarica_ = Pulsante("&Ricarica Ultima Ricerca", "ricarica", S("ricarica"));
    trovata_ = Nomina(new QLabel, "trovata");
    trovata_->setWordWrap(true);
    gt->addWidget(precisione_, 0, 0, 1, 3);
    gt->addWidget(trovata_, 1, 0, 1, 3);
    gt->addWidget(precedenteTrovata_, 2, 0);
    gt->addWidget(successivaTrovata_, 2, 1);
    gt->addWidget(ricarica_, 2, 2);

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(motore);
    sinistra->addWidget(cerca_);
    sinistra->addWidget(progresso_);
    sinistra->addWidget(contatore_);
    sinistra->addWidget(trovate);
    sinistra->addStretch();

    // --- "ARCHIVIO ANALISI"
    auto* archivio = new QGroupBox("ARCHIVIO ANALISI");
    auto* ga = new QGridLayout(archivio);
    numeroAnalisi_ = Nomina(new QLabel, "numeroAnalisi");
    precedenteArchivio_ = Pulsante("<<", "precedenteArchivio", S("precedenteArchivio"));
    successivaArchivio_ = Pulsante(">>", "successivaArchivio", S("successivaArchivio"));
    auto* nav = new QHBoxLayout;
    nav->addWidget(new QLabel("ANALISI N.:"));
    nav->addWidget(numeroAnalisi_);
    nav->addStretch();
    nav->addWidget(precedenteArchivio_);
    nav->addWidget(successivaArchivio_);
    ga->addLayout(nav, 0, 0, 1, 2);
    const char* nomi[5] = {"Giornate d'Analisi:", "Percentuali d'Importanza:",
                           "Mantiene separate Casa e Trasferta:", "Precisione:", "Dati Usati:"};
    const char* oggetti[5] = {"archivioGiornate", "archivioPercentuali", "archivioSepara",
                              "archivioPrecisione", "archivioDatiUsati"};
    for (int k = 0; k < 5; ++k) {
        campi_[k] = Nomina(new QLabel, oggetti[k]);
        ga->addWidget(new QLabel(nomi[k]), k + 1, 0);
        ga->addWidget(campi_[k], k + 1, 1);
    }
    titolo_ = Nomina(new QLineEdit, "titolo", S("titolo"));
    titolo_->setReadOnly(true);
    ga->addWidget(titolo_, 6, 0, 1, 2);
    inserisci_ = Pulsante("&Inserisci", "inserisci", S("inserisci"));
    recupera_ = Pulsante("&Recupera", "recupera", S("recupera"));
    elimina_ = Pulsante("&Elimina", "elimina", S("elimina"));
    note_ = Pulsante("&Note...", "note", S("note"));
    confronta_ = Pulsante("&Confronta", "confronta", S("confronta"));
    avanzatiArchivio_ = Pulsante("P&unteggi, Forze, Limiti...", "avanzatiArchivio", S("avanzatiArchivio"));
    auto* pa = new QGridLayout;
    pa->addWidget(inserisci_, 0, 0);
    pa->addWidget(recupera_, 0, 1);
    pa->addWidget(elimina_, 0, 2);
    pa->addWidget(note_, 1, 0);
    pa->addWidget(confronta_, 1, 1);
    pa->addWidget(avanzatiArchivio_, 1, 2);
    ga->addLayout(pa, 7, 0, 1, 2);

    auto* tutto = new QHBoxLayout(this);
    tutto->addLayout(sinistra, 1);
    tutto->addWidget(archivio, 1);

    const auto dopo = [this] {
        Mostra();
        emit cambiato();
    };
    connect(percentuali_, &QRadioButton::toggled, this, [this, dopo](bool p) {
        logica_.ImpostaPercentuali(p);
        dopo();
    });
    connect(passo_, &QSpinBox::valueChanged, this, [this, dopo](int v) {
        logica_.ImpostaPasso(v);
        dopo();
    });
    connect(ampiezza_, &QSpinBox::valueChanged, this, [this, dopo](int v) {
        logica_.ImpostaAmpiezza(v);
        dopo();
    });
    connect(utilizzo_, &QSpinBox::valueChanged, this, [this, dopo](int v) {
        logica_.ImpostaUtilizzoMinimo(v);
        dopo();
    });
    connect(processore_, &QCheckBox::toggled, this, [this, dopo](bool v) {
        logica_.ImpostaProcessoreIntero(v);
        dopo();
    });
    connect(cerca_, &QPushButton::clicked, this, [this, dopo] {
        logica_.Cerca(dopo);
        dopo();
    });
    const auto azione = [this, dopo](QPushButton* p, void (CRicercaAnalisiCorrente::*f)()) {
        connect(p, &QPushButton::clicked, this, [this, f, dopo] {
            (logica_.*f)();
            dopo();
        });
    };
    azione(precedenteTrovata_, &L::PrecedenteTrovata);
    azione(successivaTrovata_, &L::SuccessivaTrovata);
    azione(ricarica_, &L::Ricarica);
    azione(precedenteArchivio_, &L::PrecedenteArchivio);
    azione(successivaArchivio_, &L::SuccessivaArchivio);
    azione(inserisci_, &L::Inserisci);
    azione(recupera_, &L::Recupera);
    azione(elimina_, &L::Elimina);
    connect(note_, &QPushButton::clicked, this, [this, dopo] {
        const CAnalisi* a = logica_.mostrata();
        if (!a) return;
        DlgDescrizioneAnalisiQt d(a->titolo, a->descrizione, this);
        if (d.exec() == QDialog::Accepted) logica_.ImpostaNote(d.titolo(), d.descrizione());
        dopo();
    });
    connect(avanzatiArchivio_, &QPushButton::clicked, this, [this] {
        const CAnalisi* a = logica_.mostrata();
        if (!a) return;
        CDlgParametriAvanzatiQt d(dati_, logica_.campionato(), *a, messaggi_, this);
        d.exec();
    });
    connect(confronta_, &QPushButton::clicked, this, [this] {
        const CAnalisi* a = logica_.mostrata();
        if (!a) return;
        CDlgConfrontoAnalisiQt d(CDlgConfrontoAnalisi("VELTRA. Confronto tra: Analisi Trovata / Analisi in Archivio",
                                                      logica_.AnalisiDaConfrontare(), *a),
                                 messaggi_, &stampa_, orologio_, this);
        d.exec();
    });
    Mostra();
}

void CRicercaAnalisiCorrenteQt::Mostra() {
    logica_.Sonda();
    const bool libera = !logica_.inCorso();
    {
        const QSignalBlocker b1(percentuali_), b2(avanzati_), b3(passo_), b4(ampiezza_), b5(utilizzo_),
            b6(processore_);
        percentuali_->setChecked(logica_.percentuali());
        avanzati_->setChecked(!logica_.percentuali());
        passo_->setValue(logica_.passo());
        ampiezza_->setValue(logica_.ampiezza());
        utilizzo_->setValue(logica_.utilizzoMinimo());
        processore_->setChecked(logica_.processoreIntero());
    }
    const bool p = logica_.percentuali();
    etichettaPasso_->setVisible(p);
    passo_->setVisible(p);
    etichettaAmpiezza_->setVisible(p);
    ampiezza_->setVisible(p);
    etichettaUtilizzo_->setVisible(!p);
    utilizzo_->setVisible(!p);
    for (QWidget* w : std::initializer_list<QWidget*>{percentuali_, avanzati_, passo_, ampiezza_, utilizzo_, processore_})
        w->setEnabled(libera);
    cerca_->setText(Q(logica_.TestoCerca()));
    cerca_->setEnabled(logica_.cercaAbilitato());
    progresso_->setRange(0, static_cast<int>(logica_.progressoTotale()));
    progresso_->setValue(static_cast<int>(logica_.progresso()));
    contatore_->setText(Q(logica_.contatore()));
    precisione_->setText(Q(logica_.testoPrecisione()));
    trovata_->setText(Q(logica_.testoTrovata()));
    precedenteTrovata_->setEnabled(logica_.precedenteTrovataAbilitato());
    successivaTrovata_->setEnabled(logica_.successivaTrovataAbilitato());
    ricarica_->setEnabled(logica_.ricaricaAbilitato());

    const CAnalisi* a = logica_.mostrata();
    numeroAnalisi_->setText(Q(logica_.TestoNumeroAnalisi()));
    campi_[0]->setText(a ? QString::number(a->giornateAnalisi) : "-");
    campi_[1]->setText(a ? Q(TestoPercentuali(*a)) : "-");
    campi_[2]->setText(a ? (a->punteggiAvanzati.separaCasaTrasferta ? "SI" : "NO") : "-");
    campi_[3]->setText(a ? Q(TestoPrecisione(*a)) : "-");
    campi_[4]->setText(a ? Q(TestoDatiUsati(*a)) : "-");
    titolo_->setText(a ? Q(a->titolo) : QString());
    precedenteArchivio_->setEnabled(logica_.precedenteArchivioAbilitato());
    successivaArchivio_->setEnabled(logica_.successivaArchivioAbilitato());
    inserisci_->setEnabled(logica_.inserisciAbilitato());
    const bool archivio = logica_.archivioAbilitato();
    recupera_->setEnabled(archivio);
    elimina_->setEnabled(archivio);
    note_->setEnabled(archivio);
    avanzatiArchivio_->setEnabled(archivio);
    confronta_->setEnabled(logica_.confrontaAbilitato());
}

} // namespace veltra
