#include "betting/CDlgDatiEvento.h"

#include "betting/RicalcolaEventi.h"
#include "dati/DatiCampionati.h"

#include <algorithm>
#include <cstdio>

namespace veltra {

CDlgDatiEvento::CDlgDatiEvento(const DatiCampionati& dati, int campionato, std::string casa,
                               std::string trasferta, std::string prefisso)
    : campionato_(campionato), casa_(std::move(casa)), trasferta_(std::move(trasferta)),
      prefisso_(std::move(prefisso)) {
    const CCampionato& c = dati.campionato(campionato);
    const auto& nomi = c.squadreCorrenti().nomi;
    std::vector<RigaTabellaEvento> righe(nomi.size());
    for (std::size_t i = 0; i < nomi.size(); ++i)
        righe[i].squadra = nomi[i];
    // The current season: from the last separator before the cut.
    const int fine = std::min(c.numeroIncontriCorrenti(), c.numeroIncontri());
    int inizio = fine;
    while (inizio > 0 && !c.incontri[inizio - 1].separatore())
        --inizio;
    const int n = static_cast<int>(nomi.size());
    for (int i = inizio; i < fine; ++i) {
        const Incontro& m = c.incontri[i];
        if (m.casa < 0 || m.casa >= n || m.trasferta < 0 || m.trasferta >= n) continue;
        RigaTabellaEvento& h = righe[m.casa];
        RigaTabellaEvento& a = righe[m.trasferta];
        ++h.giocate, ++a.giocate;
        if (m.risultato == '1') ++h.vinteCasa, ++a.perseFuori, h.punti += 3;
        if (m.risultato == 'X') ++h.pareggiCasa, ++a.pareggiFuori, ++h.punti, ++a.punti;
        if (m.risultato == '2') ++h.perseCasa, ++a.vinteFuori, a.punti += 3;
        const std::string linea = nomi[m.casa] + "\t" + nomi[m.trasferta] + "\t" + m.risultato;
        if (nomi[m.casa] == casa_ || nomi[m.trasferta] == casa_) incontriCasa_.push_back(linea);
        if (nomi[m.casa] == trasferta_ || nomi[m.trasferta] == trasferta_)
            incontriTrasferta_.push_back(linea);
    }
    std::stable_sort(righe.begin(), righe.end(), [](const auto& a, const auto& b) {
        return a.punti != b.punti ? a.punti > b.punti : a.giocate < b.giocate;
    });
    classifica_ = std::move(righe);
    const int ic = IndiceSquadraScommesse(dati, campionato, casa_);
    const int it = IndiceSquadraScommesse(dati, campionato, trasferta_);
    if (const auto p = StimaEvento(dati, campionato, ic, it)) {
        for (int k = 0; k < 3; ++k) {
            char b[32];
            std::snprintf(b, sizeof b, "%.1f%%", static_cast<double>((*p)[k] * 100.0f));
            stima_[k] = b;
        }
    }
}

std::string CDlgDatiEvento::titolo() const {
    return prefisso_ + " - " + std::string(Campionato(campionato_).nome) +
           ". Informazioni sull'evento selezionato";
}

std::string CDlgDatiEvento::colonna(int quale) const {
    std::string t;
    for (const RigaTabellaEvento& r : classifica_) {
        if (quale == 0) {
            t += r.squadra + "\r\r\n";
            continue;
        }
        const int valori[9] = {0,           r.giocate,    r.vinteCasa,    r.pareggiCasa, r.perseCasa,
                               r.vinteFuori, r.pareggiFuori, r.perseFuori, r.punti};
        t += std::to_string(valori[quale]) + "\r\r\n";
    }
    return t;
}

} // namespace veltra
