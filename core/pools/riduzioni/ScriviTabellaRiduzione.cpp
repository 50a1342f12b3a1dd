#include "pools/riduzioni/ScriviTabellaRiduzione.h"

#include <fstream>
#include <system_error>

namespace veltra::riduzioni {

TabellaRiduzione TabellaDaIndici(const SpazioMisto& spazio, const std::vector<uint32_t>& indici) {
    TabellaRiduzione tabella;
    tabella.numTriple = spazio.triple();
    tabella.numDoppie = spazio.doppie();
    tabella.numColonne = static_cast<int32_t>(indici.size());
    tabella.valori.reserve(indici.size() * spazio.righe());
    for (uint32_t indice : indici) {
        const Cifre cifre = spazio.Scomponi(indice);
        for (int r = 0; r < spazio.righe(); ++r)
            tabella.valori.push_back(spazio.ByteDaCifra(r, cifre[r]));
    }
    return tabella;
}

std::string ScriviTabellaRiduzione(const std::filesystem::path& file,
                                   const TabellaRiduzione& tabella) {
    const uint32_t n = static_cast<uint32_t>(tabella.numColonne);
    const uint16_t conteggio =
        n >= kConteggioDaLunghezza ? kConteggioDaLunghezza : static_cast<uint16_t>(n);
    const unsigned char testa[4] = {static_cast<unsigned char>(conteggio & 0xFF),
                                    static_cast<unsigned char>(conteggio >> 8),
                                    static_cast<unsigned char>(tabella.numTriple),
                                    static_cast<unsigned char>(tabella.numDoppie)};
    std::filesystem::path temporaneo = file;
    temporaneo += ".tmp";
    {
        std::ofstream out(temporaneo, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(testa), 4);
        out.write(reinterpret_cast<const char*>(tabella.valori.data()),
                  static_cast<std::streamsize>(tabella.valori.size()));
        out.flush();
        if (!out) {
            std::error_code ec;
            std::filesystem::remove(temporaneo, ec);
            return "scrittura non riuscita: " + temporaneo.string();
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporaneo, file, ec);
    if (ec) return "rinomina non riuscita: " + file.string() + ": " + ec.message();
    return {};
}

} // namespace veltra::riduzioni
