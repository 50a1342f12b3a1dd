#include "betting/Rendimenti.h"

#include "betting/ScommessaMgr.h"
#include "dati/Archivio.h"
#include "dati/FileAtomico.h"
#include "platform/Lavori.h"

#include <algorithm>
#include <span>
#include <unordered_map>
#include <utility>

namespace veltra {

namespace {

// Bytes of the smallest event on file: championship, two empty strings, 27
// floats, the result.
constexpr std::size_t kByteEventoRendimento = 2 + 1 + 1 + 27 * 4 + 1;

void EventoRendimento(Archivio& ar, Evento& e) {
    ar.campo(e.campionato);
    if (ar.inLettura() && (e.campionato < 0 || e.campionato >= kNumeroCampionati))
        throw ErroreArchivio("rendimenti: campionato non valido");
    ar.stringa(e.casa, Evento::kLunghezzaNome);
    ar.stringa(e.trasferta, Evento::kLunghezzaNome);
    for (int gruppo = 0; gruppo < kVociQuota; gruppo += 3)
        for (auto* v : {&e.quote, &e.prob, &e.equita})
            for (int k = gruppo; k < gruppo + 3; ++k)
                ar.campo((*v)[static_cast<std::size_t>(k)]);
    ar.campo(e.esito);
}

std::int32_t Stato(const RendimentiSettimana& r, std::size_t s) {
    return s < r.stato.size() ? r.stato[s] : kNonRealizzabile;
}
float Rendimento(const RendimentiSettimana& r, std::size_t s) {
    return s < r.rendimento.size() ? static_cast<float>(r.rendimento[s]) : 0.0f;
}

} // namespace

void CRendimento::Serializza(Archivio& ar) {
    CRendimento letto;
    CRendimento& r = ar.inScrittura() ? *this : letto;
    std::int32_t n = static_cast<std::int32_t>(r.strategie.size());
    ar.conteggio(n, 8);
    if (ar.inLettura()) r.strategie.resize(static_cast<std::size_t>(n));
    for (auto& s : r.strategie) {
        ar.campo(s.numero);
        std::int32_t k = static_cast<std::int32_t>(s.settimane.size());
        ar.conteggio(k, 8);
        if (ar.inLettura()) s.settimane.resize(static_cast<std::size_t>(k));
        for (auto& w : s.settimane) {
            ar.campo(w.esito);
            ar.campo(w.rendimentoCumulato);
            if (ar.inLettura() && (w.esito < -1 || w.esito > 1))
                throw ErroreArchivio("rendimenti: esito di settimana non valido");
        }
    }
    std::int32_t m = static_cast<std::int32_t>(r.settimane.size());
    ar.conteggio(m, 4 + 4 * kNumeroCampionati);
    if (ar.inLettura()) r.settimane.resize(static_cast<std::size_t>(m));
    for (auto& w : r.settimane) {
        std::int32_t e = static_cast<std::int32_t>(w.eventi.size());
        ar.campo(e);
        for (auto& g : w.giornata)
            ar.campo(g);
        if (ar.inLettura()) {
            // The count comes before the giornata values: check it now.
            if (e < 0 || static_cast<std::size_t>(e) > ar.restanti() / kByteEventoRendimento)
                throw ErroreArchivio("rendimenti: numero di eventi non valido");
            w.eventi.assign(static_cast<std::size_t>(e), Evento{});
        }
        for (auto& ev : w.eventi)
            EventoRendimento(ar, ev);
    }
    if (ar.inLettura()) *this = std::move(letto);
}

RendimentiSettimana CalcolaRendimenti(const ListaStrategie& lista, ScommessaMgr& m,
                                      const ContestoLavoro* contesto) {
    RendimentiSettimana r;
    const auto n = lista.strategie.size();
    for (std::size_t s = 0; s < n; ++s) {
        const CStrategiaDesc& st = lista.strategie[s];
        RisoluzioneStrategia ris = RealizzaStrategia(st, m, contesto);
        if (ris.fermata) {
            r.fermato = true;
            return r;
        }
        Liquidazione liq;
        if (ris.realizzata) liq = LiquidaStrategia(st, ris.gambe, m, RegolaNulle::QuotaUno);
        r.stato.push_back(!ris.realizzata ? kNonRealizzabile
                          : liq.vincente  ? kVincente
                                          : kSenzaVincite);
        r.rendimento.push_back(ris.realizzata ? liq.rendimento : 0.0);
        r.risoluzioni.push_back(std::move(ris));
        r.liquidazioni.push_back(std::move(liq));
        if (contesto) contesto->Avanza(static_cast<long>(s + 1), static_cast<long>(n));
    }
    return r;
}

SettimanaRendimento SettimanaDa(const ScommessaMgr& m) {
    SettimanaRendimento w;
    for (int c = 0; c < kNumeroCampionati; ++c)
        w.giornata[static_cast<std::size_t>(c)] = m.giornata[static_cast<std::size_t>(c)];
    const int n = std::clamp(m.nEventi, 0, kMaxEventi);
    for (int i = 0; i < n; ++i) {
        Evento e = m.eventi[static_cast<std::size_t>(i)];
        e.numero = Evento::kNumeroVuoto;
        e.data = "-";
        w.eventi.push_back(std::move(e));
    }
    return w;
}

CRendimento NuovoRendimento(const ListaStrategie& lista, const RendimentiSettimana& r,
                            const ScommessaMgr& m) {
    return AggiornaRendimento(CRendimento{}, lista, r, m, false);
}

CRendimento AggiornaRendimento(const CRendimento& vecchio, const ListaStrategie& lista,
                               const RendimentiSettimana& r, const ScommessaMgr& m,
                               bool sostituisciUltima) {
    std::unordered_map<std::int32_t, const StoriaStrategia*> perNumero;
    for (const auto& s : vecchio.strategie)
        perNumero.emplace(s.numero, &s);
    CRendimento nuovo;
    for (std::size_t i = 0; i < lista.strategie.size(); ++i) {
        StoriaStrategia s;
        s.numero = lista.strategie[i].numero;
        if (auto it = perNumero.find(s.numero); it != perNumero.end()) s.settimane = it->second->settimane;
        if (sostituisciUltima && !s.settimane.empty()) s.settimane.pop_back();
        const float prima = s.settimane.empty() ? 0.0f : s.settimane.back().rendimentoCumulato;
        s.settimane.push_back({Stato(r, i), prima + Rendimento(r, i)});
        nuovo.strategie.push_back(std::move(s));
    }
    nuovo.settimane = vecchio.settimane;
    if (sostituisciUltima && !nuovo.settimane.empty()) nuovo.settimane.pop_back();
    nuovo.settimane.push_back(SettimanaDa(m));
    return nuovo;
}

std::string ScriviRendimento(const CRendimento& r) {
    Archivio ar;
    CRendimento copia = r;
    copia.Serializza(ar);
    return std::string(ar.dati().begin(), ar.dati().end());
}

std::optional<CRendimento> LeggiRendimento(const std::string& byte, std::string* errore) {
    try {
        Archivio ar(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(byte.data()),
                                                  byte.size()));
        CRendimento r;
        r.Serializza(ar);
        if (ar.restanti() != 0) throw ErroreArchivio("rendimenti: dati oltre la fine");
        return r;
    } catch (const std::exception& e) {
        if (errore) *errore = e.what();
        return std::nullopt;
    }
}

std::optional<CRendimento> CaricaRendimento(const std::filesystem::path& file, std::string* errore) {
    auto testo = LeggiFile(file, errore);
    if (!testo) return std::nullopt;
    return LeggiRendimento(*testo, errore);
}

bool SalvaRendimento(const std::filesystem::path& file, const CRendimento& r) {
    return ScriviFileAtomico(file, ScriviRendimento(r));
}

RiepilogoRendimento RiepilogoStrategia(const CRendimento& r, std::int32_t numero) {
    RiepilogoRendimento s;
    for (const auto& st : r.strategie) {
        if (st.numero != numero) continue;
        s.presente = true;
        int vincenti = 0;
        for (const auto& w : st.settimane) {
            if (w.esito == kNonRealizzabile) continue;
            ++s.settimaneAnalisi;
            if (w.esito == kVincente) ++vincenti;
        }
        s.percentualeVincenti =
            s.settimaneAnalisi ? 100.0 * vincenti / s.settimaneAnalisi : 0.0;
        s.rendimento = st.settimane.empty() ? 0.0 : 100.0 * st.settimane.back().rendimentoCumulato;
        return s;
    }
    return s;
}

} // namespace veltra
