#include "pools/RiduzioneCondizionato.h"

#include <algorithm>
#include <queue>

namespace veltra {

namespace {

constexpr std::uint8_t kAperta = 0, kTenuta = 1, kTolta = 2;

// The neighbours of a column: its variants in one variable row, found by
// index through a table over the full system.
class Vicinato {
public:
    Vicinato(const SpazioIntegrale& sp, const std::vector<std::int32_t>& indici) : sp_(sp), indici_(indici) {
        posizione_.assign(static_cast<std::size_t>(sp.totale), -1);
        for (std::size_t i = 0; i < indici.size(); ++i)
            posizione_[static_cast<std::size_t>(indici[i])] = static_cast<std::int32_t>(i);
        for (int r = 0; r < kRigheSchedina; ++r)
            if (sp.segni[r].size() > 1) variabili_.push_back(r);
    }

    template <class F>
    void PerOgni(std::int32_t pos, F&& f) const {
        const std::int64_t x = indici_[static_cast<std::size_t>(pos)];
        for (int r : variabili_) {
            const std::int64_t w = sp_.pesi[r];
            const auto n = static_cast<std::int64_t>(sp_.segni[r].size());
            const std::int64_t cifra = (x / w) % n;
            for (std::int64_t d = 0; d < n; ++d) {
                if (d == cifra) continue;
                const std::int32_t q = posizione_[static_cast<std::size_t>(x + (d - cifra) * w)];
                if (q >= 0) f(q);
            }
        }
    }

    int gradoMassimo() const {
        int g = 0;
        for (int r : variabili_) g += static_cast<int>(sp_.segni[r].size()) - 1;
        return g;
    }

private:
    const SpazioIntegrale& sp_;
    const std::vector<std::int32_t>& indici_;
    std::vector<std::int32_t> posizione_;
    std::vector<int> variabili_;
};

} // namespace

std::vector<std::int32_t> RiduciCondizionato(const SpazioIntegrale& sp,
                                             const std::vector<std::int32_t>& indici,
                                             MetodoRiduzione metodo, const OpzioniRiduzione& o,
                                             bool* fermato) {
    if (fermato) *fermato = false;
    const auto n = static_cast<std::int32_t>(indici.size());
    const Vicinato v(sp, indici);
    std::vector<std::uint8_t> stato(static_cast<std::size_t>(n), kAperta);
    std::int64_t rimaste = n;
    std::int64_t passi = 0;
    auto interrompi = [&]() {
        if ((++passi & 0x3FF) != 0) return false;
        if ((o.fermo && o.fermo->load()) || (o.contatore && !o.contatore(rimaste))) {
            if (fermato) *fermato = true;
            return true;
        }
        return false;
    };
    if (o.contatore && !o.contatore(rimaste)) {
        if (fermato) *fermato = true;
        return {};
    }

    if (metodo == MetodoRiduzione::Standard) {
        for (std::int32_t i = 0; i < n; ++i) {
            if (interrompi()) return {};
            if (stato[static_cast<std::size_t>(i)] != kAperta) continue;
            v.PerOgni(i, [&](std::int32_t j) {
                if (j > i && stato[static_cast<std::size_t>(j)] == kAperta) {
                    stato[static_cast<std::size_t>(j)] = kTolta;
                    --rimaste;
                }
            });
        }
    } else {
        std::vector<int> conta(static_cast<std::size_t>(n), 0);
        for (std::int32_t i = 0; i < n; ++i) v.PerOgni(i, [&](std::int32_t) { ++conta[static_cast<std::size_t>(i)]; });
        // Per count, the open columns with that count, the first on top; an
        // entry whose count has changed since is dropped when it surfaces.
        using Coda = std::priority_queue<std::int32_t, std::vector<std::int32_t>, std::greater<>>;
        std::vector<Coda> secchi(static_cast<std::size_t>(v.gradoMassimo() + 1));
        {
            std::vector<std::vector<std::int32_t>> iniziali(secchi.size());
            for (std::int32_t i = 0; i < n; ++i) iniziali[static_cast<std::size_t>(conta[static_cast<std::size_t>(i)])].push_back(i);
            for (std::size_t c = 0; c < secchi.size(); ++c)
                secchi[c] = Coda(std::greater<>(), std::move(iniziali[c]));
        }
        int alto = static_cast<int>(secchi.size()) - 1;
        std::vector<std::int32_t> tolte;
        for (;;) {
            if (interrompi()) return {};
            while (alto > 0) {
                Coda& q = secchi[static_cast<std::size_t>(alto)];
                while (!q.empty() && (stato[static_cast<std::size_t>(q.top())] != kAperta ||
                                      conta[static_cast<std::size_t>(q.top())] != alto))
                    q.pop();
                if (!q.empty()) break;
                --alto;
            }
            if (alto <= 0) break; // no open column has an open neighbour
            const std::int32_t c = secchi[static_cast<std::size_t>(alto)].top();
            stato[static_cast<std::size_t>(c)] = kTenuta;
            tolte.clear();
            v.PerOgni(c, [&](std::int32_t j) {
                if (stato[static_cast<std::size_t>(j)] == kAperta) {
                    stato[static_cast<std::size_t>(j)] = kTolta;
                    tolte.push_back(j);
                }
            });
            rimaste -= static_cast<std::int64_t>(tolte.size());
            for (std::int32_t j : tolte)
                v.PerOgni(j, [&](std::int32_t k) {
                    if (stato[static_cast<std::size_t>(k)] != kAperta) return;
                    const int nuovo = --conta[static_cast<std::size_t>(k)];
                    secchi[static_cast<std::size_t>(nuovo)].push(k);
                });
        }
    }
    std::vector<std::int32_t> tenute;
    tenute.reserve(static_cast<std::size_t>(rimaste));
    for (std::int32_t i = 0; i < n; ++i)
        if (stato[static_cast<std::size_t>(i)] != kTolta) tenute.push_back(i);
    if (o.contatore) o.contatore(static_cast<std::int64_t>(tenute.size()));
    return tenute;
}

namespace riferimento {

bool Vicine(const std::vector<std::vector<std::int16_t>>& m, std::size_t i, std::size_t j) {
    int diverse = 0;
    for (const auto& riga : m)
        if (riga[i] != riga[j] && ++diverse > 1) return false;
    return true;
}

std::vector<std::int32_t> RiduzioneStandard(const std::vector<std::vector<std::int16_t>>& m) {
    const std::size_t n = m.empty() ? 0 : m[0].size();
    std::vector<std::int16_t> stato(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        if (stato[i] == 2) continue;
        for (std::size_t j = i + 1; j < n; ++j)
            if (stato[j] != 2 && Vicine(m, i, j)) stato[j] = 2;
    }
    std::vector<std::int32_t> tenute;
    for (std::size_t i = 0; i < n; ++i)
        if (stato[i] != 2) tenute.push_back(static_cast<std::int32_t>(i));
    return tenute;
}

std::vector<int> ContaViciniAperti(const std::vector<std::vector<std::int16_t>>& m,
                                   const std::vector<std::int16_t>& stato) {
    const std::size_t n = stato.size();
    std::vector<int> conta(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        if (stato[i] != 0) continue;
        for (std::size_t j = 0; j < n; ++j)
            if (j != i && stato[j] == 0 && Vicine(m, i, j)) ++conta[i];
    }
    return conta;
}

std::vector<std::int32_t> RiduzioneAvanzata(const std::vector<std::vector<std::int16_t>>& m, int giri) {
    const std::size_t n = m.empty() ? 0 : m[0].size();
    std::vector<std::int16_t> stato(n, 0);
    for (int giro = 0; giri < 0 || giro < giri; ++giro) {
        const std::vector<int> conta = ContaViciniAperti(m, stato);
        std::size_t migliore = n;
        for (std::size_t i = 0; i < n; ++i)
            if (stato[i] == 0 && (migliore == n || conta[i] > conta[migliore])) migliore = i;
        if (migliore == n || conta[migliore] == 0) break;
        stato[migliore] = 1;
        for (std::size_t j = 0; j < n; ++j)
            if (stato[j] == 0 && Vicine(m, migliore, j)) stato[j] = 2;
    }
    std::vector<std::int32_t> tenute;
    for (std::size_t i = 0; i < n; ++i)
        if (stato[i] != 2) tenute.push_back(static_cast<std::int32_t>(i));
    return tenute;
}

} // namespace riferimento

} // namespace veltra
