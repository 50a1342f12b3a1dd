#include "net/CDlgAggiornamentoDatiQt.h"

#include "app/DatiGlobali.h"
#include "app/importa/AggiornamentoFonti.h"

#include "platform/EsecutoreLavoriQt.h"
#include "platform/UiComune.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <ctime>

namespace veltra {

namespace {

// The log's lines end in "\r\r\n"; the field shows plain lines.
QString TestoLog(const std::string& testo) {
    QString t = Q(testo);
    t.replace(QStringLiteral("\r\r\n"), QStringLiteral("\n"));
    t.remove(QLatin1Char('\r'));
    return t;
}

} // namespace

CDlgAggiornamentoDatiQt::CDlgAggiornamentoDatiQt(DatiGlobali& dati,
                                                 std::vector<CampionatoId> campionati,
                                                 std::filesystem::path cartella,
                                                 std::string& indirizzo, IHttp& http,
                                                 IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent),
      logica_(dati, campionati, cartella, indirizzo, messaggi),
      fonti_(std::make_unique<AggiornamentoFonti>(dati, campionati, cartella, messaggi)),
      http_(http),
      esecutore_(std::make_unique<EsecutoreLavoriQt>(this, EsecutoreLavoriQt::Progresso::Nessuna)) {
    setObjectName("AggiornamentoDati");
    setWindowTitle(Q(CDlgAggiornamentoDati::kTitolo));

    aggiorna_ = Pulsante("&Aggiorna", "aggiorna",
                         "Stabilisce/Abbandona il collegamento con il web server", this);
    salvaNews_ = Pulsante("&Salva News", "salvaNews", "Salva le news in un file di testo", this);

    auto* gruppo = new QGroupBox("MESSAGGI");
    log_ = Nomina(new QPlainTextEdit, "messaggi");
    log_->setReadOnly(true);
    log_->setMinimumSize(520, 260);
    log_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* g = new QVBoxLayout(gruppo);
    g->addWidget(log_);

    indirizzo_ = Nomina(new QLineEdit(Q(logica_.campoIndirizzo)), "indirizzo",
                        "Contiene l'indirizzo del web server con gli aggiornamenti");
    auto* riga = new QHBoxLayout;
    riga->addWidget(new QLabel("Indirizzo:"));
    riga->addWidget(indirizzo_, 1);

    // The public sources, one per chosen championship.
    auto* gruppoFonti = new QGroupBox("FONTI PUBBLICHE (Football.TXT o CSV di football-data)");
    campionatoFonte_ = Nomina(new QComboBox, "campionatoFonte", "Il campionato di cui si vede la fonte");
    for (CampionatoId c : fonti_->campionati())
        campionatoFonte_->addItem(Q(std::string(Campionato(c).nome)), c);
    fonte_ = Nomina(new QLineEdit, "fonte",
                    "Indirizzo (http:// o https://) o file della stagione corrente del campionato");
    aggiornaFonti_ = Pulsante("Da &fonti", "aggiornaFonti",
                              "Legge le fonti dei campionati scelti e ne unisce i risultati nuovi", this);
    auto* f = new QHBoxLayout(gruppoFonti);
    f->addWidget(campionatoFonte_);
    f->addWidget(fonte_, 1);
    f->addWidget(aggiornaFonti_);

    ok_ = Pulsante("&OK", "IDOK", {}, this);
    cancella_ = Pulsante("&Cancella", "IDCANCEL", {}, this);
    ok_->setDefault(true);

    auto* l = new QVBoxLayout(this);
    l->addLayout(RigaPulsanti({aggiorna_, salvaNews_}, {}));
    l->addWidget(gruppo, 1);
    l->addLayout(riga);
    l->addWidget(gruppoFonti);
    l->addLayout(RigaPulsanti({}, {ok_, cancella_}));

    connect(aggiorna_, &QPushButton::clicked, this, [this] { Aggiorna(); });
    connect(salvaNews_, &QPushButton::clicked, this, [this] { SalvaNews(); });
    connect(aggiornaFonti_, &QPushButton::clicked, this, [this] { AggiornaFonti(); });
    connect(campionatoFonte_, &QComboBox::currentIndexChanged, this, [this] { MostraFonte(); });
    connect(fonte_, &QLineEdit::textEdited, this, [this](const QString& t) {
        fonti_->ImpostaFonte(campionatoFonte_->currentData().toInt(), t.trimmed().toStdString());
        MostraStato();
    });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancella_, &QPushButton::clicked, this, &QDialog::reject);

    // The worker writes the log: each line reaches the window as one queued
    // call, which shows the whole log as it then is.
    logica_.log().Osserva([this] {
        if (logDaMostrare_.exchange(true)) return;
        QMetaObject::invokeMethod(this, [this] { MostraLog(); }, Qt::QueuedConnection);
    });
    if (!fonti_->erroreTabella().empty()) logica_.log().Aggiungi("(" + fonti_->erroreTabella() + ")");
    MostraFonte();
    MostraLog();
    MostraStato();
}

CDlgAggiornamentoDatiQt::~CDlgAggiornamentoDatiQt() {
    logica_.log().Osserva({});
    logica_.Interrompi();
    fonti_->Interrompi();
    esecutore_.reset(); // waits for the worker
}

void CDlgAggiornamentoDatiQt::Aggiorna() {
    if (logica_.inCorso()) {
        logica_.Interrompi();
        MostraStato();
        return;
    }
    logica_.campoIndirizzo = indirizzo_->text().toStdString();
    logica_.Aggiorna(*esecutore_, http_, [this] {
        if (logica_.okAbilitato()) daFonti_ = false;
        MostraLog();
        MostraStato();
    });
    MostraStato();
}

void CDlgAggiornamentoDatiQt::AggiornaFonti() {
    if (fonti_->inCorso()) {
        fonti_->Interrompi();
        MostraStato();
        return;
    }
    fonti_->Aggiorna(*esecutore_, http_, logica_.log(), [this] {
        if (fonti_->okAbilitato()) daFonti_ = true;
        MostraLog();
        MostraStato();
    });
    MostraStato();
}

void CDlgAggiornamentoDatiQt::MostraFonte() {
    if (campionatoFonte_->count() == 0) return;
    fonte_->setText(Q(fonti_->Fonte(campionatoFonte_->currentData().toInt())));
}

void CDlgAggiornamentoDatiQt::SalvaNews() {
    const std::time_t adesso = std::time(nullptr);
    std::tm ora{};
    localtime_r(&adesso, &ora);
    const std::string proposto = CDlgAggiornamentoDati::NomeNews(ora) + ".TXT";
    std::string file;
    if (sceltaFile) {
        file = sceltaFile(proposto);
    } else {
        file = QFileDialog::getSaveFileName(this, "VELTRA - Salvataggio News", Q(proposto),
                                            "File di Testo (*.TXT)")
                   .toStdString();
    }
    if (file.empty()) return;
    logica_.SalvaNews(file);
}

void CDlgAggiornamentoDatiQt::MostraLog() {
    logDaMostrare_ = false;
    const QString t = TestoLog(logica_.log().Testo());
    if (t == log_->toPlainText()) return;
    log_->setPlainText(t);
    log_->verticalScrollBar()->setValue(log_->verticalScrollBar()->maximum());
}

void CDlgAggiornamentoDatiQt::MostraStato() {
    // One update at a time: the service's or the sources'.
    const bool servizio = logica_.inCorso(), fonti = fonti_->inCorso();
    aggiorna_->setText(Q(logica_.TestoAggiorna()));
    aggiorna_->setEnabled(logica_.aggiornaAbilitato() && !fonti);
    aggiornaFonti_->setText(fonti ? "&Interrompi" : "Da &fonti");
    aggiornaFonti_->setEnabled(!servizio);
    salvaNews_->setEnabled(logica_.salvaNewsAbilitato() && !fonti);
    ok_->setEnabled(daFonti_ ? fonti_->okAbilitato() && !servizio : logica_.okAbilitato() && !fonti);
    cancella_->setEnabled(logica_.cancellaAbilitato() && !fonti);
    indirizzo_->setReadOnly(servizio || fonti);
    fonte_->setReadOnly(servizio || fonti);
}

void CDlgAggiornamentoDatiQt::accept() {
    if (!ok_->isEnabled()) return;
    aggiorna_->setEnabled(false);
    aggiornaFonti_->setEnabled(false);
    ok_->setEnabled(false);
    cancella_->setEnabled(false);
    const bool caricato = daFonti_ ? fonti_->Ok(logica_.log()) : logica_.Ok();
    MostraLog();
    if (!caricato) {
        MostraStato();
        return;
    }
    QDialog::accept();
}

void CDlgAggiornamentoDatiQt::reject() {
    // Escape and the title bar's close act as "&Cancella": not while the
    // download runs.
    if (logica_.inCorso() || fonti_->inCorso()) return;
    QDialog::reject();
}

} // namespace veltra
