#include "app/importa/AccorciaNome.h"

#include "dati/Testo1252.h"
#include "app/importa/TestoSorgente.h"

#include <algorithm>
#include <array>
#include <vector>

namespace veltra {

namespace {

constexpr std::array<std::string_view, 34> kClubGenerici = {
    "AC", "ACF", "AFC", "AIF", "AS", "ASD", "BK",     "BoIS",    "CD",      "CF",      "CFC", "FBC",
    "FC", "FCO", "FF",  "FK",  "IF", "IK",  "IL",     "IS",      "KV",      "RC",      "SC",  "SK",
    "SS", "SSC", "SSD", "SV",  "UC", "US",  "Calcio", "Fotball", "Fodbold", "Football"};

// Letters of Latin Extended-A and a few others, with the letter Windows-1252
// can write in their place.
struct Traslitterazione {
    char32_t da;
    char a;
};
constexpr Traslitterazione kSenzaAccento[] = {
    {U'Ā', 'A'}, {U'ā', 'a'}, {U'Ă', 'A'}, {U'ă', 'a'}, {U'Ą', 'A'}, {U'ą', 'a'}, {U'Ć', 'C'},
    {U'ć', 'c'}, {U'Č', 'C'}, {U'č', 'c'}, {U'Ď', 'D'}, {U'ď', 'd'}, {U'Đ', 'D'}, {U'đ', 'd'},
    {U'Ē', 'E'}, {U'ē', 'e'}, {U'Ė', 'E'}, {U'ė', 'e'}, {U'Ę', 'E'}, {U'ę', 'e'}, {U'Ě', 'E'},
    {U'ě', 'e'}, {U'Ğ', 'G'}, {U'ğ', 'g'}, {U'Ī', 'I'}, {U'ī', 'i'}, {U'İ', 'I'}, {U'ı', 'i'},
    {U'Ľ', 'L'}, {U'ľ', 'l'}, {U'Ł', 'L'}, {U'ł', 'l'}, {U'Ń', 'N'}, {U'ń', 'n'}, {U'Ň', 'N'},
    {U'ň', 'n'}, {U'Ő', 'O'}, {U'ő', 'o'}, {U'Ř', 'R'}, {U'ř', 'r'}, {U'Ś', 'S'}, {U'ś', 's'},
    {U'Ş', 'S'}, {U'ş', 's'}, {U'Ţ', 'T'}, {U'ţ', 't'}, {U'Ť', 'T'}, {U'ť', 't'}, {U'Ū', 'U'},
    {U'ū', 'u'}, {U'Ů', 'U'}, {U'ů', 'u'}, {U'Ű', 'U'}, {U'ű', 'u'}, {U'Ź', 'Z'}, {U'ź', 'z'},
    {U'Ż', 'Z'}, {U'ż', 'z'}, {U'Ș', 'S'}, {U'ș', 's'}, {U'Ț', 'T'}, {U'ț', 't'}};

// Decodes one UTF-8 character at s[i]; advances i. Invalid bytes come back
// as themselves.
char32_t Carattere(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    int n = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
    if (n < 0 || i + static_cast<std::size_t>(n) >= s.size()) {
        ++i;
        return b;
    }
    char32_t c = n == 0 ? b : b & (0x3F >> n);
    for (int k = 1; k <= n; ++k) {
        const auto x = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((x & 0xC0) != 0x80) {
            ++i;
            return b;
        }
        c = (c << 6) | (x & 0x3F);
    }
    i += static_cast<std::size_t>(n) + 1;
    return c;
}

// Step 1: only what Windows-1252 can write.
std::string Scrivibile(std::string_view s) {
    std::string r;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t inizio = i;
        const char32_t c = Carattere(s, i);
        const std::string_view uno = s.substr(inizio, i - inizio);
        if (A1252(uno) != "?" || c == U'?') {
            r += uno;
            continue;
        }
        for (const auto& t : kSenzaAccento)
            if (t.da == c) r += t.a;
    }
    return r;
}

bool Numero(std::string_view w) {
    while (!w.empty() && w.back() == '.')
        w.remove_suffix(1);
    return !w.empty() &&
           std::all_of(w.begin(), w.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool Generico(std::string_view w) {
    // "A.C.R.", "F.C.": initials with full stops.
    if (w.size() >= 4 && w.back() == '.' &&
        std::all_of(w.begin(), w.end(), [](char c) { return c == '.' || (c >= 'A' && c <= 'Z'); }))
        return true;
    return std::find(kClubGenerici.begin(), kClubGenerici.end(), w) != kClubGenerici.end();
}

std::string Unisci(const std::vector<std::string>& parole) {
    std::string s;
    for (const auto& p : parole)
        s += (s.empty() ? "" : ".") + p;
    return s;
}

// The first n characters of a UTF-8 text.
std::string Primi(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < s.size(); ++k)
        Carattere(s, i);
    return std::string(s.substr(0, i));
}

} // namespace

std::string AccorciaNome(std::string_view nomeFonte) {
    std::vector<std::string> parole;
    // What a source adds in parentheses ("(1928-2018)") tells clubs apart in
    // its own pages, not in a season's list.
    std::string senzaParentesi;
    int livello = 0;
    for (char c : nomeFonte) {
        if (c == '(')
            ++livello;
        else if (c == ')' && livello > 0)
            --livello;
        else if (livello == 0)
            senzaParentesi += c;
    }
    const std::string scrivibile = Scrivibile(senzaParentesi);
    for (auto w : Parole(scrivibile))
        parole.emplace_back(w);
    std::vector<std::string> tenute;
    for (const auto& w : parole)
        if (!Generico(w) && !Numero(w)) tenute.push_back(w);
    if (tenute.empty()) tenute = parole; // a name made only of generic words stays whole
    std::string nome = Unisci(tenute);
    if (Lunghezza1252(nome) > 15 && tenute.size() > 1) {
        for (std::size_t k = 0; k + 1 < tenute.size(); ++k)
            tenute[k] = Primi(tenute[k], 3);
        nome = Unisci(tenute);
    }
    nome = Primi(nome, 15);
    while (!nome.empty() && nome.back() == '.')
        nome.pop_back();
    return nome;
}

} // namespace veltra
