#include "dati/SelezioneCampionatiQt.h"

#include "platform/UiComune.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltra {

SelezioneCampionatiQt::SelezioneCampionatiQt(SelezioneCampionati& logica, IMessaggi& messaggi,
                                             QWidget* parent)
    : QDialog(parent), logica_(logica), messaggi_(messaggi) {
    setObjectName(QString::number(kRisorsa));
    setWindowTitle(Q(logica_.Titolo()));
    sinistra_ = Nomina(new QListWidget, "sinistra", Q(logica_.SuggerimentoSinistra()));
    destra_ = Nomina(new QListWidget, "destra", Q(logica_.SuggerimentoDestra()));
    aggiungi_ = Pulsante("&Aggiungi  >>", "aggiungi", "Inserisce nel gruppo dei campionati quello selezionato");
    togli_ = Pulsante("<<  &Togli", "togli", "Toglie dal gruppo dei campionati quello selezionato");
    continua_ = Pulsante("Continua >>", "IDOK");
    auto* annulla = Pulsante("&Cancella", "IDCANCEL");
    auto* centro = new QVBoxLayout;
    centro->addStretch();
    centro->addWidget(aggiungi_);
    centro->addWidget(togli_);
    centro->addStretch();
    auto* liste = new QHBoxLayout;
    liste->addWidget(sinistra_);
    liste->addLayout(centro);
    liste->addWidget(destra_);
    auto* tutto = new QVBoxLayout(this);
    auto* testa = new QLabel(Q(logica_.Intestazione()));
    testa->setAlignment(Qt::AlignCenter);
    tutto->addWidget(testa);
    tutto->addLayout(liste);
    tutto->addLayout(RigaPulsanti({}, {continua_, annulla}));

    const auto id = [](QListWidget* l) {
        auto* i = l->currentItem();
        return i ? i->data(Qt::UserRole).toInt() : -1;
    };
    const auto piu = [this, id] {
        logica_.Aggiungi(id(sinistra_), messaggi_);
        Mostra();
    };
    const auto meno = [this, id] {
        logica_.Togli(id(destra_), messaggi_);
        Mostra();
    };
    connect(aggiungi_, &QPushButton::clicked, this, piu);
    connect(sinistra_, &QListWidget::itemDoubleClicked, this, piu);
    connect(togli_, &QPushButton::clicked, this, meno);
    connect(destra_, &QListWidget::itemDoubleClicked, this, meno);
    connect(continua_, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    Mostra();
}

void SelezioneCampionatiQt::Mostra() {
    for (auto [lista, ids] : {std::pair{sinistra_, logica_.sinistra()}, std::pair{destra_, logica_.destra()}}) {
        lista->clear();
        for (int c : ids) {
            auto* i = new QListWidgetItem(Q(Campionato(c).nome));
            i->setData(Qt::UserRole, c);
            lista->addItem(i);
        }
    }
    continua_->setEnabled(logica_.continuaAbilitato());
}

} // namespace veltra
