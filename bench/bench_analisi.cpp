// What one move of a slider of the current analysis window costs on the
// shipped Serie A: AggiornaStime and PercentualeDatiUsati, and the whole
// window step (apply, figures, status texts), at the default 6 seasons and
// at every stored season. The baseline is a bare pass over the same
// replayed matches, measured in the same run.
#include "app/DatiGlobali.h"
#include "dati/FileDati.h"
#include "app/shell/StatoShell.h"
#include "engine/CMotoreStime.h"
#include "engine/parametri/CDlgImpostazioneParametri.h"
#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

using namespace veltra;

namespace {

std::filesystem::path CartellaDati() {
    if (const char* d = std::getenv("VELTRA_DATI")) return d;
    return std::filesystem::path(__FILE__).parent_path().parent_path() / "resources" / "dati";
}

std::unique_ptr<DatiGlobali> SerieA(int inclusi) {
    auto dati = std::make_unique<DatiGlobali>();
    if (!CaricaFileCampionati(*dati, CartellaDati())) return nullptr;
    CCampionato& c = dati->campionato(0);
    c.punteggiAvanzati.campionatiInclusi = inclusi;
    CreaMotore(c);
    return dati;
}

long PassaggioNudo(const CCampionato& c) {
    const int prima = std::max(0, c.config.numeroStagioni() - c.punteggiAvanzati.campionatiInclusi);
    long somma = 0;
    for (int i = c.incontri.inizioStagione(prima); i < c.incontri.numero(); ++i) {
        const Incontro& m = c.incontri[i];
        somma += m.casa * 7 + m.trasferta + m.risultato;
    }
    return somma;
}

void BM_PassaggioNudo(benchmark::State& state) {
    auto dati = SerieA(static_cast<int>(state.range(0)));
    if (!dati) return state.SkipWithError("dati non trovati");
    for (auto _ : state)
        benchmark::DoNotOptimize(PassaggioNudo(dati->campionato(0)));
}

// AggiornaStime and PercentualeDatiUsati: the engine's share of a move.
void BM_RicalcoloCampionato(benchmark::State& state) {
    auto dati = SerieA(static_cast<int>(state.range(0)));
    if (!dati) return state.SkipWithError("dati non trovati");
    CCampionato& c = dati->campionato(0);
    for (auto _ : state) {
        if (c.motore->AggiornaStime() != 0) return state.SkipWithError("fit fallito");
        benchmark::DoNotOptimize(c.motore->PercentualeDatiUsati());
    }
    state.counters["stagioni"] = c.config.numeroStagioni();
}

// The window's step: redistribution, apply, figures, status texts.
void BM_SpostamentoCursore(benchmark::State& state) {
    auto dati = SerieA(static_cast<int>(state.range(0)));
    if (!dati) return state.SkipWithError("dati non trovati");
    StatoShell stato;
    MessaggiSilenziosi messaggi;
    OrologioDiSistema orologio;
    CDlgImpostazioneParametri finestra(*dati, stato.finestre, messaggi, orologio);
    int valore = 100;
    for (auto _ : state) {
        valore = valore == 100 ? 101 : 100;
        finestra.CambiaPercentuale(0, valore);
        if (!finestra.okAbilitato()) return state.SkipWithError("fit fallito");
    }
}

} // namespace

BENCHMARK(BM_PassaggioNudo)->Arg(6)->Arg(64)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RicalcoloCampionato)->Arg(6)->Arg(64)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpostamentoCursore)->Arg(6)->Arg(64)->Unit(benchmark::kMicrosecond);
