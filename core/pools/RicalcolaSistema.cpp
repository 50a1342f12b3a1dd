#include "pools/RicalcolaSistema.h"

namespace veltra {

// Deliberately empty until the system proposal is built (see the header).
void RicalcolaSistema(DatiGlobali&, bool, bool) {}

} // namespace veltra
