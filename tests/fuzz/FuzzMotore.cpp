// Fuzz target for the championship text files and the engine behind them.
//
// The first bytes are the analysis parameters (ParametriFuzz.h). The rest is a teams file and a
// results file separated by a byte 0xFF. When both files read, the data go into a championship and
// the engine runs on them with those parameters, with and without a cut-off; the files are then
// written back and must read again to the same text. Whatever the bytes: success or a clean
// refusal, no overrun.
#include "ParametriFuzz.h"
#include "app/DatiGlobali.h"
#include "dati/FileDati.h"
#include "engine/CMotoreStime.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

using namespace veltra;

namespace {

void Esegui(CCampionato& c) {
    CreaMotore(c);
    if (c.motore->AggiornaStime() == 0) {
        (void)c.motore->PercentualeDatiUsati();
        const int squadre =
            c.config.stagioni.empty() ? 0 : static_cast<int>(c.config.stagioni.back().numero());
        Stima s{};
        for (int h = 0; h < squadre && h < 8; ++h)
            for (int a = 0; a < squadre && a < 8; ++a)
                if (h != a) (void)c.motore->StimaIncontro(h, a, s);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (n < fuzz::kByteParametri) return 0;
    static DatiGlobali* globali = new DatiGlobali();
    CCampionato& c = globali->campionato(0);
    c.ultimoIncontroFiltro = -1;
    c.stagioneFiltro = -1;

    const std::string_view resto(reinterpret_cast<const char*>(dati + fuzz::kByteParametri),
                                 n - fuzz::kByteParametri);
    const std::size_t sep = resto.find('\xFF');
    const std::string_view testoSquadre = resto.substr(0, sep);
    const std::string_view testoIncontri =
        sep == std::string_view::npos ? std::string_view{} : resto.substr(sep + 1);

    std::vector<ElencoSquadre> stagioni;
    ElencoIncontri incontri;
    if (!LeggiTestoSquadre(testoSquadre, kMaxSquadreStagione, stagioni)) return 0;
    if (!LeggiTestoIncontri(testoIncontri, stagioni, incontri)) return 0;

    // What reads must write back to files that read again to the same text.
    c.config.stagioni = stagioni;
    c.incontri = incontri;
    const std::string squadre = ScriviTestoSquadre(c.config);
    const std::string risultati = ScriviTestoIncontri(c.incontri);
    std::vector<ElencoSquadre> stagioni2;
    ElencoIncontri incontri2;
    if (!LeggiTestoSquadre(squadre, kMaxSquadreStagione, stagioni2) ||
        !LeggiTestoIncontri(risultati, stagioni2, incontri2))
        std::abort();
    c.config.stagioni = std::move(stagioni2);
    c.incontri = std::move(incontri2);
    if (ScriviTestoSquadre(c.config) != squadre || ScriviTestoIncontri(c.incontri) != risultati)
        std::abort();

    fuzz::LeggiParametri(dati, c);
    Esegui(c);

    // The same with a cut-off, as the historical archive sets one: a stored
    // match and its 1-based season. The engine's cut-off variants run.
    const int numero = c.incontri.numero();
    if (numero > 0) {
        int voce = static_cast<int>((dati[0] | (dati[1] << 8)) % numero);
        while (voce < numero && c.incontri[voce].separatore())
            ++voce;
        if (voce < numero) {
            int stagione = 0;
            for (int i = 0; i <= voce; ++i)
                if (c.incontri[i].separatore()) ++stagione;
            c.ultimoIncontroFiltro = voce;
            c.stagioneFiltro = stagione;
            Esegui(c);
        }
    }
    return 0;
}
