#include "pools/riduzioni/VerificaCartella.h"

#include "pools/riduzioni/CorrezioneErrori.h"
#include "pools/riduzioni/LeggiTabellaRiduzione.h"
#include "pools/riduzioni/TabellaRiduzione.h"
#include "pools/riduzioni/VerificaCopertura.h"

namespace veltra::riduzioni {

EsitoVerificaCartella VerificaCartella(const std::filesystem::path& cartella, int maxRighe) {
    EsitoVerificaCartella esito;
    auto Difetto = [&](const std::string& nome, const std::string& testo) {
        esito.difetti.push_back(nome + ": " + testo);
    };
    for (int n = 1; n <= maxRighe; ++n)
        for (int t = 0; t <= n; ++t) {
            const int d = n - t;
            const std::string nome = NomeTabellaRiduzione(t, d);
            const LetturaTabella l = LeggiTabellaRiduzione(cartella, t, d);
            if (!l.ok()) {
                Difetto(nome, l.dettaglio);
            } else {
                for (const EsitoVerifica& v :
                     {VerificaValori(l.tabella), VerificaCopertura(l.tabella)})
                    if (!v.ok) Difetto(nome, v.difetto);
                ++esito.tabelleN1;
            }
            for (int e = 0; e <= 4; ++e)
                for (int f = e + 1; f <= 7; ++f) {
                    const std::string nomeC = NomeTabellaCorrezione(t, d, e, f);
                    const std::uint64_t conta = ContaCorrezioneErrori(t, d, e, f);
                    // The system window offers a pair exactly when its file exists.
                    if (conta == 0 || conta > 0xFFFF) {
                        if (std::filesystem::exists(cartella / nomeC))
                            Difetto(nomeC, "non dovrebbe esistere");
                        continue;
                    }
                    const LetturaTabella c = LeggiTabellaCorrezione(cartella, t, d, e, f);
                    if (!c.ok()) {
                        Difetto(nomeC, c.dettaglio);
                        continue;
                    }
                    if (const EsitoVerifica v = VerificaCorrezioneErrori(c.tabella, e, f); !v.ok)
                        Difetto(nomeC, v.difetto);
                    ++esito.tabelleCorrezione;
                }
        }
    return esito;
}

} // namespace veltra::riduzioni
