#include "DlgCercaIncontroQt.h"

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
    QStringList nomi;
    for (const auto& n : squadre)
        nomi << QString::fromStdString(n);
    casa_ = new QComboBox;
    casa_->setObjectName("cercaCasa");
    casa_->setToolTip("Seleziona la squadra che ha giocato l'incontro in Casa");
    casa_->addItems(nomi);
    casa_->setCurrentIndex(-1);
    trasferta_ = new QComboBox;
    trasferta_->setObjectName("cercaTrasferta");
    trasferta_->setToolTip("Seleziona la squadra che ha giocato l'incontro in Trasferta");
    trasferta_->addItems(nomi);
    trasferta_->setCurrentIndex(-1);

    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = pulsanti->button(QDialogButtonBox::Ok);
    ok_->setObjectName("IDOK");
    pulsanti->button(QDialogButtonBox::Cancel)->setText("Annulla");
    pulsanti->button(QDialogButtonBox::Cancel)->setObjectName("IDCANCEL");
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
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
