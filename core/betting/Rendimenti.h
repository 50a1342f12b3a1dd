#pragma once
// The yields of the strategies on a past week, and the yields file (".REN")
// that follows them week after week: for every strategy its weeks' status
// and cumulative yield, and every stored week's events with their results.
#include "betting/CStrategiaDesc.h"
#include "betting/Evento.h"
#include "betting/Strategie.h"
#include "dati/Campionati.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

class Archivio;
struct ScommessaMgr;
class ContestoLavoro;

inline constexpr const char* kTitoloNuovoRendimento =
    "TALBOR 5 - Creazione di un nuovo File di Rendimento";
inline constexpr const char* kTitoloApriRendimento =
    "TALBOR 5 - Apertura di un File di Rendimento";
inline constexpr const char* kTitoloCaricaRendimento =
    "TALBOR 5 - Caricamento File di Rendimento";
inline constexpr const char* kFiltroRendimento = "File di Rendimento (*.REN)";
inline constexpr const char* kErroreCreazioneRendimento =
    "Errore nella creazione del File di Rendimento.";
inline constexpr const char* kErroreAperturaRendimento =
    "Errore nell'apertura del File di Rendimento.";

// Status of a strategy in one week.
inline constexpr std::int32_t kNonRealizzabile = -1;
inline constexpr std::int32_t kSenzaVincite = 0;
inline constexpr std::int32_t kVincente = 1;

struct SettimanaStrategia {
    std::int32_t esito = kSenzaVincite;
    float rendimentoCumulato = 0;
    friend bool operator==(const SettimanaStrategia&, const SettimanaStrategia&) = default;
};

struct StoriaStrategia {
    std::int32_t numero = 0;
    std::vector<SettimanaStrategia> settimane; // its most recent weeks, oldest first
    friend bool operator==(const StoriaStrategia&, const StoriaStrategia&) = default;
};

struct SettimanaRendimento {
    std::array<std::int32_t, kNumeroCampionati> giornata = {};
    std::vector<Evento> eventi; // with their esito; numero and data are not kept
    friend bool operator==(const SettimanaRendimento&, const SettimanaRendimento&) = default;
};

struct CRendimento {
    std::vector<StoriaStrategia> strategie;
    std::vector<SettimanaRendimento> settimane;

    // Reads all or nothing; team names are cut to 15 characters.
    void Serializza(Archivio& ar);
    friend bool operator==(const CRendimento&, const CRendimento&) = default;
};

// One week's yields of the whole strategy list, in list order.
struct RendimentiSettimana {
    std::vector<RisoluzioneStrategia> risoluzioni;
    std::vector<Liquidazione> liquidazioni;
    std::vector<std::int32_t> stato;   // kNonRealizzabile, kSenzaVincite, kVincente
    std::vector<double> rendimento;    // 0 for a strategy that cannot be resolved
    bool fermato = false;
};

// Resolves (silently) and settles every strategy on the week of `m`, whose
// events carry their results. `m` is left as the last resolution made it.
RendimentiSettimana CalcolaRendimenti(const ListaStrategie& lista, ScommessaMgr& m,
                                      const ContestoLavoro* contesto = nullptr);

// The week as the yields file stores it.
SettimanaRendimento SettimanaDa(const ScommessaMgr& m);

// A new file: every strategy with this week alone.
CRendimento NuovoRendimento(const ListaStrategie& lista, const RendimentiSettimana& r,
                            const ScommessaMgr& m);
// The stored file brought up to this week: the strategies are exactly the
// list's, in its order, each keeping the weeks the file has for its number.
// Appending adds one week; replacing takes the place of the last one (of
// each strategy and of the stored weeks), building on the week before it.
CRendimento AggiornaRendimento(const CRendimento& vecchio, const ListaStrategie& lista,
                               const RendimentiSettimana& r, const ScommessaMgr& m,
                               bool sostituisciUltima);

std::string ScriviRendimento(const CRendimento& r);
std::optional<CRendimento> LeggiRendimento(const std::string& byte, std::string* errore = nullptr);
// Reads a file; nullopt (with the reason) when it cannot be read or is damaged.
std::optional<CRendimento> CaricaRendimento(const std::filesystem::path& file,
                                            std::string* errore = nullptr);
// Written to a temporary file renamed over the old one: a failed write
// leaves the old file whole.
bool SalvaRendimento(const std::filesystem::path& file, const CRendimento& r);

// What the strategy window shows of a strategy from a yields file.
struct RiepilogoRendimento {
    bool presente = false;
    int settimaneAnalisi = 0;   // status 0 or 1
    double percentualeVincenti = 0; // of those, with status 1, in percent
    double rendimento = 0;      // cumulative yield of its last week, in percent
};
RiepilogoRendimento RiepilogoStrategia(const CRendimento& r, std::int32_t numero);

} // namespace veltra
