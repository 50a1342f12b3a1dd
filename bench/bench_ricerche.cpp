// The parameter searches on the shipped Serie A with default parameters and
// five matchdays at 100%.
//
// BM_RicercaPercentuali runs the real search (enumeration, threads, merge)
// on a window of the percentages: the fast path on one and on two threads,
// and the plain path (every candidate through AggiornaStime) on one thread as
// the baseline, all measured in the same run. From the two-thread rate it
// projects the full search with step 1 (every admissible candidate).
// BM_RicercaAvanzata runs the hill climb to its first pass without
// improvement.
#include "app/DatiGlobali.h"
#include "dati/FileDati.h"
#include "engine/CMotoreStime.h"
#include "engine/ValutatorePercentuali.h"
#include "tools/ricerche/RicercaAvanzata.h"
#include "tools/ricerche/RicercaPercentuali.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>

using namespace veltra;

namespace {

std::filesystem::path CartellaDati() {
    if (const char* d = std::getenv("VELTRA_DATI")) return d;
    return std::filesystem::path(__FILE__).parent_path().parent_path() / "resources" / "dati";
}

std::unique_ptr<DatiGlobali> SerieA(int giornate) {
    auto dati = std::make_unique<DatiGlobali>();
    if (!CaricaFileCampionati(*dati, CartellaDati())) return nullptr;
    CCampionato& c = dati->campionato(0);
    c.config.giornateAnalisi = static_cast<std::int16_t>(giornate);
    for (int k = 0; k < 5; ++k) c.config.percentualiImportanza[k] = k < giornate ? 100 : 0;
    CreaMotore(c);
    return dati;
}

struct Misura {
    double secondi = 0;
    long candidati = 0;
    TrovatePercentuali trovate;
    double alSecondo() const { return candidati / secondi; }
};

Misura Cerca(const CCampionato& c, int ampiezza, int thread, bool semplice) {
    std::atomic<bool> fermo{false};
    ContestoLavoro contesto(fermo, {});
    ImpostazioniRicercaPercentuali imp;
    imp.passo = 1;
    imp.ampiezza = ampiezza;
    imp.thread = thread;
    imp.semplice = semplice;
    const auto t0 = std::chrono::steady_clock::now();
    const auto e = CercaPercentuali(c, imp, ListaPercentualiIniziale(0.0f), contesto);
    Misura m;
    m.secondi = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    m.candidati = e.candidati;
    m.trovate = e.trovate;
    return m;
}

void BM_RicercaPercentuali(benchmark::State& state) {
    auto dati = SerieA(5);
    if (!dati) {
        state.SkipWithError("dati di Serie A non trovati");
        return;
    }
    const CCampionato& c = dati->campionato(0);
    Misura uno, due, semplice;
    for (auto _ : state) {
        uno = Cerca(c, 20, 1, false);
        due = Cerca(c, 20, 2, false);
        semplice = Cerca(c, 10, 1, true);
    }
    if (uno.trovate != due.trovate) state.SkipWithError("uno e due thread danno liste diverse");
    // Every candidate of the full search, step 1.
    const Percentuali cento = {100, 100, 100, 100, 100};
    const EnumerazionePercentuali tutta(5, cento, 1, 100);
    long totale = 0;
    for (const auto& b : tutta.Blocchi()) totale += tutta.NumeroCandidati(b);
    state.counters["candidati_ricerca_completa"] = static_cast<double>(totale);
    state.counters["al_s_semplice_1t"] = semplice.alSecondo();
    state.counters["al_s_rapida_1t"] = uno.alSecondo();
    state.counters["al_s_rapida_2t"] = due.alSecondo();
    state.counters["rapporto_1t"] = uno.alSecondo() / semplice.alSecondo();
    state.counters["minuti_completa_2t"] = totale / due.alSecondo() / 60.0;
    state.counters["minuti_completa_1t"] = totale / uno.alSecondo() / 60.0;
    state.counters["minuti_completa_semplice_1t"] = totale / semplice.alSecondo() / 60.0;
}
BENCHMARK(BM_RicercaPercentuali)->Iterations(1)->Unit(benchmark::kSecond);

void BM_RicercaAvanzata(benchmark::State& state) {
    auto dati = SerieA(2);
    if (!dati) {
        state.SkipWithError("dati di Serie A non trovati");
        return;
    }
    const CCampionato& c = dati->campionato(0);
    EsitoRicercaAvanzata e;
    for (auto _ : state) {
        std::atomic<bool> fermo{false};
        ContestoLavoro contesto(fermo, {});
        ImpostazioniRicercaAvanzata imp;
        imp.thread = static_cast<int>(state.range(0));
        e = CercaAvanzata(c, imp, ListaAvanzataIniziale(), contesto);
    }
    state.counters["candidati"] = static_cast<double>(e.candidati);
    state.counters["miglioramenti"] = e.miglioramenti;
    state.counters["precisione"] = e.precisione;
}
BENCHMARK(BM_RicercaAvanzata)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
