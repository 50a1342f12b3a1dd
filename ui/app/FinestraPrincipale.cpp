#include "FinestraPrincipale.h"

#include "app/DatiGlobali.h"
#include "dati/PosizioneFinestra.h"
#include "app/shell/BarreStrumenti.h"
#include "app/shell/CambiaCampionato.h"
#include "app/shell/Comandi.h"
#include "app/shell/RifiutiComandi.h"
#include "app/shell/MenuPrincipale.h"
#include "app/shell/SalvaModifiche.h"
#include "app/shell/Uscita.h"
#include "platform/Immagini.h"
#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"
#include "aiuto/DlgInformazioni.h"
#include "app/inserimento/CDlgNuoviIncontriQt.h"
#include "app/inserimento/CDlgNuovoCampionatoQt.h"
#include "platform/AiutoQt.h"
#include "engine/FinestraImpostazioneParametri.h"
#include "tools/DlgArchivioStorico.h"
#include "tools/FinestraClassifica.h"
#include "tools/FinestraPronostici.h"
#include "tools/FinestraScontriDiretti.h"
#include "tools/FinestraQualitaStime.h"
#include "platform/EsecutoreLavoriQt.h"

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
#include <QToolBar>

namespace veltra {

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

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

// A modeless Qt window as the shell's registry sees it.
class CVltMain::Adattatore : public IFinestraNonModale {
public:
    Adattatore(QDialog* finestra, std::function<bool(QDialog*)> aggiorna)
        : finestra_(finestra), aggiorna_(std::move(aggiorna)) {}
    bool Aggiorna() override { return finestra_ && aggiorna_(finestra_); }
    void Chiudi() override {
        if (finestra_) {
            finestra_->hide();
            finestra_->deleteLater();
            finestra_ = nullptr;
        }
    }
    void PortaInPrimoPiano() override {
        if (!finestra_) return;
        finestra_->show();
        finestra_->raise();
        finestra_->activateWindow();
    }
    QDialog* finestra() const { return finestra_; }

private:
    QPointer<QDialog> finestra_;
    std::function<bool(QDialog*)> aggiorna_;
};

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
           }},
      adattatori_() {
    seguiCambiamenti_ = SeguiCambiamenti(dati_, stato_);
    setObjectName("101");
    setWindowTitle("VELTRA 2005 - MARVEN 9 - TALBOR 6");
    setWindowIcon(IconaProgramma());
    setCentralWidget(new Sfondo);

    pannello1_ = new QLabel;
    pannello1_->setObjectName("40078");
    pannello2_ = new QLabel;
    pannello2_->setObjectName("pannelloArchivio");
    statusBar()->addWidget(pannello1_, 3);
    statusBar()->addWidget(pannello2_, 1);

    CreaMenuEBarre();
    CollegaTastoAiuto(*this, aiuto_, kAiutoFinestraPrincipale);
    ImpostaStato(statoIniziale);
    AggiornaAbilitazioni();
    if (const QScreen* schermo = QGuiApplication::primaryScreen())
        resize(schermo->availableGeometry().size() * 3 / 4);
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
        a->setEnabled(ComandoAbilitato(id, dati_));
        if (a->isCheckable()) a->setChecked(ComandoSpuntato(id, dati_));
    }
}

void CVltMain::ImpostaStato(const TestiStato& t) {
    pannello1_->setText(QString::fromStdString(t.pannello1));
    pannello2_->setText(QString::fromStdString(t.pannello2));
    MostraModelloInUso(*this, dati_);
}

QString CVltMain::testoPannello1() const { return pannello1_->text(); }
QString CVltMain::testoPannello2() const { return pannello2_->text(); }

void CVltMain::Esegui(int id) {
    if (!ComandoAbilitato(id, dati_)) return;
    if (ComandoRifiutato(id, stato_.finestre, messaggi_)) return;
    if (const auto c = CampionatoDelComando(id)) {
        CambiaCampionatoCorrente(*c);
    } else if (id == comando::SalvaModifiche) {
        const auto r = SalvaModifiche(ctx_);
        if (r.testiStato) ImpostaStato(*r.testiStato);
    } else if (id == comando::Esci) {
        close();
    } else if (id == comando::CalcoloPicchetti) {
        ApriFinestra(
            Finestra::Pronostici, 116,
            [this] { return new FinestraPronostici(dati_, messaggi_, stampa_, orologio_, this); },
            [this](QDialog* d) {
                return static_cast<FinestraPronostici*>(d)->Aggiorna(stato_.datiCambiati);
            });
    } else if (id == comando::ClassificaCampionato) {
        ApriFinestra(
            Finestra::Classifica, 215,
            [this] { return new FinestraClassifica(dati_, messaggi_, this); },
            [this](QDialog* d) {
                return static_cast<FinestraClassifica*>(d)->Aggiorna(stato_.datiCambiati);
            });
    } else if (id == comando::ScontriDiretti) {
        ApriFinestra(
            Finestra::ScontriDiretti, 183,
            [this] {
                return new FinestraScontriDiretti(dati_, messaggi_, stampa_, orologio_, this);
            },
            [this](QDialog* d) {
                return static_cast<FinestraScontriDiretti*>(d)->Aggiorna(stato_.datiCambiati);
            });
    } else if (id == comando::ArchivioStorico) {
        DlgArchivioStorico dialogo(dati_, messaggi_, this);
        CollegaTastoAiuto(dialogo, aiuto_, kAiutoFinestraPrincipale);
        dialogo.exec();
        DopoInserimento(dialogo.logica().datiCambiati(), dialogo.logica().testiStato());
    } else if (id == comando::ImpostazioneParametri) {
        ApriFinestra(
            Finestra::AnalisiCorrente, 146,
            [this] {
                return new FinestraImpostazioneParametri(
                    dati_, stato_, messaggi_, orologio_,
                    [this](const TestiStato& t) { ImpostaStato(t); }, &aiuto_, this);
            },
            [this](QDialog* d) {
                return static_cast<FinestraImpostazioneParametri*>(d)->Aggiorna(
                    stato_.datiCambiati);
            });
    } else if (id == comando::QualitaStime) {
        EsecutoreLavoriQt esecutore(this);
        FinestraQualitaStime finestra(dati_, esecutore, messaggi_, this);
        finestra.exec();
        MostraModelloInUso(*this, dati_);
    } else if (id == comando::Sommario) {
        aiuto_.Mostra(kAiutoFinestraPrincipale);
    } else if (id == comando::Info) {
        DlgInformazioni informazioni(dynamic_cast<AiutoQt*>(&aiuto_), this);
        informazioni.exec();
    } else if (id == comando::NuovoCampionato) {
        CDlgNuovoCampionatoQt dialogo(dati_, messaggi_, this);
        dialogo.exec();
        DopoInserimento(dialogo.logica().datiCambiati(), dialogo.logica().testiStato());
    } else if (id == comando::NuoviIncontri) {
        CDlgNuoviIncontriQt dialogo(dati_, messaggi_, this);
        dialogo.exec();
        DopoInserimento(dialogo.logica().datiCambiati(), dialogo.logica().testiStato());
    }
    AggiornaAbilitazioni();
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

void CVltMain::ApriFinestra(Finestra f, int risorsa, const std::function<QDialog*()>& crea,
                            std::function<bool(QDialog*)> aggiorna) {
    stato_.finestre.Apri(f, [&]() -> IFinestraNonModale* {
        QDialog* d = crea();
        d->setWindowFlag(Qt::Window);
        CollegaTastoAiuto(*d, aiuto_, ContestoAiutoFinestra(risorsa));
        connect(d, &QDialog::finished, this, [this, f, d] {
            // Closed by the user: forget it, unless the shell already did.
            if (finestra(f) == d) {
                stato_.finestre.Rimuovi(f);
                adattatori_.erase(f);
            }
            d->deleteLater();
        });
        auto& a = adattatori_[f];
        a = std::make_unique<Adattatore>(d, std::move(aggiorna));
        return a.get();
    });
}

QDialog* CVltMain::finestra(Finestra f) const {
    const auto it = adattatori_.find(f);
    return it == adattatori_.end() || !stato_.finestre.Aperta(f) ? nullptr : it->second->finestra();
}

FinestraPronostici* CVltMain::finestraPronostici() const {
    return static_cast<FinestraPronostici*>(finestra(Finestra::Pronostici));
}

void CVltMain::closeEvent(QCloseEvent* e) {
    if (uscitaConfermata_) {
        e->accept();
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
        e->accept();
    } else {
        e->ignore();
    }
}

void CVltMain::FineSessione(QSessionManager& sessione) {
    const bool puoChiedere = sessione.allowsInteraction();
    if (!ConsentiFineSessione(ctx_, puoChiedere))
        sessione.cancel();
    else
        uscitaConfermata_ = true;
    if (puoChiedere) sessione.release();
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
