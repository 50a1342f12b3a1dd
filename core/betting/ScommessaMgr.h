#pragma once
// The betting manager: the events with their odds, the selection criteria of
// the bet selection and the ranked calculated bets.
#include "dati/Campionati.h"
#include "betting/Evento.h"
#include "betting/Scommessa.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace veltra {

class Archivio;

inline constexpr int kMaxEventi = 180;
inline constexpr int kMaxScommesse = 540;
inline constexpr int kTipiPronostico = 14;

// Odds of a double chance played as two single bets that pay the same:
// Qa·Qb/(Qa+Qb), computed as larger/((larger/smaller) + 1); 0 when either is 0.
float QuotaDoppiaCalcolata(float qa, float qb);

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

    // Every count, limit and flag to 0, every slot empty, no bets.
    void Azzera();
    // Any change of the events makes the ranked bets stale.
    void SvuotaScommesse() { scommesse.clear(); }

    // Appends an event from the six quoted odds (1, X, 2, 1X, 12, X2; 0 = not
    // offered) and the three estimated probabilities: the probability of each
    // offered odds, the calculated double chances, the equities. `giornata`
    // is the count of the championship's match list the estimates rest on.
    // Nothing happens when all 180 slots are taken (false).
    bool AggiungiEvento(int campionato, int giornataCampionato, const std::string& casa,
                        const std::string& trasferta, const std::array<float, 6>& quote6,
                        float p1, float pX, float p2, const std::string& data = "-");
    // Appends an event whose 9 odds, probabilities and equities are all known.
    bool AggiungiEventoCompleto(int campionato, int giornataCampionato, const std::string& casa,
                                const std::string& trasferta, const std::array<float, 9>& quote9,
                                const std::array<float, 9>& prob9,
                                const std::array<float, 9>& equita9);
    // The slots back in insertion order (stable; empty slots last).
    void RipristinaOrdine();

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
