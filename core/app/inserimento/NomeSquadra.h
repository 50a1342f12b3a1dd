#pragma once
// A team name as the new-championship list shows it and as it is stored.
#include <string>
#include <string_view>

namespace veltra {

// Shown in the list: cut to 15 characters, padded with blanks to 15.
// Characters the data files cannot hold become '?' at once, so the list shows
// what will be stored.
std::string NomeInLista(std::string_view digitato);

// Stored: trailing blanks go, the others become '.'.
std::string NomeDaSalvare(std::string_view inLista);

// Letter case aside (Windows-1252 letters included), the same stored name.
bool StessaSquadra(std::string_view a, std::string_view b);

} // namespace veltra
