#include "app/inserimento/CDlgNuovoCampionatoQt.h"

#include "app/DatiGlobali.h"
#include "platform/UiComune.h"

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
// Enter in the name field adds the team: it presses no button.
QPushButton* PulsanteDati(const char* testo, int id, QWidget* genitore,
                          const char* suggerimento = nullptr) {
    auto* p = Pulsante(testo, id, Q(suggerimento), genitore);
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

    nuovaSquadra_ = Nomina(new QLineEdit(this), L::kNuovaSquadra, Q(L::Suggerimento(L::kNuovaSquadra)));
    nuovaSquadra_->setMaxLength(kLunghezzaMaxNome);
    auto* aggiungi = PulsanteDati("&Aggiungi  >>", L::kAggiungi, this, L::Suggerimento(L::kAggiungi));
    lista_ = Nomina(new QListWidget(this), L::kLista, Q(L::Suggerimento(L::kLista)));
    // The names are padded to 15 characters: a fixed-pitch font shows it.
    lista_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* togli = PulsanteDati("<<  &Togli", L::kTogli, this, L::Suggerimento(L::kTogli));
    auto* ok = PulsanteDati("&OK", 1, this);
    ok->setDefault(true);
    auto* annulla = PulsanteDati("&Cancella", 2, this);

    auto* griglia = new QGridLayout(this);
    griglia->addWidget(new QLabel(QStringLiteral("Nuova Squadra:"), this), 0, 0);
    griglia->addWidget(nuovaSquadra_, 1, 0);
    griglia->addWidget(aggiungi, 2, 0);
    griglia->addWidget(togli, 3, 0);
    griglia->addWidget(new QLabel(QStringLiteral("Lista Squadre:"), this), 0, 1);
    griglia->addWidget(lista_, 1, 1, 4, 1);
    griglia->addLayout(RigaPulsanti({}, {ok, annulla}), 5, 0, 1, 2);

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
