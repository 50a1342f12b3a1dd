#pragma once
// The files of the update folder as the program reads them: the dated marker,
// the news, and each championship's results file, which must pass every check
// of the championship files before it may replace anything.
#include "dati/FileDati.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

inline constexpr const char* kFileMarcatore = "lastagg.txt";
// The marker of a download that has not been loaded yet: it becomes
// "lastagg.txt" only in the save that writes the data it dates.
inline constexpr const char* kFileMarcatoreLocale = "loclastagg.txt";
inline constexpr const char* kFileNews = "news9060.txt";
inline constexpr const char* kPrefissoLocale = "loc";
inline constexpr char kSeparatoreNews = static_cast<char>(176); // the degree sign in Windows-1252
// A results file holds at most 32767 entries of at most 16 characters each.
inline constexpr std::size_t kMaxFileAggiornamento = 600000;
inline constexpr std::size_t kMaxMarcatore = 100;
inline constexpr std::size_t kMaxNews = 256 * 1024;
// A scores file holds at most 32767 lines of at most 40 characters each.
inline constexpr std::size_t kMaxFileReti = 32768 * 40;

// The service's name of a championship's results file ("giornata.VLT.txt").
std::string NomeFileAggiornamento(CampionatoId c);
// The local copy kept until the update is loaded ("locgiornata.VLT").
std::string NomeFileLocale(CampionatoId c);

// The scores file beside it on the service ("Reti-A.txt"), and its local copy
// ("locReti-A.txt").
std::string NomeFileRetiAggiornamento(CampionatoId c);
std::string NomeFileRetiLocale(CampionatoId c);

// A date text "gg/mm/aaaa": "/" as third and sixth character, at most 100
// characters.
bool MarcatoreValido(std::string_view testo);

// The news: a date text, then items separated by the character 176; each
// item trimmed, empty ones left out, converted from Windows-1252. nullopt
// when the text does not begin with a date.
std::optional<std::vector<std::string>> LeggiNews(std::string_view testo);

// The news text as "&Salva News" writes it: one item per line.
std::string TestoNews(const std::vector<std::string>& news);

// A downloaded results file checked against the championship's seasons as
// the loader checks the stored one; the detail names the file and the entry.
EsitoFile VerificaFileAggiornamento(CampionatoId c, std::string_view testo,
                                    const std::vector<ElencoSquadre>& stagioni,
                                    ElencoIncontri& incontri);

} // namespace veltra
