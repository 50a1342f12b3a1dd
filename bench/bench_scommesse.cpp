// The largest enumeration of the bet selection: multiples of 6 among the 20
// best events on a double-chance type, where every sign of every event can
// be played (C(20,6)·3^6 ≈ 28 million evaluations, the 540 best kept). The
// baseline is a bare loop over the same combinations and signs computing the
// running products and nothing else, measured in the same run; the plain
// enumeration (one bet built and placed per evaluation) is measured on
// multiples of 4, where it ends in reasonable time.
#include "betting/ScommessaMgr.h"
#include "betting/SelezioneScommesse.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace veltra;

namespace {

ScommessaMgr Settimana() {
    ScommessaMgr m;
    std::mt19937 rng(5);
    std::uniform_real_distribution<float> u(0.0f, 1.0f);
    for (int i = 0; i < 30; ++i) {
        const float p1 = 0.25f + 0.3f * u(rng), pX = 0.2f + 0.1f * u(rng), p2 = 1 - p1 - pX;
        auto q = [&](float p) { return (1.0f / p) * (0.92f + 0.2f * u(rng)); };
        m.AggiungiEvento(i % 5, 1, "C" + std::to_string(i), "T" + std::to_string(i),
                         {q(p1), q(pX), q(p2), q(p1 + pX), q(p1 + p2), q(pX + p2)}, p1, pX, p2);
    }
    CriteriPredefiniti(m);
    m.minProbDoppia = 0;
    m.minEquita = 0, m.maxEquita = 5, m.minQuota = 0, m.maxQuota = 100;
    OrdinaEventi(m, 12, 0); // by equity, every double chance allowed
    return m;
}

long Valutazioni(int gambe) {
    long c = 1;
    for (int i = 1; i <= gambe; ++i)
        c = c * (20 - gambe + i) / i * 3;
    return c;
}

// The same combinations and signs, the three running products, a sum.
float AnelloNudo(const ScommessaMgr& m, int gambe) {
    float p[20][3], q[20][3];
    for (int i = 0; i < 20; ++i)
        for (int s = 0; s < 3; ++s) {
            p[i][s] = m.eventi[i].prob[kQuota1X + s];
            q[i][s] = m.eventi[i].quote[kQuota1X + s];
        }
    float somma = 0;
    int idx[6];
    auto segni = [&](auto&& self, int g, float pp, float qq) -> void {
        for (int s = 0; s < 3; ++s) {
            const float np = pp * p[idx[g]][s], nq = qq * q[idx[g]][s];
            if (g + 1 < gambe)
                self(self, g + 1, np, nq);
            else
                somma += np * nq;
        }
    };
    auto indici = [&](auto&& self, int g, int da) -> void {
        if (g == gambe) return segni(segni, 0, 1.0f, 1.0f);
        for (int i = da; i <= 20 - (gambe - g); ++i) {
            idx[g] = i;
            self(self, g + 1, i + 1);
        }
    };
    indici(indici, 0, 0);
    return somma;
}

void BM_AnelloNudo(benchmark::State& state) {
    const ScommessaMgr m = Settimana();
    const int gambe = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(AnelloNudo(m, gambe));
    state.counters["valutazioni"] = static_cast<double>(Valutazioni(gambe));
}

void BM_CercaScommesse(benchmark::State& state) {
    const ScommessaMgr m = Settimana();
    const int gambe = static_cast<int>(state.range(0));
    const int fili = static_cast<int>(state.range(1));
    for (auto _ : state) {
        auto r = CercaScommesse(m, gambe, fili);
        if (r.size() != static_cast<std::size_t>(kMaxScommesse))
            return state.SkipWithError("lista incompleta");
        benchmark::DoNotOptimize(r.data());
    }
    state.counters["valutazioni"] = static_cast<double>(Valutazioni(gambe));
}

void BM_CercaScommesseSemplice(benchmark::State& state) {
    const ScommessaMgr m = Settimana();
    const int gambe = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(CercaScommesseSemplice(m, gambe).data());
    state.counters["valutazioni"] = static_cast<double>(Valutazioni(gambe));
}

} // namespace

BENCHMARK(BM_AnelloNudo)->Arg(4)->Arg(6)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CercaScommesse)
    ->Args({4, 1})
    ->Args({4, 2})
    ->Args({6, 1})
    ->Args({6, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_CercaScommesseSemplice)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
