#include "engine/StampaAnalisi.h"

#include <cstdio>

namespace veltra {

namespace {

template <class... A> std::string F(const char* formato, A... a) {
    char b[256];
    std::snprintf(b, sizeof b, formato, a...);
    return b;
}

} // namespace

int StampaRigaConInterruzione(IDispositivoStampa& d, int yPrecedente, int passo, int x,
                              const std::string& testo) {
    int y = yPrecedente + passo;
    if (y > kUltimaRigaPagina) {
        d.Testo(x, yPrecedente + 2 * kPassoRiga, std::string(30, ' ') + "(Continua...)");
        if (!d.FinePagina()) {
            d.Annulla();
            return -1;
        }
        d.InizioPagina();
        y = 0;
    }
    d.Testo(x, y, testo);
    return y;
}

int StampaParametriAvanzati(IDispositivoStampa& d, int y0, const CPunteggiAvanzati& p, int x) {
    int y = y0;
    bool ok = true;
    auto riga = [&](int passo, const std::string& t) {
        if (!ok) return;
        y = StampaRigaConInterruzione(d, y, passo, x, t);
        ok = y >= 0;
    };
    const int L = kPassoRiga, V = 2 * kPassoRiga;
    riga(L, p.separaCasaTrasferta ? "Partite in Casa ed in Trasferta mantenute separate"
                                  : "Partite in Casa ed in Trasferta mantenute unite");
    static constexpr const char* kCasa[9] = {
        "Vittoria in Casa contro squadra forte  : %+.2f", "                                media  : %+.2f",
        "                                debole : %+.2f", "Pareggio in Casa contro squadra forte  : %+.2f",
        "                                media  : %+.2f", "                                debole : %+.2f",
        "Sconfitta in Casa contro squadra forte : %+.2f", "                                 media : %+.2f",
        "                                 debole: %+.2f"};
    static constexpr int kIndiciCasa[9] = {0, 6, 12, 2, 8, 14, 16, 10, 4};
    for (int i = 0; i < 9; ++i) riga(L, F(kCasa[i], static_cast<double>(p.punti[kIndiciCasa[i]])));
    static constexpr const char* kTrasferta[9] = {
        "Vittoria in Trasferta contro squadra forte  : %+.2f", "                                     media  : %+.2f",
        "                                     debole : %+.2f", "Pareggio in Trasferta contro squadra forte  : %+.2f",
        "                                     media  : %+.2f", "                                     debole : %+.2f",
        "Sconfitta in Trasferta contro squadra forte : %+.2f", "                                      media : %+.2f",
        "                                      debole: %+.2f"};
    static constexpr int kIndiciTrasferta[9] = {1, 7, 13, 3, 9, 15, 17, 11, 5};
    for (int i = 0; i < 9; ++i)
        riga(i == 0 ? V : L, F(kTrasferta[i], static_cast<double>(p.punti[kIndiciTrasferta[i]])));
    if (p.separaCasaTrasferta) {
        riga(V, F("In Casa     : Alta Classifica: %+.2f     Bassa Classifica: %+.2f",
                  static_cast<double>(p.modificaAltaCasa), static_cast<double>(p.modificaBassaCasa)));
        riga(L, F("In Trasferta: Alta Classifica: %+.2f     Bassa Classifica: %+.2f",
                  static_cast<double>(p.modificaAltaTrasferta), static_cast<double>(p.modificaBassaTrasferta)));
        riga(V, F("In Casa     : Squadra Debole < %+d     Forte > %+d", static_cast<int>(p.deboleCasa),
                  static_cast<int>(p.forteCasa)));
        riga(L, F("In Trasferta: Squadra Debole < %+d     Forte > %+d", static_cast<int>(p.deboleTrasferta),
                  static_cast<int>(p.forteTrasferta)));
    } else {
        riga(V, F("Alta Classifica: %+.2f     Bassa Classifica: %+.2f", static_cast<double>(p.modificaAltaCasa),
                  static_cast<double>(p.modificaBassaCasa)));
        riga(V, F("Squadra Debole < %+d     Forte > %+d", static_cast<int>(p.deboleCasa),
                  static_cast<int>(p.forteCasa)));
    }
    riga(V, F("Campionati inclusi nell'analisi : %d", static_cast<int>(p.campionatiInclusi)));
    riga(L, F("Percentuali d'importanza dei campionati: Min: %.0f%%     Max: %.0f%%",
              static_cast<double>(p.importanzaMin) * 100.0, static_cast<double>(p.importanzaMax) * 100.0));
    return ok ? y : -1;
}

} // namespace veltra
