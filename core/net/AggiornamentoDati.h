#pragma once
// The data update via internet: the download (a job) fetches the dated
// marker, each chosen championship's results file and the news from the
// update folder of the service; the load replaces the chosen championships'
// match lists with the downloaded ones.
//
// Nothing is written until everything is good: every downloaded file is
// checked whole against the championship's seasons, as the loader checks the
// stored files, and only when all chosen files passed are the local copies
// ("loc" files, the scores files and the marker among them) written, in one
// transaction; "lastagg.txt" itself moves only with the saved data. The
// load checks the copies again and swaps every list in one step; a refused
// update changes nothing and says which file and entry were wrong.
#include "dati/DatiCampionati.h"
#include "dati/FileDati.h"
#include "net/RegistroInternet.h"
#include "platform/Http.h"
#include "platform/Lavori.h"

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace veltra {

class IMessaggi;

inline constexpr const char* kErroreCaricamentoAggiornamento =
    "ATTENZIONE!\nUn errore rende impossibile terminare l'aggiornamento ed impedisce di "
    "proseguire.\nAlmeno uno dei file d'aggiornamento non e' stato ricevuto in maniera "
    "corretta.\nUscire da VELTRA SENZA salvare i dati, e riavviare il programma!";

struct ParametriAggiornamento {
    std::string indirizzo; // the update folder, ending in "/"
    std::vector<CampionatoId> campionati; // in id order
    // The seasons of each chosen championship, parallel to `campionati`: the
    // downloaded files are checked against them.
    std::vector<std::vector<ElencoSquadre>> stagioni;
    std::filesystem::path cartella; // the working folder
    int secondiAttesa = 10;         // the wait after the marker, to let the user stop
    bool pulsanteInterrompi = true; // the log may tell of the window's "Interrompi"
    long secondiConnessione = 10;
    long secondiStallo = 20;
    // The window's own stop button, besides the job's stop request.
    std::shared_ptr<std::atomic<bool>> fermo;
};

// The parameters for the chosen championships of `dati`, copied by value.
ParametriAggiornamento PreparaAggiornamento(const DatiCampionati& dati,
                                            std::vector<CampionatoId> campionati,
                                            std::string indirizzo,
                                            std::filesystem::path cartella);

struct EsitoScaricamento {
    bool completo = false;   // every chosen file received, checked and copied
    bool interrotto = false; // stopped by the user
    std::string data;        // the marker's date text
    std::vector<std::string> news;
    bool newsRicevute = false;
    std::string errore;      // what went wrong, one line (empty when complete)
    // Championships whose goals and dates the service did not send: their
    // results are updated, their goals are not.
    std::vector<CampionatoId> senzaReti;
};

// The download, run as a job: the log gets the lines of each step.
EsitoScaricamento ScaricaAggiornamento(IHttp& http, const ParametriAggiornamento& p,
                                       RegistroInternet& log, const ContestoLavoro& lavoro);

// The load: reads and checks every local copy, then replaces the chosen
// championships' match lists in one step (with the goals and dates of the
// service's scores files; without them, only the entries the old and the new
// list share in the same place keep theirs), tells the layers above that the
// data changed (they clear the coupon and the betting events, with their
// messages), re-evaluates each championship's archive, sets datiModificati
// and removes the copies. On failure the program's warning is shown, nothing
// changed, and the result's detail says which file and entry were wrong.
// `dataAggiornamento` receives the downloaded marker's date: the caller's
// save writes it to "lastagg.txt" with the data (DatiGlobali's
// marcatoreAggiornamento), never before.
EsitoFile CaricaAggiornamento(DatiCampionati& dati, const std::filesystem::path& cartella,
                              const std::vector<CampionatoId>& campionati, IMessaggi& messaggi,
                              std::string* dataAggiornamento = nullptr);

// The first line of the local "lastagg.txt", empty when there is none.
std::string UltimoAggiornamento(const std::filesystem::path& cartella);

} // namespace veltra
