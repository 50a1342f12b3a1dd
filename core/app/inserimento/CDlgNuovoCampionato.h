#pragma once
// "Nuovo Campionato": the user types the team names of a new season of the
// current championship. The dialog keeps the names in typing order; OK
// appends the season and brings the championship's analyses up to date.
#include "engine/MessaggioStato.h"

#include <optional>
#include <string>
#include <vector>

namespace veltra {

struct DatiGlobali;
class IMessaggi;
class IOrologio;

class CDlgNuovoCampionato {
public:
    static constexpr int kRisorsa = 110;
    enum Controllo { kNuovaSquadra = 1001, kAggiungi = 1002, kLista = 1003, kTogli = 1004 };

    // The clock dates the first season of a championship without matches
    // (the system clock when none is given).
    CDlgNuovoCampionato(DatiGlobali& dati, IMessaggi& messaggi,
                        const IOrologio* orologio = nullptr);

    // "VELTRA - Serie A. Nuovo Campionato"
    std::string Titolo() const;

    // Edit 1001, at most 15 characters.
    const std::string& nuovaSquadra() const { return nuovaSquadra_; }
    void ImpostaNuovaSquadra(const std::string& testo);

    // Button 1002: appends the edit's name (padded to 15) and empties the
    // edit; an empty or duplicate name gets its message and changes nothing.
    bool Aggiungi();

    // List 1003, in the order added, each name padded to 15 characters.
    const std::vector<std::string>& lista() const { return lista_; }

    // Button 1004 with the list's selection (-1 = none): the name goes back
    // to the edit, without its trailing blanks.
    bool Togli(int selezione);

    // OK: true when the dialog closes. With fewer than two names it stays
    // open with a message. Otherwise the season is appended, the archive of
    // analyses re-evaluated, the coupon and the bets cleared and the data
    // marked as changed.
    // A championship without any match (Serie C1 and C2 ship so) takes its
    // first typed season as the season under way today: season k began in
    // the championship's first year + k - 1, so the seasons before it are
    // stored empty, as the importer stores the seasons its sources lack.
    bool Ok();

    // After OK: whether the store changed, and the status-bar texts of the
    // current championship, whose estimates the re-evaluation recomputed.
    bool datiCambiati() const { return datiCambiati_; }
    const std::optional<TestiStato>& testiStato() const { return testiStato_; }

    static const char* Suggerimento(int controllo);

private:
    DatiGlobali& dati_;
    IMessaggi& messaggi_;
    const IOrologio* orologio_;
    std::string nuovaSquadra_;
    std::vector<std::string> lista_;
    bool datiCambiati_ = false;
    std::optional<TestiStato> testiStato_;
};

} // namespace veltra
