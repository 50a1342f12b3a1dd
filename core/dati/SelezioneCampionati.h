#pragma once
// The choice of championships (dialog 212) in the modes where the choice
// stays in the dialog and goes back to its caller: which championships the
// data update fetches. Two lists, the championships not chosen and those
// chosen, in table order; "Continua >>" while at least one is chosen.
#include "dati/Campionati.h"

#include <array>
#include <string>
#include <vector>

namespace veltra {

class IMessaggi;

class SelezioneCampionati {
public:
    enum class Modo { Aggiornamento };
    static constexpr int kRisorsa = 212;

    explicit SelezioneCampionati(Modo modo) : modo_(modo) {}

    Modo modo() const { return modo_; }
    std::string Titolo() const { return "VELTRA - Selezione Campionati"; }
    std::string Intestazione() const { return "SCELTA CAMPIONATI DA AGGIORNARE"; }
    std::string SuggerimentoSinistra() const {
        return "Selezionare il campionato da inserire nel gruppo di quelli da aggiornare";
    }
    std::string SuggerimentoDestra() const {
        return "Visualizza il gruppo dei campionati selezionati per l'aggiornamento";
    }

    std::vector<CampionatoId> sinistra() const; // not chosen, in table order
    std::vector<CampionatoId> destra() const;   // chosen, in table order
    // By championship id; -1 = nothing selected (the message is shown).
    bool Aggiungi(int campionato, IMessaggi& messaggi);
    bool Togli(int campionato, IMessaggi& messaggi);
    bool continuaAbilitato() const { return !destra().empty(); }

private:
    Modo modo_;
    std::array<bool, kNumeroCampionati> scelti_{};
};

} // namespace veltra
