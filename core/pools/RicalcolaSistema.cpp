#include "pools/RicalcolaSistema.h"

namespace veltra {

void RicalcolaSistema(Schedina&, DatiCampionati&, bool, bool) {}

} // namespace veltra
