#include "app/importa/LeggiCsvEngsoccerdata.h"

#include "app/importa/TestoSorgente.h"

#include <algorithm>
#include <map>

namespace veltra {

namespace {

struct Colonne {
    int data = -1, stagione = -1, casa = -1, trasferta = -1;
    int golCasa = -1, golTrasferta = -1;
    int livello = -1; // "tier"
    int turno = -1;   // "round"
    int note = -1;    // "notes"
    bool Riconosciute() const {
        return data >= 0 && stagione >= 0 && casa >= 0 && trasferta >= 0 && golCasa >= 0 &&
               golTrasferta >= 0;
    }
};

Colonne CercaColonne(const std::vector<std::string>& intestazione) {
    Colonne c;
    for (int i = 0; i < static_cast<int>(intestazione.size()); ++i) {
        const std::string& n = intestazione[static_cast<std::size_t>(i)];
        if (n == "Date") c.data = i;
        else if (n == "Season") c.stagione = i;
        else if (n == "home") c.casa = i;
        else if (n == "visitor") c.trasferta = i;
        else if (n == "hgoal") c.golCasa = i;
        else if (n == "vgoal") c.golTrasferta = i;
        else if (n == "tier") c.livello = i;
        else if (n == "round") c.turno = i;
        else if (n == "notes") c.note = i;
    }
    return c;
}

// "1995-08-04".
std::optional<DataCalendario> DataIso(std::string_view t) {
    const auto parti = Dividi(t, '-');
    if (parti.size() != 3 || parti[0].size() != 4) return std::nullopt;
    const auto a = Intero(parti[0]), m = Intero(parti[1]), g = Intero(parti[2]);
    if (!a || !m || !g) return std::nullopt;
    const DataCalendario d{*a, *m, *g};
    if (!d.Valida()) return std::nullopt;
    return d;
}

bool NonDisponibile(std::string_view s) {
    return s.empty() || s == "NA";
}

} // namespace

bool SembraCsvEngsoccerdata(std::string_view testo) {
    const auto righe = Righe(testo);
    return !righe.empty() && CercaColonne(CampiCsv(righe[0])).Riconosciute();
}

LetturaSorgente LeggiCsvEngsoccerdata(std::string_view testo, const std::string& nomeFile) {
    LetturaSorgente esito;
    const auto righe = Righe(testo);
    const auto errore = [&](int riga, const std::string& m) {
        esito.errore = nomeFile + ":" + std::to_string(riga) + ": " + m;
        esito.stagioni.clear();
        esito.scartate.clear();
        return esito;
    };
    if (righe.empty()) return errore(1, "file vuoto");
    const auto intestazione = CampiCsv(righe[0]);
    const Colonne col = CercaColonne(intestazione);
    if (!col.Riconosciute())
        return errore(1, "intestazione non riconosciuta (servono Date, Season, home, visitor, "
                         "hgoal e vgoal)");
    const int ultimaColonna = std::max({col.data, col.stagione, col.casa, col.trasferta,
                                        col.golCasa, col.golTrasferta, col.livello, col.turno,
                                        col.note});

    // The top tier of the file: the lowest number in the "tier" column.
    std::vector<std::vector<std::string>> campiRiga(righe.size());
    int livelloPiuAlto = 0;
    for (std::size_t n = 1; n < righe.size(); ++n) {
        if (Rifila(righe[n]).empty()) continue;
        campiRiga[n] = CampiCsv(righe[n]);
        const int riga = static_cast<int>(n) + 1;
        if (static_cast<int>(campiRiga[n].size()) <= ultimaColonna)
            return errore(riga, "riga con troppo poche colonne");
        if (col.livello >= 0) {
            const auto l = Intero(campiRiga[n][static_cast<std::size_t>(col.livello)]);
            if (!l || *l < 1) return errore(riga, "livello (tier) non valido");
            if (livelloPiuAlto == 0 || *l < livelloPiuAlto) livelloPiuAlto = *l;
        }
    }

    std::map<int, StagioneSorgente> perStagione;
    std::map<int, std::vector<std::string>> fasiDi; // season -> stage names, in order
    int altriLivelli = 0;
    Origine primaAltroLivello;
    for (std::size_t n = 1; n < righe.size(); ++n) {
        const auto& campi = campiRiga[n];
        if (campi.empty()) continue;
        const int riga = static_cast<int>(n) + 1;
        const auto campo = [&](int i) -> std::string_view {
            return i >= 0 ? std::string_view(campi[static_cast<std::size_t>(i)])
                          : std::string_view{};
        };
        if (col.livello >= 0 && *Intero(campo(col.livello)) != livelloPiuAlto) {
            if (altriLivelli++ == 0) primaAltroLivello = {nomeFile, riga};
            continue;
        }
        const auto anno = Intero(campo(col.stagione));
        if (!anno || *anno < 1800 || *anno > 9999)
            return errore(riga, "stagione non valida: \"" + std::string(campo(col.stagione)) +
                                    "\"");
        PartitaSorgente p;
        p.origine = {nomeFile, riga};
        const auto data = DataIso(campo(col.data));
        if (!data)
            return errore(riga, "data non valida: \"" + std::string(campo(col.data)) + "\"");
        p.data = *data;
        p.casa = std::string(campo(col.casa));
        p.trasferta = std::string(campo(col.trasferta));
        if (p.casa.empty() || p.trasferta.empty()) return errore(riga, "squadra mancante");
        const auto h = campo(col.golCasa), a = campo(col.golTrasferta);
        if (NonDisponibile(h) && NonDisponibile(a)) {
            p.stato = StatoPartita::NonGiocata;
            p.motivoNonGiocata = "senza risultato";
        } else if (!Intero(h) || !Intero(a) || *Intero(h) < 0 || *Intero(a) < 0) {
            return errore(riga, "risultato non valido: \"" + std::string(h) + "-" +
                                    std::string(a) + "\"");
        } else {
            p.golCasa = *Intero(h);
            p.golTrasferta = *Intero(a);
            if (campo(col.note).find("awarded") != std::string_view::npos)
                p.stato = StatoPartita::Assegnata;
        }
        auto& s = perStagione[*anno];
        if (col.turno >= 0) {
            // The stage, by its first appearance in the season; "league" is the first.
            auto& fasi = fasiDi[*anno];
            std::string nome(campo(col.turno));
            if (nome == "league") nome.clear();
            if (fasi.empty()) fasi.emplace_back();
            auto it = std::find(fasi.begin(), fasi.end(), nome);
            if (it == fasi.end()) it = fasi.insert(fasi.end(), nome);
            p.fase = static_cast<int>(it - fasi.begin());
            p.nomeFase = nome;
        }
        s.annoInizio = *anno;
        s.partite.push_back(std::move(p));
    }
    if (altriLivelli > 0)
        esito.scartate.push_back(
            {primaAltroLivello, "questa e altre " + std::to_string(altriLivelli - 1) +
                                    " righe di divisioni inferiori (tier diverso da " +
                                    std::to_string(livelloPiuAlto) + ")"});

    for (auto& [anno, s] : perStagione) {
        s.file = nomeFile;
        s.conFasi = col.turno >= 0;
        const auto ultima = std::max_element(
            s.partite.begin(), s.partite.end(),
            [](const PartitaSorgente& a, const PartitaSorgente& b) { return a.data < b.data; });
        if (ultima->data.anno > anno) {
            const int due = (anno + 1) % 100;
            s.etichetta = std::to_string(anno) + "/" + (due < 10 ? "0" : "") + std::to_string(due);
        } else {
            s.etichetta = std::to_string(anno);
        }
        esito.stagioni.push_back(std::move(s));
    }
    if (esito.stagioni.empty()) return errore(1, "nessuna partita della divisione principale");
    return esito;
}

} // namespace veltra
