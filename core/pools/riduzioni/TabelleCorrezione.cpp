#include "pools/riduzioni/TabelleCorrezione.h"

#include "pools/riduzioni/CorrezioneErrori.h"
#include "pools/riduzioni/ScriviTabellaRiduzione.h"

namespace veltra::riduzioni {

EsitoTabelleCorrezione ScriviTabelleCorrezione(const std::filesystem::path& cartella,
                                               int righeMassime) {
    EsitoTabelleCorrezione esito;
    for (int n = 1; n <= righeMassime && n <= kMaxRigheVariabili; ++n)
        for (int t = n; t >= 0; --t)
            for (int e = 0; e <= 4; ++e)
                for (int f = e + 1; f <= 7; ++f) {
                    const int d = n - t;
                    const uint64_t conta = ContaCorrezioneErrori(t, d, e, f);
                    if (conta == 0 || conta > 0xFFFF) continue;
                    const SpazioMisto spazio(t, d);
                    esito.errore = ScriviTabellaRiduzione(
                        cartella / NomeTabellaCorrezione(t, d, e, f),
                        TabellaDaIndici(spazio, ColonneCorrezioneErrori(t, d, e, f)));
                    if (!esito.errore.empty()) return esito;
                    ++esito.file;
                    esito.byte += 4 + conta * static_cast<uint64_t>(n);
                }
    return esito;
}

} // namespace veltra::riduzioni
