#pragma once
// The print manager "VELTRA - Gestore Stampe": the printable items of every
// subsystem, when each can be ticked, and the run that prints the ticked
// ones in a fixed order, each after its own confirmation (Cancel skips only
// that item).
#include "platform/Risorse.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace veltra {

struct DatiGlobali;
class IMessaggi;
class IServizioStampa;
class IOrologio;

// In the order the run prints them.
enum class VoceStampa {
    AnalisiCorrente,
    ArchivioAnalisi,
    SchedinaIntegrale,
    SchedineRidotto,
    Scommesse,
    TabulatoIntegrale,
    TabulatoRidotto,
};
inline constexpr int kVociStampa = 7;

// What only the window layer can do: the coupon print dialog (for the
// reduced system, the run has built it first), and building the selected
// reduced system (a job; `fine(true)` once the coupon holds it; at once when
// it is already built).
class IAzioniGestoreStampe {
public:
    virtual ~IAzioniGestoreStampe() = default;
    virtual void StampaSchedine(bool integrale) = 0;
    virtual void CostruisciRidotto(std::function<void(bool)> fine) = 0;
};

class CDlgGestoreStampe {
public:
    static constexpr const char* kTitolo = "VELTRA - Gestore Stampe";
    static constexpr const char* kSelezionaCampionato = "Seleziona un Campionato.";

    explicit CDlgGestoreStampe(DatiGlobali& dati,
                               std::filesystem::path cartellaRiduzioni = CartellaRiduzioni())
        : dati_(dati), cartellaRiduzioni_(std::move(cartellaRiduzioni)) {}

    // Shown text and tool tip of an item.
    static const char* Etichetta(VoceStampa v);
    static const char* Suggerimento(VoceStampa v);
    // The bets item is named after the ranking chosen in the betting module.
    std::string etichettaScommesse() const;

    bool abilitata(VoceStampa v) const;
    bool spuntata(VoceStampa v) const { return spunte_[Indice(v)] && abilitata(v); }
    // Ticking an analysis item preselects the first championship when its
    // drop-down has none.
    void Spunta(VoceStampa v, bool si);
    // The championship drop-downs of the two analysis items (nullopt: no
    // current item); enabled while their box is ticked.
    std::optional<int> campionato(VoceStampa v) const;
    void ScegliCampionato(VoceStampa v, std::optional<int> id);
    bool tendinaAbilitata(VoceStampa v) const { return spuntata(v); }

    bool stampaAbilitata() const;

    // "&Stampa": every ticked item in order. Where the reduced system must be
    // built first, the run goes on when `azioni` has built it, possibly
    // later: `messaggi`, `servizio`, `orologio`, `azioni` and this object
    // must outlive the build.
    void Stampa(IMessaggi& messaggi, IServizioStampa& servizio, const IOrologio& orologio,
                IAzioniGestoreStampe& azioni);

    // The item names of the terminal (`veltra-cli stampa --voce`).
    static const char* NomeTerminale(VoceStampa v);
    static std::optional<VoceStampa> DaNomeTerminale(const std::string& nome);

private:
    // The items after the slips: bets, full and reduced listings.
    void StampaDopoSchedine(IMessaggi& messaggi, IServizioStampa& servizio, const IOrologio& orologio,
                            IAzioniGestoreStampe& azioni);
    static int Indice(VoceStampa v) { return static_cast<int>(v); }

    DatiGlobali& dati_;
    std::filesystem::path cartellaRiduzioni_;
    std::array<bool, kVociStampa> spunte_{};
    std::optional<int> campionatoAnalisi_, campionatoArchivio_;
};

} // namespace veltra
