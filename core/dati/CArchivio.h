#pragma once
// A championship's archive of saved analyses, and the operations on it.
#include "dati/CAnalisi.h"

#include <cstdint>
#include <vector>

namespace veltra {

class Archivio;
class CCampionato;
class IMessaggi;

struct CArchivio {
    std::int16_t campionato = 0;          // set by the owner before loading
    std::int32_t corrente = -1;           // analysis shown by the window; -1 when empty; not stored
    std::vector<CAnalisi> analisi;        // in display order

    int numero() const { return static_cast<int>(analisi.size()); }

    // int32 count, then every analysis. After reading, the first analysis is
    // the shown one.
    void Serializza(Archivio& ar);

    friend bool operator==(const CArchivio&, const CArchivio&) = default;
};

// 1-based position of the first analysis equivalent to `a` (same parameters,
// bit-equal results), 0 when none.
int CercaAnalisi(const CArchivio& archivio, const CAnalisi& a);


// Inserts `a` with the given title at `corrente` (that analysis and the
// following move one place down); returns 1. When an equivalent analysis is
// already there, inserts nothing, tells so when `messaggi` is given, and
// returns 0. The inserted analysis becomes the shown one.
int InserisciAnalisi(CArchivio& archivio, CAnalisi a, const std::string& titolo,
                     IMessaggi* messaggi);

// Removes the analysis at `corrente`; an emptied archive gets corrente -1.
void EliminaAnalisi(CArchivio& archivio);

// The analysis at a 0-based index, or nullptr outside the archive.
const CAnalisi* LeggiAnalisi(const CArchivio& archivio, int indice);

} // namespace veltra
