#include "pools/CFoglioCondizioni.h"

#include "dati/DatiCampionati.h"
#include "platform/Lavori.h"
#include "pools/CostruzioneSistema.h"
#include "pools/OperazioniSchedina.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace veltra {

namespace {

std::string Formato(const char* f, int a) {
    char b[256];
    std::snprintf(b, sizeof b, f, a);
    return b;
}
std::string Formato(const char* f, int a, int b2) {
    char b[256];
    std::snprintf(b, sizeof b, f, a, b2);
    return b;
}
std::string Percento(double v) {
    char b[64];
    std::snprintf(b, sizeof b, "%.9Lf%%", static_cast<long double>(v) * 100.0L);
    return b;
}

// The step of the scale a limit stands on: its whole part, once a value a
// rounding error away from a step is taken as that step (a limit set on step
// 5 comes back as 4.9999999, not 4).
int Passo(double x) {
    const double vicino = std::round(x);
    const double passo = std::fabs(x - vicino) < 1e-6 ? vicino : std::floor(x);
    return std::clamp(static_cast<int>(passo), 0, 100);
}

} // namespace

std::string FraseVincolo(int h, int l, int n, bool g) {
    if (h == 0 && l == n)
        return g ? "(Nessun vincolo sul numero di gruppi da verificare)"
                 : "(Nessun vincolo sul numero di colonne filtro da verificare)";
    if (h == 0 && l == 0)
        return g ? "(Nessun gruppo deve essere verificato)" : "(Nessuna colonna filtro deve essere verificata)";
    if (h == 0 && l == 1)
        return g ? "(Al più un gruppo deve essere verificato)"
                 : "(Al più una colonna filtro deve essere verificata)";
    if (h == 0)
        return Formato(g ? "(Al più %d gruppi devono essere verificati)"
                         : "(Al più %d colonne filtro devono essere verificate)",
                       l);
    if (h == l && n == 1)
        return g ? "(L'unico gruppo deve essere verificato)" : "(L'unica colonna filtro deve essere verificata)";
    if (h == l && l == n)
        return Formato(g ? "(Tutti i %d gruppi devono essere verificati)"
                         : "(Tutte le %d colonne filtro devono essere verificate)",
                       n);
    if (h == l)
        return Formato(g ? "(Esattamente %d gruppi devono essere verificati)"
                         : "(Esattamente %d colonne filtro devono essere verificate)",
                       h);
    if (l == n && h == 1)
        return g ? "(Almeno un gruppo deve essere verificato)" : "(Almeno una colonna filtro deve essere verificata)";
    if (l == n)
        return Formato(g ? "(Almeno %d gruppi devono essere verificati)"
                         : "(Almeno %d colonne filtro devono essere verificate)",
                       h);
    return Formato(g ? "(Da %d a %d gruppi devono essere verificati)"
                     : "(Da %d a %d colonne filtro devono essere verificate)",
                   h, l);
}

CFoglioCondizioni::CFoglioCondizioni(DatiCampionati& dati, Schedina& schedina,
                                     CCondizionamenti& condizioni)
    : dati_(dati), s_(schedina), c_(condizioni), salvate_(condizioni),
      sistemaSalvato_(schedina.ridotto) {
    // The conditions are saved, the system held is not: they say whether it is reduced.
    s_.ridotto.condizionatoRidotto = c_.condizionatoRidotto;
    if (c_.numColonneFiltro > 0) mostrata_ = 0;
}

std::array<CFoglioCondizioni::RigaCoupon, 14> CFoglioCondizioni::righe() const {
    std::array<RigaCoupon, 14> v;
    for (int r = 0; r < kRigheSchedina; ++r) {
        const Partita& p = s_.partite[static_cast<std::size_t>(r)];
        if (Vuota(p)) continue;
        v[static_cast<std::size_t>(r)] = {p.squadraCasa, p.squadraTrasferta, Pronostico(p)};
    }
    return v;
}

std::string CFoglioCondizioni::testoIntegrale() const { return std::to_string(ColonneIntegrale(s_)); }

std::string CFoglioCondizioni::testoCondizionato() const {
    const SistemaRidotto& r = s_.ridotto;
    if (r.contato && r.erroriMin == -2 && r.numColonne > 0) return std::to_string(r.numColonne);
    return "-";
}

void CFoglioCondizioni::Cambiato(bool alteraRisultato) {
    if (!alteraRisultato) return;
    InvalidaRidotto(s_);
    applica_ = true;
}

void CFoglioCondizioni::ImpostaCondizionatoRidotto(bool si) {
    if (condizionatoRidotto() == si) return;
    c_.condizionatoRidotto = si ? 1 : 0;
    s_.ridotto.condizionatoRidotto = c_.condizionatoRidotto;
    Cambiato(true);
}

void CFoglioCondizioni::Coppia(std::int16_t& mn, std::int16_t& mx, bool massimo, int valore, bool attivo) {
    const auto v = static_cast<std::int16_t>(std::clamp(valore, 0, 14));
    const std::int16_t primaMin = mn, primaMax = mx;
    if (massimo) {
        mx = v;
        if (mn > mx) mn = mx;
    } else {
        mn = v;
        if (mx < mn) mx = mn;
    }
    if (mn != primaMin || mx != primaMax) Cambiato(attivo);
}

void CFoglioCondizioni::AttivaSegni(bool si) {
    if ((c_.attivoSegni != 0) == si) return;
    c_.attivoSegni = si;
    Cambiato(true);
}

void CFoglioCondizioni::ImpostaSegni(int segno, bool massimo, int valore) {
    std::int16_t* m[3][2] = {{&c_.min1, &c_.max1}, {&c_.minX, &c_.maxX}, {&c_.min2, &c_.max2}};
    if (segno < 0 || segno > 2) return;
    Coppia(*m[segno][0], *m[segno][1], massimo, valore, c_.attivoSegni != 0);
}

void CFoglioCondizioni::AttivaConsecutivi(bool si) {
    if ((c_.attivoConsecutivi != 0) == si) return;
    c_.attivoConsecutivi = si;
    Cambiato(true);
}

void CFoglioCondizioni::ImpostaConsecutivi(int segno, bool massimo, int valore) {
    std::int16_t* m[3][2] = {{&c_.minCons1, &c_.maxCons1}, {&c_.minConsX, &c_.maxConsX},
                             {&c_.minCons2, &c_.maxCons2}};
    if (segno < 0 || segno > 2) return;
    Coppia(*m[segno][0], *m[segno][1], massimo, valore, c_.attivoConsecutivi != 0);
}

const CColonnaFiltro* CFoglioCondizioni::colonna() const {
    return mostrata_ >= 0 ? &c_.colonneFiltro[static_cast<std::size_t>(mostrata_)] : nullptr;
}

void CFoglioCondizioni::TogliDalGruppo(int g) {
    if (g < 0 || g >= kNumeroGruppi) return;
    auto& n = c_.colonneNelGruppo[static_cast<std::size_t>(g)];
    if (n > 0) --n;
    auto& mx = c_.maxColonneGruppo[static_cast<std::size_t>(g)];
    auto& mn = c_.minColonneGruppo[static_cast<std::size_t>(g)];
    mx = std::min(mx, n);
    mn = std::min(mn, mx);
    if (n == 0) {
        mn = mx = 0;
        if (c_.maxGruppi > 0) --c_.maxGruppi;
        c_.minGruppi = std::min(c_.minGruppi, c_.maxGruppi);
    }
}

void CFoglioCondizioni::Crea() {
    if (!creaAbilitato()) return;
    CColonnaFiltro f;
    for (auto& e : f.pronostici) e = {'-', 0, 0, 0};
    f.attiva = 1;
    f.gruppo = 'A';
    f.punteggioMin = 0;
    f.punteggioMax = 14;
    mostrata_ = c_.numColonneFiltro++;
    c_.colonneFiltro[static_cast<std::size_t>(mostrata_)] = f;
    ++c_.colonneNelGruppo[0];
    Cambiato(true);
}

void CFoglioCondizioni::Elimina() {
    if (mostrata_ < 0) return;
    CColonnaFiltro& f = c_.colonneFiltro[static_cast<std::size_t>(mostrata_)];
    if (f.attiva) TogliDalGruppo(f.gruppo - 'A');
    const bool alterava = f.attiva != 0;
    for (int i = mostrata_; i + 1 < c_.numColonneFiltro; ++i)
        c_.colonneFiltro[static_cast<std::size_t>(i)] = c_.colonneFiltro[static_cast<std::size_t>(i + 1)];
    CColonnaFiltro vuota;
    vuota.attiva = 0;
    c_.colonneFiltro[static_cast<std::size_t>(--c_.numColonneFiltro)] = vuota;
    mostrata_ = c_.numColonneFiltro == 0 ? -1 : std::min(mostrata_, c_.numColonneFiltro - 1);
    Cambiato(alterava || c_.numColonneFiltro == 0);
}

void CFoglioCondizioni::Precedente() {
    if (precedenteAbilitato()) --mostrata_;
}
void CFoglioCondizioni::Successiva() {
    if (successivaAbilitato()) ++mostrata_;
}

bool CFoglioCondizioni::ImpostaVoce(int riga, const std::string& testo) {
    if (mostrata_ < 0 || riga < 0 || riga >= kRigheSchedina) return false;
    if (std::find(kVociFiltro.begin(), kVociFiltro.end(), testo) == kVociFiltro.end()) return false;
    CColonnaFiltro& f = c_.colonneFiltro[static_cast<std::size_t>(mostrata_)];
    // The drop-downs all stored at once: an empty text becomes "-".
    for (int r = 0; r < kRigheSchedina; ++r)
        if (f.Pronostico(r).empty()) f.pronostici[static_cast<std::size_t>(r)] = {'-', 0, 0, 0};
    auto& e = f.pronostici[static_cast<std::size_t>(riga)];
    if (f.Pronostico(riga) == testo) return true;
    e = {};
    std::copy(testo.begin(), testo.end(), e.begin());
    Cambiato(f.attiva != 0);
    return true;
}

void CFoglioCondizioni::ImpostaGruppoColonna(char gruppo) {
    if (mostrata_ < 0 || gruppo < 'A' || gruppo > 'Z') return;
    CColonnaFiltro& f = c_.colonneFiltro[static_cast<std::size_t>(mostrata_)];
    if (f.gruppo == gruppo) return;
    if (f.attiva) {
        TogliDalGruppo(f.gruppo - 'A');
        ++c_.colonneNelGruppo[static_cast<std::size_t>(gruppo - 'A')];
    }
    f.gruppo = gruppo;
    Cambiato(f.attiva != 0);
}

void CFoglioCondizioni::ImpostaPunteggio(bool massimo, int valore) {
    if (mostrata_ < 0) return;
    CColonnaFiltro& f = c_.colonneFiltro[static_cast<std::size_t>(mostrata_)];
    Coppia(f.punteggioMin, f.punteggioMax, massimo, valore, f.attiva != 0);
}

void CFoglioCondizioni::AttivaColonna(bool si) {
    if (mostrata_ < 0) return;
    CColonnaFiltro& f = c_.colonneFiltro[static_cast<std::size_t>(mostrata_)];
    if ((f.attiva != 0) == si) return;
    f.attiva = si;
    if (si)
        ++c_.colonneNelGruppo[static_cast<std::size_t>(std::clamp(f.gruppo - 'A', 0, kNumeroGruppi - 1))];
    else
        TogliDalGruppo(f.gruppo - 'A');
    Cambiato(true);
}

void CFoglioCondizioni::SelezionaGruppo(int g) { gruppo_ = std::clamp(g, 0, kNumeroGruppi - 1); }

int CFoglioCondizioni::colonneNelGruppo() const {
    return c_.colonneNelGruppo[static_cast<std::size_t>(gruppo_)];
}

void CFoglioCondizioni::ImpostaLimiteGruppo(bool massimo, int valore) {
    const int n = colonneNelGruppo();
    if (n == 0) return;
    auto& mn = c_.minColonneGruppo[static_cast<std::size_t>(gruppo_)];
    auto& mx = c_.maxColonneGruppo[static_cast<std::size_t>(gruppo_)];
    const int v = std::clamp(valore, 0, n);
    const auto pMin = mn, pMax = mx;
    if (massimo) {
        mx = v;
        mn = std::min(mn, mx);
    } else {
        mn = v;
        mx = std::max(mx, mn);
    }
    if (mn != pMin || mx != pMax) Cambiato(true);
}

int CFoglioCondizioni::gruppiNonVuoti() const {
    return static_cast<int>(std::count_if(c_.colonneNelGruppo.begin(), c_.colonneNelGruppo.end(),
                                          [](std::int32_t n) { return n > 0; }));
}

void CFoglioCondizioni::ImpostaLimiteGruppi(bool massimo, int valore) {
    const int v = std::clamp(valore, 0, gruppiNonVuoti());
    const auto pMin = c_.minGruppi, pMax = c_.maxGruppi;
    if (massimo) {
        c_.maxGruppi = v;
        c_.minGruppi = std::min(c_.minGruppi, c_.maxGruppi);
    } else {
        c_.minGruppi = v;
        c_.maxGruppi = std::max(c_.maxGruppi, c_.minGruppi);
    }
    if (c_.minGruppi != pMin || c_.maxGruppi != pMax) Cambiato(true);
}

std::string CFoglioCondizioni::fraseGruppo() const {
    return FraseVincolo(c_.minColonneGruppo[static_cast<std::size_t>(gruppo_)],
                        c_.maxColonneGruppo[static_cast<std::size_t>(gruppo_)], colonneNelGruppo(), false);
}

std::string CFoglioCondizioni::fraseGruppi() const {
    return FraseVincolo(c_.minGruppi, c_.maxGruppi, gruppiNonVuoti(), true);
}

void CFoglioCondizioni::CalcolaLimiti(IEsecutoreLavori& esecutore, std::function<void(bool)> fine) {
    const Schedina copia = s_;
    AvviaLavoro<LimitiProbabilita>(
        esecutore, kTitoloLimitiProbabilita,
        [copia](ContestoLavoro& lc) {
            lc.Avanza(0, 1);
            std::atomic<bool> fermo{false};
            // The walk is short; the stop is looked at before and after it.
            if (lc.FermoRichiesto()) return LimitiProbabilita{};
            auto l = CalcolaLimitiProbabilita(copia, &fermo);
            lc.Avanza(1, 1);
            return l;
        },
        [this, fine = std::move(fine)](EsitoLavoro<LimitiProbabilita> e) {
            if (!e.fine.riuscito() || e.fine.fermato) return fine(false);
            ImpostaLimiti(e.risultato);
            fine(true);
        });
}

void CFoglioCondizioni::ImpostaLimiti(const LimitiProbabilita& l) {
    pBassa_ = l.minima;
    pAlta_ = l.massima;
    limitiNoti_ = true;
    // No column lies outside the scale: bringing the limits to it changes nothing.
    c_.probMin = std::max(c_.probMin, pBassa_);
    c_.probMax = std::min(c_.probMax, pAlta_);
    if (c_.probMax < c_.probMin) c_.probMax = c_.probMin;
    if (Larghezza() > 0.0) {
        k1_ = Passo((c_.probMin - pBassa_) * 100.0 / Larghezza());
        k2_ = Passo((c_.probMax - pBassa_) * 100.0 / Larghezza());
    } else {
        // A single column (or all columns equally likely): the scale has no
        // width, the controls show its two ends.
        k1_ = 0;
        k2_ = 100;
    }
}

void CFoglioCondizioni::AttivaProbabilita(bool si) {
    if ((c_.attivoProbabilita != 0) == si) return;
    c_.attivoProbabilita = si;
    Cambiato(true);
}

void CFoglioCondizioni::ImpostaK(bool massimo, int k) {
    if (!limitiNoti_) return;
    k = std::clamp(k, 0, 100);
    const double w = Larghezza();
    if (massimo) {
        k2_ = k;
        c_.probMax = pBassa_ + w * k2_ / 100.0;
        if (k2_ < k1_) {
            k1_ = k2_;
            c_.probMin = c_.probMax;
        }
    } else {
        k1_ = k;
        c_.probMin = pBassa_ + w * k1_ / 100.0;
        if (k1_ > k2_ || c_.probMin > c_.probMax) {
            k2_ = std::max(k2_, k1_);
            c_.probMax = c_.probMin;
        }
    }
    Cambiato(c_.attivoProbabilita != 0);
}

std::string CFoglioCondizioni::testoProbMin() const { return Percento(c_.probMin); }
std::string CFoglioCondizioni::testoProbMax() const { return Percento(c_.probMax); }
std::string CFoglioCondizioni::testoScartatiCrescenti() const {
    return Formato("( Intervalli crescenti scartati : %d )", k1_);
}
std::string CFoglioCondizioni::testoScartatiDecrescenti() const {
    return Formato("( Intervalli decrescenti scartati : %d )", 100 - k2_);
}

std::string CFoglioCondizioni::spiegazione() const {
    const double w = Larghezza() / 100.0;
    const std::string a = "\r\r\n", due = a + a;
    char b[160];
    std::snprintf(b, sizeof b, "%lld", ColonneIntegrale(s_));
    std::string t = a + "Le " + b + " colonne del Sistema Integrale vengono inserite in 100 gruppi per "
                    "probabilità crescente." + due;
    t += "Il primo gruppo contiene le colonne con minore probabilità, da: " + Percento(pBassa_) + " a " +
         Percento(pBassa_ + w) + "." + due;
    t += "Il secondo quelle da: " + Percento(pBassa_ + w) + " a " + Percento(pBassa_ + 2 * w) + "." + due;
    t += "E così via fino al centesimo gruppo che contiene le colonne con maggiore probabilità, da: " +
         Percento(pBassa_ + 99 * w) + " a " + Percento(pAlta_) + "." + due + a;
    t += "Con questo tipo di condizionamento è possibile scartare uno o più gruppi, sia a minore che a "
         "maggiore probabilità.";
    return t;
}

void CFoglioCondizioni::Applica(ContestoSistema& ctx, std::function<void()> fine) {
    // The reduction is about to run: the method is asked here, once, and kept
    // with the conditions, so the system window, the view, the check, the
    // print and the terminal build the same system without asking again.
    const SistemaRidotto& r = s_.ridotto;
    const bool daContare = !(r.contato && r.erroriMin == -2);
    const NumeroSegni n = StatoNumeroSegni(s_);
    if (daContare && c_.condizionatoRidotto && n.triple + n.doppie > 0 && !ctx.metodo)
        ChiediMetodo(c_, ctx.messaggi);
    ContaCondizionato(s_, c_, true, ctx, [this, fine = std::move(fine)](bool ok) {
        if (ok) applica_ = false;
        if (fine) fine();
    });
}

bool CFoglioCondizioni::Ok() {
    if (static_cast<const CondizioniRiduzione&>(c_) == salvate_) return false;
    dati_.datiModificati = 1;
    return true;
}

void CFoglioCondizioni::Annulla() {
    static_cast<CondizioniRiduzione&>(c_) = salvate_;
    s_.ridotto = sistemaSalvato_;
}

} // namespace veltra
