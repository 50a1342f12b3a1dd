#include "pools/riduzioni/SpazioMisto.h"

#include <stdexcept>

namespace veltra::riduzioni {

SpazioMisto::SpazioMisto(int triple, int doppie) : triple_(triple), doppie_(doppie) {
    if (triple < 0 || doppie < 0 || triple + doppie > kMaxRigheVariabili)
        throw std::invalid_argument("righe variabili fuori intervallo");
    uint32_t peso = 1;
    for (int r = righe() - 1; r >= 0; --r) {
        pesi_[r] = peso;
        peso *= static_cast<uint32_t>(base(r));
    }
    dimensione_ = peso;
}

Cifre SpazioMisto::Scomponi(uint32_t indice) const {
    Cifre cifre{};
    for (int r = righe() - 1; r >= 0; --r) {
        const uint32_t b = static_cast<uint32_t>(base(r));
        cifre[r] = static_cast<uint8_t>(indice % b);
        indice /= b;
    }
    return cifre;
}

uint32_t SpazioMisto::Componi(const Cifre& cifre) const {
    uint32_t indice = 0;
    for (int r = 0; r < righe(); ++r)
        indice = indice * static_cast<uint32_t>(base(r)) + cifre[r];
    return indice;
}

void SpazioMisto::Vicini(uint32_t indice, std::vector<uint32_t>& vicini) const {
    vicini.clear();
    for (int r = 0; r < righe(); ++r) {
        const uint32_t b = static_cast<uint32_t>(base(r));
        const uint32_t cifra = (indice / pesi_[r]) % b;
        const uint32_t senza = indice - cifra * pesi_[r];
        for (uint32_t v = 0; v < b; ++v)
            if (v != cifra) vicini.push_back(senza + v * pesi_[r]);
    }
}

uint8_t SpazioMisto::ByteDaCifra(int riga, uint8_t cifra) const {
    if (riga < triple_) return static_cast<uint8_t>(cifra + 1);
    return cifra == 0 ? 1 : 3;
}

int SpazioMisto::CifraDaByte(int riga, uint8_t valore) const {
    if (riga < triple_) return (valore >= 1 && valore <= 3) ? valore - 1 : -1;
    if (valore == 1) return 0;
    if (valore == 3) return 1;
    return -1;
}

uint32_t SpazioMisto::LimiteSfere() const {
    const uint32_t sfera = static_cast<uint32_t>(1 + 2 * triple_ + doppie_);
    return (dimensione_ + sfera - 1) / sfera;
}

} // namespace veltra::riduzioni
