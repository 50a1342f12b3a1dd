#pragma once
// The scheduled matches of a championship's current season: what is still to
// be played, with its matchday, date and (when known) kick-off time. A match
// leaves the calendar when its result is stored.
//
// Kept in a text file of its own per championship ("Calendario-A.txt"):
//     VELTRA-CALENDARIO 1
//     <season>                      1-based season of the championship
//     <count>
//     <matchday> <date> <time> <home> <away>      one line per fixture
// e.g. "3 20260913 20:45 Inter Juventus". The date is yyyymmdd (0 when not
// known), the time HH:MM or "-", the teams are written as in the teams file
// (Windows-1252, no blanks) and must be teams of that season. An empty
// calendar is "0" fixtures of season 0.
#include "dati/Reti.h"

#include <string>
#include <string_view>
#include <vector>

namespace veltra {

class CCampionato;
struct ElencoSquadre;

struct PartitaCalendario {
    int giornata = 0;      // matchday as the source numbers it; 0 when it gives none
    DataNumerica data = 0; // 0 when not known
    int ora = -1;          // kick-off, minutes after midnight; -1 when not known
    std::string casa;      // team names as in the season's team list (UTF-8 in memory)
    std::string trasferta;
    friend bool operator==(const PartitaCalendario&, const PartitaCalendario&) = default;
};

class Calendario {
public:
    // 1-based season the fixtures belong to; 0 for an empty calendar.
    int stagione = 0;
    // By matchday, then date, then time, then as added.
    std::vector<PartitaCalendario> partite;

    bool vuoto() const { return partite.empty(); }
    void Svuota() {
        stagione = 0;
        partite.clear();
    }
    // Puts the fixtures in their order (see `partite`).
    void Ordina();
    // The matchdays that still have fixtures, ascending.
    std::vector<int> Giornate() const;
    // The next matchday: the one of the earliest dated fixture (a match
    // postponed to a later date stays in its own matchday, which comes back
    // in turn when its date does); without dates, the lowest number. 0 when
    // the calendar is empty.
    int ProssimaGiornata() const;
    // The fixtures of one matchday, in order.
    std::vector<PartitaCalendario> DellaGiornata(int giornata) const;
    // Removes the fixture of `casa` against `trasferta` that comes first (a
    // result arrived for it). false when the calendar holds none.
    bool TogliGiocata(std::string_view casa, std::string_view trasferta);
    friend bool operator==(const Calendario&, const Calendario&) = default;
};

inline constexpr const char* kIntestazioneCalendario = "VELTRA-CALENDARIO 1";

// The file's name for a championship code: "Calendario-A.txt".
std::string NomeFileCalendario(std::string_view codiceCampionato);

// "HH:MM" -> minutes after midnight; -1 when not a time of day.
int OraDaTesto(std::string_view testo);
// Minutes after midnight -> "HH:MM"; "-" for -1.
std::string TestoOra(int ora);

std::string ScriviTestoCalendario(const Calendario& calendario);

struct LetturaCalendario {
    Calendario calendario;
    std::string errore; // the file is damaged: "riga N: ..."; `calendario` is then empty
    bool ok() const { return errore.empty(); }
};

// Reads the file against the team lists of the championship's seasons
// (`stagioni[k]` is season k + 1): a fixture of a team not in its season, of a
// team against itself, a bad date or time, a count that does not match the
// lines, is damage.
LetturaCalendario LeggiTestoCalendario(std::string_view testo,
                                       const std::vector<ElencoSquadre>& stagioni);

// After matches were appended to the championship's last season from entry
// `primoNuovo` on: each one leaves the calendar (its first fixture of the
// same home and away teams). The number of fixtures removed.
int TogliIncontriGiocati(CCampionato& campionato, int primoNuovo);

} // namespace veltra
