#pragma once
// "Informazioni sull'evento selezionato": the championship's league table,
// the season's matches of the event's two teams and the estimate of the
// match, for one event or one leg of a bet (and, with the pools prefix, for a
// row of the coupon).
#include <array>
#include <string>
#include <vector>

namespace veltra {

struct DatiCampionati;

struct RigaTabellaEvento {
    std::string squadra;
    int giocate = 0;
    int vinteCasa = 0, pareggiCasa = 0, perseCasa = 0;
    int vinteFuori = 0, pareggiFuori = 0, perseFuori = 0;
    int punti = 0;
};

class CDlgDatiEvento {
public:
    // `prefisso`: "TALBOR" for the betting windows, "MARVEN" for the pools.
    // The championship's estimates must be up to date for the estimate line.
    CDlgDatiEvento(const DatiCampionati& dati, int campionato, std::string casa,
                   std::string trasferta, std::string prefisso = "TALBOR");

    std::string titolo() const;
    // The table of the current season (or of the historical cut-off): three
    // points a win; more points first, then fewer matches played.
    const std::vector<RigaTabellaEvento>& classifica() const { return classifica_; }
    // "%s\r\r\n" and "%d\r\r\n" columns, as the window's boxes show them.
    std::string colonna(int quale) const; // 0 names, 1 played, 2..4 home V P S, 5..7 away, 8 points
    const std::string& casa() const { return casa_; }
    const std::string& trasferta() const { return trasferta_; }
    // The season's matches of each team, "%s\t%s\t%c".
    const std::vector<std::string>& incontriCasa() const { return incontriCasa_; }
    const std::vector<std::string>& incontriTrasferta() const { return incontriTrasferta_; }
    // "%.1f%%" of 1, X, 2 after the floor; "-" when the match cannot be estimated.
    const std::array<std::string, 3>& stima() const { return stima_; }

private:
    int campionato_;
    std::string casa_, trasferta_, prefisso_;
    std::vector<RigaTabellaEvento> classifica_;
    std::vector<std::string> incontriCasa_, incontriTrasferta_;
    std::array<std::string, 3> stima_ = {"-", "-", "-"};
};

} // namespace veltra
