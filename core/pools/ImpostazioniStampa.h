#pragma once
// Calibration of the marks printed on paper coupons, in the printer's device
// units, and the character printed as a mark.
#include <cstdint>

namespace veltra {

class Archivio;

struct ImpostazioniStampa {
    std::int32_t margineSuperiore = 100; // y of the first row of marks
    std::int32_t margineSinistro = 100;  // x of the first box of the first column
    std::int32_t spazioSegni = 40;       // between the boxes 1, X and 2 of a column
    std::int32_t spazioPartite = 60;     // between two rows
    std::int32_t spazioColonne = 50;     // extra space between two columns
    char carattereStampa = 'X';

    // The four older settings in the order above, then spazioColonne, which
    // files up to data version 'n' lack (it then becomes 1), then the mark.
    // Values are kept as read: the print dialog clamps them to its ranges.
    void Serializza(Archivio& ar);

    friend bool operator==(const ImpostazioniStampa&, const ImpostazioniStampa&) = default;
};

} // namespace veltra
