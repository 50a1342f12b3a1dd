#include "betting/Puntate.h"

#include <cstdio>
#include <cstdlib>

namespace veltra {

std::vector<double> QuoteDelleGiocate(const CStrategiaDesc& s, const std::vector<VoceScommessa>& gambe) {
    std::vector<double> q;
    for (const auto& g : s.giocate) {
        double x = 1;
        for (auto i : g)
            if (i >= 0 && static_cast<std::size_t>(i) < gambe.size())
                x *= gambe[static_cast<std::size_t>(i)].quota;
        q.push_back(x);
    }
    return q;
}

std::vector<double> QuoteDiSpesa(const std::vector<double>& quote) {
    double somma = 0;
    for (double q : quote)
        if (q > 0) somma += 1 / q;
    std::vector<double> s;
    for (double q : quote)
        s.push_back(q > 0 && somma > 0 ? (1 / q) / somma : 0.0);
    return s;
}

std::optional<double> LeggiImporto(std::string_view testo, std::string* errore) {
    std::string n = "0";
    int separatori = 0;
    for (char c : testo) {
        if (c >= '0' && c <= '9') {
            n += c;
        } else if (c == ',' || c == '.') {
            if (++separatori == 1) n += '.';
        }
    }
    if (separatori > 1) {
        // "1.234,50" read as 1.2345 would split a budget a thousand times too
        // small without a word.
        if (errore)
            *errore = "L'importo \"" + std::string(testo) +
                      "\" non e' valido: va scritto senza separatore delle migliaia, con al "
                      "piu' una virgola (o un punto) prima dei decimali, ad esempio 1234,50.";
        return std::nullopt;
    }
    return std::strtod(n.c_str(), nullptr);
}

std::vector<std::string> RigheDistribuzione(const CStrategiaDesc& s,
                                            const std::vector<VoceScommessa>& gambe, double budget) {
    const auto q = QuoteDelleGiocate(s, gambe);
    const auto quota = QuoteDiSpesa(q);
    std::vector<std::string> r;
    char t[200];
    for (std::size_t i = 0; i < s.giocate.size(); ++i) {
        std::snprintf(t, sizeof t, "Giocata n.%zu", i + 1);
        r.emplace_back(t);
        for (auto e : s.giocate[i]) {
            if (e < 0 || static_cast<std::size_t>(e) >= gambe.size()) continue;
            const VoceScommessa& v = gambe[static_cast<std::size_t>(e)];
            std::snprintf(t, sizeof t, "Evento %c: %s-%s %s", 'A' + e, v.casa.c_str(), v.trasferta.c_str(),
                          v.segno.c_str());
            r.emplace_back(t);
        }
        std::snprintf(t, sizeof t, "Quota Totale:%.2f", q[i]);
        r.emplace_back(t);
        std::snprintf(t, sizeof t, "Percentuale di spesa:%.1f%%", quota[i] * 100);
        r.emplace_back(t);
        std::snprintf(t, sizeof t, "Puntata:%.2f", budget * quota[i]);
        r.emplace_back(t);
        std::snprintf(t, sizeof t, "Vincita attesa:%.2f", q[i] * quota[i] * budget);
        r.emplace_back(t);
        r.emplace_back("======");
    }
    return r;
}

} // namespace veltra
