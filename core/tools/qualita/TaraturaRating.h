#pragma once
// Choosing the rating model's parameters of a championship: a search one
// parameter at a time over a grid of values (each tried with the others at
// their best so far), scored by the ranked probability score of the
// walk-forward forecasts of the seasons given. Run on seasons before those
// the figures are measured on, it keeps those out of sample.
#include "dati/Campionato.h"
#include "engine/rating/ModelloRating.h"

#include <functional>
#include <string>
#include <vector>

namespace veltra {

struct GrigliaTaratura {
    std::string nome;               // a field of ParametriRating, as ImpostaParametroRating names it
    std::vector<std::string> valori;
};

// The grid the program's table was made with; pesoInferiore only where the
// championship has a lower division.
std::vector<GrigliaTaratura> GrigliaTaraturaPredefinita(bool conInferiore);

struct ProvaTaratura {
    std::string nome, valore;
    double punteggio = 0;
    bool migliore = false; // kept as the best so far
};

// `giri` passes over the grid from `partenza`; `punteggio` is minimised. A
// value that ImpostaParametroRating refuses is an error (thrown as
// std::invalid_argument with its text). `ogniProva` sees every trial.
ParametriRating TaraParametri(ParametriRating partenza, const std::vector<GrigliaTaratura>& griglia,
                              int giri, const std::function<double(const ParametriRating&)>& punteggio,
                              const std::function<void(const ProvaTaratura&)>& ogniProva = {});

// Mean RPS of the rating model's walk-forward forecasts of seasons dal..al
// (1-based) of a copy (CopiaPerValutazione), over the matches it estimated;
// 1 when it estimated none.
double RpsFuoriCampioneRating(CCampionato& copia, const CCampionato* inferiore, int dal, int al,
                              const ParametriRating& p);

} // namespace veltra
