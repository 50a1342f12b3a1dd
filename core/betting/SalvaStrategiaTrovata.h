#pragma once
// A winner of the strategy search turned into a strategy of the list: a new
// one, or the matching one from an earlier search updated with a note.
#include "betting/GrigliaStrategie.h"

#include <cstdint>
#include <string>
#include <vector>

namespace veltra {

struct ContestoSalvataggio {
    int bookmaker = 0;
    char segno = '1'; // '1', 'x' or '2'
    bool maxRendimento = true;
    std::vector<std::string> codici; // codes of the included championships, in order
    std::array<bool, kNumeroCampionati> inclusi{};
    DataOra oggi;
    int settimaneDisponibili = 0;
};

// "ITA1 SPA1 ": each code followed by one space.
std::string TestoGruppo(const std::vector<std::string>& codici);

// The plays of a kind of play (indices of its events, 0 = A).
std::vector<std::vector<std::int16_t>> GiocateDelTipo(int tipo);

// The prediction type of the events of a new strategy, by ranking and sign.
std::int16_t TipoEventoRicerca(int ordinamento, char segno);

// Creates or updates the strategy of (ranking, kind) in the list; `contatore`
// gives the numbers and is advanced when one is used. True when the list changed.
bool SalvaStrategiaTrovata(ListaStrategie& lista, std::int32_t& contatore,
                           const ContestoSalvataggio& c, int ordinamento, int tipo,
                           const MiglioreGiocata& b);

} // namespace veltra
