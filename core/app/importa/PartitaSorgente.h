#pragma once
// What the readers of result files produce: the matches of each season as
// the source spells them, before names are mapped and the league phase is
// chosen.
#include "app/importa/DataCalendario.h"

#include <string>
#include <vector>

namespace veltra {

// Where a line comes from, for the import report: "file:riga".
struct Origine {
    std::string file;
    int riga = 0;
    std::string Testo() const { return file + ":" + std::to_string(riga); }
};

enum class StatoPartita {
    Giocata,   // a result on the field
    Assegnata, // a result given at the table ("awarded")
    NonGiocata // not played (yet), cancelled, abandoned or postponed
};

struct PartitaSorgente {
    DataCalendario data;
    int fase = 0;              // ordinal of the stage in its season (0 = the first one)
    std::string nomeFase;      // as the source names it, "" when it names none
    int giornata = 0;          // matchday number, 0 when the source gives none
    bool eliminazione = false; // a knock-out round (final, extra time, penalties)
    std::string casa;          // team names as the source spells them (UTF-8)
    std::string trasferta;
    int golCasa = 0;
    int golTrasferta = 0;
    StatoPartita stato = StatoPartita::Giocata;
    // No score and no status: a fixture still to be played (the calendar).
    bool programmata = false;
    int ora = -1; // kick-off, minutes after midnight; -1 when the source gives none
    std::string motivoNonGiocata; // for the report
    Origine origine;
};

struct StagioneSorgente {
    int annoInizio = 0;    // the calendar year the season began in
    std::string etichetta; // "2004/05", "2003"
    std::string file;
    // A season labelled with one year that only continues the season that
    // began the year before (split rounds some sources keep in a file apart).
    bool forseContinuazione = false;
    // The source says which stage a match belongs to (Football.TXT); the CSV
    // layouts do not, so guests from other divisions are recognised instead.
    bool conFasi = true;
    std::vector<PartitaSorgente> partite;
};

struct RigaScartata {
    Origine origine;
    std::string motivo;
};

// One source file read: its seasons, the lines left out, or the error that
// stops the import.
struct LetturaSorgente {
    std::vector<StagioneSorgente> stagioni;
    std::vector<RigaScartata> scartate;
    std::string errore; // "file:riga: what is wrong"; empty when read
    bool ok() const { return errore.empty(); }
};

} // namespace veltra
