#pragma once
// The page readers of the five bookmakers: each fetches its team-name table
// from the service, then its pages (keeping a copy of each under
// "HTML-QUOTE/<bookmaker>/"), reads their events and writes the events file
// in the working folder. What a page or table did not allow to read goes to
// the log; the download goes on with the rest or ends with an error record.
#include "net/RegistroInternet.h"
#include "platform/Http.h"
#include "quote/PaginaQuote.h"
#include "quote/TabellaNomiBookmaker.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace veltra {

inline constexpr const char* kCartellaPagineQuote = "HTML-QUOTE";
inline constexpr const char* kServizioNonAttivo = "Spiacenti, il servizio attualmente non e' attivo";

// What the user typed in the login window; kept in memory for one download.
struct AccessoBookmaker {
    std::string login, password;
};

struct ParametriLettura {
    Bookmaker bookmaker = Bookmaker::Betandwin;
    std::string inclusione = std::string(kNumeroCampionati, '1'); // '1' = included
    std::string indirizzoServizio;                                  // "http://host:port"
    std::filesystem::path cartella;                                 // the working folder
    int anno = 2026, mese = 1;                                      // today, for pages without a year
    long secondiConnessione = 10, secondiStallo = 20;
    // GLOBET: asked before the pages; nullopt = the user did not accept.
    std::function<std::optional<AccessoBookmaker>()> chiediAccesso;
    // Looked at before each championship and during every transfer.
    std::function<bool()> fermo;
};

// The page format of each bookmaker.
FormatoPagina FormatoBookmaker(Bookmaker b);

// The folder of a bookmaker's page copies.
std::filesystem::path CartellaPagine(const std::filesystem::path& cartella, Bookmaker b);
// "HTML-QUOTE" and one subfolder per bookmaker; false when one cannot be made.
bool CreaCartellePagine(const std::filesystem::path& cartella);

enum class EsitoLettura { Finita, Interrotta };

// Reads the bookmaker's pages and writes the events file
// (cartella / FileEventiBookmaker). Interrotta when the stop was seen.
EsitoLettura LeggiPagineBookmaker(IHttp& http, const ParametriLettura& p, RegistroInternet& log);

} // namespace veltra
