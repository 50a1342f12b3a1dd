#pragma once
// ModelliStime.txt: which model gives each championship's probabilities to
// the coupon and the bets. One line per championship that does not use the
// engine, "CODICE rating"; a missing file, or a championship not named,
// means the engine. Written with the championship files on save.
#include "dati/DatiCampionati.h"

#include <string>
#include <string_view>

namespace veltra {

inline constexpr const char* kFileModelliStime = "ModelliStime.txt";

std::string ScriviTestoModelliStime(const DatiCampionati& dati);
// Sets every championship's model from the text (the others to the engine).
// A line that names no championship or no model is skipped and described in
// the returned text ("riga N: ..."), empty when all were read.
std::string LeggiTestoModelliStime(std::string_view testo, DatiCampionati& dati);

} // namespace veltra
