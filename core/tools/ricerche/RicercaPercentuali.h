#pragma once
// The search on the importance percentages: every candidate of the
// enumeration evaluated on the current analysis, the ten best kept.
//
// The candidates go to the threads block by block; each block keeps its own
// ten best, and the blocks' lists are merged into the found list in block
// order with the same insertion rule. Since the rule keeps the ten best by
// precision and, among equals, the earliest, the merged list is the list a
// single thread inserting every candidate in order would leave, whatever the
// number of threads. A stopped search keeps the blocks finished before the
// first unfinished one and resumes from that one.
#include "dati/CDumpRicerca.h"
#include "platform/Lavori.h"
#include "tools/ricerche/EnumerazionePercentuali.h"

#include <array>
#include <functional>
#include <memory>

namespace veltra {

class CCampionato;

using TrovatePercentuali = std::array<AnalisiTrovataPercentuali, kAnalisiTrovate>;

// Inserts a candidate: after every slot whose precision is >= Z (scanned
// from the tenth up), the tenth slot lost. -1 when dropped; otherwise the
// slot it took (0: a new best).
int InserisciTrovataPercentuali(TrovatePercentuali& lista, float precisione, const Percentuali& w);

// A fresh list: every slot holds the starting precision (-1 when the
// starting analysis cannot be evaluated) and no weights, so only strictly
// better candidates enter.
TrovatePercentuali ListaPercentualiIniziale(float precisionePartenza);

struct ImpostazioniRicercaPercentuali {
    int passo = 1;
    int ampiezza = 100;
    int thread = 1;
    bool semplice = false; // every candidate through AggiornaStime (the reference)
    // Resuming: where the outer loops restart; -1 for a fresh search.
    int ripresa = -1;
    int ripresaSecondo = -1;
};

struct EsitoRicercaPercentuali {
    TrovatePercentuali trovate;
    long candidati = 0;       // evaluated in the kept blocks
    long candidatiTotali = 0; // in the whole run (the one resumed from not counted)
    bool completata = false;
    // The block to resume from when not completed.
    std::int16_t ripresa = 0;
    std::int16_t ripresaSecondo = 0;
    long valutatiSemplici = 0;
};

// The job's body. `campionato` is a copy made for the job (CopiaPerCalcolo)
// holding the starting analysis; `iniziale` the list to insert into (fresh or
// reloaded). Reports the blocks done; stops within one block of a request.
// `migliorata`, when given, hears each new best precision as blocks finish
// (from any of the threads, one call at a time), for the window's text.
EsitoRicercaPercentuali CercaPercentuali(const CCampionato& campionato,
                                         const ImpostazioniRicercaPercentuali& imp,
                                         const TrovatePercentuali& iniziale,
                                         const ContestoLavoro& contesto,
                                         const std::function<void(float)>& migliorata = {});

} // namespace veltra
