#pragma once
// The program's service, without its transport: what it answers to each
// request, from its folder.
//
//   CARTELLA/Squadre/          team-name tables and the proposed analyses
//                              ("AnalisiRicezione" + code + "7040.txt")
//   CARTELLA/aggiornamenti/    the update folder: "lastagg.txt", each
//                              championship's results file + ".txt", its
//                              scores file ("Reti-A.txt"), "news9060.txt",
//                              and its teams file + ".txt"
//   CARTELLA/ricevute.sqlite   every analysis received (ArchivioRicevute.h)
//
// GET "/Squadre/NAME" and "/aggiornamenti/NAME" serve the files (plain
// names only); POST "/cgi-bin/AnalisiInvio7040.pl" checks the analyses sent,
// evaluates each one on the published results of its championship with the
// program's engine (the precision it declares is not believed), stores them,
// and makes one the proposed analysis of its championship only when its
// precision there beats the proposed one's.
#include "dati/Campionati.h"
#include "net/servizio/ArchivioRicevute.h"

#include <array>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace veltra {

class IOrologio;
class CCampionato;

inline constexpr const char* kCartellaSquadre = "Squadre";
inline constexpr const char* kCartellaAggiornamenti = "aggiornamenti";
inline constexpr std::size_t kMaxCorpoInvio = 512 * 1024;

// The teams file of a championship in the update folder ("squadrea.VLT.txt").
std::string NomeFileSquadrePubblicate(CampionatoId c);

struct RichiestaServizio {
    std::string_view metodo;
    std::string_view percorso;
    std::string_view corpo;
    std::string_view indirizzo;      // the client's address
    std::string_view autorizzazione; // the "Authorization" header as received
};

struct RispostaServizio {
    RispostaServizio() = default;
    RispostaServizio(int s, std::string c) : stato(s), corpo(std::move(c)) {}
    int stato = 200;
    std::string corpo;
    std::string tipo = "text/plain; charset=windows-1252";
    std::vector<std::pair<std::string, std::string>> intestazioni;
};

struct RegoleServizio {
    // Keys that may post; empty: anyone may.
    std::vector<std::string> chiavi;
    // Posts per minute from one address when no key is asked (0: no limit).
    int inviiPerMinuto = 20;
    // Analyses the store may hold in all.
    long massimoAnalisi = 100000;
};

class Servizio {
public:
    Servizio(std::filesystem::path cartella, const IOrologio& orologio, RegoleServizio regole = {});
    ~Servizio();

    // Opens the store of received analyses (taking in an older one). false
    // with the reason: the service must not start.
    bool Apri(std::string* errore);

    // Safe to call from several threads at once.
    RispostaServizio Gestisci(const RichiestaServizio& richiesta);
    RispostaServizio Gestisci(std::string_view metodo, std::string_view percorso,
                              std::string_view corpo) {
        return Gestisci(RichiestaServizio{metodo, percorso, corpo, {}, {}});
    }

    const std::filesystem::path& cartella() const { return cartella_; }
    ArchivioRicevute& archivio() { return archivio_; }

private:
    struct DatiCampionato;
    RispostaServizio File(std::string_view sottocartella, std::string_view nome) const;
    RispostaServizio Invio(const RichiestaServizio& q);
    bool Permesso(std::string_view indirizzo, int* attesa);
    DatiCampionato& Dati(CampionatoId c);

    std::filesystem::path cartella_;
    const IOrologio& orologio_;
    RegoleServizio regole_;
    ArchivioRicevute archivio_;
    std::mutex giudizio_; // one post at a time judges and proposes
    std::array<std::unique_ptr<DatiCampionato>, kNumeroCampionati> dati_;
    std::mutex limiti_;
    struct Gettoni {
        double disponibili = 0;
        std::chrono::steady_clock::time_point ultimo;
    };
    std::map<std::string, Gettoni, std::less<>> perIndirizzo_;
};

// A plain file name: letters, digits, '.', '-', '_', not starting with '.'.
bool NomeSemplice(std::string_view nome);

// The keys file: one key per line; blank lines and lines starting with '#'
// are skipped. nullopt, with the line at fault (never its text), when a line
// is not a valid key (ChiaveValida) or there is no key at all.
std::optional<std::vector<std::string>> LeggiChiavi(std::string_view testo, std::string* errore);

// Whether the "Authorization" header carries one of the keys; it takes the
// same time whichever key matches, or none.
bool ChiaveAmmessa(const std::vector<std::string>& chiavi, std::string_view autorizzazione);

} // namespace veltra
