#include "Comandi.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace veltra::cli {

std::string ValoreOpzione(const std::vector<std::string>& a, std::size_t& i) {
    if (i + 1 >= a.size()) throw ErroreUso{"manca il valore di " + a[i]};
    return a[++i];
}

void VerificaCartella(const std::string& cartella) {
    std::error_code ec;
    if (cartella.empty()) throw ErroreUso{"manca --cartella"};
    if (!std::filesystem::is_directory(cartella, ec))
        throw ErroreUso{"cartella non leggibile: " + cartella};
    if (::access(cartella.c_str(), R_OK | X_OK) != 0)
        throw ErroreUso{"cartella non leggibile: " + cartella};
}

} // namespace veltra::cli
