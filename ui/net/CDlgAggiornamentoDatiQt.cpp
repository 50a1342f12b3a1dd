#include "net/CDlgAggiornamentoDatiQt.h"

#include "platform/EsecutoreLavoriQt.h"
#include "platform/UiComune.h"

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

CDlgAggiornamentoDatiQt::CDlgAggiornamentoDatiQt(DatiCampionati& dati,
                                                 std::vector<CampionatoId> campionati,
                                                 std::filesystem::path cartella,
                                                 std::string& indirizzo, IHttp& http,
                                                 IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent),
      logica_(dati, std::move(campionati), std::move(cartella), indirizzo, messaggi),
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

    ok_ = Pulsante("&OK", "IDOK", {}, this);
    cancella_ = Pulsante("&Cancella", "IDCANCEL", {}, this);
    ok_->setDefault(true);

    auto* l = new QVBoxLayout(this);
    l->addLayout(RigaPulsanti({aggiorna_, salvaNews_}, {}));
    l->addWidget(gruppo, 1);
    l->addLayout(riga);
    l->addLayout(RigaPulsanti({}, {ok_, cancella_}));

    connect(aggiorna_, &QPushButton::clicked, this, [this] { Aggiorna(); });
    connect(salvaNews_, &QPushButton::clicked, this, [this] { SalvaNews(); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancella_, &QPushButton::clicked, this, &QDialog::reject);

    // The worker writes the log: each line reaches the window as one queued
    // call, which shows the whole log as it then is.
    logica_.log().Osserva([this] {
        if (logDaMostrare_.exchange(true)) return;
        QMetaObject::invokeMethod(this, [this] { MostraLog(); }, Qt::QueuedConnection);
    });
    MostraLog();
    MostraStato();
}

CDlgAggiornamentoDatiQt::~CDlgAggiornamentoDatiQt() {
    logica_.log().Osserva({});
    logica_.Interrompi();
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
        MostraLog();
        MostraStato();
    });
    MostraStato();
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
    aggiorna_->setText(Q(logica_.TestoAggiorna()));
    aggiorna_->setEnabled(logica_.aggiornaAbilitato());
    salvaNews_->setEnabled(logica_.salvaNewsAbilitato());
    ok_->setEnabled(logica_.okAbilitato());
    cancella_->setEnabled(logica_.cancellaAbilitato());
    indirizzo_->setReadOnly(logica_.inCorso());
}

void CDlgAggiornamentoDatiQt::accept() {
    if (!logica_.okAbilitato()) return;
    aggiorna_->setEnabled(false);
    ok_->setEnabled(false);
    cancella_->setEnabled(false);
    const bool caricato = logica_.Ok();
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
    if (logica_.inCorso()) return;
    QDialog::reject();
}

} // namespace veltra
