#pragma once
// Reader of the bookmakers' odds in football-data.co.uk files, in the two
// layouts they come in, told apart by the header:
//  - main leagues ("Div,Date,Time,HomeTeam,AwayTeam,FTHG,FTAG,FTR,...", told
//    by the HomeTeam column):
//    pre-match odds of several bookmakers (B365H/B365D/B365A, PSH..., ...),
//    their maximum and average (MaxH..., AvgH...) and the same at closing
//    time with a "C" after the prefix (B365CH..., PSCH..., MaxCH..., AvgCH...);
//    older files name the teams HT/AT and average as BbAv, BbMx;
//  - extra leagues ("Country,League,Season,Date,Time,Home,Away,HG,AG,Res,...",
//    told by Home and Away):
//    Pinnacle (PH/PD/PA), maximum and average.
// Every match keeps its date, teams and each named odds set (the prefix of
// its three columns). A cell that is empty or not a number greater than 1
// leaves that set out of the match and is reported with its line; a line
// without a date or teams is reported and skipped. Text is read as UTF-8 or
// Windows-1252.
#include "dati/Reti.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

struct Quote1X2 {
    double q1 = 0, qX = 0, q2 = 0;
};

// Probabilities of 1, X and 2, as fractions.
struct Probabilita1X2 {
    double p1 = 0, pX = 0, p2 = 0;
};

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
    std::map<std::string, std::array<double, 3>, std::less<>> quote;

    DataNumerica data() const { return anno * 10000 + mese * 100 + giorno; }
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

// A user's choice of odds set: "media" (average pre-match, Avg or BbAv of
// older files; also the empty choice), "massima" (Max, BbMx), "pinnacle"
// (PS, P), "chiusura" or "media-chiusura" (AvgC), "pinnacle-chiusura" (PSC),
// "massima-chiusura" (MaxC), or a prefix as the file has it ("B365", "WH"...).
// The prefix it names in a file; nullopt when the file has no such set.
std::optional<std::string> InsiemeQuote(const QuoteFootballData& q, std::string_view scelta);
// The odds of one match for such a choice; nullopt when it lacks that set.
std::optional<Quote1X2> ScegliQuote(const PartitaQuote& p, std::string_view scelta);
// The names above besides column prefixes.
bool InsiemeQuoteNoto(std::string_view scelta);

// Implied probabilities with the bookmaker's margin removed proportionally:
// p_i = (1/q_i) / sum_j (1/q_j).
Probabilita1X2 ProbabilitaSenzaMargine(const Quote1X2& q);

} // namespace veltra
