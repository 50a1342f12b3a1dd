#pragma once
// How a season is named in the statistics windows: one calendar year for the
// northern leagues that play within a year, "year/year+1" for the others.
#include "dati/Campionati.h"

#include <cstdio>
#include <string>

namespace veltra {

// Whether a season of championship c spans a single calendar year.
bool StagioneAnnoSolare(CampionatoId c);

// Calendar year in which 1-based season s began.
int AnnoStagione(CampionatoId c, int stagione);

// The year the season under way at a date (month 1..12) began: seasons
// across two years start in July, one-year seasons in January.
int StagioneDellaData(CampionatoId c, int anno, int mese);

// "1961/1962", or "1994" for a one-year season.
std::string EtichettaStagione(CampionatoId c, int stagione);

// printf into a string, in the "C" locale of the program's texts.
template <typename... A> std::string FormattaTesto(const char* formato, A... argomenti) {
    const int n = std::snprintf(nullptr, 0, formato, argomenti...);
    if (n <= 0) return {};
    std::string s(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(s.data(), s.size(), formato, argomenti...);
    s.resize(static_cast<std::size_t>(n));
    return s;
}

} // namespace veltra
