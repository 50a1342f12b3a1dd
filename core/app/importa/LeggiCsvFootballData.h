#pragma once
// Reader of the comma-separated layouts of football-data.co.uk results, told
// apart by their header:
//  - one season per file: "Date,Team 1,FT,HT,Team 2" ("Sat Aug 14 1993", "2-1");
//  - extra leagues: "Country,League,Season,Date,Time,Home,Away,HG,AG,Res,..."
//    with every season of a league in one file, grouped by "Season";
//  - main leagues: "Div,Date,Time,HomeTeam,AwayTeam,FTHG,FTAG,FTR,..." with
//    seasons one after another and no season column: a new season starts at
//    the first match played in July to October more than 30 days after the
//    match before it (a summer break, never a winter one).
// Other columns (odds, statistics) are ignored. None of these layouts says
// which stage a match belongs to.
#include "app/importa/PartitaSorgente.h"

#include <string_view>

namespace veltra {

LetturaSorgente LeggiCsvFootballData(std::string_view testo, const std::string& nomeFile);

// Whether the first line is one of the three headers above.
bool SembraCsvFootballData(std::string_view testo);

} // namespace veltra
