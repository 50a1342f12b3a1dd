#pragma once
// Printing the coupon: marks on the paper pools slips (the full system on
// one slip, or the reduced system slip by slip, or a test slip for the
// calibration), and the two plain listings of the full and reduced system.
// The reduced system printed is the one held by the coupon
// (CostruisciSistema builds it first).
#include "pools/CostruzioneSistema.h"

#include <filesystem>
#include <string>
#include <vector>

namespace veltra {

struct Schedina;
struct ImpostazioniStampa;
class IServizioStampa;
class IOrologio;

// Sign code of a cell: 1 "1", 2 "2", 3 "X", 4 "1X", 5 "X2", 6 "12", 7 all
// three, 8 nothing.
int CodiceDaTesto(const std::string& segni);
// "1", "2", "X", "1X", "X2", "12", "1X2", or "" for code 8.
std::string TestoCodice(int codice);

struct Segno {
    int x, y;
    friend bool operator==(const Segno&, const Segno&) = default;
};
// Where the marks of a cell go: column c of the slip (0-based), row r.
std::vector<Segno> PosizioniCella(const ImpostazioniStampa& imp, int colonna, int riga, int codice);

// The slips of the reduced system: pages of s.colonnePerPagina columns.
int NumeroSchedine(const Schedina& s);

// The print jobs; false when nothing was printed (no device, or a failure).
bool StampaSchedinaIntegrale(const Schedina& s, const ImpostazioniStampa& imp,
                             IServizioStampa& servizio);
// pagina -1: every slip.
bool StampaSchedineRidotto(const Schedina& s, const ImpostazioniStampa& imp,
                           IServizioStampa& servizio, int pagina);
bool StampaProva(const ImpostazioniStampa& imp, int colonne, IServizioStampa& servizio);
bool TabulatoIntegrale(const Schedina& s, IServizioStampa& servizio, const IOrologio& orologio);
bool TabulatoRidotto(const Schedina& s, IServizioStampa& servizio, const IOrologio& orologio);

} // namespace veltra
