// The conditioned system: the fast count against a bare enumeration of the
// same 3^14 columns and against the plain column-by-column test; the two
// reductions against their quadratic reference; the size of the held system.
#include "pools/CostruzioneSistema.h"
#include "pools/EnumeratoreCondizionato.h"
#include "pools/OperazioniSchedina.h"
#include "pools/ProbabilitaSistema.h"
#include "pools/RiduzioneCondizionato.h"
#include "pools/VerificaColonna.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <random>

using namespace veltra;

namespace {

Schedina Triple(int triple) {
    Schedina s;
    std::mt19937 g(1415);
    std::uniform_real_distribution<float> u(0.2f, 0.5f);
    for (int r = 0; r < kRigheSchedina; ++r) {
        Partita& p = s.partite[r];
        p.campionato = 0;
        p.prob1 = u(g);
        p.probX = u(g);
        p.prob2 = 1.09f - p.prob1 - p.probX;
        const char* t = r < triple ? "1X2" : "1";
        for (int i = 0; t[i]; ++i) p.segni[i] = static_cast<std::int16_t>(SegnoDaCarattere(t[i]));
        p.pronosticoAuto = t;
    }
    s.schedinaAssente = 0;
    s.riduzioneMin = s.riduzioneMax = -2;
    return s;
}

CColonnaFiltro Filtro(const char* righe, int min, int max, char gruppo) {
    CColonnaFiltro f;
    for (int r = 0; r < kRigheSchedina; ++r) {
        const char c = righe[r];
        f.pronostici[r] = c == 'a' ? std::array<char, 4>{'1', 'X', 0, 0}
                          : c == 'b' ? std::array<char, 4>{'X', '2', 0, 0}
                                     : std::array<char, 4>{c, 0, 0, 0};
    }
    f.punteggioMin = static_cast<std::int16_t>(min);
    f.punteggioMax = static_cast<std::int16_t>(max);
    f.gruppo = gruppo;
    return f;
}

// All four kinds of condition, four filter columns in two groups.
CondizioniRiduzione Condizioni(const Schedina& s) {
    CondizioniRiduzione k;
    k.attivoSegni = 1;
    k.min1 = 3, k.max1 = 8, k.minX = 2, k.maxX = 7, k.min2 = 1, k.max2 = 6;
    k.attivoConsecutivi = 1;
    k.maxCons1 = 4, k.maxConsX = 3, k.maxCons2 = 3;
    k.attivoProbabilita = 1;
    const LimitiProbabilita l = CalcolaLimitiProbabilita(s);
    k.probMin = l.minima + (l.massima - l.minima) * 0.0001;
    k.probMax = l.minima + (l.massima - l.minima) * 0.5;
    k.numColonneFiltro = 4;
    k.colonneFiltro[0] = Filtro("1X21X21X21X21X", 4, 10, 'A');
    k.colonneFiltro[1] = Filtro("aaaaaaa-------", 5, 7, 'A');
    k.colonneFiltro[2] = Filtro("-------bbbbbbb", 3, 6, 'B');
    k.colonneFiltro[3] = Filtro("2222222XXXXXXX", 0, 5, 'B');
    k.colonneNelGruppo[0] = k.colonneNelGruppo[1] = 2;
    k.minColonneGruppo[0] = 1, k.maxColonneGruppo[0] = 2;
    k.minColonneGruppo[1] = 1, k.maxColonneGruppo[1] = 2;
    k.minGruppi = 1, k.maxGruppi = 2;
    return k;
}

template <class F>
double Secondi(F&& f) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Every column of the full system made once, its signs summed: the floor of any test.
long EnumerazioneNuda(const SpazioIntegrale& sp) {
    long somma = 0;
    EnumeraIntegrale(sp, [&](const Colonna& c) { somma += c[0] + c[13]; });
    return somma;
}

double SecondiNudo(const SpazioIntegrale& sp) {
    static double s = [&] {
        double migliore = 1e9;
        for (int i = 0; i < 3; ++i)
            migliore = std::min(migliore, Secondi([&] { benchmark::DoNotOptimize(EnumerazioneNuda(sp)); }));
        return migliore;
    }();
    return s;
}

std::int64_t ContaColonnaPerColonna(const CondizioniRiduzione& k, const Schedina& s) {
    std::int64_t n = 0;
    EnumeraIntegrale(SpazioDi(s), [&](const Colonna& c) { n += VerificaColonna(k, s, c); });
    return n;
}

void BM_EnumerazioneNuda_3alla14(benchmark::State& st) {
    const SpazioIntegrale sp = SpazioDi(Triple(14));
    for (auto _ : st) benchmark::DoNotOptimize(EnumerazioneNuda(sp));
    st.counters["colonne"] = static_cast<double>(sp.totale);
}
BENCHMARK(BM_EnumerazioneNuda_3alla14)->Unit(benchmark::kMillisecond);

void BM_ContaColonnaPerColonna_3alla14(benchmark::State& st) {
    const Schedina s = Triple(14);
    const CondizioniRiduzione k = Condizioni(s);
    std::int64_t n = 0;
    for (auto _ : st) n = ContaColonnaPerColonna(k, s);
    st.counters["passano"] = static_cast<double>(n);
}
BENCHMARK(BM_ContaColonnaPerColonna_3alla14)->Unit(benchmark::kMillisecond)->Iterations(1);

// Counter "per_nudo": time of the count / time of the bare enumeration.
void BM_ContaCondizionato_3alla14(benchmark::State& st) {
    const Schedina s = Triple(14);
    const CondizioniRiduzione k = Condizioni(s);
    const EnumeratoreCondizionato e(k, s);
    EnumeratoreCondizionato::Opzioni o;
    o.thread = static_cast<int>(st.range(0));
    std::int64_t n = 0;
    double tempo = 0;
    int volte = 0;
    for (auto _ : st) {
        tempo += Secondi([&] { n = e.Esegui(o).conta; });
        ++volte;
    }
    static const std::int64_t atteso = ContaColonnaPerColonna(k, s);
    if (n != atteso) st.SkipWithError("il conteggio non e' quello del test colonna per colonna");
    st.counters["passano"] = static_cast<double>(n);
    st.counters["per_nudo"] = tempo / volte / SecondiNudo(e.spazio());
}
BENCHMARK(BM_ContaCondizionato_3alla14)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The conditioned system of 3^14 listed and held: its memory in MB.
void BM_CostruisciCondizionato_3alla14(benchmark::State& st) {
    const Schedina s = Triple(14);
    CondizioniRiduzione k; // no condition: all 4,782,969 columns
    const EnumeratoreCondizionato e(k, s);
    EnumeratoreCondizionato::Opzioni o;
    o.elenca = true;
    SistemaRidotto r;
    for (auto _ : st) {
        auto esito = e.Esegui(o);
        r = SistemaDaIndici(e.spazio(), esito.indici, nullptr);
    }
    st.counters["colonne"] = r.numColonne;
    st.counters["MB_tenuti"] =
        static_cast<double>(r.colonne.capacity() * sizeof(std::uint32_t) + r.statoColonne.capacity()) / 1e6;
}
BENCHMARK(BM_CostruisciCondizionato_3alla14)->Unit(benchmark::kMillisecond)->Iterations(2);

// A conditioned system of about 20,000 columns (19,968): nine triples and
// one double, two or three 2.
struct Sistema20000 {
    Schedina s;
    SpazioIntegrale sp;
    std::vector<std::int32_t> indici;
    std::vector<std::vector<std::int16_t>> matrice;
    Sistema20000() {
        s = Triple(9);
        s.partite[9].segni = {0, 1, -1};
        s.partite[9].pronosticoAuto = "1X";
        CondizioniRiduzione k;
        k.attivoSegni = 1;
        k.min2 = 2;
        k.max2 = 3;
        EnumeratoreCondizionato e(k, s);
        EnumeratoreCondizionato::Opzioni o;
        o.elenca = true;
        indici = e.Esegui(o).indici;
        sp = SpazioDi(s);
        matrice.assign(static_cast<std::size_t>(sp.righeVariabili()), std::vector<std::int16_t>(indici.size()));
        for (std::size_t i = 0; i < indici.size(); ++i) {
            const std::uint32_t w = sp.ParolaDaIndice(indici[i]);
            for (std::size_t r = 0; r < matrice.size(); ++r)
                matrice[r][i] = static_cast<std::int16_t>((w >> (2 * r)) & 3);
        }
    }
};

const Sistema20000& S20000() {
    static const Sistema20000 s;
    return s;
}

void BM_RiduzioneStandard_Quadratica(benchmark::State& st) {
    const auto& s = S20000();
    std::size_t n = 0;
    for (auto _ : st) n = riferimento::RiduzioneStandard(s.matrice).size();
    st.counters["colonne"] = static_cast<double>(s.indici.size());
    st.counters["tenute"] = static_cast<double>(n);
}
BENCHMARK(BM_RiduzioneStandard_Quadratica)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_RiduzioneStandard(benchmark::State& st) {
    const auto& s = S20000();
    std::size_t n = 0;
    for (auto _ : st) n = RiduciCondizionato(s.sp, s.indici, MetodoRiduzione::Standard).size();
    st.counters["colonne"] = static_cast<double>(s.indici.size());
    st.counters["tenute"] = static_cast<double>(n);
}
BENCHMARK(BM_RiduzioneStandard)->Unit(benchmark::kMillisecond);

// The first five rounds of the quadratic AVANZATO: the whole method goes on
// for thousands of rounds, each about as costly on the columns still open,
// so the ratio to these five rounds is a lower bound of the real ratio.
void BM_RiduzioneAvanzata_CinqueGiriQuadratici(benchmark::State& st) {
    const auto& s = S20000();
    for (auto _ : st) benchmark::DoNotOptimize(riferimento::RiduzioneAvanzata(s.matrice, 5));
    st.counters["colonne"] = static_cast<double>(s.indici.size());
}
BENCHMARK(BM_RiduzioneAvanzata_CinqueGiriQuadratici)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_RiduzioneAvanzata(benchmark::State& st) {
    const auto& s = S20000();
    std::size_t n = 0;
    for (auto _ : st) n = RiduciCondizionato(s.sp, s.indici, MetodoRiduzione::Avanzato).size();
    st.counters["colonne"] = static_cast<double>(s.indici.size());
    st.counters["tenute"] = static_cast<double>(n);
}
BENCHMARK(BM_RiduzioneAvanzata)->Unit(benchmark::kMillisecond);

// AVANZATO on the whole 3^10 = 59,049 columns of ten triples.
void BM_RiduzioneAvanzata_3alla10(benchmark::State& st) {
    const Schedina s = Triple(10);
    const EnumeratoreCondizionato e(CondizioniRiduzione{}, s);
    EnumeratoreCondizionato::Opzioni o;
    o.elenca = true;
    const auto indici = e.Esegui(o).indici;
    std::size_t n = 0;
    for (auto _ : st) n = RiduciCondizionato(e.spazio(), indici, MetodoRiduzione::Avanzato).size();
    st.counters["colonne"] = static_cast<double>(indici.size());
    st.counters["tenute"] = static_cast<double>(n);
}
BENCHMARK(BM_RiduzioneAvanzata_3alla10)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// The best system for a budget: K columns among the full system of 9
// triples and 5 doubles (629,856 columns) and among all 3^14, for a
// coupon with the probabilities of Triple(); Arg(0) the budget, Arg(1)
// the threads.
ProbabilitaRighe ProbabilitaBench() {
    std::string errore;
    return *ProbabilitaDi(Triple(0), &errore);
}

void BM_SistemaOttimo_Integrale(benchmark::State& st) {
    const ProbabilitaRighe p = ProbabilitaBench();
    OpzioniOttimo o;
    o.colonne = static_cast<std::int32_t>(st.range(0));
    o.thread = static_cast<int>(st.range(1));
    for (int r = 0; r < kRigheSchedina; ++r) o.ammessi[static_cast<std::size_t>(r)] = r < 9 ? 7 : 3;
    double p12 = 0;
    for (auto _ : st) p12 = CercaOttimo(p, o).chance.p12;
    st.counters["p12"] = p12;
}
BENCHMARK(BM_SistemaOttimo_Integrale)->Args({2000, 2})->Args({20000, 1})->Args({20000, 2})
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_SistemaOttimo_3alla14(benchmark::State& st) {
    const ProbabilitaRighe p = ProbabilitaBench();
    OpzioniOttimo o;
    o.colonne = static_cast<std::int32_t>(st.range(0));
    o.thread = static_cast<int>(st.range(1));
    o.ammessi.fill(7);
    double p12 = 0;
    for (auto _ : st) p12 = CercaOttimo(p, o).chance.p12;
    st.counters["p12"] = p12;
}
BENCHMARK(BM_SistemaOttimo_3alla14)->Args({2000, 2})->Args({20000, 2})
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// The exact chance of 20,000 columns, and of the full system of 3^14.
void BM_ProbabilitaEsatta(benchmark::State& st) {
    const ProbabilitaRighe p = ProbabilitaBench();
    std::mt19937 g(7);
    std::vector<std::uint32_t> c(static_cast<std::size_t>(st.range(0)));
    for (auto& x : c) x = g() % kEsiti;
    for (auto _ : st) benchmark::DoNotOptimize(ProbabilitaEsatta(c, p));
}
BENCHMARK(BM_ProbabilitaEsatta)->Arg(20000)->Arg(4782969)->Unit(benchmark::kMillisecond);

} // namespace
