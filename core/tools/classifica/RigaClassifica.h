#pragma once
// One team's line of the league table and the order of the table.
#include <vector>

namespace veltra {

struct RigaClassifica {
    int squadra = 0;
    int vinteCasa = 0, vinteFuori = 0;
    int pareggiCasa = 0, pareggiFuori = 0;
    int perseCasa = 0, perseFuori = 0;

    int punti() const { return 3 * (vinteCasa + vinteFuori) + pareggiCasa + pareggiFuori; }
    int giocateCasa() const { return vinteCasa + pareggiCasa + perseCasa; }
    int giocateFuori() const { return vinteFuori + pareggiFuori + perseFuori; }
    int giocate() const { return giocateCasa() + giocateFuori(); }
};

// Rows given in team-index order, returned in table order. Each team goes
// before the first placed team with fewer points, or as many points and more
// matches played; a team without points goes before the first placed team
// without points (so pointless teams appear in reverse index order).
std::vector<RigaClassifica> OrdinaClassifica(const std::vector<RigaClassifica>& righe);

} // namespace veltra
