#include "pools/VerificaColonna.h"

#include "pools/OperazioniSchedina.h"

namespace veltra {

SpazioIntegrale SpazioDi(const Schedina& s) {
    SpazioIntegrale sp;
    std::array<int, kRigheSchedina> tipo{};
    for (int r = 0; r < kRigheSchedina; ++r) {
        std::string t = Pronostico(s.partite[static_cast<std::size_t>(r)]);
        if (t.empty()) t.assign(1, '-');
        tipo[r] = static_cast<int>(t.size());
        sp.triple += tipo[r] == 3;
        sp.doppie += tipo[r] == 2;
        sp.segni[r] = std::move(t);
    }
    int triple = 0, doppie = 0;
    for (int r = 0; r < kRigheSchedina; ++r)
        sp.rigaMatrice[r] = tipo[r] == 3 ? triple++ : tipo[r] == 2 ? sp.triple + doppie++ : -1;
    for (int r = kRigheSchedina - 1; r >= 0; --r) {
        sp.pesi[r] = sp.totale;
        sp.totale *= static_cast<std::int64_t>(sp.segni[r].size());
    }
    return sp;
}

Colonna SpazioIntegrale::ColonnaDaIndice(std::int64_t indice) const {
    Colonna c{};
    for (int r = 0; r < kRigheSchedina; ++r) {
        const auto n = static_cast<std::int64_t>(segni[r].size());
        c[r] = segni[r][static_cast<std::size_t>((indice / pesi[r]) % n)];
    }
    return c;
}

std::uint32_t SpazioIntegrale::ParolaDaIndice(std::int64_t indice) const {
    std::uint32_t w = 0;
    for (int r = 0; r < kRigheSchedina; ++r) {
        if (rigaMatrice[r] < 0) continue;
        const auto n = static_cast<std::int64_t>(segni[r].size());
        const char c = segni[r][static_cast<std::size_t>((indice / pesi[r]) % n)];
        w = SistemaRidotto::ConCodice(w, rigaMatrice[r], CodiceSegno(c));
    }
    return w;
}

int CodiceSegno(char segno) { return segno == '1' ? 1 : segno == 'X' ? 3 : 2; }

double FattoreProbabilita(const Partita& p, char segno) {
    if (Vuota(p)) return 1.0;
    return segno == '1' ? static_cast<double>(p.prob1)
           : segno == 'X' ? static_cast<double>(p.probX)
                          : static_cast<double>(p.prob2);
}

double ProbabilitaColonna(const Schedina& s, const Colonna& c) {
    double p = 1.0;
    for (int r = 0; r < kRigheSchedina; ++r)
        p *= FattoreProbabilita(s.partite[static_cast<std::size_t>(r)], c[r]);
    return p;
}

Sequenze SequenzeMassime(const Colonna& c) {
    Sequenze m;
    int lunghezza = 0;
    for (int r = 0; r < kRigheSchedina; ++r) {
        lunghezza = r > 0 && c[r] == c[r - 1] ? lunghezza + 1 : 1;
        int* v = c[r] == '1' ? &m.uno : c[r] == 'X' ? &m.x : c[r] == '2' ? &m.due : nullptr;
        if (v && lunghezza > *v) *v = lunghezza;
    }
    return m;
}

namespace {

bool Contiene(std::string_view testo, char segno) {
    return testo.find(segno) != std::string_view::npos;
}

} // namespace

bool VerificaColonna(const CondizioniRiduzione& k, const Schedina& s, const Colonna& c) {
    if (k.numColonneFiltro > 0) {
        std::array<int, kNumeroGruppi> tally{};
        const int n = std::min<int>(k.numColonneFiltro, kMaxColonneFiltro);
        for (int i = 0; i < n; ++i) {
            const CColonnaFiltro& f = k.colonneFiltro[static_cast<std::size_t>(i)];
            if (!f.attiva) continue;
            int punti = 0;
            for (int r = 0; r < kRigheSchedina; ++r) {
                const std::string_view e = f.Pronostico(r);
                if (e != "-" && Contiene(e, c[r])) ++punti;
            }
            const int g = f.gruppo - 'A';
            if (punti >= f.punteggioMin && punti <= f.punteggioMax && g >= 0 && g < kNumeroGruppi)
                ++tally[static_cast<std::size_t>(g)];
        }
        int gruppi = 0;
        for (int g = 0; g < kNumeroGruppi; ++g) {
            const auto i = static_cast<std::size_t>(g);
            if (k.colonneNelGruppo[i] > 0 && k.minColonneGruppo[i] <= tally[i] &&
                tally[i] <= k.maxColonneGruppo[i])
                ++gruppi;
        }
        if (gruppi < k.minGruppi || gruppi > k.maxGruppi) return false;
    }
    if (k.attivoSegni) {
        int n1 = 0, nX = 0, n2 = 0;
        for (char ch : c) (ch == '1' ? n1 : ch == 'X' ? nX : n2)++;
        if (n1 < k.min1 || n1 > k.max1 || nX < k.minX || nX > k.maxX || n2 < k.min2 ||
            n2 > k.max2)
            return false;
    }
    if (k.attivoConsecutivi) {
        const Sequenze m = SequenzeMassime(c);
        if (m.uno < k.minCons1 || m.uno > k.maxCons1 || m.x < k.minConsX || m.x > k.maxConsX ||
            m.due < k.minCons2 || m.due > k.maxCons2)
            return false;
    }
    if (k.attivoProbabilita) {
        const double p = ProbabilitaColonna(s, c);
        if (!(k.probMin <= p && p <= k.probMax)) return false;
    }
    return true;
}

} // namespace veltra
