#include "CDlgParametriAvanzatiQt.h"

#include "SpinFormato.h"
#include "platform/Messaggi.h"
#include "platform/UiComune.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace veltra {

namespace {

using P = CDlgParametriAvanzati;

// Object names of the spins: the record's field names.
QString NomeCampo(int campo) {
    if (campo < 18) return QString("punti%1").arg(campo);
    static const char* kNomi[] = {
        "modificaAltaCasa",  "modificaBassaCasa", "modificaAltaTrasferta", "modificaBassaTrasferta",
        "forteCasa",         "deboleCasa",        "forteTrasferta",        "deboleTrasferta",
        "limiteMinCasa",     "limiteMaxCasa",     "limiteMinTrasferta",    "limiteMaxTrasferta",
        "campionatiInclusi", "importanza"};
    return kNomi[campo - 18];
}

} // namespace

CDlgParametriAvanzatiQt::CDlgParametriAvanzatiQt(CDlgImpostazioneParametri& finestra,
                                               const CAnalisi& analisi, bool solaLettura,
                                               IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), logica_(finestra, analisi, solaLettura), messaggi_(messaggi) {
    Costruisci();
}

CDlgParametriAvanzatiQt::CDlgParametriAvanzatiQt(const DatiCampionati& dati, int campionato,
                                                 const CAnalisi& analisi, IMessaggi& messaggi,
                                                 QWidget* parent)
    : QDialog(parent), logica_(dati, campionato, analisi), messaggi_(messaggi) {
    Costruisci();
}

void CDlgParametriAvanzatiQt::Costruisci() {
    const bool solaLettura = logica_.solaLettura();
    setObjectName(QString::number(kRisorsa));
    setWindowTitle(Q(logica_.Titolo()));

    for (int campo = 0; campo < P::kNumeroCampi; ++campo) {
        QAbstractSpinBox* s;
        if (campo == P::kInclusi || campo == P::kImportanza) {
            auto* intero = new QSpinBox;
            intero->setKeyboardTracking(false);
            if (campo == P::kImportanza) intero->setSuffix("%");
            connect(intero, &QSpinBox::valueChanged, this,
                    [this, campo](int v) { Cambiato(campo, v); });
            s = intero;
        } else {
            const bool decimali = campo < 18 || campo <= P::kModificaBassaTrasferta;
            const char* formato = decimali                       ? "%+.2f"
                                  : campo <= P::kDeboleTrasferta ? "%+.0f"
                                                                 : "%+d";
            auto* d = new SpinFormato(formato, campo >= P::kLimiteMinCasa);
            d->setDecimals(decimali ? 2 : 0);
            connect(d, &QDoubleSpinBox::valueChanged, this,
                    [this, campo](double v) { Cambiato(campo, v); });
            s = d;
        }
        Nomina(s, NomeCampo(campo), Q(P::Suggerimento(campo)));
        s->setEnabled(!solaLettura);
        spin_[static_cast<std::size_t>(campo)] = s;
    }

    // Points: rows win/draw/loss, columns Forte/Media/Debole.
    auto gruppoPunti = [this](const char* titolo, int lato) {
        auto* g = new QGroupBox(titolo);
        auto* l = new QGridLayout(g);
        const char* righe[3] = {
            "Vittoria contro squadra:", "Pareggio contro squadra:", "Sconfitta contro squadra:"};
        const char* colonne[3] = {"Forte:", "Media:", "Debole:"};
        for (int e = 0; e < 3; ++e) {
            l->addWidget(new QLabel(righe[e]), e, 0);
            for (int f = 0; f < 3; ++f) {
                l->addWidget(new QLabel(colonne[f]), e, 1 + 2 * f);
                const int i =
                    CPunteggiAvanzati::IndicePunti(static_cast<Esito>(e), static_cast<Forza>(f)) +
                    lato;
                l->addWidget(spin(i), e, 2 + 2 * f);
            }
        }
        return g;
    };
    insieme_ = Nomina(new QCheckBox("Modifica insieme Casa e Trasferta:"), P::kInsieme);
    insieme_->setLayoutDirection(Qt::RightToLeft);
    insieme_->setEnabled(!solaLettura);
    connect(insieme_, &QCheckBox::toggled, this, [this](bool b) { logica_.ImpostaInsieme(b); });

    // Two spins of each side: "In Casa:" and "In Trasferta:" rows.
    auto coppie = [this](const char* titolo, const char* a, int casaA, int trasfertaA,
                         const char* b, int casaB, int trasfertaB, const char* trasferta) {
        auto* g = new QGroupBox(titolo);
        auto* l = new QGridLayout(g);
        l->addWidget(new QLabel("In Casa:"), 0, 0);
        l->addWidget(new QLabel(trasferta), 1, 0);
        l->addWidget(new QLabel(a), 0, 1);
        l->addWidget(spin(casaA), 0, 2);
        l->addWidget(new QLabel(b), 0, 3);
        l->addWidget(spin(casaB), 0, 4);
        l->addWidget(new QLabel(a), 1, 1);
        l->addWidget(spin(trasfertaA), 1, 2);
        l->addWidget(new QLabel(b), 1, 3);
        l->addWidget(spin(trasfertaB), 1, 4);
        return g;
    };
    auto* modifiche =
        coppie("MODIFICA AI PUNTEGGI TOTALI IN BASE ALLA POSIZIONE DI CLASSIFICA:", "Bassa:",
               P::kModificaBassaCasa, P::kModificaBassaTrasferta, "Alta:", P::kModificaAltaCasa,
               P::kModificaAltaTrasferta, "In Trasferta:");
    auto* forze = coppie("VALUTAZIONE DELLA FORZA DI UN'AVVERSARIA TRAMITE I SUOI PUNTEGGI TOTALI:",
                         "Debole <", P::kDeboleCasa, P::kDeboleTrasferta, "Forte >", P::kForteCasa,
                         P::kForteTrasferta, "In Trasferta:");
    auto* limiti = coppie(
        "LIMITI PUNTEGGI TOTALI TENUTI IN CONSIDERAZIONE NELLE STIME:", "Min:", P::kLimiteMinCasa,
        P::kLimiteMinTrasferta, "Max:", P::kLimiteMaxCasa, P::kLimiteMaxTrasferta, "In Trasferta:");

    auto* campionati = new QGroupBox("CAMPIONATI:");
    auto* lc = new QGridLayout(campionati);
    inclusi_ = Nomina(new QLabel, P::kTestoInclusi);
    intervallo_ = Nomina(new QLabel, P::kIntervalloStagioni);
    importanzaMin_ = Nomina(new QLabel, P::kTestoImportanzaMin);
    importanzaMax_ = Nomina(new QLabel, P::kTestoImportanzaMax);
    lc->addWidget(new QLabel("Inclusi:"), 0, 0);
    lc->addWidget(spin(P::kInclusi), 0, 1);
    lc->addWidget(inclusi_, 0, 2);
    lc->addWidget(intervallo_, 0, 3, 1, 3);
    lc->addWidget(new QLabel("Importanza:"), 1, 0);
    lc->addWidget(spin(P::kImportanza), 1, 1);
    lc->addWidget(new QLabel("Min:"), 1, 2);
    lc->addWidget(importanzaMin_, 1, 3);
    lc->addWidget(new QLabel("Max:"), 1, 4);
    lc->addWidget(importanzaMax_, 1, 5);

    precisione_ = Nomina(new QLabel, P::kPrecisione);
    precisione_->setWordWrap(true);

    ok_ = Pulsante("&OK", "IDOK");
    annulla_ = Pulsante("&Cancella", "IDCANCEL");
    annulla_->setVisible(!solaLettura);
    allinea_ = Pulsante("&Allinea", P::kAllinea);
    auto* pulsanti = RigaPulsanti({allinea_}, {ok_, annulla_});

    auto* colonnaPunti = new QVBoxLayout;
    colonnaPunti->addWidget(gruppoPunti("PUNTEGGIO PER PARTITA IN CASA:", 0));
    colonnaPunti->addWidget(gruppoPunti("PUNTEGGIO PER PARTITA IN TRASFERTA:", 1));
    colonnaPunti->addWidget(insieme_);
    auto* colonnaAltro = new QVBoxLayout;
    colonnaAltro->addWidget(modifiche);
    colonnaAltro->addWidget(forze);
    colonnaAltro->addWidget(limiti);
    colonnaAltro->addWidget(campionati);
    auto* colonne = new QHBoxLayout;
    colonne->addLayout(colonnaPunti);
    colonne->addLayout(colonnaAltro);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(colonne);
    tutto->addWidget(precisione_);
    tutto->addLayout(pulsanti);

    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla_, &QPushButton::clicked, this, &QDialog::reject);
    connect(allinea_, &QPushButton::clicked, this, [this] {
        logica_.Allinea();
        Mostra();
        emit esitoCambiato();
    });
    Mostra();
}

void CDlgParametriAvanzatiQt::Cambiato(int campo, double valore) {
    if (mostrando_) return;
    logica_.Imposta(campo, valore);
    Mostra();
    emit esitoCambiato();
}

void CDlgParametriAvanzatiQt::Mostra() {
    mostrando_ = true;
    for (int campo = 0; campo < P::kNumeroCampi; ++campo) {
        const auto r = logica_.IntervalloDi(campo);
        const double v = logica_.Valore(campo);
        if (auto* i = qobject_cast<QSpinBox*>(spin(campo))) {
            i->setRange(static_cast<int>(r.minimo), static_cast<int>(r.massimo));
            i->setSingleStep(static_cast<int>(r.passo));
            i->setValue(static_cast<int>(v));
        } else if (auto* d = qobject_cast<QDoubleSpinBox*>(spin(campo))) {
            d->setRange(r.minimo, r.massimo);
            d->setSingleStep(r.passo);
            d->setValue(v);
        }
    }
    inclusi_->setText(Q(logica_.Testo(P::kInclusi)));
    intervallo_->setText(Q(logica_.TestoIntervalloStagioni()));
    importanzaMin_->setText(Q(logica_.TestoImportanzaMin()));
    importanzaMax_->setText(Q(logica_.TestoImportanzaMax()));
    precisione_->setText(Q(logica_.testoPrecisione()));
    ok_->setEnabled(logica_.okAbilitato());
    allinea_->setEnabled(logica_.allineaAbilitato());
    allinea_->setVisible(!logica_.solaLettura());
    mostrando_ = false;
}

void CDlgParametriAvanzatiQt::accept() {
    if (!logica_.okAbilitato()) return;
    logica_.Ok();
    QDialog::accept();
}

void CDlgParametriAvanzatiQt::reject() {
    logica_.Annulla();
    QDialog::reject();
}

void CDlgParametriAvanzatiQt::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        const std::string d = logica_.Diagnostica(static_cast<int>(e->position().x()),
                                                  static_cast<int>(e->position().y()));
        if (!d.empty()) {
            messaggi_.Mostra(d, Icona::Informazione);
            return;
        }
    }
    QDialog::mousePressEvent(e);
}

} // namespace veltra
