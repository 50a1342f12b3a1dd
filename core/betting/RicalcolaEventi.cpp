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
    // A model's estimate may fall outside 0..1 (a rating model far from its
    // data): the betting module takes only probabilities, so it moves the
    // excess to the other two signs, on both sides alike.
    const auto sposta = [&p](int i, float nuovo) {
        // Half of (the distance past the bound + 0.01) to each of the others.
        const float h = std::fabs(nuovo - p[i]) / 2;
        const float segno = nuovo < 0.5f ? -1.0f : 1.0f;
        p[i] = nuovo;
        for (int j = 0; j < 3; ++j)
            if (j != i) p[j] += segno * h;
    };
    for (int giro = 0; giro < 8; ++giro) {
        bool corretto = false;
        for (int i = 0; i < 3; ++i)
            if (p[i] <= 0) sposta(i, 0.01f), corretto = true;
        for (int i = 0; i < 3; ++i)
            if (p[i] >= 1) sposta(i, 0.99f), corretto = true;
        if (!corretto) return;
    }
    for (float& x : p)
        x = std::clamp(x, 0.01f, 0.99f);
}

namespace {

// The probabilities of every odds entry from P1, PX, P2 (0 where the odds
// are not offered), and the equities.
void ImpostaProbabilita(Evento& e, const std::array<float, 3>& p) {
    const auto [p1, pX, p2] = p;
    const float somme[3] = {p1 + pX, p1 + p2, pX + p2};
    for (int k = 0; k < 3; ++k) {
        e.prob[kQuota1 + k] = e.quote[kQuota1 + k] != 0 ? p[static_cast<std::size_t>(k)] : 0;
        e.prob[kQuota1X + k] = e.quote[kQuota1X + k] != 0 ? somme[k] : 0;
        e.prob[kCalcolata1X + k] = e.quote[kCalcolata1X + k] != 0 ? somme[k] : 0;
    }
    for (int k = 0; k < kVociQuota; ++k)
        e.equita[k] = e.prob[k] * e.quote[k];
}

} // namespace

bool CorreggiProbabilitaEvento(Evento& e) {
    if (e.vuoto() || e.quote[kQuota1] == 0 || e.quote[kQuotaX] == 0 || e.quote[kQuota2] == 0)
        return false;
    std::array<float, 3> p = {e.prob[kQuota1], e.prob[kQuotaX], e.prob[kQuota2]};
    if (std::all_of(p.begin(), p.end(), [](float x) { return x > 0 && x < 1; })) return false;
    MinimoProbabilita(p);
    ImpostaProbabilita(e, p);
    return true;
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
    ImpostaProbabilita(e, *p);
    return true;
}

std::string NomeEvento(const Evento& e) {
    std::string s = e.casa + "-" + e.trasferta;
    if (e.campionato >= 0 && e.campionato < kNumeroCampionati)
        s += " (" + std::string(Campionato(e.campionato).nome) + ")";
    return s;
}

bool RicalcolaEventi(ScommessaMgr& m, DatiCampionati& dati, IMessaggi* messaggi,
                     std::vector<std::string>* scartati) {
    const auto corrente = dati.campionatoCorrente;
    // Only the championships that own events: one that cannot be estimated
    // but has no event here (an empty one) must not cost the user the week.
    std::bitset<kNumeroCampionati> daAggiornare, stimabili;
    const int n = std::clamp(m.nEventi, 0, kMaxEventi);
    for (int i = 0; i < n; ++i)
        if (!m.eventi[i].vuoto() && m.eventi[i].campionato < kNumeroCampionati)
            daAggiornare[m.eventi[i].campionato] = true;
    for (int c = 0; c < kNumeroCampionati; ++c)
        if (daAggiornare[c]) stimabili[c] = AggiornaStimeScommesse(dati, c);
    // An event that cannot be estimated any more is dropped alone: the rest
    // of the week keeps its odds and gets the new probabilities.
    ScommessaMgr nuovo = m;
    std::vector<Evento> tenuti;
    std::vector<std::string> persi;
    for (int i = 0; i < n; ++i) {
        Evento e = m.eventi[i];
        const bool ok = !e.vuoto() && e.campionato < kNumeroCampionati && stimabili[e.campionato] &&
                        RicalcolaEvento(e, dati);
        if (ok)
            tenuti.push_back(std::move(e));
        else
            persi.push_back(NomeEvento(m.eventi[i]));
    }
    dati.campionatoCorrente = corrente;
    if (persi.empty()) {
        for (int i = 0; i < n; ++i)
            nuovo.eventi[i] = std::move(tenuti[static_cast<std::size_t>(i)]);
        m = std::move(nuovo);
        m.SvuotaScommesse();
        return true;
    }
    if (tenuti.empty()) {
        if (messaggi) messaggi->Errore(kEventiNonRicalcolabili);
        m.Azzera();
    } else {
        if (messaggi) {
            std::string t = kEventiNonRicalcolati;
            for (const std::string& p : persi)
                t += "\n" + p;
            messaggi->Errore(t);
        }
        // The kept events close up in their order; their insertion numbers
        // become 0..k-1 in the same relative order, so that restoring the
        // order and appending further events still work.
        std::vector<std::int32_t> numeri;
        for (const Evento& e : tenuti)
            numeri.push_back(e.numero);
        std::sort(numeri.begin(), numeri.end());
        for (int i = 0; i < kMaxEventi; ++i)
            nuovo.eventi[i] = Evento{};
        for (std::size_t i = 0; i < tenuti.size(); ++i) {
            Evento& e = tenuti[i];
            e.numero = static_cast<std::int32_t>(
                std::lower_bound(numeri.begin(), numeri.end(), e.numero) - numeri.begin());
            nuovo.eventi[i] = std::move(e);
        }
        nuovo.nEventi = static_cast<std::int32_t>(tenuti.size());
        m = std::move(nuovo);
        m.SvuotaScommesse();
    }
    dati.datiModificati = 1;
    if (scartati) *scartati = std::move(persi);
    return false;
}

} // namespace veltra
