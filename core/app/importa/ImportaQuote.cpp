#include "app/importa/ImportaQuote.h"

#include "app/DatiGlobali.h"
#include "app/importa/AccorciaNome.h"
#include "app/importa/TabellaAlias.h"
#include "betting/RicalcolaEventi.h"
#include "dati/quote/LeggiQuoteFootballData.h"
#include "engine/CMotoreStime.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <cstdio>
#include <tuple>

namespace veltra {

namespace {

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
long Giorni(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void Data(long z, int& y, int& m, int& d) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

long Lunedi(int y, int m, int d) {
    const long z = Giorni(y, m, d);
    const long giornoSettimana = ((z % 7) + 7 + 3) % 7; // 1970-01-01 was a Thursday: 0 = Monday
    return z - giornoSettimana;
}

std::string Riga(const std::string& file, int riga, const std::string& testo) {
    return file + ":" + std::to_string(riga) + ": " + testo;
}

struct Trovata {
    int campionato;
    int posizione; // entry of the match list
    int stagione;  // 1-based
    int casa, trasferta; // indices in the season's team list
    std::array<float, 3> quote;
    std::string data;
};

} // namespace

int CampionatoFootballData(const std::string& x) {
    static const std::map<std::string, std::string> kCodici = {
        {"I1", "A"},         {"I2", "B"},          {"B1", "BE"},        {"F1", "FR"},
        {"D1", "GE"},        {"E0", "IN"},         {"N1", "NL"},        {"P1", "PO"},
        {"SC0", "SC"},       {"SP1", "SP"},        {"Austria", "AU"},   {"Denmark", "DA"},
        {"Switzerland", "CH"}, {"Finland", "FI"},  {"Norway", "NO"},    {"Sweden", "SV"},
        {"Russia", "RU"}};
    const auto it = kCodici.find(x);
    if (it == kCodici.end()) return -1;
    const auto c = CercaCampionato(it->second);
    return c ? *c : -1;
}

std::string NomeSettimana(int giorno, int mese, int anno) {
    int y, m, d;
    Data(Lunedi(anno, mese, giorno), y, m, d);
    char b[32];
    std::snprintf(b, sizeof b, "%02d%02d%02d.QUO", d, m, y % 100);
    return b;
}

EsitoImportaQuote ImportaQuote(DatiGlobali& dati, const std::vector<FileQuoteDaImportare>& file,
                               const std::string& scelta, const TabellaAlias& alias) {
    EsitoImportaQuote esito;
    // Week (Monday) -> championship -> matches found.
    std::map<long, std::map<int, std::vector<Trovata>>> settimane;
    // Matches already given to a row (championship, entry).
    std::set<std::pair<int, int>> prese;
    for (const FileQuoteDaImportare& f : file) {
        std::string errore;
        const auto q = LeggiQuoteFootballData(f.testo, &errore);
        if (!q) {
            esito.rapporto.push_back(f.nome + ": file rifiutato: " + errore);
            ++esito.fileRifiutati;
            continue;
        }
        const auto insieme = InsiemeQuote(*q, scelta);
        if (!insieme) {
            esito.rapporto.push_back(f.nome + ": file rifiutato: quote \"" + scelta + "\" assenti");
            ++esito.fileRifiutati;
            continue;
        }
        // The league of the file, from its first column.
        int campionato = -1;
        {
            const std::size_t finePrima = f.testo.find('\n');
            const std::size_t inizio = finePrima == std::string::npos ? f.testo.size() : finePrima + 1;
            const std::size_t virgola = f.testo.find(',', inizio);
            if (virgola != std::string::npos)
                campionato = CampionatoFootballData(f.testo.substr(inizio, virgola - inizio));
        }
        if (campionato < 0) {
            esito.rapporto.push_back(f.nome + ": file rifiutato: campionato non gestito dal programma");
            ++esito.fileRifiutati;
            continue;
        }
        for (const AvvisoRiga& a : q->scartate) {
            esito.rapporto.push_back(Riga(f.nome, a.riga, a.testo));
            ++esito.scartate;
        }
        const CCampionato& c = dati.campionato(campionato);
        const std::string codice(c.descrizione().codice);
        for (const PartitaQuote& p : q->partite) {
            const auto quote = p.quote.find(*insieme);
            if (quote == p.quote.end()) {
                esito.rapporto.push_back(Riga(f.nome, p.riga, "quote " + *insieme + " mancanti o non valide"));
                ++esito.scartate;
                continue;
            }
            const auto nome = [&](const std::string& fonte) {
                if (auto a = alias.Cerca(codice, fonte)) return *a;
                return AccorciaNome(fonte);
            };
            const std::string casa = nome(p.casa), trasferta = nome(p.trasferta);
            const int stagioneAttesa = p.annoStagione - c.descrizione().annoPrimaStagione + 1;
            std::optional<Trovata> t;
            bool squadreNote = false;
            // Every pairing comes back each season: only the season the file
            // gives is searched.
            for (int s : {stagioneAttesa}) {
                if (s < 1 || s > c.incontri.numeroSeparatori()) continue;
                const auto& nomi = c.squadreStagione(s).nomi;
                const auto ic = std::find(nomi.begin(), nomi.end(), casa);
                const auto it = std::find(nomi.begin(), nomi.end(), trasferta);
                if (ic == nomi.end() || it == nomi.end()) continue;
                squadreNote = true;
                const int h = static_cast<int>(ic - nomi.begin()), a = static_cast<int>(it - nomi.begin());
                const int inizio = c.incontri.inizioStagione(s - 1) + 1;
                const int fine = s < c.incontri.numeroSeparatori() ? c.incontri.inizioStagione(s) : c.numeroIncontri();
                // Leagues of three or four rounds (Denmark, Switzerland,
                // Finland...) or with a second phase hold the same pairing
                // more than once a season: the match of the row is the one
                // stored with its date (or the nearest within a week when
                // it was moved); without dates, the first not yet taken.
                std::vector<int> candidati;
                for (int i = inizio; i < fine; ++i)
                    if (c.incontri[i].casa == h && c.incontri[i].trasferta == a) candidati.push_back(i);
                int scelto = -1;
                long distanza = 8;
                for (int i : candidati) {
                    const DataNumerica di = c.reti.Di(i).data;
                    if (!DataValida(di)) continue;
                    const long g = std::labs(GiorniDaData(di) - GiorniDaData(p.data()));
                    if (g < distanza) {
                        distanza = g;
                        scelto = i;
                    }
                }
                if (scelto < 0)
                    for (int i : candidati)
                        if (!prese.count({campionato, i})) {
                            scelto = i;
                            break;
                        }
                if (scelto < 0 && !candidati.empty()) scelto = candidati.front();
                if (scelto >= 0) {
                    prese.insert({campionato, scelto});
                    char data[16];
                    std::snprintf(data, sizeof data, "%02d/%02d/%04d", p.giorno, p.mese, p.anno);
                    const auto& q3 = quote->second;
                    t = Trovata{campionato, scelto, s, h, a,
                                {static_cast<float>(q3[0]), static_cast<float>(q3[1]),
                                 static_cast<float>(q3[2])},
                                data};
                }
                if (t) break;
            }
            if (stagioneAttesa < 1 || stagioneAttesa > c.incontri.numeroSeparatori()) {
                esito.rapporto.push_back(Riga(f.nome, p.riga, "stagione " + std::to_string(p.annoStagione) +
                                                                  " assente dai risultati del programma"));
                ++esito.scartate;
                continue;
            }
            if (!t) {
                // A club the championship holds in other seasons but not in
                // this one is no unknown name: most often a play-off against
                // a club of the division below, which the program does not keep.
                std::string fuori;
                if (!squadreNote) {
                    const auto& nomi = c.squadreStagione(stagioneAttesa).nomi;
                    auto altrove = [&](const std::string& n) {
                        if (std::find(nomi.begin(), nomi.end(), n) != nomi.end()) return false;
                        for (int s = 1; s <= c.incontri.numeroSeparatori(); ++s) {
                            const auto& v = c.squadreStagione(s).nomi;
                            if (std::find(v.begin(), v.end(), n) != v.end()) return true;
                        }
                        return false;
                    };
                    const bool noteCasa = std::find(nomi.begin(), nomi.end(), casa) != nomi.end() || altrove(casa);
                    const bool noteTrasferta =
                        std::find(nomi.begin(), nomi.end(), trasferta) != nomi.end() || altrove(trasferta);
                    if (noteCasa && noteTrasferta)
                        fuori = "squadra non presente nella stagione " + std::to_string(p.annoStagione) +
                                " del programma (spareggio?): " + (altrove(casa) ? casa : trasferta);
                }
                esito.rapporto.push_back(Riga(f.nome, p.riga,
                                              squadreNote ? "incontro assente dai risultati del programma: " + casa + " - " + trasferta
                                              : !fuori.empty() ? fuori
                                                               : "squadra sconosciuta: " + (casa + " - " + trasferta)));
                ++esito.scartate;
                continue;
            }
            settimane[Lunedi(p.anno, p.mese, p.giorno)][campionato].push_back(*t);
        }
    }

    // One replay per week and championship, cut before the week's first match.
    std::array<std::pair<std::int32_t, std::int32_t>, kNumeroCampionati> filtri;
    for (int c = 0; c < kNumeroCampionati; ++c)
        filtri[c] = {dati.campionato(c).ultimoIncontroFiltro, dati.campionato(c).stagioneFiltro};
    for (const auto& [lunedi, campionati] : settimane) {
        int y, m, d;
        Data(lunedi, y, m, d);
        const std::string nomeFile = NomeSettimana(d, m, y);
        ScommessaMgr settimana;
        for (const auto& [campionato, partite] : campionati) {
            CCampionato& c = dati.campionato(campionato);
            const auto prima = std::min_element(partite.begin(), partite.end(),
                                                [](const Trovata& a, const Trovata& b) { return a.posizione < b.posizione; });
            c.ultimoIncontroFiltro = prima->posizione - 1;
            c.stagioneFiltro = prima->stagione;
            const bool stime = AggiornaStimeScommesse(dati, campionato);
            for (const Trovata& t : partite) {
                const std::string luogo = std::string(c.descrizione().nome) + " " + t.data + " " +
                                          c.squadreStagione(t.stagione).nomi[t.casa] + " - " +
                                          c.squadreStagione(t.stagione).nomi[t.trasferta];
                if (t.stagione != prima->stagione) {
                    esito.rapporto.push_back(nomeFile + ": " + luogo + ": stagione diversa dal resto della settimana");
                    ++esito.scartate;
                    continue;
                }
                const auto p = stime ? StimaEvento(dati, campionato, t.casa, t.trasferta) : std::nullopt;
                if (!p) {
                    esito.rapporto.push_back(nomeFile + ": " + luogo + ": stime impossibili con i dati precedenti");
                    ++esito.scartate;
                    continue;
                }
                const auto& nomi = c.squadreStagione(t.stagione).nomi;
                if (!settimana.AggiungiEvento(campionato, prima->posizione, nomi[t.casa], nomi[t.trasferta],
                                              {t.quote[0], t.quote[1], t.quote[2], 0, 0, 0}, (*p)[0], (*p)[1],
                                              (*p)[2], t.data)) {
                    esito.rapporto.push_back(nomeFile + ": " + luogo + ": oltre 180 eventi nella settimana");
                    ++esito.scartate;
                    continue;
                }
                ++esito.importate;
            }
        }
        if (settimana.nEventi > 0) esito.settimane[nomeFile] = std::move(settimana);
    }
    for (int c = 0; c < kNumeroCampionati; ++c) {
        CCampionato& camp = dati.campionato(c);
        if (camp.ultimoIncontroFiltro == filtri[c].first && camp.stagioneFiltro == filtri[c].second)
            continue;
        camp.ultimoIncontroFiltro = filtri[c].first;
        camp.stagioneFiltro = filtri[c].second;
        if (camp.motore) camp.motore->AggiornaStime();
        if (camp.modelloScelto) AggiornaStimeScommesse(dati, c);
    }
    return esito;
}

} // namespace veltra
