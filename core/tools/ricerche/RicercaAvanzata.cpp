#include "tools/ricerche/RicercaAvanzata.h"

#include "dati/Campionato.h"
#include "engine/CMotoreStime.h"
#include "engine/ValutatorePercentuali.h"
#include "platform/Priorita.h"

#include <algorithm>
#include <atomic>
#include <string>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

namespace veltra {

ParametriAvanzati LeggiParametriAvanzati(const CCampionato& c) {
    return {c.punteggiAvanzati,
            {c.limiteMinCasa, c.limiteMaxCasa, c.limiteMinTrasferta, c.limiteMaxTrasferta}};
}

void ApplicaParametriAvanzati(CCampionato& c, const ParametriAvanzati& p) {
    c.punteggiAvanzati = p.punteggi;
    c.limiteMinCasa = p.limiti[0];
    c.limiteMaxCasa = p.limiti[1];
    c.limiteMinTrasferta = p.limiti[2];
    c.limiteMaxTrasferta = p.limiti[3];
}

float DueDecimali(double x) {
    char testo[64];
    std::snprintf(testo, sizeof testo, "%.2f", x);
    return std::strtof(testo, nullptr);
}

TrovateAvanzate ListaAvanzataIniziale() { return TrovateAvanzate{}; }

namespace {

// Bounds are computed from two-decimal values: a tolerance far below the
// step keeps float noise from adding or dropping an end point.
constexpr double kTolleranza = 1e-4;

enum Lato { kCasa = 0, kTrasferta = 1 };

float& P(CPunteggiAvanzati& p, Lato l, Esito e, Forza f) {
    return p.punti[CPunteggiAvanzati::IndicePunti(e, f) + l];
}
float P(const CPunteggiAvanzati& p, Lato l, Esito e, Forza f) {
    return p.punti[CPunteggiAvanzati::IndicePunti(e, f) + l];
}

// The point scans in table order: the entry and its bounds.
struct ScansionePunto {
    Lato lato;
    Esito esito;
    Forza forza;
};
constexpr ScansionePunto kPunti[18] = {
    {kTrasferta, kVittoria, kForte},  {kCasa, kVittoria, kForte},
    {kTrasferta, kVittoria, kMedia},  {kCasa, kVittoria, kMedia},
    {kTrasferta, kVittoria, kDebole}, {kCasa, kVittoria, kDebole},
    {kTrasferta, kPareggio, kForte},  {kCasa, kPareggio, kForte},
    {kTrasferta, kPareggio, kMedia},  {kCasa, kPareggio, kMedia},
    {kTrasferta, kPareggio, kDebole}, {kCasa, kPareggio, kDebole},
    {kTrasferta, kSconfitta, kForte}, {kCasa, kSconfitta, kForte},
    {kTrasferta, kSconfitta, kMedia}, {kCasa, kSconfitta, kMedia},
    {kTrasferta, kSconfitta, kDebole}, {kCasa, kSconfitta, kDebole},
};

void LimitiPunto(const CPunteggiAvanzati& p, const ScansionePunto& s, double& lo, double& hi) {
    auto q = [&](Esito e, Forza f) { return static_cast<double>(P(p, s.lato, e, f)); };
    switch (s.esito) {
    case kVittoria:
        if (s.forza == kForte) {
            lo = std::max(q(kVittoria, kMedia) + 0.25, q(kPareggio, kForte) + 0.5);
            hi = 4.00;
        } else if (s.forza == kMedia) {
            lo = std::max(q(kVittoria, kDebole) + 0.25, q(kPareggio, kMedia) + 0.5);
            hi = q(kVittoria, kForte) - 0.25;
        } else {
            lo = q(kPareggio, kDebole) + 0.5;
            hi = q(kVittoria, kMedia) - 0.25;
        }
        break;
    case kPareggio:
        if (s.forza == kForte) {
            lo = std::max(q(kPareggio, kMedia) + 0.25, q(kSconfitta, kForte) + 0.5);
            hi = q(kVittoria, kForte) - 0.5;
        } else if (s.forza == kMedia) {
            lo = std::max(q(kPareggio, kDebole) + 0.25, q(kSconfitta, kMedia) + 0.5);
            hi = std::min(q(kPareggio, kForte) - 0.25, q(kVittoria, kMedia) - 0.5);
        } else {
            lo = q(kSconfitta, kDebole) + 0.5;
            hi = std::min(q(kPareggio, kMedia) - 0.25, q(kVittoria, kDebole) - 0.5);
        }
        break;
    case kSconfitta:
        if (s.forza == kForte) {
            lo = q(kSconfitta, kMedia) + 0.25;
            hi = q(kPareggio, kForte) - 0.5;
        } else if (s.forza == kMedia) {
            lo = q(kSconfitta, kDebole) + 0.25;
            hi = std::min(q(kSconfitta, kForte) - 0.25, q(kPareggio, kMedia) - 0.5);
        } else {
            lo = -4.00;
            hi = std::min(q(kSconfitta, kMedia) - 0.25, q(kPareggio, kDebole) - 0.5);
        }
        break;
    }
}

// Inclusive: lo, lo + d, ... while <= hi.
template <class F> void Inclusiva(double lo, double hi, double d, F&& f) {
    for (int k = 0; lo + k * d <= hi + kTolleranza; ++k) f(lo + k * d);
}
// Exclusive: lo + d, lo + 2d, ... while < hi.
template <class F> void Esclusiva(double lo, double hi, double d, F&& f) {
    for (int k = 1; lo + k * d < hi - kTolleranza; ++k) f(lo + k * d);
}

// The derived ranges of the engine: home entries and away entries, or all
// eighteen when home and away are joined.
void Intervalli(const CPunteggiAvanzati& p, float& minCasa, float& maxCasa, float& minTrasferta,
                float& maxTrasferta) {
    minCasa = maxCasa = p.punti[0];
    minTrasferta = maxTrasferta = p.punti[1];
    for (int i = 0; i < 18; i += 2) {
        minCasa = std::min(minCasa, p.punti[i]);
        maxCasa = std::max(maxCasa, p.punti[i]);
        minTrasferta = std::min(minTrasferta, p.punti[i + 1]);
        maxTrasferta = std::max(maxTrasferta, p.punti[i + 1]);
    }
    if (!p.separaCasaTrasferta) {
        minCasa = minTrasferta = std::min(minCasa, minTrasferta);
        maxCasa = maxTrasferta = std::max(maxCasa, maxTrasferta);
    }
}

} // namespace

int NumeroScansioni(bool separa) { return separa ? 31 : 25; }

std::vector<ParametriAvanzati> CandidatiScansione(int scan, const ParametriAvanzati& base,
                                                  int giornate) {
    std::vector<ParametriAvanzati> v;
    const CPunteggiAvanzati& p = base.punteggi;
    auto aggiungi = [&](auto&& cambia) {
        ParametriAvanzati c = base;
        cambia(c);
        v.push_back(c);
    };
    if (scan == 0) {
        for (int k = 1; k <= 20; ++k)
            aggiungi([&](ParametriAvanzati& c) {
                c.punteggi.importanzaMin = DueDecimali(0.05 * k);
                c.punteggi.importanzaMax = DueDecimali(2.00 - 0.05 * k);
            });
        return v;
    }
    if (scan <= 18) {
        const ScansionePunto& s = kPunti[scan - 1];
        double lo = 0, hi = -1;
        LimitiPunto(p, s, lo, hi);
        Inclusiva(lo, hi, 0.05, [&](double x) {
            aggiungi([&](ParametriAvanzati& c) { P(c.punteggi, s.lato, s.esito, s.forza) = DueDecimali(x); });
        });
        return v;
    }
    float minCasa, maxCasa, minTrasferta, maxTrasferta;
    Intervalli(p, minCasa, maxCasa, minTrasferta, maxTrasferta);
    const float nf = static_cast<float>(giornate);
    const double loCasa = Arrotonda(minCasa * nf), hiCasa = Arrotonda(maxCasa * nf);
    const double loTrasf = Arrotonda(minTrasferta * nf), hiTrasf = Arrotonda(maxTrasferta * nf);
    auto modifiche = [&](double lo, double hi, float CPunteggiAvanzati::*a, float CPunteggiAvanzati::*b) {
        Esclusiva(lo, hi, 0.25, [&](double x) {
            aggiungi([&](ParametriAvanzati& c) {
                c.punteggi.*a = DueDecimali(x);
                if (b) c.punteggi.*b = DueDecimali(x);
            });
        });
    };
    auto soglia = [&](double lo, double hi, float CPunteggiAvanzati::*a, float CPunteggiAvanzati::*b) {
        Esclusiva(lo, hi, 1.0, [&](double x) {
            aggiungi([&](ParametriAvanzati& c) {
                c.punteggi.*a = static_cast<float>(x);
                if (b) c.punteggi.*b = static_cast<float>(x);
            });
        });
    };
    auto limite = [&](double lo, double hi, int a, int b) {
        Esclusiva(lo, hi, 1.0, [&](double x) {
            aggiungi([&](ParametriAvanzati& c) {
                c.limiti[static_cast<std::size_t>(a)] = static_cast<std::int16_t>(x);
                if (b >= 0) c.limiti[static_cast<std::size_t>(b)] = static_cast<std::int16_t>(x);
            });
        });
    };
    using CP = CPunteggiAvanzati;
    const auto& l = base.limiti;
    if (p.separaCasaTrasferta) {
        switch (scan) {
        case 19: modifiche(-1.0, 0.0, &CP::modificaBassaCasa, nullptr); break;
        case 20: modifiche(0.0, 1.0, &CP::modificaAltaCasa, nullptr); break;
        case 21: modifiche(-1.0, 0.0, &CP::modificaBassaTrasferta, nullptr); break;
        case 22: modifiche(0.0, 1.0, &CP::modificaAltaTrasferta, nullptr); break;
        case 23: soglia(loCasa, p.forteCasa, &CP::deboleCasa, nullptr); break;
        case 24: soglia(p.deboleCasa, hiCasa, &CP::forteCasa, nullptr); break;
        case 25: soglia(loTrasf, p.forteTrasferta, &CP::deboleTrasferta, nullptr); break;
        case 26: soglia(p.deboleTrasferta, hiTrasf, &CP::forteTrasferta, nullptr); break;
        case 27: limite(loCasa, l[1], 0, -1); break;
        case 28: limite(l[0], hiCasa, 1, -1); break;
        case 29: limite(loTrasf, l[3], 2, -1); break;
        case 30: limite(l[2], hiTrasf, 3, -1); break;
        default: break;
        }
    } else {
        switch (scan) {
        case 19: modifiche(-1.0, 0.0, &CP::modificaBassaCasa, &CP::modificaBassaTrasferta); break;
        case 20: modifiche(0.0, 1.0, &CP::modificaAltaCasa, &CP::modificaAltaTrasferta); break;
        case 21: soglia(loCasa, p.forteCasa, &CP::deboleCasa, &CP::deboleTrasferta); break;
        case 22: soglia(p.deboleCasa, hiCasa, &CP::forteCasa, &CP::forteTrasferta); break;
        case 23: limite(loCasa, l[1], 0, 2); break;
        case 24: limite(l[0], hiCasa, 1, 3); break;
        default: break;
        }
    }
    return v;
}

namespace {

struct Valutazione {
    bool riuscita = false;
    float precisione = 0;
    float datiUsati = 0;
};

Valutazione Valuta(CCampionato& c, const ParametriAvanzati& p) {
    ApplicaParametriAvanzati(c, p);
    Valutazione v;
    if (c.motore->AggiornaStime() != 0) return v;
    v.riuscita = true;
    v.precisione = c.motore->precisioneMedia();
    const auto usati = c.motore->PercentualeDatiUsati();
    v.datiUsati = usati ? *usati : -1.0f;
    return v;
}

// The candidates of a scan on every copy, side by side.
void ValutaTutti(std::vector<std::unique_ptr<CCampionato>>& copie,
                 const std::vector<ParametriAvanzati>& candidati, std::vector<Valutazione>& esiti) {
    esiti.assign(candidati.size(), {});
    const std::size_t thread = std::min(copie.size(), candidati.size());
    if (thread <= 1) {
        for (std::size_t i = 0; i < candidati.size(); ++i) esiti[i] = Valuta(*copie[0], candidati[i]);
        return;
    }
    std::atomic<std::size_t> prossimo{0};
    std::exception_ptr eccezione;
    std::mutex m;
    auto lavora = [&](std::size_t t) {
        try {
            if (t > 0) AbbassaPrioritaThread();
            for (std::size_t i; (i = prossimo.fetch_add(1)) < candidati.size();)
                esiti[i] = Valuta(*copie[t], candidati[i]);
        } catch (...) {
            std::lock_guard<std::mutex> l(m);
            eccezione = std::current_exception();
        }
    };
    std::vector<std::thread> aiutanti;
    for (std::size_t t = 1; t < thread; ++t) aiutanti.emplace_back(lavora, t);
    lavora(0);
    for (auto& t : aiutanti) t.join();
    if (eccezione) std::rethrow_exception(eccezione);
}

} // namespace

EsitoRicercaAvanzata CercaAvanzata(const CCampionato& campionato,
                                   const ImpostazioniRicercaAvanzata& imp,
                                   const TrovateAvanzate& iniziale, const ContestoLavoro& contesto,
                                   const std::function<void(float)>& migliorato) {
    EsitoRicercaAvanzata esito;
    esito.trovate = iniziale;
    std::vector<std::unique_ptr<CCampionato>> copie;
    for (int t = 0; t < std::max(1, imp.thread); ++t) copie.push_back(CopiaPerCalcolo(campionato));
    const int giornate = campionato.config.giornateAnalisi;

    ParametriAvanzati corrente = LeggiParametriAvanzati(campionato);
    float l = -1.0f;
    const Valutazione partenza = Valuta(*copie[0], corrente);
    if (partenza.riuscita) l = partenza.precisione;
    const float u = static_cast<float>(imp.utilizzoMinimo);

    std::vector<ParametriAvanzati> candidati;
    std::vector<Valutazione> esiti;
    for (;;) {
        bool migliorata = false;
        const int scansioni = NumeroScansioni(corrente.punteggi.separaCasaTrasferta);
        for (int scan = 0; scan < scansioni && !migliorata; ++scan) {
            if (contesto.FermoRichiesto()) {
                esito.migliore = corrente;
                esito.precisione = l;
                return esito;
            }
            // Joint scans take two steps of the 0..30 bar.
            const long barra = scan < 19 ? scan : 19 + (scan - 19) * (scansioni == 31 ? 1 : 2);
            contesto.Avanza(barra, 30, std::to_string(esito.candidati) + " analisi provate");
            candidati = CandidatiScansione(scan, corrente, giornate);
            ValutaTutti(copie, candidati, esiti);
            esito.candidati += static_cast<long>(candidati.size());
            float migliore = l;
            int scelto = -1;
            for (std::size_t i = 0; i < candidati.size(); ++i) {
                const Valutazione& v = esiti[i];
                if (v.riuscita && v.precisione > migliore && v.datiUsati >= u) {
                    migliore = v.precisione;
                    scelto = static_cast<int>(i);
                }
            }
            if (scelto < 0) continue;
            corrente = candidati[static_cast<std::size_t>(scelto)];
            l = migliore;
            migliorata = true;
            ++esito.miglioramenti;
            esito.migliorata = true;
            for (int k = kAnalisiTrovate - 1; k > 0; --k)
                esito.trovate[static_cast<std::size_t>(k)] = esito.trovate[static_cast<std::size_t>(k - 1)];
            esito.trovate[0] = {l, corrente.punteggi, corrente.limiti};
            if (migliorato) migliorato(l);
        }
        if (!migliorata) break;
    }
    esito.migliore = corrente;
    esito.precisione = l;
    esito.completata = true;
    return esito;
}

UtilizzoPartenza ControllaUtilizzo(const CCampionato& campionato, int utilizzoMinimo) {
    UtilizzoPartenza u;
    auto copia = CopiaPerCalcolo(campionato);
    ParametriAvanzati p = LeggiParametriAvanzati(campionato);
    const Valutazione partenza = Valuta(*copia, p);
    const float minimo = static_cast<float>(utilizzoMinimo);
    u.valutata = partenza.riuscita;
    u.datiUsati = partenza.datiUsati;
    u.sufficiente = partenza.riuscita && partenza.datiUsati >= minimo;
    if (u.sufficiente) return u;
    float minCasa, maxCasa, minTrasferta, maxTrasferta;
    Intervalli(p.punteggi, minCasa, maxCasa, minTrasferta, maxTrasferta);
    const float nf = static_cast<float>(std::clamp<int>(campionato.config.giornateAnalisi, 1, 5));
    // The data usage's grid starts one point below the range: its whole.
    const int lo[2] = {Arrotonda(minCasa * nf) - 1, Arrotonda(minTrasferta * nf) - 1};
    const int hi[2] = {Arrotonda(maxCasa * nf) + 1, Arrotonda(maxTrasferta * nf) + 1};
    for (;;) {
        const auto prima = p.limiti;
        for (int lato = 0; lato < 2; ++lato) {
            auto& mn = p.limiti[static_cast<std::size_t>(2 * lato)];
            auto& mx = p.limiti[static_cast<std::size_t>(2 * lato + 1)];
            mn = static_cast<std::int16_t>(std::clamp(mn - 1, lo[lato], hi[lato]));
            mx = static_cast<std::int16_t>(std::clamp(mx + 1, static_cast<int>(mn), hi[lato]));
        }
        if (p.limiti == prima) return u;
        const Valutazione v = Valuta(*copia, p);
        if (v.riuscita && v.datiUsati >= minimo) {
            u.limiti = p.limiti;
            u.datiUsatiLimiti = v.datiUsati;
            return u;
        }
    }
}

std::string MotivoUtilizzo(const UtilizzoPartenza& u, int utilizzoMinimo) {
    char b[320];
    if (!u.valutata)
        std::snprintf(b, sizeof b,
                      "Le stime dell'analisi di partenza non si possono calcolare: la ricerca non "
                      "ha un punto di partenza.");
    else
        std::snprintf(b, sizeof b,
                      "L'analisi di partenza usa il %.1f%% della Base Dati, meno dell'Utilizzo "
                      "Minimo della Base Dati (%d%%): nessuna analisi trovata potrebbe essere "
                      "accettata.",
                      static_cast<double>(u.datiUsati), utilizzoMinimo);
    return b;
}

std::string TestoLimitiUtilizzo(const UtilizzoPartenza& u) {
    if (!u.limiti) return {};
    const auto& l = *u.limiti;
    char b[200];
    std::snprintf(b, sizeof b,
                  "Limiti di punteggio Casa da %d a %d, Trasferta da %d a %d: Base Dati usata "
                  "%.1f%%.",
                  l[0], l[1], l[2], l[3], static_cast<double>(u.datiUsatiLimiti));
    return b;
}

} // namespace veltra
