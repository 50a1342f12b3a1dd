#pragma once
// The space of outcomes of a coupon's variable rows: t triple rows (signs 1, 2, X)
// followed by d double rows (base sign, second sign). Every outcome has an index in
// mixed radix, row 0 most significant, so columns sort in coupon order.

#include <array>
#include <cstdint>
#include <vector>

namespace veltra::riduzioni {

constexpr int kMaxRigheVariabili = 14;

using Cifre = std::array<uint8_t, kMaxRigheVariabili>;

class SpazioMisto {
public:
    SpazioMisto(int triple, int doppie);

    int triple() const { return triple_; }
    int doppie() const { return doppie_; }
    int righe() const { return triple_ + doppie_; }
    uint32_t dimensione() const { return dimensione_; }
    int base(int riga) const { return riga < triple_ ? 3 : 2; }
    uint32_t peso(int riga) const { return pesi_[riga]; }

    // Digits 0..2 on triple rows, 0..1 on double rows.
    Cifre Scomponi(uint32_t indice) const;
    uint32_t Componi(const Cifre& cifre) const;

    // Every outcome that differs from `indice` in exactly one row (2t + d of them).
    void Vicini(uint32_t indice, std::vector<uint32_t>& vicini) const;

    // Stored bytes: triple 1/2/3 = sign 1/2/X, double 1 = base, 3 = second sign.
    uint8_t ByteDaCifra(int riga, uint8_t cifra) const;
    // Returns -1 for a byte that does not belong to the row's kind.
    int CifraDaByte(int riga, uint8_t valore) const;

    // 3^t 2^d / (1 + 2t + d) rounded up: no table of radius one can be smaller.
    uint32_t LimiteSfere() const;

private:
    int triple_;
    int doppie_;
    uint32_t dimensione_;
    std::array<uint32_t, kMaxRigheVariabili> pesi_{};
};

} // namespace veltra::riduzioni
