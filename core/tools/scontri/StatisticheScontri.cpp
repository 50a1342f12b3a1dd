#include "tools/scontri/StatisticheScontri.h"

#include "tools/stagioni/VociUtilizzabili.h"

#include <algorithm>

namespace veltra {

namespace {

int Indice(const ElencoSquadre& squadre, const std::string& nome) {
    const auto it = std::find(squadre.nomi.begin(), squadre.nomi.end(), nome);
    return it == squadre.nomi.end() ? -1 : static_cast<int>(it - squadre.nomi.begin());
}

int IndiceSegno(char r) {
    return r == '1' ? 0 : r == 'X' ? 1 : r == '2' ? 2 : -1;
}

} // namespace

StatisticheScontri CalcolaScontri(const CCampionato& c, const std::string& casa,
                                  const std::string& trasferta) {
    StatisticheScontri s;
    const int n = VociUtilizzabili(c);
    int ultimaStagione = 0;
    for (int i = 0; i < n; ++i)
        ultimaStagione += c.incontri[i].separatore();

    int stagione = 0;
    int iCasa = -1, iTrasferta = -1;
    bool incontratiInStagione = false;
    for (int i = 0; i < n; ++i) {
        const Incontro& m = c.incontri[i];
        if (m.separatore()) {
            ++stagione;
            iCasa = Indice(c.squadreStagione(stagione), casa);
            iTrasferta = Indice(c.squadreStagione(stagione), trasferta);
            incontratiInStagione = false;
            continue;
        }
        if (iCasa < 0 || iTrasferta < 0) continue;
        const int segno = IndiceSegno(m.risultato);
        if (segno < 0) continue;
        if (m.casa == iCasa && m.trasferta == iTrasferta) {
            s.sequenza.push_back({stagione, m.risultato});
            ++s.conteggio[segno];
            for (int k = 0; k < 3; ++k) {
                if (k == segno) {
                    ++s.serieCorrente[k];
                    s.serieMassima[k] = std::max(s.serieMassima[k], s.serieCorrente[k]);
                    s.assenza[k] = 0;
                    s.ultimaStagione[k] = stagione;
                } else {
                    s.serieCorrente[k] = 0;
                    ++s.assenza[k];
                }
            }
            incontratiInStagione = true;
        } else if (m.casa == iTrasferta && m.trasferta == iCasa && stagione == ultimaStagione &&
                   !incontratiInStagione) {
            s.andata = m.risultato;
        }
    }
    return s;
}

} // namespace veltra
