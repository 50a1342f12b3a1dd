#pragma once
// The program's data as a whole: the championships, and the records of the
// pools, betting and search subsystems that the configuration archive keeps
// with them. One object, owned by the application and passed by reference.
#include "betting/CStrategiaDesc.h"
#include "betting/ScommessaMgr.h"
#include "dati/DatiCampionati.h"
#include "net/Internet.h"
#include "pools/CCondizionamenti.h"
#include "pools/ImpostazioniStampa.h"
#include "pools/Schedina.h"
#include "pools/StatisticheToto.h"

#include <cstdint>
#include <optional>
#include <string>

namespace veltra {

struct DatiGlobali : DatiCampionati {
    DatiGlobali();
    ~DatiGlobali();

    std::uint8_t versioneDati = 'p';

    // Counters and named settings kept in Cfg2.VLT.
    std::int32_t prossimoIdStrategia = 0;
    std::int32_t indiceSuggerimento = 0;
    std::string suggerimentoStart = "SI";
    std::string impostazioneAU = "?";
    std::int32_t contatoreSalvataggi = 0;

    // Base address of the update folder for the data update via internet
    // (ends with "/"); by default the update folder of the service on this
    // computer.
    std::string indirizzoAggiornamenti = kIndirizzoAggiornamentiPredefinito;
    // The date of a data update loaded and not saved yet: the next save
    // writes it to "lastagg.txt" with the data it dates, in the same
    // transaction (empty: nothing to write).
    std::string marcatoreAggiornamento;

    // The records of the other subsystems kept in the configuration archive.
    Schedina schedina;
    CCondizionamenti condizionamenti;
    CCondizionamenti condizionamentiLavoro; // the working copy the pools windows edit
    ImpostazioniStampa stampa;
    ScommessaMgr scommesse;
    ListaStrategie strategie;
    // The archive of checked plays (StatisticheStat2.VLT), read at start-up;
    // nullopt when the file could not be read: it is then left alone and
    // the pools windows report it.
    std::optional<CListaGiocateToto> giocateToto = CListaGiocateToto{};

private:
    // The coupon and the betting events are computed from the stored data:
    // when a lower layer changes the data, they are cleared.
    NotificheCambiamenti::Iscrizione dipendenti_;
};

} // namespace veltra
