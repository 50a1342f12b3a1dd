#pragma once
// Matrix-method searches aimed at one shape, group and size: many column choices, each
// with a short search, instead of the few choices of the general search. Which group and
// which size to aim at for each shape came from wider exploratory runs over every group;
// the search itself redoes the work every time and its result is checked like any other.

#include "pools/riduzioni/Codice.h"

#include <cstdint>
#include <string>
#include <vector>

namespace veltra::riduzioni {

enum class MetodoPiano {
    MolteMatrici, // fixed columns per try, weighted exchange search over S (RicercaCopertura)
    Congiunta,    // annealing over columns and S together (MatriceCongiunta)
    Colonne,      // the columns given in the plan, the search over S of MolteMatrici
};

struct PianoMatrice {
    int triple;
    int doppie;
    int a; // group Z3^a x Z2^b
    int b;
    uint32_t sindromi; // |S| sought: the code has |S| 3^(t-a) 2^(d-b) words
    int prove;         // tries, each with its own seed 0, 1, ...
    uint64_t passi;    // steps per try
    MetodoPiano metodo;
    // Colonne only: the columns as elements of G (digits in base 3 then 2, row 0 most
    // significant), triple rows first. They are kept rather than searched again because
    // they came from a long sampling: random [I | R] whose kernel, the code of which the
    // table is a union of cosets, has a large minimum distance (5 or 6).
    std::vector<uint32_t> colonne = {};
};

// The plans of the generator, smallest shapes first.
const std::vector<PianoMatrice>& PianiMatrice();

// Words of the code a plan would give.
uint64_t ParolePiano(const PianoMatrice& piano);

struct EsitoPiano {
    Codice codice; // empty when no try reached the size
    std::string descrizione;
};

// Runs the tries in order and stops at the first that reaches the size.
EsitoPiano EseguiPiano(const PianoMatrice& piano);

} // namespace veltra::riduzioni
