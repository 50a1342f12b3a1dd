#include "dati/GeneratoreStagioni.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>

namespace veltra {
namespace {

std::string NomeClub(int i) {
    static const char* kInizi[] = {"Aur", "Bel", "Cas", "Dor", "Fal", "Gran", "Lev", "Mont",
                                   "Nov", "Orb", "Pal", "Riv", "San", "Tor", "Val", "Ver"};
    static const char* kFini[] = {"ania", "ense", "ona", "ese", "ia", "ino", "etta", "ano"};
    std::string n = std::string(kInizi[i % 16]) + kFini[(i / 16) % 8];
    if (i >= 128) n += std::to_string(i / 128);
    return n;
}

struct Club {
    std::string nome;
    double forza;
};

} // namespace

int GeneraStagioni(CCampionato& c, const OpzioniGenerazione& o) {
    if (o.squadre < 2 || o.squadre > c.numeroSquadreMax() || o.stagioni < 0 ||
        o.retrocessioni < 0 || o.retrocessioni > o.squadre)
        return -1;
    Casuale rnd(o.seme);
    std::vector<Club> pool;
    auto nuovoClub = [&] {
        pool.push_back({NomeClub(static_cast<int>(pool.size())), rnd.Reale() * 2.0 - 1.0});
        return static_cast<int>(pool.size()) - 1;
    };
    std::vector<int> inCampo(static_cast<std::size_t>(o.squadre));
    for (auto& k : inCampo) k = nuovoClub();

    for (int st = 0; st < o.stagioni; ++st) {
        // Strengths drift a little from season to season.
        for (int k : inCampo) pool[static_cast<std::size_t>(k)].forza += (rnd.Reale() - 0.5) * 0.3;
        std::vector<std::string> nomi;
        for (int k : inCampo) nomi.push_back(pool[static_cast<std::size_t>(k)].nome);
        if (AggiungiStagione(c, nomi) != 0) return -1;

        const int n = o.squadre;
        const int pari = n + (n % 2); // a bye slot when n is odd
        std::vector<int> ordine(static_cast<std::size_t>(pari));
        std::iota(ordine.begin(), ordine.end(), 0);
        std::vector<int> punti(static_cast<std::size_t>(n), 0);
        const int giornate = 2 * (pari - 1);
        const bool ultima = st == o.stagioni - 1;
        const int giocabili = (ultima && o.ultimaIncompleta) ? giornate / 2 : giornate;
        for (int g = 0; g < giocabili; ++g) {
            const int giro = g % (pari - 1);
            // Circle method: slot 0 fixed, the others rotate.
            std::vector<int> r(ordine);
            std::rotate(r.begin() + 1, r.begin() + 1 + giro, r.end());
            for (int i = 0; i < pari / 2; ++i) {
                int h = r[static_cast<std::size_t>(i)];
                int a = r[static_cast<std::size_t>(pari - 1 - i)];
                if ((i + giro) % 2 == 1) std::swap(h, a);
                if (g >= pari - 1) std::swap(h, a); // return leg
                if (h >= n || a >= n) continue;
                const double d = pool[static_cast<std::size_t>(inCampo[h])].forza -
                                 pool[static_cast<std::size_t>(inCampo[a])].forza + 0.35;
                const double p1 = 1.0 / (1.0 + std::exp(-1.6 * d)) * 0.74;
                const double p2 = 1.0 / (1.0 + std::exp(1.6 * d)) * 0.74;
                const double u = rnd.Reale();
                const char ris = u < p1 ? '1' : (u < p1 + p2 ? '2' : 'X');
                if (AggiungiIncontro(c, h, a, ris) != 0) return -1;
                if (ris == '1') punti[h] += 3;
                else if (ris == '2') punti[a] += 3;
                else { ++punti[h]; ++punti[a]; }
            }
        }
        // The bottom clubs go down; new ones come up.
        std::vector<int> classifica(static_cast<std::size_t>(n));
        std::iota(classifica.begin(), classifica.end(), 0);
        std::stable_sort(classifica.begin(), classifica.end(),
                         [&](int x, int y) { return punti[x] > punti[y]; });
        for (int k = 0; k < o.retrocessioni; ++k)
            inCampo[classifica[static_cast<std::size_t>(n - 1 - k)]] = nuovoClub();
    }
    return 0;
}

} // namespace veltra
