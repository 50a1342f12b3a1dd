#pragma once
// The rules of the system window "MARVEN - Proposta di Sistema": the rows
// with their predictions and percentages, the ten modification commands and
// when each is enabled, predictions set by hand, the return to the base
// system, the thresholds, and the choice of the reduced system with its size.
#include "pools/ComandiSistema.h"
#include "pools/DimensioniSistema.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace veltra {

struct DatiCampionati;
struct Schedina;
struct CCondizionamenti;
class IMessaggi;

inline constexpr const char* kTitoloPropostaSistema = "MARVEN - Proposta di Sistema";
inline constexpr const char* kTitoloParametriSistemaBase =
    "MARVEN - Impostazione parametri per il sistema base";

struct RigaProposta {
    std::string casa, trasferta;
    std::string pronostico;
    std::string p1, pX, p2; // "%.1f%%"; the 2 without the bonus
    bool manuale = false;
    bool vuota = true;
    bool altroIncontro = false; // no event data for a match of another competition
    int campionato = -1;
    // The "i" button: the event data of a match of one of the championships.
    bool datiEvento() const { return !vuota && !altroIncontro && campionato >= 0; }
};

enum class SceltaRiduzione { Nessuna, Ridotto, Correzione, Condizionato, Ottimo };

inline constexpr const char* kSceltaOttimo = "Ottimo per probabilità";

class CPropostaSistema {
public:
    CPropostaSistema(DatiCampionati& dati, Schedina& schedina, CCondizionamenti& condizioni,
                     std::filesystem::path cartellaRiduzioni);

    // Fills the window. With `ricalcola` (a refresh) the coupon is first
    // recomputed from the present estimates, manual predictions kept. false
    // when there is no coupon or the recompute cancelled it: the window closes.
    bool Riempi(bool ricalcola, IMessaggi& messaggi);

    // One of the ten commands; on failure the message is shown and false.
    bool Comando(ComandoSistema c, IMessaggi& messaggi);
    // A prediction chosen in "Selezione Pronostico": the row becomes manual.
    bool ImpostaManuale(int riga, const std::string& testo);
    // "&Sistema iniziale": the base system again, manual predictions dropped.
    void SistemaIniziale();
    // The thresholds dialog confirmed (fractions): stored, bonus applied,
    // then the base system again.
    void ApplicaParametri(float probMinSegno, float probMinFissa, float bonus);

    void ScegliRidotto();
    void ScegliCorrezione(int indice);
    void ScegliCondizionato();
    // "Ottimo per probabilità": the best `colonne` columns (0: as many as
    // the N-1 table) for the chance of `obiettivo` (12, 13, 14) or more,
    // among the full system's columns or, with `fuori`, among all.
    void ScegliOttimo(std::int32_t colonne, int obiettivo, bool fuori);
    // The budget the choice offers: the one set, else the N-1 table's size.
    std::int32_t colonneOttimo() const;
    int obiettivoOttimo() const;
    bool fuoriOttimo() const;

    // OK or closing: the reduction stored from the choices; datiModificati
    // when it differs from the one found at filling.
    void Chiudi();

    const std::array<RigaProposta, 14>& righe() const { return righe_; }
    const std::array<bool, kNumeroComandiSistema>& comandiAbilitati() const { return comandi_; }
    bool sistemaInizialeAbilitato() const { return modificato_; }
    int manualiFinestra() const { return manualiFinestra_; }

    std::string testoIntegrale() const;        // "Colonne Integrale :" count
    std::string testoRidotto() const;          // count or "-----"
    std::string testoCondizionato() const;     // count or "-"
    bool ridottoAbilitato() const { return colonneRidotto_ > 0; }
    bool correzioneAbilitata() const { return !correzioni_.empty(); }
    const std::vector<CorrezioneErrori>& correzioni() const { return correzioni_; }
    int correzioneSelezionata() const { return indiceCorrezione_; }
    std::string testoErrori() const;           // "%d-%d" or "- -"
    std::string testoColonneCorrezione() const; // the selected pair's count or ""
    SceltaRiduzione scelta() const { return scelta_; }

    // The thresholds as the dialog shows them: whole percentages.
    int percentualeMinSegno() const;
    int percentualeMinFissa() const;
    int percentualeBonus() const;

private:
    void AggiornaRighe();
    void AggiornaStato();
    void Modificato();
    void SceltaDaSchedina();
    void MemorizzaRiduzione();
    long long ColonneIntegraleScelta() const; // the candidates of the best system

    DatiCampionati& dati_;
    Schedina& s_;
    CCondizionamenti& condizioni_;
    std::filesystem::path cartellaRiduzioni_;
    std::array<RigaProposta, 14> righe_;
    std::array<bool, kNumeroComandiSistema> comandi_{};
    bool modificato_ = false;
    int manualiFinestra_ = 0;
    int riduzioneMinIniziale_ = -1, riduzioneMaxIniziale_ = -1;
    std::int32_t colonneRidotto_ = -1;
    std::vector<CorrezioneErrori> correzioni_;
    int indiceCorrezione_ = -1;
    SceltaRiduzione scelta_ = SceltaRiduzione::Nessuna;
};

// "%.0f%%" of a fraction, as the thresholds dialog writes it.
std::string TestoPercentuale(float frazione, bool segnoPiu = false);

} // namespace veltra
