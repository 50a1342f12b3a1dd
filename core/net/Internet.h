#pragma once
// The helpers every internet operation goes through: addresses, the header
// blocks, the plain-text GET of the service's files, the page GET and form
// POST with the program's own single redirect, the data POST of the
// analyses, and the reading of a reply by lines or blocks.
#include "platform/Http.h"

#include <optional>
#include <string>
#include <string_view>

namespace veltra {

inline constexpr const char* kIntestazioniPagina = "Accept: text/*\r\nUser-Agent: Quote\r\n";
inline constexpr const char* kIntestazioniModulo =
    "Accept: text/*\r\nUser-Agent: Quote\r\nContent-Type:application/x-www-form-urlencoded\r\n";
inline constexpr const char* kIntestazioniAnalisi = "Accept: text/*\r\nUser-Agent: WebAnalisi\r\n";

// The service's own address when the user has not chosen another one.
inline constexpr const char* kIndirizzoServizio = "http://127.0.0.1:7040";
// The update folder on it.
inline constexpr const char* kIndirizzoAggiornamentiPredefinito =
    "http://127.0.0.1:7040/aggiornamenti/";

// A parsed address. Only http is used; `http` tells the others apart.
struct Url {
    bool http = false;
    std::string host;
    int porta = 80;
    std::string percorso = "/"; // object path with its query text
    std::string Testo() const;  // "http://host:port/path"
};
// nullopt when the text is not an address at all ("scheme://host...").
std::optional<Url> LeggiUrl(std::string_view testo);

// The base of an address ("http://host:port") joined with an absolute path.
std::optional<std::string> IndirizzoPercorso(std::string_view base, std::string_view percorso);

// A GET of a text file of the service; `ricarica`: from the origin, never from
// a cache. nullopt (with the reason in `perche`) when the file cannot be
// opened: no reply, or a status other than 200.
std::optional<std::string> ScaricaTesto(ISessioneHttp& sessione, const std::string& indirizzo,
                                        bool ricarica, std::string* perche = nullptr,
                                        std::size_t maxCorpo = std::size_t{4} << 20);

// Result of a page GET or form POST: the status (200 with the body), 401 as
// it came, the negative of the status of a redirected request that did not
// answer 200, -6 / -7 for a redirect to an unreadable / non-http address,
// 0 when the request could not be made.
struct Pagina {
    int stato = 0;
    std::string corpo;
    std::string errore; // the internet layer's words when stato is 0
};
Pagina ScaricaPagina(ISessioneHttp& sessione, const std::string& indirizzo,
                     const std::string& intestazioni);
Pagina InviaModulo(ISessioneHttp& sessione, const std::string& indirizzo,
                   const std::string& intestazioni, const std::string& corpo);

// The POST of a text body of known length, read back line by line. The reply
// as it came (a failed request has esito other than Ok).
RispostaHttp InviaDati(ISessioneHttp& sessione, const std::string& indirizzo,
                       const std::string& intestazioni, const std::string& corpo);

// Reads a reply by lines (without their line ends) or by blocks.
class LettoreRisposta {
public:
    explicit LettoreRisposta(std::string_view testo) : t_(testo) {}
    // false at the end of the reply.
    bool LeggiRiga(std::string& riga);
    // Up to n bytes; an empty view at the end.
    std::string_view LeggiBlocco(std::size_t n);

private:
    std::string_view t_;
    std::size_t p_ = 0;
};

// What the log shows for a failed request: the internet layer's words.
std::string DescriviErrore(const RispostaHttp& r);

// Percent-encoding of a form value (application/x-www-form-urlencoded).
std::string CodificaModulo(std::string_view testo);
// The reverse; nullopt on a broken escape.
std::optional<std::string> DecodificaModulo(std::string_view testo);

} // namespace veltra
