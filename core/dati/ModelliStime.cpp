#include "dati/ModelliStime.h"

namespace veltra {

std::string ScriviTestoModelliStime(const DatiCampionati& dati) {
    std::string t = "# Modello delle stime per campionato (motore se non indicato)\n";
    for (int c = 0; c < kNumeroCampionati; ++c)
        if (dati.campionato(c).modello == ModelloStime::Rating)
            t += std::string(Campionato(c).codice) + " rating\n";
    return t;
}

std::string LeggiTestoModelliStime(std::string_view testo, DatiCampionati& dati) {
    for (int c = 0; c < kNumeroCampionati; ++c) dati.campionato(c).modello = ModelloStime::Motore;
    std::string errori;
    int numero = 0;
    std::size_t pos = 0;
    while (pos < testo.size()) {
        const auto fine = testo.find('\n', pos);
        std::string_view riga = testo.substr(pos, fine == std::string_view::npos ? fine : fine - pos);
        pos = fine == std::string_view::npos ? testo.size() : fine + 1;
        ++numero;
        while (!riga.empty() && (riga.back() == '\r' || riga.back() == ' ')) riga.remove_suffix(1);
        while (!riga.empty() && riga.front() == ' ') riga.remove_prefix(1);
        if (riga.empty() || riga.front() == '#') continue;
        const auto spazio = riga.find(' ');
        const auto id = CercaCampionato(riga.substr(0, spazio));
        std::string_view nome = spazio == std::string_view::npos ? std::string_view{} : riga.substr(spazio + 1);
        while (!nome.empty() && nome.front() == ' ') nome.remove_prefix(1);
        if (!id || (nome != "rating" && nome != "motore")) {
            errori += "riga " + std::to_string(numero) + ": \"" + std::string(riga) +
                      "\" non e' \"CODICE motore\" o \"CODICE rating\"\n";
            continue;
        }
        dati.campionato(*id).modello = nome == "rating" ? ModelloStime::Rating : ModelloStime::Motore;
    }
    return errori;
}

} // namespace veltra
