#include "betting/ScommessaMgr.h"

#include "dati/Archivio.h"

#include <algorithm>
#include <utility>

namespace veltra {

float QuotaDoppiaCalcolata(float qa, float qb) {
    if (qa == 0 || qb == 0) return 0;
    const float maggiore = std::max(qa, qb), minore = std::min(qa, qb);
    return maggiore / ((maggiore / minore) + 1.0f);
}

void ScommessaMgr::Azzera() { *this = ScommessaMgr{}; }

bool ScommessaMgr::AggiungiEvento(int c, int giornataCampionato, const std::string& casa,
                                  const std::string& trasferta, const std::array<float, 6>& q,
                                  float p1, float pX, float p2, const std::string& dataEvento) {
    if (nEventi >= kMaxEventi || c < 0 || c >= kNumeroCampionati) return false;
    conEventi[c] = 1;
    inclusi[c] = true;
    giornata[c] = giornataCampionato;
    Evento& e = eventi[nEventi];
    e = Evento{};
    e.numero = nEventi;
    e.campionato = static_cast<std::int16_t>(c);
    e.casa = casa;
    e.trasferta = trasferta;
    for (int k = 0; k < 6; ++k)
        e.quote[k] = q[k];
    e.data = dataEvento.empty() ? "-" : dataEvento;
    const float somme[3] = {p1 + pX, p1 + p2, pX + p2};
    e.prob[kQuota1] = q[0] != 0 ? p1 : 0;
    e.prob[kQuotaX] = q[1] != 0 ? pX : 0;
    e.prob[kQuota2] = q[2] != 0 ? p2 : 0;
    for (int d = 0; d < 3; ++d)
        e.prob[kQuota1X + d] = q[3 + d] != 0 ? somme[d] : 0;
    // 1X from 1 and X, 12 from 1 and 2, X2 from X and 2.
    static constexpr int kCoppie[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    for (int d = 0; d < 3; ++d) {
        float calcolata = QuotaDoppiaCalcolata(q[kCoppie[d][0]], q[kCoppie[d][1]]);
        float prob = somme[d];
        if (calcolata <= 1.0f) {
            calcolata = 0;
            prob = 0;
        }
        if (calcolata < q[3 + d]) {
            calcolata = q[3 + d];
            prob = e.prob[kQuota1X + d];
        }
        e.quote[kCalcolata1X + d] = calcolata;
        e.prob[kCalcolata1X + d] = prob;
    }
    for (int k = 0; k < kVociQuota; ++k)
        e.equita[k] = e.prob[k] * e.quote[k];
    e.esito = '?';
    ++nEventi;
    SvuotaScommesse();
    return true;
}

bool ScommessaMgr::AggiungiEventoCompleto(int c, int giornataCampionato, const std::string& casa,
                                          const std::string& trasferta,
                                          const std::array<float, 9>& q,
                                          const std::array<float, 9>& p,
                                          const std::array<float, 9>& eq) {
    if (nEventi >= kMaxEventi || c < 0 || c >= kNumeroCampionati) return false;
    conEventi[c] = 1;
    inclusi[c] = true;
    giornata[c] = giornataCampionato;
    Evento& e = eventi[nEventi];
    e = Evento{};
    e.numero = nEventi;
    e.campionato = static_cast<std::int16_t>(c);
    e.casa = casa;
    e.trasferta = trasferta;
    e.quote = q;
    e.prob = p;
    e.equita = eq;
    ++nEventi;
    SvuotaScommesse();
    return true;
}

void ScommessaMgr::RipristinaOrdine() {
    std::stable_sort(eventi.begin(), eventi.end(),
                     [](const Evento& a, const Evento& b) { return a.numero < b.numero; });
}

void ScommessaMgr::Serializza(Archivio& ar) {
    if (ar.inScrittura()) {
        SerializzaCampi(ar);
        return;
    }
    ScommessaMgr letto;
    letto.SerializzaCampi(ar);
    *this = std::move(letto);
}

void ScommessaMgr::SerializzaCampi(Archivio& ar) {
    ar.campo(nEventi);
    if (ar.inLettura() && (nEventi < 0 || nEventi > kMaxEventi))
        throw ErroreArchivio("scommesse: numero di eventi non valido");
    ar.campo(tipoPronostico);
    if (ar.inLettura() && (tipoPronostico < 0 || tipoPronostico >= kTipiPronostico))
        throw ErroreArchivio("scommesse: tipo di pronostico non valido");
    for (float* v : {&minProb1, &minProbX, &minProb2, &maxProb1, &maxProbX, &maxProb2})
        ar.campo(*v);
    ar.campo(minProbDoppia);
    ar.campo(doppieCalcolate);
    for (float* v : {&minEquita, &maxEquita, &minQuota, &maxQuota})
        ar.campo(*v);
    for (int c = 0; c < kNumeroCampionati; ++c) {
        ar.campo(conEventi[c]);
        ar.campo(giornata[c]);
    }
    if (ar.versione() > 'm') {
        for (bool& i : inclusi)
            ar.flag8(i);
    } else if (ar.inLettura()) {
        for (int c = 0; c < kNumeroCampionati; ++c)
            inclusi[c] = conEventi[c] != 0;
    }
    for (Evento& e : eventi)
        e.Serializza(ar);
}

} // namespace veltra
