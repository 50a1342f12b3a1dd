#include "betting/HtmlStrategie.h"

#include "betting/SelezioneScommesse.h"
#include "betting/Strategie.h"
#include "dati/FileAtomico.h"

#include <cmath>
#include <cstdio>

namespace veltra {

namespace {

std::string Html(const std::string& t) {
    std::string r;
    for (char c : t) {
        switch (c) {
        case '<': r += "&lt;"; break;
        case '>': r += "&gt;"; break;
        case '&': r += "&amp;"; break;
        case '\n': r += "<br>\n"; break;
        default: r += c;
        }
    }
    return r;
}

std::string F(const char* formato, double a, double b) {
    char t[64];
    std::snprintf(t, sizeof t, formato, a, b);
    return t;
}

} // namespace

std::string TestoLimiti(const EventoStrategia& e, int quale) {
    switch (quale) {
    case 0: return F("%+.0f%% / %+.0f%%", std::round((e.minEquita - 1) * 100), std::round((e.maxEquita - 1) * 100));
    case 1: return F("%.2f / %.2f", e.minQuota, e.maxQuota);
    case 2: return F("%.0f%% / %.0f%%", e.minProb1 * 100.0, e.maxProb1 * 100.0);
    case 3: return F("%.0f%% / %.0f%%", e.minProbX * 100.0, e.maxProbX * 100.0);
    default: return F("%.0f%% / %.0f%%", e.minProb2 * 100.0, e.maxProb2 * 100.0);
    }
}

std::vector<std::string> DescrizioneEventoStrategia(const EventoStrategia& e, int indice) {
    std::vector<std::string> r;
    char t[200];
    std::snprintf(t, sizeof t, "EVENTO: %c", 'A' + indice);
    r.emplace_back(t);
    r.push_back("CAMPIONATI INCLUSI: " + TestoCampionatiInclusi(e));
    std::string tipo = e.tipo >= 0 && e.tipo < 14 ? kTestiTipoPronostico[static_cast<std::size_t>(e.tipo)] : "?";
    if (e.tipo >= 11 && e.doppieCalcolate) tipo += " (doppie calcolate)";
    r.push_back("TIPO PRONOSTICO: " + tipo);
    r.push_back("POSIZIONE OCCUPATA NELL'ORDINAMENTO: " + std::to_string(e.posizione));
    r.push_back("LIMITI DI EQUITA' DELL'EVENTO: " + TestoLimiti(e, 0));
    r.push_back("LIMITI DI QUOTA DELL'EVENTO: " + TestoLimiti(e, 1));
    r.push_back("LIMITI DI PROBABILITA' DEL SEGNO '1': " + TestoLimiti(e, 2));
    r.push_back("LIMITI DI PROBABILITA' DEL SEGNO 'X': " + TestoLimiti(e, 3));
    r.push_back("LIMITI DI PROBABILITA' DEL SEGNO '2': " + TestoLimiti(e, 4));
    std::snprintf(t, sizeof t, "PROBABILITA' MINIMA DELLA DOUBLE CHANCE: %.0f%%", e.minProbDoppia * 100.0);
    r.emplace_back(t);
    return r;
}

std::filesystem::path FileStatisticheHtml(const std::filesystem::path& cartella, int bookmaker,
                                          const std::tm& oggi) {
    char t[160];
    std::snprintf(t, sizeof t, "StatisticheStrategie-%s-%d-%d-%d.htm",
                  kCartelleBookmaker[static_cast<std::size_t>(bookmaker)], oggi.tm_mday, oggi.tm_mon + 1,
                  oggi.tm_year + 1900);
    return cartella / t;
}

std::filesystem::path FileGiocateHtml(const std::filesystem::path& cartella, const std::tm& a) {
    char t[160];
    std::snprintf(t, sizeof t, "StrategieCalcolate-%d-%d-%d-%d.%d.htm", a.tm_mday, a.tm_mon + 1,
                  a.tm_year + 1900, a.tm_hour, a.tm_min);
    return cartella / t;
}

std::string InizioPaginaHtml(const char* titolo) {
    return std::string("<html><head><meta charset=\"utf-8\"><title>") + titolo +
           "</title>\n<style>\n.TITOLO { font-weight: bold; text-align: center; }\n"
           ".TITOLOLEFT { font-weight: bold; text-align: left; }\n"
           ".TITOLOVER { font-weight: bold; writing-mode: vertical-rl; }\n"
           "td { padding: 2px 8px; }\n</style></head><body>\n";
}

std::string HtmlStatistiche(const CStrategiaDesc& s, int posizione, int bookmaker,
                            const DataSettimana& inizio, const DataSettimana& fine,
                            const StatisticheStrategia& st, const std::string& png) {
    std::string h = "<hr><h2>\n<center>Strategia n. " + std::to_string(posizione) + "<br>\n";
    h += "TITOLO: " + Html(s.nome) + "<br>\nDESCRIZIONE: " + Html(s.descrizione) + "</center></h2>\n";
    for (std::size_t i = 0; i < s.eventiStrategia.size(); ++i) {
        h += "<p>";
        for (const auto& r : DescrizioneEventoStrategia(s.eventiStrategia[i], static_cast<int>(i)))
            h += Html(r) + "<br>\n";
        h += "</p>\n";
    }
    for (std::size_t g = 0; g < s.giocate.size(); ++g) {
        h += "GIOCATA: " + std::to_string(g + 1) + " : ";
        for (std::size_t k = 0; k < s.giocate[g].size(); ++k) {
            h += k ? " - Evento " : "Evento ";
            h += static_cast<char>('A' + s.giocate[g][k]);
        }
        h += "<br>\n";
    }
    char t[400];
    std::snprintf(t, sizeof t,
                  "<p>BOOKMAKER: %s<br>\nPeriodo di analisi: %d/%d/%d - %d/%d/%d %s<br>\n"
                  "Settimane disponibili: %d</p>\n",
                  kNomiBookmaker[static_cast<std::size_t>(bookmaker)], inizio.giorno, inizio.mese, inizio.anno,
                  fine.giorno, fine.mese, fine.anno, s.maxRendimento ? "Max Rendimento" : "Max Frequenza di vincita",
                  st.disponibili);
    h += t;
    h += "<table border=1><tr class=TITOLO><td>Rendimento</td><td>Max Ritardo</td><td>Settimane "
         "Vincenti</td><td>Settimane Totali</td><td>Max Drawdown</td><td>Intervallo 90%</td></tr>\n";
    std::snprintf(t, sizeof t,
                  "<tr><td>%.1f%%</td><td>%d</td><td>%d (%.1f%%)</td><td>%d (%.1f%%)</td><td>%.2f</td>"
                  "<td>%.1f%% / %.1f%%</td></tr></table>\n",
                  st.rendimento(), st.ritardoMassimo, st.vincenti, st.percentualeVincenti(), st.giocabili,
                  st.percentualeGiocabili(), st.maxDrawdown, st.intervalloBasso, st.intervalloAlto);
    h += t;
    if (!png.empty()) h += "<p><img alt=\"grafico\" src=\"data:image/png;base64," + Base64(png) + "\"></p>\n";
    return h;
}

bool ScriviSezioneHtml(const std::filesystem::path& file, const std::string& titolo,
                       const std::string& sezione, bool* aggiunta) {
    const auto lettura = LeggiFileControllato(file);
    std::string pagina;
    if (lettura.testo) {
        pagina = *lettura.testo;
        const auto fine = pagina.rfind("</body>");
        if (fine != std::string::npos) pagina.erase(fine);
        pagina += sezione + kFinePaginaHtml;
        if (aggiunta) *aggiunta = true;
    } else {
        if (!lettura.mancante) return false;
        pagina = InizioPaginaHtml(titolo.c_str()) + sezione + kFinePaginaHtml;
        if (aggiunta) *aggiunta = false;
    }
    return ScriviFileAtomico(file, pagina);
}

std::string Base64(const std::string& b) {
    static constexpr char k[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string r;
    std::size_t i = 0;
    for (; i + 2 < b.size(); i += 3) {
        const unsigned v = (static_cast<unsigned char>(b[i]) << 16) | (static_cast<unsigned char>(b[i + 1]) << 8) |
                           static_cast<unsigned char>(b[i + 2]);
        r += k[v >> 18], r += k[(v >> 12) & 63], r += k[(v >> 6) & 63], r += k[v & 63];
    }
    if (i + 1 == b.size()) {
        const unsigned v = static_cast<unsigned char>(b[i]) << 16;
        r += k[v >> 18], r += k[(v >> 12) & 63], r += "==";
    } else if (i + 2 == b.size()) {
        const unsigned v = (static_cast<unsigned char>(b[i]) << 16) | (static_cast<unsigned char>(b[i + 1]) << 8);
        r += k[v >> 18], r += k[(v >> 12) & 63], r += k[(v >> 6) & 63], r += '=';
    }
    return r;
}

} // namespace veltra
