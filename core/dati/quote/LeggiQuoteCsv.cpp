#include "dati/quote/LeggiQuoteCsv.h"

#include <cstdlib>
#include <cstring>

namespace veltra {

namespace {

std::string_view Rifila(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r' ||
                          s.front() == '"'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '"'))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> Campi(std::string_view riga) {
    std::vector<std::string_view> c;
    std::size_t inizio = 0;
    for (;;) {
        const auto v = riga.find(',', inizio);
        c.push_back(Rifila(riga.substr(inizio, v == std::string_view::npos ? v : v - inizio)));
        if (v == std::string_view::npos) break;
        inizio = v + 1;
    }
    return c;
}

// A decimal number in the "C" notation (a decimal comma is not possible in a
// comma-separated file); nullopt for anything else.
std::optional<double> Decimale(std::string_view t) {
    if (t.empty() || t.size() > 31) return std::nullopt;
    char buf[32];
    std::memcpy(buf, t.data(), t.size());
    buf[t.size()] = 0;
    for (char ch : t)
        if (!(ch >= '0' && ch <= '9') && ch != '.') return std::nullopt;
    char* fine = nullptr;
    const double v = std::strtod(buf, &fine);
    if (fine != buf + t.size()) return std::nullopt;
    return v;
}

std::optional<int> Intero(std::string_view t) {
    if (t.empty() || t.size() > 6) return std::nullopt;
    int v = 0;
    for (char ch : t) {
        if (ch < '0' || ch > '9') return std::nullopt;
        v = v * 10 + (ch - '0');
    }
    return v;
}

// "dd/mm/yyyy" or "dd/mm/yy".
DataNumerica Data(std::string_view t) {
    const auto a = t.find('/');
    const auto b = a == std::string_view::npos ? a : t.find('/', a + 1);
    if (b == std::string_view::npos) return 0;
    const auto g = Intero(t.substr(0, a)), m = Intero(t.substr(a + 1, b - a - 1));
    const auto y = Intero(t.substr(b + 1));
    if (!g || !m || !y || (t.size() - b - 1 != 2 && t.size() - b - 1 != 4)) return 0;
    int anno = *y;
    if (t.size() - b - 1 == 2) anno += anno >= 50 ? 1900 : 2000;
    const DataNumerica d = anno * 10000 + *m * 100 + *g;
    return DataValida(d) ? d : 0;
}

} // namespace

LetturaQuote LeggiQuoteCsv(std::string_view testo, const std::string& nomeFile) {
    LetturaQuote l;
    l.file = nomeFile;
    if (testo.size() >= 3 && std::memcmp(testo.data(), "\xEF\xBB\xBF", 3) == 0) testo.remove_prefix(3);
    std::vector<std::string_view> righe;
    for (std::size_t p = 0; p < testo.size();) {
        const auto f = testo.find('\n', p);
        righe.push_back(testo.substr(p, f == std::string_view::npos ? f : f - p));
        p = f == std::string_view::npos ? testo.size() : f + 1;
    }
    if (righe.empty()) {
        l.errore = nomeFile + ": file vuoto";
        return l;
    }
    const auto intestazione = Campi(righe[0]);
    std::map<std::string, int, std::less<>> colonna;
    for (std::size_t i = 0; i < intestazione.size(); ++i)
        colonna.emplace(std::string(intestazione[i]), static_cast<int>(i));
    auto trova = [&](std::initializer_list<const char*> nomi) {
        for (const char* n : nomi)
            if (auto it = colonna.find(std::string_view(n)); it != colonna.end()) return it->second;
        return -1;
    };
    const int cData = trova({"Date"});
    const int cCasa = trova({"HomeTeam", "Home", "HT"});
    const int cTrasferta = trova({"AwayTeam", "Away", "AT"});
    const int cStagione = trova({"Season"});
    const int cGolCasa = trova({"FTHG", "HG"});
    const int cGolTrasferta = trova({"FTAG", "AG"});
    if (cData < 0 || cCasa < 0 || cTrasferta < 0) {
        l.errore = nomeFile + ": non e' un file di quote di football-data (mancano le colonne "
                              "Date, HomeTeam/Home o AwayTeam/Away)";
        return l;
    }
    // The sets of odds: every X with the three columns XH, XD, XA.
    struct Insieme {
        std::string nome;
        int h, d, a;
    };
    std::vector<Insieme> insiemi;
    for (const auto& [nome, i] : colonna) {
        if (nome.size() < 2 || nome.back() != 'H') continue;
        const std::string prefisso = nome.substr(0, nome.size() - 1);
        const auto d = colonna.find(prefisso + "D"), a = colonna.find(prefisso + "A");
        if (d != colonna.end() && a != colonna.end() && prefisso != "FT" && prefisso != "HT")
            insiemi.push_back({prefisso, i, d->second, a->second});
    }
    if (insiemi.empty()) {
        l.errore = nomeFile + ": nessuna colonna di quote 1X2 (come AvgH, AvgD, AvgA)";
        return l;
    }
    for (std::size_t r = 1; r < righe.size(); ++r) {
        const auto campi = Campi(righe[r]);
        if (campi.size() == 1 && campi[0].empty()) continue; // empty line
        const int numero = static_cast<int>(r) + 1;
        auto campo = [&](int c) -> std::string_view {
            return c >= 0 && c < static_cast<int>(campi.size()) ? campi[static_cast<std::size_t>(c)]
                                                                : std::string_view{};
        };
        RigaQuote q;
        q.riga = numero;
        q.data = Data(campo(cData));
        q.casa = std::string(campo(cCasa));
        q.trasferta = std::string(campo(cTrasferta));
        q.stagione = std::string(campo(cStagione));
        if (q.data == 0) {
            l.scartate.push_back({numero, "data non valida: \"" + std::string(campo(cData)) + "\""});
            continue;
        }
        if (q.casa.empty() || q.trasferta.empty()) {
            l.scartate.push_back({numero, "manca il nome di una squadra"});
            continue;
        }
        if (auto g = Intero(campo(cGolCasa))) q.golCasa = *g;
        if (auto g = Intero(campo(cGolTrasferta))) q.golTrasferta = *g;
        for (const auto& i : insiemi) {
            const auto h = Decimale(campo(i.h)), d = Decimale(campo(i.d)), a = Decimale(campo(i.a));
            if (h && d && a && *h > 1.0 && *d > 1.0 && *a > 1.0 && *h < 10000 && *d < 10000 &&
                *a < 10000)
                q.insiemi.emplace(i.nome, Quote1X2{*h, *d, *a});
        }
        l.righe.push_back(std::move(q));
    }
    return l;
}

namespace {
struct NomeInsieme {
    const char* nome;
    const char* colonne[2];
};
constexpr NomeInsieme kInsiemi[] = {
    {"media", {"Avg", "BbAv"}},          {"pinnacle", {"PS", "P"}},
    {"massima", {"Max", "BbMx"}},        {"media-chiusura", {"AvgC", nullptr}},
    {"pinnacle-chiusura", {"PSC", nullptr}}, {"massima-chiusura", {"MaxC", nullptr}},
};
} // namespace

bool InsiemeQuoteNoto(std::string_view insieme) {
    for (const auto& i : kInsiemi)
        if (insieme == i.nome) return true;
    return false;
}

std::optional<Quote1X2> ScegliQuote(const RigaQuote& riga, std::string_view insieme) {
    for (const auto& i : kInsiemi)
        if (insieme == i.nome) {
            for (const char* c : i.colonne)
                if (c)
                    if (auto it = riga.insiemi.find(std::string_view(c)); it != riga.insiemi.end())
                        return it->second;
            return std::nullopt;
        }
    if (auto it = riga.insiemi.find(insieme); it != riga.insiemi.end()) return it->second;
    return std::nullopt;
}

Probabilita1X2 ProbabilitaSenzaMargine(const Quote1X2& q) {
    const double i1 = 1.0 / q.q1, iX = 1.0 / q.qX, i2 = 1.0 / q.q2;
    const double s = i1 + iX + i2;
    return {i1 / s, iX / s, i2 / s};
}

} // namespace veltra
