#include "betting/RicalcolaEventi.h"

namespace veltra {

// Deliberately empty until the betting manager is built (see the header).
void RicalcolaEventi(DatiGlobali&) {}

} // namespace veltra
