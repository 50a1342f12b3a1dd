#include "app/shell/MenuPrincipale.h"

#include "app/shell/BarreStrumenti.h"
#include "app/shell/Comandi.h"

#include <array>

namespace veltra {

namespace {
constexpr int S = kSeparatore;
namespace k = comando;

// The menus follow the work as the user does it: files first; then the
// championship to work on; bringing its data up to date; setting and
// searching the analysis; looking at the results; the pools; the bets; help.
// Items keep the order of the toolbar groups, so a button and its menu item
// are found in the same place.
constexpr std::array kFile = {k::SalvaModifiche, k::Stampa, S, k::Esci};
constexpr std::array kCampionati = {40066, 40067, 40077, 40079, S,     40132, 40143,
                                    40130, 40099, 40103, 40100, 40125, 40145, 40128,
                                    40120, 40146, 40097, 40080, 40081, 40126};
constexpr std::array kAggiornamenti = {k::NuovoCampionato, k::NuoviIncontri, S,
                                       k::AggiornamentoInternet};
constexpr std::array kAnalisi = {k::ImpostazioneParametri, k::RicercaParametri, S,
                                 k::ArchiviInternet, k::ConfrontoAnalisi, S, k::QualitaStime,
                                 k::ProssimaGiornata};
constexpr std::array kStatistiche = {k::ClassificaCampionato, k::ArchivioStorico, k::ScontriDiretti,
                                     S, k::CalcoloPicchetti};
constexpr std::array kTotocalcio = {k::NuovaSchedina,   k::SistemaIntegrale,
                                    k::SistemaRidotto,  S,
                                    k::SpoglioSchedine, k::StatisticheTotocalcio};
constexpr std::array kScommesse = {
    k::ImmissioneQuote, k::QuoteInternet,       k::ModificaQuote,     k::CalcoloScommesse, S,
    k::CreaStrategia,   k::VisualizzaStrategie, k::CalcoloRendimenti, k::RicercaStrategie, S,
    k::EsportaEventi};
constexpr std::array kAiuto = {k::Sommario, k::Consiglio, S, k::Info};

const std::array kMenu = {
    Menu{"&File", kFile},
    Menu{"&Campionati", kCampionati},
    Menu{"&Aggiornamenti", kAggiornamenti},
    Menu{"A&nalisi", kAnalisi},
    Menu{"&Statistiche", kStatistiche},
    Menu{"&Totocalcio", kTotocalcio},
    Menu{"Sc&ommesse", kScommesse},
    Menu{"&?", kAiuto},
};
} // namespace

std::span<const Menu> MenuPrincipale() {
    return kMenu;
}

} // namespace veltra
