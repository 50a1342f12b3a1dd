#include "betting/TestiRicercaStrategie.h"

#include <cstdarg>
#include <cstdio>

namespace veltra {

void AggiungiFormato(std::string& s, const char* formato, ...) {
    va_list a;
    va_start(a, formato);
    va_list b;
    va_copy(b, a);
    const int n = std::vsnprintf(nullptr, 0, formato, a);
    va_end(a);
    if (n > 0) {
        const std::size_t prima = s.size();
        s.resize(prima + static_cast<std::size_t>(n) + 1);
        std::vsnprintf(s.data() + prima, static_cast<std::size_t>(n) + 1, formato, b);
        s.resize(prima + static_cast<std::size_t>(n));
    }
    va_end(b);
}

double PercentoLimite(float v) { return static_cast<double>(v * 100); }
double PercentoEquitaLimite(float v) { return static_cast<double>((v - 1) * 100); }
char SegnoMostrato(char segno) { return segno == 'x' ? 'X' : segno; }

namespace {

const char* EtichettaOrdinamento(int o) {
    switch (o) {
    case 0: return "MAX.PROB.\t";
    case 1: return "MIN.PROB.'2'\t";
    case 2: return "EQUITA'\t";
    default: return "QUOTE\t";
    }
}

} // namespace

std::string IntestazioneTestoRicerca() {
    return "ORDINAMENTO\tSERIE INCLUSE\tRENDIMENTO\tRITARDO MAX.\tSETTIMANE VINCENTI\t% "
           "SETT.VINCENTI\tSETTIMANE TOTALI\t% SETT.TOTALI\tMIN P1\tMAX P1\tMIN PX\tMAX PX\tMIN "
           "P2\tMAX P2\tMIN E\tMAX E\tMIN Q\tMAX Q\n";
}

std::string RigaTestoRicerca(int ordinamento, const std::string& gruppo, const MiglioreGiocata& b,
                             int settimaneDisponibili) {
    std::string s = EtichettaOrdinamento(ordinamento);
    s += gruppo;
    s += '\t';
    const double g = b.giocabili;
    AggiungiFormato(s, "%.1f%%\t%d\t%d\t%.1f%%\t%d\t%.1f%%\t", b.guadagno / g * 100, b.maxRitardo,
             b.vincenti, b.vincenti / g * 100, b.giocabili,
             g / settimaneDisponibili * 100);
    const LimitiCandidato& l = b.limiti;
    for (float v : {l.minProb1, l.maxProb1, l.minProbX, l.maxProbX, l.minProb2, l.maxProb2})
        AggiungiFormato(s, "%.0f%%\t", PercentoLimite(v));
    AggiungiFormato(s, "%+.0f%%\t%+.0f%%\t%.2f\t%.2f\n", PercentoEquitaLimite(l.minEquita),
             PercentoEquitaLimite(l.maxEquita), static_cast<double>(l.minQuota),
             static_cast<double>(l.maxQuota));
    return s;
}

std::string TestoRisultatoStrategia(const DataOra& oggi, int bookmaker, bool maxRendimento,
                                    int settimaneDisponibili, const MiglioreGiocata& b) {
    std::string s;
    const char* criterio = maxRendimento ? "Max Rendimento" : "Max Frequenza di vincita";
    if (b.guadagno > 0 && b.giocabili > 0) {
        const double g = b.giocabili;
        AggiungiFormato(s, "%d/%d/%d - %s - %s\r\r\nSettimane: %d\r\r\n", oggi.giorno, oggi.mese,
                 oggi.anno, NomeBookmakerRicerca(bookmaker), criterio, settimaneDisponibili);
        AggiungiFormato(s,
                 "Rendimento: %.1f%%\r\r\nMax.Ritardo: %d\r\r\nSettimane Vincenti: %d "
                 "(%.1f%%)\r\r\nSettimane Totali: %d (%.1f%%)\r\r\n",
                 b.guadagno / g * 100, b.maxRitardo, b.vincenti, b.vincenti / g * 100, b.giocabili,
                 settimaneDisponibili > 0 ? g / settimaneDisponibili * 100 : 0.0);
    } else {
        AggiungiFormato(s, "%d/%d/%d - %s - %s\r\r\nSettimane:% d\r\r\nRendimento negativo\r\r\n",
                 oggi.giorno, oggi.mese, oggi.anno, NomeBookmakerRicerca(bookmaker), criterio,
                 settimaneDisponibili);
    }
    return s;
}

std::string TestoInizioCampionato(const std::string& nomeCampionato) {
    return "RICERCA SUL CAMPIONATO DI " + nomeCampionato + "...\r\r\n\r\r\n";
}

std::string TestoInizioSegno(char segno) {
    std::string s;
    AggiungiFormato(s, "Ricerca sui pronostici '%c'...\r\r\n\r\r\n", SegnoMostrato(segno));
    return s;
}

std::string TestoFineSegno(char segno) {
    std::string s;
    AggiungiFormato(s, "Ricerca sui pronostici '%c' conclusa.\r\r\n\r\r\n\r\r\n\r\r\n",
             SegnoMostrato(segno));
    return s;
}

std::string TestoInizioRicerca() { return "Inizio ricerca. Attendere prego...\r\r\n\r\r\n"; }

std::string TestoEquitaMin(float minEquita) {
    std::string s;
    AggiungiFormato(s, "Ricerche con equita' min: %+.0f%%...\r\r\n", PercentoEquitaLimite(minEquita));
    return s;
}

std::string TestoEquitaMax(float minEquita, float maxEquita) {
    std::string s;
    AggiungiFormato(s, "Ricerche con equita' max: %+.0f%% (con min: %+.0f%%)...\r\r\n",
             PercentoEquitaLimite(maxEquita), PercentoEquitaLimite(minEquita));
    return s;
}

std::string TestoFineEquitaMin(float minEquita) {
    std::string s;
    AggiungiFormato(s, "Concluse tutte le ricerche con equita' min: %+.0f%%.\r\r\n\r\r\n",
             PercentoEquitaLimite(minEquita));
    return s;
}

const char* EtichettaOrdinamentoRicerca(int ordinamento) {
    switch (ordinamento) {
    case 0: return "Max.P";
    case 1: return "Min.P2";
    case 2: return "Max.E";
    default: return "Max.Q";
    }
}

namespace {
double Quota(int parte, int tutto) { return tutto > 0 ? 100.0 * parte / tutto : 0.0; }
} // namespace

std::string RigaVincitore(const VincitoreRicerca& v) {
    std::string s;
    std::string gruppo = v.gruppo;
    while (!gruppo.empty() && gruppo.back() == ' ')
        gruppo.pop_back();
    AggiungiFormato(s, "'%c' [%s] %s %s: rendimento %+.1f%%, vincenti %d su %d (%.1f%%), giocabili %d su %d (%.1f%%), ritardo max %d",
             SegnoMostrato(v.segno), gruppo.c_str(), NomeTipoGiocata(v.tipo),
             EtichettaOrdinamentoRicerca(v.ordinamento),
             v.giocabili > 0 ? v.rendimento * 100 : 0.0, v.vincenti, v.giocabili,
             Quota(v.vincenti, v.giocabili), v.giocabili, v.settimane,
             Quota(v.giocabili, v.settimane), v.maxRitardo);
    const LimitiCandidato& l = v.limiti;
    AggiungiFormato(s, "; P1 %.0f%%/%.0f%% PX %.0f%%/%.0f%% P2 %.0f%%/%.0f%% E %+.0f%%/%+.0f%% Q %.2f/%.2f",
             PercentoLimite(l.minProb1), PercentoLimite(l.maxProb1), PercentoLimite(l.minProbX),
             PercentoLimite(l.maxProbX), PercentoLimite(l.minProb2), PercentoLimite(l.maxProb2),
             PercentoEquitaLimite(l.minEquita), PercentoEquitaLimite(l.maxEquita),
             static_cast<double>(l.minQuota), static_cast<double>(l.maxQuota));
    if (v.rendimentoVerifica)
        AggiungiFormato(s, " | verifica: rendimento %+.1f%%, vincenti %d su %d (%.1f%%), giocabili %d su %d (%.1f%%)",
                 *v.rendimentoVerifica * 100, v.vincentiVerifica, v.giocabiliVerifica,
                 Quota(v.vincentiVerifica, v.giocabiliVerifica), v.giocabiliVerifica,
                 v.settimaneVerifica, Quota(v.giocabiliVerifica, v.settimaneVerifica));
    return s;
}

} // namespace veltra
