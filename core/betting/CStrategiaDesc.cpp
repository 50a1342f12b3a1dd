#include "betting/CStrategiaDesc.h"

#include "dati/Archivio.h"

#include <limits>
#include <utility>

namespace veltra {

namespace {

constexpr int kBookmaker = 6;
constexpr int kTipiGiocata = 12;
constexpr int kOrdinamenti = 4;
constexpr int kTipiPronostico = 14;
constexpr int kMaxLettereStrategia = 26;

// Bytes of one abstract event before its inclusion flags.
constexpr std::size_t kByteEvento = 2 + 2 + 11 * 4 + 2;

void Rifiuta(bool condizione, const char* messaggio) {
    if (condizione) throw ErroreArchivio(messaggio);
}

// A count kept as int16 on file.
void Conteggio16(Archivio& ar, std::size_t dimensione, std::size_t minimoByte, std::int16_t& n) {
    if (ar.inScrittura()) {
        Rifiuta(dimensione > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()),
                "strategia: troppi elementi");
        n = static_cast<std::int16_t>(dimensione);
    }
    ar.conteggio(n, minimoByte);
}

void Evento(Archivio& ar, EventoStrategia& e) {
    ar.campo(e.tipo);
    ar.campo(e.posizione);
    for (float* v : {&e.minProb1, &e.minProbX, &e.minProb2, &e.minEquita, &e.maxEquita, &e.minQuota,
                     &e.maxQuota, &e.maxProb1, &e.maxProbX, &e.maxProb2, &e.minProbDoppia})
        ar.campo(*v);
    ar.campo(e.doppieCalcolate);
    if (ar.inLettura()) {
        Rifiuta(e.tipo < 0 || e.tipo >= kTipiPronostico,
                "strategia: tipo di pronostico non valido");
        Rifiuta(e.posizione < 1, "strategia: posizione non valida");
    }
}

} // namespace

void CStrategiaDesc::Serializza(Archivio& ar, std::int32_t versioneStrategie) {
    if (ar.inScrittura()) {
        SerializzaCampi(ar, versioneStrategie);
        return;
    }
    CStrategiaDesc letta = *this;
    letta.SerializzaCampi(ar, versioneStrategie);
    *this = std::move(letta);
}

void CStrategiaDesc::SerializzaCampi(Archivio& ar, std::int32_t versioneStrategie) {
    if (versioneStrategie != 0) {
        ar.flag8(daRicerca);
        ar.campo(bookmaker);
        ar.campo(tipoGiocata);
        ar.campo(segnoRicerca);
        ar.campo(ordinamento);
        ar.flag8(maxRendimento);
        ar.stringa(gruppoCampionati);
        if (ar.inLettura()) {
            Rifiuta(bookmaker < 0 || bookmaker >= kBookmaker, "strategia: bookmaker non valido");
            Rifiuta(tipoGiocata < 0 || tipoGiocata >= kTipiGiocata,
                    "strategia: tipo di giocata non valido");
            Rifiuta(ordinamento < 0 || ordinamento >= kOrdinamenti,
                    "strategia: ordinamento non valido");
        }
    } else if (ar.inLettura()) {
        const CStrategiaDesc vuota;
        daRicerca = vuota.daRicerca;
        bookmaker = vuota.bookmaker;
        tipoGiocata = vuota.tipoGiocata;
        segnoRicerca = vuota.segnoRicerca;
        ordinamento = vuota.ordinamento;
        maxRendimento = vuota.maxRendimento;
        gruppoCampionati = vuota.gruppoCampionati;
    }
    ar.campo(numero);
    ar.stringa(nome);
    ar.stringa(descrizione);

    std::int16_t n = 0;
    Conteggio16(ar, eventiStrategia.size(), kByteEvento, n);
    // One letter per abstract event, 'A' to 'Z'.
    Rifiuta(n > kMaxLettereStrategia, "strategia: piu' di 26 eventi");
    if (ar.inLettura()) eventiStrategia.assign(static_cast<std::size_t>(n), EventoStrategia{});
    for (auto& e : eventiStrategia)
        Evento(ar, e);

    std::int16_t g = 0;
    Conteggio16(ar, giocate.size(), 2, g);
    if (ar.inLettura()) giocate.assign(static_cast<std::size_t>(g), {});
    for (auto& giocata : giocate) {
        std::int16_t m = 0;
        Conteggio16(ar, giocata.size(), 2, m);
        if (ar.inLettura()) giocata.assign(static_cast<std::size_t>(m), 0);
        for (auto& indice : giocata) {
            ar.campo(indice);
            Rifiuta(ar.inLettura() && (indice < 0 || indice >= n),
                    "strategia: la giocata nomina un evento che non esiste");
        }
    }

    // The inclusion flags came with data version 'n'.
    if (ar.versione() >= 'n') {
        for (auto& e : eventiStrategia)
            for (bool& i : e.inclusi)
                ar.flag8(i);
    } else if (ar.inLettura()) {
        for (auto& e : eventiStrategia)
            e.inclusi.fill(true);
    }
}

void ListaStrategie::Serializza(Archivio& ar) {
    ListaStrategie letta;
    ListaStrategie& l = ar.inScrittura() ? *this : letta;
    ar.campo(l.versioneStrategie);
    if (ar.inLettura() && (l.versioneStrategie < 0 || l.versioneStrategie > kVersioneStrategie))
        throw ErroreArchivio("strategie: versione non valida");
    // numero, nome, descrizione and the two counts; the search fields besides.
    const std::size_t minimo = l.versioneStrategie == 0 ? 10 : 26;
    std::int32_t n = static_cast<std::int32_t>(l.strategie.size());
    ar.conteggio(n, minimo);
    if (ar.inLettura()) l.strategie.resize(static_cast<std::size_t>(n));
    for (auto& s : l.strategie)
        s.Serializza(ar, l.versioneStrategie);
    if (ar.inLettura()) *this = std::move(letta);
}

} // namespace veltra
