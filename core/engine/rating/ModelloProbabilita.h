#pragma once
// The probabilities of 1, X and 2 of a match, from whichever model a
// championship uses: the estimation engine (the default) or the rating model.
// The coupon and the betting module ask for them through this interface, so
// the user's choice (CCampionato::modello) reaches them without either
// knowing which model answers.
#include "dati/Campionato.h"
#include "dati/DatiCampionati.h"
#include "dati/quote/LeggiQuoteFootballData.h"
#include "engine/rating/ModelloRating.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace veltra {

struct Stima;

class IModelloProbabilita {
public:
    virtual ~IModelloProbabilita() = default;
    // Fits the model on the championship's data as its accessors give them
    // (up to the historical cut-off when one is active). 0 on success.
    virtual int Aggiorna() = 0;
    // Probabilities of a match between two teams of the current team list
    // (squadreCorrenti); nullopt when the model cannot estimate it. They are
    // proper probabilities: each above 0, adding up to 1.
    virtual std::optional<Probabilita1X2> Stima(int casa, int trasferta) const = 0;
};

// The model the championship `c` uses, or the one asked for. It reads `c`
// at every Aggiorna, so it must not outlive it.
std::unique_ptr<IModelloProbabilita> CreaModelloProbabilita(CCampionato& c);
std::unique_ptr<IModelloProbabilita> CreaModelloProbabilita(CCampionato& c, ModelloStime modello);
// The rating model with other parameters than the championship's; with the
// lower division (DivisioneInferiore) for the priors of promoted clubs when
// given (it must outlive the model too).
std::unique_ptr<IModelloProbabilita> CreaModelloRating(CCampionato& c, const ParametriRating& p,
                                                       const CCampionato* inferiore = nullptr);

// The model in use for a championship: the one whose estimates the user
// sees (predictions, coupon, bets, the next matchday). New working folders
// start with the rating model for every championship; a folder made before
// keeps its stored choice (ModelliStime.txt; none means the engine). Every
// window or command that shows an estimate asks here.
ModelloStime ModelloInUso(const DatiCampionati& dati, int campionato);
// That model, ready to fit: the rating model with the championship's
// parameters and its lower division, or the engine.
std::unique_ptr<IModelloProbabilita> CreaModelloInUso(DatiCampionati& dati, int campionato);
// After the engine of a championship that uses it was fitted (`riuscito`:
// whether the fit succeeded): true when it cannot estimate a single match of
// the current team list because the season has no or too few matches yet,
// while the rating model can estimate it from the seasons before. Then the
// windows offer the rating model (kOffertaModelloRating) instead of a dead end.
bool OffrireModelloRating(DatiCampionati& dati, int campionato, bool riuscito);
// The model a new working folder gives every championship.
inline constexpr ModelloStime kModelloNuoveCartelle = ModelloStime::Rating;

// Fits the model the championship uses for the coupon and the bets: the
// engine (made when missing) or, when the rating model is chosen, a rating
// model fitted afresh from the data as the accessors give them (so a
// historical cut-off is honoured) and kept in c.modelloScelto. Only the chosen
// model is fitted. true on success.
bool AggiornaModelloScelto(CCampionato& c);
// The same, with the lower division of the championship for the rating model.
bool AggiornaModelloScelto(DatiCampionati& dati, int campionato);

// P1, PX, P2 of a match between two teams of the current list from the
// chosen model, after AggiornaModelloScelto: the engine's raw values (each
// caller applies its own floor, as it always has) or the rating model's
// probabilities. nullopt when the model cannot estimate the match.
std::optional<std::array<float, 3>> StimaModelloScelto(const CCampionato& c, int casa,
                                                        int trasferta);

// The engine's three values as proper probabilities: the floor the betting
// module applies (a value <= 0 becomes 0.01 and the other two give up half of
// the difference each, in the order 1, X, 2), then every value kept above
// 0.001 and the three scaled to add up to 1.
Probabilita1X2 ProbabilitaDaStima(float p1, float pX, float p2);

// Asked when the engine cannot estimate a championship whose current season
// has (almost) no match yet.
inline constexpr const char* kOffertaModelloRating =
    "Il motore non puo' ancora stimare questo campionato: gli servono incontri della stagione "
    "corrente.\nIl modello rating parte dalle stagioni precedenti e stima ogni coppia di squadre.\n\n"
    "Usare il modello rating per questo campionato?";

// "motore" / "rating"; the names the terminal, the settings file and the
// status bar use. ModelloDaNome also takes "migliore", the model of new
// folders.
const char* NomeModello(ModelloStime m);
std::optional<ModelloStime> ModelloDaNome(std::string_view nome);
// As the status bar shows it: "Stime: motore" / "Stime: modello rating".
std::string TestoModelloInUso(ModelloStime m);

} // namespace veltra
