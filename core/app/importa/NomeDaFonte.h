#pragma once
// The program's name of a club as a source spells it, as the importer makes
// it: the alias table, else the shortening rule. Odds files go through the
// same table so their clubs meet the stored ones.
#include "app/importa/TabellaAlias.h"

#include <optional>
#include <string>
#include <string_view>

namespace veltra {

std::string NomeDaFonte(const TabellaAlias& alias, std::string_view codiceCampionato,
                        const std::string& nomeFonte);

// The table shipped with the program (dati/alias-squadre.tsv among the
// resources); an error text when it cannot be read (the table stays empty).
std::optional<std::string> CaricaAliasPredefiniti(TabellaAlias& alias);

} // namespace veltra
