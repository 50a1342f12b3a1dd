#include "tools/ricerche/EnumerazionePercentuali.h"

#include <algorithm>

namespace veltra {

EnumerazionePercentuali::EnumerazionePercentuali(int giornate, const Percentuali& partenza,
                                                 int passo, int ampiezza)
    : giornate_(giornate), passo_(passo), finestra_(ampiezza < 100) {
    valida_ = giornate >= 2 && giornate <= 5 && passo >= 1 && passo <= 100 && ampiezza >= 0;
    if (!valida_) return;
    const int meta = ampiezza / 2;
    for (int i = 0; i < giornate; ++i) {
        if (finestra_) {
            lo_[i] = std::max(50, partenza[static_cast<std::size_t>(i)] - meta);
            hi_[i] = std::min(150, partenza[static_cast<std::size_t>(i)] + meta);
        } else {
            lo_[i] = 50;
            hi_[i] = 150;
        }
        // Full: w[N-1] outermost ... w[1], w[0] derived. Windowed: w[0]
        // outermost ... w[N-2], w[N-1] derived.
        ordine_[i] = finestra_ ? i : giornate - 1 - i;
    }
}

void EnumerazionePercentuali::Limiti(int livello, const int* valori, int& lo, int& hi) const {
    int resto = 100 * giornate_;
    for (int l = 0; l < livello; ++l) resto -= valori[l];
    // The weights after this loop (the derived one included) take what is left.
    int minResto = 0, maxResto = 0;
    for (int l = livello + 1; l < giornate_; ++l) {
        minResto += lo_[ordine_[l]];
        maxResto += hi_[ordine_[l]];
    }
    const int i = ordine_[livello];
    lo = std::max(lo_[i], resto - maxResto);
    hi = std::min(hi_[i], resto - minResto);
}

int EnumerazionePercentuali::InizioSecondo(int esterno) const {
    int lo, hi;
    const int valori[1] = {esterno};
    Limiti(1, valori, lo, hi);
    return lo;
}

template <class F> void EnumerazionePercentuali::Ricorri(int livello, int* valori, F&& f) const {
    if (livello == giornate_ - 1) {
        f(valori);
        return;
    }
    int lo, hi;
    Limiti(livello, valori, lo, hi);
    for (int v = lo; v <= hi; v += passo_) {
        valori[livello] = v;
        Ricorri(livello + 1, valori, f);
    }
}

std::vector<BloccoPercentuali> EnumerazionePercentuali::Blocchi() const {
    return Blocchi(-1, -1);
}

std::vector<BloccoPercentuali> EnumerazionePercentuali::Blocchi(int ripresa,
                                                                int ripresaSecondo) const {
    std::vector<BloccoPercentuali> blocchi;
    if (!valida_) return blocchi;
    int valori[5] = {};
    int lo, hi;
    Limiti(0, valori, lo, hi);
    const int inizio = std::max(lo, ripresa);
    for (int v = inizio; v <= hi; v += passo_) {
        valori[0] = v;
        if (giornate_ < 5) {
            blocchi.push_back({static_cast<std::int16_t>(v), 0});
            continue;
        }
        int lo2, hi2;
        Limiti(1, valori, lo2, hi2);
        int inizio2 = lo2;
        // A stored restart outside the loop's bounds restarts it at its
        // lower bound.
        if (v == inizio && ripresa >= 0 && ripresaSecondo >= lo2 && ripresaSecondo <= hi2)
            inizio2 = ripresaSecondo;
        for (int v2 = inizio2; v2 <= hi2; v2 += passo_)
            blocchi.push_back({static_cast<std::int16_t>(v), static_cast<std::int16_t>(v2)});
    }
    return blocchi;
}

void EnumerazionePercentuali::Candidati(const BloccoPercentuali& b,
                                        std::vector<Percentuali>& out) const {
    if (!valida_) return;
    int valori[5] = {b.esterno, b.secondo, 0, 0, 0};
    const int primo = giornate_ < 5 ? 1 : 2;
    auto emetti = [&](const int* v) {
        Percentuali w = {};
        int somma = 0;
        for (int l = 0; l < giornate_ - 1; ++l) {
            w[static_cast<std::size_t>(ordine_[l])] = static_cast<std::int16_t>(v[l]);
            somma += v[l];
        }
        w[static_cast<std::size_t>(ordine_[giornate_ - 1])] =
            static_cast<std::int16_t>(100 * giornate_ - somma);
        out.push_back(w);
    };
    if (giornate_ == 2) {
        emetti(valori);
        return;
    }
    Ricorri(primo, valori, emetti);
}

long EnumerazionePercentuali::NumeroCandidati(const BloccoPercentuali& b) const {
    if (!valida_) return 0;
    if (giornate_ == 2) return 1;
    int valori[5] = {b.esterno, b.secondo, 0, 0, 0};
    const int primo = giornate_ < 5 ? 1 : 2;
    long n = 0;
    // The innermost loop is counted, not walked.
    auto conta = [&](auto&& self, int livello) -> void {
        int lo, hi;
        Limiti(livello, valori, lo, hi);
        if (hi < lo) return;
        if (livello == giornate_ - 2) {
            n += (hi - lo) / passo_ + 1;
            return;
        }
        for (int v = lo; v <= hi; v += passo_) {
            valori[livello] = v;
            self(self, livello + 1);
        }
    };
    conta(conta, primo);
    return n;
}

} // namespace veltra
