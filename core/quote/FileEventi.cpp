#include "quote/FileEventi.h"

#include <charconv>
#include <cmath>

namespace veltra {

namespace {

std::string Numero(float v) {
    char b[64];
    const auto r = std::to_chars(b, b + sizeof b, static_cast<double>(v), std::chars_format::fixed, 6);
    return std::string(b, r.ptr);
}

std::vector<std::string_view> Parole(std::string_view r) {
    std::vector<std::string_view> v;
    std::size_t i = 0;
    while (i < r.size()) {
        while (i < r.size() && (r[i] == ' ' || r[i] == '\t')) ++i;
        const std::size_t j = i;
        while (i < r.size() && r[i] != ' ' && r[i] != '\t') ++i;
        if (i > j) v.push_back(r.substr(j, i - j));
    }
    return v;
}

bool Intero(std::string_view s, int& v) {
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && r.ec == std::errc() && r.ptr == s.data() + s.size();
}

bool Reale(std::string_view s, float& v) {
    double d = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), d, std::chars_format::fixed);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(d) ||
        d < 0 || d >= 1e6)
        return false;
    v = static_cast<float>(d);
    return true;
}

} // namespace

std::string RecordErrore(std::string_view testo) {
    std::string s = "-1\n";
    s += testo;
    if (s.back() != '\n') s += '\n';
    return s;
}

std::string RecordEventoTesto(const RecordEvento& e, int numeroQuote) {
    std::string s = "-2 " + std::to_string(e.campionato) + " " + std::to_string(e.casa) + " " +
                    std::to_string(e.trasferta);
    for (int k = 0; k < numeroQuote; ++k) s += " " + Numero(e.quote[k]);
    s += " " + (e.data.empty() ? std::string("-") : e.data) + "\n";
    return s;
}

std::string RecordTrailer(const std::array<std::vector<int>, kNumeroCampionati>& coppie) {
    std::string s = " -3\n";
    for (const auto& v : coppie) {
        s += std::to_string(v.size()) + "\n";
        for (int i : v) s += std::to_string(i) + "\n";
    }
    return s + "\n";
}

ContenutoEventi LeggiFileEventi(std::string_view testo) {
    ContenutoEventi c;
    std::vector<std::string_view> righe;
    for (std::size_t p = 0; p < testo.size();) {
        const auto f = testo.find('\n', p);
        std::string_view r = testo.substr(p, f == std::string_view::npos ? std::string_view::npos : f - p);
        if (!r.empty() && r.back() == '\r') r.remove_suffix(1);
        righe.push_back(r);
        p = f == std::string_view::npos ? testo.size() : f + 1;
    }
    auto illeggibile = [&](std::size_t i, const std::string& perche) {
        c.illeggibile = "riga " + std::to_string(i + 1) + ": " + perche;
    };
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const auto parole = Parole(righe[i]);
        if (parole.empty()) continue;
        int codice = 0;
        if (!Intero(parole[0], codice)) {
            illeggibile(i, "\"" + std::string(righe[i].substr(0, 60)) + "\" non e' un record");
            return c;
        }
        if (codice == -1) {
            c.conErrore = true;
            for (std::size_t j = i + 1; j < righe.size(); ++j)
                if (!righe[j].empty()) c.errore.emplace_back(righe[j]);
            return c;
        }
        if (codice == -3) {
            for (int k = 0; k < kNumeroCampionati; ++k) {
                int n = 0;
                if (++i >= righe.size() || !Intero(Parole(righe[i]).empty() ? "" : Parole(righe[i])[0], n) ||
                    n < 0 || n > 2000) {
                    illeggibile(i, "conteggio del riepilogo non valido");
                    return c;
                }
                for (int j = 0; j < n; ++j) {
                    int v = 0;
                    const auto p = ++i < righe.size() ? Parole(righe[i]) : std::vector<std::string_view>{};
                    if (p.empty() || !Intero(p[0], v)) {
                        illeggibile(i, "indice del riepilogo non valido");
                        return c;
                    }
                    c.coppie[k].push_back(v);
                }
            }
            c.trailer = true;
            return c;
        }
        if (codice != -2) {
            illeggibile(i, "codice " + std::to_string(codice) + " sconosciuto");
            return c;
        }
        // -2 c casa trasferta q... data
        const std::size_t quote = parole.size() >= 5 ? parole.size() - 5 : 0;
        RecordEvento e;
        bool ok = (quote == 3 || quote == 6) && Intero(parole[1], e.campionato) &&
                  Intero(parole[2], e.casa) && Intero(parole[3], e.trasferta) &&
                  e.campionato >= 0 && e.campionato < kNumeroCampionati && e.casa >= 0 &&
                  e.casa < 256 && e.trasferta >= -1 && e.trasferta < 256;
        for (std::size_t k = 0; ok && k < quote; ++k) ok = Reale(parole[4 + k], e.quote[k]);
        if (!ok) {
            illeggibile(i, "evento non valido: \"" + std::string(righe[i].substr(0, 80)) + "\"");
            return c;
        }
        e.data = std::string(parole.back());
        c.eventi.push_back(std::move(e));
    }
    return c;
}

} // namespace veltra
