#include "pools/CPropostaSistema.h"

#include "dati/DatiCampionati.h"
#include "platform/Messaggi.h"
#include "pools/CCondizionamenti.h"
#include "pools/OperazioniSchedina.h"
#include "pools/RicalcolaSistema.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace veltra {

namespace {

std::string Formatta(const char* formato, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, formato, v);
    return buf;
}

} // namespace

std::string TestoPercentuale(float frazione, bool segnoPiu) {
    return Formatta(segnoPiu ? "+%.0f%%" : "%.0f%%", static_cast<double>(frazione * 100.0f));
}

CPropostaSistema::CPropostaSistema(DatiCampionati& dati, Schedina& schedina,
                                   CCondizionamenti& condizioni,
                                   std::filesystem::path cartellaRiduzioni)
    : dati_(dati), s_(schedina), condizioni_(condizioni),
      cartellaRiduzioni_(std::move(cartellaRiduzioni)) {}

bool CPropostaSistema::Riempi(bool ricalcola, IMessaggi& messaggi) {
    if (s_.schedinaAssente != 0) return false;
    if (ricalcola && !RicalcolaSistema(s_, dati_, true, true, &messaggi, &condizioni_))
        return false;
    riduzioneMinIniziale_ = s_.riduzioneMin;
    riduzioneMaxIniziale_ = s_.riduzioneMax;
    SceltaDaSchedina();
    AggiornaRighe();
    AggiornaStato();
    return true;
}

void CPropostaSistema::SceltaDaSchedina() {
    if (s_.riduzioneMin == -1)
        scelta_ = SceltaRiduzione::Ridotto;
    else if (s_.riduzioneMin == -2)
        scelta_ = SceltaRiduzione::Condizionato;
    else if (s_.riduzioneMin == kRiduzioneOttima)
        scelta_ = SceltaRiduzione::Ottimo;
    else
        scelta_ = SceltaRiduzione::Correzione;
}

void CPropostaSistema::AggiornaRighe() {
    for (int r = 0; r < kRigheSchedina; ++r) {
        Partita& p = s_.partite[r];
        RigaProposta& v = righe_[r];
        v = RigaProposta{};
        v.vuota = Vuota(p);
        if (v.vuota) continue;
        v.casa = p.squadraCasa;
        v.trasferta = p.squadraTrasferta;
        v.pronostico = TestoPronostico(p);
        v.manuale = Manuale(p);
        v.altroIncontro = p.campionato < 0;
        v.campionato = p.campionato;
        v.p1 = Formatta("%.1f%%", static_cast<double>(p.prob1 * 100.0f));
        v.pX = Formatta("%.1f%%", static_cast<double>(p.probX * 100.0f));
        v.p2 = Formatta("%.1f%%", static_cast<double>(100.0f * (1.0f - p.prob1 - p.probX)));
    }
}

void CPropostaSistema::AggiornaStato() {
    comandi_ = ComandiAbilitati(s_, manualiFinestra_);
    const NumeroSegni n = StatoNumeroSegni(s_);
    colonneRidotto_ = DimensioneRidotto(cartellaRiduzioni_, n.triple, n.doppie);
    correzioni_ = ElencoCorrezioneErrori(cartellaRiduzioni_, n.triple, n.doppie);

    if (correzioni_.empty()) {
        indiceCorrezione_ = -1;
        if (scelta_ == SceltaRiduzione::Correzione) {
            scelta_ = SceltaRiduzione::Ridotto;
            s_.riduzioneMin = s_.riduzioneMax = -1;
        }
    } else {
        indiceCorrezione_ = -1;
        for (std::size_t i = 0; i < correzioni_.size(); ++i)
            if (correzioni_[i].erroriMin == s_.riduzioneMin &&
                correzioni_[i].erroriMax == s_.riduzioneMax)
                indiceCorrezione_ = static_cast<int>(i);
        if (indiceCorrezione_ < 0) {
            indiceCorrezione_ = 0;
            // The pair in use is gone: the first one takes its place. Another
            // kind of reduction in use stays as it is.
            if (scelta_ == SceltaRiduzione::Correzione) MemorizzaRiduzione();
        }
    }
    if (colonneRidotto_ <= 0 && scelta_ == SceltaRiduzione::Ridotto) {
        scelta_ = SceltaRiduzione::Condizionato;
        s_.riduzioneMin = s_.riduzioneMax = -2;
    }
    if (scelta_ == SceltaRiduzione::Nessuna) {
        scelta_ = colonneRidotto_ > 0        ? SceltaRiduzione::Ridotto
                  : !correzioni_.empty()     ? SceltaRiduzione::Correzione
                                             : SceltaRiduzione::Condizionato;
        MemorizzaRiduzione();
    }
}

void CPropostaSistema::MemorizzaRiduzione() {
    const std::int16_t primaMin = s_.riduzioneMin, primaMax = s_.riduzioneMax;
    switch (scelta_) {
    case SceltaRiduzione::Ridotto:
        s_.riduzioneMin = s_.riduzioneMax = -1;
        break;
    case SceltaRiduzione::Correzione:
        if (indiceCorrezione_ >= 0) {
            s_.riduzioneMin = static_cast<std::int16_t>(correzioni_[indiceCorrezione_].erroriMin);
            s_.riduzioneMax = static_cast<std::int16_t>(correzioni_[indiceCorrezione_].erroriMax);
        }
        break;
    case SceltaRiduzione::Condizionato:
    case SceltaRiduzione::Nessuna:
        s_.riduzioneMin = s_.riduzioneMax = -2;
        break;
    case SceltaRiduzione::Ottimo:
        s_.riduzioneMin = s_.riduzioneMax = kRiduzioneOttima;
        break;
    }
    if (primaMin != s_.riduzioneMin || primaMax != s_.riduzioneMax) InvalidaRidotto(s_);

    // The size the window showed for a table's system is the size of the
    // selected reduction: the record keeps it as counted (its columns are
    // built when needed), so the commands that need a reduced system of
    // known size ("Sistema Ridotto", "Spoglio Schedine") are offered.
    std::int32_t dimensione = -1;
    if (scelta_ == SceltaRiduzione::Ridotto)
        dimensione = colonneRidotto_;
    else if (scelta_ == SceltaRiduzione::Correzione && indiceCorrezione_ >= 0)
        dimensione = correzioni_[static_cast<std::size_t>(indiceCorrezione_)].colonne;
    else if (scelta_ == SceltaRiduzione::Ottimo)
        dimensione = static_cast<std::int32_t>(std::min<long long>(colonneOttimo(), ColonneIntegraleScelta()));
    const NumeroSegni n = StatoNumeroSegni(s_);
    SistemaRidotto& r = s_.ridotto;
    const bool noto = r.contato && r.numColonne >= 0 && r.erroriMin == s_.riduzioneMin &&
                      r.erroriMax == s_.riduzioneMax && r.numTriple == n.triple && r.numDoppie == n.doppie;
    if (!noto && dimensione > 0) {
        SistemaRidotto contato;
        contato.numTriple = static_cast<std::int16_t>(n.triple);
        contato.numDoppie = static_cast<std::int16_t>(n.doppie);
        contato.erroriMin = s_.riduzioneMin;
        contato.erroriMax = s_.riduzioneMax;
        contato.numColonne = dimensione;
        contato.contato = 1;
        r = std::move(contato);
    }
}

void CPropostaSistema::Modificato() {
    modificato_ = true;
    dati_.datiModificati = 1;
    s_.sistemaIniziale = 0;
    InvalidaRidotto(s_);
    AggiornaRighe();
    AggiornaStato();
}

bool CPropostaSistema::Comando(ComandoSistema c, IMessaggi& messaggi) {
    if (!ApplicaComandoSistema(s_, c).ok) {
        messaggi.Errore(kRichiestaImpossibile);
        return false;
    }
    Modificato();
    return true;
}

bool CPropostaSistema::ImpostaManuale(int riga, const std::string& testo) {
    if (riga < 0 || riga >= kRigheSchedina || Vuota(s_.partite[riga]) || testo.empty() ||
        testo.size() > 3)
        return false;
    for (char ch : testo)
        if (SegnoDaCarattere(ch) < 0 || ch == 'x') return false;
    s_.partite[riga].pronosticoManuale = testo;
    ++manualiFinestra_;
    Modificato();
    return true;
}

void CPropostaSistema::SistemaIniziale() {
    RicalcolaSistema(s_, dati_, false, false);
    manualiFinestra_ = 0;
    modificato_ = false;
    dati_.datiModificati = 1;
    AggiornaRighe();
    AggiornaStato();
}

void CPropostaSistema::ApplicaParametri(float probMinSegno, float probMinFissa, float bonus) {
    s_.probMinSegno = probMinSegno;
    s_.probMinFissa = probMinFissa;
    ImpostaBonus2(s_, bonus);
    dati_.datiModificati = 1;
    SistemaIniziale();
}

void CPropostaSistema::ScegliRidotto() {
    if (!ridottoAbilitato()) return;
    scelta_ = SceltaRiduzione::Ridotto;
    MemorizzaRiduzione();
    InvalidaRidotto(s_);
}

void CPropostaSistema::ScegliCorrezione(int indice) {
    if (indice < 0 || indice >= static_cast<int>(correzioni_.size())) return;
    indiceCorrezione_ = indice;
    scelta_ = SceltaRiduzione::Correzione;
    MemorizzaRiduzione();
    InvalidaRidotto(s_);
}

void CPropostaSistema::ScegliCondizionato() {
    scelta_ = SceltaRiduzione::Condizionato;
    MemorizzaRiduzione();
    // A conditioned system counted under the present conditions (the
    // conditions window's "Applica") stays: every change of the conditions
    // has already marked it not counted.
    const SistemaRidotto& r = s_.ridotto;
    if (!(r.contato && r.erroriMin == -2)) InvalidaRidotto(s_);
}

void CPropostaSistema::ScegliOttimo(std::int32_t colonne, int obiettivo, bool fuori) {
    const auto obi = static_cast<std::int16_t>(std::clamp(obiettivo, 12, 14));
    const std::int32_t k = std::max<std::int32_t>(0, colonne);
    if (s_.ottimoColonne != k || s_.ottimoObiettivo != obi || s_.ottimoFuori != (fuori ? 1 : 0)) {
        s_.ottimoColonne = k;
        s_.ottimoObiettivo = obi;
        s_.ottimoFuori = fuori ? 1 : 0;
        InvalidaRidotto(s_);
    }
    scelta_ = SceltaRiduzione::Ottimo;
    MemorizzaRiduzione();
}

std::int32_t CPropostaSistema::colonneOttimo() const {
    return s_.ottimoColonne > 0 ? s_.ottimoColonne : std::max<std::int32_t>(colonneRidotto_, 1);
}
int CPropostaSistema::obiettivoOttimo() const { return s_.ottimoObiettivo; }
bool CPropostaSistema::fuoriOttimo() const { return s_.ottimoFuori != 0; }

long long CPropostaSistema::ColonneIntegraleScelta() const {
    return s_.ottimoFuori ? 4782969LL : ColonneIntegrale(s_);
}

void CPropostaSistema::Chiudi() {
    MemorizzaRiduzione();
    if (s_.riduzioneMin != riduzioneMinIniziale_ || s_.riduzioneMax != riduzioneMaxIniziale_)
        dati_.datiModificati = 1;
}

std::string CPropostaSistema::testoIntegrale() const {
    return std::to_string(ColonneIntegrale(s_));
}

std::string CPropostaSistema::testoRidotto() const {
    return colonneRidotto_ > 0 ? std::to_string(colonneRidotto_) : "-----";
}

std::string CPropostaSistema::testoCondizionato() const {
    const SistemaRidotto& r = s_.ridotto;
    if (r.contato && r.erroriMin == -2 && r.numColonne >= 0) return std::to_string(r.numColonne);
    return "-";
}

std::string CPropostaSistema::testoErrori() const {
    if (indiceCorrezione_ < 0) return "- -";
    const auto& c = correzioni_[static_cast<std::size_t>(indiceCorrezione_)];
    return std::to_string(c.erroriMin) + "-" + std::to_string(c.erroriMax);
}

std::string CPropostaSistema::testoColonneCorrezione() const {
    if (indiceCorrezione_ < 0) return {};
    return std::to_string(correzioni_[static_cast<std::size_t>(indiceCorrezione_)].colonne);
}

int CPropostaSistema::percentualeMinSegno() const {
    return static_cast<int>(std::lround(s_.probMinSegno * 100.0f));
}
int CPropostaSistema::percentualeMinFissa() const {
    return static_cast<int>(std::lround(s_.probMinFissa * 100.0f));
}
int CPropostaSistema::percentualeBonus() const {
    return static_cast<int>(std::lround(s_.bonusSegno2 * 100.0f));
}

} // namespace veltra
