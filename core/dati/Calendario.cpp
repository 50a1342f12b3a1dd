#include "dati/Calendario.h"

#include "dati/Campionato.h"
#include "dati/ParoleRiga.h"
#include "dati/Testo1252.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace veltra {

namespace {

bool Prima(const PartitaCalendario& a, const PartitaCalendario& b) {
    if (a.giornata != b.giornata) return a.giornata < b.giornata;
    if (a.data != b.data) return a.data < b.data;
    return a.ora < b.ora;
}

} // namespace

void Calendario::Ordina() {
    std::stable_sort(partite.begin(), partite.end(), Prima);
}

std::vector<int> Calendario::Giornate() const {
    std::set<int> g;
    for (const auto& p : partite) g.insert(p.giornata);
    return {g.begin(), g.end()};
}

int Calendario::ProssimaGiornata() const {
    if (partite.empty()) return 0;
    const PartitaCalendario* prima = nullptr;
    for (const auto& p : partite)
        if (p.data != 0 && (!prima || p.data < prima->data ||
                            (p.data == prima->data && p.giornata < prima->giornata)))
            prima = &p;
    return prima ? prima->giornata : Giornate().front();
}

std::vector<PartitaCalendario> Calendario::DellaGiornata(int giornata) const {
    std::vector<PartitaCalendario> v;
    for (const auto& p : partite)
        if (p.giornata == giornata) v.push_back(p);
    std::stable_sort(v.begin(), v.end(), Prima);
    return v;
}

bool Calendario::TogliGiocata(std::string_view casa, std::string_view trasferta) {
    // The earliest one: a fixture that meets again later in the season (split
    // leagues) is the later of the two.
    auto migliore = partite.end();
    for (auto it = partite.begin(); it != partite.end(); ++it) {
        if (it->casa != casa || it->trasferta != trasferta) continue;
        if (migliore == partite.end() || Prima(*it, *migliore)) migliore = it;
    }
    if (migliore == partite.end()) return false;
    partite.erase(migliore);
    if (partite.empty()) stagione = 0;
    return true;
}

std::string NomeFileCalendario(std::string_view codice) {
    return "Calendario-" + std::string(codice) + ".txt";
}

int OraDaTesto(std::string_view t) {
    // "H:MM" or "HH:MM"; the sources also write "HH.MM".
    const auto sep = t.find_first_of(":.");
    if (sep == std::string_view::npos || sep == 0 || sep > 2 || t.size() != sep + 3) return -1;
    long h = 0, m = 0;
    if (!InteroRiga(t.substr(0, sep), h) || !InteroRiga(t.substr(sep + 1), m)) return -1;
    if (t[0] == '-' || t[sep + 1] == '-' || h < 0 || h > 23 || m < 0 || m > 59) return -1;
    return static_cast<int>(h * 60 + m);
}

std::string TestoOra(int ora) {
    if (ora < 0 || ora >= 24 * 60) return "-";
    char b[8];
    b[0] = static_cast<char>('0' + ora / 600);
    b[1] = static_cast<char>('0' + ora / 60 % 10);
    b[2] = ':';
    b[3] = static_cast<char>('0' + ora % 60 / 10);
    b[4] = static_cast<char>('0' + ora % 10);
    return std::string(b, 5);
}

std::string ScriviTestoCalendario(const Calendario& c) {
    std::string t = std::string(kIntestazioneCalendario) + "\n" +
                    std::to_string(c.vuoto() ? 0 : c.stagione) + "\n" +
                    std::to_string(c.partite.size()) + "\n";
    for (const auto& p : c.partite)
        t += std::to_string(p.giornata) + ' ' + std::to_string(p.data) + ' ' + TestoOra(p.ora) +
             ' ' + A1252(p.casa) + ' ' + A1252(p.trasferta) + '\n';
    return t;
}

LetturaCalendario LeggiTestoCalendario(std::string_view testo,
                                       const std::vector<ElencoSquadre>& stagioni) {
    LetturaCalendario l;
    int numeroRiga = 0;
    std::size_t pos = 0;
    auto prossima = [&](std::string_view& riga) {
        if (pos >= testo.size()) {
            ++numeroRiga; // the line that is missing
            return false;
        }
        const auto fine = testo.find('\n', pos);
        riga = testo.substr(pos, fine == std::string_view::npos ? std::string_view::npos : fine - pos);
        pos = fine == std::string_view::npos ? testo.size() : fine + 1;
        ++numeroRiga;
        return true;
    };
    auto errore = [&](const std::string& m) {
        l.calendario.Svuota();
        l.errore = "riga " + std::to_string(numeroRiga) + ": " + m;
        return l;
    };
    std::string_view riga;
    if (!prossima(riga) || ParoleRiga(riga).size() != 2 ||
        std::string(ParoleRiga(riga)[0]) + " " + std::string(ParoleRiga(riga)[1]) != kIntestazioneCalendario)
        return errore(std::string("manca l'intestazione \"") + kIntestazioneCalendario + "\"");
    long stagione = 0, n = 0;
    if (!prossima(riga) || ParoleRiga(riga).size() != 1 || !InteroRiga(ParoleRiga(riga)[0], stagione) ||
        stagione < 0 || stagione > static_cast<long>(stagioni.size()))
        return errore("stagione non valida (il campionato ne ha " + std::to_string(stagioni.size()) +
                      ")");
    if (!prossima(riga) || ParoleRiga(riga).size() != 1 || !InteroRiga(ParoleRiga(riga)[0], n) || n < 0 ||
        n > kNumeroMaxIncontri)
        return errore("numero di partite non valido");
    if (n > 0 && stagione == 0) return errore("partite senza stagione");
    const ElencoSquadre* squadre =
        stagione > 0 ? &stagioni[static_cast<std::size_t>(stagione - 1)] : nullptr;
    auto nellaStagione = [&](std::string_view nome) {
        return std::find(squadre->nomi.begin(), squadre->nomi.end(), nome) != squadre->nomi.end();
    };
    l.calendario.stagione = static_cast<int>(stagione);
    for (long i = 0; i < n; ++i) {
        if (!prossima(riga))
            return errore("il file finisce prima delle " + std::to_string(n) + " partite annunciate");
        const auto p = ParoleRiga(riga);
        long giornata = 0, data = 0;
        if (p.size() != 5 || !InteroRiga(p[0], giornata) || !InteroRiga(p[1], data))
            return errore("attesi cinque campi: giornata data ora casa trasferta");
        if (giornata < 0 || giornata > 999) return errore("giornata non valida: " + std::string(p[0]));
        if (data != 0 && !DataValida(static_cast<DataNumerica>(data)))
            return errore("data non valida: " + std::string(p[1]));
        const int ora = p[2] == "-" ? -1 : OraDaTesto(p[2]);
        if (ora < 0 && p[2] != "-") return errore("ora non valida: " + std::string(p[2]));
        const std::string casa = Da1252(p[3]), trasferta = Da1252(p[4]);
        for (const std::string* nome : {&casa, &trasferta})
            if (!nellaStagione(*nome))
                return errore("\"" + *nome + "\" non e' una squadra della stagione " +
                              std::to_string(stagione));
        if (casa == trasferta) return errore("una squadra contro se stessa");
        l.calendario.partite.push_back(
            {static_cast<int>(giornata), static_cast<DataNumerica>(data), ora, casa, trasferta});
    }
    while (prossima(riga))
        if (!ParoleRiga(riga).empty())
            return errore("righe oltre le " + std::to_string(n) + " partite annunciate");
    if (l.calendario.vuoto()) l.calendario.stagione = 0;
    l.calendario.Ordina();
    return l;
}

int TogliIncontriGiocati(CCampionato& c, int primoNuovo) {
    Calendario& cal = c.calendario;
    if (cal.vuoto() || cal.stagione != c.config.numeroStagioni() || c.config.stagioni.empty())
        return 0;
    const auto& nomi = c.config.stagioni.back().nomi;
    const int inizio = c.incontri.numeroSeparatori() > 0
                           ? c.incontri.inizioStagione(c.incontri.numeroSeparatori() - 1)
                           : 0;
    int tolte = 0;
    for (int i = std::max(primoNuovo, inizio); i < c.incontri.numero(); ++i) {
        const Incontro& m = c.incontri[i];
        if (m.separatore() || m.casa >= static_cast<int>(nomi.size()) ||
            m.trasferta >= static_cast<int>(nomi.size()))
            continue;
        tolte += cal.TogliGiocata(nomi[static_cast<std::size_t>(m.casa)],
                                  nomi[static_cast<std::size_t>(m.trasferta)]);
    }
    return tolte;
}

} // namespace veltra
