// Fuzz target for the importer: the bytes are a result file of any layout
// (Football.TXT and openfootball's variant, football-data and engsoccerdata
// CSV; the first byte picks the championship it goes into). Reading, choosing
// the league phase, mapping names and appending must end in an import or a
// clean refusal; an import must leave files that read back to the same data,
// and a refusal must leave the championship as it was.
#include "app/DatiGlobali.h"
#include "dati/FileDati.h"
#include "app/importa/ImportaRisultati.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace veltra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (n < 1) return 0;
    static DatiGlobali* globali = new DatiGlobali();
    static const TabellaAlias alias;
    CCampionato& c = globali->campionato(dati[0] % kNumeroCampionati);
    c.config.stagioni.clear();
    c.incontri.Svuota();

    const std::string_view testo(reinterpret_cast<const char*>(dati + 1), n - 1);
    const LetturaSorgente lettura = LeggiFileRisultati(testo, "prova");
    if (!lettura.ok()) return 0;
    const RapportoImportazione r = ImportaRisultati(c, {lettura}, alias, {});
    (void)r.Testo();
    if (!r.ok()) {
        if (!c.config.stagioni.empty() || c.incontri.numero() != 0) std::abort();
        return 0;
    }
    std::vector<ElencoSquadre> stagioni;
    ElencoIncontri incontri;
    if (!LeggiTestoSquadre(ScriviTestoSquadre(c.config), kMaxSquadreStagione, stagioni) ||
        !LeggiTestoIncontri(ScriviTestoIncontri(c.incontri), stagioni, incontri) ||
        !(stagioni == c.config.stagioni) || !(incontri == c.incontri))
        std::abort();
    return 0;
}
