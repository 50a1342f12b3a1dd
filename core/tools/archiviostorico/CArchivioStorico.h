#pragma once
// The historical archive (modal): every stored season of the current
// championship, match by match, with filters, a match finder and the command
// that fixes a past match as the last one the analyses may use.
#include "dati/DatiCampionati.h"
#include "engine/MessaggioStato.h"

#include <optional>
#include <string>
#include <vector>

namespace veltra {

class IMessaggi;

inline constexpr const char* kIncontroPiuRecente =
    "E' stato selezionato l'incontro piu' recente.\n\nLe analisi ora terranno in considerazione "
    "tutti gli incontri archiviati,\ne si possono quindi utilizzare per pronosticare partite che "
    "si devono ancora disputare.\n\nPer compiere invece ricerche particolari, andando a ritroso "
    "nel passato,\nselezionare un incontro del passato e quindi clickare nuovamente il pulsante "
    "che fa apparire questa finestra.";
inline constexpr const char* kFissatoUltimoIncontro =
    "Viene fissato come ultimo incontro: \t%s\n\nLe analisi ora ignoreranno tutti gli incontri "
    "disputati in seguito (serve per ricerche particolari, andando a ritroso nel "
    "passato)\n\nATTENZIONE: non utilizzare questa funzionalita' per pronosticare partite che si "
    "devono ancora disputare, perche' le stime non sarebbero aggiornate!\n\nPer eliminare questa "
    "impostazione, selezionare l'incontro piu' recente e quindi clickare nuovamente il pulsante "
    "che fa apparire questa finestra.";
// "&Trova incontro" found nothing to select.
inline constexpr const char* kIncontroNascostoDaiFiltri =
    "L'incontro cercato e' stato disputato in questa stagione, ma i filtri impostati lo "
    "nascondono.\nTogliere i filtri per vederlo nella lista.";
inline constexpr const char* kIncontroNonDisputato =
    "L'incontro cercato non e' stato disputato in questa stagione.";
inline constexpr const char* kFiltroCancellaSistema =
    "L'inserimento di un filtro sull'ultimo incontro rende necessaria la cancellazione del "
    "Sistema per il Totocalcio";
inline constexpr const char* kFiltroCancellaScommesse =
    "L'inserimento di un filtro sull'ultimo incontro rende necessaria la cancellazione dei dati "
    "sulle scommesse sportive";

class CArchivioStorico {
public:
    // Remembers the championship's cut-off and lifts it, so that every season
    // shows; opens on the latest season.
    CArchivioStorico(DatiCampionati& dati, IMessaggi& messaggi);
    // A dialog that goes away without Chiudi puts the remembered cut-off back.
    ~CArchivioStorico();
    CArchivioStorico(const CArchivioStorico&) = delete;
    CArchivioStorico& operator=(const CArchivioStorico&) = delete;

    // "VELTRA - Serie A. Archivio Storico"
    std::string Titolo() const;

    // Seasons, 0-based; -1 for a championship without seasons.
    int stagione() const { return stagione_; }
    int numeroStagioni() const;
    // "STAGIONE 1961/1962"; empty without seasons.
    std::string testoStagione() const;
    bool abilitaPrecedente() const { return stagione_ > 0; }
    bool abilitaSuccessivo() const { return stagione_ >= 0 && stagione_ + 1 < numeroStagioni(); }
    // "<<" and ">>": another season, without filters, highlight or selection.
    void Precedente();
    void Successivo();

    // The shown season's team names (for the filter and finder dialogs).
    const std::vector<std::string>& squadre() const;

    // The list: "%s\t%s\t%c" per listed match, in stored order.
    const std::vector<std::string>& righe() const { return righe_; }
    // Position in the championship's match list of a listed row.
    int voce(int riga) const { return voci_.at(static_cast<std::size_t>(riga)); }

    // "&Filtri...": team indices of the season, -1 = no filter. A match is
    // listed when its home team is the home filter or its away team is the
    // away filter.
    void ImpostaFiltri(int casa, int trasferta);
    int filtroCasa() const { return filtroCasa_; }
    int filtroTrasferta() const { return filtroTrasferta_; }
    bool filtrato() const { return filtroCasa_ != -1 || filtroTrasferta_ != -1; }

    // "&Trova incontro": OK needs two different teams.
    static bool abilitaTrova(int casa, int trasferta) {
        return casa >= 0 && trasferta >= 0 && casa != trasferta;
    }
    // Highlights the pair and selects the first listed match with it; false
    // when the list holds none (no selection then), after a message saying
    // whether the filters hide it or the season lacks it.
    bool Trova(int casa, int trasferta);

    // The selected row, -1 = none.
    void Seleziona(int riga);
    int selezione() const { return selezione_; }

    // "Fissa &ultimo incontro": only without filters and with a selection.
    bool abilitaFissa() const { return !filtrato() && selezione_ >= 0; }
    // Chooses the selected match as the new cut-off (the most recent one
    // removes it) and tells the user what it means.
    void FissaUltimoIncontro();
    bool nuovoFiltroScelto() const { return scelto_; }
    int nuovoUltimoIncontro() const { return nuovoUltimo_; }
    int nuovaStagioneFiltro() const { return nuovaStagione_; }

    // Closing the dialog (any button): without a new cut-off the remembered
    // one is put back; with one, it is stored, the coupon and betting data
    // are cleared and the estimates recomputed.
    void Chiudi();

    // Whether the cut-off changed: the shell then refreshes its windows.
    bool datiCambiati() const { return datiCambiati_; }
    // The new status-bar texts, when the estimates were recomputed.
    const std::optional<TestiStato>& testiStato() const { return testiStato_; }

private:
    void Riempi();
    bool PiuRecente(int voce) const;

    DatiCampionati& dati_;
    IMessaggi& messaggi_;
    CCampionato& camp_;
    std::int32_t ultimoRicordato_, stagioneRicordata_;
    bool chiuso_ = false;
    int stagione_ = -1;
    int filtroCasa_ = -1, filtroTrasferta_ = -1;
    int evidenziaCasa_ = -1, evidenziaTrasferta_ = -1;
    std::vector<std::string> righe_;
    std::vector<int> voci_;
    int selezione_ = -1;
    bool scelto_ = false;
    int nuovoUltimo_ = -1, nuovaStagione_ = -1;
    bool datiCambiati_ = false;
    std::optional<TestiStato> testiStato_;
};

inline constexpr const char* kSuggerimentiArchivio[] = {
    "Visualizza la lista degli incontri del campionato precedente",
    "Visualizza la lista degli incontri del campionato successivo",
    "Lista contenente gli incontri del campionato selezionato",
    "Consente di filtrare gli incontri del campionato selezionato",
    "Consente di trovare ed evidenziare un incontro della lista",
    "Consente di fissare un incontro come l'ultimo per compiere analisi a ritroso",
};

} // namespace veltra
