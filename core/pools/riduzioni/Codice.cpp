#include "pools/riduzioni/Codice.h"

#include <algorithm>

namespace veltra::riduzioni {

void Normalizza(Codice& codice) {
    std::sort(codice.parole.begin(), codice.parole.end());
    codice.parole.erase(std::unique(codice.parole.begin(), codice.parole.end()),
                        codice.parole.end());
}

bool CoperturaCompleta(const Codice& codice) {
    const SpazioMisto spazio = codice.spazio();
    std::vector<bool> coperti(spazio.dimensione(), false);
    std::vector<uint32_t> vicini;
    for (uint32_t p : codice.parole) {
        coperti[p] = true;
        spazio.Vicini(p, vicini);
        for (uint32_t v : vicini)
            coperti[v] = true;
    }
    return std::find(coperti.begin(), coperti.end(), false) == coperti.end();
}

} // namespace veltra::riduzioni
