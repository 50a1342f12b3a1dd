#include "app/inserimento/CDlgNuoviIncontriQt.h"

#include "platform/UiComune.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace veltra {

namespace {
using L = CDlgNuoviIncontri;
constexpr char kSegni[3] = {'1', 'X', '2'};

QListWidget* Lista(int id, QWidget* genitore) {
    auto* l = Nomina(new QListWidget(genitore), id, Q(L::Suggerimento(id)));
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    return l;
}

// Enter in a list does not press a button.
QPushButton* PulsanteDati(const char* testo, int id, QWidget* genitore) {
    auto* p = Pulsante(testo, id, Q(L::Suggerimento(id)), genitore);
    p->setAutoDefault(false);
    return p;
}

int Selezione(const QListWidget* l) {
    const auto scelte = l->selectedItems();
    return scelte.isEmpty() ? -1 : l->row(scelte.front());
}
} // namespace

CDlgNuoviIncontriQt::CDlgNuoviIncontriQt(DatiGlobali& dati, IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), logica_(dati, messaggi) {
    setObjectName(QString::number(L::kRisorsa));
    setWindowTitle(Q(logica_.Titolo()));

    casa_ = Lista(L::kCasa, this);
    trasferta_ = Lista(L::kTrasferta, this);
    for (const auto& n : logica_.squadre()) {
        casa_->addItem(Q(n));
        trasferta_->addItem(Q(n));
    }
    auto* gruppo = new QGroupBox(QStringLiteral("Risultato:"), this);
    auto* segni = new QButtonGroup(this);
    auto* colonna = new QVBoxLayout(gruppo);
    for (int i = 0; i < 3; ++i) {
        const int id = L::kRisultato1 + i;
        risultati_[i] =
            Nomina(new QRadioButton(QString(QChar(kSegni[i])), gruppo), id, Q(L::Suggerimento(id)));
        segni->addButton(risultati_[i], i);
        colonna->addWidget(risultati_[i]);
    }
    aggiungi_ = PulsanteDati("&Aggiungi  >>", L::kAggiungi, this);
    inseriti_ = Lista(L::kInseriti, this);
    togli_ = PulsanteDati("<<  &Togli", L::kTogli, this);
    ok_ = PulsanteDati("&OK", 1, this);
    ok_->setDefault(true);
    auto* annulla = PulsanteDati("&Cancella", 2, this);

    auto* griglia = new QGridLayout(this);
    griglia->addWidget(new QLabel(QStringLiteral("Squadra in Casa:"), this), 0, 0);
    griglia->addWidget(casa_, 1, 0);
    griglia->addWidget(new QLabel(QStringLiteral("Squadra in Trasferta:"), this), 0, 1);
    griglia->addWidget(trasferta_, 1, 1);
    auto* centro = new QVBoxLayout;
    centro->addWidget(gruppo);
    centro->addWidget(aggiungi_);
    centro->addWidget(togli_);
    centro->addStretch();
    griglia->addLayout(centro, 1, 2);
    griglia->addWidget(new QLabel(QStringLiteral("Incontri Inseriti:"), this), 0, 3);
    griglia->addWidget(inseriti_, 1, 3);
    griglia->addLayout(RigaPulsanti({}, {ok_, annulla}), 2, 0, 1, 4);

    connect(casa_, &QListWidget::itemSelectionChanged, this, [this] {
        logica_.SelezionaCasa(Selezione(casa_));
        Mostra();
    });
    connect(trasferta_, &QListWidget::itemSelectionChanged, this, [this] {
        logica_.SelezionaTrasferta(Selezione(trasferta_));
        Mostra();
    });
    connect(segni, &QButtonGroup::idClicked, this,
            [this](int i) { logica_.ImpostaRisultato(kSegni[i]); });
    connect(inseriti_, &QListWidget::itemSelectionChanged, this, [this] {
        logica_.SelezionaInserito(Selezione(inseriti_));
        Mostra();
    });
    connect(inseriti_, &QListWidget::itemDoubleClicked, this, &CDlgNuoviIncontriQt::Togli);
    connect(aggiungi_, &QPushButton::clicked, this, &CDlgNuoviIncontriQt::Aggiungi);
    connect(togli_, &QPushButton::clicked, this, &CDlgNuoviIncontriQt::Togli);
    connect(ok_, &QPushButton::clicked, this, &CDlgNuoviIncontriQt::Ok);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    Mostra();
}

void CDlgNuoviIncontriQt::Mostra() {
    // Selections the class cleared are cleared on screen too.
    for (auto [lista, indice] :
         {std::pair{casa_, logica_.casa()}, std::pair{trasferta_, logica_.trasferta()},
          std::pair{inseriti_, logica_.selezioneInserito()}}) {
        if (Selezione(lista) == indice) continue;
        const QSignalBlocker blocco(lista);
        lista->clearSelection();
        if (indice >= 0) lista->item(indice)->setSelected(true);
    }
    for (int i = 0; i < 3; ++i)
        risultati_[i]->setChecked(kSegni[i] == logica_.risultato());
    aggiungi_->setEnabled(logica_.abilitaAggiungi());
    togli_->setEnabled(logica_.abilitaTogli());
    ok_->setEnabled(logica_.abilitaOk());
}

void CDlgNuoviIncontriQt::Aggiungi() {
    if (logica_.Aggiungi()) inseriti_->insertItem(0, Q(logica_.testiInseriti().front()));
    Mostra();
}

void CDlgNuoviIncontriQt::Togli() {
    const int p = logica_.selezioneInserito();
    if (logica_.Togli()) {
        const QSignalBlocker blocco(inseriti_);
        delete inseriti_->takeItem(p);
    }
    Mostra();
}

void CDlgNuoviIncontriQt::Ok() {
    const bool chiudi = logica_.Ok();
    // Stored matches leave the pending list, whether the dialog closes or not.
    {
        const QSignalBlocker blocco(inseriti_);
        inseriti_->clear();
        for (const auto& t : logica_.testiInseriti())
            inseriti_->addItem(Q(t));
    }
    if (chiudi)
        accept();
    else
        Mostra();
}

} // namespace veltra
