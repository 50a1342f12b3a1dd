#pragma once
// How the analysis windows write an analysis's figures and parameters.
#include "dati/CAnalisi.h"

#include <string>

namespace veltra {

// "%.1f%% ('1' = %.1f%% - 'X' = %.1f%% - '2' = %.1f%%)"
std::string TestoPrecisione(const CAnalisi& a);
// "%.1f%% su %d campionati"
std::string TestoDatiUsati(const CAnalisi& a);
// Precision and data usage on one line; the current analysis window puts two
// blanks before the dash, the advanced parameters dialog one.
std::string RigaPrecisione(const CAnalisi& a, bool dueSpazi);
// "%d%% - %d%%" and " - %d%%" for each further analysed match.
std::string TestoPercentuali(const CAnalisi& a);

} // namespace veltra
