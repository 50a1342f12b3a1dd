// The record of one strategy over 600 archived weeks of 30 events each, as
// the statistics window computes it: every week rebuilt, the strategy's
// three abstract events resolved, its two plays settled, the drawdown, run
// and 2000-resample interval computed. The goal is well under 100 ms, so the
// window answers at once. A second measure adds reading the 600 week files
// from disk (written once to a temporary folder).
#include "betting/ArchivioSettimane.h"
#include "betting/ScommessaMgr.h"
#include "betting/StatisticheStrategia.h"
#include "dati/FileAtomico.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <unistd.h>

using namespace veltra;

namespace {

std::vector<SettimanaArchiviata> Archivio(int settimane) {
    std::vector<SettimanaArchiviata> v;
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> u(0.0f, 1.0f);
    auto m = std::make_unique<ScommessaMgr>();
    for (int w = 0; w < settimane; ++w) {
        m->Azzera();
        for (int i = 0; i < 30; ++i) {
            const float p1 = 0.25f + 0.35f * u(rng), pX = 0.2f + 0.1f * u(rng), p2 = 1 - p1 - pX;
            auto q = [&](float p) { return (1.0f / p) * (0.9f + 0.2f * u(rng)); };
            m->AggiungiEvento(i % 8, 1, "C" + std::to_string(i), "T" + std::to_string(i),
                              {q(p1), q(pX), q(p2), 0, 0, 0}, p1, pX, p2);
            const float r = u(rng);
            m->eventi[static_cast<std::size_t>(i)].esito = r < p1 ? '1' : r < p1 + pX ? 'X' : '2';
        }
        // Weeks named by successive days of a few years: unique, valid dates.
        char nome[8];
        std::snprintf(nome, sizeof nome, "%02d%02d%02d", w % 28 + 1, w / 28 % 12 + 1, w / 336 + 3);
        SettimanaArchiviata s{nome, *DataDaNome(nome), {}};
        for (int i = 0; i < m->nEventi; ++i)
            s.eventi.push_back(m->eventi[static_cast<std::size_t>(i)]);
        v.push_back(std::move(s));
    }
    return v;
}

CStrategiaDesc Strategia() {
    CStrategiaDesc s;
    for (int posizione : {1, 2, 3}) {
        EventoStrategia e;
        e.tipo = 2; // sign 1 by largest equity
        e.posizione = static_cast<std::int16_t>(posizione);
        e.minProb1 = 0.35f, e.maxProbX = 1, e.maxProb2 = 1;
        e.minEquita = 0.9f, e.maxEquita = 2;
        e.minQuota = 1.2f, e.maxQuota = 4;
        s.eventiStrategia.push_back(e);
    }
    s.giocate = {{0, 1}, {0, 2}};
    return s;
}

void BM_StatisticheStrategia600(benchmark::State& stato) {
    const auto settimane = Archivio(600);
    const CStrategiaDesc s = Strategia();
    int giocabili = 0;
    for (auto _ : stato) {
        const StatisticheStrategia st = CalcolaStatistiche(s, settimane);
        giocabili = st.giocabili;
        benchmark::DoNotOptimize(st.guadagno);
    }
    stato.counters["giocabili"] = giocabili;
}
BENCHMARK(BM_StatisticheStrategia600)->Unit(benchmark::kMillisecond);

void BM_StatisticheStrategia600DaDisco(benchmark::State& stato) {
    const auto settimane = Archivio(600);
    std::string modello = (std::filesystem::temp_directory_path() / "veltra-bench-XXXXXX").string();
    const std::filesystem::path dir = ::mkdtemp(modello.data());
    std::vector<std::string> nomi;
    for (const auto& w : settimane) {
        auto m = std::make_unique<ScommessaMgr>();
        ManagerDaSettimana(w, *m);
        ScriviFileAtomico(dir / (w.nome + ".txt"), TestoSettimana(*m));
        nomi.push_back(w.nome);
    }
    std::vector<std::string> ordinati;
    for (const auto& n : nomi)
        ordinati = InserisciSettimana(std::move(ordinati), n);
    ScriviFileAtomico(dir / kFileSettimane, TestoRiepilogo(ordinati));
    const CStrategiaDesc s = Strategia();
    std::array<bool, kNumeroCampionati> maschera = MascheraStrategia(s);
    for (auto _ : stato) {
        const auto a = CaricaSettimane(dir, DataSettimana{1, 1, 2000}, maschera);
        const StatisticheStrategia st = CalcolaStatistiche(s, a->settimane);
        benchmark::DoNotOptimize(st.guadagno);
    }
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}
BENCHMARK(BM_StatisticheStrategia600DaDisco)->Unit(benchmark::kMillisecond);

} // namespace
