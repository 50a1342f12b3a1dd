#pragma once
// "MARVEN - Spoglio Schedine": the 14 results, the check of the full system,
// of its base column and of the reduced system held by the coupon, the
// reduced columns page by page with their misses marked, and the play
// record ("&Statistiche") with the smallest winning enlargement of the
// proposed system.
#include "pools/CDlgSistemaRidotto.h"
#include "pools/SpoglioSchedina.h"
#include "pools/StatisticheToto.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace veltra {

struct DatiCampionati;
struct Schedina;
struct CCondizionamenti;
class IEsecutoreLavori;
class IMessaggi;

inline constexpr const char* kTitoloSpoglio = "MARVEN - Spoglio Schedine";
inline constexpr const char* kTitoloCalcoloRidotto = "CALCOLO RISULTATO OTTENUTO DAL SISTEMA RIDOTTO IN CORSO...";
inline constexpr const char* kTitoloRicercaVincente = "RICERCA DEL SISTEMA VINCENTE IN CORSO...";

class CDlgSpoglioSchedine {
public:
    CDlgSpoglioSchedine(DatiCampionati& dati, Schedina& schedina, CCondizionamenti& condizioni);

    // Once the reduced system is built (or could not be).
    void Riempi();

    std::string casa(int riga) const;
    std::string trasferta(int riga) const;
    // A result chosen (0 = 1, 1 = X, 2 = 2): what was computed is cleared.
    void ImpostaRisultato(int riga, int segno);
    const RisultatiSchedina& risultati() const { return risultati_; }
    bool calcolaAbilitato() const;
    bool calcolato() const { return calcolato_; }
    bool inCalcolo() const { return inCalcolo_; }
    // "&Statistiche" once a check is done.
    bool statisticheAbilitato() const { return calcolato_ && !inCalcolo_; }

    int colonnePerPagina() const { return p_.perPagina; }
    void ImpostaColonnePerPagina(int k);

    // "&Calcola": the reduced system is counted by a job; `fine` on the
    // caller's thread once the results are there.
    void Calcola(IEsecutoreLavori& esecutore, std::function<void()> fine);

    const EsitoIntegrale& integrale() const { return integrale_; }
    const EsitoSpoglioRidotto& ridotto() const { return ridotto_; }
    std::string testoIntegrale() const { return calcolato_ ? integrale_.testo : ""; }
    // The counters shown ("" until computed); "Punteggio migliore :" is ""
    // once a column made 12.
    std::string testoTredicissimo() const;
    std::string testoTredici() const;
    std::string testoDodici() const;
    std::string testoMigliore() const;

    // Pages of the reduced system: the cells with "*" on a miss once computed,
    // the hits under each column.
    std::string Cella(int riga, int c) const;
    std::string Punti(int c) const;
    std::string testoPagina() const { return std::to_string(p_.pagina); }
    bool avantiAbilitato() const { return p_.avanti(); }
    bool indietroAbilitato() const { return p_.indietro(); }
    void Avanti();
    void Indietro();

    // "&Statistiche": the play record, with the proposal and its smallest
    // winning enlargement (a job); the coupon is the same afterwards.
    // `fine` receives nullopt when the job was stopped.
    void CreaGiocata(IEsecutoreLavori& esecutore, std::int64_t adesso,
                     std::function<void(std::optional<CStatisticheToto>)> fine);

private:
    void Carica();
    DatiCampionati& dati_;
    Schedina& s_;
    CCondizionamenti& condizioni_;
    RisultatiSchedina risultati_;
    PaginazioneSistema p_;
    std::vector<ColonnaDettata> celle_;
    bool calcolato_ = false;
    bool inCalcolo_ = false;
    EsitoIntegrale integrale_;
    EsitoSpoglioRidotto ridotto_;
};

// "&Archivia": the list as held (read from the folder when it is not held),
// the play added in front or put in place of the most recent one as
// `sceltaSostituzione` answers (asked only when the list is not empty;
// nullopt: cancelled), then the file written through the atomic save. The
// list held changes only when the file was written. Messages are shown here.
enum class EsitoArchiviazione { Aggiunta, Sostituita, Annullata, Errore };
EsitoArchiviazione ArchiviaGiocata(std::optional<CListaGiocateToto>& lista, const std::filesystem::path& cartella,
                                   const CStatisticheToto& giocata,
                                   const std::function<std::optional<bool>(const CStatisticheToto&)>& sceltaSostituzione,
                                   IMessaggi& messaggi);

inline constexpr const char* kGiocataArchiviata = "Le statistiche relative alla giocata sono state archiviate";
inline constexpr const char* kGiocataSostituita =
    "Le statistiche relative alla giocata sono state archiviate in sostituzione di quelle del precedente "
    "salvataggio";

} // namespace veltra
