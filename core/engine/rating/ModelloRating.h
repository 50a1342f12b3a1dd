#pragma once
// The rating model: a goal-based model in the manner of Dixon and Coles
// (1997). Each club has an attack and a defence strength; the goals of the
// home side are Poisson with mean exp(mu + home + attack(home) +
// defence(away)), those of the away side with mean exp(mu + attack(away) +
// defence(home)). The strengths are fitted by weighted maximum likelihood on
// the scores of the last seasons, each match weighted by exp(-decay * age in
// days) (recent form counts more), with a ridge penalty that pulls every
// strength towards a prior: 0 for a club of the previous season, a weaker
// prior for a club new to the league. The probabilities of 1, X, 2 come from
// the score matrix with the Dixon-Coles correction of the low scores (rho).
//
// Clubs are followed across seasons by their name. When the seasons to fit
// lack most of their scores (results typed by hand, sources without goals),
// the model falls back on a results-only rating: Elo ratings updated match by
// match with an ordered-logit draw model.
#include "dati/Campionato.h"
#include "dati/quote/LeggiQuoteFootballData.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

// The defaults were chosen walking forward through the seasons 2014-15 to
// 2018-19 of Serie A and the Premier League only (resources/dati/
// cerca-parametri.sh), so the later seasons stay out of sample.
struct ParametriRating {
    double decadimento = 0.0025;     // per day: half-life of about 9 months
    double regolarizzazione = 3.0;   // ridge weight (in matches' worth of weight)
    double neopromosse = 0.3;        // prior of a new club: attack -x, defence +x
    double rho = -0.06;              // low-score correction of Dixon and Coles
    int stagioniStoria = 4;          // seasons before the current one that are fitted
    // Elo fallback.
    double eloK = 20.0;
    double eloCasa = 60.0;
    double eloPareggio = 0.6;        // half-width of the draw band, in logits

    friend bool operator==(const ParametriRating&, const ParametriRating&) = default;
};

// Sets a field by name ("decadimento", "regolarizzazione", "neopromosse",
// "rho", "stagioniStoria", "eloK", "eloCasa", "eloPareggio"); an error text
// or nullopt.
std::optional<std::string> ImpostaParametroRating(ParametriRating& p, std::string_view nome,
                                                  std::string_view valore);

class ModelloRating {
public:
    explicit ModelloRating(ParametriRating p = {}) : p_(p) {}

    // Fits on the championship's data up to its cut-off. 0 on success, -1
    // when there is no season or no usable match.
    int Aggiorna(const CCampionato& c);
    // Indices of the current team list.
    std::optional<Probabilita1X2> Stima(int casa, int trasferta) const;
    bool soloRisultati() const { return elo_; }
    const ParametriRating& parametri() const { return p_; }

    // Goal means of a match (for tests and reports); nullopt in the Elo fallback.
    std::optional<std::pair<double, double>> MedieReti(int casa, int trasferta) const;

private:
    struct Squadra {
        double attacco = 0, difesa = 0, prioreAttacco = 0, prioreDifesa = 0;
        double elo = 1500;
    };
    int Id(const std::string& nome);
    int AggiornaPoisson(const CCampionato& c, int prima, int ultima, int limite);
    int AggiornaElo(const CCampionato& c, int prima, int ultima, int limite);

    ParametriRating p_;
    std::map<std::string, int> ids_;
    std::vector<Squadra> squadre_;
    std::vector<int> correnti_; // ids of the current team list
    double mu_ = 0.3, casa_ = 0.25;
    bool elo_ = false;
    bool pronto_ = false;
};

// 1X2 probabilities of two Poisson goal means with the Dixon-Coles correction.
Probabilita1X2 ProbabilitaPoisson(double mediaCasa, double mediaTrasferta, double rho);

} // namespace veltra
