#include "app/importa/LeggiCsvFootballData.h"

#include "app/importa/TestoSorgente.h"

#include <algorithm>
#include <map>

namespace veltra {

namespace {

struct Colonne {
    int data = -1, casa = -1, trasferta = -1;
    int punteggio = -1;                  // "2-1"
    int golCasa = -1, golTrasferta = -1; // two columns
    int stagione = -1;
    int divisione = -1;
    bool Riconosciute() const {
        return data >= 0 && casa >= 0 && trasferta >= 0 &&
               (punteggio >= 0 || (golCasa >= 0 && golTrasferta >= 0));
    }
};

Colonne CercaColonne(const std::vector<std::string>& intestazione) {
    Colonne c;
    for (int i = 0; i < static_cast<int>(intestazione.size()); ++i) {
        const std::string& n = intestazione[static_cast<std::size_t>(i)];
        if (n == "Date")
            c.data = i;
        else if (n == "Team 1" || n == "Home" || n == "HomeTeam")
            c.casa = i;
        else if (n == "Team 2" || n == "Away" || n == "AwayTeam")
            c.trasferta = i;
        else if (n == "FT")
            c.punteggio = i;
        else if (n == "HG" || n == "FTHG")
            c.golCasa = i;
        else if (n == "AG" || n == "FTAG")
            c.golTrasferta = i;
        else if (n == "Season")
            c.stagione = i;
        else if (n == "Div")
            c.divisione = i;
    }
    return c;
}

std::string Etichetta(int primo, int ultimo) {
    if (ultimo <= primo) return std::to_string(primo);
    const int due = ultimo % 100;
    return std::to_string(primo) + "/" + (due < 10 ? "0" : "") + std::to_string(due);
}

int GiorniDa(const DataCalendario& d) {
    // Days since a fixed origin (civil-from-days inverse), to measure gaps.
    int a = d.anno - (d.mese <= 2 ? 1 : 0);
    const int era = a / 400;
    const int aa = a - era * 400;
    const int mp = (d.mese + 9) % 12;
    const int gdA = (153 * mp + 2) / 5 + d.giorno - 1;
    const int gdE = aa * 365 + aa / 4 - aa / 100 + gdA;
    return era * 146097 + gdE;
}

} // namespace

bool SembraCsvFootballData(std::string_view testo) {
    const auto righe = Righe(testo);
    return !righe.empty() && CercaColonne(CampiCsv(righe[0])).Riconosciute();
}

LetturaSorgente LeggiCsvFootballData(std::string_view testo, const std::string& nomeFile) {
    LetturaSorgente esito;
    const auto righe = Righe(testo);
    const auto errore = [&](int riga, const std::string& m) {
        esito.errore = nomeFile + ":" + std::to_string(riga) + ": " + m;
        esito.stagioni.clear();
        return esito;
    };
    if (righe.empty()) return errore(1, "file vuoto");
    const auto intestazione = CampiCsv(righe[0]);
    const Colonne col = CercaColonne(intestazione);
    if (!col.Riconosciute())
        return errore(1, "intestazione non riconosciuta (servono Date, squadre e risultato)");
    const bool divisionePerFile = col.stagione < 0 && col.divisione >= 0;

    // Season key -> matches, in the order of the file.
    std::map<std::string, std::vector<PartitaSorgente>> perStagione;
    std::vector<std::string> ordine;
    std::string stagioneCorrente = "1";
    std::string divisione;
    DataCalendario precedente;
    for (std::size_t n = 1; n < righe.size(); ++n) {
        const int riga = static_cast<int>(n) + 1;
        if (Rifila(righe[n]).empty()) continue;
        const auto campi = CampiCsv(righe[n]);
        const auto campo = [&](int i) -> std::string_view {
            return i >= 0 && i < static_cast<int>(campi.size()) ? campi[static_cast<std::size_t>(i)]
                                                                : std::string_view{};
        };
        if (campi.size() < intestazione.size() &&
            campi.size() <=
                static_cast<std::size_t>(std::max({col.data, col.casa, col.trasferta, col.punteggio,
                                                   col.golCasa, col.golTrasferta})))
            return errore(riga, "riga con troppo poche colonne");
        PartitaSorgente p;
        p.origine = {nomeFile, riga};
        const auto testoData = campo(col.data);
        const auto data = testoData.find('/') != std::string_view::npos
                              ? LeggiDataNumerica(testoData)
                              : LeggiDataEstesa(testoData);
        if (!data) return errore(riga, "data non valida: \"" + std::string(testoData) + "\"");
        p.data = *data;
        p.casa = std::string(campo(col.casa));
        p.trasferta = std::string(campo(col.trasferta));
        if (p.casa.empty() || p.trasferta.empty()) return errore(riga, "squadra mancante");
        if (col.punteggio >= 0) {
            const auto ft = campo(col.punteggio);
            const auto parti = Dividi(ft, '-');
            if (ft.empty() || ft == "-" || ft == "?") {
                p.stato = StatoPartita::NonGiocata;
                p.motivoNonGiocata = "senza risultato";
            } else if (parti.size() != 2 || !Intero(parti[0]) || !Intero(parti[1]) ||
                       *Intero(parti[0]) < 0 || *Intero(parti[1]) < 0) {
                return errore(riga, "risultato non valido: \"" + std::string(ft) + "\"");
            } else {
                p.golCasa = *Intero(parti[0]);
                p.golTrasferta = *Intero(parti[1]);
            }
        } else {
            const auto h = campo(col.golCasa), a = campo(col.golTrasferta);
            if (h.empty() && a.empty()) {
                p.stato = StatoPartita::NonGiocata;
                p.motivoNonGiocata = "senza risultato";
            } else if (!Intero(h) || !Intero(a) || *Intero(h) < 0 || *Intero(a) < 0) {
                return errore(riga, "risultato non valido: \"" + std::string(h) + "-" +
                                        std::string(a) + "\"");
            } else {
                p.golCasa = *Intero(h);
                p.golTrasferta = *Intero(a);
            }
        }
        if (divisionePerFile) {
            const std::string div(campo(col.divisione));
            if (divisione.empty())
                divisione = div;
            else if (div != divisione)
                return errore(riga, "divisione " + div + " diversa da " + divisione +
                                        " nello stesso file");
        }
        if (col.stagione >= 0) {
            stagioneCorrente = std::string(campo(col.stagione));
            if (stagioneCorrente.empty()) return errore(riga, "stagione mancante");
        } else if (col.divisione >= 0 && precedente.anno != 0) {
            if (p.data < precedente) return errore(riga, "righe non in ordine di data");
            if (p.data.mese >= 7 && p.data.mese <= 10 &&
                GiorniDa(p.data) - GiorniDa(precedente) > 30)
                stagioneCorrente = std::to_string(ordine.size() + 1);
        }
        precedente = p.data;
        if (!perStagione.count(stagioneCorrente)) ordine.push_back(stagioneCorrente);
        perStagione[stagioneCorrente].push_back(std::move(p));
    }

    for (const auto& chiave : ordine) {
        auto& partite = perStagione[chiave];
        StagioneSorgente s;
        s.file = nomeFile;
        s.conFasi = false;
        const auto [prima, ultima] = std::minmax_element(
            partite.begin(), partite.end(),
            [](const PartitaSorgente& a, const PartitaSorgente& b) { return a.data < b.data; });
        s.annoInizio = prima->data.anno;
        s.etichetta = Etichetta(prima->data.anno, ultima->data.anno);
        if (col.stagione >= 0) {
            // "2012/2013" or "2012": the column says which season it is.
            const auto parti = Dividi(chiave, '/');
            const auto anno = Intero(parti[0]);
            if (!anno || parti.size() > 2)
                return errore(partite.front().origine.riga, "stagione non valida: " + chiave);
            s.annoInizio = *anno;
            s.etichetta = Etichetta(*anno, parti.size() == 2 ? *anno + 1 : *anno);
        }
        s.partite = std::move(partite);
        esito.stagioni.push_back(std::move(s));
    }
    if (esito.stagioni.empty()) return errore(1, "nessuna partita");
    return esito;
}

} // namespace veltra
