#pragma once
#include "dati/BloccoCartella.h"
#include "platform/Messaggi.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace veltra::cli {

// Exit codes: 0 success, 1 the data could not be loaded or used, 2 bad usage.
inline constexpr int kEsitoOk = 0;
inline constexpr int kEsitoCaricamento = 1;
inline constexpr int kEsitoUso = 2;
// Another program writes the working folder.
inline constexpr int kEsitoCartellaOccupata = 3;
// The data update was refused (nothing changed).
inline constexpr int kEsitoAggiornamentoRifiutato = 4;

// Thrown for a bad option; main prints it on one line and exits with 2.
struct ErroreUso {
    std::string messaggio;
};

// Thrown when the working folder cannot be opened; main prints it on one line
// and exits with `esito`.
struct ErroreCartella {
    std::string messaggio;
    int esito = kEsitoCaricamento;
};

int ComandoStime(const std::vector<std::string>& argomenti);
int ComandoGenera(const std::vector<std::string>& argomenti);
int ComandoVerifica(const std::vector<std::string>& argomenti);
int ComandoImporta(const std::vector<std::string>& argomenti);
int ComandoSchedina(const std::vector<std::string>& argomenti);
int ComandoValuta(const std::vector<std::string>& argomenti);
int ComandoTaraRating(const std::vector<std::string>& argomenti);
int ComandoRicerca(const std::vector<std::string>& argomenti);
int ComandoAggiorna(const std::vector<std::string>& argomenti);
int ComandoSistemaRidotto(const std::vector<std::string>& argomenti);
int ComandoScommesse(const std::vector<std::string>& argomenti);
int ComandoImportaQuote(const std::vector<std::string>& argomenti);
int ComandoSpoglio(const std::vector<std::string>& argomenti);
int ComandoScambiaAnalisi(const std::vector<std::string>& argomenti);
int ComandoArchiviaSettimane(const std::vector<std::string>& argomenti);
int ComandoStrategia(const std::vector<std::string>& argomenti);
int ComandoStampa(const std::vector<std::string>& argomenti);
int ComandoRicercaStrategie(const std::vector<std::string>& argomenti);
int ComandoGiornata(const std::vector<std::string>& argomenti);

// Helpers shared by the commands.
std::string ValoreOpzione(const std::vector<std::string>& a, std::size_t& i);
// "a,b,,c" split at `c` into "a", "b", "", "c" (one empty part for "").
std::vector<std::string> Dividi(const std::string& s, char c);

// The program's message boxes in a terminal: each text on one line of
// standard error (after `prefisso`); a question is answered No.
class MessaggiSuErrore : public IMessaggi {
public:
    explicit MessaggiSuErrore(std::string prefisso = {}) : prefisso_(std::move(prefisso)) {}
    Risposta Mostra(const std::string& testo, Icona, Pulsanti p, int) override;
    int mostrati = 0;

private:
    std::string prefisso_;
};
// The value of --cartella; an empty one is refused, never taken for the
// default folder.
std::string ValoreCartella(const std::vector<std::string>& a, std::size_t& i);
void VerificaCartella(const std::string& cartella);
// The working folder of a command that writes it: the one given, or the
// default one; created when missing, locked while `blocco` lives (refused at
// once when another program writes it), repaired after an interrupted save;
// with `primoAvvio` a folder without data gets the shipped ones. Throws
// ErroreCartella when it cannot be opened.
std::string ApriCartellaScrittura(const std::optional<std::string>& cartella,
                                  BloccoCartella& blocco, bool primoAvvio);
// The working folder of a command that only reads it; a first start fills
// it as the program does (taking the lock for that).
std::string ApriCartellaLettura(const std::optional<std::string>& cartella);
// Runs `carica` again (at most a few times) when a save of another program
// replaced files of the folder while it read; `carica` starts afresh each time.
bool LetturaStabile(const std::string& cartella, const std::function<bool()>& carica);

} // namespace veltra::cli
