#pragma once
// Reader of the engsoccerdata CSV layout: every season of a country in one
// file, "Date,Season,home,visitor,FT,hgoal,vgoal,tier,..." (other columns in
// any order, some files have more). "Date" is "1995-08-04", "Season" the
// year the season began, "hgoal"/"vgoal" the goals ("NA" when not played),
// "tier" the level of the division (1 = top). Only the top tier of the file
// is read: the rows of lower divisions are skipped and counted once in the
// report. An optional "round" column ("league", "phase2", ...) names the
// stage of a match; without it the file says nothing about stages, and
// guests from other divisions are recognised as in the football-data CSV.
#include "app/importa/PartitaSorgente.h"

#include <string_view>

namespace veltra {

LetturaSorgente LeggiCsvEngsoccerdata(std::string_view testo, const std::string& nomeFile);

// Whether the first line is this layout's header.
bool SembraCsvEngsoccerdata(std::string_view testo);

} // namespace veltra
