#pragma once
// The small operations on the coupon and on one row's predicted signs that
// every pools window uses: the prediction text, adding and removing a sign,
// the order of the signs, the base proposal of a row, the reset, the backup
// copy and the bonus for sign 2.
#include "pools/Schedina.h"

#include <string>

namespace veltra {

// Signs as the rows store them.
inline constexpr int kSegno1 = 0;
inline constexpr int kSegnoX = 1;
inline constexpr int kSegno2 = 2;

// '1', 'X' or '2'.
char CarattereSegno(int segno);
// 0, 1, 2, or -1 for any other character.
int SegnoDaCarattere(char c);

// A row whose prediction the user typed: automatic operations skip it.
bool Manuale(const Partita& p);
// All three probabilities at -1: no match in this row.
bool Vuota(const Partita& p);
// Probability of a sign as stored (the 2 with the coupon's bonus).
float Probabilita(const Partita& p, int segno);
// Used slots of segni (always a prefix).
int SlotUsati(const Partita& p);

// The text of the slots ("1X", "" when none).
std::string TestoSegni(const Partita& p);
// Rebuilds pronosticoAuto from the slots and returns the row's prediction:
// the manual text when there is one, else the automatic one.
std::string TestoPronostico(Partita& p);
// The same without rebuilding the stored text.
std::string Pronostico(const Partita& p);

// Sign tests: false on a manual row.
bool HaSegno(const Partita& p, int segno);
bool Fissa(const Partita& p);
bool Doppia(const Partita& p);
bool Tripla(const Partita& p);

// false, nothing changed, on a manual row, a sign already there or three
// signs; otherwise the sign takes the first free slot and the signs are
// ordered.
bool AggiungiSegno(Partita& p, int segno);
// false, nothing changed, on a manual row, an absent sign or the only sign.
bool TogliSegno(Partita& p, int segno);
// A double in decreasing probability (swapped only when the second is
// strictly more probable); a triple in decreasing probability, equal ones in
// the order 1, X, 2. Manual rows are left alone.
void OrdinaSegni(Partita& p);

// The base proposal of one row from its probabilities and the coupon's
// thresholds. With `scartaManuale` false the manual text is kept (the slots
// still get the automatic proposal). An empty row gets no sign.
void PropostaBase(Partita& p, float probMinSegno, float probMinFissa, bool scartaManuale);

// A probability <= 0, taken in the order 1, X, 2, becomes 0.01 and the other
// two each give up (|value| + 0.01) / 2.
void CorreggiProbabilita(float p[3]);

// Number of rows whose prediction has two and three characters.
struct NumeroSegni {
    int doppie = 0;
    int triple = 0;
};
NumeroSegni StatoNumeroSegni(const Schedina& s);

// Columns of the full system: product of the prediction lengths, an empty
// row counting 1.
long long ColonneIntegrale(const Schedina& s);

// The rows reset, the reduction -1,-1, sistemaIniziale 1, counters 0 and the
// reduced system forgotten; the thresholds, the bonus and the columns per
// page stay, and so does schedinaAssente.
void Azzera(Schedina& s);
void SalvaCopia(Schedina& s);
void RipristinaCopia(Schedina& s);
// Adds the difference to the 2 of every filled row, then keeps the new bonus.
void ImpostaBonus2(Schedina& s, float bonus);
// The predictions or the reduction changed: the reduced system must be
// rebuilt and the conditioned one counted again.
void InvalidaRidotto(Schedina& s);

// Rows filled so far (the first empty one's index).
int RigheRiempite(const Schedina& s);

} // namespace veltra
