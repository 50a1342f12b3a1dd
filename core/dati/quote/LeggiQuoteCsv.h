#pragma once
// The odds files of football-data.co.uk (CSV, one match a row): the
// per-league layout (Div,Date,Time,HomeTeam,AwayTeam,FTHG,... with pre-match
// and closing 1X2 odds of several bookmakers, their maximum and average) and
// the extra-league layout (Country,League,Season,Date,Time,Home,Away,HG,AG,
// Res,PH,PD,PA,MaxH,...,AvgA). Every triple of columns XH, XD, XA is one set
// of 1X2 odds named X ("B365", "PS", "Avg", "AvgC", "P", "Max", "BbAv" ...).
#include "dati/Reti.h"

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

struct RigaQuote {
    int riga = 0;              // line in the file, from 1 (the heading)
    DataNumerica data = 0;
    std::string stagione;      // "2019/2020", "2012"; "" when the layout has none
    std::string casa, trasferta; // as the file spells them (UTF-8)
    int golCasa = -1, golTrasferta = -1; // -1 when the cell is empty
    // Every set of odds of the row whose three cells are numbers above 1.
    std::map<std::string, Quote1X2, std::less<>> insiemi;
};

struct RigaQuoteScartata {
    int riga = 0;
    std::string motivo;
};

struct LetturaQuote {
    std::string file;
    std::vector<RigaQuote> righe;
    std::vector<RigaQuoteScartata> scartate; // rows without a date or a team
    std::string errore; // not an odds file: "file: ..."
    bool ok() const { return errore.empty(); }
};

// Reads the text of an odds file (UTF-8 or Windows-1252 names are kept as
// bytes; the layouts use ASCII names).
LetturaQuote LeggiQuoteCsv(std::string_view testo, const std::string& nomeFile);

// The odds of a row for a named choice: "media" (Avg, or BbAv of older
// files), "pinnacle" (PS, or P), "massima" (Max, BbMx), "media-chiusura"
// (AvgC), "pinnacle-chiusura" (PSC), or a column prefix as the file names it
// ("B365", "WH", ...).
std::optional<Quote1X2> ScegliQuote(const RigaQuote& riga, std::string_view insieme);
// The names ScegliQuote knows besides column prefixes.
bool InsiemeQuoteNoto(std::string_view insieme);

// Implied probabilities with the bookmaker's margin removed proportionally:
// p_i = (1/q_i) / sum_j (1/q_j).
Probabilita1X2 ProbabilitaSenzaMargine(const Quote1X2& q);

} // namespace veltra
