#include "betting/StampaScommesse.h"

#include "betting/CDlgScommesse.h"
#include "betting/ScommessaMgr.h"
#include "dati/Campionati.h"
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

bool StampaClassificaScommesse(const ScommessaMgr& m, const std::string& titolo, IServizioStampa& servizio,
                               const std::tm& oggi) {
    if (m.scommesse.empty()) return false;
    auto d = servizio.ScegliDispositivo();
    if (!d || !d->InizioDocumento("VELTRA - Classifica Scommesse")) return false;
    if (!d->InizioPagina()) {
        d->Annulla();
        return false;
    }
    char data[32];
    std::strftime(data, sizeof data, "(%d/%m/%Y)", &oggi);
    d->Testo(0, 0, "VELTRA. " + titolo + ". " + data);
    int y = 0;
    // Each line under the page-break rule; the columns of a leg share its y.
    auto riga = [&](int passo, const std::string& t) {
        y = StampaRigaConInterruzione(*d, y, passo, 0, t);
        return y >= 0;
    };
    int n = 0;
    for (const Scommessa& s : m.scommesse) {
        ++n;
        int gambe = 0;
        while (gambe < 6 && s.voci[static_cast<std::size_t>(gambe)].campionato != -1) ++gambe;
        if (!riga(2 * kPassoRiga, gambe == 1 ? F("%d. Singola.", n)
                                             : F("%d. Multipla da %d incontri.", n, gambe)))
            return false;
        for (int g = 0; g < gambe; ++g) {
            const VoceScommessa& v = s.voci[static_cast<std::size_t>(g)];
            const std::string evento = std::string(Campionato(v.campionato).nome) + ": " + v.casa + " - " +
                                       v.trasferta + "  (" + v.segno + ")";
            if (!riga(kPassoRiga, evento)) return false;
            d->Testo(1400, y, F(v.calcolata ? "%.2f (*)" : "%.2f", static_cast<double>(v.quota)));
            d->Testo(1700, y, TestoEquita(v.equita));
            d->Testo(2000, y, F("%.1f%%", static_cast<double>(v.prob) * 100.0));
        }
        if (!riga(kPassoRiga, F("Quota Totale: %.2f   Equita' Totale: %s   Probabilita' Totale: %.1f%%",
                                static_cast<double>(s.quotaTotale), TestoEquita(s.equitaTotale).c_str(),
                                static_cast<double>(s.probTotale) * 100.0)))
            return false;
    }
    if (!d->FinePagina()) {
        d->Annulla();
        return false;
    }
    d->FineDocumento();
    return true;
}

} // namespace veltra
