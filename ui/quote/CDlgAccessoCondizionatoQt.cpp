#include "quote/CDlgAccessoCondizionatoQt.h"

#include "platform/UiComune.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltra {

CDlgAccessoCondizionatoQt::CDlgAccessoCondizionatoQt(QWidget* parent) : QDialog(parent) {
    setObjectName("AccessoCondizionato");
    setWindowTitle("TALBOR - Accesso condizionato");
    auto* testo = new QLabel(
        "Le quote del Bookmaker possono richiedere la registrazione al suo sito.\n\n"
        "Login e Password servono soltanto a raggiungere l'area delle quote e non vengono "
        "salvati.\n\nSenza accettazione verranno cercate soltanto le quote pubblicate "
        "liberamente.");
    testo->setWordWrap(true);
    login_ = Nomina(new QLineEdit, "login");
    password_ = Nomina(new QLineEdit, "password");
    password_->setEchoMode(QLineEdit::Password);
    auto* campi = new QFormLayout;
    campi->addRow("Login:", login_);
    campi->addRow("Password:", password_);
    auto* accetto = Pulsante("&Accetto", "IDOK", {}, this);
    auto* nonAccetto = Pulsante("&Non accetto", "IDCANCEL", {}, this);
    accetto->setDefault(true);
    auto* l = new QVBoxLayout(this);
    l->addWidget(testo);
    l->addLayout(campi);
    l->addLayout(RigaPulsanti({}, {accetto, nonAccetto}));
    connect(accetto, &QPushButton::clicked, this, &QDialog::accept);
    connect(nonAccetto, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(420);
}

} // namespace veltra
