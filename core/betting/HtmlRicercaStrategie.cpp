#include "betting/HtmlRicercaStrategie.h"

#include "betting/TestiRicercaStrategie.h"

namespace veltra {

namespace {

constexpr const char* kStile =
    "<style>\n"
    "body { font-family: sans-serif; }\n"
    "h2 { text-align: center; }\n"
    "table { border-collapse: collapse; }\n"
    "td { padding: 2px 6px; text-align: center; border: 1px solid #ccc; }\n"
    ".TITOLO { font-weight: bold; font-size: 110%; text-align: center; }\n"
    ".INTROS { font-weight: bold; color: #a00000; background: #fff0f0; }\n"
    ".INTVER { font-weight: bold; color: #006000; background: #f0fff0; }\n"
    ".TESTONER { font-weight: bold; color: #000000; }\n"
    ".TESTOVER { color: #006000; }\n"
    ".TESTONER0 { color: #000000; }\n"
    ".TESTOVER0 { color: #808080; }\n"
    "</style>\n";

} // namespace

// The page's heading.
std::string InizioPaginaRicercaHtml(const ParametriRicerca& p, const DataOra& oggi) {
    std::string h = "<html><head><meta charset=\"utf-8\"><title>TALBOR - Ricerca Strategie</title>\n";
    h += kStile;
    h += "</head><body><center>\n<h2>TALBOR<br>\nAnalisi strategie con eventi del bookmaker ";
    h += NomeBookmakerRicerca(p.bookmaker);
    h += "<br>\nPeriodo di analisi: ";
    AggiungiFormato(h, "%d/%d/%d - %d/%d/%d<br>\n%s</h2>\n", p.dataInizio.giorno, p.dataInizio.mese,
           p.dataInizio.anno, oggi.giorno, oggi.mese, oggi.anno,
           p.maxRendimento ? "Max Rendimento" : "Max Frequenza di vincita");
    if (p.verificaDal)
        AggiungiFormato(h,
               "<p class=INTROS>Ricerca sulle settimane prima del %d/%d/%d; verifica sulle "
               "settimane da quella data in poi.</p>\n",
               p.verificaDal->giorno, p.verificaDal->mese, p.verificaDal->anno);
    return h;
}

std::string InizioSegnoRicercaHtml(char segno, int disponibili, int minUtili,
                                  const std::string& gruppo) {
    std::string h;
    AggiungiFormato(h, "<p class=TITOLO>PRONOSTICI: Segni '%c'", SegnoMostrato(segno));
    AggiungiFormato(h, " - Settimane disponibili: %d - Min.settimane valide: %d%%<br>\n", disponibili,
           minUtili);
    AggiungiFormato(h, "Campionati Inclusi: %s</p>\n<table>", gruppo.c_str());
    return h;
}

std::string IntestazioneGruppoRicercaHtml(const char* gruppo, bool verifica) {
    std::string h = "<tr><td class=INTROS>Ordinamento:<br>";
    h += gruppo;
    h += "</td>";
    for (const char* c :
         {"Rendimento", "Max Ritardo", "Settimane Vincenti", "Settimane Totali", "Min. Prob.'1'",
          "Max. Prob.'1'", "Min. Prob.'X'", "Max. Prob.'X'", "Min. Prob.'2'", "Max. Prob.'2'",
          "Min. Equit&agrave;", "Max. Equit&agrave;", "Min. Quota", "Max. Quota"})
        h += std::string("<td class=INTVER>") + c + "</td>";
    if (verifica)
        for (const char* c : {"Rendimento verifica", "Settimane Vincenti verifica",
                              "Settimane Totali verifica"})
            h += std::string("<td class=INTROS>") + c + "</td>";
    return h + "</tr>\n";
}

std::string RigaRicercaHtml(int tipo, int ordinamento, const MiglioreGiocata& b, int disponibili,
                     const VincitoreRicerca* v) {
    const bool positivo = b.guadagno > 0 && b.giocabili > 0;
    const char* ner = positivo ? "TESTONER" : "TESTONER0";
    const char* ver = positivo ? "TESTOVER" : "TESTOVER0";
    std::string h;
    AggiungiFormato(h, "<tr><td class=%s>%s %s</td>", ner, NomeTipoGiocata(tipo),
           EtichettaOrdinamentoRicerca(ordinamento));
    auto cella = [&](const std::string& t) { h += std::string("<td class=") + ver + ">" + t + "</td>"; };
    std::string t;
    if (positivo) {
        const double g = b.giocabili;
        AggiungiFormato(t, "%.1f%%", b.guadagno / g * 100), cella(t), t.clear();
        AggiungiFormato(t, "%d", b.maxRitardo), cella(t), t.clear();
        AggiungiFormato(t, "%d (%.1f%%)", b.vincenti, b.vincenti / g * 100), cella(t), t.clear();
        AggiungiFormato(t, "%d (%.1f%%)", b.giocabili, disponibili > 0 ? g / disponibili * 100 : 0.0),
            cella(t), t.clear();
        const LimitiCandidato& l = b.limiti;
        for (float x : {l.minProb1, l.maxProb1, l.minProbX, l.maxProbX, l.minProb2, l.maxProb2})
            AggiungiFormato(t, "%.0f%%", PercentoLimite(x)), cella(t), t.clear();
        AggiungiFormato(t, "%+.0f%%", PercentoEquitaLimite(l.minEquita)), cella(t), t.clear();
        AggiungiFormato(t, "%+.0f%%", PercentoEquitaLimite(l.maxEquita)), cella(t), t.clear();
        AggiungiFormato(t, "%.2f", static_cast<double>(l.minQuota)), cella(t), t.clear();
        AggiungiFormato(t, "%.2f", static_cast<double>(l.maxQuota)), cella(t), t.clear();
    } else {
        cella("0.0%"), cella("0"), cella("0 (0.0%)"), cella("0 (0.0%)");
        for (int k = 0; k < 6; ++k)
            cella("0%");
        cella("+0%"), cella("+0%"), cella("0.00"), cella("0.00");
    }
    if (v && v->rendimentoVerifica) {
        const double g = v->giocabiliVerifica;
        AggiungiFormato(t, "%+.1f%%", *v->rendimentoVerifica * 100), cella(t), t.clear();
        AggiungiFormato(t, "%d (%.1f%%)", v->vincentiVerifica, g > 0 ? v->vincentiVerifica / g * 100 : 0.0),
            cella(t), t.clear();
        AggiungiFormato(t, "%d (%.1f%%)", v->giocabiliVerifica,
               v->settimaneVerifica > 0 ? g / v->settimaneVerifica * 100 : 0.0),
            cella(t), t.clear();
    }
    return h + "</tr>\n";
}

} // namespace veltra
