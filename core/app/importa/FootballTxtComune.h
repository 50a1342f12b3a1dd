#pragma once
// What the two readers of Football.TXT files (the original layout and its
// variant) read alike: the season heading, times, scores and match states.
#include "app/importa/PartitaSorgente.h"

#include <string>
#include <string_view>

namespace veltra::footballtxt {

// A non-empty field of decimal digits only.
bool SoloCifre(std::string_view s);
// "HH.MM" or "HH:MM".
bool Orario(std::string_view s);
// "2004/05", "2004/2005", "1999/00", "2003": the first year and the last;
// "2025/27" is not one season.
bool LeggiEtichetta(std::string_view e, int& primo, int& ultimo);
// "2-1": the goals of both sides, at most three digits each.
bool LeggiPunteggio(std::string_view s, int& casa, int& trasferta);
// Extra time or penalties: the match was a knock-out tie.
bool ParolaSupplementari(std::string_view w);
// The heading "= ... 2004/05" (without its "="): the season's label and
// first year into `stagione`, its last year into `annoFine`. An error text,
// empty when read.
std::string LeggiIntestazione(std::string_view r, StagioneSorgente& stagione, int& annoFine);
// A match's state ("[awarded]", "[cancelled]", "[abandoned]", "[postponed]")
// applied to `p`. An error text, empty when read.
std::string ApplicaStato(std::string_view stato, bool conPunteggio, PartitaSorgente& p);

} // namespace veltra::footballtxt
