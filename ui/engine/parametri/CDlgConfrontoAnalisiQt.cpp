#include "engine/parametri/CDlgConfrontoAnalisiQt.h"

#include "platform/UiComune.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltra {

namespace {

QLabel* Valore(const std::string& testo, const QString& nome) {
    auto* l = Nomina(new QLabel(Q(testo)), nome);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

// The rows of the points table: result and opponent, in storage order of
// the home entries (the away entry follows each).
struct RigaPunti {
    const char* testo;
    Esito esito;
    Forza forza;
};
constexpr RigaPunti kRighePunti[9] = {
    {"Vittoria contro squadra forte:", kVittoria, kForte},
    {"Vittoria contro squadra media:", kVittoria, kMedia},
    {"Vittoria contro squadra debole:", kVittoria, kDebole},
    {"Pareggio contro squadra forte:", kPareggio, kForte},
    {"Pareggio contro squadra media:", kPareggio, kMedia},
    {"Pareggio contro squadra debole:", kPareggio, kDebole},
    {"Sconfitta contro squadra forte:", kSconfitta, kForte},
    {"Sconfitta contro squadra media:", kSconfitta, kMedia},
    {"Sconfitta contro squadra debole:", kSconfitta, kDebole},
};

} // namespace

CDlgConfrontoAnalisiQt::CDlgConfrontoAnalisiQt(CDlgConfrontoAnalisi logica, IMessaggi& messaggi,
                                               IServizioStampa* stampa, const IOrologio& orologio,
                                               QWidget* parent)
    : QDialog(parent), logica_(std::move(logica)) {
    setObjectName("ConfrontoAnalisi");
    setWindowTitle(Q(logica_.titolo()));

    auto* pesi = new QGroupBox("PESI DELLE GIORNATE : ");
    (new QVBoxLayout(pesi))->addWidget(Valore(logica_.TestoPesi(), "pesi"));

    auto* punti = new QGridLayout;
    auto* gruppoCasa = new QGroupBox("PUNTEGGI PER PARTITE IN CASA:");
    auto* gruppoTrasferta = new QGroupBox("PUNTEGGI PER PARTITE IN TRASFERTA:");
    auto* casa = new QGridLayout(gruppoCasa);
    auto* trasferta = new QGridLayout(gruppoTrasferta);
    for (int r = 0; r < 9; ++r) {
        const int i = CPunteggiAvanzati::IndicePunti(kRighePunti[r].esito, kRighePunti[r].forza);
        casa->addWidget(new QLabel(kRighePunti[r].testo), r, 0);
        casa->addWidget(Valore(logica_.TestoPunti(i), QString("punti%1").arg(i)), r, 1);
        trasferta->addWidget(new QLabel(kRighePunti[r].testo), r, 0);
        trasferta->addWidget(Valore(logica_.TestoPunti(i + 1), QString("punti%1").arg(i + 1)), r, 1);
    }
    punti->addWidget(gruppoCasa, 0, 0);
    punti->addWidget(gruppoTrasferta, 0, 1);

    auto* modifica = new QGroupBox(
        "MODIFICA AI PUNTEGGI TOTALI IN BASE ALLA POSIZIONE DI CLASSIFICA:");
    auto* gm = new QGridLayout(modifica);
    gm->addWidget(new QLabel("In Casa"), 0, 1);
    gm->addWidget(new QLabel("In Trasferta"), 0, 2);
    gm->addWidget(new QLabel("Bassa:"), 1, 0);
    gm->addWidget(Valore(logica_.TestoModificaBassa(false), "bassaCasa"), 1, 1);
    gm->addWidget(Valore(logica_.TestoModificaBassa(true), "bassaTrasferta"), 1, 2);
    gm->addWidget(new QLabel("Alta:"), 2, 0);
    gm->addWidget(Valore(logica_.TestoModificaAlta(false), "altaCasa"), 2, 1);
    gm->addWidget(Valore(logica_.TestoModificaAlta(true), "altaTrasferta"), 2, 2);

    auto* forza = new QGroupBox(
        "VALUTAZIONE DELLA FORZA DI UN'AVVERSARIA TRAMITE I SUOI PUNTEGGI TOTALI:");
    auto* gf = new QGridLayout(forza);
    gf->addWidget(new QLabel("In Casa"), 0, 1);
    gf->addWidget(new QLabel("In Trasferta"), 0, 2);
    gf->addWidget(new QLabel("Debole <"), 1, 0);
    gf->addWidget(Valore(logica_.TestoDebole(false), "deboleCasa"), 1, 1);
    gf->addWidget(Valore(logica_.TestoDebole(true), "deboleTrasferta"), 1, 2);
    gf->addWidget(new QLabel("Forte >"), 2, 0);
    gf->addWidget(Valore(logica_.TestoForte(false), "forteCasa"), 2, 1);
    gf->addWidget(Valore(logica_.TestoForte(true), "forteTrasferta"), 2, 2);

    auto* limiti = new QGroupBox("LIMITI DEI PUNTEGGI TOTALI:");
    auto* gl = new QGridLayout(limiti);
    gl->addWidget(new QLabel("In Casa"), 0, 1);
    gl->addWidget(new QLabel("In Trasferta"), 0, 2);
    gl->addWidget(new QLabel("Min:"), 1, 0);
    gl->addWidget(Valore(logica_.TestoLimiteMin(false), "limiteMinCasa"), 1, 1);
    gl->addWidget(Valore(logica_.TestoLimiteMin(true), "limiteMinTrasferta"), 1, 2);
    gl->addWidget(new QLabel("Max:"), 2, 0);
    gl->addWidget(Valore(logica_.TestoLimiteMax(false), "limiteMaxCasa"), 2, 1);
    gl->addWidget(Valore(logica_.TestoLimiteMax(true), "limiteMaxTrasferta"), 2, 2);

    auto* campionati = new QGroupBox("CAMPIONATI:");
    auto* gc = new QGridLayout(campionati);
    gc->addWidget(new QLabel("Inclusi:"), 0, 0);
    gc->addWidget(Valore(logica_.TestoInclusi(), "inclusi"), 0, 1);
    gc->addWidget(new QLabel("Importanza:"), 1, 0);
    gc->addWidget(new QLabel("Min:"), 1, 1);
    gc->addWidget(Valore(logica_.TestoImportanzaMin(), "importanzaMin"), 1, 2);
    gc->addWidget(new QLabel("Max:"), 1, 3);
    gc->addWidget(Valore(logica_.TestoImportanzaMax(), "importanzaMax"), 1, 4);

    auto* destra = new QVBoxLayout;
    destra->addWidget(modifica);
    destra->addWidget(forza);
    destra->addWidget(limiti);
    destra->addWidget(campionati);
    punti->addLayout(destra, 0, 2);

    auto* ok = Pulsante("&OK", "IDOK");
    auto* stampaPulsante = Pulsante("&Stampa", "stampa");
    stampaPulsante->setEnabled(stampa != nullptr);
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(pesi);
    tutto->addLayout(punti);
    tutto->addLayout(RigaPulsanti({}, {ok, stampaPulsante}));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(stampaPulsante, &QPushButton::clicked, this, [this, &messaggi, stampa, &orologio] {
        if (stampa) logica_.Stampa(messaggi, *stampa, orologio);
    });
    ok->setDefault(true);
}

} // namespace veltra
