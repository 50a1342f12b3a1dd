#include "DlgCercaIncontroQt.h"

#include "platform/UiComune.h"
#include "tools/archiviostorico/CArchivioStorico.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltra {

DlgCercaIncontroQt::DlgCercaIncontroQt(const std::vector<std::string>& squadre, QWidget* parent)
    : QDialog(parent) {
    setObjectName("cercaIncontro");
    setWindowTitle("VELTRA - Cerca Incontro");
    const QStringList nomi = ElencoQ(squadre);
    casa_ = Nomina(new QComboBox, "cercaCasa",
                   "Seleziona la squadra che ha giocato l'incontro in Casa");
    casa_->addItems(nomi);
    casa_->setCurrentIndex(-1);
    trasferta_ = Nomina(new QComboBox, "cercaTrasferta",
                        "Seleziona la squadra che ha giocato l'incontro in Trasferta");
    trasferta_->addItems(nomi);
    trasferta_->setCurrentIndex(-1);

    auto* pulsanti = PulsantiOkCancella(*this);
    ok_ = pulsanti->button(QDialogButtonBox::Ok);
    connect(casa_, &QComboBox::currentIndexChanged, this, [this] { Abilita(); });
    connect(trasferta_, &QComboBox::currentIndexChanged, this, [this] { Abilita(); });

    auto* squadreRiga = new QHBoxLayout;
    squadreRiga->addWidget(casa_);
    squadreRiga->addWidget(trasferta_);
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(new QLabel("Seleziona l'incontro:"));
    tutto->addLayout(squadreRiga);
    tutto->addWidget(pulsanti);
    Abilita();
}

int DlgCercaIncontroQt::casa() const {
    return casa_->currentIndex();
}
int DlgCercaIncontroQt::trasferta() const {
    return trasferta_->currentIndex();
}

void DlgCercaIncontroQt::Abilita() {
    ok_->setEnabled(CArchivioStorico::abilitaTrova(casa(), trasferta()));
}

} // namespace veltra
