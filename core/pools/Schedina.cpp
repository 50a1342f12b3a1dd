#include "pools/Schedina.h"

#include "dati/Archivio.h"

#include <utility>

namespace veltra {

namespace {

bool RiduzioneValida(std::int16_t e, std::int16_t f) {
    if (e == f) return e == -1 || e == -2;
    return 0 <= e && e < f && f <= kRigheSchedina;
}

} // namespace

void Schedina::Serializza(Archivio& ar) {
    if (ar.inScrittura()) {
        SerializzaCampi(ar);
        return;
    }
    Schedina letta = *this;
    letta.SerializzaCampi(ar);
    *this = std::move(letta);
}

void Schedina::SerializzaCampi(Archivio& ar) {
    ar.campo(schedinaAssente);
    const bool quattordiciRighe = ar.versione() >= 111;
    for (int r = 0; r < kRigheSchedina; ++r) {
        if (r == kRigheSchedina - 1 && !quattordiciRighe) {
            if (ar.inLettura()) partite[r] = Partita{};
            break;
        }
        partite[r].Serializza(ar);
    }
    ar.campo(sistemaIniziale);
    if (ar.inScrittura() && riduzioneMin == kRiduzioneOttima) {
        std::int16_t n1 = -1;
        ar.campo(n1);
        ar.campo(n1);
    } else {
        ar.campo(riduzioneMin);
        ar.campo(riduzioneMax);
    }
    if (ar.inLettura() && !RiduzioneValida(riduzioneMin, riduzioneMax))
        throw ErroreArchivio("schedina: riduzione non valida");
    for (auto& c : contatoriModifiche)
        ar.campo(c);
    ar.campo(probMinSegno);
    ar.campo(probMinFissa);
    ar.campo(bonusSegno2);
    if (quattordiciRighe) {
        ar.campo(colonnePerPagina);
        // It divides the system into pages.
        if (ar.inLettura() && colonnePerPagina != 4 && colonnePerPagina != 8)
            throw ErroreArchivio("schedina: colonne per pagina non valide");
    } else if (ar.inLettura()) {
        colonnePerPagina = 4;
    }
}

} // namespace veltra
