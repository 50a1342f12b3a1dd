#include "pools/riduzioni/Costruzioni.h"

namespace veltra::riduzioni {

namespace {

// Rewrites every word through `trasforma` (old digits -> new digits) into `spazio`.
template <typename F> Codice Trasforma(const Codice& codice, int triple, int doppie, F trasforma) {
    const SpazioMisto vecchio = codice.spazio();
    const SpazioMisto nuovo(triple, doppie);
    Codice risultato{triple, doppie, {}};
    risultato.parole.reserve(codice.size());
    for (uint32_t p : codice.parole) {
        const Cifre cifre = vecchio.Scomponi(p);
        trasforma(cifre,
                  [&](const Cifre& nuove) { risultato.parole.push_back(nuovo.Componi(nuove)); });
    }
    Normalizza(risultato);
    return risultato;
}

// Moves digit `da` to position `a`, shifting the ones between.
Cifre Sposta(const Cifre& cifre, int da, int a, int righe) {
    Cifre nuove{};
    int j = 0;
    const uint8_t mossa = cifre[da];
    for (int i = 0; i < righe; ++i) {
        if (i == da) continue;
        if (j == a) nuove[j++] = mossa;
        nuove[j++] = cifre[i];
    }
    if (j == a) nuove[j] = mossa;
    return nuove;
}

} // namespace

Codice AggiungiTripla(const Codice& codice) {
    const int t = codice.triple;
    const int n = t + codice.doppie;
    return Trasforma(codice, t + 1, codice.doppie, [&](const Cifre& c, auto emetti) {
        for (uint8_t v = 0; v < 3; ++v) {
            Cifre nuove{};
            for (int i = 0; i < t; ++i)
                nuove[i] = c[i];
            nuove[t] = v;
            for (int i = t; i < n; ++i)
                nuove[i + 1] = c[i];
            emetti(nuove);
        }
    });
}

Codice AggiungiDoppia(const Codice& codice) {
    const int n = codice.triple + codice.doppie;
    return Trasforma(codice, codice.triple, codice.doppie + 1, [&](const Cifre& c, auto emetti) {
        for (uint8_t v = 0; v < 2; ++v) {
            Cifre nuove = c;
            nuove[n] = v;
            emetti(nuove);
        }
    });
}

Codice TriplaInDoppia(const Codice& codice, int riga, uint8_t cifraFusa) {
    const int t = codice.triple;
    const int n = t + codice.doppie;
    return Trasforma(codice, t - 1, codice.doppie + 1, [&](const Cifre& c, auto emetti) {
        Cifre nuove = Sposta(c, riga, t - 1, n);
        if (nuove[t - 1] == 2) nuove[t - 1] = cifraFusa;
        emetti(nuove);
    });
}

Codice TogliRiga(const Codice& codice, int riga) {
    const int n = codice.triple + codice.doppie;
    const bool tripla = riga < codice.triple;
    return Trasforma(codice, codice.triple - tripla, codice.doppie - !tripla,
                     [&](const Cifre& c, auto emetti) {
                         Cifre nuove{};
                         for (int i = 0, j = 0; i < n; ++i)
                             if (i != riga) nuove[j++] = c[i];
                         emetti(nuove);
                     });
}

Codice MiglioreTriplaInDoppia(const Codice& codice) {
    Codice migliore;
    bool trovato = false;
    for (int r = 0; r < codice.triple; ++r)
        for (uint8_t f = 0; f < 2; ++f) {
            Codice c = TriplaInDoppia(codice, r, f);
            if (!trovato || c.size() < migliore.size()) migliore = std::move(c), trovato = true;
        }
    return migliore;
}

Codice MiglioreTogliRiga(const Codice& codice, bool tripla) {
    Codice migliore;
    bool trovato = false;
    const int da = tripla ? 0 : codice.triple;
    const int a = tripla ? codice.triple : codice.triple + codice.doppie;
    for (int r = da; r < a; ++r) {
        Codice c = TogliRiga(codice, r);
        if (!trovato || c.size() < migliore.size()) migliore = std::move(c), trovato = true;
    }
    return migliore;
}

} // namespace veltra::riduzioni
