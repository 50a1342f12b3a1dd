#pragma once
// One analysis: the full set of parameters the engine computes a
// championship's estimates with, and what it made of them.
#include "dati/CPunteggiAvanzati.h"

#include <cstdint>
#include <ctime>
#include <string>

namespace veltra {

class Archivio;
class CCampionato;

struct CAnalisi {
    std::string titolo;
    std::string descrizione;
    std::int16_t giornateAnalisi = 2;
    std::int16_t percentualiImportanza[5] = {100, 100, 0, 0, 0};
    std::int16_t limiteMinCasa = -1;
    std::int16_t limiteMaxCasa = 0;
    std::int16_t limiteMinTrasferta = -1;
    std::int16_t limiteMaxTrasferta = 0;
    CPunteggiAvanzati punteggiAvanzati;
    // Results of the analysis on the current data; never stored in files.
    float precisione1 = 0, precisioneX = 0, precisione2 = 0;
    float datiUsati = 0;

    // The ten int16, the title, the description, the advanced parameters.
    void Serializza(Archivio& ar);

    // Same parameters and bit-equal results; title and description aside.
    bool Equivalente(const CAnalisi& altra) const;
    // Same parameters only.
    bool StessiParametri(const CAnalisi& altra) const;

    friend bool operator==(const CAnalisi&, const CAnalisi&);
};

// The championship's current analysis (its results are left at 0).
CAnalisi AnalisiCorrente(const CCampionato& c);
// Makes the analysis's parameters the championship's current ones.
void ApplicaAnalisi(CCampionato& c, const CAnalisi& a);
// The title of an analysis inserted at the given local time.
std::string TitoloAnalisi(const std::tm& ora);

} // namespace veltra
