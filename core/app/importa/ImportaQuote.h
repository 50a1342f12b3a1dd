#pragma once
// Real odds turned into weekly odds files: football-data odds files (both
// layouts) matched against the program's results and written as one ".QUO"
// per week (Monday to Sunday, named by the Monday: GGMMAA.QUO). The
// probabilities of a week are those of the model each championship uses
// (the engine unless the rating model is chosen) with its data cut
// just before that week's first match (the historical cut-off), never with a
// result of the week or after it; each championship's giornata is that cut,
// so that the search for the week's results starts at its own matches.
#include "betting/ScommessaMgr.h"

#include <map>
#include <string>
#include <vector>

namespace veltra {

struct DatiGlobali;
class TabellaAlias;

struct FileQuoteDaImportare {
    std::string nome;  // for the report
    std::string testo; // the whole file
};

struct EsitoImportaQuote {
    // File name (GGMMAA.QUO) -> the week.
    std::map<std::string, ScommessaMgr> settimane;
    std::vector<std::string> rapporto; // one line per skipped row or refused file
    int importate = 0;                 // matches that became events
    int scartate = 0;                  // rows reported and skipped
    int fileRifiutati = 0;
};

// `quote`: the odds set ("media" by default, "massima", "pinnacle",
// "chiusura" or a bookmaker's prefix as the file names it). A file whose
// league the program does not hold, or without that set, is refused whole.
// The championships' cut-offs are as before when this returns.
EsitoImportaQuote ImportaQuote(DatiGlobali& dati, const std::vector<FileQuoteDaImportare>& file,
                               const std::string& quote, const TabellaAlias& alias);

// The championship of a football-data league code ("I1", "SP1"...) or country
// ("Austria"...), -1 when the program does not hold it.
int CampionatoFootballData(const std::string& divisioneOPaese);

// "GGMMAA.QUO" of the Monday of the week of a date.
std::string NomeSettimana(int giorno, int mese, int anno);

} // namespace veltra
