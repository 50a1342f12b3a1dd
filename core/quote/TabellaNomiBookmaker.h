#pragma once
// The bookmakers the odds are downloaded from, and the team-name table the
// service publishes for each: per championship the bookmaker's spelling of
// every current team (the i-th name stands for team i of the championship's
// current list), then the addresses of the bookmaker's pages.
#include "dati/Campionati.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

enum class Bookmaker { Betandwin = 0, Betzone = 1, Eurobet = 2, Globet = 3, Snai = 4 };
// The bookmakers whose pages the odds download reads (the week archive has
// its own list, with a choice for any other bookmaker).
inline constexpr int kBookmakerInternet = 5;
inline constexpr std::array<const char*, kBookmakerInternet> kNomiBookmakerInternet = {
    "BETANDWIN", "BETZONE", "EUROBET", "GLOBET", "SNAI"};
inline constexpr int kMaxNomiTabella = 56;
// A championship the bookmaker has no page for.
inline constexpr const char* kSenzaPagina = "---";

inline const char* NomeBookmaker(Bookmaker b) { return kNomiBookmakerInternet[static_cast<int>(b)]; }
// Odds per event on the bookmaker's pages (1, X, 2 and maybe 1X, 12, X2).
int QuotePerEvento(Bookmaker b);
// The letter of the bookmaker's events file ("EventiW.txt"...).
std::string FileEventiBookmaker(Bookmaker b);
// Service path of the table; for EUROBET the table of one championship.
std::string PercorsoTabella(Bookmaker b, CampionatoId campionato = 0);

struct TabellaNomiBookmaker {
    // Lower-cased, "_" read as a blank.
    std::array<std::vector<std::string>, kNumeroCampionati> nomi;
    // BETANDWIN, GLOBET: base + suffix per championship ("---" = no page).
    // EUROBET: base per championship in `suffissi`, `base` unused.
    // BETZONE: `base` is the page of all events.
    std::string base;
    std::array<std::string, kNumeroCampionati> suffissi;
    // GLOBET: the login form.
    std::string indirizzoAccesso, modulo1, modulo2;
    // SNAI: the servlet's host, the schedule number, per championship the
    // number of events asked and the competition number (-1 = none), the bet
    // code.
    int palinsesto = 0;
    std::array<int, kNumeroCampionati> avvenimenti = {};
    std::array<int, kNumeroCampionati> manifestazioni = {};
    std::string codiceScommessa;

    // Whether the championship's page is fetched.
    bool ConPagina(CampionatoId c) const;
    // Every excluded championship ('0' in the 19-character inclusion text)
    // loses its names and its page.
    void Escludi(std::string_view inclusione);
};

// Reads the table as served (lines). For EUROBET `testo` holds one
// championship's table and fills only `campionato`. nullopt with the reason
// (which line, what was expected) when the text breaks the layout.
std::optional<std::string> LeggiTabellaNomi(Bookmaker b, std::string_view testo,
                                            TabellaNomiBookmaker& t, CampionatoId campionato = 0);

// A team name as the matching sees it: "_" and control characters become a
// blank, "-" a " + " as
// on the pages, ASCII letters lower-case, bytes of 128 and above dropped (the
// pages lose them too), runs of blanks one blank.
std::string NomeDiConfronto(std::string_view nome);

// The text of a table (lines ending in "\n"): the names of each championship
// with blanks written as "_", then the page data of `t`. For EUROBET the table
// of `campionato`.
std::string ScriviTabellaNomi(Bookmaker b, const TabellaNomiBookmaker& t,
                              CampionatoId campionato = 0);

} // namespace veltra
