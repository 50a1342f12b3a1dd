#include "app/shell/StatoShell.h"

namespace veltra {

void AggiornaFinestre(StatoShell& s) {
    auto& f = s.finestre;
    if (!s.analisiCambiata) f.Aggiorna(Finestra::AnalisiCorrente);
    if (s.datiCambiati || s.campionatoCambiato) {
        f.Aggiorna(Finestra::Classifica);
        f.Aggiorna(Finestra::ScontriDiretti);
    }
    f.Aggiorna(Finestra::Pronostici);
    f.Aggiorna(Finestra::ProssimaGiornata);
    // The pools and betting windows rest on the data and the analysis, not
    // on which championship is shown.
    if (s.datiCambiati || s.analisiCambiata) {
        f.Aggiorna(Finestra::SistemaTotocalcio);
        f.Aggiorna(Finestra::ScommesseSportive);
        f.Aggiorna(Finestra::GiocateReali);
    }
    s.datiCambiati = s.campionatoCambiato = s.analisiCambiata = false;
}

} // namespace veltra
