#include "pools/StimeSchedina.h"

#include "dati/DatiCampionati.h"
#include "engine/CMotoreStime.h"
#include "engine/rating/ModelloProbabilita.h"
#include "pools/OperazioniSchedina.h"
#include "pools/Schedina.h"

#include <algorithm>
#include <bitset>
#include <cmath>

namespace veltra {

namespace {

Probabilita3 Completa(float p1, float pX, float p2, float bonus) {
    float p[3] = {p1, pX, p2};
    CorreggiProbabilita(p);
    return {p[0], p[1], p[2] + bonus};
}

Esito EsitoDaLettera(char c) {
    return c == 'V' ? kVittoria : c == 'P' ? kPareggio : kSconfitta;
}

} // namespace

bool AggiornaStimeCampionato(DatiCampionati& dati, int campionato) {
    return AggiornaModelloScelto(dati, campionato);
}

bool AggiornaStimeAltriIncontri(DatiCampionati& dati) {
    CCampionato& c = dati.campionato(0);
    if (!c.motore) CreaMotore(c);
    return c.motore->AggiornaStime() == 0;
}

std::optional<Probabilita3> StimaPartita(const DatiCampionati& dati, int campionato, int casa,
                                         int trasferta, float bonusSegno2) {
    const auto p = StimaModelloScelto(dati.campionato(campionato), casa, trasferta);
    if (!p) return std::nullopt;
    return Completa((*p)[0], (*p)[1], (*p)[2], bonusSegno2);
}

Probabilita3 StimaAltroIncontro(const DatiCampionati& dati, const std::array<char, 5>& formaCasa,
                                const std::array<char, 5>& formaTrasferta, float bonusSegno2) {
    const CCampionato& serieA = dati.campionato(0);
    const int n = std::clamp<int>(serieA.config.giornateAnalisi, 0, 5);
    const auto& w = serieA.config.percentualiImportanza;
    const CPunteggiAvanzati& pa = serieA.punteggiAvanzati;
    float h = 0, a = 0;
    for (int i = 0; i < n; ++i) {
        h += static_cast<float>(w[i]) * pa.Punti(false, EsitoDaLettera(formaCasa[i]), kMedia);
        a += static_cast<float>(w[i]) * pa.Punti(true, EsitoDaLettera(formaTrasferta[i]), kMedia);
    }
    // Whole numbers, halves away from zero.
    h = std::round(h / 100.0f);
    a = std::round(a / 100.0f);
    float c1[3] = {}, cX[3] = {}, c2[3] = {};
    if (serieA.motore) {
        std::copy_n(serieA.motore->coefficienti1(), 3, c1);
        std::copy_n(serieA.motore->coefficientiX(), 3, cX);
        std::copy_n(serieA.motore->coefficienti2(), 3, c2);
    }
    return Completa(c1[0] + c1[1] * h + c1[2] * a, cX[0] + cX[1] * h + cX[2] * a,
                    c2[0] + c2[1] * h + c2[2] * a, bonusSegno2);
}

int IndiceSquadra(const DatiCampionati& dati, int campionato, const std::string& nome) {
    const auto& nomi = dati.campionato(campionato).squadreCorrenti().nomi;
    const auto it = std::find(nomi.begin(), nomi.end(), nome);
    return it == nomi.end() ? -1 : static_cast<int>(it - nomi.begin());
}

bool RicalcolaStime(Schedina& s, DatiCampionati& dati) {
    std::bitset<kNumeroCampionati> aggiornati;
    bool altri = false;
    for (const Partita& p : s.partite) {
        if (Vuota(p)) continue;
        if (p.campionato < 0) {
            // The planes of Serie A's engine, whichever model it uses for its
            // own matches (with the engine, one fit serves both).
            if (altri) continue;
            if (dati.campionato(0).modello == ModelloStime::Motore) {
                if (!aggiornati[0] && !AggiornaStimeCampionato(dati, 0)) return false;
                aggiornati[0] = true;
            } else if (!AggiornaStimeAltriIncontri(dati)) {
                return false;
            }
            altri = true;
            continue;
        }
        const int c = p.campionato;
        if (aggiornati[c]) continue;
        if (!AggiornaStimeCampionato(dati, c)) return false;
        aggiornati[c] = true;
        if (c == 0 && dati.campionato(0).modello == ModelloStime::Motore) altri = true;
    }
    for (Partita& p : s.partite) {
        if (Vuota(p)) continue;
        Probabilita3 pr;
        if (p.campionato < 0) {
            pr = StimaAltroIncontro(dati, p.formaCasa, p.formaTrasferta, s.bonusSegno2);
        } else {
            const int casa = IndiceSquadra(dati, p.campionato, p.squadraCasa);
            const int trasferta = IndiceSquadra(dati, p.campionato, p.squadraTrasferta);
            if (casa < 0 || trasferta < 0) return false;
            const auto stima = StimaPartita(dati, p.campionato, casa, trasferta, s.bonusSegno2);
            if (!stima) return false;
            pr = *stima;
        }
        p.prob1 = pr[0];
        p.probX = pr[1];
        p.prob2 = pr[2];
    }
    return true;
}

} // namespace veltra
