#include "quote/TabellaNomiBookmaker.h"

#include <charconv>

namespace veltra {

int QuotePerEvento(Bookmaker b) {
    return b == Bookmaker::Betandwin || b == Bookmaker::Globet ? 6 : 3;
}

std::string FileEventiBookmaker(Bookmaker b) {
    static constexpr std::array<char, kBookmakerInternet> kLettere = {'W', 'B', 'E', 'G', 'S'};
    return std::string("Eventi") + kLettere[static_cast<int>(b)] + ".txt";
}

std::string PercorsoTabella(Bookmaker b, CampionatoId campionato) {
    switch (b) {
    case Bookmaker::Betandwin:
        return "/Squadre/SqW7040.txt";
    case Bookmaker::Betzone:
        return "/Squadre/SqB7040.txt";
    case Bookmaker::Eurobet:
        return "/Squadre/Sq" + std::string(Campionato(campionato).codice) + "-E7040.txt";
    case Bookmaker::Globet:
        return "/Squadre/SqG7040.txt";
    case Bookmaker::Snai:
        break;
    }
    return "/Squadre/SqS7040.txt";
}

bool TabellaNomiBookmaker::ConPagina(CampionatoId c) const {
    return !nomi[c].empty() && suffissi[c] != kSenzaPagina;
}

void TabellaNomiBookmaker::Escludi(std::string_view inclusione) {
    for (int c = 0; c < kNumeroCampionati; ++c)
        if (c >= static_cast<int>(inclusione.size()) || inclusione[c] != '1') {
            nomi[c].clear();
            suffissi[c] = kSenzaPagina;
            manifestazioni[c] = -1;
        }
}

std::string NomeDiConfronto(std::string_view nome) {
    // A page's "-" reaches the matching as " + ": so does the table's.
    std::string t;
    for (char c : nome) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 128) continue;
        if (c == '_' || (u < 32 && c != 0) || c == 127) c = ' ';
        if (c == 0) continue;
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
        if (c == '-')
            t += " + ";
        else
            t += c;
    }
    std::string r;
    for (char c : t)
        if (c != ' ' || (!r.empty() && r.back() != ' ')) r += c;
    while (!r.empty() && r.back() == ' ') r.pop_back();
    return r;
}

namespace {

class Righe {
public:
    explicit Righe(std::string_view t) : t_(t) {}
    // The next line without its line end; false at the end of the text.
    bool Leggi(std::string& riga) {
        if (p_ >= t_.size()) return false;
        const auto f = t_.find('\n', p_);
        const std::size_t fine = f == std::string_view::npos ? t_.size() : f;
        riga.assign(t_.substr(p_, fine - p_));
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        p_ = f == std::string_view::npos ? t_.size() : f + 1;
        ++numero_;
        return true;
    }
    int numero() const { return numero_; }

private:
    std::string_view t_;
    std::size_t p_ = 0;
    int numero_ = 0;
};

std::string Pulito(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    return s.substr(i);
}

std::optional<int> Intero(const std::string& s) {
    const std::string t = Pulito(s);
    int v = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size()) return std::nullopt;
    return v;
}

struct Lettore {
    Righe righe;
    std::string errore;

    bool Riga(std::string& r, const char* cosa) {
        if (righe.Leggi(r)) return true;
        errore = "la tabella finisce alla riga " + std::to_string(righe.numero()) + ", manca " + cosa;
        return false;
    }
    bool Numero(int& v, int minimo, int massimo, const char* cosa) {
        std::string r;
        if (!Riga(r, cosa)) return false;
        const auto n = Intero(r);
        if (!n || *n < minimo || *n > massimo) {
            errore = "riga " + std::to_string(righe.numero()) + ": \"" + r + "\" non e' " + cosa;
            return false;
        }
        v = *n;
        return true;
    }
    bool Nomi(std::vector<std::string>& nomi, const std::string& campionato) {
        int n = 0;
        const std::string cosa = "il numero di squadre di " + campionato + " (0.." +
                                 std::to_string(kMaxNomiTabella) + ")";
        if (!Numero(n, 0, kMaxNomiTabella, cosa.c_str())) return false;
        nomi.clear();
        for (int i = 0; i < n; ++i) {
            std::string r;
            if (!Riga(r, "un nome di squadra")) return false;
            std::string nome = NomeDiConfronto(r);
            if (nome.empty()) {
                errore = "riga " + std::to_string(righe.numero()) + ": nome di squadra vuoto (" +
                         campionato + ")";
                return false;
            }
            nomi.push_back(std::move(nome));
        }
        return true;
    }
    bool Indirizzo(std::string& s, const char* cosa) {
        std::string r;
        if (!Riga(r, cosa)) return false;
        s = Pulito(r);
        if (s.empty()) {
            errore = "riga " + std::to_string(righe.numero()) + ": manca " + cosa;
            return false;
        }
        return true;
    }
};

} // namespace

std::optional<std::string> LeggiTabellaNomi(Bookmaker b, std::string_view testo,
                                            TabellaNomiBookmaker& t, CampionatoId campionato) {
    Lettore l{Righe(testo), {}};
    std::string r;
    if (b == Bookmaker::Eurobet) {
        if (!l.Nomi(t.nomi[campionato], std::string(Campionato(campionato).nome)) ||
            !l.Indirizzo(t.suffissi[campionato], "l'indirizzo delle pagine"))
            return l.errore;
        return std::nullopt;
    }
    for (int c = 0; c < kNumeroCampionati; ++c)
        if (!l.Nomi(t.nomi[c], std::string(Campionato(c).nome))) return l.errore;
    switch (b) {
    case Bookmaker::Betandwin:
    case Bookmaker::Globet:
        if (!l.Indirizzo(t.base, "l'indirizzo di base delle pagine")) return l.errore;
        for (int c = 0; c < kNumeroCampionati; ++c)
            if (!l.Indirizzo(t.suffissi[c], "la pagina di un campionato")) return l.errore;
        if (b == Bookmaker::Globet) {
            if (!l.Indirizzo(t.indirizzoAccesso, "l'indirizzo di accesso") ||
                !l.Riga(t.modulo1, "la prima parte del modulo di accesso") ||
                !l.Riga(t.modulo2, "la seconda parte del modulo di accesso"))
                return l.errore;
            l.righe.Leggi(r); // a further line the program does not use
        }
        break;
    case Bookmaker::Betzone:
        if (!l.Indirizzo(t.base, "l'indirizzo della pagina degli eventi")) return l.errore;
        break;
    case Bookmaker::Snai: {
        if (!l.Indirizzo(t.base, "l'indirizzo del bookmaker") || !l.Riga(r, "il secondo indirizzo") ||
            !l.Riga(r, "la riga dopo gli indirizzi") ||
            !l.Numero(t.palinsesto, 0, 1 << 30, "il numero del palinsesto"))
            return l.errore;
        for (int c = 0; c < kNumeroCampionati; ++c) {
            if (!l.Numero(t.avvenimenti[c], 0, 1 << 30, "il numero degli avvenimenti")) return l.errore;
            if (!l.Riga(r, "il numero della manifestazione")) return l.errore;
            const std::string m = r.size() > 1 ? Pulito(r.substr(1)) : std::string();
            if (m == kSenzaPagina) {
                t.manifestazioni[c] = -1;
                t.suffissi[c] = kSenzaPagina;
            } else if (const auto n = Intero(m); n && *n >= 0) {
                t.manifestazioni[c] = *n;
                t.suffissi[c] = m;
            } else {
                return "riga " + std::to_string(l.righe.numero()) + ": \"" + r +
                       "\" non e' il numero di una manifestazione";
            }
        }
        if (!l.Riga(r, "la riga prima del codice della scommessa") ||
            !l.Indirizzo(t.codiceScommessa, "il codice della scommessa"))
            return l.errore;
        break;
    }
    case Bookmaker::Eurobet:
        break;
    }
    return std::nullopt;
}

std::string ScriviTabellaNomi(Bookmaker b, const TabellaNomiBookmaker& t, CampionatoId campionato) {
    std::string s;
    auto nomi = [&s](const std::vector<std::string>& v) {
        s += std::to_string(v.size()) + "\n";
        for (std::string n : v) {
            for (char& c : n)
                if (c == ' ') c = '_';
            s += n + "\n";
        }
    };
    if (b == Bookmaker::Eurobet) {
        nomi(t.nomi[campionato]);
        s += t.suffissi[campionato] + "\n";
        return s;
    }
    for (int c = 0; c < kNumeroCampionati; ++c) nomi(t.nomi[c]);
    switch (b) {
    case Bookmaker::Betandwin:
    case Bookmaker::Globet:
        s += t.base + "\n";
        for (const auto& x : t.suffissi) s += x + "\n";
        if (b == Bookmaker::Globet)
            s += t.indirizzoAccesso + "\n" + t.modulo1 + "\n" + t.modulo2 + "\n-\n";
        break;
    case Bookmaker::Betzone:
        s += t.base + "\n";
        break;
    case Bookmaker::Snai:
        s += t.base + "\n" + t.base + "\n-\n" + std::to_string(t.palinsesto) + "\n";
        for (int c = 0; c < kNumeroCampionati; ++c)
            s += std::to_string(t.avvenimenti[c]) + "\nM" +
                 (t.manifestazioni[c] < 0 ? std::string(kSenzaPagina)
                                          : std::to_string(t.manifestazioni[c])) +
                 "\n";
        s += "-\n" + t.codiceScommessa + "\n";
        break;
    case Bookmaker::Eurobet:
        break;
    }
    return s;
}

} // namespace veltra
