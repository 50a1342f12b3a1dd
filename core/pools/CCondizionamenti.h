#pragma once
// The conditions of the conditioned system: limits on the signs of a column,
// on runs of equal signs, on the column's probability, and the filter columns
// with their groups.
#include "pools/CColonnaFiltro.h"

#include <array>
#include <cstdint>

namespace veltra {

class Archivio;

inline constexpr int kMaxColonneFiltro = 100;
inline constexpr int kNumeroGruppi = 26; // 'A'..'Z'

// The current conditions; the wizard's backup copy has the same fields.
struct CondizioniRiduzione {
    std::int32_t attivoSegni = 0;
    std::int16_t min1 = 0, max1 = 14, minX = 0, maxX = 14, min2 = 0, max2 = 14;
    std::int32_t attivoConsecutivi = 0;
    std::int16_t minCons1 = 0, maxCons1 = 14, minConsX = 0, maxConsX = 14, minCons2 = 0,
                 maxCons2 = 14;
    std::int32_t attivoProbabilita = 0;
    double probMin = 0.0;
    double probMax = 1.0;
    std::int16_t numColonneFiltro = 0; // the first ones of colonneFiltro are in use
    std::array<CColonnaFiltro, kMaxColonneFiltro> colonneFiltro;
    std::array<std::int32_t, kNumeroGruppi> minColonneGruppo = {};
    std::array<std::int32_t, kNumeroGruppi> maxColonneGruppo = {};
    std::int32_t minGruppi = 0;
    std::int32_t maxGruppi = 0;
    std::array<std::int32_t, kNumeroGruppi> colonneNelGruppo = {};
    std::int32_t condizionatoRidotto = 0;
    // How "Condizionato Ridotto" reduces: 0 STANDARD, 1 AVANZATO (the user's
    // last answer, so every build of these conditions gives the same system).
    // Not in this record's bytes: the configuration archive keeps it after
    // its last item, where files written before it simply end (STANDARD).
    std::int32_t metodoRiduzione = 0;

    friend bool operator==(const CondizioniRiduzione&, const CondizioniRiduzione&) = default;
};

struct CCondizionamenti : CondizioniRiduzione {
    CondizioniRiduzione copia; // the wizard's backup copy, never saved

    // Current fields only. Reads all or nothing; a number of filter columns
    // outside 0..100 is refused; columns beyond it keep their values.
    void Serializza(Archivio& ar);

    friend bool operator==(const CCondizionamenti&, const CCondizionamenti&) = default;

private:
    void SerializzaCampi(Archivio& ar);
};

} // namespace veltra
