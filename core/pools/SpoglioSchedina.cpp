#include "pools/SpoglioSchedina.h"

#include "platform/Lavori.h"
#include "pools/ComandiSistema.h"
#include "pools/CostruzioneSistema.h"
#include "pools/OperazioniSchedina.h"
#include "pools/StampaSchedine.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>

namespace veltra {

namespace {

std::string Formato(const char* f, int a, int b = 0) {
    char buf[96];
    std::snprintf(buf, sizeof buf, f, a, b);
    return buf;
}

// Signs of a row's prediction as bits, and how many.
int SegniRiga(const Partita& p, int& lunghezza) {
    const std::string t = Pronostico(p);
    int bit = 0;
    lunghezza = 0;
    for (char ch : t) {
        const int sg = SegnoDaCarattere(ch);
        if (sg >= 0 && !(bit & (1 << sg))) {
            bit |= 1 << sg;
            ++lunghezza;
        }
    }
    return bit;
}

int PrimoSegno(const Partita& p) {
    const std::string t = Pronostico(p);
    return t.empty() ? -1 : SegnoDaCarattere(t[0]);
}

bool Colpito(int bit, int risultato) { return risultato >= 0 && (bit & (1 << risultato)) != 0; }

} // namespace

std::optional<RisultatiSchedina> RisultatiDaTesto(std::string_view testo) {
    if (testo.size() != kRigheSchedina) return std::nullopt;
    RisultatiSchedina r{};
    for (int i = 0; i < kRigheSchedina; ++i) {
        const char ch = testo[static_cast<std::size_t>(i)];
        r[static_cast<std::size_t>(i)] = SegnoDaCarattere(ch == 'x' ? 'X' : ch);
        if (r[static_cast<std::size_t>(i)] < 0) return std::nullopt;
    }
    return r;
}

int SegniCodice(int codice) {
    static constexpr int kBit[9] = {0, 1, 4, 2, 3, 6, 5, 7, 0};
    return codice >= 0 && codice <= 8 ? kBit[codice] : 0;
}

EsitoIntegrale SpogliaIntegrale(const Schedina& s, const RisultatiSchedina& r) {
    EsitoIntegrale e;
    int mancate = 0, l1 = 0, l2 = 0;
    // Coefficients of the columns by hits: poli[k] columns with k hits.
    std::array<long long, kRigheSchedina + 1> poli{};
    poli[0] = 1;
    for (int i = 0; i < kRigheSchedina; ++i) {
        const Partita& p = s.partite[static_cast<std::size_t>(i)];
        int l = 0;
        const int bit = SegniRiga(p, l);
        if (l == 2) ++e.doppie;
        if (l == 3) ++e.triple;
        const bool colpo = Colpito(bit, r[static_cast<std::size_t>(i)]);
        if (colpo) {
            ++e.punti;
            if (PrimoSegno(p) == r[static_cast<std::size_t>(i)]) ++e.base;
        } else {
            ++mancate;
            if (mancate == 1) l1 = l;
            if (mancate == 2) l2 = l;
        }
        // An empty row is one column that never hits.
        const long long tutte = std::max(l, 1);
        std::array<long long, kRigheSchedina + 1> nuovo{};
        for (int k = 0; k <= i; ++k) {
            if (colpo) {
                nuovo[static_cast<std::size_t>(k + 1)] += poli[static_cast<std::size_t>(k)];
                nuovo[static_cast<std::size_t>(k)] += poli[static_cast<std::size_t>(k)] * (tutte - 1);
            } else {
                nuovo[static_cast<std::size_t>(k)] += poli[static_cast<std::size_t>(k)] * tutte;
            }
        }
        poli = nuovo;
    }
    e.colonne14 = poli[14];
    e.colonne13 = poli[13];
    e.colonne12 = poli[12];

    const int d = e.doppie, t = e.triple, u = d + 2 * t;
    const int n = e.punti;
    if (n == 12) {
        const int doppieMancate = (l1 == 2) + (l2 == 2);
        e.testo = doppieMancate == 2 ? "4 DODICI" : doppieMancate == 1 ? "2 DODICI" : "1 DODICI";
    } else if (n == 13) {
        if (l1 == 2)
            e.testo = 2 * u - 2 <= 0 ? "2 TREDICI" : Formato("2 TREDICI + %d DODICI", 2 * u - 2);
        else
            e.testo = u < 1 ? "1 TREDICI" : Formato("1 TREDICI + %d DODICI", u);
    } else if (n == 14) {
        if (u < 1)
            e.testo = "1 TREDICISSIMO";
        else if (d + t > 1) {
            char buf[96];
            std::snprintf(buf, sizeof buf, "1 TREDICISSIMO + %d TREDICI + %d DODICI", u, u * (u - 1) / 2 - t);
            e.testo = buf;
        } else
            e.testo = Formato("1 TREDICISSIMO + %d TREDICI", u);
    } else {
        e.testo = Formato("%d", n);
    }
    return e;
}

std::array<long long, 3> ContaVincentiEnumerando(const Schedina& s, const RisultatiSchedina& r) {
    // Per row the signs to walk (an empty row: one column that never hits).
    std::array<std::array<int, 3>, kRigheSchedina> segni{};
    std::array<int, kRigheSchedina> quanti{};
    for (int i = 0; i < kRigheSchedina; ++i) {
        int l = 0;
        const int bit = SegniRiga(s.partite[static_cast<std::size_t>(i)], l);
        int k = 0;
        for (int sg = 0; sg < 3; ++sg)
            if (bit & (1 << sg)) segni[static_cast<std::size_t>(i)][static_cast<std::size_t>(k++)] = sg;
        if (k == 0) segni[static_cast<std::size_t>(i)][static_cast<std::size_t>(k++)] = -1;
        quanti[static_cast<std::size_t>(i)] = k;
    }
    std::array<long long, 3> conta{};
    std::array<int, kRigheSchedina> indice{};
    for (;;) {
        int colpi = 0;
        for (int i = 0; i < kRigheSchedina; ++i) {
            const int sg = segni[static_cast<std::size_t>(i)][static_cast<std::size_t>(indice[static_cast<std::size_t>(i)])];
            colpi += sg >= 0 && sg == r[static_cast<std::size_t>(i)];
        }
        if (colpi >= 12) ++conta[static_cast<std::size_t>(14 - colpi)];
        int i = 0;
        while (i < kRigheSchedina && ++indice[static_cast<std::size_t>(i)] == quanti[static_cast<std::size_t>(i)]) {
            indice[static_cast<std::size_t>(i)] = 0;
            ++i;
        }
        if (i == kRigheSchedina) break;
    }
    return conta;
}

EsitoSpoglioRidotto SpogliaRidotto(const Schedina& s, const RisultatiSchedina& r, ContestoLavoro* c) {
    EsitoSpoglioRidotto e;
    const int totale = TotaleColonne(s);
    if (totale <= 0) return e;
    const LettoreSistema lettore(s);
    e.punti.assign(static_cast<std::size_t>(totale), 0);
    // Fixed rows give the same cell in every column: read them once.
    for (int col = 0; col < totale; ++col) {
        if (c && (col & 1023) == 0) {
            if (c->FermoRichiesto()) break;
            c->Avanza(col, totale);
        }
        int colpi = 0, mancate = 0, l1 = 0, l2 = 0, dc = 0, tc = 0;
        for (int riga = 0; riga < kRigheSchedina; ++riga) {
            const int bit = SegniCodice(lettore.Segno(col, riga));
            const int l = std::popcount(static_cast<unsigned>(bit));
            if (l == 2) ++dc;
            if (l == 3) ++tc;
            if (Colpito(bit, r[static_cast<std::size_t>(riga)])) {
                ++colpi;
            } else {
                ++mancate;
                if (mancate == 1) l1 = l;
                if (mancate == 2) l2 = l;
            }
        }
        const int uc = dc + 2 * tc;
        e.punti[static_cast<std::size_t>(col)] = static_cast<std::uint8_t>(colpi);
        e.massimo = std::max(e.massimo, colpi);
        if (colpi == 12) {
            e.dodici += static_cast<long long>(std::max(l1, 1)) * std::max(l2, 1);
        } else if (colpi == 13) {
            ++e.tredici;
            if (l1 == 2) {
                ++e.tredici;
                if (2 * uc - 2 > 0) e.dodici += 2 * uc - 2;
            } else {
                e.dodici += uc;
            }
        } else if (colpi == 14) {
            ++e.tredicissimi;
            e.tredici += uc;
            if (dc + tc > 1) e.dodici += uc * (uc - 1) / 2 - tc;
        } else if (e.migliore != -1 && colpi > e.migliore) {
            e.migliore = colpi;
        }
        if (colpi >= 12) e.migliore = -1;
    }
    if (c) c->Avanza(totale, totale);
    return e;
}

std::vector<std::pair<int, int>> CoppieAllargamento() {
    std::vector<std::pair<int, int>> coppie;
    for (int a = 0; a <= 14; ++a)
        for (int b = 0; b <= 14; ++b)
            if (a || b) coppie.emplace_back(a, b);
    auto costo = [](const std::pair<int, int>& p) {
        return p.first * std::log(2.0) + p.second * std::log(1.5);
    };
    std::stable_sort(coppie.begin(), coppie.end(),
                     [&](const auto& x, const auto& y) { return costo(x) < costo(y); });
    return coppie;
}

std::pair<int, int> CercaAllargamento(const Schedina& proposta, const RisultatiSchedina& r, ContestoLavoro* c) {
    if (SpogliaIntegrale(proposta, r).punti > 11) return {0, 0};
    int f = 0, d = 0;
    for (const Partita& p : proposta.partite) {
        if (Vuota(p)) continue;
        int l = 0;
        SegniRiga(p, l);
        f += l == 1;
        d += l == 2;
    }
    const auto coppie = CoppieAllargamento();
    long fatte = 0;
    for (const auto& [a, b] : coppie) {
        if (c) {
            if (c->FermoRichiesto()) break;
            c->Avanza(++fatte, static_cast<long>(coppie.size()));
        }
        if (a > f || b > a + d + f) continue;
        Schedina prova = proposta;
        for (int i = 0; i < a; ++i)
            EseguiComandoSistema(prova, ComandoSistema::FissaDoppia);
        for (int i = 0; i < b; ++i)
            EseguiComandoSistema(prova, ComandoSistema::DoppiaTripla);
        if (SpogliaIntegrale(prova, r).punti > 11) return {a, b};
    }
    return {0, 0};
}

} // namespace veltra
