#pragma once
// The commands of the main window: id, menu text, prompt and tooltip, when
// each is enabled, and whether its window is already part of the program.
#include "dati/Campionati.h"
#include "platform/Risorse.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace veltra {

struct DatiGlobali;

// Command ids (the championship commands are in the championship table).
namespace comando {
inline constexpr int SalvaModifiche = 40001;
inline constexpr int Esci = 40002;
inline constexpr int NuoviIncontri = 40003;
inline constexpr int NuovoCampionato = 40004;
inline constexpr int CalcoloPicchetti = 40009;
inline constexpr int Sommario = 40010;
inline constexpr int NuovaSchedina = 40014;
inline constexpr int SistemaIntegrale = 40015;
inline constexpr int ImpostazioneParametri = 40020;
inline constexpr int RicercaParametri = 40021;
inline constexpr int SpoglioSchedine = 40028;
inline constexpr int ImmissioneQuote = 40059;
inline constexpr int CalcoloScommesse = 40060;
inline constexpr int SistemaRidotto = 40061;
inline constexpr int AggiornamentoInternet = 40063;
inline constexpr int ScontriDiretti = 40072;
inline constexpr int Consiglio = 40082;
inline constexpr int Stampa = 40084;
inline constexpr int ArchivioStorico = 40085;
inline constexpr int ModificaQuote = 40089;
inline constexpr int ClassificaCampionato = 40098;
inline constexpr int ArchiviInternet = 40117;
inline constexpr int StatisticheTotocalcio = 40122;
inline constexpr int QuoteInternet = 40134;
inline constexpr int CreaStrategia = 40139;
inline constexpr int VisualizzaStrategie = 40140;
inline constexpr int CalcoloRendimenti = 40141;
inline constexpr int ConfrontoAnalisi = 40148;
inline constexpr int EsportaEventi = 40150;
inline constexpr int RicercaStrategie = 40151;
inline constexpr int Info = 125;
// Not among the original commands: the out-of-sample scores of the models.
inline constexpr int QualitaStime = 40200;
// The next matchday of the calendar, whole, with the model's estimates.
inline constexpr int ProssimaGiornata = 40201;
} // namespace comando

// When a command may be used.
enum class RegolaAbilitazione {
    Sempre,
    SenzaFiltroCorrente,    // no historical cut-off on the current championship
    SenzaFiltri,            // no historical cut-off on any championship
    SchedinaPresente,       // a pools coupon exists
    SistemaRidottoPresente, // a coupon whose selected reduction has columns (see Comandi.cpp)
    EventiPresenti,         // the betting manager holds events
    StrategiePresenti,      // at least one strategy exists
    ConsiglioPresente,      // the tip-of-the-day object exists
};

struct DescrizioneComando {
    int id;
    std::string_view voceMenu;     // "Salva &modifiche"
    std::string_view prompt;       // status-bar text while the item is under the mouse
    std::string_view suggerimento; // tooltip of its toolbar button
    RegolaAbilitazione regola;
    // false while the command's window is not part of the program yet: it is
    // shown in its place but stays disabled.
    bool costruito;
};

// Every command but the 19 championships, in menu order.
std::span<const DescrizioneComando> ComandiPrincipali();

// Any command, championships included; nullopt for an unknown id.
std::optional<DescrizioneComando> CercaComando(int id);

// The championship a command selects, or nullopt.
std::optional<CampionatoId> CampionatoDelComando(int id);

// Facts the enabling rules look at that the store does not hold.
struct StatoAbilitazione {
    bool consiglioPresente = false;
    // Where the reduction tables are: an N-1 or error-correcting system has
    // the size of its table.
    std::filesystem::path cartellaRiduzioni = CartellaRiduzioni();
};

// A coupon whose selected reduction has columns (the reduced-system commands
// of the menu and of the print manager).
bool SchedinaConRidotto(const DatiGlobali& dati, const std::filesystem::path& cartellaRiduzioni);

// The rule alone, whether the command is built or not.
bool RegolaSoddisfatta(RegolaAbilitazione regola, const DatiGlobali& dati,
                       const StatoAbilitazione& stato = {});

// What the menu and toolbars show: built and its rule holds. Unknown ids are
// disabled.
bool ComandoAbilitato(int id, const DatiGlobali& dati, const StatoAbilitazione& stato = {});

// Whether the item is checked: the current championship.
bool ComandoSpuntato(int id, const DatiGlobali& dati);

} // namespace veltra
