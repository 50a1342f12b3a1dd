#pragma once
// The tip of the day: the fixed table of 62 tips, which tip comes next, and
// whether one is shown at start-up. The counters live in the named settings
// "IndexSuggerimento" and "SuggerimentoStart" (Cfg2.VLT).
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

struct DatiGlobali;

inline constexpr int kNumeroConsigli = 62;

// In a tip the character '*' ends a line; every tip ends with '*'.
const std::array<std::string_view, kNumeroConsigli>& TabellaConsigli();

// The lines of a tip, split at each '*' (the last '*' ends the last line).
std::vector<std::string> RigheConsiglio(std::string_view testo);

// The tip to show now and the next index stored: the index read from
// "IndexSuggerimento" goes up by one, and after the last tip it goes back to
// 1, so the welcome tip (0) is shown only until the first wrap. An index out
// of the table (a damaged file) shows tip 1.
struct ConsiglioMostrato {
    int indice = 0;
    std::vector<std::string> righe;
};
ConsiglioMostrato ProssimoConsiglio(DatiGlobali& dati);

// At start-up: true when the tip window must be shown. A setting that
// cannot be read is written as "SI" and the window is shown.
bool MostraConsiglioAllAvvio(DatiGlobali& dati);

// On closing the window: the check box decides the next start-up.
void ChiudiConsiglio(DatiGlobali& dati, bool mostraAllAvvio);

} // namespace veltra
