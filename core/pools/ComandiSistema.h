#pragma once
// The ten commands that reshape the proposed system: four change its size
// (a fixed row becomes a double, and so on), six change the balance of 1, X
// and 2 while keeping the size. Every command skips the rows set by hand and,
// when it cannot be applied, leaves the coupon exactly as it was.
#include <array>
#include <optional>
#include <string_view>

namespace veltra {

struct Schedina;

// In the order of the coupon's contatoriModifiche.
enum class ComandoSistema {
    FissaDoppia,
    DoppiaTripla,
    TriplaDoppia,
    DoppiaFissa,
    Aumenta1,
    AumentaX,
    Aumenta2,
    Diminuisci1,
    DiminuisciX,
    Diminuisci2,
};
inline constexpr int kNumeroComandiSistema = 10;

struct EsitoComandoSistema {
    bool ok = false;
    int riga = -1;        // the row that received or lost the first change
    int secondaRiga = -1; // the balance commands: the other row changed
};

// Applies one command to the rows only (no counter, no flag).
EsitoComandoSistema EseguiComandoSistema(Schedina& s, ComandoSistema c);

// The command as the system window applies it: on success the command is
// counted, sistemaIniziale becomes 0 and the reduced system must be built
// again.
EsitoComandoSistema ApplicaComandoSistema(Schedina& s, ComandoSistema c);

// Which commands the window enables, given the rows made manual in it (m).
std::array<bool, kNumeroComandiSistema> ComandiAbilitati(const Schedina& s, int manualiFinestra);

// The button text ("&Fissa --> Doppia"...), its tool tip, and the name of the
// terminal form ("fissa-doppia", "aumenta-1"...).
std::string_view TestoComando(ComandoSistema c);
std::string_view SuggerimentoComando(ComandoSistema c);
std::string_view NomeComando(ComandoSistema c);
std::optional<ComandoSistema> ComandoDaNome(std::string_view nome);

inline constexpr const char* kRichiestaImpossibile =
    "Spiacente.\nLa richiesta non puo' essere soddisfatta.";

} // namespace veltra
