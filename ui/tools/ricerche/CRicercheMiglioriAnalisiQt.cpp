#include "tools/ricerche/CRicercheMiglioriAnalisiQt.h"

#include "app/DatiGlobali.h"
#include "platform/EsecutoreLavoriQt.h"
#include "platform/UiComune.h"
#include "tools/ricerche/CRicercaAnalisiCorrenteQt.h"
#include "tools/ricerche/CRicercaArchiviQt.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace veltra {

CRicercheMiglioriAnalisiQt::CRicercheMiglioriAnalisiQt(
    DatiGlobali& dati, IMessaggi& messaggi, IServizioStampa& stampa, const IOrologio& orologio,
    std::function<void(const TestiStato&)> mostraStato, QWidget* parent)
    : QDialog(parent), logica_(dati),
      esecutore_(std::make_unique<EsecutoreLavoriQt>(this, EsecutoreLavoriQt::Progresso::Nessuna)) {
    setObjectName("RicercheMiglioriAnalisi");
    setWindowTitle(kRicercheTitolo);
    pagina1_ = new CRicercaAnalisiCorrenteQt(dati, logica_.stato(), *esecutore_, messaggi, stampa, orologio);
    pagina1_->logica().mostraStato = std::move(mostraStato);
    pagina2_ = new CRicercaArchiviQt(dati, logica_.stato(), *esecutore_, messaggi, stampa, orologio);
    pagine_ = Nomina(new QTabWidget, "pagine");
    pagine_->addTab(pagina1_, "Ricerca dall'Analisi Corrente");
    pagine_->addTab(pagina2_, "Ricerca negli Archivi");
    ok_ = Pulsante("OK", "IDOK");
    annulla_ = Pulsante("Cancella", "IDCANCEL");
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(pagine_);
    tutto->addLayout(RigaPulsanti({}, {ok_, annulla_}));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla_, &QPushButton::clicked, this, &QDialog::reject);
    connect(pagina1_, &CRicercaAnalisiCorrenteQt::cambiato, this, [this] { Mostra(); });
    connect(pagina2_, &CRicercaArchiviQt::cambiato, this, [this] { Mostra(); });
    connect(pagine_, &QTabWidget::currentChanged, this, [this](int i) { CambiaPagina(i); });
    // The running search's progress, read a few times a second.
    sonda_ = new QTimer(this);
    sonda_->setInterval(250);
    connect(sonda_, &QTimer::timeout, this, [this] {
        if (pagina1_->logica().inCorso()) pagina1_->Mostra();
        if (pagina2_->logica().inCorso()) pagina2_->Mostra();
    });
    sonda_->start();
    Mostra();
}

CRicercheMiglioriAnalisiQt::~CRicercheMiglioriAnalisiQt() {
    // A search still running stops before its runner waits for it; the
    // pages go before the state they share.
    *logica_.stato().fermo = true;
    esecutore_.reset();
    disconnect(pagine_, nullptr, this, nullptr);
    sonda_->stop();
    delete pagina1_;
    delete pagina2_;
}

void CRicercheMiglioriAnalisiQt::Mostra() {
    const bool inCorso = logica_.stato().inCorso;
    // One search at a time: the other page cannot be reached meanwhile.
    pagine_->tabBar()->setEnabled(!inCorso);
    ok_->setEnabled(!inCorso && (pagina1_->logica().okAbilitato() || pagina2_->logica().cercato()));
    annulla_->setEnabled(!inCorso);
}

void CRicercheMiglioriAnalisiQt::CambiaPagina(int indice) {
    if (indice == paginaAttiva_) return;
    if (paginaAttiva_ == 0) pagina1_->logica().RimettiPartenza();
    paginaAttiva_ = indice;
    if (indice == 0) {
        pagina1_->logica().Attiva();
        pagina1_->Mostra();
    } else {
        pagina2_->logica().Attiva();
        pagina2_->Mostra();
    }
}

void CRicercheMiglioriAnalisiQt::accept() {
    if (logica_.stato().inCorso || !ok_->isEnabled()) return;
    pagina1_->logica().Ok();
    pagina2_->logica().Ok();
    logica_.Ok();
    QDialog::accept();
}

void CRicercheMiglioriAnalisiQt::reject() {
    // Escape and the title bar's close cannot end the window during a search.
    if (logica_.stato().inCorso) return;
    pagina1_->logica().RimettiPartenza();
    logica_.Annulla();
    QDialog::reject();
}

void ComandoRicercaParametri(DatiGlobali& dati, IMessaggi& messaggi, IServizioStampa& stampa,
                             const IOrologio& orologio,
                             const std::function<void(const TestiStato&)>& mostraStato,
                             QWidget* parent) {
    if (!CRicercheMiglioriAnalisi::PuoAprire(dati, messaggi)) return;
    CRicercheMiglioriAnalisiQt finestra(dati, messaggi, stampa, orologio, mostraStato, parent);
    finestra.exec();
    if (mostraStato) mostraStato(finestra.logica().Chiudi());
}

} // namespace veltra
