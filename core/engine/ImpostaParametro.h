#pragma once
// Setting one analysis parameter of a championship by its field name, with
// the value as text: how veltra-cli and scripts change parameters.
#include "dati/DatiCampionati.h"

#include <optional>
#include <string>
#include <string_view>

namespace veltra {

// Names: giornateAnalisi, percentualiImportanza (five values separated by
// commas), limiteMinCasa, limiteMaxCasa, limiteMinTrasferta,
// limiteMaxTrasferta, modificaAltaCasa, modificaBassaCasa,
// modificaAltaTrasferta, modificaBassaTrasferta, forteCasa, forteTrasferta,
// deboleCasa, deboleTrasferta, punti (18 values in storage order),
// importanzaMin, importanzaMax, campionatiInclusi, separaCasaTrasferta (0/1).
// Numbers are read in the "C" notation; a decimal comma is accepted in a
// single-value field. Returns an error text, or nullopt when set. Nothing is
// changed on error.
std::optional<std::string> ImpostaParametro(CCampionato& c, std::string_view nome,
                                            std::string_view valore);

// Parses a number without touching the locale; a decimal comma counts as a point.
std::optional<float> LeggiDecimale(std::string_view testo);
std::optional<long> LeggiIntero(std::string_view testo);

} // namespace veltra
