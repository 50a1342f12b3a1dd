#include "betting/RicalcolaEventi.h"

namespace veltra {

void RicalcolaEventi(ScommessaMgr&, DatiCampionati&) {}

} // namespace veltra
