#include "CDlgSistemaRidottoQt.h"

#include "app/DatiGlobali.h"
#include "platform/Risorse.h"
#include "platform/Suoni.h"
#include "platform/UiComune.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace veltra {

namespace {
QLabel* Cella() {
    auto* l = new QLabel;
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(34);
    return l;
}
} // namespace

CDlgSistemaRidottoQt::CDlgSistemaRidottoQt(DatiGlobali& dati, IMessaggi& messaggi, ISuoni& suoni, QWidget* parent)
    : QDialog(parent), dati_(dati), logica_(dati, dati.schedina), esecutore_(this),
      ctx_{esecutore_, messaggi, CartellaRiduzioni(), std::nullopt, 0}, dettatura_(suoni) {
    setWindowTitle(Q(kTitoloSistemaRidotto));
    auto* griglia = new QGridLayout;
    for (int c = 0; c < 8; ++c) {
        auto* t = Nomina(new QLabel(QString::number(c + 1)), QStringLiteral("intestazione%1").arg(c));
        t->setAlignment(Qt::AlignCenter);
        griglia->addWidget(t, 0, 3 + c);
    }
    for (int r = 0; r < 14; ++r) {
        griglia->addWidget(new QLabel(QString::number(r + 1)), r + 1, 0);
        griglia->addWidget(Nomina(new QLabel, QStringLiteral("casa%1").arg(r)), r + 1, 1);
        griglia->addWidget(Nomina(new QLabel, QStringLiteral("trasferta%1").arg(r)), r + 1, 2);
        for (int c = 0; c < 8; ++c) {
            celle_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = Cella();
            griglia->addWidget(celle_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)], r + 1, 3 + c);
        }
    }

    auto* destra = new QVBoxLayout;
    auto* scelta = new QGroupBox(QStringLiteral("Colonne per schedina :"));
    quattro_ = Nomina(new QRadioButton(QStringLiteral("4")), QStringLiteral("quattro"));
    otto_ = Nomina(new QRadioButton(QStringLiteral("8")), QStringLiteral("otto"));
    auto* hs = new QHBoxLayout(scelta);
    hs->addWidget(quattro_);
    hs->addWidget(otto_);
    destra->addWidget(scelta);
    auto* info = new QGridLayout;
    info->addWidget(new QLabel(QStringLiteral("Colonne Totali :")), 0, 0);
    totale_ = Nomina(new QLabel, QStringLiteral("totale"));
    info->addWidget(totale_, 0, 1);
    info->addWidget(new QLabel(QStringLiteral("Schedina numero :")), 1, 0);
    pagina_ = Nomina(new QLabel, QStringLiteral("pagina"));
    info->addWidget(pagina_, 1, 1);
    destra->addLayout(info);
    probabilita_ = Nomina(new QLabel, QStringLiteral("probabilita"));
    probabilita_->setWordWrap(true);
    destra->addWidget(probabilita_);
    indietro_ = Pulsante(QStringLiteral("<< &Indietro"), QStringLiteral("indietro"),
                         QStringLiteral("Visualizza la schedina precedente"));
    avanti_ = Pulsante(QStringLiteral("&Avanti >>"), QStringLiteral("avanti"),
                       QStringLiteral("Visualizza la schedina successiva"));
    auto* pag = new QHBoxLayout;
    pag->addWidget(indietro_);
    pag->addWidget(avanti_);
    destra->addLayout(pag);
    detta_ = Pulsante(QStringLiteral("&Detta"), QStringLiteral("detta"),
                      QStringLiteral("Avvia la dettatura della schedina corrente"));
    pausa_ = Pulsante(QStringLiteral("&Pausa"), QStringLiteral("pausa"),
                      QStringLiteral("Sospende e riprende la dettatura della schedina corrente"));
    stop_ = Pulsante(QStringLiteral("&Stop"), QStringLiteral("stop"),
                     QStringLiteral("Conclude la dettatura della schedina corrente"));
    destra->addWidget(detta_);
    destra->addWidget(pausa_);
    destra->addWidget(stop_);
    auto* vel = new QHBoxLayout;
    vel->addWidget(new QLabel(QStringLiteral("Pausa tra segni :")));
    velocita_ = Nomina(new QSpinBox, QStringLiteral("velocita"), QStringLiteral("Imposta la velocita' di dettatura"));
    velocita_->setRange(CDettatura::kPausaMin, CDettatura::kPausaMax);
    velocita_->setValue(CDettatura::kPausaPredefinita);
    vel->addWidget(velocita_);
    destra->addLayout(vel);
    destra->addStretch();
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok);
    destra->addWidget(ok);

    auto* l = new QHBoxLayout(this);
    l->addLayout(griglia);
    l->addLayout(destra);

    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(indietro_, &QPushButton::clicked, this, [this] {
        logica_.Indietro();
        Mostra();
    });
    connect(avanti_, &QPushButton::clicked, this, [this] {
        logica_.Avanti();
        Mostra();
    });
    connect(quattro_, &QRadioButton::toggled, this, [this](bool on) {
        if (!pronto_) return;
        logica_.ImpostaColonnePerPagina(on ? 4 : 8);
        Mostra();
    });
    connect(detta_, &QPushButton::clicked, this, &CDlgSistemaRidottoQt::Detta);
    connect(pausa_, &QPushButton::clicked, this, &CDlgSistemaRidottoQt::Pausa);
    connect(stop_, &QPushButton::clicked, this, &CDlgSistemaRidottoQt::Stop);
    connect(velocita_, &QSpinBox::valueChanged, this, [this](int v) { dettatura_.ImpostaPausaTraSegni(v); });

    Mostra();
    CostruisciSistema(dati_.schedina, dati_.condizionamenti, ctx_, [this](bool) {
        logica_.Riempi();
        pronto_ = true;
        Mostra();
        emit Pronto();
    });
}

CDlgSistemaRidottoQt::~CDlgSistemaRidottoQt() { dettatura_.Chiudi(); }

QPushButton* CDlgSistemaRidottoQt::pulsante(const char* nome) const {
    return findChild<QPushButton*>(QString::fromLatin1(nome));
}

void CDlgSistemaRidottoQt::Mostra() {
    for (int c = 0; c < 8; ++c)
        findChild<QLabel*>(QStringLiteral("intestazione%1").arg(c))->setVisible(c < logica_.colonnePerPagina());
    for (int r = 0; r < 14; ++r) {
        findChild<QLabel*>(QStringLiteral("casa%1").arg(r))->setText(pronto_ ? Q(logica_.casa(r)) : QString());
        findChild<QLabel*>(QStringLiteral("trasferta%1").arg(r))->setText(pronto_ ? Q(logica_.trasferta(r)) : QString());
        for (int c = 0; c < 8; ++c) {
            QLabel* l = celle_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            l->setVisible(c < logica_.colonnePerPagina());
            l->setText(Q(logica_.Cella(r, c)));
        }
    }
    {
        const QSignalBlocker b1(quattro_), b2(otto_);
        quattro_->setChecked(logica_.colonnePerPagina() == 4);
        otto_->setChecked(logica_.colonnePerPagina() == 8);
    }
    totale_->setText(pronto_ ? Q(logica_.testoTotale()) : QString());
    pagina_->setText(pronto_ ? Q(logica_.testoPagina()) : QString());
    probabilita_->setText(pronto_ ? Q(logica_.testoProbabilita()).replace(QStringLiteral("   "), QStringLiteral("\n")) : QString());
    StatoControlli(dettatura_.inCorso());
}

void CDlgSistemaRidottoQt::StatoControlli(bool dettando) {
    const bool libero = pronto_ && !dettando;
    indietro_->setEnabled(libero && logica_.indietroAbilitato());
    avanti_->setEnabled(libero && logica_.avantiAbilitato());
    quattro_->setEnabled(libero);
    otto_->setEnabled(libero);
    detta_->setEnabled(libero && !logica_.ColonnePaginaVuota());
    pausa_->setEnabled(dettando);
    stop_->setEnabled(dettando);
    velocita_->setEnabled(!dettando || dettatura_.inPausa());
}

void CDlgSistemaRidottoQt::Detta() {
    if (!pronto_ || dettatura_.inCorso()) return;
    pausa_->setText(QStringLiteral("&Pausa"));
    dettatura_.ImpostaPausaTraSegni(velocita_->value());
    // The worker only reports its end; the window acts on it on its own thread.
    const bool avviata = dettatura_.Avvia(logica_.ColonnePagina(), [this](FineDettatura f) {
        QMetaObject::invokeMethod(this, [this, f] { Concludi(f); }, Qt::QueuedConnection);
    });
    if (avviata) StatoControlli(true);
}

void CDlgSistemaRidottoQt::Pausa() {
    if (!dettatura_.inCorso()) return;
    dettatura_.Pausa();
    StatoControlli(true);
}

void CDlgSistemaRidottoQt::Stop() {
    if (!dettatura_.inCorso()) return;
    dettatura_.Stop();
    stop_->setEnabled(false);
    pausa_->setEnabled(false);
}

void CDlgSistemaRidottoQt::Concludi(FineDettatura f) {
    logica_.DettaturaFinita(f);
    Mostra();
    emit DettaturaConclusa();
}

void CDlgSistemaRidottoQt::done(int r) {
    // The worker must be gone before the window is.
    dettatura_.Chiudi();
    QDialog::done(r);
}

CDlgColonnaNascostaQt::CDlgColonnaNascostaQt(ISuoni& suoni, GeneratoreColonna& generatore, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Colonna Nascosta"));
    auto* l = new QVBoxLayout(this);
    const auto c = ColonnaNascosta(generatore);
    for (int i = 0; i < 13; ++i) {
        segni_[static_cast<std::size_t>(i)] = Cella();
        segni_[static_cast<std::size_t>(i)]->setText(QString(QChar(c[static_cast<std::size_t>(i)])));
        l->addWidget(segni_[static_cast<std::size_t>(i)]);
    }
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    l->addWidget(ok);
    suoni.Suona(kSuonoColonnaNascosta, false);
}

QString CDlgColonnaNascostaQt::colonna() const {
    QString s;
    for (QLabel* l : segni_) s += l->text();
    return s;
}

} // namespace veltra
