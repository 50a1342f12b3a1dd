#include "app/importa/LeggiFootballTxtVariante.h"

#include "app/importa/FootballTxtComune.h"
#include "app/importa/TestoSorgente.h"
#include "dati/Calendario.h"

#include <algorithm>
#include <cctype>

namespace veltra {

namespace {

constexpr std::string_view kPallino = "\xE2\x96\xAA";   // ▪
constexpr std::string_view kVirgolette = "\xC2\xBB";    // »

using footballtxt::SoloCifre;

bool Punteggio(std::string_view s, int& casa, int& trasferta) {
    return footballtxt::LeggiPunteggio(s, casa, trasferta);
}

bool Punteggio(std::string_view s) {
    int a = 0, b = 0;
    return Punteggio(s, a, b);
}

// A word of the score part after the full-time score: the half-time or
// 90-minute scores in parentheses, extra time and penalties.
bool ParolaDelPunteggio(std::string_view w) {
    if (footballtxt::ParolaSupplementari(w)) return true;
    if (w.front() == '(' || w.back() == ')' || w.back() == ',') {
        while (!w.empty() && (w.front() == '(')) w.remove_prefix(1);
        while (!w.empty() && (w.back() == ')' || w.back() == ',')) w.remove_suffix(1);
        return Punteggio(w);
    }
    return Punteggio(w);
}

bool Stato(std::string_view w) {
    return w.size() > 2 && w.front() == '[' && w.back() == ']';
}

// A date line: weekday, month with the day ("Aug 24" or "Aug/24"), optional year.
struct DataRiga {
    int settimana = -1, mese = 0, giorno = 0, anno = 0;
};

std::optional<DataRiga> LeggiDataRiga(std::string_view r) {
    auto parole = Parole(r);
    if (parole.size() < 2 || parole.size() > 4) return std::nullopt;
    DataRiga d;
    d.settimana = GiornoInglese(parole[0]);
    if (d.settimana < 0) return std::nullopt;
    std::vector<std::string_view> resto(parole.begin() + 1, parole.end());
    if (resto[0].find('/') != std::string_view::npos) {
        const auto mg = Dividi(resto[0], '/');
        if (mg.size() != 2) return std::nullopt;
        resto.erase(resto.begin());
        resto.insert(resto.begin(), {mg[0], mg[1]});
    }
    if (resto.size() < 2 || resto.size() > 3) return std::nullopt;
    d.mese = MeseInglese(resto[0]);
    const auto g = Intero(resto[1]);
    if (d.mese == 0 || !g || !SoloCifre(resto[1])) return std::nullopt;
    d.giorno = *g;
    if (resto.size() == 3) {
        if (resto[2].size() != 4 || !SoloCifre(resto[2])) return std::nullopt;
        d.anno = *Intero(resto[2]);
    }
    return d;
}

bool InizioConPallino(std::string_view r) {
    return r.substr(0, kPallino.size()) == kPallino || r.substr(0, kVirgolette.size()) == kVirgolette;
}

class Lettore {
public:
    Lettore(std::string_view testo, const std::string& nomeFile) : testo_(testo) {
        stagione_.file = nomeFile;
    }

    LetturaSorgente Leggi() {
        const auto righe = Righe(testo_);
        for (std::size_t n = 0; n < righe.size() && esito_.ok(); ++n) {
            riga_ = static_cast<int>(n) + 1;
            Riga(righe[n]);
        }
        if (esito_.ok() && stagione_.etichetta.empty())
            Errore("intestazione \"= CAMPIONATO STAGIONE\" mancante");
        if (esito_.ok()) esito_.stagioni.push_back(std::move(stagione_));
        return std::move(esito_);
    }

private:
    void Errore(const std::string& messaggio) {
        if (esito_.ok()) esito_.errore = Qui().Testo() + ": " + messaggio;
    }
    Origine Qui() const { return {stagione_.file, riga_}; }

    void Riga(std::string_view grezza) {
        const auto r = Rifila(grezza);
        if (r.empty()) return;
        // Goal scorers: "(Name 9', Name 37'(p), 80'; Name 45+2')", possibly
        // over several lines: skipped until their parentheses are closed.
        if (marcatori_ > 0 || r.front() == '(') {
            for (char c : r)
                marcatori_ += c == '(' ? 1 : c == ')' ? -1 : 0;
            if (marcatori_ < 0) marcatori_ = 0;
            return;
        }
        if (r.front() == '#') {
            if (r.substr(0, 6) == "# Date") Anni(r);
            return;
        }
        if (r.front() == '=') {
            if (r.substr(0, 2) == "==") return Turno(Rifila(r.substr(2)));
            return Intestazione(Rifila(r.substr(1)));
        }
        if (InizioConPallino(r))
            return Turno(Rifila(r.substr(r.substr(0, kPallino.size()) == kPallino
                                             ? kPallino.size()
                                             : kVirgolette.size())));
        if (const auto d = LeggiDataRiga(r)) return Data(*d, r);
        Partita(r);
    }

    void Intestazione(std::string_view r) {
        if (auto e = footballtxt::LeggiIntestazione(r, stagione_, annoFine_); !e.empty())
            Errore(e);
    }

    // The years of the "# Date" line bound the season's dates.
    void Anni(std::string_view r) {
        for (auto p : Parole(r)) {
            while (!p.empty() && !std::isdigit(static_cast<unsigned char>(p.back())))
                p.remove_suffix(1);
            if (p.size() == 4 && SoloCifre(p)) annoFine_ = std::max(annoFine_, *Intero(p));
        }
    }

    // "Matchday 12", "12. Round", "Round 3": a round of the league; any other
    // round ("Final", "Semi-finals") is a knock-out round.
    static bool Giornata(std::string_view t, int& numero) {
        const auto parole = Parole(t);
        if (parole.size() != 2) return false;
        std::string_view n;
        if (parole[0] == "Matchday" || parole[0] == "Round")
            n = parole[1];
        else if (parole[1] == "Round" && parole[0].size() > 1 && parole[0].back() == '.')
            n = parole[0].substr(0, parole[0].size() - 1);
        else
            return false;
        if (!SoloCifre(n) || *Intero(n) <= 0) return false;
        numero = *Intero(n);
        return true;
    }

    void Turno(std::string_view t) {
        std::string fase;
        std::string_view turno = t;
        if (const auto v = t.find(", "); v != std::string_view::npos) {
            fase = std::string(Rifila(t.substr(0, v)));
            turno = Rifila(t.substr(v + 2));
        } else if (const auto tr = t.rfind(" - "); tr != std::string_view::npos) {
            fase = std::string(Rifila(t.substr(0, tr)));
            turno = Rifila(t.substr(tr + 3));
            if (SoloCifre(turno)) {
                giornata_ = *Intero(turno);
                eliminazione_ = false;
                turno = {};
            }
        }
        if (fase == "Regular Season") fase.clear();
        if (!turno.empty()) {
            int n = 0;
            eliminazione_ = !Giornata(turno, n);
            giornata_ = n;
        }
        if (fasi_.empty()) fasi_.emplace_back();
        auto it = std::find(fasi_.begin(), fasi_.end(), fase);
        if (it == fasi_.end()) it = fasi_.insert(fasi_.end(), fase);
        fase_ = static_cast<int>(it - fasi_.begin());
        nomeFase_ = fase;
    }

    // Without a year, the year is the one, from the last date's on, on which
    // that day falls on that weekday (never past the season's last year).
    void Data(const DataRiga& dr, std::string_view r) {
        if (stagione_.etichetta.empty()) return Errore("data prima dell'intestazione della stagione");
        DataCalendario d{dr.anno, dr.mese, dr.giorno};
        if (dr.anno != 0) {
            if (!d.Valida() || d.GiornoSettimana() != dr.settimana)
                return Errore("data non valida: \"" + std::string(r) + "\"");
        } else {
            const int da = data_.anno != 0 ? data_.anno : stagione_.annoInizio;
            bool trovata = false;
            for (int a = da; a <= std::max(da, annoFine_) && !trovata; ++a) {
                d.anno = a;
                trovata = d.Valida() && d.GiornoSettimana() == dr.settimana;
            }
            if (!trovata)
                return Errore("data non valida o fuori dalla stagione: \"" + std::string(r) + "\"");
        }
        data_ = d;
        ora_ = -1;
    }

    void Partita(std::string_view r) {
        if (data_.anno == 0) return Errore("partita senza data: \"" + std::string(r) + "\"");
        const auto spazio = r.find_first_of(" \t");
        if (spazio != std::string_view::npos && footballtxt::Orario(r.substr(0, spazio))) {
            ora_ = OraDaTesto(r.substr(0, spazio)); // a line without one keeps the one above
            r = Rifila(r.substr(spazio));
        }
        PartitaSorgente p;
        p.data = data_;
        p.fase = fase_;
        p.nomeFase = nomeFase_;
        p.giornata = giornata_;
        p.ora = ora_;
        p.eliminazione = eliminazione_;
        p.origine = Qui();

        // The words of the line, each with where it starts and ends.
        struct Parola {
            std::string_view testo;
            std::size_t inizio, fine;
        };
        std::vector<Parola> parole;
        for (std::size_t i = 0; i < r.size();) {
            while (i < r.size() && (r[i] == ' ' || r[i] == '\t')) ++i;
            const std::size_t inizio = i;
            while (i < r.size() && r[i] != ' ' && r[i] != '\t') ++i;
            if (i > inizio) parole.push_back({r.substr(inizio, i - inizio), inizio, i});
        }
        const auto testo = [&](std::size_t da, std::size_t a) { // words [da, a)
            return da >= a ? std::string()
                           : std::string(r.substr(parole[da].inizio,
                                                  parole[a - 1].fine - parole[da].inizio));
        };
        std::size_t fine = parole.size();
        std::string_view stato;
        if (fine > 0 && Stato(parole[fine - 1].testo)) stato = parole[--fine].testo;

        const auto v = std::find_if(parole.begin(), parole.begin() + static_cast<long>(fine),
                                    [](const Parola& w) { return w.testo == "v"; });
        bool conPunteggio = false;
        std::size_t primoPunteggio = fine, dopoPunteggio = fine;
        if (v != parole.begin() + static_cast<long>(fine)) {
            // "Home v Away [score]": the score is the first score word after the away name.
            const auto iv = static_cast<std::size_t>(v - parole.begin());
            p.casa = testo(0, iv);
            std::size_t i = iv + 2;
            while (i < fine && !Punteggio(parole[i].testo)) ++i;
            p.trasferta = testo(iv + 1, std::min(i, fine));
            primoPunteggio = i;
            dopoPunteggio = fine;
            conPunteggio = i < fine;
        } else {
            // "Home score (ht) Away".
            std::size_t i = 1;
            while (i < fine && !Punteggio(parole[i].testo)) ++i;
            if (i >= fine)
                return Errore("riga di partita non riconosciuta: \"" + std::string(r) + "\"");
            p.casa = testo(0, i);
            primoPunteggio = i;
            std::size_t j = i + 1;
            while (j < fine && ParolaDelPunteggio(parole[j].testo)) ++j;
            dopoPunteggio = j;
            p.trasferta = testo(j, fine);
            conPunteggio = true;
        }
        if (p.casa.empty() || p.trasferta.empty())
            return Errore("squadra mancante: \"" + std::string(r) + "\"");
        if (conPunteggio) {
            // Penalties first when there were any: "4-3 pen. 1-1 a.e.t. (1-1, 0-0)";
            // the result that counts is the one after extra time.
            std::size_t k = primoPunteggio;
            Punteggio(parole[k].testo, p.golCasa, p.golTrasferta);
            for (std::size_t j = primoPunteggio + 1; j < dopoPunteggio; ++j) {
                const auto w = parole[j].testo;
                if (!ParolaDelPunteggio(w))
                    return Errore("risultato non valido: \"" + std::string(r) + "\"");
                if (footballtxt::ParolaSupplementari(w))
                    p.eliminazione = true;
                if (w == "pen." && j + 1 < dopoPunteggio)
                    Punteggio(parole[j + 1].testo, p.golCasa, p.golTrasferta);
            }
        } else {
            p.stato = StatoPartita::NonGiocata;
            p.motivoNonGiocata = "non ancora giocata";
            p.programmata = true;
        }
        if (!stato.empty())
            if (auto e = footballtxt::ApplicaStato(stato, conPunteggio, p); !e.empty())
                return Errore(e);
        stagione_.partite.push_back(std::move(p));
    }

    std::string_view testo_;
    LetturaSorgente esito_;
    StagioneSorgente stagione_;
    int riga_ = 0;
    int annoFine_ = 0;
    std::vector<std::string> fasi_;
    int fase_ = 0;
    std::string nomeFase_;
    int giornata_ = 0;
    bool eliminazione_ = false;
    int marcatori_ = 0; // parentheses of goal scorers still open
    DataCalendario data_;
    int ora_ = -1;
};

} // namespace

LetturaSorgente LeggiFootballTxtVariante(std::string_view testo, const std::string& nomeFile) {
    return Lettore(testo, nomeFile).Leggi();
}

bool SembraFootballTxtVariante(std::string_view testo) {
    bool intestazione = false;
    for (auto r : Righe(testo)) {
        r = Rifila(r);
        if (r.empty() || r.front() == '#') continue;
        if (!intestazione) {
            if (r.front() != '=' || r.substr(0, 2) == "==") return false;
            intestazione = true;
            continue;
        }
        if (InizioConPallino(r)) return true;
        if (r.front() == '[') return false;
        if (LeggiDataRiga(r)) return true;
    }
    return false;
}

} // namespace veltra
