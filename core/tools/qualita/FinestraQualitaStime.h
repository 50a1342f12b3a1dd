#pragma once
// The logic of the "Qualità delle Stime" window: the seasons offered, the
// odds files loaded, the walk started as a job, its result turned into the
// table's rows, the reliability diagram's points and the report, and the
// choice of the model that feeds the coupon and the bets.
#include "dati/DatiCampionati.h"
#include "tools/qualita/ValutazioneStime.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace veltra {

class IEsecutoreLavori;
class IMessaggi;

inline constexpr int kColonneQualita = 13;
extern const std::array<const char*, kColonneQualita> kIntestazioniQualita;

struct DiagrammaQualita {
    // Per sign (1, X, 2): (mean forecast, observed frequency) of every class
    // holding a match, in class order.
    std::array<std::vector<std::pair<double, double>>, 3> punti;
    std::string conteggi; // matches per class, as the window shows them
};

class FinestraQualitaStime {
public:
    // `nomi` turns an odds file's club names into the program's (the alias
    // table of the championship shown).
    FinestraQualitaStime(DatiCampionati& dati, NomeProgramma nomi);

    std::string titolo() const;
    // Labels of the seasons offered ("2019-20", or "2019" for leagues played
    // in a calendar year), the first being season 1.
    const std::vector<std::string>& stagioni() const { return stagioni_; }
    // Indices into stagioni() chosen at first: the last five complete seasons.
    int dalPredefinito() const;
    int alPredefinito() const;

    // Reads odds files; on a file that cannot be read or is not an odds file
    // the message is shown and the files loaded before stay.
    bool CaricaQuote(const std::vector<std::string>& file, IMessaggi& messaggi);
    std::string testoQuote() const;

    // Walks seasons dal..al (indices into stagioni()) with the model chosen.
    // false, with a message, when the range is backwards. `fine` runs when the
    // job ends, if this presenter still exists.
    bool Calcola(int dal, int al, ModelloStime modello, IEsecutoreLavori& esecutore,
                 IMessaggi& messaggi, std::function<void()> fine);
    bool inCorso() const { return inCorso_; }
    const RisultatoValutazione* risultato() const { return risultato_ ? &*risultato_ : nullptr; }
    void Imposta(RisultatoValutazione r);

    // What the window shows of the result.
    std::vector<std::array<std::string, kColonneQualita>> righe() const;
    DiagrammaQualita diagramma() const;
    std::string rapporto() const;

    // The model in use measured out of sample over the last complete season
    // (with the odds loaded, if any), as a job; `fine` as for Calcola.
    bool CalcolaQualitaInUso(IEsecutoreLavori& esecutore, std::function<void()> fine);
    // The line the window shows about it: the model in use, its RPS (and the
    // market's), and what the engine's precision measures instead.
    std::string testoQualitaInUso() const;

    ModelloStime modelloInUso() const;
    // The model that feeds the coupon and the bets of this championship; a
    // change marks the data modified and tells the shell to recompute.
    void ScegliModelloInUso(ModelloStime m);

private:
    DatiCampionati& dati_;
    CampionatoId campionato_;
    NomeProgramma nomi_;
    std::vector<std::string> stagioni_;
    std::vector<LetturaQuote> quote_;
    std::optional<RisultatoValutazione> risultato_;
    std::optional<QualitaUltimaStagione> qualitaInUso_;
    bool inCorso_ = false;
    std::shared_ptr<int> vivo_ = std::make_shared<int>(0);
};

} // namespace veltra
