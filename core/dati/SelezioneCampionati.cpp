#include "dati/SelezioneCampionati.h"

#include "platform/Messaggi.h"

namespace veltra {

std::vector<CampionatoId> SelezioneCampionati::sinistra() const {
    std::vector<CampionatoId> v;
    for (int c = 0; c < kNumeroCampionati; ++c)
        if (!scelti_[static_cast<std::size_t>(c)]) v.push_back(c);
    return v;
}

std::vector<CampionatoId> SelezioneCampionati::destra() const {
    std::vector<CampionatoId> v;
    for (int c = 0; c < kNumeroCampionati; ++c)
        if (scelti_[static_cast<std::size_t>(c)]) v.push_back(c);
    return v;
}

bool SelezioneCampionati::Aggiungi(int c, IMessaggi& messaggi) {
    if (c < 0 || c >= kNumeroCampionati || scelti_[static_cast<std::size_t>(c)]) {
        messaggi.Errore("Selezionare un campionato dalla lista di sinistra.");
        return false;
    }
    scelti_[static_cast<std::size_t>(c)] = true;
    return true;
}

bool SelezioneCampionati::Togli(int c, IMessaggi& messaggi) {
    if (c < 0 || c >= kNumeroCampionati || !scelti_[static_cast<std::size_t>(c)]) {
        messaggi.Errore("Selezionare un campionato dalla lista di destra.");
        return false;
    }
    scelti_[static_cast<std::size_t>(c)] = false;
    return true;
}

} // namespace veltra
