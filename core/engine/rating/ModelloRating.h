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

// The values here are the fallback of the table of each championship's
// parameters (resources/parametri-rating.txt, built into the program), which
// `veltra-cli tara-rating` fits on seasons before those the figures are then
// measured on.
struct ParametriRating {
    double decadimento = 0.0025;     // per day: half-life of about 9 months
    double regolarizzazione = 3.0;   // ridge weight (in matches' worth of weight)
    double neopromosse = 0.3;        // prior of a new club: attack -x, defence +x
    double rho = -0.06;              // low-score correction of Dixon and Coles
    int stagioniStoria = 4;          // seasons before the current one that are fitted
    // Each season before the current one weighs this much less again (a
    // summer of transfers is more than its days' decay).
    double pesoStagione = 1.0;
    // How far a promoted club's prior follows its goals of the last season in
    // the lower division (where the program has that championship), around
    // the average promoted club.
    double pesoInferiore = 0.0;
    // Elo fallback.
    double eloK = 20.0;
    double eloCasa = 60.0;
    double eloPareggio = 0.6;        // half-width of the draw band, in logits

    friend bool operator==(const ParametriRating&, const ParametriRating&) = default;
};

// Sets a field by name ("decadimento", "regolarizzazione", "neopromosse",
// "rho", "stagioniStoria", "pesoStagione", "pesoInferiore", "eloK",
// "eloCasa", "eloPareggio"); an error text or nullopt.
std::optional<std::string> ImpostaParametroRating(ParametriRating& p, std::string_view nome,
                                                  std::string_view valore);
// Every field as "nome=valore ..." (the table's notation).
std::string TestoParametriRating(const ParametriRating& p);

// The table of parameters per championship: lines "CODICE nome=valore ...",
// "*" for every championship not named; '#' starts a comment. Fields not
// given keep the line "*"'s values (or the built-in ones). An error text
// ("riga N: ...") or nullopt; on an error nothing is changed.
std::optional<std::string> LeggiTabellaParametriRating(std::string_view testo,
                                                       std::vector<ParametriRating>& perCampionato);
// The parameters of championship `id` from the table built into the program.
ParametriRating ParametriRatingPredefiniti(CampionatoId id);
// The championship one division below `id` whose clubs are promoted into it,
// or -1 (only Serie B below Serie A is stored).
int DivisioneInferiore(CampionatoId id);

class ModelloRating {
public:
    explicit ModelloRating(ParametriRating p = {}) : p_(p) {}

    // The lower division, for the priors of promoted clubs; it must outlive
    // the fits. Only its season before the one estimated is read, which has
    // ended before that season starts.
    void ImpostaInferiore(const CCampionato* inferiore) { inferiore_ = inferiore; }

    // Fits on the championship's data up to its cut-off. 0 on success, -1
    // when there is no season or no usable match.
    int Aggiorna(const CCampionato& c);
    // Indices of the current team list.
    std::optional<Probabilita1X2> Stima(int casa, int trasferta) const;
    bool soloRisultati() const { return elo_; }
    const ParametriRating& parametri() const { return p_; }

    // The fitted home advantage (log of the goal ratio) and a current club's
    // attack and defence (for tests and reports); nullopt in the Elo fallback.
    std::optional<double> VantaggioCasa() const;
    std::optional<std::pair<double, double>> Forze(int squadra) const;
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
    void PrioriDaInferiore(const CCampionato& c, int ultima, const std::vector<int>& promosse);

    ParametriRating p_;
    const CCampionato* inferiore_ = nullptr;
    std::map<std::string, int> ids_;
    std::vector<Squadra> squadre_;
    std::vector<int> correnti_; // ids of the current team list
    double mu_ = 0.3, casa_ = 0.25;
    bool elo_ = false;
    bool pronto_ = false;
};

// The text of resources/parametri-rating.txt as the program was built with it.
const char* TabellaParametriRatingIncorporata();

// 1X2 probabilities of two Poisson goal means with the Dixon-Coles correction.
Probabilita1X2 ProbabilitaPoisson(double mediaCasa, double mediaTrasferta, double rho);

} // namespace veltra
