#include "pools/DimensioniSistema.h"

#include "pools/riduzioni/LeggiTabellaRiduzione.h"

#include <algorithm>

namespace veltra {

namespace {

// The N-1 sizes known for the shapes too large for the 16-bit count.
std::int32_t DimensioneNota(int triple, int doppie) {
    if (triple == 11 && doppie == 3) return 81654;
    if (triple == 12 && doppie == 2) return 118116;
    if (triple == 13 && doppie == 1) return 118098;
    if (triple == 14 && doppie == 0) return 177147;
    return -1;
}

} // namespace

std::int32_t DimensioneRidotto(const std::filesystem::path& cartella, int triple, int doppie) {
    if (triple + doppie == 0 || triple < 0 || doppie < 0 || triple + doppie > 14) return -1;
    const auto l = riduzioni::LeggiDimensioneTabella(
        cartella / riduzioni::NomeTabellaRiduzione(triple, doppie), triple, doppie);
    if (!l.ok() || l.tabella.numColonne <= 0) return -1;
    const std::int32_t nota = DimensioneNota(triple, doppie);
    return nota > 0 ? std::min(nota, l.tabella.numColonne) : l.tabella.numColonne;
}

std::vector<CorrezioneErrori> ElencoCorrezioneErrori(const std::filesystem::path& cartella,
                                                     int triple, int doppie) {
    std::vector<CorrezioneErrori> elenco;
    if (triple + doppie == 0 || triple < 0 || doppie < 0 || triple + doppie > 14) return elenco;
    for (int e = 0; e <= 4; ++e)
        for (int f = e + 1; f <= 7; ++f) {
            const auto l = riduzioni::LeggiDimensioneTabella(
                cartella / riduzioni::NomeTabellaCorrezione(triple, doppie, e, f), triple, doppie);
            if (l.ok() && l.tabella.numColonne > 0) elenco.push_back({e, f, l.tabella.numColonne});
        }
    return elenco;
}

} // namespace veltra
