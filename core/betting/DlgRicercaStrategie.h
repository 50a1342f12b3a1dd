#pragma once
// The rules of the strategy search's dialogs: the parameters (step 1), the
// search itself with its progress box and stop (step 2), the limits typed for
// a single evaluation, and the conclusion (step 3). The search runs as a job
// on copies of the strategy list and of the strategy counter; its progress
// reaches step 2 through IRapportoRicerca on the user-interface thread, and
// its results are applied there when it ends (also after a stop).
#include "betting/RicercaStrategie.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

struct DatiCampionati;
class IEsecutoreLavori;
class IMessaggi;
class INavigatore;

inline constexpr const char* kTitoloRicercaStrategie =
    "TALBOR - Ricerca Strategie con maggior rendimento o frequenza di sortita";

// The percentages of the "PERCENTUALE MINIMA ..." combos: entry i is i·5.
inline constexpr int kVociPercentuale = 21;
std::string TestoVocePercentuale(int indice); // "0 (Qualsiasi)", "5", ..., "100 (Tutte)"

// Step 1: every setting of the search, with its defaults and which controls
// are enabled.
class CDlgParametriRicerca {
public:
    static constexpr const char* kIntestazione =
        "PASSO 1 : IMPOSTAZIONE PARAMETRI PER LA RICERCA DEI CRITERI DI FILTRO PER LE SCOMMESSE";
    static constexpr DataSettimana kDataMinima{1, 10, 2000};
    static constexpr const char* kVerificaNonSuccessiva =
        "La data delle settimane di verifica deve essere successiva alla data di inizio della ricerca.";

    // `oggi`: the last date the start date may take.
    explicit CDlgParametriRicerca(DataSettimana oggi);

    DataSettimana dataMinima() const { return kDataMinima; }
    DataSettimana dataMassima() const { return oggi_; }

    int bookmaker() const { return p_.bookmaker; }
    void ImpostaBookmaker(int b);
    DataSettimana dataInizio() const { return p_.dataInizio; }
    void ImpostaDataInizio(DataSettimana d); // brought into the allowed range
    bool segno(int s) const { return p_.segni[static_cast<std::size_t>(s)]; }
    void ImpostaSegno(int s, bool v);
    // Check boxes "Probabilità" (0, rankings 0 and 1), "Equità" (1, ranking 2), "Quota" (2, ranking 3).
    bool gruppoOrdinamento(int g) const;
    void ImpostaGruppoOrdinamento(int g, bool v);
    int eventi() const { return p_.eventiDaConsiderare; }
    void ImpostaEventi(int n); // 1..6
    // Combo indices (percentage / 5).
    int indiceSettimaneUtili() const { return p_.minSettimaneUtili / 5; }
    void ImpostaIndiceSettimaneUtili(int i);
    int indiceSettimaneVincenti(int tipo) const;
    void ImpostaIndiceSettimaneVincenti(int tipo, int i);
    bool settimaneVincentiAbilitato(int tipo) const { return EventiTipoGiocata(tipo) <= eventi(); }
    bool maxRendimento() const { return p_.maxRendimento; }
    void ImpostaMaxRendimento(bool v) { p_.maxRendimento = v; }
    bool incluso(int c) const { return p_.inclusi[static_cast<std::size_t>(c)]; }
    void ImpostaIncluso(int c, bool v);
    int inclusi() const;
    bool distinti() const { return p_.distinti; }
    void ImpostaDistinti(bool v) { p_.distinti = v; }
    bool distintiAbilitato() const { return inclusi() >= 2; }
    // The out-of-sample check: the weeks from this date on are left out of the
    // search and each winner is measured on them afterwards.
    bool verifica() const { return verifica_; }
    void ImpostaVerifica(bool v) { verifica_ = v; }
    DataSettimana dataVerifica() const { return dataVerifica_; }
    void ImpostaDataVerifica(DataSettimana d);

    // At least one sign, one ranking and one championship.
    bool avantiAbilitato() const;
    // "Avanti >>": the settings stored in `p` (its other fields untouched);
    // false, after a message, when the check's date is not after the start.
    bool Avanti(ParametriRicerca& p, IMessaggi& messaggi) const;

private:
    DataSettimana Limita(DataSettimana d) const;

    DataSettimana oggi_;
    ParametriRicerca p_;
    bool verifica_ = false;
    DataSettimana dataVerifica_;
};

// The limits typed for a single evaluation: seven fields, each a prompt and
// the text typed.
class CDlgRicercaUnica {
public:
    static constexpr const char* kTitolo = "Impostazione parametri ricerca unica";
    static constexpr int kCampi = 7;
    static constexpr std::array<const char*, kCampi> kDomande = {
        "Prob. min '1' [0/100] ?", "Prob. max 'X' [0/100] ?", "Prob. max '2' [0/100] ?",
        "Equita' min [-100/100] ?", "Equita' max [-100/100] ?", "Quota min ?", "Quota max ?"};

    // Starts from `limiti` when given (the previous single evaluation), else
    // from the widest limits of the search's grid.
    explicit CDlgRicercaUnica(const std::optional<LimitiCandidato>& limiti = std::nullopt);

    const std::string& testo(int campo) const { return testi_[static_cast<std::size_t>(campo)]; }
    void ImpostaTesto(int campo, std::string t) { testi_[static_cast<std::size_t>(campo)] = std::move(t); }

    // The typed values converted (probabilities v/100, equities v/100 + 1,
    // odds as typed); nullopt with the reason in `errore` and the field in
    // `campo` when one is not a number, out of its range, or a minimum is
    // above its maximum.
    std::optional<LimitiCandidato> Converti(std::string& errore, int& campo) const;
    // "OK": the converted limits, or nullopt after the message.
    std::optional<LimitiCandidato> Ok(IMessaggi& messaggi) const;

private:
    std::array<std::string, kCampi> testi_;
};

// Step 2: the two SI/NO choices, the hidden settings (single evaluation,
// text file), the run, its progress box and its stop.
class CDlgRicercaStrategie : public IRapportoRicerca {
public:
    static constexpr const char* kIntestazione = "PASSO 2 : RICERCA STRATEGIE PER LE SCOMMESSE";
    static constexpr const char* kDomandaInterrompi = "Desideri interrompere la Ricerca in corso ?";
    static constexpr const char* kDomandaTesto =
        "Desideri salvare in un file txt tutte le strategie trovate con rendimento positivo e che "
        "rispettano i vincoli imposti ?";
    static constexpr int kAngolo = 8;       // the hidden spots: y 0..8,
    static constexpr int kAngoloTesto = 18; // x 0..8 single evaluation, 9..18 text file
    enum class Stato { Pronta, InCorso, Fermata, Conclusa };
    enum class Angolo { Nessuno, RicercaUnica, FileTesto };

    CDlgRicercaStrategie(ParametriRicerca p, DatiCampionati& dati, ListaStrategie& strategie,
                         std::int32_t& prossimoId, std::filesystem::path cartella, DataOra oggi);

    const ParametriRicerca& parametri() const { return p_; }
    Stato stato() const { return stato_; }
    bool inCorso() const { return stato_ == Stato::InCorso; }

    bool salvaStrategie() const { return p_.salvaStrategie; }
    void ImpostaSalvaStrategie(bool v);
    bool salvaHtml() const { return p_.salvaHtml; }
    void ImpostaSalvaHtml(bool v);
    bool sceltePossibili() const { return stato_ == Stato::Pronta; }
    // "Utilizzo Processore al 100% :": both cores (thread 0) or one.
    bool tuttiProcessori() const { return p_.thread == 0; }
    void ImpostaTuttiProcessori(bool v);

    // Which hidden spot a click at (x, y) of the client area hits; none while
    // a search runs or after it.
    Angolo AngoloCliccato(int x, int y) const;
    void ImpostaRicercaUnica(std::optional<LimitiCandidato> limiti);
    // The text-file question; Si sets the text file, No clears it.
    void ChiediFileTesto(IMessaggi& messaggi);

    std::string testoAvvia() const { return inCorso() ? "Interrompi" : "Avvia Ricerca"; }
    bool avviaAbilitato() const { return stato_ == Stato::Pronta || (inCorso() && !fermoChiesto_); }
    bool avantiAbilitato() const { return stato_ == Stato::Conclusa; }
    bool annullaAbilitato() const { return !inCorso(); }

    // "Avvia Ricerca": starts the job on `esecutore` with copies of the
    // parameters, the list and the counter; `rapporto` is what the job
    // reports to, on the job's thread (the window passes one that queues to
    // this object). While the search runs the same button is "Interrompi":
    // the question, and on Si `ferma` and the button disabled.
    void Avvia(IEsecutoreLavori& esecutore, IRapportoRicerca& rapporto, IMessaggi& messaggi);
    bool fermoChiesto() const { return fermoChiesto_; }
    // How the window stops the running job (its executor's stop).
    std::function<void()> ferma;
    // Called after the job's end was applied (the window redraws).
    std::function<void()> concluso;

    // The job's end, on the user-interface thread: the strategies and the
    // counter the run left (also after a stop: what was saved is kept) are
    // applied and the data marked modified when they changed; a failure or
    // the text file's final message is shown.
    void Fine(EsitoRicercaStrategie esito, ListaStrategie strategie, std::int32_t prossimoId,
              bool fermata, const std::string& errore, IMessaggi& messaggi);
    const EsitoRicercaStrategie& esito() const { return esito_; }

    // The fields and the progress box (texts with "\r\r\n" shown as new lines).
    const std::string& campionato() const { return campionato_; }
    const std::string& pronostico() const { return pronostico_; }
    const std::string& avanzamento() const { return avanzamento_; }
    void Campionato(const std::string& testo) override { campionato_ = testo; }
    void Pronostico(const std::string& testo) override { pronostico_ = testo; }
    void Svuota() override { avanzamento_.clear(); }
    void Aggiungi(const std::string& testo) override;
    static std::string Righe(const std::string& testo); // "\r\r\n" and "\r\n" as "\n"

private:
    ParametriRicerca p_;
    DatiCampionati& dati_;
    ListaStrategie& strategie_;
    std::int32_t& prossimoId_;
    std::filesystem::path cartella_;
    DataOra oggi_;
    Stato stato_ = Stato::Pronta;
    bool fermoChiesto_ = false;
    EsitoRicercaStrategie esito_;
    std::string campionato_, pronostico_, avanzamento_;
};

// Step 3: the conclusion.
class CDlgConclusioneRicerca {
public:
    static constexpr const char* kIntestazione =
        "PASSO 3: SALVATAGGIO FILE HTML DEL RISULTATO DELLA RICERCA";
    static constexpr const char* kConclusa = "LA RICERCA E' CONCLUSA";
    static constexpr const char* kSalvataNelFile = "I  RISULTATI DELLA RICERCA SONO STATI SALVATI NEL FILE:";
    static constexpr const char* kSuggerimento =
        "(Se il documento non dovesse aprirsi usando il pulsante, aprirlo dalla cartella indicata "
        "con il gestore dei file del sistema)";
    static constexpr const char* kSalvataInArchivio =
        "I RISULTATI DELLA RICERCA SONO STATI SALVATI NELL'ARCHIVIO STRATEGIE";

    explicit CDlgConclusioneRicerca(const EsitoRicercaStrategie& esito) : esito_(esito) {}

    std::string percorsoHtml() const { return esito_.html.string(); }
    bool htmlAbilitato() const { return !esito_.html.empty(); }
    bool archivioAbilitato() const { return esito_.strategieSalvate; }
    // The failure to show ("" = none), e.g. a page that could not be written.
    const std::string& errore() const { return esito_.errore; }
    // One line per winner (with the later weeks' check when it was asked).
    std::vector<std::string> vincitori() const;
    // "Apri documento": false after a message when the page could not be opened.
    bool ApriDocumento(INavigatore& navigatore, IMessaggi& messaggi) const;

private:
    const EsitoRicercaStrategie& esito_;
};

} // namespace veltra
