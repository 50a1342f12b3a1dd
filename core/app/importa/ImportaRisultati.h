#pragma once
// Appends the seasons read from result files to a championship, exactly as
// results typed season by season would be: AggiungiStagione with the season's
// team names, then AggiungiIncontro for every league match, by date and then
// by matchday.
//
// Seasons go where their start year puts them: season k of a championship
// began in annoPrimaStagione + k - 1. Seasons the sources lack, before and
// between the imported ones, are stored empty. Only seasons after the last
// stored one can be added: an import that would touch a stored season is
// refused, so results are never stored twice.
//
// All or nothing: on any error the championship is left as it was.
#include "app/DatiGlobali.h"
#include "app/importa/PartitaSorgente.h"
#include "app/importa/RapportoImportazione.h"
#include "app/importa/TabellaAlias.h"

#include <vector>

namespace veltra {

struct OpzioniImportazione {
    // A season with more teams than the championship has slots for is stored
    // empty and reported, instead of stopping the import.
    bool troppeSquadreVuota = false;
    // Only the seasons that began in these years (0: no bound), as when a
    // file holds every season of a country and only some are wanted.
    int dalAnno = 0;
    int alAnno = 0;
};

RapportoImportazione ImportaRisultati(CCampionato& campionato,
                                      const std::vector<LetturaSorgente>& letture,
                                      const TabellaAlias& alias,
                                      const OpzioniImportazione& opzioni = {});

// Reads a result file of any known layout (Football.TXT and its openfootball
// variant, football-data CSV, engsoccerdata CSV).
LetturaSorgente LeggiFileRisultati(std::string_view testo, const std::string& nomeFile);

} // namespace veltra
