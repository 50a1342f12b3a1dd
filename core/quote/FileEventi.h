#pragma once
// The events text a page reader writes and the loader reads, one record per
// line group, each opening with its code:
//   -1   the download failed: every following line is a message for the log
//   -2   one event: championship, home and away team indices (away -1 when
//        the opponent was not recognised), the odds (3 or 6, 0 = not
//        quoted), the date text (no blanks)
//   -3   the trailer: per championship a count and the team indices of the
//        recognised pairs
// Numbers are written and read with a decimal point whatever the process's
// locale.
#include "dati/Campionati.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

struct RecordEvento {
    int campionato = 0;
    int casa = -1, trasferta = -1;
    std::array<float, 6> quote = {};
    std::string data;
};

// Writing.
std::string RecordErrore(std::string_view testo); // "-1\n" + text lines
std::string RecordEventoTesto(const RecordEvento& e, int numeroQuote);
std::string RecordTrailer(const std::array<std::vector<int>, kNumeroCampionati>& coppie);

struct ContenutoEventi {
    std::vector<RecordEvento> eventi; // in file order
    std::vector<std::string> errore;  // the lines of a -1 record
    bool conErrore = false;
    bool trailer = false;
    std::array<std::vector<int>, kNumeroCampionati> coppie;
    // A line the reader could not make sense of: what and where. Reading
    // stopped there; what came before is kept.
    std::string illeggibile;
};

// Empty lines are skipped; reading stops at a -1 record, the trailer, or the
// first line that is not a record.
ContenutoEventi LeggiFileEventi(std::string_view testo);

} // namespace veltra
