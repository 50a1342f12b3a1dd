#include "Rapporto.h"

#include "pools/riduzioni/SpazioMisto.h"

#include <fstream>
#include <sstream>
#include <string>

namespace veltra::riduzioni {

std::map<std::pair<int, int>, uint64_t> LeggiDimensioniNote(const std::filesystem::path& file) {
    std::map<std::pair<int, int>, uint64_t> note;
    std::ifstream in(file);
    std::string riga;
    while (std::getline(in, riga)) {
        if (riga.empty() || riga[0] == '#') continue;
        std::istringstream campi(riga);
        int t = -1, d = -1;
        uint64_t dimensione = 0;
        if (campi >> t >> d >> dimensione) note[{t, d}] = dimensione;
    }
    return note;
}

void StampaRapporto(std::FILE* out, const uint64_t (&dimensioni)[15][15],
                    const std::map<std::pair<int, int>, uint64_t>& note) {
    std::fprintf(out, "%3s %3s %8s %8s %7s %8s %8s\n", "t", "d", "colonne", "sfere", "rapporto",
                 "note", "diff");
    uint64_t totale = 0;
    int sopra = 0, sotto = 0;
    for (int n = 1; n <= kMaxRigheVariabili; ++n)
        for (int t = n; t >= 0; --t) {
            const int d = n - t;
            const uint64_t dimensione = dimensioni[t][d];
            const uint64_t sfere = SpazioMisto(t, d).LimiteSfere();
            totale += dimensione;
            std::fprintf(out, "%3d %3d %8llu %8llu %7.3f", t, d,
                         static_cast<unsigned long long>(dimensione),
                         static_cast<unsigned long long>(sfere),
                         static_cast<double>(dimensione) / static_cast<double>(sfere));
            const auto nota = note.find({t, d});
            if (nota != note.end()) {
                const long long diff =
                    static_cast<long long>(dimensione) - static_cast<long long>(nota->second);
                sopra += diff > 0;
                sotto += diff < 0;
                std::fprintf(out, " %8llu %+8lld", static_cast<unsigned long long>(nota->second),
                             diff);
            }
            std::fprintf(out, "\n");
        }
    std::fprintf(out, "totale colonne: %llu; sopra le dimensioni note: %d, sotto: %d\n",
                 static_cast<unsigned long long>(totale), sopra, sotto);
}

} // namespace veltra::riduzioni
