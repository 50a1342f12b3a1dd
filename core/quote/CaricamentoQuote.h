#pragma once
// "Caricamento Quote via Internet": the download of one bookmaker's odds
// into a betting manager of its own. The worker (a job) runs the bookmaker's
// page reader, then the loader: it reads the events file, has the user
// complete the events whose opponent was not recognised (through callbacks
// the window layer answers on its own thread), estimates every match on
// copies of the championships made before the job, and fills the download's
// manager. Only the window's OK hands the events to the betting module.
#include "betting/ScommessaMgr.h"
#include "quote/LettoriPagine.h"

#include <array>
#include <atomic>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

class CCampionato;
struct DatiCampionati;
class IEsecutoreLavori;
class IMessaggi;
class ContestoLavoro;

inline constexpr const char* kOperazioneInterrotta = "OPERAZIONE INTERROTTA.";
inline constexpr const char* kMessaggioInterruzione =
    "\r\r\n\r\r\nAttendere prego.\r\r\nProcedura di interruzione in corso...\r\r\n\r\r\n";
inline constexpr const char* kSelezionareSinistra = "Selezionare un campionato dalla lista di sinistra.";
inline constexpr const char* kSelezionareDestra = "Selezionare un campionato dalla lista di destra.";
inline constexpr const char* kNessunEventoScaricato =
    "Non e' stato scaricato alcun evento: gli eventi gia' inseriti restano invariati.";

// "DISCLAIMER..." with the bookmaker's name.
std::string TestoDisclaimer(Bookmaker b);

// The answer of the completion dialog for one event.
struct SceltaCompletamento {
    enum class Tipo { Ok, Ignora, IgnoraTutti };
    Tipo tipo = Tipo::Ignora;
    int casa = -1, trasferta = -1; // team indices of the completed event
    std::array<float, 6> quote = {};
};

struct ParametriCaricamento {
    ParametriLettura lettura;
    // Copies (no engine) of the included championships, made before the
    // job; the estimates are computed on them.
    std::array<std::shared_ptr<CCampionato>, kNumeroCampionati> campionati;
    // Copies of the lower division of each championship included that has
    // one (for the rating model's promoted clubs); none otherwise.
    std::array<std::shared_ptr<CCampionato>, kNumeroCampionati> inferiori;
    // The disclaimer, answered OK (true) or Cancel.
    std::function<bool(const std::string& testo)> conferma;
    // The completion of an event: championship, the recognised team, the
    // odds read.
    std::function<SceltaCompletamento(int campionato, int riconosciuta, const std::array<float, 6>&)>
        completa;
};

struct EsitoCaricamento {
    bool interrotto = false;
    ScommessaMgr scommesse;
    int trovati = 0; // events kept from the file
};

// The whole worker: page reader, then loader. The log gets every step.
EsitoCaricamento ScaricaQuote(IHttp& http, const ParametriCaricamento& p, RegistroInternet& log);

// Only the loader, over an events file already written.
EsitoCaricamento CaricaFileEventi(const std::filesystem::path& file, Bookmaker b,
                                  const ParametriCaricamento& p, RegistroInternet& log);

// The window's logic: bookmaker, the two lists, the log, the state of the
// download and the download's own manager.
class CDlgCaricamentoQuote {
public:
    static constexpr const char* kTitolo = "TALBOR - Caricamento Quote via Internet";

    CDlgCaricamentoQuote(DatiCampionati& dati, std::filesystem::path cartella, std::string indirizzoServizio);

    Bookmaker bookmaker = Bookmaker::Betandwin;
    long secondiStallo = 20;
    std::function<bool(const std::string&)> conferma;
    std::function<SceltaCompletamento(int, int, const std::array<float, 6>&)> completa;
    std::function<std::optional<AccessoBookmaker>()> chiediAccesso;
    // Today, for pages without a year; defaults to the clock.
    std::function<std::tm()> oggi;

    const std::vector<int>& esclusi() const { return esclusi_; }
    const std::vector<int>& inclusi() const { return inclusi_; }
    bool Aggiungi(int campionato, IMessaggi& messaggi); // -1: nothing selected
    bool Togli(int campionato, IMessaggi& messaggi);
    std::string Inclusione() const;

    RegistroInternet& log() { return log_; }
    const std::filesystem::path& cartella() const { return cartella_; }
    const ScommessaMgr& scommesse() const { return scommesse_; }
    bool inCorso() const { return inCorso_; }
    bool inInterruzione() const { return inCorso_ && fermo_->load(); }
    std::string TestoCarica() const { return inCorso_ ? "&Interrompi" : "&Carica"; }
    bool controlliAbilitati() const { return !inCorso_; } // lists, combo, move buttons, OK
    bool caricaAbilitato() const { return !inInterruzione(); }
    // The last download was stopped, refused or failed.
    bool interrotto() const { return interrotto_; }

    // "&Carica" / "&Interrompi". `fine` runs on the caller's thread at the
    // end of the download.
    void Carica(IEsecutoreLavori& esecutore, IHttp& http, std::function<void()> fine = {});
    void Interrompi();

    // After the download: the default name of the save dialog and the save.
    std::string NomeFileQuote(const std::tm& ora) const;
    bool SalvaQuote(const std::filesystem::path& file, IMessaggi& messaggi);

    // A test aid: a click in the window's top-left 9 x 9 pixels, with events
    // downloaded, offers to save them in the working folder as
    // "<bookmaker>_<date>.QUO". False when there is nothing to save or the
    // user said no.
    bool SalvataggioNascosto(const std::tm& ora, IMessaggi& messaggi);

    // "&OK": the download's events replace those of the betting module, and
    // true. A download that found nothing (no site reachable, every page
    // refused) leaves the events in place, says so when there were some, and
    // gives false.
    bool Ok(ScommessaMgr& principale, IMessaggi& messaggi) const;

private:
    DatiCampionati& dati_;
    std::filesystem::path cartella_;
    std::string indirizzo_;
    std::vector<int> esclusi_, inclusi_;
    RegistroInternet log_;
    ScommessaMgr scommesse_;
    std::shared_ptr<std::atomic<bool>> fermo_ = std::make_shared<std::atomic<bool>>(false);
    bool inCorso_ = false;
    bool interrotto_ = false;
};

} // namespace veltra
