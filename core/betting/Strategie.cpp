#include "betting/Strategie.h"

#include "betting/ScommessaMgr.h"
#include "betting/SelezioneScommesse.h"
#include "platform/Lavori.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <utility>

namespace veltra {

namespace {

constexpr double kTolleranzaQuota = 0.005;

void CopiaCriteri(const EventoStrategia& e, ScommessaMgr& m) {
    m.minProb1 = e.minProb1, m.minProbX = e.minProbX, m.minProb2 = e.minProb2;
    m.maxProb1 = e.maxProb1, m.maxProbX = e.maxProbX, m.maxProb2 = e.maxProb2;
    m.minEquita = e.minEquita, m.maxEquita = e.maxEquita;
    m.minQuota = e.minQuota, m.maxQuota = e.maxQuota;
    m.minProbDoppia = e.minProbDoppia;
    m.doppieCalcolate = e.doppieCalcolate;
    m.inclusi = e.inclusi;
}

} // namespace

std::string TestoStrategiaNonRealizzabile(int posizione) {
    char t[160];
    std::snprintf(t, sizeof t,
                  "Impossibile realizzare la strategia n. %d.\nNon ci sono eventi che rispettano "
                  "tutti i criteri imposti.",
                  posizione);
    return t;
}

std::string ControllaStrategia(const CStrategiaDesc& s) {
    if (s.eventiStrategia.empty()) return "La strategia non ha eventi.";
    if (s.eventiStrategia.size() > static_cast<std::size_t>(kMaxEventiStrategia))
        return "Una strategia non puo' avere piu' di 26 eventi (da A a Z).";
    if (s.giocate.empty()) return "La strategia deve avere almeno una giocata.";
    for (const auto& g : s.giocate) {
        if (g.empty()) return "Una giocata della strategia non ha eventi.";
        for (auto i : g)
            if (i < 0 || static_cast<std::size_t>(i) >= s.eventiStrategia.size())
                return "Una giocata nomina un evento che non esiste.";
    }
    return {};
}

RisoluzioneStrategia RealizzaStrategia(const CStrategiaDesc& s, ScommessaMgr& m,
                                       const ContestoLavoro* contesto) {
    RisoluzioneStrategia r;
    r.gambe.reserve(s.eventiStrategia.size());
    for (const EventoStrategia& e : s.eventiStrategia) {
        m.SvuotaScommesse();
        CopiaCriteri(e, m);
        const int tipo = e.tipo;
        const bool doppie = TipoDoppie(tipo);
        OrdinaEventi(m, tipo, doppie ? e.doppieCalcolate : 0);
        // The single signs take the odds limits with a tolerance: the limits
        // are lifted for the evaluation and the odds tested here instead.
        if (!doppie) {
            m.minQuota = -std::numeric_limits<float>::max();
            m.maxQuota = std::numeric_limits<float>::max();
        }
        const int nSel = std::clamp(m.nSelezionati, 0, kMaxEventi);
        for (int i = 0; i < nSel; ++i) {
            for (int segno = 0; segno < 3; ++segno) {
                if (contesto && contesto->FermoRichiesto()) {
                    r.fermata = true;
                    r.gambe.clear();
                    return r;
                }
                if (!doppie) {
                    if (segno != SegnoGiocato(tipo)) continue;
                    const double q = m.eventi[i].quote[segno];
                    if (q + kTolleranzaQuota < e.minQuota || q - kTolleranzaQuota > e.maxQuota)
                        continue;
                }
                const int indice = i;
                ValutaCombinazione(m, 1, &indice, &segno);
            }
        }
        if (!doppie) {
            m.minQuota = e.minQuota;
            m.maxQuota = e.maxQuota;
        }
        const int rango = e.posizione - 1;
        const VoceScommessa* scelta = nullptr;
        for (int k = std::max(rango, 0); k < m.nScommesse(); ++k) {
            const VoceScommessa& v = m.scommesse[static_cast<std::size_t>(k)].voci[0];
            const bool presa = std::any_of(r.gambe.begin(), r.gambe.end(),
                                           [&](const VoceScommessa& g) { return g.casa == v.casa; });
            if (!presa) {
                scelta = &v;
                break;
            }
        }
        if (!scelta) {
            r.gambe.clear();
            return r;
        }
        r.gambe.push_back(*scelta);
        if (contesto)
            contesto->Avanza(static_cast<long>(r.gambe.size()),
                             static_cast<long>(s.eventiStrategia.size()));
    }
    r.realizzata = true;
    return r;
}

GiocataRisolta RisolviGiocata(const std::vector<std::int16_t>& giocata,
                              const std::vector<VoceScommessa>& gambe) {
    GiocataRisolta g;
    for (auto i : giocata) {
        if (i < 0 || static_cast<std::size_t>(i) >= gambe.size()) continue;
        g.quota *= gambe[static_cast<std::size_t>(i)].quota;
        g.prob *= gambe[static_cast<std::size_t>(i)].prob;
    }
    return g;
}

int CodiceEsito(const VoceScommessa& gamba, char esito) {
    if (esito != '1' && esito != 'X' && esito != '2') return 0;
    if (gamba.segno.find(esito) != std::string::npos) return 1;
    return esito == '1' ? -1 : esito == '2' ? -2 : -3;
}

const char* TestoCodiceEsito(int codice) {
    switch (codice) {
    case 1: return " (OK)";
    case -1: return " (Errore: 1)";
    case -2: return " (Errore: 2)";
    case -3: return " (Errore: X)";
    default: return " (Nulla)";
    }
}

Liquidazione LiquidaStrategia(const CStrategiaDesc& s, const std::vector<VoceScommessa>& gambe,
                              const ScommessaMgr& m, RegolaNulle regola) {
    Liquidazione l;
    const int n = std::clamp(m.nEventi, 0, kMaxEventi);
    auto esitoDi = [&](const VoceScommessa& v) -> char {
        for (int i = 0; i < n; ++i) {
            const Evento& e = m.eventi[static_cast<std::size_t>(i)];
            if (e.casa == v.casa && e.trasferta == v.trasferta) return e.esito;
        }
        return '\0'; // not found: counts as nothing
    };
    double somma = 0;
    for (const auto& giocata : s.giocate) {
        double x = 1;
        std::vector<int> codici;
        for (auto i : giocata) {
            if (i < 0 || static_cast<std::size_t>(i) >= gambe.size()) continue;
            const VoceScommessa& v = gambe[static_cast<std::size_t>(i)];
            const char esito = esitoDi(v);
            if (esito == '-' && regola == RegolaNulle::SettimanaNonGiocabile) {
                l.giocabile = false;
                l.rendimento = 0;
                l.vincente = false;
                return l;
            }
            const int c = CodiceEsito(v, esito);
            codici.push_back(c);
            if (c == 1) x *= v.quota;
            else if (c < 0) x = 0;
        }
        if (x != 0) l.vincente = true;
        somma += x - 1;
        l.codici.push_back(std::move(codici));
        l.pagato.push_back(x);
    }
    // A strategy without plays stakes nothing and gains nothing.
    l.rendimento = s.giocate.empty() ? 0.0 : somma / static_cast<double>(s.giocate.size());
    return l;
}

void RinumeraStrategia(CStrategiaDesc& s, std::int32_t& contatore) {
    s.numero = contatore;
    if (contatore < std::numeric_limits<std::int32_t>::max()) ++contatore;
}

void AggiungiStrategia(ListaStrategie& l, std::int32_t& contatore, CStrategiaDesc s) {
    RinumeraStrategia(s, contatore);
    l.strategie.push_back(std::move(s));
}

bool EliminaStrategia(ListaStrategie& l, int indice) {
    if (indice < 0 || indice >= static_cast<int>(l.strategie.size())) return false;
    l.strategie.erase(l.strategie.begin() + indice);
    return true;
}

int SpostaStrategia(ListaStrategie& l, int corrente, int primaDi) {
    const int n = static_cast<int>(l.strategie.size());
    if (corrente < 0 || corrente >= n || primaDi < 0 || primaDi >= n) return corrente;
    if (primaDi == corrente || primaDi == corrente + 1) return corrente;
    auto& v = l.strategie;
    if (primaDi < corrente) {
        std::rotate(v.begin() + primaDi, v.begin() + corrente, v.begin() + corrente + 1);
        return primaDi;
    }
    std::rotate(v.begin() + corrente, v.begin() + corrente + 1, v.begin() + primaDi);
    return primaDi - 1;
}

std::string TestoCampionatiInclusi(const EventoStrategia& e) {
    if (std::all_of(e.inclusi.begin(), e.inclusi.end(), [](bool b) { return b; })) return "TUTTI";
    std::string t;
    for (int c = 0; c < kNumeroCampionati; ++c) {
        if (!e.inclusi[static_cast<std::size_t>(c)]) continue;
        if (!t.empty()) t += ';';
        t += Campionato(static_cast<CampionatoId>(c)).codice;
    }
    return t;
}

} // namespace veltra
