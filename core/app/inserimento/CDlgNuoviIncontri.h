#pragma once
// "Nuovi Incontri": the user composes results of the current season one by
// one (home team, away team, 1 X 2); OK appends them to the championship and
// brings its estimates up to date.
#include "app/DatiGlobali.h"
#include "engine/MessaggioStato.h"

#include <optional>
#include <string>
#include <vector>

namespace veltra {

class IMessaggi;

class CDlgNuoviIncontri {
public:
    static constexpr int kRisorsa = 111;
    enum Controllo {
        kCasa = 1005,
        kTrasferta = 1006,
        kRisultato1 = 1007,
        kRisultatoX = 1008,
        kRisultato2 = 1009,
        kAggiungi = 1011,
        kInseriti = 1012,
        kTogli = 1148,
    };

    CDlgNuoviIncontri(DatiGlobali& dati, IMessaggi& messaggi);

    // "VELTRA - Serie A. Nuovi Incontri"
    std::string Titolo() const;

    // Lists 1005 and 1006: the current teams.
    const std::vector<std::string>& squadre() const;

    // -1 = no selection.
    void SelezionaCasa(int indice) { casa_ = indice; }
    void SelezionaTrasferta(int indice) { trasferta_ = indice; }
    int casa() const { return casa_; }
    int trasferta() const { return trasferta_; }
    // '1', 'X' or '2'.
    void ImpostaRisultato(char r) { risultato_ = r; }
    char risultato() const { return risultato_; }

    // Button 1011: the composed match goes to the pending list; both
    // selections are cleared and the result goes back to '1'.
    bool Aggiungi();

    // List 1012: pending matches, newest first, as " %s - %s : %c".
    std::vector<std::string> testiInseriti() const;
    const std::vector<Incontro>& inseriti() const { return inseriti_; }
    void SelezionaInserito(int posizione) { selezioneInserito_ = posizione; }
    int selezioneInserito() const { return selezioneInserito_; }

    // Button 1148 (and a double click): removes the selected pending match.
    bool Togli();

    bool abilitaAggiungi() const;
    bool abilitaOk() const;
    bool abilitaTogli() const { return selezioneInserito_ >= 0; }

    // OK: true when the dialog closes. The pending matches are appended
    // (and leave the pending list, so a second OK cannot append them twice);
    // then the coupon and the bets are cleared, the archive re-evaluated and
    // the estimates recomputed. When they cannot be computed the dialog stays
    // open: the results are stored all the same.
    bool Ok();

    // Whether matches were appended, however the dialog ends: the shell then
    // refreshes the windows. testiStato: the new status-bar texts.
    bool datiCambiati() const { return datiCambiati_; }
    const std::optional<TestiStato>& testiStato() const { return testiStato_; }

    static const char* Suggerimento(int controllo);

private:
    DatiGlobali& dati_;
    IMessaggi& messaggi_;
    int casa_ = -1;
    int trasferta_ = -1;
    char risultato_ = '1';
    std::vector<Incontro> inseriti_;
    int selezioneInserito_ = -1;
    bool datiCambiati_ = false;
    std::optional<TestiStato> testiStato_;
};

} // namespace veltra
