#pragma once
// The saved parameter search of one championship: the analysis it started
// from, its settings, where to resume it, and the analyses it found.
#include "dati/CPunteggiAvanzati.h"

#include <array>
#include <cstdint>

namespace veltra {

class Archivio;

inline constexpr int kAnalisiTrovate = 10;

// A slot of the search on the importance percentages; w[0] = 0: empty.
struct AnalisiTrovataPercentuali {
    float precisione = -1.0f;
    std::array<std::int16_t, 5> percentuali = {};

    friend bool operator==(const AnalisiTrovataPercentuali&,
                           const AnalisiTrovataPercentuali&) = default;
};

// A slot of the search on the advanced parameters; precision -1: empty.
struct AnalisiTrovataAvanzata {
    float precisione = -1.0f;
    CPunteggiAvanzati punteggi;
    // limiteMinCasa, limiteMaxCasa, limiteMinTrasferta, limiteMaxTrasferta
    std::array<std::int16_t, 4> limiti = {};

    friend bool operator==(const AnalisiTrovataAvanzata&, const AnalisiTrovataAvanzata&) = default;
};

struct CDumpRicerca {
    static constexpr std::int16_t kPercentuali = 1;
    static constexpr std::int16_t kAvanzata = 0;

    std::int16_t tipo = kAvanzata;
    std::int16_t giornate = 0; // 0 in a dump never saved
    std::array<std::int16_t, 4> limiti = {};
    CPunteggiAvanzati punteggi;
    std::array<std::int16_t, 5> percentuali = {};
    std::int16_t passo = 0;
    std::int16_t utilizzoMinimo = 0;
    std::int16_t ripresa = 0;
    std::int16_t ripresaSecondo = 0;
    std::int16_t ampiezza = 0;
    std::array<AnalisiTrovataPercentuali, kAnalisiTrovate> trovatePercentuali;
    std::array<AnalisiTrovataAvanzata, kAnalisiTrovate> trovateAvanzate;

    // Only the fields of its own kind follow the common head; on reading the
    // other kind's fields keep their values. Reads all or nothing. Refused: a
    // kind other than 0 and 1, matchdays outside 0..5 (they index the
    // percentages), a step outside 1..10 in a percentages search (a resumed
    // search advances by it).
    void Serializza(Archivio& ar);

    friend bool operator==(const CDumpRicerca&, const CDumpRicerca&) = default;

private:
    void SerializzaCampi(Archivio& ar);
};

} // namespace veltra
