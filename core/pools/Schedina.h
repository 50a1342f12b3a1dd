#pragma once
// The pools coupon: 14 rows, the selected reduction and the thresholds of
// the system proposal, with the copy the new-coupon wizard puts back when it
// is cancelled.
#include "pools/Partita.h"
#include "pools/SistemaRidotto.h"

#include <array>
#include <cstdint>

namespace veltra {

class Archivio;

inline constexpr int kRigheSchedina = 14;

// Every field of the coupon that the wizard's backup copy duplicates.
struct StatoSchedina {
    std::array<Partita, kRigheSchedina> partite;
    std::int16_t sistemaIniziale = 1; // 1 while the predictions are the computed base system
    SistemaRidotto ridotto;           // rebuilt on demand, never saved
    // Selected reduction: -1,-1 N-1; -2,-2 conditioned; e,f (0 <= e < f) error-correcting;
    // -3,-3 the best columns for the chance of a prize ("Ottimo per probabilità").
    std::int16_t riduzioneMin = -1;
    std::int16_t riduzioneMax = -1;
    // The best system's budget, prize and whether it may play signs outside
    // the predictions. Kept for the session only: the record stores the
    // N-1 table in place of the best system, which older files cannot hold.
    std::int32_t ottimoColonne = 0; // 0: as many as the N-1 table
    std::int16_t ottimoObiettivo = 12;
    std::int16_t ottimoFuori = 0;
    float bonusSegno2 = 0.09f;
    // How often each of the ten modification commands ran since the last base system.
    std::array<std::int32_t, 10> contatoriModifiche = {};
    float probMinSegno = 0.33f;
    float probMinFissa = 0.5f;
    std::int32_t colonnePerPagina = 4; // 4 or 8

    friend bool operator==(const StatoSchedina&, const StatoSchedina&) = default;
};

struct Schedina : StatoSchedina {
    // 1 while there is no coupon. It belongs to the store rather than to the
    // coupon, but the coupon's record carries it first, so it lives here.
    std::int16_t schedinaAssente = 1;
    StatoSchedina copia; // the wizard's backup copy, never saved

    // Reads all or nothing: on a failure the coupon is left as it was.
    // Before data version 111 ('o') the coupon had 13 rows and no columns per
    // page: the 14th row is reset and colonnePerPagina becomes 4.
    void Serializza(Archivio& ar);

    friend bool operator==(const Schedina&, const Schedina&) = default;

private:
    void SerializzaCampi(Archivio& ar);
};

} // namespace veltra
