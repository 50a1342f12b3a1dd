#pragma once
// Reader of the bookmakers' odds in football-data.co.uk files, in the two
// layouts they come in, told apart by the header:
//  - main leagues ("Div,Date,Time,HomeTeam,AwayTeam,FTHG,FTAG,FTR,..."):
//    pre-match odds of several bookmakers (B365H/B365D/B365A, PSH..., ...),
//    their maximum and average (MaxH..., AvgH...) and the same at closing
//    time with a "C" after the prefix (B365CH..., PSCH..., MaxCH..., AvgCH...);
//  - extra leagues ("Country,League,Season,Date,Time,Home,Away,HG,AG,Res,..."):
//    Pinnacle (PH/PD/PA), maximum and average.
// Every match keeps its date, teams and each named odds set (the prefix of
// its three columns). A cell that is empty or not a number greater than 1
// leaves that set out of the match and is reported with its line; a line
// without a date or teams is reported and skipped. Text is read as UTF-8 or
// Windows-1252.
#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

enum class FormatoQuoteFootballData { Campionati, AltriCampionati };

struct PartitaQuote {
    int riga = 0; // 1-based line of the file
    int giorno = 0, mese = 0, anno = 0;
    std::string casa, trasferta;
    char risultato = '?'; // '1', 'X', '2' when the file has it
    // Year the match's season began: the "Season" column of the extra
    // leagues; in the main leagues' files, whose seasons follow one another
    // without a season column, a season starts at the first match played in
    // July to October more than 30 days after the match before it.
    int annoStagione = 0;
    // Home, draw, away odds of each complete set, by prefix ("B365", "PS",
    // "Max", "Avg", "PSC", "AvgC", "P"...).
    std::map<std::string, std::array<float, 3>> quote;
};

struct AvvisoRiga {
    int riga = 0;
    std::string testo;
};

struct QuoteFootballData {
    FormatoQuoteFootballData formato = FormatoQuoteFootballData::Campionati;
    std::vector<std::string> insiemi; // prefixes with all three columns, in header order
    std::vector<PartitaQuote> partite;
    std::vector<AvvisoRiga> scartate;   // lines skipped whole
    std::vector<AvvisoRiga> incomplete; // a set left out of a match
    int righeDati = 0;                  // lines after the header, blank ones excluded
};

// nullopt, with the reason, when the header is neither layout.
std::optional<QuoteFootballData> LeggiQuoteFootballData(std::string_view testo,
                                                        std::string* errore = nullptr);

// The prefix a user's choice names in a file: "media" (average pre-match,
// the default), "massima", "pinnacle", "chiusura" (average at closing time),
// or a prefix as the file has it ("B365", "PSC"...). nullopt when the file
// has no such set.
std::optional<std::string> InsiemeQuote(const QuoteFootballData& q, std::string_view scelta);

} // namespace veltra
