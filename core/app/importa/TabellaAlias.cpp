#include "app/importa/TabellaAlias.h"

#include "app/DatiGlobali.h"
#include "dati/Testo1252.h"
#include "app/importa/TestoSorgente.h"

namespace veltra {

std::optional<std::string> TabellaAlias::Carica(std::string_view file) {
    std::map<std::pair<std::string, std::string>, std::string> voci;
    const std::string testo = TestoInUtf8(file);
    const auto righe = Righe(testo);
    for (std::size_t n = 0; n < righe.size(); ++n) {
        const std::string dove = "riga " + std::to_string(n + 1) + ": ";
        const auto r = righe[n];
        if (Rifila(r).empty() || Rifila(r).front() == '#') continue;
        const auto campi = Dividi(r, '\t');
        if (campi.size() != 3)
            return dove + "servono tre campi separati da tabulazioni (codice, nome nella fonte, "
                          "nome del programma)";
        const std::string codice(Rifila(campi[0]));
        const std::string fonte(Rifila(campi[1]));
        const std::string nome = NormalizzaNomeSquadra(Rifila(campi[2]));
        if (codice.empty() || fonte.empty() || nome.empty()) return dove + "campo vuoto";
        if (A1252(nome).find('?') != std::string::npos)
            return dove + "\"" + nome + "\" ha caratteri che il programma non puo' scrivere";
        if (Lunghezza1252(nome) > static_cast<std::size_t>(kLunghezzaMaxNome))
            return dove + "\"" + nome + "\" e' piu' lungo di 15 caratteri";
        const auto [it, nuova] = voci.emplace(std::pair{codice, fonte}, nome);
        if (!nuova && it->second != nome)
            return dove + "\"" + fonte + "\" ha gia' il nome \"" + it->second + "\"";
    }
    voci_ = std::move(voci);
    return std::nullopt;
}

std::optional<std::string> TabellaAlias::Cerca(std::string_view codice,
                                               std::string_view nomeFonte) const {
    const std::string fonte(Rifila(nomeFonte));
    if (auto it = voci_.find({std::string(codice), fonte}); it != voci_.end()) return it->second;
    if (auto it = voci_.find({"*", fonte}); it != voci_.end()) return it->second;
    return std::nullopt;
}

} // namespace veltra
