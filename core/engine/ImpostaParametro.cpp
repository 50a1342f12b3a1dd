#include "engine/ImpostaParametro.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace veltra {

namespace {

std::string_view Pulisci(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> Dividi(std::string_view s) {
    std::vector<std::string_view> parti;
    for (;;) {
        const auto p = s.find(',');
        parti.push_back(Pulisci(s.substr(0, p)));
        if (p == std::string_view::npos) break;
        s.remove_prefix(p + 1);
    }
    return parti;
}

std::optional<float> LeggiFloat(std::string_view t) {
    t = Pulisci(t);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    float v = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace

std::optional<long> LeggiIntero(std::string_view t) {
    t = Pulisci(t);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    long v = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size()) return std::nullopt;
    return v;
}

std::optional<float> LeggiDecimale(std::string_view t) {
    std::string s(Pulisci(t));
    if (s.find('.') == std::string::npos) {
        const auto virgola = s.find(',');
        if (virgola != std::string::npos && s.find(',', virgola + 1) == std::string::npos)
            s[virgola] = '.';
    }
    return LeggiFloat(s);
}

std::optional<std::string> ImpostaParametro(CCampionato& c, std::string_view nome,
                                            std::string_view valore) {
    const std::string n(nome);
    const std::string v(valore);
    auto intero16 = [&](std::int16_t& campo, long min, long max) -> std::optional<std::string> {
        const auto x = LeggiIntero(valore);
        if (!x || *x < min || *x > max)
            return n + ": valore non valido '" + v + "' (intero da " + std::to_string(min) +
                   " a " + std::to_string(max) + ")";
        campo = static_cast<std::int16_t>(*x);
        return std::nullopt;
    };
    auto decimale = [&](float& campo) -> std::optional<std::string> {
        const auto x = LeggiDecimale(valore);
        if (!x) return n + ": valore non valido '" + v + "' (numero decimale)";
        campo = *x;
        return std::nullopt;
    };
    CPunteggiAvanzati& p = c.punteggiAvanzati;

    if (n == "giornateAnalisi") return intero16(c.config.giornateAnalisi, 1, 5);
    if (n == "percentualiImportanza") {
        const auto parti = Dividi(valore);
        if (parti.size() != 5) return n + ": servono 5 valori separati da virgole";
        std::int16_t letti[5];
        for (int i = 0; i < 5; ++i) {
            const auto x = LeggiIntero(parti[static_cast<std::size_t>(i)]);
            if (!x || *x < 0 || *x > 1000) return n + ": valore non valido '" + v + "'";
            letti[i] = static_cast<std::int16_t>(*x);
        }
        std::copy(letti, letti + 5, c.config.percentualiImportanza);
        return std::nullopt;
    }
    if (n == "limiteMinCasa") return intero16(c.limiteMinCasa, -100, 100);
    if (n == "limiteMaxCasa") return intero16(c.limiteMaxCasa, -100, 100);
    if (n == "limiteMinTrasferta") return intero16(c.limiteMinTrasferta, -100, 100);
    if (n == "limiteMaxTrasferta") return intero16(c.limiteMaxTrasferta, -100, 100);
    if (n == "modificaAltaCasa") return decimale(p.modificaAltaCasa);
    if (n == "modificaBassaCasa") return decimale(p.modificaBassaCasa);
    if (n == "modificaAltaTrasferta") return decimale(p.modificaAltaTrasferta);
    if (n == "modificaBassaTrasferta") return decimale(p.modificaBassaTrasferta);
    if (n == "forteCasa") return decimale(p.forteCasa);
    if (n == "forteTrasferta") return decimale(p.forteTrasferta);
    if (n == "deboleCasa") return decimale(p.deboleCasa);
    if (n == "deboleTrasferta") return decimale(p.deboleTrasferta);
    if (n == "importanzaMin") return decimale(p.importanzaMin);
    if (n == "importanzaMax") return decimale(p.importanzaMax);
    if (n == "punti") {
        const auto parti = Dividi(valore);
        if (parti.size() != 18) return n + ": servono 18 valori separati da virgole";
        float letti[18];
        for (int i = 0; i < 18; ++i) {
            const auto x = LeggiFloat(parti[static_cast<std::size_t>(i)]);
            if (!x) return n + ": valore non valido '" + v + "'";
            letti[i] = *x;
        }
        std::copy(letti, letti + 18, p.punti);
        return std::nullopt;
    }
    if (n == "campionatiInclusi") {
        const auto x = LeggiIntero(valore);
        if (!x || *x < 1 || *x > 32767) return n + ": valore non valido '" + v + "'";
        p.campionatiInclusi = static_cast<std::int32_t>(*x);
        return std::nullopt;
    }
    if (n == "separaCasaTrasferta") {
        if (v != "0" && v != "1") return n + ": valore non valido '" + v + "' (0 o 1)";
        p.separaCasaTrasferta = v == "1";
        return std::nullopt;
    }
    return "parametro sconosciuto: " + n;
}

} // namespace veltra
