#include "net/Internet.h"

#include <charconv>

namespace veltra {

std::string Url::Testo() const {
    return (http ? "http://" : "?://") + host + ":" + std::to_string(porta) + percorso;
}

std::optional<Url> LeggiUrl(std::string_view t) {
    while (!t.empty() && (t.back() == '\r' || t.back() == '\n' || t.back() == ' ')) t.remove_suffix(1);
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    const auto schema = t.find("://");
    if (schema == std::string_view::npos || schema == 0) return std::nullopt;
    Url u;
    std::string s;
    for (char c : t.substr(0, schema)) s += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    for (char c : s)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'))
            return std::nullopt;
    u.http = s == "http";
    std::string_view resto = t.substr(schema + 3);
    const auto barra = resto.find_first_of("/?");
    std::string_view autorita = resto.substr(0, barra);
    if (barra != std::string_view::npos) {
        u.percorso = std::string(resto.substr(barra));
        if (u.percorso[0] == '?') u.percorso.insert(0, "/");
    }
    if (autorita.find('@') != std::string_view::npos) return std::nullopt;
    const auto duePunti = autorita.rfind(':');
    if (duePunti != std::string_view::npos && autorita.find(']') == std::string_view::npos) {
        const std::string_view p = autorita.substr(duePunti + 1);
        int porta = 0;
        const auto r = std::from_chars(p.data(), p.data() + p.size(), porta);
        if (p.empty() || r.ec != std::errc() || r.ptr != p.data() + p.size() || porta < 1 ||
            porta > 65535)
            return std::nullopt;
        u.porta = porta;
        autorita = autorita.substr(0, duePunti);
    }
    if (autorita.empty()) return std::nullopt;
    for (char c : autorita)
        if (c <= ' ' || c == '"' || c == '<' || c == '>' || c == '\\' || static_cast<unsigned char>(c) >= 127)
            return std::nullopt;
    for (char c : u.percorso)
        if (c <= ' ' || static_cast<unsigned char>(c) >= 127) return std::nullopt;
    u.host = std::string(autorita);
    return u;
}

std::optional<std::string> IndirizzoPercorso(std::string_view base, std::string_view percorso) {
    const auto u = LeggiUrl(base);
    if (!u || !u->http) return std::nullopt;
    return "http://" + u->host + ":" + std::to_string(u->porta) + std::string(percorso);
}

std::string DescriviErrore(const RispostaHttp& r) {
    switch (r.esito) {
    case EsitoHttp::Ok:
        return "risposta " + std::to_string(r.stato);
    case EsitoHttp::Indirizzo:
        return "indirizzo non valido";
    // The internet layer describes its failures itself, in the program's
    // words with the technical detail after them; these are for a layer
    // that says nothing.
    case EsitoHttp::Connessione:
        return r.errore.empty() ? "connessione impossibile" : r.errore;
    case EsitoHttp::TempoScaduto:
        return r.errore.empty() ? "il server non risponde piu'" : r.errore;
    case EsitoHttp::Interrotto:
        return "interrotto";
    case EsitoHttp::TroppoGrande:
        return "risposta troppo grande";
    case EsitoHttp::Errore:
        break;
    }
    return r.errore.empty() ? "errore di trasmissione" : r.errore;
}

std::optional<std::string> ScaricaTesto(ISessioneHttp& sessione, const std::string& indirizzo,
                                        bool ricarica, std::string* perche, std::size_t maxCorpo) {
    RichiestaHttp r;
    r.indirizzo = indirizzo;
    r.ricaricaDallOrigine = ricarica;
    r.maxCorpo = maxCorpo;
    const auto u = LeggiUrl(indirizzo);
    if (!u || !u->http) {
        if (perche) *perche = "indirizzo non valido: " + indirizzo;
        return std::nullopt;
    }
    RispostaHttp risposta = sessione.Esegui(r);
    if (!risposta.ok()) {
        if (perche) *perche = DescriviErrore(risposta);
        return std::nullopt;
    }
    if (risposta.stato != 200) {
        if (perche) *perche = "risposta " + std::to_string(risposta.stato);
        return std::nullopt;
    }
    return std::move(risposta.corpo);
}

namespace {

// "Location: " up to the next line feed, as the raw headers carry it.
std::optional<std::string> Destinazione(const std::string& intestazioni) {
    const auto i = intestazioni.find("Location: ");
    if (i == std::string::npos) return std::nullopt;
    const auto inizio = i + 10;
    const auto fine = intestazioni.find('\n', inizio);
    std::string s = intestazioni.substr(inizio, fine == std::string::npos ? std::string::npos
                                                                           : fine - inizio);
    if (!s.empty() && s.back() == '\r') s.pop_back();
    return s;
}

Pagina Richiesta(ISessioneHttp& sessione, const std::string& metodo, const std::string& indirizzo,
                 const std::string& intestazioni, const std::string& corpo) {
    Pagina p;
    const auto u = LeggiUrl(indirizzo);
    if (!u || !u->http) {
        p.errore = "indirizzo non valido";
        return p;
    }
    RichiestaHttp r;
    r.metodo = metodo;
    r.indirizzo = indirizzo;
    r.intestazioni = intestazioni;
    r.corpo = corpo;
    RispostaHttp risposta = sessione.Esegui(r);
    if (!risposta.ok()) {
        p.errore = DescriviErrore(risposta);
        return p;
    }
    const int s = risposta.stato;
    if (s == 301 || s == 302 || s == 303) {
        const auto dove = Destinazione(risposta.intestazioni);
        const auto nuovo = dove ? LeggiUrl(*dove) : std::nullopt;
        if (!nuovo) {
            p.stato = -6;
            return p;
        }
        if (!nuovo->http) {
            p.stato = -7;
            return p;
        }
        RichiestaHttp seconda;
        seconda.indirizzo = *dove;
        seconda.intestazioni = intestazioni;
        RispostaHttp r2 = sessione.Esegui(seconda); // the redirected request is a GET
        if (!r2.ok()) {
            p.errore = DescriviErrore(r2);
            return p;
        }
        if (r2.stato != 200) {
            p.stato = -r2.stato;
            return p;
        }
        p.stato = 200;
        p.corpo = std::move(r2.corpo);
        return p;
    }
    p.stato = s;
    if (s != 401) p.corpo = std::move(risposta.corpo);
    return p;
}

} // namespace

Pagina ScaricaPagina(ISessioneHttp& sessione, const std::string& indirizzo,
                     const std::string& intestazioni) {
    return Richiesta(sessione, "GET", indirizzo, intestazioni, {});
}

Pagina InviaModulo(ISessioneHttp& sessione, const std::string& indirizzo,
                   const std::string& intestazioni, const std::string& corpo) {
    return Richiesta(sessione, "POST", indirizzo, intestazioni, corpo);
}

RispostaHttp InviaDati(ISessioneHttp& sessione, const std::string& indirizzo,
                       const std::string& intestazioni, const std::string& corpo) {
    RichiestaHttp r;
    r.metodo = "POST";
    r.indirizzo = indirizzo;
    r.intestazioni = intestazioni;
    r.corpo = corpo;
    r.ricaricaDallOrigine = true;
    r.maxCorpo = 1 << 20;
    return sessione.Esegui(r);
}

bool LettoreRisposta::LeggiRiga(std::string& riga) {
    if (p_ >= t_.size()) return false;
    const auto fine = t_.find('\n', p_);
    const std::size_t f = fine == std::string_view::npos ? t_.size() : fine;
    riga.assign(t_.substr(p_, f - p_));
    if (!riga.empty() && riga.back() == '\r') riga.pop_back();
    p_ = fine == std::string_view::npos ? t_.size() : fine + 1;
    return true;
}

std::string_view LettoreRisposta::LeggiBlocco(std::size_t n) {
    const std::string_view b = t_.substr(std::min(p_, t_.size()), n);
    p_ += b.size();
    return b;
}

std::string CodificaModulo(std::string_view testo) {
    static const char* kCifre = "0123456789ABCDEF";
    std::string r;
    for (unsigned char c : testo) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
            c == '_' || c == '.' || c == '~')
            r += static_cast<char>(c);
        else if (c == ' ')
            r += '+';
        else {
            r += '%';
            r += kCifre[c >> 4];
            r += kCifre[c & 15];
        }
    }
    return r;
}

std::optional<std::string> DecodificaModulo(std::string_view testo) {
    auto cifra = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    std::string r;
    for (std::size_t i = 0; i < testo.size(); ++i) {
        const char c = testo[i];
        if (c == '+')
            r += ' ';
        else if (c == '%') {
            if (i + 2 >= testo.size()) return std::nullopt;
            const int a = cifra(testo[i + 1]), b = cifra(testo[i + 2]);
            if (a < 0 || b < 0) return std::nullopt;
            r += static_cast<char>(a * 16 + b);
            i += 2;
        } else
            r += c;
    }
    return r;
}

} // namespace veltra
