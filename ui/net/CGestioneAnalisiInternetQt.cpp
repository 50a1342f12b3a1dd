#include "net/CGestioneAnalisiInternetQt.h"

#include "platform/AiutoQt.h"
#include "platform/EsecutoreLavoriQt.h"
#include "platform/Messaggi.h"
#include "platform/UiComune.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace veltra {

namespace {

QString TestoLog(const std::string& testo) {
    QString t = Q(testo);
    t.replace(QStringLiteral("\r\r\n"), QStringLiteral("\n"));
    t.remove(QLatin1Char('\r'));
    return t;
}

// A read-only text in a small dialog ("&Note...", "P&unteggi, Forze, Limiti...").
void MostraTesto(QWidget* genitore, const QString& titolo, const QString& testo, bool fisso) {
    QDialog d(genitore);
    EreditaTastoAiuto(d, *genitore);
    d.setWindowTitle(titolo);
    auto* campo = new QPlainTextEdit(testo);
    campo->setReadOnly(true);
    if (fisso) {
        QFont f(QStringLiteral("Monospace"));
        f.setStyleHint(QFont::TypeWriter);
        campo->setFont(f);
    }
    campo->setMinimumSize(460, 300);
    auto* chiudi = new QDialogButtonBox(QDialogButtonBox::Close);
    QObject::connect(chiudi, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    auto* l = new QVBoxLayout(&d);
    l->addWidget(campo);
    l->addWidget(chiudi);
    d.exec();
}

} // namespace

CGestioneAnalisiInternetQt::CGestioneAnalisiInternetQt(DatiCampionati& dati,
                                                       std::filesystem::path cartella,
                                                       std::string indirizzoServizio, IHttp& http,
                                                       IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent),
      logica_(dati, std::move(cartella), std::move(indirizzoServizio), messaggi), http_(http),
      messaggi_(messaggi),
      esecutore_(std::make_unique<EsecutoreLavoriQt>(this, EsecutoreLavoriQt::Progresso::Nessuna)) {
    setObjectName("GestioneAnalisiInternet");
    setWindowTitle(Q(CGestioneAnalisiInternet::kTitolo));
    pagine_ = Nomina(new QTabWidget, "pagine");

    // ---- "Invio Analisi" ----
    auto* invio = new QWidget;
    campionato_ = Nomina(new QComboBox, "campionato",
                         "Selezionare il campionato da cui visualizzare l'archivio dalle analisi");
    for (int c = 0; c < kNumeroCampionati; ++c) campionato_->addItem(Q(Campionato(c).nome));
    campionato_->setCurrentIndex(logica_.campionatoArchivio());
    auto* rigaCampionato = new QHBoxLayout;
    rigaCampionato->addWidget(new QLabel("CAMPIONATO :"));
    rigaCampionato->addWidget(campionato_, 1);

    auto* archivio = new QGroupBox("ARCHIVIO ANALISI");
    analisi_ = Nomina(new QLabel, "analisi");
    analisi_->setTextFormat(Qt::PlainText);
    analisi_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    analisi_->setMinimumSize(360, 130);
    analisi_->setWordWrap(true);
    precedente_ = Pulsante("<<", "precedente", {}, this);
    successiva_ = Pulsante(">>", "successiva", {}, this);
    note_ = Pulsante("&Note...", "note", {}, this);
    punteggi_ = Pulsante("P&unteggi, Forze, Limiti...", "punteggi", {}, this);
    auto* ga = new QVBoxLayout(archivio);
    ga->addWidget(analisi_, 1);
    ga->addLayout(RigaPulsanti({precedente_, successiva_}, {note_, punteggi_}));

    aggiungiInvio_ = Pulsante("&Aggiungi  >>", "aggiungiInvio",
                              "Inserisce nella lista delle analisi da esaminare quella selezionata", this);
    togliInvio_ = Pulsante("<<  &Togli", "togliInvio",
                           "Toglie dal gruppo delle analisi quella selezionata nella lista", this);
    auto* gruppoInvio = new QGroupBox("ANALISI DA ESAMINARE");
    listaInvio_ = Nomina(new QListWidget, "listaInvio",
                         "Visualizza il gruppo di analisi selezionate per essere esaminate");
    listaInvio_->setMinimumWidth(270);
    auto* gi = new QVBoxLayout(gruppoInvio);
    gi->addWidget(listaInvio_);
    auto* pulsantiInvio = new QVBoxLayout;
    pulsantiInvio->addStretch();
    pulsantiInvio->addWidget(aggiungiInvio_);
    pulsantiInvio->addWidget(togliInvio_);
    pulsantiInvio->addStretch();
    auto* centro = new QHBoxLayout;
    auto* sinistra = new QVBoxLayout;
    sinistra->addLayout(rigaCampionato);
    sinistra->addWidget(archivio, 1);
    centro->addLayout(sinistra, 3);
    centro->addLayout(pulsantiInvio);
    centro->addWidget(gruppoInvio, 2);
    autore_ = Nomina(new QLineEdit, "autore",
                     "Consente di inserire il nome dell'autore delle analisi da esaminare");
    autore_->setMaxLength(static_cast<int>(kMaxAutore));
    chiave_ = Nomina(new QLineEdit, "chiave",
                     "La chiave data dal club ai suoi soci, se il suo servizio accetta analisi "
                     "solo con la chiave; resta memorizzata per le volte successive");
    chiave_->setMaxLength(static_cast<int>(kMaxChiave));
    chiave_->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    auto* li = new QVBoxLayout(invio);
    li->addLayout(centro, 1);
    li->addWidget(new QLabel("Autore delle Analisi sottoposte a valutazione"));
    li->addWidget(autore_);
    li->addWidget(new QLabel("Chiave del club (solo se il servizio la richiede)"));
    li->addWidget(chiave_);
    pagine_->addTab(invio, "Invio Analisi");

    // ---- "Ricezione Analisi" ----
    auto* ricezione = new QWidget;
    esclusi_ = Nomina(new QListWidget, "esclusi",
                      "Selezionare il campionato da inserire nel gruppo di quelli per cui ricevere "
                      "la migliore analisi");
    inclusi_ = Nomina(new QListWidget, "inclusi",
                      "Visualizza il gruppo dei campionati per cui ricevere la migliore analisi");
    aggiungiRicezione_ = Pulsante("&Aggiungi  >>", "aggiungiRicezione",
                                  "Inserisce nel gruppo delle analisi quella selezionata", this);
    togliRicezione_ = Pulsante("<<  &Togli", "togliRicezione",
                               "Toglie dal gruppo delle analisi quella selezionata", this);
    comeCorrenti_ = Nomina(new QCheckBox("Come Analisi Correnti"), "comeCorrenti",
                           "Permette di impostare come analisi correnti quelle ricevute dal server");
    inArchivio_ = Nomina(new QCheckBox("Alla posizione n.1 negli Archivi"), "inArchivio",
                         "Permette di inserire le analisi ricevute dal server nella posizione n.1 "
                         "dei rispettivi archivi");
    comeCorrenti_->setChecked(logica_.comeCorrenti);
    inArchivio_->setChecked(logica_.inArchivio);
    auto* pulsantiRicezione = new QVBoxLayout;
    pulsantiRicezione->addStretch();
    pulsantiRicezione->addWidget(aggiungiRicezione_);
    pulsantiRicezione->addWidget(togliRicezione_);
    pulsantiRicezione->addStretch();
    auto* liste = new QHBoxLayout;
    liste->addWidget(esclusi_, 1);
    liste->addLayout(pulsantiRicezione);
    liste->addWidget(inclusi_, 1);
    auto* opzioni = new QGroupBox("ANALISI RICEVUTE");
    auto* go = new QVBoxLayout(opzioni);
    go->addWidget(comeCorrenti_);
    go->addWidget(inArchivio_);
    auto* lr = new QVBoxLayout(ricezione);
    lr->addLayout(liste, 1);
    lr->addWidget(opzioni);
    pagine_->addTab(ricezione, "Ricezione Analisi");

    // ---- "Connessione al Server" ----
    paginaConnessione_ = new QWidget;
    paginaConnessione_->setObjectName("paginaConnessione");
    paginaConnessione_->installEventFilter(this);
    connessione_ = Pulsante("&Connessione", "connessione",
                            "Avvia l'invio delle analisi da esaminare e lo scaricamento di quelle "
                            "attualmente ritenute le migliori",
                            this);
    confronta_ = Pulsante("Con&fronta...", "confronta",
                          "Confronta l'ultima analisi ricevuta con quella del suo campionato", this);
    confronta_->setVisible(false);
    auto* gruppoLog = new QGroupBox("MESSAGGI");
    log_ = Nomina(new QPlainTextEdit, "messaggi");
    log_->setReadOnly(true);
    log_->setMinimumSize(520, 240);
    auto* gl = new QVBoxLayout(gruppoLog);
    gl->addWidget(log_);
    auto* lc = new QVBoxLayout(paginaConnessione_);
    lc->addLayout(RigaPulsanti({connessione_}, {confronta_}));
    lc->addWidget(gruppoLog, 1);
    pagine_->addTab(paginaConnessione_, "Connessione al Server");

    ok_ = Pulsante("OK", "IDOK", {}, this);
    annulla_ = Pulsante("Annulla", "IDCANCEL", {}, this);
    auto* l = new QVBoxLayout(this);
    l->addWidget(pagine_, 1);
    l->addLayout(RigaPulsanti({}, {ok_, annulla_}));

    stato_ = new QTimer(this);
    stato_->setInterval(150);
    connect(stato_, &QTimer::timeout, this, [this] { MostraStato(); });

    connect(campionato_, &QComboBox::currentIndexChanged, this, [this](int c) {
        logica_.ScegliCampionatoArchivio(c);
        MostraArchivio();
    });
    connect(precedente_, &QPushButton::clicked, this, [this] {
        logica_.Precedente();
        MostraArchivio();
    });
    connect(successiva_, &QPushButton::clicked, this, [this] {
        logica_.Successiva();
        MostraArchivio();
    });
    connect(note_, &QPushButton::clicked, this, [this] {
        if (const CAnalisi* a = logica_.AnalisiMostrata())
            MostraTesto(this, "VELTRA - Note dell'Analisi",
                        Q(a->titolo) + "\n\n" + Q(a->descrizione), false);
    });
    connect(punteggi_, &QPushButton::clicked, this, [this] {
        if (logica_.AnalisiMostrata())
            MostraTesto(this, "VELTRA - Punteggi, Forze, Limiti", Q(logica_.TestoPunteggiMostrata()),
                        true);
    });
    connect(aggiungiInvio_, &QPushButton::clicked, this, [this] {
        if (logica_.AggiungiInvio()) MostraInvio();
    });
    connect(togliInvio_, &QPushButton::clicked, this, [this] {
        if (logica_.TogliInvio(listaInvio_->currentRow())) MostraInvio();
    });
    connect(autore_, &QLineEdit::textChanged, this,
            [this](const QString& t) { logica_.autore = t.toStdString(); });
    connect(chiave_, &QLineEdit::textChanged, this,
            [this](const QString& t) { logica_.chiave = t.trimmed().toStdString(); });
    const auto aggiungi = [this] {
        const auto e = logica_.Esclusi();
        const int r = esclusi_->currentRow();
        if (logica_.AggiungiRicezione(r >= 0 && r < static_cast<int>(e.size()) ? e[static_cast<std::size_t>(r)] : -1))
            MostraRicezione();
    };
    const auto togli = [this] {
        const auto i = logica_.Inclusi();
        const int r = inclusi_->currentRow();
        if (logica_.TogliRicezione(r >= 0 && r < static_cast<int>(i.size()) ? i[static_cast<std::size_t>(r)] : -1))
            MostraRicezione();
    };
    connect(aggiungiRicezione_, &QPushButton::clicked, this, aggiungi);
    connect(togliRicezione_, &QPushButton::clicked, this, togli);
    connect(esclusi_, &QListWidget::itemDoubleClicked, this, aggiungi);
    connect(inclusi_, &QListWidget::itemDoubleClicked, this, togli);
    connect(comeCorrenti_, &QCheckBox::toggled, this, [this](bool s) { logica_.comeCorrenti = s; });
    connect(inArchivio_, &QCheckBox::toggled, this, [this](bool s) { logica_.inArchivio = s; });
    connect(pagine_, &QTabWidget::currentChanged, this, [this] { MostraStato(); });
    connect(connessione_, &QPushButton::clicked, this, [this] { Connessione(); });
    connect(confronta_, &QPushButton::clicked, this, [this] { Confronta(); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla_, &QPushButton::clicked, this, &QDialog::reject);

    // The worker writes the log: each line reaches the window as one queued call.
    logica_.log().Osserva([this] {
        if (logDaMostrare_.exchange(true)) return;
        QMetaObject::invokeMethod(this, [this] { MostraLog(); }, Qt::QueuedConnection);
    });
    MostraArchivio();
    MostraInvio();
    MostraRicezione();
    MostraStato();
}

CGestioneAnalisiInternetQt::~CGestioneAnalisiInternetQt() {
    logica_.log().Osserva({});
    esecutore_.reset(); // stops a running exchange and waits for it
}

void CGestioneAnalisiInternetQt::MostraArchivio() {
    QStringList righe;
    for (const std::string& r : logica_.TestoAnalisiMostrata()) righe << Q(r);
    analisi_->setText(righe.join('\n'));
    const CAnalisi* a = logica_.AnalisiMostrata();
    const int n = logica_.analisiInArchivio();
    precedente_->setEnabled(a && logica_.analisiMostrata() > 0);
    successiva_->setEnabled(a && logica_.analisiMostrata() + 1 < n);
    note_->setEnabled(a != nullptr);
    punteggi_->setEnabled(a != nullptr);
    aggiungiInvio_->setEnabled(a != nullptr && !logica_.inCorso());
}

void CGestioneAnalisiInternetQt::MostraInvio() {
    listaInvio_->clear();
    for (const std::string& r : logica_.RigheInvio()) listaInvio_->addItem(Q(r));
}

void CGestioneAnalisiInternetQt::MostraRicezione() {
    esclusi_->clear();
    inclusi_->clear();
    for (CampionatoId c : logica_.Esclusi()) esclusi_->addItem(Q(Campionato(c).nome));
    for (CampionatoId c : logica_.Inclusi()) inclusi_->addItem(Q(Campionato(c).nome));
}

void CGestioneAnalisiInternetQt::MostraLog() {
    logDaMostrare_ = false;
    const QString t = TestoLog(logica_.log().Testo());
    if (t == log_->toPlainText()) return;
    log_->setPlainText(t);
    log_->verticalScrollBar()->setValue(log_->verticalScrollBar()->maximum());
}

void CGestioneAnalisiInternetQt::ImpostaChiave(const std::string& chiave) {
    chiave_->setText(Q(chiave));
    logica_.chiave = chiave;
}

void CGestioneAnalisiInternetQt::MostraStato() {
    const bool inCorso = logica_.inCorso();
    connessione_->setText(Q(logica_.TestoPulsante()));
    // After "&Interrompi" the button waits for the worker to end; "&Ignora"
    // stays usable through each wait.
    connessione_->setEnabled(!inCorso || !interrompiChiesto_ ||
                             logica_.stato() == CGestioneAnalisiInternet::Stato::Attesa);
    ok_->setEnabled(logica_.okAbilitato());
    annulla_->setEnabled(logica_.annullaAbilitato());
    // The selections are read when the exchange starts: not changed meanwhile.
    for (QWidget* w : {static_cast<QWidget*>(aggiungiInvio_), static_cast<QWidget*>(togliInvio_),
                       static_cast<QWidget*>(aggiungiRicezione_),
                       static_cast<QWidget*>(togliRicezione_), static_cast<QWidget*>(autore_),
                       static_cast<QWidget*>(chiave_),
                       static_cast<QWidget*>(comeCorrenti_), static_cast<QWidget*>(inArchivio_)})
        w->setEnabled(!inCorso);
    if (!inCorso) aggiungiInvio_->setEnabled(logica_.AnalisiMostrata() != nullptr);
    confronta_->setVisible(static_cast<bool>(apriConfronto));
    confronta_->setEnabled(!inCorso && !logica_.valutate().empty());
}

void CGestioneAnalisiInternetQt::Connessione() {
    if (logica_.inCorso()) {
        if (logica_.stato() != CGestioneAnalisiInternet::Stato::Attesa) interrompiChiesto_ = true;
        logica_.Pulsante();
        MostraStato();
        return;
    }
    interrompiChiesto_ = false;
    logica_.Connessione(*esecutore_, http_, [this] {
        stato_->stop();
        interrompiChiesto_ = false;
        MostraLog();
        MostraRicezione(); // the receive selection is cleared after each exchange
        MostraArchivio();  // a received analysis may have gone into the archive shown
        MostraStato();
    });
    if (logica_.inCorso()) stato_->start();
    MostraStato();
}

void CGestioneAnalisiInternetQt::Confronta() {
    if (!apriConfronto || logica_.valutate().empty()) return;
    const AnalisiRicevuta& r = logica_.valutate().back();
    apriConfronto("VELTRA. Confronto tra: Analisi Ricevuta / Analisi Originale", r.proposta.analisi,
                  logica_.AnalisiOriginale(r.proposta.campionato));
}

bool CGestioneAnalisiInternetQt::eventFilter(QObject* o, QEvent* e) {
    // The hidden click of the connection page: the local test mode.
    if (o == paginaConnessione_ && e->type() == QEvent::MouseButtonPress) {
        const auto* m = static_cast<QMouseEvent*>(e);
        const QPoint p = m->position().toPoint();
        if (m->button() == Qt::LeftButton && p.x() < 9 && p.y() < 9 && !logica_.inCorso()) {
            logica_.ProvaLocale();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void CGestioneAnalisiInternetQt::accept() {
    if (!logica_.okAbilitato()) return;
    logica_.Ok();
    QDialog::accept();
}

void CGestioneAnalisiInternetQt::reject() {
    // Escape and the title bar's close act as Annulla: not while exchanging.
    if (logica_.inCorso()) return;
    logica_.Annulla();
    QDialog::reject();
}

} // namespace veltra
