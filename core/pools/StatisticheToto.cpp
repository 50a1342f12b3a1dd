#include "pools/StatisticheToto.h"

#include "dati/Archivio.h"
#include "dati/FileAtomico.h"
#include "pools/SistemaRidotto.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <span>
#include <utility>

namespace veltra {

void CStatisticheToto::Serializza(Archivio& ar) {
    ar.campo(data);
    for (auto& r : risultati)
        ar.stringa(r);
    for (auto* v : {&tripleGiocate, &doppieGiocate, &puntiIntegraleGiocato, &puntiBaseGiocata,
                    &riduzioneMin, &riduzioneMax, &fissatiUtente})
        ar.campo(*v);
    for (auto& v : interventi)
        ar.campo(v);
    for (auto* v : {&puntiRidotto, &tripleOriginali, &doppieOriginali, &puntiIntegraleOriginale,
                    &puntiBaseOriginale, &fissaDoppiaPer12, &doppiaTriplaPer12})
        ar.campo(*v);
    ar.campo(colonneRidotto);
    ar.campo(escluso);
    ar.stringa(note);
    condizioni.Serializza(ar);
}

void CListaGiocateToto::Serializza(Archivio& ar) {
    if (ar.inScrittura()) {
        std::int32_t n = static_cast<std::int32_t>(giocate.size());
        ar.campo(n);
        ar.campo(esclusi);
        for (auto& g : giocate)
            g.Serializza(ar);
        return;
    }
    std::int32_t n = 0, e = 0;
    // A play holds at least its date, 14 empty strings and its numbers.
    ar.conteggio(n, 8 + 14 + 2 * 24 + 4 + 4);
    ar.campo(e);
    if (e < 0 || e > n) throw ErroreArchivio("statistiche: numero di giocate escluse non valido");
    std::vector<CStatisticheToto> lette(static_cast<std::size_t>(n));
    for (auto& g : lette)
        g.Serializza(ar);
    esclusi = e;
    giocate = std::move(lette);
}

std::string ScriviListaGiocate(const CListaGiocateToto& lista) {
    Archivio ar;
    CListaGiocateToto copia = lista;
    copia.Serializza(ar);
    return std::string(ar.dati().begin(), ar.dati().end());
}

CListaGiocateToto LeggiListaGiocate(const std::string& byte) {
    Archivio ar(std::span(reinterpret_cast<const std::uint8_t*>(byte.data()), byte.size()));
    CListaGiocateToto lista;
    lista.Serializza(ar);
    if (ar.restanti() != 0) throw ErroreArchivio("statistiche: dati in eccesso dopo l'elenco");
    return lista;
}

LetturaStatistiche CaricaStatistiche(const std::filesystem::path& cartella) {
    LetturaStatistiche esito;
    const LetturaFile f = LeggiFileControllato(cartella / kFileStatisticheToto);
    if (f.mancante) {
        esito.lista = CListaGiocateToto{};
        return esito;
    }
    if (!f.testo) {
        esito.errore = f.errore;
        return esito;
    }
    try {
        esito.lista = LeggiListaGiocate(*f.testo);
    } catch (const ErroreArchivio& e) {
        esito.errore = e.what();
    }
    return esito;
}

bool SalvaStatistiche(const std::filesystem::path& cartella, const CListaGiocateToto& lista) {
    return ScriviFileAtomico(cartella / kFileStatisticheToto, ScriviListaGiocate(lista));
}

void AggiungiGiocata(CListaGiocateToto& lista, CStatisticheToto giocata, bool sostituisci) {
    if (sostituisci && !lista.giocate.empty()) {
        if (lista.giocate.front().escluso) --lista.esclusi;
        if (giocata.escluso) ++lista.esclusi;
        lista.giocate.front() = std::move(giocata);
        return;
    }
    if (giocata.escluso) ++lista.esclusi;
    lista.giocate.insert(lista.giocate.begin(), std::move(giocata));
}

void ImpostaEsclusa(CListaGiocateToto& lista, std::size_t indice, bool esclusa) {
    if (indice >= lista.giocate.size()) return;
    auto& g = lista.giocate[indice];
    if ((g.escluso != 0) == esclusa) return;
    g.escluso = esclusa ? 1 : 0;
    lista.esclusi += esclusa ? 1 : -1;
}

std::string TestoData(std::int64_t secondi) {
    const std::time_t t = static_cast<std::time_t>(secondi);
    std::tm locale{};
    if (!localtime_r(&t, &locale)) return "?";
    char buf[64];
    std::strftime(buf, sizeof buf, "%d/%m/%Y (%H:%M:%S)", &locale);
    return buf;
}

std::string TestoRiduzione(const CStatisticheToto& g) {
    if (g.riduzioneMin == -1) return "Ridotto (N-1)";
    if (g.riduzioneMin == kRiduzioneOttima) return "Ottimo per probabilità";
    if (g.riduzioneMin == -2) return g.condizioni.condizionatoRidotto ? "Condiz.Ridotto" : "Condizionato";
    char buf[64];
    std::snprintf(buf, sizeof buf, "A Correzione di %d-%d Errori", g.riduzioneMin, g.riduzioneMax);
    return buf;
}

MedieGiocate CalcolaMedie(const CListaGiocateToto& lista) {
    MedieGiocate m;
    m.totale = static_cast<int>(lista.giocate.size());
    bool primo = true;
    auto estremi = [&](int v, int& migliore, int& peggiore) {
        if (primo) {
            migliore = peggiore = v;
        } else {
            migliore = std::max(migliore, v);
            peggiore = std::min(peggiore, v);
        }
    };
    for (const auto& g : lista.giocate) {
        if (g.escluso) continue;
        ++m.incluse;
        m.doppieOriginali += g.doppieOriginali;
        m.tripleOriginali += g.tripleOriginali;
        m.integraleOriginale += g.puntiIntegraleOriginale;
        m.baseOriginale += g.puntiBaseOriginale;
        m.fissaDoppia += g.fissaDoppiaPer12;
        m.doppiaTripla += g.doppiaTriplaPer12;
        m.doppieGiocate += g.doppieGiocate;
        m.tripleGiocate += g.tripleGiocate;
        m.integraleGiocato += g.puntiIntegraleGiocato;
        m.baseGiocata += g.puntiBaseGiocata;
        m.colonneRidotto += g.colonneRidotto;
        m.puntiRidotto += g.puntiRidotto;
        m.doppiePer12 += g.doppieOriginali + g.fissaDoppiaPer12 - g.doppiaTriplaPer12;
        m.triplePer12 += g.tripleOriginali + g.doppiaTriplaPer12;
        estremi(g.puntiIntegraleOriginale, m.migliorIntegraleOriginale, m.peggiorIntegraleOriginale);
        estremi(g.puntiBaseOriginale, m.migliorBaseOriginale, m.peggiorBaseOriginale);
        estremi(g.puntiIntegraleGiocato, m.migliorIntegraleGiocato, m.peggiorIntegraleGiocato);
        estremi(g.puntiBaseGiocata, m.migliorBaseGiocata, m.peggiorBaseGiocata);
        primo = false;
    }
    // No play included: the averages stay 0 rather than dividing by zero.
    if (m.incluse > 0) {
        const double n = m.incluse;
        for (double* v : {&m.doppieOriginali, &m.tripleOriginali, &m.integraleOriginale, &m.baseOriginale,
                          &m.fissaDoppia, &m.doppiaTripla, &m.doppieGiocate, &m.tripleGiocate,
                          &m.integraleGiocato, &m.baseGiocata, &m.colonneRidotto, &m.puntiRidotto,
                          &m.doppiePer12, &m.triplePer12})
            *v /= n;
    }
    return m;
}

std::string TitoloMedie(const MedieGiocate& m) {
    char buf[96];
    if (m.incluse == m.totale)
        std::snprintf(buf, sizeof buf, "VALORI MEDI CALCOLATI SU %d GIOCATE ARCHIVIATE", m.totale);
    else
        std::snprintf(buf, sizeof buf, "VALORI MEDI CALCOLATI SU %d DELLE %d GIOCATE ARCHIVIATE", m.incluse,
                      m.totale);
    return buf;
}

std::string TestoMedia(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v);
    return buf;
}

} // namespace veltra
