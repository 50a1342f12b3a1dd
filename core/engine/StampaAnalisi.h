#pragma once
// Printing of analyses: the page-break rule shared by the analysis reports
// and the block of advanced parameters.
#include "dati/CPunteggiAvanzati.h"
#include "platform/Stampa.h"

#include <string>

namespace veltra {

inline constexpr int kPassoRiga = 60;
inline constexpr int kUltimaRigaPagina = 2820;

// Prints `testo` at `passo` below the line at `yPrecedente`. When that
// passes the last line of the page, "(Continua...)" goes 120 below the
// previous line, the page ends and the line opens the next page at y 0.
// Returns the y of the line, or -1 when ending the page failed (the
// document is then already aborted).
int StampaRigaConInterruzione(IDispositivoStampa& d, int yPrecedente, int passo, int x,
                              const std::string& testo);

// The advanced-parameters block, counted from y0 (its first line at
// y0 + 60). Returns the y of its last line, or -1 as above.
int StampaParametriAvanzati(IDispositivoStampa& d, int y0, const CPunteggiAvanzati& p, int x = 0);

} // namespace veltra
