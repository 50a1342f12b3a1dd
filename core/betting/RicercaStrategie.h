#pragma once
// The strategy search: every combination of limits on the probabilities, the
// equity and the odds of a sign is tried over the archived weeks of one
// bookmaker; for each way of ranking the week's events and each kind of play
// the best combination is reported, and optionally saved as a strategy, on an
// HTML page and in a tab-separated text file.
#include "betting/ArchivioSettimane.h"
#include "betting/CStrategiaDesc.h"
#include "dati/Campionati.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

class ContestoLavoro;

inline constexpr int kTipiGiocata = 12;  // "Singola n.1" .. "1a fissa più 2 su 3"
inline constexpr int kOrdinamenti = 4;   // 0 max P(s), 1 min P(2) (sign '1' only), 2 max E(s), 3 max Q(s)
const char* NomeTipoGiocata(int tipo);       // the table's names
int EventiTipoGiocata(int tipo);             // 1,2,3,4,5,6,2,3,4,4,5,4
const char* NomeBookmakerRicerca(int i);     // "BETANDWIN" .. "ALTRO BOOKMAKER"
const char* CartellaBookmakerRicerca(int i); // same, "ALTROBOOKMAKER" for 5

// Today's date and time, for names and texts.
struct DataOra {
    int giorno = 1, mese = 1, anno = 2000, ora = 0, minuto = 0;
};

struct LimitiCandidato {
    float minProb1 = 0, maxProb1 = 0, minProbX = 0, maxProbX = 0, minProb2 = 0, maxProb2 = 0,
          minEquita = 0, maxEquita = 0, minQuota = 0, maxQuota = 0;
    friend bool operator==(const LimitiCandidato&, const LimitiCandidato&) = default;
};

struct ParametriRicerca {
    int bookmaker = 0;
    DataSettimana dataInizio{10, 11, 2002};
    std::array<bool, 3> segni{true, false, false};              // '1','X','2'
    std::array<bool, 4> ordinamenti{true, true, false, false};  // 0 and 1 move together
    int eventiDaConsiderare = 1;                                // 1..6
    int minSettimaneUtili = 50;                                 // 0..100 step 5
    std::array<int, 12> minSettimaneVincenti{50, 25, 10, 5, 0, 0, 75, 50, 65, 30, 15, 25};
    bool maxRendimento = true;
    std::array<bool, kNumeroCampionati> inclusi = TuttiInclusi();
    bool distinti = true;
    bool salvaStrategie = true, salvaHtml = false, salvaTesto = false;
    std::optional<LimitiCandidato> unica;     // typed limits of a single evaluation
    std::optional<DataSettimana> verificaDal; // out-of-sample split; nullopt = none
    int thread = 0;                           // 0 = all cores
    std::filesystem::path fileTesto;          // with salvaTesto: this file instead of the usual name

    static std::array<bool, kNumeroCampionati> TuttiInclusi() {
        std::array<bool, kNumeroCampionati> a{};
        a.fill(true);
        return a;
    }
};

// What the run shows while it goes (called on the worker thread; the window
// layer queues it).
class IRapportoRicerca {
public:
    virtual ~IRapportoRicerca() = default;
    virtual void Campionato(const std::string& testo) = 0; // "CAMPIONATO ANALIZZATO :"
    virtual void Pronostico(const std::string& testo) = 0; // "PRONOSTICO ANALIZZATO :"
    virtual void Svuota() = 0;                             // progress box emptied
    virtual void Aggiungi(const std::string& testo) = 0;   // appended to the progress box
};

struct VincitoreRicerca {
    char segno = '1';
    int ordinamento = 0;
    int tipo = 0;
    std::string gruppo;
    double rendimento = 0;
    int vincenti = 0, giocabili = 0, maxRitardo = 0;
    int settimane = 0; // weeks searched (settimaneDisponibili)
    LimitiCandidato limiti;
    // with verificaDal: the same candidate on the later weeks
    std::optional<double> rendimentoVerifica;
    int vincentiVerifica = 0, giocabiliVerifica = 0, settimaneVerifica = 0;
};

// "Max.P", "Min.P2", "Max.E" or "Max.Q".
const char* EtichettaOrdinamentoRicerca(int ordinamento);

// One line for a winner, as the progress box and the terminal show it:
// "'1' [ITA1] Singola n.1 Max.P: rendimento +12.3%, vincenti 30 su 120 (25.0%),
//  giocabili 120 su 250 (48.0%), ritardo max 7; P1 45%/100% PX 0%/35% P2 0%/30%
//  E -100%/+15% Q 1.50/2.10" and, with the later weeks checked,
// " | verifica: rendimento -3.2%, vincenti 5 su 40 (12.5%), giocabili 40 su 60 (66.7%)".
std::string RigaVincitore(const VincitoreRicerca& v);

struct EsitoRicercaStrategie {
    bool fermata = false;
    std::string errore; // a message for the user ("" = none); results kept
    std::filesystem::path html, testo; // empty when not written
    bool strategieSalvate = false;
    std::vector<VincitoreRicerca> vincitori;
    long candidati = 0;
    std::string messaggioFinale; // "Tutte le strategie trovate ..." when salvaTesto
};

// The whole run. Reads the weeks under cartellaLavoro/"QUOTE-ESPORTATE"/<folder>,
// writes the HTML/text files there, and (salvaStrategie) creates/updates
// strategies in `strategie` (with `prossimoId`) — call it on copies from a job
// body and apply them in the job's end. `oggi` = today's date and time for
// names and texts. Stops when `contesto` asks.
EsitoRicercaStrategie CercaStrategie(const ParametriRicerca& p,
                                     const std::filesystem::path& cartellaLavoro,
                                     ListaStrategie& strategie, std::int32_t& prossimoId,
                                     const DataOra& oggi, IRapportoRicerca& rapporto,
                                     const ContestoLavoro& contesto);

} // namespace veltra
