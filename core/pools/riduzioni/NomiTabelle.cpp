#include "pools/riduzioni/TabellaRiduzione.h"

#include <cstdio>

namespace veltra::riduzioni {

std::string NomeTabellaRiduzione(int triple, int doppie) {
    char nome[32];
    std::snprintf(nome, sizeof nome, "%dt%dd.VLT", triple, doppie);
    return nome;
}

std::string NomeTabellaCorrezione(int triple, int doppie, int erroriMin, int erroriMax) {
    char nome[40];
    std::snprintf(nome, sizeof nome, "%dt%dd%d%de.VLT", triple, doppie, erroriMin, erroriMax);
    return nome;
}

} // namespace veltra::riduzioni
