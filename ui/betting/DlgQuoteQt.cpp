#include "DlgQuoteQt.h"

#include "betting/FileQuote.h"
#include "dati/Campionati.h"
#include "platform/Messaggi.h"
#include "platform/UiComune.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace veltra {

namespace {

QString NomeCampionato(int c) { return Q(std::string(Campionato(c).nome)); }

QLineEdit* CampoQuota(const QString& nome, const QString& suggerimento) {
    auto* e = Nomina(new QLineEdit, nome, suggerimento);
    e->setMaxLength(5);
    e->setFixedWidth(52);
    return e;
}

const char* const kAggiungi = "&Aggiungi  >>";
const char* const kTogli = "<<  &Togli";

// The row of the six odds of one event (dialogs 225 and 247), the fields
// filled from `testi`.
QHBoxLayout* RigaQuote(std::array<QLineEdit*, 6>& campi, const std::array<std::string, 6>& testi) {
    auto* q = new QHBoxLayout;
    for (std::size_t k = 0; k < 6; ++k) {
        q->addWidget(new QLabel(kNomiQuote[k]));
        campi[k] = CampoQuota(QString("quota") + kNomiQuote[k], {});
        campi[k]->setText(Q(testi[k]));
        q->addWidget(campi[k]);
    }
    return q;
}

void LeggiQuote(const std::array<QLineEdit*, 6>& campi, std::array<std::string, 6>& testi) {
    for (std::size_t k = 0; k < 6; ++k) testi[k] = campi[k]->text().toStdString();
}

// The team list with its two buttons (dialogs 225 and 247): "Aggiungi" or a
// double click places the selected team, "Togli" takes back the last one;
// `mostra` refreshes the dialog after either.
template <class Logica>
void CollegaSquadre(QDialog* d, Logica& logica, IMessaggi& messaggi, QListWidget* squadre,
                    QPushButton* aggiungi, QPushButton* togli, std::function<void()> mostra) {
    auto piu = [&logica, &messaggi, squadre, mostra] {
        logica.Aggiungi(squadre->currentRow(), messaggi);
        mostra();
    };
    QObject::connect(aggiungi, &QPushButton::clicked, d, piu);
    QObject::connect(squadre, &QListWidget::itemDoubleClicked, d, piu);
    QObject::connect(togli, &QPushButton::clicked, d, [&logica, mostra] {
        logica.Togli();
        mostra();
    });
}

} // namespace

// ---- 212 ----

CDlgSelezioneCampionatiQt::CDlgSelezioneCampionatiQt(CDlgSelezioneCampionati& logica,
                                                     IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), logica_(logica), messaggi_(messaggi) {
    setObjectName(QString::number(kRisorsa));
    setWindowTitle(Q(logica_.titolo()));
    sinistra_ = Nomina(new QListWidget, "sinistra",
                       "Selezionare il campionato da inserire nel gruppo delle scommesse");
    destra_ = Nomina(new QListWidget, "destra",
                     "Visualizza il gruppo dei campionati selezionati per le scommesse");
    auto* aggiungi = Pulsante(kAggiungi, "aggiungi", "Inserisce nel gruppo dei campionati quello selezionato");
    auto* togli = Pulsante(kTogli, "togli", "Toglie dal gruppo dei campionati quello selezionato");
    auto* carica = Pulsante("Carica &Quote", "caricaQuote", "Carica un file di quote precedentemente salvato");
    continua_ = Pulsante("Continua >>", "IDOK");
    auto* annulla = Pulsante("&Cancella", "IDCANCEL");
    auto* centro = new QVBoxLayout;
    centro->addStretch();
    centro->addWidget(aggiungi);
    centro->addWidget(togli);
    centro->addStretch();
    centro->addWidget(carica);
    auto* liste = new QHBoxLayout;
    liste->addWidget(sinistra_);
    liste->addLayout(centro);
    liste->addWidget(destra_);
    auto* tutto = new QVBoxLayout(this);
    auto* testa = new QLabel(Q(logica_.intestazione()));
    testa->setAlignment(Qt::AlignCenter);
    tutto->addWidget(testa);
    tutto->addLayout(liste);
    carica->setVisible(logica_.caricaQuoteVisibile());
    if (logica_.sceltaOrigineVisibile()) {
        auto* archivio = Nomina(new QRadioButton(CDlgSelezioneCampionati::kDaArchivio), "daArchivio");
        auto* correnti = Nomina(new QRadioButton(CDlgSelezioneCampionati::kDaCorrenti), "daCorrenti");
        (logica_.daArchivio ? archivio : correnti)->setChecked(true);
        connect(archivio, &QRadioButton::toggled, this, [this](bool si) { logica_.daArchivio = si; });
        auto* origine = new QHBoxLayout;
        origine->addWidget(archivio);
        origine->addWidget(correnti);
        origine->addStretch();
        tutto->addLayout(origine);
    }
    tutto->addLayout(RigaPulsanti({}, {continua_, annulla}));
    auto id = [](QListWidget* l) {
        auto* i = l->currentItem();
        return i ? i->data(Qt::UserRole).toInt() : -1;
    };
    auto piu = [this, id] {
        logica_.Aggiungi(id(sinistra_), messaggi_);
        Mostra();
    };
    auto meno = [this, id] {
        logica_.Togli(id(destra_), messaggi_);
        Mostra();
    };
    connect(aggiungi, &QPushButton::clicked, this, piu);
    connect(sinistra_, &QListWidget::itemDoubleClicked, this, piu);
    connect(togli, &QPushButton::clicked, this, meno);
    connect(destra_, &QListWidget::itemDoubleClicked, this, meno);
    connect(carica, &QPushButton::clicked, this, [this] {
        std::string file;
        if (sceltaFile) {
            file = sceltaFile();
        } else {
            file = QFileDialog::getOpenFileName(this, kTitoloCaricaQuote, {}, "File di Quote (*.QUO)")
                       .toStdString();
        }
        if (file.empty()) return;
        if (logica_.CaricaQuote(file, messaggi_)) accept();
    });
    connect(continua_, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    Mostra();
}

void CDlgSelezioneCampionatiQt::mousePressEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (e->button() != Qt::LeftButton || !logica_.caricaQuoteVisibile() || p.x() < 0 || p.y() < 0 ||
        p.x() > CCaricaFile::kAngolo || p.y() > CCaricaFile::kAngolo) {
        QDialog::mousePressEvent(e);
        return;
    }
    std::string file;
    if (percorsoDigitato) {
        file = percorsoDigitato();
    } else {
        CCaricaFile logica;
        CCaricaFileQt d(logica, messaggi_, this);
        if (d.exec() == QDialog::Accepted) file = logica.percorso;
    }
    if (file.empty()) return;
    if (logica_.CaricaQuote(file, messaggi_)) accept();
}

CCaricaFileQt::CCaricaFileQt(CCaricaFile& logica, IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), logica_(logica), messaggi_(messaggi) {
    setObjectName(QString::number(kRisorsa));
    setWindowTitle(CCaricaFile::kTitolo);
    campo_ = Nomina(new QLineEdit, "percorso");
    campo_->setMinimumWidth(360);
    auto* ok = Pulsante("&OK", "IDOK");
    auto* annulla = Pulsante("&Cancella", "IDCANCEL");
    ok->setDefault(true);
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(new QLabel(CCaricaFile::kDomanda));
    tutto->addWidget(campo_);
    tutto->addLayout(RigaPulsanti({}, {ok, annulla}));
    connect(ok, &QPushButton::clicked, this, &CCaricaFileQt::Ok);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
}

void CCaricaFileQt::Ok() {
    if (logica_.Conferma(campo_->text().toStdString(), messaggi_)) accept();
}

void CDlgSelezioneCampionatiQt::Mostra() {
    for (auto [lista, ids] : {std::pair{sinistra_, logica_.sinistra()}, std::pair{destra_, logica_.destra()}}) {
        lista->clear();
        for (int c : ids) {
            auto* i = new QListWidgetItem(NomeCampionato(c));
            i->setData(Qt::UserRole, c);
            lista->addItem(i);
        }
    }
    continua_->setEnabled(logica_.continuaAbilitato());
}

// ---- 180 ----

CDlgImmissioneQuoteQt::CDlgImmissioneQuoteQt(CDlgImmissioneQuote& logica, IMessaggi& messaggi,
                                             QWidget* parent)
    : QDialog(parent), logica_(logica), messaggi_(messaggi) {
    setObjectName(QString::number(kRisorsa));
    setWindowTitle(Q(logica_.titolo()));
    const bool modifica = logica_.modo() == CDlgImmissioneQuote::Modo::Modifica;
    squadre_ = Nomina(new QListWidget, "squadre", "Selezionare la squadra da inserire nel gruppo delle scommesse");
    aggiungi_ = Pulsante(kAggiungi, "aggiungi", "Inserisce nel gruppo delle scommesse la squadra selezionata");
    togli_ = Pulsante(kTogli, "togli", "Toglie dal gruppo delle scommesse l'ultima squadra inserita");
    prosegui_ = Pulsante("&Inserisci e prosegui >>", "prosegui",
                         "Inserisce le scommesse e consente di inserirne altre della stessa Serie");
    continua_ = Pulsante("Continua >>", "IDOK",
                         "Prosegue con l'introduzione delle quote degli altri campionati e con la "
                         "selezione delle scommesse");
    auto* annulla = Pulsante("&Cancella", "IDCANCEL");

    auto* righe = new QGridLayout;
    righe->addWidget(new QLabel("Casa"), 0, 0);
    righe->addWidget(new QLabel("Trasferta"), 0, 1);
    for (int k = 0; k < 6; ++k)
        righe->addWidget(new QLabel(kNomiQuote[static_cast<std::size_t>(k)]), 0, 2 + k, Qt::AlignCenter);
    if (modifica) {
        righe->addWidget(new QLabel("Data"), 0, 8);
        righe->addWidget(new QLabel("Elimina"), 0, 9);
    }
    for (int r = 0; r < 10; ++r) {
        const auto i = static_cast<std::size_t>(r);
        casa_[i] = Nomina(new QLabel, QString("casa%1").arg(r + 1));
        trasferta_[i] = Nomina(new QLabel, QString("trasferta%1").arg(r + 1));
        casa_[i]->setMinimumWidth(110);
        trasferta_[i]->setMinimumWidth(110);
        righe->addWidget(casa_[i], r + 1, 0);
        righe->addWidget(trasferta_[i], r + 1, 1);
        for (int k = 0; k < 6; ++k) {
            quote_[i][static_cast<std::size_t>(k)] =
                CampoQuota(QString("quota%1_%2").arg(r + 1).arg(kNomiQuote[static_cast<std::size_t>(k)]),
                           Q(CDlgImmissioneQuote::SuggerimentoQuota(r, k)));
            righe->addWidget(quote_[i][static_cast<std::size_t>(k)], r + 1, 2 + k);
        }
        date_[i] = Nomina(new QLineEdit, QString("data%1").arg(r + 1));
        date_[i]->setReadOnly(true);
        elimina_[i] = Nomina(new QCheckBox, QString("elimina%1").arg(r + 1),
                             Q(CDlgImmissioneQuote::SuggerimentoElimina(r)));
        if (modifica) {
            righe->addWidget(date_[i], r + 1, 8);
            righe->addWidget(elimina_[i], r + 1, 9);
        } else {
            date_[i]->hide();
            elimina_[i]->hide();
        }
    }
    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(squadre_);
    sinistra->addWidget(aggiungi_);
    sinistra->addWidget(togli_);
    auto* centro = new QHBoxLayout;
    if (!modifica) centro->addLayout(sinistra);
    else {
        squadre_->hide();
        aggiungi_->hide();
        togli_->hide();
    }
    centro->addLayout(righe);
    auto* tutto = new QVBoxLayout(this);
    auto* testa = new QLabel(Q(logica_.intestazione()));
    testa->setAlignment(Qt::AlignCenter);
    tutto->addWidget(testa);
    tutto->addLayout(centro);
    tutto->addLayout(RigaPulsanti({}, {prosegui_, continua_, annulla}));

    auto piu = [this] {
        auto* i = squadre_->currentItem();
        LeggiCampi();
        logica_.Aggiungi(i ? i->data(Qt::UserRole).toInt() : -1, messaggi_);
        Mostra();
    };
    connect(aggiungi_, &QPushButton::clicked, this, piu);
    connect(squadre_, &QListWidget::itemDoubleClicked, this, piu);
    connect(togli_, &QPushButton::clicked, this, [this] {
        LeggiCampi();
        logica_.Togli();
        Mostra();
    });
    connect(prosegui_, &QPushButton::clicked, this, [this] {
        LeggiCampi();
        logica_.Prosegui(messaggi_);
        Mostra();
    });
    connect(continua_, &QPushButton::clicked, this, [this] {
        LeggiCampi();
        if (logica_.MemorizzaPagina(messaggi_)) accept();
    });
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    Mostra();
}

void CDlgImmissioneQuoteQt::LeggiCampi() {
    for (std::size_t r = 0; r < 10; ++r) {
        auto& riga = logica_.righe()[r];
        for (std::size_t k = 0; k < 6; ++k)
            riga.quote[k] = quote_[r][k]->text().toStdString();
        riga.elimina = elimina_[r]->isChecked();
    }
}

void CDlgImmissioneQuoteQt::Mostra() {
    squadre_->clear();
    for (int s : logica_.libere()) {
        auto* i = new QListWidgetItem(Q(logica_.nomi()[static_cast<std::size_t>(s)]));
        i->setData(Qt::UserRole, s);
        squadre_->addItem(i);
    }
    const auto nome = [&](int s) {
        return s >= 0 ? Q(logica_.nomi()[static_cast<std::size_t>(s)]) : QString();
    };
    for (std::size_t r = 0; r < 10; ++r) {
        const auto& riga = logica_.righe()[r];
        casa_[r]->setText(nome(riga.casa));
        trasferta_[r]->setText(nome(riga.trasferta));
        const bool attiva = logica_.quoteModificabili(static_cast<int>(r));
        for (std::size_t k = 0; k < 6; ++k) {
            quote_[r][k]->setText(Q(riga.quote[k]));
            quote_[r][k]->setEnabled(attiva);
        }
        date_[r]->setText(riga.casa >= 0 ? Q(riga.data) : QString());
        elimina_[r]->setChecked(riga.elimina);
        elimina_[r]->setEnabled(attiva);
    }
    aggiungi_->setEnabled(logica_.aggiungiAbilitato());
    togli_->setEnabled(logica_.togliAbilitato());
    prosegui_->setEnabled(logica_.inserisciProseguiAbilitato());
    continua_->setEnabled(logica_.continuaAbilitato());
}

// ---- 225 ----

CDlgAggiuntaEventoQt::CDlgAggiuntaEventoQt(CDlgAggiuntaEvento& logica, IMessaggi& messaggi,
                                           QWidget* parent)
    : QDialog(parent), logica_(logica), messaggi_(messaggi) {
    setObjectName(QString::number(kRisorsa));
    setWindowTitle("TALBOR - Aggiunta Evento");
    campionato_ = Nomina(new QComboBox, "campionato", "Selezionare il campionato di interesse");
    for (int c = 0; c < kNumeroCampionati; ++c)
        campionato_->addItem(NomeCampionato(c));
    campionato_->setCurrentIndex(-1);
    squadre_ = Nomina(new QListWidget, "squadre");
    auto* aggiungi = Pulsante(kAggiungi, "aggiungi");
    auto* togli = Pulsante(kTogli, "togli");
    casa_ = Nomina(new QLabel, "casa");
    trasferta_ = Nomina(new QLabel, "trasferta");
    auto* g = new QGridLayout;
    g->addWidget(new QLabel("Casa"), 0, 0);
    g->addWidget(casa_, 0, 1);
    g->addWidget(new QLabel("Trasferta"), 1, 0);
    g->addWidget(trasferta_, 1, 1);
    auto* q = RigaQuote(quote_, logica_.quote);
    auto* ok = Pulsante("&OK", "IDOK");
    auto* annulla = Pulsante("&Cancella", "IDCANCEL");
    auto* tutto = new QVBoxLayout(this);
    auto* testa = new QHBoxLayout;
    testa->addWidget(new QLabel(CDlgAggiuntaEvento::kIntestazione));
    testa->addWidget(campionato_);
    tutto->addLayout(testa);
    auto* mezzo = new QHBoxLayout;
    mezzo->addWidget(squadre_);
    auto* bott = new QVBoxLayout;
    bott->addWidget(aggiungi);
    bott->addWidget(togli);
    bott->addLayout(g);
    bott->addStretch();
    mezzo->addLayout(bott);
    tutto->addLayout(mezzo);
    tutto->addLayout(q);
    tutto->addLayout(RigaPulsanti({}, {ok, annulla}));
    connect(campionato_, &QComboBox::currentIndexChanged, this, [this](int c) {
        logica_.ScegliCampionato(c);
        Mostra();
    });
    CollegaSquadre(this, logica_, messaggi_, squadre_, aggiungi, togli, [this] { Mostra(); });
    connect(ok, &QPushButton::clicked, this, [this] {
        LeggiQuote(quote_, logica_.quote);
        if (logica_.Conferma(messaggi_)) accept();
    });
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    Mostra();
}

void CDlgAggiuntaEventoQt::Mostra() {
    squadre_->clear();
    for (const auto& n : logica_.nomi())
        squadre_->addItem(Q(n));
    const auto nome = [&](int s) {
        return s >= 0 ? Q(logica_.nomi()[static_cast<std::size_t>(s)]) : QString();
    };
    casa_->setText(nome(logica_.casa()));
    trasferta_->setText(nome(logica_.trasferta()));
}

// ---- 247 ----

CompletamentoEventoQt::CompletamentoEventoQt(CompletamentoEvento& logica,
                                             const std::string& riconosciuta, IMessaggi& messaggi,
                                             QWidget* parent)
    : QDialog(parent), logica_(logica), messaggi_(messaggi) {
    setObjectName(QString::number(kRisorsa));
    setWindowTitle("TALBOR - Completamento Evento");
    squadre_ = Nomina(new QListWidget, "squadre");
    for (const auto& n : logica_.nomi())
        squadre_->addItem(Q(n));
    auto* inCasa = Nomina(new QRadioButton("... GIOCA IN CASA"), "giocaInCasa");
    auto* fuori = Nomina(new QRadioButton("... GIOCA IN TRASFERTA"), "giocaInTrasferta");
    inCasa->setChecked(true);
    casa_ = Nomina(new QLabel, "casa");
    trasferta_ = Nomina(new QLabel, "trasferta");
    auto* aggiungi = Pulsante(kAggiungi, "aggiungi");
    auto* togli = Pulsante(kTogli, "togli");
    auto* q = RigaQuote(quote_, logica_.quote);
    auto* ok = Pulsante("&OK", "IDOK");
    auto* ignora = Pulsante("&Ignora", "ignora");
    auto* ignoraTutti = Pulsante("Ignora &Tutti", "ignoraTutti");
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(new QLabel(CompletamentoEvento::kIntestazione));
    tutto->addWidget(new QLabel(Q(riconosciuta) + "   (" + Q(logica_.avversariaTesto()) + ")"));
    auto* mezzo = new QHBoxLayout;
    mezzo->addWidget(squadre_);
    auto* destra = new QVBoxLayout;
    destra->addWidget(inCasa);
    destra->addWidget(fuori);
    destra->addWidget(aggiungi);
    destra->addWidget(togli);
    destra->addWidget(casa_);
    destra->addWidget(trasferta_);
    destra->addStretch();
    mezzo->addLayout(destra);
    tutto->addLayout(mezzo);
    tutto->addLayout(q);
    tutto->addLayout(RigaPulsanti({ignora, ignoraTutti}, {ok}));
    connect(inCasa, &QRadioButton::toggled, this, [this](bool c) {
        logica_.GiocaInCasa(c);
        Mostra();
    });
    CollegaSquadre(this, logica_, messaggi_, squadre_, aggiungi, togli, [this] { Mostra(); });
    connect(ok, &QPushButton::clicked, this, [this] {
        LeggiQuote(quote_, logica_.quote);
        esito_ = logica_.Conferma(messaggi_);
        if (esito_) accept();
    });
    connect(ignora, &QPushButton::clicked, this, [this] { done(Ignora); });
    connect(ignoraTutti, &QPushButton::clicked, this, [this] { done(IgnoraTutti); });
    Mostra();
}

void CompletamentoEventoQt::Mostra() {
    casa_->setText(Q(logica_.casa()));
    trasferta_->setText(Q(logica_.trasferta()));
}

} // namespace veltra
