#pragma once
// How good were a model's forecasts? A walk through past seasons that only
// ever looks backwards: for every day with matches, the data are cut just
// before the day's first match (the historical cut-off at the last match
// played before it, the day's season as the cut-off season), the model is
// fitted, and every match of the day is estimated. The forecasts are scored
// against the results, beside two references: the bookmakers' odds of the
// same matches (margin removed) and the base rate (the frequencies of 1, X
// and 2 in the seasons before).
//
// A "day" is a calendar date when the scores file knows the dates; without
// dates, a run of matches in which no club plays twice (a matchday).
#include "dati/Campionato.h"
#include "dati/quote/LeggiQuoteFootballData.h"
#include "engine/rating/ModelloRating.h"
#include "platform/Lavori.h"
#include "tools/qualita/Punteggi.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

struct IncontroValutato {
    int stagione = 0;  // 1-based
    int posizione = 0; // entry of the match list
    int giorno = 0;    // its day, numbered across the whole walk (for the bootstrap)
    DataNumerica data = 0;
    int casa = 0, trasferta = 0; // indices of the season's team list
    char risultato = '1';
    std::optional<Probabilita1X2> modello, mercato, base;
};

struct OpzioniValutazione {
    int dal = 0, al = 0; // 1-based seasons, both included
    ModelloStime modello = ModelloStime::Motore;
    ParametriRating rating;
    // The lower division, for the rating model's priors of promoted clubs
    // (a copy that outlives the walk), or none.
    const CCampionato* inferiore = nullptr;
    int stagioniBase = 5; // seasons before each one whose frequencies make the base rate
};

// A copy of what the walk reads (teams, matches, scores, analysis
// parameters), so a job can walk it on another thread.
std::unique_ptr<CCampionato> CopiaPerValutazione(const CCampionato& c);

// The walk itself, on a copy (it moves the copy's cut-off, and puts it back).
// Stops early, with what it has, when the job is asked to stop.
std::vector<IncontroValutato> PrevisioniFuoriCampione(CCampionato& copia,
                                                      const OpzioniValutazione& opzioni,
                                                      const ContestoLavoro* lavoro = nullptr);

// Base rate: each match gets the frequencies of 1, X and 2 over the
// `stagioni` seasons before its own (none when those hold no match).
void AggiungiFrequenzeBase(const CCampionato& c, std::vector<IncontroValutato>& v, int stagioni);

// The program's name of a club as an odds file spells it (the alias table,
// else the shortening rule of the importer).
using NomeProgramma = std::function<std::string(const std::string& nomeFonte)>;

struct QuotaScartata {
    std::string file;
    int riga = 0;
    std::string motivo;
};

struct RapportoMercato {
    long righe = 0;         // rows read from the files
    long abbinate = 0;      // rows given to a match of the walk
    long fuoriStagioni = 0; // rows of a stored match outside the seasons walked
    std::vector<QuotaScartata> scartate; // every other row, with why
};

// An odds file read for the comparison with the market.
struct LetturaQuote {
    std::string file;
    QuoteFootballData quote;
    std::string errore; // not an odds file, or one without 1X2 odds: "file: ..."
    bool ok() const { return errore.empty(); }
};
LetturaQuote LeggiQuoteDaValutare(std::string_view testo, const std::string& nomeFile);

// Joins the odds to the matches of the walk by the program's club names and
// the date (within three days, when the scores file knows the match's date;
// otherwise by the season the date falls in). Each match takes one row; every
// row is either joined, outside the seasons walked, or reported.
RapportoMercato AbbinaQuote(const CCampionato& c, std::vector<IncontroValutato>& v,
                            const std::vector<LetturaQuote>& file, std::string_view insieme,
                            const NomeProgramma& nomi);

// Model minus reference, mean over matches both forecast, with a 95%
// interval from a bootstrap over days (2000 draws, fixed seed).
struct Differenza {
    long n = 0;
    double media = 0, basso = 0, alto = 0;
};

struct RiepilogoValutazione {
    int stagione = 0;    // 1-based; 0 for the whole walk
    long incontri = 0;   // matches walked
    long nonStimati = 0; // of which the model could not estimate
    Misure modello;      // over the matches it estimated
    Misure mercato, modelloSuMercato; // over those that also have odds
    Misure base;         // over the model's matches
    Differenza controMercato, controBase; // in RPS
};

struct RisultatoValutazione {
    std::vector<RiepilogoValutazione> stagioni;
    RiepilogoValutazione totale;
    DiagrammaAffidabilita affidabilita, affidabilitaMercato;
    RapportoMercato mercato;
    bool interrotta = false;
};

RisultatoValutazione Riassumi(const std::vector<IncontroValutato>& v);

// Everything at once, as the terminal and the window ask for it.
struct RichiestaValutazione {
    OpzioniValutazione opzioni;
    std::vector<LetturaQuote> quote;
    std::string insiemeQuote = "media";
    NomeProgramma nomi;
};
RisultatoValutazione ValutaStime(CCampionato& copia, const RichiestaValutazione& r,
                                 const ContestoLavoro* lavoro = nullptr);

// The last season played whole (every club met every other at home and
// away; 1-based), or 0 when none.
int UltimaStagioneCompleta(const CCampionato& c);

// What a model's forecasts were worth out of sample over a championship's
// last complete season, shown beside the engine's precision (which only
// measures how well the analysis agrees with past signs).
struct QualitaUltimaStagione {
    int stagione = 0; // 0: no complete season
    std::string etichetta; // "2025-26"
    ModelloStime modello = ModelloStime::Motore;
    RiepilogoValutazione riepilogo;
};
// Walks that season on copies (`inferiore`: the lower division, for the
// rating model; may be null), with the championship's rating parameters and
// the odds given, if any.
QualitaUltimaStagione ValutaUltimaStagione(const CCampionato& c, const CCampionato* inferiore,
                                           ModelloStime modello,
                                           const std::vector<LetturaQuote>& quote = {},
                                           const NomeProgramma& nomi = {},
                                           const ContestoLavoro* lavoro = nullptr);
// "RPS 2025-26: 0.1960 (mercato 0.1914)", the market only with odds joined;
// empty without a complete season.
std::string TestoQualitaUltimaStagione(const QualitaUltimaStagione& q);

} // namespace veltra
