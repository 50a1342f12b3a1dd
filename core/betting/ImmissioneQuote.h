#pragma once
// The odds-entry dialogs of the betting module: the check of one typed odds,
// the choice of championships (betting mode), the entry and modification of
// odds one championship at a time, the addition of one event, and the
// completion of a downloaded event whose opponent was not recognised.
#include "dati/Campionati.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

struct DatiCampionati;
struct ScommessaMgr;
class IMessaggi;

inline constexpr const char* kMessaggioStimeMatch =
    "Impossibile calcolare le probabilita'!\nNon si e' ancora disputato il numero minimo di "
    "partite\n(pari alle Giornate d'Analisi)\n\n(Premere F1 per maggiori informazioni)";
inline constexpr const char* kSelezionareSquadraEvento = "Selezionare una squadra.";
// "%s": the championship's name.
std::string MessaggioStimeCampionato(const std::string& campionato);

// A typed odds: at most 5 characters of digits and '.', empty meaning 0 (not
// offered); nullopt when invalid (another character, a decimal comma, a sign,
// more than one point, a value of 0 or too large).
std::optional<float> ValidaQuota(std::string_view testo);

// Names of the six odds fields in messages and tooltips.
inline constexpr std::array<const char*, 6> kNomiQuote = {"1", "X", "2", "1X", "12", "X2"};

// Dialog 212: a choice of championships. In the betting mode, the
// championships that take part in the bets (the manager's conEventi); in the
// other two the choice stays here and the caller reads it: the championships
// to update, and the championships an analysis is copied among (at least
// two, with where the analysis is read: the first archive position or the
// current analyses).
class CDlgSelezioneCampionati {
public:
    enum class Modo { Scommesse, Aggiornamento, CopiaAnalisi };
    // Betting mode.
    CDlgSelezioneCampionati(ScommessaMgr& m, DatiCampionati& dati);
    // Another mode, nothing chosen at first.
    explicit CDlgSelezioneCampionati(Modo modo);

    static constexpr const char* kTitolo = "TALBOR - Selezione Campionati";
    static constexpr const char* kTitoloAltriModi = "VELTRA - Selezione Campionati";
    static constexpr const char* kIntestazione =
        "SCELTA CAMPIONATI DA INCLUDERE NELLE SCOMMESSE SPORTIVE";
    static constexpr const char* kIntestazioneAggiornamento = "SCELTA CAMPIONATI DA AGGIORNARE";
    static constexpr const char* kIntestazioneCopia = "SCELTA CAMPIONATI PER LA COPIA DI ANALISI";
    static constexpr const char* kDaArchivio = "Alla posizione n.1 degli archivi";
    static constexpr const char* kDaCorrenti = "Analisi correnti";

    Modo modo() const { return modo_; }
    std::string titolo() const;
    std::string intestazione() const;
    // "Carica &Quote" and the typed path exist only in the betting mode.
    bool caricaQuoteVisibile() const { return modo_ == Modo::Scommesse; }
    // The choice of where the copied analysis comes from, copy mode only.
    bool sceltaOrigineVisibile() const { return modo_ == Modo::CopiaAnalisi; }

    std::vector<int> sinistra() const; // not chosen, in table order
    std::vector<int> destra() const;   // chosen
    // By championship id; -1 = nothing selected (the message is shown).
    bool Aggiungi(int campionato, IMessaggi& messaggi);
    bool Togli(int campionato, IMessaggi& messaggi);
    // One championship chosen (two to copy an analysis among).
    bool continuaAbilitato() const;
    // Copy mode: true to read the analysis at the first archive position,
    // false (the default) for the current analyses.
    bool daArchivio = false;

    // "Carica &Quote": true when a file was loaded (the dialog closes as
    // confirmed); on failure the manager is as before.
    bool CaricaQuote(const std::filesystem::path& file, IMessaggi& messaggi);
    bool fileCaricato() const { return caricato_; }

private:
    bool scelto(int c) const;
    void Scegli(int c, bool si);

    Modo modo_;
    ScommessaMgr* m_ = nullptr;
    DatiCampionati* dati_ = nullptr;
    std::array<bool, kNumeroCampionati> scelti_{};
    bool caricato_ = false;
};

// Dialog 248, the typed path of an odds file (opened by a click in the top
// left corner of dialog 212 in its betting mode).
struct CCaricaFile {
    static constexpr const char* kTitolo = "TALBOR - Caricamento file";
    static constexpr const char* kDomanda = "Digita il nome completo del file da aprire e caricare :";
    static constexpr const char* kInserimentoNullo =
        "Inserimento nullo.\nDigitare il nome completo di un file.";
    static constexpr int kAngolo = 8; // pixels of the corner that open it, from 0
    std::string percorso;
    // "&OK": an empty field gets the warning and the dialog stays open.
    bool Conferma(const std::string& testo, IMessaggi& messaggi);
};

// Dialog 180: one championship's events, ten rows a page.
class CDlgImmissioneQuote {
public:
    enum class Modo { Immissione, Modifica };
    struct Riga {
        int casa = -1, trasferta = -1; // team indices, -1 empty
        std::array<std::string, 6> quote;
        std::string data = "-";
        bool elimina = false;
    };
    static constexpr int kRighe = 10;

    // In modification mode `sorgente` gives the events shown (those of the
    // championship, in its order).
    CDlgImmissioneQuote(ScommessaMgr& m, DatiCampionati& dati, int campionato, Modo modo,
                        const ScommessaMgr* sorgente = nullptr);

    std::string titolo() const;
    std::string intestazione() const;
    Modo modo() const { return modo_; }
    int campionato() const { return campionato_; }
    const std::vector<std::string>& nomi() const { return nomi_; }

    // The team list on the left: indices still free, in list order.
    const std::vector<int>& libere() const { return libere_; }
    // "&Aggiungi  >>": -1 = nothing selected.
    bool Aggiungi(int squadra, IMessaggi& messaggi);
    bool aggiungiAbilitato() const;
    // "<<  &Togli": the last team written goes back to the list.
    bool Togli();
    bool togliAbilitato() const { return !scritte_.empty(); }

    std::array<Riga, kRighe>& righe() { return righe_; }
    const std::array<Riga, kRighe>& righe() const { return righe_; }
    bool quoteModificabili(int riga) const;
    bool continuaAbilitato() const;
    bool inserisciProseguiAbilitato() const;

    // Stores the page's rows as events ("&Inserisci e prosegui >>" or
    // "Continua >>"); on the first failure the message is shown and the
    // manager is as before the page. After "&Inserisci e prosegui" the page
    // is cleared (entry) or the next page is shown (modification).
    bool MemorizzaPagina(IMessaggi& messaggi);
    bool Prosegui(IMessaggi& messaggi);

    static std::string SuggerimentoQuota(int riga, int quota);
    static std::string SuggerimentoElimina(int riga);

private:
    void CaricaPagina();

    ScommessaMgr& m_;
    DatiCampionati& dati_;
    int campionato_;
    Modo modo_;
    std::vector<std::string> nomi_;
    std::vector<int> libere_;
    std::vector<int> scritte_; // teams in the order written, for Togli
    std::array<Riga, kRighe> righe_;
    std::vector<Riga> daModificare_;
    std::size_t pagina_ = 0;
};

// Checks six odds texts and the estimate of the match, then adds the event.
// `numeroRiga` > 0 names the row in the messages (" nell'incontro n. %d").
bool AggiungiEventoDaTesti(ScommessaMgr& m, DatiCampionati& dati, int campionato, int casa,
                           int trasferta, const std::array<std::string, 6>& quote,
                           const std::string& data, int numeroRiga, IMessaggi& messaggi);

// Dialog 225: one event of a chosen championship.
class CDlgAggiuntaEvento {
public:
    CDlgAggiuntaEvento(ScommessaMgr& m, DatiCampionati& dati);
    static constexpr const char* kIntestazione = " AGGIUNTA EVENTO DEL CAMPIONATO :";

    void ScegliCampionato(int campionato);
    int campionato() const { return campionato_; }
    const std::vector<std::string>& nomi() const { return nomi_; }
    bool Aggiungi(int squadra, IMessaggi& messaggi);
    bool Togli();
    int casa() const { return casa_; }
    int trasferta() const { return trasferta_; }
    std::array<std::string, 6> quote;
    // OK: false with the message shown, the manager unchanged.
    bool Conferma(IMessaggi& messaggi);

private:
    ScommessaMgr& m_;
    DatiCampionati& dati_;
    int campionato_ = -1;
    std::vector<std::string> nomi_;
    int casa_ = -1, trasferta_ = -1;
};

// Dialog 247: a downloaded event whose opponent was not recognised.
class CompletamentoEvento {
public:
    CompletamentoEvento(const DatiCampionati& dati, int campionato, int riconosciuta,
                        std::string avversaria, const std::array<float, 6>& quote);
    static constexpr const char* kIntestazione = " Non è stata riconosciuta l'avversaria di :";

    const std::vector<std::string>& nomi() const { return nomi_; }
    const std::string& avversariaTesto() const { return testoAvversaria_; }
    // The recognised team plays at home (true) or away.
    void GiocaInCasa(bool casa) { riconosciutaInCasa_ = casa; }
    bool riconosciutaInCasa() const { return riconosciutaInCasa_; }
    bool Aggiungi(int squadra, IMessaggi& messaggi);
    void Togli() { avversaria_ = -1; }
    std::string casa() const;
    std::string trasferta() const;
    std::array<std::string, 6> quote;

    struct Esito {
        std::string casa, trasferta;
        int avversaria;
        std::array<float, 6> quote;
    };
    // OK: nullopt with the message shown when an odds is invalid, none is
    // given, or no opponent was chosen.
    std::optional<Esito> Conferma(IMessaggi& messaggi) const;

private:
    std::vector<std::string> nomi_;
    int riconosciuta_;
    int avversaria_ = -1;
    std::string testoAvversaria_;
    bool riconosciutaInCasa_ = true;
};

} // namespace veltra
