#include "DlgFiltriArchivioQt.h"

#include "platform/UiComune.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltra {

DlgFiltriArchivioQt::DlgFiltriArchivioQt(const std::vector<std::string>& squadre, int casa,
                                     int trasferta, QWidget* parent)
    : QDialog(parent) {
    setObjectName("filtriArchivio");
    setWindowTitle("VELTRA - Filtri");
    const QStringList nomi = ElencoQ(squadre);
    attivaCasa_ = Nomina(new QCheckBox("in Casa da :"), "attivaCasa",
                         "Abilita/disabilita un filtro sulle squadre in Casa");
    casa_ = Nomina(new QComboBox, "filtroCasa",
                   "Seleziona la squadra su cui operare il filtro in Casa");
    casa_->addItems(nomi);
    attivaTrasferta_ = Nomina(new QCheckBox("in Trasferta da :"), "attivaTrasferta",
                              "Abilita/disabilita un filtro sulle squadre in Trasferta");
    trasferta_ = Nomina(new QComboBox, "filtroTrasferta",
                        "Seleziona la squadra su cui operare il filtro in Trasferta");
    trasferta_->addItems(nomi);

    attivaCasa_->setChecked(casa >= 0);
    casa_->setCurrentIndex(casa >= 0 ? casa : 0);
    casa_->setEnabled(casa >= 0);
    attivaTrasferta_->setChecked(trasferta >= 0);
    trasferta_->setCurrentIndex(trasferta >= 0 ? trasferta : 0);
    trasferta_->setEnabled(trasferta >= 0);
    connect(attivaCasa_, &QCheckBox::toggled, casa_, &QWidget::setEnabled);
    connect(attivaTrasferta_, &QCheckBox::toggled, trasferta_, &QWidget::setEnabled);

    auto* griglia = new QGridLayout;
    griglia->addWidget(attivaCasa_, 0, 0);
    griglia->addWidget(casa_, 0, 1);
    griglia->addWidget(attivaTrasferta_, 1, 0);
    griglia->addWidget(trasferta_, 1, 1);
    auto* pulsanti = PulsantiOkCancella(*this);

    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(new QLabel("Seleziona gli incontri giocati:"));
    tutto->addLayout(griglia);
    tutto->addWidget(pulsanti);
}

int DlgFiltriArchivioQt::casa() const {
    return attivaCasa_->isChecked() ? casa_->currentIndex() : -1;
}

int DlgFiltriArchivioQt::trasferta() const {
    return attivaTrasferta_->isChecked() ? trasferta_->currentIndex() : -1;
}

} // namespace veltra
