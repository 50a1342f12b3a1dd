// Checking a play: a reduced system of 100,000 columns against the results,
// and the winning columns of the full system of 3^14 columns, counted and
// walked one by one.
#include "pools/CostruzioneSistema.h"
#include "pools/OperazioniSchedina.h"
#include "pools/SpoglioSchedina.h"
#include "pools/VerificaColonna.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

using namespace veltra;

namespace {

Schedina Triple(int triple) {
    Schedina s;
    s.schedinaAssente = 0;
    for (int r = 0; r < kRigheSchedina; ++r) {
        Partita& p = s.partite[static_cast<std::size_t>(r)];
        p.campionato = 0;
        p.prob1 = p.probX = p.prob2 = 0.33f;
        const std::string t = r < triple ? "1X2" : "1";
        for (std::size_t k = 0; k < t.size(); ++k)
            p.segni[k] = static_cast<std::int16_t>(SegnoDaCarattere(t[k]));
        p.pronosticoAuto = t;
    }
    return s;
}

const RisultatiSchedina kRisultati = *RisultatiDaTesto("1X21X21X21X211");

void BM_SpoglioRidotto100000(benchmark::State& st) {
    // 100,000 columns drawn from a full system of 3^11 x ... (11 triples).
    Schedina s = Triple(11);
    const SpazioIntegrale sp = SpazioDi(s);
    std::vector<std::int32_t> indici;
    std::mt19937 g(3);
    for (int i = 0; i < 100000; ++i)
        indici.push_back(static_cast<std::int32_t>(g() % static_cast<std::uint32_t>(sp.totale)));
    s.riduzioneMin = s.riduzioneMax = -2;
    s.ridotto = SistemaDaIndici(sp, indici, nullptr);
    for (auto _ : st) {
        const EsitoSpoglioRidotto e = SpogliaRidotto(s, kRisultati);
        benchmark::DoNotOptimize(e.dodici);
    }
    st.SetItemsProcessed(st.iterations() * 100000);
}
BENCHMARK(BM_SpoglioRidotto100000)->Unit(benchmark::kMillisecond);

void BM_VincentiIntegrale3alla14Conteggio(benchmark::State& st) {
    const Schedina s = Triple(14);
    for (auto _ : st) {
        const EsitoIntegrale e = SpogliaIntegrale(s, kRisultati);
        benchmark::DoNotOptimize(e.colonne12);
    }
}
BENCHMARK(BM_VincentiIntegrale3alla14Conteggio)->Unit(benchmark::kMicrosecond);

void BM_VincentiIntegrale3alla14Enumerazione(benchmark::State& st) {
    const Schedina s = Triple(14);
    for (auto _ : st) {
        const auto c = ContaVincentiEnumerando(s, kRisultati);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_VincentiIntegrale3alla14Enumerazione)->Unit(benchmark::kMillisecond);

} // namespace
