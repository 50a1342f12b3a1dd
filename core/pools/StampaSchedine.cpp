#include "pools/StampaSchedine.h"

#include "platform/Piattaforma.h"
#include "platform/Stampa.h"
#include "pools/CostruzioneSistema.h"
#include "pools/DimensioniSistema.h"
#include "pools/ImpostazioniStampa.h"
#include "pools/OperazioniSchedina.h"
#include "pools/ProbabilitaSistema.h"
#include "pools/riduzioni/LeggiTabellaRiduzione.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace veltra {

int CodiceDaTesto(const std::string& segni) {
    const bool u = segni.find('1') != std::string::npos;
    const bool x = segni.find('X') != std::string::npos;
    const bool d = segni.find('2') != std::string::npos;
    if (u && x && d) return 7;
    if (u && x) return 4;
    if (x && d) return 5;
    if (u && d) return 6;
    if (u) return 1;
    if (d) return 2;
    if (x) return 3;
    return 8;
}

std::string TestoCodice(int codice) {
    static const char* testi[] = {"", "1", "2", "X", "1X", "X2", "12", "1X2", ""};
    return codice >= 1 && codice <= 8 ? testi[codice] : "";
}

std::vector<Segno> PosizioniCella(const ImpostazioniStampa& imp, int colonna, int riga,
                                  int codice) {
    const int x0 = imp.margineSinistro + colonna * (imp.spazioColonne + 3 * imp.spazioSegni);
    const int y = imp.margineSuperiore + riga * imp.spazioPartite;
    const std::string t = TestoCodice(codice);
    std::vector<Segno> v;
    if (t.find('1') != std::string::npos) v.push_back({x0, y});
    if (t.find('X') != std::string::npos) v.push_back({x0 + imp.spazioSegni, y});
    if (t.find('2') != std::string::npos) v.push_back({x0 + 2 * imp.spazioSegni, y});
    return v;
}

int NumeroSchedine(const Schedina& s) {
    const int n = TotaleColonne(s);
    const int k = s.colonnePerPagina > 0 ? s.colonnePerPagina : 4;
    return n <= 0 ? 0 : (n + k - 1) / k;
}

namespace {

void Marca(IDispositivoStampa& d, const ImpostazioniStampa& imp, int colonna, int riga,
           int codice) {
    const std::string m(1, imp.carattereStampa);
    for (const Segno& g : PosizioniCella(imp, colonna, riga, codice)) d.Testo(g.x, g.y, m);
}

// One document of pages; `pagina(d, i)` prints the i-th.
template <typename F>
bool Documento(IServizioStampa& servizio, const std::string& nome, int pagine, F pagina) {
    auto d = servizio.ScegliDispositivo();
    if (!d || !d->InizioDocumento(nome)) return false;
    for (int i = 0; i < pagine; ++i) {
        if (!d->InizioPagina()) {
            d->Annulla();
            return false;
        }
        pagina(*d, i);
        if (!d->FinePagina()) {
            d->Annulla();
            return false;
        }
    }
    d->FineDocumento();
    return true;
}

std::string Data(const IOrologio& orologio) {
    const std::tm oggi = orologio.Adesso();
    char data[32];
    std::strftime(data, sizeof data, "(%d/%m/%Y)", &oggi);
    return data;
}

std::string Percentuale(float p) {
    char buf[32];
    std::snprintf(buf, sizeof buf, p < 10.0f ? " %.1f%%" : "%.1f%%", static_cast<double>(p));
    return buf;
}

} // namespace

bool StampaSchedinaIntegrale(const Schedina& s, const ImpostazioniStampa& imp,
                             IServizioStampa& servizio) {
    return Documento(servizio, "VELTRA - Stampa Schedina", 1, [&](IDispositivoStampa& d, int) {
        for (int r = 0; r < kRigheSchedina; ++r)
            Marca(d, imp, 0, r, CodiceDaTesto(Pronostico(s.partite[static_cast<std::size_t>(r)])));
    });
}

bool StampaSchedineRidotto(const Schedina& s, const ImpostazioniStampa& imp,
                           IServizioStampa& servizio, int pagina) {
    const int totale = TotaleColonne(s);
    const int schedine = NumeroSchedine(s);
    if (schedine == 0 || pagina >= schedine) return false;
    const int k = s.colonnePerPagina;
    const int prima = pagina < 0 ? 0 : pagina;
    const int n = pagina < 0 ? schedine : 1;
    return Documento(servizio, pagina < 0 ? "VELTRA - Stampa Schedine" : "VELTRA - Stampa Schedina",
                     n, [&](IDispositivoStampa& d, int i) {
                         for (int c = 0; c < k; ++c) {
                             const int colonna = (prima + i) * k + c;
                             if (colonna >= totale) break;
                             for (int r = 0; r < kRigheSchedina; ++r)
                                 Marca(d, imp, c, r, SegnoColonna(s, colonna, r));
                         }
                     });
}

bool StampaProva(const ImpostazioniStampa& imp, int colonne, IServizioStampa& servizio) {
    return Documento(servizio, "VELTRA - Prova di Stampa", 1, [&](IDispositivoStampa& d, int) {
        for (int c = 0; c < colonne; ++c)
            for (int r = 0; r < kRigheSchedina; ++r) Marca(d, imp, c, r, 7);
    });
}

bool TabulatoIntegrale(const Schedina& s, IServizioStampa& servizio, const IOrologio& orologio) {
    return Documento(servizio, "VELTRA - Stampa Tabulato Sistema Integrale", 1,
                     [&](IDispositivoStampa& d, int) {
        d.Testo(0, 0, "VELTRA. Tabulato Sistema Integrale. " + Data(orologio));
        bool manuali = false;
        for (int r = 0; r < kRigheSchedina; ++r) {
            const Partita& p = s.partite[static_cast<std::size_t>(r)];
            if (Vuota(p)) continue;
            const int y = 100 + 60 * r;
            d.Testo(0, y, p.squadraCasa);
            d.Testo(400, y, p.squadraTrasferta);
            d.Testo(800, y, Percentuale(p.prob1 * 100.0f));
            d.Testo(1100, y, Percentuale(p.probX * 100.0f));
            d.Testo(1400, y, Percentuale(100.0f * (1.0f - p.prob1 - p.probX)));
            d.Testo(1700, y, Pronostico(p));
            if (Manuale(p)) {
                d.Testo(2000, y, "*");
                manuali = true;
            }
        }
        std::string nota;
        if (manuali) nota = "(* = Pronostico Fissato dall'Utente)";
        if (s.sistemaIniziale == 0) nota += " Sistema Modificato.";
        if (!nota.empty()) d.Testo(0, 940, nota);
    });
}

bool TabulatoRidotto(const Schedina& s, IServizioStampa& servizio, const IOrologio& orologio) {
    const int totale = TotaleColonne(s);
    if (totale <= 0) return false;
    auto d = servizio.ScegliDispositivo();
    if (!d || !d->InizioDocumento("VELTRA - Stampa Tabulato Sistema Ridotto")) return false;
    if (!d->InizioPagina()) {
        d->Annulla();
        return false;
    }
    d->Testo(0, 0, "VELTRA. Tabulato Sistema Ridotto. " + Data(orologio));
    const int k = s.colonnePerPagina;
    int x = 0, y = 120;
    for (int b = 0; b < NumeroSchedine(s); ++b) {
        if (y >= 1920) {
            d->Testo(0, y, "                              (Continua...)");
            if (!d->FinePagina() || !d->InizioPagina()) {
                d->Annulla();
                return false;
            }
            x = 0;
            y = 120;
        }
        d->Testo(x, y, "Schedina n. " + std::to_string(b + 1));
        int c = 0;
        for (; c < k && b * k + c < totale; ++c)
            for (int r = 0; r < kRigheSchedina; ++r)
                d->Testo(x + 60 + 60 * c, y + 60 + 60 * r, TestoCodice(SegnoColonna(s, b * k + c, r)));
        x += 60 * c + 240; // 240 beyond the block's last column
        if (x > 1620) {
            x = 0;
            y += 60 * (kRigheSchedina + 1);
        }
    }
    // Under the last block, the system's chances under the coupon's probabilities.
    const auto prob = ProbabilitaDi(s);
    const auto colonne = ColonneSistema(s);
    if (prob && !colonne.empty()) {
        if (x > 0) y += 60 * (kRigheSchedina + 1);
        if (y >= 1920) {
            if (!d->FinePagina() || !d->InizioPagina()) {
                d->Annulla();
                return false;
            }
            y = 120;
        }
        d->Testo(0, y, "Colonne: " + std::to_string(totale) + "   Probabilità   " +
                           TestoChanceBreve(Probabilita(colonne, *prob)));
    }
    if (!d->FinePagina()) {
        d->Annulla();
        return false;
    }
    d->FineDocumento();
    return true;
}

} // namespace veltra
