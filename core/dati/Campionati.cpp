#include "dati/Campionati.h"

#include <cctype>

namespace veltra {

const std::array<DescrizioneCampionato, kNumeroCampionati> kCampionati = {{
    {"Serie A", "Serie &A", 40066, "giornata.VLT", "squadrea.VLT", "A", 20, 1961},
    {"Serie B", "Serie &B", 40067, "giornatb.VLT", "squadreb.VLT", "B", 24, 1971},
    {"Serie C1", "Serie C&1", 40077, "giornac1.VLT", "squadrec1.VLT", "C1", 37, 1986},
    {"Serie C2", "Serie C&2", 40079, "giornac2.VLT", "squadrec2.VLT", "C2", 60, 1991},
    {"Austria", "A&ustria", 40132, "giornaAU.VLT", "squadreAU.VLT", "AU", 10, 1993},
    {"Belgio", "Be&lgio", 40143, "giornaBE.VLT", "squadreBE.VLT", "BE", 18, 1995},
    {"Danimarca", "&Danimarca", 40130, "giornaDA.VLT", "squadreDA.VLT", "DA", 12, 1995},
    {"Francia", "&Francia", 40099, "giornaFR.VLT", "squadreFR.VLT", "FR", 20, 1993},
    {"Germania", "&Germania", 40103, "giornaGE.VLT", "squadreGE.VLT", "GE", 18, 1992},
    {"Inghilterra", "&Inghilterra", 40100, "giornaIN.VLT", "squadreIN.VLT", "IN", 22, 1992},
    {"Olanda", "&Olanda", 40125, "giornaNL.VLT", "squadreNL.VLT", "NL", 18, 1993},
    {"Portogallo", "&Portogallo", 40145, "giornaPO.VLT", "squadrePO.VLT", "PO", 18, 1993},
    {"Scozia", "&Scozia", 40128, "giornaSC.VLT", "squadreSC.VLT", "SC", 12, 1994},
    {"Spagna", "S&pagna", 40120, "giornaSP.VLT", "squadreSP.VLT", "SP", 22, 1993},
    {"Svizzera", "S&vizzera", 40146, "giornaCH.VLT", "squadreCH.VLT", "CH", 12, 1994},
    {"Finlandia", "Fi&nlandia", 40097, "giornaFI.VLT", "squadreFI.VLT", "FI", 14, 1994},
    {"Norvegia", "Nor&vegia", 40080, "giornaNO.VLT", "squadreNO.VLT", "NO", 16, 1962},
    {"Svezia", "Sve&zia", 40081, "giornaSV.VLT", "squadreSV.VLT", "SV", 14, 1990},
    {"Russia", "&Russia", 40126, "giornaRU.VLT", "squadreRU.VLT", "RU", 18, 1996},
}};

std::optional<CampionatoId> CercaCampionato(std::string_view s) {
    if (!s.empty() && s.size() <= 2 && std::isdigit(static_cast<unsigned char>(s[0])) &&
        std::isdigit(static_cast<unsigned char>(s.back()))) {
        int n = 0;
        for (char ch : s) n = n * 10 + (ch - '0');
        if (n < kNumeroCampionati) return n;
        return std::nullopt;
    }
    for (int c = 0; c < kNumeroCampionati; ++c) {
        const auto codice = kCampionati[c].codice;
        if (codice.size() != s.size()) continue;
        bool uguale = true;
        for (std::size_t i = 0; i < s.size(); ++i)
            uguale = uguale && std::toupper(static_cast<unsigned char>(s[i])) == codice[i];
        if (uguale) return c;
    }
    return std::nullopt;
}

} // namespace veltra
