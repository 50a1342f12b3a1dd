#pragma once
// The first page of the search window: the search on the importance
// percentages or on the advanced parameters from the championship's current
// analysis, run as a job while the page stays usable; its interruption and
// saving into the championship's CDumpRicerca, the reload and resume, the
// browsing of the found analyses and their insertion into the archive.
//
// The job works on a copy of the championship; its progress and best
// precision reach the page through a shared state the view reads
// (Sonda) on its own thread; its end comes back through the job runner.
#include "dati/CAnalisi.h"
#include "dati/CDumpRicerca.h"
#include "engine/MessaggioStato.h"
#include "tools/ricerche/CRicercheMiglioriAnalisi.h"
#include "tools/ricerche/RicercaAvanzata.h"
#include "tools/ricerche/RicercaPercentuali.h"

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace veltra {

struct DatiCampionati;
class IEsecutoreLavori;
class IMessaggi;
class IOrologio;

class CRicercaAnalisiCorrente {
public:
    // `thread`: how many threads the "Utilizzo Processore al 100%" box gives
    // the search (every core); unchecked, the search takes one.
    CRicercaAnalisiCorrente(DatiCampionati& dati, StatoRicerche& stato, IEsecutoreLavori& esecutore,
                            IMessaggi& messaggi, const IOrologio& orologio, int thread);
    ~CRicercaAnalisiCorrente();

    std::function<void(const TestiStato&)> mostraStato;

    int campionato() const { return campionato_; }
    const CAnalisi& partenza() const { return partenza_; }

    // --- settings ("MOTORE DI RICERCA")
    bool percentuali() const { return percentuali_; }
    int passo() const { return passo_; }
    int ampiezza() const { return ampiezza_; }
    int utilizzoMinimo() const { return utilizzo_; }
    bool processoreIntero() const { return processoreIntero_; }
    void ImpostaPercentuali(bool percentuali);
    // Also sets the width to 10 x the step.
    void ImpostaPasso(int passo);
    void ImpostaAmpiezza(int ampiezza);
    void ImpostaUtilizzoMinimo(int utilizzo);
    void ImpostaProcessoreIntero(bool intero);
    bool impostazioniAbilitate() const { return !inCorso_; }

    // --- the search
    bool inCorso() const { return inCorso_; }
    // "C&erca..." / "&Interrompi"
    std::string TestoCerca() const { return inCorso_ ? "&Interrompi" : "C&erca..."; }
    bool cercaAbilitato() const { return !fermando_; }
    // Starts a search, or, while one runs, asks whether to interrupt and
    // save it. `fine` (may be empty) hears the end on the caller's thread.
    void Cerca(std::function<void()> fine = {});
    // Reads what the job published (progress, best precision so far).
    void Sonda();
    long progresso() const { return progresso_; }
    long progressoTotale() const { return progressoTotale_; }
    const std::string& contatore() const { return contatore_; }
    const std::string& testoPrecisione() const { return testoPrecisione_; }
    bool okAbilitato() const { return cercato_ && !inCorso_; }
    bool annullaAbilitato() const { return !inCorso_; }
    // The page can be left only while no search runs.
    bool PuoLasciare() const { return !inCorso_; }

    // --- reload and resume
    bool ricaricaAbilitato() const { return ricaricaAbilitata_ && !inCorso_; }
    bool ripresa() const { return ripresa_; }
    // "&Ricarica Ultima Ricerca"
    void Ricarica();

    // --- the found analyses
    const TrovatePercentuali& trovatePercentuali() const { return trovateP_; }
    const TrovateAvanzate& trovateAvanzate() const { return trovateA_; }
    int indiceTrovata() const { return indice_; }
    bool precedenteTrovataAbilitato() const;
    bool successivaTrovataAbilitato() const;
    void PrecedenteTrovata();
    void SuccessivaTrovata();
    bool inserisciAbilitato() const;
    // What the displayed found analysis is beside its precision: its
    // percentages (percentages kind) or its limits (advanced kind); empty
    // when none is displayed.
    std::string testoTrovata() const;
    // The displayed found analysis (the starting one with the slot's values).
    std::optional<CAnalisi> Trovata() const;
    // "&Inserisci"
    void Inserisci();

    // --- the archive of the championship
    const CArchivio& archivio() const;
    const CAnalisi* mostrata() const;
    std::string TestoNumeroAnalisi() const;
    bool archivioAbilitato() const { return mostrata() != nullptr && !inCorso_; }
    bool precedenteArchivioAbilitato() const;
    bool successivaArchivioAbilitato() const;
    void PrecedenteArchivio();
    void SuccessivaArchivio();
    // "&Recupera"
    void Recupera();
    // "&Elimina", after the question.
    void Elimina();
    // Dialog 208 closed with OK.
    void ImpostaNote(const std::string& titolo, const std::string& descrizione);
    // "&Confronta": the found analysis (the current parameters for the
    // percentages kind without a displayed found analysis) and the archived one.
    bool confrontaAbilitato() const;
    CAnalisi AnalisiDaConfrontare() const;

    // --- page events
    // Activation: the page's championship current again.
    void Attiva();
    // Leaving the page or closing the window: the starting analysis back in
    // the championship, evaluated.
    void RimettiPartenza();
    // OK: a search that ran is saved into the championship's dump; the
    // starting analysis goes back.
    void Ok();

    static const char* Suggerimento(const char* controllo);

private:
    struct Condiviso {
        std::mutex mutex;
        long fatto = 0, totale = 0;
        std::string contatore;
        std::optional<float> migliore;
    };
    CCampionato& camp();
    const CCampionato& camp() const;
    void CambioImpostazioni();
    void AvviaPercentuali(std::function<void()> fine);
    void AvviaAvanzata(std::function<void()> fine);
    // True when the search ended with nothing better (the caller says so).
    bool FineRicerca(bool interrotta, bool completata);
    void SalvaDump();
    void MostraTrovata();
    // Applies `a` and fits it; its results filled on success.
    bool Valuta(CAnalisi& a);
    void AggiornaStato();
    int thread() const { return processoreIntero_ ? threadIntero_ : 1; }

    DatiCampionati& dati_;
    StatoRicerche& stato_;
    IEsecutoreLavori& esecutore_;
    IMessaggi& messaggi_;
    const IOrologio& orologio_;
    int threadIntero_ = 1;
    int campionato_ = 0;
    CAnalisi partenza_;

    bool percentuali_ = false;
    int passo_ = 1, ampiezza_ = 10, utilizzo_ = 70;
    bool processoreIntero_ = false;

    CDumpRicerca dump_;
    bool ripresa_ = false;
    bool ricaricaAbilitata_ = true;
    bool inCorso_ = false, fermando_ = false, cercato_ = false;
    // The last search that ran: its kind, starting analysis and settings.
    bool tipoCercato_ = false;
    CAnalisi partenzaCercata_;
    int passoCercato_ = 1, ampiezzaCercata_ = 10, utilizzoCercato_ = 70;
    // Limits the user accepted for the advanced search to start from.
    std::optional<std::array<std::int16_t, 4>> limitiPartenza_;
    EsitoRicercaPercentuali esitoP_; // of the last percentages search
    TrovatePercentuali trovateP_ = ListaPercentualiIniziale(-1.0f);
    TrovateAvanzate trovateA_ = ListaAvanzataIniziale();
    bool trovateMostrate_ = false;
    int indice_ = 0;
    long progresso_ = 0, progressoTotale_ = 100;
    std::string contatore_, testoPrecisione_;
    std::shared_ptr<Condiviso> condiviso_ = std::make_shared<Condiviso>();
    std::shared_ptr<bool> vivo_ = std::make_shared<bool>(true);
};

} // namespace veltra
