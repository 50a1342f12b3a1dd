#include "pools/riduzioni/MatriceSindromi.h"

#include "pools/riduzioni/GeneratoreCasuale.h"

#include <algorithm>

namespace veltra::riduzioni {

uint32_t Somma(const SpazioMisto& gruppo, uint32_t x, uint32_t y) {
    const Cifre cx = gruppo.Scomponi(x);
    const Cifre cy = gruppo.Scomponi(y);
    Cifre s{};
    for (int r = 0; r < gruppo.righe(); ++r)
        s[r] = static_cast<uint8_t>((cx[r] + cy[r]) % gruppo.base(r));
    return gruppo.Componi(s);
}

uint32_t Multiplo(const SpazioMisto& gruppo, uint32_t x, int k) {
    uint32_t s = 0;
    for (int i = 0; i < k; ++i)
        s = Somma(gruppo, s, x);
    return s;
}

namespace {

// Representatives of the nonzero elements up to sign: first nonzero digit 1.
std::vector<uint32_t> PuntiProiettivi(const SpazioMisto& gruppo, int da, int a) {
    std::vector<uint32_t> punti;
    for (uint32_t x = 1; x < gruppo.dimensione(); ++x) {
        const Cifre c = gruppo.Scomponi(x);
        bool fuori = false;
        int primo = -1;
        for (int r = 0; r < gruppo.righe(); ++r) {
            if (c[r] == 0) continue;
            if (r < da || r >= a) fuori = true;
            if (primo < 0) primo = c[r];
        }
        if (!fuori && primo == 1) punti.push_back(x);
    }
    return punti;
}

void Scegli(std::vector<uint32_t>& colonne, const SpazioMisto& gruppo, int da, int a, int quante,
            GeneratoreCasuale& caso) {
    std::vector<uint32_t> punti = PuntiProiettivi(gruppo, da, a);
    // Unit vectors first: they make the syndrome map onto its part of G.
    std::vector<uint32_t> unitari;
    for (int r = da; r < a; ++r)
        unitari.push_back(gruppo.peso(r));
    std::vector<uint32_t> altri;
    for (uint32_t p : punti)
        if (std::find(unitari.begin(), unitari.end(), p) == unitari.end()) altri.push_back(p);
    for (size_t i = altri.size(); i > 1; --i)
        std::swap(altri[i - 1], altri[caso.Sotto(i)]);
    std::vector<uint32_t> ordine = unitari;
    ordine.insert(ordine.end(), altri.begin(), altri.end());
    for (int i = 0; i < quante; ++i)
        colonne.push_back(ordine[i % ordine.size()]);
}

} // namespace

MatriceSindromi ScegliMatrice(int triple, int doppie, int a, int b, uint64_t seme) {
    MatriceSindromi m{triple, doppie, a, b, {}};
    const SpazioMisto g = m.gruppo();
    GeneratoreCasuale caso(seme);
    if (a > 0)
        Scegli(m.colonne, g, 0, a, triple, caso);
    else
        m.colonne.insert(m.colonne.end(), triple, 0);
    if (b > 0)
        Scegli(m.colonne, g, a, a + b, doppie, caso);
    else
        m.colonne.insert(m.colonne.end(), doppie, 0);
    return m;
}

std::vector<uint32_t> Spostamenti(const MatriceSindromi& matrice) {
    const SpazioMisto g = matrice.gruppo();
    std::vector<uint32_t> d{0};
    auto aggiungi = [&](uint32_t x) {
        if (std::find(d.begin(), d.end(), x) == d.end()) d.push_back(x);
    };
    for (int r = 0; r < matrice.triple + matrice.doppie; ++r) {
        aggiungi(matrice.colonne[r]);
        if (r < matrice.triple) aggiungi(Multiplo(g, matrice.colonne[r], 2));
    }
    return d;
}

GrafoCopertura GrafoSindromi(const MatriceSindromi& matrice) {
    const SpazioMisto g = matrice.gruppo();
    const std::vector<uint32_t> d = Spostamenti(matrice);
    GrafoCopertura grafo{g.dimensione(), static_cast<int>(d.size()), {}};
    grafo.vicini.reserve(size_t{grafo.n} * d.size());
    for (uint32_t x = 0; x < grafo.n; ++x)
        for (uint32_t s : d)
            grafo.vicini.push_back(Somma(g, x, s));
    return grafo;
}

Codice Preimmagine(const MatriceSindromi& matrice, const std::vector<uint32_t>& insieme) {
    const SpazioMisto spazio(matrice.triple, matrice.doppie);
    const SpazioMisto g = matrice.gruppo();
    std::vector<bool> dentro(g.dimensione(), false);
    for (uint32_t s : insieme)
        dentro[s] = true;

    // Depth-first over the rows, carrying the syndrome's digits, so each outcome costs a
    // few digit additions; outcomes come out in index order.
    const int n = spazio.righe();
    std::vector<Cifre> contributo(static_cast<size_t>(n) * 3);
    for (int r = 0; r < n; ++r)
        for (int v = 0; v < spazio.base(r); ++v)
            contributo[r * 3 + v] = g.Scomponi(Multiplo(g, matrice.colonne[r], v));

    Codice codice{matrice.triple, matrice.doppie, {}};
    std::vector<Cifre> sindrome(n + 1);
    std::vector<int> cifra(n + 1, 0);
    std::vector<uint32_t> indice(n + 1, 0);
    int livello = 0;
    cifra[0] = -1;
    while (livello >= 0) {
        if (livello == n) {
            if (dentro[g.Componi(sindrome[n])]) codice.parole.push_back(indice[n]);
            --livello;
            continue;
        }
        if (++cifra[livello] >= spazio.base(livello)) {
            --livello;
            continue;
        }
        const Cifre& c = contributo[livello * 3 + cifra[livello]];
        for (int k = 0; k < g.righe(); ++k)
            sindrome[livello + 1][k] =
                static_cast<uint8_t>((sindrome[livello][k] + c[k]) % g.base(k));
        indice[livello + 1] = indice[livello] * spazio.base(livello) + cifra[livello];
        ++livello;
        cifra[livello] = -1;
    }
    return codice;
}

Codice HammingTernario(int a) {
    const int lunghezza = (static_cast<int>(SpazioMisto(a, 0).dimensione()) - 1) / 2;
    return Preimmagine(ScegliMatrice(lunghezza, 0, a, 0, 0), {0});
}

Codice HammingBinario(int b) {
    const int lunghezza = static_cast<int>(SpazioMisto(0, b).dimensione()) - 1;
    return Preimmagine(ScegliMatrice(0, lunghezza, 0, b, 0), {0});
}

} // namespace veltra::riduzioni
