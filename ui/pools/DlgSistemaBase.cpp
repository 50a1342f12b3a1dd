#include "DlgSistemaBase.h"

#include "pools/CNuovaSchedina.h"
#include "pools/CPropostaSistema.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace veltra {

DlgSelezionePronostico::DlgSelezionePronostico(const std::string& attuale, QWidget* parent)
    : QDialog(parent) {
    setObjectName("DlgSelezionePronostico");
    setWindowTitle("MARVEN - Selezione Pronostico");
    elenco_ = new QComboBox;
    elenco_->setObjectName("elencoPronostici");
    for (const auto& p : PronosticiSelezionabili()) elenco_->addItem(QString::fromStdString(p));
    elenco_->setCurrentIndex(elenco_->findText(QString::fromStdString(attuale), Qt::MatchExactly));
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pulsanti->button(QDialogButtonBox::Cancel)->setText("Annulla");
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* l = new QVBoxLayout(this);
    l->addWidget(new QLabel("Seleziona il pronostico dell'incontro:"));
    l->addWidget(elenco_);
    l->addWidget(pulsanti);
}

std::string DlgSelezionePronostico::scelto() const {
    return elenco_->currentIndex() < 0 ? std::string() : elenco_->currentText().toStdString();
}

DlgParametriSistemaBase::DlgParametriSistemaBase(int minSegno, int minFissa, int bonus,
                                                 QWidget* parent)
    : QDialog(parent) {
    setObjectName("CDlgParametriSistemaBase");
    setWindowTitle(kTitoloParametriSistemaBase);
    struct Voce {
        const char* etichetta;
        const char* spiegazione;
        const char* nome;
        int valore;
        bool piu;
    };
    const Voce voci[3] = {
        {"PROBABILITA' MINIMA DI OGNI SEGNO :",
         "( Un pronostico con probabilita' pari o maggiore a tale limite verra' inserito nel "
         "sistema base )",
         "probMinSegno", minSegno, false},
        {"PROBABILITA' MINIMA PER UNA FISSA :",
         "( Valore minimo di probabilita' affinche' un pronostico possa diventare una fissa )",
         "probMinFissa", minFissa, false},
        {"PROBABILITA' BONUS PER SEGNI '2' IN SCHEDINA :",
         "( Valore da aggiungere alle probabilita' dei segni '2' per calibrare il numero di "
         "vittorie in trasferta )",
         "bonusSegno2", bonus, true},
    };
    auto* g = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        spin_[i] = new QSpinBox;
        spin_[i]->setObjectName(voci[i].nome);
        spin_[i]->setRange(0, 100);
        spin_[i]->setSingleStep(1);
        spin_[i]->setSuffix("%");
        if (voci[i].piu) spin_[i]->setPrefix("+");
        spin_[i]->setValue(voci[i].valore);
        auto* spiegazione = new QLabel(voci[i].spiegazione);
        spiegazione->setWordWrap(true);
        g->addWidget(new QLabel(voci[i].etichetta), 2 * i, 0);
        g->addWidget(spin_[i], 2 * i, 1);
        g->addWidget(spiegazione, 2 * i + 1, 0, 1, 2);
    }
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pulsanti->button(QDialogButtonBox::Cancel)->setText("Annulla");
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* l = new QVBoxLayout(this);
    l->addLayout(g);
    l->addWidget(pulsanti);
}

float DlgParametriSistemaBase::probMinSegno() const { return spin_[0]->value() / 100.0f; }
float DlgParametriSistemaBase::probMinFissa() const { return spin_[1]->value() / 100.0f; }
float DlgParametriSistemaBase::bonus() const { return spin_[2]->value() / 100.0f; }

} // namespace veltra
