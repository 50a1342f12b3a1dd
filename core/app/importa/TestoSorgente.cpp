#include "app/importa/TestoSorgente.h"

#include "dati/Testo1252.h"

#include <charconv>

namespace veltra {

namespace {
bool Spazio(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
} // namespace

std::string_view Rifila(std::string_view s) {
    while (!s.empty() && Spazio(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && Spazio(s.back()))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> Dividi(std::string_view s, char separatore) {
    std::vector<std::string_view> parti;
    std::size_t inizio = 0;
    for (;;) {
        const auto p = s.find(separatore, inizio);
        parti.push_back(s.substr(inizio, p == std::string_view::npos ? p : p - inizio));
        if (p == std::string_view::npos) break;
        inizio = p + 1;
    }
    return parti;
}

std::vector<std::string_view> Parole(std::string_view s) {
    std::vector<std::string_view> parole;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && Spazio(s[i]))
            ++i;
        const std::size_t inizio = i;
        while (i < s.size() && !Spazio(s[i]))
            ++i;
        if (i > inizio) parole.push_back(s.substr(inizio, i - inizio));
    }
    return parole;
}

std::optional<int> Intero(std::string_view s) {
    s = Rifila(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    int v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

std::string TestoInUtf8(std::string_view testo) {
    return Utf8Valido(testo) ? std::string(testo) : Da1252(testo);
}

std::vector<std::string_view> Righe(std::string_view testo) {
    if (testo.substr(0, 3) == "\xEF\xBB\xBF") testo.remove_prefix(3);
    std::vector<std::string_view> righe;
    std::size_t inizio = 0;
    while (inizio < testo.size()) {
        auto fine = testo.find('\n', inizio);
        if (fine == std::string_view::npos) fine = testo.size();
        auto riga = testo.substr(inizio, fine - inizio);
        if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
        righe.push_back(riga);
        inizio = fine + 1;
    }
    return righe;
}

// One CSV record; a field in double quotes may hold commas ("" is a quote).
std::vector<std::string> CampiCsv(std::string_view r) {
    std::vector<std::string> campi(1);
    bool virgolette = false;
    for (std::size_t i = 0; i < r.size(); ++i) {
        const char c = r[i];
        if (virgolette) {
            if (c == '"' && i + 1 < r.size() && r[i + 1] == '"') {
                campi.back() += '"';
                ++i;
            } else if (c == '"') {
                virgolette = false;
            } else {
                campi.back() += c;
            }
        } else if (c == '"') {
            virgolette = true;
        } else if (c == ',') {
            campi.emplace_back();
        } else {
            campi.back() += c;
        }
    }
    for (auto& c : campi)
        c = std::string(Rifila(c));
    return campi;
}

} // namespace veltra
