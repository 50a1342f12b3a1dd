#pragma once
// Leaving the program: the "Esci" command (and closing the main window),
// the end of the desktop session, and the support file written last.
#include "dati/PosizioneFinestra.h"
#include "app/shell/ContestoShell.h"

namespace veltra {

inline constexpr const char* kDomandaSalvaPrimaDiUscire =
    "Vuoi salvare le modifiche, prima di uscire da VELTRA ?";
inline constexpr const char* kDomandaUscita = "Vuoi uscire da VELTRA 2005 ?";
inline constexpr const char* kDomandaUscitaSessione = "Vuoi uscire da VELTRA ?";

enum class EsitoUscita { Esci, Resta };

// Asks what the changes (if any) call for and saves when told to. Unlike a
// bare "destroy after the attempt", a failed save keeps the program running:
// the user has been told, and the data are still in memory to save again or
// to leave with "No". On Esci the window placement has been written to
// Pos.VLT; a failure there costs only the placement, so it is shown and the
// exit goes on.
EsitoUscita Esci(ContestoShell& ctx, const PosizioneFinestra& posizione);

// The desktop session is ending. false refuses (the program keeps running).
// `puoChiedere` false: the session allows no questions, so nothing is asked
// and nothing saved, and the end is allowed. A failed save refuses, for the
// same reason as in Esci.
bool ConsentiFineSessione(ContestoShell& ctx, bool puoChiedere);

// Writes Pos.VLT; its message is shown on failure.
void ScriviPosizioneUscita(ContestoShell& ctx, const PosizioneFinestra& posizione);

// Last step, after the main window is gone: writes Cfg2.VLT, with the
// program's message when it cannot.
bool ScriviDatiSupportoUscita(const DatiGlobali& dati, const std::filesystem::path& cartella,
                              IMessaggi& messaggi);

} // namespace veltra
