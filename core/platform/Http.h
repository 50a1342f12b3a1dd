#pragma once
// HTTP as the core asks it of the platform: one session per internet
// operation, requests sent as written (no automatic redirect, nothing kept in
// a cache), and the reply's status, raw headers and body. libcurl implements
// it (net/HttpCurl); the tests also use a scripted fake.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace veltra {

enum class EsitoHttp {
    Ok,           // a reply arrived, whatever its status
    Indirizzo,    // the address cannot be used
    Connessione,  // no connection (refused, unknown host, connect time-out)
    TempoScaduto, // the server stopped sending for longer than the stall time-out
    Interrotto,   // the stop request ended the transfer
    TroppoGrande, // the reply is larger than the request allows
    Errore,       // any other failure of the internet layer
};

struct RichiestaHttp {
    std::string metodo = "GET"; // "GET" or "POST"
    std::string indirizzo;      // an absolute http:// address
    std::string intestazioni;   // header block, each line ending in CR LF
    std::string corpo;          // the body of a POST, sent in one piece
    bool ricaricaDallOrigine = false; // ask every cache on the way to step aside
    std::size_t maxCorpo = std::size_t{4} << 20;
};

struct RispostaHttp {
    EsitoHttp esito = EsitoHttp::Errore;
    int stato = 0;            // the HTTP status, when a reply arrived
    std::string intestazioni; // the raw reply headers, status line first
    std::string corpo;
    std::string errore;       // the internet layer's own words, for the log
    bool ok() const { return esito == EsitoHttp::Ok; }
};

struct OpzioniSessione {
    std::string agente = "VELTRA"; // replaced by a User-Agent of the header block
    bool senzaCache = false;
    // A stalled server must not hold an operation forever.
    long secondiConnessione = 10;
    long secondiStallo = 20; // less than one byte per second for this long ends it
    // Looked at while a transfer runs, several times a second: true ends it.
    std::function<bool()> fermo;
};

class ISessioneHttp {
public:
    virtual ~ISessioneHttp() = default;
    virtual RispostaHttp Esegui(const RichiestaHttp& richiesta) = 0;
};

class IHttp {
public:
    virtual ~IHttp() = default;
    // Null when no session can be opened.
    virtual std::unique_ptr<ISessioneHttp> ApriSessione(const OpzioniSessione& opzioni) = 0;
};

} // namespace veltra
