#include "app/DatiGlobali.h"

#include "app/inserimento/DatiDipendenti.h"

namespace veltra {

DatiGlobali::DatiGlobali() {
    dipendenti_ = notifiche.Iscrivi([this](const AvvisoCambiamento& a) {
        if (a.cosa != Cambiamento::Dati) return;
        if (!a.messaggi)
            AzzeraDatiDipendenti(*this);
        else if (a.filtroStorico)
            CancellaDatiDipendentiFiltro(*this, *a.messaggi);
        else
            CancellaDatiDipendenti(*this, *a.messaggi);
    });
}

DatiGlobali::~DatiGlobali() = default;

} // namespace veltra
