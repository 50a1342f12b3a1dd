#include "net/FileAggiornamento.h"

#include "dati/Reti.h"
#include "dati/Testo1252.h"

namespace veltra {

std::string NomeFileAggiornamento(CampionatoId c) {
    return std::string(Campionato(c).fileIncontri) + ".txt";
}

std::string NomeFileLocale(CampionatoId c) {
    return std::string(kPrefissoLocale) + std::string(Campionato(c).fileIncontri);
}

std::string NomeFileRetiAggiornamento(CampionatoId c) {
    return NomeFileReti(Campionato(c).codice);
}

std::string NomeFileRetiLocale(CampionatoId c) {
    return std::string(kPrefissoLocale) + NomeFileRetiAggiornamento(c);
}

bool MarcatoreValido(std::string_view t) {
    return t.size() >= 6 && t.size() <= kMaxMarcatore && t[2] == '/' && t[5] == '/';
}

std::optional<std::vector<std::string>> LeggiNews(std::string_view t) {
    if (t.size() < 10 || !MarcatoreValido(t.substr(0, 10))) return std::nullopt;
    std::vector<std::string> voci;
    std::string_view resto = t.substr(10);
    while (true) {
        const auto fine = resto.find(kSeparatoreNews);
        std::string_view voce = resto.substr(0, fine);
        while (!voce.empty() && (voce.front() == ' ' || voce.front() == '\r' || voce.front() == '\n' ||
                                 voce.front() == '\t'))
            voce.remove_prefix(1);
        while (!voce.empty() && (voce.back() == ' ' || voce.back() == '\r' || voce.back() == '\n' ||
                                 voce.back() == '\t'))
            voce.remove_suffix(1);
        if (!voce.empty()) voci.push_back(Da1252(voce));
        if (fine == std::string_view::npos) break;
        resto.remove_prefix(fine + 1);
    }
    return voci;
}

std::string TestoNews(const std::vector<std::string>& news) {
    std::string s;
    for (const auto& v : news) s += v + "\n";
    return s;
}

EsitoFile VerificaFileAggiornamento(CampionatoId c, std::string_view testo,
                                    const std::vector<ElencoSquadre>& stagioni,
                                    ElencoIncontri& incontri) {
    const std::string nome = NomeFileAggiornamento(c);
    if (testo.size() > kMaxFileAggiornamento)
        return EsitoFile::Errore(kMessaggioFileCorrotti, nome + ": file troppo grande");
    EsitoFile e = LeggiTestoIncontri(testo, stagioni, incontri);
    if (!e) e.dettaglio = nome + ": " + e.dettaglio;
    return e;
}

} // namespace veltra
