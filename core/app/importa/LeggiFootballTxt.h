#pragma once
// Reader of the Football.TXT layout: one season per file, a "= XX 1 2004/05"
// heading, "# Date" with the years the season spans, optional "== Stage"
// headings, "Matchday N" rounds, "[Sun Sep/12]" dates and one indented line
// per match: "15.00  Home  2-1 (1-0)  Away  [awarded]".
#include "app/importa/PartitaSorgente.h"

#include <string_view>

namespace veltra {

// `nomeFile` only names the lines in the report and in errors.
LetturaSorgente LeggiFootballTxt(std::string_view testo, const std::string& nomeFile);

// Whether a text looks like this layout (its first non-blank line is the
// "= " heading).
bool SembraFootballTxt(std::string_view testo);

} // namespace veltra
