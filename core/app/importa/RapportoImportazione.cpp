#include "app/importa/RapportoImportazione.h"

#include <cstdio>
#include <set>
#include <string_view>

namespace veltra {

namespace {

// Text from a source file as the report shows it: control characters (a NUL
// byte would end the printed report there) as '?', and at most `massimo`
// bytes, cut between characters, with "..." after a cut.
std::string Mostrabile(std::string_view s, std::size_t massimo) {
    std::string t;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (t.size() >= massimo) {
            while (!t.empty() && (static_cast<unsigned char>(t.back()) & 0xC0) == 0x80) t.pop_back();
            if (!t.empty() && static_cast<unsigned char>(t.back()) >= 0xC0) t.pop_back();
            return t + "...";
        }
        const unsigned char c = static_cast<unsigned char>(s[i]);
        t += (c < 0x20 && c != '\n') || c == 0x7F ? '?' : s[i];
    }
    return t;
}

} // namespace

int RapportoImportazione::incontriAggiunti() const {
    int n = 0;
    for (const auto& s : stagioni)
        n += s.incontri;
    return n;
}

std::string RapportoImportazione::Testo() const {
    std::string t;
    char buf[256];
    if (!ok())
        return "Importazione non eseguita: " + Mostrabile(errore, 400) +
               "\nNessun file e' stato modificato.\n";
    int vuote = 0;
    for (const auto& s : stagioni)
        vuote += s.incontri == 0 && s.squadre == 0;
    // Clubs, not team places: one club over many seasons counts once.
    std::set<std::string> club;
    for (const auto& n : nomi)
        club.insert(n.nome);
    std::snprintf(buf, sizeof buf,
                  "%s: %d stagioni aggiunte (%d vuote) alle %d presenti, %d incontri aggiunti, "
                  "%d squadre.\n",
                  campionato.c_str(), static_cast<int>(stagioni.size()), vuote, stagioniPrima,
                  incontriAggiunti(), static_cast<int>(club.size()));
    t += buf;
    t += "\nStagioni:\n";
    for (const auto& s : stagioni) {
        std::snprintf(buf, sizeof buf, "  %3d  %d  %-9s  %2d squadre  %4d incontri", s.numero,
                      s.annoInizio, s.etichetta.empty() ? "-" : s.etichetta.c_str(), s.squadre,
                      s.incontri);
        t += buf;
        if (s.assegnate > 0) t += "  (" + std::to_string(s.assegnate) + " a tavolino)";
        if (s.calendario > 0) t += "  " + std::to_string(s.calendario) + " da giocare";
        if (s.etichetta.empty()) t += "  vuota: assente dalle fonti";
        if (!s.nota.empty()) t += "  vuota: " + s.nota;
        for (const auto& f : s.file)
            t += "  " + Mostrabile(f, 200);
        t += "\n";
    }
    t += "\nNomi delle squadre (fonte -> programma):\n";
    for (const auto& n : nomi)
        t += "  " + Mostrabile(n.fonte, 60) + " -> " + Mostrabile(n.nome, 60) +
             (n.daAlias ? "" : "   [regola]") + "\n";
    t += "\nRighe scartate: " + std::to_string(scartate.size()) + "\n";
    for (const auto& r : scartate)
        t += "  " + Mostrabile(r.origine.Testo(), 200) + ": " + Mostrabile(r.motivo, 200) + "\n";
    if (!avvisi.empty()) {
        t += "\nAvvisi: " + std::to_string(avvisi.size()) + "\n";
        for (const auto& r : avvisi)
            t += "  " + Mostrabile(r.origine.Testo(), 200) + ": " + Mostrabile(r.motivo, 200) +
                 "\n";
    }
    return t;
}

} // namespace veltra
