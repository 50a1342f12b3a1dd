// The rating model's walk forward over a whole league's five seasons (the
// shipped Serie A 2019-20 to 2023-24, with Serie B for the promoted clubs):
// what `veltra-cli valuta` and the window "Qualità delle Stime" cost, a fit
// for every date with matches. Also one fit of the current season.
#include "app/DatiGlobali.h"
#include "dati/FileDati.h"
#include "engine/rating/ModelloRating.h"
#include "tools/qualita/TaraturaRating.h"
#include "tools/qualita/ValutazioneStime.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace veltra;

namespace {

struct SerieAeB {
    std::unique_ptr<DatiGlobali> dati = std::make_unique<DatiGlobali>();
    bool ok = false;
    SerieAeB() {
        ok = CaricaCampionato(dati->campionato(0), VELTRA_RESOURCES_DIR "/dati") &&
             CaricaCampionato(dati->campionato(1), VELTRA_RESOURCES_DIR "/dati");
    }
};

void BM_RatingCinqueStagioni(benchmark::State& state) {
    SerieAeB d;
    if (!d.ok) {
        state.SkipWithError("dati predefiniti non letti");
        return;
    }
    const CCampionato& a = d.dati->campionato(0);
    const int dal = 2019 - a.descrizione().annoPrimaStagione + 1;
    auto copia = CopiaPerValutazione(a);
    auto inferiore = CopiaPerValutazione(d.dati->campionato(1));
    const ParametriRating p = ParametriRatingPredefiniti(0);
    double rps = 0;
    for (auto _ : state) {
        rps = RpsFuoriCampioneRating(*copia, inferiore.get(), dal, dal + 4, p);
        benchmark::DoNotOptimize(rps);
    }
    state.counters["rps"] = rps;
}
BENCHMARK(BM_RatingCinqueStagioni)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_RatingUnaStima(benchmark::State& state) {
    SerieAeB d;
    if (!d.ok) {
        state.SkipWithError("dati predefiniti non letti");
        return;
    }
    for (auto _ : state) {
        ModelloRating m(ParametriRatingPredefiniti(0));
        m.ImpostaInferiore(&d.dati->campionato(1));
        benchmark::DoNotOptimize(m.Aggiorna(d.dati->campionato(0)));
    }
}
BENCHMARK(BM_RatingUnaStima)->Unit(benchmark::kMillisecond);

} // namespace
