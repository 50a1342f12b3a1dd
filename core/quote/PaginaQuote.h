#pragma once
// Reading a bookmaker's page: the markup is stripped as the body arrives,
// the text is cut into lower-case tokens, and a small state machine walks
// them: a date, a time, the home team, the away team (or straight to the
// odds when the opponent's spelling is not in the table), then the odds.
// Numbers are read here, with the decimal comma or point the page uses; the
// process's locale plays no part.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

// Removes "<...>" (each tag, even one split between blocks, becomes one
// blank) and drops bytes of 128 and above outside tags.
class PulitoreTag {
public:
    void Aggiungi(std::string_view blocco);
    const std::string& testo() const { return testo_; }

private:
    std::string testo_;
    bool inTag_ = false;
};

// Blank-separated lower-case tokens of a stripped text; "-" becomes " + ",
// "&nbsp;" a blank, tabs and line ends blanks.
std::vector<std::string> Gettoni(std::string_view testo);

// How the dates of a page look, and where its events begin.
enum class FormaData {
    PuntiAnno,      // "gg.mm.aaaa"
    BarreAnno,      // "gg/mm/aaaa"
    PuntiAnnoBreve, // "gg.mm.aa"
    BarreSenzaAnno, // "gg/mm", the year from today's date
};

struct FormatoPagina {
    FormaData data = FormaData::PuntiAnno;
    int quote = 6;          // odds per event: 3 or 6
    bool virgola = false;   // odds written with a decimal comma
    bool blocchi = false;   // events open with "data:", "minima:" gives the minimum combination
};

// A date token as "gg.mm.aaaa" / "gg/mm/aaaa" (the form of the page, the year
// completed); nullopt when the token is no date of that form. `anno`, `mese`:
// today, for pages that give no year (the nearest year to today).
std::optional<std::string> LeggiData(FormaData forma, std::string_view gettone, int anno, int mese);
// "hh:mm" (trailing ")" or "h" allowed).
std::optional<std::string> LeggiOra(std::string_view gettone);
// An odds: a number greater than 1 with a decimal separator ('.', or ','
// when `virgola`); nullopt otherwise.
std::optional<double> LeggiQuota(std::string_view gettone, bool virgola);

struct EventoLetto {
    int casa = -1;
    int trasferta = -1; // -1: the opponent was not recognised
    std::array<double, 6> quote = {};
    std::string data;   // date and time joined by "-"
};

struct LetturaPagina {
    std::vector<EventoLetto> eventi;
    std::vector<int> coppie; // home, away of every event with both teams known
    int date = 0;            // date tokens met: none means the layout was not recognised
};

// The events of one championship on a page. `nomi`: the championship's names
// as NomeDiConfronto makes them; each name is matched once per page.
LetturaPagina LeggiEventiPagina(const FormatoPagina& formato, const std::vector<std::string>& gettoni,
                                std::vector<std::string> nomi, int anno, int mese);

} // namespace veltra
