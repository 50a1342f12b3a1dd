#pragma once
// The HTML page of the strategy search: its heading, each sign's title and
// table, each ranking group's heading row and each kind of play's row (with
// the later weeks' check when the search has one).
#include "betting/GrigliaStrategie.h"

#include <string>

namespace veltra {

std::string InizioPaginaRicercaHtml(const ParametriRicerca& p, const DataOra& oggi);
std::string InizioSegnoRicercaHtml(char segno, int disponibili, int minUtili,
                                  const std::string& gruppo);
// `gruppo`: "PROBABILITA'", "EQUITA'" or "QUOTE".
std::string IntestazioneGruppoRicercaHtml(const char* gruppo, bool verifica);
// A kind's row; zeros in the plain styles unless the best has a gain. `v`,
// when given, adds the later weeks' figures.
std::string RigaRicercaHtml(int tipo, int ordinamento, const MiglioreGiocata& b, int disponibili,
                     const VincitoreRicerca* v);
// What closes the page at the end of a search.
inline constexpr const char* kFinePaginaRicerca = "</center></body></html>";

} // namespace veltra
