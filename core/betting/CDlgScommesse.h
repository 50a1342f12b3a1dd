#pragma once
// The rules of the bet-selection window "TALBOR - Selezione Scommesse": the
// criteria and their spin positions, which controls are enabled, the start
// and end of a calculation (the enumeration itself is a job the window
// runs), the browsing of the ranked bets, their texts, and the print of the
// displayed bet.
#include "betting/Scommessa.h"

#include <array>
#include <string>
#include <vector>

namespace veltra {

struct DatiCampionati;
struct ScommessaMgr;
class IMessaggi;
class IServizioStampa;
class IOrologio;

enum LimiteCriterio {
    kMinProb1Lim, kMaxProb1Lim, kMinProbXLim, kMaxProbXLim, kMinProb2Lim, kMaxProb2Lim,
    kMinEquitaLim, kMaxEquitaLim, kMinQuotaLim, kMaxQuotaLim, kMinProbDoppiaLim, kLimitiCriterio
};

inline constexpr const char* kNessunEventoSelezionato =
    "Attenzione.\nNessun evento dei campionati inclusi soddisfa i criteri di selezione "
    "impostati.\n\nSe si desidera ottenere comunque degli eventi,\ndiminuire l'equita', la "
    "quota o le probabilita' minime e/o aumentare l'equita', la quota o le probabilita' "
    "massime.\n\n(si ricordi che in tal caso gli eventi selezionati saranno comunque meno "
    "affidabili).";
inline constexpr const char* kRicercaInCorsoChiusura =
    "C'e' una ricerca sulle Scommesse Sportive in corso.\nSi prega di interrompere la ricerca "
    "o di lasciarla concludere.";
inline constexpr const char* kRicercaInCorsoAggiornamento =
    "C'e' una ricerca sulle Scommesse Sportive in corso.\nLa modifica alle impostazioni del "
    "programma ne rendono necessaria l'interruzione.";

// "%+.0f%%" of (equity - 1)·100, halves away from zero.
std::string TestoEquita(float equita);

struct RigaGamba {
    std::string campionato, casa, trasferta, quota, probabilita, segno, equita;
};

class CDlgScommesse {
public:
    static constexpr const char* kTitolo = "TALBOR - Selezione Scommesse";

    CDlgScommesse(ScommessaMgr& m, DatiCampionati& dati);

    // First opening: with bets, the first shown with the saved criteria;
    // without, the default criteria. false when there is no event.
    bool Apri();
    // The shell's refresh: events recomputed when needed; false when none is
    // left (the window closes). `riavvia` tells the window to start the
    // calculation again (there were bets).
    bool Aggiorna(IMessaggi& messaggi, bool& riavvia);

    // Criteria; every change empties the bets.
    int tipo() const;
    void ImpostaTipo(int tipo);
    int gambe() const { return gambe_; }
    void ImpostaGambe(int gambe);
    bool gambaAbilitata(int gambe) const;
    static std::array<int, 3> Intervallo(LimiteCriterio l); // minimum, maximum, step
    int posizione(LimiteCriterio l) const;
    void ImpostaPosizione(LimiteCriterio l, int posizione);
    std::string testoLimite(LimiteCriterio l) const;
    bool limiteAbilitato(LimiteCriterio l) const;
    bool doppie() const;
    void ImpostaDoppie(bool d);
    bool doppieAbilitato() const;
    bool incluso(int campionato) const;
    void ImpostaIncluso(int campionato, bool incluso);

    bool calcolaAbilitato() const;
    std::string testoCalcola() const;
    bool inCorso() const { return inCorso_; }
    // "C&alcola...": true when the job must start (the events ranked, data
    // marked modified); false after a message.
    bool PreparaCalcolo(IMessaggi& messaggi);
    // The job's end: the bets stored, the first shown. true when nothing
    // was found by a calculation that was not stopped: the window, once
    // redrawn, tells the user with AvvisoNessunaScommessa.
    bool FineCalcolo(std::vector<Scommessa> scommesse, bool fermato);
    static void AvvisoNessunaScommessa(IMessaggi& messaggi);

    // The displayed bet, 1-based; 0 when none.
    int mostrata() const { return mostrata_; }
    std::string contatore() const;
    bool precedenteAbilitato() const { return !inCorso_ && mostrata_ > 1; }
    bool successivaAbilitato() const;
    void Precedente();
    void Successiva();
    const Scommessa* scommessaMostrata() const;
    std::vector<RigaGamba> righeMostrate() const;
    std::string totaleProbabilita() const;
    std::string totaleQuota() const;
    std::string totaleEquita() const;
    bool calcolataVisibile() const;
    bool stampaAbilitata() const { return !inCorso_ && scommessaMostrata(); }

    void Stampa(IMessaggi& messaggi, IServizioStampa& stampa, const IOrologio& orologio) const;
    bool PuoChiudere(IMessaggi& messaggi) const;

    ScommessaMgr& manager() { return m_; }

private:
    void Modificato();
    float& Campo(LimiteCriterio l) const;

    ScommessaMgr& m_;
    DatiCampionati& dati_;
    int gambe_ = 1;
    int mostrata_ = 0;
    bool inCorso_ = false;
    bool calcolato_ = false;
};

} // namespace veltra
