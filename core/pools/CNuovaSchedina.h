#pragma once
// The new-coupon wizard: one page per championship where the user picks the
// matches of that championship, then "Altri Incontri" for matches of other
// competitions typed by hand. The coupon and its conditions are copied when
// the wizard starts and put back when it is cancelled or fails.
#include "pools/Schedina.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

struct DatiCampionati;
struct CCondizionamenti;
class IMessaggi;

inline constexpr const char* kStimeCampionatoImpossibili =
    "Impossibile calcolare le stime del campionato di %s.\nDiminuire le Giornate d'Analisi e/o "
    "modificare i valori dei Parametri Avanzati.\n\n(Premere F1 per maggiori informazioni)";
inline constexpr const char* kProbabilitaSchedinaImpossibili =
    "Impossibile calcolare le probabilita'!\nNon si e' ancora disputato il numero minimo di "
    "partite\n(pari alle Giornate d'Analisi)\n\n(Premere F1 per maggiori informazioni)";
// The label of a championship's page when it has too few matches to be
// estimated: no team to offer, the next page one click away.
inline constexpr const char* kPaginaSenzaStime =
    "%s ha ancora troppo pochi incontri per calcolarne le stime:\nnessuna squadra da inserire. "
    "Proseguire con il campionato successivo.";
inline constexpr const char* kSelezionareSquadra = "Selezionare una squadra.";

// Writes a championship match into row `riga`: names cut to 15 characters,
// probabilities from the engine (estimates up to date), form unknown, base
// prediction. false, nothing changed, when the engine cannot estimate it.
bool InserisciPartita(Schedina& s, const DatiCampionati& dati, int riga, int campionato, int casa,
                      int trasferta);
// Writes a match of another competition: blanks in the names become '_', an
// empty name "Squadra_1" / "Squadra_2".
void InserisciAltroIncontro(Schedina& s, const DatiCampionati& dati, int riga, std::string casa,
                            std::string trasferta, const std::array<char, 5>& formaCasa,
                            const std::array<char, 5>& formaTrasferta);

// The 15 predictions "Selezione Pronostico" offers, in its order.
const std::vector<std::string>& PronosticiSelezionabili();

class CNuovaSchedina {
public:
    CNuovaSchedina(DatiCampionati& dati, Schedina& schedina, CCondizionamenti& condizioni);

    // Backups taken, coupon and conditions reset.
    void Inizia();
    // Cancelled or failed: the backups go back.
    void Annulla();
    // All pages and "Altri Incontri" done: the coupon exists.
    void Concludi();

    // ---- championship pages -------------------------------------------
    // Shows page n (0..18); the first time, its estimates are computed. false,
    // after the message, when they cannot be: the wizard must be cancelled.
    // A championship with too few matches to be estimated is no failure: its
    // page opens with no team and the label that says so.
    bool ApriPagina(int n, IMessaggi& messaggi);
    int pagina() const { return pagina_; }
    // The page's championship has too few matches to be estimated.
    bool paginaSenzaStime() const { return paginaSenzaStime_; }
    std::string titoloPagina() const;
    std::string etichettaPagina() const;
    // The teams still available, in the championship's order.
    const std::vector<std::string>& disponibili() const { return disponibili_; }
    // The teams placed on this page, home then away alternately.
    const std::vector<std::string>& piazzate() const { return piazzate_; }
    int primaRigaPagina() const { return primaRiga_; }
    // "&Aggiungi  >>": false after "Selezionare una squadra." without a valid selection.
    bool Aggiungi(int indice, IMessaggi& messaggi);
    // "<<  &Togli": the last placed team goes back to the list.
    bool Togli();
    bool aggiungiAbilitato() const;
    bool togliAbilitato() const { return !piazzate_.empty(); }
    bool avantiAbilitato() const;
    bool indietroAbilitato() const;
    std::string testoAvanti() const;
    std::string suggerimentoAvanti() const;
    std::string testoIndietro() const;
    std::string suggerimentoIndietro() const;
    // Leaving the page: the complete matches are estimated and written. false
    // (message shown, page stays) when one cannot be estimated.
    bool LasciaPagina(IMessaggi& messaggi);
    // Rows filled in the coupon plus complete matches on the page.
    int righePiene() const;
    // After leaving the page forward: whether the pages are over (coupon
    // full, or the last page).
    bool pagineFinite() const;

    // ---- "Altri Incontri" ----------------------------------------------
    // Opens it (the Serie A estimates computed); false after the message when
    // they cannot be.
    bool ApriAltri(IMessaggi& messaggi);
    bool altriNecessari() const;
    int rigaAltri() const { return rigaAltri_; } // the row the next match takes
    int giornateAltri() const;                   // rows of form enabled
    bool AggiungiAltro(const std::string& casa, const std::string& trasferta,
                       const std::array<char, 5>& formaCasa,
                       const std::array<char, 5>& formaTrasferta);
    bool TogliAltro();
    bool aggiungiAltroAbilitato() const { return rigaAltri_ < kRigheSchedina; }
    bool togliAltroAbilitato() const { return rigaAltri_ > rigaInizioAltri_; }
    bool schedinaAltroAbilitato() const { return schedinaAltri_; }

private:
    DatiCampionati& dati_;
    Schedina& s_;
    CCondizionamenti& condizioni_;
    std::array<bool, 19> stimeFatte_{};
    int pagina_ = -1;
    bool paginaSenzaStime_ = false;
    int primaRiga_ = 0;
    std::vector<std::string> disponibili_;
    std::vector<int> indiciDisponibili_;
    std::vector<std::string> piazzate_;
    std::vector<int> indiciPiazzate_;
    int rigaAltri_ = 0;
    int rigaInizioAltri_ = 0;
    bool schedinaAltri_ = false;
};

} // namespace veltra
