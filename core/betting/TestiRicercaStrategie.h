#pragma once
// The texts of the strategy search: the tab-separated file of kept
// improvements (header and lines) and the result text stored in a strategy's
// description.
#include "betting/GrigliaStrategie.h"

#include <string>

namespace veltra {

// printf-style text appended to `s`.
#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
void AggiungiFormato(std::string& s, const char* formato, ...);

// A limit as the texts show it: probabilities ·100, equities (v − 1)·100
// (the products taken in float, as the limits are); the sign 'x' as 'X'.
double PercentoLimite(float v);
double PercentoEquitaLimite(float v);
char SegnoMostrato(char segno);

// The header line of the text file of all kept improvements.
std::string IntestazioneTestoRicerca();

// One line of that file for an improvement under `ordinamento`.
std::string RigaTestoRicerca(int ordinamento, const std::string& gruppo, const MiglioreGiocata& b,
                             int settimaneDisponibili);

// The result text put before a strategy's description.
std::string TestoRisultatoStrategia(const DataOra& oggi, int bookmaker, bool maxRendimento,
                                    int settimaneDisponibili, const MiglioreGiocata& b);

// The progress box's texts.
std::string TestoInizioCampionato(const std::string& nomeCampionato); // "RICERCA SUL CAMPIONATO DI ..."
std::string TestoInizioSegno(char segno);                             // 'x' shown as 'X'
std::string TestoFineSegno(char segno);
std::string TestoInizioRicerca();
std::string TestoEquitaMin(float minEquita);
std::string TestoEquitaMax(float minEquita, float maxEquita);
std::string TestoFineEquitaMin(float minEquita);

} // namespace veltra
