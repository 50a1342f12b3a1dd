#include "quote/TabellePubblicate.h"

#include "dati/DatiCampionati.h"

namespace veltra {

std::string NomePubblicato(const std::string& nomeSquadra) {
    std::string s = nomeSquadra;
    for (char& c : s)
        if (c == '.' || c == ' ') c = '_';
    return s;
}

TabellaNomiBookmaker TabellaDaDati(const DatiCampionati& dati, Bookmaker b, const std::string& sito) {
    TabellaNomiBookmaker t;
    for (int c = 0; c < kNumeroCampionati; ++c) {
        const auto& nomi = dati.campionato(c).squadreCorrenti().nomi;
        for (std::size_t i = 0; i < nomi.size() && i < static_cast<std::size_t>(kMaxNomiTabella); ++i)
            t.nomi[c].push_back(NomePubblicato(nomi[i]));
        const std::string codice(Campionato(c).codice);
        t.suffissi[c] = nomi.empty() ? std::string(kSenzaPagina) : codice + ".htm";
        t.avvenimenti[c] = static_cast<int>(nomi.size() / 2);
        t.manifestazioni[c] = nomi.empty() ? -1 : kBaseManifestazioni + c;
    }
    switch (b) {
    case Bookmaker::Betandwin:
        t.base = sito + "/W/";
        break;
    case Bookmaker::Globet:
        t.base = sito + "/G/";
        t.indirizzoAccesso = sito + "/G/accesso";
        t.modulo1 = kModuloAccesso1;
        t.modulo2 = kModuloAccesso2;
        break;
    case Bookmaker::Betzone:
        t.base = sito + "/B/tutte.htm";
        break;
    case Bookmaker::Eurobet:
        for (auto& s : t.suffissi)
            if (s != kSenzaPagina) s = sito + "/E/";
        break;
    case Bookmaker::Snai:
        t.base = sito;
        t.palinsesto = 1;
        t.codiceScommessa = "1X2";
        break;
    }
    return t;
}

std::vector<FileTabella> TabelleDaDati(const DatiCampionati& dati, const std::string& sito) {
    std::vector<FileTabella> r;
    for (int k = 0; k < kBookmakerInternet; ++k) {
        const auto b = static_cast<Bookmaker>(k);
        const TabellaNomiBookmaker t = TabellaDaDati(dati, b, sito);
        const int quante = b == Bookmaker::Eurobet ? kNumeroCampionati : 1;
        for (int c = 0; c < quante; ++c) {
            const std::string percorso = PercorsoTabella(b, c);
            r.push_back({percorso.substr(percorso.rfind('/') + 1), ScriviTabellaNomi(b, t, c)});
        }
    }
    return r;
}

} // namespace veltra
