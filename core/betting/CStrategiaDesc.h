#pragma once
// A betting strategy: abstract events, each chosen by selection criteria and
// by its rank among the week's events, and plays made of those events.
#include "dati/Campionati.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace veltra {

class Archivio;

// Version of the strategy records written today. Version 0 lacked the fields
// that describe the search a strategy came from; 1 and 2 share one layout.
inline constexpr std::int32_t kVersioneStrategie = 2;

// One abstract event ('A', 'B', ...). The starting values are those the
// creation wizard proposes.
struct EventoStrategia {
    std::int16_t tipo = 0;      // TipoPronostico 0..13
    std::int16_t posizione = 1; // rank of the wanted event, from 1
    float minProb1 = 0.5f, minProbX = 0.0f, minProb2 = 0.0f;
    float minEquita = 1.0f, maxEquita = 2.0f;
    float minQuota = 1.0f, maxQuota = 3.0f;
    float maxProb1 = 1.0f, maxProbX = 0.3f, maxProb2 = 0.3f;
    float minProbDoppia = 0.85f;
    std::int16_t doppieCalcolate = 0;
    std::array<bool, kNumeroCampionati> inclusi = {true, true, true, true, true, true, true,
                                                   true, true, true, true, true, true, true,
                                                   true, true, true, true, true};

    friend bool operator==(const EventoStrategia&, const EventoStrategia&) = default;
};

struct CStrategiaDesc {
    // The search that produced the strategy; wizard strategies keep these values.
    bool daRicerca = false;
    std::int32_t bookmaker = 0;   // 0..5
    std::int32_t tipoGiocata = 0; // 0..11
    char segnoRicerca = '1';      // '1', 'x' or '2'
    std::int32_t ordinamento = 0; // 0..3
    bool maxRendimento = false;
    std::string gruppoCampionati;

    std::int32_t numero = 0; // unique, never reused
    std::string nome;
    std::string descrizione;
    std::vector<EventoStrategia> eventiStrategia;
    // Each play lists indices into eventiStrategia (0 = 'A'), repeats allowed.
    std::vector<std::vector<std::int16_t>> giocate;

    // The abstract events go on file one after the other with their criteria,
    // then the plays, then all the inclusion flags, which files before data
    // version 'n' lack (every championship is then included). Version 0 of the
    // records lacks the search fields. Reads all or nothing. Refused: a
    // bookmaker, play type, ranking or prediction type outside its table, a
    // rank below 1, a play naming an event that does not exist.
    void Serializza(Archivio& ar, std::int32_t versioneStrategie = kVersioneStrategie);

    friend bool operator==(const CStrategiaDesc&, const CStrategiaDesc&) = default;

private:
    void SerializzaCampi(Archivio& ar, std::int32_t versioneStrategie);
};

// The strategy list as Strategie.VLT holds it (and, before data version 'm',
// the configuration archive): the version of its records, their number, the
// records. Raising an old version to the current one is the loader's job, so
// that a list rewritten at its own version keeps its bytes.
struct ListaStrategie {
    std::int32_t versioneStrategie = kVersioneStrategie;
    std::vector<CStrategiaDesc> strategie;

    // Reads all or nothing; a version outside 0..2 is refused.
    void Serializza(Archivio& ar);

    friend bool operator==(const ListaStrategie&, const ListaStrategie&) = default;
};

} // namespace veltra
