#include "tools/qualita/ValutazioneStime.h"

#include "engine/CMotoreStime.h"
#include "engine/rating/ModelloProbabilita.h"
#include "tools/stagioni/EtichettaStagione.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>
#include <set>

namespace veltra {

std::unique_ptr<CCampionato> CopiaPerValutazione(const CCampionato& c) { return CopiaDati(c); }

namespace {

struct Giorno {
    int stagione;
    int inizio, fine; // entries [inizio, fine)
};

// The days of season s: runs of entries of one date, or, without dates, runs
// in which no club plays twice.
void GiorniStagione(const CCampionato& c, int s, std::vector<Giorno>& giorni) {
    const auto& inc = c.incontri;
    if (s - 1 >= inc.numeroSeparatori()) return;
    const int inizio = inc.inizioStagione(s - 1) + 1;
    const int fine = s < inc.numeroSeparatori() ? inc.inizioStagione(s) : inc.numero();
    std::set<int> squadre;
    int corrente = inizio;
    for (int p = inizio; p < fine; ++p) {
        const Incontro& m = inc[p];
        bool nuovo = p > corrente;
        if (nuovo) {
            const DataNumerica d = c.reti.Di(p).data, prima = c.reti.Di(p - 1).data;
            if (d != 0 && prima != 0)
                nuovo = d != prima;
            else
                nuovo = d != prima || squadre.count(m.casa) || squadre.count(m.trasferta);
        }
        if (nuovo) {
            giorni.push_back({s, corrente, p});
            corrente = p;
            squadre.clear();
        }
        squadre.insert(m.casa);
        squadre.insert(m.trasferta);
    }
    if (fine > corrente) giorni.push_back({s, corrente, fine});
}

} // namespace

std::vector<IncontroValutato> PrevisioniFuoriCampione(CCampionato& copia,
                                                      const OpzioniValutazione& o,
                                                      const ContestoLavoro* lavoro) {
    std::vector<IncontroValutato> v;
    const int dal = std::max(1, o.dal);
    const int al = std::min(o.al, copia.config.numeroStagioni());
    std::vector<Giorno> giorni;
    for (int s = dal; s <= al; ++s) GiorniStagione(copia, s, giorni);

    const auto filtro = copia.ultimoIncontroFiltro;
    const auto stagioneFiltro = copia.stagioneFiltro;
    auto modello = o.modello == ModelloStime::Rating ? CreaModelloRating(copia, o.rating, o.inferiore)
                                                     : CreaModelloProbabilita(copia, ModelloStime::Motore);
    const long totale = static_cast<long>(giorni.size());
    for (long g = 0; g < totale; ++g) {
        if (lavoro && lavoro->FermoRichiesto()) break;
        const Giorno& giorno = giorni[static_cast<std::size_t>(g)];
        // Everything before the day's first match, and nothing after.
        copia.ultimoIncontroFiltro = giorno.inizio - 1;
        copia.stagioneFiltro = giorno.stagione;
        const bool pronto = modello->Aggiorna() == 0;
        for (int p = giorno.inizio; p < giorno.fine; ++p) {
            const Incontro& m = copia.incontri[p];
            IncontroValutato iv;
            iv.stagione = giorno.stagione;
            iv.posizione = p;
            iv.giorno = static_cast<int>(g);
            iv.data = copia.reti.Di(p).data;
            iv.casa = m.casa;
            iv.trasferta = m.trasferta;
            iv.risultato = m.risultato;
            if (pronto) iv.modello = modello->Stima(m.casa, m.trasferta);
            v.push_back(iv);
        }
        if (lavoro) lavoro->Avanza(g + 1, totale);
    }
    copia.ultimoIncontroFiltro = filtro;
    copia.stagioneFiltro = stagioneFiltro;
    return v;
}

void AggiungiFrequenzeBase(const CCampionato& c, std::vector<IncontroValutato>& v, int stagioni) {
    std::map<int, std::optional<Probabilita1X2>> perStagione;
    const auto& inc = c.incontri;
    for (auto& iv : v) {
        auto it = perStagione.find(iv.stagione);
        if (it == perStagione.end()) {
            long n[3] = {0, 0, 0};
            for (int s = std::max(1, iv.stagione - stagioni); s < iv.stagione; ++s) {
                const int inizio = inc.inizioStagione(s - 1) + 1;
                const int fine = s < inc.numeroSeparatori() ? inc.inizioStagione(s) : inc.numero();
                for (int p = inizio; p < fine; ++p)
                    ++n[inc[p].risultato == '1' ? 0 : inc[p].risultato == 'X' ? 1 : 2];
            }
            const double t = static_cast<double>(n[0] + n[1] + n[2]);
            std::optional<Probabilita1X2> f;
            if (n[0] > 0 && n[1] > 0 && n[2] > 0) f = Probabilita1X2{n[0] / t, n[1] / t, n[2] / t};
            it = perStagione.emplace(iv.stagione, f).first;
        }
        iv.base = it->second;
    }
}

RapportoMercato AbbinaQuote(const CCampionato& c, std::vector<IncontroValutato>& v,
                            const std::vector<LetturaQuote>& file, std::string_view insieme,
                            const NomeProgramma& nomi) {
    RapportoMercato r;
    // Every stored match by its clubs' names.
    struct Candidato {
        int stagione, posizione;
        DataNumerica data;
    };
    std::map<std::pair<std::string, std::string>, std::vector<Candidato>> perNomi;
    const auto& inc = c.incontri;
    for (int s = 1; s <= c.config.numeroStagioni() && s - 1 < inc.numeroSeparatori(); ++s) {
        const auto& squadre = c.squadreStagione(s).nomi;
        const int inizio = inc.inizioStagione(s - 1) + 1;
        const int fine = s < inc.numeroSeparatori() ? inc.inizioStagione(s) : inc.numero();
        for (int p = inizio; p < fine; ++p) {
            const Incontro& m = inc[p];
            perNomi[{squadre[static_cast<std::size_t>(m.casa)],
                     squadre[static_cast<std::size_t>(m.trasferta)]}]
                .push_back({s, p, c.reti.Di(p).data});
        }
    }
    std::map<int, std::size_t> delWalk; // position -> index in v
    for (std::size_t i = 0; i < v.size(); ++i) delWalk[v[i].posizione] = i;
    std::set<int> prese;
    const bool annoSolare = StagioneAnnoSolare(c.id());
    const int annoPrima = c.descrizione().annoPrimaStagione;

    for (const auto& f : file)
        for (const auto& riga : f.quote.partite) {
            ++r.righe;
            auto scarta = [&](std::string motivo) {
                r.scartate.push_back({f.file, riga.riga, std::move(motivo)});
            };
            const std::string casa = nomi ? nomi(riga.casa) : riga.casa;
            const std::string trasferta = nomi ? nomi(riga.trasferta) : riga.trasferta;
            const auto it = perNomi.find({casa, trasferta});
            const std::string chi = riga.casa + " - " + riga.trasferta + " (" + casa + " - " +
                                    trasferta + ") del " + std::to_string(riga.data());
            if (it == perNomi.end()) {
                scarta("nessun incontro " + chi + " nei dati");
                continue;
            }
            // The stored match: same date within three days, or, without a
            // date, the season the date falls in.
            const long giorni = GiorniDaData(riga.data());
            const int anno = riga.anno, mese = riga.mese;
            const int stagioneData = (annoSolare ? anno : (mese >= 7 ? anno : anno - 1)) - annoPrima + 1;
            const Candidato* scelto = nullptr;
            long distanza = 4;
            for (const auto& k : it->second) {
                if (k.data != 0) {
                    const long d = std::labs(GiorniDaData(k.data) - giorni);
                    if (d < distanza) {
                        distanza = d;
                        scelto = &k;
                    }
                } else if (!scelto && k.stagione == stagioneData) {
                    scelto = &k;
                }
            }
            if (!scelto) {
                scarta("l'incontro " + chi + " non e' nei dati in quella data");
                continue;
            }
            const auto w = delWalk.find(scelto->posizione);
            if (w == delWalk.end()) {
                ++r.fuoriStagioni;
                continue;
            }
            if (!prese.insert(scelto->posizione).second) {
                scarta("l'incontro " + chi + " ha gia' le quote di un'altra riga");
                continue;
            }
            const auto q = ScegliQuote(riga, insieme);
            if (!q) {
                scarta("quote \"" + std::string(insieme) + "\" mancanti o non valide per " + chi);
                prese.erase(scelto->posizione);
                continue;
            }
            v[w->second].mercato = ProbabilitaSenzaMargine(*q);
            ++r.abbinate;
        }
    return r;
}

namespace {

// Paired difference of RPS (model minus reference) with a bootstrap over days.
Differenza DifferenzaAppaiata(const std::vector<const IncontroValutato*>& v, bool mercato) {
    std::map<int, std::pair<double, long>> perGiorno;
    Differenza d;
    double somma = 0;
    for (const auto* iv : v) {
        const auto& rif = mercato ? iv->mercato : iv->base;
        if (!iv->modello || !rif) continue;
        const double x = PunteggioRps(*iv->modello, iv->risultato) - PunteggioRps(*rif, iv->risultato);
        auto& g = perGiorno[iv->giorno];
        g.first += x;
        g.second += 1;
        somma += x;
        ++d.n;
    }
    if (d.n == 0) return d;
    d.media = somma / static_cast<double>(d.n);
    std::vector<std::pair<double, long>> giorni;
    for (const auto& [_, g] : perGiorno) giorni.push_back(g);
    constexpr int kEstrazioni = 2000;
    std::mt19937_64 caso(20240601);
    std::vector<double> medie;
    medie.reserve(kEstrazioni);
    const auto k = giorni.size();
    for (int b = 0; b < kEstrazioni; ++b) {
        double s = 0;
        long n = 0;
        for (std::size_t i = 0; i < k; ++i) {
            const auto& g = giorni[static_cast<std::size_t>(caso() % k)];
            s += g.first;
            n += g.second;
        }
        medie.push_back(s / static_cast<double>(n));
    }
    std::sort(medie.begin(), medie.end());
    d.basso = medie[static_cast<std::size_t>(kEstrazioni * 0.025)];
    d.alto = medie[static_cast<std::size_t>(kEstrazioni * 0.975) - 1];
    return d;
}

RiepilogoValutazione RiepilogoDi(int stagione, const std::vector<const IncontroValutato*>& v) {
    RiepilogoValutazione r;
    r.stagione = stagione;
    for (const auto* iv : v) {
        ++r.incontri;
        if (!iv->modello) {
            ++r.nonStimati;
            continue;
        }
        r.modello.Aggiungi(*iv->modello, iv->risultato);
        if (iv->mercato) {
            r.mercato.Aggiungi(*iv->mercato, iv->risultato);
            r.modelloSuMercato.Aggiungi(*iv->modello, iv->risultato);
        }
        if (iv->base) r.base.Aggiungi(*iv->base, iv->risultato);
    }
    r.controMercato = DifferenzaAppaiata(v, true);
    r.controBase = DifferenzaAppaiata(v, false);
    return r;
}

} // namespace

RisultatoValutazione Riassumi(const std::vector<IncontroValutato>& v) {
    RisultatoValutazione r;
    std::map<int, std::vector<const IncontroValutato*>> perStagione;
    std::vector<const IncontroValutato*> tutti;
    for (const auto& iv : v) {
        perStagione[iv.stagione].push_back(&iv);
        tutti.push_back(&iv);
        if (iv.modello) {
            r.affidabilita.Aggiungi(*iv.modello, iv.risultato);
            if (iv.mercato) r.affidabilitaMercato.Aggiungi(*iv.mercato, iv.risultato);
        }
    }
    for (const auto& [s, incontri] : perStagione) r.stagioni.push_back(RiepilogoDi(s, incontri));
    r.totale = RiepilogoDi(0, tutti);
    return r;
}

RisultatoValutazione ValutaStime(CCampionato& copia, const RichiestaValutazione& richiesta,
                                 const ContestoLavoro* lavoro) {
    auto v = PrevisioniFuoriCampione(copia, richiesta.opzioni, lavoro);
    const bool interrotta = lavoro && lavoro->FermoRichiesto();
    AggiungiFrequenzeBase(copia, v, richiesta.opzioni.stagioniBase);
    RapportoMercato mercato;
    if (!richiesta.quote.empty())
        mercato = AbbinaQuote(copia, v, richiesta.quote, richiesta.insiemeQuote, richiesta.nomi);
    RisultatoValutazione r = Riassumi(v);
    r.mercato = std::move(mercato);
    r.interrotta = interrotta;
    return r;
}

LetturaQuote LeggiQuoteDaValutare(std::string_view testo, const std::string& nomeFile) {
    LetturaQuote l;
    l.file = nomeFile;
    std::string errore;
    if (auto q = LeggiQuoteFootballData(testo, &errore))
        l.quote = std::move(*q);
    else
        l.errore = nomeFile + ": " + errore;
    if (l.ok() && l.quote.insiemi.empty())
        l.errore = nomeFile + ": nessuna colonna di quote 1X2 (come AvgH, AvgD, AvgA)";
    return l;
}

int UltimaStagioneCompleta(const CCampionato& c) {
    const auto& inc = c.incontri;
    for (int s = std::min(c.config.numeroStagioni(), inc.numeroSeparatori()); s >= 1; --s) {
        const int squadre = c.squadreStagione(s).numero();
        const int inizio = inc.inizioStagione(s - 1) + 1;
        const int fine = s < inc.numeroSeparatori() ? inc.inizioStagione(s) : inc.numero();
        if (squadre >= 2 && fine - inizio >= squadre * (squadre - 1)) return s;
    }
    return 0;
}

QualitaUltimaStagione ValutaUltimaStagione(const CCampionato& c, const CCampionato* inferiore,
                                           ModelloStime modello, const std::vector<LetturaQuote>& quote,
                                           const NomeProgramma& nomi, const ContestoLavoro* lavoro) {
    QualitaUltimaStagione q;
    q.modello = modello;
    q.stagione = UltimaStagioneCompleta(c);
    if (q.stagione == 0) return q;
    const int anno = AnnoStagione(c.id(), q.stagione);
    q.etichetta = StagioneAnnoSolare(c.id()) ? std::to_string(anno)
                                              : FormattaTesto("%d-%02d", anno, (anno + 1) % 100);
    auto copia = CopiaPerValutazione(c);
    std::unique_ptr<CCampionato> copiaInferiore = inferiore ? CopiaPerValutazione(*inferiore) : nullptr;
    RichiestaValutazione r;
    r.opzioni.dal = r.opzioni.al = q.stagione;
    r.opzioni.modello = modello;
    r.opzioni.rating = ParametriRatingPredefiniti(c.id());
    r.opzioni.inferiore = copiaInferiore.get();
    r.quote = quote;
    r.nomi = nomi;
    q.riepilogo = ValutaStime(*copia, r, lavoro).totale;
    return q;
}

std::string TestoQualitaUltimaStagione(const QualitaUltimaStagione& q) {
    if (q.stagione == 0 || q.riepilogo.modello.n == 0) return {};
    std::string t = FormattaTesto("RPS %s: %.4f", q.etichetta.c_str(), q.riepilogo.modello.Rps());
    if (q.riepilogo.mercato.n > 0) t += FormattaTesto(" (mercato %.4f)", q.riepilogo.mercato.Rps());
    return t;
}

} // namespace veltra
