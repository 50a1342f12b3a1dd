#include "betting/CVisualizzaStrategieQt.h"

#include "app/DatiGlobali.h"
#include "betting/ArchivioSettimane.h"
#include "betting/CStatisticheStrategiaQt.h"
#include "betting/CWizardStrategiaQt.h"
#include "betting/HtmlStrategie.h"
#include "betting/Puntate.h"
#include "betting/Strategie.h"
#include "dati/FileAtomico.h"
#include "platform/EsecutoreLavoriQt.h"
#include "platform/Lavori.h"
#include "platform/Messaggi.h"
#include "platform/UiComune.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPointer>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>
#include <ctime>

namespace veltra {

namespace {

QString Formato(const char* f, double v) {
    char t[64];
    std::snprintf(t, sizeof t, f, v);
    return QString::fromUtf8(t);
}

} // namespace

CVisualizzaStrategieQt::CVisualizzaStrategieQt(Modo modo, DatiGlobali& dati, std::filesystem::path cartella,
                                               IMessaggi& messaggi, QWidget* parent)
    : FinestraNonModaleQt(parent), modo_(modo), dati_(dati), cartella_(std::move(cartella)), messaggi_(messaggi),
      esecutore_(std::make_unique<EsecutoreLavoriQt>(this)), lavoro_(std::make_unique<ScommessaMgr>()) {
    if (modo_ == Modo::GiocateReali) *lavoro_ = dati_.scommesse;
    Costruisci();
}

CVisualizzaStrategieQt::CVisualizzaStrategieQt(DatiGlobali& dati, std::filesystem::path cartella,
                                               IMessaggi& messaggi, std::unique_ptr<ScommessaMgr> settimana,
                                               RendimentiSettimana rendimenti, QWidget* parent)
    : FinestraNonModaleQt(parent), modo_(Modo::Rendimenti), dati_(dati), cartella_(std::move(cartella)),
      messaggi_(messaggi), esecutore_(std::make_unique<EsecutoreLavoriQt>(this)),
      lavoro_(std::move(settimana)), rendimenti_(std::move(rendimenti)) {
    for (const auto& r : rendimenti_.risoluzioni)
        risoluzioni_.emplace_back(r);
    Costruisci();
}

CVisualizzaStrategieQt::~CVisualizzaStrategieQt() = default;

bool CVisualizzaStrategieQt::Aggiorna(bool) {
    if (modo_ != Modo::GiocateReali) return true;
    if (dati_.scommesse.nEventi <= 0) {
        messaggi_.Mostra("In mancanza di eventi disponibili, la finestra del calcolo delle giocate delle "
                         "strategie viene chiusa.",
                         Icona::Esclamazione);
        return false;
    }
    // Plays resolved on other events (or other probabilities) would be
    // wrong: new events, every resolution cleared.
    if (lavoro_->nEventi != dati_.scommesse.nEventi || lavoro_->eventi != dati_.scommesse.eventi) {
        *lavoro_ = dati_.scommesse;
        ++generazione_;
        for (auto& r : risoluzioni_)
            r.reset();
    }
    Rinfresca();
    return true;
}

void CVisualizzaStrategieQt::Costruisci() {
    setWindowTitle(QStringLiteral("TALBOR - Visualizzazione Strategie"));
    setObjectName(QString::number(kRisorsa));
    risoluzioni_.resize(dati_.strategie.strategie.size());
    auto* g = new QGridLayout;
    nome_ = Nomina(new QLabel(this), QStringLiteral("nome"));
    descrizione_ = Nomina(new QLabel(this), QStringLiteral("descrizione"));
    descrizione_->setWordWrap(true);
    posizione_ = Nomina(new QLabel(this), QStringLiteral("posizione"));
    g->addWidget(new QLabel(QStringLiteral("NOME DELLA STRATEGIA :"), this), 0, 0);
    g->addWidget(nome_, 0, 1);
    g->addWidget(posizione_, 0, 2);
    g->addWidget(new QLabel(QStringLiteral("DESCRIZIONE :"), this), 1, 0);
    g->addWidget(descrizione_, 1, 1, 1, 2);

    prima_ = Pulsante(QStringLiteral("&Prima"), QStringLiteral("prima"));
    precedente_ = Pulsante(QStringLiteral("<<"), QStringLiteral("precedente"));
    successiva_ = Pulsante(QStringLiteral(">>"), QStringLiteral("successiva"));
    ultima_ = Pulsante(QStringLiteral("&Ultima"), QStringLiteral("ultima"));
    connect(prima_, &QPushButton::clicked, this, [this] { MostraStrategia(0); });
    connect(precedente_, &QPushButton::clicked, this, [this] { MostraStrategia(indice_ - 1); });
    connect(successiva_, &QPushButton::clicked, this, [this] { MostraStrategia(indice_ + 1); });
    connect(ultima_, &QPushButton::clicked, this,
            [this] { MostraStrategia(static_cast<int>(dati_.strategie.strategie.size()) - 1); });
    auto* sfoglia = new QHBoxLayout;
    for (auto* b : {prima_, precedente_, successiva_, ultima_})
        sfoglia->addWidget(b);
    sfoglia->addStretch();

    auto* boxEvento = new QGroupBox(this);
    auto* ve = new QVBoxLayout(boxEvento);
    lettera_ = Nomina(new QLabel(boxEvento), QStringLiteral("evento"));
    eventoPrec_ = Pulsante(QStringLiteral("<<"), QStringLiteral("eventoPrecedente"));
    eventoSucc_ = Pulsante(QStringLiteral(">>"), QStringLiteral("eventoSuccessivo"));
    connect(eventoPrec_, &QPushButton::clicked, this, [this] { MostraEvento(evento_ - 1); });
    connect(eventoSucc_, &QPushButton::clicked, this, [this] { MostraEvento(evento_ + 1); });
    auto* he = new QHBoxLayout;
    he->addWidget(new QLabel(QStringLiteral("EVENTO :"), boxEvento));
    he->addWidget(lettera_);
    he->addWidget(eventoPrec_);
    he->addWidget(eventoSucc_);
    he->addStretch();
    ve->addLayout(he);
    evento_testo_ = Nomina(new QLabel(boxEvento), QStringLiteral("criteri"));
    ve->addWidget(evento_testo_);

    auto* boxGiocata = new QGroupBox(this);
    auto* vg = new QVBoxLayout(boxGiocata);
    numeroGiocata_ = Nomina(new QLabel(boxGiocata), QStringLiteral("numeroGiocata"));
    giocataPrec_ = Pulsante(QStringLiteral("<<"), QStringLiteral("giocataPrecedente"));
    giocataSucc_ = Pulsante(QStringLiteral(">>"), QStringLiteral("giocataSuccessiva"));
    connect(giocataPrec_, &QPushButton::clicked, this, [this] { MostraGiocata(giocata_n_ - 1); });
    connect(giocataSucc_, &QPushButton::clicked, this, [this] { MostraGiocata(giocata_n_ + 1); });
    auto* hg = new QHBoxLayout;
    hg->addWidget(new QLabel(QStringLiteral("EVENTI DELLA GIOCATA N."), boxGiocata));
    hg->addWidget(numeroGiocata_);
    hg->addWidget(giocataPrec_);
    hg->addWidget(giocataSucc_);
    hg->addStretch();
    vg->addLayout(hg);
    giocata_ = Nomina(new QListWidget(boxGiocata), QStringLiteral("giocata"));
    giocata_->setMinimumWidth(460);
    vg->addWidget(giocata_);

    auto* riquadri = new QHBoxLayout;
    riquadri->addWidget(boxEvento);
    riquadri->addWidget(boxGiocata, 1);

    auto* rend = new QGridLayout;
    settimane_ = Nomina(new QLabel(this), QStringLiteral("settimaneAnalisi"));
    vincenti_ = Nomina(new QLabel(this), QStringLiteral("settimaneVincenti"));
    rendimento_ = Nomina(new QLabel(this), QStringLiteral("rendimento"));
    int r = 0;
    if (modo_ == Modo::Viste) {
        rend->addWidget(new QLabel(QStringLiteral("SETTIMANE DI ANALISI :"), this), r, 0);
        rend->addWidget(settimane_, r++, 1);
        rend->addWidget(new QLabel(QStringLiteral("SETTIMANE CON SORTITE VINCENTI :"), this), r, 0);
        rend->addWidget(vincenti_, r++, 1);
    } else {
        settimane_->hide();
        vincenti_->hide();
    }
    if (modo_ == Modo::GiocateReali) {
        rendimento_->hide();
    } else {
        rend->addWidget(new QLabel(QStringLiteral("RENDIMENTO :"), this), r, 0);
        rend->addWidget(rendimento_, r, 1);
    }

    std::vector<QWidget*> comandi;
    auto* statistiche = Pulsante(QStringLiteral("S&tatistiche"), QStringLiteral("statistiche"));
    connect(statistiche, &QPushButton::clicked, this, [this] {
        if (dati_.strategie.strategie.empty()) return;
        ApriStatisticheStrategia(dati_.strategie.strategie[static_cast<std::size_t>(indice_)], indice_ + 1,
                                 cartella_, *esecutore_, messaggi_, this);
    });
    if (modo_ == Modo::Viste) {
        auto* elimina = Pulsante(QStringLiteral("&Elimina Strategia"), QStringLiteral("elimina"));
        connect(elimina, &QPushButton::clicked, this, [this] { Elimina(); });
        auto* carica = Pulsante(QStringLiteral("Carica File di &Rendimento..."), QStringLiteral("caricaRendimento"));
        connect(carica, &QPushButton::clicked, this, [this] {
            const QString f = sceltaFileRendimenti
                                  ? sceltaFileRendimenti(0)
                                  : QFileDialog::getOpenFileName(this, Q(kTitoloCaricaRendimento), Q(cartella_.string()),
                                                                 Q(kFiltroRendimento));
            if (f.isEmpty()) return;
            std::string errore;
            auto r = CaricaRendimento(f.toStdString(), &errore);
            if (!r) {
                messaggi_.Errore(std::string(kErroreAperturaRendimento) + "\n" + errore);
                return;
            }
            ImpostaFileRendimenti(std::move(r));
        });
        auto* evento = Pulsante(QStringLiteral("&Modifica Evento"), QStringLiteral("modificaEvento"));
        connect(evento, &QPushButton::clicked, this, [this] {
            if (dati_.strategie.strategie.empty()) return;
            if (CWizardStrategiaQt(dati_, messaggi_, CWizardStrategiaQt::Modifica::Evento, indice_, evento_, this)
                    .exec() == QDialog::Accepted) {
                risoluzioni_[static_cast<std::size_t>(indice_)].reset();
                Rinfresca();
            }
        });
        auto* descrizione = Pulsante(QStringLiteral("Modifica &Descrizione"), QStringLiteral("modificaDescrizione"));
        connect(descrizione, &QPushButton::clicked, this, [this] {
            if (dati_.strategie.strategie.empty()) return;
            if (CWizardStrategiaQt(dati_, messaggi_, CWizardStrategiaQt::Modifica::Descrizione, indice_, 0, this)
                    .exec() == QDialog::Accepted)
                Rinfresca();
        });
        auto* sposta = Pulsante(QStringLiteral("&Sposta Strategia"), QStringLiteral("sposta"));
        connect(sposta, &QPushButton::clicked, this, [this] { Sposta(); });
        comandi = {elimina, evento, descrizione, sposta, carica, statistiche};
        comandi_ = {elimina, evento, descrizione, sposta, statistiche};
    } else if (modo_ == Modo::GiocateReali) {
        auto* calcola = Pulsante(QStringLiteral("C&alcola..."), QStringLiteral("calcola"));
        connect(calcola, &QPushButton::clicked, this, [this] { Calcola(); });
        budget_ = Pulsante(QStringLiteral("&Imposta Budget"), QStringLiteral("budget"));
        connect(budget_, &QPushButton::clicked, this, [this] {
            const auto i = static_cast<std::size_t>(indice_);
            if (i >= dati_.strategie.strategie.size() || i >= risoluzioni_.size()) return;
            const auto& r = risoluzioni_[i];
            if (!r || !r->realizzata) return;
            CCalcolaPuntateQt(dati_.strategie.strategie[i], r->gambe, messaggi_, this).exec();
        });
        auto* esporta = Pulsante(QStringLiteral("Esporta &Giocate"), QStringLiteral("esportaGiocate"));
        connect(esporta, &QPushButton::clicked, this, [this] { EsportaGiocate(); });
        comandi = {calcola, budget_, esporta, statistiche};
        comandi_ = {calcola, budget_, esporta, statistiche};
    } else {
        auto* salva = Pulsante(QStringLiteral("Salva &Rendimenti"), QStringLiteral("salvaRendimenti"));
        connect(salva, &QPushButton::clicked, this, [this] { SalvaRendimenti(); });
        comandi = {salva, statistiche};
        comandi_ = {statistiche};
    }
    auto* chiudi = Pulsante(QStringLiteral("Chiudi"), QStringLiteral("IDCANCEL"));
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);
    auto* piede = new QHBoxLayout;
    for (auto* c : comandi)
        piede->addWidget(c);
    piede->addStretch();
    piede->addWidget(chiudi);

    auto* v = new QVBoxLayout(this);
    v->addLayout(g);
    v->addLayout(sfoglia);
    v->addLayout(riquadri, 1);
    v->addLayout(rend);
    v->addLayout(piede);
    MostraStrategia(0);
}

void CVisualizzaStrategieQt::ImpostaFileRendimenti(std::optional<CRendimento> r) {
    file_ = std::move(r);
    Rinfresca();
}

void CVisualizzaStrategieQt::MostraStrategia(int indice) {
    const int n = static_cast<int>(dati_.strategie.strategie.size());
    indice_ = std::clamp(indice, 0, std::max(0, n - 1));
    evento_ = 0;
    giocata_n_ = 0;
    Rinfresca();
}

void CVisualizzaStrategieQt::MostraEvento(int indice) {
    evento_ = indice;
    Rinfresca();
}

void CVisualizzaStrategieQt::MostraGiocata(int indice) {
    giocata_n_ = indice;
    Rinfresca();
}

QString CVisualizzaStrategieQt::RigaGamba(int e, bool conEsito) const {
    const auto& r = risoluzioni_[static_cast<std::size_t>(indice_)];
    const VoceScommessa& v = r->gambe[static_cast<std::size_t>(e)];
    char t[200];
    std::snprintf(t, sizeof t, "Ev.%c: %s-%s %s (%.2f) (E:%+.0f%%)", 'A' + e, v.casa.c_str(), v.trasferta.c_str(),
                  v.segno.c_str(), static_cast<double>(v.quota), std::round((v.equita - 1) * 100.0));
    QString s = QString::fromUtf8(t);
    if (conEsito && static_cast<std::size_t>(indice_) < rendimenti_.liquidazioni.size()) {
        // The leg's code: settle it again on the week for this leg alone.
        char esito = '\0';
        for (int i = 0; i < lavoro_->nEventi; ++i) {
            const Evento& ev = lavoro_->eventi[static_cast<std::size_t>(i)];
            if (ev.casa == v.casa && ev.trasferta == v.trasferta) esito = ev.esito;
        }
        s += Q(TestoCodiceEsito(CodiceEsito(v, esito)));
    }
    return s;
}

void CVisualizzaStrategieQt::Rinfresca() {
    const auto& lista = dati_.strategie.strategie;
    const int n = static_cast<int>(lista.size());
    // The list may have changed while the window was open (a search that
    // saved strategies): one resolution per strategy, always.
    risoluzioni_.resize(lista.size());
    indice_ = std::clamp(indice_, 0, std::max(0, n - 1));
    giocata_->clear();
    for (auto* b : {prima_, precedente_})
        b->setEnabled(indice_ > 0);
    for (auto* b : {successiva_, ultima_})
        b->setEnabled(indice_ + 1 < n);
    for (auto* b : comandi_)
        b->setEnabled(n > 0);
    if (n == 0) {
        // Nothing to compute, split, export or count: every command idle.
        nome_->clear();
        descrizione_->clear();
        lettera_->clear();
        evento_testo_->clear();
        numeroGiocata_->clear();
        for (auto* b : {eventoPrec_, eventoSucc_, giocataPrec_, giocataSucc_})
            b->setEnabled(false);
        settimane_->clear(), vincenti_->clear(), rendimento_->clear();
        posizione_->setText(QStringLiteral("nessuna strategia"));
        return;
    }
    const CStrategiaDesc& s = lista[static_cast<std::size_t>(indice_)];
    nome_->setText(Q(s.nome));
    descrizione_->setText(Q(s.descrizione));
    posizione_->setText(QStringLiteral("Strategia %1 di %2 (n. %3)").arg(indice_ + 1).arg(n).arg(s.numero));
    const int ne = static_cast<int>(s.eventiStrategia.size());
    evento_ = std::clamp(evento_, 0, std::max(0, ne - 1));
    eventoPrec_->setEnabled(evento_ > 0);
    eventoSucc_->setEnabled(evento_ + 1 < ne);
    if (ne > 0) {
        lettera_->setText(QString(QChar('A' + evento_)));
        QStringList righe;
        for (const auto& r : DescrizioneEventoStrategia(s.eventiStrategia[static_cast<std::size_t>(evento_)], evento_))
            righe << Q(r);
        righe.removeFirst();
        evento_testo_->setText(righe.join('\n'));
    }
    const int ng = static_cast<int>(s.giocate.size());
    giocata_n_ = std::clamp(giocata_n_, 0, std::max(0, ng - 1));
    giocataPrec_->setEnabled(giocata_n_ > 0);
    giocataSucc_->setEnabled(giocata_n_ + 1 < ng);
    numeroGiocata_->setText(QString::number(giocata_n_ + 1));
    const auto& ris = risoluzioni_[static_cast<std::size_t>(indice_)];
    const bool risolta = ris && ris->realizzata;
    if (ng > 0) {
        const auto& g = s.giocate[static_cast<std::size_t>(giocata_n_)];
        for (auto e : g)
            giocata_->addItem(risolta ? RigaGamba(e, modo_ == Modo::Rendimenti)
                                      : QStringLiteral("Evento %1").arg(QChar('A' + e)));
        if (risolta && (modo_ == Modo::Rendimenti || g.size() > 1))
            giocata_->addItem(Formato("Quota Totale:%.2f", RisolviGiocata(g, ris->gambe).quota));
    }
    if (budget_) budget_->setEnabled(risolta);
    if (modo_ == Modo::Rendimenti) {
        const auto i = static_cast<std::size_t>(indice_);
        rendimento_->setText(i < rendimenti_.stato.size() && rendimenti_.stato[i] != kNonRealizzabile
                                 ? Formato("%+.1f%%", rendimenti_.rendimento[i] * 100)
                                 : QStringLiteral("- - -"));
    } else if (modo_ == Modo::Viste) {
        if (!file_) {
            settimane_->clear(), vincenti_->clear(), rendimento_->clear();
        } else if (const auto r = RiepilogoStrategia(*file_, s.numero); !r.presente) {
            settimane_->setText(QStringLiteral("-")), vincenti_->setText(QStringLiteral("-"));
            rendimento_->setText(QStringLiteral("-"));
        } else {
            settimane_->setText(QString::number(r.settimaneAnalisi));
            vincenti_->setText(Formato("%.1f%%", r.percentualeVincenti));
            rendimento_->setText(Formato("%+.1f%%", r.rendimento));
        }
    }
}

int CVisualizzaStrategieQt::Sposta(std::optional<int> primaDi) {
    auto& lista = dati_.strategie.strategie;
    if (lista.size() < 2) return indice_;
    int destinazione = 0;
    if (primaDi) {
        destinazione = *primaDi;
    } else {
        QDialog d(this);
        d.setWindowTitle(QStringLiteral("MODIFICA LA POSIZIONE DELLA STRATEGIA CORRENTE"));
        d.setObjectName(QStringLiteral("238"));
        auto* v = new QVBoxLayout(&d);
        v->addWidget(new QLabel(QStringLiteral("POSIZIONA LA STRATEGIA:   [ ") +
                                    Q(lista[static_cast<std::size_t>(indice_)].nome) +
                                    QStringLiteral(" ]   PRIMA DELLA STRATEGIA:"),
                                &d));
        auto* scelta = Nomina(new QComboBox(&d), QStringLiteral("primaDi"));
        for (std::size_t i = 0; i < lista.size(); ++i)
            scelta->addItem(QStringLiteral("%1. ").arg(i + 1) + Q(lista[i].nome));
        scelta->setCurrentIndex(indice_);
        v->addWidget(scelta);
        v->addWidget(PulsantiOkCancella(d));
        if (d.exec() != QDialog::Accepted) return indice_;
        destinazione = scelta->currentIndex();
    }
    const int vecchio = indice_;
    const int nuovo = SpostaStrategia(dati_.strategie, indice_, destinazione);
    if (nuovo != vecchio) {
        auto r = std::move(risoluzioni_[static_cast<std::size_t>(vecchio)]);
        risoluzioni_.erase(risoluzioni_.begin() + vecchio);
        risoluzioni_.insert(risoluzioni_.begin() + nuovo, std::move(r));
        dati_.datiModificati = 1;
    }
    MostraStrategia(nuovo);
    return nuovo;
}

bool CVisualizzaStrategieQt::Elimina() {
    auto& lista = dati_.strategie.strategie;
    if (lista.empty()) return false;
    if (messaggi_.Mostra("Desideri eliminare la strategia visualizzata ?", Icona::Domanda, Pulsanti::SiNo) !=
        Risposta::Si)
        return false;
    EliminaStrategia(dati_.strategie, indice_);
    risoluzioni_.erase(risoluzioni_.begin() + indice_);
    dati_.datiModificati = 1;
    if (lista.empty()) {
        messaggi_.Mostra("E' stata eliminata l'unica strategia esistente.\nIl Visualizzatore delle Strategie "
                         "verra' quindi chiuso.\n",
                         Icona::Informazione);
        reject();
        return true;
    }
    MostraStrategia(std::max(0, indice_ - 1));
    return true;
}

void CVisualizzaStrategieQt::Calcola() {
    if (dati_.strategie.strategie.empty()) return;
    const CStrategiaDesc s = dati_.strategie.strategie[static_cast<std::size_t>(indice_)];
    auto copia = std::make_shared<ScommessaMgr>(*lavoro_);
    const int indice = indice_;
    const int generazione = generazione_;
    QPointer<CVisualizzaStrategieQt> io = this;
    AvviaLavoro<RisoluzioneStrategia>(
        *esecutore_, "CALCOLO DELLE GIOCATE IN CORSO...",
        [s, copia](ContestoLavoro& c) { return RealizzaStrategia(s, *copia, &c); },
        [io, indice, generazione](EsitoLavoro<RisoluzioneStrategia> e) {
            // Events replaced meanwhile: the resolution belongs to the old ones.
            if (!io || e.fine.fermato || e.risultato.fermata || io->generazione_ != generazione) return;
            if (!e.fine.riuscito()) {
                io->messaggi_.Errore(e.fine.errore);
                return;
            }
            if (!e.risultato.realizzata) io->messaggi_.Errore(TestoStrategiaNonRealizzabile(indice + 1));
            if (static_cast<std::size_t>(indice) < io->risoluzioni_.size())
                io->risoluzioni_[static_cast<std::size_t>(indice)] = std::move(e.risultato);
            io->Rinfresca();
        });
}

QString CVisualizzaStrategieQt::EsportaGiocate() {
    if (dati_.strategie.strategie.empty()) return {};
    if (messaggi_.Mostra("Vuoi che le strategie per le quali sono state calcolate le relative giocate vengano "
                         "ora salvate su file HTML ?",
                         Icona::Domanda, Pulsanti::SiNo) != Risposta::Si)
        return {};
    const std::time_t t = std::time(nullptr);
    std::tm adesso{};
    localtime_r(&t, &adesso);
    const auto file = FileGiocateHtml(cartella_ / kCartellaEsportate, adesso);
    std::string h = InizioPaginaHtml("Strategie calcolate");
    const auto& lista = dati_.strategie.strategie;
    for (std::size_t i = 0; i < lista.size() && i < risoluzioni_.size(); ++i) {
        const auto& r = risoluzioni_[i];
        if (!r || !r->realizzata) continue;
        const CStrategiaDesc& s = lista[i];
        h += "<hr><h2>\n<center>Strategia n. " + std::to_string(i + 1) + "<br>\n";
        h += "TITOLO: " + s.nome + "<br>\nDESCRIZIONE: " + s.descrizione + "</center></h2>\n";
        for (std::size_t g = 0; g < s.giocate.size(); ++g) {
            h += "<p>GIOCATA: " + std::to_string(g + 1) + " : <br>\n";
            for (auto e : s.giocate[g]) {
                const VoceScommessa& v = r->gambe[static_cast<std::size_t>(e)];
                char riga[300];
                std::snprintf(riga, sizeof riga, "Ev.%c: %s-%s %s (Q:%.2f) (E:%+.0f%%) (P:%.1f%%)", 'A' + e,
                              v.casa.c_str(), v.trasferta.c_str(), v.segno.c_str(), static_cast<double>(v.quota),
                              std::round((v.equita - 1) * 100.0), v.prob * 100.0);
                h += riga;
                if (!v.data.empty() && v.data != "-") h += " (Data: " + v.data + ")";
                h += "<br>\n";
            }
            if (s.giocate[g].size() > 1) {
                const GiocataRisolta q = RisolviGiocata(s.giocate[g], r->gambe);
                char riga[200];
                std::snprintf(riga, sizeof riga,
                              "Quota Totale: %.2f<br>\nEquita' Complessiva: %+.0f%%<br>\nProbabilita' Congiunta: "
                              "%.1f%%<br>\n",
                              q.quota, std::round((q.equita() - 1) * 100), q.prob * 100);
                h += riga;
            }
            h += "</p>\n";
        }
    }
    h += kFinePaginaHtml;
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    if (!ScriviFileAtomico(file, h)) {
        messaggi_.Errore("Impossibile scrivere il file:\n\n" + file.string());
        return {};
    }
    messaggi_.Mostra("Le giocate calcolate sono state salvate nel file:\n\n" + file.string(), Icona::Informazione);
    return Q(file.string());
}

void CVisualizzaStrategieQt::SalvaRendimenti() {
    QDialog d(this);
    d.setWindowTitle(QStringLiteral("Creazione o Aggiornamento File di Rendimenti"));
    d.setObjectName(QStringLiteral("240"));
    auto* v = new QVBoxLayout(&d);
    v->addWidget(new QLabel(QStringLiteral("GESTIONE DEI RENDIMENTI APPENA CALCOLATI :"), &d));
    QButtonGroup gruppo(&d);
    const char* scelte[] = {"INSERIRLI IN UN NUOVO FILE DI RENDIMENTI",
                            "AGGIUNGERLI AD UN FILE DI RENDIMENTI GIA' ESISTENTE",
                            "SOSTITUIRLI ALL'ULTIMO SALVATAGGIO IN UN FILE DI RENDIMENTI GIA' ESISTENTE"};
    const char* spiegazioni[] = {
        "Un file di rendimenti consente di seguire, settimana dopo settimana, l'andamento delle strategie.\n"
        "Si possono creare piu' File di Rendimenti per mantenere distinti i risultati ottenuti con diversi "
        "bookmaker.",
        "Scegliere un File di Rendimenti creato in precedenza per aggiornare l'andamento delle strategie.",
        "Scegliere un File di Rendimenti creato in precedenza per eliminare l'ultimo aggiornamento salvato\ne "
        "sostituirlo con i rendimenti appena calcolati."};
    for (int i = 0; i < 3; ++i) {
        auto* r = Nomina(new QRadioButton(Q(scelte[i]), &d), QStringLiteral("scelta%1").arg(i));
        r->setChecked(i == 0);
        gruppo.addButton(r, i);
        v->addWidget(r);
        auto* s = new QLabel(Q(spiegazioni[i]), &d);
        s->setIndent(24);
        v->addWidget(s);
    }
    v->addWidget(PulsantiOkCancella(d));
    if (!sceltaFileRendimenti && d.exec() != QDialog::Accepted) return;
    const int scelta = sceltaFileRendimenti ? -1 : gruppo.checkedId();
    QString file;
    int modo = scelta;
    if (sceltaFileRendimenti) {
        // Tests: the hook gives "choice|path".
        const QString risposta = sceltaFileRendimenti(1);
        modo = risposta.section('|', 0, 0).toInt();
        file = risposta.section('|', 1);
    } else if (scelta == 0) {
        file = QFileDialog::getSaveFileName(this, Q(kTitoloNuovoRendimento), Q(cartella_.string()),
                                            Q(kFiltroRendimento));
        if (!file.isEmpty() && !file.endsWith(QStringLiteral(".REN"), Qt::CaseInsensitive)) file += ".REN";
    } else {
        file = QFileDialog::getOpenFileName(this, Q(kTitoloApriRendimento), Q(cartella_.string()),
                                            Q(kFiltroRendimento));
    }
    if (file.isEmpty()) return;
    const std::filesystem::path p = file.toStdString();
    if (modo == 0) {
        if (!SalvaRendimento(p, NuovoRendimento(dati_.strategie, rendimenti_, *lavoro_))) {
            messaggi_.Errore(kErroreCreazioneRendimento);
            return;
        }
        messaggi_.Mostra("Il nuovo File di Rendimenti e' stato creato.\nEsso contiene i dati relativi al gruppo di "
                         "eventi appena analizzato.",
                         Icona::Informazione);
        return;
    }
    std::string errore;
    const auto vecchio = CaricaRendimento(p, &errore);
    if (!vecchio) {
        messaggi_.Errore(std::string(kErroreAperturaRendimento) + "\n" + errore);
        return;
    }
    const bool sostituisci = modo == 2;
    if (!SalvaRendimento(p, AggiornaRendimento(*vecchio, dati_.strategie, rendimenti_, *lavoro_, sostituisci))) {
        messaggi_.Errore(kErroreAperturaRendimento);
        return;
    }
    messaggi_.Mostra(sostituisci
                         ? "Il File di Rendimenti selezionato e' stato aggiornato,\nAd esso sono stati eliminati i "
                           "dati aggiunti nel precedente salvataggio\ne sostituiti con quelli relativi al gruppo di "
                           "eventi appena analizzato."
                         : "Il File di Rendimenti selezionato e' stato aggiornato.\nEsso ora contiene anche i dati "
                           "relativi al gruppo di eventi appena analizzato.",
                     Icona::Informazione);
}

CCalcolaPuntateQt::CCalcolaPuntateQt(const CStrategiaDesc& s, std::vector<VoceScommessa> gambe,
                                     IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), strategia_(s), gambe_(std::move(gambe)), messaggi_(messaggi) {
    setWindowTitle(Q(kTitoloCalcolaPuntate));
    setObjectName(QString::number(kRisorsa));
    auto* importo = Nomina(new QLineEdit(this), QStringLiteral("importo"));
    auto* calcola = Pulsante(QStringLiteral("Calcola"), QStringLiteral("calcola"));
    elenco_ = Nomina(new QListWidget(this), QStringLiteral("elenco"));
    elenco_->setMinimumSize(380, 300);
    auto* chiudi = Pulsante(QStringLiteral("Chiudi"), QStringLiteral("IDCANCEL"));
    connect(calcola, &QPushButton::clicked, this, [this, importo] { Calcola(importo->text()); });
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);
    auto* h = new QHBoxLayout;
    h->addWidget(new QLabel(QStringLiteral("Immetti il totale che vuoi spendere :"), this));
    h->addWidget(importo);
    h->addWidget(calcola);
    auto* v = new QVBoxLayout(this);
    v->addLayout(h);
    v->addWidget(elenco_, 1);
    v->addLayout(RigaPulsanti({}, {chiudi}));
}

bool CCalcolaPuntateQt::Calcola(const QString& importo) {
    std::string errore;
    const auto budget = LeggiImporto(importo.toStdString(), &errore);
    if (!budget) {
        messaggi_.Mostra(errore, Icona::Esclamazione);
        return false;
    }
    elenco_->clear();
    for (const auto& r : RigheDistribuzione(strategia_, gambe_, *budget))
        elenco_->addItem(Q(r));
    return true;
}

} // namespace veltra
