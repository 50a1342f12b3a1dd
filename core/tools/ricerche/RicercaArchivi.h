#pragma once
// The search over the archives: every archived analysis of a group of
// championships improved in rounds of the advanced hill climb and of a
// percentage search in a window around its weights, and replaced in its
// archive, with an automatic note, when it changed.
//
// The job works on copies (each championship's data and archive) and returns
// the new archives and the log; the window applies them on its own thread.
#include "dati/CArchivio.h"
#include "dati/Campionati.h"
#include "platform/Lavori.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace veltra {

class CCampionato;
class IOrologio;

struct ArchivioDaMigliorare {
    CampionatoId id = 0;
    std::string nome;
    std::shared_ptr<CCampionato> copia; // CopiaPerCalcolo of the championship
    CArchivio archivio;
};

struct StatoRicercaArchivi {
    std::string archivio;   // "Archivio :"
    int analisi = 0;        // "Analisi :" %d DI %d
    int numero = 0;
    bool pesi = false;      // "Tipo di Ricerca :" Pesi delle Giornate d'Analisi / Parametri Avanzati
    std::string log;        // "Analisi migliorate :" so far
};

struct EsitoRicercaArchivi {
    std::vector<ArchivioDaMigliorare> archivi; // the archives as the search left them
    std::string log;                           // "Analisi migliorate :"
    bool completata = false;
};

// Improves one analysis in place on `c` (applied first): the rounds of the
// climb and of the window of width `ampiezzaPesi`. False when it could not be
// evaluated or the search was stopped.
bool MiglioraAnalisi(CCampionato& c, const CAnalisi& analisi, int ampiezzaPesi, int thread,
                     const ContestoLavoro& contesto,
                     const std::function<void(bool pesi)>& fase = {});

EsitoRicercaArchivi MiglioraArchivi(std::vector<ArchivioDaMigliorare> archivi, int ampiezzaPesi,
                                    int thread, const IOrologio& orologio,
                                    const ContestoLavoro& contesto,
                                    const std::function<void(const StatoRicercaArchivi&)>& stato = {});

} // namespace veltra
