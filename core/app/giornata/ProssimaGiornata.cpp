#include "app/giornata/ProssimaGiornata.h"

#include "app/DatiGlobali.h"
#include "engine/CMotoreStime.h"
#include "engine/rating/ModelloProbabilita.h"
#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"
#include "platform/Stampa.h"
#include "pools/CNuovaSchedina.h"
#include "pools/OperazioniSchedina.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace veltra {

namespace {

int Indice(const ElencoSquadre& squadre, const std::string& nome) {
    const auto it = std::find(squadre.nomi.begin(), squadre.nomi.end(), nome);
    return it == squadre.nomi.end() ? -1 : static_cast<int>(it - squadre.nomi.begin());
}

// The probabilities of the model the championship uses, fitted already: the
// rating model's as they are, the engine's raw values made proper as the
// betting module makes them.
std::optional<Probabilita1X2> ProbabilitaModelloInUso(const CCampionato& c, int casa,
                                                      int trasferta) {
    const auto p = StimaModelloScelto(c, casa, trasferta);
    if (!p) return std::nullopt;
    if (c.modello == ModelloStime::Rating) return Probabilita1X2{(*p)[0], (*p)[1], (*p)[2]};
    return ProbabilitaDaStima((*p)[0], (*p)[1], (*p)[2]);
}

// Odds of the match among the betting module's events, when all three are there.
std::optional<Quote1X2> QuoteEvento(const ScommessaMgr& m, int campionato, const std::string& casa,
                                    const std::string& trasferta) {
    for (int i = 0; i < m.nEventi && i < static_cast<int>(m.eventi.size()); ++i) {
        const Evento& e = m.eventi[static_cast<std::size_t>(i)];
        if (e.vuoto() || e.campionato != campionato) continue;
        // Event names are cut to 15 characters, as team names are.
        if (e.casa != casa.substr(0, Evento::kLunghezzaNome) ||
            e.trasferta != trasferta.substr(0, Evento::kLunghezzaNome))
            continue;
        const auto q1 = e.quote[kQuota1], qX = e.quote[kQuotaX], q2 = e.quote[kQuota2];
        if (q1 > 1 && qX > 1 && q2 > 1) return Quote1X2{q1, qX, q2};
    }
    return std::nullopt;
}

std::string Numero(const char* formato, double v) {
    char b[32];
    std::snprintf(b, sizeof b, formato, v);
    return b;
}

// A reason on one line, with no double quote that would end it early.
std::string Ragione(std::string s) {
    for (char& c : s)
        if (c == '\n' || c == '"') c = c == '"' ? '\'' : ' ';
    return s;
}

// Why the model in use has no estimate for a match of two current teams.
std::string MotivoSenzaStima(const CCampionato& c, const PartitaCalendario& p) {
    if (c.modello != ModelloStime::Motore) return "il modello rating non stima questo incontro";
    // The engine reads the last N matches of each team in the current season
    // (at home for the home team and away for the away team when it keeps
    // them apart): a season just begun has not got them yet.
    const std::string n = std::to_string(c.config.giornateAnalisi);
    return c.punteggiAvanzati.separaCasaTrasferta
               ? "il motore vuole le ultime " + n + " partite in casa di " + p.casa +
                     " e fuori casa di " + p.trasferta + " in questa stagione"
               : "il motore vuole le ultime " + n + " partite di " + p.casa + " e di " +
                     p.trasferta + " in questa stagione";
}

} // namespace

std::array<double, 3> RigaGiornata::quoteEque() const {
    if (!stima) return {0, 0, 0};
    return {1 / stima->p1, 1 / stima->pX, 1 / stima->p2};
}

std::optional<Probabilita1X2> RigaGiornata::mercato() const {
    if (!quote) return std::nullopt;
    const double i1 = 1 / quote->q1, iX = 1 / quote->qX, i2 = 1 / quote->q2;
    const double somma = i1 + iX + i2;
    return Probabilita1X2{i1 / somma, iX / somma, i2 / somma};
}

std::optional<std::array<double, 3>> RigaGiornata::valore() const {
    if (!quote || !stima) return std::nullopt;
    return std::array<double, 3>{stima->p1 * quote->q1 - 1, stima->pX * quote->qX - 1,
                                 stima->p2 * quote->q2 - 1};
}

Giornata CalcolaGiornata(DatiGlobali& dati, int campionato, int numero) {
    Giornata g;
    g.campionato = campionato;
    CCampionato& c = dati.campionato(campionato);
    g.modello = NomeModello(c.modello);
    const std::string nome(c.descrizione().nome);
    const Calendario& cal = c.calendario;
    if (!c.calendarioNonLetto.empty()) {
        g.errore = "calendario di " + nome + " non letto: " + c.calendarioNonLetto;
        return g;
    }
    if (cal.vuoto()) {
        g.errore = "nessuna partita da giocare nel calendario di " + nome;
        return g;
    }
    if (cal.stagione != c.config.numeroStagioni()) {
        g.errore = "il calendario di " + nome + " non e' della stagione corrente";
        return g;
    }
    g.giornate = cal.Giornate();
    g.numero = numero == 0 ? cal.ProssimaGiornata() : numero;
    if (std::find(g.giornate.begin(), g.giornate.end(), g.numero) == g.giornate.end()) {
        g.errore = "la giornata " + std::to_string(numero) + " di " + nome +
                   " non ha partite da giocare (giornate in calendario: " +
                   std::to_string(g.giornate.front()) + "-" + std::to_string(g.giornate.back()) +
                   ")";
        g.numero = 0;
        return g;
    }

    // The model is fitted on the current season's data: a historical cut-off
    // shows another season, whose teams are not the calendar's.
    std::string motivoComune;
    if (c.filtroAttivo())
        motivoComune = "filtro storico attivo: le stime non sono della stagione corrente";
    else if (!AggiornaModelloScelto(c))
        motivoComune = c.modello == ModelloStime::Motore && c.motore &&
                               c.motore->IncontriInsufficienti()
                           ? "il motore non ha ancora abbastanza partite giocate in questa stagione"
                           : "stime non calcolabili per " + nome;
    const ElencoSquadre& squadre = c.squadreCorrenti();
    for (const PartitaCalendario& p : cal.DellaGiornata(g.numero)) {
        RigaGiornata r;
        r.partita = p;
        r.casa = Indice(squadre, p.casa);
        r.trasferta = Indice(squadre, p.trasferta);
        r.quote = QuoteEvento(dati.scommesse, campionato, p.casa, p.trasferta);
        if (!motivoComune.empty())
            r.errore = motivoComune;
        else if (r.casa < 0 || r.trasferta < 0)
            r.errore = (r.casa < 0 ? p.casa : p.trasferta) + " non e' tra le squadre della stagione";
        else if (!(r.stima = ProbabilitaModelloInUso(c, r.casa, r.trasferta)))
            r.errore = MotivoSenzaStima(c, p);
        g.righe.push_back(std::move(r));
    }
    return g;
}

std::string TestoData(DataNumerica d) {
    if (!DataValida(d)) return "-";
    char b[16];
    std::snprintf(b, sizeof b, "%04d-%02d-%02d", d / 10000, d / 100 % 100, d % 100);
    return b;
}

std::vector<std::string> RigheTerminale(const Giornata& g) {
    std::vector<std::string> v;
    for (const RigaGiornata& r : g.righe) {
        std::string t = "giornata=" + std::to_string(g.numero) + " data=" +
                        TestoData(r.partita.data) + " casa=" + r.partita.casa +
                        " trasferta=" + r.partita.trasferta;
        if (!r.stima) {
            v.push_back(t + " errore=\"" + Ragione(r.errore) + "\"");
            continue;
        }
        const double p[3] = {r.stima->p1, r.stima->pX, r.stima->p2};
        const auto eque = r.quoteEque();
        const char* segni[3] = {"1", "X", "2"};
        for (int k = 0; k < 3; ++k) t += std::string(" p") + segni[k] + "=" + Numero("%.3f", p[k]);
        for (int k = 0; k < 3; ++k)
            t += std::string(" quota") + segni[k] + "=" + Numero("%.2f", eque[static_cast<std::size_t>(k)]);
        if (const auto m = r.mercato()) {
            const double pm[3] = {m->p1, m->pX, m->p2};
            const auto val = *r.valore();
            for (int k = 0; k < 3; ++k) t += std::string(" mercato") + segni[k] + "=" + Numero("%.3f", pm[k]);
            for (int k = 0; k < 3; ++k)
                t += std::string(" valore") + segni[k] + "=" + Numero("%.3f", val[static_cast<std::size_t>(k)]);
        }
        v.push_back(t);
    }
    v.push_back("campionato=" + std::string(Campionato(g.campionato).codice) +
                " giornata=" + std::to_string(g.numero) +
                " partite=" + std::to_string(g.righe.size()) + " modello=" + g.modello);
    return v;
}

std::string TestoCsv(const Giornata& g) {
    std::string t = "giornata;data;ora;casa;trasferta;p1;pX;p2;quota1;quotaX;quota2;"
                    "bookmaker1;bookmakerX;bookmaker2;mercato1;mercatoX;mercato2;"
                    "valore1;valoreX;valore2;errore\n";
    for (const RigaGiornata& r : g.righe) {
        t += std::to_string(g.numero) + ";" + TestoData(r.partita.data) + ";" +
             TestoOra(r.partita.ora) + ";" + r.partita.casa + ";" + r.partita.trasferta;
        if (r.stima) {
            const auto e = r.quoteEque();
            t += ";" + Numero("%.4f", r.stima->p1) + ";" + Numero("%.4f", r.stima->pX) + ";" +
                 Numero("%.4f", r.stima->p2) + ";" + Numero("%.2f", e[0]) + ";" +
                 Numero("%.2f", e[1]) + ";" + Numero("%.2f", e[2]);
        } else {
            t += ";;;;;;";
        }
        if (r.quote) {
            const auto m = *r.mercato();
            t += ";" + Numero("%.2f", r.quote->q1) + ";" + Numero("%.2f", r.quote->qX) + ";" +
                 Numero("%.2f", r.quote->q2) + ";" + Numero("%.4f", m.p1) + ";" +
                 Numero("%.4f", m.pX) + ";" + Numero("%.4f", m.p2);
        } else {
            t += ";;;;;;";
        }
        if (const auto v = r.valore())
            t += ";" + Numero("%.4f", (*v)[0]) + ";" + Numero("%.4f", (*v)[1]) + ";" +
                 Numero("%.4f", (*v)[2]);
        else
            t += ";;;";
        t += ";" + Ragione(r.errore) + "\n";
    }
    return t;
}

void StampaGiornata(const Giornata& g, const DatiGlobali& dati, IMessaggi& messaggi,
                    IServizioStampa& servizio, const IOrologio& orologio) {
    if (g.numero == 0) return;
    if (messaggi.Mostra("Prepara la stampante e poi premi 'OK'", Icona::Informazione,
                        Pulsanti::OkAnnulla) != Risposta::Ok)
        return;
    auto d = servizio.ScegliDispositivo();
    const std::string nome(dati.campionato(g.campionato).descrizione().nome);
    const std::string titolo = "VELTRA - " + nome + ". Giornata " + std::to_string(g.numero);
    if (!d || !d->InizioDocumento(titolo)) return;
    if (!d->InizioPagina()) {
        d->Annulla();
        return;
    }
    const std::tm oggi = orologio.Adesso();
    char data[32];
    std::strftime(data, sizeof data, "(%d/%m/%Y)", &oggi);
    d->Testo(0, 0, titolo + " (modello " + g.modello + "). " + data);
    constexpr int kPasso = 60, kUltimaRiga = 2820;
    // Columns: date, match, the model's 1 X 2 and fair odds, the market's, the value.
    const int x[] = {0, 300, 1100, 1300, 1500, 1700, 1900, 2100};
    int y = 160;
    const auto riga = [&](const std::vector<std::string>& campi) {
        if (y > kUltimaRiga) {
            d->Testo(0, y + kPasso, "                              (Continua...)");
            if (!d->FinePagina() || !d->InizioPagina()) return false;
            y = 0;
        }
        for (std::size_t i = 0; i < campi.size() && i < std::size(x); ++i)
            if (!campi[i].empty()) d->Testo(x[i], y, campi[i]);
        y += kPasso;
        return true;
    };
    bool ok = riga({"Data", "Incontro", "1", "X", "2", "Quote 1/X/2", "Mercato 1/X/2", "Valore 1/X/2"});
    for (std::size_t i = 0; ok && i < g.righe.size(); ++i) {
        const RigaGiornata& r = g.righe[i];
        std::vector<std::string> campi = {TestoData(r.partita.data),
                                          r.partita.casa + " - " + r.partita.trasferta};
        if (!r.stima) {
            campi.push_back(r.errore);
        } else {
            const auto e = r.quoteEque();
            campi.push_back(Numero("%.1f%%", r.stima->p1 * 100));
            campi.push_back(Numero("%.1f%%", r.stima->pX * 100));
            campi.push_back(Numero("%.1f%%", r.stima->p2 * 100));
            campi.push_back(Numero("%.2f", e[0]) + " " + Numero("%.2f", e[1]) + " " +
                            Numero("%.2f", e[2]));
            if (const auto m = r.mercato()) {
                campi.push_back(Numero("%.0f", m->p1 * 100) + " " + Numero("%.0f", m->pX * 100) +
                                " " + Numero("%.0f", m->p2 * 100));
                const auto v = *r.valore();
                campi.push_back(Numero("%+.2f", v[0]) + " " + Numero("%+.2f", v[1]) + " " +
                                Numero("%+.2f", v[2]));
            }
        }
        ok = riga(campi);
    }
    if (!ok || !d->FinePagina()) {
        d->Annulla();
        return;
    }
    d->FineDocumento();
}

std::string SchedinaDaGiornata(DatiGlobali& dati, const Giornata& g) {
    if (g.numero == 0 || g.righe.empty()) return "nessuna partita da mettere in schedina";
    Schedina nuova = dati.schedina;
    Azzera(nuova);
    int riga = 0;
    for (const RigaGiornata& r : g.righe) {
        if (riga == kRigheSchedina) break; // a coupon holds 14 matches
        if (r.casa < 0 || r.trasferta < 0 || !r.stima ||
            !InserisciPartita(nuova, dati, riga, g.campionato, r.casa, r.trasferta))
            return r.partita.casa + " - " + r.partita.trasferta + ": " +
                   (r.errore.empty() ? "probabilita' non calcolabili" : r.errore);
        ++riga;
    }
    dati.schedina = nuova;
    dati.schedina.schedinaAssente = 0;
    static_cast<CondizioniRiduzione&>(dati.condizionamenti) = CondizioniRiduzione{};
    dati.datiModificati = 1;
    return {};
}

void FinestraGiornata::Aggiorna() {
    const int c = dati_.campionatoCorrente;
    if (c != campionato_) scelta_ = 0;
    campionato_ = c;
    g_ = CalcolaGiornata(dati_, c, scelta_);
    // The matchday chosen was played meanwhile: the next one.
    if (g_.numero == 0 && scelta_ != 0) {
        scelta_ = 0;
        g_ = CalcolaGiornata(dati_, c, 0);
    }
}

void FinestraGiornata::ScegliGiornata(int numero) {
    scelta_ = numero;
    Aggiorna();
}

std::string FinestraGiornata::titolo() const {
    return "VELTRA - " + std::string(Campionato(g_.campionato).nome) + ". Prossima Giornata";
}

std::string FinestraGiornata::etichetta() const {
    if (g_.numero == 0) return g_.errore;
    int stimate = 0;
    for (const auto& r : g_.righe) stimate += r.stima.has_value();
    std::string t = "Giornata " + std::to_string(g_.numero) + ": " +
                    std::to_string(g_.righe.size()) + " partite da giocare, stime del " +
                    (g_.modello == "rating" ? std::string("modello rating") : std::string("motore"));
    if (stimate < static_cast<int>(g_.righe.size()))
        t += " (" + std::to_string(static_cast<int>(g_.righe.size()) - stimate) +
             " senza stima: vedere la colonna 1)";
    return t + ". In verde il valore positivo (probabilita' x quota > 1).";
}

std::vector<std::string> FinestraGiornata::voci() const {
    std::vector<std::string> v;
    for (int n : g_.giornate) v.push_back("Giornata " + std::to_string(n));
    return v;
}

int FinestraGiornata::voceScelta() const {
    const auto it = std::find(g_.giornate.begin(), g_.giornate.end(), g_.numero);
    return it == g_.giornate.end() ? -1 : static_cast<int>(it - g_.giornate.begin());
}

const std::vector<std::string>& FinestraGiornata::Intestazioni() {
    static const std::vector<std::string> v = {
        "Data",     "Ora",      "Casa",      "Trasferta", "1",        "X",
        "2",        "Quota 1",  "Quota X",   "Quota 2",   "Bookmaker", "Mercato",
        "Valore 1", "Valore X", "Valore 2"};
    return v;
}

std::vector<std::vector<FinestraGiornata::Cella>> FinestraGiornata::celle() const {
    std::vector<std::vector<Cella>> v;
    for (const RigaGiornata& r : g_.righe) {
        std::vector<Cella> riga(Intestazioni().size());
        riga[0].testo = TestoData(r.partita.data);
        riga[1].testo = r.partita.ora < 0 ? "" : TestoOra(r.partita.ora);
        riga[2].testo = r.partita.casa;
        riga[3].testo = r.partita.trasferta;
        if (!r.stima) {
            riga[4] = {r.errore, false, true};
        } else {
            const double p[3] = {r.stima->p1, r.stima->pX, r.stima->p2};
            const auto e = r.quoteEque();
            for (int k = 0; k < 3; ++k) {
                riga[static_cast<std::size_t>(4 + k)].testo = Numero("%.1f%%", p[k] * 100);
                riga[static_cast<std::size_t>(7 + k)].testo = Numero("%.2f", e[static_cast<std::size_t>(k)]);
            }
        }
        if (r.quote) {
            const auto m = *r.mercato();
            riga[10].testo = Numero("%.2f", r.quote->q1) + "  " + Numero("%.2f", r.quote->qX) +
                             "  " + Numero("%.2f", r.quote->q2);
            riga[11].testo = Numero("%.0f%%", m.p1 * 100) + " " + Numero("%.0f%%", m.pX * 100) +
                             " " + Numero("%.0f%%", m.p2 * 100);
        }
        if (const auto val = r.valore())
            for (int k = 0; k < 3; ++k) {
                const double x = (*val)[static_cast<std::size_t>(k)];
                riga[static_cast<std::size_t>(12 + k)] = {Numero("%+.3f", x), x > 0, false};
            }
        v.push_back(std::move(riga));
    }
    return v;
}

bool FinestraGiornata::schedinaAbilitata() const {
    if (g_.numero == 0 || g_.righe.empty()) return false;
    return std::all_of(g_.righe.begin(), g_.righe.end(),
                       [](const RigaGiornata& r) { return r.stima.has_value(); });
}

bool FinestraGiornata::NuovaSchedina(IMessaggi& messaggi) {
    if (dati_.schedina.schedinaAssente == 0 &&
        messaggi.Mostra(kSostituireSchedina, Icona::Domanda, Pulsanti::SiNo) != Risposta::Si)
        return false;
    const std::string errore = SchedinaDaGiornata(dati_, g_);
    if (!errore.empty()) {
        messaggi.Errore("Impossibile creare la schedina.\n" + errore);
        return false;
    }
    return true;
}

} // namespace veltra
