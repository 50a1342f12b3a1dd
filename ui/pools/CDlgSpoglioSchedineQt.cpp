#include "CDlgSpoglioSchedineQt.h"

#include "PannelloGiocataQt.h"

#include "app/DatiGlobali.h"
#include "platform/Messaggi.h"
#include "platform/Risorse.h"
#include "platform/UiComune.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <ctime>

namespace veltra {

namespace {

QLabel* Cella() {
    auto* l = new QLabel;
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(38);
    return l;
}

QLabel* Valore(const QString& nome) {
    return Nomina(new QLabel, nome);
}

} // namespace

CDlgSpoglioSchedineQt::CDlgSpoglioSchedineQt(DatiGlobali& dati, std::filesystem::path cartella,
                                             IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), dati_(dati), cartella_(std::move(cartella)), messaggi_(messaggi),
      logica_(dati, dati.schedina, dati.condizionamenti), esecutore_(this),
      ctx_{esecutore_, messaggi, CartellaRiduzioni(), std::nullopt, 0} {
    setWindowTitle(Q(kTitoloSpoglio));
    auto* griglia = new QGridLayout;
    for (int c = 0; c < 8; ++c) {
        auto* t = Nomina(new QLabel(QString::number(c + 1)), QStringLiteral("intestazione%1").arg(c));
        t->setAlignment(Qt::AlignCenter);
        griglia->addWidget(t, 0, 4 + c);
    }
    for (int r = 0; r < 14; ++r) {
        griglia->addWidget(new QLabel(QString::number(r + 1)), r + 1, 0);
        griglia->addWidget(new QLabel(Q(logica_.casa(r))), r + 1, 1);
        griglia->addWidget(new QLabel(Q(logica_.trasferta(r))), r + 1, 2);
        auto* combo = Nomina(new QComboBox, QStringLiteral("risultato%1").arg(r));
        combo->addItems({QString(), QStringLiteral("1"), QStringLiteral("X"), QStringLiteral("2")});
        risultati_[static_cast<std::size_t>(r)] = combo;
        griglia->addWidget(combo, r + 1, 3);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, r](int i) {
            logica_.ImpostaRisultato(r, i - 1);
            Mostra();
        });
        for (int c = 0; c < 8; ++c) {
            celle_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = Cella();
            griglia->addWidget(celle_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)], r + 1, 4 + c);
        }
    }
    griglia->addWidget(new QLabel(QStringLiteral("Punteggi :")), 15, 1, 1, 3, Qt::AlignRight);
    for (int c = 0; c < 8; ++c) {
        punti_[static_cast<std::size_t>(c)] = Nomina(Cella(), QStringLiteral("punti%1").arg(c));
        griglia->addWidget(punti_[static_cast<std::size_t>(c)], 15, 4 + c);
    }

    auto* destra = new QVBoxLayout;
    auto* scelta = new QGroupBox(QStringLiteral("Colonne per schedina :"));
    quattro_ = Nomina(new QRadioButton(QStringLiteral("4")), QStringLiteral("quattro"));
    otto_ = Nomina(new QRadioButton(QStringLiteral("8")), QStringLiteral("otto"));
    auto* hs = new QHBoxLayout(scelta);
    hs->addWidget(quattro_);
    hs->addWidget(otto_);
    destra->addWidget(scelta);
    auto* calcola = Pulsante(QStringLiteral("&Calcola"), QStringLiteral("calcola"),
                             QStringLiteral("Calcola i risultati ottenuti dai sistemi"));
    destra->addWidget(calcola);
    auto* integrale = new QGroupBox(QStringLiteral("Risultato Sistema Integrale"));
    (new QVBoxLayout(integrale))->addWidget(Valore(QStringLiteral("integrale")));
    destra->addWidget(integrale);
    auto* ridotto = new QGroupBox(QStringLiteral("Risultato Sistema Ridotto"));
    auto* rl = new QGridLayout(ridotto);
    const std::pair<const char*, const char*> voci[] = {{"TREDICISSIMO :", "tredicissimo"},
                                                        {"TREDICI :", "tredici"},
                                                        {"DODICI :", "dodici"},
                                                        {"Punteggio migliore :", "migliore"}};
    int riga = 0;
    for (const auto& [testo, nome] : voci) {
        auto* e = Nomina(new QLabel(QString::fromLatin1(testo)), QStringLiteral("etichetta_") + QLatin1String(nome));
        rl->addWidget(e, riga, 0);
        rl->addWidget(Valore(QString::fromLatin1(nome)), riga++, 1);
    }
    destra->addWidget(ridotto);
    auto* pag = new QHBoxLayout;
    pag->addWidget(new QLabel(QStringLiteral("Schedina :")));
    pag->addWidget(Valore(QStringLiteral("pagina")));
    destra->addLayout(pag);
    auto* indietro = Pulsante(QStringLiteral("<< &Indietro"), QStringLiteral("indietro"),
                              QStringLiteral("Visualizza la schedina precedente"));
    auto* avanti = Pulsante(QStringLiteral("&Avanti >>"), QStringLiteral("avanti"),
                            QStringLiteral("Visualizza la schedina successiva"));
    auto* pl = new QHBoxLayout;
    pl->addWidget(indietro);
    pl->addWidget(avanti);
    destra->addLayout(pl);
    auto* statistiche = Pulsante(QStringLiteral("&Statistiche"), QStringLiteral("statistiche"),
                                 QStringLiteral("Statistiche sulla giocata"));
    destra->addWidget(statistiche);
    destra->addStretch();
    auto* ok = Pulsante(QStringLiteral("OK"), QStringLiteral("IDOK"));
    destra->addWidget(ok);

    auto* l = new QHBoxLayout(this);
    l->addLayout(griglia);
    l->addLayout(destra);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(calcola, &QPushButton::clicked, this, &CDlgSpoglioSchedineQt::Calcola);
    connect(statistiche, &QPushButton::clicked, this, &CDlgSpoglioSchedineQt::Statistiche);
    connect(indietro, &QPushButton::clicked, this, [this] {
        logica_.Indietro();
        Mostra();
    });
    connect(avanti, &QPushButton::clicked, this, [this] {
        logica_.Avanti();
        Mostra();
    });
    connect(quattro_, &QRadioButton::toggled, this, [this](bool on) {
        if (!pronto_) return;
        logica_.ImpostaColonnePerPagina(on ? 4 : 8);
        Mostra();
    });

    Mostra();
    CostruisciSistema(dati_.schedina, dati_.condizionamenti, ctx_, [this](bool) {
        logica_.Riempi();
        pronto_ = true;
        Mostra();
        emit Pronto();
    });
}

QLabel* CDlgSpoglioSchedineQt::etichetta(const char* nome) const {
    return findChild<QLabel*>(QString::fromLatin1(nome));
}
QPushButton* CDlgSpoglioSchedineQt::pulsante(const char* nome) const {
    return findChild<QPushButton*>(QString::fromLatin1(nome));
}

void CDlgSpoglioSchedineQt::Mostra() {
    const int k = logica_.colonnePerPagina();
    const bool calcolato = logica_.calcolato();
    for (int r = 0; r < 14; ++r)
        for (int c = 0; c < 8; ++c) {
            QLabel* l = celle_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            l->setVisible(c < k);
            l->setText(Q(logica_.Cella(r, c)));
        }
    for (int c = 0; c < 8; ++c) {
        findChild<QLabel*>(QStringLiteral("intestazione%1").arg(c))->setVisible(c < k);
        punti_[static_cast<std::size_t>(c)]->setVisible(c < k);
        punti_[static_cast<std::size_t>(c)]->setText(Q(logica_.Punti(c)));
    }
    {
        const QSignalBlocker b1(quattro_), b2(otto_);
        quattro_->setChecked(k == 4);
        otto_->setChecked(k == 8);
    }
    const bool libero = pronto_ && !logica_.inCalcolo();
    quattro_->setEnabled(libero && !calcolato);
    otto_->setEnabled(libero && !calcolato);
    pulsante("calcola")->setEnabled(libero && logica_.calcolaAbilitato());
    pulsante("IDOK")->setEnabled(!logica_.inCalcolo());
    pulsante("statistiche")->setEnabled(libero && logica_.statisticheAbilitato());
    pulsante("indietro")->setEnabled(libero && logica_.indietroAbilitato());
    pulsante("avanti")->setEnabled(libero && logica_.avantiAbilitato());
    etichetta("integrale")->setText(Q(logica_.testoIntegrale()));
    etichetta("pagina")->setText(pronto_ ? Q(logica_.testoPagina()) : QString());
    const std::pair<const char*, std::string> contatori[] = {{"tredicissimo", logica_.testoTredicissimo()},
                                                             {"tredici", logica_.testoTredici()},
                                                             {"dodici", logica_.testoDodici()}};
    for (const auto& [nome, testo] : contatori) {
        etichetta(nome)->setText(Q(testo));
        const bool attivo = !testo.empty() && testo != "0";
        etichetta(nome)->setEnabled(attivo);
        etichetta((std::string("etichetta_") + nome).c_str())->setEnabled(attivo);
    }
    const std::string migliore = logica_.testoMigliore();
    etichetta("migliore")->setText(Q(migliore));
    etichetta("etichetta_migliore")->setEnabled(!calcolato || !migliore.empty());
}

void CDlgSpoglioSchedineQt::Calcola() {
    logica_.Calcola(esecutore_, [this] {
        Mostra();
        emit Calcolato();
    });
    Mostra();
}

void CDlgSpoglioSchedineQt::Statistiche() {
    logica_.CreaGiocata(esecutore_, static_cast<std::int64_t>(std::time(nullptr)),
                        [this](std::optional<CStatisticheToto> g) {
                            if (!g) return;
                            if (mostraGiocata) return mostraGiocata(*g);
                            DlgStatisticheGiocataQt d(dati_, cartella_, messaggi_, std::move(*g), this);
                            d.exec();
                        });
}

DlgStatisticheGiocataQt::DlgStatisticheGiocataQt(DatiGlobali& dati, std::filesystem::path cartella,
                                                 IMessaggi& messaggi, CStatisticheToto giocata, QWidget* parent)
    : QDialog(parent), dati_(dati), cartella_(std::move(cartella)), messaggi_(messaggi),
      giocata_(std::move(giocata)) {
    setWindowTitle(QStringLiteral("MARVEN - Statistiche sulla giocata"));
    auto* l = new QVBoxLayout(this);
    auto* pannello = new PannelloGiocataQt(QStringLiteral("Tipo Riduzione :"));
    pannello->Mostra(giocata_);
    l->addWidget(pannello);
    auto* note = Pulsante(QStringLiteral("&Note..."), QStringLiteral("note"),
                          QStringLiteral("Permette di visualizzare e scrivere delle note relative alla giocata"));
    auto* archivia = Pulsante(QStringLiteral("&Archivia"), QStringLiteral("archivia"),
                              QStringLiteral("Archivia la giocata ed aggiorna le statistiche sul totocalcio"));
    auto* ok = Pulsante(QStringLiteral("&OK"), QStringLiteral("IDOK"));
    l->addLayout(RigaPulsanti({note, archivia}, {ok}));
    connect(note, &QPushButton::clicked, this, [this] { ModificaNote(giocata_.note, this); });
    connect(archivia, &QPushButton::clicked, this, &DlgStatisticheGiocataQt::Archivia);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void DlgStatisticheGiocataQt::Archivia() {
    const EsitoArchiviazione e = ArchiviaGiocata(
        dati_.giocateToto, cartella_, giocata_,
        [this](const CStatisticheToto& recente) { return SceltaSostituzione(recente, this); }, messaggi_);
    if (e == EsitoArchiviazione::Aggiunta || e == EsitoArchiviazione::Sostituita)
        findChild<QPushButton*>(QStringLiteral("archivia"))->setEnabled(false);
}

void DlgStatisticheTotocalcioQt::Apri(DatiGlobali& dati, const std::filesystem::path& cartella,
                                      IMessaggi& messaggi, QWidget* parent) {
    if (!dati.giocateToto) {
        LetturaStatistiche l = CaricaStatistiche(cartella);
        if (!l.lista) {
            messaggi.Errore(kErroreLetturaStatistiche);
            return;
        }
        dati.giocateToto = std::move(l.lista);
    }
    DlgStatisticheTotocalcioQt d(dati, cartella, messaggi, parent);
    d.exec();
}

DlgStatisticheTotocalcioQt::DlgStatisticheTotocalcioQt(DatiGlobali& dati, std::filesystem::path cartella,
                                                       IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), dati_(dati), cartella_(std::move(cartella)), messaggi_(messaggi) {
    if (!dati_.giocateToto) dati_.giocateToto = CListaGiocateToto{};
    setWindowTitle(QStringLiteral("MARVEN - Statistiche sulle giocate al Totocalcio"));
    auto* schede = new QTabWidget;

    auto* aggregate = new QWidget;
    auto* al = new QGridLayout(aggregate);
    al->addWidget(Valore(QStringLiteral("titolo")), 0, 0, 1, 4);
    auto gruppo = [&](const QString& titolo, std::initializer_list<std::pair<const char*, const char*>> righe) {
        auto* g = new QGroupBox(titolo);
        auto* gl = new QGridLayout(g);
        int r = 0;
        for (const auto& [testo, nome] : righe) {
            gl->addWidget(new QLabel(QString::fromUtf8(testo)), r, 0);
            auto* v = Valore(QString::fromLatin1(nome));
            v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            gl->addWidget(v, r++, 1);
        }
        return g;
    };
    al->addWidget(gruppo(QStringLiteral("SISTEMI ORIGINALI PROPOSTI"),
                         {{"Doppie :", "m_doppieOriginali"},
                          {"Triple :", "m_tripleOriginali"},
                          {"Punti Sistema Integrale :", "m_integraleOriginale"},
                          {"Punti Colonna Base :", "m_baseOriginale"},
                          {"Migliore punteggio :", "m_migliorIntegraleOriginale"},
                          {"Peggiore punteggio :", "m_peggiorIntegraleOriginale"},
                          {"Migliore Colonna Base :", "m_migliorBaseOriginale"},
                          {"Peggiore Colonna Base :", "m_peggiorBaseOriginale"}}),
                  1, 0);
    al->addWidget(gruppo(QStringLiteral("INTERVENTI NECESSARI PER IL 12"),
                         {{"Fissa --> Doppia :", "m_fissaDoppia"}, {"Doppia --> Tripla :", "m_doppiaTripla"}}),
                  2, 0);
    al->addWidget(gruppo(QStringLiteral("SISTEMI GIOCATI"),
                         {{"Doppie :", "m_doppieGiocate"},
                          {"Triple :", "m_tripleGiocate"},
                          {"Punti Sistema Integrale :", "m_integraleGiocato"},
                          {"Punti Colonna Base :", "m_baseGiocata"},
                          {"Colonne Sistema Ridotto :", "m_colonneRidotto"},
                          {"Punti Sistema Ridotto :", "m_puntiRidotto"},
                          {"Migliore punteggio :", "m_migliorIntegraleGiocato"},
                          {"Peggiore punteggio :", "m_peggiorIntegraleGiocato"},
                          {"Migliore Colonna Base :", "m_migliorBaseGiocata"},
                          {"Peggiore Colonna Base :", "m_peggiorBaseGiocata"}}),
                  1, 1);
    al->addWidget(gruppo(QStringLiteral("SISTEMA MEDIO CHE OTTIENE IL 12"),
                         {{"Doppie :", "m_doppiePer12"}, {"Triple :", "m_triplePer12"}}),
                  2, 1);
    schede->addTab(aggregate, QStringLiteral("Statistiche Aggregate"));

    auto* tutte = new QWidget;
    auto* tl = new QVBoxLayout(tutte);
    auto* testa = new QHBoxLayout;
    testa->addWidget(Valore(QStringLiteral("numero")));
    testa->addWidget(Valore(QStringLiteral("data")));
    testa->addWidget(Valore(QStringLiteral("risultati")));
    testa->addWidget(Valore(QStringLiteral("stato")));
    tl->addLayout(testa);
    pannello_ = new PannelloGiocataQt(QStringLiteral("Riduzione :"));
    tl->addWidget(pannello_);
    auto* prima = Pulsante(QStringLiteral("<<"), QStringLiteral("precedente"));
    auto* dopo = Pulsante(QStringLiteral(">>"), QStringLiteral("successiva"));
    auto* note = Pulsante(QStringLiteral("&Note..."), QStringLiteral("note"),
                          QStringLiteral("Permette di visualizzare e scrivere delle note relative alla giocata"));
    auto* escludi = Pulsante(QStringLiteral("&Escludi"), QStringLiteral("escludi"));
    tl->addLayout(RigaPulsanti({prima, dopo, note, escludi}, {}));
    schede->addTab(tutte, QStringLiteral("Tutte le Giocate"));

    auto* l = new QVBoxLayout(this);
    l->addWidget(schede);
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok);
    l->addWidget(ok);
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(prima, &QPushButton::clicked, this, [this] { Sposta(-1); });
    connect(dopo, &QPushButton::clicked, this, [this] { Sposta(1); });
    connect(note, &QPushButton::clicked, this, [this] {
        auto& g = dati_.giocateToto->giocate;
        if (indice_ < static_cast<int>(g.size()) && ModificaNote(g[static_cast<std::size_t>(indice_)].note, this))
            modificato_ = true;
    });
    connect(escludi, &QPushButton::clicked, this, &DlgStatisticheTotocalcioQt::EscludiIncludi);
    MostraMedie();
    MostraGiocata();
}

QLabel* DlgStatisticheTotocalcioQt::etichetta(const QString& nome) const { return findChild<QLabel*>(nome); }
QPushButton* DlgStatisticheTotocalcioQt::pulsante(const char* nome) const {
    return findChild<QPushButton*>(QString::fromLatin1(nome));
}

void DlgStatisticheTotocalcioQt::MostraMedie() {
    const MedieGiocate m = CalcolaMedie(*dati_.giocateToto);
    etichetta(QStringLiteral("titolo"))->setText(Q(TitoloMedie(m)));
    const std::pair<const char*, double> medie[] = {
        {"m_doppieOriginali", m.doppieOriginali}, {"m_tripleOriginali", m.tripleOriginali},
        {"m_integraleOriginale", m.integraleOriginale}, {"m_baseOriginale", m.baseOriginale},
        {"m_fissaDoppia", m.fissaDoppia}, {"m_doppiaTripla", m.doppiaTripla},
        {"m_doppieGiocate", m.doppieGiocate}, {"m_tripleGiocate", m.tripleGiocate},
        {"m_integraleGiocato", m.integraleGiocato}, {"m_baseGiocata", m.baseGiocata},
        {"m_colonneRidotto", m.colonneRidotto}, {"m_puntiRidotto", m.puntiRidotto},
        {"m_doppiePer12", m.doppiePer12}, {"m_triplePer12", m.triplePer12}};
    for (const auto& [nome, v] : medie)
        etichetta(QString::fromLatin1(nome))->setText(Q(TestoMedia(v)));
    const std::pair<const char*, int> estremi[] = {
        {"m_migliorIntegraleOriginale", m.migliorIntegraleOriginale},
        {"m_peggiorIntegraleOriginale", m.peggiorIntegraleOriginale},
        {"m_migliorBaseOriginale", m.migliorBaseOriginale}, {"m_peggiorBaseOriginale", m.peggiorBaseOriginale},
        {"m_migliorIntegraleGiocato", m.migliorIntegraleGiocato},
        {"m_peggiorIntegraleGiocato", m.peggiorIntegraleGiocato},
        {"m_migliorBaseGiocata", m.migliorBaseGiocata}, {"m_peggiorBaseGiocata", m.peggiorBaseGiocata}};
    for (const auto& [nome, v] : estremi)
        etichetta(QString::fromLatin1(nome))->setNum(v);
}

void DlgStatisticheTotocalcioQt::MostraGiocata() {
    const auto& g = dati_.giocateToto->giocate;
    const bool vuota = g.empty();
    pannello_->setEnabled(!vuota);
    for (const char* n : {"precedente", "successiva", "note", "escludi"})
        pulsante(n)->setEnabled(!vuota);
    if (vuota) {
        etichetta(QStringLiteral("numero"))->setText(QStringLiteral("Nessuna giocata archiviata"));
        return;
    }
    const CStatisticheToto& x = g[static_cast<std::size_t>(indice_)];
    pannello_->Mostra(x);
    etichetta(QStringLiteral("numero"))->setText(QStringLiteral("%1 / %2").arg(indice_ + 1).arg(g.size()));
    etichetta(QStringLiteral("data"))->setText(Q(TestoData(x.data)));
    QString r;
    for (const auto& s : x.risultati) r += Q(s);
    etichetta(QStringLiteral("risultati"))->setText(r);
    etichetta(QStringLiteral("stato"))->setText(x.escluso ? QStringLiteral("ESCLUSA") : QString());
    pulsante("escludi")->setText(x.escluso ? QStringLiteral("&Includi") : QStringLiteral("&Escludi"));
    pulsante("precedente")->setEnabled(indice_ > 0);
    pulsante("successiva")->setEnabled(indice_ + 1 < static_cast<int>(g.size()));
}

void DlgStatisticheTotocalcioQt::Sposta(int passo) {
    const int n = static_cast<int>(dati_.giocateToto->giocate.size());
    indice_ = std::clamp(indice_ + passo, 0, std::max(0, n - 1));
    MostraGiocata();
}

void DlgStatisticheTotocalcioQt::EscludiIncludi() {
    auto& lista = *dati_.giocateToto;
    if (indice_ >= static_cast<int>(lista.giocate.size())) return;
    const bool esclusa = lista.giocate[static_cast<std::size_t>(indice_)].escluso != 0;
    const char* domanda = esclusa ? "Vuoi reincludere la giocata visualizzata nelle statistiche aggregate?"
                                  : "Vuoi escludere la giocata visualizzata dalle statistiche aggregate?";
    if (messaggi_.Mostra(domanda, Icona::Domanda, Pulsanti::SiNo) != Risposta::Si) return;
    ImpostaEsclusa(lista, static_cast<std::size_t>(indice_), !esclusa);
    modificato_ = true;
    MostraMedie();
    MostraGiocata();
}

void DlgStatisticheTotocalcioQt::done(int r) {
    // Notes and exclusions are written when the sheet closes.
    if (modificato_ && !SalvaStatistiche(cartella_, *dati_.giocateToto)) messaggi_.Errore(kErroreScritturaStatistiche);
    modificato_ = false;
    QDialog::done(r);
}

} // namespace veltra
