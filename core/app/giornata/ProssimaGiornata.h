#pragma once
// One matchday of a championship's calendar, whole: every fixture with its
// date, the 1/X/2 of the model the championship uses, the fair odds, and,
// where the betting module holds odds for the match, the market's
// probabilities without the bookmaker's margin and the value of each sign.
// Shared by the "Prossima Giornata" window and `veltra-cli giornata`.
#include "dati/Calendario.h"
#include "dati/quote/LeggiQuoteFootballData.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

struct DatiGlobali;
class IMessaggi;
class IServizioStampa;
class IOrologio;

struct RigaGiornata {
    PartitaCalendario partita;
    int casa = -1; // indices in the championship's current team list; -1 when not there
    int trasferta = -1;
    std::optional<Probabilita1X2> stima; // the model's; none when it cannot estimate the match
    std::string errore;                  // why there is no estimate
    std::optional<Quote1X2> quote;       // the bookmaker's 1, X, 2 when known

    // 1/p of each sign (the odds with no margin the model gives).
    std::array<double, 3> quoteEque() const;
    // The bookmaker's probabilities with the margin taken out (1/q scaled to 1).
    std::optional<Probabilita1X2> mercato() const;
    // p·q − 1 of each sign: above 0, the odds pay more than the model's risk.
    std::optional<std::array<double, 3>> valore() const;
};

struct Giornata {
    int campionato = 0;
    int numero = 0; // 0: no matchday to show (see errore)
    std::vector<RigaGiornata> righe;
    std::vector<int> giornate; // every matchday the calendar still holds
    std::string modello;       // "motore" / "rating"
    std::string errore;        // why there is no matchday
};

// Matchday `numero` of the championship (0: the next one, see
// Calendario::ProssimaGiornata), with every fixture estimated by the model the
// championship uses (fitted here). Odds come from the betting module's events
// of the same championship and teams.
Giornata CalcolaGiornata(DatiGlobali& dati, int campionato, int numero = 0);

// The terminal's lines: one per fixture, then the summary line.
std::vector<std::string> RigheTerminale(const Giornata& g);
// "AAAA-MM-GG"; "-" when not known.
std::string TestoData(DataNumerica data);

// The same as a table for a spreadsheet: a header, one row per fixture,
// fields separated by ';', numbers with a decimal point.
std::string TestoCsv(const Giornata& g);

// Prints the matchday on the platform's printer (after asking to prepare it).
void StampaGiornata(const Giornata& g, const DatiGlobali& dati, IMessaggi& messaggi,
                    IServizioStampa& servizio, const IOrologio& orologio);

// A new pools coupon made of the matchday's fixtures (at most 14, in order),
// replacing the one there is, as the new-coupon wizard would make it. Every
// fixture must be estimable; otherwise nothing is changed and the reason
// is returned. Empty on success.
std::string SchedinaDaGiornata(DatiGlobali& dati, const Giornata& g);

inline constexpr const char* kSostituireSchedina =
    "Esiste gia' una schedina.\nSostituirla con le partite della giornata?";

// The "Prossima Giornata" window without its widgets: the current
// championship's matchday, the cells of its table, its commands.
class FinestraGiornata {
public:
    explicit FinestraGiornata(DatiGlobali& dati) : dati_(dati) {}

    // Reads the current championship again. The matchday chosen stays while
    // it still has fixtures; otherwise (or for another championship) the
    // next one is shown.
    void Aggiorna();
    // 0: the next one.
    void ScegliGiornata(int numero);

    const Giornata& giornata() const { return g_; }
    std::string titolo() const;    // "VELTRA - Serie A. Prossima Giornata"
    std::string etichetta() const; // the matchday and the model, or why there is none
    // The matchdays to choose from, as the list shows them ("Giornata 3").
    std::vector<std::string> voci() const;
    int voceScelta() const; // index in voci(), -1 when none

    static const std::vector<std::string>& Intestazioni();
    struct Cella {
        std::string testo;
        bool valorePositivo = false; // a value above 0: the odds pay more than the risk
        bool errore = false;
    };
    std::vector<std::vector<Cella>> celle() const;

    std::string Csv() const { return TestoCsv(g_); }
    void Stampa(IMessaggi& messaggi, IServizioStampa& servizio, const IOrologio& orologio) const {
        StampaGiornata(g_, dati_, messaggi, servizio, orologio);
    }
    // The matchday as a new coupon (asking before replacing one); false,
    // after the message, when it was not made.
    bool NuovaSchedina(IMessaggi& messaggi);
    bool schedinaAbilitata() const;

private:
    DatiGlobali& dati_;
    Giornata g_;
    int campionato_ = -1;
    int scelta_ = 0; // 0: the next one
};

} // namespace veltra
