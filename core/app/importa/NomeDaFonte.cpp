#include "app/importa/NomeDaFonte.h"

#include "app/importa/AccorciaNome.h"
#include "dati/FileAtomico.h"
#include "platform/Risorse.h"

namespace veltra {

std::string NomeDaFonte(const TabellaAlias& alias, std::string_view codice,
                        const std::string& nomeFonte) {
    if (auto a = alias.Cerca(codice, nomeFonte)) return *a;
    return AccorciaNome(nomeFonte);
}

std::optional<std::string> CaricaAliasPredefiniti(TabellaAlias& alias) {
    const auto percorso = CartellaRisorse() / "dati" / "alias-squadre.tsv";
    const auto testo = LeggiFile(percorso);
    if (!testo) return percorso.string() + ": impossibile leggere il file";
    if (auto e = alias.Carica(*testo)) return percorso.string() + ": " + *e;
    return std::nullopt;
}

} // namespace veltra
