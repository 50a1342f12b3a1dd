#pragma once
// The match prediction window: pick a home and an away team of the current
// championship and read the probabilities of 1, X and 2, print them, or see
// how the engine built the two teams' scores. The probabilities come from the
// championship's model in use.
#include <string>
#include <vector>

namespace veltra {

struct DatiCampionati;
class IMessaggi;
class IServizioStampa;
class IOrologio;

class CPronostici {
public:
    explicit CPronostici(DatiCampionati& dati) : dati_(dati) {}

    // Recomputes the current championship. Keeps the selection (and shows its
    // new estimate) when the championship is the one shown and its data did
    // not change; otherwise reloads the team lists. false, after the failure
    // message, when the estimates cannot be computed: the window closes.
    bool Aggiorna(bool datiCambiati, IMessaggi& messaggi);

    // A selection changed in either list (-1 = none).
    void CambiaSelezione(int casa, int trasferta, IMessaggi& messaggi);

    // Prints the estimate on one page, after the user's confirmation.
    void Stampa(IMessaggi& messaggi, IServizioStampa& stampa, const IOrologio& orologio);

    // The score breakdown of the two selected teams; empty when two different
    // teams are not selected.
    std::string Dettaglio() const;

    // Percentages of 1, X and 2 with the floor applied, in that order: a value
    // <= 0 becomes 1 and each of the other two gives up (|value| + 1) / 2.
    static void ApplicaMinimo(float percentuali[3]);

    int campionatoMostrato() const { return campionato_; }
    const std::string& titolo() const { return titolo_; }
    const std::vector<std::string>& squadre() const { return squadre_; }
    int casa() const { return casa_; }
    int trasferta() const { return trasferta_; }
    const std::string& nomeCasa() const { return nomeCasa_; }
    const std::string& nomeTrasferta() const { return nomeTrasferta_; }
    // "%.1f%%" texts of 1, X, 2, empty when no estimate is shown.
    const std::string& testo(int segno) const { return testi_[segno]; }
    bool stampaAbilitata() const { return stampaAbilitata_; }
    // Which model the probabilities come from ("Stime: motore", ...).
    const std::string& testoModello() const { return testoModello_; }

private:
    void Svuota();

    DatiCampionati& dati_;
    int campionato_ = -1;
    std::string titolo_;
    std::vector<std::string> squadre_;
    int casa_ = -1, trasferta_ = -1;
    std::string nomeCasa_, nomeTrasferta_;
    std::string testi_[3];
    std::string testoModello_;
    bool stampaAbilitata_ = false;
};



inline constexpr const char* kStimePronosticiImpossibili =
    "Impossibile calcolare le stime per la finestra dei pronostici.\nDiminuire le Giornate "
    "d'Analisi e/o modificare i valori dei Parametri Avanzati.\n\n(Premere F1 per maggiori "
    "informazioni)";
inline constexpr const char* kProbabilitaPronosticiImpossibili =
    "Impossibile calcolare le probabilita' nella finestra dei pronostici!\nLe squadre "
    "visualizzate non hanno ancora disputato il numero minimo di partite\n(pari alle Giornate "
    "d'Analisi)\n\n(Premere F1 per maggiori informazioni)";

} // namespace veltra
