#include "betting/CWizardStrategiaQt.h"

#include "app/DatiGlobali.h"
#include "betting/HtmlStrategie.h"
#include "betting/SelezioneScommesse.h"
#include "betting/Strategie.h"
#include "platform/Messaggi.h"
#include "platform/UiComune.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <cmath>

namespace veltra {

namespace {

QSpinBox* Spin(QWidget* p, const char* nome, int da, int a, int valore, const QString& suggerimento,
               const QString& suffisso = QStringLiteral("%")) {
    auto* s = Nomina(new QSpinBox(p), QString::fromUtf8(nome), suggerimento);
    s->setRange(da, a);
    s->setValue(valore);
    s->setSuffix(suffisso);
    return s;
}

int Percento(float v) { return static_cast<int>(std::lround(v * 100.0)); }

} // namespace

CWizardStrategiaQt::CWizardStrategiaQt(DatiGlobali& dati, IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), dati_(dati), messaggi_(messaggi) {
    setWindowTitle(QStringLiteral("TALBOR - Wizard di Creazione Strategia"));
    setObjectName(QString::number(kRisorsa));
    pagine_ = new QStackedWidget(this);

    // Step 1: the abstract events.
    auto* p1 = new QWidget(pagine_);
    auto* v1 = new QVBoxLayout(p1);
    v1->addWidget(new QLabel(QStringLiteral("<b>PASSO 1. : SCELTA DEGLI EVENTI</b>"), p1));
    lettera_ = Nomina(new QLabel(QStringLiteral("A"), p1), QStringLiteral("lettera"));
    campionati_ = Nomina(new QListWidget(p1), QStringLiteral("campionati"));
    for (int c = 0; c < kNumeroCampionati; ++c) {
        auto* i = new QListWidgetItem(Q(Campionato(c).nome), campionati_);
        i->setFlags(i->flags() | Qt::ItemIsUserCheckable);
        i->setCheckState(Qt::Checked);
    }
    campionati_->setMaximumHeight(160);
    tipo_ = Nomina(new QComboBox(p1), QStringLiteral("tipo"), QStringLiteral("Imposta il tipo di pronostico"));
    for (const char* t : kTestiTipoPronostico)
        tipo_->addItem(Q(t));
    posizione_ = Spin(p1, "posizione", 1, 100, 1, QStringLiteral("Seleziona la posizione dell'evento nell'ordinamento"),
                      {});
    minEquita_ = Spin(p1, "minEquita", -100, 100, 0,
                      QStringLiteral("Imposta l'equita' minima degli eventi da considerare nella ricerca"));
    maxEquita_ = Spin(p1, "maxEquita", -100, 100, 100,
                      QStringLiteral("Imposta l'equita' massima degli eventi da considerare nella ricerca"));
    minQuota_ = Nomina(new QDoubleSpinBox(p1), QStringLiteral("minQuota"),
                       QStringLiteral("Imposta la quota minima degli eventi da considerare nella ricerca"));
    maxQuota_ = Nomina(new QDoubleSpinBox(p1), QStringLiteral("maxQuota"),
                       QStringLiteral("Imposta la quota massima degli eventi da considerare nella ricerca"));
    for (auto* q : {minQuota_, maxQuota_}) {
        q->setRange(1.0, 8.67);
        q->setDecimals(2);
        q->setSingleStep(0.01);
    }
    minQuota_->setValue(1.0);
    maxQuota_->setValue(3.0);
    const char* segni[] = {"1", "X", "2"};
    const int minimi[] = {50, 0, 0}, massimi[] = {100, 30, 30};
    auto* form = new QFormLayout;
    auto* intestazione = new QHBoxLayout;
    intestazione->addWidget(new QLabel(QStringLiteral("EVENTO :"), p1));
    intestazione->addWidget(lettera_);
    intestazione->addStretch();
    v1->addLayout(intestazione);
    form->addRow(QStringLiteral("CAMPIONATI INCLUSI :"), campionati_);
    form->addRow(QStringLiteral("TIPO PRONOSTICO :"), tipo_);
    form->addRow(QStringLiteral("POSIZIONE OCCUPATA NELL'ORDINAMENTO :"), posizione_);
    auto coppia = [&](QWidget* a, QWidget* b) {
        auto* h = new QHBoxLayout;
        h->addWidget(a);
        h->addWidget(b);
        return h;
    };
    form->addRow(QStringLiteral("LIMITI DI EQUITA' DELL'EVENTO  :"), coppia(minEquita_, maxEquita_));
    form->addRow(QStringLiteral("LIMITI DI QUOTA DELL'EVENTO  :"), coppia(minQuota_, maxQuota_));
    for (int k = 0; k < 3; ++k) {
        const QString segno = Q(segni[k]);
        minP_[k] = Spin(p1, (std::string("minProb") + segni[k]).c_str(), 0, 100, minimi[k],
                        QStringLiteral("Imposta la probabilita' minima del segno %1 degli eventi da considerare nella ricerca").arg(segno));
        maxP_[k] = Spin(p1, (std::string("maxProb") + segni[k]).c_str(), 0, 100, massimi[k],
                        QStringLiteral("Imposta la probabilita' massima del segno %1 degli eventi da considerare nella ricerca").arg(segno));
        form->addRow(QStringLiteral("LIMITI DI PROBABILITA'  DEL SEGNO '%1' :").arg(segno), coppia(minP_[k], maxP_[k]));
    }
    minDoppia_ = Spin(p1, "minProbDoppia", 0, 100, 85,
                      QStringLiteral("Imposta la probabilita' minima delle Double Chance da considerare nella ricerca"));
    doppie_ = Nomina(new QCheckBox(QStringLiteral("DOPPIE CALCOLATE :"), p1), QStringLiteral("doppieCalcolate"),
                     QStringLiteral("Usa le quote dei risultati finali al posto delle Double Change non quotate o meno convenienti"));
    form->addRow(QStringLiteral("PROBABILITA'  MINIMA DELLA DOUBLE CHANCE :"), minDoppia_);
    form->addRow(QString(), doppie_);
    v1->addLayout(form);
    inserisci_ = Pulsante(QStringLiteral("&Inserisci l'Evento"), QStringLiteral("inserisciEvento"),
                          QStringLiteral("Inserisci l'evento definito e continua con la definizione dell'evento successivo"));
    togli_ = Pulsante(QStringLiteral("&Togli l'ultimo Evento"), QStringLiteral("togliEvento"));
    prosegui1_ = Pulsante(QStringLiteral("&Prosegui >>"), QStringLiteral("prosegui1"),
                          QStringLiteral("Termina l'inserimento degli eventi"));
    auto* annulla1 = Pulsante(QStringLiteral("Cancella"), QStringLiteral("IDCANCEL"));
    v1->addLayout(RigaPulsanti({inserisci_, togli_}, {prosegui1_, annulla1}));
    connect(inserisci_, &QPushButton::clicked, this, [this] { InserisciEvento(); });
    connect(togli_, &QPushButton::clicked, this, [this] { TogliUltimoEvento(); });
    connect(prosegui1_, &QPushButton::clicked, this, [this] { Prosegui(); });
    connect(annulla1, &QPushButton::clicked, this, &QDialog::reject);
    connect(campionati_, &QListWidget::itemChanged, this, [this] { AggiornaPulsanti(); });
    connect(tipo_, &QComboBox::currentIndexChanged, this, [this] { AggiornaPulsanti(); });

    // Step 2: the plays.
    auto* p2 = new QWidget(pagine_);
    auto* v2 = new QVBoxLayout(p2);
    v2->addWidget(new QLabel(QStringLiteral("<b>PASSO 2. : CREAZIONE DELLE GIOCATE</b>"), p2));
    lettera2_ = Nomina(new QLabel(p2), QStringLiteral("lettera2"));
    descrizione2_ = Nomina(new QLabel(p2), QStringLiteral("descrizioneEvento"));
    auto* prec = Pulsante(QStringLiteral("<<"), QStringLiteral("eventoPrecedente"));
    auto* succ = Pulsante(QStringLiteral(">>"), QStringLiteral("eventoSuccessivo"));
    connect(prec, &QPushButton::clicked, this, [this] { MostraEvento(mostrato_ - 1); });
    connect(succ, &QPushButton::clicked, this, [this] { MostraEvento(mostrato_ + 1); });
    auto* sinistra = new QVBoxLayout;
    auto* he = new QHBoxLayout;
    he->addWidget(new QLabel(QStringLiteral("EVENTO :"), p2));
    he->addWidget(lettera2_);
    he->addWidget(prec);
    he->addWidget(succ);
    he->addStretch();
    sinistra->addLayout(he);
    sinistra->addWidget(descrizione2_);
    sinistra->addStretch();
    auto* aggiungi = Pulsante(QStringLiteral("&Aggiungi  >>"), QStringLiteral("aggiungi"));
    togliGiocata_ = Pulsante(QStringLiteral("<<  &Togli"), QStringLiteral("togli"));
    connect(aggiungi, &QPushButton::clicked, this, [this] { AggiungiAllaGiocata(); });
    connect(togliGiocata_, &QPushButton::clicked, this, [this] { TogliDallaGiocata(giocata_lista_->currentRow()); });
    auto* centro = new QVBoxLayout;
    centro->addStretch();
    centro->addWidget(aggiungi);
    centro->addWidget(togliGiocata_);
    centro->addStretch();
    auto* destra = new QVBoxLayout;
    numeroGiocata_ = Nomina(new QLabel(p2), QStringLiteral("numeroGiocata"));
    auto* hd = new QHBoxLayout;
    hd->addWidget(new QLabel(QStringLiteral("EVENTI GIOCATA N."), p2));
    hd->addWidget(numeroGiocata_);
    hd->addStretch();
    destra->addLayout(hd);
    giocata_lista_ = Nomina(new QListWidget(p2), QStringLiteral("giocata"));
    connect(giocata_lista_, &QListWidget::itemDoubleClicked, this,
            [this] { TogliDallaGiocata(giocata_lista_->currentRow()); });
    destra->addWidget(giocata_lista_);
    auto* corpo = new QHBoxLayout;
    corpo->addLayout(sinistra, 1);
    corpo->addLayout(centro);
    corpo->addLayout(destra, 1);
    v2->addLayout(corpo, 1);
    inserisciGiocata_ = Pulsante(QStringLiteral("&Inserisci la Giocata"), QStringLiteral("inserisciGiocata"));
    togliUltima_ = Pulsante(QStringLiteral("T&ogli l'ultima Giocata"), QStringLiteral("togliGiocata"));
    prosegui2_ = Pulsante(QStringLiteral("&Prosegui >>"), QStringLiteral("prosegui2"));
    auto* annulla2 = Pulsante(QStringLiteral("Cancella"), QStringLiteral("annulla2"));
    connect(inserisciGiocata_, &QPushButton::clicked, this, [this] { InserisciGiocata(); });
    connect(togliUltima_, &QPushButton::clicked, this, [this] { TogliUltimaGiocata(); });
    connect(prosegui2_, &QPushButton::clicked, this, [this] { Prosegui(); });
    connect(annulla2, &QPushButton::clicked, this, &QDialog::reject);
    v2->addLayout(RigaPulsanti({inserisciGiocata_, togliUltima_}, {prosegui2_, annulla2}));

    // Step 3: name and description.
    auto* p3 = new QWidget(pagine_);
    auto* v3 = new QVBoxLayout(p3);
    v3->addWidget(new QLabel(QStringLiteral("<b>PASSO 3 : NOME E DESCRIZIONE DELLA STRATEGIA</b>"), p3));
    nome_ = Nomina(new QLineEdit(p3), QStringLiteral("nome"));
    descrizione_ = Nomina(new QPlainTextEdit(p3), QStringLiteral("descrizione"));
    v3->addWidget(new QLabel(QStringLiteral("NOME DELLA STRATEGIA :"), p3));
    v3->addWidget(nome_);
    v3->addWidget(new QLabel(QStringLiteral("DESCRIZIONE :"), p3));
    v3->addWidget(descrizione_, 1);
    auto* ok = Pulsante(QStringLiteral("&OK"), QStringLiteral("IDOK"));
    auto* annulla3 = Pulsante(QStringLiteral("Cancella"), QStringLiteral("annulla3"));
    connect(ok, &QPushButton::clicked, this, [this] { Conferma(nome_->text(), descrizione_->toPlainText()); });
    connect(annulla3, &QPushButton::clicked, this, &QDialog::reject);
    v3->addLayout(RigaPulsanti({}, {ok, annulla3}));

    pagine_->addWidget(p1);
    pagine_->addWidget(p2);
    pagine_->addWidget(p3);
    auto* v = new QVBoxLayout(this);
    v->addWidget(pagine_);
    AggiornaPulsanti();
}

CWizardStrategiaQt::CWizardStrategiaQt(DatiGlobali& dati, IMessaggi& messaggi, Modifica modifica, int indice,
                                       int evento, QWidget* parent)
    : CWizardStrategiaQt(dati, messaggi, parent) {
    modifica_ = modifica;
    indice_ = indice;
    eventoModificato_ = evento;
    const CStrategiaDesc& s = dati_.strategie.strategie.at(static_cast<std::size_t>(indice));
    if (modifica == Modifica::Evento) {
        setWindowTitle(QStringLiteral("MODIFICA EVENTO"));
        ImpostaModulo(s.eventiStrategia.at(static_cast<std::size_t>(evento)));
        lettera_->setText(QString(QChar('A' + evento)));
        inserisci_->hide();
        togli_->hide();
        prosegui1_->setText(QStringLiteral("&Modifica"));
        disconnect(prosegui1_, nullptr, this, nullptr);
        connect(prosegui1_, &QPushButton::clicked, this, [this] { ConfermaModifica(); });
    } else {
        setWindowTitle(QStringLiteral("MODIFICA NOME E DESCRIZIONE DELLA STRATEGIA"));
        nome_->setText(Q(s.nome));
        descrizione_->setPlainText(Q(s.descrizione));
        pagine_->setCurrentIndex(2);
    }
    AggiornaPulsanti();
}

void CWizardStrategiaQt::ConfermaModifica() {
    CStrategiaDesc& s = dati_.strategie.strategie.at(static_cast<std::size_t>(indice_));
    if (modifica_ == Modifica::Evento) {
        s.eventiStrategia.at(static_cast<std::size_t>(eventoModificato_)) = EventoDelModulo();
        // Yields recorded under the old number no longer apply.
        RinumeraStrategia(s, dati_.prossimoIdStrategia);
    } else {
        s.nome = nome_->text().toStdString();
        s.descrizione = descrizione_->toPlainText().toStdString();
    }
    dati_.datiModificati = 1;
    accept();
}

int CWizardStrategiaQt::passo() const { return pagine_->currentIndex() + 1; }

EventoStrategia CWizardStrategiaQt::EventoDelModulo() const {
    EventoStrategia e;
    e.tipo = static_cast<std::int16_t>(tipo_->currentIndex());
    e.posizione = static_cast<std::int16_t>(posizione_->value());
    e.minEquita = 1.0f + static_cast<float>(minEquita_->value()) / 100.0f;
    e.maxEquita = 1.0f + static_cast<float>(maxEquita_->value()) / 100.0f;
    e.minQuota = static_cast<float>(minQuota_->value());
    e.maxQuota = static_cast<float>(maxQuota_->value());
    float* mi[] = {&e.minProb1, &e.minProbX, &e.minProb2};
    float* ma[] = {&e.maxProb1, &e.maxProbX, &e.maxProb2};
    for (int k = 0; k < 3; ++k) {
        *mi[k] = static_cast<float>(minP_[k]->value()) / 100.0f;
        *ma[k] = static_cast<float>(maxP_[k]->value()) / 100.0f;
    }
    e.minProbDoppia = static_cast<float>(minDoppia_->value()) / 100.0f;
    e.doppieCalcolate = doppie_->isChecked() ? 1 : 0;
    for (int c = 0; c < kNumeroCampionati; ++c)
        e.inclusi[static_cast<std::size_t>(c)] = campionati_->item(c)->checkState() == Qt::Checked;
    return e;
}

void CWizardStrategiaQt::ImpostaModulo(const EventoStrategia& e) {
    tipo_->setCurrentIndex(e.tipo);
    posizione_->setValue(e.posizione);
    minEquita_->setValue(Percento(e.minEquita - 1.0f));
    maxEquita_->setValue(Percento(e.maxEquita - 1.0f));
    minQuota_->setValue(e.minQuota);
    maxQuota_->setValue(e.maxQuota);
    const float mi[] = {e.minProb1, e.minProbX, e.minProb2}, ma[] = {e.maxProb1, e.maxProbX, e.maxProb2};
    for (int k = 0; k < 3; ++k) {
        minP_[k]->setValue(Percento(mi[k]));
        maxP_[k]->setValue(Percento(ma[k]));
    }
    minDoppia_->setValue(Percento(e.minProbDoppia));
    doppie_->setChecked(e.doppieCalcolate != 0);
    for (int c = 0; c < kNumeroCampionati; ++c)
        campionati_->item(c)->setCheckState(e.inclusi[static_cast<std::size_t>(c)] ? Qt::Checked : Qt::Unchecked);
}

bool CWizardStrategiaQt::InserisciEvento() {
    if (tipo_->currentIndex() < 0) {
        messaggi_.Mostra("ATTENZIONE !\n\nNon è stato selezionato un tipo di pronostico", Icona::Esclamazione);
        return false;
    }
    if (s_.eventiStrategia.size() >= static_cast<std::size_t>(kMaxEventiStrategia)) return false;
    s_.eventiStrategia.push_back(EventoDelModulo());
    AggiornaPulsanti();
    return true;
}

void CWizardStrategiaQt::TogliUltimoEvento() {
    if (!s_.eventiStrategia.empty()) s_.eventiStrategia.pop_back();
    AggiornaPulsanti();
}

void CWizardStrategiaQt::MostraEvento(int indice) {
    const int n = static_cast<int>(s_.eventiStrategia.size());
    if (n == 0) return;
    mostrato_ = std::clamp(indice, 0, n - 1);
    lettera2_->setText(QString(QChar('A' + mostrato_)));
    QStringList righe;
    for (const auto& r : DescrizioneEventoStrategia(s_.eventiStrategia[static_cast<std::size_t>(mostrato_)], mostrato_))
        righe << Q(r);
    righe.removeFirst();
    descrizione2_->setText(righe.join('\n'));
}

void CWizardStrategiaQt::AggiungiAllaGiocata() {
    if (s_.eventiStrategia.empty()) return;
    giocata_.push_back(static_cast<std::int16_t>(mostrato_));
    giocata_lista_->addItem(QStringLiteral("Evento %1").arg(QChar('A' + mostrato_)));
    AggiornaPulsanti();
}

void CWizardStrategiaQt::TogliDallaGiocata(int riga) {
    if (riga < 0 || riga >= static_cast<int>(giocata_.size())) {
        messaggi_.Mostra("Selezionare un evento dalla lista di destra.", Icona::Esclamazione);
        return;
    }
    giocata_.erase(giocata_.begin() + riga);
    delete giocata_lista_->takeItem(riga);
    AggiornaPulsanti();
}

void CWizardStrategiaQt::InserisciGiocata() {
    if (giocata_.empty()) return;
    s_.giocate.push_back(giocata_);
    giocata_.clear();
    giocata_lista_->clear();
    AggiornaPulsanti();
}

void CWizardStrategiaQt::TogliUltimaGiocata() {
    if (!s_.giocate.empty()) s_.giocate.pop_back();
    AggiornaPulsanti();
}

void CWizardStrategiaQt::Prosegui() {
    if (passo() == 1 && !s_.eventiStrategia.empty()) {
        pagine_->setCurrentIndex(1);
        MostraEvento(0);
    } else if (passo() == 2 && !s_.giocate.empty()) {
        pagine_->setCurrentIndex(2);
    }
    AggiornaPulsanti();
}

void CWizardStrategiaQt::Conferma(const QString& nome, const QString& descrizione) {
    if (modifica_) {
        nome_->setText(nome);
        descrizione_->setPlainText(descrizione);
        ConfermaModifica();
        return;
    }
    s_.nome = nome.toStdString();
    s_.descrizione = descrizione.toStdString();
    if (const std::string e = ControllaStrategia(s_); !e.empty()) {
        messaggi_.Mostra(e, Icona::Esclamazione);
        return;
    }
    AggiungiStrategia(dati_.strategie, dati_.prossimoIdStrategia, s_);
    dati_.datiModificati = 1;
    accept();
}

void CWizardStrategiaQt::AggiornaPulsanti() {
    const int n = static_cast<int>(s_.eventiStrategia.size());
    bool qualcuno = false;
    for (int c = 0; c < kNumeroCampionati; ++c)
        qualcuno = qualcuno || campionati_->item(c)->checkState() == Qt::Checked;
    if (!modifica_) lettera_->setText(n < kMaxEventiStrategia ? QString(QChar('A' + n)) : QStringLiteral("-"));
    inserisci_->setEnabled(qualcuno && n < kMaxEventiStrategia);
    prosegui1_->setEnabled(qualcuno && (n > 0 || modifica_));
    togli_->setEnabled(n > 0);
    // Types 0..10 play a single sign, 11..13 the double chances.
    const bool doppie = TipoDoppie(tipo_->currentIndex());
    for (int k = 0; k < 3; ++k) {
        minP_[k]->setEnabled(!doppie);
        maxP_[k]->setEnabled(!doppie);
    }
    minDoppia_->setEnabled(doppie);
    doppie_->setEnabled(doppie);
    numeroGiocata_->setText(QString::number(s_.giocate.size() + 1));
    togliGiocata_->setEnabled(!giocata_.empty());
    inserisciGiocata_->setEnabled(!giocata_.empty());
    togliUltima_->setEnabled(!s_.giocate.empty());
    // A strategy needs at least one play.
    prosegui2_->setEnabled(!s_.giocate.empty());
}

} // namespace veltra
