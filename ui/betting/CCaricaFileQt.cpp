#include "betting/CCaricaFileQt.h"

#include "betting/ArchivioSettimane.h"
#include "platform/Messaggi.h"
#include "platform/UiComune.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltra {

CCaricaFileQt::CCaricaFileQt(IMessaggi& messaggi, QWidget* parent) : QDialog(parent), messaggi_(messaggi) {
    setWindowTitle(QStringLiteral("TALBOR - Caricamento file"));
    setObjectName(QString::number(kRisorsa));
    campo_ = Nomina(new QLineEdit(this), QStringLiteral("percorso"));
    campo_->setMinimumWidth(420);
    auto* ok = Pulsante(QStringLiteral("&OK"), QStringLiteral("IDOK"));
    auto* cancella = Pulsante(QStringLiteral("&Cancella"), QStringLiteral("IDCANCEL"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { Conferma(); });
    connect(cancella, &QPushButton::clicked, this, &QDialog::reject);
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(QStringLiteral("Digita il nome completo del file da aprire e caricare :"), this));
    v->addWidget(campo_);
    v->addLayout(RigaPulsanti({}, {ok, cancella}));
}

bool CCaricaFileQt::Conferma() {
    if (campo_->text().trimmed().isEmpty()) {
        messaggi_.Mostra("Inserimento nullo.\nDigitare il nome completo di un file.", Icona::Esclamazione);
        return false;
    }
    accept();
    return true;
}

std::string CCaricaFileQt::percorso() const {
    return PercorsoPiattaforma(campo_->text().trimmed().toStdString()).string();
}

} // namespace veltra
