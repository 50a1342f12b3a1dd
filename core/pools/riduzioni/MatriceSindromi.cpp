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

// Rank of ternary columns (digits 0..a-1 of elements of G), by elimination mod 3.
int Rango(const SpazioMisto& gruppo, const std::vector<uint32_t>& colonne, int a) {
    std::vector<Cifre> righe;
    for (uint32_t c : colonne)
        righe.push_back(gruppo.Scomponi(c));
    size_t rango = 0;
    for (int k = 0; k < a; ++k) {
        size_t perno = rango;
        while (perno < righe.size() && righe[perno][k] == 0)
            ++perno;
        if (perno == righe.size()) continue;
        std::swap(righe[perno], righe[rango]);
        const int inverso = righe[rango][k]; // 1 and 2 are their own inverses mod 3
        for (size_t i = 0; i < righe.size(); ++i) {
            if (i == rango || righe[i][k] == 0) continue;
            const int f = (righe[i][k] * inverso) % 3;
            for (int j = 0; j < a; ++j)
                righe[i][j] = static_cast<uint8_t>((righe[i][j] + 9 - f * righe[rango][j]) % 3);
        }
        ++rango;
    }
    return static_cast<int>(rango);
}

// Columns of the parity checks of good short ternary codes, as digits: for a = 4 the ten
// points of an elliptic quadric of PG(3,3) (the [10,6,4] code), for a = 5 the Golay code
// [11,6,5] (x^i mod its generator polynomial), for a = 6 the extended Golay code
// [12,6,6], whose parity check is a generator [I | A] of the same code.
std::vector<Cifre> ColonneSpeciali(int a) {
    std::vector<Cifre> colonne;
    if (a == 4) {
        for (int x = 1; x < 81; ++x) {
            const int c[4] = {x / 27, x / 9 % 3, x / 3 % 3, x % 3};
            const int primo = c[0] ? c[0] : c[1] ? c[1] : c[2] ? c[2] : c[3];
            if (primo != 1 || (c[0] * c[1] + c[2] * c[2] + c[3] * c[3]) % 3 != 0) continue;
            colonne.push_back(Cifre{static_cast<uint8_t>(c[0]), static_cast<uint8_t>(c[1]),
                                    static_cast<uint8_t>(c[2]), static_cast<uint8_t>(c[3])});
        }
    } else if (a == 5) {
        // g(x) = x^5 + x^4 + 2x^3 + x^2 + 2, so x^5 = 2x^4 + x^3 + 2x^2 + 1.
        const int x5[5] = {1, 0, 2, 1, 2}; // coefficients of 1, x, .., x^4
        int r[5] = {1, 0, 0, 0, 0};
        for (int i = 0; i < 11; ++i) {
            Cifre c{};
            for (int k = 0; k < 5; ++k)
                c[k] = static_cast<uint8_t>(r[k]);
            colonne.push_back(c);
            const int alto = r[4];
            for (int k = 4; k > 0; --k)
                r[k] = (r[k - 1] + alto * x5[k]) % 3;
            r[0] = (alto * x5[0]) % 3;
        }
    } else if (a == 6) {
        const int A[6][6] = {{0, 1, 1, 1, 1, 1}, {1, 0, 1, 2, 2, 1}, {1, 1, 0, 1, 2, 2},
                             {1, 2, 1, 0, 1, 2}, {1, 2, 2, 1, 0, 1}, {1, 1, 2, 2, 1, 0}};
        for (int j = 0; j < 12; ++j) {
            Cifre c{};
            for (int k = 0; k < 6; ++k)
                c[k] = static_cast<uint8_t>(j < 6 ? (k == j) : A[k][j - 6]);
            colonne.push_back(c);
        }
    }
    return colonne;
}

} // namespace

MatriceSindromi ScegliMatrice(int triple, int doppie, int a, int b, uint64_t seme, bool speciali) {
    MatriceSindromi m{triple, doppie, a, b, {}};
    const SpazioMisto g = m.gruppo();
    GeneratoreCasuale caso(seme);
    const std::vector<Cifre> note = speciali ? ColonneSpeciali(a) : std::vector<Cifre>{};
    if (!note.empty() && triple >= a) {
        std::vector<uint32_t> colonne;
        for (int i = 0; i < triple && i < static_cast<int>(note.size()); ++i)
            colonne.push_back(g.Componi(note[i]));
        // Beyond the set, other points at random; the map must stay onto Z3^a.
        std::vector<uint32_t> altri;
        for (uint32_t p : PuntiProiettivi(g, 0, a)) {
            bool usato = false;
            for (uint32_t c : colonne)
                usato |= c == p || Multiplo(g, c, 2) == p;
            if (!usato) altri.push_back(p);
        }
        for (size_t i = altri.size(); i > 1; --i)
            std::swap(altri[i - 1], altri[caso.Sotto(i)]);
        for (size_t i = 0; static_cast<int>(colonne.size()) < triple; ++i)
            colonne.push_back(altri[i % altri.size()]);
        if (Rango(g, colonne, a) == a) m.colonne = colonne;
    }
    if (m.colonne.empty()) {
        if (a > 0)
            Scegli(m.colonne, g, 0, a, triple, caso);
        else
            m.colonne.insert(m.colonne.end(), triple, 0);
    }
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
    return Preimmagine(ScegliMatrice(lunghezza, 0, a, 0, 0, false), {0});
}

Codice HammingBinario(int b) {
    const int lunghezza = static_cast<int>(SpazioMisto(0, b).dimensione()) - 1;
    return Preimmagine(ScegliMatrice(0, lunghezza, 0, b, 0, false), {0});
}

} // namespace veltra::riduzioni
