#pragma once
// The window of the parameter searches (modal, two pages): what it keeps of
// the 19 championships when it opens, and what its OK and Cancel do with it.
// OK keeps what the pages changed and tells the rest of the program which
// championships' analyses moved; Cancel puts every championship's parameters
// and archive back as they were, so analyses inserted meanwhile go again.
#include "dati/CAnalisi.h"
#include "dati/CArchivio.h"
#include "dati/Campionati.h"
#include "engine/MessaggioStato.h"

#include <array>
#include <atomic>
#include <functional>
#include <memory>

namespace veltra {

struct DatiCampionati;
class IMessaggi;

// One search at a time in the whole window: both pages share this.
struct StatoRicerche {
    bool inCorso = false;
    std::shared_ptr<std::atomic<bool>> fermo = std::make_shared<std::atomic<bool>>(false);
};

class CRicercheMiglioriAnalisi {
public:
    // Evaluates the current analysis of the current championship; false,
    // after the message, when it cannot be computed (the window is not opened).
    static bool PuoAprire(DatiCampionati& dati, IMessaggi& messaggi);

    // Takes the snapshot.
    explicit CRicercheMiglioriAnalisi(DatiCampionati& dati);

    StatoRicerche& stato() { return stato_; }

    // OK: championships whose parameters changed are announced (the coupon
    // and the betting events follow them); any change marks the data modified.
    // Returns whether a parameter changed (the main window's views refresh).
    bool Ok();
    // Cancel: every championship back from the snapshot.
    void Annulla();
    // After either: the current championship as at opening, evaluated; the
    // two status-bar texts.
    TestiStato Chiudi();

private:
    struct Istantanea {
        CAnalisi analisi;
        CArchivio archivio;
    };
    DatiCampionati& dati_;
    std::array<Istantanea, kNumeroCampionati> istantanea_;
    int campionatoCorrente_ = 0;
    StatoRicerche stato_;
};

inline constexpr const char* kRicercheTitolo = "VELTRA - Ricerche Migliori Analisi";
inline constexpr const char* kNessunaAnalisiMigliore =
    "Nessuna analisi migliore di quella corrente e' stata trovata.\nModificare i valori dei "
    "Parametri Configurabili e riprovare.";
inline constexpr const char* kDomandaEliminaAnalisi =
    "Vuoi eliminare dall'archivio l'analisi visualizzata?";

} // namespace veltra
