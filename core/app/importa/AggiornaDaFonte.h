#pragma once
// Keeps a championship's current season up to date from a public source: a
// Football.TXT file (either layout) or a football-data CSV, read from an
// address or a file, merged into the last stored season.
//
// The merge adds the played matches the season lacks (with goals and date),
// fills in or corrects the goals and dates of matches already stored, brings
// the calendar of fixtures up to date, and never changes or removes a stored
// result. It refuses, changing nothing, a
// source that cannot be read, that does not hold the stored season, whose
// clubs are not the season's, or whose result of a stored match is another.
// A source of the season after the stored ones adds that season, as the
// importer does (the season rolled over).
#include "app/importa/PartitaSorgente.h"
#include "app/importa/TabellaAlias.h"
#include "dati/Calendario.h"
#include "dati/Campionato.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

struct DatiGlobali;
class IHttp;
class IMessaggi;

// A source larger than this is refused: a season's file is some tens of
// kilobytes, a football-data CSV with odds a few hundred.
inline constexpr std::size_t kMaxFileFonte = 4u << 20;

// Whether a source is an address (http:// or https://) rather than a file.
bool FonteInRete(std::string_view fonte);

struct TestoFonte {
    std::optional<std::string> testo;
    std::string errore; // why it could not be read, naming the source
    bool interrotto = false;
};

struct OpzioniFonte {
    long secondiConnessione = 10;
    long secondiStallo = 20;
    std::function<bool()> fermo; // the stop request, looked at during the transfer
};

// Reads a source: an address through `http` (a GET, no redirect, at most
// kMaxFileFonte bytes, the time-outs and stop request of `opzioni`), or a
// regular file.
TestoFonte LeggiFonte(IHttp& http, const std::string& fonte, const OpzioniFonte& opzioni = {});

struct UnioneFonte {
    std::string errore; // why the source is refused ("" when merged)
    int nuovi = 0;      // played matches added
    int aggiornati = 0; // stored matches whose goals or date changed
    int calendario = 0; // fixtures added, moved or gone (played, postponed, dropped)
    int scartate = 0;   // lines of the source left out
    int assenti = 0;    // stored matches of the season the source does not have as played
    std::vector<std::string> avvisi;
    // The source's season is the one after the stored ones: it is added
    // whole, as the importer adds it (its clubs in `stagioni`).
    bool nuovaStagione = false;
    std::vector<ElencoSquadre> stagioni;
    // The merged season, to put in place of the championship's.
    ElencoIncontri incontri;
    RetiCampionato reti;
    // The fixtures still to play: the source's when it lists any (a postponed
    // match leaves them until it has a date again), else the stored ones
    // without the matches now played.
    Calendario calendarioNuovo;

    bool ok() const { return errore.empty(); }
    bool cambia() const { return nuovaStagione || nuovi > 0 || aggiornati > 0 || calendario > 0; }
    // "nuovi=N aggiornati=N calendario=N scartate=N"
    std::string Rapporto() const;
};

// Merges a read source into a copy of `campionato`'s last season; nothing of
// `campionato` changes.
UnioneFonte UnisciFonte(const CCampionato& campionato, const LetturaSorgente& lettura,
                        const TabellaAlias& alias);

// Reads the text (any known layout) and merges it.
UnioneFonte UnisciTestoFonte(const CCampionato& campionato, std::string_view testo,
                             const std::string& nomeFonte, const TabellaAlias& alias);

// Puts a merge in place: the championship's matches and goals, then what
// follows a change of data (coupon and bets cleared with their messages, the
// archive re-evaluated, datiModificati set). Nothing when the merge changes
// nothing.
void ApplicaFonte(DatiGlobali& dati, CampionatoId c, UnioneFonte& unione, IMessaggi& messaggi);

} // namespace veltra
