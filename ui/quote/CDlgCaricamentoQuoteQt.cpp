#include "quote/CDlgCaricamentoQuoteQt.h"

#include "betting/DlgQuoteQt.h"
#include "betting/ImmissioneQuote.h"
#include "dati/DatiCampionati.h"
#include "platform/EsecutoreLavoriQt.h"
#include "platform/Messaggi.h"
#include "platform/UiComune.h"
#include "quote/CDlgAccessoCondizionatoQt.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QThread>
#include <QVBoxLayout>

#include <ctime>

namespace veltra {

namespace {

QString TestoLog(const std::string& testo) {
    QString t = Q(testo);
    t.replace(QStringLiteral("\r\r\n"), QStringLiteral("\n"));
    t.remove(QLatin1Char('\r'));
    return t;
}

// Runs `f` on the thread of `w` and waits for it (directly when already there).
template <class R, class F> R SulThreadDi(QObject* w, F f) {
    if (QThread::currentThread() == w->thread()) return f();
    R r{};
    QMetaObject::invokeMethod(w, [&r, &f] { r = f(); }, Qt::BlockingQueuedConnection);
    return r;
}

} // namespace

CDlgCaricamentoQuoteQt::CDlgCaricamentoQuoteQt(DatiCampionati& dati, std::filesystem::path cartella,
                                               std::string indirizzoServizio, IHttp& http,
                                               IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), dati_(dati), logica_(dati, std::move(cartella), std::move(indirizzoServizio)),
      http_(http), messaggi_(messaggi),
      esecutore_(std::make_unique<EsecutoreLavoriQt>(this, EsecutoreLavoriQt::Progresso::Nessuna)) {
    setObjectName("CaricamentoQuote");
    setWindowTitle(Q(CDlgCaricamentoQuote::kTitolo));

    bookmaker_ = Nomina(new QComboBox, "bookmaker", "Selezionare il bookmaker da cui scaricare eventi e quote");
    for (const char* n : kNomiBookmakerInternet) bookmaker_->addItem(n);
    esclusi_ = Nomina(new QListWidget, "esclusi", "Selezionare il campionato da inserire nel gruppo delle scommesse");
    inclusi_ = Nomina(new QListWidget, "inclusi", "Visualizza il gruppo dei campionati selezionati per le scommesse");
    aggiungi_ = Pulsante("&Aggiungi  >>", "aggiungi", "Inserisce nel gruppo dei campionati quello selezionato", this);
    togli_ = Pulsante("<<  &Togli", "togli", "Toglie dal gruppo dei campionati quello selezionato", this);
    carica_ = Pulsante("&Carica", "carica", "Avvia la ricerca ed lo scaricamento delle quote", this);
    log_ = Nomina(new QPlainTextEdit, "log");
    log_->setReadOnly(true);
    log_->setMinimumSize(560, 220);
    ok_ = Pulsante("&OK", "IDOK", {}, this);
    annulla_ = Pulsante("&Annulla", "IDCANCEL", {}, this);

    auto* riga = new QHBoxLayout;
    riga->addWidget(new QLabel("BOOKMAKER :"));
    riga->addWidget(bookmaker_, 1);
    riga->addWidget(carica_);
    auto* liste = new QGridLayout;
    liste->addWidget(new QLabel("Campionati esclusi :"), 0, 0);
    liste->addWidget(new QLabel("Campionati inclusi :"), 0, 2);
    liste->addWidget(esclusi_, 1, 0);
    auto* mezzo = new QVBoxLayout;
    mezzo->addStretch();
    mezzo->addWidget(aggiungi_);
    mezzo->addWidget(togli_);
    mezzo->addStretch();
    liste->addLayout(mezzo, 1, 1);
    liste->addWidget(inclusi_, 1, 2);
    auto* l = new QVBoxLayout(this);
    l->addLayout(riga);
    l->addLayout(liste);
    l->addWidget(log_, 1);
    l->addLayout(RigaPulsanti({}, {ok_, annulla_}));

    connect(bookmaker_, &QComboBox::currentIndexChanged, this, [this](int i) {
        logica_.bookmaker = static_cast<Bookmaker>(i < 0 ? 0 : i);
        MostraStato();
    });
    connect(aggiungi_, &QPushButton::clicked, this, [this] { Aggiungi(); });
    connect(togli_, &QPushButton::clicked, this, [this] { Togli(); });
    connect(esclusi_, &QListWidget::itemDoubleClicked, this, [this] { Aggiungi(); });
    connect(inclusi_, &QListWidget::itemDoubleClicked, this, [this] { Togli(); });
    connect(carica_, &QPushButton::clicked, this, [this] { Carica(); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla_, &QPushButton::clicked, this, &QDialog::reject);

    // What the worker asks, asked on this window's thread.
    logica_.conferma = [this](const std::string& testo) {
        return SulThreadDi<bool>(this, [this, testo] {
            return messaggi_.Mostra(testo, Icona::Esclamazione, Pulsanti::OkAnnulla) == Risposta::Ok;
        });
    };
    logica_.completa = [this](int c, int riconosciuta, const std::array<float, 6>& q) {
        return SulThreadDi<SceltaCompletamento>(this, [=, this] { return Completa(c, riconosciuta, q); });
    };
    logica_.chiediAccesso = [this] {
        return SulThreadDi<std::optional<AccessoBookmaker>>(this, [this] { return ChiediAccesso(); });
    };
    logica_.log().Osserva([this] {
        if (logDaMostrare_.exchange(true)) return;
        QMetaObject::invokeMethod(this, [this] { MostraLog(); }, Qt::QueuedConnection);
    });
    Elenca();
    MostraStato();
}

CDlgCaricamentoQuoteQt::~CDlgCaricamentoQuoteQt() {
    logica_.log().Osserva({});
    logica_.Interrompi();
    esecutore_.reset();
}

void CDlgCaricamentoQuoteQt::Elenca() {
    auto riempi = [](QListWidget* w, const std::vector<int>& v) {
        w->clear();
        for (int c : v) {
            auto* voce = new QListWidgetItem(Q(std::string(Campionato(c).nome)));
            voce->setData(Qt::UserRole, c);
            w->addItem(voce);
        }
    };
    riempi(esclusi_, logica_.esclusi());
    riempi(inclusi_, logica_.inclusi());
}

void CDlgCaricamentoQuoteQt::Aggiungi() {
    auto* voce = esclusi_->currentItem();
    if (logica_.Aggiungi(voce ? voce->data(Qt::UserRole).toInt() : -1, messaggi_)) Elenca();
}

void CDlgCaricamentoQuoteQt::Togli() {
    auto* voce = inclusi_->currentItem();
    if (logica_.Togli(voce ? voce->data(Qt::UserRole).toInt() : -1, messaggi_)) Elenca();
}

void CDlgCaricamentoQuoteQt::Carica() {
    if (logica_.inCorso()) {
        logica_.Interrompi();
        MostraStato();
        return;
    }
    logica_.Carica(*esecutore_, http_, [this] { Concludi(); });
    MostraStato();
}

void CDlgCaricamentoQuoteQt::Concludi() {
    if (!logica_.interrotto()) {
        if (logica_.scommesse().nEventi > 0) {
            const std::time_t adesso = std::time(nullptr);
            std::tm ora{};
            localtime_r(&adesso, &ora);
            const std::string proposto = logica_.NomeFileQuote(ora) + ".QUO";
            std::string file;
            if (sceltaFile) {
                file = sceltaFile(proposto);
            } else {
                QString f = QFileDialog::getSaveFileName(this, "TALBOR 5 - Salvataggio Quote",
                                                         Q((logica_.cartella() / proposto).string()),
                                                         "File di Quote (*.QUO)");
                if (!f.isEmpty() && !f.endsWith(".QUO", Qt::CaseInsensitive)) f += ".QUO";
                file = f.toStdString();
            }
            if (!file.empty()) logica_.SalvaQuote(file, messaggi_);
        }
        logica_.log().Aggiungi("\r\r\nOPERAZIONE CONCLUSA.\r\r\n");
    }
    MostraLog();
    MostraStato();
    if (dopoCaricamento) dopoCaricamento();
}

SceltaCompletamento CDlgCaricamentoQuoteQt::Completa(int c, int riconosciuta, const std::array<float, 6>& q) {
    CompletamentoEvento l(dati_, c, riconosciuta, "avversaria non riconosciuta", q);
    if (sceltaCompletamento) return sceltaCompletamento(l);
    const auto& nomi = dati_.campionato(c).squadreCorrenti().nomi;
    CompletamentoEventoQt dlg(l, riconosciuta < static_cast<int>(nomi.size()) ? nomi[riconosciuta] : "",
                              messaggi_, this);
    const int r = dlg.exec();
    SceltaCompletamento s;
    if (r == CompletamentoEventoQt::IgnoraTutti) s.tipo = SceltaCompletamento::Tipo::IgnoraTutti;
    if (r != CompletamentoEventoQt::Completato || !dlg.esito()) return s;
    s.tipo = SceltaCompletamento::Tipo::Ok;
    s.casa = l.riconosciutaInCasa() ? riconosciuta : dlg.esito()->avversaria;
    s.trasferta = l.riconosciutaInCasa() ? dlg.esito()->avversaria : riconosciuta;
    s.quote = dlg.esito()->quote;
    return s;
}

std::optional<AccessoBookmaker> CDlgCaricamentoQuoteQt::ChiediAccesso() {
    if (sceltaAccesso) return sceltaAccesso();
    CDlgAccessoCondizionatoQt dlg(this);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    AccessoBookmaker a{dlg.login()->text().toStdString(), dlg.password()->text().toStdString()};
    dlg.password()->clear();
    return a;
}

void CDlgCaricamentoQuoteQt::MostraLog() {
    logDaMostrare_ = false;
    const QString t = TestoLog(logica_.log().Testo());
    if (t == log_->toPlainText()) return;
    log_->setPlainText(t);
    log_->verticalScrollBar()->setValue(log_->verticalScrollBar()->maximum());
}

void CDlgCaricamentoQuoteQt::MostraStato() {
    const bool libero = logica_.controlliAbilitati();
    carica_->setText(Q(logica_.TestoCarica()));
    carica_->setEnabled(logica_.caricaAbilitato());
    for (QWidget* w : std::initializer_list<QWidget*>{bookmaker_, esclusi_, inclusi_, aggiungi_, togli_, ok_})
        w->setEnabled(libero);
    annulla_->setEnabled(libero);
}

void CDlgCaricamentoQuoteQt::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && e->position().x() < 9 && e->position().y() < 9) {
        const std::time_t adesso = std::time(nullptr);
        std::tm ora{};
        localtime_r(&adesso, &ora);
        logica_.SalvataggioNascosto(ora, messaggi_);
    }
    QDialog::mousePressEvent(e);
}

void CDlgCaricamentoQuoteQt::accept() {
    if (logica_.inCorso()) return;
    QDialog::accept();
}

void CDlgCaricamentoQuoteQt::reject() {
    if (logica_.inCorso()) return;
    QDialog::reject();
}

} // namespace veltra
