#include "engine/StampaAnalisi.h"

#include "dati/Campionato.h"
#include "engine/CMotoreStime.h"

#include <cstdio>

namespace veltra {

namespace {

template <class... A> std::string F(const char* formato, A... a) {
    char b[256];
    std::snprintf(b, sizeof b, formato, a...);
    return b;
}

std::string Data(const std::tm& oggi) {
    char b[32];
    std::strftime(b, sizeof b, "(%d/%m/%Y)", &oggi);
    return b;
}

std::string RigaPrecisione(float p1, float pX, float p2) {
    const float media = (p1 + pX + p2) / 3.0f;
    return F("Precisione Stime  : %.1f%% ('1' = %.1f%% - 'X' = %.1f%% - '2' = %.1f%%)",
             static_cast<double>(media) * 100.0, static_cast<double>(p1) * 100.0,
             static_cast<double>(pX) * 100.0, static_cast<double>(p2) * 100.0);
}

} // namespace

std::string RigaImportanza(int giornateAnalisi, const std::int16_t (&percentuali)[5]) {
    std::string r = F("Percentuali d'importanza: %d%% - %d%%", percentuali[0], percentuali[1]);
    for (int i = 2; i < 5 && i < giornateAnalisi; ++i) r += F(" - %d%%", percentuali[i]);
    return r;
}

void StampaAnalisiCorrente(IServizioStampa& servizio, CCampionato& c, const std::tm& oggi) {
    if (auto d = servizio.ScegliDispositivo()) StampaAnalisiCorrente(*d, c, oggi);
}

void StampaAnalisiCorrente(IDispositivoStampa& d, CCampionato& c, const std::tm& oggi) {
    const std::string nome(c.descrizione().nome);
    if (!d.InizioDocumento(F("VELTRA 2005 - %s. Stampa Analisi Corrente", nome.c_str()))) return;
    d.InizioPagina();
    d.Testo(0, 0, F("VELTRA 2005 - %s. Analisi Corrente. ", nome.c_str()) + Data(oggi));
    d.Testo(0, 160, F("Base dati composta da %d partite", c.numeroIncontriCorrenti()));
    d.Testo(0, 220, F("Giornate d'Analisi: %d", c.config.giornateAnalisi));
    d.Testo(0, 280, RigaImportanza(c.config.giornateAnalisi, c.config.percentualiImportanza));
    const int L = StampaParametriAvanzati(d, 340, c.punteggiAvanzati);
    if (L < 0) return;

    // Every championship has its own engine, so the current championship
    // need not change for the fit, and no other estimate is touched.
    if (!c.motore) CreaMotore(c);
    const bool riuscita = c.motore->AggiornaStime() == 0;
    const float usati = riuscita ? c.motore->PercentualeDatiUsati().value_or(0.0f) : 0.0f;
    const std::string precisione =
        RigaPrecisione(c.motore->precisione1(), c.motore->precisioneX(), c.motore->precisione2());
    const std::string utilizzo = F("Utilizzo Base Dati: %.1f%%", static_cast<double>(usati));
    // The block ends at 2080 at the latest: these lines need no page check.
    if (c.punteggiAvanzati.separaCasaTrasferta) {
        d.Testo(0, L + 120, F("Punteggio Totale Minimo in Casa : %+d", c.limiteMinCasa));
        d.Testo(0, L + 180, F("Punteggio Totale Massimo in Casa: %+d", c.limiteMaxCasa));
        d.Testo(0, L + 300, F("Punteggio Totale Minimo in Trasferta : %+d", c.limiteMinTrasferta));
        d.Testo(0, L + 360, F("Punteggio Totale Massimo in Trasferta: %+d", c.limiteMaxTrasferta));
        d.Testo(0, L + 480, precisione);
        d.Testo(0, L + 520, utilizzo);
    } else {
        d.Testo(0, L + 120, F("Punteggi    : Limiti punteggi totali per le stime: Min: %+d     Max: %+d",
                              c.limiteMinCasa, c.limiteMaxCasa));
        d.Testo(0, L + 300, precisione);
        d.Testo(0, L + 360, utilizzo);
    }
    if (d.FinePagina())
        d.FineDocumento();
    else
        d.Annulla();
}

void StampaArchivio(IServizioStampa& servizio, const CCampionato& c, const std::tm& oggi) {
    if (auto d = servizio.ScegliDispositivo()) StampaArchivio(*d, c, oggi);
}

void StampaArchivio(IDispositivoStampa& d, const CCampionato& c, const std::tm& oggi) {
    if (!d.InizioDocumento("VELTRA - Stampa Archivio")) return;
    d.InizioPagina();
    d.Testo(0, 0, F("VELTRA - %s. Archivio Analisi compiute su %d partite. ",
                    std::string(c.descrizione().nome).c_str(), c.numeroIncontriCorrenti()) +
                      Data(oggi));
    int y = 0;
    const int L = kPassoRiga, V = 2 * kPassoRiga;
    auto riga = [&](int passo, const std::string& t) {
        y = StampaRigaConInterruzione(d, y, passo, 0, t);
        return y >= 0;
    };
    int numero = 0;
    for (const CAnalisi& a : c.archivio.analisi) {
        ++numero;
        if (!riga(V, F("Analisi Numero: %d (%s)", numero, a.titolo.c_str()))) return;
        if (!riga(L, F("Giornate d'Analisi: %d", a.giornateAnalisi))) return;
        if (!riga(L, RigaImportanza(a.giornateAnalisi, a.percentualiImportanza))) return;
        // A position one step down, where nothing is printed, starts the block.
        y += L;
        if (y > kUltimaRigaPagina) {
            d.Testo(0, y - L + V, std::string(30, ' ') + "(Continua...)");
            if (!d.FinePagina()) {
                d.Annulla();
                return;
            }
            d.InizioPagina();
            y = 0;
        }
        y = StampaParametriAvanzati(d, y, a.punteggiAvanzati);
        if (y < 0) return;
        if (a.punteggiAvanzati.separaCasaTrasferta) {
            if (!riga(V, F("Limiti punteggi totali in Casa: Min: %+d     Max: %+d", a.limiteMinCasa,
                           a.limiteMaxCasa)))
                return;
            if (!riga(L, F("Limiti punteggi totali in Trasferta: Min: %+d     Max: %+d",
                           a.limiteMinTrasferta, a.limiteMaxTrasferta)))
                return;
        } else if (!riga(V, F("Limiti punteggi totali per le Stime: Min: %+d     Max: %+d",
                              a.limiteMinCasa, a.limiteMaxCasa))) {
            return;
        }
        if (!riga(V, RigaPrecisione(a.precisione1, a.precisioneX, a.precisione2))) return;
        if (!riga(L, F("Utilizzo Base Dati: %.1f%%", static_cast<double>(a.datiUsati)))) return;
    }
    if (d.FinePagina())
        d.FineDocumento();
    else
        d.Annulla();
}

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
