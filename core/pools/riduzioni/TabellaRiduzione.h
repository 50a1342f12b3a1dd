#pragma once
// A reduced system as stored in a reduction file: the columns of the t + d variable rows,
// column by column, triple rows first, each value a stored byte (1, 2, 3).

#include <cstdint>
#include <string>
#include <vector>

namespace veltra::riduzioni {

struct TabellaRiduzione {
    int numTriple = 0;
    int numDoppie = 0;
    int32_t numColonne = 0;
    std::vector<uint8_t> valori; // numColonne * (numTriple + numDoppie)

    int righe() const { return numTriple + numDoppie; }
    uint8_t Valore(int32_t colonna, int riga) const {
        return valori[static_cast<size_t>(colonna) * righe() + riga];
    }
};

// The 16-bit count cannot hold the largest tables: such a file stores this value and the
// number of columns follows from the file's length. An older reader that trusts the count
// still finds that many whole columns at the start of the file.
constexpr uint16_t kConteggioDaLunghezza = 0xFFFF;

std::string NomeTabellaRiduzione(int triple, int doppie);
std::string NomeTabellaCorrezione(int triple, int doppie, int erroriMin, int erroriMax);

} // namespace veltra::riduzioni
