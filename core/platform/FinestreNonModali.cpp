#include "platform/FinestreNonModali.h"

namespace veltra {

IFinestraNonModale* FinestreNonModali::Apri(Finestra f,
                                            const std::function<IFinestraNonModale*()>& crea) {
    if (!Aperta(f)) finestre_[Indice(f)] = crea();
    Aggiorna(f);
    IFinestraNonModale* w = Cerca(f);
    if (w) w->PortaInPrimoPiano();
    return w;
}

void FinestreNonModali::Aggiorna(Finestra f) {
    IFinestraNonModale* w = Cerca(f);
    if (!w || w->Aggiorna()) return;
    // Forget it first: closing may come back to Rimuovi.
    Rimuovi(f);
    w->Chiudi();
}

void FinestreNonModali::ChiudiTutte() {
    for (int i = 0; i < kNumeroFinestre; ++i)
        if (IFinestraNonModale* w = finestre_[i]) {
            finestre_[i] = nullptr;
            w->Chiudi();
        }
}

} // namespace veltra
