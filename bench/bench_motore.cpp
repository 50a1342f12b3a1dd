// AggiornaStime against a bare pass over the same replayed matches.
//
// The bare pass reads every replayed entry once and does nothing with it: the
// floor of any replay. The ratio says how much the engine costs beyond
// touching its data.
#include "app/DatiGlobali.h"
#include "dati/GeneratoreStagioni.h"
#include "engine/CMotoreStime.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

using namespace veltra;

namespace {

std::unique_ptr<DatiGlobali> Campionato40Stagioni() {
    auto dati = std::make_unique<DatiGlobali>();
    OpzioniGenerazione o;
    o.stagioni = 40;
    o.squadre = 20;
    o.seme = 2026;
    GeneraStagioni(dati->campionato(0), o);
    CreaMotore(dati->campionato(0));
    return dati;
}

// Reads each entry of the replayed seasons once.
long PassaggioNudo(const CCampionato& c) {
    const int prima = std::max(0, c.config.numeroStagioni() - c.punteggiAvanzati.campionatiInclusi);
    long somma = 0;
    for (int i = c.incontri.inizioStagione(prima); i < c.incontri.numero(); ++i) {
        const Incontro& m = c.incontri[i];
        somma += m.casa * 7 + m.trasferta + m.risultato;
    }
    return somma;
}

template <typename F> double NanosecondiPerChiamata(F&& f, int volte) {
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < volte; ++i) f();
    const auto t1 = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::nano>(t1 - t0).count() / volte;
}

void BM_AggiornaStime(benchmark::State& state) {
    auto dati = Campionato40Stagioni();
    CCampionato& c = dati->campionato(0);
    c.punteggiAvanzati.campionatiInclusi = static_cast<std::int32_t>(state.range(0));
    // A wider rectangle than the default 2 x 2, as searches use.
    c.limiteMinCasa = -3;
    c.limiteMaxCasa = 0;
    c.limiteMinTrasferta = -2;
    c.limiteMaxTrasferta = 1;
    if (c.motore->AggiornaStime() != 0) state.SkipWithError("fit fallito");
    int replay = 0;
    for (int i = c.incontri.inizioStagione(std::max(0, 40 - static_cast<int>(state.range(0))));
         i < c.incontri.numero(); ++i)
        replay += !c.incontri[i].separatore();

    for (auto _ : state) benchmark::DoNotOptimize(c.motore->AggiornaStime());

    // Both measured here, in the same run, for the ratio.
    const double nudo = NanosecondiPerChiamata(
        [&] { benchmark::DoNotOptimize(PassaggioNudo(c)); }, 2000);
    const double motore = NanosecondiPerChiamata(
        [&] { benchmark::DoNotOptimize(c.motore->AggiornaStime()); }, 300);
    state.counters["incontri"] = replay;
    state.counters["aggiornamenti/s"] = 1e9 / motore;
    state.counters["ns_motore"] = motore;
    state.counters["ns_passaggio_nudo"] = nudo;
    state.counters["rapporto"] = motore / nudo;
    state.counters["ns_per_incontro"] = motore / replay;
}
BENCHMARK(BM_AggiornaStime)->Arg(6)->Arg(40)->Unit(benchmark::kMicrosecond);

void BM_PercentualeDatiUsati(benchmark::State& state) {
    auto dati = Campionato40Stagioni();
    CCampionato& c = dati->campionato(0);
    c.motore->AggiornaStime();
    for (auto _ : state) benchmark::DoNotOptimize(c.motore->PercentualeDatiUsati());
}
BENCHMARK(BM_PercentualeDatiUsati)->Unit(benchmark::kMicrosecond);

} // namespace
