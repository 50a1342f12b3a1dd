#pragma once
// Opens a reduction file from the working folder. The file is untrusted: every count,
// length and byte is checked, and a damaged file loads nothing. The caller shows the
// message and ends the program, as the pools window requires.

#include "pools/riduzioni/TabellaRiduzione.h"

#include <filesystem>
#include <string>

namespace veltra::riduzioni {

inline constexpr const char* kErroreAperturaRidotto =
    "Errore nell'apertura del file per il Sistema Ridotto!\nVELTRA verra' ora terminato.";
inline constexpr const char* kErroreLetturaRidotto =
    "Errore nella lettura del file per il Sistema Ridotto!\nVELTRA verra' ora terminato.";

enum class EsitoLettura { Ok, ErroreApertura, ErroreLettura };

struct LetturaTabella {
    EsitoLettura esito = EsitoLettura::ErroreApertura;
    TabellaRiduzione tabella;
    std::string messaggio; // for the user; empty when Ok
    std::string dettaglio; // what was wrong, for logs and tests

    bool ok() const { return esito == EsitoLettura::Ok; }
};

// N-1 table "%dt%dd.VLT".
LetturaTabella LeggiTabellaRiduzione(const std::filesystem::path& cartella, int triple, int doppie);
// Error-correcting table "%dt%dd%d%de.VLT".
LetturaTabella LeggiTabellaCorrezione(const std::filesystem::path& cartella, int triple, int doppie,
                                      int erroriMin, int erroriMax);
// Any table file: the name only serves to tell which t and d the header must carry.
LetturaTabella LeggiFileTabella(const std::filesystem::path& file, int triple, int doppie);

// Only the header and the length: the size the system window offers, without loading.
// On success tabella.numColonne is set and tabella.valori stays empty.
LetturaTabella LeggiDimensioneTabella(const std::filesystem::path& file, int triple, int doppie);

} // namespace veltra::riduzioni
