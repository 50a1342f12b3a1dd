#include "app/importa/LeggiFootballTxt.h"

#include "app/importa/FootballTxtComune.h"
#include "app/importa/TestoSorgente.h"
#include "dati/Calendario.h"

#include <cctype>
#include <optional>
#include <utility>

namespace veltra {

namespace {

using footballtxt::SoloCifre;

// The 4-digit years of a text, in order ("Sat Sep/11 2004 - Sat Jun/18 2005").
std::vector<int> Anni(std::string_view s) {
    std::vector<int> anni;
    for (auto p : Parole(s)) {
        while (!p.empty() && !std::isdigit(static_cast<unsigned char>(p.back())))
            p.remove_suffix(1);
        if (p.size() == 4 && SoloCifre(p)) anni.push_back(*Intero(p));
    }
    return anni;
}

// The first and last day of "# Date  Sat Sep/11 2004 - Sat Jun/18 2005
// (280d)"; the first may leave out its year ("Sat Apr/21 - Sun May/20 2001").
std::optional<std::pair<DataCalendario, DataCalendario>> Periodo(std::string_view s) {
    const auto parole = Parole(s);
    std::vector<DataCalendario> date;
    for (std::size_t i = 0; i < parole.size(); ++i) {
        const auto mg = Dividi(parole[i], '/');
        if (mg.size() != 2 || MeseInglese(mg[0]) == 0 || !Intero(mg[1])) continue;
        DataCalendario d{0, MeseInglese(mg[0]), *Intero(mg[1])};
        if (i + 1 < parole.size() && parole[i + 1].size() == 4 && SoloCifre(parole[i + 1]))
            d.anno = *Intero(parole[i + 1]);
        date.push_back(d);
    }
    if (date.size() != 2 || date[1].anno == 0) return std::nullopt;
    if (date[0].anno == 0) {
        date[0].anno = date[1].anno;
        if (date[1] < date[0]) --date[0].anno;
    }
    if (!date[0].Valida() || !date[1].Valida() || date[1] < date[0]) return std::nullopt;
    return std::pair{date[0], date[1]};
}

// Fields of a match line, split at runs of two or more blanks (a tab counts
// as a run): the columns of the layout. Single blanks stay inside names and
// scores.
std::vector<std::string_view> Colonne(std::string_view s) {
    std::vector<std::string_view> campi;
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t fine = i;
        while (fine < s.size()) {
            if (s[fine] == '\t') break;
            if (s[fine] == ' ' && fine + 1 < s.size() &&
                (s[fine + 1] == ' ' || s[fine + 1] == '\t'))
                break;
            ++fine;
        }
        campi.push_back(Rifila(s.substr(i, fine - i)));
        while (fine < s.size() && (s[fine] == ' ' || s[fine] == '\t'))
            ++fine;
        i = fine;
    }
    return campi;
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
            Errore("intestazione \"= PAESE LIVELLO STAGIONE\" mancante");
        if (esito_.ok()) esito_.stagioni.push_back(std::move(stagione_));
        return std::move(esito_);
    }

private:
    void Errore(const std::string& messaggio) {
        if (esito_.ok()) esito_.errore = Qui().Testo() + ": " + messaggio;
    }
    Origine Qui() const { return {stagione_.file, riga_}; }

    void Riga(std::string_view r) {
        if (Rifila(r).empty()) return;
        if (r.front() == ' ' || r.front() == '\t') return Partita(Rifila(r));
        r = Rifila(r);
        if (r.substr(0, 2) == "==") return Fase(Rifila(r.substr(2)));
        if (r.front() == '=') return Intestazione(Rifila(r.substr(1)));
        if (r.front() == '#') {
            if (r.substr(0, 6) == "# Date") {
                annoData_ = Anni(r.substr(6));
                periodo_ = Periodo(r.substr(6));
            }
            return;
        }
        if (r.front() == '[') return Data(r);
        Turno(r);
    }

    void Intestazione(std::string_view r) {
        if (auto e = footballtxt::LeggiIntestazione(r, stagione_, annoFine_); !e.empty())
            Errore(e);
    }

    void Fase(std::string_view nome) {
        if (partite_ > 0 || faseDichiarata_) ++fase_;
        faseDichiarata_ = true;
        nomeFase_ = std::string(nome);
        giornata_ = 0;
        eliminazione_ = false;
    }

    // "Matchday 12" and "Round 3" number a round; any other heading ("Final",
    // "Semifinals", "Decider") is a knock-out round.
    void Turno(std::string_view r) {
        const auto parole = Parole(r);
        if (parole.size() == 2 && (parole[0] == "Matchday" || parole[0] == "Round") &&
            Intero(parole[1]) && *Intero(parole[1]) > 0) {
            giornata_ = *Intero(parole[1]);
            eliminazione_ = false;
        } else {
            giornata_ = 0;
            eliminazione_ = true;
        }
    }

    // "[Sun Sep/12]" or "[Sun Sep/12 2004]". Without a year, the year is the
    // one, among the season's last three, on which that day falls on that
    // weekday: this holds for seasons longer than twelve months too.
    void Data(std::string_view r) {
        if (r.back() != ']') return Errore("data non valida: " + std::string(r));
        const auto parole = Parole(r.substr(1, r.size() - 2));
        const int settimana = parole.empty() ? -1 : GiornoInglese(parole[0]);
        const auto mg =
            parole.size() >= 2 ? Dividi(parole[1], '/') : std::vector<std::string_view>{};
        if (parole.size() < 2 || parole.size() > 3 || settimana < 0 || mg.size() != 2 ||
            MeseInglese(mg[0]) == 0 || !Intero(mg[1]))
            return Errore("data non valida: " + std::string(r));
        DataCalendario d{0, MeseInglese(mg[0]), *Intero(mg[1])};
        if (parole.size() == 3) {
            if (!Intero(parole[2])) return Errore("data non valida: " + std::string(r));
            d.anno = *Intero(parole[2]);
            if (!d.Valida() || d.GiornoSettimana() != settimana)
                return Errore("data non valida: " + std::string(r));
        } else {
            if (stagione_.etichetta.empty())
                return Errore("data prima dell'intestazione della stagione");
            const int ultimo = annoData_.empty() ? annoFine_ : annoData_.back();
            bool trovata = false;
            for (int a = ultimo; a >= ultimo - 2 && !trovata; --a) {
                d.anno = a;
                trovata = d.Valida() && d.GiornoSettimana() == settimana;
            }
            if (!trovata)
                return Errore("data non valida o fuori dalla stagione: " + std::string(r));
        }
        // A day outside the period the file declares is a typing error, not
        // a match of another year.
        if (periodo_ && (d < periodo_->first || periodo_->second < d))
            return Errore("data fuori dalla stagione (" + periodo_->first.Testo() + " - " +
                          periodo_->second.Testo() + "): " + std::string(r));
        data_ = d;
        ora_ = -1;
    }

    void Partita(std::string_view r) {
        if (data_.anno == 0) return Errore("partita senza data");
        const auto primo = r.find_first_of(" \t");
        if (primo != std::string_view::npos && footballtxt::Orario(r.substr(0, primo))) {
            ora_ = OraDaTesto(r.substr(0, primo)); // the next lines of the day keep it
            r = Rifila(r.substr(primo));
        }
        const auto campi = Colonne(r);
        if (campi.size() < 3 || campi.size() > 4)
            return Errore("riga di partita non riconosciuta: \"" + std::string(r) + "\"");
        PartitaSorgente p;
        p.data = data_;
        p.fase = fase_;
        p.nomeFase = nomeFase_;
        p.giornata = giornata_;
        p.ora = ora_;
        p.eliminazione = eliminazione_;
        p.casa = std::string(campi[0]);
        p.trasferta = std::string(campi[2]);
        p.origine = Qui();
        if (p.casa.empty() || p.trasferta.empty())
            return Errore("squadra mancante: \"" + std::string(r) + "\"");
        const auto punteggio = Parole(campi[1]);
        if (punteggio.size() == 1 && punteggio[0] == "-") {
            p.stato = StatoPartita::NonGiocata;
            p.motivoNonGiocata = "non giocata";
            p.programmata = true;
        } else if (punteggio.empty() || !footballtxt::LeggiPunteggio(punteggio[0], p.golCasa, p.golTrasferta)) {
            return Errore("risultato non valido: \"" + std::string(campi[1]) + "\"");
        }
        for (auto parola : punteggio)
            if (footballtxt::ParolaSupplementari(parola))
                p.eliminazione = true; // extra time or penalties: a knock-out tie
        if (campi.size() == 4)
            if (auto e = footballtxt::ApplicaStato(campi[3], p.stato != StatoPartita::NonGiocata, p);
                !e.empty())
                return Errore(e);
        ++partite_;
        stagione_.partite.push_back(std::move(p));
    }

    std::string_view testo_;
    LetturaSorgente esito_;
    StagioneSorgente stagione_;
    int riga_ = 0;
    int annoFine_ = 0;
    std::optional<std::pair<DataCalendario, DataCalendario>> periodo_;
    std::vector<int> annoData_;
    int fase_ = 0;
    bool faseDichiarata_ = false;
    std::string nomeFase_;
    int giornata_ = 0;
    bool eliminazione_ = false;
    DataCalendario data_;
    int ora_ = -1;
    int partite_ = 0;
};

} // namespace

LetturaSorgente LeggiFootballTxt(std::string_view testo, const std::string& nomeFile) {
    return Lettore(testo, nomeFile).Leggi();
}

bool SembraFootballTxt(std::string_view testo) {
    for (auto r : Righe(testo)) {
        r = Rifila(r);
        if (r.empty()) continue;
        return r.front() == '=' && r.substr(0, 2) != "==";
    }
    return false;
}

} // namespace veltra
