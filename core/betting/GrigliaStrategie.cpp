#include "betting/GrigliaStrategie.h"

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
