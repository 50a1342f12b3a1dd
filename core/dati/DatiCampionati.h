#pragma once
// The 19 championships of the program, the one being worked on, and the
// notifier through which any layer tells the others what it changed.
#include "dati/Campionato.h"
#include "platform/Notifiche.h"

#include <array>
#include <cstdint>
#include <memory>

namespace veltra {

struct DatiCampionati {
    DatiCampionati();
    ~DatiCampionati();
    DatiCampionati(const DatiCampionati&) = delete;
    DatiCampionati& operator=(const DatiCampionati&) = delete;

    std::array<std::unique_ptr<CCampionato>, kNumeroCampionati> campionati;
    std::int16_t campionatoCorrente = 0;
    std::int16_t datiModificati = 0;
    NotificheCambiamenti notifiche;

    CCampionato& campionato(CampionatoId c) { return *campionati.at(c); }
    const CCampionato& campionato(CampionatoId c) const { return *campionati.at(c); }
};

} // namespace veltra
