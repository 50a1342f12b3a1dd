#include "CDlgDatiEventoQt.h"

#include "betting/Scommessa.h"
#include "betting/SelezioneScommesse.h"
#include "platform/UiComune.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <memory>

namespace veltra {

namespace {

QTableWidget* Tabella(const QStringList& titoli, const QString& nome) {
    auto* t = Nomina(new QTableWidget(0, static_cast<int>(titoli.size())), nome);
    t->setHorizontalHeaderLabels(titoli);
    t->verticalHeader()->setVisible(false);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->verticalHeader()->setDefaultSectionSize(20);
    t->setMinimumHeight(420);
    return t;
}

void Cella(QTableWidget* t, int r, int c, const QString& testo) {
    auto* i = new QTableWidgetItem(testo);
    if (c > 0) i->setTextAlignment(Qt::AlignCenter);
    t->setItem(r, c, i);
}

QTableWidget* Incontri(const std::vector<std::string>& righe, const QString& nome) {
    auto* t = Tabella({"Casa", "Trasferta", ""}, nome);
    t->setMinimumWidth(270);
    t->setRowCount(static_cast<int>(righe.size()));
    for (int r = 0; r < static_cast<int>(righe.size()); ++r) {
        const QStringList campi = Q(righe[static_cast<std::size_t>(r)]).split('\t');
        for (int c = 0; c < 3 && c < campi.size(); ++c)
            Cella(t, r, c, campi[c]);
    }
    return t;
}

} // namespace

CDlgDatiEventoQt::CDlgDatiEventoQt(const DatiCampionati& dati, int campionato,
                                   const std::string& casa, const std::string& trasferta,
                                   const std::string& prefisso, QWidget* parent)
    : QDialog(parent), logica_(dati, campionato, casa, trasferta, prefisso) {
    setObjectName(QString::number(kRisorsa));
    setWindowTitle(Q(logica_.titolo()));

    auto* classifica = Tabella({"Squadre", "Giocate", "Casa: V", "P", "S", "Fuori: V", "P", "S", "Punti"},
                               "classifica");
    classifica->setMinimumWidth(600);
    const auto& righe = logica_.classifica();
    classifica->setRowCount(static_cast<int>(righe.size()));
    for (int r = 0; r < static_cast<int>(righe.size()); ++r) {
        const auto& x = righe[static_cast<std::size_t>(r)];
        const int valori[8] = {x.giocate,   x.vinteCasa,    x.pareggiCasa, x.perseCasa,
                               x.vinteFuori, x.pareggiFuori, x.perseFuori, x.punti};
        Cella(classifica, r, 0, Q(x.squadra));
        for (int c = 0; c < 8; ++c)
            Cella(classifica, r, c + 1, QString::number(valori[c]));
        if (x.squadra == casa || x.squadra == trasferta)
            for (int c = 0; c < 9; ++c) {
                QFont f = classifica->item(r, c)->font();
                f.setBold(true);
                classifica->item(r, c)->setFont(f);
            }
    }

    auto* squadre = new QGroupBox("Incontri della stagione");
    auto* g = new QGridLayout(squadre);
    g->addWidget(Nomina(new QLabel(Q(casa)), "casa"), 0, 0);
    g->addWidget(Nomina(new QLabel(Q(trasferta)), "trasferta"), 0, 1);
    g->addWidget(Incontri(logica_.incontriCasa(), "incontriCasa"), 1, 0);
    g->addWidget(Incontri(logica_.incontriTrasferta(), "incontriTrasferta"), 1, 1);

    auto* stima = new QGroupBox("STIMA DI PROBABILITA'");
    auto* s = new QGridLayout(stima);
    const char* segni[3] = {"1", "X", "2"};
    for (int k = 0; k < 3; ++k) {
        auto* e = new QLabel(segni[k]);
        e->setAlignment(Qt::AlignCenter);
        s->addWidget(e, 0, k);
        auto* v = Nomina(new QLabel(Q(logica_.stima()[static_cast<std::size_t>(k)])),
                         QString("stima") + segni[k]);
        v->setAlignment(Qt::AlignCenter);
        s->addWidget(v, 1, k);
    }

    auto* ok = Pulsante("&OK", "IDOK");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* tutto = new QVBoxLayout(this);
    auto* alto = new QHBoxLayout;
    alto->addWidget(classifica, 3);
    alto->addWidget(squadre, 2);
    tutto->addLayout(alto);
    tutto->addWidget(stima);
    tutto->addLayout(RigaPulsanti({}, {ok}));
    resize(1100, 560);
}

CDlgScommessaCalcolataQt::CDlgScommessaCalcolataQt(const Scommessa& s, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QString::number(kRisorsa));
    setWindowTitle("TALBOR - Scommessa Calcolata");
    auto giocate = std::make_shared<std::vector<Giocata>>(GiocateCalcolate(s));
    auto indice = std::make_shared<int>(0);
    auto* numero = Nomina(new QLabel, "numeroGiocata");
    auto* percentuale = Nomina(new QLabel, "percentuale");
    auto* griglia = new QGridLayout;
    std::vector<QLabel*> segni;
    int gambe = 0;
    while (gambe < 6 && s.voci[static_cast<std::size_t>(gambe)].campionato != -1)
        ++gambe;
    for (int g = 0; g < gambe; ++g) {
        const VoceScommessa& v = s.voci[static_cast<std::size_t>(g)];
        griglia->addWidget(new QLabel(Q(v.casa + " - " + v.trasferta)), g, 0);
        auto* l = Nomina(new QLabel, QString("segno%1").arg(g + 1));
        griglia->addWidget(l, g, 1);
        segni.push_back(l);
    }
    auto* prec = Pulsante("<<", "precedente", "Visualizza la giocata precedente");
    auto* succ = Pulsante(">>", "successiva", "Visualizza la giocata successiva");
    auto mostra = [=] {
        const Giocata& gi = (*giocate)[static_cast<std::size_t>(*indice)];
        numero->setText(QString("%1 DI %2").arg(*indice + 1).arg(giocate->size()));
        for (std::size_t k = 0; k < segni.size() && k < gi.segni.size(); ++k)
            segni[k]->setText(Q(gi.segni[k]));
        percentuale->setText(QString::asprintf("%.1f%%", static_cast<double>(gi.percentuale) * 100.0));
        prec->setEnabled(*indice > 0);
        succ->setEnabled(*indice + 1 < static_cast<int>(giocate->size()));
    };
    connect(prec, &QPushButton::clicked, this, [=] { --*indice; mostra(); });
    connect(succ, &QPushButton::clicked, this, [=] { ++*indice; mostra(); });
    auto* ok = Pulsante("&OK", "IDOK");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* tutto = new QVBoxLayout(this);
    auto* testa = new QHBoxLayout;
    testa->addWidget(new QLabel("GIOCATA N. :"));
    testa->addWidget(numero);
    testa->addStretch();
    testa->addWidget(prec);
    testa->addWidget(succ);
    tutto->addLayout(testa);
    tutto->addLayout(griglia);
    auto* p = new QHBoxLayout;
    p->addWidget(new QLabel("Percentuale di spesa :"));
    p->addWidget(percentuale);
    p->addStretch();
    tutto->addLayout(p);
    tutto->addLayout(RigaPulsanti({}, {ok}));
    mostra();
}

} // namespace veltra
