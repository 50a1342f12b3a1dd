#pragma once
// Writes a reduction file (used by the table generator, never by the program at play time).

#include "pools/riduzioni/SpazioMisto.h"
#include "pools/riduzioni/TabellaRiduzione.h"

#include <filesystem>
#include <string>
#include <vector>

namespace veltra::riduzioni {

// Columns given as outcome indices of the space become stored bytes, in the given order.
TabellaRiduzione TabellaDaIndici(const SpazioMisto& spazio, const std::vector<uint32_t>& indici);

// Writes through a temporary file renamed over the target, so a failure leaves the old
// table in place. Returns an empty string on success, otherwise what went wrong.
std::string ScriviTabellaRiduzione(const std::filesystem::path& file,
                                   const TabellaRiduzione& tabella);

} // namespace veltra::riduzioni
