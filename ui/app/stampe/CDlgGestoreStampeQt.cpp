#include "CDlgGestoreStampeQt.h"

#include "app/DatiGlobali.h"
#include "dati/Campionati.h"
#include "platform/Risorse.h"
#include "platform/UiComune.h"
#include "pools/DlgStampaSchedine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace veltra {

CDlgGestoreStampeQt::CDlgGestoreStampeQt(DatiGlobali& dati, IMessaggi& messaggi, IServizioStampa& stampa,
                                         const IOrologio& orologio, QWidget* genitore)
    : QDialog(genitore), dati_(dati), messaggi_(messaggi), servizio_(stampa), orologio_(orologio),
      logica_(dati), esecutore_(this), ctx_{esecutore_, messaggi, CartellaRiduzioni(), std::nullopt, 0} {
    setObjectName("CDlgGestoreStampe");
    setWindowTitle(CDlgGestoreStampe::kTitolo);

    for (int i = 0; i < kVociStampa; ++i) {
        const auto v = static_cast<VoceStampa>(i);
        auto* c = Nomina(new QCheckBox(Q(CDlgGestoreStampe::Etichetta(v))),
                         QString("voce%1").arg(i), Q(CDlgGestoreStampe::Suggerimento(v)));
        caselle_[static_cast<std::size_t>(i)] = c;
        connect(c, &QCheckBox::toggled, this, [this, v](bool si) {
            logica_.Spunta(v, si);
            Mostra();
        });
    }
    auto tendina = [this](VoceStampa v, const char* nome, const char* suggerimento) {
        auto* t = Nomina(new QComboBox, nome, Q(suggerimento));
        for (const auto& c : kCampionati) t->addItem(Q(c.nome));
        t->setCurrentIndex(-1);
        connect(t, &QComboBox::currentIndexChanged, this, [this, v](int i) {
            logica_.ScegliCampionato(v, i < 0 ? std::nullopt : std::optional<int>(i));
        });
        return t;
    };
    tendinaAnalisi_ = tendina(VoceStampa::AnalisiCorrente, "campionatoAnalisi",
                              "Seleziona il campionato da cui stampare l'analisi corrente");
    tendinaArchivio_ = tendina(VoceStampa::ArchivioAnalisi, "campionatoArchivio",
                               "Seleziona il campionato da cui stampare l'archivio delle analisi");

    auto gruppo = [](const char* titolo, QLayout* contenuto) {
        auto* g = new QGroupBox(Q(titolo));
        g->setLayout(contenuto);
        return g;
    };
    auto* analisi = new QGridLayout;
    analisi->addWidget(casella(VoceStampa::AnalisiCorrente), 0, 0);
    analisi->addWidget(tendinaAnalisi_, 0, 1);
    auto* archivi = new QGridLayout;
    archivi->addWidget(casella(VoceStampa::ArchivioAnalisi), 0, 0);
    archivi->addWidget(tendinaArchivio_, 0, 1);
    auto* pools = new QGridLayout;
    pools->addWidget(casella(VoceStampa::TabulatoIntegrale), 0, 0);
    pools->addWidget(casella(VoceStampa::TabulatoRidotto), 0, 1);
    pools->addWidget(casella(VoceStampa::SchedinaIntegrale), 1, 0);
    pools->addWidget(casella(VoceStampa::SchedineRidotto), 1, 1);
    auto* scommesse = new QVBoxLayout;
    scommesse->addWidget(casella(VoceStampa::Scommesse));

    stampa_ = Pulsante("&Stampa", "IDOK", "Stampa le pagine selezionate");
    auto* cancella = Pulsante("&Cancella", "IDCANCEL");
    connect(stampa_, &QPushButton::clicked, this, &CDlgGestoreStampeQt::Stampa);
    connect(cancella, &QPushButton::clicked, this, &QDialog::reject);

    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(gruppo("ANALISI CORRENTI", analisi));
    tutto->addWidget(gruppo("ARCHIVI ANALISI", archivi));
    tutto->addWidget(gruppo("SISTEMA E SCHEDINE TOTOCALCIO", pools));
    tutto->addWidget(gruppo("SCOMMESSE SPORTIVE", scommesse));
    tutto->addLayout(RigaPulsanti({}, {stampa_, cancella}));
    Mostra();
}

QComboBox* CDlgGestoreStampeQt::tendina(VoceStampa v) const {
    if (v == VoceStampa::AnalisiCorrente) return tendinaAnalisi_;
    if (v == VoceStampa::ArchivioAnalisi) return tendinaArchivio_;
    return nullptr;
}

void CDlgGestoreStampeQt::Mostra() {
    casella(VoceStampa::Scommesse)->setText(Q(logica_.etichettaScommesse()));
    for (int i = 0; i < kVociStampa; ++i) {
        const auto v = static_cast<VoceStampa>(i);
        QCheckBox* c = casella(v);
        const QSignalBlocker blocco(c);
        c->setEnabled(logica_.abilitata(v));
        c->setChecked(logica_.spuntata(v));
    }
    for (const VoceStampa v : {VoceStampa::AnalisiCorrente, VoceStampa::ArchivioAnalisi}) {
        QComboBox* t = tendina(v);
        const QSignalBlocker blocco(t);
        t->setEnabled(logica_.tendinaAbilitata(v));
        t->setCurrentIndex(logica_.campionato(v).value_or(-1));
    }
    stampa_->setEnabled(logica_.stampaAbilitata());
}

void CDlgGestoreStampeQt::Stampa() {
    logica_.Stampa(messaggi_, servizio_, orologio_, *this);
    Mostra();
}

void CDlgGestoreStampeQt::StampaSchedine(bool integrale) {
    DlgStampaSchedine(dati_, messaggi_, servizio_, integrale, this).exec();
}

void CDlgGestoreStampeQt::CostruisciRidotto(std::function<void(bool)> fine) {
    CostruisciSistema(dati_.schedina, dati_.condizionamenti, ctx_, std::move(fine));
}

} // namespace veltra
