#pragma once
// The search on the advanced parameters: a hill climb, one parameter (or one
// pair) at a time, over the 31 scans of the advanced parameters and the
// score limits, starting the pass again after every improvement, until a
// pass improves nothing. The last ten improvements are kept, newest first.
//
// The candidates of one scan are known when the scan starts, so they are
// evaluated side by side on the threads (one championship copy each) and
// then judged in order: the same choices as one after the other.
#include "dati/CDumpRicerca.h"
#include "platform/Lavori.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

class CCampionato;

using TrovateAvanzate = std::array<AnalisiTrovataAvanzata, kAnalisiTrovate>;

// What the hill climb changes: the advanced parameters and the four limits
// (limiteMinCasa, limiteMaxCasa, limiteMinTrasferta, limiteMaxTrasferta).
struct ParametriAvanzati {
    CPunteggiAvanzati punteggi;
    std::array<std::int16_t, 4> limiti = {};
    friend bool operator==(const ParametriAvanzati&, const ParametriAvanzati&) = default;
};

ParametriAvanzati LeggiParametriAvanzati(const CCampionato& c);
void ApplicaParametriAvanzati(CCampionato& c, const ParametriAvanzati& p);

// Two decimals, as a text would carry them.
float DueDecimali(double x);

// The candidates of scan `scan` (0-based, in the order of the table) from
// the parameters as they are when it starts; `giornate` is N. With home and
// away joined the last twelve scans become six joint ones (scans 19..24).
int NumeroScansioni(bool separaCasaTrasferta);
std::vector<ParametriAvanzati> CandidatiScansione(int scan, const ParametriAvanzati& p,
                                                  int giornate);

struct ImpostazioniRicercaAvanzata {
    int utilizzoMinimo = 70; // percent of the data a candidate must keep
    int thread = 1;
};

struct EsitoRicercaAvanzata {
    TrovateAvanzate trovate;
    ParametriAvanzati migliore; // where the climb ended
    float precisione = -1.0f;   // of `migliore`; -1 when the start failed
    bool migliorata = false;
    long candidati = 0;
    int miglioramenti = 0;
    bool completata = false;
};

// The climb from the championship's current analysis (a copy made for the
// job). Every improvement is pushed in front of `iniziale`; `migliorato`, when
// given, hears each one. A stop request is seen before every scan.
EsitoRicercaAvanzata CercaAvanzata(const CCampionato& campionato,
                                   const ImpostazioniRicercaAvanzata& imp,
                                   const TrovateAvanzate& iniziale, const ContestoLavoro& contesto,
                                   const std::function<void(float)>& migliorato = {});

// Whether the climb can accept anything from the championship's current
// analysis: a candidate must keep `utilizzoMinimo` percent of the data, and
// the climb moves one parameter at a time, so a start far below it finds
// nothing. When the start is below, limits that reach the minimum: the
// start's four limits widened one point on every side at a time (within the
// reachable range of totals), the first that reach it.
struct UtilizzoPartenza {
    bool valutata = false; // the start's estimates could be computed
    float datiUsati = -1.0f;
    bool sufficiente = false; // datiUsati >= the minimum
    std::optional<std::array<std::int16_t, 4>> limiti; // when not sufficient and found
    float datiUsatiLimiti = -1.0f;                     // with `limiti`
};
UtilizzoPartenza ControllaUtilizzo(const CCampionato& campionato, int utilizzoMinimo);
// Why the climb cannot start ("L'analisi di partenza usa il 15.4% ..."),
// for a start that is not sufficient.
std::string MotivoUtilizzo(const UtilizzoPartenza& u, int utilizzoMinimo);
// The limits that reach the minimum, as the user reads them.
std::string TestoLimitiUtilizzo(const UtilizzoPartenza& u);

// A fresh list: every slot empty (precision -1).
TrovateAvanzate ListaAvanzataIniziale();

} // namespace veltra
