#pragma once
// The exchange of analyses with the service: the job that sends the chosen
// analyses and fetches the ones the service proposes (each waiting a few
// seconds for the user's "&Ignora"), and the window's rules: the send and
// receive selections, the local test mode, and what becomes of the received
// analyses. The worker never touches the championships: it returns the
// analyses the user kept, and the window's thread evaluates and stores them.
#include "dati/DatiCampionati.h"
#include "net/AnalisiRete.h"
#include "net/RegistroInternet.h"
#include "platform/Http.h"
#include "platform/Lavori.h"

#include <atomic>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace veltra {

class IMessaggi;
class IOrologio;

inline constexpr const char* kStimeAnalisiRicevuta =
    "Impossibile calcolare le stime con l'analisi ricevuta.\nProbabilmente si deve aggiornare la "
    "base dati con i risultati piu' recenti.";
inline constexpr const char* kDomandaSalvaProva =
    "Vuoi che le analisi selezionate nella finestra 'Invio Analisi' vengano ora salvate su file "
    "nella cartella di VELTRA ?\n\n(Funzionalità di test)";
inline constexpr const char* kDomandaCaricaProva =
    "Vuoi che il caricamento delle analisi avvenga da file salvati nella cartella di VELTRA "
    "?\n\n(Funzionalità di test)";

inline constexpr const char* kChiaveNonValida =
    "La chiave del club non e' valida.\nDeve avere da 8 a 200 caratteri tra lettere, cifre e "
    "i segni . _ ~ + / = -";

struct ParametriScambio {
    std::string indirizzoServizio; // "http://host:port"
    bool invia = true;
    std::vector<AnalisiCampionato> daInviare;
    std::string autore;
    std::string chiave; // the club's key for posting ("" when none)
    std::vector<CampionatoId> daRicevere; // in id order
    std::array<int, kNumeroCampionati> stagioni{}; // seasons of each championship, for the checks
    bool provaLocale = false;
    std::filesystem::path cartella; // where the local test files are
    int secondiIgnora = 5;
    long secondiConnessione = 10;
    long secondiStallo = 20;
};

// Shared by the window and the worker: the separate "&Ignora" request and
// whether the worker is waiting for it.
struct StatoScambio {
    std::atomic<bool> fermo{false}; // the window's own stop button
    std::atomic<bool> ignora{false};
    std::atomic<bool> inAttesa{false};
};

struct AnalisiRicevuta {
    AnalisiCampionato proposta;
    std::string titolo;
};

// What became of one championship asked for.
struct EsitoRicezione {
    enum Tipo { Ricevuta, Ignorata, Messaggio, Mancante, NonValida } tipo = Mancante;
    CampionatoId campionato = 0;
    std::string testo; // Ricevuta/Ignorata: the title; Messaggio: the text; NonValida: why
};

struct EsitoScambio {
    std::vector<AnalisiRicevuta> ricevute; // kept by the user, in order
    bool interrotto = false;
    bool concluso = false;
    int inviate = 0;
    std::vector<std::string> risposteInvio; // the service's lines after the POST
    std::vector<EsitoRicezione> esiti;      // one per championship reached, in order
};

// The service's base address ("http://host:port") from the update folder's
// address the user chose: analyses go to the same host. The default
// service's when that address is not an http one.
std::string IndirizzoServizioDa(std::string_view indirizzoAggiornamenti);

// The exchange, run as a job.
EsitoScambio EseguiScambio(IHttp& http, const ParametriScambio& p, StatoScambio& stato,
                           RegistroInternet& log, const ContestoLavoro& lavoro);

// The window "VELTRA - Gestione Archivi Analisi via Internet". It keeps a
// copy of every championship's parameters and archive: Annulla puts them back.
class CGestioneAnalisiInternet {
public:
    CGestioneAnalisiInternet(DatiCampionati& dati, std::filesystem::path cartella,
                             std::string indirizzoServizio, IMessaggi& messaggi);
    ~CGestioneAnalisiInternet();

    static constexpr const char* kTitolo = "VELTRA - Gestione Archivi Analisi via Internet";

    // "Invio Analisi".
    int campionatoArchivio() const { return campionatoArchivio_; }
    void ScegliCampionatoArchivio(CampionatoId c);
    int analisiMostrata() const { return analisiMostrata_; } // -1 with an empty archive
    int analisiInArchivio() const { return dati_.campionato(campionatoArchivio_).archivio.numero(); }
    void Precedente(); // "<<"
    void Successiva(); // ">>"
    bool AggiungiInvio();       // "&Aggiungi  >>": false (message shown) when already there
    bool TogliInvio(int riga);  // "<<  &Togli": riga -1 means none selected
    std::vector<std::string> RigheInvio() const; // "Analisi n. %d del campionato di %s"
    // The analysis shown in "ARCHIVIO ANALISI" (null with an empty archive),
    // and its lines there; "P&unteggi, Forze, Limiti..." shows the second text.
    const CAnalisi* AnalisiMostrata() const;
    std::vector<std::string> TestoAnalisiMostrata() const;
    std::string TestoPunteggiMostrata() const;
    std::string autore;
    // The club's key, when its service asks one to post (kept by the caller
    // in the setting "AU"); "" when none.
    std::string chiave;
    // "" when the key may be used; otherwise what is wrong with it.
    std::string VerificaChiave() const;

    // "Ricezione Analisi".
    std::vector<CampionatoId> Esclusi() const;
    std::vector<CampionatoId> Inclusi() const;
    bool AggiungiRicezione(int c); // -1: none selected
    bool TogliRicezione(int c);
    bool comeCorrenti = true;
    bool inArchivio = true;

    // "Connessione al Server".
    enum class Stato { Fermo, InCorso, Attesa };
    Stato stato() const;
    bool inCorso() const { return inCorso_; }
    std::string TestoPulsante() const; // "&Connessione", "&Interrompi", "&Ignora"
    bool okAbilitato() const { return okAbilitato_ && !inCorso_; }
    bool annullaAbilitato() const { return !inCorso_; }
    RegistroInternet& log() { return log_; }

    // "&Connessione": starts the exchange; `fine` is called on the caller's
    // thread when it ended (after the received analyses were applied).
    void Connessione(IEsecutoreLavori& esecutore, IHttp& http, std::function<void()> fine = {});
    // The button while the exchange runs: "&Ignora" during a wait, else a stop.
    void Pulsante();

    // The hidden click of the connection page: the two questions.
    void ProvaLocale();
    bool provaLocale() const { return provaLocale_; }
    // What the two answers do: the local test files of the analyses to send
    // (the names written; empty with a message shown when one failed), and
    // the local test mode for the next exchange.
    std::vector<std::string> ScriviFileProva();
    void ImpostaProvaLocale(bool s) { provaLocale_ = s; }

    // Applies what the exchange kept (done by Connessione's end; public for
    // the terminal).
    void Applica(const std::vector<AnalisiRicevuta>& ricevute);

    // What the last exchange did (after its end).
    const EsitoScambio& ultimoEsito() const { return ultimoEsito_; }
    // The received analyses the exchanges kept, as evaluated on their
    // championships (precisions and data usage filled in).
    const std::vector<AnalisiRicevuta>& valutate() const { return valutate_; }
    // A championship's current analysis as it was when the window opened,
    // to compare a received analysis with.
    const CAnalisi& AnalisiOriginale(CampionatoId c) const;

    // The window ends: OK keeps the changes (marks the data changed and tells
    // the layers above which current analyses changed), Annulla restores the
    // snapshot. Ok returns whether any current analysis changed.
    bool Ok();
    void Annulla();
    bool correntiCambiate() const { return correntiCambiate_; }
    bool archivioCambiato() const { return archivioCambiato_; }
    const std::set<CampionatoId>& campionatiCambiati() const { return cambiati_; }

    ParametriScambio Parametri() const;
    int secondiIgnora = 5;

private:
    struct Copia;
    DatiCampionati& dati_;
    std::filesystem::path cartella_;
    std::string indirizzo_;
    IMessaggi& messaggi_;
    std::unique_ptr<Copia> copia_;
    int campionatoArchivio_ = 0;
    int analisiMostrata_ = -1;
    std::vector<std::pair<CampionatoId, int>> invio_; // (championship, archive index)
    std::set<CampionatoId> ricezione_;
    RegistroInternet log_;
    std::shared_ptr<StatoScambio> statoScambio_ = std::make_shared<StatoScambio>();
    std::atomic<bool> inCorso_{false};
    bool okAbilitato_ = true;
    bool provaLocale_ = false;
    bool inserita_ = false; // a received analysis went into an archive: no more sending
    bool correntiCambiate_ = false;
    bool archivioCambiato_ = false;
    std::set<CampionatoId> cambiati_;
    EsitoScambio ultimoEsito_;
    std::vector<AnalisiRicevuta> valutate_;
};

} // namespace veltra
