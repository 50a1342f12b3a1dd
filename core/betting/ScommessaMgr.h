#pragma once
// The betting manager: the events with their odds, the selection criteria of
// the bet selection and the ranked calculated bets.
#include "dati/Campionati.h"
#include "betting/Evento.h"
#include "betting/Scommessa.h"

#include <array>
#include <cstdint>
#include <vector>

namespace veltra {

class Archivio;

inline constexpr int kMaxEventi = 180;
inline constexpr int kMaxScommesse = 540;
inline constexpr int kTipiPronostico = 14;

struct ScommessaMgr {
    std::int32_t nEventi = 0;      // events occupy the first nEventi slots
    std::int32_t nSelezionati = 0; // passed the criteria at the last ranking; not saved
    // Selection criteria.
    std::int32_t tipoPronostico = 0; // 0..13
    float minProb1 = 0, minProbX = 0, minProb2 = 0;
    float maxProb1 = 0, maxProbX = 0, maxProb2 = 0;
    float minEquita = 0, maxEquita = 0;
    float minQuota = 0, maxQuota = 0;
    float minProbDoppia = 0;
    std::int16_t doppieCalcolate = 0;
    std::array<bool, kNumeroCampionati> inclusi = {};
    // Every slot is saved, the empty ones too.
    std::array<Evento, kMaxEventi> eventi;
    // The ranked bets, at most kMaxScommesse (nScommesse is their number);
    // rebuilt by the bet selection, never saved.
    std::vector<Scommessa> scommesse;
    std::array<std::int32_t, kNumeroCampionati> conEventi = {};
    // Entries of the championship's match list when its events were entered:
    // their results are looked for after them.
    std::array<std::int32_t, kNumeroCampionati> giornata = {};

    int nScommesse() const { return static_cast<int>(scommesse.size()); }

    // Reading starts from an empty manager and is all or nothing. The
    // inclusion flags came after data version 'm'; older files include the
    // championships that take part. Refused: nEventi outside 0..180, a
    // prediction type outside 0..13.
    void Serializza(Archivio& ar);

    friend bool operator==(const ScommessaMgr&, const ScommessaMgr&) = default;

private:
    void SerializzaCampi(Archivio& ar);
};

} // namespace veltra
