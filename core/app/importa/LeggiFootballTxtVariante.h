#pragma once
// Reader of the Football.TXT variant of the openfootball repositories: one
// season per file, a "= Italian Serie A 2025/26" heading, "# Date" with the
// span of the season, round headings after a bullet ("▪ Matchday 12",
// "» 3. Round", "▪ Championship, Matchday 2", "▪ Regular Season - 7",
// "▪ ECL Playoff, Final"), date lines without brackets ("Sat Aug 23 2025",
// "Sun Aug/24"; the year only on the first of them) and one indented line per
// match, the kick-off time ("18:30") optional:
//     18:30  Genoa CFC   v US Lecce   2-1 (1-0)
//            Juventus FC v Parma Calcio 1913
// (no score: not played yet), or without the "v":
//     17:00  LASK Linz  0-2 (0-2)  Sturm Graz
// A status may follow ("[awarded]", "[postponed]", "[cancelled]",
// "[abandoned]"); goal scorers in parentheses on the lines below are skipped.
// The words before ", " or " - " in a round heading name its stage; "Regular
// Season" and no name are the first stage.
#include "app/importa/PartitaSorgente.h"

#include <string_view>

namespace veltra {

LetturaSorgente LeggiFootballTxtVariante(std::string_view testo, const std::string& nomeFile);

// Whether a Football.TXT text is this variant: a round heading with a bullet,
// or a date line without brackets.
bool SembraFootballTxtVariante(std::string_view testo);

} // namespace veltra
