#include "app/inserimento/NomeSquadra.h"

#include "app/DatiGlobali.h"
#include "dati/Testo1252.h"

namespace veltra {

namespace {

unsigned char Minuscola(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    if (c == 0x8A || c == 0x8C || c == 0x8E) return c + 0x10; // Š Œ Ž
    if (c == 0x9F) return 0xFF;                               // Ÿ
    return c;
}

} // namespace

std::string NomeInLista(std::string_view digitato) {
    std::string s = A1252(digitato);
    // Leading blanks would make "Milan" and " Milan" two teams of one season.
    s.erase(0, s.find_first_not_of(" \t"));
    if (s.size() > kLunghezzaMaxNome) s.resize(kLunghezzaMaxNome);
    s.resize(kLunghezzaMaxNome, ' ');
    return Da1252(s);
}

std::string NomeDaSalvare(std::string_view inLista) {
    return NormalizzaNomeSquadra(inLista);
}

bool StessaSquadra(std::string_view a, std::string_view b) {
    const std::string x = A1252(NomeDaSalvare(a)), y = A1252(NomeDaSalvare(b));
    if (x.size() != y.size()) return false;
    for (std::size_t i = 0; i < x.size(); ++i)
        if (Minuscola(static_cast<unsigned char>(x[i])) !=
            Minuscola(static_cast<unsigned char>(y[i])))
            return false;
    return true;
}

} // namespace veltra
