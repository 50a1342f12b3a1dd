#pragma once
// The search window on screen (modal, two pages): "Ricerca dall'Analisi
// Corrente" and "Ricerca negli Archivi". The searches run as jobs on worker
// threads; the window stays usable and reads their progress on a timer.
#include "engine/MessaggioStato.h"
#include "tools/ricerche/CRicercheMiglioriAnalisi.h"

#include <QDialog>

#include <functional>
#include <memory>

class QPushButton;
class QTabWidget;
class QTimer;

namespace veltra {

struct DatiGlobali;
class EsecutoreLavoriQt;
class IMessaggi;
class IOrologio;
class IServizioStampa;
class CRicercaAnalisiCorrenteQt;
class CRicercaArchiviQt;

class CRicercheMiglioriAnalisiQt : public QDialog {
    Q_OBJECT
public:
    CRicercheMiglioriAnalisiQt(DatiGlobali& dati, IMessaggi& messaggi, IServizioStampa& stampa,
                               const IOrologio& orologio,
                               std::function<void(const TestiStato&)> mostraStato,
                               QWidget* parent = nullptr);
    ~CRicercheMiglioriAnalisiQt() override;

    CRicercheMiglioriAnalisi& logica() { return logica_; }
    CRicercaAnalisiCorrenteQt& paginaCorrente() { return *pagina1_; }
    CRicercaArchiviQt& paginaArchivi() { return *pagina2_; }
    EsecutoreLavoriQt& esecutore() { return *esecutore_; }

    void accept() override;
    void reject() override;

private:
    void Mostra();
    void CambiaPagina(int indice);

    CRicercheMiglioriAnalisi logica_;
    std::unique_ptr<EsecutoreLavoriQt> esecutore_;
    CRicercaAnalisiCorrenteQt* pagina1_;
    CRicercaArchiviQt* pagina2_;
    QTabWidget* pagine_;
    QPushButton* ok_;
    QPushButton* annulla_;
    QTimer* sonda_;
    int paginaAttiva_ = 0;
};

// The main window's "Ricerca Parametri": the window run modally, then OK or
// Cancel applied and the status bar written.
void ComandoRicercaParametri(DatiGlobali& dati, IMessaggi& messaggi, IServizioStampa& stampa,
                             const IOrologio& orologio,
                             const std::function<void(const TestiStato&)>& mostraStato,
                             QWidget* parent);

} // namespace veltra
