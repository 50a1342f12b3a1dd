#include "CPropostaSistemaQt.h"
#include "platform/UiComune.h"

#include "CFoglioCondizioniQt.h"
#include "DlgSistemaBase.h"
#include "DlgStampaSchedine.h"
#include "app/DatiGlobali.h"
#include "betting/CDlgDatiEventoQt.h"
#include "platform/Messaggi.h"
#include "platform/Risorse.h"
#include "pools/OperazioniSchedina.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace veltra {


CPropostaSistemaQt::CPropostaSistemaQt(DatiGlobali& dati, IMessaggi& messaggi,
                                                 IServizioStampa* stampa, QWidget* parent)
    : FinestraNonModaleQt(parent), dati_(dati), messaggi_(messaggi), stampa_(stampa),
      logica_(dati, dati.schedina, dati.condizionamenti, CartellaRiduzioni()), esecutore_(this),
      ctx_{esecutore_, messaggi, CartellaRiduzioni(), std::nullopt, 0} {
    setObjectName("130");
    setModal(false);
    setWindowTitle(kTitoloPropostaSistema);

    auto* righe = new QGridLayout;
    righe->setHorizontalSpacing(8);
    righe->setVerticalSpacing(2);
    righe->addWidget(new QLabel("PICCHETTI"), 0, 6, 1, 3, Qt::AlignCenter);
    const char* segni[3] = {"1", "X", "2"};
    for (int i = 0; i < 3; ++i) righe->addWidget(new QLabel(segni[i]), 1, 6 + i, Qt::AlignCenter);
    for (int r = 0; r < kRigheSchedina; ++r) {
        const int y = r + 2;
        auto* numero = new QLabel(QString::number(r + 1));
        righe->addWidget(numero, y, 0, Qt::AlignRight);
        info_[r] = new QPushButton("i");
        info_[r]->setObjectName(QString("info%1").arg(r + 1));
        info_[r]->setFixedWidth(22);
        info_[r]->setToolTip("Dati Evento");
        info_[r]->setEnabled(false);
        connect(info_[r], &QPushButton::clicked, this, [this, r] { DatiEvento(r); });
        righe->addWidget(info_[r], y, 1);
        casa_[r] = new QLabel;
        trasferta_[r] = new QLabel;
        casa_[r]->setMinimumWidth(110);
        trasferta_[r]->setMinimumWidth(110);
        righe->addWidget(casa_[r], y, 2);
        righe->addWidget(trasferta_[r], y, 3);
        pronostici_[r] = new QLabel;
        pronostici_[r]->setObjectName(QString("pronostico%1").arg(r + 1));
        pronostici_[r]->setMinimumWidth(36);
        pronostici_[r]->setStyleSheet("font-weight: bold");
        righe->addWidget(pronostici_[r], y, 4, Qt::AlignCenter);
        manuali_[r] = new QCheckBox;
        manuali_[r]->setObjectName(QString("manuale%1").arg(r + 1));
        manuali_[r]->setToolTip(
            QString("Imposta manualmente il pronostico del %1' incontro in schedina").arg(r + 1));
        righe->addWidget(manuali_[r], y, 5);
        p1_[r] = new QLabel;
        pX_[r] = new QLabel;
        p2_[r] = new QLabel;
        righe->addWidget(p1_[r], y, 6, Qt::AlignRight);
        righe->addWidget(pX_[r], y, 7, Qt::AlignRight);
        righe->addWidget(p2_[r], y, 8, Qt::AlignRight);
        connect(manuali_[r], &QCheckBox::clicked, this, [this, r](bool on) {
            if (on) Manuale(r);
        });
    }

    auto* modifiche = new QGroupBox("Modifiche al sistema");
    auto* gm = new QGridLayout(modifiche);
    for (int c = 0; c < kNumeroComandiSistema; ++c) {
        const auto cmd = static_cast<ComandoSistema>(c);
        auto* b = new QPushButton(Q(TestoComando(cmd)));
        b->setObjectName(Q(NomeComando(cmd)));
        b->setToolTip(Q(SuggerimentoComando(cmd)));
        comandi_[static_cast<std::size_t>(c)] = b;
        // Size commands in the first column, balance commands beside them.
        if (c < 4)
            gm->addWidget(b, c, 0);
        else if (c < 7)
            gm->addWidget(b, c - 4, 1);
        else
            gm->addWidget(b, c - 7, 2);
        connect(b, &QPushButton::clicked, this, [this, cmd] { Comando(cmd); });
    }
    sistemaIniziale_ = new QPushButton("&Sistema iniziale");
    sistemaIniziale_->setObjectName("sistemaIniziale");
    sistemaIniziale_->setToolTip("Cancella le modifiche e imposta il sistema iniziale");
    auto* impostazioni = new QPushButton("Im&postazioni");
    impostazioni->setObjectName("impostazioni");
    gm->addWidget(sistemaIniziale_, 3, 1);
    gm->addWidget(impostazioni, 3, 2);

    auto* sistemi = new QGroupBox("Dimensioni del sistema");
    auto* gs = new QGridLayout(sistemi);
    integrale_ = new QLabel;
    integrale_->setObjectName("colonneIntegrale");
    gs->addWidget(new QLabel("Colonne Integrale :"), 0, 0);
    gs->addWidget(integrale_, 0, 2);
    sceltaRidotto_ = new QRadioButton("Ridotto (N - 1) :");
    sceltaRidotto_->setObjectName("sceltaRidotto");
    sceltaRidotto_->setToolTip(
        "Sceglie il sistema ridotto (N-1) nella dettatura, stampa e spoglio dei risultati");
    ridotto_ = new QLabel;
    ridotto_->setObjectName("colonneRidotto");
    gs->addWidget(sceltaRidotto_, 1, 0);
    gs->addWidget(ridotto_, 1, 2);
    sceltaCorrezione_ = new QRadioButton("A Correzione di Errori :");
    sceltaCorrezione_->setObjectName("sceltaCorrezione");
    sceltaCorrezione_->setToolTip("Sceglie il sistema ridotto a correzione d'errori nella "
                                  "dettatura, stampa e spoglio dei risultati");
    selettoreErrori_ = new QComboBox;
    selettoreErrori_->setObjectName("selettoreErrori");
    selettoreErrori_->setToolTip(
        "Sceglie il numero minimo e massimo di errori della colonna base del sistema");
    errori_ = new QLabel;
    errori_->setObjectName("errori");
    colonneErrori_ = new QLabel;
    colonneErrori_->setObjectName("colonneCorrezione");
    gs->addWidget(sceltaCorrezione_, 2, 0);
    gs->addWidget(errori_, 2, 1);
    gs->addWidget(colonneErrori_, 2, 2);
    gs->addWidget(selettoreErrori_, 3, 0, 1, 3);
    sceltaCondizionato_ = new QRadioButton("Condizionato :");
    sceltaCondizionato_->setObjectName("sceltaCondizionato");
    sceltaCondizionato_->setToolTip(
        "Sceglie il sistema condizionato nella dettatura, stampa e spoglio dei risultati");
    condizionato_ = new QLabel;
    condizionato_->setObjectName("colonneCondizionato");
    gs->addWidget(sceltaCondizionato_, 4, 0);
    gs->addWidget(condizionato_, 4, 2);
    sceltaOttimo_ = new QRadioButton(QString::fromUtf8(kSceltaOttimo) + " :");
    sceltaOttimo_->setObjectName("sceltaOttimo");
    sceltaOttimo_->setToolTip("Sceglie le colonne che danno la massima probabilita' di vincita con il "
                              "numero di colonne indicato");
    colonneOttimo_ = new QSpinBox;
    colonneOttimo_->setObjectName("colonneOttimo");
    colonneOttimo_->setRange(1, 4782969);
    colonneOttimo_->setToolTip("Numero di colonne del sistema ottimo");
    obiettivoOttimo_ = new QComboBox;
    obiettivoOttimo_->setObjectName("obiettivoOttimo");
    obiettivoOttimo_->addItems({"almeno 12", "almeno 13", "14"});
    obiettivoOttimo_->setToolTip("Il punteggio di cui massimizzare la probabilita'");
    fuoriOttimo_ = new QCheckBox("Anche segni fuori pronostico");
    fuoriOttimo_->setObjectName("fuoriOttimo");
    gs->addWidget(sceltaOttimo_, 5, 0);
    gs->addWidget(colonneOttimo_, 5, 2);
    gs->addWidget(obiettivoOttimo_, 6, 0);
    gs->addWidget(fuoriOttimo_, 6, 1, 1, 2);
    auto* gruppo = new QButtonGroup(this);
    gruppo->addButton(sceltaOttimo_);
    gruppo->addButton(sceltaRidotto_);
    gruppo->addButton(sceltaCorrezione_);
    gruppo->addButton(sceltaCondizionato_);

    auto* condizioni = new QPushButton("&Condizioni ...");
    condizioni->setObjectName("condizioni");
    condizioni->setToolTip("Accede ai condizionamenti del sistema");
    auto* stampaIntegrale = new QPushButton("Stampa Schedina Integrale");
    stampaIntegrale->setObjectName("stampaIntegrale");
    auto* stampaRidotto = new QPushButton("Stampa Schedine Sistema Ridotto");
    stampaRidotto->setObjectName("stampaRidotto");
    auto* ok = new QPushButton("&OK");
    ok->setObjectName("IDOK");
    auto* basso = new QHBoxLayout;
    basso->addWidget(condizioni);
    basso->addWidget(stampaIntegrale);
    basso->addWidget(stampaRidotto);
    basso->addStretch();
    basso->addWidget(ok);

    auto* destra = new QVBoxLayout;
    destra->addWidget(modifiche);
    destra->addWidget(sistemi);
    destra->addStretch();
    auto* centro = new QHBoxLayout;
    centro->addLayout(righe);
    centro->addSpacing(12);
    centro->addLayout(destra);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(centro);
    tutto->addLayout(basso);

    connect(sistemaIniziale_, &QPushButton::clicked, this, [this] {
        logica_.SistemaIniziale();
        Mostra();
    });
    connect(impostazioni, &QPushButton::clicked, this, [this] { Impostazioni(); });
    connect(sceltaRidotto_, &QRadioButton::clicked, this, [this] {
        logica_.ScegliRidotto();
        Mostra();
    });
    connect(sceltaCorrezione_, &QRadioButton::clicked, this, [this] {
        logica_.ScegliCorrezione(selettoreErrori_->currentIndex());
        Mostra();
    });
    connect(sceltaCondizionato_, &QRadioButton::clicked, this, [this] {
        logica_.ScegliCondizionato();
        Mostra();
        ContaSeServe();
    });
    connect(selettoreErrori_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (mostra_ || i < 0) return;
        logica_.ScegliCorrezione(i);
        Mostra();
    });
    auto ottimo = [this] {
        if (mostra_) return;
        logica_.ScegliOttimo(colonneOttimo_->value(), 12 + obiettivoOttimo_->currentIndex(),
                             fuoriOttimo_->isChecked());
        Mostra();
    };
    connect(sceltaOttimo_, &QRadioButton::clicked, this, ottimo);
    connect(colonneOttimo_, &QSpinBox::editingFinished, this, [this, ottimo] {
        if (sceltaOttimo_->isChecked()) ottimo();
    });
    connect(obiettivoOttimo_, &QComboBox::currentIndexChanged, this, [this, ottimo](int) {
        if (sceltaOttimo_->isChecked()) ottimo();
    });
    connect(fuoriOttimo_, &QCheckBox::clicked, this, [this, ottimo] {
        if (sceltaOttimo_->isChecked()) ottimo();
    });
    connect(condizioni, &QPushButton::clicked, this, [this] { Condizioni(); });
    connect(stampaIntegrale, &QPushButton::clicked, this, [this] { Stampa(true); });
    connect(stampaRidotto, &QPushButton::clicked, this, [this] { Stampa(false); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

bool CPropostaSistemaQt::Aggiorna(bool) {
    const bool ricalcola = riempita_;
    riempita_ = true;
    if (!logica_.Riempi(ricalcola, messaggi_)) return false;
    Mostra();
    ContaSeServe();
    return true;
}

void CPropostaSistemaQt::ContaSeServe() {
    const SistemaRidotto& r = dati_.schedina.ridotto;
    if (conteggio_ || logica_.scelta() != SceltaRiduzione::Condizionato ||
        (r.contato && r.erroriMin == -2))
        return;
    const NumeroSegni n = StatoNumeroSegni(dati_.schedina);
    if (n.triple + n.doppie == 0) return;
    conteggio_ = true;
    ContaCondizionato(dati_.schedina, dati_.condizionamenti, true, ctx_, [this](bool) {
        conteggio_ = false;
        Mostra();
    });
}

void CPropostaSistemaQt::Condizioni() {
    if (conteggio_) return;
    CFoglioCondizioniQt foglio(dati_, messaggi_, this);
    foglio.exec();
    if (foglio.cambiate()) logica_.ScegliCondizionato();
    Mostra();
    ContaSeServe();
}

void CPropostaSistemaQt::Mostra() {
    mostra_ = true;
    const auto& righe = logica_.righe();
    for (int r = 0; r < kRigheSchedina; ++r) {
        const RigaProposta& v = righe[static_cast<std::size_t>(r)];
        casa_[r]->setText(Q(v.casa));
        trasferta_[r]->setText(Q(v.trasferta));
        pronostici_[r]->setText(Q(v.pronostico));
        p1_[r]->setText(Q(v.p1));
        pX_[r]->setText(Q(v.pX));
        p2_[r]->setText(Q(v.p2));
        const QSignalBlocker b(manuali_[r]);
        manuali_[r]->setChecked(v.manuale);
        manuali_[r]->setEnabled(!v.manuale && !v.vuota);
        info_[r]->setEnabled(v.datiEvento());
    }
    const auto& on = logica_.comandiAbilitati();
    for (int c = 0; c < kNumeroComandiSistema; ++c)
        comandi_[static_cast<std::size_t>(c)]->setEnabled(on[static_cast<std::size_t>(c)]);
    sistemaIniziale_->setEnabled(logica_.sistemaInizialeAbilitato());
    integrale_->setText(Q(logica_.testoIntegrale()));
    ridotto_->setText(Q(logica_.testoRidotto()));
    condizionato_->setText(Q(logica_.testoCondizionato()));
    sceltaRidotto_->setEnabled(logica_.ridottoAbilitato());
    sceltaCorrezione_->setEnabled(logica_.correzioneAbilitata());
    {
        const QSignalBlocker b(selettoreErrori_);
        selettoreErrori_->clear();
        for (const auto& c : logica_.correzioni())
            selettoreErrori_->addItem(QString("%1-%2  (%3 colonne)")
                                          .arg(c.erroriMin)
                                          .arg(c.erroriMax)
                                          .arg(c.colonne));
        selettoreErrori_->setCurrentIndex(logica_.correzioneSelezionata());
        selettoreErrori_->setVisible(logica_.correzioneAbilitata());
    }
    errori_->setText(Q(logica_.testoErrori()));
    colonneErrori_->setText(Q(logica_.testoColonneCorrezione()));
    {
        const QSignalBlocker b1(colonneOttimo_), b2(obiettivoOttimo_), b3(fuoriOttimo_);
        colonneOttimo_->setValue(logica_.colonneOttimo());
        obiettivoOttimo_->setCurrentIndex(std::clamp(logica_.obiettivoOttimo() - 12, 0, 2));
        fuoriOttimo_->setChecked(logica_.fuoriOttimo());
    }
    switch (logica_.scelta()) {
    case SceltaRiduzione::Ottimo:
        sceltaOttimo_->setChecked(true);
        break;
    case SceltaRiduzione::Ridotto:
        sceltaRidotto_->setChecked(true);
        break;
    case SceltaRiduzione::Correzione:
        sceltaCorrezione_->setChecked(true);
        break;
    default:
        sceltaCondizionato_->setChecked(true);
        break;
    }
    mostra_ = false;
    emit abilitazioniCambiate();
}

void CPropostaSistemaQt::Comando(ComandoSistema c) {
    logica_.Comando(c, messaggi_);
    Mostra();
}

void CPropostaSistemaQt::Manuale(int riga) {
    const std::string attuale = logica_.righe()[static_cast<std::size_t>(riga)].pronostico;
    std::optional<std::string> scelto;
    if (sceltaPronostico) {
        scelto = sceltaPronostico(attuale);
    } else {
        DlgSelezionePronostico d(attuale, this);
        if (d.exec() == QDialog::Accepted) scelto = d.scelto();
    }
    if (!scelto || !logica_.ImpostaManuale(riga, *scelto)) {
        const QSignalBlocker b(manuali_[riga]);
        manuali_[riga]->setChecked(false);
        return;
    }
    Mostra();
}

void CPropostaSistemaQt::DatiEvento(int riga) {
    const RigaProposta& v = logica_.righe()[static_cast<std::size_t>(riga)];
    if (!v.datiEvento()) return;
    CDlgDatiEventoQt d(dati_, v.campionato, v.casa, v.trasferta, "MARVEN", this);
    if (mostraDatiEvento)
        mostraDatiEvento(d);
    else
        d.exec();
}

void CPropostaSistemaQt::Impostazioni() {
    DlgParametriSistemaBase d(logica_.percentualeMinSegno(), logica_.percentualeMinFissa(),
                              logica_.percentualeBonus(), this);
    if (d.exec() != QDialog::Accepted) return;
    logica_.ApplicaParametri(d.probMinSegno(), d.probMinFissa(), d.bonus());
    Mostra();
}

void CPropostaSistemaQt::Stampa(bool integrale) {
    if (!stampa_) return;
    logica_.Chiudi(); // the reduction chosen so far is the one printed
    auto apri = [this, integrale](bool) {
        conteggio_ = false;
        Mostra();
        DlgStampaSchedine d(dati_, messaggi_, *stampa_, integrale, this);
        d.exec();
    };
    if (integrale) return apri(true);
    if (conteggio_) return;
    conteggio_ = true;
    // The reduced system is built first (a job; a stop or a missing table
    // leaves the one held and the dialog then prints nothing).
    CostruisciSistema(dati_.schedina, dati_.condizionamenti, ctx_, apri);
}

void CPropostaSistemaQt::done(int r) {
    logica_.Chiudi();
    FinestraNonModaleQt::done(r);
}

} // namespace veltra
