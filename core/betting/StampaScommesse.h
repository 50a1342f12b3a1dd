#pragma once
// The print of the bets ranking: every bet the selection holds, in ranking
// order, with its legs and totals, over as many pages as it takes.
#include <ctime>
#include <string>

namespace veltra {

struct ScommessaMgr;
class IServizioStampa;

// `titolo` names the ranking ("Classifica Segni '1' con maggiore quota").
// false when nothing was printed (no bet, no device, or a failed page).
bool StampaClassificaScommesse(const ScommessaMgr& m, const std::string& titolo, IServizioStampa& servizio,
                               const std::tm& oggi);

} // namespace veltra
