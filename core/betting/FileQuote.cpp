#include "betting/FileQuote.h"

#include "betting/RicalcolaEventi.h"
#include "betting/ScommessaMgr.h"
#include "dati/FileAtomico.h"
#include "dati/Testo1252.h"
#include "platform/Messaggi.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace veltra {

namespace {

// "%f": six decimals, C conventions (to_chars ignores the locale).
void AggiungiNumero(std::string& s, float v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<double>(v),
                                 std::chars_format::fixed, 6);
    s.append(buf, r.ptr);
}

void AggiungiIntero(std::string& s, long v) { s += std::to_string(v); }

std::string Token(const std::string& utf8) {
    std::string t = A1252(utf8);
    for (char& c : t)
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f') c = '_';
    return t.empty() ? std::string("-") : t;
}

// The 27 numbers in the order of the archive record.
template <class F> void PerOgniNumero(F f) {
    for (int gruppo = 0; gruppo < kVociQuota; gruppo += 3)
        for (int tipo = 0; tipo < 3; ++tipo)
            for (int k = gruppo; k < gruppo + 3; ++k)
                f(tipo, k);
}

struct ErroreQuote : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Lettore {
public:
    explicit Lettore(std::string_view t) : t_(t) {}

    std::string_view Parola(const char* cosa) {
        while (pos_ < t_.size() && Spazio(t_[pos_]))
            ++pos_;
        if (pos_ >= t_.size()) throw ErroreQuote(std::string("il file finisce prima di: ") + cosa);
        const std::size_t inizio = pos_;
        while (pos_ < t_.size() && !Spazio(t_[pos_]))
            ++pos_;
        return t_.substr(inizio, pos_ - inizio);
    }
    long Intero(const char* cosa) {
        const std::string_view p = Parola(cosa);
        long v = 0;
        const char* fine = p.data() + p.size();
        const char* inizio = p.data();
        if (inizio != fine && *inizio == '+') ++inizio;
        const auto r = std::from_chars(inizio, fine, v);
        if (r.ec != std::errc() || r.ptr != fine)
            throw ErroreQuote(std::string("numero non valido in ") + cosa + ": " + std::string(p));
        return v;
    }
    float Numero(const char* cosa) {
        const std::string_view p = Parola(cosa);
        float v = 0;
        const char* fine = p.data() + p.size();
        const char* inizio = p.data();
        if (inizio != fine && *inizio == '+') ++inizio;
        const auto r = std::from_chars(inizio, fine, v, std::chars_format::general);
        if (r.ec != std::errc() || r.ptr != fine || !std::isfinite(v))
            throw ErroreQuote(std::string("numero non valido in ") + cosa + ": " + std::string(p));
        return v;
    }

private:
    static bool Spazio(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    }
    std::string_view t_;
    std::size_t pos_ = 0;
};

std::string Nome(std::string_view token, const char* cosa) {
    if (token.size() > Evento::kLunghezzaNome)
        throw ErroreQuote(std::string(cosa) + " piu' lungo di 15 caratteri: " + std::string(token));
    return Da1252(token);
}

} // namespace

std::string ScriviQuote(const ScommessaMgr& m, char versioneDati) {
    std::string s;
    s.reserve(64 * 1024);
    s += versioneDati;
    s += ' ';
    AggiungiIntero(s, m.nEventi);
    s += ' ';
    AggiungiIntero(s, m.tipoPronostico);
    s += " \n";
    const float riga2[] = {m.minProb1, m.minProbX, m.minProb2,    m.maxProb1,
                           m.maxProbX, m.maxProb2, m.minProbDoppia};
    for (int i = 0; i < 7; ++i) {
        if (i) s += ' ';
        AggiungiNumero(s, riga2[i]);
    }
    s += '\n';
    const float riga3[] = {m.minEquita, m.maxEquita, m.minQuota, m.maxQuota};
    for (int i = 0; i < 4; ++i) {
        if (i) s += ' ';
        AggiungiNumero(s, riga3[i]);
    }
    s += '\n';
    AggiungiIntero(s, m.doppieCalcolate);
    s += " \n";
    for (int c = 0; c < kNumeroCampionati; ++c) {
        AggiungiIntero(s, m.conEventi[c]);
        s += ' ';
        AggiungiIntero(s, m.giornata[c]);
        s += '\n';
    }
    for (int c = 0; c < kNumeroCampionati; ++c)
        s += m.inclusi[c] ? "1\n" : "0\n";
    for (const Evento& e : m.eventi) {
        AggiungiIntero(s, e.numero);
        s += ' ';
        AggiungiIntero(s, e.campionato);
        s += ' ';
        s += Token(e.casa);
        s += ' ';
        s += Token(e.trasferta);
        PerOgniNumero([&](int tipo, int k) {
            s += ' ';
            AggiungiNumero(s, tipo == 0 ? e.quote[k] : tipo == 1 ? e.prob[k] : e.equita[k]);
        });
        s += ' ';
        s += Token(e.data);
        s += '\n';
    }
    return s;
}

std::optional<ScommessaMgr> LeggiQuote(std::string_view testo, std::string* errore) {
    try {
        Lettore l(testo);
        ScommessaMgr m;
        if (l.Parola("versione").size() != 1) throw ErroreQuote("versione non valida");
        m.nEventi = static_cast<std::int32_t>(l.Intero("numero di eventi"));
        if (m.nEventi < 0 || m.nEventi > kMaxEventi) throw ErroreQuote("numero di eventi non valido");
        const long tipo = l.Intero("tipo di pronostico");
        if (tipo < 0 || tipo >= kTipiPronostico) throw ErroreQuote("tipo di pronostico non valido");
        m.tipoPronostico = static_cast<std::int32_t>(tipo);
        for (float* v : {&m.minProb1, &m.minProbX, &m.minProb2, &m.maxProb1, &m.maxProbX,
                         &m.maxProb2, &m.minProbDoppia})
            *v = l.Numero("criteri");
        for (float* v : {&m.minEquita, &m.maxEquita, &m.minQuota, &m.maxQuota})
            *v = l.Numero("criteri");
        const long doppie = l.Intero("doppie calcolate");
        if (doppie < -32768 || doppie > 32767) throw ErroreQuote("doppie calcolate non valide");
        m.doppieCalcolate = static_cast<std::int16_t>(doppie);
        for (int c = 0; c < kNumeroCampionati; ++c) {
            const long con = l.Intero("campionati"), g = l.Intero("campionati");
            if (con < INT32_MIN || con > INT32_MAX || g < INT32_MIN || g > INT32_MAX)
                throw ErroreQuote("campionati: numero fuori scala");
            m.conEventi[c] = static_cast<std::int32_t>(con);
            m.giornata[c] = static_cast<std::int32_t>(g);
        }
        for (int c = 0; c < kNumeroCampionati; ++c)
            m.inclusi[c] = l.Intero("campionati inclusi") == 1;
        for (int i = 0; i < kMaxEventi; ++i) {
            Evento e;
            const long numero = l.Intero("eventi");
            if (numero < 0 || numero > Evento::kNumeroVuoto) throw ErroreQuote("numero d'evento non valido");
            e.numero = static_cast<std::int32_t>(numero);
            const long c = l.Intero("eventi");
            if (c < -1 || c >= kNumeroCampionati) throw ErroreQuote("campionato non valido");
            e.campionato = static_cast<std::int16_t>(c);
            e.casa = Nome(l.Parola("eventi"), "nome della squadra di casa");
            e.trasferta = Nome(l.Parola("eventi"), "nome della squadra in trasferta");
            PerOgniNumero([&](int tipo, int k) {
                const float v = l.Numero("eventi");
                (tipo == 0 ? e.quote : tipo == 1 ? e.prob : e.equita)[k] = v;
            });
            std::string data = Da1252(l.Parola("eventi"));
            for (char& ch : data)
                if (ch == '_') ch = ' ';
            e.data = data;
            if (i < m.nEventi) {
                if (e.vuoto()) throw ErroreQuote("evento vuoto tra quelli inseriti");
                // Estimates outside 0..1 (written before they were bounded)
                // would keep the event out of every selection.
                CorreggiProbabilitaEvento(e);
                m.eventi[i] = std::move(e);
            }
            // Slots past the count stay empty whatever the file says.
        }
        return m;
    } catch (const ErroreQuote& e) {
        if (errore) *errore = e.what();
        return std::nullopt;
    }
}

bool SalvaQuote(const ScommessaMgr& m, const std::filesystem::path& file, IMessaggi& messaggi,
                char versioneDati) {
    bool creato = false;
    SalvataggioAtomico s;
    if (!s.Prepara(file, ScriviQuote(m, versioneDati), &creato) || !s.Conferma()) {
        messaggi.Errore(creato ? kErroreSalvataggioQuote : kErroreAperturaQuote);
        return false;
    }
    return true;
}

bool SalvaQuoteInsieme(const std::vector<QuoteDaSalvare>& settimane,
                       const std::filesystem::path& cartella, IMessaggi& messaggi,
                       char versioneDati) {
    SalvataggioAtomico s;
    bool ok = true;
    for (const QuoteDaSalvare& q : settimane) {
        ok = s.Prepara(cartella / q.nome, ScriviQuote(*q.settimana, versioneDati));
        if (!ok) break;
    }
    if (!ok || !s.Conferma()) {
        messaggi.Errore(std::string(kErroreSalvataggioQuote) + "\n" + s.Errore());
        return false;
    }
    return true;
}

bool CaricaQuoteSalvate(ScommessaMgr& m, const std::filesystem::path& file, IMessaggi& messaggi) {
    const LetturaFile f = LeggiFileControllato(file);
    if (!f.testo) {
        messaggi.Errore(kErroreAperturaQuote);
        return false;
    }
    auto letto = LeggiQuote(*f.testo);
    if (!letto) {
        messaggi.Errore(kErroreCaricamentoQuote);
        return false;
    }
    m = std::move(*letto);
    m.SvuotaScommesse();
    return true;
}

bool CaricaQuote(ScommessaMgr& m, const std::filesystem::path& file, DatiCampionati& dati,
                 IMessaggi& messaggi) {
    if (!CaricaQuoteSalvate(m, file, messaggi)) return false;
    if (m.nEventi > 0) RicalcolaEventi(m, dati, &messaggi);
    return true;
}

std::string NomeProposto(const std::tm& t) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%d %02dh%02dm%02ds", t.tm_mday, t.tm_mon + 1,
                  t.tm_year + 1900, t.tm_hour, t.tm_min, t.tm_sec);
    return buf;
}

} // namespace veltra
