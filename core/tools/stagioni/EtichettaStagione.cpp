#include "tools/stagioni/EtichettaStagione.h"

namespace veltra {

bool StagioneAnnoSolare(CampionatoId c) {
    return c >= 15 && c <= 18;
}

int AnnoStagione(CampionatoId c, int stagione) {
    return Campionato(c).annoPrimaStagione + stagione - 1;
}

int StagioneDellaData(CampionatoId c, int anno, int mese) {
    if (StagioneAnnoSolare(c)) return anno;
    return mese >= 7 ? anno : anno - 1;
}

std::string EtichettaStagione(CampionatoId c, int stagione) {
    const int anno = AnnoStagione(c, stagione);
    if (StagioneAnnoSolare(c)) return FormattaTesto("%d", anno);
    return FormattaTesto("%d/%d", anno, anno + 1);
}

} // namespace veltra
