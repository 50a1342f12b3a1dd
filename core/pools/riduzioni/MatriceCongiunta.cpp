#include "pools/riduzioni/MatriceCongiunta.h"

#include "pools/riduzioni/GeneratoreCasuale.h"

#include <algorithm>
#include <cmath>

namespace veltra::riduzioni {

namespace {

class StatoCongiunto {
public:
    StatoCongiunto(const SpazioMisto& g, int triple, std::vector<uint32_t> colonne)
        : n_(g.dimensione()), triple_(triple), colonne_(std::move(colonne)),
          somma_(size_t{n_} * n_), conta_(n_, 0), posScoperto_(n_, -1) {
        for (uint32_t x = 0; x < n_; ++x)
            for (uint32_t y = 0; y < n_; ++y)
                somma_[size_t{x} * n_ + y] = Somma(g, x, y);
        for (uint32_t z = 0; z < n_; ++z)
            Scopri(z);
    }

    uint32_t Piu(uint32_t x, uint32_t y) const { return somma_[size_t{x} * n_ + y]; }
    uint32_t Doppio(uint32_t x) const { return Piu(x, x); }
    size_t Scoperti() const { return scoperti_.size(); }
    uint32_t Scoperto(size_t i) const { return scoperti_[i]; }
    const std::vector<uint32_t>& Insieme() const { return insieme_; }
    const std::vector<uint32_t>& Colonne() const { return colonne_; }
    size_t Colonne_() const { return colonne_.size(); }

    // The shift of a column taken with sign `segno` (0: +h, 1: -h; doubles only +h).
    uint32_t Spostamento(size_t colonna, int segno) const {
        const uint32_t h = colonne_[colonna];
        return segno == 0 || colonna >= static_cast<size_t>(triple_) ? h : Doppio(h);
    }

    void AggiungiElemento(uint32_t s) {
        insieme_.push_back(s);
        Tocca(s, +1);
        for (size_t c = 0; c < colonne_.size(); ++c)
            ToccaColonna(s, c, +1);
    }
    void TogliElemento(size_t i) {
        const uint32_t s = insieme_[i];
        insieme_[i] = insieme_.back();
        insieme_.pop_back();
        Tocca(s, -1);
        for (size_t c = 0; c < colonne_.size(); ++c)
            ToccaColonna(s, c, -1);
    }
    void CambiaColonna(size_t c, uint32_t valore) {
        for (uint32_t s : insieme_)
            ToccaColonna(s, c, -1);
        colonne_[c] = valore;
        for (uint32_t s : insieme_)
            ToccaColonna(s, c, +1);
    }

private:
    void ToccaColonna(uint32_t s, size_t c, int verso) {
        const uint32_t h = colonne_[c];
        Tocca(Piu(s, h), verso);
        if (c < static_cast<size_t>(triple_)) Tocca(Piu(s, Doppio(h)), verso);
    }
    void Tocca(uint32_t z, int verso) {
        if (verso > 0) {
            if (conta_[z]++ == 0) Copri(z);
        } else if (--conta_[z] == 0) {
            Scopri(z);
        }
    }
    void Scopri(uint32_t z) {
        posScoperto_[z] = static_cast<int32_t>(scoperti_.size());
        scoperti_.push_back(z);
    }
    void Copri(uint32_t z) {
        const int32_t i = posScoperto_[z];
        const uint32_t ultimo = scoperti_.back();
        scoperti_[i] = ultimo;
        posScoperto_[ultimo] = i;
        scoperti_.pop_back();
        posScoperto_[z] = -1;
    }

    uint32_t n_;
    int triple_;
    std::vector<uint32_t> colonne_;
    std::vector<uint32_t> somma_;
    std::vector<uint32_t> conta_;
    std::vector<int32_t> posScoperto_;
    std::vector<uint32_t> scoperti_;
    std::vector<uint32_t> insieme_;
};

} // namespace

EsitoCongiunta CercaMatriceCongiunta(int triple, int doppie, const ParametriCongiunta& p) {
    EsitoCongiunta esito;
    const int a = p.a, b = p.b;
    if (a > triple || b > doppie || a < 0 || b < 0 || p.parole == 0) return esito;
    const SpazioMisto g(a, b);
    if (g.dimensione() > 6561) return esito;
    GeneratoreCasuale caso(p.seme);

    // Triple columns in Z3^a, double columns in Z2^b: the unit vectors first, fixed.
    const uint32_t parteDoppie = SpazioMisto(0, b).dimensione(); // weight of the Z3 digits
    auto casualeTripla = [&] {
        return static_cast<uint32_t>(1 + caso.Sotto(SpazioMisto(a, 0).dimensione() - 1)) *
               parteDoppie;
    };
    auto casualeDoppia = [&] { return static_cast<uint32_t>(1 + caso.Sotto(parteDoppie - 1)); };
    std::vector<uint32_t> colonne;
    for (int r = 0; r < triple; ++r)
        colonne.push_back(a == 0 ? 0 : r < a ? g.peso(r) : casualeTripla());
    for (int r = 0; r < doppie; ++r)
        colonne.push_back(b == 0 ? 0 : r < b ? g.peso(a + r) : casualeDoppia());
    std::vector<size_t> mobili; // columns that may change
    for (int r = a; r < triple && a > 0; ++r)
        mobili.push_back(static_cast<size_t>(r));
    for (int r = b; r < doppie && b > 0; ++r)
        mobili.push_back(static_cast<size_t>(triple + r));

    StatoCongiunto stato(g, triple, colonne);
    for (uint32_t i = 0; i < p.parole; ++i)
        stato.AggiungiElemento(static_cast<uint32_t>(caso.Sotto(g.dimensione())));

    const int righe = triple + doppie;
    auto accetta = [&](size_t prima, size_t dopo) {
        if (dopo <= prima) return true;
        const double soglia = std::exp(-static_cast<double>(dopo - prima) / p.temperatura);
        return static_cast<double>(caso.Prossimo() >> 11) * 0x1.0p-53 < soglia;
    };
    const uint64_t sogliaColonne = static_cast<uint64_t>(p.quotaColonne * 1024.0);
    uint64_t passo = 0;
    esito.menoScoperti = stato.Scoperti();
    for (; passo < p.passi && stato.Scoperti() > 0; ++passo) {
        const size_t prima = stato.Scoperti();
        esito.menoScoperti = std::min(esito.menoScoperti, prima);
        if (!mobili.empty() && caso.Sotto(1024) < sogliaColonne) {
            const size_t c = mobili[caso.Sotto(mobili.size())];
            const uint32_t vecchio = stato.Colonne()[c];
            const uint32_t nuovo =
                c < static_cast<size_t>(triple) ? casualeTripla() : casualeDoppia();
            stato.CambiaColonna(c, nuovo);
            if (!accetta(prima, stato.Scoperti())) stato.CambiaColonna(c, vecchio);
            continue;
        }
        // Cover a random uncovered u: u = s + shift, so s = u - shift (= u + the other sign).
        const uint32_t u = stato.Scoperto(caso.Sotto(stato.Scoperti()));
        const int k = static_cast<int>(caso.Sotto(static_cast<uint64_t>(2 * righe + 1)));
        uint32_t nuovo = u;
        if (k > 0) {
            const size_t c = static_cast<size_t>((k - 1) / 2);
            if (c < static_cast<size_t>(righe)) nuovo = stato.Piu(u, stato.Spostamento(c, k % 2));
        }
        const size_t i = caso.Sotto(stato.Insieme().size());
        const uint32_t vecchio = stato.Insieme()[i];
        stato.TogliElemento(i);
        stato.AggiungiElemento(nuovo);
        if (!accetta(prima, stato.Scoperti())) {
            stato.TogliElemento(stato.Insieme().size() - 1);
            stato.AggiungiElemento(vecchio);
        }
    }
    esito.passi = passo;
    if (stato.Scoperti() > 0) return esito;
    esito.trovato = true;
    esito.matrice = MatriceSindromi{triple, doppie, a, b, stato.Colonne()};
    esito.insieme = stato.Insieme();
    std::sort(esito.insieme.begin(), esito.insieme.end());
    esito.insieme.erase(std::unique(esito.insieme.begin(), esito.insieme.end()),
                        esito.insieme.end());
    return esito;
}

} // namespace veltra::riduzioni
