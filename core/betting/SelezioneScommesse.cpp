#include "betting/SelezioneScommesse.h"

#include "betting/ScommessaMgr.h"
#include "platform/Lavori.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <thread>

namespace veltra {

const std::array<const char*, 14> kTestiTipoPronostico = {
    "Segni '1' con minore probabilità del segno '2'",
    "Segni '1' con maggiore probabilità",
    "Segni '1' con maggiore equità",
    "Segni '1' con maggiore quota",
    "Segni 'X' con maggiore probabilità",
    "Segni 'X' con maggiore equità",
    "Segni 'X' con maggiore quota",
    "Segni '2' con minore probabilità del segno '1'",
    "Segni '2' con maggiore probabilità",
    "Segni '2' con maggiore equità",
    "Segni '2' con maggiore quota",
    "1X-12-X2 con maggiore probabilità",
    "1X-12-X2 con maggiore equità",
    "1X-12-X2 con maggiore quota",
};

namespace {

constexpr double kTolleranza = 0.005;
const char* const kSegni[3] = {"1", "X", "2"};
const char* const kDoppie[3] = {"1X", "12", "X2"};

// What a type ranks by: probability, equity or odds (types 0 and 7 rank
// events by a sum of two probabilities and bets by its product).
enum class Misura { Somma, Probabilita, Equita, Quota };

Misura MisuraTipo(int tipo) {
    switch (tipo) {
    case 0:
    case 7: return Misura::Somma;
    case 1:
    case 4:
    case 8:
    case 11: return Misura::Probabilita;
    case 2:
    case 5:
    case 9:
    case 12: return Misura::Equita;
    default: return Misura::Quota;
    }
}

bool EquitaQuotaConTolleranza(const ScommessaMgr& m, float e, float q) {
    return e + kTolleranza >= m.minEquita && e - kTolleranza <= m.maxEquita &&
           q + kTolleranza >= m.minQuota && q - kTolleranza <= m.maxQuota;
}

bool ProbabilitaNeiLimiti(const ScommessaMgr& m, const Evento& e) {
    return e.prob[0] >= m.minProb1 && e.prob[0] <= m.maxProb1 && e.prob[1] >= m.minProbX &&
           e.prob[1] <= m.maxProbX && e.prob[2] >= m.minProb2 && e.prob[2] <= m.maxProb2;
}

int BaseDoppie(int doppie) { return doppie ? kCalcolata1X : kQuota1X; }

// The checks of one leg when bets are evaluated: the equity with its
// tolerance, the odds without.
bool GambaValida(const ScommessaMgr& m, const Evento& e, int tipo, int segno) {
    if (!TipoDoppie(tipo)) {
        if (segno != SegnoGiocato(tipo) || !ProbabilitaNeiLimiti(m, e)) return false;
        const float eq = e.equita[segno], q = e.quote[segno];
        return eq + kTolleranza >= m.minEquita && eq - kTolleranza <= m.maxEquita &&
               m.minQuota <= q && q <= m.maxQuota;
    }
    const int v = BaseDoppie(m.doppieCalcolate) + segno;
    const float eq = e.equita[v], q = e.quote[v];
    return e.prob[v] >= m.minProbDoppia && eq + kTolleranza >= m.minEquita &&
           eq - kTolleranza <= m.maxEquita && m.minQuota <= q && q <= m.maxQuota;
}

int VoceGiocata(const ScommessaMgr& m, int tipo, int segno) {
    return TipoDoppie(tipo) ? BaseDoppie(m.doppieCalcolate) + segno : segno;
}

// `a` ranks before a new bet of key k and tie t.
bool PrimaDi(float chiaveA, float spareggioA, float k, float t) {
    return chiaveA > k || (chiaveA == k && spareggioA >= t);
}

int Gambe(const Scommessa& s) {
    int n = 0;
    while (n < kMaxGambe && s.voci[n].campionato != -1)
        ++n;
    return n;
}

int EventiCombinabili(const ScommessaMgr& m, int gambe) {
    int n = std::clamp(m.nSelezionati, 0, kMaxEventi);
    if (gambe > 1) n = std::min(n, kEventiMultiple);
    return n;
}

} // namespace

bool TipoDoppie(int tipo) { return tipo >= 11; }

int SegnoGiocato(int tipo) { return tipo <= 3 ? 0 : tipo <= 6 ? 1 : 2; }

void CriteriPredefiniti(ScommessaMgr& m) {
    m.minProb1 = 0.5f, m.maxProb1 = 1.0f;
    m.minProbX = 0.0f, m.maxProbX = 0.3f;
    m.minProb2 = 0.0f, m.maxProb2 = 0.3f;
    m.minEquita = 1.0f, m.maxEquita = 2.0f;
    m.minQuota = 1.0f, m.maxQuota = 3.0f;
    m.minProbDoppia = 0.85f;
    bool singoli = false, doppie = false;
    for (int i = 0; i < m.nEventi; ++i) {
        const Evento& e = m.eventi[i];
        singoli = singoli || e.quote[0] != 0 || e.quote[1] != 0 || e.quote[2] != 0;
        for (int k = kQuota1X; k < kVociQuota; ++k)
            doppie = doppie || e.quote[k] != 0;
    }
    m.tipoPronostico = singoli ? 0 : doppie ? 11 : m.tipoPronostico;
}

ChiaveEvento ChiaveDiEvento(const ScommessaMgr& m, const Evento& e, int tipo, int doppie) {
    if (e.vuoto() || e.campionato >= kNumeroCampionati || !m.inclusi[e.campionato]) return {};
    if (!TipoDoppie(tipo)) {
        const int s = SegnoGiocato(tipo);
        if (!ProbabilitaNeiLimiti(m, e) || !EquitaQuotaConTolleranza(m, e.equita[s], e.quote[s]))
            return {};
        switch (MisuraTipo(tipo)) {
        case Misura::Somma:
            return {true, tipo == 0 ? e.prob[0] + e.prob[1] : e.prob[1] + e.prob[2]};
        case Misura::Probabilita: return {true, e.prob[s]};
        case Misura::Equita: return {true, e.equita[s]};
        case Misura::Quota: return {true, e.quote[s]};
        }
        return {};
    }
    ChiaveEvento r;
    const int base = BaseDoppie(doppie);
    for (int d = 0; d < 3; ++d) {
        const int v = base + d;
        if (e.prob[v] < m.minProbDoppia || !EquitaQuotaConTolleranza(m, e.equita[v], e.quote[v]))
            continue;
        const Misura mis = MisuraTipo(tipo);
        const float valore = mis == Misura::Probabilita ? e.prob[v]
                             : mis == Misura::Equita    ? e.equita[v]
                                                        : e.quote[v];
        if (!r.passa || valore > r.chiave) r.chiave = valore;
        r.passa = true;
    }
    return r;
}

void OrdinaEventi(ScommessaMgr& m, int tipo, int doppie) {
    m.tipoPronostico = tipo;
    m.doppieCalcolate = static_cast<std::int16_t>(doppie);
    m.nSelezionati = 0;
    m.SvuotaScommesse();
    const auto copia = m.eventi;
    for (Evento& e : m.eventi)
        e = Evento{};
    const bool primoResta = tipo == 0 || tipo == 7;
    // Keys of the slots being filled, beside them.
    std::array<float, kMaxEventi> chiavi{};
    std::array<bool, kMaxEventi> pieni{};
    const int n = std::clamp(m.nEventi, 0, kMaxEventi);
    for (int j = 0; j < n; ++j) {
        const ChiaveEvento ce = ChiaveDiEvento(m, copia[j], tipo, doppie);
        const float k = ce.passa ? ce.chiave : 0.0f;
        if (ce.passa) ++m.nSelezionati;
        int pos = 0;
        for (; pos < n; ++pos) {
            const float kp = pieni[pos] ? chiavi[pos] : 0.0f;
            if (primoResta) {
                if (k == 0 ? !pieni[pos] : kp < k) break;
            } else if (kp <= k) {
                break;
            }
        }
        if (pos >= n) pos = n - 1; // cannot happen: an empty slot always stops the scan
        for (int s = n - 1; s > pos; --s) {
            m.eventi[s] = std::move(m.eventi[s - 1]);
            chiavi[s] = chiavi[s - 1];
            pieni[s] = pieni[s - 1];
        }
        m.eventi[pos] = copia[j];
        chiavi[pos] = k;
        pieni[pos] = true;
    }
}

std::optional<Scommessa> ComponiScommessa(const ScommessaMgr& m, int gambe, const int* indici,
                                          const int* segni) {
    const int tipo = m.tipoPronostico;
    if (gambe < 1 || gambe > kMaxGambe) return std::nullopt;
    for (int g = 0; g < gambe; ++g) {
        if (indici[g] < 0 || indici[g] >= kMaxEventi || segni[g] < 0 || segni[g] > 2)
            return std::nullopt;
        if (!GambaValida(m, m.eventi[indici[g]], tipo, segni[g])) return std::nullopt;
    }
    Scommessa s;
    const bool doppie = TipoDoppie(tipo);
    for (int g = 0; g < gambe; ++g) {
        const Evento& e = m.eventi[indici[g]];
        const int v = VoceGiocata(m, tipo, segni[g]);
        if (g == 0) {
            s.probTotale = e.prob[v];
            s.quotaTotale = e.quote[v];
            s.prodotto1X = doppie ? 1.0f : e.prob[0] + e.prob[1];
            s.prodottoX2 = doppie ? 1.0f : e.prob[1] + e.prob[2];
        } else {
            s.probTotale *= e.prob[v];
            s.quotaTotale *= e.quote[v];
            if (!doppie) {
                s.prodotto1X *= e.prob[0] + e.prob[1];
                s.prodottoX2 *= e.prob[1] + e.prob[2];
            }
        }
        VoceScommessa& vs = s.voci[g];
        vs.campionato = e.campionato;
        vs.casa = e.casa;
        vs.trasferta = e.trasferta;
        vs.data = e.data;
        vs.quota = e.quote[v];
        vs.prob = e.prob[v];
        vs.equita = e.equita[v];
        vs.segno = doppie ? kDoppie[segni[g]] : kSegni[segni[g]];
        if (doppie && m.doppieCalcolate && e.quote[kCalcolata1X + segni[g]] > e.quote[kQuota1X + segni[g]]) {
            static constexpr int kCoppie[3][2] = {{0, 1}, {0, 2}, {1, 2}};
            vs.calcolata = 1;
            vs.quotaA = e.quote[kCoppie[segni[g]][0]];
            vs.quotaB = e.quote[kCoppie[segni[g]][1]];
        }
    }
    if (s.quotaTotale == 0) return std::nullopt;
    s.equitaTotale = s.quotaTotale * s.probTotale;
    return s;
}

std::array<float, 2> ChiaveScommessa(const Scommessa& s, int tipo) {
    switch (MisuraTipo(tipo)) {
    case Misura::Somma: return {tipo == 0 ? s.prodotto1X : s.prodottoX2, s.quotaTotale};
    case Misura::Probabilita: return {s.probTotale, s.quotaTotale};
    case Misura::Equita: return {s.equitaTotale, s.probTotale};
    case Misura::Quota: return {s.quotaTotale, s.probTotale};
    }
    return {};
}

bool ValutaCombinazione(ScommessaMgr& m, int gambe, const int* indici, const int* segni) {
    auto s = ComponiScommessa(m, gambe, indici, segni);
    if (!s) return false;
    const auto [k, t] = ChiaveScommessa(*s, m.tipoPronostico);
    int j = m.nScommesse() - 1;
    for (; j >= 0; --j) {
        const auto [kb, tb] = ChiaveScommessa(m.scommesse[j], m.tipoPronostico);
        if (PrimaDi(kb, tb, k, t)) break;
    }
    const int pos = j + 1;
    if (pos >= kMaxScommesse - 1) return false;
    if (m.scommesse.capacity() < static_cast<std::size_t>(kMaxScommesse))
        m.scommesse.reserve(kMaxScommesse);
    if (m.nScommesse() == kMaxScommesse) m.scommesse.pop_back();
    m.scommesse.insert(m.scommesse.begin() + pos, std::move(*s));
    return pos == 0;
}

long CombinazioniEventi(const ScommessaMgr& m, int gambe) {
    const int n = EventiCombinabili(m, gambe);
    if (gambe < 1 || gambe > n) return 0;
    long c = 1;
    for (int i = 1; i <= gambe; ++i)
        c = c * (n - gambe + i) / i;
    return c;
}

bool GambePossibili(const ScommessaMgr& m, int tipo, int gambe) {
    int n = 0;
    for (int i = 0; i < m.nEventi; ++i) {
        const Evento& e = m.eventi[i];
        bool quotato = false;
        if (!TipoDoppie(tipo)) {
            quotato = e.quote[0] != 0 || e.quote[1] != 0 || e.quote[2] != 0;
        } else {
            const int base = BaseDoppie(m.doppieCalcolate);
            quotato = e.quote[base] != 0 || e.quote[base + 1] != 0 || e.quote[base + 2] != 0;
        }
        n += quotato;
    }
    return n >= gambe;
}

std::vector<Scommessa> CercaScommesseSemplice(const ScommessaMgr& origine, int gambe) {
    ScommessaMgr m = origine;
    m.SvuotaScommesse();
    const int n = EventiCombinabili(m, gambe);
    if (gambe < 1 || gambe > kMaxGambe || gambe > n) return {};
    int indici[kMaxGambe], segni[kMaxGambe];
    for (int g = 0; g < gambe; ++g)
        indici[g] = g;
    while (true) {
        std::fill(segni, segni + gambe, 0);
        while (true) {
            ValutaCombinazione(m, gambe, indici, segni);
            int g = gambe - 1;
            while (g >= 0 && segni[g] == 2)
                segni[g--] = 0;
            if (g < 0) break;
            ++segni[g];
        }
        int g = gambe - 1;
        while (g >= 0 && indici[g] == n - gambe + g)
            --g;
        if (g < 0) break;
        ++indici[g];
        for (int h = g + 1; h < gambe; ++h)
            indici[h] = indici[h - 1] + 1;
    }
    return std::move(m.scommesse);
}

namespace {

// The enumeration without building bets: for every leg the allowed signs of
// every event with their probability and odds, precomputed; totals as
// running products in leg order (the same operations as ComponiScommessa);
// the ranked list kept as keys and the combination that made them.
struct Candidata {
    float chiave, spareggio;
    std::array<std::uint8_t, kMaxGambe> indici, segni;
};

class ListaClassificata {
public:
    // ValutaCombinazione's rule: the new bet goes after the last bet that
    // ranks before it; position 539 or beyond is refused. Ranking before is a
    // prefix of the sorted list, so the position is found by bisection.
    bool Inserisci(const Candidata& c) {
        if (n_ >= kMaxScommesse - 1 && PrimaDi(v_[kMaxScommesse - 2].chiave,
                                               v_[kMaxScommesse - 2].spareggio, c.chiave,
                                               c.spareggio))
            return false;
        const auto pos = std::partition_point(v_.begin(), v_.begin() + n_, [&](const Candidata& a) {
                             return PrimaDi(a.chiave, a.spareggio, c.chiave, c.spareggio);
                         }) - v_.begin();
        if (pos >= kMaxScommesse - 1) return false;
        const int nuovo = std::min(n_ + 1, kMaxScommesse);
        std::memmove(&v_[pos + 1], &v_[pos], sizeof(Candidata) * static_cast<std::size_t>(nuovo - 1 - pos));
        v_[pos] = c;
        n_ = nuovo;
        return true;
    }
    int numero() const { return n_; }
    const Candidata& operator[](int i) const { return v_[i]; }

private:
    std::array<Candidata, kMaxScommesse> v_;
    int n_ = 0;
};

struct Gamba {
    int nSegni = 0;
    std::uint8_t segno[3];
    float p[3], q[3];
    float somma1X, sommaX2;
};

class Enumerazione {
public:
    Enumerazione(const ScommessaMgr& m, int gambe) : m_(m), gambe_(gambe), tipo_(m.tipoPronostico) {
        const int n = EventiCombinabili(m, gambe);
        doppie_ = TipoDoppie(tipo_);
        misura_ = MisuraTipo(tipo_);
        for (int i = 0; i < n; ++i) {
            Gamba g;
            const Evento& e = m.eventi[i];
            for (int s = 0; s < 3; ++s) {
                if (!GambaValida(m, e, tipo_, s)) continue;
                const int v = VoceGiocata(m, tipo_, s);
                g.segno[g.nSegni] = static_cast<std::uint8_t>(s);
                g.p[g.nSegni] = e.prob[v];
                g.q[g.nSegni] = e.quote[v];
                ++g.nSegni;
            }
            g.somma1X = e.prob[0] + e.prob[1];
            g.sommaX2 = e.prob[1] + e.prob[2];
            // An event with no allowed sign takes part in no bet.
            if (g.nSegni > 0) {
                utili_.push_back(g);
                indiceOriginale_.push_back(static_cast<std::uint8_t>(i));
            }
        }
    }

    int utili() const { return static_cast<int>(utili_.size()); }

    // Walks the combinations whose first event is `primo` (or all, for
    // singles), in order; `accetta` sees every bet the local list took.
    template <class Accetta>
    bool Blocco(int primo, const std::atomic<bool>* fermo, Accetta&& accetta) {
        ListaClassificata locale;
        int idx[kMaxGambe];
        idx[0] = primo;
        return Indici(1, idx, locale, fermo, accetta);
    }

    Scommessa Costruisci(const Candidata& c) const {
        int indici[kMaxGambe], segni[kMaxGambe];
        for (int g = 0; g < gambe_; ++g) {
            indici[g] = indiceOriginale_[c.indici[g]];
            segni[g] = c.segni[g];
        }
        return *ComponiScommessa(m_, gambe_, indici, segni);
    }

private:
    template <class Accetta>
    bool Indici(int g, int* idx, ListaClassificata& locale, const std::atomic<bool>* fermo,
                Accetta& accetta) {
        const int u = utili();
        if (g == gambe_) {
            if (fermo && fermo->load(std::memory_order_relaxed)) return false;
            Candidata c;
            for (int h = 0; h < gambe_; ++h)
                c.indici[h] = static_cast<std::uint8_t>(idx[h]);
            Segni(0, idx, c, 1, 1, 1, 1, locale, accetta);
            return true;
        }
        for (int i = idx[g - 1] + 1; i <= u - (gambe_ - g); ++i) {
            idx[g] = i;
            if (!Indici(g + 1, idx, locale, fermo, accetta)) return false;
        }
        return true;
    }

    template <class Accetta>
    void Segni(int g, const int* idx, Candidata& c, float p, float q, float p1X, float pX2,
               ListaClassificata& locale, Accetta& accetta) {
        const Gamba& gb = utili_[idx[g]];
        const float s1X = doppie_ ? 1.0f : (g == 0 ? gb.somma1X : p1X * gb.somma1X);
        const float sX2 = doppie_ ? 1.0f : (g == 0 ? gb.sommaX2 : pX2 * gb.sommaX2);
        for (int k = 0; k < gb.nSegni; ++k) {
            const float pp = g == 0 ? gb.p[k] : p * gb.p[k];
            const float qq = g == 0 ? gb.q[k] : q * gb.q[k];
            c.segni[g] = gb.segno[k];
            if (g + 1 < gambe_) {
                Segni(g + 1, idx, c, pp, qq, s1X, sX2, locale, accetta);
                continue;
            }
            if (qq == 0) continue;
            switch (misura_) {
            case Misura::Somma:
                c.chiave = tipo_ == 0 ? s1X : sX2;
                c.spareggio = qq;
                break;
            case Misura::Probabilita:
                c.chiave = pp;
                c.spareggio = qq;
                break;
            case Misura::Equita:
                c.chiave = qq * pp;
                c.spareggio = pp;
                break;
            case Misura::Quota:
                c.chiave = qq;
                c.spareggio = pp;
                break;
            }
            if (locale.Inserisci(c)) accetta(c);
        }
    }

    const ScommessaMgr& m_;
    int gambe_, tipo_;
    bool doppie_;
    Misura misura_;
    std::vector<Gamba> utili_;
    std::vector<std::uint8_t> indiceOriginale_;
};

long Binomiale(int n, int k) {
    if (k < 0 || k > n) return 0;
    long c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    return c;
}

} // namespace

std::vector<Scommessa> CercaScommesse(const ScommessaMgr& m, int gambe, int fili,
                                      const ContestoLavoro* contesto) {
    if (gambe < 1 || gambe > kMaxGambe || gambe > EventiCombinabili(m, gambe)) return {};
    Enumerazione en(m, gambe);
    const int u = en.utili();
    const int blocchi = std::max(0, u - gambe + 1);
    const long totale = std::max(1L, CombinazioniEventi(m, gambe));
    // Every block keeps, in order, the bets its own list took: a bet the
    // whole enumeration takes is taken by its block's list too (fewer bets
    // came before it there), and a bet refused changes nothing; so playing
    // the blocks' bets in order through one list gives the list of the
    // enumeration done in one go.
    std::vector<std::vector<Candidata>> presi(static_cast<std::size_t>(blocchi));
    std::vector<char> completi(static_cast<std::size_t>(blocchi), 0);
    std::atomic<int> prossimo{0};
    std::atomic<long> fatte{0};
    // A stop requested before the start is seen at once; later ones reach
    // the workers through the watching thread below.
    std::atomic<bool> fermo{contesto && contesto->FermoRichiesto()};
    auto lavora = [&] {
        for (int b; (b = prossimo.fetch_add(1)) < blocchi;) {
            auto& lista = presi[static_cast<std::size_t>(b)];
            if (!en.Blocco(b, &fermo, [&](const Candidata& c) { lista.push_back(c); })) return;
            completi[static_cast<std::size_t>(b)] = 1;
            fatte.fetch_add(Binomiale(u - b - 1, gambe - 1), std::memory_order_relaxed);
        }
    };
    const int nFili = std::clamp(fili, 1, 16);
    if (nFili == 1 && !contesto) {
        lavora();
    } else {
        std::atomic<int> attivi{nFili};
        std::vector<std::thread> lavoratori;
        for (int i = 0; i < nFili; ++i)
            lavoratori.emplace_back([&] {
                lavora();
                attivi.fetch_sub(1);
            });
        // This thread only watches: it passes the stop request on and
        // reports the progress, so the workers never call back.
        while (attivi.load() > 0) {
            if (contesto) {
                if (contesto->FermoRichiesto()) fermo = true;
                contesto->Avanza(fatte.load() + 1, totale + 1);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        for (auto& t : lavoratori)
            t.join();
    }
    ListaClassificata globale;
    for (int b = 0; b < blocchi; ++b) {
        for (const Candidata& c : presi[static_cast<std::size_t>(b)])
            globale.Inserisci(c);
        // A stopped block ends the prefix of the enumeration that was done.
        if (!completi[static_cast<std::size_t>(b)]) break;
    }
    if (contesto) contesto->Avanza(totale + 1, totale + 1);
    std::vector<Scommessa> r;
    r.reserve(static_cast<std::size_t>(globale.numero()));
    for (int i = 0; i < globale.numero(); ++i)
        r.push_back(en.Costruisci(globale[i]));
    return r;
}

std::vector<Giocata> GiocateCalcolate(const Scommessa& s) {
    const int gambe = Gambe(s);
    std::vector<Giocata> giocate(1);
    giocate[0].percentuale = 1.0f;
    for (int g = 0; g < gambe; ++g) {
        const VoceScommessa& v = s.voci[g];
        std::vector<Giocata> nuove;
        for (const Giocata& base : giocate) {
            if (!v.calcolata) {
                Giocata n = base;
                n.segni.push_back(v.segno);
                nuove.push_back(std::move(n));
                continue;
            }
            const float qa = v.quotaA, qb = v.quotaB;
            const std::string esiti = v.segno; // "1X", "12" or "X2"
            const float quote[2] = {qb / (qa + qb), qa / (qa + qb)};
            for (int k = 0; k < 2; ++k) {
                Giocata n = base;
                n.segni.push_back(std::string(1, esiti[static_cast<std::size_t>(k)]));
                n.percentuale *= quote[k];
                nuove.push_back(std::move(n));
            }
        }
        giocate = std::move(nuove);
    }
    return giocate;
}

} // namespace veltra
