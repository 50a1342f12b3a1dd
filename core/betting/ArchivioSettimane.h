#pragma once
// The archive of past weeks: the results of a week's events found in the
// championships' data, the week file of events and results, and the
// per-bookmaker folders under "QUOTE-ESPORTATE" with their "Settimane.txt",
// which lists the weeks in date order.
#include "betting/Evento.h"
#include "betting/ScommessaMgr.h"
#include "dati/Campionati.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

struct DatiCampionati;
struct ScommessaMgr;
class IMessaggi;
class ContestoLavoro;

inline constexpr const char* kCartellaEsportate = "QUOTE-ESPORTATE";
inline constexpr const char* kFileSettimane = "Settimane.txt";
inline constexpr int kNumeroBookmaker = 6;
// The folder of each bookmaker choice (the last is any other bookmaker) and
// the name shown.
extern const std::array<const char*, kNumeroBookmaker> kCartelleBookmaker;
extern const std::array<const char*, kNumeroBookmaker> kNomiBookmaker;

inline constexpr const char* kTitoloQuoteRendimenti =
    "TALBOR 5 - Caricamento Quote per il Calcolo dei Rendimenti";
inline constexpr const char* kTitoloQuoteEsportazione =
    "TALBOR 5 - Caricamento Quote per Esportare Eventi e Risultati";
inline constexpr const char* kTitoloSalvaEsportazione =
    "TALBOR 5 - Salvataggio File per Esportare Eventi e Risultati";
inline constexpr const char* kMessaggioRecupero = "RECUPERO DEI RISULTATI IN CORSO...";
inline constexpr const char* kMessaggioInterrottoSenzaRisultato =
    "In mancanza di un risultato l'operazione viene interrotta.";

// A path typed or stored with '\' separators, in this system's form.
std::filesystem::path PercorsoPiattaforma(std::string_view testo);

// A week's date from its name GGMMAA (year 2000 + AA); nullopt unless the
// name is six digits giving a day of the calendar (no 31 April, 29 February
// only in leap years).
struct DataSettimana {
    int giorno = 0, mese = 0, anno = 0;
    long chiave() const { return anno * 10000L + mese * 100L + giorno; }
    friend bool operator==(const DataSettimana&, const DataSettimana&) = default;
    // In calendar order (the fields' own order would put the day first).
    friend auto operator<=>(const DataSettimana& a, const DataSettimana& b) {
        return a.chiave() <=> b.chiave();
    }
};
std::optional<DataSettimana> DataDaNome(std::string_view nome);

// Finds the result of every event of `m` in its championship's match list,
// after the first giornata[c] entries (a season separator switches the team
// names), by home and away name. An event without a result is asked about
// through `messaggi`: Yes makes it void ('-'), No stops everything (with a
// message) and the answer is false; a stop request of `contesto` too.
bool RecuperaRisultati(ScommessaMgr& m, const DatiCampionati& dati, IMessaggi& messaggi,
                       const ContestoLavoro* contesto = nullptr);

// The week file's text: one tab-separated line per event, in slot order.
std::string TestoSettimana(const ScommessaMgr& m);

// "Settimane.txt": the count, then one name per line. Reading refuses a
// count that does not match, and a name that is not a date.
std::string TestoRiepilogo(const std::vector<std::string>& settimane);
std::optional<std::vector<std::string>> LeggiRiepilogo(std::string_view testo,
                                                       std::string* errore = nullptr);
// The list with `nome` placed before the first later week. A week is listed
// once: archiving it again replaces it, and repeats already in the list are
// dropped (the first of each stays).
std::vector<std::string> InserisciSettimana(std::vector<std::string> settimane,
                                            const std::string& nome);
// The weeks listed more than once, each once, in list order; the list keeps
// only the first of each.
std::vector<std::string> TogliSettimaneRipetute(std::vector<std::string>& settimane);

// Why the export cannot go to `percorso` (the message to show; "" when it
// can): outside the bookmaker folders of `radiceEsportate`, a name that is
// not GGMMAA or not a date, an extension other than txt, a folder without
// "Settimane.txt".
std::string ControllaPercorsoEsportazione(const std::filesystem::path& radiceEsportate,
                                          const std::filesystem::path& percorso);

// Writes the week file and the updated "Settimane.txt" of its folder as one
// save (both or neither). The message of the failure, "" on success.
std::string EsportaSettimana(const std::filesystem::path& percorso, const ScommessaMgr& m);

// A week to file: its name GGMMAA and the text of its week file.
struct SettimanaDaArchiviare {
    std::string nome;
    std::string testo;
};
// Files several weeks into the bookmaker folder `cartella` with its updated
// "Settimane.txt" as one save: all of them or nothing. The message of the
// failure, "" on success.
std::string EsportaSettimane(const std::filesystem::path& cartella,
                             const std::vector<SettimanaDaArchiviare>& settimane);

// The weeks of a bookmaker folder as its week files say (GGMMAA.txt, in
// date order).
std::vector<std::string> SettimaneDaiFile(const std::filesystem::path& cartella);

struct EsitoRiepilogo {
    bool ok = true;
    std::string messaggio; // what was done, for the user; empty when nothing was
};
// Makes sure the bookmaker folder `cartella` has a readable "Settimane.txt":
// a missing one is written from the week files present (silently when there
// are none: a folder whose creation was interrupted), a damaged one is
// rebuilt the same way with a message and kept as "Settimane.txt.danneggiato".
// Not ok (with the reason) when it cannot be written or is not a file.
EsitoRiepilogo RiparaRiepilogo(const std::filesystem::path& cartella);

// One week of the archive, as the statistics read it.
struct SettimanaArchiviata {
    std::string nome;
    DataSettimana data;
    std::vector<Evento> eventi; // with esito and data
};

struct ArchivioCaricato {
    std::vector<SettimanaArchiviata> settimane;
    std::vector<std::string> avvisi; // weeks or lines left out, and why
};

// The weeks listed in the folder's "Settimane.txt", in listed order, each
// once (a week listed again is read once, with a warning), dated on or after
// `dal`, each with its lines of all 32 fields whose championship
// is in `maschera` (at most `massimo` per week: the betting manager's
// capacity unless told otherwise); weeks left without events are dropped.
// nullopt (with the reason) when "Settimane.txt" cannot be read.
std::optional<ArchivioCaricato> CaricaSettimane(const std::filesystem::path& cartellaBookmaker,
                                                const DataSettimana& dal,
                                                const std::array<bool, kNumeroCampionati>& maschera,
                                                std::string* errore = nullptr,
                                                std::size_t massimo = kMaxEventi);
// The lines of one week file (an estimate outside 0..1 brought inside,
// CorreggiProbabilitaEvento).
std::vector<Evento> LeggiSettimana(std::string_view testo,
                                   const std::array<bool, kNumeroCampionati>& maschera,
                                   int* scartate = nullptr, std::size_t massimo = kMaxEventi);

// The manager of an archived week: its events with their results.
void ManagerDaSettimana(const SettimanaArchiviata& s, ScommessaMgr& m);

} // namespace veltra
