#pragma once
// The odds file (".QUO"): the betting manager as text, one week of events
// that can be saved, loaded again and exchanged. Always 180 event lines, the
// empty slots too. Numbers are written and read in the C conventions whatever
// the user's locale.
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

struct DatiCampionati;
struct ScommessaMgr;
class IMessaggi;

inline constexpr const char* kTitoloSalvaQuote = "TALBOR 5 - Salvataggio Quote";
inline constexpr const char* kTitoloCaricaQuote = "TALBOR 5 - Caricamento Quote";
inline constexpr const char* kFiltroFileQuote = "File di Quote (*.QUO)";
inline constexpr const char* kErroreAperturaQuote = "Errore nell'apertura del file di quote.";
inline constexpr const char* kErroreInizializzazioneQuote =
    "Errore nell'inizializzazione del file di quote.\nFile corrotto!";
inline constexpr const char* kErroreSalvataggioQuote =
    "Errore nel salvataggio del file di quote.\nFile corrotto!";
inline constexpr const char* kErroreCaricamentoQuote =
    "Errore nel caricamento del file di quote.\nFile corrotto!";

// The file's text: the version letter of the data in memory, the criteria,
// the championships' flags and counts, and the 180 slots. Names and dates
// are written in the files' code page; a blank inside a date is written '_'
// so that every field stays one token.
std::string ScriviQuote(const ScommessaMgr& m, char versioneDati = 'p');

// The manager a file's text describes, its probabilities as stored (an
// estimate outside 0..1 brought inside, CorreggiProbabilitaEvento); nullopt, with the reason in `errore`, when the
// text ends before the last event line, a number does not parse, a count or
// championship is out of range, a team name is longer than 15 characters or
// an event slot below the event count is empty.
std::optional<ScommessaMgr> LeggiQuote(std::string_view testo, std::string* errore = nullptr);

// Saves the manager; on failure the message is shown and false.
bool SalvaQuote(const ScommessaMgr& m, const std::filesystem::path& file, IMessaggi& messaggi,
                char versioneDati = 'p');

// Saves several weeks into one folder as one save, all or none; on failure
// the message (naming the file and why) is shown and false.
struct QuoteDaSalvare {
    std::string nome; // the file's name in `cartella`
    const ScommessaMgr* settimana = nullptr;
};
bool SalvaQuoteInsieme(const std::vector<QuoteDaSalvare>& settimane,
                       const std::filesystem::path& cartella, IMessaggi& messaggi,
                       char versioneDati = 'p');

// Loads a file into the manager with the probabilities and equities stored
// in it (those of the analyses the week was made with). On a file that cannot
// be opened or read the message is shown, the manager is left exactly as it
// was, and the result is false.
bool CaricaQuoteSalvate(ScommessaMgr& m, const std::filesystem::path& file, IMessaggi& messaggi);

// Loads a file into the manager and recomputes every event from the current
// analyses (RicalcolaEventi, which drops, with its message, the events it
// cannot estimate). On a file that cannot be opened or read the message is shown,
// the manager is left exactly as it was, and the result is false.
bool CaricaQuote(ScommessaMgr& m, const std::filesystem::path& file, DatiCampionati& dati,
                 IMessaggi& messaggi);

// The name proposed by the save dialog: local time as "%d-%m-%Y %Hh%Mm%Ss".
std::string NomeProposto(const std::tm& adesso);

} // namespace veltra
