#pragma once
// The shell follows what the lower layers change. A new analysis of the
// current championship recomputes the coupon (its selected reduction is
// dropped) and, while the betting window is closed, the betting events
// (an open one recomputes them itself when refreshed); then the analysis is
// marked changed and the open windows are refreshed, unless a refresh is
// already running.
#include "platform/Notifiche.h"

namespace veltra {

struct DatiGlobali;
struct StatoShell;

[[nodiscard]] NotificheCambiamenti::Iscrizione SeguiCambiamenti(DatiGlobali& dati,
                                                                StatoShell& stato);

} // namespace veltra
