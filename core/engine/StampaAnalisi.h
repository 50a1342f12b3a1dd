#pragma once
// Printing of analyses: the current-analysis report and the archive report
// of a championship, the page-break rule they share and the block of
// advanced parameters.
#include "dati/CPunteggiAvanzati.h"
#include "platform/Stampa.h"

#include <ctime>

#include <cstdint>
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

class CCampionato;
class IServizioStampa;

// "Percentuali d'importanza: 100% - 100%", one percentage per analysed
// matchday up to five.
std::string RigaImportanza(int giornateAnalisi, const std::int16_t (&percentuali)[5]);

// The report of the championship's current parameters with the precision
// they reach now: the estimates are recomputed on `c` first (after a failed
// fit the precisions last computed are printed). `oggi` dates the heading.
// Nothing is printed when the print dialog is cancelled; a page that cannot
// be ended aborts the document.
void StampaAnalisiCorrente(IServizioStampa& servizio, CCampionato& c, const std::tm& oggi);
void StampaAnalisiCorrente(IDispositivoStampa& d, CCampionato& c, const std::tm& oggi);

// The report of every analysis in the championship's archive with the
// precision stored for it; runs no estimation.
void StampaArchivio(IServizioStampa& servizio, const CCampionato& c, const std::tm& oggi);
void StampaArchivio(IDispositivoStampa& d, const CCampionato& c, const std::tm& oggi);

} // namespace veltra
