#include "tools/qualita/TaraturaRating.h"

#include "tools/qualita/ValutazioneStime.h"

#include <stdexcept>

namespace veltra {

std::vector<GrigliaTaratura> GrigliaTaraturaPredefinita(bool conInferiore) {
    std::vector<GrigliaTaratura> g = {
        {"decadimento", {"0.001", "0.0015", "0.002", "0.003", "0.004"}},
        {"regolarizzazione", {"1", "2", "4", "6", "10"}},
        {"neopromosse", {"0.1", "0.2", "0.4", "0.5", "0.65"}},
        {"pesoStagione", {"0.5", "0.7", "0.85"}},
        {"rho", {"0", "-0.03", "-0.09", "-0.12"}},
        {"stagioniStoria", {"2", "3", "6"}},
    };
    if (conInferiore) g.push_back({"pesoInferiore", {"0.25", "0.5", "1", "1.5"}});
    return g;
}

ParametriRating TaraParametri(ParametriRating migliori, const std::vector<GrigliaTaratura>& griglia,
                              int giri, const std::function<double(const ParametriRating&)>& punteggio,
                              const std::function<void(const ProvaTaratura&)>& ogniProva) {
    double meglio = punteggio(migliori);
    if (ogniProva) ogniProva({"partenza", "", meglio, true});
    for (int giro = 0; giro < giri; ++giro) {
        bool cambiato = false;
        for (const auto& g : griglia)
            for (const auto& v : g.valori) {
                ParametriRating prova = migliori;
                if (auto e = ImpostaParametroRating(prova, g.nome, v)) throw std::invalid_argument(*e);
                if (prova == migliori) continue; // the value in use: already scored
                const double r = punteggio(prova);
                const bool tenuto = r < meglio;
                if (tenuto) {
                    meglio = r;
                    migliori = prova;
                    cambiato = true;
                }
                if (ogniProva) ogniProva({g.nome, v, r, tenuto});
            }
        if (!cambiato) break;
    }
    return migliori;
}

double RpsFuoriCampioneRating(CCampionato& copia, const CCampionato* inferiore, int dal, int al,
                              const ParametriRating& p) {
    OpzioniValutazione o;
    o.dal = dal;
    o.al = al;
    o.modello = ModelloStime::Rating;
    o.rating = p;
    o.inferiore = inferiore;
    const auto v = PrevisioniFuoriCampione(copia, o);
    Misure m;
    for (const auto& iv : v)
        if (iv.modello) m.Aggiungi(*iv.modello, iv.risultato);
    return m.n ? m.Rps() : 1.0;
}

} // namespace veltra
