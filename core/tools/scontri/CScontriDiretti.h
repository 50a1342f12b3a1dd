#pragma once
// The head-to-head window: two current teams of the current championship and
// the record of the first at home against the second over every stored
// season, with the sequence of their meetings and its printout.
#include "tools/scontri/StatisticheScontri.h"

#include <string>
#include <vector>

namespace veltra {

struct DatiCampionati;
class IMessaggi;
class IServizioStampa;
class IOrologio;

class CScontriDiretti {
public:
    explicit CScontriDiretti(DatiCampionati& dati) : dati_(dati) {}

    // Reloads the team lists when the current championship is not the one
    // shown (clearing the selection) or the data changed (keeping the
    // selected names that are still current teams), and recomputes. Nothing
    // can fail here.
    bool Aggiorna(bool datiCambiati);

    // "VELTRA - Serie A. Scontri Diretti"
    const std::string& titolo() const { return titolo_; }
    const std::vector<std::string>& squadre() const { return squadre_; }

    // Rows of the two lists, -1 = none. Statistics exist only for two
    // different teams.
    void Seleziona(int casa, int trasferta);
    int casa() const { return casa_; }
    int trasferta() const { return trasferta_; }
    bool calcolato() const { return calcolato_; }
    const StatisticheScontri& statistiche() const { return statistiche_; }

    // "STATISTICHE DALLA STAGIONE 1961/1962"
    std::string testoPrimaStagione() const;
    // The sentence about sign 0 ('1'), 1 ('X') or 2 ('2').
    std::string testoSegno(int segno) const;
    // Who won the first leg of the latest season; empty when none was played.
    std::string testoAndata() const;

    // "SEQUENZA DEGLI SCONTRI DIRETTI": the meeting shown, from the latest.
    int posizioneSequenza() const { return posizione_; }
    bool abilitaPrecedente() const { return calcolato_ && posizione_ > 0; }
    bool abilitaSuccessivo() const {
        return calcolato_ && posizione_ + 1 < statistiche_.disputati();
    }
    void Precedente();
    void Successivo();
    std::string testoStagioneSequenza() const;
    std::string testoRisultatoSequenza() const;

    bool abilitaStampa() const { return calcolato_; }
    // After the user's confirmation, one document with the statistics and
    // the sequence from the latest meeting backwards.
    void Stampa(IMessaggi& messaggi, IServizioStampa& servizio, const IOrologio& orologio) const;

    // The lines of the printout after the title, in order.
    std::vector<std::string> RigheStampa() const;

private:
    void Calcola();
    std::string Stagione(int stagione) const;

    DatiCampionati& dati_;
    int campionato_ = -1;
    int primaStagione_ = 1; // 1-based
    std::string titolo_;
    std::vector<std::string> squadre_;
    int casa_ = -1, trasferta_ = -1;
    bool calcolato_ = false;
    StatisticheScontri statistiche_;
    int posizione_ = -1;
};

inline constexpr const char* kSuggerimentiScontri[] = {
    "Selezionare la squadra in casa",
    "Selezionare la squadra in trasferta",
    "Visualizza il risultato dello scontro precedente",
    "Visualizza il risultato dello scontro successivo",
    "Stampa il tabulato riassuntivo delle statistiche visualizzate",
};

} // namespace veltra
