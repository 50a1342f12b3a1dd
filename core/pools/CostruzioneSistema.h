#pragma once
// Building the columns of the coupon's selected reduction into its
// SistemaRidotto, and reading them back: the N-1 and error-correcting systems
// from the installed tables, the conditioned system from the conditions
// (optionally reduced to an N-1 cover). Every step is a job with its progress
// window and its stop button; the record changes only when a step ends
// well, so a stop, a missing or damaged table or a lack of memory leave the
// coupon and the system held as they were, with a message and without
// ending the program.
#include "pools/RiduzioneCondizionato.h"
#include "pools/Schedina.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

struct CCondizionamenti;
struct CondizioniRiduzione;
class IEsecutoreLavori;
class IMessaggi;

inline constexpr const char* kTitoloComposizioneRidotto = "COMPOSIZIONE DEL SISTEMA RIDOTTO IN CORSO...";
inline constexpr const char* kTitoloConteggioCondizionato =
    "CALCOLO DIMENSIONI SISTEMA CONDIZIONATO IN CORSO...";
inline constexpr const char* kTitoloCostruzioneCondizionato =
    "COSTRUZIONE SISTEMA CONDIZIONATO IN CORSO...";
inline constexpr const char* kTitoloRiduzioneCondizionato = "RIDUZIONE SISTEMA CONDIZIONATO IN CORSO...";
inline constexpr const char* kTitoloCostruzioneOttimo = "COSTRUZIONE SISTEMA OTTIMO IN CORSO...";
inline constexpr const char* kTitoloLimitiProbabilita = "CALCOLO LIMITI DI PROBABILITA' IN CORSO...";
// The program goes on after these: the sentence about ending it is left out.
inline constexpr const char* kMemoriaCondizionato =
    "Non c'e' spazio sufficiente in memoria per creare il Sistema Condizionato!";
inline constexpr const char* kMemoriaRidotto =
    "Non c'e' spazio sufficiente in memoria per creare il Sistema Ridotto!";

// What the steps need besides the coupon and the conditions.
struct ContestoSistema {
    IEsecutoreLavori& esecutore;
    IMessaggi& messaggi;
    std::filesystem::path cartellaRiduzioni;
    // The reduction method of a reduced conditioned system; without one, the
    // method stored with the conditions.
    std::optional<MetodoRiduzione> metodo;
    int thread = 0; // 0: the machine's cores, at most 2
};

// The method stored with the conditions.
MetodoRiduzione MetodoDelleCondizioni(const CondizioniRiduzione& c);
// The question of the two methods: the answer is stored with the conditions
// and returned.
MetodoRiduzione ChiediMetodo(CondizioniRiduzione& c, IMessaggi& messaggi);

// The conditioned system's size. When it is known, or counting is not
// allowed, the record is left alone. Otherwise the passing columns are
// counted or, with "Condizionato Ridotto", the system is built and reduced.
// `fine(true)` when the record now holds a valid count.
void ContaCondizionato(Schedina& s, const CCondizionamenti& c, bool permesso, ContestoSistema& ctx,
                       std::function<void(bool)> fine);

// Builds the columns of the selected reduction. `fine(true)` when the record
// holds them.
void CostruisciSistema(Schedina& s, const CCondizionamenti& c, ContestoSistema& ctx,
                       std::function<void(bool)> fine);

// The record holds the columns of the selected reduction of this coupon.
bool SistemaPronto(const Schedina& s);

// The pieces the jobs are made of, also for tests and the terminal.
struct CaricamentoTabella {
    bool ok = false;
    std::string messaggio; // for the user when not ok
    SistemaRidotto sistema;
};
// e = f = -1: the N-1 table; else the error-correcting table (e, f).
CaricamentoTabella CaricaTabella(const std::filesystem::path& cartella, int triple, int doppie,
                                 int erroriMin, int erroriMax);
// A conditioned system from the indices of its columns in `sp` (all of them,
// or those at the positions `tenute`).
SistemaRidotto SistemaDaIndici(const SpazioIntegrale& sp, const std::vector<std::int32_t>& indici,
                               const std::vector<std::int32_t>* tenute);

// The best system's record from its columns (outcome numbers, row r the
// base-3 digit of weight 3^r), for a coupon of that shape.
SistemaRidotto SistemaOttimo(const std::vector<std::uint32_t>& esiti, int triple, int doppie);

// Reads the system held by a coupon: the sign codes of its columns, for
// the view, the print and the check. Made once for many cells (the coupon
// and its record must not change while it is used).
class LettoreSistema {
public:
    explicit LettoreSistema(const Schedina& s);
    // Sign code of row r in column `colonna`: 1 "1", 2 "2", 3 "X", 4 "1X",
    // 5 "X2", 6 "12", 7 all three, 8 nothing. A fixed row gives its sign
    // whatever the system; a double of a table is read through its text.
    int Segno(int colonna, int riga) const;

private:
    struct Riga {
        int fisso = 8; // the code of a fixed row (8: no sign); 0 for a variable row
        int rigaMatrice = 0;
        std::array<int, 4> codice{}; // code for each stored value
    };
    const SistemaRidotto& r_;
    std::array<Riga, kRigheSchedina> righe_;
};

// Columns of the system held for the selected reduction, -1 when none is.
int TotaleColonne(const Schedina& s);
// The size of the selected reduction, whether built or not: the table's count
// for an N-1 or error-correcting system, the count held for a conditioned one
// (known only once counted); -1 for none or unknown. What the commands that
// use the reduced system are enabled by: a table needs no building first.
std::int32_t ColonneRiduzioneScelta(const Schedina& s, const std::filesystem::path& cartella);
// Sign code of row r in column `colonna` of the held system: 1 "1", 2 "2",
// 3 "X", 4 "1X", 5 "X2", 6 "12", 7 all three, 8 nothing.
int SegnoColonna(const Schedina& s, int colonna, int riga);
// The same by page: the column is pagina * colonnePerPagina + colonnaPagina.
int SegnoColonna(const Schedina& s, int pagina, int riga, int colonnaPagina);

} // namespace veltra
