#include "betting/DlgRicercaStrategieQt.h"

#include "app/DatiGlobali.h"
#include "platform/Messaggi.h"
#include "platform/NavigatoreQt.h"
#include "platform/Piattaforma.h"
#include "platform/UiComune.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace veltra {

namespace {

QDate QData(DataSettimana d) { return QDate(d.anno, d.mese, d.giorno); }
DataSettimana Data(const QDate& d) { return {d.day(), d.month(), d.year()}; }

QLabel* Intestazione(const char* testo) {
    auto* l = new QLabel(Q(testo));
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

// A "SI"/"NO" pair of radio buttons in a row.
QHBoxLayout* SiNo(QWidget* genitore, QRadioButton*& si, QRadioButton*& no, const QString& nome,
                  const QString& suggerimento, const char* testoSi = "SI", const char* testoNo = "NO") {
    si = Nomina(new QRadioButton(Q(testoSi)), nome + "Si", suggerimento);
    no = Nomina(new QRadioButton(Q(testoNo)), nome + "No", suggerimento);
    auto* g = new QButtonGroup(genitore);
    g->addButton(si);
    g->addButton(no);
    auto* r = new QHBoxLayout;
    r->addWidget(si);
    r->addWidget(no);
    r->addStretch();
    return r;
}

} // namespace

// ---- step 1 ----------------------------------------------------------------

CDlgParametriRicercaQt::CDlgParametriRicercaQt(CDlgParametriRicerca& logica, ParametriRicerca& parametri,
                                               IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), logica_(logica), parametri_(parametri), messaggi_(messaggi) {
    setObjectName(QString::number(kRisorsa));
    setWindowTitle(kTitoloRicercaStrategie);

    bookmaker_ = Nomina(new QComboBox, "bookmaker",
                        "Il bookmaker del cui archivio di settimane (cartella QUOTE-ESPORTATE) si cercano le "
                        "strategie");
    for (int b = 0; b < kNumeroBookmaker; ++b)
        bookmaker_->addItem(Q(NomeBookmakerRicerca(b)));
    data_ = Nomina(new QDateEdit, "dataInizio",
                   "Prima settimana dell'archivio da considerare: le settimane precedenti sono ignorate");
    data_->setDisplayFormat("dd/MM/yyyy");
    data_->setCalendarPopup(true);
    data_->setDateRange(QData(logica_.dataMinima()), QData(logica_.dataMassima()));

    const char* testiSegni[3] = {"1", "X", "2"};
    auto* rigaSegni = new QHBoxLayout;
    for (int s = 0; s < 3; ++s) {
        segni_[static_cast<std::size_t>(s)] =
            Nomina(new QCheckBox(testiSegni[s]), QString("segno%1").arg(testiSegni[s]),
                   QString("Cerca le strategie che puntano sul segno '%1'").arg(testiSegni[s]));
        rigaSegni->addWidget(segni_[static_cast<std::size_t>(s)]);
    }
    rigaSegni->addStretch();
    const char* testiOrdinamenti[3] = {"Probabilità", "Equità", "Quota"};
    const char* nomiOrdinamenti[3] = {"ordinamentoProbabilita", "ordinamentoEquita", "ordinamentoQuota"};
    const char* suggerimentiOrdinamenti[3] = {
        ("Ordina gli eventi di ogni settimana per probabilita' del segno (per il segno '1' anche per "
         "probabilita' minima del segno '2')"),
        "Ordina gli eventi di ogni settimana per equita' del segno",
        "Ordina gli eventi di ogni settimana per quota del segno"};
    auto* rigaOrdinamenti = new QHBoxLayout;
    for (int g = 0; g < 3; ++g) {
        ordinamenti_[static_cast<std::size_t>(g)] =
            Nomina(new QCheckBox(Q(testiOrdinamenti[g])), nomiOrdinamenti[g], suggerimentiOrdinamenti[g]);
        rigaOrdinamenti->addWidget(ordinamenti_[static_cast<std::size_t>(g)]);
    }
    rigaOrdinamenti->addStretch();
    eventi_ = Nomina(new QComboBox, "eventi",
                     "Numero massimo di eventi per giocata: i tipi di gioco che ne richiedono di piu' non sono "
                     "cercati");
    for (int n = 1; n <= 6; ++n)
        eventi_->addItem(QString::number(n));
    utili_ = Nomina(new QComboBox, "settimaneUtili",
                    "Percentuale minima delle settimane disponibili in cui la strategia deve essere giocabile");
    for (int i = 0; i < kVociPercentuale; ++i)
        utili_->addItem(Q(TestoVocePercentuale(i)));

    auto* gruppoVincenti = new QGroupBox("PERCENTUALE MINIMA DI SETTIMANE VINCENTI :");
    auto* gv = new QGridLayout(gruppoVincenti);
    for (int t = 0; t < kTipiGiocata; ++t) {
        const QString nome = t == 11 ? QString("1 fissa più 2 su 3") : Q(NomeTipoGiocata(t));
        auto* c = Nomina(new QComboBox, QString("settimaneVincenti%1").arg(t),
                         "Percentuale minima delle settimane giocabili che devono essere vincenti per il tipo "
                         "di gioco \"" + nome + "\"");
        for (int i = 0; i < kVociPercentuale; ++i)
            c->addItem(Q(TestoVocePercentuale(i)));
        vincenti_[static_cast<std::size_t>(t)] = c;
        gv->addWidget(new QLabel(nome + " :"), t % 6, (t / 6) * 2);
        gv->addWidget(c, t % 6, (t / 6) * 2 + 1);
        connect(c, &QComboBox::currentIndexChanged, this, [this, t](int i) {
            if (caricamento_) return;
            logica_.ImpostaIndiceSettimaneVincenti(t, i);
        });
    }

    auto* rigaCriterio = SiNo(this, rendimento_, frequenza_, "criterio",
                              "Criterio con cui si sceglie la migliore combinazione di limiti: il rendimento "
                              "medio per settimana giocata o la frequenza delle settimane vincenti",
                              "Massimo Rendimento", "Massima frequenza di sortita");
    rendimento_->setObjectName("massimoRendimento");
    frequenza_->setObjectName("massimaFrequenza");

    campionati_ = Nomina(new QListWidget, "campionati",
                         "Campionati i cui eventi sono considerati nella ricerca");
    for (int c = 0; c < kNumeroCampionati; ++c) {
        auto* i = new QListWidgetItem(Q(Campionato(c).nome));
        i->setFlags(i->flags() | Qt::ItemIsUserCheckable);
        campionati_->addItem(i);
    }
    campionati_->setMinimumHeight(220);
    auto* rigaDistinti = SiNo(this, distintiSi_, distintiNo_, "distinti",
                              "Si: una ricerca separata per ogni campionato selezionato; No: una sola ricerca "
                              "su tutti i campionati selezionati insieme",
                              "Si", "No");

    verifica_ = Nomina(new QCheckBox("VERIFICA SULLE SETTIMANE DAL :"), "verifica",
                       "Le settimane da questa data in poi non sono usate per la ricerca: per ogni strategia "
                       "trovata se ne mostrano a parte rendimento e settimane vincenti, per vedere se continua "
                       "a rendere su settimane che la ricerca non ha visto");
    dataVerifica_ = Nomina(new QDateEdit, "dataVerifica",
                           "Prima settimana della verifica: deve essere successiva alla data di inizio ricerca");
    dataVerifica_->setDisplayFormat("dd/MM/yyyy");
    dataVerifica_->setCalendarPopup(true);
    dataVerifica_->setDateRange(QData(logica_.dataMinima()), QData(logica_.dataMassima()));

    auto* form = new QFormLayout;
    form->addRow("BOOKMAKER :", bookmaker_);
    form->addRow("DATA INIZIO RICERCA :", data_);
    form->addRow("PRONOSTICI DA CONSIDERARE :", rigaSegni);
    form->addRow("ORDINAMENTI DA CONSIDERARE :", rigaOrdinamenti);
    form->addRow("EVENTI DA CONSIDERARE :", eventi_);
    form->addRow("PERCENTUALE MINIMA DI SETTIMANE UTILI :", utili_);
    form->addRow("CRITERIO DI PREFERENZA :", rigaCriterio);
    auto* rigaVerifica = new QHBoxLayout;
    rigaVerifica->addWidget(verifica_);
    rigaVerifica->addWidget(dataVerifica_);
    rigaVerifica->addStretch();

    auto* destra = new QVBoxLayout;
    destra->addWidget(new QLabel("CAMPIONATI DA CONSIDERARE :"));
    destra->addWidget(campionati_);
    auto* etichettaDistinti = new QLabel("MANTIENI DISTINTI I CAMPIONATI : ");
    destra->addWidget(etichettaDistinti);
    destra->addLayout(rigaDistinti);

    auto* sinistra = new QVBoxLayout;
    sinistra->addLayout(form);
    sinistra->addWidget(gruppoVincenti);
    sinistra->addLayout(rigaVerifica);
    auto* centro = new QHBoxLayout;
    centro->addLayout(sinistra, 3);
    centro->addLayout(destra, 1);

    avanti_ = Pulsante("Avanti >>", "avanti", "Memorizza le impostazioni e passa alla ricerca");
    auto* annulla = Pulsante("Annulla", "IDCANCEL", "Chiude la ricerca delle strategie");
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(Intestazione(CDlgParametriRicerca::kIntestazione));
    tutto->addLayout(centro);
    tutto->addLayout(RigaPulsanti({}, {avanti_, annulla}));

    connect(bookmaker_, &QComboBox::currentIndexChanged, this, [this](int b) {
        if (!caricamento_) logica_.ImpostaBookmaker(b);
    });
    connect(data_, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (!caricamento_) logica_.ImpostaDataInizio(Data(d));
    });
    for (int s = 0; s < 3; ++s)
        connect(segni_[static_cast<std::size_t>(s)], &QCheckBox::toggled, this, [this, s](bool v) {
            if (caricamento_) return;
            logica_.ImpostaSegno(s, v);
            Mostra();
        });
    for (int g = 0; g < 3; ++g)
        connect(ordinamenti_[static_cast<std::size_t>(g)], &QCheckBox::toggled, this, [this, g](bool v) {
            if (caricamento_) return;
            logica_.ImpostaGruppoOrdinamento(g, v);
            Mostra();
        });
    connect(eventi_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (caricamento_) return;
        logica_.ImpostaEventi(i + 1);
        Mostra();
    });
    connect(utili_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!caricamento_) logica_.ImpostaIndiceSettimaneUtili(i);
    });
    connect(rendimento_, &QRadioButton::toggled, this, [this](bool v) {
        if (!caricamento_) logica_.ImpostaMaxRendimento(v);
    });
    connect(campionati_, &QListWidget::itemChanged, this, [this](QListWidgetItem* i) {
        if (caricamento_) return;
        logica_.ImpostaIncluso(campionati_->row(i), i->checkState() == Qt::Checked);
        Mostra();
    });
    connect(distintiSi_, &QRadioButton::toggled, this, [this](bool v) {
        if (!caricamento_) logica_.ImpostaDistinti(v);
    });
    connect(verifica_, &QCheckBox::toggled, this, [this](bool v) {
        if (caricamento_) return;
        logica_.ImpostaVerifica(v);
        Mostra();
    });
    connect(dataVerifica_, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (!caricamento_) logica_.ImpostaDataVerifica(Data(d));
    });
    connect(avanti_, &QPushButton::clicked, this, [this] { Avanti(); });
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);

    // The controls start from the settings.
    caricamento_ = true;
    bookmaker_->setCurrentIndex(logica_.bookmaker());
    data_->setDate(QData(logica_.dataInizio()));
    for (int s = 0; s < 3; ++s)
        segni_[static_cast<std::size_t>(s)]->setChecked(logica_.segno(s));
    for (int g = 0; g < 3; ++g)
        ordinamenti_[static_cast<std::size_t>(g)]->setChecked(logica_.gruppoOrdinamento(g));
    eventi_->setCurrentIndex(logica_.eventi() - 1);
    utili_->setCurrentIndex(logica_.indiceSettimaneUtili());
    for (int t = 0; t < kTipiGiocata; ++t)
        vincenti_[static_cast<std::size_t>(t)]->setCurrentIndex(logica_.indiceSettimaneVincenti(t));
    (logica_.maxRendimento() ? rendimento_ : frequenza_)->setChecked(true);
    for (int c = 0; c < kNumeroCampionati; ++c)
        campionati_->item(c)->setCheckState(logica_.incluso(c) ? Qt::Checked : Qt::Unchecked);
    (logica_.distinti() ? distintiSi_ : distintiNo_)->setChecked(true);
    verifica_->setChecked(logica_.verifica());
    dataVerifica_->setDate(QData(logica_.dataVerifica()));
    caricamento_ = false;
    Mostra();
}

void CDlgParametriRicercaQt::Mostra() {
    for (int t = 0; t < kTipiGiocata; ++t)
        vincenti_[static_cast<std::size_t>(t)]->setEnabled(logica_.settimaneVincentiAbilitato(t));
    distintiSi_->setEnabled(logica_.distintiAbilitato());
    distintiNo_->setEnabled(logica_.distintiAbilitato());
    dataVerifica_->setEnabled(logica_.verifica());
    avanti_->setEnabled(logica_.avantiAbilitato());
}

void CDlgParametriRicercaQt::Avanti() {
    if (logica_.Avanti(parametri_, messaggi_)) accept();
}

// ---- single evaluation -----------------------------------------------------

CDlgRicercaUnicaQt::CDlgRicercaUnicaQt(CDlgRicercaUnica& logica, IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), logica_(logica), messaggi_(messaggi) {
    setObjectName(QString::number(kRisorsa));
    setWindowTitle(CDlgRicercaUnica::kTitolo);
    auto* form = new QFormLayout;
    const char* suggerimenti[CDlgRicercaUnica::kCampi] = {
        "Probabilita' minima del segno '1', in percentuale",
        "Probabilita' massima del segno 'X', in percentuale",
        "Probabilita' massima del segno '2', in percentuale",
        "Equita' minima, in percentuale sopra o sotto la parita' (-100 = nessun limite)",
        "Equita' massima, in percentuale sopra o sotto la parita' (100 = il doppio)",
        "Quota minima del segno", "Quota massima del segno"};
    for (int i = 0; i < CDlgRicercaUnica::kCampi; ++i) {
        auto* c = Nomina(new QLineEdit(Q(logica_.testo(i))), QString("campo%1").arg(i), suggerimenti[i]);
        campi_[static_cast<std::size_t>(i)] = c;
        form->addRow(Q(CDlgRicercaUnica::kDomande[static_cast<std::size_t>(i)]), c);
    }
    auto* ok = Pulsante("OK", "IDOK", "Imposta la valutazione unica con questi limiti");
    auto* annulla = Pulsante("Annulla", "IDCANCEL", "Torna alla ricerca completa su tutti i limiti");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    auto* v = new QVBoxLayout(this);
    v->addLayout(form);
    v->addLayout(RigaPulsanti({}, {ok, annulla}));
}

void CDlgRicercaUnicaQt::accept() {
    for (int i = 0; i < CDlgRicercaUnica::kCampi; ++i)
        logica_.ImpostaTesto(i, campi_[static_cast<std::size_t>(i)]->text().toStdString());
    std::string errore;
    int campo = -1;
    limiti_ = logica_.Converti(errore, campo);
    if (!limiti_) {
        messaggi_.Errore(errore);
        if (campo >= 0) {
            campi_[static_cast<std::size_t>(campo)]->setFocus();
            campi_[static_cast<std::size_t>(campo)]->selectAll();
        }
        return;
    }
    QDialog::accept();
}

// ---- step 2 ----------------------------------------------------------------

CDlgRicercaStrategieQt::CDlgRicercaStrategieQt(CDlgRicercaStrategie& logica, IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), logica_(logica), messaggi_(messaggi), esecutore_(this, EsecutoreLavoriQt::Progresso::Nessuna) {
    setObjectName(QString::number(kRisorsa));
    setWindowTitle(kTitoloRicercaStrategie);

    auto* rigaStrategie = SiNo(this, strategieSi_, strategieNo_, "salvaStrategie",
                               "Crea o aggiorna nell'archivio delle strategie personali le strategie trovate");
    auto* rigaHtml = SiNo(this, htmlSi_, htmlNo_, "salvaHtml",
                          "Scrive i risultati della ricerca in una pagina HTML nella cartella QUOTE-ESPORTATE");
    campionato_ = Nomina(new QLineEdit, "campionatoAnalizzato", "Campionato su cui si sta cercando");
    campionato_->setReadOnly(true);
    pronostico_ = Nomina(new QLineEdit, "pronosticoAnalizzato", "Segno su cui si sta cercando");
    pronostico_->setReadOnly(true);
    avanzamento_ = Nomina(new QPlainTextEdit, "avanzamento", "Stato di avanzamento e risultati della ricerca");
    avanzamento_->setReadOnly(true);
    avanzamento_->setMinimumSize(640, 300);
    avanzamento_->setFont(QFont("Monospace", 9));
    barra_ = Nomina(new QProgressBar, "barraAvanzamento", "Parte della ricerca svolta per il segno in corso");
    barra_->setTextVisible(false);
    barra_->setMaximumHeight(8);
    barra_->setRange(0, 1);
    barra_->setValue(0);
    esecutore_.avanzamento = [this](const Avanzamento& a) {
        if (a.totale <= 0) return;
        barra_->setRange(0, static_cast<int>(std::min<long>(a.totale, INT_MAX)));
        barra_->setValue(static_cast<int>(std::min<long>(a.fatto, INT_MAX)));
    };
    processore_ = Nomina(new QCheckBox("Utilizzo Processore al 100% :"), "processore",
                         "Usa tutti i processori del computer per la ricerca (altrimenti uno solo); la ricerca "
                         "resta comunque interrompibile e il programma utilizzabile");
    processore_->setLayoutDirection(Qt::RightToLeft);
    avvia_ = Pulsante("Avvia Ricerca", "avvia", "Avvia la ricerca; durante la ricerca la interrompe");
    avanti_ = Pulsante("Avanti >>", "avanti", "Passa alla conclusione della ricerca");
    annulla_ = Pulsante("Annulla", "IDCANCEL", "Chiude la ricerca delle strategie");

    auto* form = new QFormLayout;
    form->addRow("SALVA LE STRATEGIE TROVATE NELL'ARCHIVIO STRATEGIE PERSONALI :", rigaStrategie);
    form->addRow("SALVA LE STRATEGIE TROVATE IN UN FILE HTML :", rigaHtml);
    form->addRow("CAMPIONATO ANALIZZATO :", campionato_);
    form->addRow("PRONOSTICO ANALIZZATO :", pronostico_);
    auto* tutto = new QVBoxLayout(this);
    tutto->setContentsMargins(24, 16, 12, 12); // the hidden spots stay free of controls
    tutto->addWidget(Intestazione(CDlgRicercaStrategie::kIntestazione));
    tutto->addLayout(form);
    tutto->addWidget(new QLabel("STATO DI AVANZAMENTO DELLA RICERCA :"));
    tutto->addWidget(avanzamento_, 1);
    tutto->addWidget(barra_);
    tutto->addLayout(RigaPulsanti({processore_}, {avvia_, avanti_, annulla_}));

    (logica_.salvaStrategie() ? strategieSi_ : strategieNo_)->setChecked(true);
    (logica_.salvaHtml() ? htmlSi_ : htmlNo_)->setChecked(true);
    processore_->setChecked(logica_.tuttiProcessori());
    connect(strategieSi_, &QRadioButton::toggled, this, [this](bool v) { logica_.ImpostaSalvaStrategie(v); });
    connect(htmlSi_, &QRadioButton::toggled, this, [this](bool v) { logica_.ImpostaSalvaHtml(v); });
    connect(processore_, &QCheckBox::toggled, this, [this](bool v) { logica_.ImpostaTuttiProcessori(v); });

    // The run's texts arrive queued, on this thread.
    connect(&rapporto_, &RapportoRicercaQt::campionato, this,
            [this](const QString& t) {
                logica_.Campionato(t.toStdString());
                campionato_->setText(t);
            },
            Qt::QueuedConnection);
    connect(&rapporto_, &RapportoRicercaQt::pronostico, this,
            [this](const QString& t) {
                logica_.Pronostico(t.toStdString());
                pronostico_->setText(t);
            },
            Qt::QueuedConnection);
    connect(&rapporto_, &RapportoRicercaQt::svuotato, this,
            [this] {
                logica_.Svuota();
                avanzamento_->clear();
            },
            Qt::QueuedConnection);
    connect(&rapporto_, &RapportoRicercaQt::aggiunto, this,
            [this](const QString& t) {
                logica_.Aggiungi(t.toStdString());
                QScrollBar* barra = avanzamento_->verticalScrollBar();
                const bool inFondo = barra->value() == barra->maximum();
                QTextCursor c(avanzamento_->document());
                c.movePosition(QTextCursor::End);
                c.insertText(Q(CDlgRicercaStrategie::Righe(t.toStdString())));
                if (inFondo) barra->setValue(barra->maximum());
            },
            Qt::QueuedConnection);

    logica_.ferma = [this] { esecutore_.Ferma(); };
    logica_.concluso = [this] {
        Mostra();
        if (logica_.avantiAbilitato()) barra_->setValue(barra_->maximum());
        // The next step where the user goes on from.
        QPushButton* prossimo = logica_.avantiAbilitato() ? avanti_ : annulla_;
        prossimo->setDefault(true);
        prossimo->setFocus();
    };
    connect(avvia_, &QPushButton::clicked, this, [this] {
        if (!logica_.inCorso()) {
            campionato_->clear();
            pronostico_->clear();
            avanzamento_->clear();
            barra_->setRange(0, 1);
            barra_->setValue(0);
        }
        logica_.Avvia(esecutore_, rapporto_, messaggi_);
        Mostra();
    });
    connect(avanti_, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla_, &QPushButton::clicked, this, &QDialog::reject);
    Mostra();
}

CDlgRicercaStrategieQt::~CDlgRicercaStrategieQt() {
    // Whatever still runs stops, and what it saved is applied.
    logica_.ferma = nullptr;
    logica_.concluso = nullptr;
    if (logica_.inCorso()) esecutore_.FermaEAttendi();
}

void CDlgRicercaStrategieQt::Mostra() {
    const bool scelte = logica_.sceltePossibili();
    for (QRadioButton* r : {strategieSi_, strategieNo_, htmlSi_, htmlNo_})
        r->setEnabled(scelte);
    processore_->setEnabled(scelte);
    avvia_->setText(Q(logica_.testoAvvia()));
    avvia_->setEnabled(logica_.avviaAbilitato());
    avanti_->setEnabled(logica_.avantiAbilitato());
    annulla_->setEnabled(logica_.annullaAbilitato());
}

void CDlgRicercaStrategieQt::reject() {
    if (logica_.inCorso()) {
        if (!logica_.fermoChiesto() &&
            messaggi_.Mostra(CDlgRicercaStrategie::kDomandaInterrompi, Icona::Domanda, Pulsanti::SiNo) !=
                Risposta::Si)
            return;
        esecutore_.FermaEAttendi();
    }
    QDialog::reject();
}

void CDlgRicercaStrategieQt::mousePressEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    const auto angolo = e->button() == Qt::LeftButton ? logica_.AngoloCliccato(p.x(), p.y())
                                                       : CDlgRicercaStrategie::Angolo::Nessuno;
    switch (angolo) {
    case CDlgRicercaStrategie::Angolo::RicercaUnica: {
        if (sceltaRicercaUnica) {
            logica_.ImpostaRicercaUnica(sceltaRicercaUnica(logica_.parametri().unica));
        } else {
            CDlgRicercaUnica l(logica_.parametri().unica);
            CDlgRicercaUnicaQt d(l, messaggi_, this);
            logica_.ImpostaRicercaUnica(d.exec() == QDialog::Accepted ? d.limiti() : std::nullopt);
        }
        return;
    }
    case CDlgRicercaStrategie::Angolo::FileTesto:
        logica_.ChiediFileTesto(messaggi_);
        return;
    case CDlgRicercaStrategie::Angolo::Nessuno:
        break;
    }
    QDialog::mousePressEvent(e);
}

// ---- step 3 ----------------------------------------------------------------

CDlgConclusioneRicercaQt::CDlgConclusioneRicercaQt(CDlgConclusioneRicerca& logica, INavigatore& navigatore,
                                                   IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), logica_(logica) {
    setObjectName(QString::number(kRisorsa));
    setWindowTitle(kTitoloRicercaStrategie);
    auto* salvataFile = Nomina(new QLabel(CDlgConclusioneRicerca::kSalvataNelFile), "salvataNelFile");
    percorso_ = Nomina(new QLineEdit(Q(logica_.percorsoHtml())), "percorsoHtml", "La pagina HTML dei risultati");
    percorso_->setReadOnly(true);
    percorso_->setMinimumWidth(520);
    apri_ = Pulsante("Apri documento", "apriDocumento", "Apre la pagina dei risultati nel browser");
    auto* suggerimento = Nomina(new QLabel(CDlgConclusioneRicerca::kSuggerimento), "suggerimento");
    suggerimento->setWordWrap(true);
    archivio_ = Nomina(new QLabel(CDlgConclusioneRicerca::kSalvataInArchivio), "salvataInArchivio");
    errore_ = Nomina(new QLabel(Q(logica_.errore())), "errore");
    errore_->setWordWrap(true);
    errore_->setStyleSheet("color: #b00000;");
    errore_->setVisible(!logica_.errore().empty());
    vincitori_ = Nomina(new QPlainTextEdit, "vincitori", "Le strategie migliori trovate, una per riga");
    vincitori_->setReadOnly(true);
    vincitori_->setFont(QFont("Monospace", 9));
    QStringList righe;
    for (const auto& r : logica_.vincitori())
        righe << Q(r);
    vincitori_->setPlainText(righe.join('\n'));
    auto* etichettaVincitori = new QLabel("STRATEGIE TROVATE :");
    etichettaVincitori->setVisible(!righe.isEmpty());
    vincitori_->setVisible(!righe.isEmpty());
    vincitori_->setMinimumSize(720, 160);

    const bool html = logica_.htmlAbilitato();
    salvataFile->setEnabled(html);
    percorso_->setEnabled(html);
    apri_->setEnabled(html);
    suggerimento->setEnabled(html);
    archivio_->setEnabled(logica_.archivioAbilitato());

    auto* chiudi = Pulsante("Chiudi", "IDOK");
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(Intestazione(CDlgConclusioneRicerca::kIntestazione));
    tutto->addWidget(Intestazione(CDlgConclusioneRicerca::kConclusa));
    tutto->addWidget(salvataFile);
    auto* riga = new QHBoxLayout;
    riga->addWidget(percorso_, 1);
    riga->addWidget(apri_);
    tutto->addLayout(riga);
    tutto->addWidget(suggerimento);
    tutto->addWidget(archivio_);
    tutto->addWidget(errore_);
    tutto->addWidget(etichettaVincitori);
    tutto->addWidget(vincitori_, 1);
    tutto->addLayout(RigaPulsanti({}, {chiudi}));
    connect(apri_, &QPushButton::clicked, this,
            [this, &navigatore, &messaggi] { logica_.ApriDocumento(navigatore, messaggi); });
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
}

// ---- the command -----------------------------------------------------------

void ComandoRicercaStrategie(DatiGlobali& dati, const std::filesystem::path& cartella, IMessaggi& messaggi,
                             const IOrologio& orologio, QWidget* parent) {
    const std::tm t = orologio.Adesso();
    const DataSettimana oggi{t.tm_mday, t.tm_mon + 1, t.tm_year + 1900};
    CDlgParametriRicerca passo1(oggi);
    ParametriRicerca p;
    if (CDlgParametriRicercaQt(passo1, p, messaggi, parent).exec() != QDialog::Accepted) return;
    CDlgRicercaStrategie passo2(p, dati, dati.strategie, dati.prossimoIdStrategia, cartella,
                                DataOra{oggi.giorno, oggi.mese, oggi.anno, t.tm_hour, t.tm_min});
    if (CDlgRicercaStrategieQt(passo2, messaggi, parent).exec() != QDialog::Accepted) return;
    CDlgConclusioneRicerca passo3(passo2.esito());
    NavigatoreQt navigatore;
    CDlgConclusioneRicercaQt(passo3, navigatore, messaggi, parent).exec();
}

} // namespace veltra
