#pragma once
// The split of a budget over the plays of a resolved strategy so that every
// play pays back the same amount: each play's share is proportional to the
// inverse of its total odds.
#include "betting/CStrategiaDesc.h"
#include "betting/Scommessa.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

inline constexpr const char* kTitoloCalcolaPuntate = "TALBOR - Calcola la distribuzione delle puntate";

// The total odds of each play (an event listed twice counts twice; a play
// without events has odds 1).
std::vector<double> QuoteDelleGiocate(const CStrategiaDesc& s, const std::vector<VoceScommessa>& gambe);

// The shares, summing to 1, with Q[i]·s[i] equal for every play. A play
// whose odds are 0 (a leg without odds) cannot pay back: it gets no share
// and the others split the budget.
std::vector<double> QuoteDiSpesa(const std::vector<double>& quote);

// The amount typed: digits kept in order, the one ',' or '.' the decimal
// point, any other character dropped; no digit gives 0. A text with more
// than one separator ("1.234,50", "1.000.000": a thousands separator) cannot
// be read without guessing: nullopt, with the message to show in `errore`.
std::optional<double> LeggiImporto(std::string_view testo, std::string* errore = nullptr);

// The lines of the list: for each play "Giocata n.%d", its legs, total odds,
// share, stake, expected payout, "======".
std::vector<std::string> RigheDistribuzione(const CStrategiaDesc& s,
                                            const std::vector<VoceScommessa>& gambe, double budget);

} // namespace veltra
