#pragma once
// The "Salva modifiche" command.
#include "app/shell/ContestoShell.h"
#include "engine/MessaggioStato.h"

#include <optional>

namespace veltra {

inline constexpr const char* kDomandaSalvataggio = "Vuoi salvare le modifiche?";
inline constexpr const char* kErroreProseguire =
    "ATTENZIONE!\nUn errore impedisce di proseguire.\nUscire da VELTRA SENZA salvare i dati, e "
    "riavviare il programma!";

enum class EsitoSalvaModifiche {
    Annullato, // the user did not answer Yes
    Salvato,
    SalvataggioFallito, // message shown, cut-offs put back, files as before
    RiletturaFallita,   // saved, but the results files could not be read back
};

struct RisultatoSalvaModifiche {
    EsitoSalvaModifiche esito = EsitoSalvaModifiche::Annullato;
    // New status-bar texts when the current championship had a cut-off: the
    // save lifts it, so its estimates were recomputed.
    std::optional<TestiStato> testiStato;
};

// Asks, lifts every cut-off, saves everything and reads the results files
// back as a check. After a save the cut-offs stay lifted: the championships
// that had one are recomputed on all their data and the windows refreshed.
RisultatoSalvaModifiche SalvaModifiche(ContestoShell& ctx);

// Reads every results file of `cartella` into new match lists against the
// stored team lists and, only when all 19 read, replaces the lists in the
// store. false (store untouched) on any error.
bool RileggiIncontri(DatiGlobali& dati, const std::filesystem::path& cartella);

} // namespace veltra
