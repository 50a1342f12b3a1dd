#pragma once
#include <string>
#include <vector>

namespace veltra::cli {

// Exit codes: 0 success, 1 the data could not be loaded or used, 2 bad usage.
inline constexpr int kEsitoOk = 0;
inline constexpr int kEsitoCaricamento = 1;
inline constexpr int kEsitoUso = 2;

// Thrown for a bad option; main prints it on one line and exits with 2.
struct ErroreUso {
    std::string messaggio;
};

int ComandoStime(const std::vector<std::string>& argomenti);
int ComandoGenera(const std::vector<std::string>& argomenti);
int ComandoVerifica(const std::vector<std::string>& argomenti);
int ComandoImporta(const std::vector<std::string>& argomenti);
int ComandoValuta(const std::vector<std::string>& argomenti);

// Helpers shared by the commands.
std::string ValoreOpzione(const std::vector<std::string>& a, std::size_t& i);
void VerificaCartella(const std::string& cartella);
// The working folder of a command that loads one as the program does: the
// one given, or the default one; on a first start it is created and given
// the shipped data. Throws ErroreUso when that cannot be done.
std::string PreparaCartella(const std::string& cartellaOpzione);

} // namespace veltra::cli
