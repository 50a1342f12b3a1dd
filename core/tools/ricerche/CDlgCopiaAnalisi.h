#pragma once
// The comparison and copy of analyses between championships (modal): for a
// group of championships, how each one's analysis (its current one, or its
// archived analysis n. 1) fits every other one, and the copies the user
// picks, carried out on OK.
#include "dati/CAnalisi.h"
#include "dati/Campionati.h"
#include "platform/Lavori.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

struct DatiCampionati;
class CCampionato;
class IMessaggi;
class IOrologio;

// The choice that opens the window: the group (at least two championships)
// and where the analyses come from. Kept here, apart from the betting
// choice of championships, which serves its own mode.
class SelezioneCopiaAnalisi {
public:
    static constexpr const char* kIntestazione = "SCELTA CAMPIONATI PER LA COPIA DI ANALISI";
    std::vector<int> sinistra() const;
    std::vector<int> destra() const;
    bool Aggiungi(int campionato, IMessaggi& messaggi);
    bool Togli(int campionato, IMessaggi& messaggi);
    bool archivio = true; // "Alla posizione n.1 degli archivi" / "Analisi correnti"
    bool okAbilitato() const { return destra().size() >= 2; }

private:
    std::array<bool, kNumeroCampionati> scelti_ = {};
};

struct CellaPrecisione {
    enum Stato { Vuota, Fallita, Riuscita } stato = Vuota;
    float p1 = 0, pX = 0, p2 = 0, usati = 0;
};

// The analysis of every source, and the matrix by source and target
// (championship ids). Computed on copies: the championships stay as they are.
struct MatricePrecisione {
    std::array<std::optional<CAnalisi>, kNumeroCampionati> analisi;
    std::array<std::array<CellaPrecisione, kNumeroCampionati>, kNumeroCampionati> celle{};
};

struct OrigineCopia {
    CampionatoId id;
    std::string nome;
    std::shared_ptr<CCampionato> copia; // CopiaPerCalcolo
    std::optional<CAnalisi> archiviata; // analysis n. 1 of its archive
};

// The job: "Analisi del campionato di: %s" and "%s per il campionato di: %s" as it goes.
MatricePrecisione CalcolaMatricePrecisione(std::vector<OrigineCopia> gruppo, bool archivio,
                                           const ContestoLavoro& contesto);

class CDlgCopiaAnalisi {
public:
    static constexpr const char* kTitolo = "VELTRA - Confronto e Copia analisi tra campionati";

    CDlgCopiaAnalisi(DatiCampionati& dati, std::vector<int> gruppo, bool archivio);

    // What the job needs (copies of the group's championships).
    std::vector<OrigineCopia> Origini() const;
    void ImpostaMatrice(MatricePrecisione m) { matrice_ = std::move(m); }

    bool archivio() const { return archivio_; }
    const DatiCampionati& dati() const { return dati_; }
    const std::vector<int>& gruppo() const { return gruppo_; }
    // "ANALISI N.1 NELL'ARCHIVIO DEL CAMPIONATO DI :" / "ANALISI CORRENTE DEL CAMPIONATO DI :"
    std::string Intestazione() const;

    int sorgente() const { return sorgente_; }
    void ScegliSorgente(int campionato);
    const CAnalisi* analisiSorgente() const;
    // One line per other championship of the group, and its id.
    std::vector<std::string> RighePrecisione() const;
    std::vector<int> Bersagli() const;

    // "Co&pia >>" onto target `t` (-1: nothing selected).
    bool Copia(int t, IMessaggi& messaggi);
    // "<< &Elimina" of the copy at `indice` in the list (-1: nothing selected).
    bool Elimina(int indice, IMessaggi& messaggi);
    // "Da: %s a: %s", in the order they were added.
    std::vector<std::string> RigheCopie() const;
    const std::vector<std::pair<int, int>>& copie() const { return copie_; }

    // "Con&fronta con..." the target's analysis.
    const CAnalisi* AnalisiDi(int campionato) const;

    // "&OK": the copies, in source then target order. Returns the status
    // texts to write when the current championship got a new analysis.
    bool Ok(IMessaggi& messaggi, const IOrologio& orologio);

private:
    DatiCampionati& dati_;
    std::vector<int> gruppo_;
    bool archivio_;
    int sorgente_;
    MatricePrecisione matrice_;
    std::vector<std::pair<int, int>> copie_;
};

} // namespace veltra
