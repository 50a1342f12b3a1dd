#include "betting/RicalcolaEventi.h"

#include "betting/ScommessaMgr.h"
#include "dati/DatiCampionati.h"
#include "engine/rating/ModelloProbabilita.h"
#include "platform/Messaggi.h"

#include <algorithm>
#include <bitset>
#include <cmath>

namespace veltra {

void MinimoProbabilita(std::array<float, 3>& p) {
    for (int i = 0; i < 3; ++i) {
        if (p[i] > 0) continue;
        const float g = std::fabs(p[i]);
        p[i] = 0.01f;
        const float h = (g + 0.01f) / 2;
        for (int j = 0; j < 3; ++j)
            if (j != i) p[j] -= h;
    }
}

bool AggiornaStimeScommesse(DatiCampionati& dati, int campionato) {
    return AggiornaModelloScelto(dati, campionato);
}

int IndiceSquadraScommesse(const DatiCampionati& dati, int campionato, const std::string& nome) {
    const auto& nomi = dati.campionato(campionato).squadreCorrenti().nomi;
    const auto it = std::find(nomi.begin(), nomi.end(), nome);
    return it == nomi.end() ? -1 : static_cast<int>(it - nomi.begin());
}

std::optional<std::array<float, 3>> StimaEvento(const DatiCampionati& dati, int campionato,
                                                int casa, int trasferta) {
    auto p = StimaModelloScelto(dati.campionato(campionato), casa, trasferta);
    if (p) MinimoProbabilita(*p);
    return p;
}

bool RicalcolaEvento(Evento& e, const DatiCampionati& dati) {
    if (e.vuoto() || e.campionato >= kNumeroCampionati) return false;
    const int casa = IndiceSquadraScommesse(dati, e.campionato, e.casa);
    const int trasferta = IndiceSquadraScommesse(dati, e.campionato, e.trasferta);
    if (casa < 0 || trasferta < 0) return false;
    const auto p = StimaEvento(dati, e.campionato, casa, trasferta);
    if (!p) return false;
    const auto [p1, pX, p2] = *p;
    const float somme[3] = {p1 + pX, p1 + p2, pX + p2};
    const float singoli[3] = {p1, pX, p2};
    for (int k = 0; k < 3; ++k) {
        e.prob[kQuota1 + k] = e.quote[kQuota1 + k] != 0 ? singoli[k] : 0;
        e.prob[kQuota1X + k] = e.quote[kQuota1X + k] != 0 ? somme[k] : 0;
        e.prob[kCalcolata1X + k] = e.quote[kCalcolata1X + k] != 0 ? somme[k] : 0;
    }
    for (int k = 0; k < kVociQuota; ++k)
        e.equita[k] = e.prob[k] * e.quote[k];
    return true;
}

bool RicalcolaEventi(ScommessaMgr& m, DatiCampionati& dati, IMessaggi* messaggi) {
    const auto corrente = dati.campionatoCorrente;
    // Only the championships that own events: one that cannot be estimated
    // but has no event here (an empty one) must not cost the user the week.
    std::bitset<kNumeroCampionati> daAggiornare;
    for (int i = 0; i < m.nEventi; ++i)
        if (!m.eventi[i].vuoto() && m.eventi[i].campionato < kNumeroCampionati)
            daAggiornare[m.eventi[i].campionato] = true;
    bool ok = true;
    for (int c = 0; c < kNumeroCampionati && ok; ++c)
        if (daAggiornare[c]) ok = AggiornaStimeScommesse(dati, c);
    ScommessaMgr nuovo = m;
    for (int i = 0; i < nuovo.nEventi && ok; ++i)
        ok = RicalcolaEvento(nuovo.eventi[i], dati);
    dati.campionatoCorrente = corrente;
    if (!ok) {
        if (messaggi) messaggi->Errore(kEventiNonRicalcolabili);
        m.Azzera();
        dati.datiModificati = 1;
        return false;
    }
    m = std::move(nuovo);
    m.SvuotaScommesse();
    return true;
}

} // namespace veltra
