#pragma once
// The HTML pages of the strategies: a strategy's statistics over the archive
// (with its chart embedded as a PNG) and the real plays of the resolved
// strategies.
#include "betting/ArchivioSettimane.h"
#include "betting/CStrategiaDesc.h"
#include "betting/StatisticheStrategia.h"

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace veltra {

// The lines describing a strategy's abstract events and plays, as the
// strategy window and the pages show them.
std::vector<std::string> DescrizioneEventoStrategia(const EventoStrategia& e, int indice);
std::string TestoLimiti(const EventoStrategia& e, int quale); // 0 equity, 1 odds, 2..4 P(1/X/2)

// "StatisticheStrategie-<bookmaker>-<d>-<m>-<y>.htm" in the export folder.
std::filesystem::path FileStatisticheHtml(const std::filesystem::path& cartellaEsportate, int bookmaker,
                                          const std::tm& oggi);
// "StrategieCalcolate-<d>-<m>-<y>-<h>.<min>.htm" in the export folder.
std::filesystem::path FileGiocateHtml(const std::filesystem::path& cartellaEsportate, const std::tm& adesso);

// One strategy's section of the statistics page; `png` is the chart's image
// (empty: no chart). `inizio` and `fine` are the analysed period.
std::string HtmlStatistiche(const CStrategiaDesc& s, int posizione, int bookmaker,
                            const DataSettimana& inizio, const DataSettimana& fine,
                            const StatisticheStrategia& st, const std::string& png);
// The page's head and foot, for a new file.
std::string InizioPaginaHtml(const char* titolo);
inline constexpr const char* kFinePaginaHtml = "\n</body></html>";

// Writes a new page, or, when the file exists, puts the section before its
// closing tags. Through a temporary file renamed over the old one. The
// message to show, "" on failure; `aggiunta` tells which of the two it did.
bool ScriviSezioneHtml(const std::filesystem::path& file, const std::string& titolo,
                       const std::string& sezione, bool* aggiunta);

std::string Base64(const std::string& byte);

} // namespace veltra
