#include "NuovaSchedinaQt.h"
#include "platform/UiComune.h"

#include "app/DatiGlobali.h"
#include "platform/Messaggi.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltra {


DlgPaginaSchedina::DlgPaginaSchedina(CNuovaSchedina& w, IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), w_(w), messaggi_(messaggi) {
    setObjectName("DlgPaginaSchedina");
    setWindowTitle(Q(w_.titoloPagina()));
    squadre_ = new QListWidget;
    squadre_->setObjectName("squadre");
    squadre_->setToolTip("Selezionare la squadra da inserire in schedina");
    casa_ = new QListWidget;
    casa_->setObjectName("squadreCasa");
    trasferta_ = new QListWidget;
    trasferta_->setObjectName("squadreTrasferta");
    for (auto* l : {casa_, trasferta_}) l->setSelectionMode(QAbstractItemView::NoSelection);
    aggiungi_ = new QPushButton("&Aggiungi  >>");
    aggiungi_->setObjectName("aggiungi");
    togli_ = new QPushButton("<<  &Togli");
    togli_->setObjectName("togli");
    avanti_ = new QPushButton;
    avanti_->setObjectName("avanti");
    indietro_ = new QPushButton;
    indietro_->setObjectName("indietro");
    auto* annulla = new QPushButton("Annulla");
    annulla->setObjectName("IDCANCEL");

    auto* g = new QGridLayout;
    // The page's label on a row of its own: it may run over two lines (a
    // championship without estimates says why) and must not cover the
    // headings of the lists.
    auto* etichetta = new QLabel(Q(w_.etichettaPagina()));
    etichetta->setObjectName("etichettaPagina");
    etichetta->setWordWrap(true);
    g->addWidget(etichetta, 0, 0, 1, 4);
    g->addWidget(new QLabel("Squadre in Casa"), 1, 2);
    g->addWidget(new QLabel("Squadre in Trasferta"), 1, 3);
    g->addWidget(squadre_, 2, 0, 3, 1);
    g->addWidget(aggiungi_, 2, 1);
    g->addWidget(togli_, 3, 1);
    g->addWidget(casa_, 2, 2, 3, 1);
    g->addWidget(trasferta_, 2, 3, 3, 1);
    g->setRowStretch(4, 1); // the lists take the height, not the labels
    auto* basso = new QHBoxLayout;
    basso->addWidget(indietro_);
    basso->addStretch();
    basso->addWidget(annulla);
    basso->addWidget(avanti_);
    auto* l = new QVBoxLayout(this);
    l->addLayout(g);
    l->addLayout(basso);
    resize(720, 420);

    auto aggiungi = [this] {
        w_.Aggiungi(squadre_->currentRow(), messaggi_);
        Mostra();
    };
    connect(aggiungi_, &QPushButton::clicked, this, aggiungi);
    connect(squadre_, &QListWidget::itemDoubleClicked, this, aggiungi);
    connect(togli_, &QPushButton::clicked, this, [this] {
        w_.Togli();
        Mostra();
    });
    connect(avanti_, &QPushButton::clicked, this, [this] { Lascia(Avanti); });
    connect(indietro_, &QPushButton::clicked, this, [this] { Lascia(Indietro); });
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    Mostra();
}

void DlgPaginaSchedina::Mostra() {
    squadre_->clear();
    for (const auto& n : w_.disponibili()) squadre_->addItem(Q(n));
    squadre_->setCurrentRow(-1);
    casa_->clear();
    trasferta_->clear();
    const auto& p = w_.piazzate();
    for (std::size_t i = 0; i < p.size(); ++i) {
        const int numero = w_.primaRigaPagina() + static_cast<int>(i / 2) + 1;
        (i % 2 == 0 ? casa_ : trasferta_)->addItem(QString("%1. %2").arg(numero).arg(Q(p[i])));
    }
    const bool aggiungi = w_.aggiungiAbilitato();
    squadre_->setEnabled(aggiungi);
    aggiungi_->setEnabled(aggiungi);
    togli_->setEnabled(w_.togliAbilitato());
    avanti_->setText(Q(w_.testoAvanti()));
    avanti_->setToolTip(Q(w_.suggerimentoAvanti()));
    avanti_->setEnabled(w_.avantiAbilitato());
    indietro_->setVisible(w_.pagina() > 0);
    indietro_->setText(Q(w_.testoIndietro()));
    indietro_->setToolTip(Q(w_.suggerimentoIndietro()));
    indietro_->setEnabled(w_.indietroAbilitato());
}

void DlgPaginaSchedina::Lascia(Esito e) {
    if (!w_.LasciaPagina(messaggi_)) return;
    done(e);
}

DlgAltriIncontri::DlgAltriIncontri(CNuovaSchedina& w, QWidget* parent) : QDialog(parent), w_(w) {
    setObjectName("DlgAltriIncontri");
    setWindowTitle("MARVEN - Impostazione Nuova Schedina: Altri Incontri");
    numero_ = new QLabel;
    numero_->setObjectName("numeroIncontro");
    casa_ = new QLineEdit;
    casa_->setObjectName("casa");
    casa_->setMaxLength(15);
    casa_->setToolTip("Inserire il nome della squadra che dovra' giocare in casa");
    trasferta_ = new QLineEdit;
    trasferta_->setObjectName("trasferta");
    trasferta_->setMaxLength(15);
    trasferta_->setToolTip("Inserire il nome della squadra che dovra' giocare in trasferta");
    auto* g = new QGridLayout;
    g->addWidget(new QLabel("INSERIRE I NOMI DELLE SQUADRE ED I RISULTATI PRECEDENTI"), 0, 0, 1, 3);
    g->addWidget(numero_, 1, 0);
    g->addWidget(casa_, 1, 1);
    g->addWidget(trasferta_, 1, 2);
    const char* etichette[5] = {"Ultima partita:", "Penultima partita:", "Terzultima partita:",
                                "Quartultima partita:", "Quintultima partita:"};
    const int n = w_.giornateAltri();
    for (int i = 0; i < 5; ++i) {
        auto* e = new QLabel(etichette[i]);
        e->setEnabled(i < n);
        g->addWidget(e, 2 + i, 0);
        for (auto* forma : {&formaCasa_[static_cast<std::size_t>(i)],
                            &formaTrasferta_[static_cast<std::size_t>(i)]}) {
            *forma = new QComboBox;
            (*forma)->addItems({"V", "P", "S"});
            (*forma)->setEnabled(i < n);
        }
        formaCasa_[static_cast<std::size_t>(i)]->setObjectName(QString("formaCasa%1").arg(i));
        formaTrasferta_[static_cast<std::size_t>(i)]->setObjectName(QString("formaTrasferta%1").arg(i));
        g->addWidget(formaCasa_[static_cast<std::size_t>(i)], 2 + i, 1);
        g->addWidget(formaTrasferta_[static_cast<std::size_t>(i)], 2 + i, 2);
    }
    aggiungi_ = new QPushButton("&Aggiungi  >>");
    aggiungi_->setObjectName("aggiungi");
    aggiungi_->setToolTip("Inserisce in schedina l'incontro impostato");
    togli_ = new QPushButton("<<  &Togli");
    togli_->setObjectName("togli");
    togli_->setToolTip("Toglie dalla schedina l'ultimo incontro inserito");
    schedina_ = new QPushButton("&Schedina >>");
    schedina_->setObjectName("schedina");
    schedina_->setToolTip(
        "Termina la formazione della schedina e consente di ottenere la proposta di sistema");
    auto* annulla = new QPushButton("Annulla");
    annulla->setObjectName("IDCANCEL");
    auto* basso = new QHBoxLayout;
    basso->addWidget(togli_);
    basso->addWidget(aggiungi_);
    basso->addStretch();
    basso->addWidget(annulla);
    basso->addWidget(schedina_);
    auto* l = new QVBoxLayout(this);
    l->addLayout(g);
    l->addLayout(basso);

    connect(aggiungi_, &QPushButton::clicked, this, [this] {
        std::array<char, 5> fc{}, ft{};
        for (int i = 0; i < 5; ++i) {
            fc[static_cast<std::size_t>(i)] =
                formaCasa_[static_cast<std::size_t>(i)]->currentText().toStdString()[0];
            ft[static_cast<std::size_t>(i)] =
                formaTrasferta_[static_cast<std::size_t>(i)]->currentText().toStdString()[0];
        }
        w_.AggiungiAltro(casa_->text().trimmed().toStdString(),
                         trasferta_->text().trimmed().toStdString(), fc, ft);
        Azzera();
        Mostra();
    });
    connect(togli_, &QPushButton::clicked, this, [this] {
        w_.TogliAltro();
        Mostra();
    });
    connect(schedina_, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    Azzera();
    Mostra();
}

void DlgAltriIncontri::Azzera() {
    casa_->clear();
    trasferta_->clear();
    for (int i = 0; i < 5; ++i) {
        formaCasa_[static_cast<std::size_t>(i)]->setCurrentIndex(1);
        formaTrasferta_[static_cast<std::size_t>(i)]->setCurrentIndex(1);
    }
}

void DlgAltriIncontri::Mostra() {
    const bool aggiungi = w_.aggiungiAltroAbilitato();
    numero_->setText(aggiungi ? QString("Incontro nr. %1").arg(w_.rigaAltri() + 1) : QString());
    const int n = w_.giornateAltri();
    casa_->setEnabled(aggiungi);
    trasferta_->setEnabled(aggiungi);
    for (int i = 0; i < 5; ++i) {
        formaCasa_[static_cast<std::size_t>(i)]->setEnabled(aggiungi && i < n);
        formaTrasferta_[static_cast<std::size_t>(i)]->setEnabled(aggiungi && i < n);
    }
    aggiungi_->setEnabled(aggiungi);
    togli_->setEnabled(w_.togliAltroAbilitato());
    schedina_->setEnabled(w_.schedinaAltroAbilitato());
}

bool NuovaSchedinaQt(DatiGlobali& dati, IMessaggi& messaggi, QWidget* parent,
                     const std::function<int(QDialog&)>& esegui) {
    auto esegue = [&](QDialog& d) { return esegui ? esegui(d) : d.exec(); };
    CNuovaSchedina w(dati, dati.schedina, dati.condizionamenti);
    w.Inizia();
    int n = 0;
    while (true) {
        if (!w.ApriPagina(n, messaggi)) {
            w.Annulla();
            return false;
        }
        DlgPaginaSchedina pagina(w, messaggi, parent);
        const int esito = esegue(pagina);
        if (esito == DlgPaginaSchedina::Annullata) {
            w.Annulla();
            return false;
        }
        if (esito == DlgPaginaSchedina::Indietro) {
            --n;
            continue;
        }
        if (w.pagineFinite()) break;
        ++n;
    }
    if (w.altriNecessari()) {
        if (!w.ApriAltri(messaggi)) {
            w.Annulla();
            return false;
        }
        DlgAltriIncontri altri(w, parent);
        if (esegue(altri) != QDialog::Accepted) {
            w.Annulla();
            return false;
        }
    }
    w.Concludi();
    return true;
}

} // namespace veltra
