#pragma once
// Ways of making a covering of radius one from smaller or neighbouring ones.

#include "pools/riduzioni/Codice.h"

namespace veltra::riduzioni {

// The code with every sign on a new triple row (placed after the last triple): any
// outcome agrees with one of the three copies on that row. Three times the size.
Codice AggiungiTripla(const Codice& codice);
// Likewise with a new double row after the last one. Twice the size.
Codice AggiungiDoppia(const Codice& codice);

// Triple row `riga` becomes the first double row, its third sign folded onto `cifraFusa`
// (0 or 1). An outcome of the new space, seen as one of the old, is covered by a word that
// either agrees on that row or differs only there, so folding keeps it covered.
Codice TriplaInDoppia(const Codice& codice, int riga, uint8_t cifraFusa);

// Drops a row: words that agreed elsewhere merge, coverage is kept.
Codice TogliRiga(const Codice& codice, int riga);

// The smallest result of TriplaInDoppia over every row and fold.
Codice MiglioreTriplaInDoppia(const Codice& codice);
// The smallest result of TogliRiga over the triple rows (triple == true) or the doubles.
Codice MiglioreTogliRiga(const Codice& codice, bool tripla);

} // namespace veltra::riduzioni
