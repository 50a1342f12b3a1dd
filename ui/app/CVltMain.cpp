#include "CVltMain.h"

#include "aiuto/CDlgConsiglioQt.h"
#include "aiuto/DlgInformazioniQt.h"
#include "app/aiuto/ConsiglioGiorno.h"
#include "app/DatiGlobali.h"
#include "app/inserimento/CDlgNuoviIncontriQt.h"
#include "app/inserimento/CDlgNuovoCampionatoQt.h"
#include "app/shell/BarreStrumenti.h"
#include "app/stampe/CDlgGestoreStampeQt.h"
#include "app/shell/CambiaCampionato.h"
#include "app/shell/Comandi.h"
#include "app/shell/FiltriStorici.h"
#include "app/shell/MenuPrincipale.h"
#include "app/shell/RifiutiComandi.h"
#include "app/shell/SalvaModifiche.h"
#include "app/shell/Uscita.h"
#include "dati/PosizioneFinestra.h"
#include "engine/parametri/CDlgImpostazioneParametriQt.h"
#include "platform/AiutoQt.h"
#include "platform/FinestraNonModaleQt.h"
#include "platform/Immagini.h"
#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"
#include "platform/UiComune.h"
#include "pools/CPropostaSistemaQt.h"
#include "pools/NuovaSchedinaQt.h"
#include "tools/archiviostorico/CArchivioStoricoQt.h"
#include "tools/classifica/CClassificaQt.h"
#include "tools/pronostici/CPronosticiQt.h"
#include "tools/scontri/CScontriDirettiQt.h"
#include "platform/EsecutoreLavoriQt.h"
#include "net/CDlgAggiornamentoDatiQt.h"
#include "quote/CDlgCaricamentoQuoteQt.h"
#include "net/HttpCurl.h"
#include "net/CGestioneAnalisiInternetQt.h"
#include "engine/CMotoreStime.h"
#include "dati/SelezioneCampionatiQt.h"
#include "net/Internet.h"
#include "tools/qualita/FinestraQualitaStimeQt.h"
#include "app/giornata/FinestraGiornataQt.h"
#include "betting/ComandiStrategieQt.h"
#include "betting/CWizardStrategiaQt.h"
#include "betting/CDlgScommesseQt.h"
#include "betting/CVisualizzaStrategieQt.h"
#include "betting/DlgQuoteQt.h"
#include "betting/ComandiQuote.h"
#include "betting/DlgRicercaStrategieQt.h"
#include "platform/Risorse.h"
#include "platform/SuoniQt.h"
#include "pools/CDlgSistemaRidottoQt.h"
#include "pools/CDlgSpoglioSchedineQt.h"
#include "engine/parametri/CDlgConfrontoAnalisiQt.h"
#include "tools/ricerche/CDlgCopiaAnalisiQt.h"
#include "tools/ricerche/CRicercheMiglioriAnalisiQt.h"

#include <algorithm>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSessionManager>
#include <QStatusBar>
#include <QTimer>

#include <ctime>
#include <QToolBar>

namespace veltra {

namespace {

// The client area: the background tile repeated, the centre picture on top.
class Sfondo : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const qreal scala = devicePixelRatioF();
        const QPixmap piastrella = ImmaginiProgramma().Pixmap(Immagine::Sfondo, scala);
        if (!piastrella.isNull()) p.drawTiledPixmap(rect(), piastrella);
        const QPixmap centro = ImmaginiProgramma().Pixmap(Immagine::Centro, scala);
        if (!centro.isNull()) {
            const QSizeF d = centro.deviceIndependentSize();
            p.drawPixmap(QPointF((width() - d.width()) / 2, (height() - d.height()) / 2), centro);
        }
    }
};

} // namespace

CVltMain::CVltMain(DatiGlobali& dati, std::filesystem::path cartella, IMessaggi& messaggi,
                   IAiuto& aiuto, IServizioStampa& stampa, const IOrologio& orologio,
                   const TestiStato& statoIniziale, QWidget* parent)
    : QMainWindow(parent), dati_(dati), cartella_(std::move(cartella)), messaggi_(messaggi),
      aiuto_(aiuto), stampa_(stampa), orologio_(orologio),
      ctx_{dati_, stato_, cartella_, messaggi_,
           [](bool attesa) {
               if (attesa)
                   QApplication::setOverrideCursor(Qt::WaitCursor);
               else
                   QApplication::restoreOverrideCursor();
           }} {
    seguiCambiamenti_ = SeguiCambiamenti(dati_, stato_);
    // A window that switched a championship's model: the status bar names it.
    seguiModello_ = dati_.notifiche.Iscrivi([this](const AvvisoCambiamento& a) {
        if (a.cosa == Cambiamento::Analisi && a.campionato == dati_.campionatoCorrente && statusBar())
            QTimer::singleShot(0, this, [this] { MostraModelloInUso(*this, dati_); });
    });
    setObjectName("101");
    setWindowTitle("VELTRA 2005 - MARVEN 9 - TALBOR 6");
    setWindowIcon(IconaProgramma());
    setCentralWidget(new Sfondo);

    pannello1_ = Nomina(new QLabel, "40078");
    pannello2_ = Nomina(new QLabel, "pannelloArchivio");
    // These two may narrow below their text (pane 1 may not).
    pannello2_->setMinimumWidth(40);
    statusBar()->addWidget(pannello1_, 3);
    statusBar()->addWidget(pannello2_, 1);
    filtroStorico_ = Nomina(new QLabel, "pannelloFiltroStorico");
    filtroStorico_->setStyleSheet("QLabel { color: #a00000; font-weight: bold; }");
    filtroStorico_->hide();
    filtroStorico_->setMinimumWidth(40);
    statusBar()->addWidget(filtroStorico_);

    consiglio_ = new CDlgConsiglioQt(dati_, this);
    CreaTabellaComandi();
    CreaMenuEBarre();
    CollegaTastoAiuto(*this, aiuto_, kAiutoFinestraPrincipale);
    ImpostaStato(statoIniziale);
    AggiornaAbilitazioni();
    if (const QScreen* schermo = QGuiApplication::primaryScreen()) {
        // Three quarters of the screen, but wide enough for the whole status line
        // (what the estimates rest on) when the screen allows it.
        const QSize disponibile = schermo->availableGeometry().size();
        QSize dimensione = disponibile * 3 / 4;
        // The status bar lays itself out only when shown: add up its labels.
        int riga = 0;
        for (const QLabel* l : statusBar()->findChildren<QLabel*>())
            if (!l->isHidden()) riga += l->sizeHint().width() + 12;
        dimensione.setWidth(std::min(disponibile.width(), std::max(dimensione.width(), riga)));
        resize(dimensione);
    }
}

CVltMain::~CVltMain() { stato_.finestre.ChiudiTutte(); }

void CVltMain::CreaMenuEBarre() {
    auto* gruppo = new QActionGroup(this);
    gruppo->setExclusive(true);
    auto crea = [&](int id) {
        if (auto it = azioni_.find(id); it != azioni_.end()) return it->second;
        const auto d = CercaComando(id);
        auto* a = new QAction(d ? Q(d->voceMenu) : QString::number(id), this);
        a->setObjectName(QString::number(id));
        if (d) {
            a->setStatusTip(Q(d->prompt));
            a->setToolTip(Q(d->suggerimento.empty() ? d->prompt : d->suggerimento)
                              .remove('&'));
            if (d->suggerimento.empty() && d->prompt.empty())
                a->setToolTip(Q(d->voceMenu).remove('&'));
        }
        a->setIcon(IconaComando(id));
        if (CampionatoDelComando(id)) {
            a->setCheckable(true);
            gruppo->addAction(a);
        }
        connect(a, &QAction::triggered, this, [this, id] { Esegui(id); });
        azioni_[id] = a;
        return a;
    };
    for (const Menu& m : MenuPrincipale()) {
        QMenu* menu = menuBar()->addMenu(Q(m.titolo));
        for (int id : m.voci) {
            if (id == kSeparatore)
                menu->addSeparator();
            else
                menu->addAction(crea(id));
        }
        connect(menu, &QMenu::aboutToShow, this, [this] { AggiornaAbilitazioni(); });
        // The prompt of the last item under the mouse goes with the menu:
        // left there it would hide the status line until the mouse moved again.
        connect(menu, &QMenu::aboutToHide, statusBar(), &QStatusBar::clearMessage);
    }
    auto barra = [&](const char* nome, std::span<const int> pulsanti) {
        QToolBar* b = addToolBar(QString::fromUtf8(nome));
        b->setObjectName(nome);
        b->setIconSize(QSize(24, 24));
        for (int id : pulsanti) {
            if (id == kSeparatore)
                b->addSeparator();
            else
                b->addAction(crea(id));
        }
    };
    barra("174", BarraPrincipale());
    addToolBarBreak();
    barra("175", BarraCampionati());
}

QAction* CVltMain::azione(int comando) const {
    const auto it = azioni_.find(comando);
    return it == azioni_.end() ? nullptr : it->second;
}

void CVltMain::AggiornaAbilitazioni() {
    for (auto& [id, a] : azioni_) {
        a->setEnabled(ComandoAbilitato(id, dati_, {.consiglioPresente = consiglio_ != nullptr}));
        if (a->isCheckable()) a->setChecked(ComandoSpuntato(id, dati_));
    }
    MostraFiltroStorico();
}

void CVltMain::ImpostaStato(const TestiStato& t) {
    pannello1_->setText(Q(t.pannello1));
    pannello1_->setToolTip(pannello1_->text()); // whole, should a narrow window cut it
    pannello2_->setText(Q(t.pannello2));
    MostraModelloInUso(*this, dati_);
    MostraFiltroStorico();
}

void CVltMain::MostraFiltroStorico() {
    // Beside the archive text, where the user reads what the estimates rest on.
    const std::string filtro = TestoFiltroStorico(dati_);
    filtroStorico_->setText(Q(filtro));
    filtroStorico_->setToolTip(filtroStorico_->text());
    filtroStorico_->setVisible(!filtro.empty());
    AdattaBarraDiStato();
}

void CVltMain::AdattaBarraDiStato() {
    // Pane 1 keeps its whole text: the archive text and the cut-off give way
    // first (whole in their tool tips), and the window widens, as far as the
    // screen allows, when the line has grown (a cut-off shown, a longer name).
    pannello1_->setMinimumWidth(pannello1_->fontMetrics().horizontalAdvance(pannello1_->text()) +
                                2 * pannello1_->margin() + 4);
    pannello2_->setToolTip(pannello2_->text());
    int riga = 0;
    for (const QLabel* l : statusBar()->findChildren<QLabel*>())
        if (!l->isHidden()) riga += l->sizeHint().width() + 12;
    if (isMaximized() || isFullScreen() || width() >= riga) return;
    const QScreen* schermo = screen() ? screen() : QGuiApplication::primaryScreen();
    const int massimo = schermo ? schermo->availableGeometry().width() : riga;
    resize(std::min(massimo, riga), height());
}

QString CVltMain::testoPannello1() const { return pannello1_->text(); }
QString CVltMain::testoPannello2() const { return pannello2_->text(); }
QString CVltMain::testoFiltroStorico() const {
    return filtroStorico_->text();
}

void CVltMain::CreaTabellaComandi() {
    for (int c = 0; c < kNumeroCampionati; ++c)
        tabellaComandi_[Campionato(c).comando] = [this, c] { CambiaCampionatoCorrente(c); };
    const auto mostraStato = [this](const TestiStato& t) { ImpostaStato(t); };
    // clang-format off
    tabellaComandi_.insert({
        {comando::SalvaModifiche, [this] {
             if (const auto r = SalvaModifiche(ctx_); r.testiStato) ImpostaStato(*r.testiStato); }},
        {comando::Esci, [this] { close(); }},
        {comando::NuovoCampionato, [this] {
             ApriInserimento<CDlgNuovoCampionatoQt>(ContestoAiutoFinestra(CDlgNuovoCampionato::kRisorsa)); }},
        {comando::NuoviIncontri, [this] {
             ApriInserimento<CDlgNuoviIncontriQt>(ContestoAiutoFinestra(CDlgNuoviIncontri::kRisorsa)); }},
        {comando::AggiornamentoInternet, [this] { AggiornamentoDati(); }},
        {comando::ImpostazioneParametri, [this, mostraStato] {
             ApriFinestra<CDlgImpostazioneParametriQt>(dati_, stato_, messaggi_, orologio_, mostraStato, &aiuto_, &stampa_); }},
        {comando::ClassificaCampionato, [this] { ApriFinestra<CClassificaQt>(dati_, messaggi_); }},
        {comando::ArchivioStorico, [this] { ApriInserimento<CArchivioStoricoQt>(kAiutoArchivioStorico); }},
        {comando::ScontriDiretti, [this] { ApriFinestra<CScontriDirettiQt>(dati_, messaggi_, stampa_, orologio_); }},
        {comando::CalcoloPicchetti, [this] { ApriFinestra<CPronosticiQt>(dati_, messaggi_, stampa_, orologio_); }},
        {comando::Sommario, [this] { aiuto_.Mostra(kAiutoFinestraPrincipale); }},
        {comando::Info, [this] {
             DlgInformazioniQt info(dynamic_cast<AiutoQt*>(&aiuto_), this);
             info.ImpostaColonnaNascosta([this, &info] {
                 SuoniQt suoni(CartellaSuoni());
                 GeneratoreColonna generatore(static_cast<unsigned>(std::time(nullptr)));
                 CDlgColonnaNascostaQt(suoni, generatore, &info).exec();
             });
             info.exec(); }},
        {comando::Consiglio, [this] { consiglio_->Apri(); }},
        {comando::Stampa, [this] { CDlgGestoreStampeQt(dati_, messaggi_, stampa_, orologio_, this).exec(); }},
        // Pools: the new-coupon wizard, then the system window over the coupon.
        {comando::NuovaSchedina, [this] {
             // Every page of the wizard has the wizard's help on F1.
             const auto esegui = [this](QDialog& pagina) {
                 CollegaTastoAiuto(pagina, aiuto_, kAiutoNuovaSchedina);
                 return pagina.exec();
             };
             if (NuovaSchedinaQt(dati_, messaggi_, this, esegui))
                 ApriFinestra<CPropostaSistemaQt>(dati_, messaggi_, &stampa_); }},
        {comando::QualitaStime, [this] {
             EsecutoreLavoriQt esecutore(this);
             FinestraQualitaStimeQt finestra(dati_, esecutore, messaggi_, this);
             finestra.exec();
             MostraModelloInUso(*this, dati_);
         }},
        {comando::ProssimaGiornata, [this] { ApriProssimaGiornata(); }},
        {comando::SistemaIntegrale, [this] { ApriFinestra<CPropostaSistemaQt>(dati_, messaggi_, &stampa_); }},
        {comando::ImmissioneQuote, [this] { ComandoQuote(false); }},
        {comando::ModificaQuote, [this] { ComandoQuote(true); }},
        {comando::CalcoloScommesse, [this] { ApriScommesse(); }},
        {comando::SistemaRidotto, [this] {
             SuoniQt suoni(CartellaSuoni());
             CDlgSistemaRidottoQt(dati_, messaggi_, suoni, this).exec(); }},
        {comando::SpoglioSchedine, [this] { CDlgSpoglioSchedineQt(dati_, cartella_, messaggi_, this).exec(); }},
        {comando::StatisticheTotocalcio, [this] { DlgStatisticheTotocalcioQt::Apri(dati_, cartella_, messaggi_, this); }},
        {comando::ArchiviInternet, [this] { GestioneArchiviInternet(); }},
        {comando::RicercaParametri, [this, mostraStato] {
             ComandoRicercaParametri(dati_, messaggi_, stampa_, orologio_, mostraStato, this); }},
        {comando::ConfrontoAnalisi, [this, mostraStato] {
             ComandoCopiaAnalisi(dati_, messaggi_, stampa_, orologio_, mostraStato, this); }},
        {comando::QuoteInternet, [this] { CaricamentoQuote(); }},
        {comando::CreaStrategia, [this] { CWizardStrategiaQt(dati_, messaggi_, this).exec(); }},
        {comando::VisualizzaStrategie, [this] { ComandoVisualizzaStrategie(dati_, cartella_, messaggi_, this); }},
        {comando::CalcoloRendimenti, [this] { ComandoCalcoloRendimenti(dati_, cartella_, messaggi_, this); }},
        {comando::EsportaEventi, [this] { ComandoEsportaEventi(dati_, cartella_, messaggi_, this); }},
        {comando::RicercaStrategie, [this] { ComandoRicercaStrategie(dati_, cartella_, messaggi_, orologio_, this); }},
    });
    // clang-format on
}

void CVltMain::Esegui(int id) {
    if (!ComandoAbilitato(id, dati_, {.consiglioPresente = consiglio_ != nullptr})) return;
    if (ComandoRifiutato(id, stato_.finestre, messaggi_)) return;
    if (const auto azione = tabellaComandi_.find(id); azione != tabellaComandi_.end())
        azione->second();
    // The command's prompt (menu or toolbar) has done its job.
    statusBar()->clearMessage();
    AggiornaAbilitazioni();
}

template <class W, class... A> W* CVltMain::ApriFinestra(A&&... argomenti) {
    return FinestraNonModaleQt::Apri<W>(stato_.finestre, stato_.datiCambiati, [&]() -> W* {
        auto* w = new W(std::forward<A>(argomenti)..., this);
        CollegaTastoAiuto(*w, aiuto_, ContestoAiutoFinestra(W::kRisorsa));
        connect(w, &FinestraNonModaleQt::abilitazioniCambiate, this, &CVltMain::AggiornaAbilitazioni);
        return w;
    });
}

void CVltMain::ApriScommesse() {
    ApriFinestra<CDlgScommesseQt>(dati_, messaggi_, stampa_, orologio_, cartella_);
    // Its "S&trategie..." opens the real plays beside it and this window,
    // known to the registry (so the strategy commands here are refused while
    // it is open).
    if (auto* w = static_cast<CDlgScommesseQt*>(finestra(Finestra::ScommesseSportive)))
        w->apriGiocateReali = [this] {
            ApriFinestra<CVisualizzaStrategieQt>(CVisualizzaStrategieQt::Modo::GiocateReali, dati_, cartella_,
                                                 messaggi_);
        };
}

template <class D> void CVltMain::ApriInserimento(std::optional<int> contestoAiuto) {
    D dialogo(dati_, messaggi_, this);
    if (contestoAiuto) CollegaTastoAiuto(dialogo, aiuto_, *contestoAiuto);
    dialogo.exec();
    DopoInserimento(dialogo.logica().datiCambiati(), dialogo.logica().testiStato());
}

// The matchday window, with the windows it opens on one of its matches and
// the system window over the coupon it makes.
void CVltMain::ApriProssimaGiornata() {
    AzioniGiornata azioni;
    azioni.pronostico = [this](int casa, int trasferta) {
        if (auto* w = ApriFinestra<CPronosticiQt>(dati_, messaggi_, stampa_, orologio_))
            w->Seleziona(casa, trasferta);
    };
    azioni.scontri = [this](int casa, int trasferta) {
        if (auto* w = ApriFinestra<CScontriDirettiQt>(dati_, messaggi_, stampa_, orologio_))
            w->Seleziona(casa, trasferta);
    };
    azioni.schedinaCreata = [this] {
        ApriFinestra<CPropostaSistemaQt>(dati_, messaggi_, &stampa_);
        AggiornaAbilitazioni();
    };
    ApriFinestra<FinestraGiornataQt>(dati_, messaggi_, stampa_, orologio_, std::move(azioni));
}

// "Immissione Quote" / "Modifica Quote": the odds dialogs in a chain, then
// the bet selection; the betting manager is restored on cancel or failure.
void CVltMain::ComandoQuote(bool modifica) {
    DialoghiQuote d;
    d.selezione = [this](CDlgSelezioneCampionati& l) {
        return CDlgSelezioneCampionatiQt(l, messaggi_, this).exec() == QDialog::Accepted;
    };
    d.immissione = [this](CDlgImmissioneQuote& l) {
        return CDlgImmissioneQuoteQt(l, messaggi_, this).exec() == QDialog::Accepted;
    };
    d.aggiunta = [this](CDlgAggiuntaEvento& l) {
        return CDlgAggiuntaEventoQt(l, messaggi_, this).exec() == QDialog::Accepted;
    };
    d.apriScommesse = [this] {
        ApriScommesse();
        return finestra(Finestra::ScommesseSportive) != nullptr;
    };
    if (modifica)
        ModificaQuote(dati_.scommesse, dati_, messaggi_, d);
    else
        ImmissioneQuote(dati_.scommesse, dati_, messaggi_, d);
}

// "Via Internet": the championships to update are chosen first; on OK of the
// update window the data are changed and the open windows refreshed.
void CVltMain::AggiornamentoDati() {
    SelezioneCampionati scelta(SelezioneCampionati::Modo::Aggiornamento);
    {
        SelezioneCampionatiQt d(scelta, messaggi_, this);
        CollegaTastoAiuto(d, aiuto_, kAiutoAggiornamentoDati);
        if (d.exec() != QDialog::Accepted) return;
    }
    HttpCurl http;
    CDlgAggiornamentoDatiQt dialogo(dati_, scelta.destra(), cartella_,
                                    dati_.indirizzoAggiornamenti, http, messaggi_, this);
    CollegaTastoAiuto(dialogo, aiuto_, kAiutoAggiornamentoDati);
    if (dialogo.exec() != QDialog::Accepted) return;
    // "lastagg.txt" is written by the save that writes these data.
    if (!dialogo.logica().dataCaricata().empty())
        dati_.marcatoreAggiornamento = dialogo.logica().dataCaricata();
    DopoInserimento(true, std::nullopt);
}

// "Gestione Archivi via Internet": refused when the current championship
// cannot be estimated; the window runs modally over a copy of every
// championship's parameters and archive (Annulla puts them back, OK keeps
// them and the shell recomputes what rests on changed current analyses);
// then the status bar is written again. The analyses go to the host of the
// update folder the user chose.
void CVltMain::GestioneArchiviInternet() {
    CCampionato& corrente = dati_.campionato(dati_.campionatoCorrente);
    if (!corrente.motore || corrente.motore->AggiornaStime() != 0) {
        messaggi_.Errore("Impossibile calcolare le stime.\nIl file dei dati potrebbe essere corrotto.");
        return;
    }
    HttpCurl http;
    {
        CGestioneAnalisiInternetQt dialogo(dati_, cartella_,
                                           IndirizzoServizioDa(dati_.indirizzoAggiornamenti), http,
                                           messaggi_, this);
        CollegaTastoAiuto(dialogo, aiuto_, kAiutoGestioneArchiviInternet);
        if (apriConfrontoAnalisi)
            dialogo.apriConfronto = apriConfrontoAnalisi;
        else
            dialogo.apriConfronto = [this, &dialogo](const std::string& titolo, const CAnalisi& a,
                                                     const CAnalisi& b) {
                CDlgConfrontoAnalisiQt confronto(CDlgConfrontoAnalisi(titolo, a, b), messaggi_,
                                                 &stampa_, orologio_, &dialogo);
                CollegaTastoAiuto(confronto, aiuto_,
                                  ContestoAiutoFinestra(CDlgConfrontoAnalisiQt::kRisorsa));
                confronto.exec();
            };
        // The club's key is typed once and kept in the setting "AU".
        const std::string prima = ChiaveValida(dati_.impostazioneAU) ? dati_.impostazioneAU : "";
        dialogo.ImpostaChiave(prima);
        dialogo.exec();
        const std::string chiave = dialogo.logica().chiave;
        if (chiave != prima && (chiave.empty() || ChiaveValida(chiave)))
            dati_.impostazioneAU = chiave.empty() ? kNessunaChiave : chiave;
    }
    ImpostaStato(AggiornaMessaggioStato(dati_.campionato(dati_.campionatoCorrente)));
}

// "Via Internet" of the betting menu (refused by the shell while the bet
// selection is open): the odds of one bookmaker; on OK they replace the
// betting module's events, otherwise it stays as it was.
void CVltMain::CaricamentoQuote() {
    const ScommessaMgr copia = dati_.scommesse;
    HttpCurl http;
    CDlgCaricamentoQuoteQt dialogo(dati_, cartella_, kIndirizzoServizio, http, messaggi_, this);
    if (dialogo.exec() == QDialog::Accepted) {
        if (!dialogo.logica().Ok(dati_.scommesse, messaggi_)) return;
        dati_.datiModificati = 1;
        DopoInserimento(true, std::nullopt);
    } else {
        dati_.scommesse = copia;
    }
}

void CVltMain::CambiaCampionatoCorrente(int id) {
    ImpostaStato(CambiaCampionato(dati_, stato_, id));
}

void CVltMain::DopoInserimento(bool datiCambiati, const std::optional<TestiStato>& testi) {
    if (testi) ImpostaStato(*testi);
    if (!datiCambiati) return;
    stato_.datiCambiati = true;
    AggiornaFinestre(stato_);
}

FinestraNonModaleQt* CVltMain::finestra(Finestra f) const {
    return FinestraNonModaleQt::Di(stato_.finestre.Cerca(f));
}

CPronosticiQt* CVltMain::finestraPronostici() const {
    return static_cast<CPronosticiQt*>(finestra(Finestra::Pronostici));
}

void CVltMain::closeEvent(QCloseEvent* e) {
    if (uscitaConfermata_) {
        e->accept();
        return;
    }
    // Open windows with unconfirmed work ask first (their answer may add
    // changes to save); a Cancel there keeps the program running.
    for (int k = 0; k < kNumeroFinestre; ++k)
        if (FinestraNonModaleQt* w = finestra(static_cast<Finestra>(k));
            w && !w->PermettiUscita()) {
            e->ignore();
            return;
        }
    PosizioneFinestra p;
    const QRect r = normalGeometry();
    p.sinistra = r.left();
    p.alto = r.top();
    p.destra = r.right() + 1;
    p.basso = r.bottom() + 1;
    p.comandoMostra = isMaximized() ? 3 : isMinimized() ? 2 : 1;
    if (Esci(ctx_, p) == EsitoUscita::Esci) {
        uscitaConfermata_ = true;
        stato_.finestre.ChiudiTutte();
        ChiudiAltreFinestre();
        e->accept();
    } else {
        e->ignore();
    }
}

void CVltMain::ChiudiAltreFinestre() {
    // The help window and any other top-level window of the program go with
    // the main window: none may keep the process (and its folder) alive.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible()) w->close();
    // Whatever is left (a window hidden but alive) does not hold the process:
    // the event loop ends with the main window.
    QCoreApplication::quit();
}

void CVltMain::FineSessione(QSessionManager& sessione) {
    const bool puoChiedere = sessione.allowsInteraction();
    if (!TerminaSessione(puoChiedere)) sessione.cancel();
    if (puoChiedere) sessione.release();
}

bool CVltMain::TerminaSessione(bool puoChiedere) {
    // As "Esci": open windows with unconfirmed work ask first, when the
    // session lets the program ask at all.
    if (puoChiedere)
        for (int k = 0; k < kNumeroFinestre; ++k)
            if (FinestraNonModaleQt* w = finestra(static_cast<Finestra>(k));
                w && !w->PermettiUscita())
                return false;
    if (!ConsentiFineSessione(ctx_, puoChiedere)) return false;
    uscitaConfermata_ = true;
    stato_.finestre.ChiudiTutte();
    ChiudiAltreFinestre();
    return true;
}

void CVltMain::ConsiglioAllAvvio() {
    if (MostraConsiglioAllAvvio(dati_)) consiglio_->Apri();
}

void CVltMain::DopoAvvio() {
    // The stored placement belongs to the current format only.
    if (dati_.versioneDati < 'p') return;
    // A folder that never saw an exit has no placement yet: nothing to tell.
    if (!std::filesystem::exists(cartella_ / kFilePosizione)) return;
    const EsitoPosizione e = LeggiPosizioneFinestra(cartella_);
    if (!e.posizione) {
        messaggi_.Errore(e.errore);
        return;
    }
    const PosizioneFinestra& p = *e.posizione;
    const QRect r(p.sinistra, p.alto, p.destra - p.sinistra, p.basso - p.alto);
    if (r.width() > 100 && r.height() > 100) setGeometry(r);
    if (p.comandoMostra == 3) showMaximized();
}

} // namespace veltra
