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

// The strategy search: every candidate of the grid of one sign ('1'), under
// the four rankings and for the twelve kinds of play (six events considered),
// over 250 weeks. BM_RicercaStrategieArchivioReale reads a real archive of
// weeks, the working folder named by VELTRA_ARCHIVIO_SETTIMANE (as
// bench/prepara-archivio-settimane.sh builds it; skipped when unset): its
// bookmaker folder with the most weeks, from the 250th week before the last,
// all championships together (Arg 0) or Serie A alone (Arg 1), on one and two
// threads. BM_RicercaStrategieArchivioGenerato does the same over 250
// generated weeks of 10 events, for machines without the data, on the
// grid's first blocks. Counters: candidates tried, candidates per second,
// weeks searched, events per week, and the ratio of the search's time per
// candidate and thread to a bare pass's over the same week masks.
#include "betting/GrigliaStrategie.h"
#include "betting/RicercaStrategie.h"
#include "betting/RicercaVeloce.h"
#include "platform/Lavori.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <span>

namespace {

class RapportoMuto : public IRapportoRicerca {
public:
    void Campionato(const std::string&) override {}
    void Pronostico(const std::string&) override {}
    void Svuota() override {}
    void Aggiungi(const std::string&) override {}
};

constexpr int kSettimaneRicerca = 250;

ParametriRicerca ParametriBench(int bookmaker, const DataSettimana& dal, int thread) {
    ParametriRicerca p;
    p.bookmaker = bookmaker;
    p.dataInizio = dal;
    p.segni = {true, false, false};
    p.ordinamenti = {true, true, true, true};
    p.eventiDaConsiderare = 6;
    p.distinti = false;
    p.salvaStrategie = false;
    p.thread = thread;
    return p;
}

// The bare pass over the same week masks (the ANDs and the ranked events of
// every ranking, without settlement or bests) for the grid's first `n`
// candidates, on one thread: seconds per candidate. The ratio counter is the
// search's seconds per candidate and thread over this.
double SecondiNudoPerCandidato(std::span<const SettimanaArchiviata> settimane,
                               const ParametriRicerca& p, long n) {
    const auto t0 = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(PassaggioNudo(settimane, p, '1', n));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() /
           static_cast<double>(n);
}

void ContatoriNudo(benchmark::State& stato, std::span<const SettimanaArchiviata> settimane,
                   const ParametriRicerca& p, long candidati, double secondi) {
    if (candidati <= 0 || secondi <= 0)
        return;
    const double nudo = SecondiNudoPerCandidato(settimane, p, std::min(candidati, 200000L));
    const int thread = p.thread > 0 ? p.thread : 2;
    stato.counters["nudo_candidati_al_s"] = 1 / nudo;
    stato.counters["rapporto_passaggio_nudo"] =
        secondi * thread / static_cast<double>(candidati) / nudo;
}

// Runs the search once per iteration and fills the counters.
void MisuraRicerca(benchmark::State& stato, const ParametriRicerca& p,
                   const std::filesystem::path& cartella) {
    const std::filesystem::path archivio =
        cartella / kCartellaEsportate / CartellaBookmakerRicerca(p.bookmaker);
    std::string errore;
    const auto caricato = CaricaSettimane(archivio, p.dataInizio, p.inclusi, &errore);
    if (!caricato || caricato->settimane.empty()) {
        stato.SkipWithError(("nessuna settimana in " + archivio.string() + " " + errore).c_str());
        return;
    }
    std::size_t eventi = 0;
    for (const auto& s : caricato->settimane) eventi += s.eventi.size();
    EsitoRicercaStrategie esito;
    double secondi = 0;
    for (auto _ : stato) {
        ListaStrategie strategie;
        std::int32_t prossimo = 0;
        RapportoMuto rapporto;
        std::atomic<bool> fermo{false};
        ContestoLavoro contesto(fermo, {});
        const auto t0 = std::chrono::steady_clock::now();
        esito = CercaStrategie(p, cartella, strategie, prossimo, DataOra{}, rapporto, contesto);
        secondi += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    if (!esito.errore.empty()) stato.SkipWithError(esito.errore.c_str());
    const double n = static_cast<double>(caricato->settimane.size());
    stato.counters["settimane"] = n;
    stato.counters["eventi_per_settimana"] = static_cast<double>(eventi) / n;
    stato.counters["candidati"] = static_cast<double>(esito.candidati);
    stato.counters["candidati_al_s"] =
        secondi > 0 ? static_cast<double>(esito.candidati) * static_cast<double>(stato.iterations()) / secondi : 0;
    stato.counters["vincitori"] = static_cast<double>(esito.vincitori.size());
    ContatoriNudo(stato, caricato->settimane, p, esito.candidati,
                  secondi / static_cast<double>(stato.iterations()));
}

void BM_RicercaStrategieArchivioReale(benchmark::State& stato) {
    const char* variabile = std::getenv("VELTRA_ARCHIVIO_SETTIMANE");
    if (!variabile || !*variabile) {
        stato.SkipWithError("VELTRA_ARCHIVIO_SETTIMANE non impostata (una cartella di lavoro con "
                            "QUOTE-ESPORTATE, vedi bench/prepara-archivio-settimane.sh)");
        return;
    }
    const std::filesystem::path cartella = variabile;
    // The bookmaker folder with the most weeks.
    int bookmaker = -1;
    std::vector<std::string> nomi;
    for (int b = 0; b < kNumeroBookmaker; ++b) {
        const auto testo = LeggiFile(cartella / kCartellaEsportate / CartellaBookmakerRicerca(b) / kFileSettimane);
        const auto elenco = testo ? LeggiRiepilogo(*testo) : std::nullopt;
        if (elenco && elenco->size() > nomi.size()) {
            nomi = *elenco;
            bookmaker = b;
        }
    }
    if (bookmaker < 0) {
        stato.SkipWithError(("nessun archivio di settimane in " + cartella.string()).c_str());
        return;
    }
    const std::size_t primo = nomi.size() > kSettimaneRicerca ? nomi.size() - kSettimaneRicerca : 0;
    ParametriRicerca p = ParametriBench(bookmaker, *DataDaNome(nomi[primo]), static_cast<int>(stato.range(1)));
    if (stato.range(0) == 1) {
        p.inclusi.fill(false);
        p.inclusi[0] = true;
    }
    MisuraRicerca(stato, p, cartella);
}
BENCHMARK(BM_RicercaStrategieArchivioReale)
    ->ArgNames({"solo_serie_a", "thread"})
    ->Args({0, 1})
    ->Args({0, 2})
    ->Args({1, 2})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

// 250 weeks (successive Mondays from 5 January 2015) of 10 events of four
// championships, probabilities and odds drawn around the grid's limits with
// a fixed seed, results drawn from the probabilities.
std::vector<SettimanaArchiviata> SettimaneGenerate() {
    std::vector<SettimanaArchiviata> v;
    std::mt19937 rng(19);
    std::uniform_real_distribution<float> u(0.0f, 1.0f);
    auto m = std::make_unique<ScommessaMgr>();
    using namespace std::chrono;
    const sys_days lunedi = year{2015} / January / 5;
    for (int w = 0; w < kSettimaneRicerca; ++w) {
        m->Azzera();
        for (int i = 0; i < 10; ++i) {
            const float p1 = 0.25f + 0.45f * u(rng), pX = 0.18f + 0.14f * u(rng), p2 = 1 - p1 - pX;
            auto q = [&](float p) { return (1.0f / p) * (0.88f + 0.24f * u(rng)); };
            m->AggiungiEvento(std::array{0, 1, 4, 5}[static_cast<std::size_t>(i % 4)], 1,
                              "C" + std::to_string(i), "T" + std::to_string(i),
                              {q(p1), q(pX), q(p2), 0, 0, 0}, p1, pX, p2);
            const float r = u(rng);
            m->eventi[static_cast<std::size_t>(i)].esito = r < p1 ? '1' : r < p1 + pX ? 'X' : '2';
        }
        const year_month_day d{lunedi + days{7 * w}};
        char nome[8];
        std::snprintf(nome, sizeof nome, "%02u%02u%02d", static_cast<unsigned>(d.day()),
                      static_cast<unsigned>(d.month()), static_cast<int>(d.year()) % 100);
        SettimanaArchiviata s{nome, *DataDaNome(nome), {}};
        for (int i = 0; i < m->nEventi; ++i)
            s.eventi.push_back(m->eventi[static_cast<std::size_t>(i)]);
        v.push_back(std::move(s));
    }
    return v;
}

// The candidates of the whole grid of a sign.
long CandidatiGriglia(char segno) {
    struct Conta {
        long n = 0;
        void InizioEquitaMin(float) {}
        void Candidato(const LimitiCandidato&) { ++n; }
        bool FineEquitaMax(float, float) { return true; }
        void FineEquitaMin(float) {}
    } conta;
    PercorriGriglia(segno, conta);
    return conta.n;
}

// The whole grid takes more than a minute on these weeks; the measure walks
// its first blocks (equity minimum and maximum pairs, the broadest limits
// first) through the search the run uses and projects the whole grid's
// seconds from their rate (high: the broad first blocks pass more events).
void BM_RicercaStrategieArchivioGenerato(benchmark::State& stato) {
    constexpr int kBlocchi = 8;
    const auto settimane = SettimaneGenerate();
    const int thread = static_cast<int>(stato.range(0));
    const ParametriRicerca p = ParametriBench(5, DataSettimana{5, 1, 2015}, thread);
    EsitoSegno esito;
    double secondi = 0;
    for (auto _ : stato) {
        const auto t0 = std::chrono::steady_clock::now();
        esito = CercaSegnoBlocchi(settimane, p, '1', thread, {}, nullptr, kBlocchi);
        secondi += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    const double alSecondo =
        secondi > 0 ? static_cast<double>(esito.candidati) * static_cast<double>(stato.iterations()) / secondi : 0;
    const long griglia = CandidatiGriglia('1');
    std::size_t eventi = 0;
    for (const auto& s : settimane) eventi += s.eventi.size();
    stato.counters["settimane"] = static_cast<double>(settimane.size());
    stato.counters["eventi_per_settimana"] = static_cast<double>(eventi) / static_cast<double>(settimane.size());
    stato.counters["candidati"] = static_cast<double>(esito.candidati);
    stato.counters["candidati_al_s"] = alSecondo;
    stato.counters["candidati_griglia"] = static_cast<double>(griglia);
    stato.counters["secondi_griglia_stimati"] = alSecondo > 0 ? static_cast<double>(griglia) / alSecondo : 0;
    stato.counters["miglioramenti"] = static_cast<double>(esito.miglioramenti.size());
    ContatoriNudo(stato, settimane, p, esito.candidati,
                  secondi / static_cast<double>(stato.iterations()));
}
BENCHMARK(BM_RicercaStrategieArchivioGenerato)
    ->ArgName("thread")
    ->Arg(1)
    ->Arg(2)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

} // namespace
