#include "app/inserimento/CDlgNuovoCampionatoQt.h"

#include "app/DatiGlobali.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace veltra {

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QPushButton* Pulsante(const char* testo, int id, QWidget* genitore) {
    auto* p = new QPushButton(QString::fromUtf8(testo), genitore);
    p->setObjectName(QString::number(id));
    p->setAutoDefault(false);
    return p;
}
} // namespace

CDlgNuovoCampionatoQt::CDlgNuovoCampionatoQt(DatiGlobali& dati, IMessaggi& messaggi,
                                             QWidget* parent)
    : QDialog(parent), logica_(dati, messaggi) {
    using L = CDlgNuovoCampionato;
    setObjectName(QString::number(L::kRisorsa));
    setWindowTitle(Q(logica_.Titolo()));

    nuovaSquadra_ = new QLineEdit(this);
    nuovaSquadra_->setObjectName(QString::number(L::kNuovaSquadra));
    nuovaSquadra_->setMaxLength(kLunghezzaMaxNome);
    nuovaSquadra_->setToolTip(L::Suggerimento(L::kNuovaSquadra));
    auto* aggiungi = Pulsante("&Aggiungi  >>", L::kAggiungi, this);
    aggiungi->setToolTip(L::Suggerimento(L::kAggiungi));
    lista_ = new QListWidget(this);
    lista_->setObjectName(QString::number(L::kLista));
    lista_->setToolTip(L::Suggerimento(L::kLista));
    // The names are padded to 15 characters: a fixed-pitch font shows it.
    lista_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* togli = Pulsante("<<  &Togli", L::kTogli, this);
    togli->setToolTip(L::Suggerimento(L::kTogli));
    auto* ok = Pulsante("&OK", 1, this);
    ok->setDefault(true);
    auto* annulla = Pulsante("&Cancella", 2, this);

    auto* griglia = new QGridLayout(this);
    griglia->addWidget(new QLabel(QStringLiteral("Nuova Squadra:"), this), 0, 0);
    griglia->addWidget(nuovaSquadra_, 1, 0);
    griglia->addWidget(aggiungi, 2, 0);
    griglia->addWidget(togli, 3, 0);
    griglia->addWidget(new QLabel(QStringLiteral("Lista Squadre:"), this), 0, 1);
    griglia->addWidget(lista_, 1, 1, 4, 1);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);
    griglia->addLayout(pulsanti, 5, 0, 1, 2);

    connect(nuovaSquadra_, &QLineEdit::textChanged, this,
            [this](const QString& t) { logica_.ImpostaNuovaSquadra(t.toStdString()); });
    connect(nuovaSquadra_, &QLineEdit::returnPressed, this, &CDlgNuovoCampionatoQt::Aggiungi);
    connect(aggiungi, &QPushButton::clicked, this, &CDlgNuovoCampionatoQt::Aggiungi);
    connect(togli, &QPushButton::clicked, this, &CDlgNuovoCampionatoQt::Togli);
    connect(ok, &QPushButton::clicked, this, &CDlgNuovoCampionatoQt::Ok);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    Mostra();
}

void CDlgNuovoCampionatoQt::Mostra() {
    const QSignalBlocker blocco(nuovaSquadra_);
    if (nuovaSquadra_->text() != Q(logica_.nuovaSquadra()))
        nuovaSquadra_->setText(Q(logica_.nuovaSquadra()));
    lista_->clear();
    for (const auto& n : logica_.lista())
        lista_->addItem(Q(n));
}

void CDlgNuovoCampionatoQt::Aggiungi() {
    logica_.Aggiungi();
    Mostra();
    nuovaSquadra_->setFocus();
}

void CDlgNuovoCampionatoQt::Togli() {
    const auto scelte = lista_->selectedItems();
    logica_.Togli(scelte.isEmpty() ? -1 : lista_->row(scelte.front()));
    Mostra();
}

void CDlgNuovoCampionatoQt::Ok() {
    if (logica_.Ok()) accept();
}

} // namespace veltra
