#include "tools/ricerche/RicercaPercentuali.h"

#include "dati/Campionato.h"
#include "platform/Priorita.h"

#include <atomic>
#include <cmath>
#include <exception>
#include <limits>
#include <mutex>
#include <string>
#include <thread>

namespace veltra {

int InserisciTrovataPercentuali(TrovatePercentuali& lista, float precisione, const Percentuali& w) {
    int i = kAnalisiTrovate - 1;
    while (i >= 0 && !(lista[static_cast<std::size_t>(i)].precisione >= precisione)) --i;
    if (i == kAnalisiTrovate - 1) return -1;
    for (int k = kAnalisiTrovate - 1; k > i + 1; --k)
        lista[static_cast<std::size_t>(k)] = lista[static_cast<std::size_t>(k - 1)];
    lista[static_cast<std::size_t>(i + 1)] = {precisione, w};
    return i + 1;
}

TrovatePercentuali ListaPercentualiIniziale(float precisionePartenza) {
    TrovatePercentuali lista;
    for (auto& t : lista) t = {precisionePartenza, {}};
    return lista;
}

namespace {

// The ten best of one block, in the order the insertion rule keeps them.
struct RisultatoBlocco {
    TrovatePercentuali migliori;
    long candidati = 0;
};

constexpr int kCandidatiPerControllo = 64; // between two looks at the stop request

} // namespace

EsitoRicercaPercentuali CercaPercentuali(const CCampionato& campionato,
                                         const ImpostazioniRicercaPercentuali& imp,
                                         const TrovatePercentuali& iniziale,
                                         const ContestoLavoro& contesto,
                                         const std::function<void(float)>& migliorata) {
    Percentuali partenza;
    std::copy(std::begin(campionato.config.percentualiImportanza),
              std::end(campionato.config.percentualiImportanza), partenza.begin());
    const EnumerazionePercentuali en(campionato.config.giornateAnalisi, partenza, imp.passo,
                                     imp.ampiezza);
    const std::vector<BloccoPercentuali> blocchi =
        imp.ripresa >= 0 ? en.Blocchi(imp.ripresa, imp.ripresaSecondo) : en.Blocchi();
    const std::size_t numeroBlocchi = blocchi.size();

    std::vector<RisultatoBlocco> risultati(numeroBlocchi);
    std::unique_ptr<std::atomic<bool>[]> finiti(new std::atomic<bool>[numeroBlocchi]);
    for (std::size_t b = 0; b < numeroBlocchi; ++b) finiti[b] = false;
    std::atomic<std::size_t> prossimo{0};
    std::atomic<long> fatti{0}, valutati{0}, semplici{0};
    std::atomic<bool> interrotto{false};
    std::mutex errore;
    std::mutex mutexMigliore;
    float migliore = iniziale[0].precisione;
    std::exception_ptr eccezione;

    auto lavora = [&](bool principale) {
        try {
            if (!principale) AbbassaPrioritaThread();
            ValutatorePercentuali valutatore(campionato);
            std::vector<Percentuali> candidati;
            float precisione[kCandidatiPerControllo];
            bool riuscito[kCandidatiPerControllo];
            struct Conta {
                std::atomic<long>& totale;
                const ValutatorePercentuali& v;
                ~Conta() { totale += v.valutatiSemplici(); }
            } conta{semplici, valutatore};
            for (;;) {
                if (contesto.FermoRichiesto() || interrotto) return;
                const std::size_t b = prossimo.fetch_add(1);
                if (b >= numeroBlocchi) return;
                candidati.clear();
                en.Candidati(blocchi[b], candidati);
                RisultatoBlocco r;
                r.migliori = ListaPercentualiIniziale(-std::numeric_limits<float>::infinity());
                const int n = static_cast<int>(candidati.size());
                for (int i = 0; i < n; i += kCandidatiPerControllo) {
                    if (contesto.FermoRichiesto()) return; // the block stays unfinished
                    const int quanti = std::min(kCandidatiPerControllo, n - i);
                    const Percentuali* c = candidati.data() + i;
                    if (imp.semplice) {
                        for (int j = 0; j < quanti; ++j)
                            riuscito[j] = valutatore.ValutaSemplice(c[j], precisione[j]);
                    } else {
                        valutatore.Valuta(c, quanti, precisione, riuscito);
                    }
                    for (int j = 0; j < quanti; ++j)
                        // A fit that yields no number is a failed evaluation.
                        if (riuscito[j] && std::isfinite(precisione[j]))
                            InserisciTrovataPercentuali(r.migliori, precisione[j], c[j]);
                }
                r.candidati = n;
                risultati[b] = r;
                finiti[b].store(true, std::memory_order_release);
                if (migliorata && std::isfinite(r.migliori[0].precisione)) {
                    std::lock_guard<std::mutex> l(mutexMigliore);
                    if (r.migliori[0].precisione > migliore) {
                        migliore = r.migliori[0].precisione;
                        migliorata(migliore);
                    }
                }
                valutati += n;
                const long f = ++fatti;
                if (principale)
                    contesto.Avanza(f, static_cast<long>(numeroBlocchi),
                                    std::to_string(valutati.load()) + " analisi provate");
            }
        } catch (...) {
            std::lock_guard<std::mutex> l(errore);
            if (!eccezione) eccezione = std::current_exception();
            interrotto = true;
        }
    };

    const int thread = std::max(1, imp.thread);
    std::vector<std::thread> aiutanti;
    for (int t = 1; t < thread; ++t) aiutanti.emplace_back(lavora, false);
    lavora(true);
    for (auto& t : aiutanti) t.join();
    if (eccezione) std::rethrow_exception(eccezione);

    EsitoRicercaPercentuali esito;
    esito.trovate = iniziale;
    esito.candidatiTotali = valutati;
    std::size_t b = 0;
    for (; b < numeroBlocchi && finiti[b].load(std::memory_order_acquire); ++b) {
        for (const auto& t : risultati[b].migliori)
            if (std::isfinite(t.precisione))
                InserisciTrovataPercentuali(esito.trovate, t.precisione, t.percentuali);
        esito.candidati += risultati[b].candidati;
    }
    esito.completata = b == numeroBlocchi;
    if (!esito.completata) {
        esito.ripresa = blocchi[b].esterno;
        esito.ripresaSecondo = blocchi[b].secondo;
    }
    esito.valutatiSemplici = semplici;
    return esito;
}

} // namespace veltra
