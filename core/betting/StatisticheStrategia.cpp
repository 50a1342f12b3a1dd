#include "betting/StatisticheStrategia.h"

#include "betting/ScommessaMgr.h"
#include "betting/Strategie.h"
#include "platform/Lavori.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>

namespace veltra {

std::array<bool, kNumeroCampionati> MascheraStrategia(const CStrategiaDesc& s) {
    std::array<bool, kNumeroCampionati> m{};
    for (const auto& e : s.eventiStrategia)
        for (std::size_t c = 0; c < m.size(); ++c)
            m[c] = m[c] || e.inclusi[c];
    return m;
}

FigureSerie FigureDaSerie(const std::vector<double>& y, int ricampionamenti) {
    FigureSerie f;
    int corsa = 0;
    double somma = 0, picco = 0;
    for (double v : y) {
        if (v <= 0) {
            f.ritardoMassimo = std::max(f.ritardoMassimo, ++corsa);
        } else {
            corsa = 0;
        }
        somma += v;
        picco = std::max(picco, somma);
        f.maxDrawdown = std::max(f.maxDrawdown, picco - somma);
    }
    if (y.empty() || ricampionamenti < 1) return f;
    std::mt19937_64 gen(20021110u);
    const std::uint64_t n = y.size();
    std::vector<double> medie(static_cast<std::size_t>(ricampionamenti));
    for (double& m : medie) {
        double s = 0;
        for (std::size_t k = 0; k < y.size(); ++k)
            s += y[static_cast<std::size_t>(((gen() >> 32) * n) >> 32)];
        m = s / static_cast<double>(y.size());
    }
    std::sort(medie.begin(), medie.end());
    auto quantile = [&](double q) {
        const auto i = static_cast<std::size_t>(q * static_cast<double>(medie.size() - 1) + 0.5);
        return medie[std::min(i, medie.size() - 1)] * 100.0;
    };
    f.intervalloBasso = quantile(0.05);
    f.intervalloAlto = quantile(0.95);
    return f;
}

StatisticheStrategia CalcolaStatistiche(const CStrategiaDesc& s,
                                        const std::vector<SettimanaArchiviata>& settimane,
                                        const ContestoLavoro* contesto) {
    StatisticheStrategia st;
    auto m = std::make_unique<ScommessaMgr>();
    const RegolaNulle regola =
        s.tipoGiocata == 0 ? RegolaNulle::SettimanaNonGiocabile : RegolaNulle::QuotaUno;
    std::vector<double> serie;
    const long totale = static_cast<long>(settimane.size());
    for (std::size_t w = 0; w < settimane.size(); ++w) {
        if (contesto && contesto->FermoRichiesto()) {
            st.fermata = true;
            break;
        }
        if (contesto) contesto->Avanza(static_cast<long>(w), totale);
        const SettimanaArchiviata& sett = settimane[w];
        // Every abstract event needs some event in its championships.
        const bool disponibile =
            !s.eventiStrategia.empty() &&
            std::all_of(s.eventiStrategia.begin(), s.eventiStrategia.end(), [&](const EventoStrategia& e) {
                return std::any_of(sett.eventi.begin(), sett.eventi.end(), [&](const Evento& ev) {
                    return ev.campionato >= 0 && ev.campionato < kNumeroCampionati &&
                           e.inclusi[static_cast<std::size_t>(ev.campionato)];
                });
            });
        if (!disponibile) continue;
        ++st.disponibili;
        PuntoStatistica p;
        p.settimana = sett.nome;
        p.guadagnoNetto = st.guadagno;
        p.rendimentoNetto = st.rendimento();
        ManagerDaSettimana(sett, *m);
        const RisoluzioneStrategia r = RealizzaStrategia(s, *m, nullptr);
        if (r.realizzata) {
            const Liquidazione l = LiquidaStrategia(s, r.gambe, *m, regola);
            if (l.giocabile) {
                ++st.giocabili;
                if (l.rendimento > 0) ++st.vincenti;
                st.guadagno += l.rendimento;
                serie.push_back(l.rendimento);
                p.giocata = true;
                p.rendimento = l.rendimento;
                p.guadagnoNetto = st.guadagno;
                p.rendimentoNetto = st.rendimento();
            }
        }
        st.punti.push_back(std::move(p));
    }
    const FigureSerie f = FigureDaSerie(serie);
    st.ritardoMassimo = f.ritardoMassimo;
    st.maxDrawdown = f.maxDrawdown;
    st.intervalloBasso = f.intervalloBasso;
    st.intervalloAlto = f.intervalloAlto;
    return st;
}

std::string RigaStatistiche(const StatisticheStrategia& s) {
    char t[320];
    std::snprintf(t, sizeof t,
                  "settimane=%d giocabili=%d vincenti=%d rendimento=%.1f max_ritardo=%d "
                  "max_drawdown=%.2f intervallo=%.1f,%.1f",
                  s.disponibili, s.giocabili, s.vincenti, s.rendimento(), s.ritardoMassimo,
                  s.maxDrawdown, s.intervalloBasso, s.intervalloAlto);
    return t;
}

} // namespace veltra
