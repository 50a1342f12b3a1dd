#include "pools/EnumeratoreCondizionato.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <thread>

namespace veltra {

namespace {

constexpr int kR = kRigheSchedina;
// Pieces of the walk shared between the threads: enough to keep both busy
// and to report progress often, few enough to cost nothing.
constexpr std::int64_t kPezziMinimi = 256;
// Margin of the probability bounds: the running product and the bound are
// both within a few units in the last place of the true product.
constexpr double kMargine = 1e-12;

struct Opzione {
    char segno = '-';
    int classe = 2; // 0 '1', 1 'X', 2 any other (counted as 2)
    double fattore = 1.0;
    std::vector<std::uint8_t> colpite; // active filter columns hit by this sign
};

struct Filtro {
    int min = 0, max = 14;
    int gruppo = -1;
};

} // namespace

struct EnumeratoreCondizionato::Piano {
    SpazioIntegrale sp;
    CondizioniRiduzione k;
    std::array<std::vector<Opzione>, kR> opzioni;
    std::vector<Filtro> filtri;
    bool usaFiltri = false;
    std::array<bool, kNumeroGruppi> gruppoContato{};
    // Rows from r on that can still give a 1, an X, a 2 (or another sign).
    std::array<std::array<int, kR + 1>, 3> possibili{};
    bool potaProbabilita = false;
    std::array<double, kR + 1> maxDa{}, minDa{};
    int profonditaPezzi = 0;
    std::int64_t pezzi = 1;
};

namespace {

struct Stato {
    std::int64_t indice = 0;
    double p = 1.0;
    int n[3] = {0, 0, 0};
    int seq[3] = {0, 0, 0};
    char ultimo = 0;
    int lunghezza = 0;
};

int ClasseSequenza(char c) { return c == '1' ? 0 : c == 'X' ? 1 : c == '2' ? 2 : -1; }

class Visitatore {
public:
    using Piano = EnumeratoreCondizionato::Piano;
    Visitatore(const Piano& p, std::vector<std::int32_t>* elenco) : p_(p), elenco_(elenco) {
        punti_.assign(p.filtri.size(), 0);
        verificato_.assign(p.filtri.size(), false);
        for (std::size_t i = 0; i < p.filtri.size(); ++i) {
            verificato_[i] = p.filtri[i].min <= 0 && 0 <= p.filtri[i].max;
            if (verificato_[i] && p.filtri[i].gruppo >= 0) ++tally_[p.filtri[i].gruppo];
        }
        for (int g = 0; g < kNumeroGruppi; ++g) {
            gruppoOk_[g] = VerificaGruppo(g);
            gruppiOk_ += p.gruppoContato[g] && gruppoOk_[g];
        }
    }

    // One piece: the rows above the split fixed by `pezzo`.
    std::int64_t Pezzo(std::int64_t pezzo) {
        Stato st;
        std::int64_t resto = pezzo;
        std::array<int, kR> scelte{};
        for (int r = p_.profonditaPezzi - 1; r >= 0; --r) {
            const auto n = static_cast<std::int64_t>(p_.opzioni[r].size());
            scelte[r] = static_cast<int>(resto % n);
            resto /= n;
        }
        std::int64_t conta = 0;
        int applicate = 0;
        bool vivo = true;
        for (int r = 0; r < p_.profonditaPezzi; ++r) {
            st = Applica(st, r, scelte[r]);
            ++applicate;
            if (Potato(st, r + 1)) {
                vivo = false;
                break;
            }
        }
        if (vivo) conta = Visita(p_.profonditaPezzi, st);
        for (int r = applicate - 1; r >= 0; --r) Togli(r, scelte[r]);
        return conta;
    }

private:
    bool VerificaGruppo(int g) const {
        return p_.k.minColonneGruppo[g] <= tally_[g] && tally_[g] <= p_.k.maxColonneGruppo[g];
    }

    void Cambia(std::size_t i, int delta) {
        punti_[i] += delta;
        const Filtro& f = p_.filtri[i];
        const bool v = f.min <= punti_[i] && punti_[i] <= f.max;
        if (v == verificato_[i]) return;
        verificato_[i] = v;
        const int g = f.gruppo;
        if (g < 0) return;
        tally_[g] += v ? 1 : -1;
        const bool ok = VerificaGruppo(g);
        if (ok != gruppoOk_[g]) {
            gruppoOk_[g] = ok;
            if (p_.gruppoContato[g]) gruppiOk_ += ok ? 1 : -1;
        }
    }

    Stato Applica(Stato st, int r, int o) {
        const Opzione& op = p_.opzioni[r][static_cast<std::size_t>(o)];
        st.indice += o * p_.sp.pesi[r];
        st.p *= op.fattore;
        ++st.n[op.classe];
        st.lunghezza = st.ultimo == op.segno ? st.lunghezza + 1 : 1;
        st.ultimo = op.segno;
        if (const int c = ClasseSequenza(op.segno); c >= 0 && st.lunghezza > st.seq[c])
            st.seq[c] = st.lunghezza;
        for (std::uint8_t i : op.colpite) Cambia(i, +1);
        return st;
    }
    void Togli(int r, int o) {
        for (std::uint8_t i : p_.opzioni[r][static_cast<std::size_t>(o)].colpite) Cambia(i, -1);
    }

    // Nothing below can pass any more (rows from `da` on are still open).
    bool Potato(const Stato& st, int da) const {
        const CondizioniRiduzione& k = p_.k;
        if (k.attivoSegni) {
            if (st.n[0] > k.max1 || st.n[1] > k.maxX || st.n[2] > k.max2) return true;
            if (st.n[0] + p_.possibili[0][da] < k.min1 || st.n[1] + p_.possibili[1][da] < k.minX ||
                st.n[2] + p_.possibili[2][da] < k.min2)
                return true;
        }
        if (k.attivoConsecutivi) {
            if (st.seq[0] > k.maxCons1 || st.seq[1] > k.maxConsX || st.seq[2] > k.maxCons2)
                return true;
            const int restanti = kR - da;
            const int mins[3] = {k.minCons1, k.minConsX, k.minCons2};
            for (int c = 0; c < 3; ++c) {
                const int corrente = ClasseSequenza(st.ultimo) == c ? st.lunghezza : 0;
                if (std::max(st.seq[c], corrente + restanti) < mins[c]) return true;
            }
        }
        if (k.attivoProbabilita && p_.potaProbabilita) {
            if (st.p * p_.maxDa[da] * (1.0 + kMargine) < k.probMin) return true;
            if (st.p * p_.minDa[da] * (1.0 - kMargine) > k.probMax) return true;
        }
        return false;
    }

    bool Passa(const Stato& st) const {
        const CondizioniRiduzione& k = p_.k;
        if (p_.usaFiltri && (gruppiOk_ < k.minGruppi || gruppiOk_ > k.maxGruppi)) return false;
        if (k.attivoSegni && (st.n[0] < k.min1 || st.n[0] > k.max1 || st.n[1] < k.minX ||
                              st.n[1] > k.maxX || st.n[2] < k.min2 || st.n[2] > k.max2))
            return false;
        if (k.attivoConsecutivi &&
            (st.seq[0] < k.minCons1 || st.seq[0] > k.maxCons1 || st.seq[1] < k.minConsX ||
             st.seq[1] > k.maxConsX || st.seq[2] < k.minCons2 || st.seq[2] > k.maxCons2))
            return false;
        if (k.attivoProbabilita && !(k.probMin <= st.p && st.p <= k.probMax)) return false;
        return true;
    }

    std::int64_t Visita(int r, const Stato& st) {
        if (r == kR) {
            if (!Passa(st)) return 0;
            if (elenco_) elenco_->push_back(static_cast<std::int32_t>(st.indice));
            return 1;
        }
        std::int64_t conta = 0;
        const int n = static_cast<int>(p_.opzioni[r].size());
        for (int o = 0; o < n; ++o) {
            const Stato figlio = Applica(st, r, o);
            if (!Potato(figlio, r + 1)) conta += Visita(r + 1, figlio);
            Togli(r, o);
        }
        return conta;
    }

    const Piano& p_;
    std::vector<std::int32_t>* elenco_;
    std::vector<int> punti_;
    std::vector<bool> verificato_;
    std::array<int, kNumeroGruppi> tally_{};
    std::array<bool, kNumeroGruppi> gruppoOk_{};
    int gruppiOk_ = 0;
};

} // namespace

EnumeratoreCondizionato::EnumeratoreCondizionato(const CondizioniRiduzione& cond, const Schedina& s)
    : piano_(std::make_unique<Piano>()) {
    Piano& p = *piano_;
    p.sp = SpazioDi(s);
    p.k = cond;
    const int nf = std::clamp<int>(cond.numColonneFiltro, 0, kMaxColonneFiltro);
    p.usaFiltri = cond.numColonneFiltro > 0;
    std::vector<const CColonnaFiltro*> attive;
    for (int i = 0; i < nf; ++i) {
        const CColonnaFiltro& f = cond.colonneFiltro[static_cast<std::size_t>(i)];
        if (!f.attiva) continue;
        const int g = f.gruppo - 'A';
        p.filtri.push_back({f.punteggioMin, f.punteggioMax, g >= 0 && g < kNumeroGruppi ? g : -1});
        attive.push_back(&f);
    }
    for (int g = 0; g < kNumeroGruppi; ++g) p.gruppoContato[g] = cond.colonneNelGruppo[g] > 0;

    bool positivi = true;
    for (int r = 0; r < kR; ++r) {
        const Partita& partita = s.partite[static_cast<std::size_t>(r)];
        for (char c : p.sp.segni[r]) {
            Opzione o;
            o.segno = c;
            o.classe = c == '1' ? 0 : c == 'X' ? 1 : 2;
            o.fattore = FattoreProbabilita(partita, c);
            if (!(o.fattore > 0.0) || !std::isfinite(o.fattore)) positivi = false;
            for (std::size_t i = 0; i < attive.size(); ++i) {
                const std::string_view e = attive[i]->Pronostico(r);
                if (e != "-" && e.find(c) != std::string_view::npos)
                    o.colpite.push_back(static_cast<std::uint8_t>(i));
            }
            p.opzioni[r].push_back(std::move(o));
        }
    }
    p.maxDa[kR] = p.minDa[kR] = 1.0;
    for (int r = kR - 1; r >= 0; --r) {
        double lo = p.opzioni[r][0].fattore, hi = lo;
        bool classi[3] = {false, false, false};
        for (const Opzione& o : p.opzioni[r]) {
            lo = std::min(lo, o.fattore);
            hi = std::max(hi, o.fattore);
            classi[o.classe] = true;
        }
        p.maxDa[r] = p.maxDa[r + 1] * hi;
        p.minDa[r] = p.minDa[r + 1] * lo;
        for (int c = 0; c < 3; ++c) p.possibili[c][r] = p.possibili[c][r + 1] + (classi[c] ? 1 : 0);
    }
    p.potaProbabilita = positivi && std::isfinite(p.maxDa[0]) && p.minDa[0] > 0.0;
    while (p.profonditaPezzi < kR && p.pezzi < kPezziMinimi)
        p.pezzi *= static_cast<std::int64_t>(p.opzioni[p.profonditaPezzi++].size());
}

EnumeratoreCondizionato::~EnumeratoreCondizionato() = default;
EnumeratoreCondizionato::EnumeratoreCondizionato(EnumeratoreCondizionato&&) noexcept = default;
EnumeratoreCondizionato& EnumeratoreCondizionato::operator=(EnumeratoreCondizionato&&) noexcept = default;

const SpazioIntegrale& EnumeratoreCondizionato::spazio() const { return piano_->sp; }

EnumeratoreCondizionato::Esito EnumeratoreCondizionato::Esegui(const Opzioni& o) const {
    const Piano& p = *piano_;
    int thread = o.thread > 0 ? o.thread
                              : std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 2);
    thread = static_cast<int>(std::min<std::int64_t>(thread, p.pezzi));
    const std::int64_t colonnePezzo = p.sp.totale / p.pezzi;

    std::vector<std::vector<std::int32_t>> elenchi(o.elenca ? static_cast<std::size_t>(p.pezzi) : 0);
    std::vector<std::int64_t> conte(static_cast<std::size_t>(p.pezzi), 0);
    std::atomic<std::int64_t> prossimo{0}, fatte{0};
    std::atomic<bool> basta{false};
    auto fermo = [&] { return basta.load(std::memory_order_relaxed) || (o.fermo && o.fermo->load()); };

    auto lavora = [&](bool principale) {
        for (;;) {
            if (fermo()) return;
            const std::int64_t i = prossimo.fetch_add(1);
            if (i >= p.pezzi) return;
            Visitatore v(p, o.elenca ? &elenchi[static_cast<std::size_t>(i)] : nullptr);
            conte[static_cast<std::size_t>(i)] = v.Pezzo(i);
            const std::int64_t f = fatte.fetch_add(colonnePezzo) + colonnePezzo;
            if (principale && o.avanzamento && !o.avanzamento(f)) basta = true;
        }
    };

    std::exception_ptr errore;
    std::vector<std::thread> aiutanti;
    for (int t = 1; t < thread; ++t)
        aiutanti.emplace_back([&] {
            try {
                lavora(false);
            } catch (...) {
                errore = std::current_exception();
                basta = true;
            }
        });
    try {
        lavora(true);
    } catch (...) {
        basta = true;
        for (auto& t : aiutanti) t.join();
        throw;
    }
    for (auto& t : aiutanti) t.join();
    if (errore) std::rethrow_exception(errore);

    Esito e;
    e.fermato = fermo();
    if (e.fermato) return e;
    for (std::int64_t c : conte) e.conta += c;
    if (o.elenca) {
        e.indici.reserve(static_cast<std::size_t>(e.conta));
        for (auto& v : elenchi) {
            e.indici.insert(e.indici.end(), v.begin(), v.end());
            std::vector<std::int32_t>().swap(v);
        }
    }
    return e;
}

LimitiProbabilita CalcolaLimitiProbabilita(const Schedina& s, const std::atomic<bool>* fermo) {
    const SpazioIntegrale sp = SpazioDi(s);
    std::array<std::vector<double>, kR> fattori;
    for (int r = 0; r < kR; ++r)
        for (char c : sp.segni[r]) fattori[r].push_back(FattoreProbabilita(s.partite[r], c));
    LimitiProbabilita l;
    bool primo = true;
    std::int64_t passi = 0;
    bool fermato = false;
    // Depth first with the running product: the leaves see exactly the
    // products of the plain column-by-column computation.
    auto visita = [&](auto&& self, int r, double p) -> void {
        if (fermato) return;
        if (r == kR) {
            if (primo || p < l.minima) l.minima = p;
            if (primo || p > l.massima) l.massima = p;
            primo = false;
            if ((++passi & 0xFFFF) == 0 && fermo && fermo->load()) fermato = true;
            return;
        }
        for (double f : fattori[r]) self(self, r + 1, p * f);
    };
    visita(visita, 0, 1.0);
    return l;
}

} // namespace veltra
