#include "pools/ProbabilitaSistema.h"

#include "pools/CostruzioneSistema.h"
#include "pools/OperazioniSchedina.h"
#include "pools/Schedina.h"
#include "pools/riduzioni/GeneratoreCasuale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <new>
#include <stdexcept>
#include <thread>

namespace veltra {

namespace {

constexpr std::array<std::uint32_t, kRigheSchedina + 1> kPotenze = [] {
    std::array<std::uint32_t, kRigheSchedina + 1> a{};
    a[0] = 1;
    for (int i = 1; i <= kRigheSchedina; ++i) a[static_cast<std::size_t>(i)] = a[static_cast<std::size_t>(i - 1)] * 3;
    return a;
}();
constexpr std::uint32_t kMeta = 2187;
// How far the greedy's threshold falls after each pass.
constexpr double kCaduta = 0.05;

int Cifra(std::uint32_t x, int r) { return static_cast<int>(x / kPotenze[static_cast<std::size_t>(r)] % 3); }

// The probability of an outcome as the product of the probabilities of its
// low seven rows and of its high seven rows, both tabulated.
struct PesiEsiti {
    std::vector<double> basso, alto;
    explicit PesiEsiti(const ProbabilitaRighe& p) : basso(kMeta), alto(kMeta) {
        for (std::uint32_t i = 0; i < kMeta; ++i) {
            double b = 1, a = 1;
            for (int r = 0; r < 7; ++r) {
                b *= p[static_cast<std::size_t>(r)][static_cast<std::size_t>(Cifra(i, r))];
                a *= p[static_cast<std::size_t>(r + 7)][static_cast<std::size_t>(Cifra(i, r))];
            }
            basso[i] = b;
            alto[i] = a;
        }
    }
    double operator()(std::uint32_t o) const { return basso[o % kMeta] * alto[o / kMeta]; }
};

// The moves of a column to its neighbours: for row r the two other signs.
struct Mosse {
    std::array<std::array<std::int64_t, 2>, kRigheSchedina> d{};
    explicit Mosse(std::uint32_t c) {
        for (int r = 0; r < kRigheSchedina; ++r) {
            const int cifra = Cifra(c, r);
            int k = 0;
            for (int s = 0; s < 3; ++s)
                if (s != cifra)
                    d[static_cast<std::size_t>(r)][static_cast<std::size_t>(k++)] =
                        static_cast<std::int64_t>(s - cifra) * kPotenze[static_cast<std::size_t>(r)];
        }
    }
};

// Visits every outcome within `raggio` (0..2) signs of c, each once.
template <class F> void VisitaSfera(std::uint32_t c, int raggio, F&& f) {
    f(c);
    if (raggio < 1) return;
    const Mosse m(c);
    const std::int64_t base = c;
    for (int r = 0; r < kRigheSchedina; ++r)
        for (int k = 0; k < 2; ++k) {
            const std::int64_t o1 = base + m.d[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)];
            f(static_cast<std::uint32_t>(o1));
            if (raggio < 2) continue;
            for (int r2 = r + 1; r2 < kRigheSchedina; ++r2)
                for (int k2 = 0; k2 < 2; ++k2)
                    f(static_cast<std::uint32_t>(o1 + m.d[static_cast<std::size_t>(r2)][static_cast<std::size_t>(k2)]));
        }
}

// Visits the candidates (every row on an allowed sign) within `raggio`
// (0..2) signs of the outcome e, each once: the rows where e has a sign not
// allowed must change, the others may.
template <class F>
void VisitaAmmessi(std::uint32_t e, int raggio, const std::array<std::uint8_t, kRigheSchedina>& ammessi, F&& f) {
    struct Mossa {
        int riga;
        std::int64_t delta;
    };
    std::array<Mossa, 2 * kRigheSchedina> mosse{};
    int nMosse = 0;
    std::array<std::int64_t, 2 * 2> forzate{}; // the alternatives of at most two forced rows
    std::array<int, 2> nForzate{};
    int righeForzate = 0;
    for (int r = 0; r < kRigheSchedina; ++r) {
        const int cifra = Cifra(e, r);
        const bool libera = ammessi[static_cast<std::size_t>(r)] & (1u << cifra);
        if (!libera && righeForzate == raggio) return; // too far from every candidate
        int n = 0;
        for (int s = 0; s < 3; ++s) {
            if (s == cifra || !(ammessi[static_cast<std::size_t>(r)] & (1u << s))) continue;
            const std::int64_t d = static_cast<std::int64_t>(s - cifra) * kPotenze[static_cast<std::size_t>(r)];
            if (libera)
                mosse[static_cast<std::size_t>(nMosse++)] = Mossa{r, d};
            else
                forzate[static_cast<std::size_t>(2 * righeForzate + n++)] = d;
        }
        if (!libera) nForzate[static_cast<std::size_t>(righeForzate++)] = n;
    }
    const int resto = raggio - righeForzate;
    auto sfera = [&](std::int64_t v0) {
        f(static_cast<std::uint32_t>(v0));
        if (resto < 1) return;
        for (int i = 0; i < nMosse; ++i) {
            const std::int64_t v1 = v0 + mosse[static_cast<std::size_t>(i)].delta;
            f(static_cast<std::uint32_t>(v1));
            if (resto < 2) continue;
            for (int j = i + 1; j < nMosse; ++j)
                if (mosse[static_cast<std::size_t>(j)].riga != mosse[static_cast<std::size_t>(i)].riga)
                    f(static_cast<std::uint32_t>(v1 + mosse[static_cast<std::size_t>(j)].delta));
        }
    };
    if (righeForzate == 0) return sfera(e);
    for (int a = 0; a < nForzate[0]; ++a) {
        const std::int64_t va = static_cast<std::int64_t>(e) + forzate[static_cast<std::size_t>(a)];
        if (righeForzate == 1) {
            sfera(va);
            continue;
        }
        for (int b = 0; b < nForzate[1]; ++b) sfera(va + forzate[static_cast<std::size_t>(2 + b)]);
    }
}

double ErroreStandard(double p, std::int64_t n) { return n > 0 ? std::sqrt(p * (1 - p) / static_cast<double>(n)) : 0; }

int Thread(int richiesti) {
    if (richiesti > 0) return std::min(richiesti, 2);
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 2);
}

// Runs f(inizio, fine) on `thread` slices of [0, n).
template <class F> void InParallelo(std::size_t n, int thread, F&& f) {
    if (thread <= 1 || n < 4096) return f(std::size_t{0}, n);
    std::vector<std::thread> t;
    const std::size_t pezzo = (n + static_cast<std::size_t>(thread) - 1) / static_cast<std::size_t>(thread);
    for (int i = 1; i < thread; ++i) {
        const std::size_t a = std::min(n, pezzo * static_cast<std::size_t>(i));
        const std::size_t b = std::min(n, a + pezzo);
        t.emplace_back([&f, a, b] { f(a, b); });
    }
    f(std::size_t{0}, std::min(n, pezzo));
    for (auto& x : t) x.join();
}

} // namespace

std::optional<ProbabilitaRighe> ProbabilitaDi(const Schedina& s, std::string* errore) {
    ProbabilitaRighe p{};
    for (int r = 0; r < kRigheSchedina; ++r) {
        const Partita& m = s.partite[static_cast<std::size_t>(r)];
        const double v[3] = {m.prob1, m.probX, m.prob2};
        const bool valide = std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]) && v[0] >= 0 &&
                            v[1] >= 0 && v[2] >= 0 && v[0] + v[1] + v[2] > 0;
        if (!valide) {
            if (errore) *errore = "la riga " + std::to_string(r + 1) + " della schedina non ha probabilita'";
            return std::nullopt;
        }
        const double somma = v[0] + v[1] + v[2];
        for (int k = 0; k < 3; ++k) p[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)] = v[k] / somma;
    }
    return p;
}

ChanceSistema ProbabilitaEsatta(const std::vector<std::uint32_t>& colonne, const ProbabilitaRighe& p) {
    // Distance of every outcome from the set, up to 2 (3: farther), found
    // layer by layer from the columns: each outcome is reached at most
    // 28 times per layer, whatever the number of columns.
    std::vector<std::uint8_t> d(kEsiti, 3);
    std::vector<std::uint32_t> strato;
    for (std::uint32_t c : colonne)
        if (c < kEsiti && d[c] != 0) {
            d[c] = 0;
            strato.push_back(c);
        }
    for (std::uint8_t livello = 1; livello <= 2; ++livello) {
        std::vector<std::uint32_t> prossimo;
        for (std::uint32_t c : strato)
            VisitaSfera(c, 1, [&](std::uint32_t o) {
                if (d[o] == 3) {
                    d[o] = livello;
                    if (livello < 2) prossimo.push_back(o);
                }
            });
        strato.swap(prossimo);
    }
    const PesiEsiti peso(p);
    double somma[3] = {0, 0, 0};
    for (std::uint32_t alto = 0; alto < kMeta; ++alto) {
        double parziale[3] = {0, 0, 0};
        const std::uint8_t* riga = d.data() + static_cast<std::size_t>(alto) * kMeta;
        for (std::uint32_t basso = 0; basso < kMeta; ++basso)
            if (riga[basso] < 3) parziale[riga[basso]] += peso.basso[basso];
        for (int k = 0; k < 3; ++k) somma[k] += parziale[k] * peso.alto[alto];
    }
    ChanceSistema c;
    c.p14 = somma[0];
    c.p13 = somma[0] + somma[1];
    c.p12 = somma[0] + somma[1] + somma[2];
    return c;
}

ChanceSistema StimaProbabilita(const std::vector<std::uint32_t>& colonne, const ProbabilitaRighe& p,
                               std::int64_t campioni, std::uint64_t seme) {
    std::vector<std::uint32_t> insieme(colonne);
    std::sort(insieme.begin(), insieme.end());
    insieme.erase(std::unique(insieme.begin(), insieme.end()), insieme.end());
    auto presente = [&](std::uint32_t o) { return std::binary_search(insieme.begin(), insieme.end(), o); };
    riduzioni::GeneratoreCasuale g(seme);
    std::int64_t conta[3] = {0, 0, 0};
    for (std::int64_t n = 0; n < campioni; ++n) {
        std::uint32_t o = 0;
        for (int r = 0; r < kRigheSchedina; ++r) {
            const double u = static_cast<double>(g.Prossimo() >> 11) * 0x1.0p-53;
            const auto& pr = p[static_cast<std::size_t>(r)];
            const std::uint32_t s = u < pr[0] ? 0u : u < pr[0] + pr[1] ? 1u : 2u;
            o += s * kPotenze[static_cast<std::size_t>(r)];
        }
        int migliore = 3;
        if (presente(o)) {
            migliore = 0;
        } else {
            const Mosse m(o);
            for (int r = 0; r < kRigheSchedina && migliore > 1; ++r)
                for (int k = 0; k < 2 && migliore > 1; ++k) {
                    const std::int64_t o1 =
                        static_cast<std::int64_t>(o) + m.d[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)];
                    if (presente(static_cast<std::uint32_t>(o1))) {
                        migliore = 1;
                        break;
                    }
                    for (int r2 = r + 1; r2 < kRigheSchedina && migliore > 2; ++r2)
                        for (int k2 = 0; k2 < 2; ++k2)
                            if (presente(static_cast<std::uint32_t>(
                                    o1 + m.d[static_cast<std::size_t>(r2)][static_cast<std::size_t>(k2)])))
                                migliore = 2;
                }
        }
        for (int k = migliore; k < 3; ++k) ++conta[k];
    }
    ChanceSistema c;
    c.esatta = false;
    c.campioni = campioni;
    const double n = campioni > 0 ? static_cast<double>(campioni) : 1;
    c.p14 = static_cast<double>(conta[0]) / n;
    c.p13 = static_cast<double>(conta[1]) / n;
    c.p12 = static_cast<double>(conta[2]) / n;
    c.errore14 = ErroreStandard(c.p14, campioni);
    c.errore13 = ErroreStandard(c.p13, campioni);
    c.errore12 = ErroreStandard(c.p12, campioni);
    return c;
}

ChanceSistema Probabilita(const std::vector<std::uint32_t>& colonne, const ProbabilitaRighe& p) {
    try {
        return ProbabilitaEsatta(colonne, p);
    } catch (const std::bad_alloc&) {
        return StimaProbabilita(colonne, p, 200000, 1);
    }
}

std::vector<std::uint32_t> ColonneSistema(const Schedina& s) {
    std::vector<std::uint32_t> esiti;
    const int totale = TotaleColonne(s);
    if (totale <= 0) return esiti;
    const LettoreSistema l(s);
    // The signs of each code LettoreSistema gives, as bits of 1, X, 2.
    static constexpr std::uint8_t kBit[9] = {0, 1, 4, 2, 3, 6, 5, 7, 0};
    esiti.reserve(static_cast<std::size_t>(totale));
    for (int k = 0; k < totale; ++k) {
        std::vector<std::uint32_t> parziali{0};
        for (int r = 0; r < kRigheSchedina; ++r) {
            const int codice = l.Segno(k, r);
            const std::uint8_t bit = codice >= 0 && codice <= 8 ? kBit[codice] : 0;
            if (bit == 0) return {};
            std::vector<std::uint32_t> nuovi;
            for (std::uint32_t v : parziali)
                for (std::uint32_t segno = 0; segno < 3; ++segno)
                    if (bit & (1u << segno)) nuovi.push_back(v + segno * kPotenze[static_cast<std::size_t>(r)]);
            parziali.swap(nuovi);
        }
        esiti.insert(esiti.end(), parziali.begin(), parziali.end());
    }
    return esiti;
}

std::array<std::uint8_t, kRigheSchedina> SegniAmmessi(const Schedina& s, bool fuori) {
    std::array<std::uint8_t, kRigheSchedina> a{};
    for (int r = 0; r < kRigheSchedina; ++r) {
        if (fuori) {
            a[static_cast<std::size_t>(r)] = 7;
            continue;
        }
        for (char ch : Pronostico(s.partite[static_cast<std::size_t>(r)]))
            a[static_cast<std::size_t>(r)] |= ch == '1' ? 1 : ch == 'X' ? 2 : ch == '2' ? 4 : 0;
    }
    return a;
}

std::vector<std::uint32_t> ColonneIntegrali(const Schedina& s) {
    const auto a = SegniAmmessi(s, false);
    std::vector<std::uint32_t> c{0};
    for (int r = 0; r < kRigheSchedina; ++r) {
        std::vector<std::uint32_t> n;
        for (std::uint32_t v : c)
            for (std::uint32_t segno = 0; segno < 3; ++segno)
                if (a[static_cast<std::size_t>(r)] & (1u << segno)) n.push_back(v + segno * kPotenze[static_cast<std::size_t>(r)]);
        if (n.empty()) return {};
        c.swap(n);
    }
    std::sort(c.begin(), c.end());
    return c;
}

std::string TestoChance(const ChanceSistema& c) {
    char buf[200];
    if (c.esatta)
        std::snprintf(buf, sizeof buf, "p14=%.6f p13=%.6f p12=%.6f", c.p14, c.p13, c.p12);
    else
        std::snprintf(buf, sizeof buf, "p14=%.6f p13=%.6f p12=%.6f stima=%lld errore14=%.6f errore13=%.6f errore12=%.6f",
                      c.p14, c.p13, c.p12, static_cast<long long>(c.campioni), c.errore14, c.errore13, c.errore12);
    return buf;
}

std::string TestoChanceBreve(const ChanceSistema& c) {
    auto percento = [](double p) {
        char b[32];
        std::snprintf(b, sizeof b, p < 0.001 ? "%.4f%%" : "%.2f%%", 100 * p);
        std::string t = b;
        std::replace(t.begin(), t.end(), '.', ',');
        return t;
    };
    std::string t = "14: " + percento(c.p14) + "   13+: " + percento(c.p13) + "   12+: " + percento(c.p12);
    if (!c.esatta) t += "   (stima, errore " + percento(c.errore12) + ")";
    return t;
}

RisultatoOttimo CercaOttimo(const ProbabilitaRighe& p, const OpzioniOttimo& o) {
    if (o.colonne < 1) throw std::invalid_argument("il numero di colonne deve essere almeno 1");
    if (o.obiettivo < 12 || o.obiettivo > 14) throw std::invalid_argument("l'obiettivo deve essere 12, 13 o 14");
    for (int r = 0; r < kRigheSchedina; ++r)
        if ((o.ammessi[static_cast<std::size_t>(r)] & 7) == 0)
            throw std::invalid_argument("la riga " + std::to_string(r + 1) + " non ha segni da giocare");
    const int raggio = 14 - o.obiettivo;
    const int thread = Thread(o.thread);
    RisultatoOttimo ris;

    // The candidates in increasing order.
    std::vector<std::uint32_t> candidati{0};
    for (int r = 0; r < kRigheSchedina; ++r) {
        std::vector<std::uint32_t> n;
        n.reserve(candidati.size() * 3);
        for (std::uint32_t segno = 0; segno < 3; ++segno)
            if (o.ammessi[static_cast<std::size_t>(r)] & (1u << segno))
                for (std::uint32_t v : candidati) n.push_back(v + segno * kPotenze[static_cast<std::size_t>(r)]);
        candidati.swap(n);
    }
    std::sort(candidati.begin(), candidati.end());
    if (static_cast<std::size_t>(o.colonne) >= candidati.size()) {
        ris.colonne = std::move(candidati);
        ris.chance = Probabilita(ris.colonne, p);
        return ris;
    }
    const std::size_t k = static_cast<std::size_t>(o.colonne);
    const long totaleLavoro = static_cast<long>(k) * (1 + o.passi);
    auto continua = [&](long fatto) { return !o.avanzamento || o.avanzamento(fatto, totaleLavoro); };

    // Every candidate's gain (the weight of the outcomes within `raggio`
    // signs of it that no chosen column covers yet), kept exact as columns
    // are chosen; outcomes that are not candidates hold -inf. The first gain
    // is the chance that the outcome falls within `raggio` signs of the
    // candidate: a sum over how many rows go wrong, row by row.
    constexpr double kEscluso = -std::numeric_limits<double>::infinity();
    std::vector<double> guadagni(kEsiti, kEscluso);
    InParallelo(candidati.size(), thread, [&](std::size_t a, std::size_t b) {
        for (std::size_t i = a; i < b; ++i) {
            const std::uint32_t c = candidati[i];
            double dp[3] = {1, 0, 0}; // chance of 0, 1, 2 wrong rows so far
            for (int r = 0; r < kRigheSchedina; ++r) {
                const double giusta = p[static_cast<std::size_t>(r)][static_cast<std::size_t>(Cifra(c, r))];
                dp[2] = dp[2] * giusta + dp[1] * (1 - giusta);
                dp[1] = dp[1] * giusta + dp[0] * (1 - giusta);
                dp[0] = dp[0] * giusta;
            }
            double g = 0;
            for (int e = 0; e <= raggio; ++e) g += dp[e];
            guadagni[c] = g;
        }
    });

    const PesiEsiti peso(p);
    std::vector<std::uint16_t> coperture(kEsiti, 0); // chosen columns within `raggio` of each outcome
    std::vector<std::uint8_t> scelta(kEsiti, 0);
    auto guadagno = [&](std::uint32_t c) {
        double g = 0;
        VisitaSfera(c, raggio, [&](std::uint32_t e) {
            if (coperture[e] == 0) g += peso(e);
        });
        return g;
    };
    auto aggiungi = [&](std::uint32_t c, int delta) {
        VisitaSfera(c, raggio, [&](std::uint32_t e) { coperture[e] = static_cast<std::uint16_t>(coperture[e] + delta); });
        scelta[c] = delta > 0;
    };

    // Greedy by falling thresholds: a pass over the candidates takes every
    // one whose gain reaches the threshold, then the threshold falls by
    // kCaduta (at once to the best gain left, when that is lower). Each
    // outcome newly covered takes its weight off the gains of the
    // candidates around it, so a gain is read, never recomputed.
    std::vector<std::uint32_t> sol;
    sol.reserve(k);
    const bool tutti = std::all_of(o.ammessi.begin(), o.ammessi.end(), [](std::uint8_t a) { return (a & 7) == 7; });
    auto scegli = [&](std::uint32_t c) {
        VisitaSfera(c, raggio, [&](std::uint32_t e) {
            if (coperture[e]++ != 0) return;
            const double w = peso(e);
            if (tutti)
                VisitaSfera(e, raggio, [&](std::uint32_t v) { guadagni[v] -= w; });
            else
                VisitaAmmessi(e, raggio, o.ammessi, [&](std::uint32_t v) { guadagni[v] -= w; });
        });
        scelta[c] = 1;
        guadagni[c] = kEscluso;
        sol.push_back(c);
    };
    // The candidates by first gain, best first: a gain never grows, so a
    // pass stops where the first gains fall below the threshold.
    std::vector<std::pair<float, std::uint32_t>> ordinati(candidati.size());
    for (std::size_t i = 0; i < candidati.size(); ++i)
        ordinati[i] = {static_cast<float>(guadagni[candidati[i]]), candidati[i]};
    std::sort(ordinati.begin(), ordinati.end(), [](const auto& x, const auto& y) {
        return x.first > y.first || (x.first == y.first && x.second < y.second);
    });
    double soglia = ordinati.empty() ? 0 : guadagni[ordinati.front().second];
    while (sol.size() < k) {
        double restante = kEscluso;
        std::size_t i = 0;
        for (; i < ordinati.size() && sol.size() < k; ++i) {
            // float rounding: the stored first gain may lie a little below the real one
            if (static_cast<double>(ordinati[i].first) * (1 + 1e-6) < soglia) break;
            const std::uint32_t c = ordinati[i].second;
            if (scelta[c]) continue;
            const double g = guadagni[c];
            if (g >= soglia) {
                scegli(c);
                if (sol.size() % 256 == 0 && !continua(static_cast<long>(sol.size()))) {
                    ris.fermato = true;
                    return ris;
                }
            } else {
                restante = std::max(restante, g);
            }
        }
        if (i < ordinati.size()) restante = std::max(restante, static_cast<double>(ordinati[i].first) * (1 + 1e-6));
        // Nothing left to gain: the rest in order.
        soglia = restante > 1e-300 ? std::min(soglia * (1 - kCaduta), restante) : kEscluso;
    }
    ordinati.clear();
    ordinati.shrink_to_fit();
    candidati.clear();
    candidati.shrink_to_fit();
    guadagni.clear();
    guadagni.shrink_to_fit();

    // Local search: each column in turn, in an order drawn from the seed,
    // moves to the neighbour (one sign changed, within the allowed signs)
    // that covers the most weight the others leave, when that is more than
    // it covers itself.
    std::vector<std::size_t> ordine(sol.size());
    for (std::size_t i = 0; i < ordine.size(); ++i) ordine[i] = i;
    riduzioni::GeneratoreCasuale g(o.seme);
    for (int passo = 0; passo < o.passi; ++passo) {
        for (std::size_t i = ordine.size(); i > 1; --i) std::swap(ordine[i - 1], ordine[g.Sotto(i)]);
        bool migliorato = false;
        for (std::size_t n = 0; n < ordine.size(); ++n) {
            const std::size_t i = ordine[n];
            const std::uint32_t c = sol[i];
            aggiungi(c, -1);
            std::uint32_t meglio = c;
            double meglioG = guadagno(c);
            const Mosse m(c);
            for (int r = 0; r < kRigheSchedina; ++r)
                for (int q = 0; q < 2; ++q) {
                    const std::int64_t d = m.d[static_cast<std::size_t>(r)][static_cast<std::size_t>(q)];
                    const auto v = static_cast<std::uint32_t>(static_cast<std::int64_t>(c) + d);
                    if (!(o.ammessi[static_cast<std::size_t>(r)] & (1u << Cifra(v, r))) || scelta[v]) continue;
                    const double gv = guadagno(v);
                    if (gv > meglioG * (1 + 1e-9) + 1e-300) {
                        meglio = v;
                        meglioG = gv;
                    }
                }
            aggiungi(meglio, 1);
            if (meglio != c) {
                sol[i] = meglio;
                migliorato = true;
            }
            if (n % 256 == 255 &&
                !continua(static_cast<long>(k) * (1 + passo) + static_cast<long>(n + 1))) {
                ris.fermato = true;
                return ris;
            }
        }
        if (!migliorato) break;
    }
    std::sort(sol.begin(), sol.end());
    ris.colonne = std::move(sol);
    ris.chance = Probabilita(ris.colonne, p);
    continua(totaleLavoro);
    return ris;
}

} // namespace veltra
