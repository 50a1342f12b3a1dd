#include "DlgStampaSchedine.h"

#include "app/DatiGlobali.h"
#include "platform/Messaggi.h"
#include "platform/Risorse.h"
#include "pools/StampaSchedine.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace veltra {

namespace {

QSpinBox* Spin(const char* nome, int minimo, int massimo, int valore, const char* suggerimento) {
    auto* s = new QSpinBox;
    s->setObjectName(nome);
    s->setRange(minimo, massimo);
    s->setValue(std::clamp(valore, minimo, massimo));
    s->setToolTip(suggerimento);
    return s;
}

} // namespace

DlgStampaSchedine::DlgStampaSchedine(DatiGlobali& dati, IMessaggi& messaggi,
                                     IServizioStampa& stampa, bool integrale, QWidget* parent)
    : QDialog(parent), dati_(dati), messaggi_(messaggi), stampa_(stampa), integrale_(integrale) {
    setObjectName("CDlgStampaSchedine");
    setWindowTitle(integrale ? "Stampa Schedina Sistema Integrale" : "Stampa Schedine Sistema Ridotto");
    if (!integrale) ridottoPronto_ = SistemaPronto(dati_.schedina);
    const ImpostazioniStampa& imp = dati_.stampa;
    superiore_ = Spin("margineSuperiore", 1, 9999, imp.margineSuperiore,
                      "Modifica il margine superiore nella stampa");
    sinistro_ = Spin("margineSinistro", 1, 9999, imp.margineSinistro,
                     "Modifica il margine sinistro nella stampa");
    segni_ = Spin("spazioSegni", 1, 999, imp.spazioSegni, "Modifica lo spazio tra i segni nella stampa");
    partite_ = Spin("spazioPartite", 1, 999, imp.spazioPartite,
                    "Modifica lo spazio tra le partite nella stampa");
    colonne_ = Spin("spazioColonne", 1, 999, imp.spazioColonne,
                    "Modifica lo spazio tra le colonne nella stampa");
    carattere_ = new QLineEdit(QString(QChar(imp.carattereStampa >= 33 && imp.carattereStampa <= 126
                                                 ? imp.carattereStampa
                                                 : 'X')));
    carattere_->setObjectName("carattereStampa");
    carattere_->setMaxLength(1);
    carattere_->setValidator(new QRegularExpressionValidator(QRegularExpression("[!-~]"), carattere_));
    carattere_->setToolTip("Imposta il simbolo usato per stampare sulle schedine");

    auto* calibrazione = new QGroupBox("Calibrazione");
    auto* g = new QGridLayout(calibrazione);
    const std::pair<const char*, QWidget*> voci[] = {
        {"Margine Superiore:", superiore_}, {"Margine Sinistro:", sinistro_},
        {"Spazio tra segni:", segni_},      {"Spazio tra partite:", partite_},
        {"Spazio tra colonne:", colonne_},  {"Carattere di stampa:", carattere_}};
    int riga = 0;
    for (const auto& [etichetta, w] : voci) {
        g->addWidget(new QLabel(etichetta), riga, 0);
        g->addWidget(w, riga++, 1);
    }

    auto* sistema = new QGroupBox("Sistema");
    auto* gs = new QGridLayout(sistema);
    quattro_ = new QRadioButton("4");
    quattro_->setObjectName("colonne4");
    otto_ = new QRadioButton("8");
    otto_->setObjectName("colonne8");
    (dati_.schedina.colonnePerPagina == 8 ? otto_ : quattro_)->setChecked(true);
    schedina_ = new QSpinBox;
    schedina_->setObjectName("numeroSchedina");
    gs->addWidget(new QLabel("Colonne per schedina :"), 0, 0);
    gs->addWidget(quattro_, 0, 1);
    gs->addWidget(otto_, 0, 2);
    gs->addWidget(new QLabel("Schedina n. "), 1, 0);
    gs->addWidget(schedina_, 1, 1, 1, 2);
    auto aggiornaSchedine = [this] {
        dati_.schedina.colonnePerPagina = otto_->isChecked() ? 8 : 4;
        schedina_->setRange(1, std::max(1, NumeroSchedine(dati_.schedina)));
    };
    aggiornaSchedine();
    connect(quattro_, &QRadioButton::toggled, this, aggiornaSchedine);

    auto* singola = new QPushButton("&Singola");
    singola->setObjectName("singola");
    singola->setToolTip("Stampa la schedina selezionata");
    auto* tutte = new QPushButton("&Tutte");
    tutte->setObjectName("tutte");
    tutte->setToolTip("Stampa tutte le schedine del Sistema");
    auto* prova = new QPushButton("&Prova");
    prova->setObjectName("prova");
    prova->setToolTip("Stampa una schedina di prova per verificare i margini impostati");
    if (integrale_) {
        schedina_->setEnabled(false);
        tutte->setEnabled(false);
        quattro_->setEnabled(false);
        otto_->setEnabled(false);
    } else if (!ridottoPronto_) {
        singola->setEnabled(false);
        tutte->setEnabled(false);
    }
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(singola);
    pulsanti->addWidget(tutte);
    pulsanti->addWidget(prova);
    auto* chiudi = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    chiudi->button(QDialogButtonBox::Cancel)->setText("Annulla");
    connect(chiudi, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(chiudi, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(singola, &QPushButton::clicked, this, [this] { Singola(); });
    connect(tutte, &QPushButton::clicked, this, [this] { Tutte(); });
    connect(prova, &QPushButton::clicked, this, [this] { Prova(); });

    auto* l = new QVBoxLayout(this);
    l->addWidget(sistema);
    l->addWidget(calibrazione);
    l->addLayout(pulsanti);
    l->addWidget(chiudi);
}

QSpinBox* DlgStampaSchedine::spin(const char* nome) const { return findChild<QSpinBox*>(nome); }

ImpostazioniStampa DlgStampaSchedine::calibrazione() const {
    ImpostazioniStampa i = dati_.stampa;
    i.margineSuperiore = superiore_->value();
    i.margineSinistro = sinistro_->value();
    i.spazioSegni = segni_->value();
    i.spazioPartite = partite_->value();
    i.spazioColonne = colonne_->value();
    const QString c = carattere_->text();
    if (c.size() == 1 && c[0].unicode() >= 33 && c[0].unicode() <= 126)
        i.carattereStampa = static_cast<char>(c[0].unicode());
    return i;
}

void DlgStampaSchedine::Memorizza() {
    const ImpostazioniStampa i = calibrazione();
    if (!(i == dati_.stampa)) {
        dati_.stampa = i;
        dati_.datiModificati = 1;
    }
}

void DlgStampaSchedine::Singola() {
    Memorizza();
    if (integrale_)
        StampaSchedinaIntegrale(dati_.schedina, dati_.stampa, stampa_);
    else
        StampaSchedineRidotto(dati_.schedina, dati_.stampa, stampa_, schedina_->value() - 1);
}

void DlgStampaSchedine::Tutte() {
    Memorizza();
    if (!integrale_) StampaSchedineRidotto(dati_.schedina, dati_.stampa, stampa_, -1);
}

void DlgStampaSchedine::Prova() {
    Memorizza();
    StampaProva(dati_.stampa, integrale_ || quattro_->isChecked() ? 4 : 8, stampa_);
}

void DlgStampaSchedine::accept() {
    Memorizza();
    QDialog::accept();
}

} // namespace veltra
