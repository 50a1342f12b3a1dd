#include "dati/ParoleRiga.h"

#include <charconv>

namespace veltra {

std::vector<std::string_view> ParoleRiga(std::string_view riga) {
    std::vector<std::string_view> p;
    std::size_t i = 0;
    while (i < riga.size()) {
        while (i < riga.size() && (riga[i] == ' ' || riga[i] == '\t' || riga[i] == '\r')) ++i;
        const std::size_t inizio = i;
        while (i < riga.size() && riga[i] != ' ' && riga[i] != '\t' && riga[i] != '\r') ++i;
        if (i > inizio) p.push_back(riga.substr(inizio, i - inizio));
    }
    return p;
}

bool InteroRiga(std::string_view t, long& v) {
    if (t.empty()) return false;
    const auto [fine, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    return ec == std::errc() && fine == t.data() + t.size();
}

} // namespace veltra
