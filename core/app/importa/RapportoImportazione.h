#pragma once
// What an import did, or why it did nothing: printed by veltra-cli importa.
#include "app/importa/PartitaSorgente.h"

#include <string>
#include <vector>

namespace veltra {

struct StagioneImportata {
    int numero = 0; // 1-based season of the championship
    int annoInizio = 0;
    std::string etichetta; // "" for a season the sources lack
    std::vector<std::string> file;
    int squadre = 0;
    int incontri = 0;
    int assegnate = 0; // results given at the table, kept
    std::string nota;  // why a season with data was stored empty
    int calendario = 0; // fixtures still to be played, kept in the calendar
};

struct NomeMappato {
    std::string fonte;
    std::string nome;
    bool daAlias = false; // false: made by the shortening rule
};

struct RapportoImportazione {
    std::string errore; // empty on success; then nothing was changed
    std::string campionato;
    int stagioniPrima = 0;
    int incontriPrima = 0;
    std::vector<StagioneImportata> stagioni; // added, in order, empty ones included
    std::vector<RigaScartata> scartate;
    std::vector<RigaScartata> avvisi; // kept, but worth a look
    std::vector<NomeMappato> nomi; // every source spelling met, sorted

    bool ok() const { return errore.empty(); }
    int incontriAggiunti() const;
    std::string Testo() const;
};

} // namespace veltra
