#include "betting/SalvaStrategiaTrovata.h"

#include "betting/TestiRicercaStrategie.h"

#include <cstdio>

namespace veltra {

std::string TestoGruppo(const std::vector<std::string>& codici) {
    std::string s;
    for (const auto& c : codici)
        s += c + ' ';
    return s;
}

std::vector<std::vector<std::int16_t>> GiocateDelTipo(int tipo) {
    switch (tipo) {
    case 0: return {{0}};
    case 1: return {{0, 1}};
    case 2: return {{0, 1, 2}};
    case 3: return {{0, 1, 2, 3}};
    case 4: return {{0, 1, 2, 3, 4}};
    case 5: return {{0, 1, 2, 3, 4, 5}};
    case 6: return {{0}, {1}};
    case 7: return {{0, 1}, {0, 2}, {1, 2}};
    case 8: return {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};
    case 9: return {{0, 1, 2}, {0, 1, 3}, {0, 2, 3}, {1, 2, 3}};
    case 10: return {{0, 1, 3}, {0, 3, 4}, {1, 2, 4}};
    case 11: return {{0, 1, 2}, {0, 1, 3}, {0, 2, 3}};
    default: return {};
    }
}

std::int16_t TipoEventoRicerca(int ordinamento, char segno) {
    static constexpr std::int16_t k1[] = {1, 0, 2, 3};
    static constexpr std::int16_t kX[] = {4, 7, 5, 6};
    static constexpr std::int16_t k2[] = {8, 7, 9, 10};
    const auto o = static_cast<std::size_t>(ordinamento < 0 ? 0 : ordinamento > 3 ? 3 : ordinamento);
    return segno == '1' ? k1[o] : segno == '2' ? k2[o] : kX[o];
}

namespace {

void ImpostaLimiti(EventoStrategia& e, const LimitiCandidato& l) {
    e.minProb1 = l.minProb1;
    e.maxProb1 = l.maxProb1;
    e.minProbX = l.minProbX;
    e.maxProbX = l.maxProbX;
    e.minProb2 = l.minProb2;
    e.maxProb2 = l.maxProb2;
    e.minEquita = l.minEquita;
    e.maxEquita = l.maxEquita;
    e.minQuota = l.minQuota;
    e.maxQuota = l.maxQuota;
}

LimitiCandidato LimitiEvento(const EventoStrategia& e) {
    LimitiCandidato l;
    l.minProb1 = e.minProb1;
    l.maxProb1 = e.maxProb1;
    l.minProbX = e.minProbX;
    l.maxProbX = e.maxProbX;
    l.minProb2 = e.minProb2;
    l.maxProb2 = e.maxProb2;
    l.minEquita = e.minEquita;
    l.maxEquita = e.maxEquita;
    l.minQuota = e.minQuota;
    l.maxQuota = e.maxQuota;
    return l;
}

std::string Formato(const char* f, double a, double b) {
    char buf[128];
    std::snprintf(buf, sizeof buf, f, a, b);
    return buf;
}

double D(float v) { return static_cast<double>(v); }

} // namespace

bool SalvaStrategiaTrovata(ListaStrategie& lista, std::int32_t& contatore,
                           const ContestoSalvataggio& c, int ordinamento, int tipo,
                           const MiglioreGiocata& b) {
    const std::string gruppo = TestoGruppo(c.codici);
    const std::string risultato =
        TestoRisultatoStrategia(c.oggi, c.bookmaker, c.maxRendimento, c.settimaneDisponibili, b);
    const bool positivo = b.guadagno > 0;

    CStrategiaDesc* trovata = nullptr;
    for (auto& s : lista.strategie) {
        const bool stessoOrdinamento =
            s.ordinamento == ordinamento ||
            (c.segno == '1' && s.ordinamento <= 1 && ordinamento <= 1);
        if (s.daRicerca && s.bookmaker == c.bookmaker && s.tipoGiocata == tipo &&
            s.segnoRicerca == c.segno && s.maxRendimento == c.maxRendimento &&
            s.gruppoCampionati == gruppo && stessoOrdinamento) {
            trovata = &s;
            break;
        }
    }

    if (!trovata) {
        if (!positivo)
            return false;
        CStrategiaDesc s;
        s.daRicerca = true;
        s.bookmaker = c.bookmaker;
        s.tipoGiocata = tipo;
        s.segnoRicerca = c.segno;
        s.ordinamento = ordinamento;
        s.maxRendimento = c.maxRendimento;
        s.gruppoCampionati = gruppo;
        s.numero = contatore++;
        s.nome = NomeTipoGiocata(tipo);
        s.nome += " (";
        for (std::size_t i = 0; i < c.codici.size(); ++i)
            s.nome += (i ? "-" : "") + c.codici[i];
        s.nome += ")";
        s.descrizione = risultato;
        for (int i = 0; i < EventiTipoGiocata(tipo); ++i) {
            EventoStrategia e;
            e.posizione = static_cast<std::int16_t>(i + 1);
            e.tipo = TipoEventoRicerca(ordinamento, c.segno);
            ImpostaLimiti(e, b.limiti);
            e.minProbDoppia = 0;
            e.doppieCalcolate = 0;
            e.inclusi = c.inclusi;
            s.eventiStrategia.push_back(e);
        }
        s.giocate = GiocateDelTipo(tipo);
        lista.strategie.push_back(std::move(s));
        return true;
    }

    CStrategiaDesc& s = *trovata;
    if (!positivo) {
        s.descrizione = risultato + "===\r\r\n" + s.descrizione;
        return true;
    }
    std::string nota;
    bool cambioOrdinamento = false;
    if (c.segno == '1' && s.ordinamento != ordinamento) {
        nota = s.ordinamento == 0 ? "MaxP1   " : "MinP2   ";
        s.ordinamento = ordinamento;
        for (auto& e : s.eventiStrategia)
            e.tipo = ordinamento == 1 ? 0 : 1;
        cambioOrdinamento = true;
    }
    const bool stessiLimiti =
        !s.eventiStrategia.empty() && LimitiEvento(s.eventiStrategia.front()) == b.limiti;
    if (stessiLimiti && !cambioOrdinamento) {
        s.descrizione = risultato + "===\r\r\n" + s.descrizione;
        return true;
    }
    if (!stessiLimiti) {
        const LimitiCandidato v = s.eventiStrategia.empty() ? LimitiCandidato{}
                                                            : LimitiEvento(s.eventiStrategia.front());
        nota += Formato("E: %.0f%%/%.0f%%   ", D((v.minEquita - 1) * 100), D((v.maxEquita - 1) * 100));
        nota += Formato("Q: %.2f/%.2f\r\r\n", D(v.minQuota), D(v.maxQuota));
        nota += Formato("P1: %.0f%%/%.0f%%   ", D(v.minProb1 * 100), D(v.maxProb1 * 100));
        nota += Formato("PX: %.0f%%/%.0f%%   ", D(v.minProbX * 100), D(v.maxProbX * 100));
        nota += Formato("P2: %.0f%%/%.0f%%\r\r\n", D(v.minProb2 * 100), D(v.maxProb2 * 100));
        for (auto& e : s.eventiStrategia)
            ImpostaLimiti(e, b.limiti);
    }
    s.descrizione =
        risultato + "--- Cambio dei precedenti parametri:\r\r\n" + nota + "===\r\r\n" + s.descrizione;
    s.numero = contatore++;
    return true;
}

} // namespace veltra
