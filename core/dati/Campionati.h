#pragma once
// The fixed table of the 19 championships.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace veltra {

using CampionatoId = int;
inline constexpr int kNumeroCampionati = 19;

struct DescrizioneCampionato {
    std::string_view nome;         // display name, "Serie A"
    std::string_view voceMenu;     // menu item text, "Serie &A"
    int comando;                   // command id of the menu item
    std::string_view fileIncontri; // results file, "giornata.VLT"
    std::string_view fileSquadre;  // teams file, "squadrea.VLT"
    std::string_view codice;       // "A", "B", "C1", "AU", ...
    int numeroSquadreMax;
    int annoPrimaStagione;
};

extern const std::array<DescrizioneCampionato, kNumeroCampionati> kCampionati;

inline const DescrizioneCampionato& Campionato(CampionatoId c) { return kCampionati.at(c); }

// By id ("0".."18") or by code (case-insensitive).
std::optional<CampionatoId> CercaCampionato(std::string_view idOCodice);

} // namespace veltra
