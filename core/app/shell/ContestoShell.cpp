#include "app/shell/ContestoShell.h"

#include "dati/FileDati.h"
#include "app/Salvataggio.h"
#include "platform/Messaggi.h"

namespace veltra {

bool SalvaConAttesa(ContestoShell& ctx) {
    if (ctx.cursoreAttesa) ctx.cursoreAttesa(true);
    const bool ok = SalvaDati(ctx.dati, ctx.cartella, ctx.messaggi);
    if (ctx.cursoreAttesa) ctx.cursoreAttesa(false);
    if (!ok) ctx.messaggi.Errore(kMessaggioErroreSalvataggio);
    return ok;
}

} // namespace veltra
