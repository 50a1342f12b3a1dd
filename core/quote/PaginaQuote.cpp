#include "quote/PaginaQuote.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace veltra {

void PulitoreTag::Aggiungi(std::string_view blocco) {
    for (char c : blocco) {
        if (inTag_) {
            if (c == '>') inTag_ = false;
            continue;
        }
        if (c == '<') {
            inTag_ = true;
            testo_ += ' ';
            continue;
        }
        if (static_cast<unsigned char>(c) >= 128) continue;
        testo_ += c;
    }
}

std::vector<std::string> Gettoni(std::string_view testo) {
    std::vector<std::string> r;
    std::string g;
    auto chiudi = [&] {
        if (!g.empty()) r.push_back(std::move(g));
        g.clear();
    };
    for (std::size_t i = 0; i < testo.size(); ++i) {
        char c = testo[i];
        if (c == '&' && testo.substr(i, 6) == "&nbsp;") {
            chiudi();
            i += 5;
            continue;
        }
        if (c == '-') {
            chiudi();
            r.emplace_back("+");
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v' || c == 0) {
            chiudi();
            continue;
        }
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
        g += c;
    }
    chiudi();
    return r;
}

namespace {

bool Cifra(char c) { return c >= '0' && c <= '9'; }

// Digits from p (at most `massimo`); their value, or -1 when there are none
// or more than `massimo`.
int Cifre(std::string_view t, std::size_t& p, int massimo) {
    int v = 0, n = 0;
    while (p < t.size() && Cifra(t[p])) {
        if (++n > massimo) return -1;
        v = v * 10 + (t[p] - '0');
        ++p;
    }
    return n == 0 ? -1 : v;
}

} // namespace

std::optional<std::string> LeggiData(FormaData forma, std::string_view t, int anno, int mese) {
    const char sep = forma == FormaData::PuntiAnno || forma == FormaData::PuntiAnnoBreve ? '.' : '/';
    for (std::size_t inizio = 0; inizio < t.size(); ++inizio) {
        if (!Cifra(t[inizio]) || (inizio > 0 && Cifra(t[inizio - 1]))) continue;
        std::size_t p = inizio;
        const int g = Cifre(t, p, 2);
        if (g < 1 || g > 31 || p >= t.size() || t[p] != sep) continue;
        ++p;
        const int m = Cifre(t, p, 2);
        if (m < 1 || m > 12) continue;
        int a = 0;
        if (forma == FormaData::BarreSenzaAnno) {
            if (p < t.size() && (Cifra(t[p]) || t[p] == sep)) continue;
            // The nearest year to today: a page shows the coming weeks.
            a = anno;
            const int oggi = anno * 12 + mese - 1;
            for (int y : {anno - 1, anno + 1})
                if (std::abs(y * 12 + m - 1 - oggi) < std::abs(a * 12 + m - 1 - oggi)) a = y;
        } else {
            if (p >= t.size() || t[p] != sep) continue;
            ++p;
            const std::size_t q = p;
            a = Cifre(t, p, forma == FormaData::PuntiAnnoBreve ? 2 : 4);
            if (a < 0 || (p < t.size() && Cifra(t[p]))) continue;
            if (forma == FormaData::PuntiAnnoBreve) {
                if (p - q != 2) continue;
                a += 2000;
            } else if (p - q != 4 || a < 1900) {
                continue;
            }
        }
        char b[32];
        std::snprintf(b, sizeof b, "%02d%c%02d%c%04d", g, sep, m, sep, a);
        return std::string(b);
    }
    return std::nullopt;
}

std::optional<std::string> LeggiOra(std::string_view t) {
    std::size_t p = 0;
    while (p < t.size() && t[p] == '(') ++p;
    const int h = Cifre(t, p, 2);
    if (h < 0 || h > 23 || p >= t.size() || t[p] != ':') return std::nullopt;
    ++p;
    const std::size_t q = p;
    const int m = Cifre(t, p, 2);
    if (m < 0 || m > 59 || p - q != 2) return std::nullopt;
    for (; p < t.size(); ++p)
        if (t[p] != ')' && t[p] != 'h' && t[p] != ',' && t[p] != '.') return std::nullopt;
    char b[16];
    std::snprintf(b, sizeof b, "%02d:%02d", h, m);
    return std::string(b);
}

std::optional<double> LeggiQuota(std::string_view t, bool virgola) {
    if (t.empty() || t.size() > 12) return std::nullopt;
    std::string s;
    int separatori = 0;
    for (char c : t) {
        if (Cifra(c)) {
            s += c;
        } else if (c == '.' || (virgola && c == ',')) {
            ++separatori;
            s += '.';
        } else {
            return std::nullopt;
        }
    }
    if (separatori != 1 || s.front() == '.' || s.back() == '.') return std::nullopt;
    double v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || !(v > 1) || v >= 10000)
        return std::nullopt;
    return v;
}

namespace {

constexpr const char* kUsato = "xxxxx";

struct Nome {
    std::string testo;
    int parole = 1;
};

} // namespace

LetturaPagina LeggiEventiPagina(const FormatoPagina& f, const std::vector<std::string>& gettoni,
                                std::vector<std::string> nomiTabella, int anno, int mese) {
    std::vector<Nome> nomi;
    for (auto& n : nomiTabella) {
        Nome x{std::move(n), 1};
        for (char c : x.testo)
            if (c == ' ') ++x.parole;
        nomi.push_back(std::move(x));
    }
    // The unused name (other than `tranne`) the tokens from i contain; the
    // longest when several do. -1 when none.
    auto cerca = [&](std::size_t i, int tranne) {
        int migliore = -1;
        for (int k = 0; k < static_cast<int>(nomi.size()); ++k) {
            const Nome& n = nomi[k];
            if (k == tranne || n.testo == kUsato || n.testo.empty()) continue;
            if (i + static_cast<std::size_t>(n.parole) > gettoni.size()) continue;
            std::string unito = gettoni[i];
            for (int w = 1; w < n.parole; ++w) unito += " " + gettoni[i + w];
            if (unito.find(n.testo) == std::string::npos) continue;
            if (migliore < 0 || n.testo.size() > nomi[migliore].testo.size()) migliore = k;
        }
        return migliore;
    };

    enum class Stato { Data, Ora, Casa, Trasferta, Quote };
    LetturaPagina r;
    Stato stato = Stato::Data;
    std::string data, ora;
    EventoLetto e;
    int nQuote = 0;
    bool minimaTripla = false;
    auto scrivi = [&] {
        std::string testo = f.blocchi ? "(" + data + "-" + ora : data + "-" + ora;
        if (minimaTripla) testo += ".(Min.Tripla)";
        e.data = std::move(testo);
        if (e.trasferta >= 0) {
            r.coppie.push_back(e.casa);
            r.coppie.push_back(e.trasferta);
        }
        r.eventi.push_back(std::move(e));
        e = EventoLetto{};
        nQuote = 0;
        minimaTripla = false;
    };

    for (std::size_t i = 0; i < gettoni.size(); ++i) {
        const std::string& g = gettoni[i];
        if (f.blocchi && g == "minima:") {
            if (i + 1 < gettoni.size() && gettoni[i + 1] == "3") minimaTripla = true;
            continue;
        }
        const bool puoEssereData = !f.blocchi || (i > 0 && gettoni[i - 1] == "data:");
        if (puoEssereData) {
            if (auto d = LeggiData(f.data, g, anno, mese)) {
                ++r.date;
                if (e.casa >= 0) scrivi();
                e = EventoLetto{};
                nQuote = 0;
                minimaTripla = false;
                data = std::move(*d);
                stato = Stato::Ora;
                continue;
            }
        }
        switch (stato) {
        case Stato::Data:
            break;
        case Stato::Ora:
            if (auto o = LeggiOra(g)) {
                ora = std::move(*o);
                stato = Stato::Casa;
            }
            break;
        case Stato::Casa:
            if (const int k = cerca(i, -1); k >= 0) {
                e.casa = k;
                i += static_cast<std::size_t>(nomi[k].parole - 1);
                nomi[k].testo = kUsato;
                stato = Stato::Trasferta;
            }
            break;
        case Stato::Trasferta:
            if (const int k = cerca(i, e.casa); k >= 0) {
                e.trasferta = k;
                i += static_cast<std::size_t>(nomi[k].parole - 1);
                nomi[k].testo = kUsato;
                stato = Stato::Quote;
            } else if (auto q = LeggiQuota(g, f.virgola)) {
                e.quote[nQuote++] = *q;
                stato = Stato::Quote;
            }
            break;
        case Stato::Quote:
            if (nQuote < f.quote)
                if (auto q = LeggiQuota(g, f.virgola)) e.quote[nQuote++] = *q;
            break;
        }
    }
    if (e.casa >= 0) scrivi();
    return r;
}

} // namespace veltra
