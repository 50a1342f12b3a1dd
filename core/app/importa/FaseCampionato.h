#pragma once
// Which matches of a source season belong to the league phase.
//
// With stages (Football.TXT): the first stage of the season is the regular
// season and stays in, except its knock-out rounds. Every later stage is
// split into groups of teams that met each other; a group stays in when it is
// a round robin (three or more teams, every pair met, no extra time or
// penalties) of teams of the regular season: the championship and relegation
// rounds of split leagues. Anything else is a play-off, play-out or
// tie-breaker: two-team ties, knock-out brackets, rounds with teams of
// another division.
//
// Without stages (CSV layouts): a team that plays fewer than a third of the
// matches of the busiest team is a guest from another division, and its
// matches are play-offs. A play-off between two teams of the league cannot
// be told apart there.
//
// A match listed twice (same day, same teams) is stored once. The same
// fixture on two dates is kept (split leagues meet again in their second
// phase) but reported when the season is otherwise a plain double round
// robin, where it is more likely a match listed twice with a wrong date.
// Matches not played (cancelled, abandoned, postponed, not yet played) are
// left out; results given at the table are kept, as the official tables do.
// The fixtures not yet played of the league phase are the calendar.
#include "app/importa/PartitaSorgente.h"

#include <string>
#include <vector>

namespace veltra {

struct FaseCampionato {
    std::vector<std::string> squadre;            // source names of the season's teams, sorted
    std::vector<const PartitaSorgente*> partite; // the matches to store, in the source's order
    std::vector<RigaScartata> scartate;
    // Kept, but worth a look: the same fixture on another date in a season
    // where every other pair of teams met once at each ground.
    std::vector<RigaScartata> avvisi;
    int assegnate = 0; // of `partite`, results given at the table
    // Fixtures of the league phase still to be played, in the source's order.
    std::vector<const PartitaSorgente*> calendario;
};

FaseCampionato SelezionaFaseCampionato(const StagioneSorgente& stagione);

} // namespace veltra
