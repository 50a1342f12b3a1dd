#include "betting/CDlgScommesse.h"

#include "betting/RicalcolaEventi.h"
#include "betting/ScommessaMgr.h"
#include "betting/SelezioneScommesse.h"
#include "dati/DatiCampionati.h"
#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"
#include "platform/Stampa.h"

#include <cmath>
#include <cstdio>

namespace veltra {

namespace {

std::string Formato(const char* f, double v) {
    char b[64];
    std::snprintf(b, sizeof b, f, v);
    return b;
}

int Gambe(const Scommessa& s) {
    int n = 0;
    while (n < 6 && s.voci[n].campionato != -1)
        ++n;
    return n;
}

} // namespace

std::string TestoEquita(float equita) {
    double v = std::round((static_cast<double>(equita) - 1.0) * 100.0);
    if (v == 0) v = 0; // no "-0"
    return Formato("%+.0f%%", v);
}

CDlgScommesse::CDlgScommesse(ScommessaMgr& m, DatiCampionati& dati) : m_(m), dati_(dati) {}

bool CDlgScommesse::Apri() {
    if (m_.nEventi == 0) return false;
    if (m_.nScommesse() > 0) {
        mostrata_ = 1;
        gambe_ = std::max(1, Gambe(m_.scommesse[0]));
        calcolato_ = true;
    } else {
        CriteriPredefiniti(m_);
        gambe_ = 1;
        mostrata_ = 0;
    }
    return true;
}

bool CDlgScommesse::Aggiorna(IMessaggi& messaggi, bool& riavvia) {
    riavvia = m_.nScommesse() > 0;
    if (m_.nEventi > 0) {
        m_.RipristinaOrdine();
        RicalcolaEventi(m_, dati_, &messaggi);
    }
    mostrata_ = 0;
    if (m_.nEventi == 0) return false;
    return true;
}

int CDlgScommesse::tipo() const { return m_.tipoPronostico; }

void CDlgScommesse::Modificato() {
    m_.SvuotaScommesse();
    mostrata_ = 0;
}

void CDlgScommesse::ImpostaTipo(int t) {
    if (t < 0 || t >= kTipiPronostico || inCorso_) return;
    m_.tipoPronostico = t;
    if (!gambaAbilitata(gambe_)) gambe_ = 1;
    Modificato();
}

void CDlgScommesse::ImpostaGambe(int g) {
    if (g < 1 || g > kMaxGambe || inCorso_ || !gambaAbilitata(g)) return;
    gambe_ = g;
    Modificato();
}

bool CDlgScommesse::gambaAbilitata(int g) const {
    return !inCorso_ && GambePossibili(m_, m_.tipoPronostico, g);
}

std::array<int, 3> CDlgScommesse::Intervallo(LimiteCriterio l) {
    if (l == kMinEquitaLim || l == kMaxEquitaLim) return {0, 200, 1};
    if (l == kMinQuotaLim || l == kMaxQuotaLim) return {100, 867, 5};
    return {0, 100, 1};
}

float& CDlgScommesse::Campo(LimiteCriterio l) const {
    float* campi[kLimitiCriterio] = {&m_.minProb1,  &m_.maxProb1,  &m_.minProbX, &m_.maxProbX,
                                     &m_.minProb2,  &m_.maxProb2,  &m_.minEquita, &m_.maxEquita,
                                     &m_.minQuota,  &m_.maxQuota,  &m_.minProbDoppia};
    return *campi[l];
}

int CDlgScommesse::posizione(LimiteCriterio l) const {
    return static_cast<int>(std::lround(Campo(l) * 100.0f));
}

void CDlgScommesse::ImpostaPosizione(LimiteCriterio l, int p) {
    if (inCorso_) return;
    const auto r = Intervallo(l);
    p = std::clamp(p, r[0], r[1]);
    Campo(l) = static_cast<float>(p) / 100.0f;
    Modificato();
}

std::string CDlgScommesse::testoLimite(LimiteCriterio l) const {
    const float v = Campo(l);
    if (l == kMinEquitaLim || l == kMaxEquitaLim) return TestoEquita(v);
    if (l == kMinQuotaLim || l == kMaxQuotaLim) return Formato("%.2f", v);
    return Formato("%.0f%%", static_cast<double>(v) * 100.0);
}

bool CDlgScommesse::limiteAbilitato(LimiteCriterio l) const {
    if (inCorso_) return false;
    const bool doppieTipo = TipoDoppie(m_.tipoPronostico);
    if (l <= kMaxProb2Lim) return !doppieTipo;
    if (l == kMinProbDoppiaLim) return doppieTipo;
    return true;
}

bool CDlgScommesse::doppie() const { return m_.doppieCalcolate != 0; }

void CDlgScommesse::ImpostaDoppie(bool d) {
    if (inCorso_) return;
    m_.doppieCalcolate = d ? 1 : 0;
    Modificato();
}

bool CDlgScommesse::doppieAbilitato() const { return !inCorso_ && TipoDoppie(m_.tipoPronostico); }

bool CDlgScommesse::incluso(int c) const { return m_.inclusi[c]; }

void CDlgScommesse::ImpostaIncluso(int c, bool i) {
    if (inCorso_ || c < 0 || c >= kNumeroCampionati) return;
    m_.inclusi[c] = i;
    Modificato();
}

bool CDlgScommesse::calcolaAbilitato() const {
    if (inCorso_) return true; // it stops the calculation
    for (bool i : m_.inclusi)
        if (i) return true;
    return false;
}

std::string CDlgScommesse::testoCalcola() const {
    return inCorso_ ? "&Interrompi" : calcolato_ ? "&Cerca" : "C&alcola...";
}

bool CDlgScommesse::PreparaCalcolo(IMessaggi& messaggi) {
    if (inCorso_) return false;
    if (m_.tipoPronostico < 0 || m_.tipoPronostico >= kTipiPronostico) {
        messaggi.Errore("ATTENZIONE !\n\nNon è stato selezionato un tipo di pronostico");
        return false;
    }
    if (!gambaAbilitata(gambe_)) {
        messaggi.Errore("Selezionare un tipo di scommessa");
        return false;
    }
    const int t = m_.tipoPronostico;
    OrdinaEventi(m_, t, TipoDoppie(t) ? m_.doppieCalcolate : 0);
    dati_.datiModificati = 1;
    mostrata_ = 1;
    inCorso_ = true;
    return true;
}

bool CDlgScommesse::FineCalcolo(std::vector<Scommessa> scommesse, bool fermato) {
    inCorso_ = false;
    calcolato_ = true;
    m_.scommesse = std::move(scommesse);
    mostrata_ = m_.nScommesse() > 0 ? 1 : 0;
    return m_.nScommesse() == 0 && !fermato;
}

void CDlgScommesse::AvvisoNessunaScommessa(IMessaggi& messaggi) {
    messaggi.Mostra(kNessunEventoSelezionato, Icona::Informazione);
}

std::string CDlgScommesse::contatore() const {
    if (inCorso_) return "- - - -";
    if (mostrata_ == 0) return "";
    return std::to_string(mostrata_) + " DI " + std::to_string(m_.nScommesse());
}

bool CDlgScommesse::successivaAbilitato() const {
    return !inCorso_ && mostrata_ > 0 && mostrata_ < m_.nScommesse();
}

void CDlgScommesse::Precedente() {
    if (precedenteAbilitato()) --mostrata_;
}

void CDlgScommesse::Successiva() {
    if (successivaAbilitato()) ++mostrata_;
}

const Scommessa* CDlgScommesse::scommessaMostrata() const {
    if (inCorso_ || mostrata_ < 1 || mostrata_ > m_.nScommesse()) return nullptr;
    return &m_.scommesse[static_cast<std::size_t>(mostrata_ - 1)];
}

std::vector<RigaGamba> CDlgScommesse::righeMostrate() const {
    std::vector<RigaGamba> r;
    const Scommessa* s = scommessaMostrata();
    if (!s) return r;
    for (int g = 0; g < Gambe(*s); ++g) {
        const VoceScommessa& v = s->voci[g];
        RigaGamba riga;
        riga.campionato = std::string(Campionato(v.campionato).nome);
        riga.casa = v.casa;
        riga.trasferta = v.trasferta;
        riga.quota = Formato(v.calcolata ? "%.2f (*)" : "%.2f", v.quota);
        riga.probabilita = Formato("%.1f%%", static_cast<double>(v.prob) * 100.0);
        riga.segno = v.segno;
        riga.equita = TestoEquita(v.equita);
        r.push_back(riga);
    }
    return r;
}

std::string CDlgScommesse::totaleProbabilita() const {
    const Scommessa* s = scommessaMostrata();
    return s ? Formato("%.1f%%", static_cast<double>(s->probTotale) * 100.0) : "";
}
std::string CDlgScommesse::totaleQuota() const {
    const Scommessa* s = scommessaMostrata();
    return s ? Formato("%.2f", s->quotaTotale) : "";
}
std::string CDlgScommesse::totaleEquita() const {
    const Scommessa* s = scommessaMostrata();
    return s ? TestoEquita(s->equitaTotale) : "";
}

bool CDlgScommesse::calcolataVisibile() const {
    const Scommessa* s = scommessaMostrata();
    if (!s) return false;
    for (const VoceScommessa& v : s->voci)
        if (v.campionato != -1 && v.calcolata) return true;
    return false;
}

void CDlgScommesse::Stampa(IMessaggi& messaggi, IServizioStampa& servizio,
                           const IOrologio& orologio) const {
    const Scommessa* s = scommessaMostrata();
    if (!s) return;
    if (messaggi.Mostra("Prepara la stampante e poi premi 'OK'", Icona::Informazione,
                        Pulsanti::OkAnnulla) != Risposta::Ok)
        return;
    auto d = servizio.ScegliDispositivo();
    if (!d || !d->InizioDocumento("VELTRA - Scommesse Sportive")) return;
    if (!d->InizioPagina()) {
        d->Annulla();
        return;
    }
    const std::tm t = orologio.Adesso();
    char data[32];
    std::snprintf(data, sizeof data, "(%02d/%02d/%d)", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
    d->Testo(0, 0, std::string("VELTRA. Scommesse Sportive. ") + data);
    const int gambe = Gambe(*s);
    d->Testo(0, 120, gambe == 1 ? std::string("Tipo scommessa: Singola.")
                                : "Tipo scommessa: Multipla da " + std::to_string(gambe) + " incontri.");
    d->Testo(0, 240, "Eventi");
    d->Testo(1400, 240, "Quote");
    d->Testo(1700, 240, "Equita'");
    d->Testo(2000, 240, "Probabilita'");
    int y = 300;
    for (const RigaGamba& r : righeMostrate()) {
        d->Testo(0, y, r.campionato + ": " + r.casa + " - " + r.trasferta + "  (" + r.segno + ")");
        d->Testo(1400, y, r.quota);
        d->Testo(1700, y, r.equita);
        d->Testo(2000, y, r.probabilita);
        y += 60;
    }
    y += 60;
    d->Testo(0, y, "Quota Totale: " + totaleQuota());
    d->Testo(0, y + 60, "Equita' Totale: " + totaleEquita());
    d->Testo(0, y + 120, "Probabilita' Totale: " + totaleProbabilita());
    if (!d->FinePagina()) {
        d->Annulla();
        return;
    }
    d->FineDocumento();
}

bool CDlgScommesse::PuoChiudere(IMessaggi& messaggi) const {
    if (!inCorso_) return true;
    messaggi.Errore(kRicercaInCorsoChiusura);
    return false;
}

} // namespace veltra
