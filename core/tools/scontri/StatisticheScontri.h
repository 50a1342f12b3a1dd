#pragma once
// The record of one home team against one away team over the stored seasons:
// what the head-to-head window shows and prints.
#include "dati/DatiCampionati.h"

#include <string>
#include <vector>

namespace veltra {

// Signs by index: 0 = '1', 1 = 'X', 2 = '2'.
inline constexpr char kSegni[3] = {'1', 'X', '2'};

struct ScontroDiretto {
    int stagione; // 1-based
    char risultato;
};

struct StatisticheScontri {
    std::vector<ScontroDiretto> sequenza; // oldest first
    int conteggio[3] = {};
    int serieCorrente[3] = {};
    int serieMassima[3] = {};
    // Meetings since the sign last came out, and the season it did (0 = never).
    int assenza[3] = {};
    int ultimaStagione[3] = {};
    // Result of the reverse fixture when it was the first leg of the latest
    // season; 0 when there is none.
    char andata = 0;

    int disputati() const { return static_cast<int>(sequenza.size()); }
};

// Scans the championship up to the historical cut-off. The two names are
// looked up exactly in every season's team list.
StatisticheScontri CalcolaScontri(const CCampionato& c, const std::string& casa,
                                  const std::string& trasferta);

} // namespace veltra
