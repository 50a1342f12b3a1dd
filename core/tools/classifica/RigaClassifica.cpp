#include "tools/classifica/RigaClassifica.h"

namespace veltra {

std::vector<RigaClassifica> OrdinaClassifica(const std::vector<RigaClassifica>& righe) {
    std::vector<RigaClassifica> ordinate;
    ordinate.reserve(righe.size());
    for (const RigaClassifica& r : righe) {
        auto posto = ordinate.begin();
        for (; posto != ordinate.end(); ++posto) {
            if (r.punti() == 0) {
                if (posto->punti() == 0) break;
                continue;
            }
            if (posto->punti() < r.punti()) break;
            if (posto->punti() == r.punti() && posto->giocate() > r.giocate()) break;
        }
        ordinate.insert(posto, r);
    }
    return ordinate;
}

} // namespace veltra
