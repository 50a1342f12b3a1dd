#pragma once
// The window "VELTRA - Aggiornamento Dati via Internet": its log, the
// address field, its buttons and what they do. "&Aggiorna" runs the download
// as a job (the button then reads "&Interrompi"); "&OK", enabled only after
// a complete download, loads it.
#include "net/AggiornamentoDati.h"

#include <atomic>
#include <ctime>
#include <functional>
#include <memory>

namespace veltra {

class IMessaggi;

inline constexpr const char* kErroreSalvaNews = "Errore nell'apertura del file per salvare le news.";

class CDlgAggiornamentoDati {
public:
    static constexpr const char* kTitolo = "VELTRA - Aggiornamento Dati via Internet";

    // `indirizzo`: the stored update folder, written back by Ok.
    CDlgAggiornamentoDati(DatiCampionati& dati, std::vector<CampionatoId> campionati,
                          std::filesystem::path cartella, std::string& indirizzo,
                          IMessaggi& messaggi);

    std::string campoIndirizzo; // the edit field
    int secondiAttesa = 10;
    long secondiStallo = 20;

    RegistroInternet& log() { return log_; }
    std::string TestoAggiorna() const { return inCorso_ ? "&Interrompi" : "&Aggiorna"; }
    bool aggiornaAbilitato() const { return !inCorso_ || !fermo_->load(); }
    bool okAbilitato() const { return !inCorso_ && completo_; }
    bool cancellaAbilitato() const { return !inCorso_; }
    bool salvaNewsAbilitato() const { return !inCorso_ && newsRicevute_; }
    bool inCorso() const { return inCorso_; }

    // "&Aggiorna" / "&Interrompi". `fine` is called on the caller's thread
    // when the download ended.
    void Aggiorna(IEsecutoreLavori& esecutore, IHttp& http, std::function<void()> fine = {});
    void Interrompi();

    // "&Salva News": the default name and the save.
    static std::string NomeNews(const std::tm& ora);
    bool SalvaNews(const std::filesystem::path& file);

    // "&OK": false (with the program's warning shown) when the downloaded
    // files could not be loaded; nothing changed then.
    bool Ok();
    // The date of the update "&OK" loaded: the caller hands it to the save,
    // which writes "lastagg.txt" with the data.
    const std::string& dataCaricata() const { return dataCaricata_; }

private:
    DatiCampionati& dati_;
    std::vector<CampionatoId> campionati_;
    std::filesystem::path cartella_;
    std::string& indirizzo_;
    IMessaggi& messaggi_;
    RegistroInternet log_;
    std::shared_ptr<std::atomic<bool>> fermo_ = std::make_shared<std::atomic<bool>>(false);
    bool inCorso_ = false;
    bool completo_ = false;
    bool newsRicevute_ = false;
    std::string news_;
    std::string dataCaricata_;
};

} // namespace veltra
