#include "betting/GrigliaStrategie.h"

#include "betting/ArchivioSettimane.h"
#include "betting/Evento.h"

namespace veltra {

int VoceSegno(char segno) {
    switch (segno) {
    case '1': return kQuota1;
    case '2': return kQuota2;
    default: return kQuotaX;
    }
}

bool PassaFiltro(const Evento& e, char segno, const LimitiCandidato& l) {
    const auto& p = e.prob;
    switch (segno) {
    case '1':
        if (!(p[kQuota1] >= l.minProb1 && p[kQuotaX] <= l.maxProbX && p[kQuota2] <= l.maxProb2))
            return false;
        break;
    case '2':
        if (!(p[kQuota2] >= l.minProb2 && p[kQuota1] <= l.maxProb1 && p[kQuotaX] <= l.maxProbX))
            return false;
        break;
    default:
        if (!(p[kQuotaX] >= l.minProbX && p[kQuota1] <= l.maxProb1 && p[kQuota2] <= l.maxProb2))
            return false;
        break;
    }
    const auto v = static_cast<std::size_t>(VoceSegno(segno));
    // The tolerances are double constants: the sums are taken in double.
    const double eq = e.equita[v];
    const double q = e.quote[v];
    return eq + 0.005 >= l.minEquita && eq - 0.005 <= l.maxEquita && q + 0.005 >= l.minQuota &&
           q - 0.005 <= l.maxQuota;
}

namespace {
// True when `a` ranks strictly before `b`.
bool Precede(const Evento& a, const Evento& b, char segno, int ordinamento) {
    const auto v = static_cast<std::size_t>(VoceSegno(segno));
    switch (ordinamento) {
    case 0: return a.prob[v] > b.prob[v];
    case 1: return a.prob[kQuota2] < b.prob[kQuota2];
    case 2: return a.equita[v] > b.equita[v];
    default: return a.quote[v] > b.quote[v];
    }
}
} // namespace

int ClassificaSettimana(std::span<const Evento> eventi, char segno, int ordinamento,
                        const LimitiCandidato& l, int eventiDaConsiderare,
                        std::array<int, kMaxEventiGiocata>& posizioni) {
    const int n = eventiDaConsiderare < 1                   ? 1
                  : eventiDaConsiderare > kMaxEventiGiocata ? kMaxEventiGiocata
                                                            : eventiDaConsiderare;
    int riempite = 0;
    for (std::size_t i = 0; i < eventi.size(); ++i) {
        const Evento& e = eventi[i];
        if (!PassaFiltro(e, segno, l))
            continue;
        int dove = 0;
        while (dove < riempite &&
               !Precede(e, eventi[static_cast<std::size_t>(posizioni[static_cast<std::size_t>(dove)])],
                        segno, ordinamento))
            ++dove;
        if (dove >= n)
            continue;
        const int ultima = riempite < n ? riempite : n - 1;
        for (int k = ultima; k > dove; --k)
            posizioni[static_cast<std::size_t>(k)] = posizioni[static_cast<std::size_t>(k - 1)];
        posizioni[static_cast<std::size_t>(dove)] = static_cast<int>(i);
        if (riempite < n)
            ++riempite;
    }
    return riempite;
}

double FattoreEvento(const Evento& e, char segno) {
    const char esito = e.esito;
    if (esito == '-')
        return 1.0;
    const char s = segno == 'x' ? 'X' : segno;
    if (esito == s)
        return e.quote[static_cast<std::size_t>(VoceSegno(segno))];
    return 0.0;
}

namespace {
// The plays of the systems: letters A.. as positions 0..
struct Sistema {
    int tipo;
    int eventi;
    std::initializer_list<std::initializer_list<int>> giocate;
};
const Sistema kSistemi[] = {
    {6, 2, {{0}, {1}}},
    {7, 3, {{0, 1}, {0, 2}, {1, 2}}},
    {8, 4, {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}}},
    {9, 4, {{0, 1, 2}, {0, 1, 3}, {0, 2, 3}, {1, 2, 3}}},
    {10, 5, {{0, 1, 3}, {0, 3, 4}, {1, 2, 4}}},
    {11, 4, {{0, 1, 2}, {0, 1, 3}, {0, 2, 3}}},
};
} // namespace

std::array<EsitoSettimanaTipo, kTipiGiocata>
LiquidaSettimana(const std::array<double, kMaxEventiGiocata>& fattori,
                 const std::array<bool, kMaxEventiGiocata>& vuoto, int riempite,
                 int eventiDaConsiderare) {
    std::array<EsitoSettimanaTipo, kTipiGiocata> r{};
    const int n = riempite < eventiDaConsiderare ? riempite : eventiDaConsiderare;
    if (n >= 1 && !vuoto[0]) {
        r[0].giocabile = true;
        r[0].guadagno = fattori[0] - 1;
        r[0].vincente = fattori[0] > 0;
    }
    double prodotto = n >= 1 ? fattori[0] : 0;
    for (int m = 1; m < n && m < kMaxEventiGiocata; ++m) {
        prodotto *= fattori[static_cast<std::size_t>(m)];
        auto& t = r[static_cast<std::size_t>(m)];
        t.giocabile = true;
        t.guadagno = prodotto - 1;
        t.vincente = prodotto > 0;
    }
    for (const Sistema& s : kSistemi) {
        if (s.eventi > n)
            continue;
        double g = 0;
        for (const auto& giocata : s.giocate) {
            double p = 1;
            for (int pos : giocata)
                p *= fattori[static_cast<std::size_t>(pos)];
            g += p - 1;
        }
        auto& t = r[static_cast<std::size_t>(s.tipo)];
        t.giocabile = true;
        t.guadagno = g;
        t.vincente = g > 0;
    }
    return r;
}

void TotaliGiocata::Aggiungi(const EsitoSettimanaTipo& s) {
    if (!s.giocabile)
        return;
    guadagno += s.guadagno;
    ++giocabili;
    if (s.vincente) {
        ++vincenti;
        ritardo = 0;
    } else if (++ritardo > maxRitardo) {
        maxRitardo = ritardo;
    }
}

bool SostituisceMigliore(const TotaliGiocata& c, const MiglioreGiocata& b, bool maxRendimento,
                         int settimaneDisponibili, int minSettimaneUtili,
                         int minSettimaneVincenti) {
    if (c.guadagno < 0 || c.giocabili <= 0)
        return false;
    bool migliore;
    if (maxRendimento)
        migliore = b.giocabili == 0 ? c.guadagno > b.guadagno
                                    : c.guadagno / c.giocabili > b.guadagno / b.giocabili;
    else
        migliore = b.giocabili == 0 || static_cast<double>(c.vincenti) / c.giocabili >
                                           static_cast<double>(b.vincenti) / b.giocabili;
    if (!migliore)
        return false;
    // The shares compared as the integers they are truncated to: the same as
    // comparing the exact ratios with integer thresholds.
    return settimaneDisponibili > 0 &&
           c.giocabili * 100 / settimaneDisponibili >= minSettimaneUtili &&
           c.vincenti * 100 / c.giocabili >= minSettimaneVincenti;
}

float MinEquitaDaContatore(float c) {
    if (c < 0.66) return 0.0f;
    if (c < 0.71) return 0.25f;
    if (c < 0.76) return 0.5f;
    if (c < 0.81) return 0.75f;
    if (c < 0.89) return 0.85f;
    return c;
}

float MaxEquitaDaContatore(float c) {
    if (c >= 1.34) return 2.0f;
    if (c >= 1.29) return 1.75f;
    if (c >= 1.24) return 1.5f;
    if (c >= 1.19) return 1.25f;
    return c;
}

} // namespace veltra

namespace veltra {

std::array<TotaliGiocata, kTipiGiocata>
ValutaCandidato(std::span<const SettimanaArchiviata> settimane, char segno, int ordinamento,
                const LimitiCandidato& l, int eventiDaConsiderare) {
    std::array<TotaliGiocata, kTipiGiocata> totali{};
    for (const SettimanaArchiviata& s : settimane) {
        std::array<int, kMaxEventiGiocata> pos{};
        const int n = ClassificaSettimana(s.eventi, segno, ordinamento, l, eventiDaConsiderare, pos);
        std::array<double, kMaxEventiGiocata> f{};
        std::array<bool, kMaxEventiGiocata> vuoto{};
        for (int i = 0; i < n; ++i) {
            const Evento& e = s.eventi[static_cast<std::size_t>(pos[static_cast<std::size_t>(i)])];
            f[static_cast<std::size_t>(i)] = FattoreEvento(e, segno);
            vuoto[static_cast<std::size_t>(i)] = e.esito == '-';
        }
        const auto esiti = LiquidaSettimana(f, vuoto, n, eventiDaConsiderare);
        for (std::size_t t = 0; t < esiti.size(); ++t)
            totali[t].Aggiungi(esiti[t]);
    }
    return totali;
}

std::array<bool, kOrdinamenti> OrdinamentiDelSegno(const ParametriRicerca& p, char segno) {
    std::array<bool, kOrdinamenti> o = p.ordinamenti;
    if (segno != '1')
        o[1] = false;
    return o;
}

namespace {
MiglioreGiocata DaTotali(const TotaliGiocata& t, const LimitiCandidato& l) {
    MiglioreGiocata b;
    b.guadagno = t.guadagno;
    b.vincenti = t.vincenti;
    b.giocabili = t.giocabili;
    b.maxRitardo = t.maxRitardo;
    b.limiti = l;
    return b;
}

struct VisitaLetterale {
    std::span<const SettimanaArchiviata> settimane;
    const ParametriRicerca& p;
    char segno;
    std::array<bool, kOrdinamenti> ordinamenti;
    MiglioriSegno migliori{};
    std::vector<Miglioramento>* miglioramenti;
    long candidati = 0;
    int equitaMax = 0;

    void InizioEquitaMin(float) {}
    void FineEquitaMin(float) {}
    bool FineEquitaMax(float, float) { return --equitaMax != 0; }
    void Candidato(const LimitiCandidato& l) {
        ++candidati;
        const int disponibili = static_cast<int>(settimane.size());
        for (int o = 0; o < kOrdinamenti; ++o) {
            if (!ordinamenti[static_cast<std::size_t>(o)])
                continue;
            const auto totali = ValutaCandidato(settimane, segno, o, l, p.eventiDaConsiderare);
            for (int t = 0; t < kTipiGiocata; ++t) {
                if (EventiTipoGiocata(t) > p.eventiDaConsiderare)
                    continue;
                auto& b = migliori[static_cast<std::size_t>(o)][static_cast<std::size_t>(t)];
                if (!SostituisceMigliore(totali[static_cast<std::size_t>(t)], b, p.maxRendimento,
                                         disponibili, p.minSettimaneUtili,
                                         p.minSettimaneVincenti[static_cast<std::size_t>(t)]))
                    continue;
                b = DaTotali(totali[static_cast<std::size_t>(t)], l);
                if (miglioramenti)
                    miglioramenti->push_back({o, t, b});
            }
        }
    }
};
} // namespace

MiglioriSegno CercaSegnoLetterale(std::span<const SettimanaArchiviata> settimane,
                                  const ParametriRicerca& p, char segno,
                                  std::vector<Miglioramento>* miglioramenti, long& candidati,
                                  int equitaMax) {
    VisitaLetterale v{settimane, p, segno,        OrdinamentiDelSegno(p, segno), {},
                      miglioramenti, 0, equitaMax};
    PercorriGriglia(segno, v);
    candidati = v.candidati;
    return v.migliori;
}

MiglioriSegno ValutaUnica(std::span<const SettimanaArchiviata> settimane,
                          const ParametriRicerca& p, char segno, const LimitiCandidato& l) {
    MiglioriSegno m{};
    const auto ordinamenti = OrdinamentiDelSegno(p, segno);
    for (int o = 0; o < kOrdinamenti; ++o) {
        if (!ordinamenti[static_cast<std::size_t>(o)])
            continue;
        const auto totali = ValutaCandidato(settimane, segno, o, l, p.eventiDaConsiderare);
        for (int t = 0; t < kTipiGiocata; ++t)
            if (EventiTipoGiocata(t) <= p.eventiDaConsiderare)
                m[static_cast<std::size_t>(o)][static_cast<std::size_t>(t)] =
                    DaTotali(totali[static_cast<std::size_t>(t)], l);
    }
    return m;
}

double MisuraMigliore(const MiglioreGiocata& b, bool maxRendimento) {
    if (!(b.giocabili > 0 && b.guadagno > 0))
        return 0;
    return maxRendimento ? b.guadagno / b.giocabili
                         : static_cast<double>(b.vincenti) / b.giocabili;
}

int OrdinamentoProbabilita(const MiglioriSegno& m, int tipo, bool maxRendimento) {
    const auto t = static_cast<std::size_t>(tipo);
    return MisuraMigliore(m[1][t], maxRendimento) > MisuraMigliore(m[0][t], maxRendimento) ? 1 : 0;
}

} // namespace veltra
