#include "CDlgImpostazioneParametriQt.h"

#include "CDlgConfrontoAnalisiQt.h"
#include "DlgDescrizioneAnalisiQt.h"
#include "CDlgParametriAvanzatiQt.h"
#include "platform/AiutoQt.h"
#include "platform/UiComune.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace veltra {

namespace {

using F = CDlgImpostazioneParametri;

// A control of this window: its resource number and its tooltip.
template <class W> W* Controllo(W* w, int risorsa) {
    return Nomina(w, risorsa, Q(F::Suggerimento(risorsa)));
}

QPushButton* PulsanteFinestra(const char* testo, int risorsa) {
    return Pulsante(testo, risorsa, Q(F::Suggerimento(risorsa)));
}

// The widest precision formula.
constexpr const char* kPrecisioneCampione = "100.0% ('1' = 100.0% - 'X' = 100.0% - '2' = 100.0%)";

// The precision line may wrap only between the formula and "Dati Usati":
// the blanks inside the formula do not break.
QString ACapoSoloPrimaDeiDati(const QString& testo) {
    const QString separatore = QStringLiteral("  - Dati Usati: ");
    const int i = testo.indexOf(separatore);
    if (i < 0) return testo;
    QString formula = testo.left(i);
    formula.replace(' ', QChar::Nbsp);
    return formula + testo.mid(i);
}

} // namespace

CDlgImpostazioneParametriQt::CDlgImpostazioneParametriQt(
    DatiGlobali& dati, StatoShell& stato, IMessaggi& messaggi, const IOrologio& orologio,
    std::function<void(const TestiStato&)> mostraStato, IAiuto* aiuto, IServizioStampa* stampa,
    QWidget* parent)
    : FinestraNonModaleQt(parent), logica_(dati, stato.finestre, messaggi, orologio),
      messaggi_(messaggi), aiuto_(aiuto), stampa_(stampa), orologio_(orologio) {
    setObjectName(QString::number(kRisorsa));
    logica_.mostraStato = std::move(mostraStato);

    // --- the current analysis
    auto* gruppoGiornate = new QGroupBox("GIORNATE D'ANALISI:");
    giornate_ = Controllo(new QSlider(Qt::Horizontal), F::kGiornate);
    giornate_->setRange(1, 5);
    giornate_->setPageStep(1);
    giornate_->setTickPosition(QSlider::TicksBelow);
    testoGiornate_ = Controllo(new QLabel, F::kTestoGiornate);
    auto* rigaGiornate = new QHBoxLayout(gruppoGiornate);
    rigaGiornate->addWidget(giornate_);
    rigaGiornate->addWidget(testoGiornate_);

    separa_ = Controllo(new QCheckBox("Mantieni separate Casa e Trasferta:"), F::kSepara);
    separa_->setLayoutDirection(Qt::RightToLeft);

    auto* gruppoPercentuali = new QGroupBox("PERCENTUALI D'IMPORTANZA:");
    auto* griglia = new QGridLayout(gruppoPercentuali);
    const char* etichette[5] = {"Ultimo incontro:", "Penultimo incontro:", "3' -ultimo incontro:",
                                "4' -ultimo incontro:", "5' -ultimo incontro:"};
    for (int k = 0; k < 5; ++k) {
        percentuali_[k] = Controllo(new QSlider(Qt::Horizontal), F::kPercentuale[k]);
        percentuali_[k]->setRange(50, 150);
        percentuali_[k]->setPageStep(10);
        testiPercentuali_[k] = Controllo(new QLabel, F::kTestoPercentuale[k]);
        testiPercentuali_[k]->setMinimumWidth(40);
        griglia->addWidget(new QLabel(etichette[k]), k, 0);
        griglia->addWidget(percentuali_[k], k, 1);
        griglia->addWidget(testiPercentuali_[k], k, 2);
        connect(percentuali_[k], &QSlider::valueChanged, this, [this, k](int v) {
            logica_.CambiaPercentuale(k, v);
            Mostra();
        });
    }

    auto* gruppoAvanzati = new QGroupBox("PARAMETRI AVANZATI:");
    auto* avanzati = PulsanteFinestra("&Punteggi, Forze, Limiti...", F::kAvanzati);
    (new QVBoxLayout(gruppoAvanzati))->addWidget(avanzati);

    auto* gruppoPrecisione = new QGroupBox("PRECISIONE STIME");
    precisione_ = Controllo(new QLabel, F::kPrecisione);
    precisione_->setWordWrap(true);
    // Room for the formula on one line: the text breaks only before
    // "Dati Usati" (see ACapoSoloPrimaDeiDati).
    precisione_->setMinimumWidth(precisione_->fontMetrics().horizontalAdvance(kPrecisioneCampione));
    (new QVBoxLayout(gruppoPrecisione))->addWidget(precisione_);

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(gruppoGiornate);
    sinistra->addWidget(separa_);
    sinistra->addWidget(gruppoPercentuali);
    sinistra->addWidget(gruppoAvanzati);
    sinistra->addWidget(gruppoPrecisione);

    // --- the archive copy
    auto* gruppoArchivio = new QGroupBox("ARCHIVIO ANALISI");
    auto* archivio = new QGridLayout(gruppoArchivio);
    precedente_ = PulsanteFinestra("<<", F::kPrecedente);
    successiva_ = PulsanteFinestra(">>", F::kSuccessiva);
    numeroAnalisi_ = Controllo(new QLabel, F::kNumeroAnalisi);
    auto* navigazione = new QHBoxLayout;
    navigazione->addWidget(new QLabel("ANALISI N.:"));
    navigazione->addWidget(numeroAnalisi_);
    navigazione->addStretch();
    navigazione->addWidget(precedente_);
    navigazione->addWidget(successiva_);
    archivio->addLayout(navigazione, 0, 0, 1, 2);
    const int campi[5] = {F::kArchivioGiornate, F::kArchivioPercentuali, F::kArchivioSepara,
                          F::kArchivioPrecisione, F::kArchivioDatiUsati};
    const char* nomiCampi[5] = {
        "Giornate d'Analisi:", "Percentuali d'Importanza:", "Mantiene separate Casa e Trasferta:",
        "Precisione:", "Dati Usati:"};
    // The widest text each field can hold sets its width once, so the window
    // keeps its size as the archive fills and empties.
    const char* campioni[5] = {"5", "150% - 150% - 150% - 150% - 150%", "NO", kPrecisioneCampione,
                               "100.0% su 99 campionati"};
    for (int k = 0; k < 5; ++k) {
        campiArchivio_[k] = Controllo(new QLabel, campi[k]);
        campiArchivio_[k]->setMinimumWidth(
            campiArchivio_[k]->fontMetrics().horizontalAdvance(campioni[k]));
        archivio->addWidget(new QLabel(nomiCampi[k]), k + 1, 0);
        archivio->addWidget(campiArchivio_[k], k + 1, 1);
    }
    titolo_ = Controllo(new QLineEdit, F::kTitolo);
    titolo_->setReadOnly(true);
    archivio->addWidget(titolo_, 6, 0, 1, 2);
    inserisci_ = PulsanteFinestra("&Inserisci", F::kInserisci);
    recupera_ = PulsanteFinestra("&Recupera", F::kRecupera);
    elimina_ = PulsanteFinestra("&Elimina", F::kElimina);
    note_ = PulsanteFinestra("&Note...", F::kNote);
    confronta_ = PulsanteFinestra("&Confronta", F::kConfronta);
    avanzatiArchivio_ = PulsanteFinestra("P&unteggi, Forze, Limiti...", F::kAvanzatiArchivio);
    auto* pulsantiArchivio = new QGridLayout;
    pulsantiArchivio->addWidget(inserisci_, 0, 0);
    pulsantiArchivio->addWidget(recupera_, 0, 1);
    pulsantiArchivio->addWidget(elimina_, 0, 2);
    pulsantiArchivio->addWidget(note_, 1, 0);
    pulsantiArchivio->addWidget(confronta_, 1, 1);
    pulsantiArchivio->addWidget(avanzatiArchivio_, 1, 2);
    archivio->addLayout(pulsantiArchivio, 7, 0, 1, 2);

    auto* centro = new QHBoxLayout;
    centro->addLayout(sinistra, 1);
    centro->addWidget(gruppoArchivio, 1);

    allinea_ = PulsanteFinestra("&Allinea", F::kAllinea);
    ok_ = Pulsante("&OK", "IDOK");
    auto* annulla = Pulsante("Cancella", "IDCANCEL");

    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(centro);
    tutto->addLayout(RigaPulsanti({allinea_}, {ok_, annulla}));

    connect(giornate_, &QSlider::valueChanged, this, [this](int n) {
        logica_.CambiaGiornate(n);
        Mostra();
    });
    connect(separa_, &QCheckBox::toggled, this, [this](bool s) {
        logica_.CambiaSepara(s);
        Mostra();
    });
    connect(avanzati, &QPushButton::clicked, this, [this] { ApriAvanzati(false); });
    connect(avanzatiArchivio_, &QPushButton::clicked, this, [this] { ApriAvanzati(true); });
    auto azione = [this](QPushButton* p, void (CDlgImpostazioneParametri::*f)()) {
        connect(p, &QPushButton::clicked, this, [this, f] {
            (logica_.*f)();
            Mostra();
        });
    };
    azione(precedente_, &F::Precedente);
    azione(successiva_, &F::Successiva);
    azione(inserisci_, &F::Inserisci);
    azione(recupera_, &F::Recupera);
    azione(elimina_, &F::Elimina);
    azione(allinea_, &F::Allinea);
    connect(note_, &QPushButton::clicked, this, [this] { ApriNote(); });
    connect(confronta_, &QPushButton::clicked, this, [this] { ApriConfronto(); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    Mostra();
}

bool CDlgImpostazioneParametriQt::Aggiorna(bool datiCambiati) {
    const bool esito = logica_.Aggiorna(datiCambiati);
    Mostra();
    return esito;
}

void CDlgImpostazioneParametriQt::Mostra() {
    setWindowTitle(Q(logica_.Titolo()));
    const CAnalisi& a = logica_.corrente();
    {
        const QSignalBlocker b(giornate_);
        giornate_->setValue(a.giornateAnalisi);
    }
    testoGiornate_->setText(QString::number(a.giornateAnalisi));
    {
        const QSignalBlocker b(separa_);
        separa_->setChecked(a.punteggiAvanzati.separaCasaTrasferta);
    }
    for (int k = 0; k < 5; ++k) {
        const QSignalBlocker b(percentuali_[k]);
        percentuali_[k]->setValue(a.percentualiImportanza[k]);
        percentuali_[k]->setEnabled(logica_.percentualeAbilitata(k));
        testiPercentuali_[k]->setText(Q(logica_.TestoPercentuale(k)));
    }
    precisione_->setText(ACapoSoloPrimaDeiDati(Q(logica_.testoPrecisione())));

    numeroAnalisi_->setText(Q(logica_.TestoNumeroAnalisi()));
    precedente_->setEnabled(logica_.precedenteAbilitato());
    successiva_->setEnabled(logica_.successivaAbilitato());
    const int campi[5] = {F::kArchivioGiornate, F::kArchivioPercentuali, F::kArchivioSepara,
                          F::kArchivioPrecisione, F::kArchivioDatiUsati};
    for (int k = 0; k < 5; ++k)
        campiArchivio_[k]->setText(Q(logica_.TestoArchivio(campi[k])));
    titolo_->setText(logica_.archivioAbilitato() ? Q(logica_.TestoArchivio(F::kTitolo)) : "");
    inserisci_->setEnabled(logica_.inserisciAbilitato());
    const bool mostrata = logica_.archivioAbilitato();
    recupera_->setEnabled(mostrata);
    elimina_->setEnabled(mostrata);
    note_->setEnabled(mostrata);
    avanzatiArchivio_->setEnabled(mostrata);
    confronta_->setEnabled(logica_.confrontaAbilitato());
    allinea_->setEnabled(logica_.allineaAbilitato());
    ok_->setEnabled(logica_.okAbilitato());
}

void CDlgImpostazioneParametriQt::ApriAvanzati(bool archivio) {
    const CAnalisi* a = archivio ? logica_.mostrata() : &logica_.corrente();
    if (!a) return;
    const CAnalisi copia = *a;
    CDlgParametriAvanzatiQt dialogo(logica_, copia, archivio, messaggi_, this);
    if (aiuto_)
        CollegaTastoAiuto(dialogo, *aiuto_,
                          ContestoAiutoFinestra(CDlgParametriAvanzatiQt::kRisorsa));
    // While it is open the dialog shows its recomputations in text 1029 here.
    connect(&dialogo, &CDlgParametriAvanzatiQt::esitoCambiato, this, [this] { Mostra(); });
    dialogo.exec();
    Mostra();
}

void CDlgImpostazioneParametriQt::ApriNote() {
    const CAnalisi* a = logica_.mostrata();
    if (!a) return;
    DlgDescrizioneAnalisiQt dialogo(a->titolo, a->descrizione, this);
    if (aiuto_) CollegaTastoAiuto(dialogo, *aiuto_, ContestoAiutoFinestra(208));
    if (dialogo.exec() == QDialog::Accepted)
        logica_.ImpostaNote(dialogo.titolo(), dialogo.descrizione());
    Mostra();
}

void CDlgImpostazioneParametriQt::ApriConfronto() {
    const CAnalisi* a = logica_.mostrata();
    if (!a) return;
    CDlgConfrontoAnalisiQt dialogo(
        CDlgConfrontoAnalisi("VELTRA. Confronto tra: Analisi Corrente / Analisi in Archivio",
                             logica_.corrente(), *a),
        messaggi_, stampa_, orologio_, this);
    if (aiuto_) CollegaTastoAiuto(dialogo, *aiuto_, ContestoAiutoFinestra(CDlgConfrontoAnalisiQt::kRisorsa));
    dialogo.exec();
}

void CDlgImpostazioneParametriQt::accept() {
    if (!logica_.okAbilitato()) return;
    if (!chiusa_) {
        chiusa_ = true;
        logica_.Ok();
    }
    FinestraNonModaleQt::accept();
}

void CDlgImpostazioneParametriQt::reject() {
    if (!chiusa_) {
        chiusa_ = true;
        logica_.Annulla();
    }
    FinestraNonModaleQt::reject();
}

bool CDlgImpostazioneParametriQt::PermettiUscita() {
    if (chiusa_) return true;
    if (!logica_.ConfermaPrimaDiUscire()) return false;
    chiusa_ = true; // confirmed or dropped: closing does nothing more
    return true;
}

void CDlgImpostazioneParametriQt::closeEvent(QCloseEvent* e) {
    // The title bar's close button is Cancel.
    e->ignore();
    reject();
}

} // namespace veltra
