#include "engine/parametri/CDlgParametriAvanzati.h"

#include "dati/DatiCampionati.h"
#include "platform/FinestreNonModali.h"
#include "engine/parametri/CDlgImpostazioneParametri.h"
#include "engine/parametri/DiagnosticaGriglie.h"
#include "engine/parametri/LimitiTotali.h"
#include "engine/parametri/ProvaAnalisi.h"
#include "engine/parametri/TestiAnalisi.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace veltra {

namespace {

bool Trasferta(int campo) {
    switch (campo) {
    case CDlgParametriAvanzati::kModificaAltaTrasferta:
    case CDlgParametriAvanzati::kModificaBassaTrasferta:
    case CDlgParametriAvanzati::kForteTrasferta:
    case CDlgParametriAvanzati::kDeboleTrasferta:
    case CDlgParametriAvanzati::kLimiteMinTrasferta:
    case CDlgParametriAvanzati::kLimiteMaxTrasferta:
        return true;
    default:
        return campo < 18 && campo % 2 == 1;
    }
}

// The away counterpart of a home modification, threshold or limit.
int Controparte(int campo) {
    switch (campo) {
    case CDlgParametriAvanzati::kModificaAltaCasa:
        return CDlgParametriAvanzati::kModificaAltaTrasferta;
    case CDlgParametriAvanzati::kModificaBassaCasa:
        return CDlgParametriAvanzati::kModificaBassaTrasferta;
    case CDlgParametriAvanzati::kForteCasa:
        return CDlgParametriAvanzati::kForteTrasferta;
    case CDlgParametriAvanzati::kDeboleCasa:
        return CDlgParametriAvanzati::kDeboleTrasferta;
    case CDlgParametriAvanzati::kLimiteMinCasa:
        return CDlgParametriAvanzati::kLimiteMinTrasferta;
    case CDlgParametriAvanzati::kLimiteMaxCasa:
        return CDlgParametriAvanzati::kLimiteMaxTrasferta;
    default:
        return -1;
    }
}

std::string Formato(const char* f, double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, f, v);
    return buf;
}

} // namespace

CDlgParametriAvanzati::CDlgParametriAvanzati(CDlgImpostazioneParametri& finestra,
                                             const CAnalisi& analisi, bool solaLettura)
    : finestra_(&finestra), dati_(finestra.dati()), campionato_(finestra.campionato()),
      analisi_(analisi), solaLettura_(solaLettura) {
    if (solaLettura_) {
        // An archived analysis is only shown: the championship keeps its own.
        testoPrecisione_ = RigaPrecisione(analisi_, false);
        return;
    }
    const CCampionato& c = dati_.campionato(campionato_);
    applicata_ = AnalisiCorrente(c);
    LimitaApertura(analisi_);
    Applica();
}

CDlgParametriAvanzati::CDlgParametriAvanzati(const DatiCampionati& dati, int campionato,
                                             const CAnalisi& analisi)
    : finestra_(nullptr), dati_(dati), campionato_(campionato), analisi_(analisi),
      solaLettura_(true) {
    testoPrecisione_ = RigaPrecisione(analisi_, false);
}

std::string CDlgParametriAvanzati::Titolo() const {
    return "VELTRA - " +
           std::string(dati_.campionato(campionato_).descrizione().nome) +
           ". Parametri Avanzati";
}

CDlgParametriAvanzati::Intervallo CDlgParametriAvanzati::IntervalloDi(int campo) const {
    if (campo >= 0 && campo < 18) return {-4.0, 4.0, 0.01, 2};
    switch (campo) {
    case kModificaAltaCasa:
    case kModificaAltaTrasferta:
        return {0.0, 1.0, 0.25, 2};
    case kModificaBassaCasa:
    case kModificaBassaTrasferta:
        return {-1.0, 0.0, 0.25, 2};
    case kInclusi: {
        const int stagioni =
            dati_.campionato(campionato_).numeroStagioniCorrenti();
        return {1.0, static_cast<double>(std::max(1, stagioni)), 1.0, 0};
    }
    case kImportanza:
        return {100.0, 195.0, 1.0, 0};
    default: {
        const auto [lo, hi] = TotaliRaggiungibili(analisi_, Trasferta(campo), true);
        // The value in force always lies in its spin's range: when the points
        // of a side are all equal the limits and thresholds are not clamped
        // to the single reachable total, and the spin must not pretend they were.
        const double v = Valore(campo);
        return {std::min(static_cast<double>(lo - 1), v), std::max(static_cast<double>(hi + 1), v),
                1.0, 0};
    }
    }
}

float& CDlgParametriAvanzati::Campo(int campo) {
    CPunteggiAvanzati& p = analisi_.punteggiAvanzati;
    switch (campo) {
    case kModificaAltaCasa:
        return p.modificaAltaCasa;
    case kModificaBassaCasa:
        return p.modificaBassaCasa;
    case kModificaAltaTrasferta:
        return p.modificaAltaTrasferta;
    case kModificaBassaTrasferta:
        return p.modificaBassaTrasferta;
    case kForteCasa:
        return p.forteCasa;
    case kDeboleCasa:
        return p.deboleCasa;
    case kForteTrasferta:
        return p.forteTrasferta;
    case kDeboleTrasferta:
        return p.deboleTrasferta;
    default:
        return p.punti[std::clamp(campo, 0, 17)];
    }
}

double CDlgParametriAvanzati::Valore(int campo) const {
    const CPunteggiAvanzati& p = analisi_.punteggiAvanzati;
    switch (campo) {
    case kLimiteMinCasa:
        return analisi_.limiteMinCasa;
    case kLimiteMaxCasa:
        return analisi_.limiteMaxCasa;
    case kLimiteMinTrasferta:
        return analisi_.limiteMinTrasferta;
    case kLimiteMaxTrasferta:
        return analisi_.limiteMaxTrasferta;
    case kInclusi:
        return p.campionatiInclusi;
    case kImportanza:
        return std::round(static_cast<double>(p.importanzaMax) * 100.0);
    default:
        return const_cast<CDlgParametriAvanzati*>(this)->Campo(campo);
    }
}

std::string CDlgParametriAvanzati::Testo(int campo) const {
    const double v = Valore(campo);
    if (campo < 18 || (campo >= kModificaAltaCasa && campo <= kModificaBassaTrasferta))
        return Formato("%+.2f", v);
    if (campo >= kForteCasa && campo <= kDeboleTrasferta) return Formato("%+.0f", v);
    if (campo == kImportanza) return Formato("%.0f%%", v);
    char buf[16];
    std::snprintf(buf, sizeof buf, campo == kInclusi ? "%d" : "%+d", static_cast<int>(v));
    return buf;
}

std::string CDlgParametriAvanzati::TestoImportanzaMin() const {
    return Formato(
        "%.0f%%", std::round(static_cast<double>(analisi_.punteggiAvanzati.importanzaMin) * 100.0));
}

std::string CDlgParametriAvanzati::TestoImportanzaMax() const {
    return Formato(
        "%.0f%%", std::round(static_cast<double>(analisi_.punteggiAvanzati.importanzaMax) * 100.0));
}

std::string CDlgParametriAvanzati::TestoIntervalloStagioni() const {
    const CCampionato& c = dati_.campionato(campionato_);
    const int stagioni = c.numeroStagioniCorrenti();
    const int inclusi =
        std::clamp<int>(analisi_.punteggiAvanzati.campionatiInclusi, 1, std::max(1, stagioni));
    const int primo = c.descrizione().annoPrimaStagione + (stagioni - inclusi);
    const int ultimo = primo + inclusi - 1;
    const std::string_view nome = c.descrizione().nome;
    char buf[64];
    // These leagues play within one calendar year.
    if (nome == "Finlandia" || nome == "Norvegia" || nome == "Svezia" || nome == "Russia")
        std::snprintf(buf, sizeof buf, "dal %d al %d", primo, ultimo);
    else
        std::snprintf(buf, sizeof buf, "dal %d/%02d al %d/%02d", primo, (primo + 1) % 100, ultimo,
                      (ultimo + 1) % 100);
    return buf;
}

void CDlgParametriAvanzati::Imposta(int campo, double valore) {
    if (solaLettura_ || campo < 0 || campo >= kNumeroCampi || !std::isfinite(valore)) return;
    const Intervallo r = IntervalloDi(campo);
    valore = std::clamp(valore, r.minimo, r.massimo);
    valore = std::round(valore / r.passo) * r.passo;
    CPunteggiAvanzati& p = analisi_.punteggiAvanzati;
    const bool separa = p.separaCasaTrasferta;

    if (campo < 18) {
        // Points are kept in hundredths, as the spins show them.
        const float v = static_cast<float>(std::round(valore * 100.0) / 100.0);
        p.punti[campo] = v;
        if (insieme_) p.punti[campo ^ 1] = v;
        const bool trasferta = campo % 2 == 1;
        // Without separate histories both sides' ranges come from all 18 points.
        const bool entrambi = insieme_ || !separa;
        if (!DopoPunti(entrambi || !trasferta, entrambi || trasferta)) return;
        Applica();
        return;
    }

    const int controparte = separa ? -1 : Controparte(campo);
    for (int k : {campo, controparte}) {
        if (k < 0) continue;
        switch (k) {
        case kLimiteMinCasa:
        case kLimiteMinTrasferta: {
            auto& minimo =
                k == kLimiteMinCasa ? analisi_.limiteMinCasa : analisi_.limiteMinTrasferta;
            auto& massimo =
                k == kLimiteMinCasa ? analisi_.limiteMaxCasa : analisi_.limiteMaxTrasferta;
            minimo = static_cast<std::int16_t>(valore);
            if (massimo < minimo) massimo = minimo;
            break;
        }
        case kLimiteMaxCasa:
        case kLimiteMaxTrasferta: {
            auto& minimo =
                k == kLimiteMaxCasa ? analisi_.limiteMinCasa : analisi_.limiteMinTrasferta;
            auto& massimo =
                k == kLimiteMaxCasa ? analisi_.limiteMaxCasa : analisi_.limiteMaxTrasferta;
            massimo = static_cast<std::int16_t>(valore);
            if (minimo > massimo) minimo = massimo;
            break;
        }
        case kInclusi:
            p.campionatiInclusi = static_cast<std::int32_t>(valore);
            break;
        case kImportanza:
            p.importanzaMax = static_cast<float>(valore / 100.0);
            p.importanzaMin = static_cast<float>((200.0 - valore) / 100.0);
            break;
        default:
            Campo(k) = static_cast<float>(valore);
            break;
        }
    }
    if (p.forteCasa < p.deboleCasa) p.forteCasa = p.deboleCasa;
    if (p.forteTrasferta < p.deboleTrasferta) p.forteTrasferta = p.deboleTrasferta;
    Applica();
}

bool CDlgParametriAvanzati::DopoPunti(bool casa, bool trasferta) {
    for (bool lato : {false, true}) {
        const auto [lo, hi] = TotaliRaggiungibili(analisi_, lato, true);
        if (lo != hi) continue;
        const char* testo = lato ? kDifferenziareTrasferta : kDifferenziareCasa;
        Mostra(testo, false, TestiStato{false, testo, " "});
        return false;
    }
    if (casa) LimitaDopoPunti(analisi_, false);
    if (trasferta) LimitaDopoPunti(analisi_, true);
    return true;
}

void CDlgParametriAvanzati::Applica() {
    if (!finestra_) return;
    CCampionato& c = finestra_->dati().campionato(campionato_);
    const EsitoProva e = ProvaAnalisi(c, analisi_, applicata_, finestra_->archivio(),
                                      kLimitiNonValidiAvanzati, kRestringereLimitiAvanzati);
    if (e.ok) applicata_ = analisi_;
    Mostra(e.ok ? RigaPrecisione(analisi_, false) : e.stato.pannello1, e.ok, e.stato);
}

void CDlgParametriAvanzati::Mostra(const std::string& testo, bool ok, const TestiStato& stato) {
    testoPrecisione_ = testo;
    ok_ = ok;
    if (finestra_) finestra_->MostraEsito(testo, ok, stato);
}

bool CDlgParametriAvanzati::allineaAbilitato() const {
    if (solaLettura_ || !ok_ || !finestra_) return false;
    const FinestreNonModali& f = finestra_->finestre();
    bool altre = false;
    for (int k = 0; k < kNumeroFinestre; ++k) {
        const auto w = static_cast<Finestra>(k);
        if (w != Finestra::AnalisiCorrente && f.Aperta(w)) altre = true;
    }
    return altre && !analisi_.StessiParametri(finestra_->allineata());
}

void CDlgParametriAvanzati::Allinea() {
    if (!allineaAbilitato()) return;
    finestra_->AllineaDa(analisi_);
}

void CDlgParametriAvanzati::Ok() {
    if (!solaLettura_ && finestra_) finestra_->ImpostaAnalisi(analisi_);
}

void CDlgParametriAvanzati::Annulla() {
    if (!solaLettura_ && finestra_) finestra_->Riapplica();
}

std::string CDlgParametriAvanzati::Diagnostica(int x, int y) const {
    if (y < 0 || y > 8 || x < 0 || x > 26) return {};
    const CCampionato& c = dati_.campionato(campionato_);
    if (x <= 8) return StatisticheGriglie(c, true);
    if (x <= 17) return StatisticheGriglie(c, false);
    return TabellaTotali(analisi_.punteggiAvanzati);
}

std::string CDlgParametriAvanzati::Suggerimento(int campo) {
    if (campo >= 0 && campo < 18) {
        static const char* kEsiti[3] = {"una vittoria", "un pareggio", "una sconfitta"};
        static const char* kForze[3] = {"forte", "media", "debole"};
        for (int e = 0; e < 3; ++e)
            for (int f = 0; f < 3; ++f)
                if (CPunteggiAvanzati::IndicePunti(static_cast<Esito>(e), static_cast<Forza>(f)) ==
                    (campo & ~1))
                    return std::string("Imposta il punteggio per ") + kEsiti[e] +
                           (campo % 2 ? " in trasferta" : " in casa") + " contro una squadra " +
                           kForze[f];
        return {};
    }
    switch (campo) {
    case kLimiteMinCasa:
        return "Imposta il limite minimo del punteggio totale per squadre in casa";
    case kLimiteMaxCasa:
        return "Imposta il limite massimo del punteggio totale per squadre in casa";
    case kLimiteMinTrasferta:
        return "Imposta il limite minimo del punteggio totale per squadre in trasferta";
    case kLimiteMaxTrasferta:
        return "Imposta il limite massimo del punteggio totale per squadre in trasferta";
    case kForteCasa:
        return "Imposta il minimo punteggio totale per squadre forti in casa";
    case kDeboleCasa:
        return "Imposta il massimo punteggio totale per squadre deboli in casa";
    case kForteTrasferta:
        return "Imposta il minimo punteggio totale per squadre forti in trasferta";
    case kDeboleTrasferta:
        return "Imposta il massimo punteggio totale per squadre deboli in trasferta";
    case kInclusi:
        return "Imposta il numero delle stagioni da includere nell'Analisi";
    case kImportanza:
        return "Imposta le percentuali d'importanza min/max dei campionati del passato";
    case kModificaAltaCasa:
        return "Imposta l'aggiustamento ai punteggi totali per squadre in casa di alta classifica";
    case kModificaBassaCasa:
        return "Imposta l'aggiustamento ai punteggi totali per squadre in casa di bassa classifica";
    case kModificaAltaTrasferta:
        return "Imposta l'aggiustamento ai punteggi totali per squadre in trasferta di alta "
               "classifica";
    case kModificaBassaTrasferta:
        return "Imposta l'aggiustamento ai punteggi totali per squadre in trasferta di bassa "
               "classifica";
    default:
        return {};
    }
}

} // namespace veltra
