#include "dati/quote/LeggiQuoteFootballData.h"

#include "dati/Testo1252.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace veltra {

namespace {

std::vector<std::string> Campi(std::string_view riga) {
    std::vector<std::string> c;
    std::string campo;
    bool virgolette = false;
    for (char ch : riga) {
        if (ch == '"') {
            virgolette = !virgolette;
        } else if (ch == ',' && !virgolette) {
            c.push_back(std::move(campo));
            campo.clear();
        } else {
            campo += ch;
        }
    }
    c.push_back(std::move(campo));
    for (std::string& s : c) {
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
        std::size_t i = 0;
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        s.erase(0, i);
    }
    return c;
}

std::optional<double> Quota(const std::string& s) {
    if (s.empty()) return std::nullopt;
    double v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(v) || v <= 1.0)
        return std::nullopt;
    return v;
}

bool Intero(std::string_view s, int& v) {
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

// "dd/mm/yyyy" or "dd/mm/yy" (years 00..49 are 20xx).
bool Data(const std::string& s, int& g, int& m, int& a) {
    const auto p1 = s.find('/'), p2 = s.rfind('/');
    if (p1 == std::string::npos || p1 == p2) return false;
    const std::string_view v(s);
    if (!Intero(v.substr(0, p1), g) || !Intero(v.substr(p1 + 1, p2 - p1 - 1), m) ||
        !Intero(v.substr(p2 + 1), a))
        return false;
    if (p2 + 1 + 2 == s.size()) a += a < 50 ? 2000 : 1900;
    if (m < 1 || m > 12 || a < 1900 || a > 2100 || g < 1) return false;
    static constexpr int kGiorni[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bisestile = (a % 4 == 0 && a % 100 != 0) || a % 400 == 0;
    return g <= (m == 2 && !bisestile ? 28 : kGiorni[m - 1]);
}

struct Colonne {
    int data = -1, casa = -1, trasferta = -1, risultato = -1;
    std::vector<std::pair<std::string, std::array<int, 3>>> insiemi;
};

} // namespace

std::optional<QuoteFootballData> LeggiQuoteFootballData(std::string_view testo, std::string* errore) {
    std::string t = Utf8Valido(testo) ? std::string(testo) : Da1252(testo);
    if (t.rfind("\xEF\xBB\xBF", 0) == 0) t.erase(0, 3);
    std::vector<std::string_view> righe;
    for (std::size_t inizio = 0; inizio <= t.size();) {
        std::size_t fine = t.find('\n', inizio);
        if (fine == std::string::npos) fine = t.size();
        std::string_view r(t.data() + inizio, fine - inizio);
        if (!r.empty() && r.back() == '\r') r.remove_suffix(1);
        righe.push_back(r);
        inizio = fine + 1;
    }
    if (righe.empty()) {
        if (errore) *errore = "file vuoto";
        return std::nullopt;
    }
    const auto testa = Campi(righe[0]);
    QuoteFootballData q;
    Colonne col;
    auto indice = [&](const char* nome) {
        const auto it = std::find(testa.begin(), testa.end(), nome);
        return it == testa.end() ? -1 : static_cast<int>(it - testa.begin());
    };
    // The main leagues' files start with "Div", some with another column;
    // a few old ones name the teams HT and AT.
    if (indice("HomeTeam") >= 0 || (indice("HT") >= 0 && indice("AT") >= 0)) {
        q.formato = FormatoQuoteFootballData::Campionati;
        const bool corti = indice("HomeTeam") < 0;
        col.casa = indice(corti ? "HT" : "HomeTeam");
        col.trasferta = indice(corti ? "AT" : "AwayTeam");
        col.risultato = indice("FTR");
    } else if (indice("Home") >= 0 && indice("Away") >= 0) {
        q.formato = FormatoQuoteFootballData::AltriCampionati;
        col.casa = indice("Home");
        col.trasferta = indice("Away");
        col.risultato = indice("Res");
    } else {
        if (errore) *errore = "intestazione non riconosciuta: " + std::string(righe[0].substr(0, 60));
        return std::nullopt;
    }
    col.data = indice("Date");
    if (col.data < 0 || col.trasferta < 0) {
        if (errore) *errore = "mancano le colonne della data o delle squadre";
        return std::nullopt;
    }
    // A set: three columns PREFIXH, PREFIXD, PREFIXA (the over/under and
    // Asian handicap columns never complete a triple).
    for (std::size_t i = 0; i < testa.size(); ++i) {
        const std::string& h = testa[i];
        if (h.size() < 2 || h.back() != 'H' || h == "AHh") continue;
        const std::string prefisso = h.substr(0, h.size() - 1);
        if (prefisso == "Home" || prefisso == "FT" || prefisso == "HT" || prefisso.find('>') != std::string::npos ||
            prefisso.find('<') != std::string::npos || prefisso.size() > 6)
            continue;
        const int d = indice((prefisso + "D").c_str()), a = indice((prefisso + "A").c_str());
        if (d < 0 || a < 0 || prefisso.find("AH") != std::string::npos) continue;
        col.insiemi.push_back({prefisso, {static_cast<int>(i), d, a}});
        q.insiemi.push_back(prefisso);
    }
    const int servono = std::max({col.data, col.casa, col.trasferta});
    const int colonnaStagione = indice("Season");
    long giornoPrecedente = 0;
    int annoStagione = 0;
    auto giorni = [](int y, int m, int d) {
        y -= m <= 2;
        const long era = (y >= 0 ? y : y - 399) / 400;
        const long yoe = y - era * 400;
        const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
        return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy;
    };
    for (std::size_t n = 1; n < righe.size(); ++n) {
        if (righe[n].find_first_not_of(" ,\t") == std::string_view::npos) continue;
        ++q.righeDati;
        const int numero = static_cast<int>(n) + 1;
        const auto c = Campi(righe[n]);
        PartitaQuote p;
        p.riga = numero;
        if (static_cast<int>(c.size()) <= servono) {
            q.scartate.push_back({numero, "riga troppo corta"});
            continue;
        }
        if (!Data(c[static_cast<std::size_t>(col.data)], p.giorno, p.mese, p.anno)) {
            q.scartate.push_back({numero, "data non valida: \"" + c[static_cast<std::size_t>(col.data)] + "\""});
            continue;
        }
        if (colonnaStagione >= 0 && colonnaStagione < static_cast<int>(c.size())) {
            const std::string& st = c[static_cast<std::size_t>(colonnaStagione)];
            int anno = 0;
            if (st.size() < 4 || !Intero(std::string_view(st).substr(0, 4), anno)) {
                q.scartate.push_back({numero, "stagione non valida: \"" + st + "\""});
                continue;
            }
            p.annoStagione = anno;
        } else {
            const long g = giorni(p.anno, p.mese, p.giorno);
            if (annoStagione == 0 || (p.mese >= 7 && p.mese <= 10 && g - giornoPrecedente > 30))
                annoStagione = p.mese >= 7 ? p.anno : p.anno - 1;
            giornoPrecedente = g;
            p.annoStagione = annoStagione;
        }
        p.casa = c[static_cast<std::size_t>(col.casa)];
        p.trasferta = c[static_cast<std::size_t>(col.trasferta)];
        if (p.casa.empty() || p.trasferta.empty()) {
            q.scartate.push_back({numero, "squadra mancante"});
            continue;
        }
        if (col.risultato >= 0 && col.risultato < static_cast<int>(c.size())) {
            const std::string& r = c[static_cast<std::size_t>(col.risultato)];
            p.risultato = r == "H" ? '1' : r == "D" ? 'X' : r == "A" ? '2' : '?';
        }
        for (const auto& [nome, idx] : col.insiemi) {
            std::array<double, 3> v{};
            bool ok = true;
            for (int k = 0; k < 3 && ok; ++k) {
                const auto i = static_cast<std::size_t>(idx[static_cast<std::size_t>(k)]);
                const auto x = i < c.size() ? Quota(c[i]) : std::nullopt;
                ok = x.has_value();
                if (ok) v[static_cast<std::size_t>(k)] = *x;
            }
            if (ok)
                p.quote[nome] = v;
            else
                q.incomplete.push_back({numero, "quote " + nome + " mancanti o non valide"});
        }
        q.partite.push_back(std::move(p));
    }
    return q;
}

namespace {

struct NomeInsieme {
    const char* nome;
    const char* colonne[2];
};
constexpr NomeInsieme kInsiemi[] = {
    {"media", {"Avg", "BbAv"}},
    {"pinnacle", {"PS", "P"}},
    {"massima", {"Max", "BbMx"}},
    {"chiusura", {"AvgC", nullptr}},
    {"media-chiusura", {"AvgC", nullptr}},
    {"pinnacle-chiusura", {"PSC", nullptr}},
    {"massima-chiusura", {"MaxC", nullptr}},
};

// The first prefix the choice names that `ha` has.
template <class Ha> std::optional<std::string> Risolvi(std::string_view scelta, Ha ha) {
    if (scelta.empty()) scelta = "media";
    for (const auto& i : kInsiemi)
        if (scelta == i.nome) {
            for (const char* c : i.colonne)
                if (c && ha(std::string_view(c))) return std::string(c);
            return std::nullopt;
        }
    if (ha(scelta)) return std::string(scelta);
    return std::nullopt;
}

} // namespace

std::optional<std::string> InsiemeQuote(const QuoteFootballData& q, std::string_view scelta) {
    return Risolvi(scelta, [&](std::string_view nome) {
        return std::find(q.insiemi.begin(), q.insiemi.end(), nome) != q.insiemi.end();
    });
}

std::optional<Quote1X2> ScegliQuote(const PartitaQuote& p, std::string_view scelta) {
    const auto nome = Risolvi(scelta, [&](std::string_view n) { return p.quote.find(n) != p.quote.end(); });
    if (!nome) return std::nullopt;
    const auto& v = p.quote.find(*nome)->second;
    return Quote1X2{v[0], v[1], v[2]};
}

bool InsiemeQuoteNoto(std::string_view scelta) {
    for (const auto& i : kInsiemi)
        if (scelta == i.nome) return true;
    return false;
}

Probabilita1X2 ProbabilitaSenzaMargine(const Quote1X2& q) {
    const double i1 = 1.0 / q.q1, iX = 1.0 / q.qX, i2 = 1.0 / q.q2;
    const double s = i1 + iX + i2;
    return {i1 / s, iX / s, i2 / s};
}

} // namespace veltra
