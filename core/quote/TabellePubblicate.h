#pragma once
// The team-name tables the service publishes, made from a working folder's
// current teams (one spelling per team, the team's own name with its dots
// read as blanks), pointing at a page site laid out as below. A user can
// then edit the spellings to those a bookmaker's pages really show.
//
//   BETANDWIN  SITO/W/<code>.htm              GLOBET  SITO/G/<code>.htm,
//   BETZONE    SITO/B/tutte.htm                       login SITO/G/accesso
//   EUROBET    SITO/E/<code>-1-X-2.htm and SITO/E/<code>-1X-12-X2.htm
//   SNAI       POST SITO/quote/servlet/quote.Shopping? (competition 100 + id)
#include "quote/TabellaNomiBookmaker.h"

#include <string>
#include <vector>

namespace veltra {

struct DatiCampionati;

inline constexpr int kBaseManifestazioni = 100;
inline constexpr const char* kModuloAccesso1 = "utente=";
inline constexpr const char* kModuloAccesso2 = "&parola=";

// A team's name as the published table spells it.
std::string NomePubblicato(const std::string& nomeSquadra);

// The table of one bookmaker for the site at `sito` ("http://host:port").
TabellaNomiBookmaker TabellaDaDati(const DatiCampionati& dati, Bookmaker b, const std::string& sito);

struct FileTabella {
    std::string nome;  // under the service's "Squadre" folder
    std::string testo;
};
// Every bookmaker's table file (EUROBET: one per championship).
std::vector<FileTabella> TabelleDaDati(const DatiCampionati& dati, const std::string& sito);

} // namespace veltra
