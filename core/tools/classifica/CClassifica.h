#pragma once
// The league table window: the table of the latest season of the current
// championship (up to the historical cut-off), by group for Serie C1 and C2.
#include "tools/classifica/RigaClassifica.h"

#include <string>
#include <vector>

namespace veltra {

struct DatiCampionati;
class IMessaggi;

inline constexpr const char* kNessunIncontroClassifica =
    "Non sono stati disputati incontri di questo campionato in questa stagione.\n\nNon e' quindi "
    "possibile stilare la classifica";
inline constexpr const char* kSuggerimentoAltroGirone =
    "Visualizza la Classifica di un altro Girone di questo Campionato";

// One line as the window shows it, column by column.
struct TestiRigaClassifica {
    std::string squadra;
    int giocate, casa, vinteCasa, pareggiCasa, perseCasa;
    int fuori, vinteFuori, pareggiFuori, perseFuori, punti;
};

class CClassifica {
public:
    explicit CClassifica(DatiCampionati& dati) : dati_(dati) {}

    // Recounts when the current championship is not the one shown or the data
    // changed. false, after the information box, when the season has no
    // match: the window is not shown.
    bool Aggiorna(bool datiCambiati, IMessaggi& messaggi);

    // "VELTRA - Serie A. Classifica"
    const std::string& titolo() const { return titolo_; }
    // What the table is: "Stagione 2025/2026", with the group where there
    // are groups ("Stagione 1995/1996 - Girone B").
    std::string etichetta() const;

    // Groups of the championship: 2 for Serie C1, 3 for Serie C2, else 1
    // (and the "&Altro Girone" button is hidden).
    int numeroGironi() const { return numeroGironi_; }
    int girone() const { return girone_; }
    // "&Altro Girone": the next group, cyclically.
    void AltroGirone();

    // The selected group's teams in table order.
    std::vector<RigaClassifica> righe() const;
    std::vector<TestiRigaClassifica> testi() const;

    static std::vector<std::string> Intestazioni();

private:
    bool DelGirone(int squadra) const;

    DatiCampionati& dati_;
    int campionato_ = -1;
    std::string titolo_;
    int stagione_ = 0; // 1-based season shown
    std::vector<std::string> nomi_;
    std::vector<RigaClassifica> ordinate_; // every team, table order
    int numeroGironi_ = 1;
    int girone_ = 0;
};

} // namespace veltra
