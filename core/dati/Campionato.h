#pragma once
// The championship store: the seasons, matches and analysis parameters of one
// championship, with the engine context the engine attaches to it.
#include "dati/CArchivio.h"
#include "dati/CDumpRicerca.h"
#include "dati/CPunteggiAvanzati.h"
#include "dati/Calendario.h"
#include "dati/Campionati.h"
#include "dati/Reti.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace veltra {

class Archivio;
class CMotoreStime;
class IModelloProbabilita;

inline constexpr int kLunghezzaMaxNome = 15;      // characters, in the files' code page
inline constexpr int kNumeroMaxIncontri = 32767;  // entries of a championship (int16 counts)
// Teams a season may hold in any championship. The championship table's
// numeroSquadreMax is the usual size of its league; real leagues outgrow it
// (Austria 12 teams for 10, Sweden 16 for 14), so the store takes larger
// seasons and the engine sizes its team arrays from the data.
inline constexpr int kMaxSquadreStagione = 64;

// One entry of a championship's match list. casa == -1 marks the separator
// that opens every season.
struct Incontro {
    std::int16_t casa = -1;
    std::int16_t trasferta = -1;
    char risultato = '0'; // '1', 'X', '2'; '0' for a separator

    bool separatore() const { return casa == -1; }
    friend bool operator==(const Incontro&, const Incontro&) = default;
};

// The team list of one season; a team's index is its position.
struct ElencoSquadre {
    std::vector<std::string> nomi;
    int numero() const { return static_cast<int>(nomi.size()); }
    friend bool operator==(const ElencoSquadre&, const ElencoSquadre&) = default;
};

// Every match of every season, oldest first; only ever appended to. It also
// keeps where each season starts, so a replay of the last seasons need not
// walk the older ones.
class ElencoIncontri {
public:
    void Aggiungi(const Incontro& i) {
        if (i.separatore()) inizioStagione_.push_back(static_cast<int>(voci_.size()));
        voci_.push_back(i);
    }
    void Svuota() {
        voci_.clear();
        inizioStagione_.clear();
    }
    void Riserva(std::size_t n) { voci_.reserve(n); }
    int numero() const { return static_cast<int>(voci_.size()); }
    const Incontro& operator[](int i) const { return voci_[static_cast<std::size_t>(i)]; }
    const Incontro* begin() const { return voci_.data(); }
    const Incontro* end() const { return voci_.data() + voci_.size(); }
    int numeroSeparatori() const { return static_cast<int>(inizioStagione_.size()); }
    // Position of the separator of 0-based season s.
    int inizioStagione(int s) const { return inizioStagione_[static_cast<std::size_t>(s)]; }
    friend bool operator==(const ElencoIncontri& a, const ElencoIncontri& b) {
        return a.voci_ == b.voci_;
    }

private:
    std::vector<Incontro> voci_;
    std::vector<int> inizioStagione_;
};

// Which model gives a championship's probabilities to the coupon and the
// bets: the estimation engine (the default) or the rating model. Kept in a
// file of its own (ModelliStime.txt), not in the configuration archive.
enum class ModelloStime : std::uint8_t { Motore = 0, Rating = 1 };

// Analysis configuration and the team list of every season.
struct Config {
    std::int16_t campionato = 0;
    std::vector<ElencoSquadre> stagioni;
    std::int16_t percentualiImportanza[5] = {100, 100, 0, 0, 0};
    std::int16_t giornateAnalisi = 2;

    int numeroStagioni() const { return static_cast<int>(stagioni.size()); }

    // Only giornateAnalisi and the five percentages are stored.
    void Serializza(Archivio& ar);
};

class CCampionato {
public:
    explicit CCampionato(CampionatoId id = 0);
    ~CCampionato();
    CCampionato(const CCampionato&) = delete;
    CCampionato& operator=(const CCampionato&) = delete;

    CampionatoId id() const { return id_; }
    const DescrizioneCampionato& descrizione() const { return Campionato(id_); }
    int numeroSquadreMax() const { return descrizione().numeroSquadreMax; }
    // Teams of the largest stored season.
    int squadreStagioneMassima() const;

    Config config;
    ElencoIncontri incontri;
    std::int16_t limiteMinCasa = -1;
    std::int16_t limiteMaxCasa = 0;
    std::int16_t limiteMinTrasferta = -1;
    std::int16_t limiteMaxTrasferta = 0;
    CPunteggiAvanzati punteggiAvanzati;
    // Made by the engine (CreaMotore); shared so that the store, which knows
    // nothing of the engine, can still destroy it.
    std::shared_ptr<CMotoreStime> motore;
    CArchivio archivio;
    CDumpRicerca ricerca;
    std::int32_t ultimoIncontroFiltro = -1;
    std::int32_t stagioneFiltro = -1;
    // Goals and dates of the matches (Reti-<codice>.txt); may know nothing.
    RetiCampionato reti;
    // Why the scores file could not be read ("" when read or absent): the
    // save then leaves that file as it is rather than lose it.
    std::string retiNonLette;
    // The fixtures still to be played (Calendario-<codice>.txt); may be empty.
    Calendario calendario;
    // Why the calendar file could not be read ("" when read or absent): the
    // save then leaves that file as it is rather than lose it.
    std::string calendarioNonLetto;
    ModelloStime modello = ModelloStime::Motore;
    // The fitted rating model the coupon and the bets read while `modello`
    // chooses it (made afresh at every fit by AggiornaModelloScelto, engine
    // layer); null otherwise or when the fit failed.
    std::shared_ptr<IModelloProbabilita> modelloScelto;

    bool filtroAttivo() const { return ultimoIncontroFiltro != -1; }
    int numeroIncontri() const { return incontri.numero(); }

    // The accessors answer for the cut-off season while a cut-off is active.
    const ElencoSquadre& squadreCorrenti() const;
    int numeroSquadreCorrenti() const { return squadreCorrenti().numero(); }
    int numeroStagioniCorrenti() const;
    int numeroIncontriCorrenti() const;
    // 1-based season; an empty list for a season that is not stored.
    const ElencoSquadre& squadreStagione(int stagione) const;

private:
    CampionatoId id_;
};

// A copy of a championship for work done apart (a search, a walk over past
// seasons): its data, analysis parameters, scores, model choice and cut-off;
// no engine, archive or saved search.
std::unique_ptr<CCampionato> CopiaDati(const CCampionato& c);

// Appends a season with the given (already trimmed, blank-free) names and its
// separator. -1, and nothing changed, when a name is empty, too long or holds
// a blank, when the season has more than kMaxSquadreStagione teams, or when
// the match list is full.
int AggiungiStagione(CCampionato& c, std::vector<std::string> nomi);

// Appends one match of the last season. -1, and nothing changed, when there
// is no season, an index is not a team of the last season, the teams are the
// same, the result is not '1', 'X' or '2', or the match list is full.
int AggiungiIncontro(CCampionato& c, int casa, int trasferta, char risultato);

// Blanks typed inside a name are stored as '.'; leading and trailing blanks go.
std::string NormalizzaNomeSquadra(std::string_view nome);

} // namespace veltra
