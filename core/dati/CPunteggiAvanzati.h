#pragma once
// The advanced parameters of an analysis: points per result, strength
// thresholds, table-position modifications and season weights.
#include <cstdint>

namespace veltra {

class Archivio;

// Strength class of an opponent.
enum Forza { kForte = 0, kMedia = 1, kDebole = 2 };
// Result for the team whose points are meant.
enum Esito { kVittoria = 0, kPareggio = 1, kSconfitta = 2 };

struct CPunteggiAvanzati {
    float modificaAltaCasa = 0.5f;
    float modificaBassaCasa = -0.5f;
    float modificaAltaTrasferta = 0.5f;
    float modificaBassaTrasferta = -0.5f;
    float forteCasa = -1.0f;
    float forteTrasferta = 2.0f;
    float deboleCasa = -4.0f;
    float deboleTrasferta = -2.0f;
    // Storage order: even indices for matches at home, odd for away.
    float punti[18] = {0, 1, -1, 0, -2, -1, 0, 1, -1, 0, -2, -1, 0, 1, -1, 0, -2, -1};
    float importanzaMin = 1.0f;
    float importanzaMax = 1.0f;
    std::int32_t campionatiInclusi = 6;
    bool separaCasaTrasferta = true;

    // Index into punti of a result against an opponent of the given strength;
    // add 1 for the away side.
    static constexpr int IndicePunti(Esito e, Forza f) {
        constexpr int kIndice[3][3] = {
            // Forte, Media, Debole
            {0, 6, 12},  // win
            {2, 8, 14},  // draw
            {16, 10, 4}, // loss
        };
        return kIndice[e][f];
    }
    float Punti(bool trasferta, Esito e, Forza f) const {
        return punti[IndicePunti(e, f) + (trasferta ? 1 : 0)];
    }

    // 28 floats, campionatiInclusi as int32, the flag as int32: 120 bytes.
    void Serializza(Archivio& ar);

    // All numbers compare equal (as floats) and the flags are equal.
    friend bool operator==(const CPunteggiAvanzati&, const CPunteggiAvanzati&) = default;
};

} // namespace veltra
