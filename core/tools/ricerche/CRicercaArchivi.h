#pragma once
// The second page of the search window: the archives of a chosen group of
// championships improved analysis by analysis (as a job), then browsed
// against the versions they had when the page became active, with the
// earlier version taken back on request ("&Ignora").
#include "dati/CAnalisi.h"
#include "dati/CArchivio.h"
#include "dati/Campionati.h"
#include "tools/ricerche/CRicercheMiglioriAnalisi.h"
#include "tools/ricerche/RicercaArchivi.h"

#include <array>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace veltra {

struct DatiCampionati;
class IEsecutoreLavori;
class IMessaggi;
class IOrologio;

class CRicercaArchivi {
public:
    CRicercaArchivi(DatiCampionati& dati, StatoRicerche& stato, IEsecutoreLavori& esecutore,
                    IMessaggi& messaggi, const IOrologio& orologio, int thread);
    ~CRicercaArchivi();

    // --- the group ("ARCHIVI ESCLUSI" / "ARCHIVI INCLUSI")
    bool incluso(CampionatoId c) const { return inclusi_[static_cast<std::size_t>(c)]; }
    // -1: nothing selected (the message asks to select one).
    void Aggiungi(int c);
    void Togli(int c);
    int ampiezzaPesi() const { return ampiezzaPesi_; }
    void ImpostaAmpiezzaPesi(int a);

    // --- the search
    bool inCorso() const { return inCorso_; }
    std::string TestoCerca() const { return inCorso_ ? "&Interrompi" : "C&erca..."; }
    bool cercaAbilitato() const { return !fermando_; }
    // Starts the search over the included archives, or asks to interrupt it.
    void Cerca(std::function<void()> fine = {});
    void Sonda();
    long progresso() const { return progresso_; }
    long progressoTotale() const { return progressoTotale_; }
    // "Archivio :", "Analisi :", "Tipo di Ricerca :", "Analisi migliorate :"
    const std::string& testoArchivio() const { return testoArchivio_; }
    const std::string& testoAnalisi() const { return testoAnalisi_; }
    const std::string& testoTipo() const { return testoTipo_; }
    const std::string& log() const { return log_; }
    bool PuoLasciare() const { return !inCorso_; }
    bool cercato() const { return cercato_; }

    // --- the archive display ("CAMPIONATO :")
    int visualizzato() const { return visualizzato_; }
    void Visualizza(int c);
    const CArchivio& archivio() const;
    const CAnalisi* mostrata() const;
    // The version of the shown analysis when the page became active; null
    // when there was none at that position.
    const CAnalisi* precedente() const;
    std::string TestoNumeroAnalisi() const;
    void PrecedenteArchivio();
    void SuccessivaArchivio();
    bool precedenteArchivioAbilitato() const;
    bool successivaArchivioAbilitato() const;
    bool archivioAbilitato() const { return mostrata() != nullptr && !inCorso_; }
    // "&Modifiche" and "&Ignora": the shown analysis differs from its earlier version.
    bool modificata() const;
    // "( Valori originali:" the earlier percentages.
    std::string TestoValoriOriginali() const;
    // "&Ignora", after the question: the earlier version back at its position.
    void Ignora();
    // "&Elimina", after the question.
    void Elimina();

    // --- page events
    // Opening and activation: the earlier versions taken again.
    void Attiva();
    // OK of the window: every championship's parameters back from the copy.
    void Ok();

    static const char* Suggerimento(const char* controllo);

private:
    struct Condiviso {
        std::mutex mutex;
        long fatto = 0, totale = 0;
        StatoRicercaArchivi stato;
        bool nuovoStato = false;
    };
    DatiCampionati& dati_;
    StatoRicerche& stato_;
    IEsecutoreLavori& esecutore_;
    IMessaggi& messaggi_;
    const IOrologio& orologio_;
    int thread_ = 1;
    std::array<bool, kNumeroCampionati> inclusi_ = {};
    int ampiezzaPesi_ = 10;
    std::array<CAnalisi, kNumeroCampionati> parametri_;
    std::array<CArchivio, kNumeroCampionati> precedenti_;
    int visualizzato_ = 0;
    bool inCorso_ = false, fermando_ = false, cercato_ = false;
    long progresso_ = 0, progressoTotale_ = 30;
    std::string testoArchivio_, testoAnalisi_, testoTipo_, log_;
    std::shared_ptr<Condiviso> condiviso_ = std::make_shared<Condiviso>();
    std::shared_ptr<bool> vivo_ = std::make_shared<bool>(true);
};

inline constexpr const char* kDomandaIgnora =
    "Vuoi scartare le modifiche e conservare l'analisi originale ?";

} // namespace veltra
