#include "Comandi.h"

#include "app/CartellaDiLavoro.h"
#include "platform/Risorse.h"

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

std::string PreparaCartella(const std::string& opzione) {
    const std::string cartella = opzione.empty() ? CartellaPredefinita().string() : opzione;
    const EsitoFile e = PreparaCartellaDiLavoro(cartella, CartellaRisorse() / "dati");
    if (!e) throw ErroreUso{e.messaggio + " (" + e.dettaglio + ")"};
    VerificaCartella(cartella);
    return cartella;
}

} // namespace veltra::cli
