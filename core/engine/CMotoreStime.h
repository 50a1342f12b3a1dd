#pragma once
// The estimation engine of one championship: it replays the stored seasons,
// counts every match in a grid of (home total, away total) per result, fits
// one plane per sign by least squares and evaluates the planes for a match.
//
// Everything is single-precision and follows a fixed order of operations, so
// results are bit-identical to those stored in existing archives. Every array
// is sized when the context is created: a recomputation allocates nothing.
#include <cstdint>
#include <optional>
#include <vector>

namespace veltra {

class CCampionato;

struct Stima {
    float p1 = 0, pX = 0, p2 = 0;
};

inline constexpr int kDimensioneGriglia = 43;
inline constexpr int kMaxGiornateAnalisi = 5;
inline constexpr float kSlotVuoto = 7.0f; // a history slot holding 7.0 is empty

// Whole-number rounding of the engine: fractional part >= 0.5 adds 1,
// < -0.5 subtracts 1 (2.5 -> 3, -2.5 -> -2).
int Arrotonda(float x);

class CMotoreStime {
public:
    // Allocates the per-team arrays (numeroSquadreMax slots, or as many as
    // the largest stored season needs) and the grids.
    explicit CMotoreStime(CCampionato& campionato);

    // Reloads every parameter from the championship and resets the team state.
    void PreparaMotore();
    // Replays the stored seasons into histories, table and grids.
    void CalcolaGriglie();
    // Fits the three planes and their precisions; 0 on success. A failure
    // leaves coefficients and precisions as they were.
    int CalcolaRegressione();
    // The three steps in order; the result of the fit.
    int AggiornaStime();
    // 0 and the estimate, or -1 when a team has not played enough matches of
    // the current season (or is not a current team).
    int StimaIncontro(int casa, int trasferta, Stima& stima) const;
    // The current total scores (in units, with the table-position
    // modifications) the estimate of a match evaluates; -1 as StimaIncontro.
    int PunteggiTotali(int casa, int trasferta, float& totaleCasa, float& totaleTrasferta) const;
    // Share (percent) of the replayed matches the score limits keep; nullopt
    // when no replayed match is counted at all. Call after a successful
    // AggiornaStime. Leaves grids, coefficients and precisions untouched.
    std::optional<float> PercentualeDatiUsati();
    // After a failed fit: whether the cause is the data rather than the
    // parameters, that is the last replay met fewer matches with a full
    // history (those that can enter a grid) than the cells the fit reads.
    // An empty championship, or one with its first matchdays only, cannot be
    // fitted whatever its parameters.
    bool IncontriInsufficienti() const;
    // Matches of the last replay whose teams had a full history.
    int incontriConStorico() const { return stato_.incontriConStorico; }
    // Default parameters for the championship, then AggiornaStime.
    int RipristinaParametri();

    // Whether the last PreparaMotore found the parameters usable. Parameters
    // the engine cannot represent (see PreparaMotore) make every fit fail.
    bool parametriValidi() const { return stato_.valido; }

    const float* coefficienti1() const { return coefficienti_[0]; }
    const float* coefficientiX() const { return coefficienti_[1]; }
    const float* coefficienti2() const { return coefficienti_[2]; }
    float precisione1() const { return precisione_[0]; }
    float precisioneX() const { return precisione_[1]; }
    float precisione2() const { return precisione_[2]; }
    // (precisione1 + precisioneX + precisione2) / 3
    float precisioneMedia() const;

    // Read access to the working state, for reports and diagnostics.
    int giornate() const { return stato_.giornate; }
    int righe() const { return stato_.righe; }
    int colonne() const { return stato_.colonne; }
    float origineRighe() const { return stato_.origineRighe; }
    float origineColonne() const { return stato_.origineColonne; }
    // Grid of result 0 = '1', 1 = 'X', 2 = '2'.
    float griglia(int risultato, int riga, int colonna) const {
        return stato_.griglia[Cella(risultato, riga, colonna)];
    }
    int posizioneClassifica(int squadra) const { return stato_.posizione[squadra]; }
    // The k-th most recent value (k = 0 the latest) of a team's history: its
    // home history, or with `trasferta` its away history (its single history
    // when home and away are not kept apart). kSlotVuoto when empty or out of range.
    float ValoreStorico(int squadra, bool trasferta, int k) const;
    // Whether the last replay kept home and away histories apart.
    bool separaCasaTrasferta() const { return stato_.separa; }
    // The importance percentage of the k-th most recent match.
    float peso(int k) const { return stato_.pesi[k]; }

private:
    // The searches' fast path reads the prepared state and hands its grids to
    // CalcolaRegressione.
    friend class ValutatorePercentuali;

    // Everything a replay reads and writes. The engine keeps two: the real one,
    // and one for the widened limits of PercentualeDatiUsati, so measuring the
    // data usage never disturbs (nor has to rebuild) the real grids.
    struct Stato {
        bool valido = false;
        bool separa = true;
        int giornate = 2;
        float pesi[kMaxGiornateAnalisi] = {};
        int righe = 0, colonne = 0;
        float origineRighe = 0, origineColonne = 0;
        float importanzaIniziale = 0, incrementoImportanza = 0;
        int primaStagione = 0;
        float modifiche[4] = {};  // alta casa, bassa casa, alta trasferta, bassa trasferta
        float soglie[4] = {};
        float limiti[4] = {};
        float punti[18] = {};
        float forteCasa = 0, forteTrasferta = 0, deboleCasa = 0, deboleTrasferta = 0;
        int squadreStagione = 0;
        int incontriConStorico = 0;

        std::vector<float> storicoCasa, storicoTrasferta; // [slot * 5 + k]
        std::vector<std::int16_t> posizioneCasa, posizioneTrasferta;
        std::vector<std::int16_t> posizione, puntiStretti; // classifica: posizione, punti
        std::vector<std::int16_t> puntiClassifica;
        std::vector<std::int16_t> giocate;
        // Third of the table of every position in the season being replayed.
        std::vector<std::int8_t> classePerPosizione;
        std::vector<float> griglia; // 3 grids of 43 x 43
    };

    static int Cella(int risultato, int riga, int colonna) {
        return (risultato * kDimensioneGriglia + riga) * kDimensioneGriglia + colonna;
    }

    void Prepara(Stato& s, int limiteMinCasa, int limiteMaxCasa, int limiteMinTrasferta,
                 int limiteMaxTrasferta) const;
    void Replay(Stato& s) const;
    template <bool Separa, bool Stretto> void ReplayVariante(Stato& s) const;
    void AzzeraSquadre(Stato& s) const;
    void DimensionaSquadre(int slot);

    CCampionato& campionato_;
    int numeroSquadreMax_;
    Stato stato_;
    Stato statoDatiUsati_;
    float coefficienti_[3][3] = {};
    float precisione_[3] = {};
};

// Attaches a new engine context to the championship (once its data are
// loaded), replacing any earlier one.
void CreaMotore(CCampionato& c);

} // namespace veltra
