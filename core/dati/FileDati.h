#pragma once
// The two text files of every championship: the teams file (team list of
// every season) and the results file (every match, one separator before each
// season), read at start-up and written on save.
#include "dati/DatiCampionati.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace veltra {

inline constexpr const char* kMessaggioFileCorrotti = "Errore nell'inizializzazione.\nFile corrotti!";
inline constexpr const char* kMessaggioErroreSalvataggio =
    "Errore nel salvataggio.\nImpossibile salvare le modifiche!";

struct EsitoFile {
    bool ok = true;
    std::string messaggio; // the program's message, empty on success
    std::string dettaglio; // which file and what is wrong, for logs and veltra-cli
    explicit operator bool() const { return ok; }
    static EsitoFile Errore(std::string messaggio, std::string dettaglio) {
        return {false, std::move(messaggio), std::move(dettaglio)};
    }
};

// Text of the teams file, exactly as the program writes it.
std::string ScriviTestoSquadre(const Config& config);
// Text of the results file, exactly as the program writes it.
std::string ScriviTestoIncontri(const ElencoIncontri& incontri);

// Parse a teams file into `stagioni`. Fails on a missing token, a negative
// team count, a season with more teams than `numeroSquadreMax` (the store
// passes kMaxSquadreStagione), or a name
// longer than 15 characters. `stagioni` is only changed on success.
EsitoFile LeggiTestoSquadre(std::string_view testo, int numeroSquadreMax,
                            std::vector<ElencoSquadre>& stagioni);

// Parse a results file against the seasons already read. Fails on a missing
// or out-of-range token, a match before the first separator, more separators
// than seasons (or fewer), a team index outside its season's list, or a
// result other than '1', 'X', '2'. Entries after the announced count are
// ignored. `incontri` is only changed on success.
EsitoFile LeggiTestoIncontri(std::string_view testo, const std::vector<ElencoSquadre>& stagioni,
                             ElencoIncontri& incontri);

// Loads the two files of one championship from `cartella`; on failure the
// championship is left as it was.
EsitoFile CaricaCampionato(CCampionato& c, const std::filesystem::path& cartella);

// Loads the 38 files of all championships; all or nothing. Every cut-off is
// cleared.
EsitoFile CaricaFileCampionati(DatiCampionati& dati, const std::filesystem::path& cartella);

class SalvataggioAtomico;

// Prepares the 38 files as temporary files of `salvataggio`; the caller
// confirms them with the other files of the same save.
EsitoFile PreparaFileCampionati(const DatiCampionati& dati, const std::filesystem::path& cartella,
                                SalvataggioAtomico& salvataggio);

// Writes the 38 files: all are prepared as temporary files first and renamed
// over the old ones only when every one is written, so a failure leaves the
// previous files intact. Clears datiModificati on success.
EsitoFile SalvaFileCampionati(DatiCampionati& dati, const std::filesystem::path& cartella);

} // namespace veltra
