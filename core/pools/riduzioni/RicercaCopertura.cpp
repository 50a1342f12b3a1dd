#include "pools/riduzioni/RicercaCopertura.h"

#include "pools/riduzioni/GeneratoreCasuale.h"

#include <algorithm>
#include <limits>

namespace veltra::riduzioni {

namespace {

class StatoCopertura {
public:
    StatoCopertura(const GrafoCopertura& grafo, bool pesi)
        : pesi_(pesi), g_(grafo), conta_(grafo.n, 0), peso_(grafo.n, 1), posizione_(grafo.n, -1),
          posScoperto_(grafo.n, -1), inserito_(grafo.n, 0), tolto_(grafo.n, 0), unico_(grafo.n, 0),
          sovrapposto_(grafo.n, 0) {
        for (uint32_t z = 0; z < g_.n; ++z)
            Scopri(z);
    }

    const uint32_t* Intorno(uint32_t x) const { return &g_.vicini[size_t{x} * g_.m]; }
    size_t Parole() const { return parole_.size(); }
    bool Coperto() const { return scoperti_.empty(); }
    bool Contiene(uint32_t x) const { return posizione_[x] >= 0; }

    void Aggiungi(uint32_t p, uint64_t passo) {
        const uint32_t* intorno = Intorno(p);
        uint64_t perdita = 0;
        for (int k = 0; k < g_.m; ++k) {
            const uint32_t z = intorno[k];
            if (conta_[z] == 0) {
                Copri(z);
                perdita += peso_[z];
                unico_[z] = p;
            } else if (conta_[z] == 1) {
                perdita_[posizione_[unico_[z]]] -= peso_[z];
            }
            ++conta_[z];
        }
        posizione_[p] = static_cast<int32_t>(parole_.size());
        parole_.push_back(p);
        perdita_.push_back(perdita);
        inserito_[p] = passo;
    }

    void Togli(uint32_t p, uint64_t passo) {
        const int32_t i = posizione_[p];
        posizione_[p] = -1;
        const uint32_t ultima = parole_.back();
        parole_[i] = ultima;
        perdita_[i] = perdita_.back();
        parole_.pop_back();
        perdita_.pop_back();
        if (ultima != p) posizione_[ultima] = i;
        const uint32_t* intorno = Intorno(p);
        for (int k = 0; k < g_.m; ++k) {
            const uint32_t z = intorno[k];
            if (--conta_[z] == 0)
                Scopri(z);
            else if (conta_[z] == 1) {
                unico_[z] = UnicoCopritore(z);
                perdita_[posizione_[unico_[z]]] += peso_[z];
            }
        }
        tolto_[p] = passo;
    }

    // The word whose removal costs least, leaving alone words added after step `dopo`.
    uint32_t DaTogliere(uint64_t dopo) const {
        uint32_t scelta = parole_[0];
        uint64_t costo = std::numeric_limits<uint64_t>::max();
        uint64_t eta = std::numeric_limits<uint64_t>::max();
        for (size_t i = 0; i < parole_.size(); ++i) {
            const uint32_t p = parole_[i];
            if (inserito_[p] > dopo) continue;
            // Among equal costs the word that has stayed longest.
            if (perdita_[i] < costo || (perdita_[i] == costo && inserito_[p] < eta)) {
                scelta = p;
                costo = perdita_[i];
                eta = inserito_[p];
            }
        }
        return scelta;
    }

    // Among the words covering uncovered x, the one that would cover most weight.
    uint32_t DaAggiungere(uint32_t x, uint64_t vietatoDopo) const {
        const uint32_t* intorno = Intorno(x);
        uint32_t scelta = intorno[0];
        int64_t guadagnoMigliore = -1;
        uint64_t eta = std::numeric_limits<uint64_t>::max();
        for (int k = 0; k < g_.m; ++k) {
            const uint32_t p = intorno[k];
            if (tolto_[p] > vietatoDopo) continue;
            int64_t guadagno = 0;
            const uint32_t* suo = Intorno(p);
            for (int j = 0; j < g_.m; ++j)
                if (conta_[suo[j]] == 0) guadagno += static_cast<int64_t>(peso_[suo[j]]);
            if (guadagno > guadagnoMigliore || (guadagno == guadagnoMigliore && tolto_[p] < eta)) {
                scelta = p;
                guadagnoMigliore = guadagno;
                eta = tolto_[p];
            }
        }
        return scelta;
    }

    struct Scambio {
        uint32_t fuori;
        uint32_t dentro;
    };

    // The best exchange of one word for one that covers uncovered x: gain of the new word,
    // minus the loss of the old, plus what the old covered alone that the new covers too.
    // Only words sharing a once-covered element with the new one get that correction, so
    // the rest are represented by the cheapest of all.
    Scambio MigliorScambio(uint32_t x, uint64_t entratoDopo, uint64_t uscitoDopo,
                           GeneratoreCasuale& caso) {
        uint32_t fuoriMin = parole_[0];
        uint64_t perditaMin = std::numeric_limits<uint64_t>::max();
        for (size_t i = 0; i < parole_.size(); ++i)
            if (inserito_[parole_[i]] <= entratoDopo && perdita_[i] < perditaMin) {
                perditaMin = perdita_[i];
                fuoriMin = parole_[i];
            }
        Scambio scelta{fuoriMin, Intorno(x)[0]};
        int64_t migliore = std::numeric_limits<int64_t>::min();
        uint64_t pari = 0;
        auto considera = [&](int64_t valore, uint32_t fuori, uint32_t dentro) {
            if (valore > migliore) {
                migliore = valore;
                scelta = {fuori, dentro};
                pari = 1;
            } else if (valore == migliore && caso.Sotto(++pari) == 0) {
                scelta = {fuori, dentro};
            }
        };
        const uint32_t* intorno = Intorno(x);
        for (int k = 0; k < g_.m; ++k) {
            const uint32_t p = intorno[k];
            if (tolto_[p] > uscitoDopo) continue;
            int64_t guadagno = 0;
            const uint32_t* suo = Intorno(p);
            for (int j = 0; j < g_.m; ++j) {
                const uint32_t z = suo[j];
                if (conta_[z] == 0) {
                    guadagno += static_cast<int64_t>(peso_[z]);
                } else if (conta_[z] == 1) {
                    const uint32_t u = unico_[z];
                    if (sovrapposto_[u] == 0) toccati_.push_back(u);
                    sovrapposto_[u] += peso_[z];
                }
            }
            if (perditaMin != std::numeric_limits<uint64_t>::max())
                considera(guadagno - static_cast<int64_t>(perditaMin), fuoriMin, p);
            for (uint32_t u : toccati_) {
                if (inserito_[u] <= entratoDopo)
                    considera(guadagno - static_cast<int64_t>(perdita_[posizione_[u]]) +
                                  static_cast<int64_t>(sovrapposto_[u]),
                              u, p);
                sovrapposto_[u] = 0;
            }
            toccati_.clear();
        }
        return scelta;
    }

    uint32_t ScopertoCasuale(GeneratoreCasuale& caso) const {
        return scoperti_[caso.Sotto(scoperti_.size())];
    }

    // Uncovered elements weigh more at every step; an uncovered element adds to no word's
    // loss, so the losses stay right. Weights are halved when they grow large.
    void PesaScoperti() {
        if (!pesi_) return;
        for (uint32_t z : scoperti_)
            ++peso_[z];
        pesoScoperti_ += scoperti_.size();
        if (pesoScoperti_ < uint64_t{4096} * g_.n) return;
        pesoScoperti_ = 0;
        for (auto& w : peso_)
            w = (w + 1) / 2;
        for (size_t i = 0; i < parole_.size(); ++i) {
            uint64_t perdita = 0;
            const uint32_t* intorno = Intorno(parole_[i]);
            for (int k = 0; k < g_.m; ++k)
                if (conta_[intorno[k]] == 1) perdita += peso_[intorno[k]];
            perdita_[i] = perdita;
        }
    }

    std::vector<uint32_t> Soluzione() const {
        std::vector<uint32_t> s = parole_;
        std::sort(s.begin(), s.end());
        return s;
    }

private:
    uint32_t UnicoCopritore(uint32_t z) const {
        const uint32_t* intorno = Intorno(z); // D = -D: the words covering z are z + D
        for (int k = 0; k < g_.m; ++k)
            if (posizione_[intorno[k]] >= 0) return intorno[k];
        return z; // not reached while the counts are right
    }
    void Scopri(uint32_t z) {
        posScoperto_[z] = static_cast<int32_t>(scoperti_.size());
        scoperti_.push_back(z);
    }
    void Copri(uint32_t z) {
        const int32_t i = posScoperto_[z];
        const uint32_t ultimo = scoperti_.back();
        scoperti_[i] = ultimo;
        posScoperto_[ultimo] = i;
        scoperti_.pop_back();
        posScoperto_[z] = -1;
    }

    bool pesi_;
    const GrafoCopertura& g_;
    std::vector<uint16_t> conta_;
    std::vector<uint64_t> peso_;
    std::vector<int32_t> posizione_;
    std::vector<int32_t> posScoperto_;
    std::vector<uint64_t> inserito_;    // step of the last insertion (+1, 0 = never)
    std::vector<uint64_t> tolto_;       // step of the last removal (+1, 0 = never)
    std::vector<uint32_t> unico_;       // the only word covering z, when conta_[z] == 1
    std::vector<uint64_t> sovrapposto_; // scratch: weight a candidate would take over
    std::vector<uint32_t> toccati_;
    std::vector<uint32_t> parole_;
    std::vector<uint64_t> perdita_;
    std::vector<uint32_t> scoperti_;
    uint64_t pesoScoperti_ = 0;
};

} // namespace

RisultatoRicerca CercaCopertura(const GrafoCopertura& grafo, const ParametriRicerca& parametri) {
    RisultatoRicerca risultato;
    if (grafo.n == 0 || parametri.iniziale == 0) return risultato;
    GeneratoreCasuale caso(parametri.seme);
    StatoCopertura stato(grafo, parametri.pesi);
    const uint32_t iniziale = std::min(parametri.iniziale, grafo.n);
    while (stato.Parole() < iniziale) {
        const uint32_t p = static_cast<uint32_t>(caso.Sotto(grafo.n));
        if (!stato.Contiene(p)) stato.Aggiungi(p, 0);
    }
    // Steps count from 1 so that 0 marks "never moved".
    uint64_t passo = 1;
    for (; passo <= parametri.passi; ++passo) {
        if (stato.Coperto()) {
            risultato.migliore = stato.Soluzione();
            if (stato.Parole() <= parametri.minimo || stato.Parole() == 1) break;
            stato.Togli(stato.DaTogliere(std::numeric_limits<uint64_t>::max()), passo);
            continue;
        }
        const uint64_t te = parametri.tenutaEntrata, tu = parametri.tenutaUscita;
        const uint32_t x = stato.ScopertoCasuale(caso);
        if (parametri.scambioCongiunto) {
            const auto scambio = stato.MigliorScambio(x, passo > te ? passo - te - 1 : 0,
                                                      passo > tu ? passo - tu : 0, caso);
            stato.Togli(scambio.fuori, passo);
            stato.Aggiungi(scambio.dentro, passo);
        } else {
            stato.Togli(stato.DaTogliere(passo > te ? passo - te - 1 : 0), passo);
            stato.Aggiungi(stato.DaAggiungere(x, passo > tu ? passo - tu : 0), passo);
        }
        stato.PesaScoperti();
    }
    risultato.passi = passo - 1;
    return risultato;
}

} // namespace veltra::riduzioni
