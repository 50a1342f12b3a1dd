#include "CDlgScommesseQt.h"

#include "betting/ComandiStrategieQt.h"

#include "CDlgDatiEventoQt.h"
#include "app/DatiGlobali.h"
#include "betting/FileQuote.h"
#include "betting/SelezioneScommesse.h"
#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"
#include "platform/ProgressoQt.h"
#include "platform/UiComune.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace veltra {

namespace {

const char* const kNomiLimiti[kLimitiCriterio] = {
    "Prob. minima '1' :", "Prob. massima '1' :", "Prob. minima 'X' :", "Prob. massima 'X' :",
    "Prob. minima '2' :", "Prob. massima '2' :", "Equita' minima :",   "Equita' massima :",
    "Quota minima :",     "Quota massima :",     "Prob. minima doppia :"};
const char* const kCampiLimiti[kLimitiCriterio] = {
    "minProb1", "maxProb1", "minProbX", "maxProbX", "minProb2", "maxProb2",
    "minEquita", "maxEquita", "minQuota", "maxQuota", "minProbDoppia"};

} // namespace

CDlgScommesseQt::CDlgScommesseQt(DatiGlobali& dati, IMessaggi& messaggi, IServizioStampa& stampa,
                                 const IOrologio& orologio, std::filesystem::path cartella,
                                 QWidget* parent)
    : FinestraNonModaleQt(parent), dati_(dati), cartella_(std::move(cartella)), messaggi_(messaggi), stampa_(stampa),
      orologio_(orologio), logica_(dati.scommesse, dati),
      esecutore_(this, EsecutoreLavoriQt::Progresso::Nessuna) {
    setObjectName(QString::number(kRisorsa));
    setWindowTitle(CDlgScommesse::kTitolo);

    // Criteria.
    auto* criteri = new QGroupBox("CRITERI DI SELEZIONE");
    auto* gc = new QGridLayout(criteri);
    inclusi_ = Nomina(new QListWidget, "campionatiInclusi",
                      "Campionati da includere nella ricerca delle scommesse");
    for (int c = 0; c < kNumeroCampionati; ++c) {
        auto* i = new QListWidgetItem(Q(std::string(Campionato(c).nome)));
        i->setFlags(i->flags() | Qt::ItemIsUserCheckable);
        i->setCheckState(Qt::Unchecked);
        inclusi_->addItem(i);
    }
    inclusi_->setMaximumWidth(190);
    gc->addWidget(new QLabel("CAMPIONATI INCLUSI :"), 0, 0);
    gc->addWidget(inclusi_, 1, 0, 8, 1);
    tipo_ = Nomina(new QComboBox, "tipoPronostico", "Tipo di pronostico e criterio di ordinamento");
    for (const char* t : kTestiTipoPronostico)
        tipo_->addItem(Q(t));
    gc->addWidget(new QLabel("TIPO PRONOSTICO :"), 0, 1);
    gc->addWidget(tipo_, 0, 2, 1, 4);
    auto* gruppoGambe = new QButtonGroup(this);
    auto* rigaGambe = new QHBoxLayout;
    for (int k = 1; k <= 6; ++k) {
        auto* r = Nomina(new QRadioButton(k == 1 ? QString("Singola:") : QString::number(k)),
                         QString("gambe%1").arg(k));
        gambe_[static_cast<std::size_t>(k - 1)] = r;
        gruppoGambe->addButton(r, k);
        if (k == 2) rigaGambe->addWidget(new QLabel("Multipla:"));
        rigaGambe->addWidget(r);
    }
    rigaGambe->addStretch();
    gc->addLayout(rigaGambe, 1, 1, 1, 5);
    for (int l = 0; l < kLimitiCriterio; ++l) {
        const auto r = CDlgScommesse::Intervallo(static_cast<LimiteCriterio>(l));
        auto* s = Nomina(new QSpinBox, kCampiLimiti[l]);
        s->setRange(r[0], r[1]);
        s->setSingleStep(r[2]);
        s->setAccelerated(true);
        s->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
        s->setFixedWidth(24 + 40);
        s->setStyleSheet("QSpinBox { color: transparent; }"); // the text beside shows the value
        auto* t = Nomina(new QLabel, QString(kCampiLimiti[l]) + "Testo");
        t->setMinimumWidth(60);
        spin_[static_cast<std::size_t>(l)] = s;
        testiSpin_[static_cast<std::size_t>(l)] = t;
        const int riga = 2 + (l < 10 ? l / 2 : 5), colonna = l < 10 ? (l % 2) * 3 + 1 : 1;
        gc->addWidget(new QLabel(kNomiLimiti[l]), riga, colonna);
        gc->addWidget(t, riga, colonna + 1);
        gc->addWidget(s, riga, colonna + 2);
        connect(s, &QSpinBox::valueChanged, this, [this, l](int v) {
            if (caricamento_) return;
            logica_.ImpostaPosizione(static_cast<LimiteCriterio>(l), v);
            Mostra();
        });
    }
    doppie_ = Nomina(new QCheckBox("DOPPIE CALCOLATE :"), "doppieCalcolate",
                     "Usa le doppie chance calcolate dalle quote dei segni singoli");
    doppie_->setLayoutDirection(Qt::RightToLeft);
    gc->addWidget(doppie_, 7, 4, 1, 2);

    // The displayed bet.
    auto* scommessa = new QGroupBox("SCOMMESSA");
    auto* gs = new QGridLayout(scommessa);
    const char* titoli[8] = {"", "Campionato", "Casa", "Trasferta", "Quota", "Prob.", "Segno", "Equita'"};
    for (int c = 0; c < 8; ++c)
        gs->addWidget(new QLabel(titoli[c]), 0, c);
    for (int g = 0; g < 6; ++g) {
        info_[static_cast<std::size_t>(g)] =
            Pulsante("i", QString("info%1").arg(g + 1), "Informazioni sull'evento selezionato");
        info_[static_cast<std::size_t>(g)]->setFixedWidth(24);
        gs->addWidget(info_[static_cast<std::size_t>(g)], g + 1, 0);
        for (int c = 0; c < 7; ++c) {
            auto* l = Nomina(new QLabel, QString("gamba%1_%2").arg(g + 1).arg(c));
            righe_[static_cast<std::size_t>(g)][static_cast<std::size_t>(c)] = l;
            gs->addWidget(l, g + 1, c + 1);
        }
        connect(info_[static_cast<std::size_t>(g)], &QPushButton::clicked, this, [this, g] {
            const Scommessa* s = logica_.scommessaMostrata();
            if (!s) return;
            const VoceScommessa& v = s->voci[static_cast<std::size_t>(g)];
            CDlgDatiEventoQt(dati_, v.campionato, v.casa, v.trasferta, "TALBOR", this).exec();
        });
    }
    totProb_ = Nomina(new QLabel, "totaleProbabilita");
    totQuota_ = Nomina(new QLabel, "totaleQuota");
    totEquita_ = Nomina(new QLabel, "totaleEquita");
    auto* totali = new QHBoxLayout;
    totali->addWidget(new QLabel("Probabilita' :"));
    totali->addWidget(totProb_);
    totali->addSpacing(20);
    totali->addWidget(new QLabel("Quota :"));
    totali->addWidget(totQuota_);
    totali->addSpacing(20);
    totali->addWidget(new QLabel("Equita' :"));
    totali->addWidget(totEquita_);
    totali->addStretch();
    calcolata_ = Pulsante("(*) = Calcolata", "calcolata", "Ripartizione della spesa sulle doppie calcolate");
    totali->addWidget(calcolata_);
    gs->addLayout(totali, 7, 0, 1, 8);

    calcola_ = Pulsante("C&alcola...", "calcola", "Avvia la ricerca delle scommesse");
    precedente_ = Pulsante("<<", "precedente", "Visualizza la scommessa precedente");
    successiva_ = Pulsante(">>", "successiva", "Visualizza la scommessa successiva");
    contatore_ = Nomina(new QLabel, "contatore");
    contatore_->setMinimumWidth(90);
    contatore_->setAlignment(Qt::AlignCenter);
    stampaPulsante_ = Pulsante("&Stampa", "stampa", "Stampa la scommessa visualizzata");
    salva_ = Pulsante("&Salva Quote", "salvaQuote", "Salva gli eventi e le quote in un file");
    strategie_ = Pulsante("S&trategie...", "strategie", "Giocate reali delle strategie");
    connect(strategie_, &QPushButton::clicked, this, [this] {
        if (cartella_.empty() || dati_.strategie.strategie.empty()) return;
        if (apriGiocateReali)
            apriGiocateReali();
        else
            ApriGiocateReali(dati_, cartella_, messaggi_, proprie_, nessunCambio_, this);
    });
    strategie_->setEnabled(!cartella_.empty() && !dati_.strategie.strategie.empty());
    auto* ok = Pulsante("&OK", "IDOK");

    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(criteri);
    tutto->addWidget(scommessa);
    tutto->addLayout(RigaPulsanti({calcola_, precedente_, contatore_, successiva_},
                                  {stampaPulsante_, salva_, strategie_, ok}));
    // The window stays live while the combinations are enumerated: the
    // progress shows here and "&Interrompi" is the calculation's own button.
    progresso_ = Nomina(new QProgressBar, "progresso");
    progresso_->setTextVisible(false);
    progresso_->hide();
    tutto->addWidget(progresso_);
    esecutore_.avanzamento = [this](const Avanzamento& a) {
        if (a.totale <= 0) return;
        progresso_->setRange(0, static_cast<int>(std::min<long>(a.totale, INT_MAX)));
        progresso_->setValue(static_cast<int>(std::min<long>(a.fatto, INT_MAX)));
    };

    connect(tipo_, &QComboBox::currentIndexChanged, this, [this](int t) {
        if (caricamento_) return;
        logica_.ImpostaTipo(t);
        MostraCriteri();
        Mostra();
    });
    connect(gruppoGambe, &QButtonGroup::idClicked, this, [this](int k) {
        logica_.ImpostaGambe(k);
        Mostra();
    });
    connect(doppie_, &QCheckBox::toggled, this, [this](bool d) {
        if (caricamento_) return;
        logica_.ImpostaDoppie(d);
        MostraCriteri();
        Mostra();
    });
    connect(inclusi_, &QListWidget::itemChanged, this, [this](QListWidgetItem* i) {
        if (caricamento_) return;
        logica_.ImpostaIncluso(inclusi_->row(i), i->checkState() == Qt::Checked);
        Mostra();
    });
    connect(calcola_, &QPushButton::clicked, this, &CDlgScommesseQt::Calcola);
    connect(precedente_, &QPushButton::clicked, this, [this] {
        logica_.Precedente();
        Mostra();
    });
    connect(successiva_, &QPushButton::clicked, this, [this] {
        logica_.Successiva();
        Mostra();
    });
    connect(stampaPulsante_, &QPushButton::clicked, this,
            [this] { logica_.Stampa(messaggi_, stampa_, orologio_); });
    connect(calcolata_, &QPushButton::clicked, this, [this] {
        if (const Scommessa* s = logica_.scommessaMostrata()) CDlgScommessaCalcolataQt(*s, this).exec();
    });
    connect(salva_, &QPushButton::clicked, this, &CDlgScommesseQt::SalvaQuote);
    connect(ok, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
}

bool CDlgScommesseQt::Aggiorna(bool datiCambiati) {
    (void)datiCambiati; // any refresh may follow a new analysis: the events are recomputed
    if (!aperta_) {
        if (!logica_.Apri()) return false;
        aperta_ = true;
    } else {
        if (logica_.inCorso()) {
            // The new analysis makes the running calculation stale.
            messaggi_.Errore(kRicercaInCorsoAggiornamento);
            esecutore_.FermaEAttendi();
        }
        bool riavvia = false;
        if (!logica_.Aggiorna(messaggi_, riavvia)) return false;
        MostraCriteri();
        Mostra();
        if (riavvia) Calcola();
        return true;
    }
    MostraCriteri();
    Mostra();
    return true;
}

void CDlgScommesseQt::MostraCriteri() {
    caricamento_ = true;
    tipo_->setCurrentIndex(logica_.tipo());
    for (int l = 0; l < kLimitiCriterio; ++l)
        spin_[static_cast<std::size_t>(l)]->setValue(logica_.posizione(static_cast<LimiteCriterio>(l)));
    doppie_->setChecked(logica_.doppie());
    for (int c = 0; c < kNumeroCampionati; ++c)
        inclusi_->item(c)->setCheckState(logica_.incluso(c) ? Qt::Checked : Qt::Unchecked);
    gambe_[static_cast<std::size_t>(logica_.gambe() - 1)]->setChecked(true);
    caricamento_ = false;
}

void CDlgScommesseQt::Mostra() {
    const bool libero = !logica_.inCorso();
    tipo_->setEnabled(libero);
    inclusi_->setEnabled(libero);
    for (int k = 1; k <= 6; ++k)
        gambe_[static_cast<std::size_t>(k - 1)]->setEnabled(logica_.gambaAbilitata(k));
    for (int l = 0; l < kLimitiCriterio; ++l) {
        const auto lim = static_cast<LimiteCriterio>(l);
        spin_[static_cast<std::size_t>(l)]->setEnabled(logica_.limiteAbilitato(lim));
        testiSpin_[static_cast<std::size_t>(l)]->setEnabled(logica_.limiteAbilitato(lim));
        testiSpin_[static_cast<std::size_t>(l)]->setText(Q(logica_.testoLimite(lim)));
    }
    doppie_->setEnabled(logica_.doppieAbilitato());
    calcola_->setText(Q(logica_.testoCalcola()));
    calcola_->setEnabled(logica_.calcolaAbilitato());
    precedente_->setEnabled(logica_.precedenteAbilitato());
    successiva_->setEnabled(logica_.successivaAbilitato());
    contatore_->setText(Q(logica_.contatore()));
    const auto righe = logica_.righeMostrate();
    for (std::size_t g = 0; g < 6; ++g) {
        const bool c = g < righe.size();
        info_[g]->setVisible(c);
        const std::string testi[7] = {c ? righe[g].campionato : "", c ? righe[g].casa : "",
                                      c ? righe[g].trasferta : "", c ? righe[g].quota : "",
                                      c ? righe[g].probabilita : "", c ? righe[g].segno : "",
                                      c ? righe[g].equita : ""};
        for (std::size_t k = 0; k < 7; ++k) {
            righe_[g][k]->setText(Q(testi[k]));
            righe_[g][k]->setVisible(c);
        }
    }
    totProb_->setText(Q(logica_.totaleProbabilita()));
    totQuota_->setText(Q(logica_.totaleQuota()));
    totEquita_->setText(Q(logica_.totaleEquita()));
    calcolata_->setVisible(logica_.calcolataVisibile());
    stampaPulsante_->setEnabled(logica_.stampaAbilitata());
    salva_->setEnabled(libero);
    // The real plays need a strategy to resolve (and the folder that holds them).
    strategie_->setEnabled(!cartella_.empty() && !dati_.strategie.strategie.empty());
}

void CDlgScommesseQt::Calcola() {
    if (logica_.inCorso()) {
        if (messaggi_.Mostra("Desideri interrompere la Ricerca in corso ?", Icona::Domanda,
                             Pulsanti::SiNo) == Risposta::Si)
            esecutore_.Ferma();
        return;
    }
    if (!logica_.PreparaCalcolo(messaggi_)) return;
    progresso_->setRange(0, 0);
    progresso_->show();
    Mostra();
    const ScommessaMgr copia = dati_.scommesse;
    const int gambe = logica_.gambe();
    AvviaLavoro<std::vector<Scommessa>>(
        esecutore_, "Ricerca delle scommesse in corso",
        [copia, gambe](ContestoLavoro& c) { return CercaScommesse(copia, gambe, 2, &c); },
        [this](EsitoLavoro<std::vector<Scommessa>> e) {
            const bool avviso = logica_.FineCalcolo(std::move(e.risultato), e.fine.fermato);
            progresso_->hide();
            Mostra();
            if (!e.fine.riuscito())
                messaggi_.Errore(e.fine.errore);
            else if (avviso)
                CDlgScommesse::AvvisoNessunaScommessa(messaggi_);
        });
}

void CDlgScommesseQt::SalvaQuote() {
    std::string file;
    if (sceltaFileSalvataggio) {
        file = sceltaFileSalvataggio();
    } else {
        const QString nome = QFileDialog::getSaveFileName(
            this, kTitoloSalvaQuote, Q(NomeProposto(orologio_.Adesso())) + ".QUO",
            "File di Quote (*.QUO)");
        if (nome.isEmpty()) return;
        file = (nome.endsWith(".QUO", Qt::CaseInsensitive) ? nome : nome + ".QUO").toStdString();
    }
    if (file.empty()) return;
    veltra::SalvaQuote(dati_.scommesse, file, messaggi_, static_cast<char>(dati_.versioneDati));
}

void CDlgScommesseQt::done(int r) {
    if (!logica_.PuoChiudere(messaggi_)) return;
    FinestraNonModaleQt::done(r);
}

} // namespace veltra
